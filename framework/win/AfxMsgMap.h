// Message maps: the tables that connect window messages, commands and notifications to member
// functions of CCmdTarget-derived classes.
//
// Each entry holds a small adapter ("thunk") generated from the handler's member-function pointer by a
// template. The thunk checks the handler's signature at compile time, unpacks the message parameters and
// calls the handler on the target object, so no member-function pointer is ever cast to another type.
//
//   class CMyWnd : public CWnd { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyWnd, CWnd)
//       ON_WM_SIZE()
//       ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
//   END_MESSAGE_MAP()
//
// Lookup walks the class's own entries first, then those of each base class, and takes the first match.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/win/AfxPriv.h"

#include <type_traits>

class CCmdTarget;
class CCmdUI;

// Command-routing codes passed as nCode to CCmdTarget::OnCmdMsg.
#define CN_COMMAND 0              // menu item, accelerator or button press
#define CN_UPDATE_COMMAND_UI (-1) // pExtra = CCmdUI*: update the state of a command's user interface

// What a handler receives through the routing of a notification (WM_NOTIFY).
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Parameters of a reflected WM_CTLCOLORxxx message.
struct AFX_CTLCOLOR {
    HWND hWnd;
    HDC hDC;
    UINT nCtlType; // CTLCOLOR_MSGBOX .. CTLCOLOR_STATIC
};

// Everything a thunk needs to call a handler. Window messages fill the first three members and read
// back lResult; command routing fills nID and pExtra.
struct AFX_MSGCALL {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT nID;
    void* pExtra;
    LRESULT lResult;
};

// Calls one handler; returns FALSE when the handler declined (the _EX forms), so routing goes on.
using AFX_PMSGTHUNK = BOOL (*)(CCmdTarget* pTarget, AFX_MSGCALL& call);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;            // window message, WM_COMMAND/WM_NOTIFY (+ WM_REFLECT_BASE when reflected)
    UINT nCode;               // control notification code, CN_COMMAND or CN_UPDATE_COMMAND_UI
    UINT nID;                 // first control or command id (0 for window messages)
    UINT nLastID;             // last id of a range (== nID otherwise)
    AFX_PMSGTHUNK pfn;        // nullptr ends the table
    const UINT* pnRegMessage; // registered message: the variable that holds its number
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg when the caller only asks whether a handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    const AFX_MSGMAP_ENTRY* pEntry;
};

#ifndef afx_msg
#define afx_msg // marks message handlers in class declarations
#endif

#define DECLARE_MESSAGE_MAP()                                                                                \
protected:                                                                                                   \
    static const AFX_MSGMAP* GetThisMessageMap();                                                            \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                               \
    const AFX_MSGMAP* theClass::GetMessageMap() const {                                                      \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                                        \
        using ThisClass [[maybe_unused]] = theClass;                                                         \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

// The map of a class template: type_name is its template parameter.
#define BEGIN_TEMPLATE_MESSAGE_MAP(theClass, type_name, baseClass)                                           \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetMessageMap() const {             \
        return GetThisMessageMap();                                                                          \
    }                                                                                                        \
    template <typename type_name> const AFX_MSGMAP* theClass<type_name>::GetThisMessageMap() {               \
        using ThisClass [[maybe_unused]] = theClass<type_name>;                                              \
        using TheBaseClass = baseClass;                                                                      \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                                                    \
    { 0, 0, 0, 0, nullptr, nullptr }                                                                         \
    }                                                                                                        \
    ;                                                                                                        \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]};            \
    return &messageMap;                                                                                      \
    }

