// CGEBrowseParam: the parameter object of a record-browser grid: the browse switches, the mapping of
// grid rows to records and columns to fields (which survives moved rows and columns), the edit buffer of
// the record being edited or added, the edit mode and the edit row. Archived after the grid parameters
// (schema 2).
#pragma once

#include "framework/core/CDWordArray.h"
#include "grid/core/CGEGridParam.h"

#include <vector>

class CGEBrowseParam : public CGEGridParam {
    DECLARE_SERIAL(CGEBrowseParam)
public:
    // Edit modes.
    enum EditMode { noMode = 0, edit = 1, addNew = 2 };
    // One field of the edit buffer.
    struct FieldBuffer {
        BOOL bChanged = FALSE;
        CString strValue;
        DWORD dwOther = 0; // 0: none
    };

    CGEBrowseParam() = default;
    ~CGEBrowseParam() override;

    // The grid parameters, then WORD schema 2, the initialised flag as a BYTE and the owned object.
    // A larger schema is refused with the archive's bad-schema exception.
    void Serialize(CArchive& ar) override;

    // The edit buffer made empty again, with 1 + max(fields, columns) entries.
    void ResetEditBuffer(ROWCOL nColCount);
    FieldBuffer* GetFieldBuffer(ROWCOL nField);
    // TRUE when the edit mode is set and any field of the buffer changed.
    BOOL HasChanges() const;

    // Row (column) to record (field); a 0 entry or one beyond the map means the row itself.
    ROWCOL MapRow(ROWCOL nRow) const;
    ROWCOL MapCol(ROWCOL nCol) const;

    DWORD m_dwWord1 = 0;
    BOOL m_bAllowGridMoves = FALSE; // the grid's own row and column moves and range deletions
    DWORD m_dwWord2 = 255;
    BOOL m_bAllowAppend = TRUE; // an append row shows when the grid is not read-only
    DWORD m_dwWord3 = 0;
    DWORD m_dwWord4 = 0;
    BOOL m_bBrowseInit = FALSE; // browse styles applied to this parameter object
    CDWordArray m_awRowMap;
    CDWordArray m_awColMap;
    std::vector<FieldBuffer> m_EditBuffer;
    short m_nFieldCount = 0;
    int m_nEditMode = noMode;
    ROWCOL m_nEditRow = 0;
    CObject* m_pAuxiliary = nullptr; // owned
    BOOL m_bCountExtraRows = TRUE;
    long m_nHighestSeen = -1; // while the record count is open
    long m_nWord5 = -1;
    DWORD m_dwLimit = 0x7FFFFFFF;
    CObject* m_pArchivedObject = nullptr; // owned, archived from schema 2
};
