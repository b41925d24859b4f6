#include "grid/controls/CGEDIB.h"

#include "framework/win/CDC.h"
#include "framework/win/AfxWin.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// TRUE when the block holds a whole BITMAPINFOHEADER, its colour table and its bits.
BOOL IsSound(const std::vector<BYTE>& packed) {
    if (packed.size() < sizeof(BITMAPINFOHEADER))
        return FALSE;
    const auto* pHeader = reinterpret_cast<const BITMAPINFOHEADER*>(packed.data());
    if (pHeader->biSize < sizeof(BITMAPINFOHEADER) || pHeader->biWidth <= 0 || pHeader->biHeight == 0 ||
        pHeader->biHeight == INT_MIN || pHeader->biPlanes != 1 || pHeader->biCompression != BI_RGB)
        return FALSE;
    const int nBits = pHeader->biBitCount;
    if (nBits != 1 && nBits != 4 && nBits != 8 && nBits != 24 && nBits != 32)
        return FALSE;
    const size_t nColors = pHeader->biClrUsed != 0 ? pHeader->biClrUsed : nBits <= 8 ? (1u << nBits) : 0;
    const size_t nStride = ((static_cast<size_t>(pHeader->biWidth) * nBits + 31) / 32) * 4;
    const size_t nNeeded = pHeader->biSize + nColors * sizeof(RGBQUAD) +
                           nStride * static_cast<size_t>(std::abs(pHeader->biHeight));
    return nColors <= 256 && packed.size() >= nNeeded;
}

} // namespace

CGEDIB::CGEDIB(std::vector<BYTE> packed) {
    if (IsSound(packed))
        m_packed = std::move(packed);
}

CGEDIB CGEDIB::FromResource(UINT nID, HINSTANCE hInstance) {
    if (hInstance == nullptr)
        hInstance = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceA(hInstance, MAKEINTRESOURCEA(nID), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (hResource == nullptr)
        return CGEDIB();
    HGLOBAL hData = ::LoadResource(hInstance, hResource);
    const auto* pData = static_cast<const BYTE*>(hData != nullptr ? ::LockResource(hData) : nullptr);
    if (pData == nullptr)
        return CGEDIB();
    return CGEDIB(std::vector<BYTE>(pData, pData + ::SizeofResource(hInstance, hResource)));
}

int CGEDIB::GetWidth() const {
    return IsEmpty() ? 0 : GetInfo()->bmiHeader.biWidth;
}

int CGEDIB::GetHeight() const {
    return IsEmpty() ? 0 : std::abs(GetInfo()->bmiHeader.biHeight);
}

int CGEDIB::GetColorCount() const {
    if (IsEmpty())
        return 0;
    const BITMAPINFOHEADER& header = GetInfo()->bmiHeader;
    if (header.biClrUsed != 0)
        return static_cast<int>(header.biClrUsed);
    return header.biBitCount <= 8 ? 1 << header.biBitCount : 0;
}

RGBQUAD* CGEDIB::GetColorTable() {
    return IsEmpty() ? nullptr : reinterpret_cast<RGBQUAD*>(m_packed.data() + GetInfo()->bmiHeader.biSize);
}

const void* CGEDIB::GetBits() const {
    return IsEmpty() ? nullptr
                     : m_packed.data() + GetInfo()->bmiHeader.biSize + GetColorCount() * sizeof(RGBQUAD);
}

void CGEDIB::DrawPart(CDC* pDC, int x, int y, int cx, int cy, int xSrc, int ySrc) const {
    if (IsEmpty() || cx <= 0 || cy <= 0)
        return;
    // StretchDIBits counts the source rows of a bottom-up DIB from the bottom.
    const int ySource = GetInfo()->bmiHeader.biHeight > 0 ? GetHeight() - ySrc - cy : ySrc;
    ::StretchDIBits(pDC->GetSafeHdc(), x, y, cx, cy, xSrc, ySource, cx, cy, GetBits(), GetInfo(),
                    DIB_RGB_COLORS, SRCCOPY);
}

void CGEDIB::Draw(CDC* pDC, const CRect& rect, UINT nAlign) const {
    if (IsEmpty())
        return;
    const int cx = GetWidth();
    const int cy = GetHeight();
    int x = rect.left;
    if ((nAlign & alignRight) != 0)
        x = rect.right - cx;
    else if ((nAlign & alignCenter) != 0)
        x = rect.left + (rect.Width() - cx) / 2;
    int y = rect.top;
    if ((nAlign & alignBottom) != 0)
        y = rect.bottom - cy;
    else if ((nAlign & alignVCenter) != 0)
        y = rect.top + (rect.Height() - cy) / 2;
    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(&rect);
    DrawPart(pDC, x, y, cx, cy, 0, 0);
    pDC->RestoreDC(nSaved);
}
