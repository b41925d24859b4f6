// Message-map entries for standard window messages: ON_WM_xxx() connects WM_xxx to the handler of the
// conventional name and signature (see CWnd's afx_msg members), unpacking wParam/lParam for it.
// Included by CWnd.h.
#pragma once

#include "framework/win/AfxMsgMap.h"

namespace AfxMsgThunk {
namespace { // see the thunks of AfxMsgMap.h

// The scroll bar control that sent a scroll message. Every scroll bar wrapper is a CWnd (its first and
// only base), so the object is the same one seen as CScrollBar.
inline CScrollBar* AsScrollBar(CWnd* pWnd) {
    return reinterpret_cast<CScrollBar*>(pWnd);
}
// The same for the list box that asks its owner about a key (WM_VKEYTOITEM, WM_CHARTOITEM).
inline CListBox* AsListBox(CWnd* pWnd) {
    return reinterpret_cast<CListBox*>(pWnd);
}

// Signed coordinates packed into lParam (several monitors give negative screen positions).
inline int LowInt(LPARAM l) {
    return static_cast<short>(LOWORD(l));
}
inline int HighInt(LPARAM l) {
    return static_cast<short>(HIWORD(l));
}
inline CPoint PointOf(LPARAM lParam) {
    return CPoint(LowInt(lParam), HighInt(lParam));
}
inline CWnd* WndOf(WPARAM w) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(w));
}
inline CWnd* WndOfL(LPARAM l) {
    return CWnd::FromHandle(reinterpret_cast<HWND>(l));
}
template <class P> P* Ptr(LPARAM l) {
    return reinterpret_cast<P*>(l);
}

// One cracker per handler signature: Sig is the handler's function type, Call unpacks the message.
#define AFX_WM_CRACKER(name, sig, ...)                                                                       \
    struct name {                                                                                            \
        using Sig = sig;                                                                                     \
        template <auto pmf, class C> static LRESULT Call(C* p, const AFX_MSGCALL& m) { __VA_ARGS__ }         \
    };

using SigVoid = void();
using SigCreate = int(LPCREATESTRUCTA);
using SigNcCreate = BOOL(LPCREATESTRUCTA);
using SigSize = void(UINT, int, int);
using SigMove = void(int, int);
using SigDC = BOOL(CDC*);
using SigTimer = void(UINT_PTR);
using SigKey = void(UINT, UINT, UINT);
using SigMouse = void(UINT, CPoint);
using SigWheel = BOOL(UINT, short, CPoint);
using SigMouseActivate = int(CWnd*, UINT, UINT);
using SigSetCursor = BOOL(CWnd*, UINT, UINT);
using SigWnd = void(CWnd*);
using SigActivate = void(UINT, CWnd*, BOOL);
using SigActivateApp = void(BOOL, DWORD);
using SigBool = void(BOOL);
using SigBoolBool = BOOL(BOOL);
using SigShow = void(BOOL, UINT);
using SigScroll = void(UINT, UINT, CScrollBar*);
using SigCtlColor = HBRUSH(CDC*, CWnd*, UINT);
using SigMinMax = void(MINMAXINFO*);
using SigHitTest = LRESULT(CPoint);
using SigNcCalcSize = void(BOOL, NCCALCSIZE_PARAMS*);
using SigContextMenu = void(CWnd*, CPoint);
using SigMenu = void(CMenu*);
using SigInitMenuPopup = void(CMenu*, UINT, BOOL);
using SigMenuSelect = void(UINT, UINT, HMENU);
using SigSysCommand = void(UINT, LPARAM);
using SigDrawItem = void(int, LPDRAWITEMSTRUCT);
using SigMeasureItem = void(int, LPMEASUREITEMSTRUCT);
using SigCompareItem = int(int, LPCOMPAREITEMSTRUCT);
using SigDeleteItem = void(int, LPDELETEITEMSTRUCT);
using SigHelpInfo = BOOL(HELPINFO*);
using SigWindowPos = void(WINDOWPOS*);
using SigBoolVoid = BOOL();
using SigDropFiles = void(HDROP);
using SigUintVoid = UINT();
using SigSettingChange = void(UINT, LPCSTR);
using SigWinIniChange = void(LPCSTR);
using SigCopyData = BOOL(CWnd*, COPYDATASTRUCT*);
using SigEnterIdle = void(UINT, CWnd*);
using SigParentNotify = void(UINT, LPARAM);
using SigSizing = void(UINT, LPRECT);
using SigListKey = int(UINT, CListBox*, UINT);
// reflected forms
using SigCtlColorReflect = HBRUSH(CDC*, UINT);
using SigDrawItemReflect = void(LPDRAWITEMSTRUCT);
using SigMeasureItemReflect = void(LPMEASUREITEMSTRUCT);
using SigCompareItemReflect = int(LPCOMPAREITEMSTRUCT);
using SigDeleteItemReflect = void(LPDELETEITEMSTRUCT);
using SigScrollReflect = void(UINT, UINT);

