#include "framework/win/AfxCtrlSupport.h"

#include <atomic>

BOOL AfxInitCommonControls(DWORD dwClasses) {
    static std::atomic<DWORD> registered{0};
    if ((registered.load() & dwClasses) == dwClasses)
        return TRUE;
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), dwClasses};
    if (!::InitCommonControlsEx(&init))
        return FALSE;
    registered.fetch_or(dwClasses);
    return TRUE;
}

namespace {

// The library stays loaded for the rest of the process: its windows may outlive any one caller.
BOOL LoadOnce(LPCSTR lpszLibrary, std::atomic<HMODULE>& module) {
    if (module.load() == nullptr)
        module.store(::LoadLibraryA(lpszLibrary));
    return module.load() != nullptr;
}

} // namespace

BOOL AfxInitRichEdit2() {
    static std::atomic<HMODULE> module{nullptr};
    return LoadOnce("riched20.dll", module);
}

BOOL AfxInitRichEdit5() {
    static std::atomic<HMODULE> module{nullptr};
    return AfxInitRichEdit2() && LoadOnce("msftedit.dll", module);
}

CString AfxGetItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex) {
    CString text;
    const auto length =
        static_cast<int>(::SendMessageA(hWnd, nLengthMessage, static_cast<WPARAM>(nIndex), 0));
    if (length <= 0)
        return text;
    const auto copied = static_cast<int>(::SendMessageA(hWnd, nTextMessage, static_cast<WPARAM>(nIndex),
                                                        reinterpret_cast<LPARAM>(text.GetBuffer(length))));
    text.ReleaseBuffer(copied < 0 ? 0 : copied);
    return text;
}
