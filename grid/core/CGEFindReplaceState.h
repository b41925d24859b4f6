// CGEFindReplaceState: the find and replace settings all grids of the program share (GEGetFindReplaceState):
// the open dialog, the texts, the options, the grid that searches and the style of the cell whose control
// is being asked.
#pragma once

#include "framework/core/CString.h"

class CFindReplaceDialog;
class CGEGridCore;
class CGEStyle;
class CWnd;

class CGEFindReplaceState {
public:
    // Sets the find text and its comparison copy (upper-cased unless match case).
    void SetFindText(LPCSTR pszFind, BOOL bMatchCase) {
        m_strFind = pszFind;
        m_bMatchCase = bMatchCase;
        m_strFindCompare = m_strFind;
        if (!bMatchCase)
            m_strFindCompare.MakeUpper();
    }

    CFindReplaceDialog* m_pDialog = nullptr;
    BOOL m_bFindOnly = TRUE;
    CString m_strFind;
    CString m_strFindCompare; // the find text, upper-cased unless match case
    CString m_strReplace;
    BOOL m_bMatchCase = FALSE;
    BOOL m_bSearchDown = TRUE;
    BOOL m_bTransaction = TRUE; // replace-all records undo
    CGEGridCore* m_pSearchingGrid = nullptr;
    CWnd* m_pOwnerWnd = nullptr;
    const CGEStyle* m_pStyle = nullptr; // the searched cell's style while its control is asked
};

inline CGEFindReplaceState* GEGetFindReplaceState() {
    static CGEFindReplaceState state;
    return &state;
}
