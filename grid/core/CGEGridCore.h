// CGEGridCore: the grid engine's central object. It owns no window: a window class (CGEGridWnd, or a view
// through CGEGridView / CGEBrowserView) derives from both its framework window class and CGEGridCore,
// constructs the core with itself as the grid window and calls OnGridInitialUpdate once its window
// exists. Everything a grid does is a virtual operation here, so that application grids override single
// steps. The model lives in the parameter object (CGEGridParam); the core reads it to lay out, paint and
// hit-test, and changes it through the operations below.
//
// The definition is split by concern:
//   CGEGridCore.cpp              construction, initialisation, destruction, parameter object, plug-ins
//   CGEGridCoreSizes.cpp         counts, header and frozen lines, row heights and column widths, zoom
//   CGEGridCoreCoords.cpp        coordinates, rectangles and hit-testing
//   CGEGridCoreScroll.cpp        top row and left column, scroll bars, scrolling the window, auto-scroll
//   CGEGridCoreStyles.cpp        style composition, storing styles and values, registered controls
//   CGEGridCoreCurrentCell.cpp   the current cell: set, commit, move, queries and hooks
//   CGEGridCoreKeys.cpp          key messages and the key map
//   CGEGridCoreMouse.cpp         mouse handlers, routing to cell controls, cursors
//   CGEGridCorePaint.cpp         painting: buffered or direct, the paint table, cells, lines, selection
//   CGEGridCoreDrawRes.cpp       the drawing-resource cache and invalidation
//   CGEGridCoreFeatures.cpp      forwarders to the feature objects (nothing and 0 when one is absent)
//   CGEGridCoreStructure.cpp     inserting, removing and moving rows and columns, undo
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CMapPtrToPtr.h"
#include "framework/core/CObArray.h"
#include "framework/core/CObList.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "grid/core/CGESpanStyleCache.h"
#include "grid/core/GECoreDefs.h"

#include <map>
#include <memory>
#include <string>

class CArchive;
class CCmdUI;
class CDC;
class CDocument;
class CFile;
class CFindReplaceDialog;
class CFont;
class CPrintInfo;
class CView;
class CWnd;
struct CRuntimeClass;

class CGECommand;
class CGEControl;
class CGEData;
class CGEFindReplaceState;
class CGEFont;
class CGEGridParam;
class CGELibraryState;
class CGELinePen;
class CGEPaintTable;
class CGEPluginComponent;
class CGEProperties;
class CGERangeList;
class CGESortInfo;
class CGESortInfoArray;
class CGEStyle;
class CGEStyleBrush;
class CGEStylesMap;

class CGEAbstractGridPrintImp;
class CGEAbstractGridSortImp;
class CGEAbstractGridOldDrawingImp;
class CGEAbstractGridCoveredCellsImp;
class CGEAbstractDrawSpannedCellsImp;
class CGEAbstractGridFloatCellsImp;
class CGEAbstractGridMergeCellsImp;
class CGEAbstractCommandFactory;
class CGEAbstractCalcSizeImp;
class CGEAbstractGridUpdateHintImp;
class CGEAbstractGridResizeToFitImp;
class CGEAbstractGridHideCellsImp;
class CGEAbstractGridFindReplaceImp;
class CGEAbstractGridUserSelectRangeImp;
class CGEAbstractGridExcelLikeFrameImp;
class CGEAbstractGridUserDragSelectRangeImp;
class CGEAbstractGridMoveRowsColsImp;
class CGEAbstractGridUserResizeCellsImp;
class CGEAbstractGridOptimizedUpdateImp;
class CGEAbstractGridMarkEditHeaderImp;
class CGEAbstractGridFreezeMenuHelperImp;
class CGEAbstractGridDirectCopyMoveCellsImp;
class CGEAbstractGridTextDataExchangeImp;
class CGEAbstractGridStyleDataExchangeImp;
class CGEAbstractGridCutPasteImp;
class CGEAbstractGridClearCellsImp;
class CGEAutoScrollPlugin;

class CGEGridCore {
public:
    // pGridWnd: the window this core is mixed into. pDocument: the document hints go to (views).
    explicit CGEGridCore(CWnd* pGridWnd, CDocument* pDocument = nullptr, BOOL bIsView = FALSE);
    virtual ~CGEGridCore();
    CGEGridCore(const CGEGridCore&) = delete;
    CGEGridCore& operator=(const CGEGridCore&) = delete;

    // ======================= construction and initialisation (CGEGridCore.cpp) =======================
    // After the window exists: checks the engine started (framework exception otherwise), creates what is
    // missing (parameter object, properties, styles map, data), registers the grid for the shared
    // objects, takes the base styles and the zoom, and restores a remembered current cell.
    virtual void OnGridInitialUpdate();
    BOOL IsInitialized() const { return m_bInitDone; }

    // A new parameter object when pParam is null. The one held so far is deleted when it was owned.
    virtual void SetParam(CGEGridParam* pParam, BOOL bOwn = TRUE);
    CGEGridParam* GetParam() const { return m_pParam; }
    CGEData* GetData() const;
    CGEProperties* GetProperties() const;
    CGEStylesMap* GetStylesMap() const;

