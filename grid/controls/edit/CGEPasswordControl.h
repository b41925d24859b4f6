// CGEPasswordControl: the edit control for secrets (id 52537 "Password Edit"): the cell shows one
// password character per character of its value, the window is single-line and masks what is typed,
// and nothing of the value goes to the clipboard or through a replacement of masked text.
#pragma once

#include "grid/controls/edit/CGEEditControl.h"

class CGEPasswordControl : public CGEEditControl {
    DECLARE_DYNAMIC(CGEPasswordControl)
public:
    static const CGEControlClass controlClass; // "CGEPasswordControl"

    CGEPasswordControl(CGEGridCore* pGrid, UINT nID);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) override { return FALSE; }
    // The base's text with every character replaced by the password character while masking.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    // The plain text into the window, which masks it itself.
    void SetCurrentText(const CString& str) override;
    // The clipboard is left untouched; reported as done.
    BOOL Copy() override { return TRUE; }
    BOOL Cut() override { return TRUE; }
    // Only the active cell's plain text is replaced in: replacing in another cell's mask would overwrite
    // its secret.
    BOOL ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // The edit control's window style, single-line with ES_PASSWORD.
    DWORD CalcEditStyle(CRect* pRect, int* pLineHeight) override;

    char GetPasswordChar() const { return m_chPassword; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bMask = TRUE;
    char m_chPassword = '*';
};
