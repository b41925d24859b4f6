// The drawing-resource cache (brushes, pens and fonts made once per look and zoom, freed together) and
// the invalidation of the whole grid, of blocks of cells and of ranges.
#include "framework/win/CClientDC.h"
#include "framework/win/CFont.h"
#include "framework/win/CWnd.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cstring>

namespace {

std::string KeyOf(char kind, const void* pData, size_t nSize) {
    std::string key(1, kind);
    key.append(static_cast<const char*>(pData), nSize);
    return key;
}

} // namespace

HBRUSH CGEGridCore::LookupBrush(const CGEStyleBrush& brush) {
    LOGBRUSH lb{};
    brush.GetLogBrush(lb);
    const std::string key = KeyOf('b', &lb, sizeof lb);
    const auto found = m_gdiCache.find(key);
    if (found != m_gdiCache.end())
        return static_cast<HBRUSH>(found->second);
    HBRUSH hBrush = ::CreateBrushIndirect(&lb);
    if (hBrush != nullptr)
        m_gdiCache[key] = hBrush;
    return hBrush;
}

HPEN CGEGridCore::LookupPen(const CGELinePen& pen) {
    if (!pen.IsSet())
        return nullptr;
    LOGPEN lp{};
    pen.GetLogPen(lp);
    const std::string key = KeyOf('p', &lp, sizeof lp);
    const auto found = m_gdiCache.find(key);
    if (found != m_gdiCache.end())
        return static_cast<HPEN>(found->second);
    HPEN hPen = ::CreatePenIndirect(&lp);
    if (hPen != nullptr)
        m_gdiCache[key] = hPen;
    return hPen;
}

CFont* CGEGridCore::LookupFont(const CGEStyle& style) {
    LOGFONTA lf{};
    if (style.GetIncludeFont()) {
        style.GetFont().GetScaledLogFont(lf, m_nZoom);
    } else if (m_pStyleStandard != nullptr && m_pStyleStandard->GetIncludeFont()) {
        m_pStyleStandard->GetFont().GetScaledLogFont(lf, m_nZoom);
    } else {
        ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    }
    // Most cells of a paint share one font: the last one found answers without a map look-up.
    if (m_pLastFont != nullptr && std::memcmp(&lf, &m_lastLogFont, sizeof lf) == 0)
        return m_pLastFont;
    const std::string key = KeyOf('f', &lf, sizeof lf);
    const auto found = m_fontCache.find(key);
    CFont* pFont = found != m_fontCache.end() ? found->second : nullptr;
    if (pFont == nullptr) {
        pFont = new CFont;
        if (!pFont->CreateFontIndirect(&lf)) {
            delete pFont;
            return nullptr;
        }
        m_fontCache[key] = pFont;
    }
    m_lastLogFont = lf;
    m_pLastFont = pFont;
    return pFont;
}

CFont* CGEGridCore::SelectStandardFont(CDC* pDC, const CGEStyle* pStyle, BOOL bCompare) {
    if (pDC == nullptr)
        return nullptr;
    const CGEStyle* pUse = pStyle != nullptr ? pStyle : m_pStyleStandard;
    if (bCompare && (pUse == nullptr || !pUse->GetIncludeFont()))
        return nullptr;
    CFont* pFont = pUse != nullptr ? LookupFont(*pUse) : nullptr;
    if (pFont == nullptr)
        return nullptr;
    return pDC->SelectObject(pFont);
}

CFont* CGEGridCore::SelectFontStyle(CDC* pDC, const CGEStyle& style, const CGEStyle*) {
    return SelectStandardFont(pDC, &style, FALSE);
}

void CGEGridCore::FreeGdiCache() {
    for (auto& [key, hObject] : m_gdiCache)
        ::DeleteObject(hObject);
    m_gdiCache.clear();
    for (auto& [key, pFont] : m_fontCache)
        delete pFont;
    m_fontCache.clear();
    m_pLastFont = nullptr;
}

void CGEGridCore::PrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    if (pDC == nullptr || pInfo == nullptr)
        return;
    // One logical unit is one screen pixel on the printer.
    HDC hScreen = ::GetDC(nullptr);
    const int nScreenX = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    const int nScreenY = ::GetDeviceCaps(hScreen, LOGPIXELSY);
    ::ReleaseDC(nullptr, hScreen);
    pDC->SetMapMode(MM_ANISOTROPIC);
    pDC->SetWindowExt(nScreenX, nScreenY);
    pDC->SetViewportExt(pDC->GetDeviceCaps(LOGPIXELSX), pDC->GetDeviceCaps(LOGPIXELSY));
}

CDC* CGEGridCore::GetGridDC() {
    if (m_bPainting && m_pPaintDC != nullptr)
        return m_pPaintDC;
    if (m_pGridDC == nullptr) {
        if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr) {
            m_pGridDC = new CClientDC(m_pGridWnd);
        } else {
            auto* pDC = new CDC;
            pDC->CreateCompatibleDC(nullptr);
            m_pGridDC = pDC;
        }
    }
    return m_pGridDC;
}

