#include "grid/controls/CGEProgressCtrl.h"

#include "framework/win/CDC.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

const CGEControlClass CGEProgressCtrl::controlClass = {"CGEProgressCtrl", &CGEControl::controlClass};

namespace {

long NumberAttribute(const CGEStyle& style, UINT nId) {
    return style.HasUserAttribute(nId) ? std::atol(style.GetUserAttribute(nId).GetValueText()) : 0;
}

long ValueOf(const CGEStyle& style) {
    return style.GetIncludeValue() ? std::atol(style.GetValue()) : 0;
}

BOOL IsMonochrome(CGEGridCore* pGrid) {
    const CGEProperties* pProps = pGrid->GetProperties();
    return pProps != nullptr && pProps->m_bDisplayOption1 && pProps->m_bDisplayOption2;
}

} // namespace

void CGEProgressCtrl::AddUserAttributes(CGEStylesMap& stylesMap) {
    stylesMap.AddUserAttribute(GE_IDS_UA_PROGRESS_LOWER);
    stylesMap.AddUserAttribute(GE_IDS_UA_PROGRESS_UPPER);
    stylesMap.AddUserAttribute(GE_IDS_UA_PROGRESS_CAPTION);
}

long CGEProgressCtrl::LowerBound(const CGEStyle& style) {
    return NumberAttribute(style, GE_IDS_UA_PROGRESS_LOWER);
}

long CGEProgressCtrl::UpperBound(const CGEStyle& style) {
    return NumberAttribute(style, GE_IDS_UA_PROGRESS_UPPER);
}

CString CGEProgressCtrl::FormatCaption(const CString& strTemplate, long nValue) {
    // Each piece of the template: literal text, "%%", or the one placeholder rebuilt as a long conversion.
    std::string result;
    BOOL bPlaceholder = FALSE;
    const char* p = strTemplate.GetString();
    while (*p != '\0') {
        if (*p != '%') {
            result += *p++;
            continue;
        }
        if (p[1] == '%') {
            result += '%';
            p += 2;
            continue;
        }
        std::string format = "%";
        const char* q = p + 1;
        while (*q != '\0' && std::strchr("-+ 0#", *q) != nullptr)
            format += *q++;
        int nDigits = 0;
        while (std::isdigit(static_cast<unsigned char>(*q)) && nDigits < 3) {
            format += *q++;
            ++nDigits;
        }
        if (*q == '.') {
            format += *q++;
            nDigits = 0;
            while (std::isdigit(static_cast<unsigned char>(*q)) && nDigits < 3) {
                format += *q++;
                ++nDigits;
            }
        }
        if (*q == 'l')
            ++q;
        const char chType = *q;
        if (bPlaceholder || chType == '\0' || std::strchr("diuxXo", chType) == nullptr)
            return strTemplate; // not a template of one number: shown as it stands
        format += 'l';
        format += chType;
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, format.c_str(), nValue);
        result += buffer;
        bPlaceholder = TRUE;
        p = q + 1;
    }
    return CString(result.c_str());
}

void CGEProgressCtrl::GetCaption(CString& strCaption, ROWCOL, ROWCOL, const CGEStyle& style) {
    const CString strTemplate = style.HasUserAttribute(GE_IDS_UA_PROGRESS_CAPTION)
                                    ? style.GetUserAttribute(GE_IDS_UA_PROGRESS_CAPTION).GetValueText()
                                    : CString();
    strCaption = strTemplate.IsEmpty() ? CString() : FormatCaption(strTemplate, ValueOf(style));
}

COLORREF CGEProgressCtrl::GetBarColor(BOOL bBar, const CGEStyle& style) {
    if (bBar)
        return style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    return style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
}

COLORREF CGEProgressCtrl::GetCaptionColor(BOOL bOverBar, const CGEStyle& style) {
    return GetBarColor(!bOverBar, style);
}

void CGEProgressCtrl::SetScale(const CRect& rect, long nRange) {
    m_dScale = rect.Width() != 0 ? static_cast<double>(nRange) / rect.Width() : 1.0;
}

CRect CGEProgressCtrl::GetBarRect(long nValue, const CRect& rect, const CGEStyle& style) {
    const long nLower = LowerBound(style);
    CRect bar(rect.left, rect.top, rect.left, rect.bottom);
    // Equal (or crossed) bounds leave no range to divide: no bar.
    if (m_dScale <= 0.0 || UpperBound(style) <= nLower)
        return bar;
    const double dWidth = (static_cast<double>(std::max(nValue, nLower)) - nLower) / m_dScale;
    bar.right = rect.left + static_cast<int>(std::min<double>(dWidth, rect.Width()));
    return bar;
}

