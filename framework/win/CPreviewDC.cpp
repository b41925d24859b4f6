#include "framework/win/CPreviewDC.h"

#include <cstdlib>
#include <numeric>

IMPLEMENT_DYNAMIC(CPreviewDC, CDC)

namespace {

// num/den scaled extents that GDI accepts: reduced, and kept below GDI's limit of 2^27.
void ReduceExtents(long long& window, long long& viewport) {
    const long long divisor = std::gcd(std::llabs(window), std::llabs(viewport));
    if (divisor > 1) {
        window /= divisor;
        viewport /= divisor;
    }
    constexpr long long limit = 1LL << 26;
    while (std::llabs(window) > limit || std::llabs(viewport) > limit) {
        window /= 2;
        viewport /= 2;
    }
    if (window == 0)
        window = 1;
    if (viewport == 0)
        viewport = 1;
}

} // namespace

CPreviewDC::CPreviewDC() {
    m_bPrinting = TRUE;
}

CPreviewDC::~CPreviewDC() {
    // Borrowed handles: the base class must not delete them.
    ReleaseOutputDC();
    ReleaseAttribDC();
}

void CPreviewDC::SetAttribDC(HDC hDC) {
    CDC::SetAttribDC(hDC);
    MirrorMappingMode();
}

void CPreviewDC::SetOutputDC(HDC hDC) {
    CDC::SetOutputDC(hDC);
    MirrorMappingMode();
}

void CPreviewDC::SetScaleRect(const CRect& rectScreen, CSize sizePaper, CPoint ptPrintable) {
    m_sizeScaleNum = CSize(rectScreen.Width() > 0 ? rectScreen.Width() : 1,
                           rectScreen.Height() > 0 ? rectScreen.Height() : 1);
    m_sizeScaleDen = CSize(sizePaper.cx > 0 ? sizePaper.cx : 1, sizePaper.cy > 0 ? sizePaper.cy : 1);
    m_ptScreenOrigin = CPoint(rectScreen.left + ::MulDiv(ptPrintable.x, m_sizeScaleNum.cx, m_sizeScaleDen.cx),
                              rectScreen.top + ::MulDiv(ptPrintable.y, m_sizeScaleNum.cy, m_sizeScaleDen.cy));
    MirrorMappingMode();
}

CPoint CPreviewDC::PrinterToScreen(CPoint ptPrinter) const {
    return CPoint(m_ptScreenOrigin.x + ::MulDiv(ptPrinter.x, m_sizeScaleNum.cx, m_sizeScaleDen.cx),
                  m_ptScreenOrigin.y + ::MulDiv(ptPrinter.y, m_sizeScaleNum.cy, m_sizeScaleDen.cy));
}

void CPreviewDC::MirrorMappingMode() {
    if (!Mirrored())
        return;
    SIZE windowExt{};
    SIZE viewportExt{};
    POINT windowOrg{};
    POINT viewportOrg{};
    ::GetWindowExtEx(m_hAttribDC, &windowExt);
    ::GetViewportExtEx(m_hAttribDC, &viewportExt);
    ::GetWindowOrgEx(m_hAttribDC, &windowOrg);
    ::GetViewportOrgEx(m_hAttribDC, &viewportOrg);

    // screen = origin + printer * num / den, printer = (logical - windowOrg) * viewportExt / windowExt
    // + viewportOrg: the same window, the viewport extents times num / den.
    long long windowX = static_cast<long long>(windowExt.cx) * m_sizeScaleDen.cx;
    long long viewportX = static_cast<long long>(viewportExt.cx) * m_sizeScaleNum.cx;
    long long windowY = static_cast<long long>(windowExt.cy) * m_sizeScaleDen.cy;
    long long viewportY = static_cast<long long>(viewportExt.cy) * m_sizeScaleNum.cy;
    ReduceExtents(windowX, viewportX);
    ReduceExtents(windowY, viewportY);

    ::SetMapMode(m_hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(m_hDC, static_cast<int>(windowX), static_cast<int>(windowY), nullptr);
    ::SetViewportExtEx(m_hDC, static_cast<int>(viewportX), static_cast<int>(viewportY), nullptr);
    ::SetWindowOrgEx(m_hDC, windowOrg.x, windowOrg.y, nullptr);
    const CPoint origin = PrinterToScreen(CPoint(viewportOrg));
    ::SetViewportOrgEx(m_hDC, origin.x, origin.y, nullptr);
}

int CPreviewDC::SetMapMode(int nMapMode) {
    if (!Mirrored())
        return CDC::SetMapMode(nMapMode);
    const int nOld = ::SetMapMode(m_hAttribDC, nMapMode);
    MirrorMappingMode();
    return nOld;
}

CPoint CPreviewDC::SetViewportOrg(int x, int y) {
    if (!Mirrored())
        return CDC::SetViewportOrg(x, y);
    POINT previous{};
    ::SetViewportOrgEx(m_hAttribDC, x, y, &previous);
    MirrorMappingMode();
    return CPoint(previous);
}

CPoint CPreviewDC::OffsetViewportOrg(int nWidth, int nHeight) {
    if (!Mirrored())
        return CDC::OffsetViewportOrg(nWidth, nHeight);
    POINT previous{};
    ::OffsetViewportOrgEx(m_hAttribDC, nWidth, nHeight, &previous);
    MirrorMappingMode();
    return CPoint(previous);
}

CSize CPreviewDC::SetViewportExt(int cx, int cy) {
    if (!Mirrored())
        return CDC::SetViewportExt(cx, cy);
    SIZE previous{};
    ::SetViewportExtEx(m_hAttribDC, cx, cy, &previous);
    MirrorMappingMode();
    return CSize(previous);
}

CSize CPreviewDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) {
    if (!Mirrored())
        return CDC::ScaleViewportExt(xNum, xDenom, yNum, yDenom);
    SIZE previous{};
    ::ScaleViewportExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &previous);
    MirrorMappingMode();
    return CSize(previous);
}

CSize CPreviewDC::SetWindowExt(int cx, int cy) {
    if (!Mirrored())
        return CDC::SetWindowExt(cx, cy);
    SIZE previous{};
    ::SetWindowExtEx(m_hAttribDC, cx, cy, &previous);
    MirrorMappingMode();
    return CSize(previous);
}

CSize CPreviewDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) {
    if (!Mirrored())
        return CDC::ScaleWindowExt(xNum, xDenom, yNum, yDenom);
    SIZE previous{};
    ::ScaleWindowExtEx(m_hAttribDC, xNum, xDenom, yNum, yDenom, &previous);
    MirrorMappingMode();
    return CSize(previous);
}

BOOL CPreviewDC::RestoreDC(int nSavedDC) {
    const BOOL bResult = CDC::RestoreDC(nSavedDC);
    MirrorMappingMode();
    return bResult;
}
