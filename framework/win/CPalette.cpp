#include "framework/win/CPalette.h"

#include "framework/win/CDC.h"

IMPLEMENT_DYNCREATE(CPalette, CGdiObject)

CPalette* CPalette::FromHandle(HPALETTE hPalette) {
    return FromHandleAs<CPalette>(hPalette);
}

BOOL CPalette::CreatePalette(LPLOGPALETTE lpLogPalette) {
    return lpLogPalette != nullptr && AttachNew(::CreatePalette(lpLogPalette));
}

BOOL CPalette::CreateHalftonePalette(CDC* pDC) {
    HDC hDC = pDC->GetSafeHdc();
    return hDC != nullptr && AttachNew(::CreateHalftonePalette(hDC));
}

UINT CPalette::GetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) const {
    return ::GetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::SetPaletteEntries(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) {
    return ::SetPaletteEntries(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

void CPalette::AnimatePalette(UINT nStartIndex, UINT nNumEntries, LPPALETTEENTRY lpPaletteColors) {
    ::AnimatePalette(static_cast<HPALETTE>(m_hObject), nStartIndex, nNumEntries, lpPaletteColors);
}

UINT CPalette::GetNearestPaletteIndex(COLORREF crColor) const {
    return ::GetNearestPaletteIndex(static_cast<HPALETTE>(m_hObject), crColor);
}

BOOL CPalette::ResizePalette(UINT nNumEntries) {
    return ::ResizePalette(static_cast<HPALETTE>(m_hObject), nNumEntries);
}

int CPalette::GetEntryCount() const {
    WORD count = 0;
    if (m_hObject == nullptr || ::GetObjectA(m_hObject, sizeof count, &count) != sizeof count)
        return 0;
    return count;
}
