#include "framework/win/CWinThread.h"

#include "framework/core/CException.h"
#include "framework/core/CUserException.h"
#include "framework/win/AfxPriv.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CDC.h"
#include "framework/win/CGdiObject.h"
#include "framework/win/CImageList.h"
#include "framework/win/CMenu.h"
#include "framework/win/CWnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

thread_local CWinThread* t_pThread = nullptr;
// Pump state of a thread without a CWinThread object.
thread_local MSG t_msgCur{};
thread_local POINT t_ptCursorLast{-1, -1};
thread_local UINT t_nMsgLast = 0;

LRESULT CALLBACK AfxMsgFilterHook(int code, WPARAM wParam, LPARAM lParam) {
    CWinThread* pThread = t_pThread;
    if (code >= 0 && pThread != nullptr &&
        pThread->ProcessMessageFilter(code, reinterpret_cast<LPMSG>(lParam)))
        return 1;
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Repeated mouse moves to the same place, paint and the caret's blink timer do not restart idle work.
BOOL IsIdleMessageWith(const MSG* pMsg, POINT& ptLast, UINT& nMsgLast) {
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (pMsg->pt.x == ptLast.x && pMsg->pt.y == ptLast.y && pMsg->message == nMsgLast)
            return FALSE;
        ptLast = pMsg->pt;
        nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

LRESULT DefaultWndProcException(CException* e, const MSG* pMsg) {
    if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr);
    // A user exception was explained to the user when it was thrown.
    if (!e->IsKindOf(RUNTIME_CLASS(CUserException)))
        e->ReportError(MB_ICONEXCLAMATION | MB_SYSTEMMODAL, AFX_IDP_INTERNAL_FAILURE);
    return pMsg->message == WM_CREATE ? -1 : 0;
}

// Gets one message into msg and dispatches it unless translate() took it. FALSE on WM_QUIT.
template <class Translate> BOOL PumpInto(MSG& msg, Translate translate) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1)
        return FALSE;
    if (msg.message != WM_KICKIDLE && !translate(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

} // namespace

CWinThread::CWinThread() = default;

CWinThread::~CWinThread() {
    DetachFromThread();
}

void CWinThread::AttachToCurrentThread() {
    m_nThreadID = ::GetCurrentThreadId();
    m_hThread = ::GetCurrentThread();
    t_pThread = this;
    if (m_hHookMsgFilter == nullptr)
        m_hHookMsgFilter = ::SetWindowsHookExA(WH_MSGFILTER, &AfxMsgFilterHook, nullptr, m_nThreadID);
}

void CWinThread::DetachFromThread() {
    if (m_hHookMsgFilter != nullptr) {
        ::UnhookWindowsHookEx(m_hHookMsgFilter);
        m_hHookMsgFilter = nullptr;
    }
    if (t_pThread == this)
        t_pThread = nullptr;
}

BOOL CWinThread::InitInstance() {
    return FALSE;
}

int CWinThread::Run() {
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    MSG peek{};
    for (;;) {
        while (bIdle && !::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageA(&peek, nullptr, 0, 0, PM_NOREMOVE));
    }
}

int CWinThread::ExitInstance() {
    return static_cast<int>(m_msgCur.wParam);
}

BOOL CWinThread::PumpMessage() {
    return PumpInto(m_msgCur, [this](MSG* pMsg) { return PreTranslateMessage(pMsg); });
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->hwnd == nullptr && DispatchThreadMessageEx(pMsg))
        return TRUE;
    CWnd* pMainWnd = GetMainWnd();
    if (CWnd::WalkPreTranslateTree(pMainWnd->GetSafeHwnd(), pMsg))
        return TRUE;
    // A modeless window outside the main window still gets the main window's accelerators.
    if (pMainWnd != nullptr && pMsg->hwnd != nullptr) {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->m_hWnd != nullptr && pMainWnd->IsWindowVisible()) {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
    } else {
        CWnd::DeleteTempMap();
        CMenu::DeleteTempMap();
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CImageList::DeleteTempMap();
    }
    return lCount < 1;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) {
    return IsIdleMessageWith(pMsg, m_ptCursorLast, m_nMsgLast);
}

BOOL CWinThread::ProcessMessageFilter(int, LPMSG) {
    return FALSE;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg) {
    return DefaultWndProcException(e, pMsg);
}

CWnd* CWinThread::GetMainWnd() {
    return m_pMainWnd;
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(pMsg->message);
    if (entry == nullptr)
        return FALSE;
    AFX_MSGCALL call{pMsg->message, pMsg->wParam, pMsg->lParam, 0, nullptr, 0};
    return entry->pfn(this, call);
}

CWinThread* AfxGetThread() {
    return t_pThread;
}

CWnd* AfxGetMainWnd() {
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? pThread->GetMainWnd() : nullptr;
}

BOOL AfxPumpMessage() {
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    return PumpInto(t_msgCur, [](MSG* pMsg) { return AfxPreTranslateMessage(pMsg); });
}

MSG* AfxGetCurrentMessage() {
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr ? &pThread->m_msgCur : &t_msgCur;
}

BOOL AfxIsIdleMessage(MSG* pMsg) {
    if (CWinThread* pThread = AfxGetThread())
        return pThread->IsIdleMessage(pMsg);
    return IsIdleMessageWith(pMsg, t_ptCursorLast, t_nMsgLast);
}

BOOL AfxPreTranslateMessage(MSG* pMsg) {
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PreTranslateMessage(pMsg);
    return CWnd::WalkPreTranslateTree(nullptr, pMsg);
}

LRESULT AfxProcessWndProcException(CException* e, const MSG* pMsg) {
    if (CWinThread* pThread = AfxGetThread())
        return pThread->ProcessWndProcException(e, pMsg);
    return DefaultWndProcException(e, pMsg);
}
