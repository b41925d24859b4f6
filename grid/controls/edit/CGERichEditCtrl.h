// CGERichEditCtrl: cells that hold formatted text (id 52534 "Rich Edit"). The value is Rich Text Format;
// the current cell is edited in a rich edit window laid over it, every other cell is formatted straight
// into the grid's device context by an off-screen rich edit window. Font, alignment and text colour
// that the grid applies to such a cell go into the RTF instead of the cell's style.
//
// A value that is not RTF is plain text: it becomes a minimal RTF document with \, {, } and the
// characters above 127 escaped, so that no text is read as RTF codes.
//
// The definition is split by concern:
//   CGERichEditCtrl.cpp       windows, streaming, values, storing and formats
//   CGERichEditCtrlDraw.cpp   drawing the active and the inactive cells, keys and mouse
#pragma once

#include "framework/win/CRichEditCtrl.h"
#include "grid/core/CGEControl.h"

class CGERichEditCtrl : public CRichEditCtrl, public CGEControl {
    DECLARE_DYNAMIC(CGERichEditCtrl)
public:
    static const CGEControlClass controlClass; // "CGERichEditCtrl"

    explicit CGERichEditCtrl(CGEGridCore* pGrid);
    ~CGERichEditCtrl() override;

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    CWnd* GetWndPtr() const override { return const_cast<CGERichEditCtrl*>(this); }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override;
    BOOL GetModify() const override;
    // Binds, makes the windows when missing and streams the cell's value in, all selected.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The window's RTF into the cell when modified.
    BOOL Store() override;
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // A plain text (or RTF) as the new text of the window, activating when needed.
    void SetValue(LPCSTR pszValue) override;
    // Active: the window's RTF; else the cell's value.
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    // The plain text of a value (pszValue null: the style's).
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    // A text entered for the cell, as RTF (cut as plain text, never as RTF); read-only cells refuse it.
    BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                        const CGEStyle* pOldStyle) override;
    // A text entered for the cell: cut to the maximum length, then RTF.
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    // Alignment, font and text colour go into the RTF of the value; the rest of the style to the cell.
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                    UINT nFlags) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    // End and Home start editing at the end or start; Delete empties the cell's text.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Cut() override;
    BOOL Paste() override;
    BOOL CanCopy() override { return m_bBound; }
    BOOL CanPaste() override;
    // EN_CHANGE of the window while active: the cell is modified.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // ---- the window part ----
    // The paragraph and character formats a style's alignment, font and text colour ask for.
    virtual void StyleToFormats(PARAFORMAT& pf, CHARFORMAT& cf, const CGEStyle* pStyle);

    // ---- text without a window ----
    // TRUE when a value is RTF (starts with "{\rtf").
    static BOOL IsRtf(const CString& str);
    // A plain text as a minimal RTF document.
    static CString PlainTextToRtf(const CString& strText);

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

    BOOL HasWindow() const { return GetSafeHwnd() != nullptr; }
    BOOL CreateWindows();
    // A value (RTF or plain text) into a window; its RTF out of one.
    static void StreamValueIn(CRichEditCtrl& wnd, const CString& strValue);
    static CString StreamRtfOut(CRichEditCtrl& wnd);
    // A value into an auxiliary window unless it holds it already.
    static void LoadCached(CRichEditCtrl& wnd, CString& strCache, const CString& strValue);
    static CString WindowPlainText(const CRichEditCtrl& wnd);
    // The style's formats as the window's defaults.
    void ApplyDefaultFormats(CRichEditCtrl& wnd, const CGEStyle& style);
    // Activates (the grid must agree); FALSE when the cell stays inactive.
    BOOL Activate();
    void MoveFocusLocked(CWnd* pWnd);
    void DrawActive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                    const CGEStyle* pStandardStyle);
    void DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
    void OfferKeyToGrid(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);

    CRichEditCtrl m_wndDraw;
    CString m_strDrawCache;
    CRichEditCtrl m_wndText;
    CString m_strTextCache;
    CRichEditCtrl m_wndSize;
    CString m_strSizeCache;
    CRichEditCtrl m_wndFormat;
    CString m_strFormatCache;
    DWORD m_dwEventMask = ENM_CHANGE | ENM_UPDATE | ENM_REQUESTRESIZE | ENM_SELCHANGE | ENM_PROTECTED;
    DWORD m_dwOptions =
        ECO_AUTOWORDSELECTION | ECO_AUTOVSCROLL | ECO_AUTOHSCROLL | ECO_NOHIDESEL | ECO_SAVESEL;
    BOOL m_bActive = FALSE;
};
