// Support of the entry dialog tests: an application object that records message boxes and answers them
// from a list, the thread-timer driver that runs a modal dialog's loop, and small readers and writers of
// dialog controls (texts, combo boxes, date pickers, notifications).
#pragma once

#include "ModelTestSupport.h"
#include "framework/win/WindowTestCommon.h"

#include <commctrl.h>

#include <deque>
#include <string>
#include <vector>

namespace entrytest {

using wintest::ClassOf;
using wintest::TextOf;
using wintest::ThreadDialogs;
using wintest::TimerDriver;

// Records every message box; answers with the next queued answer, else IDOK (IDYES for Yes/No boxes).
class AnsweringApp : public wintest::RecordingApp {
public:
    AnsweringApp() : wintest::RecordingApp("Entry Dialog Tests") {}

    int DoMessageBox(LPCSTR lpszPrompt, UINT nType, UINT nIDPrompt) override {
        wintest::RecordingApp::DoMessageBox(lpszPrompt, nType, nIDPrompt);
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        const UINT type = nType & MB_TYPEMASK;
        return type == MB_YESNO || type == MB_YESNOCANCEL ? IDYES : IDOK;
    }

    std::deque<int> answers;
};

// The only visible dialog of this thread, or nullptr.
inline HWND OnlyDialog() {
    const auto dialogs = ThreadDialogs();
    return dialogs.size() == 1 ? dialogs.front() : nullptr;
}

inline HWND Item(HWND hDlg, int id) {
    return ::GetDlgItem(hDlg, id);
}
inline std::string ItemText(HWND hDlg, int id) {
    return TextOf(Item(hDlg, id));
}
inline void SetItemText(HWND hDlg, int id, const std::string& text) {
    ::SetWindowTextA(Item(hDlg, id), text.c_str());
}
inline void Click(HWND hDlg, int id) {
    ::SendMessageA(Item(hDlg, id), BM_CLICK, 0, 0);
}
// Sends the command a click sends, whether the button is enabled or not.
inline void Command(HWND hDlg, int id, int code = BN_CLICKED) {
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(Item(hDlg, id)));
}
inline bool IsShown(HWND hDlg, int id) {
    return (::GetWindowLongA(Item(hDlg, id), GWL_STYLE) & WS_VISIBLE) != 0;
}
inline bool IsEnabled(HWND hDlg, int id) {
    return ::IsWindowEnabled(Item(hDlg, id)) != FALSE;
}
inline bool IsChecked(HWND hDlg, int id) {
    return ::IsDlgButtonChecked(hDlg, id) == BST_CHECKED;
}

// ---- combo boxes ----
inline std::vector<std::string> ComboItems(HWND hDlg, int id) {
    std::vector<std::string> items;
    HWND combo = Item(hDlg, id);
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[512] = {};
        ::SendMessageA(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}
inline std::string ComboSelection(HWND hDlg, int id) {
    HWND combo = Item(hDlg, id);
    const int selected = static_cast<int>(::SendMessageA(combo, CB_GETCURSEL, 0, 0));
    if (selected < 0)
        return "";
    char text[512] = {};
    ::SendMessageA(combo, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
    return text;
}
// Selects the item of that text as the user does: the selection, then the notification.
inline bool ChooseComboItem(HWND hDlg, int id, const std::string& text) {
    HWND combo = Item(hDlg, id);
    const int index = static_cast<int>(::SendMessageA(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                      reinterpret_cast<LPARAM>(text.c_str())));
    if (index < 0)
        return false;
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    Command(hDlg, id, CBN_SELCHANGE);
    return true;
}

// ---- date pickers ----
inline CTime PickerTime(HWND hDlg, int id) {
    SYSTEMTIME st{};
    if (::SendMessageA(Item(hDlg, id), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)) != GDT_VALID)
        return CTime(static_cast<__time64_t>(0));
    return CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond);
}
// Sets the picker as the user does: the value, then the change notification to the dialog.
inline void SetPicker(HWND hDlg, int id, CTime time) {
    SYSTEMTIME st{};
    time.GetAsSystemTime(st);
    HWND picker = Item(hDlg, id);
    ::SendMessageA(picker, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = picker;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(id);
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = st;
    ::SendMessageA(hDlg, WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&change));
}

// Dispatches what is waiting in this thread's queue (WM_QUIT is left).
inline void PumpPending() {
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE) && msg.message != WM_QUIT) {
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Holds keys down (in this thread's key state) for its lifetime.
class HeldKey {
public:
    explicit HeldKey(int virtualKey) {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::GetKeyboardState(state);
        state[virtualKey] |= 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKey() { ::SetKeyboardState(m_saved); }
    HeldKey(const HeldKey&) = delete;
    HeldKey& operator=(const HeldKey&) = delete;

private:
    BYTE m_saved[256];
};

// A project or category of that name, owned by the document's lists.
inline CProject* AddProjectTo(CLogDoc& doc, const char* name) {
    auto* p = new CProject(name, 0.0);
    doc.AddProject(p);
    return p;
}
inline CCategory* AddCategoryTo(CLogDoc& doc, const char* name) {
    auto* c = new CCategory();
    c->m_Name = name;
    doc.AddCategory(c);
    return c;
}

// A scratch registry and an application that answers message boxes.
class EntryDialogTest : public modeltest::ModelTest {
protected:
    AnsweringApp m_app;
};

} // namespace entrytest