AFX_WM_CRACKER(Void, SigVoid, (p->*pmf)(); (void)m; return 0;)
AFX_WM_CRACKER(Create, SigCreate, return (p->*pmf)(Ptr<CREATESTRUCTA>(m.lParam));)
AFX_WM_CRACKER(NcCreate, SigNcCreate, return (p->*pmf)(Ptr<CREATESTRUCTA>(m.lParam));)
AFX_WM_CRACKER(Size, SigSize, (p->*pmf)(static_cast<UINT>(m.wParam), LowInt(m.lParam), HighInt(m.lParam));
               return 0;)
AFX_WM_CRACKER(Move, SigMove, (p->*pmf)(LowInt(m.lParam), HighInt(m.lParam)); return 0;)
AFX_WM_CRACKER(EraseBkgnd, SigDC, return (p->*pmf)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)));)
AFX_WM_CRACKER(Timer, SigTimer, (p->*pmf)(static_cast<UINT_PTR>(m.wParam)); return 0;)
AFX_WM_CRACKER(Key, SigKey, (p->*pmf)(static_cast<UINT>(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));
               return 0;)
AFX_WM_CRACKER(Mouse, SigMouse, (p->*pmf)(static_cast<UINT>(m.wParam), PointOf(m.lParam)); return 0;)
AFX_WM_CRACKER(Wheel, SigWheel,
               return (p->*pmf)(LOWORD(m.wParam), static_cast<short>(HIWORD(m.wParam)), PointOf(m.lParam));)
AFX_WM_CRACKER(MouseActivate, SigMouseActivate,
               return (p->*pmf)(WndOf(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));)
AFX_WM_CRACKER(SetCursor, SigSetCursor,
               return (p->*pmf)(WndOf(m.wParam), LOWORD(m.lParam), HIWORD(m.lParam));)
AFX_WM_CRACKER(WndW, SigWnd, (p->*pmf)(WndOf(m.wParam)); return 0;)
AFX_WM_CRACKER(WndL, SigWnd, (p->*pmf)(WndOfL(m.lParam)); return 0;)
AFX_WM_CRACKER(Activate, SigActivate, (p->*pmf)(LOWORD(m.wParam), WndOfL(m.lParam), HIWORD(m.wParam));
               return 0;)
AFX_WM_CRACKER(ActivateApp, SigActivateApp,
               (p->*pmf)(static_cast<BOOL>(m.wParam), static_cast<DWORD>(m.lParam));
               return 0;)
AFX_WM_CRACKER(Bool, SigBool, (p->*pmf)(static_cast<BOOL>(m.wParam)); return 0;)
AFX_WM_CRACKER(BoolBool, SigBoolBool, return (p->*pmf)(static_cast<BOOL>(m.wParam));)
AFX_WM_CRACKER(Show, SigShow, (p->*pmf)(static_cast<BOOL>(m.wParam), static_cast<UINT>(m.lParam)); return 0;)
AFX_WM_CRACKER(Scroll, SigScroll,
               (p->*pmf)(LOWORD(m.wParam), static_cast<UINT>(static_cast<short>(HIWORD(m.wParam))),
                         AsScrollBar(WndOfL(m.lParam)));
               return 0;)
