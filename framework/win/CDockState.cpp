#include "framework/win/CDockState.h"

#include "framework/core/CString.h"
#include "framework/win/CDockBar.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CMiniDockFrameWnd.h"
#include "framework/win/CWinApp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDockState, CObject)

namespace {

CString SummarySection(LPCSTR lpszProfileName) {
    return CString(lpszProfileName) + "-Summary";
}

// A profile that claims more bars than a frame could have is damaged; read no more than this.
constexpr UINT kMaxBars = 256;

CSize ScreenSize() {
    return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

// Keeps a floating frame's corner on the virtual screen so that it can be reached.
CPoint OnScreen(CPoint point) {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int right = left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN) - 32;
    const int bottom = top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN) - 32;
    return CPoint(std::clamp(static_cast<int>(point.x), left, std::max(left, right)),
                  std::clamp(static_cast<int>(point.y), top, std::max(top, bottom)));
}

// A bar of the frame that may be put in the state's places: not a dock bar of its own.
CControlBar* PlainBar(const CFrameWnd* pFrame, UINT nID) {
    CControlBar* pBar = CControlBar::FindBar(pFrame, nID);
    return (pBar != nullptr && !pBar->IsDockBar()) ? pBar : nullptr;
}

} // namespace

void CDockState::Clear() {
    m_arrBarInfo.clear();
    m_sizeScreen = CSize(0, 0);
}

void CDockState::LoadState(LPCSTR lpszProfileName) {
    Clear();
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr)
        return;
    const CString summary = SummarySection(lpszProfileName);
    const UINT nBars = std::min(pApp->GetProfileInt(summary, "Bars", 0), kMaxBars);
    m_sizeScreen.cx = static_cast<int>(pApp->GetProfileInt(summary, "ScreenCX", 0));
    m_sizeScreen.cy = static_cast<int>(pApp->GetProfileInt(summary, "ScreenCY", 0));
    for (UINT i = 0; i < nBars; ++i) {
        CControlBarInfo info;
        if (info.LoadState(lpszProfileName, static_cast<int>(i)))
            m_arrBarInfo.push_back(std::move(info));
    }
}

void CDockState::SaveState(LPCSTR lpszProfileName) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr || lpszProfileName == nullptr)
        return;
    const CString summary = SummarySection(lpszProfileName);
    const UINT nOld = std::min(pApp->GetProfileInt(summary, "Bars", 0), kMaxBars);
    if (m_sizeScreen.cx == 0 && m_sizeScreen.cy == 0)
        m_sizeScreen = ScreenSize();
    pApp->WriteProfileInt(summary, "Bars", static_cast<int>(m_arrBarInfo.size()));
    pApp->WriteProfileInt(summary, "ScreenCX", m_sizeScreen.cx);
    pApp->WriteProfileInt(summary, "ScreenCY", m_sizeScreen.cy);
    for (size_t i = 0; i < m_arrBarInfo.size(); ++i)
        m_arrBarInfo[i].SaveState(lpszProfileName, static_cast<int>(i));
    // Sections of bars an earlier state had beyond these go.
    for (UINT i = static_cast<UINT>(m_arrBarInfo.size()); i < nOld; ++i) {
        char suffix[32];
        wsprintfA(suffix, "-Bar%u", i);
        pApp->WriteProfileString(CString(lpszProfileName) + suffix, nullptr, nullptr);
    }
}

