// CLogView: construction, initial update, drawing, updates, and the column layout with its widths.
#include "views/CLogView.h"

#include "foundation/Registry.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CWinThread.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "timelog/CLogHint.h"
#include "views/CGridColumn.h"
#include "views/CLogRowMarkerControl.h"
#include "views/CSortHeader.h"
#include "views/LogColumnShares.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNCREATE(CLogView, CGEBrowserView)

BEGIN_MESSAGE_MAP(CLogView, CGEBrowserView)
ON_WM_SIZE()
ON_WM_MOUSEWHEEL()
ON_COMMAND(ID_VIEW_COLUMNS, OnViewColumns)
ON_COMMAND(ID_EDIT_DELETE_ROWS, OnDeleteRows)
ON_UPDATE_COMMAND_UI(ID_EDIT_DELETE_ROWS, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateEditCopy)
ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndoCmd)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

namespace {

// The log columns in the order they are defined (the default order).
struct ColumnDefinition {
    int id;
    UINT titleId;
    int width;
    bool visible;
};
constexpr ColumnDefinition kColumns[] = {
    {CLogView::colStart, IDS_COLUMN_START, 14, true},
    {CLogView::colStop, IDS_COLUMN_STOP, 14, true},
    {CLogView::colElapsed, IDS_COLUMN_ACTUAL_WORK, 10, true},
    {CLogView::colProject, IDS_COLUMN_PROJECT, 12, true},
    {CLogView::colCategory, IDS_COLUMN_CATEGORY, 13, false},
    {CLogView::colDescription, IDS_COLUMN_DESCRIPTION, 20, true},
    {CLogView::colBilled, IDS_COLUMN_BILLED, 5, true},
    {CLogView::colBillable, IDS_COLUMN_BILLABLE, 5, false},
    {CLogView::colClient, IDS_COLUMN_CLIENT, 12, false},
    {CLogView::colText1, IDS_COLUMN_TEXT1, 20, false},
    {CLogView::colText2, IDS_COLUMN_TEXT2, 20, false},
    {CLogView::colText3, IDS_COLUMN_TEXT3, 20, false},
    {CLogView::colSubsystem, IDS_COLUMN_SUBSYSTEM, 13, false},
    {CLogView::colRounded, IDS_COLUMN_ROUNDED, 6, false},
    {CLogView::colCostClient, IDS_COLUMN_COST_CLIENT, 10, false},
    {CLogView::colCostSalary, IDS_COLUMN_COST_SALARY, 10, false},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

// A width value is hundredths of the data width.
constexpr int kMaxWidthValue = 100;
constexpr DWORD kShareOfWidthValue = 100;

// The engine's user-resizing and selection settings of the log grid.
constexpr WORD kColSizingFlags = 42;
constexpr WORD kRowSizingFlags = 0;
constexpr WORD kSelectionFlags = 253;

// The first drawings empty the undo list the set-up filled.
constexpr int kUndoClearingDraws = 3;

} // namespace

CLogView::CLogView() : m_FilterFrom(CTime::GetCurrentTime()), m_FilterTo(m_FilterFrom) {}

CLogView::~CLogView() {
    DeleteColumns();
}

CLogDoc* CLogView::GetLogDocument() const {
    return dynamic_cast<CLogDoc*>(GetDocument());
}

CLogEntry* CLogView::GetEntryOfRecord(long nRecord) const {
    const CLogDoc* pDoc = GetLogDocument();
    return pDoc != nullptr ? pDoc->GetLogEntryAt(static_cast<int>(nRecord)) : nullptr;
}

long CLogView::GetRecordCount() {
    const CLogDoc* pDoc = GetLogDocument();
    return pDoc != nullptr ? pDoc->GetLogEntryCount() : 0;
}

// ================================================================ initial update, drawing, updates

void CLogView::OnInitialUpdate() {
    CGEBrowserView::OnInitialUpdate();
    CGEGridParam* pParam = GetParam();
    const BOOL bOldLock = LockUpdate(TRUE);
    const BOOL bOldUndo = pParam->EnableUndo(FALSE);
    RegisterControl(IDS_CTRL_SORT_HEADER, new CSortHeader(this), FALSE, TRUE);
    InitBrowserSettings();
    SetupColumns();
    LoadSortSettings();
    RegisterControl(IDS_CTRL_LOG_ROW_HEADER, new CLogRowMarkerControl(this, this, GetLogDocument()), FALSE,
                    TRUE);
    CGEStyle& rowHeader = GetRowHeaderStyle();
    rowHeader.SetControl(IDS_CTRL_LOG_ROW_HEADER);
    rowHeader.SetEnabled(FALSE);
    ResetCurrentCellStyleCache();
    pParam->SetColSizingFlags(kColSizingFlags);
    pParam->SetRowSizingFlags(kRowSizingFlags);
    pParam->SetSelectionFlags(kSelectionFlags);
    pParam->SetThumbTrackScroll(TRUE);
    ApplySort();
    if (const CLogDoc* pDoc = GetLogDocument())
        ApplyFilter(pDoc->m_ViewFilter);
    ApplyGrayBar();
    pParam->EnableUndo(bOldUndo);
    LockUpdate(bOldLock);
    Redraw(GE_INVALIDATE, FALSE);
}

void CLogView::OnDraw(CDC* pDC) {
    if (m_bFirstDraw) {
        m_bFirstDraw = 0;
        // The last rows in view: the last row at the bottom of the window, not alone at its top.
        const ROWCOL nLast = GetRowCount();
        if (nLast > GetHeaderRows())
            SetTopRow(CalcTopRowForBottom(nLast), GE_NOREDRAW, FALSE);
    }
    if (++s_nDrawCount <= kUndoClearingDraws && GetParam() != nullptr)
        GetParam()->EmptyUndoList();
    CGEBrowserView::OnDraw(pDC);
}

void CLogView::OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) {
    // The document refreshes this view itself after its list edits.
    if (pHint != nullptr && pHint->IsKindOf(RUNTIME_CLASS(CLogHint)))
        return;
    CGEBrowserView::OnUpdate(pSender, lHint, pHint);
}

