#include "framework/win/CFont.h"

#include "framework/win/CDC.h"

#include <cstdlib>

IMPLEMENT_DYNCREATE(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT hFont) {
    return FromHandleAs<CFont>(hFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) {
    return lpLogFont != nullptr && AttachNew(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision,
                       BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily, LPCSTR lpszFacename) {
    return AttachNew(::CreateFontA(nHeight, nWidth, nEscapement, nOrientation, nWeight, bItalic, bUnderline,
                                   cStrikeOut, nCharSet, nOutPrecision, nClipPrecision, nQuality,
                                   nPitchAndFamily, lpszFacename));
}

BOOL CFont::CreatePointFont(int nPointSize, LPCSTR lpszFaceName, CDC* pDC) {
    LOGFONTA logFont{};
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfHeight = nPointSize;
    if (lpszFaceName != nullptr)
        ::lstrcpynA(logFont.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&logFont, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONTA* lpLogFont, CDC* pDC) {
    if (lpLogFont == nullptr)
        return FALSE;
    HDC hScreen = nullptr;
    HDC hDC = pDC != nullptr ? (pDC->m_hAttribDC != nullptr ? pDC->m_hAttribDC : pDC->m_hDC) : nullptr;
    if (hDC == nullptr)
        hDC = hScreen = ::GetDC(nullptr);
    // Tenths of a point to device pixels, then to the DC's logical units (a distance from the origin, so
    // that mapping modes with the y axis upward still give a positive size).
    POINT points[2] = {{0, 0}, {0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), lpLogFont->lfHeight, 720)}};
    ::DPtoLP(hDC, points, 2);
    if (hScreen != nullptr)
        ::ReleaseDC(nullptr, hScreen);
    LOGFONTA logFont = *lpLogFont;
    logFont.lfHeight = -std::abs(points[1].y - points[0].y); // negative: character height, not cell height
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const {
    if (m_hObject == nullptr || pLogFont == nullptr)
        return FALSE;
    return ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
}