AFX_WM_CRACKER(CtlColor, SigCtlColor,
               return reinterpret_cast<LRESULT>((p->*pmf)(CDC::FromHandle(reinterpret_cast<HDC>(m.wParam)),
                                                          WndOfL(m.lParam), m.message - WM_CTLCOLORMSGBOX));)
AFX_WM_CRACKER(MinMax, SigMinMax, (p->*pmf)(Ptr<MINMAXINFO>(m.lParam)); return 0;)
AFX_WM_CRACKER(HitTest, SigHitTest, return (p->*pmf)(PointOf(m.lParam));)
AFX_WM_CRACKER(NcCalcSize, SigNcCalcSize,
               (p->*pmf)(static_cast<BOOL>(m.wParam), Ptr<NCCALCSIZE_PARAMS>(m.lParam));
               return 0;)
AFX_WM_CRACKER(ContextMenu, SigContextMenu, (p->*pmf)(WndOf(m.wParam), PointOf(m.lParam)); return 0;)
AFX_WM_CRACKER(InitMenu, SigMenu, (p->*pmf)(CMenu::FromHandle(reinterpret_cast<HMENU>(m.wParam))); return 0;)
AFX_WM_CRACKER(InitMenuPopup, SigInitMenuPopup,
               (p->*pmf)(CMenu::FromHandle(reinterpret_cast<HMENU>(m.wParam)), LOWORD(m.lParam),
                         static_cast<BOOL>(HIWORD(m.lParam)));
               return 0;)
AFX_WM_CRACKER(MenuSelect, SigMenuSelect,
               (p->*pmf)(LOWORD(m.wParam), HIWORD(m.wParam), reinterpret_cast<HMENU>(m.lParam));
               return 0;)
AFX_WM_CRACKER(SysCommand, SigSysCommand, (p->*pmf)(static_cast<UINT>(m.wParam), m.lParam); return 0;)
AFX_WM_CRACKER(DrawItem, SigDrawItem, (p->*pmf)(static_cast<int>(m.wParam), Ptr<DRAWITEMSTRUCT>(m.lParam));
               return TRUE;)
AFX_WM_CRACKER(MeasureItem, SigMeasureItem,
               (p->*pmf)(static_cast<int>(m.wParam), Ptr<MEASUREITEMSTRUCT>(m.lParam));
               return TRUE;)
AFX_WM_CRACKER(CompareItem, SigCompareItem,
               return (p->*pmf)(static_cast<int>(m.wParam), Ptr<COMPAREITEMSTRUCT>(m.lParam));)
AFX_WM_CRACKER(DeleteItem, SigDeleteItem,
               (p->*pmf)(static_cast<int>(m.wParam), Ptr<DELETEITEMSTRUCT>(m.lParam));
               return TRUE;)
AFX_WM_CRACKER(ListKey, SigListKey,
               return (p->*pmf)(LOWORD(m.wParam), AsListBox(WndOfL(m.lParam)), HIWORD(m.wParam));)
AFX_WM_CRACKER(HelpInfo, SigHelpInfo, return (p->*pmf)(Ptr<HELPINFO>(m.lParam));)
AFX_WM_CRACKER(WindowPos, SigWindowPos, (p->*pmf)(Ptr<WINDOWPOS>(m.lParam)); return 0;)
AFX_WM_CRACKER(BoolVoid, SigBoolVoid, (void)m; return (p->*pmf)();)
AFX_WM_CRACKER(DropFiles, SigDropFiles, (p->*pmf)(reinterpret_cast<HDROP>(m.wParam)); return 0;)
AFX_WM_CRACKER(UintVoid, SigUintVoid, (void)m; return (p->*pmf)();)
AFX_WM_CRACKER(SettingChange, SigSettingChange,
               (p->*pmf)(static_cast<UINT>(m.wParam), Ptr<const char>(m.lParam));
               return 0;)
