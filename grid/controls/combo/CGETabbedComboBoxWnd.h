// CGETabbedComboBoxWnd: the multi-column combo cell with a real combo box window (control ids 52539
// "Tabbed MFC ComboBox" and 52540 "Tabbed MFC DropDownList"). Its choice list is a table: each line a row,
// TAB characters between the columns. The key column is the cell's value, the text column what the cell
// and the edit field show and what is typed (completed from the rows); the owner-drawn drop-down shows
// all columns (or only the text) side by side, under a title header when the first line holds the titles,
// with widths measured from the rows or given by the style.
//
// The definition is split by concern:
//   CGETabbedComboBoxWnd.cpp       settings, values through the table, validation, storing, keys
//   CGETabbedComboBoxWndList.cpp   filling the list, drawing, placing the list and its header
#pragma once

#include "grid/controls/combo/CGEComboBoxWnd.h"

#include <vector>

class CGETabbedCBEditWnd;
class CGETabbedLBoxHeader;

class CGETabbedComboBoxWnd : public CGEComboBoxWnd {
    DECLARE_DYNAMIC(CGETabbedComboBoxWnd)
public:
    static const CGEControlClass controlClass; // "CGETabbedComboBoxWnd"
    // At most this many columns are measured and laid out.
    static constexpr int maxColumns = 10;

    explicit CGETabbedComboBoxWnd(CGEGridCore* pGrid);
    ~CGETabbedComboBoxWnd() override;

    // The window is owner-drawn with variable heights and strings; the edit field shows the first column.
    BOOL CreateControlWindow(DWORD dwStyle, UINT nID) override;

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    // Binds, reads the table's settings from the style and fills the list.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // A modified text that begins no row cannot leave the cell.
    BOOL OnValidate() override;
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // A drop-down list: the first field of the selected item; otherwise the window text.
    BOOL GetValue(CString& strResult) override;
    // The key of the first row whose list item begins with the window text; FALSE when none does.
    BOOL GetCurrentText(CString& strResult) override;
    // Selects the row whose key is the value (none when no row has it).
    void SetCurrentText(const CString& str) override;
    // The text column of the row whose key is the value; FALSE when none.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    // A row's text becomes its key; FALSE (unchanged) when no row has that text.
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    // A new list, value, control or table setting for the current cell binds it afresh.
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                    UINT nFlags) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    void OnChildButtonClicked(CGEChild* pChild) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Widens and places the drop-down list and its header when the list asks for its colours.
    HBRUSH OnGridCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) override;
    // Valid: empty, or the beginning of some row's text (ignoring case).
    BOOL ValidateString(const CString& str) override;

    // ---- the window part ----
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return -1; }
    BOOL OnComboKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // The window is enabled unless read-only; a read-only edit field stays selectable.
    void EnableEditing(BOOL bReadOnly);

    // ---- what the list shows ----
    int GetKeyColumn() const { return m_nKeyCol; }
    int GetTextColumn() const { return m_nTextCol; }
    int GetColumnCount() const { return m_nColCount; }
    const std::vector<int>& GetColumnEdges() const { return m_anColEdges; }
    int GetTotalListWidth() const { return m_nTotalListWidth; }
    CGETabbedLBoxHeader* GetHeader() const { return m_pHeader; }
    const CRect& GetLastListRect() const { return m_rectLastList; }

    COLORREF m_clrColumnLine = RGB(192, 192, 192);

protected:
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // Reads the table's settings from a style's user attributes.
    void ReadSettings(const CGEStyle& style);
    // The choice list, sorted by the sort column when one is set (the title line kept first).
    CString SortedChoices(const CGEStyle& style) const;
    // Fills the list, the header's title and the column layout from the bound cell's style.
    void FillTabbedList();
    // The list item's field that holds column nColumn of its row (the item starts with the text column
    // when the text column is not the first).
    int ItemField(int nColumn) const { return m_nTextCol > 0 ? nColumn + 1 : nColumn; }
    DWORD ExtraWindowStyle() const override;
    void SubclassEditField(HWND hEdit) override;
    int ListHeight(int nTextHeight, int nShownItems) const override;
    void AdjustActiveRect(CRect& rect) override;
    void OnWindowPlaced() override;
    // Puts the header above or below the placed list and moves the list to make room.
    void PlaceHeader(CRect& rectList, const CRect& rectCombo);
    BOOL IsCellReadOnly();

    int m_nKeyCol = 0;
    int m_nTextCol = 0;
    BOOL m_bShowAllCols = TRUE;
    BOOL m_bDisplayTitles = TRUE;
    int m_nSortCol = -1;
    CString m_strColWidths;
    COLORREF m_clrListBack = RGB(255, 255, 255);
    COLORREF m_clrListText = RGB(0, 0, 0);
    CRect m_rectLastList;
    int m_nTotalListWidth = 0;
    CGETabbedCBEditWnd* m_pEditWnd = nullptr; // owned
    int m_nColCount = 0;
    std::vector<int> m_anColEdges;
    CGETabbedLBoxHeader* m_pHeader; // owned
    BOOL m_bSkipNextDraw = FALSE;
    CString m_strPendingItem; // the line being added while the list fills, for MeasureItem
};
