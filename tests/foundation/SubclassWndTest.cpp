// Window subclassing chains: several hooks on one real window, unhooked in every order.
#include "foundation/CSubclassWnd.h"

#include "framework/win/CWnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kPing = WM_APP + 11;    // answered 42 by the window itself
constexpr UINT kSwallow = WM_APP + 12; // hook "B" answers it without passing it on

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

LRESULT CALLBACK TargetProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kPing || msg == kSwallow) {
        Log().push_back("window");
        return 42 + static_cast<LRESULT>(wParam);
    }
    return ::DefWindowProcA(hWnd, msg, wParam, lParam);
}

// A plain window with its own procedure.
HWND CreateTarget() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = &TargetProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "BrindlemarkSubclassTarget";
    ::RegisterClassA(&windowClass);
    return ::CreateWindowExA(0, "BrindlemarkSubclassTarget", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                             nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

// Records each message it sees (and what GetCurrentMessage says) and passes it on with Default().
class RecordingHook : public CSubclassWnd {
public:
    explicit RecordingHook(std::string name) : m_name(std::move(name)) {}
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != kPing && msg != kSwallow)
            return CSubclassWnd::WindowProc(msg, wParam, lParam);
        const MSG* current = CWnd::GetCurrentMessage();
        currentMatched = current->message == msg && current->wParam == wParam && current->hwnd == GetHwnd();
        Log().push_back(m_name);
        if (msg == kSwallow && m_name == "B")
            return 7;
        return Default() + 1;
    }
    bool currentMatched = false;

private:
    std::string m_name;
};

class SubclassWndTest : public ::testing::Test {
protected:
    void SetUp() override {
        Log().clear();
        m_window = CreateTarget();
        ASSERT_NE(nullptr, m_window);
    }
    void TearDown() override {
        if (::IsWindow(m_window))
            ::DestroyWindow(m_window);
    }
    // Sends the ping and returns the log of who saw it, with the result.
    std::vector<std::string> Ping(LRESULT* result = nullptr, UINT msg = kPing) {
        Log().clear();
        const LRESULT answer = ::SendMessageA(m_window, msg, 0, 0);
        if (result != nullptr)
            *result = answer;
        return Log();
    }
    WNDPROC CurrentProc() const {
        return reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_window, GWLP_WNDPROC));
    }

    HWND m_window = nullptr;
};

using Seen = std::vector<std::string>;

TEST_F(SubclassWndTest, BothHooksSeeEveryMessageNewestFirst) {
    RecordingHook a("A");
    RecordingHook b("B");
    ASSERT_TRUE(a.HookWindow(m_window));
    ASSERT_TRUE(b.HookWindow(m_window));
    LRESULT result = 0;
    EXPECT_EQ((Seen{"B", "A", "window"}), Ping(&result));
    EXPECT_EQ(44, result) << "each hook added 1 to the window's 42";
    EXPECT_TRUE(a.currentMatched);
    EXPECT_TRUE(b.currentMatched);

    // A hook that answers by itself keeps the message from the older hooks and the window.
    EXPECT_EQ((Seen{"B"}), Ping(&result, kSwallow));
    EXPECT_EQ(7, result);
}

TEST_F(SubclassWndTest, UnhookingInAnyOrderKeepsTheWindowWorking) {
    const WNDPROC own = CurrentProc();
    // Each order of removing three hooks; the window must answer after every step and get its own
    // procedure back at the end.
    std::vector<int> order = {0, 1, 2};
    do {
        RecordingHook hooks[3] = {RecordingHook("A"), RecordingHook("B"), RecordingHook("C")};
        for (RecordingHook& hook : hooks)
            hook.HookWindow(m_window);
        EXPECT_NE(own, CurrentProc());
        Seen expected = {"C", "B", "A"};
        for (int index : order) {
            hooks[index].HookWindow(static_cast<HWND>(nullptr));
            EXPECT_FALSE(hooks[index].IsHooked());
            expected.erase(
                std::find(expected.begin(), expected.end(), std::string(1, static_cast<char>('A' + index))));
            Seen withWindow = expected;
            withWindow.push_back("window");
            LRESULT result = 0;
            EXPECT_EQ(withWindow, Ping(&result));
            EXPECT_EQ(42 + static_cast<LRESULT>(expected.size()), result);
        }
        EXPECT_EQ(own, CurrentProc()) << "the window's own procedure was not restored";
    } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(SubclassWndTest, HookingAnotherWindowLeavesTheFirst) {
    HWND other = CreateTarget();
    RecordingHook a("A");
    a.HookWindow(m_window);
    a.HookWindow(other);
    EXPECT_EQ((Seen{"window"}), Ping());
    Log().clear();
    ::SendMessageA(other, kPing, 0, 0);
    EXPECT_EQ((Seen{"A", "window"}), Log());
    ::DestroyWindow(other);
}

TEST_F(SubclassWndTest, DestroyingTheWindowRemovesAllHooks) {
    auto a = std::make_unique<RecordingHook>("A");
    auto b = std::make_unique<RecordingHook>("B");
    a->HookWindow(m_window);
    b->HookWindow(m_window);
    ::DestroyWindow(m_window);
    EXPECT_FALSE(a->IsHooked());
    EXPECT_FALSE(b->IsHooked());
    // The hooks can go and hook again afterwards without touching the dead window.
    b.reset();
    m_window = CreateTarget();
    a->HookWindow(m_window);
    EXPECT_EQ((Seen{"A", "window"}), Ping());
}

TEST_F(SubclassWndTest, AProcedurePutInFrontLaterStaysInCharge) {
    // A framework window subclasses the window after our hook did: removing our hook must not cut it out.
    RecordingHook a("A");
    a.HookWindow(m_window);
    CWnd framework;
    ASSERT_TRUE(framework.SubclassWindow(m_window));
    a.HookWindow(static_cast<HWND>(nullptr));
    EXPECT_EQ(reinterpret_cast<WNDPROC>(&AfxWndProc), CurrentProc());
    LRESULT result = 0;
    EXPECT_EQ((Seen{"window"}), Ping(&result));
    EXPECT_EQ(42, result);

    // Hooking again takes the forwarding up again.
    a.HookWindow(m_window);
    EXPECT_EQ((Seen{"A", "window"}), Ping(&result));
    EXPECT_EQ(43, result);
    a.HookWindow(static_cast<HWND>(nullptr));
    framework.UnsubclassWindow();
}

} // namespace
