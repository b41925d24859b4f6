// Shared helpers of the window framework tests: pumping this thread's messages through the framework,
// and an application object that records what it sees; with the helpers of every window test.
#pragma once

#include <gtest/gtest.h>

#include "WinTestsResource.h"
#include "WindowTestCommon.h"
#include "framework/win/AfxWin.h"

#include <functional>
#include <string>
#include <vector>

namespace wintest {

// Dispatches what is waiting in this thread's queue through the framework's pump (PreTranslateMessage
// included). Leaves WM_QUIT in the queue.
inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT)
        AfxPumpMessage();
}

// The application object of a test: records message boxes instead of showing them (unless told to
// show them) and the codes its message filter sees.
class TestApp : public RecordingApp {
public:
    TestApp() : RecordingApp("Window Framework Tests") {}

    BOOL ProcessMessageFilter(int code, LPMSG lpMsg) override {
        filterCodes.push_back(code);
        return RecordingApp::ProcessMessageFilter(code, lpMsg);
    }
    BOOL OnIdle(LONG lCount) override {
        idleCounts.push_back(lCount);
        const BOOL more = RecordingApp::OnIdle(lCount);
        if (onIdle)
            onIdle(lCount);
        return more;
    }

    std::vector<int> filterCodes;
    std::vector<LONG> idleCounts;
    std::function<void(LONG)> onIdle;
};

} // namespace wintest