void CDockState::GetDockState(const CFrameWnd* pFrame, CDockState& state) {
    state.Clear();
    state.m_sizeScreen = ScreenSize();
    for (CControlBar* pBar : CControlBar::FrameBars(pFrame)) {
        const auto nID = static_cast<UINT>(pBar->GetDlgCtrlID());
        if (nID == 0)
            continue;
        CControlBarInfo info;
        info.m_nBarID = nID;
        info.m_bHorz = (pBar->m_dwStyle & CBRS_ORIENT_HORZ) != 0 || !(pBar->m_dwStyle & CBRS_ORIENT_VERT);
        info.m_nMRUWidth = pBar->m_nMRUWidth;
        if (pBar->IsDockBar()) {
            auto* pDockBar = static_cast<CDockBar*>(pBar);
            if (pDockBar->m_bFloating)
                continue; // the floating bars themselves say where they float
            info.m_bDockBar = TRUE;
            for (const auto& row : pDockBar->GetRows()) {
                for (CControlBar* pDocked : row)
                    info.m_arrBarID.push_back(static_cast<UINT>(pDocked->GetDlgCtrlID()));
                info.m_arrBarID.push_back(0);
            }
        } else {
            info.m_bVisible = pBar->IsVisible();
            info.m_bFloating = pBar->IsFloating();
            CDockBar* pDockBar = pBar->m_pDockBar;
            if (info.m_bFloating && pDockBar != nullptr) {
                if (CMiniDockFrameWnd* pMini = pDockBar->GetFloatingFrame()) {
                    CRect rect;
                    pMini->GetWindowRect(&rect);
                    info.m_pointPos = rect.TopLeft();
                }
            } else if (pDockBar != nullptr) {
                info.m_uMRUDockID = static_cast<UINT>(pDockBar->GetDlgCtrlID());
                CRect rect;
                pBar->GetWindowRect(&rect);
                pDockBar->ScreenToClient(&rect);
                info.m_pointPos = info.m_bHorz ? CPoint(rect.left, rect.top) : CPoint(rect.top, rect.left);
            }
        }
        state.m_arrBarInfo.push_back(std::move(info));
    }
}

void CDockState::SetDockState(CFrameWnd* pFrame, const CDockState& state) {
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    // The rows of each dock bar first: that docks every bar the state has docked.
    for (const CControlBarInfo& info : state.m_arrBarInfo) {
        if (!info.m_bDockBar)
            continue;
        CDockBar* pDockBar = CDockBar::FindDockBar(pFrame, info.m_nBarID);
        if (pDockBar == nullptr)
            continue;
        const DWORD dwSide = pDockBar->m_dwStyle & CBRS_ALIGN_ANY;
        std::vector<std::vector<CControlBar*>> rows(1);
        for (UINT nID : info.m_arrBarID) {
            if (nID == 0) {
                if (!rows.back().empty())
                    rows.emplace_back();
                continue;
            }
            CControlBar* pBar = PlainBar(pFrame, nID);
            if (pBar != nullptr && (pBar->m_dwDockStyle & dwSide))
                rows.back().push_back(pBar);
        }
        pDockBar->SetRows(rows);
    }
    // Then each bar: where it floats, its place in its row, whether it shows.
    for (const CControlBarInfo& info : state.m_arrBarInfo) {
        if (info.m_bDockBar)
            continue;
        CControlBar* pBar = PlainBar(pFrame, info.m_nBarID);
        if (pBar == nullptr)
            continue;
        pBar->m_nMRUWidth = info.m_nMRUWidth;
        if (info.m_bFloating) {
            CDockBar::FloatControlBar(pFrame, pBar, OnScreen(info.m_pointPos),
                                      info.m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
        } else if (pBar->m_pDockBar != nullptr && !pBar->m_pDockBar->m_bFloating) {
            pBar->m_nDockPos = info.m_pointPos.x;
        }
        CControlBar::ShowBar(pFrame, pBar, info.m_bVisible, FALSE);
    }
    CControlBar::RecalcFrameLayout(pFrame);
}

void CDockState::LoadBarState(CFrameWnd* pFrame, LPCSTR lpszProfileName) {
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(pFrame, state);
}

void CDockState::SaveBarState(const CFrameWnd* pFrame, LPCSTR lpszProfileName) {
    CDockState state;
    GetDockState(pFrame, state);
    state.SaveState(lpszProfileName);
}
