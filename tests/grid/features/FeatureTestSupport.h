// What the grid feature tests share beyond the core's test support: values in and out of cells, a
// long-operation feature with a test clock and scripted answers, and a window that records the status
// texts it is sent.
#pragma once

#include "grid/core/GridCoreTestSupport.h"

#include "framework/win/AfxPriv.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/features/CGELongOperationImp.h"
#include "grid/features/CGELongOperationState.h"

#include <deque>
#include <string>
#include <vector>

namespace featuretest {

// The stored value of a cell, "-" when the cell has no style.
inline std::string Value(CGEGridCore& grid, ROWCOL nRow, ROWCOL nCol) {
    CGEData* pData = grid.GetData();
    const CGEStyle* pStyle = pData != nullptr ? pData->LookupStyle(nRow, nCol) : nullptr;
    return pStyle != nullptr ? std::string(pStyle->GetValue()) : std::string("-");
}

// Appends a word to a list of words separated by blanks.
inline void AddWord(std::string& s, const std::string& word) {
    if (!s.empty())
        s.push_back(' ');
    s.append(word);
}

// The stored values of column nCol from row nFrom to nTo, joined by blanks.
inline std::string Column(CGEGridCore& grid, ROWCOL nCol, ROWCOL nFrom, ROWCOL nTo) {
    std::string s;
    for (ROWCOL r = nFrom; r <= nTo; ++r)
        AddWord(s, Value(grid, r, nCol));
    return s;
}

// The stored values of row nRow from column nFrom to nTo, joined by blanks.
inline std::string Row(CGEGridCore& grid, ROWCOL nRow, ROWCOL nFrom, ROWCOL nTo) {
    std::string s;
    for (ROWCOL c = nFrom; c <= nTo; ++c)
        AddWord(s, Value(grid, nRow, c));
    return s;
}

// A top-level window of this thread that keeps the status texts it receives and counts messages.
class RecordingWindow {
public:
    RecordingWindow() {
        static const ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = &RecordingWindow::Proc;
            wc.hInstance = ::GetModuleHandleA(nullptr);
            wc.lpszClassName = "FeatureTestRecorder";
            return ::RegisterClassA(&wc);
        }();
        (void)atom;
        m_hWnd = ::CreateWindowExA(0, "FeatureTestRecorder", "", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                   nullptr, ::GetModuleHandleA(nullptr), nullptr);
        ::SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~RecordingWindow() { ::DestroyWindow(m_hWnd); }
    RecordingWindow(const RecordingWindow&) = delete;
    RecordingWindow& operator=(const RecordingWindow&) = delete;

    HWND Handle() const { return m_hWnd; }

    std::vector<std::string> statusTexts;
    int clicks = 0;
    int userMessages = 0;

private:
    static LRESULT CALLBACK Proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* pThis = reinterpret_cast<RecordingWindow*>(::GetWindowLongPtrA(hWnd, GWLP_USERDATA));
        if (pThis != nullptr) {
            if (message == WM_SETMESSAGESTRING)
                pThis->statusTexts.emplace_back(reinterpret_cast<LPCSTR>(lParam));
            else if (message == WM_LBUTTONDOWN)
                ++pThis->clicks;
            else if (message == WM_USER + 1)
                ++pThis->userMessages;
        }
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
};

// The long-operation feature with a clock the test sets, answers the test scripts and a count of the
// wait cursor's levels. While it lives it replaces the engine's long-operation feature, and the shared
// long-operation state sends its texts to a recording window.
class TestLongOperationImp : public CGELongOperationImp {
public:
    TestLongOperationImp() {
        gridtest::StartEngine();
        m_pPrevious = GEGetLibraryState()->m_pLongOperationImp;
        GEGetLibraryState()->m_pLongOperationImp = this;
        CGELongOperationState& state = CGELongOperationState::Get();
        m_saved = {state.dwFirstWait, state.dwStepInterval, state.bAskBeforeAbort};
        state.hFrameWnd = window.Handle();
        state.nIndicator = 0;
    }
    ~TestLongOperationImp() override {
        GEGetLibraryState()->m_pLongOperationImp = m_pPrevious;
        CGELongOperationState& state = CGELongOperationState::Get();
        state.dwFirstWait = m_saved.dwFirstWait;
        state.dwStepInterval = m_saved.dwStepInterval;
        state.bAskBeforeAbort = m_saved.bAsk;
        state.hFrameWnd = nullptr;
    }
    TestLongOperationImp(const TestLongOperationImp&) = delete;
    TestLongOperationImp& operator=(const TestLongOperationImp&) = delete;

    DWORD now = 100000;
    DWORD tick = 0; // added to the clock at every reading, for operations that run through many steps
    std::deque<int> answers; // MessageBox results, in the order the questions come
    std::vector<UINT> questions;
    int waitCursor = 0;
    RecordingWindow window;

protected:
    DWORD Now() override {
        now += tick;
        return now;
    }
    int AskUser(LPCSTR, UINT nType) override {
        questions.push_back(nType & 0x0F);
        const int nAnswer = answers.empty() ? IDCANCEL : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return nAnswer;
    }
    void WaitCursor(int nCode) override {
        if (nCode != 0)
            waitCursor += nCode;
    }

private:
    struct Settings {
        DWORD dwFirstWait;
        DWORD dwStepInterval;
        BOOL bAsk;
    } m_saved{};
    CGEAbstractLongOperationImp* m_pPrevious = nullptr;
};

} // namespace featuretest
