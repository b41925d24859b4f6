// CSubclassWnd: lets several independent objects see one window's messages, each in its WindowProc,
// chained newest first. A hook passes a message on with Default() (or by calling the base WindowProc);
// the last hook passes it to the window's own procedure.
//
// The window keeps working after any of its hooks is removed, in any order; when the window is
// destroyed every hook is removed.
#pragma once

#include "framework/core/AfxDefs.h"

class CWnd;

class CSubclassWnd {
public:
    CSubclassWnd() = default;
    // A hooked object unhooks itself.
    virtual ~CSubclassWnd();
    CSubclassWnd(const CSubclassWnd&) = delete;
    CSubclassWnd& operator=(const CSubclassWnd&) = delete;

    // Hooks the window (a hook on another window is removed first); null unhooks. Returns true.
    bool HookWindow(HWND hWnd);
    bool HookWindow(CWnd* pWnd);
    bool IsHooked() const { return m_hWnd != nullptr; }
    HWND GetHwnd() const { return m_hWnd; }

    // This hook's handling of a message; the default passes it on to the next hook.
    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // Passes the message being handled on to the next hook, or to the window's own procedure.
    LRESULT Default();

private:
    friend LRESULT CALLBACK SubclassWndProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    // Calls the next hook, or the window's own procedure when this is the last hook.
    LRESULT CallNext(UINT msg, WPARAM wParam, LPARAM lParam);
    void Unhook();

    HWND m_hWnd = nullptr;
    WNDPROC m_pOldWndProc = nullptr; // the window's own procedure (the same in every hook of the chain)
    CSubclassWnd* m_pNext = nullptr; // the hook that was there before this one (null at the end)
};