AFX_WM_CRACKER(WinIniChange, SigWinIniChange, (p->*pmf)(Ptr<const char>(m.lParam)); return 0;)
AFX_WM_CRACKER(CopyData, SigCopyData, return (p->*pmf)(WndOf(m.wParam), Ptr<COPYDATASTRUCT>(m.lParam));)
AFX_WM_CRACKER(EnterIdle, SigEnterIdle, (p->*pmf)(static_cast<UINT>(m.wParam), WndOfL(m.lParam)); return 0;)
AFX_WM_CRACKER(ParentNotify, SigParentNotify, (p->*pmf)(static_cast<UINT>(m.wParam), m.lParam); return 0;)
AFX_WM_CRACKER(Sizing, SigSizing, (p->*pmf)(static_cast<UINT>(m.wParam), Ptr<RECT>(m.lParam)); return TRUE;)
// Reflected messages: the control handles a notification its parent received. A CtlColor that returns
// no brush leaves the message to the parent.
AFX_WM_CRACKER(CtlColorReflect, SigCtlColorReflect, auto* c = Ptr<AFX_CTLCOLOR>(m.lParam);
               return reinterpret_cast<LRESULT>((p->*pmf)(CDC::FromHandle(c->hDC), c->nCtlType));)
AFX_WM_CRACKER(DrawItemReflect, SigDrawItemReflect, (p->*pmf)(Ptr<DRAWITEMSTRUCT>(m.lParam)); return TRUE;)
AFX_WM_CRACKER(MeasureItemReflect, SigMeasureItemReflect, (p->*pmf)(Ptr<MEASUREITEMSTRUCT>(m.lParam));
               return TRUE;)
AFX_WM_CRACKER(CompareItemReflect, SigCompareItemReflect, return (p->*pmf)(Ptr<COMPAREITEMSTRUCT>(m.lParam));)
AFX_WM_CRACKER(DeleteItemReflect, SigDeleteItemReflect, (p->*pmf)(Ptr<DELETEITEMSTRUCT>(m.lParam));
               return TRUE;)
AFX_WM_CRACKER(ScrollReflect, SigScrollReflect,
               (p->*pmf)(LOWORD(m.wParam), static_cast<UINT>(static_cast<short>(HIWORD(m.wParam))));
               return 0;)
AFX_WM_CRACKER(ParentNotifyReflect, SigParentNotify, (p->*pmf)(static_cast<UINT>(m.wParam), m.lParam);
               return 0;)

#undef AFX_WM_CRACKER

template <auto pmf, class Cracker> BOOL Wm(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, typename Cracker::Sig>,
                  "the handler of this message map entry does not have the conventional signature");
    m.lResult = Cracker::template Call<pmf>(Target<pmf>(t), m);
    return TRUE;
}

// A reflected WM_CTLCOLOR counts as handled only when the control chose a brush.
template <auto pmf> BOOL CtlColorReflectThunk(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, SigCtlColorReflect>, "handler must be: HBRUSH CtlColor(CDC*, UINT)");
    m.lResult = CtlColorReflect::Call<pmf>(Target<pmf>(t), m);
    return m.lResult != 0;
}

} // namespace
} // namespace AfxMsgThunk

#define AFX_ON_WM(message, handler, cracker)                                                                 \
    {(UINT)(message), 0, 0, 0, &AfxMsgThunk::Wm<&ThisClass::handler, AfxMsgThunk::cracker>, nullptr},

