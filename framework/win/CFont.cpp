#include "framework/win/CFont.h"

IMPLEMENT_DYNCREATE(CFont, CGdiObject)

CFont* CFont::FromHandle(HFONT hFont) {
    return FromHandleAs<CFont>(hFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* lpLogFont) {
    return lpLogFont != nullptr && Attach(::CreateFontIndirectA(lpLogFont));
}

int CFont::GetLogFont(LOGFONTA* pLogFont) const {
    if (m_hObject == nullptr || pLogFont == nullptr)
        return FALSE;
    return ::GetObjectA(m_hObject, sizeof(LOGFONTA), pLogFont) == sizeof(LOGFONTA);
}
