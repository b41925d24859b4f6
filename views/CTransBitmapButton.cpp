#include "views/CTransBitmapButton.h"

#include "framework/core/CStringArray.h"
#include "framework/win/CBitmap.h"
#include "framework/win/CDC.h"
#include "framework/win/CFileDialog.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGERangeList.h"
#include "resource.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// Frames of the face: raised when up, sunken when pushed.
constexpr UINT kEdgeUp = EDGE_RAISED;
constexpr UINT kEdgePushed = EDGE_SUNKEN;
// The open-file dialog's name buffer.
constexpr DWORD kFileBufferSize = 1000;
} // namespace

CTransBitmapButtonBase::CTransBitmapButtonBase(CGEControl* pOwner, UINT bitmapId)
    : CGEButton(pOwner), m_bitmapId(bitmapId) {}

CPoint CTransBitmapButtonBase::PlaceBitmap(const CRect& face, CSize bitmap, BOOL bPushed) {
    const int push = bPushed ? 1 : 0;
    return CPoint(face.left + std::max<int>(0, (face.Width() - bitmap.cx) / 2) + push,
                  face.top + std::max<int>(0, (face.Height() - bitmap.cy) / 2) + push);
}

void CTransBitmapButtonBase::Draw(CDC* pDC, BOOL bFocus) {
    CRect rect = GetRect();
    if (rect.IsRectEmpty())
        return;
    const BOOL bPushed = IsPushed(bFocus);
    pDC->FillSolidRect(&rect, ::GetSysColor(COLOR_BTNFACE));
    pDC->DrawEdge(&rect, bPushed ? kEdgePushed : kEdgeUp, BF_RECT);
    rect.DeflateRect(0, 2);
    CBitmap bitmap;
    BITMAP info{};
    if (m_bitmapId == 0 || !bitmap.LoadBitmap(m_bitmapId) || bitmap.GetBitmap(&info) == 0)
        return;
    const CPoint at = PlaceBitmap(rect, CSize(info.bmWidth, info.bmHeight), bPushed);
    // Clipped to the face less its last pixel.
    const int width = std::min<int>(info.bmWidth, rect.right - 1 - at.x);
    const int height = std::min<int>(info.bmHeight, rect.bottom - 1 - at.y);
    if (width <= 0 || height <= 0)
        return;
    CDC memory;
    memory.CreateCompatibleDC(pDC);
    CBitmap* pOld = memory.SelectObject(&bitmap);
    pDC->BitBlt(at.x, at.y, width, height, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(pOld);
}

UINT CParentPostButton::BtnPostMessage() {
    static const UINT message = ::RegisterWindowMessageA("ACX_BtnPost");
    return message;
}

void CParentPostButton::OnClicked() {
    CGEGridCore* pGrid = GetOwner()->GetGridCore();
    CWnd* pGridWnd = GetOwner()->GetGridWindow();
    if (pGrid == nullptr || pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return;
    ROWCOL nRow = 0, nCol = 0;
    CGERangeList ranges;
    if (pGrid->GetSelectedRanges(ranges, TRUE) && ranges.GetCount() > 0) {
        const auto* pFirst = static_cast<const CGECellRange*>(ranges.GetHead());
        nRow = pFirst->top;
        nCol = pFirst->left;
    }
    if (CWnd* pTarget = GetPostTarget(pGridWnd))
        pTarget->PostMessage(BtnPostMessage(), nRow, nCol);
}

CWnd* CParentPostButton::GetPostTarget(CWnd* pGridWnd) const {
    CWnd* pOwner = pGridWnd->GetParent();
    return pOwner != nullptr ? pOwner : pGridWnd;
}

CString CFileOpenButton::JoinChosenFiles(const char* buffer) {
    if (buffer == nullptr || *buffer == '\0')
        return CString();
    const char* first = buffer;
    const char* next = first + std::strlen(first) + 1;
    if (*next == '\0')
        return CString(first); // one file: its full path
    CString joined;
    for (const char* name = next; *name != '\0'; name += std::strlen(name) + 1) {
        if (!joined.IsEmpty())
            joined += ",";
        joined += first;
        joined += "\\";
        joined += name;
    }
    return joined;
}

void CFileOpenButton::OnClicked() {
    CGEControl* pOwner = GetOwner();
    CGEGridCore* pGrid = pOwner->GetGridCore();
    if (pGrid == nullptr || !pOwner->IsBoundToCell())
        return;
    CString filter;
    filter.LoadString(IDS_ALL_FILES_FILTER);
    CFileDialog dlg(TRUE, nullptr, nullptr,
                    OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY |
                        OFN_EXPLORER,
                    filter, pOwner->GetGridWindow());
    std::vector<char> names(kFileBufferSize, '\0');
    dlg.m_ofn.lpstrFile = names.data();
    dlg.m_ofn.nMaxFile = kFileBufferSize;
    if (dlg.DoModal() != IDOK)
        return;
    const ROWCOL nRow = pOwner->GetBoundRow();
    const ROWCOL nCol = pOwner->GetBoundCol();
    pGrid->SetValueRange(CGECellRange(nRow, nCol, nRow, nCol), JoinChosenFiles(names.data()));
}
