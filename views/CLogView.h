// CLogView: the time log, the main view of the document template. A record-browser grid view over the
// time-log document: one row per entry of the document's log list (the list's order is the record
// order; sorting only changes which row shows which record) and one column per shown log column. The
// view keeps no time data: every cell is read from the entry its row shows when it is drawn, and edits go
// back through the document.
//
// Columns are laid out from the registry ("Columns\Index", "Columns\Width", "Columns\Visible", one value
// per column named by its title) and share the window width out by stored proportions, so they always
// fill the window. Rows are shaded alternately ("GrayBar"), coloured by the state of their entries,
// hidden when the document's view filter rejects them, and sorted by one column ("Sort\").
//
// The document drives the refreshes itself (sort, filter, gray bar, entry styles, redraw); the view
// ignores the document's CLogHint.
//
// The class is split by concern: CLogView.cpp (construction, initial update, drawing, column layout and
// widths), CLogViewRows.cpp (cell styles, shading, filter, sort, row look-ups, selection and Find Next)
// and CLogViewEdit.cpp (editing, deleting, clicks and the view's commands).
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CObArray.h"
#include "framework/core/CTime.h"
#include "grid/core/CGEBrowserView.h"
#include "timelog/CFindRequest.h"
#include "timelog/CLogEntry.h"
#include "timelog/ILogView.h"

#include <vector>

class CCmdUI;
class CGridColumn;
class CLogDoc;
class CViewFilter;

class CLogView : public CGEBrowserView, public ILogView {
    DECLARE_DYNCREATE(CLogView)
public:
    // Column ids of the log columns: the field ids CLogEntry::GetColumnText formats (Actual Work is
    // colElapsed).
    using enum CLogEntry::Column;
    // Colours of the rows.
    static constexpr COLORREF kGrayBarTint = RGB(244, 244, 255);
    static constexpr COLORREF kWhite = RGB(255, 255, 255);
    static constexpr COLORREF kReadOnlyInterior = RGB(204, 204, 204);
    static constexpr COLORREF kGreyText = RGB(128, 128, 128);
    static constexpr COLORREF kWaitingText = RGB(255, 0, 0);

    CLogView();
    ~CLogView() override;

    CLogDoc* GetLogDocument() const;

    // ================================================================ columns (CLogView.cpp)
    // Builds the column list from the registry (every column the view offers, in the stored order),
    // the shares, the column count and the header titles.
    void SetupColumns();
    // Shares of the shown columns add up to the whole: Description takes what is left, else all grow
    // or shrink in proportion.
    void FitColumnShares();
    // Writes each column's position, width and visible flag under its title.
    void SaveColumns();
    // Reads "Ascending" and "Column" under "Sort\": a title of a column makes it the sort column.
    void LoadSortSettings();
    // Writes the grid's last sort: "Ascending" and the sorted column's title as "Column".
    void SaveSortSettings();
    int GetColumnCount() const { return static_cast<int>(m_Columns.GetSize()); }
    // The descriptor at a list index; nullptr out of range.
    CGridColumn* GetColumnAt(int index) const;
    // The list index of the column with that id; -1 when none.
    int FindColumnIndex(int columnId) const;
    // The column of that title, ignoring case; nullptr when none.
    CGridColumn* FindColumnByTitle(const char* title) const;
    // The list index a grid column shows (through the browser's column map); -1 when none.
    int GetColumnIndexOfGridCol(ROWCOL nCol);
    // The grid column that shows a list index; 0 when none.
    ROWCOL GetGridColOfColumn(int index);
    // Hidden: its descriptor is not visible, or there is no such column.
    BOOL IsColumnHidden(int columnId) const;
    // The title of the column with that id; empty when none.
    CString GetColumnTitle(int columnId) const;
    // The title a log column with that id has (whether the view shows it or not); empty for no column.
    static CString GetDefaultColumnTitle(int columnId);
    // The share (1/10000 of the data width) of the column at a list index.
    DWORD GetColumnShare(int index) const;
    // The ids of the shown columns in the order the grid shows them.
    void GetShownColumnIds(CDWordArray& ids);
    // Makes the list the given descriptors (the view's own, in their new order) with the given visible
    // flags, as the Show Columns dialog leaves them.
    void SetColumnOrder(const std::vector<CGridColumn*>& order, const std::vector<BOOL>& visible);