#define ON_WM_CREATE() AFX_ON_WM(WM_CREATE, OnCreate, Create)
#define ON_WM_NCCREATE() AFX_ON_WM(WM_NCCREATE, OnNcCreate, NcCreate)
#define ON_WM_DESTROY() AFX_ON_WM(WM_DESTROY, OnDestroy, Void)
#define ON_WM_NCDESTROY() AFX_ON_WM(WM_NCDESTROY, OnNcDestroy, Void)
#define ON_WM_CLOSE() AFX_ON_WM(WM_CLOSE, OnClose, Void)
#define ON_WM_SIZE() AFX_ON_WM(WM_SIZE, OnSize, Size)
#define ON_WM_SIZING() AFX_ON_WM(WM_SIZING, OnSizing, Sizing)
#define ON_WM_MOVE() AFX_ON_WM(WM_MOVE, OnMove, Move)
#define ON_WM_MOVING() AFX_ON_WM(WM_MOVING, OnMoving, Sizing)
#define ON_WM_PAINT() AFX_ON_WM(WM_PAINT, OnPaint, Void)
#define ON_WM_NCPAINT() AFX_ON_WM(WM_NCPAINT, OnNcPaint, Void)
#define ON_WM_ERASEBKGND() AFX_ON_WM(WM_ERASEBKGND, OnEraseBkgnd, EraseBkgnd)
#define ON_WM_TIMER() AFX_ON_WM(WM_TIMER, OnTimer, Timer)
#define ON_WM_KEYDOWN() AFX_ON_WM(WM_KEYDOWN, OnKeyDown, Key)
#define ON_WM_KEYUP() AFX_ON_WM(WM_KEYUP, OnKeyUp, Key)
#define ON_WM_CHAR() AFX_ON_WM(WM_CHAR, OnChar, Key)
#define ON_WM_DEADCHAR() AFX_ON_WM(WM_DEADCHAR, OnDeadChar, Key)
#define ON_WM_SYSKEYDOWN() AFX_ON_WM(WM_SYSKEYDOWN, OnSysKeyDown, Key)
#define ON_WM_SYSKEYUP() AFX_ON_WM(WM_SYSKEYUP, OnSysKeyUp, Key)
#define ON_WM_SYSCHAR() AFX_ON_WM(WM_SYSCHAR, OnSysChar, Key)
#define ON_WM_SYSDEADCHAR() AFX_ON_WM(WM_SYSDEADCHAR, OnSysDeadChar, Key)
#define ON_WM_LBUTTONDOWN() AFX_ON_WM(WM_LBUTTONDOWN, OnLButtonDown, Mouse)
#define ON_WM_LBUTTONUP() AFX_ON_WM(WM_LBUTTONUP, OnLButtonUp, Mouse)
#define ON_WM_LBUTTONDBLCLK() AFX_ON_WM(WM_LBUTTONDBLCLK, OnLButtonDblClk, Mouse)
#define ON_WM_RBUTTONDOWN() AFX_ON_WM(WM_RBUTTONDOWN, OnRButtonDown, Mouse)
#define ON_WM_RBUTTONUP() AFX_ON_WM(WM_RBUTTONUP, OnRButtonUp, Mouse)
#define ON_WM_RBUTTONDBLCLK() AFX_ON_WM(WM_RBUTTONDBLCLK, OnRButtonDblClk, Mouse)
#define ON_WM_MBUTTONDOWN() AFX_ON_WM(WM_MBUTTONDOWN, OnMButtonDown, Mouse)
#define ON_WM_MBUTTONUP() AFX_ON_WM(WM_MBUTTONUP, OnMButtonUp, Mouse)
#define ON_WM_MBUTTONDBLCLK() AFX_ON_WM(WM_MBUTTONDBLCLK, OnMButtonDblClk, Mouse)
#define ON_WM_MOUSEMOVE() AFX_ON_WM(WM_MOUSEMOVE, OnMouseMove, Mouse)
#define ON_WM_MOUSEHOVER() AFX_ON_WM(WM_MOUSEHOVER, OnMouseHover, Mouse)
#define ON_WM_MOUSELEAVE() AFX_ON_WM(WM_MOUSELEAVE, OnMouseLeave, Void)
#define ON_WM_MOUSEWHEEL() AFX_ON_WM(WM_MOUSEWHEEL, OnMouseWheel, Wheel)
#define ON_WM_MOUSEACTIVATE() AFX_ON_WM(WM_MOUSEACTIVATE, OnMouseActivate, MouseActivate)
#define ON_WM_SETCURSOR() AFX_ON_WM(WM_SETCURSOR, OnSetCursor, SetCursor)
#define ON_WM_SETFOCUS() AFX_ON_WM(WM_SETFOCUS, OnSetFocus, WndW)
#define ON_WM_KILLFOCUS() AFX_ON_WM(WM_KILLFOCUS, OnKillFocus, WndW)
#define ON_WM_ACTIVATE() AFX_ON_WM(WM_ACTIVATE, OnActivate, Activate)
#define ON_WM_ACTIVATEAPP() AFX_ON_WM(WM_ACTIVATEAPP, OnActivateApp, ActivateApp)
#define ON_WM_NCACTIVATE() AFX_ON_WM(WM_NCACTIVATE, OnNcActivate, BoolBool)
#define ON_WM_SHOWWINDOW() AFX_ON_WM(WM_SHOWWINDOW, OnShowWindow, Show)
#define ON_WM_ENABLE() AFX_ON_WM(WM_ENABLE, OnEnable, Bool)
#define ON_WM_HSCROLL() AFX_ON_WM(WM_HSCROLL, OnHScroll, Scroll)
#define ON_WM_VSCROLL() AFX_ON_WM(WM_VSCROLL, OnVScroll, Scroll)
// One entry for all WM_CTLCOLORxxx messages; nCtlColor tells which (CTLCOLOR_EDIT, ...).
#define ON_WM_CTLCOLOR() AFX_ON_WM(WM_CTLCOLOR, OnCtlColor, CtlColor)
#define ON_WM_GETMINMAXINFO() AFX_ON_WM(WM_GETMINMAXINFO, OnGetMinMaxInfo, MinMax)
#define ON_WM_NCHITTEST() AFX_ON_WM(WM_NCHITTEST, OnNcHitTest, HitTest)
#define ON_WM_NCCALCSIZE() AFX_ON_WM(WM_NCCALCSIZE, OnNcCalcSize, NcCalcSize)
#define ON_WM_NCLBUTTONDOWN() AFX_ON_WM(WM_NCLBUTTONDOWN, OnNcLButtonDown, Mouse)
#define ON_WM_NCLBUTTONUP() AFX_ON_WM(WM_NCLBUTTONUP, OnNcLButtonUp, Mouse)
#define ON_WM_NCLBUTTONDBLCLK() AFX_ON_WM(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk, Mouse)
#define ON_WM_NCRBUTTONDOWN() AFX_ON_WM(WM_NCRBUTTONDOWN, OnNcRButtonDown, Mouse)
#define ON_WM_NCMOUSEMOVE() AFX_ON_WM(WM_NCMOUSEMOVE, OnNcMouseMove, Mouse)
#define ON_WM_CONTEXTMENU() AFX_ON_WM(WM_CONTEXTMENU, OnContextMenu, ContextMenu)
#define ON_WM_INITMENU() AFX_ON_WM(WM_INITMENU, OnInitMenu, InitMenu)
#define ON_WM_INITMENUPOPUP() AFX_ON_WM(WM_INITMENUPOPUP, OnInitMenuPopup, InitMenuPopup)
#define ON_WM_MENUSELECT() AFX_ON_WM(WM_MENUSELECT, OnMenuSelect, MenuSelect)
#define ON_WM_ENTERMENULOOP() AFX_ON_WM(WM_ENTERMENULOOP, OnEnterMenuLoop, Bool)
#define ON_WM_EXITMENULOOP() AFX_ON_WM(WM_EXITMENULOOP, OnExitMenuLoop, Bool)
#define ON_WM_SYSCOMMAND() AFX_ON_WM(WM_SYSCOMMAND, OnSysCommand, SysCommand)
#define ON_WM_DRAWITEM() AFX_ON_WM(WM_DRAWITEM, OnDrawItem, DrawItem)
#define ON_WM_MEASUREITEM() AFX_ON_WM(WM_MEASUREITEM, OnMeasureItem, MeasureItem)
#define ON_WM_COMPAREITEM() AFX_ON_WM(WM_COMPAREITEM, OnCompareItem, CompareItem)
#define ON_WM_DELETEITEM() AFX_ON_WM(WM_DELETEITEM, OnDeleteItem, DeleteItem)
// The key (or character) and the caret's index; return the index to act on, -1 for the list box's
// own handling, -2 when the key was handled.
#define ON_WM_VKEYTOITEM() AFX_ON_WM(WM_VKEYTOITEM, OnVKeyToItem, ListKey)
#define ON_WM_CHARTOITEM() AFX_ON_WM(WM_CHARTOITEM, OnCharToItem, ListKey)
#define ON_WM_HELPINFO() AFX_ON_WM(WM_HELP, OnHelpInfo, HelpInfo)
#define ON_WM_WINDOWPOSCHANGED() AFX_ON_WM(WM_WINDOWPOSCHANGED, OnWindowPosChanged, WindowPos)
#define ON_WM_WINDOWPOSCHANGING() AFX_ON_WM(WM_WINDOWPOSCHANGING, OnWindowPosChanging, WindowPos)
#define ON_WM_QUERYENDSESSION() AFX_ON_WM(WM_QUERYENDSESSION, OnQueryEndSession, BoolVoid)
#define ON_WM_ENDSESSION() AFX_ON_WM(WM_ENDSESSION, OnEndSession, Bool)
#define ON_WM_DROPFILES() AFX_ON_WM(WM_DROPFILES, OnDropFiles, DropFiles)
#define ON_WM_GETDLGCODE() AFX_ON_WM(WM_GETDLGCODE, OnGetDlgCode, UintVoid)
#define ON_WM_CAPTURECHANGED() AFX_ON_WM(WM_CAPTURECHANGED, OnCaptureChanged, WndL)
#define ON_WM_CANCELMODE() AFX_ON_WM(WM_CANCELMODE, OnCancelMode, Void)
// WM_SETTINGCHANGE and WM_WININICHANGE are the same message; use one of the two entries.
#define ON_WM_SETTINGCHANGE() AFX_ON_WM(WM_SETTINGCHANGE, OnSettingChange, SettingChange)
#define ON_WM_WININICHANGE() AFX_ON_WM(WM_WININICHANGE, OnWinIniChange, WinIniChange)
#define ON_WM_SYSCOLORCHANGE() AFX_ON_WM(WM_SYSCOLORCHANGE, OnSysColorChange, Void)
#define ON_WM_FONTCHANGE() AFX_ON_WM(WM_FONTCHANGE, OnFontChange, Void)
#define ON_WM_TIMECHANGE() AFX_ON_WM(WM_TIMECHANGE, OnTimeChange, Void)
#define ON_WM_COPYDATA() AFX_ON_WM(WM_COPYDATA, OnCopyData, CopyData)
#define ON_WM_ENTERIDLE() AFX_ON_WM(WM_ENTERIDLE, OnEnterIdle, EnterIdle)
#define ON_WM_PARENTNOTIFY() AFX_ON_WM(WM_PARENTNOTIFY, OnParentNotify, ParentNotify)
#define ON_WM_ENTERSIZEMOVE() AFX_ON_WM(WM_ENTERSIZEMOVE, OnEnterSizeMove, Void)
#define ON_WM_EXITSIZEMOVE() AFX_ON_WM(WM_EXITSIZEMOVE, OnExitSizeMove, Void)
#define ON_WM_CHILDACTIVATE() AFX_ON_WM(WM_CHILDACTIVATE, OnChildActivate, Void)

