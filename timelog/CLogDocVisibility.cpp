// CLogDoc: reading and removing the organization units an object is assigned to ([OrgObjects]), for the
// dialogs that show and edit them and for the deletion of objects.
#include "timelog/CLogDoc.h"

bool CLogDoc::LoadObjectPermissions(const CString& objectGUID, CStringArray& guids) {
    if (objectGUID.IsEmpty() || !CanWriteTables())
        return false;
    COrgObjectSet set(&m_Database);
    return set.ReadUnits(objectGUID, guids, this);
}

bool CLogDoc::DeleteObjectPermissions(const CString& objectGUID) {
    if (objectGUID.IsEmpty() || !CanWriteTables())
        return false;
    COrgObjectSet set(&m_Database);
    return set.DeleteObject(objectGUID, this);
}
