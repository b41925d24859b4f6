// The application's help command and the tool-tip relay of dialogs.
#include "ShellTestSupport.h"

#include "foundation/SharedHelpers.h"

using namespace shelltest;

namespace {

TEST(AppHelp, AMissingHelpFileIsNamedInTheMessage) {
    ScratchRegistry registry;
    ScratchFolder folder;
    SetProgramFolderForTests(folder.Path());
    TestShellApp app;
    app.WinHelp(0, HELP_FINDER);
    SetProgramFolderForTests(nullptr);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0],
              "The help file cannot be opened!\r\n\r\n" + std::string(folder.Path()) + "Brindlemark.chm");
}

// A window that records the tool-tip relay messages it is sent.
LRESULT CALLBACK RecordRelay(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == TTM_RELAYEVENT) {
        auto* relayed = reinterpret_cast<std::vector<UINT>*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        relayed->push_back(reinterpret_cast<const MSG*>(lParam)->message);
        return 0;
    }
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

using AppToolTipRelay = MainFrameFixture;

TEST_F(AppToolTipRelay, MessagesOfTheDialogAndItsChildrenReachItsToolTipUntilTheRelayEnds) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = RecordRelay;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ShellTestRelayRecorder";
    ::RegisterClassA(&wc);
    std::vector<UINT> relayed;
    HWND hTip = ::CreateWindowA("ShellTestRelayRecorder", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                ::GetModuleHandleA(nullptr), nullptr);
    ::SetWindowLongPtrA(hTip, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&relayed));
    HWND hDialog = ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND hChild = ::CreateWindowA("STATIC", "", WS_CHILD, 0, 0, 5, 5, hDialog, nullptr, nullptr, nullptr);
    HWND hElsewhere =
        ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);

    CWnd dialog;
    dialog.Attach(hDialog);
    CWnd tip;
    tip.Attach(hTip);
    app.SetToolTipRelay(&dialog, &tip);
    MSG msg{};
    for (HWND target : {hDialog, hChild, hElsewhere}) {
        msg.hwnd = target;
        msg.message = WM_MOUSEMOVE;
        app.ProcessMessageFilter(MSGF_DIALOGBOX, &msg);
    }
    EXPECT_EQ(relayed, (std::vector<UINT>{WM_MOUSEMOVE, WM_MOUSEMOVE}));

    app.SetToolTipRelay(nullptr, nullptr);
    msg.hwnd = hChild;
    app.ProcessMessageFilter(MSGF_DIALOGBOX, &msg);
    EXPECT_EQ(relayed.size(), 2u);

    dialog.Detach();
    tip.Detach();
    for (HWND hWnd : {hElsewhere, hDialog, hTip})
        ::DestroyWindow(hWnd);
}

} // namespace
