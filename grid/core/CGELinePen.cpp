#include "grid/core/CGELinePen.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEStyleColor.h"
#include "grid/core/CGEStyleText.h"

CGELinePen::CGELinePen(UINT nStyle, UINT nWidth, COLORREF color) {
    SetStyle(nStyle);
    SetWidth(nWidth);
    SetColor(color);
}

CGELinePen& CGELinePen::SetStyle(UINT nStyle) {
    m_nStyle = nStyle & 7;
    return *this;
}

CGELinePen& CGELinePen::SetWidth(UINT nWidth) {
    m_nWidth = nWidth & 0xFFFF;
    return *this;
}

CGELinePen& CGELinePen::SetColor(COLORREF color) {
    CGEStyleColor::Decode(color, m_nColorKind, m_nColor);
    return *this;
}

COLORREF CGELinePen::GetColor() const {
    return CGEStyleColor::ToDrawable(m_nColorKind, m_nColor);
}

COLORREF CGELinePen::GetColorRef() const {
    return CGEStyleColor::ToReference(m_nColorKind, m_nColor);
}

void CGELinePen::GetLogPen(LOGPEN& logPen) const {
    logPen.lopnStyle = IsSet() ? m_nStyle : PS_NULL;
    logPen.lopnWidth.x = static_cast<LONG>(m_nWidth);
    logPen.lopnWidth.y = 0;
    logPen.lopnColor = GetColor();
}

CString CGELinePen::GetDescription() const {
    CString text;
    text.Format("%u %u %lu", m_nStyle, m_nWidth, static_cast<unsigned long>(GetColorRef()));
    return text;
}

BOOL CGELinePen::SetDescription(const char* pszText) {
    DWORD values[3];
    if (!CGEStyleText::ParseNumbers(pszText, values, 3))
        return FALSE;
    *this = CGELinePen(values[0], values[1], values[2]);
    return TRUE;
}

void CGELinePen::SerializeLayout(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nStyle) << static_cast<WORD>(m_nWidth)
           << static_cast<WORD>(IsSet() ? 1 : 0) << static_cast<DWORD>(GetColorRef());
        return;
    }
    DWORD style = 0, color = 0;
    WORD width = 0, valid = 0;
    ar >> style >> width >> valid >> color;
    *this = CGELinePen(valid != 0 ? style : notSet, width, color);
}
