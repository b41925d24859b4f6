// CRichEditCtrl: the rich edit control (window class "RichEdit20A"), with formatted text, RTF and
// plain-text streaming through EDITSTREAM callbacks, and character and paragraph formats.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"

#include <richedit.h>

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl() = default;

    // Loads the rich edit library first.
    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    // dwExStyle: the window's WS_EX_ styles.
    virtual BOOL CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    // ---- state ----
    BOOL CanUndo() const;
    BOOL CanRedo() const;
    UNDONAMEID GetUndoName() const;
    UNDONAMEID GetRedoName() const;
    int GetLineCount() const;
    BOOL GetModify() const;
    void SetModify(BOOL bModified = TRUE);
    void GetRect(LPRECT lpRect) const;
    void SetRect(LPCRECT lpRect);
    CPoint GetCharPos(long lChar) const;
    UINT GetOptions() const;
    // wOp: ECOOP_SET, ECOOP_OR, ECOOP_AND or ECOOP_XOR with the ECO_ options of dwFlags.
    void SetOptions(WORD wOp, DWORD dwFlags);
    // ENM_ notifications the parent receives (ENM_CHANGE, ENM_SELCHANGE ...); returns the previous mask.
    DWORD GetEventMask() const;
    DWORD SetEventMask(DWORD dwEventMask);
    long GetLimitText() const;
    // 0: the control's default limit.
    void LimitText(long nChars = 0);
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    // bSysColor TRUE: the system's window colour; returns the previous colour.
    COLORREF SetBackgroundColor(BOOL bSysColor, COLORREF cr);
    BOOL SetAutoURLDetect(BOOL bEnable = TRUE);
    UINT GetTextMode() const;
    BOOL SetTextMode(UINT fMode);
    UINT SetUndoLimit(UINT nLimit);
    void StopGroupTyping();

    // ---- text ----
    long GetTextLength() const;
    // dwFlags GTL_; nCodePage -1: the ANSI code page.
    long GetTextLengthEx(DWORD dwFlags, UINT nCodePage = static_cast<UINT>(-1)) const;
    int GetTextRange(int nFirst, int nLast, CString& refString) const;
    int GetLine(int nIndex, LPSTR lpszBuffer) const;
    int GetLine(int nIndex, LPSTR lpszBuffer, int nMaxLength) const;
    int GetFirstVisibleLine() const;
    long LineFromChar(long nIndex) const;
    int LineIndex(int nLine = -1) const;
    // The length of the line holding character index nLine; -1: the caret's line.
    int LineLength(int nLine = -1) const;
    void LineScroll(int nLines, int nChars = 0);
    CPoint PosFromChar(UINT nChar) const;
    int CharFromPos(CPoint pt) const;
    long FindText(DWORD dwFlags, FINDTEXTEX* pFindText) const;
    DWORD FindWordBreak(UINT nCode, DWORD nStart) const;

    // ---- selection ----
    void GetSel(CHARRANGE& cr) const;
    void GetSel(long& nStartChar, long& nEndChar) const;
    // 0, -1 selects everything; -1, .. removes the selection.
    void SetSel(long nStartChar, long nEndChar);
    void SetSel(CHARRANGE& cr);
    CString GetSelText() const;
    long GetSelText(LPSTR lpBuf) const;
    WORD GetSelectionType() const;
    void ReplaceSel(LPCSTR lpszNewText, BOOL bCanUndo = FALSE);
    void HideSelection(BOOL bHide, BOOL bPerm);

    // ---- formats (cbSize is set here) ----
    DWORD GetDefaultCharFormat(CHARFORMAT& cf) const;
    DWORD GetDefaultCharFormat(CHARFORMAT2& cf) const;
    BOOL SetDefaultCharFormat(CHARFORMAT& cf);
    BOOL SetDefaultCharFormat(CHARFORMAT2& cf);
    // The format of the selection; dwMask tells which members are the same all through it.
    DWORD GetSelectionCharFormat(CHARFORMAT& cf) const;
    DWORD GetSelectionCharFormat(CHARFORMAT2& cf) const;
    BOOL SetSelectionCharFormat(CHARFORMAT& cf);
    BOOL SetSelectionCharFormat(CHARFORMAT2& cf);
    BOOL SetWordCharFormat(CHARFORMAT& cf);
    BOOL SetWordCharFormat(CHARFORMAT2& cf);
    DWORD GetParaFormat(PARAFORMAT& pf) const;
    DWORD GetParaFormat(PARAFORMAT2& pf) const;
    BOOL SetParaFormat(PARAFORMAT& pf);
    BOOL SetParaFormat(PARAFORMAT2& pf);

    // ---- streaming ----
    // nFormat: SF_TEXT or SF_RTF, with SFF_SELECTION to replace (or write) only the selection.
    // es.pfnCallback is called with the caller's dwCookie until it reports no more data or an error.
    // Returns the number of characters read (written).
    long StreamIn(int nFormat, EDITSTREAM& es);
    long StreamOut(int nFormat, EDITSTREAM& es);

    // ---- printing ----
    BOOL SetTargetDevice(HDC hDC, long lLineWidth);
    BOOL SetTargetDevice(CDC& dc, long lLineWidth);
    long FormatRange(FORMATRANGE* pfr, BOOL bDisplay = TRUE);
    BOOL DisplayBand(LPRECT pDisplayRect);
    void RequestResize();

    // ---- editing ----
    void EmptyUndoBuffer();
    BOOL Undo();
    BOOL Redo();
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    void PasteSpecial(UINT nClipFormat, DWORD dvAspect = 0, HMETAFILE hMF = nullptr);
};
