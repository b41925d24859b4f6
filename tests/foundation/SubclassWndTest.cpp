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

namespace {

constexpr UINT kOuter = WM_APP + 21;
constexpr UINT kInner = WM_APP + 22;

// A framework window whose handlers note which message the framework says is being processed.
class FrameworkWindow : public CWnd {
public:
    std::vector<UINT> seen;

protected:
    afx_msg LRESULT OnOuter(WPARAM, LPARAM) {
        seen.push_back(GetCurrentMessage()->message);
        return 100;
    }
    afx_msg LRESULT OnInner(WPARAM, LPARAM) {
        seen.push_back(GetCurrentMessage()->message);
        return 200;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(FrameworkWindow, CWnd)
ON_MESSAGE(kOuter, OnOuter)
ON_MESSAGE(kInner, OnInner)
END_MESSAGE_MAP()

// While it handles kOuter it sends kInner to the same window, then passes kOuter on with Default().
class NestingHook : public CSubclassWnd {
public:
    LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        if (msg != kOuter)
            return CSubclassWnd::WindowProc(msg, wParam, lParam);
        seenBefore = CWnd::GetCurrentMessage()->message;
        innerResult = ::SendMessageA(GetHwnd(), kInner, 0, 0);
        seenAfter = CWnd::GetCurrentMessage()->message;
        return Default();
    }
    UINT seenBefore = 0;
    UINT seenAfter = 0;
    LRESULT innerResult = 0;
};

} // namespace

TEST(SubclassWndCurrentMessage, FrameworkWindowsAndHooksAgreeOnTheMessageBeingProcessed) {
    FrameworkWindow window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "Framework", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                nullptr));
    NestingHook hook;
    ASSERT_TRUE(hook.HookWindow(&window));
    const MSG outside = *CWnd::GetCurrentMessage();

    EXPECT_EQ(window.SendMessage(kOuter), 100);
    EXPECT_EQ(hook.seenBefore, kOuter);
    EXPECT_EQ(hook.innerResult, 200);
    EXPECT_EQ(hook.seenAfter, kOuter) << "the nested message was left as the current one";
    // The framework's handlers, reached through the hook, saw their own messages.
    EXPECT_EQ(window.seen, (std::vector<UINT>{kInner, kOuter}));
    // Afterwards the thread's current message is the one from before.
    EXPECT_EQ(CWnd::GetCurrentMessage()->message, outside.message);
    EXPECT_EQ(CWnd::GetCurrentMessage()->hwnd, outside.hwnd);

    hook.HookWindow(static_cast<HWND>(nullptr));
    window.DestroyWindow();
}

TEST(SubclassWndCurrentMessage, SetCurrentMessageReturnsTheReplacedMessageForDefault) {
    FrameworkWindow window;
    ASSERT_TRUE(window.CreateEx(0, AfxRegisterWndClass(0), "Framework", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                nullptr));
    const MSG mine{window.m_hWnd, WM_GETTEXTLENGTH, 0, 0, 0, {0, 0}};
    const MSG previous = CWnd::SetCurrentMessage(mine);
    EXPECT_EQ(CWnd::GetCurrentMessage()->message, static_cast<UINT>(WM_GETTEXTLENGTH));
    EXPECT_EQ(CWnd::GetCurrentMessage()->hwnd, window.m_hWnd);
    // Default() processes the message set: the length of "Framework".
    EXPECT_EQ(window.Default(), 9);
    const MSG replaced = CWnd::SetCurrentMessage(previous);
    EXPECT_EQ(replaced.message, static_cast<UINT>(WM_GETTEXTLENGTH));
    EXPECT_EQ(CWnd::GetCurrentMessage()->message, previous.message);
    window.DestroyWindow();
}