    CWnd* GridWnd() const { return m_pGridWnd; }
    CDocument* GetGridDocument() const { return m_pDocument; }
    void SetGridDocument(CDocument* pDocument) { m_pDocument = pDocument; }
    BOOL IsGridView() const { return m_bIsView; }
    // Marks the document the grid belongs to modified (nothing without one).
    virtual void SetModifiedFlag(BOOL bModified = TRUE);
    // Passes a hint to the document's views when the grid has a document and hints are enabled.
    virtual void UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint);

    // The area the grid draws into: the print rectangle while printing, else the rectangle set by the
    // application, else the window's client rectangle; a turned-round rectangle becomes empty.
    virtual CRect GetGridArea() const;
    void SetGridRect(BOOL bSet, LPCRECT pRect = nullptr);

    // Plug-ins (window-message helpers like auto-scroll) get the grid window at initialisation.
    void AddPlugin(CGEPluginComponent* pPlugin);
    // Offers a window message to the plug-ins; TRUE when one handled it.
    BOOL DispatchToPlugins(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Objects deleted with the grid (the per-grid feature objects), newest first.
    void AddAutoDeleteObject(CObject* pObject);

    // ======================= counts and sizes (CGEGridCoreSizes.cpp) =======================
    virtual ROWCOL GetRowCount();
    virtual ROWCOL GetColCount();
    virtual BOOL SetRowCount(ROWCOL nRows, UINT flags = GE_UPDATENOW);
    virtual BOOL SetColCount(ROWCOL nCols, UINT flags = GE_UPDATENOW);
    virtual BOOL StoreRowCount(ROWCOL nRows);
    virtual BOOL StoreColCount(ROWCOL nCols);
    virtual ROWCOL GetHeaderRows();
    virtual ROWCOL GetHeaderCols();
    // 0 in a splitter pane that is not in the first pane row (column), except while printing.
    virtual ROWCOL GetFrozenRows();
    virtual ROWCOL GetFrozenCols();
    virtual BOOL SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0, UINT flags = GE_UPDATENOW,
                               int ctCmd = geDo);
    virtual BOOL SetFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols = 0, UINT flags = GE_UPDATENOW,
                               int ctCmd = geDo);
    virtual BOOL StoreFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows);
    virtual BOOL StoreFrozenCols(ROWCOL nFrozenCols, ROWCOL nHeaderCols);
    BOOL IsFrozenRow(ROWCOL nRow);
    BOOL IsFrozenCol(ROWCOL nCol);

    // Pixels at the grid's zoom; 0 for a hidden row or column.
    virtual int GetRowHeight(ROWCOL nRow);
    virtual int GetColWidth(ROWCOL nCol);
    // The size before hidden lines are considered (the parameter object's, at the zoom).
    virtual int GetBaseRowHeight(ROWCOL nRow);
    virtual int GetBaseColWidth(ROWCOL nCol);
    virtual int GetDefaultRowHeight();
    virtual int GetDefaultColWidth();
    virtual BOOL SetDefaultRowHeight(int nHeight, UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    virtual BOOL SetDefaultColWidth(int nWidth, UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    // Rows nFrom..nTo (nTo 0: nFrom only) get nHeight, or anHeights[i - nFrom] when given; -1 removes the
    // stored size. Records one undo command; TRUE when anything changed.
    virtual BOOL SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int nHeight, const int* anHeights = nullptr,
                              UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    virtual BOOL SetColWidth(ROWCOL nFrom, ROWCOL nTo, int nWidth, const int* anWidths = nullptr,
                             UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    // Stores a size in pixels at the current zoom (a negative size removes the entry); TRUE.
    virtual BOOL StoreRowHeight(ROWCOL nRow, int nHeight);
    virtual BOOL StoreColWidth(ROWCOL nCol, int nWidth);
    virtual BOOL StoreDefaultRowHeight(int nHeight);
    virtual BOOL StoreDefaultColWidth(int nWidth);
    // Repaints after sizes changed (through the optimized-update feature when present); sends a hint.
    virtual void UpdateChangedRowHeights(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights,
                                         UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void UpdateChangedColWidths(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths, UINT flags = GE_UPDATENOW,
                                        BOOL bCreateHint = TRUE);
    int GetZoom() const { return m_nZoom; }
    virtual void SetZoom(int nZoom, UINT flags = GE_UPDATENOW);
    // TRUE when the user-resizing feature is attached (applications may refuse single lines).
    virtual BOOL CanChangeRowHeight(ROWCOL nRow);
    virtual BOOL CanChangeColWidth(ROWCOL nCol);
    // An application grid whose GetRowHeight (GetColWidth) computes sizes itself answers TRUE, so that
    // sums over long runs ask every line instead of adding up the parameter object's sizes.
    virtual BOOL UsesOwnRowHeights() { return FALSE; }
    virtual BOOL UsesOwnColWidths() { return FALSE; }
    // Sets the user-resizing flag; returns the former value.
    BOOL SetUserResizing(BOOL bEnable);

    // ======================= coordinates and hit-testing (CGEGridCoreCoords.cpp) =======================
    // The visible index under the point and the pixel edge of that line; GE_INVALID past the last one.
    virtual ROWCOL GetClientRowAtPoint(CPoint point, int* pTop = nullptr);
    virtual ROWCOL GetClientColAtPoint(CPoint point, int* pLeft = nullptr);
    // The row (column) under the point; the row (column) count when past the last one.
    virtual ROWCOL GetRowAtPoint(CPoint point);
    virtual ROWCOL GetColAtPoint(CPoint point);
    // Visible index of a row (column); 0 when scrolled out of view. And the inverse.
    virtual ROWCOL GetClientRow(ROWCOL nRow);
    virtual ROWCOL GetClientCol(ROWCOL nCol);
    virtual ROWCOL GetRowFromClientRow(ROWCOL nClientRow);
    virtual ROWCOL GetColFromClientCol(ROWCOL nClientCol);
    // Sums of heights (widths) over rows nFrom..nTo, stopping once a non-zero limit is passed.
    virtual LONG SumRowHeights(ROWCOL nFrom, ROWCOL nTo, LONG nLimit = 0);
    virtual LONG SumColWidths(ROWCOL nFrom, ROWCOL nTo, LONG nLimit = 0);
    virtual LONG SumClientRowHeights(ROWCOL nFromClient, ROWCOL nToClient, LONG nLimit = 0);
    virtual LONG SumClientColWidths(ROWCOL nFromClient, ROWCOL nToClient, LONG nLimit = 0);
    // Rectangle of a visible cell (visible indexes).
    virtual CRect GetClientCellRect(ROWCOL nClientRow, ROWCOL nClientCol);
    // The same, continuing from the last position asked unless the index lies before it.
    CRect GetClientCellRectCached(ROWCOL nClientRow, ROWCOL nClientCol);
    virtual CRect GetCellRect(ROWCOL nRow, ROWCOL nCol);
    // Client rectangle of a range clipped to what is visible; empty when nothing of it shows.
    virtual CRect GetRangeClientRect(const CGECellRange& range);
    // The same after widening the range over covered, merged and floating cells.
    virtual CRect GetRangeRectCovered(const CGECellRange& range);
    CRect GetRangeRectCovered(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
    // The grid area right of a column's right edge (of the row header for column 0) / below a row.
    virtual CRect GetRectRightOfCol(ROWCOL nCol);
    virtual CRect GetRectBelowRow(ROWCOL nRow);
    virtual ROWCOL GetLastVisibleRow();
    virtual ROWCOL GetLastVisibleCol();
    // The first row from the top row that does not fit completely (the row count, with bReachedEnd set,
    // when every row fits).
    virtual ROWCOL CalcBottomRowFromTopRow(const CRect& rectArea, BOOL& bReachedEnd);
    virtual ROWCOL CalcRightColFromLeftCol(const CRect& rectArea, BOOL& bReachedEnd);
    // What lies under the point (GE_HT_...); fills the row, column and cell rectangle when given.
    virtual int HitTest(CPoint point, ROWCOL* pRow = nullptr, ROWCOL* pCol = nullptr, CRect* pRect = nullptr);
    // Hook for a point inside a cell that is no boundary: 0 or a selection-edge code.
    virtual int OnCellHitTest(ROWCOL nRow, ROWCOL nCol, CPoint point, const CRect& rect);
    int GetHitTestMargin() const { return m_nHitTestMargin; }
    void SetHitTestMargin(int nMargin) { m_nHitTestMargin = nMargin; }
    // Whether the selection may be dragged by its edge (default FALSE).
    BOOL m_bAllowSelDragEdge = FALSE;

    // ======================= scrolling (CGEGridCoreScroll.cpp) =======================
    ROWCOL GetTopRow() const { return m_nTopRow; }
    ROWCOL GetLeftCol() const { return m_nLeftCol; }
    // Sets the top row (left column) without scrolling or drawing (after lines above it came or went).
    void StoreTopRow(ROWCOL nRow) { m_nTopRow = nRow; }
    void StoreLeftCol(ROWCOL nCol) { m_nLeftCol = nCol; }
    // Clamped to the first scrolling row .. row count; scrolls the window's pixels where that suffices.
    virtual BOOL SetTopRow(ROWCOL nRow, UINT flags = GE_SMART | GE_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual BOOL SetLeftCol(ROWCOL nCol, UINT flags = GE_SMART | GE_UPDATENOW, BOOL bCreateHint = TRUE);
    // Scrolls so that the cell shows; TRUE when it scrolled.
    virtual BOOL ScrollCellInView(ROWCOL nRow, ROWCOL nCol, UINT flags = GE_UPDATENOW,
                                  BOOL bFloatCell = FALSE);
    // Scroll-bar positions are row or column numbers times the bar's unit.
    int SetScrollBarPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    void SetScrollBarRange(int nBar, int nMin, int nMax, BOOL bRedraw = TRUE);
    int GetScrollBarPos(int nBar);
    // Recomputes range, page and position of both bars (nothing while locked); TRUE when a bar appeared
    // or vanished.
    virtual BOOL UpdateScrollbars(BOOL bRedraw = TRUE, BOOL bOnlyIfDimensionChanged = FALSE);
    // While locked, size changes leave the scroll bars alone. Returns the former state.
    BOOL LockScrollbars(BOOL bLock) {
        const BOOL bOld = m_bScrollbarLock;
        m_bScrollbarLock = bLock;
        return bOld;
    }
    // Which bars the grid shows when they are needed (WS_HSCROLL/WS_VSCROLL of its window at creation).
    void SetScrollBarMode(int nBar, BOOL bEnabled);
    // The window's WM_VSCROLL / WM_HSCROLL.
    virtual void OnGridVScroll(UINT nSBCode, UINT nPos);
    virtual void OnGridHScroll(UINT nSBCode, UINT nPos);
    // Scrolls the window's pixels (children, invalidate, erase); the drag-fill marker goes first.
    virtual void ScrollWindowEx(int dx, int dy, LPCRECT pRectScroll, LPCRECT pRectClip);
    // Starts the timer that scrolls while the mouse is dragged past the grid's edge.
    virtual BOOL StartAutoScroll(BOOL bCapture, WORD wDirection, WORD wSpeed);
    virtual void StopAutoScroll();
    virtual void OnAutoScrollTimer();
    BOOL IsAutoScrolling() const { return m_bAutoScrolling; }
    // Ticks since auto-scrolling started.
    int GetAutoScrollStep() const { return m_nAutoScrollStep; }
    // GE_AUTOSCROLL_VERT, GE_AUTOSCROLL_HORZ, or 0 for both.
    WORD GetAutoScrollDirection() const { return m_wAutoScrollDirection; }

    // ======================= styles and values (CGEGridCoreStyles.cpp) =======================
    virtual CGEStyle* CreateStyle();
    void RecycleStyle(CGEStyle* pStyle);
    // Stores a style into every cell of a range, with undo and redraw; FALSE when refused.
    virtual BOOL SetStyleRange(const CGECellRange& range, const CGEStyle* pStyle, int mt = geOverride,
                               int nType = 0, const CObArray* pCellsArray = nullptr,
                               UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    // Merges the stored style of a cell (row 0 / column 0: the column and row styles) into style.
    virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt = geCopy, int nType = 0);
    // A new array of rows x columns stored styles (null entries for empty ones); the caller owns it.
    virtual CObArray* CopyRangeStyles(const CGECellRange& range, int nType = 0,
                                      DWORD* pdwStartTime = nullptr);
    // The effective style of a cell.
    virtual void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle, BOOL bApplyStandard = TRUE);
    virtual BOOL StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType = 0);
    // Redraws a changed range and tells the other views.
    virtual void UpdateStyleRange(const CGECellRange& range, const CGEStyle* pStyle = nullptr,
                                  int mt = geOverride, UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual BOOL ChangeStylesMap(const CGEStylesMap& stylesMap, UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    virtual BOOL ChangeProperties(const CGEProperties& properties, UINT flags = GE_UPDATENOW,
                                  int ctCmd = geDo);
    virtual BOOL ChangeBaseStyle(WORD wStyleId, const CGEStyle& style, int mt = geOverride,
                                 UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    // Notifications after the three changes above.
    virtual void OnStylesMapChanged() {}
    virtual void OnPropertiesChanged() {}
    virtual void OnBaseStyleChanged(WORD, UINT) {}
    // The composed style of a cell (the current cell's from a cache); owned by the grid, valid until the
    // next call.
    virtual const CGEStyle& LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol);
    // Drops the cached composed style of the current cell.
    void ResetCurrentCellStyleCache();
    // Registers the standard, row-header and column-header base styles in a styles map that lacks them.
    static void CreateStandardStyles(CGEStylesMap& stylesMap);
    CGEStyle& GetStandardStyle();
    CGEStyle& GetColHeaderStyle();
    CGEStyle& GetRowHeaderStyle();
    CGEStyle& GetBaseStyle(WORD wStyleId);
    // A copy of a styles map (through the parameter-copy feature when installed).
    void CopyStylesMap(CGEStylesMap& dst, const CGEStylesMap& src);
    // Drops the kept base styles (after the styles map changed).
    void ResetBaseStyles();
    // The value text of the composed (stored) style.
    virtual CString GetCellValue(ROWCOL nRow, ROWCOL nCol);
    virtual CString GetStoredCellValue(ROWCOL nRow, ROWCOL nCol);
    // Stores a text as the value of every cell of a range (through SetStyleRange).
    virtual BOOL SetValueRange(const CGECellRange& range, LPCSTR pszValue, int mt = geOverride, int nType = 0,
                               UINT flags = GE_UPDATENOW);
    // The one operation through which cell controls write a cell's value: the value in the scratch
    // style, applied to the range.
    virtual BOOL StoreValueInRange(const CGECellRange& range, const CString& strValue, int mt = geOverride,
                                   int nType = 0, UINT flags = GE_UPDATENOW);
    // A text entered for a cell, parsed by the cell's control.
    virtual BOOL SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT flags = GE_UPDATENOW,
                                      const CGEStyle* pOldStyle = nullptr);
    // The text a sort compares for a cell, from its control (the value text without one).
    virtual BOOL GetSortKey(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGESortInfo& sortInfo,
                            const CGEStyle& style, CString& strKey);
    // The text selected in the current cell's control; empty without one.
    BOOL GetSelectedText(CString& strResult);
    // The scratch style used by value stores (borrowed by controls).
    CGEStyle* GetScratchStyle();

    // ---- cell controls ----
    // The control registered under an id, created by the control factory the first time; the default
    // control when none can be had (may be null while no control kind is built).
    virtual CGEControl* GetRegisteredControl(WORD nID);
    // The control of a cell's style.
    virtual CGEControl* GetControl(ROWCOL nRow, ROWCOL nCol);
    // Keeps a control under an id (a control held before under it is deleted).
    void RegisterControl(WORD nID, CGEControl* pControl, BOOL bDefault = FALSE, BOOL bAddToStylesMap = TRUE);

    // ======================= current cell (CGEGridCoreCurrentCell.cpp) =======================
    BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol, BOOL bIgnorePrinting = FALSE);
    BOOL GetCurrentCell(ROWCOL* pRow, ROWCOL* pCol, BOOL bIgnorePrinting = FALSE);
    BOOL IsCurrentCell(ROWCOL nRow = GE_INVALID, ROWCOL nCol = GE_INVALID, BOOL bIgnorePrinting = FALSE);
    void StoreCurrentCell(BOOL bSet, ROWCOL nRow = 0, ROWCOL nCol = 0);
    CGEControl* GetCurrentCellControl();
    BOOL IsActiveCurrentCell();
    virtual void RefreshCurrentCell(BOOL bStore = FALSE);
    void SetWarningText(LPCSTR pszText) { m_strWarningText = pszText; }
    const CString& GetWarningText() const { return m_strWarningText; }
    // Makes the cell current: commits and leaves the old cell (FALSE when it refuses), binds the new
    // cell's control, redraws both and brings the new one into view.
    virtual BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GE_SMART | GE_UPDATENOW);
    // Ends editing of the current cell: with bStore the edited value is validated and stored (FALSE and
    // the warning shown when refused), else the edit is discarded.
    virtual BOOL CommitCurrentCell(BOOL bStore = TRUE, UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE);
    BOOL TransferCurrentCell(BOOL bSave = TRUE, UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE) {
        return CommitCurrentCell(bSave, flags, bCreateHint);
    }
    // Moves the current cell (GE_UP .. GE_BOTTOMRIGHT), skipping hidden and disabled cells; TRUE when moved.
    virtual BOOL MoveCurrentCell(int nDirection, UINT nCount = 1, BOOL bRedraw = TRUE);
    // Through the selection feature's keyboard move when present.
    virtual BOOL MoveCurrentCellEx(int nDirection, UINT nCount = 1);
    // Places the current cell without the leave and commit protocol (after rows moved or were removed).
    virtual void PlaceCurrentCell(ROWCOL nRow, ROWCOL nCol, UINT flags = GE_UPDATENOW);
    // FALSE when the cell lies outside the grid or its style is disabled.
    virtual BOOL CanSelectCurrentCell(ROWCOL nRow, ROWCOL nCol);
    // Shows the warning text in a message box (applications override).
    virtual void DisplayWarningText();

    // Notification hooks of the editing protocol (the cell controls call them for their bound cell).
    virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
    virtual void OnCanceledEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnCancelEditing(ROWCOL nRow, ROWCOL nCol);
    virtual BOOL OnLeftCell(ROWCOL nRow, ROWCOL nCol, ROWCOL nNewRow, ROWCOL nNewCol);
    virtual BOOL OnDeleteCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnInitCurrentCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnMovedCurrentCell(ROWCOL nRow, ROWCOL nCol);
    virtual void OnChildButtonClicked(ROWCOL nRow, ROWCOL nCol);
    // A press inside the selected text of the current cell's window: the grid may start dragging that text
    // (TRUE when it did). The engine has no text drag of its own: FALSE unless an application grid adds one.
    virtual BOOL DragSelectedText(ROWCOL, ROWCOL) { return FALSE; }
    // Moving the current cell to another row (the browser grid stores its record there).
    virtual void OnCurrentRowChanging(ROWCOL nOldRow, ROWCOL nNewRow);

    // ======================= keys (CGEGridCoreKeys.cpp) =======================
    // Every key message of the grid window; TRUE when handled.
    virtual BOOL DispatchKeyMessage(CWnd* pSender, UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL ProcessKeys(CWnd* pSender, UINT message, UINT nChar, UINT nRepCnt, UINT nFlags) {
        return DispatchKeyMessage(pSender, message, nChar, nRepCnt, nFlags);
    }
    virtual BOOL MoveCurrentCellByKey(int nDirection, UINT nCount);
    virtual BOOL HandleKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleKeyUp(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL HandleChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleMultiByteText(const CString&, UINT, UINT) { return FALSE; }
    virtual BOOL HandleDeadChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL HandleSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    virtual BOOL HandleSysKeyUp(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL HandleSysChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL HandleSysDeadChar(UINT, UINT, UINT) { return FALSE; }
    // The state of a modifier key (virtual so that windowless tests can answer it).
    virtual BOOL IsKeyDown(int nVirtKey) const;

    // ======================= mouse (CGEGridCoreMouse.cpp) =======================
    virtual BOOL OnGridLButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnGridLButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnGridLButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL OnGridRButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnGridRButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnGridMButtonDown(UINT nFlags, CPoint point);
    virtual BOOL OnGridMButtonUp(UINT nFlags, CPoint point);
    virtual BOOL OnGridMouseMove(UINT nFlags, CPoint point);
    virtual BOOL OnGridMouseWheel(UINT nFlags, short zDelta, CPoint point);
    virtual void OnGridCancelMode();
    virtual BOOL OnGridSetCursor(UINT nHitTest);
    // Routes a mouse event on a cell to its control or to the click hook (GE_MR_... flags).
    virtual BOOL RouteMouseToCell(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point, UINT nRouteFlags);
    // Click hooks: the selection feature's click by default.
    virtual BOOL OnCellClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnCellDblClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnCellRClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnCellMClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL OnCellMouseMove(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    // Left button pressed, moved or released over a cell during a mouse selection (nHitState: GE_MR_...);
    // FALSE refuses (the mode is cancelled).
    virtual BOOL OnLButtonHitRowCol(ROWCOL nHitRow, ROWCOL nHitCol, ROWCOL nDragRow, ROWCOL nDragCol,
                                    CPoint point, UINT nFlags, UINT nHitState);
    // Sets the mouse capture to the grid window; returns the previous capture window.
    CWnd* CaptureMouse();
    // Cursors: a resource id with a system fallback; 0 restores the default.
    void SetGridCursor(UINT nIDCursor, LPCSTR pszSystemCursor = nullptr);
    void SetOverrideCursor(UINT nIDCursor);
    UINT GetOverrideCursor() const { return m_nOverrideCursorId; }
    virtual void UpdateCursor(CPoint point);

    // ======================= painting (CGEGridCorePaint.cpp) =======================
    // Draws the grid into the paint DC of its window (or a memory DC in tests).
    virtual void OnGridDraw(CDC* pDC);
    // 1 buffered through a memory DC, else straight onto the target.
    int GetDrawMode() const { return m_nDrawMode; }
    void SetDrawMode(int nMode) { m_nDrawMode = nMode; }
    void SetOuterFrame(BOOL b) { m_bOuterFrame = b; }
    // Builds the paint table for the rows and columns the clip box touches and draws it.
    virtual void DrawGridArea(CDC* pDC, const CRect& rectClip);
    // One cell through its control (or its text when the control kind is not available).
    virtual void DrawItem(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect, const CGEStyle& style);
    // The cell's text with its alignment, colour and font; the fallback of cells without a control.
    virtual void DrawCellText(CDC* pDC, const CRect& rect, const CGEStyle& style, const CString& strText);
    virtual void DrawCellBackground(CDC* pDC, const CRect& rect, const CGEStyle& style);
    // A bar of the grid-line pen (nKind 1 vertical, 2 horizontal) for row or column nIndex.
    virtual void DrawGridLine(CDC* pDC, int x, int y, int cx, int cy, int nKind, ROWCOL nIndex,
                              UINT flags = 0);
    virtual void DrawInvertCell(CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CRect& rect);
    // Border of one side (0 left, 1 right, 2 top, 3 bottom) with the pen.
    virtual void DrawBorder(CDC* pDC, const CRect& rect, const CGELinePen& pen, int nSide);
    virtual void DrawBrushRect(CDC* pDC, const CRect& rect, const CGEStyleBrush& brush);
    // Called before a paint with the last row it will show, so that a data source can load ahead.
    virtual void OnPrefetchRows(ROWCOL) {}
    // The frame of the current cell when its control kind is not available.
    virtual void DrawCurrentCellFrameDefault(CDC* pDC, const CRect& rect);
    // Whether a cell is drawn selected (inverted).
    virtual BOOL IsCellSelectedForDrawing(ROWCOL nRow, ROWCOL nCol);
    // The parts of a paint that every drawing path shares: the area beyond the last row and column, the
    // grid lines (left out inside spans), and the closing step (selected cells inverted, the current
    // cell's frame).
    void DrawBeyondLastLines(CDC* pDC, const CGEPaintTable& table);
    void DrawPaintGridLines(CDC* pDC, CGEPaintTable& table);
    void DrawPaintClosing(CDC* pDC, CGEPaintTable& table);
    // Rectangles cut from the clip before a buffered image is copied (child windows, floating controls).
    void AddExclusionRect(const CRect& rect);
    // Rectangles the controls ask to refresh.
    void AddRefreshRect(const CRect& rect);

    // ======================= drawing resources and invalidation (CGEGridCoreDrawRes.cpp) ===========
    virtual HBRUSH LookupBrush(const CGEStyleBrush& brush);
    virtual HPEN LookupPen(const CGELinePen& pen);
    // The font of a style at the grid's zoom (the standard style's when it has none).
    virtual CFont* LookupFont(const CGEStyle& style);
    // Selects the style's font into the DC; returns the former font (null when nothing changed).
    virtual CFont* SelectStandardFont(CDC* pDC, const CGEStyle* pStyle = nullptr, BOOL bCompare = FALSE);
    CFont* SelectFontStyle(CDC* pDC, const CGEStyle& style, const CGEStyle* pStandardStyle = nullptr);
    virtual void FreeGdiCache();
    // Prepares a DC for measuring or printing (mapping of a printer to screen pixels).
    virtual void PrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);
    // A DC for measuring (the paint's while painting); ReleaseGridDC lets a cached one go.
    CDC* GetGridDC();
    void ReleaseGridDC();
    // The grid's border allowance of a style: a cell rectangle less its borders and margins.
    virtual CRect SubtractBorders(const CRect& rect, const CGEStyle& style, BOOL bBorders = TRUE);
    virtual CSize AddBorders(CSize size, const CGEStyle& style);
    // Invalidation. Nothing while updates are locked.
    virtual void Redraw(UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void RedrawRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                              UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE);
    void RedrawRowCol(const CGECellRange& range, UINT flags = GE_UPDATENOW, BOOL bCreateHint = TRUE);
    virtual void RedrawRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                             UINT flags = GE_UPDATENOW, BOOL bWidenOverSpans = TRUE);
    virtual void InvalidateRange(const CGECellRange& range);
    virtual void Refresh(UINT flags = GE_UPDATENOW);
    // While locked, paints only note that a redraw is wanted; unlocking repaints then. Returns the
    // former state.
    BOOL LockUpdate(BOOL bLock = TRUE);
    BOOL IsLockUpdate() const;
    void ResetLastVisible() { m_nLastVisibleRow = m_nLastVisibleCol = GE_INVALID; }

    // ======================= selection =======================
    // Copies of the selected ranges (with bAddCurrentCell the current cell when nothing is selected).
    BOOL GetSelectedRanges(CGERangeList& list, BOOL bAddCurrentCell = FALSE);
    BOOL IsCellSelected(ROWCOL nRow, ROWCOL nCol, const CGERangeList* pList = nullptr);
    virtual BOOL CanChangeSelection(CGECellRange* pRange, BOOL bClearAll, BOOL bKey);
    virtual void OnChangingSelection(CGECellRange* pRange, BOOL bClearAll, BOOL bKey);
    virtual void OnChangedSelection(const CGECellRange* pRange, BOOL bClearAll, BOOL bKey);
    // Forwarders to the selection feature (nothing without it).
    POSITION SetSelection(POSITION pos, ROWCOL nTop = 0, ROWCOL nLeft = 0, ROWCOL nBottom = 0,
                          ROWCOL nRight = 0);
    void SelectRange(const CGECellRange& range, BOOL bSelect = TRUE, BOOL bUpdate = TRUE);
    BOOL StoreSelectRange(const CGECellRange& range, BOOL bSelect);
    void UpdateSelectRange(const CGECellRange& range, const CGERangeList* pOldList = nullptr,
                           BOOL bCreateHint = TRUE);
    void UpdateSetSelection(POSITION pos, ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                            BOOL bCreateHint = TRUE);
    void UpdateClearSelection(BOOL bCreateHint = TRUE);
    // Clears the whole selection (position 0).
    void ClearSelection(BOOL bRedraw = TRUE);

    // ======================= structure and undo (CGEGridCoreStructure.cpp) =======================
    virtual BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, int* anHeights = nullptr,
                            CObArray* pCellsArray = nullptr, ROWCOL nColCount = 0, UINT flags = GE_UPDATENOW,
                            int ctCmd = geDo);
    virtual BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, int* anWidths = nullptr,
                            CObArray* pCellsArray = nullptr, ROWCOL nRowCount = 0, UINT flags = GE_UPDATENOW,
                            int ctCmd = geDo);
    virtual BOOL RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    virtual BOOL RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    virtual BOOL StoreInsertRows(ROWCOL nRow, ROWCOL nCount);
    virtual BOOL StoreInsertCols(ROWCOL nCol, ROWCOL nCount);
    virtual BOOL StoreRemoveRows(ROWCOL nFrom, ROWCOL nTo);
    virtual BOOL StoreRemoveCols(ROWCOL nFrom, ROWCOL nTo);
    virtual void UpdateInsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual void UpdateInsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags, BOOL bCreateHint);
    virtual void UpdateRemoveRows(ROWCOL nFrom, ROWCOL nTo, int* anOldHeights, UINT flags, BOOL bCreateHint);
    virtual void UpdateRemoveCols(ROWCOL nFrom, ROWCOL nTo, int* anOldWidths, UINT flags, BOOL bCreateHint);
    // Forwarded to the moving feature.
    virtual BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags = GE_UPDATENOW,
                          int ctCmd = geDo);
    virtual BOOL MoveCols(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags = GE_UPDATENOW,
                          int ctCmd = geDo);

    // Undo through the command factory (each does nothing without one).
    void BeginTrans(LPCSTR pszDescription);
    void CommitTrans();
    void Rollback();
    void CleanUpUndo();
    // Returns the former state.
    BOOL EnableUndo(BOOL bEnable);
    void AddCommand(CGECommand* pCmd, int ctCmd = geDo);
    virtual BOOL Undo();
    virtual BOOL Redo();
    void OnUpdateEditUndo(CCmdUI* pCmdUI);
    void OnUpdateEditRedo(CCmdUI* pCmdUI);
    void SetUndoCurrentCell(ROWCOL nRow, ROWCOL nCol, BOOL bSetCurrent);
    BOOL IsUndoRecorded() const;

    // ======================= read-only and printing =======================
    virtual BOOL IsReadOnly();
    void SetReadOnly(BOOL bReadOnly);
    BOOL IsPrinting() const { return m_bPrinting; }
    virtual void SetPrinting(BOOL bPrinting, BOOL bResetArea = TRUE);
    virtual void EnsureGridDimension(ROWCOL, ROWCOL) {}
    int CalcPrinterTextMetrics(CDC* pDC, int& nCharWidth, int& nLineHeight);
    CPrintInfo* SubtractPrintMargins(CDC* pDC, CPrintInfo* pInfo);
    void PrintPageHeaderAndFooter(CDC* pDC, CPrintInfo* pInfo);

    // ======================= feature forwarders (CGEGridCoreFeatures.cpp) =======================
    void BeginGridPrinting(CDC* pDC, CPrintInfo* pInfo);
    void PrintGridPage(CDC* pDC, CPrintInfo* pInfo);
    void EndGridPrinting(CDC* pDC, CPrintInfo* pInfo);

    void SortRows(CGECellRange sortRange, CGESortInfoArray& sortInfo, UINT flags = GE_UPDATENOW);
    void SortCols(CGECellRange sortRange, CGESortInfoArray& sortInfo, UINT flags = GE_UPDATENOW);
    BOOL ReorderRows(const CGECellRange& range, const CDWordArray& order, UINT flags = GE_UPDATENOW,
                     int ctCmd = geDo);
    BOOL ReorderCols(const CGECellRange& range, const CDWordArray& order, UINT flags = GE_UPDATENOW,
                     int ctCmd = geDo);
    void UpdateReorderRows(const CGECellRange& range, UINT flags, BOOL bCreateHint);
    void UpdateReorderCols(const CGECellRange& range, UINT flags, BOOL bCreateHint);

    BOOL SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight,
                               UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    CGECellRange* GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGECellRange& range);
    BOOL StoreCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, BOOL bSet);
    void UpdateCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                                  BOOL bCreateHint);
    BOOL ExpandCoveredCellsRange(CGECellRange& range);

    void SetFloatCellsMode(WORD wMode, BOOL bRedraw = TRUE);
    WORD GetFloatCellsMode() const;
    void DelayFloatCells(const CGECellRange& range, ROWCOL nLastCol = GE_INVALID);
    BOOL EvalFloatCells(const CGECellRange& range, BOOL bUpdate = TRUE, CGECellRange* pChanged = nullptr,
                        BOOL bCachedStyles = FALSE);
    CGECellRange* GetFloatedCellsRange(ROWCOL nRow, ROWCOL nCol, CGECellRange& range);
    BOOL CanFloatCell(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      BOOL bFloatOrFlood);
    // The static cell's rule of the floating-cells feature (FALSE without it).
    BOOL CanFloatText(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      BOOL bFloatOrFlood);
    BOOL SetFloatedCellsRange(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags);
    void UpdateFloatedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                            BOOL bCreateHint);
    BOOL ExpandFloatedCellsRange(CGECellRange& range);

    void SetMergeCellsMode(WORD wMode, BOOL bRedraw = TRUE);
    WORD GetMergeCellsMode() const;
    void DelayMergeCells(const CGECellRange& range, ROWCOL nLastRow = GE_INVALID,
                         ROWCOL nLastCol = GE_INVALID);
    BOOL EvalMergeCells(const CGECellRange& range, BOOL bUpdate = TRUE, CGECellRange* pChanged = nullptr,
                        BOOL bCachedStyles = FALSE);
    CGECellRange* GetMergedCellsRange(ROWCOL nRow, ROWCOL nCol, CGECellRange& range, int nDirection = -1);
    BOOL CanMergeCell(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, int nDirection);
    BOOL CanMergeStyles(const CGEStyle& style, const CGEStyle& other);
    BOOL MergeCellsRange(int nDirection, ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags);
    void UpdateMergedCells(ROWCOL nRow, ROWCOL nCol, ROWCOL nToRow, ROWCOL nToCol, UINT flags,
                           BOOL bCreateHint);
    BOOL ExpandMergedCellsRange(CGECellRange& range);

    // The cell's covered range, else its merged range, else its floated range; null when none.
    CGECellRange* GetCellRangeRowCol(ROWCOL nRow, ROWCOL nCol, CGECellRange& range);
    BOOL EvalVisibleSpannedCells(const CGECellRange& range, BOOL bUpdate = TRUE,
                                 CGECellRange* pChanged = nullptr, BOOL bCachedStyles = FALSE);

    void CalcSize(CSize& size, CGEControl* pControl, CDC* pDC, ROWCOL nRow, ROWCOL nCol,
                  const CGEStyle& style, const CGEStyle* pStandardStyle, BOOL bVert);
    BOOL ResizeRowHeightsToFit(CGECellRange range, BOOL bResizeCoveredCells = TRUE,
                               UINT flags = GE_UPDATENOW);
    BOOL ResizeColWidthsToFit(CGECellRange range, BOOL bResizeCoveredCells = TRUE, UINT flags = GE_UPDATENOW);

    BOOL HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, const BOOL* abHide = nullptr,
                  UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    BOOL HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE, const BOOL* abHide = nullptr,
                  UINT flags = GE_UPDATENOW, int ctCmd = geDo);
    virtual BOOL IsRowHidden(ROWCOL nRow);
    virtual BOOL IsColHidden(ROWCOL nCol);
    BOOL StoreHideRow(ROWCOL nRow, BOOL bHide);
    BOOL StoreHideCol(ROWCOL nCol, BOOL bHide);

    void OnShowFindReplaceDialog(BOOL bFindOnly);
    BOOL FindTextInCell(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentCell,
                        BOOL bSetCell);
    BOOL ReplaceAllInCell(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol);
    BOOL FindNext(BOOL bSetCell = TRUE);

    BOOL StartUserResize(ROWCOL nRow, ROWCOL nCol, int nKind);
    void TrackUserResize(ROWCOL nRow, ROWCOL nCol, int nKind, CSize size);
    void EndUserResize(ROWCOL nRow, ROWCOL nCol, int nKind, CSize size);
    void CancelUserResize();
    // TRUE while a resize drag is tracked; the kind and the row (kind 1) or column (kind 2).
    BOOL IsTrackingResize(int* pKind = nullptr, ROWCOL* pIndex = nullptr) const;
    BOOL GetUserResizeState(int& nKind, ROWCOL& nIndex) const { return IsTrackingResize(&nKind, &nIndex); }

    void DrawFrameRect(CDC* pDC, const CRect& rect, const CRect& rectClip, BOOL bTop, BOOL bLeft, int nHandle,
                       BOOL bHandleOnly);
    void DrawSelectionFrame(CDC* pDC, const CGECellRange* pRange, int nHandle = 0, BOOL bHandleOnly = FALSE);
    void UpdateSelectionFrame(CDC* pDC, BOOL bErase, const CGECellRange* pNewRange);
    void ToggleFrameHandle();
    BOOL HideSelectionFrame(BOOL bHide, BOOL bCreateHint = TRUE);
    // Removes the frame from the window and forgets its range (the selection was cleared, or lines came
    // or went).
    void ForgetSelectionFrame();

    BOOL OnSelDragStart(ROWCOL nRow, ROWCOL nCol);
    BOOL OnSelDragMove(ROWCOL nStartRow, ROWCOL nStartCol, ROWCOL nRow, ROWCOL nCol);
    BOOL OnSelDragDrop(ROWCOL nTop, ROWCOL nLeft, ROWCOL nRow, ROWCOL nCol);
    BOOL OnSelDragCancel();
    // Hooks of user resizing: FALSE refuses the start, a step or the final size.
    virtual BOOL OnStartTrackColWidth(ROWCOL) { return TRUE; }
    virtual BOOL OnStartTrackRowHeight(ROWCOL) { return TRUE; }
    virtual BOOL OnTrackColWidth(ROWCOL, int) { return TRUE; }
    virtual BOOL OnTrackRowHeight(ROWCOL, int) { return TRUE; }
    virtual BOOL OnTrackColWidthEnd(ROWCOL, int) { return TRUE; }
    virtual BOOL OnTrackRowHeightEnd(ROWCOL, int) { return TRUE; }
    virtual BOOL OnSelDragRowsStart(ROWCOL nFirstRow, ROWCOL nLastRow);
    virtual BOOL OnSelDragColsStart(ROWCOL nFirstCol, ROWCOL nLastCol);
    virtual BOOL OnSelDragRowsMove(ROWCOL, ROWCOL, ROWCOL) { return TRUE; }
    virtual BOOL OnSelDragColsMove(ROWCOL, ROWCOL, ROWCOL) { return TRUE; }
    virtual BOOL OnSelDragRowsDrop(ROWCOL, ROWCOL, ROWCOL) { return TRUE; }
    virtual BOOL OnSelDragColsDrop(ROWCOL, ROWCOL, ROWCOL) { return TRUE; }

    void RedrawEditHeaders(ROWCOL nRow, ROWCOL nCol, int nWhich, UINT flags = GE_UPDATENOW);
    BOOL IsHeaderMarked(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, UINT flags);

    BOOL CanFreezeCols();
    BOOL CanUnfreezeCols();
    void FreezeCols();
    void UnfreezeCols();
    BOOL CanFreezeRows();
    BOOL CanUnfreezeRows();
    void FreezeRows();
    void UnfreezeRows();

    BOOL CopyCells(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol, UINT flags = GE_UPDATENOW);
    BOOL MoveCells(const CGECellRange& source, ROWCOL nDestRow, ROWCOL nDestCol, CObject*& pUndoInfo,
                   UINT flags = GE_UPDATENOW, int ctCmd = geDo);

    BOOL CanCopy();
    BOOL Copy();
    BOOL CopyRangeList(CGERangeList& list);
    BOOL CopyCellRange(const CGECellRange& range);
    BOOL CanCut();
    BOOL Cut();
    BOOL CanPaste();
    BOOL Paste();
    BOOL CanClear();
    BOOL Clear(BOOL bStyles = FALSE);
    BOOL ClearCells(const CGERangeList& list, BOOL bStyles = FALSE);
    // The clipboard's side of cut, copy and paste (through the cut-and-paste feature).
    BOOL CopyTextToClipboard(const CGERangeList& list);
    BOOL CopyCellsToClipboard(const CGERangeList& list, UINT flags = 0);
    BOOL CutRangeList(CGERangeList& list, BOOL bStyles);
    BOOL ClipboardHasPasteFormat();
    BOOL PasteCellsDirect(const CGECellRange& range);
    BOOL PasteFromClipboard(const CGECellRange& range);
    BOOL ConfirmPasteSizeMismatch();
    // The text form of cells (through the text data-exchange feature).
    BOOL CopyTextToFile(CFile& file, const CGERangeList& list);
    BOOL GetCopyTextRowCol(CString& str, ROWCOL nRow, ROWCOL nCol);
    BOOL PasteTextFromBuffer(LPCSTR pBuffer, DWORD dwSize, const CGECellRange& range);
    BOOL PasteTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                         const CGEStyle* pOldStyle);
    BOOL CalcBufferDimension(LPCSTR pBuffer, DWORD dwSize, ROWCOL& nRows, ROWCOL& nCols);
    // The internal form of cells, their styles in an archive (through the style data-exchange feature).
    BOOL CopyCellsToArchive(CArchive& ar, const CGERangeList& list, BOOL bComposed = FALSE);
    BOOL GetCellStyleForCopy(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, BOOL bComposed = FALSE);
    BOOL PasteCellsFromArchive(CArchive& ar, const CGECellRange& range, BOOL bCheckSize = FALSE);

    // ---- update hints (through the update-hint feature) ----
    void OnHint(CObject* pHint);

    // ---- feature installers (each defined with its feature) ----
    void InstallFindReplace();
    void InstallHideCells();
    void InstallAutoScroll();
    void InstallResizeToFit();
    void InstallUpdateHint();
    void InstallCommandFactory();
    void InstallSort();
    void InstallOldDrawing();
    void InstallCoveredCells();
    void InstallMergeCells();
    void InstallFloatCells();
    void InstallPrinting();
    void InstallUserSelectRange();
    void InstallExcelLikeFrame();
    void InstallUserDragSelectRange();
    void InstallUserResizeCells();
    void InstallOptimizedUpdate();
    void InstallMarkEditHeader();
    void InstallFreezeMenuHelper();
    void InstallDirectCopyMoveCells();
    void InstallTextDataExchange();
    void InstallStyleDataExchange();
    void InstallCutPaste();
    void InstallClearCells();
    void InstallMoveRowsCols();
    void InstallCalcSize();
    void InstallDrawSpannedCells();

    // ======================= the feature-object block =======================
    // Null means the feature is absent: its forwarders do nothing and return 0. The objects are deleted
    // with the grid through its auto-delete list.
    CGEAbstractGridPrintImp* m_pPrintImp = nullptr;
    CGEAbstractGridSortImp* m_pSortImp = nullptr;
    CGEAbstractGridOldDrawingImp* m_pOldDrawingImp = nullptr;
    CGEAbstractGridCoveredCellsImp* m_pCoveredCellsImp = nullptr;
    CGEAbstractDrawSpannedCellsImp* m_pDrawSpannedCellsImp = nullptr;
    CGEAbstractGridFloatCellsImp* m_pFloatCellsImp = nullptr;
    CGEAbstractGridMergeCellsImp* m_pMergeCellsImp = nullptr;
    CGEAbstractCommandFactory* m_pCommandFactory = nullptr;
    CGEAbstractCalcSizeImp* m_pCalcSizeImp = nullptr;
    CGEAbstractGridUpdateHintImp* m_pUpdateHintImp = nullptr;
    CGEAbstractGridResizeToFitImp* m_pResizeToFitImp = nullptr;
    CGEAbstractGridHideCellsImp* m_pHideCellsImp = nullptr;
    CGEAbstractGridFindReplaceImp* m_pFindReplaceImp = nullptr;
    CGEAbstractGridUserSelectRangeImp* m_pUserSelectRangeImp = nullptr;
    CGEAbstractGridExcelLikeFrameImp* m_pExcelLikeFrameImp = nullptr;
    CGEAbstractGridUserDragSelectRangeImp* m_pUserDragSelectRangeImp = nullptr;
    CGEAbstractGridMoveRowsColsImp* m_pMoveRowsColsImp = nullptr;
    CGEAbstractGridUserResizeCellsImp* m_pUserResizeCellsImp = nullptr;
    CGEAbstractGridOptimizedUpdateImp* m_pOptimizedUpdateImp = nullptr;
    CGEAbstractGridMarkEditHeaderImp* m_pMarkEditHeaderImp = nullptr;
    CGEAbstractGridFreezeMenuHelperImp* m_pFreezeMenuHelperImp = nullptr;
    CGEAbstractGridDirectCopyMoveCellsImp* m_pDirectCopyMoveCellsImp = nullptr;
    CGEAbstractGridTextDataExchangeImp* m_pTextDataExchangeImp = nullptr;
    CGEAbstractGridStyleDataExchangeImp* m_pStyleDataExchangeImp = nullptr;
    CGEAbstractGridCutPasteImp* m_pCutPasteImp = nullptr;
    CGEAbstractGridClearCellsImp* m_pClearCellsImp = nullptr;
    CGEAutoScrollPlugin* m_pAutoScrollPlugin = nullptr;

    // ======================= state the features and controls read and set =======================
    CGELibraryState* m_pAppState;
    // Current-cell state of the cell controls.
    BOOL m_bWndHasFocus = FALSE;
    BOOL m_bFocusChangeLock = FALSE;
    BOOL m_bDropDownOpen = FALSE;
    BOOL m_bDropDownLock = FALSE;
    BOOL m_bCreatingWindow = FALSE;
    BOOL m_bKeepFocus = FALSE;
    BOOL m_bListDropped = FALSE;
    BOOL m_bActiveFlag = FALSE; // set when the current cell is set; read by the controls' drawing
    const CGEStyle* m_pStyleInUse = nullptr;
    int m_nCurrentCommandType = geDo;
    // Selection state of the range-selection feature.
    POSITION m_posActiveRange = nullptr;
    ROWCOL m_nAnchorRow = 0, m_nAnchorCol = 0;
    ROWCOL m_nLastSelRow = 0, m_nLastSelCol = 0;
    WORD m_wButtonMode = 0; // bit 1 left button down, bit 2 mouse selection, bit 128 Ctrl at press
    ROWCOL m_nPressedRow = 0, m_nPressedCol = 0;
    UINT m_nPressedButtons = 0; // the press's key-state flags (MK_LBUTTON, MK_CONTROL, MK_SHIFT)
    BOOL m_bPendingSelExtension = FALSE;
    // Resize tracking state of the user-resizing feature.
    BOOL m_bTrackResize = FALSE;
    BOOL m_bTrackMoved = FALSE;
    int m_nTrackKind = 0;
    ROWCOL m_nTrackRow = 0, m_nTrackCol = 0;
    int m_nTrackInitialSize = 0;
    BOOL m_bTrackHadStoredSize = FALSE;
    int m_nTrackInitialBaseSize = 0; // the stored size of a line that was hidden when the drag began
    BOOL m_bTrackWasHidden = FALSE;
    CRect m_rectTrackEdge, m_rectTrackBorder, m_rectTrackCurrent;
    BOOL m_bTrackLive = FALSE, m_bTrackHeaderPreview = FALSE, m_bTrackDragLine = FALSE,
         m_bTrackInvertLine = FALSE, m_bTrackRedrawHeader = FALSE;
    CWnd* m_pDragLineWnd = nullptr; // shared with the drag of selected rows and columns
    BOOL m_bUserResizing = TRUE;
    // Drag state of the drag-and-drop feature: a drag is in progress, its kind (1 columns, 2 rows) and
    // where the block would drop now.
    BOOL m_bSelDragging = FALSE;
    int m_nSelDragKind = 0;
    ROWCOL m_nSelDragRow = 0, m_nSelDragCol = 0;
    // State of the spreadsheet-like frame: the range it is drawn around in cells (valid while a frame is
    // on screen), its handle kind (0 cells, 2 rows, 7 columns) and whether it is hidden.
    CGECellRange m_rangeFrame;
    int m_nFrameHandle = 0;
    BOOL m_bFrameHidden = FALSE;
    // Locks of the span features.
    BOOL m_bFloatEvalLock = FALSE;
    BOOL m_bMergeEvalLock = FALSE;
    BOOL m_bNoRedrawSpans = FALSE;
    // The row style caches of the floating and merging evaluations, and the range the merged-cells
    // feature recorded last.
    CGESpanStyleCache m_floatStyleCache;
    CGESpanStyleCache m_mergeStyleCache;
    CGECellRange m_rangeLastMerged;
    // Hints.
    BOOL m_bHintsEnabled = TRUE;
    int m_nHintId = -1;
    CView* m_pSendingView = nullptr;
    CWnd* m_pSplitterWnd = nullptr;
    int m_nSplitterRow = 0, m_nSplitterCol = 0;
    // Clipboard and search state.
    WORD m_wClipboardFlags = 0x0F;
    char m_cCopySeparator = '\t';
    CString m_strPasteSeparators = "\t";
    DWORD m_dwCopyMask = 0xFFFFFFFF;
    ROWCOL m_nLastCopiedRows = 0, m_nLastCopiedCols = 0;
    ROWCOL m_nLastSearchRow = 0;
    BOOL m_bSearchAbort = FALSE;
    BOOL m_bBulkChange = FALSE;
    // Print state.
    CRect m_rectPrint;
    ROWCOL m_nPrintTopRow = 1, m_nPrintLeftCol = 1;
    CDWordArray m_awRowPageStarts, m_awColPageStarts;
    BOOL m_bPrintSelection = FALSE;
    int m_nPreviewRowBand = 0, m_nPreviewColBand = 0;
    int m_nPrintCharWidth = 0, m_nPrintLineHeight = 0;
    BOOL m_bRedrawAfterPrint = FALSE;
    int m_nPrintDimensionMode = 2;
    // Undo: while set, moves to the recorded cell are kept until the grid places them.
    BOOL m_bDeferUndoCellMoves = FALSE;
    BOOL m_bUndoCellPending = FALSE;
    ROWCOL m_nUndoCellRow = 0, m_nUndoCellCol = 0;
    BOOL m_bSuppressUndoRecording = FALSE;
    // Alternative drawing path: set while a paint goes that way.
    BOOL m_bOldDrawingUnderWay = FALSE;