void CGEProgressCtrl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                           const CGEStyle* pStandardStyle) {
    const BOOL bMono = IsMonochrome(m_pGrid);
    SetScale(rect, UpperBound(style) - LowerBound(style));
    const COLORREF clrBar = bMono ? RGB(0, 0, 0) : GetBarColor(TRUE, style);
    const COLORREF clrRest = bMono ? RGB(255, 255, 255) : GetBarColor(FALSE, style);
    const COLORREF clrCaptionBar = bMono ? RGB(255, 255, 255) : GetCaptionColor(TRUE, style);
    const COLORREF clrCaptionRest = bMono ? RGB(0, 0, 0) : GetCaptionColor(FALSE, style);
    CString strCaption;
    GetCaption(strCaption, nRow, nCol, style);
    const CRect bar = GetBarRect(ValueOf(style), rect, style);
    CRect rest;
    rest.SubtractRect(&rect, &bar);
    if (bar.IsRectEmpty())
        rest = rect;
    pDC->FillSolidRect(&rest, clrRest);
    if (!bar.IsRectEmpty())
        pDC->FillSolidRect(&bar, clrBar);
    const int nFrame = style.GetIncludeDraw3dFrame() ? style.GetDraw3dFrame() : 0;
    if (bar.Width() > 1 && (nFrame == 1 || nFrame == 2)) {
        CRect edge = bar;
        pDC->DrawEdge(&edge, nFrame == 1 ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
    }
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    const CSize extent = pDC->GetTextExtent(strCaption, strCaption.GetLength());
    if (!strCaption.IsEmpty() && extent.cx < rect.Width()) {
        const int nOldMode = pDC->SetBkMode(TRANSPARENT);
        const COLORREF clrOldText = pDC->GetTextColor();
        const int x = rect.left + (rect.Width() - extent.cx) / 2;
        const int y = rect.top + (rect.Height() - extent.cy) / 2;
        if (x + extent.cx >= bar.right) {
            pDC->SetTextColor(clrCaptionRest);
            pDC->TextOut(x, y, strCaption, strCaption.GetLength());
        }
        if (x < bar.right) {
            pDC->SetTextColor(clrCaptionBar);
            const BOOL bPrinting = pDC->IsPrinting();
            const BOOL bMetafile = pDC->GetDeviceCaps(TECHNOLOGY) == DT_METAFILE;
            const BOOL bNoClip =
                (bMetafile && !bPrinting) || (bPrinting && GEGetLibraryState()->m_bNoClipWhenPrinting);
            if (x + extent.cx > bar.right && !bNoClip) {
                const int nSaved = pDC->SaveDC();
                pDC->IntersectClipRect(&bar);
                pDC->TextOut(x, y, strCaption, strCaption.GetLength());
                pDC->RestoreDC(nSaved);
            } else {
                pDC->TextOut(x, y, strCaption, strCaption.GetLength());
            }
        }
        pDC->SetTextColor(clrOldText);
        pDC->SetBkMode(nOldMode);
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

BOOL CGEProgressCtrl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                                 UINT nFlags) {
    if (nType == 4 || pStyle == nullptr || !pStyle->GetIncludeValue())
        return CGEControl::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags);
    // The bounds the style brings, else the cell's.
    const CGEStyle& cell = m_pGrid->LookupStyleRowCol(nRow, nCol);
    const long nLower = LowerBound(pStyle->HasUserAttribute(GE_IDS_UA_PROGRESS_LOWER) ? *pStyle : cell);
    const long nUpper = UpperBound(pStyle->HasUserAttribute(GE_IDS_UA_PROGRESS_UPPER) ? *pStyle : cell);
    const long nValue = ValueOf(*pStyle);
    if (nLower > nUpper || (nValue >= nLower && nValue <= nUpper))
        return CGEControl::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags);
    std::unique_ptr<CGEStyle> pClamped(pStyle->Clone());
    CString strValue;
    strValue.Format("%ld", std::clamp(nValue, nLower, nUpper));
    pClamped->SetValue(strValue);
    return CGEControl::StoreStyle(nRow, nCol, pClamped.get(), mt, nType, nFlags);
}
