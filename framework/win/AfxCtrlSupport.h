// Helpers shared by the control wrappers: registering the common control classes once per process and
// wrapping a control's window in an object of the right wrapper class.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/win/CWnd.h"

#include <commctrl.h>

#include <memory>

// Registers the common control classes named by dwClasses (ICC_xxx) unless an earlier call did.
// TRUE when they are available.
BOOL AfxInitCommonControls(DWORD dwClasses);

// Loads the rich edit library whose window class is "RichEdit20A" (kept loaded for the process).
BOOL AfxInitRichEdit2();
// Loads the newer rich edit library as well ("RICHEDIT50W").
BOOL AfxInitRichEdit5();

// The object of class T that stands for hWnd: the permanent object when it is a T, else a temporary T
// that lives until the next idle time (as CWnd::FromHandle's wrappers). nullptr for a null handle.
template <class T> T* AfxCtrlFromHandle(HWND hWnd) {
    if (hWnd == nullptr)
        return nullptr;
    CHandleMap<CWnd, HWND>* map = AfxMapHWND();
    if (T* pWnd = dynamic_cast<T*>(map->LookupPermanent(hWnd)))
        return pWnd;
    if (T* pWnd = dynamic_cast<T*>(map->LookupTemporary(hWnd)))
        return pWnd;
    auto wrapper = std::make_unique<T>();
    wrapper->m_hWnd = hWnd;
    return static_cast<T*>(map->AddTemporary(hWnd, std::move(wrapper)));
}
