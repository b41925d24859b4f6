#include "views/CLogRowMarkerControl.h"

#include "foundation/Registry.h"
#include "framework/win/CDC.h"
#include "grid/GridResource.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "resource.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

#include <algorithm>

namespace {

constexpr UINT kBitmaps[6] = {GE_IDB_ROW_EDIT,       GE_IDB_ROW_APPEND,       GE_IDB_ROW_CURRENT,
                              IDB_ROW_WAIT_DATABASE, IDB_ROW_WAIT_QUICKBOOKS, IDB_ROW_RUNNING};
constexpr COLORREF kTransparent = RGB(192, 192, 192);

} // namespace

CLogRowMarkerControl::CLogRowMarkerControl(CGEGridCore* pGrid, CLogView* pView, CLogDoc* pDoc)
    : CGEControl(pGrid), m_pGridCore(pGrid), m_pView(pView), m_pDoc(pDoc) {
    for (int i = 0; i < 6; ++i) {
        BITMAP bm{};
        if (m_bitmaps[i].LoadBitmap(kBitmaps[i]) && m_bitmaps[i].GetBitmap(&bm) != 0)
            m_images[i].Create(kBitmaps[i], bm.bmWidth, 0, kTransparent);
    }
}

CLogRowMarkerControl::~CLogRowMarkerControl() = default;

UINT CLogRowMarkerControl::BitmapOfMark(Mark mark) {
    return mark >= markEditing && mark <= markRunning ? kBitmaps[mark] : 0;
}

CSize CLogRowMarkerControl::GetMarkSize(Mark mark) const {
    BITMAP bm{};
    if (mark < markEditing || mark > markRunning || m_bitmaps[mark].GetSafeHandle() == nullptr ||
        m_bitmaps[mark].GetBitmap(&bm) == 0)
        return CSize(0, 0);
    return CSize(bm.bmWidth, bm.bmHeight);
}

bool CLogRowMarkerControl::IsRunningEntry(const CLogEntry& entry) const {
    if (!entry.IsRunning() || !m_pDoc->IsTiming())
        return false;
    CString guid;
    RegReadString(REG_LOGGING, "Guid", guid);
    return guid.IsEmpty() || guid.CompareNoCase(entry.m_GUID) == 0;
}

CLogRowMarkerControl::Mark CLogRowMarkerControl::GetRowMark(ROWCOL nRow) {
    if (m_pView == nullptr || m_pDoc == nullptr)
        return markNone;
    ROWCOL nCurRow = 0, nCurCol = 0;
    const bool current = nRow > 0 && m_pView->GetCurrentCell(nCurRow, nCurCol) && nCurRow == nRow;
    const bool editing = m_pView->GetEditMode() != CGEBrowseParam::noMode;
    const ROWCOL nAppend = m_pView->GetAppendRow();
    const bool newRecord = m_pView->CanAppend() && nAppend != GE_INVALID &&
                           (nRow == nAppend || (editing && nRow == nAppend + 1));
    if (current && editing)
        return markEditing;
    if (newRecord)
        return markNewRecord;
    if (current)
        return markCurrent;
    const CLogEntry* pEntry = m_pView->GetEntryAtRow(nRow);
    if (pEntry == nullptr)
        return markNone;
    if (pEntry->m_Pending)
        return markWaitDatabase;
    if (pEntry->m_Mark1)
        return markWaitQuickBooks;
    return IsRunningEntry(*pEntry) ? markRunning : markNone;
}

void CLogRowMarkerControl::DrawHeaderFrame(CDC* pDC, const CRect& rect) {
    if (m_nFrameFlag != 0) {
        CRect edge(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
        pDC->DrawEdge(&edge, BDR_RAISEDINNER, BF_RECT);
        return;
    }
    // A light edge along the top and left, one pixel in.
    CRect edge(rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1);
    const COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    pDC->FillSolidRect(edge.left, edge.top, edge.Width(), 1, highlight);
    pDC->FillSolidRect(edge.left, edge.top, 1, edge.Height(), highlight);
}

void CLogRowMarkerControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                                const CGEStyle* pStandardStyle) {
    if (m_pGridCore->IsPrinting() || m_pView == nullptr || m_pDoc == nullptr)
        return;
    const Mark mark = GetRowMark(nRow);
    DrawCellBackground(pDC, rect, style, TRUE);
    const CGEProperties* pProperties = m_pGridCore->GetProperties();
    if (pProperties != nullptr && pProperties->m_b3dHeaders)
        DrawHeaderFrame(pDC, rect);
    if (mark != markNone && m_images[mark].GetSafeHandle() != nullptr) {
        CSize size = GetMarkSize(mark);
        pDC->DPtoLP(&size);
        if (size.cx <= rect.Width() && size.cy <= rect.Height()) {
            const CPoint at(rect.left + std::max<int>(1, (rect.Width() - size.cx) / 2),
                            rect.top + std::max<int>(1, (rect.Height() - size.cy) / 2));
            m_images[mark].Draw(pDC, 0, at, ILD_TRANSPARENT);
        }
    }
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
