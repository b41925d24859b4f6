// CGEListBox: shows the lines of a cell's choice list inside the cell, the line equal to the value
// inverted and scrolled into sight (id 52522 "Listbox"). The active current cell gets a real list box
// window ("GELISTBOX") over it; the line chosen there becomes the cell's value when the grid stores the
// cell. Keys the list box has no use for (Tab, Enter, Escape, F-keys, and any key with Ctrl) go to the
// grid.
#pragma once

#include "framework/win/CFont.h"
#include "framework/win/CListBox.h"
#include "grid/core/CGEControl.h"

#include <vector>

class CGEListBox : public CListBox, public CGEControl {
    DECLARE_DYNAMIC(CGEListBox)
public:
    static const CGEControlClass controlClass; // "CGEListBox"

    // nID: the list window's control id (the factory passes the control id).
    CGEListBox(CGEGridCore* pGrid, UINT nID);
    ~CGEListBox() override;

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    CWnd* GetWndPtr() const override { return const_cast<CGEListBox*>(this); }
    // Active only with a window; becoming active composes the cell's style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() const override { return m_bModified; }
    // Binds, makes the window when missing; not active, not modified.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The chosen line into the cell when a choice was made; a read-only cell keeps its value.
    BOOL Store() override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    // The widest line + 4 by all lines' height + 4.
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    // The active current cell: the window over it; any other cell: its lines, the value's inverted.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // Active: the selected line (empty without one).
    BOOL GetValue(CString& strResult) override;
    // Selects the line equal to the text (activating when needed); a text that is no line is refused.
    void SetValue(LPCSTR pszValue) override;
    void Hide() override;
    // A click activates (by the grid's click options) and selects the line under it.
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    // A key the list uses activates the cell and goes to the list.
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // LBN_SELCHANGE of the window: a choice was made (not in read-only cells). Answers FALSE.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // ---- the window part ----
    // The choice list's lines into the window, the line equal to the value selected.
    virtual void FillListWindow();
    virtual BOOL CreateListWindow();

    // ---- arithmetic without a window ----
    // The lines of a choice list (empty lines included).
    static std::vector<CString> LinesOf(const CGEStyle& style);
    // How many lines the drawing of an inactive cell skips so that the line equal to the value (exact)
    // is the last one shown; 0 when it shows anyway or no line equals the value.
    static int SkippedLines(const std::vector<CString>& lines, const CString& strValue, int nCellHeight,
                            int nLineHeight);
    // TRUE for the keys of the list box itself (moving the selection).
    static BOOL IsListKey(UINT nChar);

protected:
    afx_msg UINT OnGetDlgCode();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

    BOOL HasWindow() const { return GetSafeHwnd() != nullptr; }
    // The grid's key processing first; the list's own when the grid does not take the key.
    void OfferKeyToGrid(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);
    // Activates (the grid must agree) and shows the window; FALSE when the cell stays inactive.
    BOOL Activate();
    // Sends a click to the list window at a point of the grid window.
    void ClickListAt(CPoint point);
    // The value's text of the bound cell.
    CString BoundValue();
    // The active cell's window over the cell.
    void DrawActive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                    const CGEStyle* pStandardStyle);

    UINT m_nWindowId;
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    CFont m_font;
    COLORREF m_clrHighlightText;
    COLORREF m_clrInterior = RGB(255, 255, 255);
};