void CLogView::OnSize(UINT nType, int cx, int cy) {
    CGEBrowserView::OnSize(nType, cx, cy);
    ResetLastVisible();
    UpdateScrollbars();
    // The columns share the width out again.
    Invalidate(FALSE);
}

// ================================================================ column layout

void CLogView::DeleteColumns() {
    for (INT_PTR i = 0; i < m_Columns.GetSize(); ++i)
        delete static_cast<CGridColumn*>(m_Columns[i]);
    m_Columns.RemoveAll();
}

void CLogView::SetupColumns() {
    DeleteColumns();
    // Each column goes to its stored position. Positions that repeat or run past the end keep the
    // definition order among them, so no column is lost whatever the registry holds.
    std::vector<std::pair<int, CGridColumn*>> placed;
    for (const ColumnDefinition& definition : kColumns) {
        auto* pColumn = new CGridColumn(definition.id, definition.titleId);
        int index = static_cast<int>(placed.size());
        RegReadInt(REG_COLUMNS_INDEX_KEY, pColumn->m_Title, &index);
        if (index < 0)
            index = kColumnCount;
        int width = definition.width;
        RegReadInt(REG_COLUMNS_WIDTH_KEY, pColumn->m_Title, &width);
        pColumn->m_Width = std::clamp(width, 0, kMaxWidthValue);
        bool visible = false;
        pColumn->m_bVisible =
            RegReadBool(REG_COLUMNS_VISIBLE_KEY, pColumn->m_Title, &visible) ? visible : definition.visible;
        placed.emplace_back(index, pColumn);
    }
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    m_Shares.RemoveAll();
    for (const auto& [index, pColumn] : placed) {
        m_Columns.Add(pColumn);
        m_Shares.Add(pColumn->m_bVisible ? static_cast<DWORD>(pColumn->m_Width) * kShareOfWidthValue : 0);
    }
    FitColumnShares();
    SetColCount(static_cast<ROWCOL>(GetColumnCount()), GE_NOREDRAW);
    if (CGEBrowseParam* pParam = GetBrowseParam())
        pParam->ResetEditBuffer(GetColCount());
    // The header titles and the cells' controls come from the columns when they are drawn.
    Redraw(GE_INVALIDATE, FALSE);
}

void CLogView::FitColumnShares() {
    const int description = FindColumnIndex(colDescription);
    LogColumnShares::Fit(m_Shares,
                         description >= 0 && GetColumnAt(description)->m_bVisible ? description : -1);
}

void CLogView::SaveColumns() {
    for (int i = 0; i < GetColumnCount(); ++i) {
        const CGridColumn* pColumn = GetColumnAt(i);
        RegWriteInt(REG_COLUMNS_INDEX_KEY, pColumn->m_Title, i);
        RegWriteInt(REG_COLUMNS_WIDTH_KEY, pColumn->m_Title, pColumn->m_Width);
        RegWriteBool(REG_COLUMNS_VISIBLE_KEY, pColumn->m_Title, pColumn->m_bVisible != FALSE);
    }
}

void CLogView::SetColumnOrder(const std::vector<CGridColumn*>& order, const std::vector<BOOL>& visible) {
    // Only a rearrangement of the view's own descriptors is taken.
    if (order.size() != static_cast<size_t>(GetColumnCount()) || visible.size() != order.size())
        return;
    for (CGridColumn* pColumn : order) {
        if (FindColumnIndex(pColumn != nullptr ? pColumn->m_ColumnId : -1) < 0)
            return;
    }
    for (size_t i = 0; i < order.size(); ++i) {
        m_Columns[static_cast<INT_PTR>(i)] = order[i];
        order[i]->m_bVisible = visible[i];
    }
}

// ================================================================ column look-ups

