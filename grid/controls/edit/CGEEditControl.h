// CGEEditControl: the grid's text-editing cell control (control id 52512 "Edit Control") and the base of
// every text-entry control. Cells that are not being edited are drawn as static text; for the current
// cell the control owns one real edit window of class "GEEDIT", a child of the grid window, made once,
// moved over the cell and shown while the cell is active. It moves the value into the window and back
// into the grid, decides which keys the window keeps and which go to the grid, validates typed text
// before it reaches the window, and keeps the window's style (single line or wrapped, scroll bar, Enter)
// in step with the cell's style and text.
//
// The definition is split by concern:
//   CGEEditControl.cpp        construction, state, values, storing, clipboard, find and replace
//   CGEEditControlDraw.cpp    drawing the active cell, the window's font, rectangle and style
//   CGEEditControlKeys.cpp    keys, characters, mouse and the window's messages
#pragma once

#include "framework/win/CEdit.h"
#include "framework/win/CFont.h"
#include "grid/controls/CGEStatic.h"

class CGEEditControl : public CEdit, public CGEStatic {
    DECLARE_DYNAMIC(CGEEditControl)
public:
    static const CGEControlClass controlClass; // "CGEEditControl"

    // nID: the edit window's control id (the factory passes the control id).
    CGEEditControl(CGEGridCore* pGrid, UINT nID);
    ~CGEEditControl() override;

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    CWnd* GetWndPtr() const override { return const_cast<CGEEditControl*>(this); }
    // Active only with a window; becoming active composes the cell's style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    // The window's modified flag (FALSE without a window).
    void SetModify(BOOL bModified) override;
    BOOL GetModify() const override;
    // Binds, makes the window when missing and loads the cell's stored value into it, all selected.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Writes the window text back as the cell's value when modified; TRUE when nothing is to be stored.
    BOOL Store() override;
    BOOL OnCancelEditing() override;
    // Floating: a cell with text may float over its neighbours; an empty one may be floated over.
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood) override;
    // The active current cell: the window over the cell; any other cell: static text.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCSTR pszValue) override;
    BOOL GetCurrentText(CString& strResult) override;
    // The display text of a value (the value itself under the plain-value option) into the window.
    void SetCurrentText(const CString& str) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    // Keys the grid sends while the cell is current: End, Home and Delete start editing.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Typed characters start editing (replacing the value) or are inserted when valid.
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    BOOL Copy() override;
    BOOL Paste() override;
    BOOL Cut() override;
    void ReplaceSel(LPCSTR pszText) override;
    BOOL GetSelectedText(CString& strResult) override;
    BOOL FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSetSel) override;
    BOOL ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // EN_CHANGE of the window while active: the cell is modified, floating and auto-size follow.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // The text that would result from pasting in place of the selection must pass ValidateString.
    BOOL ValidatePaste(const CString& str) override;

    // ---- the window part ----
    // The character filter; TRUE when the window's default processing should run.
    virtual BOOL ProcessChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL CreateEditWindow(DWORD dwStyle, const RECT* pRect);
    // The window style the cell's options and text ask for; the format rectangle and line height.
    virtual DWORD CalcEditStyle(CRect* pRect, int* pLineHeight);
    // Re-creates the window when its style must change; TRUE when it did.
    BOOL UpdateEditStyle();
    int GetLastVisibleLine(const CRect* pRect);
    // The character of the cell's text under a point of the grid window; -1 beside the text.
    int CharFromPoint(CPoint point);
    UINT GetWindowId() const { return m_nWindowId; }
    void SetWrapText(BOOL b) { m_bWrapText = b; }
    void SetAllowEnter(BOOL b) { m_bAllowEnter = b; }
    void SetVertScrollBar(BOOL b) { m_bVScroll = b; }
    // DT_RIGHT gives 2, DT_CENTER 1, anything else 0.
    void SetTextAlign(UINT nDTFlags) {
        m_nTextAlign = (nDTFlags & DT_RIGHT) != 0 ? 2 : (nDTFlags & DT_CENTER) != 0 ? 1 : 0;
    }

    // ---- decisions without a window (the arithmetic the window follows) ----
    // What happens to a key pressed in the active window.
    enum class KeyRoute { keep, grid, paste, cut };
    struct KeyState {
        int nSelStart = 0;
        int nSelEnd = 0;
        int nTextLength = 0;
        int nSelStartLine = 0; // line of the selection start
        int nSelEndLine = 0;   // line of the selection end
        int nLineCount = 1;
        BOOL bWantReturn = FALSE;
        BOOL bCtrl = FALSE;
        BOOL bShift = FALSE;
    };
    static KeyRoute RouteKey(UINT nChar, const KeyState& state);
    // The window style of Algorithm "CalcEditStyle" from measured sizes: wrapping with a scroll bar, a
    // wrapped window high enough for two lines, or a single line that drops its alignment when the text
    // does not fit.
    struct StyleInput {
        BOOL bWrap = FALSE;
        BOOL bVScroll = FALSE;
        BOOL bAllowEnter = FALSE;
        int nAlign = 0; // 0 left, 1 centre, 2 right
        int cxClient = 0;
        int cyClient = 0;
        int cxText = 0;
        int cyLine = 0;
        int cxWidest = 0;
    };
    static DWORD ComposeEditStyle(const StyleInput& input);
    // Collects a double-byte character from its lead and trail byte: a lead byte is held back (empty
    // answer) until the next byte completes it; any other byte answers itself. Under a Korean thread
    // locale lead bytes are not held back.
    static CString CombineLeadByte(GELeadByteState& lead, UINT nChar, BOOL bKorean);

    // Set while an IME composition is in progress (one flag for all edit controls).
    static BOOL s_bImeComposition;

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg LRESULT OnImeStartComposition(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnImeEndComposition(WPARAM wParam, LPARAM lParam);
    // WM_COMMAND of the window that the grid window passes on to its child.
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

    BOOL HasWindow() const { return GetSafeHwnd() != nullptr; }
    // The window text, and the candidate text with pszInsert put in place of the selection.
    CString WindowText() const;
    CString TextWithInsert(LPCSTR pszInsert) const;
    // Offers a key to the grid's key processing with the window as the sender.
    BOOL OfferKeyToGrid(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);
    // Moves the focus between the grid window and the edit window under the grid's focus lock.
    void MoveFocusLocked(CWnd* pWnd);
    // Queues the cell's floating for evaluation and evaluates it.
    BOOL ReevaluateFloating();
    // The window font at the grid's zoom for a style (orientation 0).
    void BuildWindowFont(const CGEStyle& style);
    // Empties the clipboard, as the copy and cut keys do before copying.
    void EmptyClipboard();

    BOOL m_bAutoSize = FALSE;
    BOOL m_bVScroll = FALSE;
    UINT m_nWindowId;
    BOOL m_bActive = FALSE;
    CFont m_font;
    DWORD m_dwEditStyle = 0;
    UINT m_nTextAlign = 0;
    BOOL m_bRecreating = FALSE;
    int m_nLineHeight = 0;
    int m_nMaxCharWidth = 0;
    COLORREF m_clrBackground = RGB(255, 255, 255);
    BOOL m_bAllowEnter = FALSE;
    BOOL m_bWrapText = FALSE;
    CString m_strPending; // accepted typed text still to be inserted
    BOOL m_bInserting = FALSE;
    UINT m_nMaxLength = 0;
    BOOL m_bFloatingChanged = FALSE;
};
