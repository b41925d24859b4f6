// CEdit: a single-line or multi-line edit control.
#pragma once

#include "framework/win/CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- state ----
    BOOL CanUndo() const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void GetRect(LPRECT lpRect) const;
    // LOWORD: start of the selection, HIWORD: the first character after it.
    DWORD GetSel() const;
    void GetSel(int& nStartChar, int& nEndChar) const;
    HLOCAL GetHandle() const;
    void SetHandle(HLOCAL hBuffer);
    UINT GetLimitText() const;
    void SetLimitText(UINT nMax);
    DWORD GetMargins() const;
    void SetMargins(UINT nLeft, UINT nRight);
    char GetPasswordChar() const;
    int GetFirstVisibleLine() const;
    CPoint PosFromChar(UINT nChar) const;
    // LOWORD: character index, HIWORD: line index.
    int CharFromPos(CPoint pt) const;

    // Copies line nIndex into lpszBuffer, whose first WORD holds the buffer's size in characters. The
    // copy is not terminated. Returns the number of characters copied.
    int GetLine(int nIndex, LPSTR lpszBuffer) const;
    // The same with the size given; the copy is terminated when it leaves room for the '\0'.
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;

    // ---- operations ----
    void EmptyUndoBuffer();
    BOOL FmtLines(BOOL bAddEOL);
    // 0 removes the limit.
    void LimitText(int nChars = 0);
    // -1: the caret's line.
    int LineFromChar(int nIndex = -1) const;
    int LineIndex(int nLine = -1) const;
    // The length of the line that holds the character index nLine (use LineIndex for a line number);
    // -1: the caret's line.
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetPasswordChar(char ch);
    void SetRect(LPCRECT lpRect);
    void SetRectNP(LPCRECT lpRect);
    void SetSel(DWORD dwSelection, BOOL bNoScroll = FALSE);
    // nStartChar 0 with nEndChar -1 selects everything; nStartChar -1 removes the selection.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    void SetTabStops();
    BOOL SetTabStops(const int& cxEachStop);
    BOOL SetTabStops(int nTabStops, LPINT rgTabStops);

    // ---- clipboard and undo ----
    BOOL Undo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
};
