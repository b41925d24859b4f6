// CGETabbedComboBox: a combo cell whose choice list is a table: each line a row, TAB characters between
// its columns. The key column holds what the cell stores, the text column what it shows and what the user
// types (completed from the rows as it is typed). The drop-down shows one column or all of them, owner-drawn
// with separators, can have a title header and be sorted by a column. Grids sharing a choice list can share
// its lookup maps under a unique id (CGETabComboCache). The pop-up, list and header are made once and
// only hidden between drop-downs.
//
// The definition is split by concern:
//   CGETabbedComboBox.cpp          values through the table: lookups, validation, completion, storing
//   CGETabbedComboBoxList.cpp      the drop-down: filling, column widths, showing, the rows' drawing
#pragma once

#include "grid/controls/combo/CGEComboBox.h"

#include <vector>

class CGETabbedComboLBox;
class CGETabbedLBoxHeader;
class CMapStringToString;

class CGETabbedComboBox : public CGEComboBox {
    DECLARE_DYNAMIC(CGETabbedComboBox)
public:
    static const CGEControlClass controlClass; // "CGETabbedComboBox"
    // At most this many columns are measured and given widths.
    static constexpr int maxColumns = 10;

    CGETabbedComboBox(CGEGridCore* pGrid, UINT nID, UINT nListID);
    ~CGETabbedComboBox() override;

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    // Binds and reads the table's settings from the style's user attributes.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // A typed text that names no row cannot be stored.
    BOOL OnValidate() override;
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // The key of the row whose text column is the window text; FALSE when no row has it.
    BOOL GetCurrentText(CString& strResult) override;
    // The text column of the row whose key is the value into the window (empty when none).
    void SetCurrentText(const CString& str) override;
    // The text column of the row whose key is the value; FALSE (empty) when none.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    // A text column's text becomes its row's key; FALSE (unchanged) when no row has it.
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    // A new choice list or table setting clears the shared maps; the current cell binds again.
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                    UINT nFlags) override;
    // Valid: empty, or the start of some row's text column (ignoring case).
    BOOL ValidateString(const CString& str) override;
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- the drop-down ----
    CGEGridCombo* MakePopupWindow(CWnd* pGridWnd, const CRect& rect) override;
    CListBox* MakeListWindow(CWnd* pPopup, UINT nID) override;
    void ShowDropList(BOOL bShow) override;
    // The chosen row's text column into the window.
    void TakeListChoice(CListBox* pList) override;
    void FillListWindow(CListBox* pList) override;
    void ComputeListRect(CRect& rectResult, const CRect& rectText) override;
    // Hides the pop-up and the header; nothing is destroyed.
    void DiscardPopupWindow(CWnd* pPopup) override;
    int FitListHeight(CListBox* pList) override;
    void PlaceListHeader(CRect& rectList, const CRect& rectText, const CRect& rectDesktop) override;
    BOOL ScrollsSelectionToTop() const override { return FALSE; }
    // Completes the window text from the first row whose text column starts with it.
    virtual void CompleteTypedText();

    // ---- rows of a tab list (shared with the window-based tabbed combo) ----
    // widths[i] = max(widths[i], extent of column i in the DC's font or its picture's width).
    static void MeasureColumnWidths(CDC* pDC, LPCSTR pszRow, int nMaxColumns, int* anWidths);
    static void DrawTabbedRow(CDC* pDC, const CRect& rect, LPCSTR pszItem, BOOL bFirstColumnOnly,
                              int nTextCol, int nCount, const int* anBoundaries, COLORREF clrSeparator,
                              COLORREF clrBack, COLORREF clrText);
    static void MeasureTabbedRow(LPCSTR pszItem, int& nHeight, BOOL bFirstColumnOnly, int nTextCol,
                                 int nCount);
    // Column widths from a width text ("40,,60": 40 and 60; digits are read, anything else separates)
    // and the measured ones: a measured column without a given width gets its width plus 4, or 0 when
    // only the text column shows and it is another column.
    static std::vector<int> ColumnWidths(const int* anMeasured, const CString& strWidths, BOOL bShowAll,
                                         int nTextCol);
    // The list item of a row: the row itself for text column 0, else the text column, a TAB and the row.
    static CString ListItemOf(const CString& strRow, int nTextCol);
    // The row whose column nColumn equals the text exactly (the title skipped when bTitles); FALSE when none.
    static BOOL FindRow(const CString& strChoices, int nColumn, LPCSTR pszText, BOOL bTitles, CString& strRow,
                        int* pnIndex = nullptr);

    int GetKeyColumn() const { return m_nKeyCol; }
    int GetTextColumn() const { return m_nTextCol; }
    int GetColumnCount() const { return m_nColCount; }
    const std::vector<int>& GetColumnBoundaries() const { return m_anColBoundaries; }
    int GetTotalListWidth() const { return m_nTotalListWidth; }
    CGETabbedLBoxHeader* GetHeader() const { return m_pHeader; }
    CGEGridCombo* GetKeptPopup() const { return m_pKeptPopup; }
    COLORREF GetListInteriorColor() const { return m_clrListInterior; }
    COLORREF GetListTextColor() const { return m_clrListText; }
    COLORREF GetSeparatorColor() const { return m_clrSeparator; }
    int GetRowHeight() const { return m_nRowHeight; }
    BOOL IsShowAllColumns() const { return m_bShowAllCols; }
    void SetAutoComplete(BOOL b) { m_bAutoComplete = b; }

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

    // The row of the style's table whose key (text) column is the text, through the shared maps when the
    // style has a unique id.
    BOOL RowByKey(const CGEStyle& style, LPCSTR pszKey, CString& strRow);
    BOOL RowByText(const CGEStyle& style, LPCSTR pszText, CString& strRow);
    // The first row whose text column starts with the text (ignoring case); FALSE when none.
    BOOL RowByPrefix(const CGEStyle& style, LPCSTR pszText, CString& strRow);

    int m_nKeyCol = 0;
    int m_nTextCol = 0;
    BOOL m_bShowAllCols = TRUE;
    BOOL m_bDisplayTitles = TRUE;
    int m_nSortCol = -1;
    CString m_strColWidths;
    COLORREF m_clrSeparator = RGB(192, 192, 192);
    COLORREF m_clrListInterior = RGB(255, 255, 255);
    COLORREF m_clrListText = RGB(0, 0, 0);
    BOOL m_bAutoComplete = TRUE;
    int m_nRowHeight = 10;
    int m_nFilledListId = 0;
    long m_nFilledGeneration = -1;
    int m_nTotalListWidth = 0;
    int m_nColCount = 0;
    std::vector<int> m_anColBoundaries;
    CGETabbedLBoxHeader* m_pHeader; // owned
    BOOL m_bListFilled = FALSE;
    CGETabbedComboLBox* m_pKeptList = nullptr; // owned by the kept pop-up
    CGEGridCombo* m_pKeptPopup = nullptr;      // owned
};