// ---------------------------------------------------------------------------------------------------
// Thunk machinery
namespace AfxMsgThunk {

template <class> struct MemberOf;
template <class C, class R, class... A> struct MemberOf<R (C::*)(A...)> { using Class = C; };

// The class that declares the handler; the target object is converted to it.
template <auto pmf> using ClassOf = typename MemberOf<decltype(pmf)>::Class;

// True when the handler has exactly the function type Sig.
template <auto pmf, class Sig>
inline constexpr bool HasSignature = std::is_same_v<decltype(pmf), Sig ClassOf<pmf>::*>;

// Before and after an update handler: the handler may ask for routing to go on (CCmdUI::ContinueRouting).
void BeginCmdUI(void* pExtra);
BOOL EndCmdUI(void* pExtra);

// The thunks live in an unnamed namespace: MinGW's compiler gives a thunk instantiated for a handler of a
// class in an unnamed namespace a shared, mergeable name, so two files with a like-named class and handler
// would otherwise call each other's handler.
namespace {

template <auto pmf> ClassOf<pmf>* Target(CCmdTarget* pTarget) {
    static_assert(std::is_base_of_v<CCmdTarget, ClassOf<pmf>>, "message handlers belong to a CCmdTarget");
    return static_cast<ClassOf<pmf>*>(pTarget);
}

// ---- commands and control notifications ----
template <auto pmf> BOOL Cmd(CCmdTarget* t, AFX_MSGCALL&) {
    static_assert(HasSignature<pmf, void()>, "handler must be: void Handler()");
    (Target<pmf>(t)->*pmf)();
    return TRUE;
}
template <auto pmf> BOOL CmdEx(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, BOOL(UINT)>, "handler must be: BOOL Handler(UINT nID)");
    return (Target<pmf>(t)->*pmf)(m.nID);
}
template <auto pmf> BOOL CmdRange(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, void(UINT)>, "handler must be: void Handler(UINT nID)");
    (Target<pmf>(t)->*pmf)(m.nID);
    return TRUE;
}
template <auto pmf> BOOL CmdReflectEx(CCmdTarget* t, AFX_MSGCALL&) {
    static_assert(HasSignature<pmf, BOOL()>, "handler must be: BOOL Handler()");
    return (Target<pmf>(t)->*pmf)();
}
template <auto pmf> BOOL CmdUI(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, void(CCmdUI*)>, "handler must be: void Handler(CCmdUI*)");
    BeginCmdUI(m.pExtra);
    (Target<pmf>(t)->*pmf)(static_cast<CCmdUI*>(m.pExtra));
    return EndCmdUI(m.pExtra);
}

// ---- WM_NOTIFY ----
template <auto pmf> BOOL Notify(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, void(NMHDR*, LRESULT*)>,
                  "handler must be: void Handler(NMHDR*, LRESULT*)");
    auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
    (Target<pmf>(t)->*pmf)(n->pNMHDR, n->pResult);
    return TRUE;
}
template <auto pmf> BOOL NotifyEx(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, BOOL(UINT, NMHDR*, LRESULT*)>,
                  "handler must be: BOOL Handler(UINT nID, NMHDR*, LRESULT*)");
    auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
    return (Target<pmf>(t)->*pmf)(m.nID, n->pNMHDR, n->pResult);
}
template <auto pmf> BOOL NotifyRange(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, void(UINT, NMHDR*, LRESULT*)>,
                  "handler must be: void Handler(UINT nID, NMHDR*, LRESULT*)");
    auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
    (Target<pmf>(t)->*pmf)(m.nID, n->pNMHDR, n->pResult);
    return TRUE;
}
template <auto pmf> BOOL NotifyReflectEx(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, BOOL(NMHDR*, LRESULT*)>,
                  "handler must be: BOOL Handler(NMHDR*, LRESULT*)");
    auto* n = static_cast<AFX_NOTIFY*>(m.pExtra);
    return (Target<pmf>(t)->*pmf)(n->pNMHDR, n->pResult);
}

// ---- user-defined and registered messages ----
template <auto pmf> BOOL Message(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, LRESULT(WPARAM, LPARAM)>,
                  "handler must be: LRESULT Handler(WPARAM, LPARAM)");
    m.lResult = (Target<pmf>(t)->*pmf)(m.wParam, m.lParam);
    return TRUE;
}
template <auto pmf> BOOL ThreadMessage(CCmdTarget* t, AFX_MSGCALL& m) {
    static_assert(HasSignature<pmf, void(WPARAM, LPARAM)>, "handler must be: void Handler(WPARAM, LPARAM)");
    (Target<pmf>(t)->*pmf)(m.wParam, m.lParam);
    return TRUE;
}

} // namespace
} // namespace AfxMsgThunk

// ---------------------------------------------------------------------------------------------------
// Commands
#define ON_COMMAND(id, memberFxn)                                                                            \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), &AfxMsgThunk::Cmd<&ThisClass::memberFxn>, nullptr},
#define ON_COMMAND_EX(id, memberFxn)                                                                         \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), &AfxMsgThunk::CmdEx<&ThisClass::memberFxn>, nullptr},
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                              \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), &AfxMsgThunk::CmdRange<&ThisClass::memberFxn>,      \
     nullptr},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                           \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), &AfxMsgThunk::CmdEx<&ThisClass::memberFxn>, nullptr},
#define ON_UPDATE_COMMAND_UI(id, memberFxn)                                                                  \
    {WM_COMMAND,                                                                                             \
     (UINT)CN_UPDATE_COMMAND_UI,                                                                             \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     &AfxMsgThunk::CmdUI<&ThisClass::memberFxn>,                                                             \
     nullptr},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn)                                                    \
    {WM_COMMAND,                                                                                             \
     (UINT)CN_UPDATE_COMMAND_UI,                                                                             \
     (UINT)(id),                                                                                             \
     (UINT)(idLast),                                                                                         \
     &AfxMsgThunk::CmdUI<&ThisClass::memberFxn>,                                                             \
     nullptr},

