// CMainFrame: the tray icons, their animation while a task is timed, and the tray menu.
#include "shell/CMainFrame.h"

#include "foundation/Registry.h"
#include "foundation/WindowHelpers.h"
#include "framework/win/CMenu.h"
#include "resource.h"

#include <cstring>

namespace {

constexpr UINT kMainIconCallback = WM_USER;
constexpr UINT kQuickInfoCallback = WM_USER + 1;
constexpr UINT_PTR kAnimationTimer = 1;
constexpr UINT kAnimationPeriod = 2000; // ms
constexpr DWORD kDoubleButtonUp = 300;  // ms: two button-ups this close open the main window
constexpr DWORD kTrayMenuDelay = 200;   // ms the tray menu waits for a second click

HICON LoadSmallIcon(UINT id) {
    return static_cast<HICON>(
        ::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id), IMAGE_ICON, 16, 16, 0));
}

bool IconSetting(const char* name) {
    bool shown = true;
    if (!RegReadBool(REG_PREFS_ICONS, name, &shown))
        shown = true;
    return shown;
}

CString LoadText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

} // namespace

void CMainFrame::LoadTrayIcons() {
    m_hIconIdle = LoadSmallIcon(IDI_TRAY_IDLE);
    m_hIconPaused = LoadSmallIcon(IDI_TRAY_PAUSED);
    m_hIconQuickInfo = LoadSmallIcon(IDI_TRAY_QUICK_INFO);
    const UINT frames[] = {IDI_TRAY_FRAME1, IDI_TRAY_FRAME2, IDI_TRAY_FRAME3, IDI_TRAY_FRAME4};
    for (size_t i = 0; i < std::size(frames); ++i)
        m_hIconFrames[i] = LoadSmallIcon(frames[i]);
}

void CMainFrame::DestroyTrayIconHandles() {
    for (HICON* icon : {&m_hIconIdle, &m_hIconPaused, &m_hIconQuickInfo, &m_hIconFrames[0], &m_hIconFrames[1],
                        &m_hIconFrames[2], &m_hIconFrames[3]}) {
        if (*icon != nullptr)
            ::DestroyIcon(*icon);
        *icon = nullptr;
    }
}

NOTIFYICONDATAA CMainFrame::MakeTrayIconData(HWND hWnd, UINT callbackMessage, HICON hIcon, const char* tip) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = hWnd;
    data.uID = callbackMessage - WM_USER;
    data.uCallbackMessage = callbackMessage;
    data.uFlags = NIF_MESSAGE;
    if (hIcon != nullptr) {
        data.hIcon = hIcon;
        data.uFlags |= NIF_ICON;
    }
    if (tip != nullptr) {
        // The first version of the record holds 63 characters and the terminating zero.
        std::strncpy(data.szTip, tip, 63);
        data.szTip[63] = '\0';
        data.uFlags |= NIF_TIP;
    }
    return data;
}

BOOL CMainFrame::NotifyTrayIcon(DWORD message, NOTIFYICONDATAA& data) {
    return ::Shell_NotifyIconA(message, &data);
}

BOOL CMainFrame::TrayIconCall(DWORD message, UINT callbackMessage, HICON hIcon, const char* tip) {
    NOTIFYICONDATAA data = MakeTrayIconData(m_hWnd, callbackMessage, hIcon, tip);
    return NotifyTrayIcon(message, data);
}

DWORD CMainFrame::TickNow() const {
    return ::GetTickCount();
}

void CMainFrame::AddTrayIcons() {
    if (m_bIconsAdded)
        return;
    m_bIconsAdded = true;
    if (IconSetting("Main"))
        TrayIconCall(NIM_ADD, kMainIconCallback, m_hIconIdle, LoadText(IDS_TRAY_IDLE));
    if (IconSetting("Quick Info"))
        TrayIconCall(NIM_ADD, kQuickInfoCallback, m_hIconQuickInfo, LoadText(IDS_QUICK_INFO_TIP));
    AnimationStep();
}

CString CMainFrame::TimingTip() const {
    return LoadText(IDS_TRAY_TIMING);
}

void CMainFrame::StartTimingIcon() {
    if (m_bAnimating)
        return;
    m_bAnimating = true;
    m_nFrame = 0;
    if (IconSetting("Main"))
        TrayIconCall(NIM_MODIFY, kMainIconCallback, m_hIconFrames[0], TimingTip());
    SetTimer(kAnimationTimer, kAnimationPeriod, nullptr);
}

void CMainFrame::StopTimingIcon() {
    if (!m_bAnimating)
        return;
    m_bAnimating = false;
    KillTimer(kAnimationTimer);
    TrayIconCall(NIM_MODIFY, kMainIconCallback, m_hIconIdle, LoadText(IDS_TRAY_IDLE));
}

void CMainFrame::AnimationStep() {
    if (!m_bAnimating)
        return;
    const CString tip = TimingTip();
    m_nFrame = (m_nFrame + 1) % 4;
    if (IconSetting("Main"))
        TrayIconCall(NIM_MODIFY, kMainIconCallback, m_hIconFrames[m_nFrame], tip);
}

void CMainFrame::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent == kAnimationTimer)
        AnimationStep();
    CAcxMDIFrameWnd::OnTimer(nIDEvent);
}

LRESULT CMainFrame::OnTrayMain(WPARAM, LPARAM lParam) {
    const auto mouse = static_cast<UINT>(lParam);
    // The right button's release is part of the range: it opens the tray menu as the left one does.
    if (AfxGetApp() == nullptr || mouse < WM_LBUTTONDOWN || mouse > WM_RBUTTONUP)
        return 0;
    switch (mouse) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
        const DWORD now = TickNow();
        const bool quickSecond = m_bHaveButtonUp && now - m_dwLastButtonUp < kDoubleButtonUp;
        m_dwLastButtonUp = now;
        m_bHaveButtonUp = true;
        if (quickSecond) {
            PostMessage(WM_COMMAND, ID_OPEN_MAIN_WINDOW);
        } else if (m_bMenuGuard) {
            m_bMenuGuard = false;
        } else {
            PostMessage(TrackTrayMenuMessage());
        }
        break;
    }
    case WM_LBUTTONDBLCLK:
        PostMessage(WM_COMMAND, ID_OPEN_MAIN_WINDOW);
        m_bMenuGuard = true;
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CMainFrame::OnTrackTrayMenu(WPARAM, LPARAM) {
    CPoint point;
    ::GetCursorPos(&point);
    // A double click may still come: its button-up sets the guard meanwhile.
    WaitPumpingMessages(kTrayMenuDelay);
    if (m_bMenuGuard)
        return 0;
    CMenu menu;
    if (!menu.LoadMenu(IDR_TRAY_MENU))
        return 0;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return 0;
    ::SetMenuDefaultItem(pPopup->GetSafeHmenu(), ID_OPEN_MAIN_WINDOW, FALSE);
    SetForegroundWindow();
    TrackTrayMenu(pPopup, point);
    // The menu of a tray icon closes properly only after its window got another message.
    PostMessage(WM_NULL);
    return 0;
}

void CMainFrame::TrackTrayMenu(CMenu* pPopup, CPoint point) {
    pPopup->TrackPopupMenu(TPM_RIGHTALIGN | TPM_RIGHTBUTTON, point.x, point.y - 1, this);
}
