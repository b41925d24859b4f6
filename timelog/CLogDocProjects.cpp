// CLogDoc: the projects a user or group may see.
#include "timelog/CLogDoc.h"

void CLogDoc::GetVisibleProjects(CUser* node, bool& allVisible, CProjectArray& projects) {
    if (node == nullptr)
        return;
    allVisible = true;
    projects.RemoveAll();
    COrgObjectSet assignments(&m_Database);
    for (INT_PTR i = 0; i < m_Projects.GetSize(); ++i) {
        CProject* project = m_Projects.GetAt(i);
        if (project == nullptr || (!project->m_Active && !s_bShowInactiveProjects))
            continue;
        // Units that cannot be read leave the project visible.
        CObArray units;
        assignments.GetAssignedUnits(project, units, this);
        if (!units.IsEmpty() && !IsVisibleThroughUnits(node, units)) {
            allVisible = false;
            continue;
        }
        projects.Add(project);
    }
}
