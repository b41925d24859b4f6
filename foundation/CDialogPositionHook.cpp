#include "foundation/CDialogPositionHook.h"

#include "foundation/Registry.h"
#include "framework/win/CWnd.h"

HHOOK CDialogPositionHook::s_hProcessHook = nullptr;

namespace {

// Dialog boxes and message boxes have the system's dialog class.
bool IsDialogWindow(HWND hWnd) {
    char className[16] = {};
    return hWnd != nullptr && ::GetClassNameA(hWnd, className, sizeof className) > 0 &&
           lstrcmpiA(className, "#32770") == 0;
}

CString TitleOf(CWnd* dialog) {
    CString title;
    dialog->GetWindowText(title);
    return title;
}

// Saves the top-left corner of rect under the dialog's title.
void SavePosition(CWnd* dialog, const RECT& rect) {
    const CString title = TitleOf(dialog);
    if (!title.IsEmpty())
        RegWriteIntPair(REG_DIALOGS, title, rect.left, rect.top);
}

} // namespace

CDialogPositionHook::~CDialogPositionHook() {
    Remove();
}

void CDialogPositionHook::Install() {
    if (s_hProcessHook != nullptr)
        return;
    m_hHook = ::SetWindowsHookExA(WH_CBT, &CDialogPositionHook::HookProc, nullptr, ::GetCurrentThreadId());
    s_hProcessHook = m_hHook;
}

void CDialogPositionHook::Remove() {
    if (m_hHook == nullptr)
        return;
    ::UnhookWindowsHookEx(m_hHook);
    m_hHook = nullptr;
    s_hProcessHook = nullptr;
}

LRESULT CALLBACK CDialogPositionHook::HookProc(int code, WPARAM wParam, LPARAM lParam) {
    const auto hWnd = reinterpret_cast<HWND>(wParam);
    if ((code == HCBT_ACTIVATE || code == HCBT_DESTROYWND || code == HCBT_MOVESIZE) && IsDialogWindow(hWnd)) {
        CWnd* dialog = CWnd::FromHandle(hWnd);
        if (code == HCBT_ACTIVATE)
            RestoreDialogPosition(dialog);
        else if (code == HCBT_MOVESIZE && lParam != 0)
            SavePosition(dialog, *reinterpret_cast<const RECT*>(lParam)); // the place it is moved to
        else
            SaveDialogPosition(dialog);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void SaveDialogPosition(CWnd* dialog) {
    // A minimised dialog's rectangle lies far off the screen: it is no place to reopen at.
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr || dialog->IsIconic())
        return;
    CRect rect;
    dialog->GetWindowRect(&rect);
    SavePosition(dialog, rect);
}

void RestoreDialogPosition(CWnd* dialog) {
    if (dialog == nullptr || dialog->GetSafeHwnd() == nullptr)
        return;
    const CString title = TitleOf(dialog);
    const HWND hWnd = dialog->GetSafeHwnd();
    if (title.IsEmpty() || ::GetWindowLongPtrA(hWnd, GWLP_USERDATA) != 0)
        return;
    ::SetWindowLongPtrA(hWnd, GWLP_USERDATA, 1);

    IntPair place;
    if (!RegReadIntPair(REG_DIALOGS, title, &place)) {
        CRect rect;
        dialog->GetWindowRect(&rect);
        place = IntPair{rect.left, rect.top};
    }
    if (place.first > ::GetSystemMetrics(SM_CXSCREEN) || place.second > ::GetSystemMetrics(SM_CYSCREEN))
        place = IntPair{};
    if (place.first == 0 && place.second == 0) {
        dialog->CenterWindow();
        return;
    }
    dialog->SetWindowPos(nullptr, place.first, place.second, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dialog->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}
