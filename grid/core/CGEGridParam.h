// CGEGridParam: the grid's model, shared by every grid view that shows the same table. It knows nothing
// of windows: counts (through the cell data), header and frozen lines, default sizes and the sparse row
// heights and column widths that differ from them, hidden lines, the selection and covered ranges, the
// options of selection, sizing and editing, the remembered current cell, the undo and redo lists, and the
// styles map, properties and cell data it owns or borrows. Painting, hit-testing and scrolling read it.
//
// Sizes here are pixels at 100% zoom; the grid scales them by its zoom. A sum over any run of rows is
// arithmetic: default size times the count plus the few stored differences, less the hidden rows.
#pragma once

#include "framework/core/CObList.h"
#include "framework/core/CObject.h"
#include "framework/core/CPtrArray.h"
#include "framework/core/CString.h"
#include "grid/core/CGEBitArray.h"
#include "grid/core/CGEMapDWordToLong.h"
#include "grid/core/CGERangeList.h"
#include "grid/core/GECoreDefs.h"

class CGEData;
class CGEDelayedRangePool;
class CGEProperties;
class CGESpanCellPool;
class CGEStylesMap;

class CGEGridParam : public CObject {
    DECLARE_SERIAL(CGEGridParam)
public:
    CGEGridParam();
    // Deletes the owned styles map, data, properties, print device and pools, and the undo lists.
    ~CGEGridParam() override;

    // Assignment belongs to the parameter-copy feature (a deep copy); nothing without it.
    CGEGridParam& operator=(const CGEGridParam& src);
    // The archive form belongs to the document-serialisation feature; nothing without it.
    void Serialize(CArchive& ar) override;

    // ---- owned or borrowed parts ----
    CGEData* GetData() const { return m_pData; }
    CGEProperties* GetProperties() const { return m_pProperties; }
    CGEStylesMap* GetStylesMap() const { return m_pStylesMap; }
    // Each setter deletes the part held so far when it was owned, then keeps the new one.
    void SetData(CGEData* pData, BOOL bOwn = TRUE);
    void SetProperties(CGEProperties* pProperties, BOOL bOwn = TRUE);
    void SetStylesMap(CGEStylesMap* pStylesMap, BOOL bOwn = TRUE);
    // The properties' zoom in per cent (100 without properties).
    int GetZoom() const;