protected:
    // Which rows and columns a paint shows, and the paint itself.
    void BuildPaintTable(CGEPaintTable& table, const CRect& rectClip);
    void DrawPaintTable(CDC* pDC, CGEPaintTable& table);
    void FreePaintTable(CGEPaintTable& table);
    void DrawBuffered(CDC* pDC);
    void DrawDirect(CDC* pDC);
    void DrawOuterFrame(CDC* pDC);
    // Current-cell helpers.
    BOOL LeaveCurrentCell(ROWCOL nNewRow, ROWCOL nNewCol);
    void RedrawCurrentCellArea(ROWCOL nRow, ROWCOL nCol, UINT flags);
    BOOL FindNextSelectableRow(ROWCOL& nRow, int nStep, ROWCOL nCol);
    BOOL FindNextSelectableCol(ROWCOL& nCol, int nStep, ROWCOL nRow);
    // Scrolling helpers.
    ROWCOL GetFirstScrollRow();
    ROWCOL GetFirstScrollCol();
    ROWCOL CalcTopRowForBottom(ROWCOL nRow);
    ROWCOL CalcLeftColForRight(ROWCOL nCol);
    int PageRows();
    int PageCols();
    // Row and column twins.
    BOOL SetLineSizes(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, int nSize, const int* anSizes, UINT flags,
                      int ctCmd);
    void OnGridScrollBar(BOOL bVert, UINT nSBCode, UINT nPos);
    BOOL RouteButtonToCell(UINT message, UINT nFlags, CPoint point);
    // Undo helpers.
    void RecordSizeCommand(BOOL bRows, ROWCOL nFrom, ROWCOL nTo, int* anOld, int ctCmd);
    // Style helpers.
    static CString ColumnLetters(ROWCOL nCol);
    void TakeBaseStyles();

    CWnd* m_pGridWnd;
    CDocument* m_pDocument;
    BOOL m_bIsView;
    CGEGridParam* m_pParam = nullptr;
    BOOL m_bOwnParam = FALSE;
    BOOL m_bInitDone = FALSE;
    CRuntimeClass* m_pDataClass = nullptr;
    CRuntimeClass* m_pStyleClass = nullptr;
    CPtrList m_autoDeleteList; // CObject*
    CObList m_pluginList;      // CGEPluginComponent*

    int m_nZoom = 100;
    ROWCOL m_nTopRow = 1;
    ROWCOL m_nLeftCol = 1;

    // Styles.
    CGEStyle* m_pStyleStandard = nullptr; // kept from the styles map
    CGEStyle* m_pStyleColHeader = nullptr;
    CGEStyle* m_pStyleRowHeader = nullptr;
    std::map<WORD, CGEStyle*> m_mapBaseStyles;
    CGEStyle* m_pScratchStyle = nullptr;     // owned
    CGEStyle* m_pLookupStyle = nullptr;      // owned, the last LookupStyleRowCol
    CGEStyle* m_pCurrentCellStyle = nullptr; // owned cache of the current cell's composed style
    CPtrList m_recycledStyles;               // CGEStyle*
    BOOL m_bNoUpdateMarking = FALSE;
    BOOL m_bStopAtStoredValue = FALSE;

    // Controls.
    std::map<WORD, CGEControl*> m_mapControls; // owned
    WORD m_nLastControlId = 0;
    CGEControl* m_pLastControl = nullptr;
    CGEControl* m_pDefaultControl = nullptr;

    // Current cell.
    BOOL m_bCurrentCell = FALSE;
    ROWCOL m_nCurRow = 0;
    ROWCOL m_nCurCol = 0;
    CGEControl* m_pCurrentControl = nullptr;
    BOOL m_bPrinting = FALSE;
    BOOL m_bRefused = FALSE;
    CString m_strWarningText;

    // Keys and mouse.
    BYTE m_nLeadByte = 0;
    BOOL m_bLeadBytePending = FALSE;
    BOOL m_bDblClick = FALSE;
    BOOL m_bMovedWhilePressed = FALSE;
    BOOL m_bNoRedrawState = FALSE;
    BOOL m_bKeyScrolling = FALSE;
    UINT m_nKeyScrollChar = 0;
    UINT m_nKeyScrollFlags = 0;
    UINT m_nCursorId = 0;
    HCURSOR m_hCursor = nullptr;
    UINT m_nOverrideCursorId = 0;
    HCURSOR m_hcurDefault = nullptr;
    int m_nHitTestMargin = 8;

    // Scrolling.
    int m_nVScrollUnit = 1;
    int m_nHScrollUnit = 1;
    BOOL m_bHasVScroll = TRUE;
    BOOL m_bHasHScroll = TRUE;
    BOOL m_bVScrollShown = FALSE;
    BOOL m_bHScrollShown = FALSE;
    BOOL m_bScrollbarLock = FALSE;
    BOOL m_bAutoScrolling = FALSE;
    WORD m_wAutoScrollDirection = 0;
    WORD m_wAutoScrollSpeed = 0;
    int m_nAutoScrollStep = 0;
    UINT_PTR m_nAutoScrollTimer = 0;
    ROWCOL m_nLastVisibleRow = GE_INVALID;
    ROWCOL m_nLastVisibleCol = GE_INVALID;
    ROWCOL m_nCacheClientRow = 0, m_nCacheClientCol = 0;
    int m_nCacheRowTop = 0, m_nCacheColLeft = 0;
    BOOL m_bCacheValid = FALSE;

    // Drawing.
    BOOL m_bGridRect = FALSE;
    CRect m_rectGrid;
    int m_nDrawMode = 1;
    BOOL m_bLockUpdate = FALSE;
    BOOL m_bRedrawWanted = FALSE;
    BOOL m_bOuterFrame = FALSE;
    BOOL m_bPainting = FALSE;
    CDC* m_pPaintDC = nullptr;
    CDC* m_pGridDC = nullptr;                  // a client DC for measuring, cached until released
    CPtrList m_exclusionRects;                 // CRect*
    CPtrList m_refreshRects;                   // CRect*
    std::map<std::string, HGDIOBJ> m_gdiCache; // brushes, pens by their words
    std::map<std::string, CFont*> m_fontCache; // fonts by their scaled log font
    LOGFONTA m_lastLogFont{};
    CFont* m_pLastFont = nullptr;
    BOOL m_bAlternateLook;
};
