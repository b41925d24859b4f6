#include "grid/features/CGEDrawRotatedTextImp.h"

#include "framework/win/CDC.h"
#include "grid/features/GEInstallAppFeature.h"

#include <cmath>
#include <cstring>

namespace {

// Degrees to radians with pi taken as 3.1415926535.
constexpr double kRadiansPerDegree = 0.017453292519444445;

// The alignment adjustments; bCentreHalfLine: vertical centring also moves up by half a line.
void Align(double& x, double& y, const CRect& rect, UINT nFormat, double cx, double cy, double r,
           bool bCentreHalfLine) {
    const double w = rect.Width();
    const double h = rect.Height();
    if (nFormat & DT_RIGHT)
        x += (w - cx * std::cos(r)) - cy;
    else if (nFormat & DT_CENTER)
        x += (w - cx * std::cos(r)) / 2 - cy / 2;
    if (nFormat & DT_BOTTOM)
        y += (h - cx * std::sin(r)) - cy;
    else if (nFormat & DT_VCENTER)
        y += (h - cx * std::sin(r)) / 2 - (bCentreHalfLine ? cy / 2 : 0);
}

} // namespace

CPoint CGEDrawRotatedTextImp::StartPoint(const CRect& rect, UINT nFormat, int nAngle, int nCx, int nCy) {
    double a = nAngle * 0.1;
    while (a < 0)
        a += 360;
    while (a >= 360)
        a -= 360;
    const double cx = nCx;
    const double cy = nCy;
    double x = rect.left;
    double y = rect.top;
    bool bCentreHalfLine = true;
    double r = 0;
    if (a <= 90) {
        r = a * kRadiansPerDegree;
        y = rect.top + cx * std::sin(r) + cy / 2;
    } else if (a < 180) {
        r = (a - 90) * kRadiansPerDegree;
        x = rect.left + cx * std::sin(r);
        if (x > rect.right)
            x = rect.right - cy;
        y = rect.top + cx * std::cos(r) + cy;
    } else if (a <= 270) {
        r = (a - 180) * kRadiansPerDegree;
        x = rect.left + cx * std::cos(r) + cy;
        bCentreHalfLine = false;
    } else {
        r = (a - 270) * kRadiansPerDegree;
        x = rect.left + cy * std::sin(r);
    }
    Align(x, y, rect, nFormat, cx, cy, r, bCentreHalfLine);
    return CPoint(static_cast<int>(x), static_cast<int>(y));
}

int CGEDrawRotatedTextImp::DrawRotatedText(CDC* pDC, LPCSTR pszText, int nLength, const CRect& rect,
                                           UINT nFormat, int nAngle, const CRect* pClip) {
    if (pDC == nullptr || pszText == nullptr)
        return 0;
    if (nLength < 0)
        nLength = static_cast<int>(std::strlen(pszText));
    SIZE size{};
    ::GetTextExtentPoint32A(pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->m_hDC, pszText, nLength,
                            &size);
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(pClip != nullptr ? pClip : &rect);
    const CPoint start = StartPoint(rect, nFormat, nAngle, size.cx, size.cy);
    pDC->TextOut(start.x, start.y, pszText, nLength);
    pDC->RestoreDC(nSaved);
    return 0;
}

void GEInstallDrawRotatedText() {
    GEInstallAppFeature<CGEDrawRotatedTextImp>(GEGetLibraryState()->m_pDrawRotatedTextImp);
}
