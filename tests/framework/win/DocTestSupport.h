// Helpers of the document tests: an application that answers its message boxes from a queue, and a
// folder of files of a test's own.
#pragma once

#include "WinTestSupport.h"

#include <deque>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace wintest {

// Answers message boxes with the queued answers (IDOK when the queue is empty) and records them like
// TestApp. Its main window goes with it.
class AnsweringApp : public TestApp {
public:
    std::deque<int> answers;

    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        TestApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
        if (answers.empty())
            return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    ~AnsweringApp() override {
        if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr)
            m_pMainWnd->DestroyWindow();
    }
};

// A new empty folder below the temporary folder, deleted with its files (read-only ones too).
class ScratchFolder {
public:
    ScratchFolder() {
        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        static int counter = 0;
        m_path = std::string(temp) + "DocTest-" + std::to_string(::GetCurrentProcessId()) + "-" +
                 std::to_string(::GetTickCount()) + "-" + std::to_string(++counter) + "\\";
        ::CreateDirectoryA(m_path.c_str(), nullptr);
    }
    ~ScratchFolder() {
        for (const std::string& name : Files()) {
            const std::string file = m_path + name;
            ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
            ::DeleteFileA(file.c_str());
        }
        ::RemoveDirectoryA(m_path.c_str());
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string File(const char* name) const { return m_path + name; }
    // The names of the files in the folder.
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found{};
        HANDLE h = ::FindFirstFileA((m_path + "*").c_str(), &found);
        if (h != INVALID_HANDLE_VALUE) {
            do {
                if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                    names.emplace_back(found.cFileName);
            } while (::FindNextFileA(h, &found));
            ::FindClose(h);
        }
        return names;
    }

private:
    std::string m_path;
};

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

} // namespace wintest
