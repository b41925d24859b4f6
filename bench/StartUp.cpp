// Measures how long the built program takes from its start to a main window that answers, warm (the
// embedded database exists already, the program was started before), with an empty log and with a log
// of many entries, next to the same figure for a program that only shows a bare window (this one,
// started with "--window"), so that the cost of starting any process under the same system stands
// beside it. The entries are written into the program's own database once, before the timed starts.
//
//   bench_StartUp.exe [starts] [entries]      (defaults 5 and 100000; the median is printed)
//
// Each run uses a registry tree, program folder and data folder of its own, deleted afterwards. No
// other copy of the program may run meanwhile (the single-instance lock).
#include "TaskRowsSupport.h"

#include "data/CCategorySet.h"
#include "data/CClientSet.h"
#include "data/CProjectSet.h"
#include "data/CSubsystemSet.h"
#include "data/CUserSet.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr DWORD kTimeout = 120000;
const char kReferenceClass[] = "BrindlemarkBenchReference";

// The bare reference program: a visible window that ends when it is closed.
int RunReferenceWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = [](HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_DESTROY)
            PostQuitMessage(0);
        return DefWindowProcA(hWnd, message, wParam, lParam);
    };
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kReferenceClass;
    RegisterClassA(&wc);
    CreateWindowA(kReferenceClass, "Reference", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr,
                  nullptr, wc.hInstance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return 0;
}

std::string OwnFolder() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    const std::string path = exe;
    return path.substr(0, path.rfind('\\') + 1);
}

