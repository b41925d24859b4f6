#include "grid/core/CGEBrowseParam.h"

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

#include <algorithm>

IMPLEMENT_SERIAL(CGEBrowseParam, CGEGridParam, 2)

CGEBrowseParam::~CGEBrowseParam() {
    delete m_pAuxiliary;
    delete m_pArchivedObject;
}

void CGEBrowseParam::Serialize(CArchive& ar) {
    CGEGridParam::Serialize(ar);
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(2);
        ar << static_cast<BYTE>(m_bBrowseInit ? 1 : 0);
        ar.WriteObject(m_pArchivedObject);
        return;
    }
    WORD wSchema = 0;
    ar >> wSchema;
    if (wSchema > 2)
        AfxThrowArchiveException(CArchiveException::badSchema);
    BYTE bInit = 0;
    ar >> bInit;
    m_bBrowseInit = bInit != 0;
    if (wSchema >= 2) {
        CObject* pObject = ar.ReadObject(nullptr);
        delete m_pArchivedObject;
        m_pArchivedObject = pObject;
    }
}

void CGEBrowseParam::ResetEditBuffer(ROWCOL nColCount) {
    const size_t nSize =
        1 + std::max<size_t>(static_cast<size_t>(std::max<short>(m_nFieldCount, 0)), nColCount);
    m_EditBuffer.assign(nSize, FieldBuffer());
}

CGEBrowseParam::FieldBuffer* CGEBrowseParam::GetFieldBuffer(ROWCOL nField) {
    return nField < m_EditBuffer.size() ? &m_EditBuffer[nField] : nullptr;
}

BOOL CGEBrowseParam::HasChanges() const {
    if (m_nEditMode == noMode)
        return FALSE;
    return std::any_of(m_EditBuffer.begin(), m_EditBuffer.end(),
                       [](const FieldBuffer& f) { return f.bChanged; });
}

ROWCOL CGEBrowseParam::MapRow(ROWCOL nRow) const {
    if (nRow >= 0x7FFFFFFF || static_cast<INT_PTR>(nRow) >= m_awRowMap.GetSize() || m_awRowMap[nRow] == 0)
        return nRow;
    return m_awRowMap[nRow];
}

ROWCOL CGEBrowseParam::MapCol(ROWCOL nCol) const {
    if (nCol >= 0x7FFFFFFF || static_cast<INT_PTR>(nCol) >= m_awColMap.GetSize() || m_awColMap[nCol] == 0)
        return nCol;
    return m_awColMap[nCol];
}
