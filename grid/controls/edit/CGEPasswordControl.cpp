#include "grid/controls/edit/CGEPasswordControl.h"

IMPLEMENT_DYNAMIC(CGEPasswordControl, CGEEditControl)

BEGIN_MESSAGE_MAP(CGEPasswordControl, CGEEditControl)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

const CGEControlClass CGEPasswordControl::controlClass = {"CGEPasswordControl",
                                                          &CGEEditControl::controlClass};

CGEPasswordControl::CGEPasswordControl(CGEGridCore* pGrid, UINT nID) : CGEEditControl(pGrid, nID) {}

BOOL CGEPasswordControl::GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                                        const CGEStyle& style) {
    if (!CGEEditControl::GetControlText(strResult, nRow, nCol, pszValue, style))
        return FALSE;
    if (m_bMask)
        strResult = CString(m_chPassword, strResult.GetLength());
    return TRUE;
}

void CGEPasswordControl::SetCurrentText(const CString& str) {
    m_bMask = FALSE;
    CString strPlain;
    if (m_bBound)
        CGEEditControl::GetControlText(strPlain, m_nRow, m_nCol, str, GetCellStyle());
    else
        strPlain = str;
    m_bMask = TRUE;
    if (!HasWindow())
        return;
    SendMessage(EM_SETPASSWORDCHAR, static_cast<unsigned char>(m_chPassword));
    SetWindowText(strPlain);
}

BOOL CGEPasswordControl::ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    // The window of the active cell holds the plain text; any other cell offers only its mask.
    if (m_bActive && IsBoundToCellAt(nRow, nCol))
        return CGEEditControl::ReplaceAll(state, nRow, nCol);
    return FALSE;
}

DWORD CGEPasswordControl::CalcEditStyle(CRect* pRect, int* pLineHeight) {
    return (CGEEditControl::CalcEditStyle(pRect, pLineHeight) & ~static_cast<DWORD>(ES_MULTILINE)) |
           ES_PASSWORD;
}

void CGEPasswordControl::OnLButtonDown(UINT, CPoint) {
    Default();
}