    // ---- counts (the data object's; 0 without one) ----
    ROWCOL GetRowCount() const;
    ROWCOL GetColCount() const;
    ROWCOL GetHeaderRows() const { return m_nHeaderRows; }
    ROWCOL GetHeaderCols() const { return m_nHeaderCols; }
    ROWCOL GetFrozenRows() const { return m_nFrozenRows; }
    ROWCOL GetFrozenCols() const { return m_nFrozenCols; }
    // Frozen rows always include the header rows; SetFrozenRows raises a smaller count to them.
    void SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeader);
    void SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeader);

    // ---- sizes (pixels at 100% zoom; hidden lines are not considered here) ----
    int GetDefaultRowHeight() const { return m_nDefaultRowHeight; }
    int GetDefaultColWidth() const { return m_nDefaultColWidth; }
    void SetDefaultRowHeight(int nHeight) { m_nDefaultRowHeight = nHeight > 0 ? nHeight : 0; }
    void SetDefaultColWidth(int nWidth) { m_nDefaultColWidth = nWidth > 0 ? nWidth : 0; }
    // The stored size of the line, else the default.
    int GetStoredRowHeight(ROWCOL nRow) const;
    int GetStoredColWidth(ROWCOL nCol) const;
    // A negative size removes the stored size (the default applies again).
    void StoreRowHeight(ROWCOL nRow, int nHeight);
    void StoreColWidth(ROWCOL nCol, int nWidth);
    BOOL HasStoredRowHeight(ROWCOL nRow) const;
    BOOL HasStoredColWidth(ROWCOL nCol) const;
    // Sums of the sizes of rows (columns) nFrom..nTo at the zoom, hidden ones counting 0 when bHidden;
    // arithmetic over the defaults, the stored sizes and the hidden flags (each size scaled as the grid
    // scales one line, so the sum equals the sum of the lines).
    LONGLONG SumRowHeights(ROWCOL nFrom, ROWCOL nTo, int nZoom = 100, BOOL bHidden = TRUE) const;
    LONGLONG SumColWidths(ROWCOL nFrom, ROWCOL nTo, int nZoom = 100, BOOL bHidden = TRUE) const;

    // ---- hidden lines (kept here, changed through the hidden-cells feature) ----
    BOOL IsRowHiddenBit(ROWCOL nRow) const { return m_abHiddenRows.GetBit(nRow); }
    BOOL IsColHiddenBit(ROWCOL nCol) const { return m_abHiddenCols.GetBit(nCol); }

    // ---- options of sizing, selection and the current cell ----
    void SetRowSizingFlags(WORD w) { m_wRowSizingFlags = w; }
    void SetColSizingFlags(WORD w) { m_wColSizingFlags = w; }
    BOOL TestRowSizingFlags(WORD wMask) const { return (m_wRowSizingFlags & wMask) != 0; }
    BOOL TestColSizingFlags(WORD wMask) const { return (m_wColSizingFlags & wMask) != 0; }
    void SetSelectionFlags(WORD w) { m_wSelectionFlags = w; }
    BOOL TestSelectionFlags(WORD wMask) const { return (m_wSelectionFlags & wMask) != 0; }
    void SetCurrentCellFlags(WORD w) { m_wCurrentCellFlags = w; }
    BOOL TestCurrentCellFlags(WORD wMask) const { return (m_wCurrentCellFlags & wMask) != 0; }
    BOOL IsSelectionDragEnabled() const { return m_bRowSelDrag; }
    BOOL IsColSelectionDragEnabled() const { return m_bColSelDrag; }
    void SetThumbTrackScroll(BOOL b) { m_bThumbTrack = b; }
    BOOL IsThumbTrackScroll() const { return m_bThumbTrack; }

    // ---- undo ----
    // Switches the recording of undo information; returns the former state.
    BOOL EnableUndo(BOOL bEnable);
    BOOL IsUndoEnabled() const { return m_bUndoEnabled; }
    void EmptyUndoList();
    void EmptyRedoList();

    // ---- flags of the parameter object ----
    BOOL IsInit() const { return m_bIsInit; }
    void SetInit(BOOL b) { m_bIsInit = b; }
    BOOL IsLockUpdate() const { return m_bLockUpdate; }
    // Returns the former state.
    BOOL SetLockUpdate(BOOL b);
    BOOL IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(BOOL b) { m_bReadOnly = b; }

    // Rebuilds the covered-cell pool from the covered ranges (nothing without a pool or the covered-cell
    // pool feature).
    void RebuildSpanCellPool();

    // ---- data members (read and set by the grid and its features) ----
    CGEData* m_pData = nullptr;
    BOOL m_bOwnData = FALSE;
    CGEProperties* m_pProperties = nullptr;
    BOOL m_bOwnProperties = FALSE;
    CGEStylesMap* m_pStylesMap = nullptr;
    BOOL m_bOwnStylesMap = FALSE;
    CObject* m_pPrintDevice = nullptr; // a CGEPrintDevice
    BOOL m_bOwnPrintDevice = FALSE;

    ROWCOL m_nHeaderRows = 0; // rows after row 0 that act as headers
    ROWCOL m_nHeaderCols = 0;
    ROWCOL m_nFrozenRows = 0; // rows 1..n stay in view (the header rows among them)
    ROWCOL m_nFrozenCols = 0;
    // Freeze menu: the lines frozen from the menu and where they came from (first, count, origin).
    ROWCOL m_nFreezeRowsFirst = 0, m_nFreezeRowsCount = 0, m_nFreezeRowsOrigin = 0;
    ROWCOL m_nFreezeColsFirst = 0, m_nFreezeColsCount = 0, m_nFreezeColsOrigin = 0;

    int m_nDefaultRowHeight = 19;
    int m_nDefaultColWidth = 64;
    int m_nMinRowHeight = 0;
    int m_nMinColWidth = 0;
    CGEMapDWordToLong m_RowHeights; // rows whose height differs from the default
    CGEMapDWordToLong m_ColWidths;
    CGEBitArray m_abHiddenRows;
    CGEBitArray m_abHiddenCols;

    WORD m_wRowSizingFlags = 178;
    WORD m_wColSizingFlags = 178;
    WORD m_wSelectionFlags = 255;
    WORD m_wCurrentCellFlags = 0;
    BOOL m_bRowSelDrag = TRUE;
    BOOL m_bColSelDrag = TRUE;
    BOOL m_bThumbTrack = TRUE;
    BOOL m_bDragFill = FALSE;          // the bottom-right corner of a selection can be dragged
    BOOL m_bDragSelectedRanges = TRUE; // a press inside a selected range may start a drag
    BOOL m_bMarkSelection = FALSE;     // selected cells are drawn with a grey interior
    BOOL m_bInvertSelection = TRUE;    // selected cells are drawn inverted
    BOOL m_bKeepSelectionOnEsc = FALSE;
    BOOL m_bPendingEdit = FALSE;   // Esc ends a pending edit first
    WORD m_wEnterKeyDirection = 0; // 0 Enter stays in the cell, else a direction (GE_DOWN ...)
    BOOL m_bWrapCursorKeys = FALSE;
    BOOL m_bAutoScroll = TRUE;
    BOOL m_bKeyScroll = FALSE;

    CGERangeList m_SelectedRanges; // the last one is the range the user extends
    CGERangeList m_CopiedRanges;
    CGERangeList m_CoveredRanges;
    BOOL m_bDirectCopy = FALSE;
    BOOL m_bDirectMove = FALSE;
    BOOL m_bCutPending = FALSE;

    // Editing options of the cell controls.
    WORD m_wActivateFlags =
        0x000B; // bit 0 click on text, bits 1-2 click on cell (4: at Init), bit 3 double click
    BOOL m_bLockReadOnly = TRUE; // read-only cells refuse changes
    BOOL m_bReadOnly = FALSE;
    int m_nCurrentCellFrameMode = 0; // 0 always, 2 only while the grid window has the focus
    BOOL m_bHideCurrentCellFrame = FALSE;
    WORD m_wActivationMode = 0;
    BOOL m_bNoFrozenLineAdjust = FALSE;
    BOOL m_bTransparentBackground = FALSE;
    BOOL m_bPlainValue = FALSE;
    BOOL m_bRangeClipboard = TRUE;
    WORD m_wClearOption = 0;
    int m_nDropDownHeight = 100;
    CPtrArray m_apTabComboKeys,
        m_apTabComboTexts; // tabbed-combo lookup maps (CObject*, owned) by choice-list id
    DWORD m_dwTabComboGeneration = 0;
    BOOL m_bExcelLikeFrame = FALSE;
    BOOL m_bExcelLikeCurrentCell = FALSE;
    BOOL m_bAlternateLook = TRUE;
    BOOL m_bOldDrawing = FALSE;
    BOOL m_bPrintFrameAdjust = FALSE; // the printed frame closes one pixel tighter around the cells
    BOOL m_bNoDrawing = FALSE;        // painting is switched off
    BOOL m_bMeasureStoredValues = FALSE;

    BOOL m_bNumberedRowHeaders = TRUE; // row headers show the row number
    BOOL m_bNumberedColHeaders = TRUE; // column headers show letters A, B, ...
    BOOL m_bSortRowsOnDblClk = FALSE;
    BOOL m_bSortColsOnDblClk = FALSE;
    ROWCOL m_nLastSortedRow = GE_INVALID;
    ROWCOL m_nLastSortedCol = GE_INVALID;
    BOOL m_bLastSortAscending = TRUE;
    BOOL m_bSharedSettings = FALSE; // hints of engine settings reach every view

    WORD m_wFloatCellsMode = 0; // 0 off, 1 delayed, 2 immediate
    WORD m_wMergeCellsMode = 0;
    // Pools of the span features, owned: floated cells and their pending evaluation (and the same for
    // printing), merged cells by direction and their pending evaluation, the covered-cell pool (a
    // CGECoveredCellPool of the covered-cells feature).
    CGESpanCellPool* m_pFloatPool = nullptr;
    CGEDelayedRangePool* m_pFloatDelayPool = nullptr;
    CGESpanCellPool* m_pPrintFloatPool = nullptr;
    CGEDelayedRangePool* m_pPrintFloatDelayPool = nullptr;
    CGESpanCellPool* m_pHorzMergePool = nullptr;
    CGESpanCellPool* m_pVertMergePool = nullptr;
    CGEDelayedRangePool* m_pMergeDelayPool = nullptr;
    CObject* m_pCoveredCellPool = nullptr;

    CString m_strName; // the grid's sheet name

    // The current cell, so that views sharing this object agree.
    BOOL m_bCurrentCell = FALSE;
    ROWCOL m_nCurrentRow = 0;
    ROWCOL m_nCurrentCol = 0;
    // A selection to apply when a grid next initialises with this object.
    BOOL m_bPendingRange = FALSE;
    CGECellRange m_PendingRange;

    // Undo: newest first; the limit counts entries; the depth of open blocks.
    CObList m_UndoList;
    CObList m_RedoList;
    UINT m_nUndoLimit = 100;
    int m_nBlockDepth = 0;
    CString m_strBlockName;
    BOOL m_bUndoEnabled = TRUE;
    BOOL m_bUndoNotification = TRUE;

    BOOL m_bLockUpdate = FALSE;
    BOOL m_bIsInit = FALSE;

private:
    void DeletePools();
};
