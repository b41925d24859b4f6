// What the calendar tests share: a top-level owner window that collects what the calendar posts to it,
// a calendar whose Ctrl key the test holds, and short ways to write dates.
#pragma once

#include "ControlsTestSupport.h"

#include "grid/controls/gadgets/CGEBCalendar.h"
#include "grid/controls/gadgets/CGEBPopupCalendar.h"

#include <vector>

namespace caltest {

// A day at noon, as the calendar keeps its dates.
inline COleDateTime Day(int nYear, int nMonth, int nDay) {
    return COleDateTime(nYear, nMonth, nDay, 12, 0, 0);
}

inline std::string Text(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid)
        return "invalid";
    char sz[32];
    wsprintfA(sz, "%04d-%02d-%02d", date.GetYear(), date.GetMonth(), date.GetDay());
    return sz;
}

struct Notice {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window that owns the calendars of a test; Notices() takes what was posted to it.
class OwnerWindow {
public:
    OwnerWindow() {
        ctltest::StartEngine();
        m_hWnd = ::CreateWindowExA(0, "STATIC", "Calendar owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30,
                                   400, 360, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        m_wnd.Attach(m_hWnd);
    }
    ~OwnerWindow() {
        m_wnd.Detach();
        ::DestroyWindow(m_hWnd);
    }
    OwnerWindow(const OwnerWindow&) = delete;
    OwnerWindow& operator=(const OwnerWindow&) = delete;

    CWnd* Wnd() { return &m_wnd; }
    // The calendar messages (2005 to 2008) posted to the owner since the last call, in order.
    std::vector<Notice> Notices() {
        std::vector<Notice> notices;
        MSG msg;
        while (::PeekMessageA(&msg, m_hWnd, GEB_CALN_SELECT, GEB_CALN_CANCEL, PM_REMOVE))
            notices.push_back({msg.message, msg.wParam, msg.lParam});
        return notices;
    }
    // The last accept or cancel posted since the last call; 0 when none.
    UINT LastClose() {
        UINT nLast = 0;
        for (const Notice& notice : Notices())
            if (notice.message == GEB_CALN_ACCEPT || notice.message == GEB_CALN_CANCEL)
                nLast = notice.message;
        return nLast;
    }

private:
    HWND m_hWnd = nullptr;
    CWnd m_wnd;
};

// A calendar whose Ctrl key the test holds.
template <class Base> class KeyedCalendar : public Base {
public:
    BOOL ctrl = FALSE;
    int beeps = 0;
    void Beep() override {
        ++beeps;
        Base::Beep();
    }
    void PressKey(UINT nKey) {
        this->SendMessage(WM_KEYDOWN, nKey, 1);
        this->SendMessage(WM_KEYUP, nKey, static_cast<LPARAM>(0xC0000001u));
    }

protected:
    BOOL IsKeyDown(int nVirtKey) const override { return nVirtKey == VK_CONTROL && ctrl; }
};

using TestCalendar = KeyedCalendar<CGEBCalendar>;
using TestPopupCalendar = KeyedCalendar<CGEBPopupCalendar>;

// The center of the box showing a day (calendar client coordinates).
inline CPoint BoxCenter(CGEBCalendar& calendar, const COleDateTime& date) {
    CGEBDayBox* pBox = calendar.FindDayBox(date);
    if (pBox == nullptr)
        return CPoint(-1, -1);
    const RECT& rect = pBox->GetRect();
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

} // namespace caltest