// Reflected to the control that caused them (handlers named and shaped as below).
#define ON_WM_CTLCOLOR_REFLECT()                                                                             \
    {WM_CTLCOLOR + WM_REFLECT_BASE,                                                                          \
     0,                                                                                                      \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxMsgThunk::CtlColorReflectThunk<&ThisClass::CtlColor>,                                               \
     nullptr},
#define ON_WM_DRAWITEM_REFLECT() AFX_ON_WM(WM_DRAWITEM + WM_REFLECT_BASE, DrawItem, DrawItemReflect)
#define ON_WM_MEASUREITEM_REFLECT()                                                                          \
    AFX_ON_WM(WM_MEASUREITEM + WM_REFLECT_BASE, MeasureItem, MeasureItemReflect)
#define ON_WM_COMPAREITEM_REFLECT()                                                                          \
    AFX_ON_WM(WM_COMPAREITEM + WM_REFLECT_BASE, CompareItem, CompareItemReflect)
#define ON_WM_DELETEITEM_REFLECT() AFX_ON_WM(WM_DELETEITEM + WM_REFLECT_BASE, DeleteItem, DeleteItemReflect)
#define ON_WM_HSCROLL_REFLECT() AFX_ON_WM(WM_HSCROLL + WM_REFLECT_BASE, HScroll, ScrollReflect)
#define ON_WM_VSCROLL_REFLECT() AFX_ON_WM(WM_VSCROLL + WM_REFLECT_BASE, VScroll, ScrollReflect)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                                         \
    AFX_ON_WM(WM_PARENTNOTIFY + WM_REFLECT_BASE, ParentNotify, ParentNotifyReflect)
