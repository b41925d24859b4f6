#include "grid/controls/gadgets/CGEBCalcBtn.h"

#include "framework/win/CDC.h"
#include "grid/core/CGESysDrawInfo.h"

void CGEBCalcBtn::DrawFrame(CDC* pDC, CRect& rect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    pDC->Draw3dRect(&rect, clrTopLeft, clrBottomRight);
    rect.DeflateRect(1, 1);
}

void CGEBCalcBtn::Init(const Look& look, UINT nCommand, LPCSTR pszCaption, LPCSTR pszKeys, int nSpan,
                       BOOL bNewRow) {
    m_look = look;
    m_nCommand = nCommand;
    m_strCaption = pszCaption != nullptr ? pszCaption : "";
    m_strKeys = pszKeys != nullptr ? pszKeys : "";
    m_strKeys.MakeLower();
    m_nSpan = nSpan > 0 ? nSpan : 1;
    m_nState = bNewRow ? stateNewRow : 0;
}

void CGEBCalcBtn::Init(const Look& look, UINT nCommand, LPCSTR pszCaption, int nSpan, BOOL bNewRow) {
    Init(look, nCommand, pszCaption, pszCaption, nSpan, bNewRow);
}

void CGEBCalcBtn::Init(const Look& look, UINT nCommand, LPCSTR pszCaption, char cKey, int nSpan,
                       BOOL bNewRow) {
    const char szKey[2] = {cKey, '\0'};
    Init(look, nCommand, pszCaption, szKey, nSpan, bNewRow);
}

BOOL CGEBCalcBtn::HasKey(LPCSTR pszText) const {
    return pszText != nullptr && *pszText != '\0' && m_strKeys.Find(pszText) >= 0;
}

void CGEBCalcBtn::Draw(CDC* pDC) {
    const HDC hDC = pDC->GetSafeHdc();
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    CRect face = m_rect;
    DrawFrame(pDC, face, pInfo->m_clrBtnShadow, pInfo->m_clrBtnHilite);
    DrawFrame(pDC, face, pInfo->m_clrWindowFrame, pInfo->m_clrWindowFrame);
    const BOOL bPressed = (m_nState & statePressed) != 0;
    if (bPressed) {
        DrawFrame(pDC, face, pInfo->m_clrBtnShadow, pInfo->m_clrBtnShadow);
    } else {
        DrawFrame(pDC, face, pInfo->m_clrBtnHilite, pInfo->m_clrBtnShadow);
        DrawFrame(pDC, face, pInfo->m_clr3dLight, pInfo->m_clrBtnShadow);
    }
    pDC->FillSolidRect(&face, pInfo->m_clrBtnFace);
    CRect content = face;
    if (bPressed)
        content.OffsetRect(2, 2);

    const int nSaved = ::SaveDC(hDC);
    ::IntersectClipRect(hDC, face.left, face.top, face.right, face.bottom);
    const HBITMAP hBitmap = m_look.phBitmap != nullptr ? *m_look.phBitmap : nullptr;
    BITMAP bm{};
    if (hBitmap != nullptr && ::GetObjectA(hBitmap, sizeof(bm), &bm) != 0) {
        int x = content.left + 5;
        if (m_strCaption.IsEmpty())
            x = content.left + (content.Width() - bm.bmWidth) / 2;
        const int y = content.top + (content.Height() - bm.bmHeight) / 2;
        if (const HDC hMem = ::CreateCompatibleDC(hDC); hMem != nullptr) {
            const HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
            ::BitBlt(hDC, x, y, bm.bmWidth, bm.bmHeight, hMem, 0, 0, SRCCOPY);
            ::SelectObject(hMem, hOld);
            ::DeleteDC(hMem);
        }
        content.left = x + bm.bmWidth;
    }
    if (!m_strCaption.IsEmpty()) {
        const HGDIOBJ hOldFont = m_look.hFont != nullptr ? ::SelectObject(hDC, m_look.hFont) : nullptr;
        ::SetTextColor(hDC, m_look.clrText);
        ::SetBkColor(hDC, pInfo->m_clrBtnFace);
        ::SetBkMode(hDC, OPAQUE);
        RECT text = content;
        ::DrawTextA(hDC, m_strCaption, -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        if (hOldFont != nullptr)
            ::SelectObject(hDC, hOldFont);
    }
    ::RestoreDC(hDC, nSaved);
}