    // ================================================================ rows (CLogViewRows.cpp)
    // Sorts the rows by the stored sort column and direction (nothing without one, or when that column
    // is not shown, or while a row is being edited); clears the selection.
    void ApplySort() override;
    // Sorts the rows by the column at a list index; the grid remembers it as its last sort.
    void SortByColumn(int index, BOOL bAscending);
    // Hides the rows whose entries the filter rejects and shows the others.
    void ApplyFilter(const CViewFilter& filter) override;
    // Re-reads "GrayBar" under "Prefs\" and shades every other shown row (the first one tinted).
    void ApplyGrayBar() override;
    // Redraws every row with the styles of its entry's state.
    void RefreshAllRows() override;
    // Redraws one row with its entry's styles.
    void StyleEntryRow(ROWCOL nRow);
    // Redraws the row that shows the entry (after it stopped); nothing when no row shows it.
    void RefreshEntryRow(CLogEntry* pEntry) override;
    // Whether the gray bar tints the row (as the last ApplyGrayBar left it).
    BOOL IsRowTinted(ROWCOL nRow) const;
    // Every row its default height again.
    void ResetRowHeights() override;
    // Redraws the whole grid now (the engine's redraw with its flags stays reachable).
    using CGEBrowserView::Redraw;
    void Redraw() override;

    // The entry a row shows; nullptr for header rows, the append row and rows beyond the log.
    CLogEntry* GetEntryAtRow(ROWCOL nRow) override;
    // The row that shows the entry among the rows not hidden; 0 when none.
    ROWCOL FindEntryRow(const CLogEntry* pEntry) override;
    // The next (forward) or previous row after nRow that shows an entry and is not hidden; 0 when none.
    ROWCOL GetNextEntryRow(ROWCOL nRow, BOOL bForward) override;
    // The first selected row after nRow that is not hidden; 0 when none.
    ROWCOL GetNextSelectedRow(ROWCOL nRow);
    // The entry of the first selected row; nullptr when none.
    CLogEntry* GetSelectedEntry() override;
    // Clears the selection and selects the whole row of the entry; its row, or 0.
    ROWCOL SelectEntry(const CLogEntry* pEntry);
    ROWCOL SelectEntryByGUID(const char* guid);
    void SelectEntryRow(CLogEntry* pEntry) override { SelectEntry(pEntry); }
    // Selects each listed row that is not hidden.
    void SelectRows(const CDWordArray& rows);
    // The selected rows as ranges (first and last row of each), and the same ranges selected again.
    void GetSelectedRows(CDWordArray& starts, CDWordArray& ends) override;
    void SelectRows(const CDWordArray& starts, const CDWordArray& ends) override;
    using CGEBrowserView::ClearSelection;
    void ClearSelection() override { CGEBrowserView::ClearSelection(TRUE); }
    // Searches the rows upward from above the last row found (the bottom the first time), wrapping
    // round to the bottom once, for an entry that matches the settings (copied into the view's own);
    // on a match selects its row when asked, gives its GUID and the column id matched, and remembers the
    // row. FALSE when nothing matches.
    BOOL FindNext(const CFindRequest& request, BOOL bSelect, CString& foundGUID,
                  int* pFoundColumnId = nullptr);
    // Find Next is enabled while the view holds a find text.
    void UpdateFindNext(CCmdUI* pCmdUI);
    ROWCOL GetLastFoundRow() const { return m_nLastFoundRow; }
    // The document's Find through the view: the search kept, the hit selected.
    bool FindEntry(const CFindRequest& request, CString& guid, int& columnId) override;
    CString GetFindText() override { return m_FindSpec.phrase; }
    void FindNextEntry() override;
    bool CanFindNext() override { return !m_FindSpec.phrase.IsEmpty(); }
    CString GetColumnCaption(int columnId) override;
    void ShowLastRow() override;

    // True while the grid holds a row whose values are not yet stored (being edited or appended).
    bool HasUnfinishedRow() override;