// Control notifications sent to the parent as WM_COMMAND
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                               \
    {                                                                                                        \
        WM_COMMAND,                                                                                          \
        (UINT)(WORD)(wNotifyCode),                                                                           \
        (UINT)(id),                                                                                          \
        (UINT)(id),                                                                                          \
        &AfxMsgThunk::Cmd<&ThisClass::memberFxn>,                                                            \
        nullptr},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                                 \
    {WM_COMMAND,                                                                                             \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     (UINT)(id),                                                                                             \
     (UINT)(idLast),                                                                                         \
     &AfxMsgThunk::CmdRange<&ThisClass::memberFxn>,                                                          \
     nullptr},

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)

#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)

#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)

#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)

#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)

// Notifications sent to the parent as WM_NOTIFY
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                                \
    {WM_NOTIFY,                                                                                              \
     (UINT)(WORD)(int)(wNotifyCode),                                                                         \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     &AfxMsgThunk::Notify<&ThisClass::memberFxn>,                                                            \
     nullptr},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                                  \
    {WM_NOTIFY,                                                                                              \
     (UINT)(WORD)(int)(wNotifyCode),                                                                         \
     (UINT)(id),                                                                                             \
     (UINT)(idLast),                                                                                         \
     &AfxMsgThunk::NotifyRange<&ThisClass::memberFxn>,                                                       \
     nullptr},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                             \
    {WM_NOTIFY,                                                                                              \
     (UINT)(WORD)(int)(wNotifyCode),                                                                         \
     (UINT)(id),                                                                                             \
     (UINT)(id),                                                                                             \
     &AfxMsgThunk::NotifyEx<&ThisClass::memberFxn>,                                                          \
     nullptr},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                               \
    {WM_NOTIFY,                                                                                              \
     (UINT)(WORD)(int)(wNotifyCode),                                                                         \
     (UINT)(id),                                                                                             \
     (UINT)(idLast),                                                                                         \
     &AfxMsgThunk::NotifyEx<&ThisClass::memberFxn>,                                                          \
     nullptr},

// Notifications handled by the control that sent them (reflection). The _EX forms return FALSE to let
// the parent see the notification as well.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                           \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxMsgThunk::Cmd<&ThisClass::memberFxn>,                                                               \
     nullptr},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                                        \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (UINT)(WORD)(wNotifyCode),                                                                              \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxMsgThunk::CmdReflectEx<&ThisClass::memberFxn>,                                                      \
     nullptr},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                            \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (UINT)(WORD)(int)(wNotifyCode),                                                                         \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxMsgThunk::Notify<&ThisClass::memberFxn>,                                                            \
     nullptr},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                                         \
    {WM_NOTIFY + WM_REFLECT_BASE,                                                                            \
     (UINT)(WORD)(int)(wNotifyCode),                                                                         \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxMsgThunk::NotifyReflectEx<&ThisClass::memberFxn>,                                                   \
     nullptr},
#define ON_UPDATE_COMMAND_UI_REFLECT(memberFxn)                                                              \
    {WM_COMMAND + WM_REFLECT_BASE,                                                                           \
     (UINT)(WORD)CN_UPDATE_COMMAND_UI,                                                                       \
     0,                                                                                                      \
     0,                                                                                                      \
     &AfxMsgThunk::CmdUI<&ThisClass::memberFxn>,                                                             \
     nullptr},

// Any message, with the raw parameters
#define ON_MESSAGE(message, memberFxn)                                                                       \
    {(UINT)(message), 0, 0, 0, &AfxMsgThunk::Message<&ThisClass::memberFxn>, nullptr},
// A message whose number RegisterWindowMessage gave at run time; nMessageVariable is a UINT variable
// that holds it.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                                   \
    {0xC000, 0, 0, 0, &AfxMsgThunk::Message<&ThisClass::memberFxn>, &(nMessageVariable)},
// Messages posted to a thread (no window), handled by CWinThread-derived classes.
#define ON_THREAD_MESSAGE(message, memberFxn)                                                                \
    {(UINT)(message), 0, 0, 0, &AfxMsgThunk::ThreadMessage<&ThisClass::memberFxn>, nullptr},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn)                                            \
    {0xC000, 0, 0, 0, &AfxMsgThunk::ThreadMessage<&ThisClass::memberFxn>, &(nMessageVariable)},