std::string NewScratchFolder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder =
        std::string(temp) + "BrindlemarkBench-" + static_cast<LPCSTR>(NewGuidString()) + "\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folder + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveFolder(folder + name + "\\");
            else
                DeleteFileA((folder + name).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

// The visible top-level window of that class on the thread, or nullptr.
HWND VisibleWindow(DWORD threadId, const char* className) {
    struct Search {
        const char* className;
        HWND found;
    } search{className, nullptr};
    EnumThreadWindows(
        threadId,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            char name[128] = {};
            GetClassNameA(hWnd, name, sizeof name);
            if (std::strcmp(name, s->className) == 0 && IsWindowVisible(hWnd)) {
                s->found = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What one start measured, in milliseconds (-1 on failure).
struct StartFigures {
    double toWindow = -1;     // until the window of the class is shown and answers a message
    double longestPause = -1; // the longest wait for an answer while watched after that
};

double MillisecondsSince(const LARGE_INTEGER& start) {
    LARGE_INTEGER frequency;
    LARGE_INTEGER now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// The longest wait for the window to answer a message, asked every 10 ms for watchMs: the work the
// program does once its window shows (loading the log in idle time) must not leave it unanswering.
double LongestPause(HWND hWnd, DWORD watchMs) {
    double longest = 0;
    const DWORD began = GetTickCount();
    while (GetTickCount() - began < watchMs) {
        LARGE_INTEGER asked;
        QueryPerformanceCounter(&asked);
        DWORD_PTR answer = 0;
        if (!SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kTimeout, &answer))
            return -1;
        longest = std::max(longest, MillisecondsSince(asked));
        Sleep(10);
    }
    return longest;
}

// Starts the command and measures it (the pause watched for watchMs); then closes the program
// (exitCommand: a WM_COMMAND to send, else WM_CLOSE).
StartFigures TimeToWindow(std::string command, const char* className, WPARAM exitCommand, DWORD watchMs = 0) {
    LARGE_INTEGER start;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    QueryPerformanceCounter(&start);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return {};
    StartFigures figures;
    const DWORD began = GetTickCount();
    HWND hWnd = nullptr;
    while (GetTickCount() - began < kTimeout && WaitForSingleObject(pi.hProcess, 1) == WAIT_TIMEOUT) {
        hWnd = VisibleWindow(pi.dwThreadId, className);
        DWORD_PTR answer = 0;
        if (hWnd != nullptr && SendMessageTimeoutA(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
            figures.toWindow = MillisecondsSince(start);
            figures.longestPause = LongestPause(hWnd, watchMs);
            break;
        }
    }
    if (hWnd != nullptr) {
        if (exitCommand != 0)
            PostMessageA(hWnd, WM_COMMAND, exitCommand, 0);
        else
            PostMessageA(hWnd, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, kTimeout) != WAIT_OBJECT_0)
        TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return figures;
}

// Writes the entries into the program's database as the program stores them, with the projects,
// clients, categories, subsystems and user they refer to, and makes their user the program's user.
void FillLog(const std::string& root, const std::string& program, int entries) {
    using namespace bench_tasks;
    RegSetTestRoot(root.c_str());
    SetProgramFolderForTests(program.c_str());
    RegWriteString(REG_DATABASE, "Username", kUser);
    CLogDoc doc;
    doc.m_Database.OpenEx(doc.m_Database.GetConnectString());
    const Model model = MakeModel(doc);
    CProjectSet projects(&doc.m_Database);
    CClientSet clients(&doc.m_Database);
    CCategorySet categories(&doc.m_Database);
    CSubsystemSet subsystems(&doc.m_Database);
    for (size_t i = 0; i < model.projects.size(); ++i) {
        projects.SaveProject(&doc, doc.FindProjectByGUID(model.projects[i], false));
        clients.SaveClient(&doc, doc.FindClientByGUID(model.clients[i]));
        categories.SaveCategory(&doc, doc.FindCategoryByGUID(model.categories[i]));
        subsystems.SaveSubsystem(&doc, doc.FindSubsystemByGUID(model.subsystems[i]));
    }
    CUserSet(&doc.m_Database).SaveUser(&doc, doc.FindUserByGUID(model.user));
    InsertTasks(doc.m_Database, model, entries);
    doc.m_Database.Close();
    RegSetTestRoot(nullptr);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

// How long a window is watched for pauses after it first answers.
constexpr DWORD kWatchMs = 5000;

// The medians of starts of the program and of the reference, started in turns.
struct StartMedians {
    double program = -1;
    double programPause = -1;
    double reference = -1;
};

StartMedians TimeStarts(const std::string& brindlemark, const std::string& reference, int starts) {
    std::vector<double> program_ms;
    std::vector<double> pause_ms;
    std::vector<double> reference_ms;
    for (int i = 0; i < starts; ++i) {
        const StartFigures figures =
            TimeToWindow(brindlemark, "BrindlemarkInstanceWndClass", 0xE141, kWatchMs);
        program_ms.push_back(figures.toWindow);
        pause_ms.push_back(figures.longestPause);
        reference_ms.push_back(TimeToWindow(reference, kReferenceClass, 0).toWindow);
    }
    return {Median(program_ms), Median(pause_ms), Median(reference_ms)};
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--window") == 0)
        return RunReferenceWindow();
    const int starts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const int entries = argc > 2 ? std::max(1, std::atoi(argv[2])) : 100000;

    const std::string root =
        std::string("Software\\BrindlemarkBench\\") + static_cast<LPCSTR>(NewGuidString());
    const std::string program = NewScratchFolder();
    const std::string data = NewScratchFolder();
    SetEnvironmentVariableA("BRINDLEMARK_TEST_REGISTRY_ROOT", root.c_str());
    SetEnvironmentVariableA("BRINDLEMARK_TEST_PROGRAM_FOLDER", program.c_str());
    SetEnvironmentVariableA("BRINDLEMARK_TEST_DATA_FOLDER", data.c_str());
    std::string brindlemark = "\"";
    brindlemark += OwnFolder();
    brindlemark += "Brindlemark.exe\"";
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    const std::string reference = std::string("\"") + self + "\" --window";

    // The first start makes the database, the log and the settings; it is not counted.
    const double first =
        TimeToWindow(brindlemark, "BrindlemarkInstanceWndClass", 0xE141 /* ID_APP_EXIT */).toWindow;
    TimeToWindow(reference, kReferenceClass, 0);
    const StartMedians emptyLog = TimeStarts(brindlemark, reference, starts);

    FillLog(root, program, entries);
    // The first start over the full log is not counted either: it warms the file cache as a warm
    // start finds it.
    TimeToWindow(brindlemark, "BrindlemarkInstanceWndClass", 0xE141);
    const StartMedians fullLog = TimeStarts(brindlemark, reference, starts);

    std::printf("start to a responsive main window (median of %d starts)\n", starts);
    std::printf("  first start (database made):        %8.0f ms\n", first);
    std::printf("                                       empty log   %d entries\n", entries);
    std::printf("  warm start:                          %8.0f ms  %8.0f ms  (targets: 1000 ms, 2000 ms)\n",
                emptyLog.program, fullLog.program);
    std::printf(
        "  longest pause in the next %.0f s:       %8.0f ms  %8.0f ms  (the log loads in idle time)\n",
        kWatchMs / 1000.0, emptyLog.programPause, fullLog.programPause);
    std::printf("  reference, a bare window program:    %8.0f ms  %8.0f ms\n", emptyLog.reference,
                fullLog.reference);

    HKEY hKey = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\BrindlemarkBench", 0, KEY_ALL_ACCESS, &hKey) ==
        ERROR_SUCCESS) {
        RegDeleteTreeA(hKey, root.substr(std::strlen("Software\\BrindlemarkBench\\")).c_str());
        RegCloseKey(hKey);
    }
    RemoveFolder(program);
    RemoveFolder(data);
    return 0;
}
