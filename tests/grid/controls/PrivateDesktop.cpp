// Test processes run at once in one Wine prefix, and the window that has the keyboard is one per desktop:
// a grid window of another test process would take the focus from an open drop-down list and close it.
// Where windows are not drawn, each test process therefore puts its windows on a desktop of its own.
#include "WindowPicture.h"

#include <windows.h>

#include <string>

namespace {

struct PrivateDesktop {
    PrivateDesktop() {
        if (screentest::WindowsAreDrawn())
            return; // the pictures are taken of the screen's own desktop
        const std::string name = "gridcontrols-" + std::to_string(::GetCurrentProcessId());
        m_hDesk = ::CreateDesktopA(name.c_str(), nullptr, nullptr, 0, GENERIC_ALL, nullptr);
        if (m_hDesk != nullptr)
            ::SetThreadDesktop(m_hDesk);
    }
    ~PrivateDesktop() {
        if (m_hDesk != nullptr)
            ::CloseDesktop(m_hDesk);
    }
    PrivateDesktop(const PrivateDesktop&) = delete;
    PrivateDesktop& operator=(const PrivateDesktop&) = delete;
    HDESK m_hDesk = nullptr;
};

const PrivateDesktop g_desktop;

} // namespace
