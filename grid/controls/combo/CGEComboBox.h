// CGEComboBox: the edit cell control with a drop-down button and a pop-up list of the choices of the cell
// style's choice list (one item per line). The cell's value is the chosen text, or the item's zero-based
// or one-based index, by the combo flags each control id is registered with. The list lives in a pop-up
// window made when it drops down and destroyed when it closes.
//
// The definition is split by concern:
//   CGEComboBox.cpp           the cell-control part: values, choice-list rules, drawing, the button
//   CGEComboBoxDropDown.cpp   the drop-down list: opening, filling, choosing, closing, its messages
#pragma once

#include "framework/win/CFont.h"
#include "grid/controls/edit/CGEEditControl.h"

class CListBox;
class CGEComboBoxButton;
class CGEGridCombo;

class CGEComboBox : public CGEEditControl {
    DECLARE_DYNAMIC(CGEComboBox)
public:
    static const CGEControlClass controlClass; // "CGEComboBox"

    // Combo flags.
    static constexpr DWORD flagTextFit = 0x01;       // typed text must match a choice
    static constexpr DWORD flagNoTextFit = 0x02;     // any text
    static constexpr DWORD flagZeroBased = 0x04;     // the value is the zero-based index
    static constexpr DWORD flagOneBased = 0x08;      // the value is the one-based index
    static constexpr DWORD flagDisplayChoice = 0x10; // the cell shows the choice of an index value
    // Width the button takes from the text rectangle.
    static constexpr int buttonWidth = 15;

    CGEComboBox(CGEGridCore* pGrid, UINT nID, UINT nListID, DWORD dwFlags);
    ~CGEComboBox() override;

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    // Ending the edit closes an open list.
    void SetActive(BOOL bActive) override;
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    void Reset() override;
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // The window text mapped to the choice (text-fit) or its index (display-choice).
    BOOL GetCurrentText(CString& strResult) override;
    // Display-choice: the choice an index value stands for.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    // A click into the grid while the list is shown closes the list and is eaten.
    BOOL OnGridMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message, LRESULT* pResult) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // Alt+Down opens the list.
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void ReplaceSel(LPCSTR pszText) override;
    // The button toggles the list.
    void OnChildButtonClicked(CGEChild* pChild) override;
    void OnGridScroll(const MSG* pMsg) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    // Text-fit and display-choice accept only texts found in the choice list (and the empty text).
    BOOL ValidateString(const CString& str) override;

    // ---- the drop-down list (window part) ----
    virtual CGEGridCombo* MakePopupWindow(CWnd* pGridWnd, const CRect& rect);
    virtual CListBox* MakeListWindow(CWnd* pPopup, UINT nID);
    virtual void ShowDropList(BOOL bShow);
    virtual BOOL IsListShown() const { return m_pPopup != nullptr; }
    // The list's selection into the cell.
    virtual void TakeListChoice(CListBox* pList);
    virtual void FillListWindow(CListBox* pList);
    virtual void ComputeListRect(CRect& rectResult, const CRect& rectText);
    virtual void DiscardPopupWindow(CWnd* pPopup);
    // The height the list needs for its items (the list rectangle is cut to it).
    virtual int FitListHeight(CListBox* pList);
    // Room for a title header next to the list (screen coordinates); none in the base.
    virtual void PlaceListHeader(CRect&, const CRect&, const CRect&) {}
    virtual BOOL ScrollsSelectionToTop() const { return TRUE; }

    // ---- options ----
    BOOL IsButtonInEveryCell() const { return m_bButtonInEveryCell; }
    void SetButtonInEveryCell(BOOL b) { m_bButtonInEveryCell = b; }
    void SetButtonSpaceInCurrentCellOnly(BOOL b) { m_bButtonSpaceCurrentOnly = b; }
    void SetStaticWhenActive(BOOL b) { m_bStaticWhenActive = b; }
    void SetFillWithChoiceList(BOOL b) { m_bFillWithChoiceList = b; }
    DWORD GetComboFlags() const { return m_dwComboFlags; }
    CGEComboBoxButton* GetButton() const { return m_pButton; }
    // The open pop-up (null while the list is closed) and its list.
    CGEGridCombo* GetPopup() const { return m_pPopup; }
    CListBox* GetListWindow() const;

    // ---- the choice-list rules without a window ----
    // The value a text stands for: text-fit the choice it starts (or the text), display-choice the index
    // ("%d", plus 1 when one-based) or empty when it names no choice.
    CString MapTextToValue(const CString& strText, const CString& strChoices);
    // The index a display-choice value names (16-bit, one-based less one, -1 stays -1); FALSE for an
    // empty value.
    BOOL IndexOfValue(LPCSTR pszValue, int& nIndex) const;

protected:
    // The list's messages.
    afx_msg LRESULT OnListChosen(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListCancel(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnListFocusLost(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

    // Activates the cell, brings it into view and drops the list (Alt+Down).
    void OpenFromKeyboard();
    // The style the list is filled from.
    const CGEStyle& ListStyle();
    // The list font: the cell style's font at the grid's zoom.
    void BuildListFont(const CGEStyle& style);
    // The pop-up's colours from the cell style (black on white when the grid asks for it).
    void ColorPopup(CGEGridCombo* pPopup, const CGEStyle& style);

public:
    // Places a list rectangle (screen coordinates) on the desktop: moved back left or above the cell
    // when it passes the desktop's right or bottom edge, then clipped to it.
    static CRect FitToDesktop(CRect rect, const CRect& rectText, const CRect& rectDesktop);

protected:
    // The cell's text rectangle with the button's width (screen coordinates).
    CRect TextRectOnScreen(const CGEStyle& style);

    BOOL m_bFillWithChoiceList = TRUE;
    BOOL m_bButtonSpaceCurrentOnly = FALSE;
    BOOL m_bButtonInEveryCell = FALSE;
    DWORD m_dwComboFlags;
    DWORD m_dwListStyle = 0;
    BOOL m_bStaticWhenActive = FALSE;
    BOOL m_bFontHeightButton = TRUE;
    CGEComboBoxButton* m_pButton; // owned through the child list
    UINT m_nListID;
    CGEGridCombo* m_pPopup = nullptr;
    CFont m_listFont;
    int m_nFontHeight = 0;
    int m_nButtonMargin = 1;
};