void CGEGridCore::ReleaseGridDC() {
    delete m_pGridDC;
    m_pGridDC = nullptr;
}

CRect CGEGridCore::SubtractBorders(const CRect& rect, const CGEStyle& style, BOOL bBorders) {
    // The grid line takes the cell's last pixel column and row; text keeps a small margin.
    CRect inner(rect.left + 2, rect.top + 1, rect.right - 1 - 2, rect.bottom - 1 - 1);
    if (bBorders && style.GetIncludeBorders()) {
        for (int nSide = 0; nSide < 4; ++nSide) {
            if (!style.HasBorder(nSide))
                continue;
            const int nWidth = std::max<int>(static_cast<int>(style.GetBorder(nSide).GetWidth()), 1);
            switch (nSide) {
            case 0:
                inner.top += nWidth;
                break;
            case 1:
                inner.left += nWidth;
                break;
            case 2:
                inner.bottom -= nWidth;
                break;
            default:
                inner.right -= nWidth;
                break;
            }
        }
    }
    if (inner.right < inner.left)
        inner.right = inner.left;
    if (inner.bottom < inner.top)
        inner.bottom = inner.top;
    return inner;
}

CSize CGEGridCore::AddBorders(CSize size, const CGEStyle& style) {
    CSize result(size.cx + 5, size.cy + 3);
    if (style.GetIncludeBorders()) {
        for (int nSide = 0; nSide < 4; ++nSide) {
            if (!style.HasBorder(nSide))
                continue;
            const int nWidth = std::max<int>(static_cast<int>(style.GetBorder(nSide).GetWidth()), 1);
            if (nSide == 0 || nSide == 2)
                result.cy += nWidth;
            else
                result.cx += nWidth;
        }
    }
    return result;
}

// ---- invalidation ----

BOOL CGEGridCore::LockUpdate(BOOL bLock) {
    const BOOL bOld = m_bLockUpdate;
    m_bLockUpdate = bLock;
    if (bOld && !bLock && m_bRedrawWanted && !IsLockUpdate()) {
        m_bRedrawWanted = FALSE;
        Redraw(GE_INVALIDATE, FALSE);
    }
    return bOld;
}

BOOL CGEGridCore::IsLockUpdate() const {
    return m_bLockUpdate || (m_pParam != nullptr && m_pParam->IsLockUpdate());
}

void CGEGridCore::Redraw(UINT flags, BOOL bCreateHint) {
    ResetLastVisible();
    m_bCacheValid = FALSE;
    if (IsLockUpdate()) {
        m_bRedrawWanted = TRUE;
    } else if (m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr) {
        const CRect area = GetGridArea();
        m_pGridWnd->InvalidateRect(&area, FALSE);
        UpdateScrollbars();
        if ((flags & GE_UPDATENOW) != 0)
            m_pGridWnd->UpdateWindow();
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintRedraw(this, flags);
}

void CGEGridCore::RedrawRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                               BOOL bCreateHint) {
    RedrawRange(nTop, nLeft, nBottom, nRight, flags, TRUE);
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintRedrawRowCol(this, nTop, nLeft, nBottom, nRight, flags);
}

void CGEGridCore::RedrawRowCol(const CGECellRange& range, UINT flags, BOOL bCreateHint) {
    CGECellRange cells(range);
    cells.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    RedrawRowCol(cells.top, cells.left, cells.bottom, cells.right, flags, bCreateHint);
}

void CGEGridCore::RedrawRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight, UINT flags,
                              BOOL bWidenOverSpans) {
    if (IsLockUpdate()) {
        m_bRedrawWanted = TRUE;
        return;
    }
    if (m_pGridWnd == nullptr || m_pGridWnd->GetSafeHwnd() == nullptr || flags == GE_NOREDRAW)
        return;
    const CGECellRange range(nTop, nLeft, nBottom, nRight);
    const CRect rect = bWidenOverSpans ? GetRangeRectCovered(range) : GetRangeClientRect(range);
    if (!rect.IsRectEmpty())
        m_pGridWnd->InvalidateRect(&rect, FALSE);
    if ((flags & GE_UPDATENOW) != 0)
        m_pGridWnd->UpdateWindow();
}

void CGEGridCore::InvalidateRange(const CGECellRange& range) {
    CGECellRange cells(range);
    cells.ExpandToCells(0, 0, GetRowCount(), GetColCount());
    RedrawRange(cells.top, cells.left, cells.bottom, cells.right, GE_INVALIDATE, TRUE);
}

void CGEGridCore::Refresh(UINT flags) {
    ResetCurrentCellStyleCache();
    Redraw(flags, FALSE);
}