    // ================================================================ engine operations
    long GetRecordCount() override;
    int GetColWidth(ROWCOL nCol) override;
    BOOL UsesOwnColWidths() override { return TRUE; }
    // A user's resize of a column (or any other change of a column's width): it takes the share of the
    // new width from the columns to its right; the layout is saved.
    BOOL StoreColWidth(ROWCOL nCol, int nWidth) override;
    // The cells below the headers show their entries; the header cells the columns' titles.
    BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt = geCopy, int nType = 0) override;

    // The grid's layout (columns, sizes, hidden and sorted rows) is the view's, not the document's: it
    // never marks the document modified. Entries change through the document, which marks itself.
    void SetModifiedFlag(BOOL) override {}

    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // ================================================================ state
    // The width of the area the columns share: the grid area less the row header.
    int GetDataWidth();
    BOOL GetGrayBar() const { return m_bGrayBar; }
    BOOL GetSortAscending() const { return m_bSortAscending; }
    int GetSortColumnId() const { return m_nSortColumnId; }
    const CFindRequest& GetFindSpec() const { return m_FindSpec; }
    // The number of drawings of log views in this process.
    static int GetDrawCount() { return s_nDrawCount; }

    // ================================================================ editing (CLogViewEdit.cpp)
    // Stores one cell's text into the edit buffer by the column's id. FALSE, with the engine's warning
    // text set, when the value cannot be used (an unreadable start or stop, an unknown project or
    // category); columns that follow from the entry take nothing.
    BOOL StoreField(int columnId, const CString& text);
    // The entry an edit of one row is collected in.
    CLogEntry& GetEditBuffer() { return m_EditBuffer; }
    // One changed cell of the edited row into the edit buffer (StoreField for the cell's column).
    BOOL OnFlushCellValue(ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue) override;
    // The edited row into its entry: the entry (a fresh one for the new-entry row, every column stored)
    // is copied into the edit buffer, the changed cells stored into it, and the result handed to the
    // document, which writes it. A refused value, or a stop before the start, changes nothing: FALSE
    // with the warning text set.
    BOOL OnFlushRecord(ROWCOL nRow) override;
    // Stores the pending row; a refused row is shown its warning and given up, so the row shows its
    // entry as it is again.
    BOOL Update(BOOL bShowError = TRUE) override;
    // The warning of a refused row, through the application's message box.
    void DisplayWarningText() override;
    // Deletes the entries of the row ranges: refused (41559) when one of them is read-only, else asked
    // (one row: 51447, more: 51448); after Yes the document removes them (the timed one ends the timing)
    // and the rows are sorted, filtered and shaded again. TRUE when deleted.
    BOOL DeleteRecords(const CDWordArray& firstRows, const CDWordArray& lastRows) override;
    // Delete deletes the selected rows (the current row's entry when no row is selected).
    BOOL HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A typed character goes to the document's project type-ahead first.
    BOOL HandleChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    // A completed click: on a header the rows are sorted by its column (again: reversed); on a text cell
    // of an entry (unless "Edit rows" is set) the entry opens in the Log Task dialog.
    BOOL OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nDragRow, ROWCOL nDragCol, CPoint point,
                            UINT nFlags, UINT nHitState) override;
    void OnChildButtonClicked(ROWCOL nRow, ROWCOL nCol) override;
    BOOL OnCellRClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) override;
    BOOL OnGridLButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
    BOOL MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags = GE_UPDATENOW,
                  int ctCmd = geDo) override;
    BOOL Undo() override;
    // The header click: the rows sorted by the column, reversed when it is the last sort and ascending.
    void OnHeaderClick(ROWCOL nCol);
    // The right click on a row of an entry selects that whole row; FALSE for any other row.
    BOOL SelectContextRow(ROWCOL nRow);
    // The window commands go to: the main window, else the view's frame.
    CWnd* GetCommandTarget();

    // "&Columns...": the Show Columns dialog on this view; with "Close" the layout is written and the
    // columns are set up again.
    void ShowColumnsDialog();
    // What "Close" in Show Columns does to the view.
    void ApplyColumnChoice();

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnViewColumns();
    afx_msg void OnDeleteRows();
    afx_msg void OnEditCopy();
    afx_msg void OnUpdateEditCopy(CCmdUI* pCmdUI);
    afx_msg void OnEditUndo();
    afx_msg void OnUpdateEditUndoCmd(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // Style of a body cell from its column and its row's entry.
    void LoadCellStyle(ROWCOL nRow, ROWCOL nCol, CGEStyle& style);
    // The entry of a record index; nullptr beyond the log.
    CLogEntry* GetEntryOfRecord(long nRecord) const;
    void DeleteColumns();
    void OnDataCellClick(ROWCOL nRow, ROWCOL nCol);
    // A refusal when the edit buffer's stop lies before its start (message 41626 with the start).
    BOOL RefuseStopBeforeStart();
    // Marks every field of a new row changed, so that every column is stored into the new entry.
    void MarkAllFieldsChanged();
    // Tracks the log's context menu at a screen point, the main window receiving its commands.
    void ShowContextMenu(CPoint screen);

    // ---- members, in the order of the view's record ----
    CDWordArray m_Shares; // by list index: 1/10000 of the data width; 0 hidden
    CLogEntry m_EditBuffer;
    BYTE m_bFirstDraw = 1;
    BYTE m_bEditStarted = 0;
    CTime m_FilterFrom;
    CTime m_FilterTo;
    BYTE m_bGrayBar = 1;
    CObArray m_Columns; // CGridColumn, owned, in display order
    BYTE m_bSortAscending = 1;
    int m_nSortColumnId = 0;
    ROWCOL m_nLastFoundRow = 0;
    CFindRequest m_FindSpec;
    int m_nFindResult = 0;

    // The gray bar's tint of each row as the last ApplyGrayBar left it (empty before).
    std::vector<BYTE> m_RowTint;
    // Set when the last record flush refused the row.
    BOOL m_bRowRefused = FALSE;

    static inline int s_nDrawCount = 0;
};