CGridColumn* CLogView::GetColumnAt(int index) const {
    return index >= 0 && index < GetColumnCount() ? static_cast<CGridColumn*>(m_Columns[index]) : nullptr;
}

int CLogView::FindColumnIndex(int columnId) const {
    for (int i = 0; i < GetColumnCount(); ++i) {
        if (GetColumnAt(i)->m_ColumnId == columnId)
            return i;
    }
    return -1;
}

CGridColumn* CLogView::FindColumnByTitle(const char* title) const {
    for (int i = 0; i < GetColumnCount(); ++i) {
        if (GetColumnAt(i)->m_Title.CompareNoCase(title) == 0)
            return GetColumnAt(i);
    }
    return nullptr;
}

int CLogView::GetColumnIndexOfGridCol(ROWCOL nCol) {
    if (nCol <= GetHeaderCols() || nCol > GetColCount())
        return -1;
    const int index = GetFieldIndexOfCol(nCol);
    return index >= 0 && index < GetColumnCount() ? index : -1;
}

ROWCOL CLogView::GetGridColOfColumn(int index) {
    const ROWCOL nCols = GetColCount();
    for (ROWCOL nCol = GetHeaderCols() + 1; nCol <= nCols; ++nCol) {
        if (GetColumnIndexOfGridCol(nCol) == index)
            return nCol;
    }
    return 0;
}

BOOL CLogView::IsColumnHidden(int columnId) const {
    const CGridColumn* pColumn = GetColumnAt(FindColumnIndex(columnId));
    return pColumn == nullptr || !pColumn->m_bVisible;
}

CString CLogView::GetColumnTitle(int columnId) const {
    const CGridColumn* pColumn = GetColumnAt(FindColumnIndex(columnId));
    return pColumn != nullptr ? pColumn->m_Title : CString();
}

CString CLogView::GetDefaultColumnTitle(int columnId) {
    for (const ColumnDefinition& definition : kColumns) {
        if (definition.id == columnId)
            return CString(MAKEINTRESOURCE(definition.titleId));
    }
    return CString();
}

DWORD CLogView::GetColumnShare(int index) const {
    return index >= 0 && index < m_Shares.GetSize() ? m_Shares[index] : 0;
}

void CLogView::GetShownColumnIds(CDWordArray& ids) {
    ids.RemoveAll();
    const ROWCOL nCols = GetColCount();
    for (ROWCOL nCol = GetHeaderCols() + 1; nCol <= nCols; ++nCol) {
        const CGridColumn* pColumn = GetColumnAt(GetColumnIndexOfGridCol(nCol));
        if (pColumn != nullptr && pColumn->m_bVisible)
            ids.Add(static_cast<DWORD>(pColumn->m_ColumnId));
    }
}

// ================================================================ widths

int CLogView::GetDataWidth() {
    return GetGridArea().Width() - CGEBrowserView::GetColWidth(0);
}

int CLogView::GetColWidth(ROWCOL nCol) {
    if (nCol == 0)
        return CGEBrowserView::GetColWidth(0);
    if (IsColHidden(nCol))
        return 0;
    const int index = GetColumnIndexOfGridCol(nCol);
    const CGridColumn* pColumn = GetColumnAt(index);
    if (pColumn == nullptr || !pColumn->m_bVisible)
        return 0;
    return LogColumnShares::WidthOfShare(static_cast<long>(GetColumnShare(index)),
                                         std::max(GetDataWidth(), 0));
}

BOOL CLogView::StoreColWidth(ROWCOL nCol, int nWidth) {
    if (nCol == 0)
        return CGEBrowserView::StoreColWidth(nCol, nWidth);
    const ROWCOL nCols = GetColCount();
    if (nCol >= nCols)
        return FALSE;
    // The shown columns in display order, and the place of the resized one among them.
    std::vector<int> displayOrder;
    int position = -1;
    for (ROWCOL c = GetHeaderCols() + 1; c <= nCols; ++c) {
        const int index = GetColumnIndexOfGridCol(c);
        const CGridColumn* pColumn = GetColumnAt(index);
        if (pColumn == nullptr || !pColumn->m_bVisible || IsColHidden(c))
            continue;
        if (c == nCol)
            position = static_cast<int>(displayOrder.size());
        displayOrder.push_back(index);
    }
    const long share = LogColumnShares::ShareOfWidth(nWidth, GetDataWidth());
    if (!LogColumnShares::Resize(m_Shares, displayOrder, position, share))
        return FALSE;
    // The widths written are those of the new shares, so the resize outlasts the next start.
    for (int i = 0; i < GetColumnCount(); ++i) {
        CGridColumn* pColumn = GetColumnAt(i);
        if (pColumn->m_bVisible)
            pColumn->m_Width = static_cast<int>(m_Shares[i] / kShareOfWidthValue);
    }
    ResetLastVisible();
    if (GetSafeHwnd() != nullptr)
        Invalidate(FALSE);
    if (!IsTrackingResize())
        SaveColumns();
    return TRUE;
}
