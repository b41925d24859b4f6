#include "framework/win/CStatusBarCtrl.h"

#include "framework/win/AfxCtrlSupport.h"

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

BOOL CStatusBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_BAR_CLASSES);
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatusBarCtrl::SetParts(int nParts, int* pWidths) {
    return SendMessage(SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pWidths)) != 0;
}

int CStatusBarCtrl::GetParts(int nParts, int* pParts) const {
    return static_cast<int>(
        SendMessage(SB_GETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pParts)));
}

BOOL CStatusBarCtrl::SetText(LPCSTR lpszText, int nPane, int nType) {
    return SendMessage(SB_SETTEXTA, static_cast<WPARAM>(nPane | nType), reinterpret_cast<LPARAM>(lpszText)) !=
           0;
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const {
    CString text;
    const auto result = static_cast<DWORD>(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(nPane)));
    const int nLength = LOWORD(result);
    if (pType != nullptr)
        *pType = HIWORD(result);
    if (nLength > 0) {
        SendMessage(SB_GETTEXTA, static_cast<WPARAM>(nPane),
                    reinterpret_cast<LPARAM>(text.GetBuffer(nLength)));
        text.ReleaseBuffer(nLength);
    }
    return text;
}

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const {
    const auto result = static_cast<DWORD>(SendMessage(SB_GETTEXTLENGTHA, static_cast<WPARAM>(nPane)));
    if (pType != nullptr)
        *pType = HIWORD(result);
    return LOWORD(result);
}

BOOL CStatusBarCtrl::GetRect(int nPane, LPRECT lpRect) const {
    return SendMessage(SB_GETRECT, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpRect)) != 0;
}

BOOL CStatusBarCtrl::GetBorders(int* pBorders) const {
    return SendMessage(SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(pBorders)) != 0;
}

BOOL CStatusBarCtrl::GetBorders(int& nHorz, int& nVert, int& nSpacing) const {
    int borders[3] = {};
    const BOOL bResult = GetBorders(borders);
    nHorz = borders[0];
    nVert = borders[1];
    nSpacing = borders[2];
    return bResult;
}

void CStatusBarCtrl::SetMinHeight(int nMin) {
    SendMessage(SB_SETMINHEIGHT, static_cast<WPARAM>(nMin));
}

BOOL CStatusBarCtrl::SetSimple(BOOL bSimple) {
    return SendMessage(SB_SIMPLE, static_cast<WPARAM>(bSimple)) != 0;
}

BOOL CStatusBarCtrl::IsSimple() const {
    return SendMessage(SB_ISSIMPLE) != 0;
}

BOOL CStatusBarCtrl::SetIcon(int nPane, HICON hIcon) {
    return SendMessage(SB_SETICON, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(hIcon)) != 0;
}

void CStatusBarCtrl::SetTipText(int nPane, LPCSTR pszTipText) {
    SendMessage(SB_SETTIPTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(pszTipText));
}

CString CStatusBarCtrl::GetTipText(int nPane) const {
    char buffer[256] = {};
    SendMessage(SB_GETTIPTEXTA, MAKEWPARAM(nPane, sizeof buffer), reinterpret_cast<LPARAM>(buffer));
    return CString(buffer);
}

COLORREF CStatusBarCtrl::SetBkColor(COLORREF cr) {
    return static_cast<COLORREF>(SendMessage(SB_SETBKCOLOR, 0, static_cast<LPARAM>(cr)));
}
