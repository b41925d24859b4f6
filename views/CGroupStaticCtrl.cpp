#include "views/CGroupStaticCtrl.h"

#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEGridCore.h"

#include <algorithm>

const CGEControlClass CGroupStaticCtrl::controlClass = {"CGroupStaticCtrl", &CGEStatic::controlClass};

namespace {
// The text starts this far after the box.
constexpr int kTextGap = 4;
constexpr COLORREF kFrame = RGB(128, 128, 128);
} // namespace

// ================================================================ the box

CGroupButton::CGroupButton(CGEControl* pOwner) : CGEButton(pOwner) {}

void CGroupButton::Draw(CDC* pDC, BOOL) {
    const CRect rect = GetRect();
    if (rect.IsRectEmpty())
        return;
    pDC->FillSolidRect(&rect, RGB(255, 255, 255));
    pDC->FillSolidRect(rect.left, rect.top, rect.Width(), 1, kFrame);
    pDC->FillSolidRect(rect.left, rect.bottom - 1, rect.Width(), 1, kFrame);
    pDC->FillSolidRect(rect.left, rect.top, 1, rect.Height(), kFrame);
    pDC->FillSolidRect(rect.right - 1, rect.top, 1, rect.Height(), kFrame);
    const int middleY = rect.top + rect.Height() / 2;
    pDC->FillSolidRect(rect.left + 2, middleY, rect.Width() - 4, 1, RGB(0, 0, 0));
    if (m_bCollapsed) {
        const int middleX = rect.left + rect.Width() / 2;
        pDC->FillSolidRect(middleX, rect.top + 2, 1, rect.Height() - 4, RGB(0, 0, 0));
    }
}

BOOL CGroupButton::LButtonDown(UINT, CPoint point) {
    return HitTest(point);
}

BOOL CGroupButton::LButtonUp(UINT, CPoint point) {
    if (!HitTest(point))
        return FALSE;
    auto* pOwner = static_cast<CGroupStaticCtrl*>(GetOwner());
    ROWCOL nRow = 0, nCol = 0;
    CGEGridCore* pGrid = pOwner->GetGridCore();
    if (pGrid->HitTest(point, &nRow, &nCol) != GE_HT_NOHIT)
        pOwner->PostCollapse(nRow, nCol);
    return TRUE;
}

// ================================================================ the cell

CGroupStaticCtrl::CGroupStaticCtrl(CGEGridCore* pGrid) : CGEStatic(pGrid), m_pButton(new CGroupButton(this)) {
    AppendChild(m_pButton);
}

UINT CGroupStaticCtrl::GetCollapsedMessage() {
    static const UINT message = ::RegisterWindowMessageA("ACX_GetCollapsed");
    return message;
}

UINT CGroupStaticCtrl::CollapseGroupMessage() {
    static const UINT message = ::RegisterWindowMessageA("ACX_CollapseGroup");
    return message;
}

CWnd* CGroupStaticCtrl::GetOwnerWindow() const {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pParent = pGridWnd->GetParent();
    return pParent != nullptr ? pParent : pGridWnd;
}

BOOL CGroupStaticCtrl::AskCollapsed(ROWCOL nRow) const {
    CWnd* pOwner = GetOwnerWindow();
    return pOwner != nullptr && pOwner->SendMessage(GetCollapsedMessage(), nRow, 0) != 0;
}

void CGroupStaticCtrl::PostCollapse(ROWCOL nRow, ROWCOL nCol) const {
    if (CWnd* pOwner = GetOwnerWindow())
        pOwner->PostMessage(CollapseGroupMessage(), nRow, nCol);
}

CRect CGroupStaticCtrl::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell,
                                        const CGEStyle* pStyle) {
    CRect rect = CGEStatic::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    m_cell = pRectCell != nullptr ? *pRectCell : m_pGrid->GetCellRect(nRow, nCol);
    rect.left = std::min<int>(rect.right, m_cell.left + 1 + CGroupButton::kSize + kTextGap);
    return rect;
}

void CGroupStaticCtrl::LayoutChildren(ROWCOL, ROWCOL, const CRect&) {
    const int top = m_cell.top + std::max(0, (m_cell.Height() - CGroupButton::kSize) / 2);
    m_pButton->SetRect(
        CRect(m_cell.left + 1, top, m_cell.left + 1 + CGroupButton::kSize, top + CGroupButton::kSize));
}

void CGroupStaticCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                            const CGEStyle* pStandardStyle) {
    m_pButton->SetCollapsed(AskCollapsed(nRow));
    CGEStatic::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
