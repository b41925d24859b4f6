#include "grid/controls/datetime/CGEBDTGadget.h"

#include "grid/controls/datetime/CGEBDateTimeCtrl.h"
#include "grid/core/CGESysDrawInfo.h"

#include <map>

IMPLEMENT_DYNAMIC(CGEBDTGadget, CObject)

namespace {

// The gadgets whose timers run, by the id the system gave the timer; used on the UI thread only.
std::map<UINT_PTR, CGEBDTGadget*>& TimerMap() {
    static std::map<UINT_PTR, CGEBDTGadget*> map;
    return map;
}

} // namespace

CGEBDTGadget::~CGEBDTGadget() {
    StopTimer();
}

BOOL CGEBDTGadget::Initialise(CGEBDateTimeCtrl* pOwner, int nId) {
    m_pOwner = pOwner;
    m_nId = nId;
    return TRUE;
}

BOOL CGEBDTGadget::SetFocus(BOOL bFocus) {
    if ((m_dwStyle & GEB_DTG_FOCUSABLE) == 0)
        return FALSE;
    if (m_bFocus != bFocus) {
        m_bFocus = bFocus;
        Invalidate(FALSE);
    }
    return TRUE;
}

void CGEBDTGadget::OnKeyDown(UINT) {}
void CGEBDTGadget::OnChar(UINT) {}
void CGEBDTGadget::OnLButtonDown(UINT, int, int) {}
void CGEBDTGadget::OnLButtonUp(UINT, int, int) {}
void CGEBDTGadget::OnMouseMove(UINT, int, int) {}
void CGEBDTGadget::OnCancelMode() {}
void CGEBDTGadget::OnTimer() {}
void CGEBDTGadget::OnSysColorChange() {}

int CGEBDTGadget::Notify(int nCode, int nId, int nValue) {
    return m_pOwner != nullptr ? m_pOwner->OnGadgetNotify(nCode, static_cast<UINT>(nId), nValue) : 0;
}

void CGEBDTGadget::Invalidate(BOOL bUpdateNow) {
    if (m_pOwner != nullptr)
        m_pOwner->InvalidateGadget(this, bUpdateNow);
}

void CGEBDTGadget::CaptureMouse(BOOL bCapture) {
    if (m_pOwner != nullptr)
        m_pOwner->SetCaptureGadget(this, bCapture);
}

void CGEBDTGadget::StartTimer(UINT nElapse) {
    StopTimer();
    m_nTimer = ::SetTimer(nullptr, 1, nElapse, &CGEBDTGadget::TimerProc);
    if (m_nTimer != 0)
        TimerMap()[m_nTimer] = this;
}

void CGEBDTGadget::StopTimer() {
    if (m_nTimer == 0)
        return;
    ::KillTimer(nullptr, m_nTimer);
    TimerMap().erase(m_nTimer);
    m_nTimer = 0;
}

void CALLBACK CGEBDTGadget::TimerProc(HWND, UINT, UINT_PTR nId, DWORD) {
    const auto it = TimerMap().find(nId);
    if (it != TimerMap().end())
        it->second->OnTimer();
}

CSize CGEBDTGadget::MeasureText(CDC* pDC, const CString& strText) {
    RECT rect{0, 0, 0, 0};
    pDC->DrawText(strText.IsEmpty() ? CString(" ") : strText, &rect,
                  DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXTERNALLEADING);
    return CSize(rect.right - rect.left, rect.bottom - rect.top);
}

void CGEBDTGadget::DrawFieldText(CDC* pDC, const CString& strText) {
    const CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    RECT rect = m_rect;
    if (m_bFocus) {
        const COLORREF clrOldText = pDC->SetTextColor(pInfo->m_clrHighlightText);
        const COLORREF clrOldBk = pDC->SetBkColor(pInfo->m_clrHighlight);
        const int nOldMode = pDC->SetBkMode(OPAQUE);
        pDC->FillSolidRect(&rect, pInfo->m_clrHighlight);
        pDC->DrawText(strText, &rect, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX | DT_EXTERNALLEADING);
        pDC->SetBkMode(nOldMode);
        pDC->SetBkColor(clrOldBk);
        pDC->SetTextColor(clrOldText);
        return;
    }
    const COLORREF clrOldText =
        pDC->SetTextColor(m_pOwner != nullptr ? m_pOwner->GetTextColor() : pInfo->m_clrWindowText);
    const COLORREF clrOldBk =
        pDC->SetBkColor(m_pOwner != nullptr ? m_pOwner->GetBackgroundColor() : pInfo->m_clrWindow);
    pDC->DrawText(strText, &rect, DT_SINGLELINE | DT_CENTER | DT_NOPREFIX | DT_EXTERNALLEADING);
    pDC->SetBkColor(clrOldBk);
    pDC->SetTextColor(clrOldText);
}
