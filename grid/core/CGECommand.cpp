#include "grid/core/CGECommand.h"

#include "grid/core/CGEGridCore.h"

#include <map>

IMPLEMENT_DYNAMIC(CGECommand, CObject)

void GEObArrayDeleter::operator()(CObArray* pArray) const {
    if (pArray == nullptr)
        return;
    for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
        delete pArray->GetAt(i);
    delete pArray;
}

void CGECommand::RecordCurrentCell(CGEGridCore* pGrid) {
    m_bCurrentCell = pGrid != nullptr && pGrid->GetCurrentCell(m_nRow, m_nCol, TRUE);
    if (!m_bCurrentCell)
        m_nRow = m_nCol = 0;
}

CString CGECommand::LoadName(UINT nId) {
    // Engine state, touched only by the user-interface thread.
    static std::map<UINT, CString> names;
    const auto found = names.find(nId);
    if (found != names.end())
        return found->second;
    CString name;
    if (!name.LoadString(nId) || name.IsEmpty())
        name = " ";
    names.emplace(nId, name);
    return name;
}
