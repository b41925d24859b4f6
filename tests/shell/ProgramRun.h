// Starting the built program under Wine for the end-to-end tests: each run gets a registry tree, a
// program folder and a data folder of the test's own (through the environment the program reads at its
// entry), and the test finds the program's windows by its user-interface thread.
#pragma once

#include "foundation/Registry.h"
#include "foundation/ScratchRegistry.h"
#include "framework/win/WindowTestCommon.h"

#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace e2e {

using wintest::ClassOf;
using wintest::TextOf;

constexpr DWORD kStartTimeout = 60000; // ms: a first start creates its database

inline std::string BuiltProgram() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    return path.substr(0, path.rfind('\\') + 1) + "Brindlemark.exe";
}

// One run of the built program.
class ProgramRun {
public:
    ProgramRun(const ScratchRegistry& registry, const CString& programFolder, const CString& dataFolder,
               const std::string& arguments = "") {
        std::string command = "\"";
        command += BuiltProgram();
        command += "\" ";
        command += arguments;
        SetEnvironmentVariableA("BRINDLEMARK_TEST_REGISTRY_ROOT", registry.Root());
        SetEnvironmentVariableA("BRINDLEMARK_TEST_PROGRAM_FOLDER", programFolder);
        SetEnvironmentVariableA("BRINDLEMARK_TEST_DATA_FOLDER", dataFolder);
        STARTUPINFOA si{};
        si.cb = sizeof si;
        m_started =
            CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi);
        for (const char* name : {"BRINDLEMARK_TEST_REGISTRY_ROOT", "BRINDLEMARK_TEST_PROGRAM_FOLDER",
                                 "BRINDLEMARK_TEST_DATA_FOLDER"})
            SetEnvironmentVariableA(name, nullptr);
    }
    ~ProgramRun() {
        if (!m_started)
            return;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(m_pi.hProcess, 99);
            WaitForSingleObject(m_pi.hProcess, 10000);
        }
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return m_started != FALSE; }

    // The top-level windows of the program's user-interface thread.
    std::vector<HWND> Windows() const {
        std::vector<HWND> found;
        EnumThreadWindows(
            m_pi.dwThreadId,
            [](HWND hWnd, LPARAM lParam) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        return found;
    }
    HWND MainFrame() const {
        for (HWND hWnd : Windows()) {
            if (ClassOf(hWnd) == "BrindlemarkInstanceWndClass")
                return hWnd;
        }
        return nullptr;
    }
    // The visible dialog of the program whose caption is title, or nullptr.
    HWND Dialog(const std::string& title) const {
        for (HWND hWnd : Windows()) {
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) && TextOf(hWnd) == title)
                return hWnd;
        }
        return nullptr;
    }

    // Waits until condition holds or the program ends; whether it holds.
    bool WaitFor(const std::function<bool()>& condition, DWORD timeout = kStartTimeout) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < timeout) {
            if (condition())
                return true;
            if (WaitForSingleObject(m_pi.hProcess, 50) == WAIT_OBJECT_0)
                return condition();
        }
        return false;
    }
    // Waits for the visible dialog whose caption is title; it, or nullptr after the timeout.
    HWND WaitForDialog(const std::string& title, DWORD timeout = 10000) const {
        HWND hDialog = nullptr;
        WaitFor(
            [&] {
                hDialog = Dialog(title);
                return hDialog != nullptr;
            },
            timeout);
        return hDialog;
    }
    // The window that has the keyboard focus in the program's user-interface thread.
    HWND FocusWindow() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(m_pi.dwThreadId, &info) ? info.hwndFocus : nullptr;
    }
    // What the program shows, for a failure's message: its visible top-level windows, with the texts of
    // a dialog's controls.
    std::string Describe() const {
        std::string text;
        for (HWND hWnd : Windows()) {
            if (!IsWindowVisible(hWnd))
                continue;
            text += "[";
            text += ClassOf(hWnd);
            text += " \"";
            text += TextOf(hWnd);
            text += "\"";
            if (ClassOf(hWnd) == "#32770") {
                text += " ";
                text += wintest::ChildTexts(hWnd);
            }
            text += "]\n";
        }
        return text;
    }
    // Waits for the program to end; its exit code, or STILL_ACTIVE.
    DWORD WaitForExit(DWORD timeout = kStartTimeout) const {
        WaitForSingleObject(m_pi.hProcess, timeout);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }
    bool Running() const { return WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT; }
    // Waits until the main frame exists and the program has finished its start-up.
    HWND WaitForStart() const {
        HWND hFrame = nullptr;
        WaitFor([&] {
            hFrame = MainFrame();
            bool launched = false;
            return hFrame != nullptr && RegReadBool(REG_PREFS, "Has launched", &launched) && launched;
        });
        return hFrame;
    }
    void Exit() const {
        if (HWND hFrame = MainFrame())
            PostMessageA(hFrame, WM_COMMAND, 0xE141 /* ID_APP_EXIT */, 0);
    }

private:
    BOOL m_started = FALSE;
    PROCESS_INFORMATION m_pi{};
};

inline bool ReadFlag(const char* key, const char* name) {
    bool value = false;
    RegReadBool(key, name, &value);
    return value;
}

// The classes of the children of a window, deep.
inline std::vector<std::string> ChildClasses(HWND hWnd) {
    std::vector<std::string> classes;
    EnumChildWindows(
        hWnd,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            reinterpret_cast<std::vector<std::string>*>(lParam)->push_back(ClassOf(hChild));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&classes));
    return classes;
}

inline bool Has(const std::vector<std::string>& classes, const char* name) {
    return std::find(classes.begin(), classes.end(), name) != classes.end();
}

// Waits for the "Brindlemark Database is Offline" dialog, confirming the data source's own message that
// comes first; the dialog, or nullptr.
inline HWND WaitForOfflineChoice(const ProgramRun& run) {
    HWND hOffline = nullptr;
    run.WaitFor([&] {
        for (HWND hWnd : run.Windows()) {
            if (ClassOf(hWnd) == "#32770" && IsWindowVisible(hWnd) &&
                TextOf(hWnd) != "Brindlemark Database is Offline")
                PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
        }
        hOffline = run.Dialog("Brindlemark Database is Offline");
        return hOffline != nullptr;
    });
    return hOffline;
}

} // namespace e2e
