// Window classes registered for framework windows: one class per combination of style, cursor,
// background and icon, and program classes registered once under their own name.
#include "WinTestSupport.h"

#include <string>

using namespace wintest;

TEST(WndClassRegistration, SameAttributesGiveTheSameClassAndOthersANewOne) {
    HCURSOR arrow = ::LoadCursorA(nullptr, IDC_ARROW);
    HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
    LPCSTR first = AfxRegisterWndClass(CS_DBLCLKS, arrow, face);
    LPCSTR again = AfxRegisterWndClass(CS_DBLCLKS, arrow, face);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(std::string(first), std::string(again));
    EXPECT_NE(std::string(first), std::string(AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW, arrow, face)));
    EXPECT_NE(std::string(first), std::string(AfxRegisterWndClass(CS_DBLCLKS, nullptr, face)));

    WNDCLASSA info{};
    ASSERT_TRUE(::GetClassInfoA(AfxGetInstanceHandle(), first, &info));
    EXPECT_EQ(info.style & CS_DBLCLKS, static_cast<UINT>(CS_DBLCLKS));
    EXPECT_EQ(info.hCursor, arrow);
    EXPECT_EQ(info.hbrBackground, face);

    // A window of the class is handled by its object from its first message on.
    CWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, first, "Registered", WS_POPUP, CRect(0, 0, 50, 40), nullptr, 0));
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    char className[256] = {};
    ::GetClassNameA(wnd.m_hWnd, className, sizeof className);
    EXPECT_STREQ(className, first);
}

namespace {

LRESULT CALLBACK FirstProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_USER ? 1 : ::DefWindowProcA(hWnd, message, wParam, lParam);
}
LRESULT CALLBACK SecondProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return message == WM_USER ? 2 : ::DefWindowProcA(hWnd, message, wParam, lParam);
}

} // namespace

TEST(WndClassRegistration, AProgramClassIsRegisteredOnceAndKeptWhenAskedAgain) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &FirstProc;
    wc.hInstance = AfxGetInstanceHandle();
    wc.lpszClassName = "BrindlemarkRegistrationTest";
    ASSERT_TRUE(AfxRegisterClass(&wc));
    wc.lpfnWndProc = &SecondProc;
    EXPECT_TRUE(AfxRegisterClass(&wc)) << "an existing class is available";

    HWND hWnd = ::CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(hWnd, nullptr);
    EXPECT_EQ(::SendMessageA(hWnd, WM_USER, 0, 0), 1) << "the first registration stays";
    ::DestroyWindow(hWnd);
}
