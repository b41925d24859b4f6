#include "framework/win/CSliderCtrl.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CToolTipCtrl.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    AfxInitCommonControls(ICC_BAR_CLASSES);
    return CWnd::Create(TRACKBAR_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CSliderCtrl::GetRangeMax() const {
    return static_cast<int>(SendMessage(TBM_GETRANGEMAX, 0, 0));
}

int CSliderCtrl::GetRangeMin() const {
    return static_cast<int>(SendMessage(TBM_GETRANGEMIN, 0, 0));
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
    nMin = GetRangeMin();
    nMax = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int nMin, BOOL bRedraw) {
    SendMessage(TBM_SETRANGEMIN, static_cast<WPARAM>(bRedraw), static_cast<LPARAM>(nMin));
}

void CSliderCtrl::SetRangeMax(int nMax, BOOL bRedraw) {
    SendMessage(TBM_SETRANGEMAX, static_cast<WPARAM>(bRedraw), static_cast<LPARAM>(nMax));
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL bRedraw) {
    SetRangeMin(nMin, FALSE);
    SetRangeMax(nMax, bRedraw);
}

int CSliderCtrl::GetPos() const {
    return static_cast<int>(SendMessage(TBM_GETPOS, 0, 0));
}

void CSliderCtrl::SetPos(int nPos) {
    SendMessage(TBM_SETPOS, TRUE, static_cast<LPARAM>(nPos));
}

int CSliderCtrl::GetLineSize() const {
    return static_cast<int>(SendMessage(TBM_GETLINESIZE, 0, 0));
}

int CSliderCtrl::SetLineSize(int nSize) {
    return static_cast<int>(SendMessage(TBM_SETLINESIZE, 0, static_cast<LPARAM>(nSize)));
}

int CSliderCtrl::GetPageSize() const {
    return static_cast<int>(SendMessage(TBM_GETPAGESIZE, 0, 0));
}

int CSliderCtrl::SetPageSize(int nSize) {
    return static_cast<int>(SendMessage(TBM_SETPAGESIZE, 0, static_cast<LPARAM>(nSize)));
}

void CSliderCtrl::GetSelection(int& nMin, int& nMax) const {
    nMin = static_cast<int>(SendMessage(TBM_GETSELSTART, 0, 0));
    nMax = static_cast<int>(SendMessage(TBM_GETSELEND, 0, 0));
}

void CSliderCtrl::SetSelection(int nMin, int nMax) {
    SendMessage(TBM_SETSELSTART, FALSE, static_cast<LPARAM>(nMin));
    SendMessage(TBM_SETSELEND, TRUE, static_cast<LPARAM>(nMax));
}

void CSliderCtrl::ClearSel(BOOL bRedraw) {
    SendMessage(TBM_CLEARSEL, static_cast<WPARAM>(bRedraw), 0);
}

UINT CSliderCtrl::GetNumTics() const {
    return static_cast<UINT>(SendMessage(TBM_GETNUMTICS, 0, 0));
}

DWORD* CSliderCtrl::GetTicArray() const {
    return reinterpret_cast<DWORD*>(SendMessage(TBM_GETPTICS, 0, 0));
}

int CSliderCtrl::GetTic(int nTic) const {
    return static_cast<int>(SendMessage(TBM_GETTIC, static_cast<WPARAM>(nTic), 0));
}

int CSliderCtrl::GetTicPos(int nTic) const {
    return static_cast<int>(SendMessage(TBM_GETTICPOS, static_cast<WPARAM>(nTic), 0));
}

BOOL CSliderCtrl::SetTic(int nTic) {
    return static_cast<BOOL>(SendMessage(TBM_SETTIC, 0, static_cast<LPARAM>(nTic)));
}

void CSliderCtrl::SetTicFreq(int nFreq) {
    SendMessage(TBM_SETTICFREQ, static_cast<WPARAM>(nFreq), 0);
}

void CSliderCtrl::ClearTics(BOOL bRedraw) {
    SendMessage(TBM_CLEARTICS, static_cast<WPARAM>(bRedraw), 0);
}

void CSliderCtrl::GetChannelRect(LPRECT lprc) const {
    SendMessage(TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(lprc));
}

void CSliderCtrl::GetThumbRect(LPRECT lprc) const {
    SendMessage(TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(lprc));
}

CWnd* CSliderCtrl::SetBuddy(CWnd* pWndBuddy, BOOL fLocation) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(SendMessage(
        TBM_SETBUDDY, static_cast<WPARAM>(fLocation), reinterpret_cast<LPARAM>(pWndBuddy->GetSafeHwnd()))));
}

CWnd* CSliderCtrl::GetBuddy(BOOL fLocation) const {
    return CWnd::FromHandle(
        reinterpret_cast<HWND>(SendMessage(TBM_GETBUDDY, static_cast<WPARAM>(fLocation), 0)));
}

CToolTipCtrl* CSliderCtrl::GetToolTips() const {
    return AfxCtrlFromHandle<CToolTipCtrl>(reinterpret_cast<HWND>(SendMessage(TBM_GETTOOLTIPS, 0, 0)));
}

void CSliderCtrl::SetToolTips(CToolTipCtrl* pWndTip) {
    SendMessage(TBM_SETTOOLTIPS, reinterpret_cast<WPARAM>(pWndTip->GetSafeHwnd()), 0);
}

int CSliderCtrl::SetTipSide(int nLocation) {
    return static_cast<int>(SendMessage(TBM_SETTIPSIDE, static_cast<WPARAM>(nLocation), 0));
}

void CSliderCtrl::VerifyPos() {
    SendMessage(TBM_SETPOS, FALSE, static_cast<LPARAM>(GetPos()));
}
