// Helpers shared by the control wrappers: registering the common control classes once per process,
// wrapping a control's window in an object of the right wrapper class, handing the owner-draw messages a
// parent reflects to the control's own handlers, and reading an item's text.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/win/CWnd.h"

#include <commctrl.h>

#include <concepts>
#include <memory>

// Message parameters of the control wrappers: a pointer (structure or text) as lParam, an index as wParam.
template <class T> LPARAM AfxPtrParam(T* p) {
    return reinterpret_cast<LPARAM>(p);
}
inline WPARAM AfxIndexParam(int nIndex) {
    return static_cast<WPARAM>(nIndex);
}

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

// Controls whose owner-drawn items are measured, compared and deleted by the control object as well as
// drawn (list boxes, combo boxes).
template <class T>
concept AfxOwnerDrawnItems = requires(T& ctrl) {
    ctrl.MeasureItem(LPMEASUREITEMSTRUCT{});
    { ctrl.CompareItem(LPCOMPAREITEMSTRUCT{}) } -> std::convertible_to<int>;
    ctrl.DeleteItem(LPDELETEITEMSTRUCT{});
};

// Hands an owner-draw message that the parent reflected (OnChildNotify) to the control's DrawItem, and
// for AfxOwnerDrawnItems controls to MeasureItem, CompareItem or DeleteItem. TRUE when it was one of
// them; *pResult (when given) then holds the answer for the parent.
template <class T> BOOL AfxReflectOwnerDraw(T& ctrl, UINT message, LPARAM lParam, LRESULT* pResult) {
    LRESULT result = TRUE;
    if (message == WM_DRAWITEM) {
        ctrl.DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    } else if constexpr (AfxOwnerDrawnItems<T>) {
        if (message == WM_MEASUREITEM)
            ctrl.MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        else if (message == WM_COMPAREITEM)
            result = ctrl.CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        else if (message == WM_DELETEITEM)
            ctrl.DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        else
            return FALSE;
    } else {
        return FALSE;
    }
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

// The text of item nIndex of a list or combo box, asked for with its length message (LB_GETTEXTLEN,
// CB_GETLBTEXTLEN) and its text message (LB_GETTEXT, CB_GETLBTEXT); empty for no such item.
CString AfxGetItemText(HWND hWnd, UINT nLengthMessage, UINT nTextMessage, int nIndex);
