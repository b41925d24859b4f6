#include "grid/features/CGELongOperationImp.h"

#include "framework/win/AfxPriv.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CWinApp.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/features/CGELongOperationState.h"

namespace {

CGELongOperationState& State() {
    return CGELongOperationState::Get();
}

int Level() {
    return CGELongOperation::GetNestingLevel();
}

// A library text, or its English default before the engine loaded its texts.
CString Text(const CString& strLoaded, LPCSTR pszDefault) {
    return strLoaded.IsEmpty() ? CString(pszDefault) : strLoaded;
}

// Input that a running operation drops: keys, mouse in the client and non-client area, commands.
BOOL IsDroppedInput(UINT message) {
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_COMMAND;
}

HWND FindFrameWindow(HWND hRemembered) {
    if (hRemembered != nullptr && ::IsWindow(hRemembered))
        return hRemembered;
    CWinThread* pThread = AfxGetThread();
    CWnd* pMain = pThread != nullptr ? pThread->m_pMainWnd : nullptr;
    if (pMain != nullptr && pMain->GetSafeHwnd() != nullptr && pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return pMain->GetSafeHwnd();
    return nullptr;
}

// Idle work and message processing stop after this many rounds, so that a message source that never
// runs dry (a window that keeps repainting) cannot hold the operation.
constexpr int kMaxMessagesPerRound = 1000;
constexpr LONG kMaxIdleRounds = 100;

} // namespace

void CGELongOperationImp::Begin(CGELongOperation* pOp) {
    CGELongOperationState& state = State();
    const int nLevel = Level();
    LPCSTR pszText = nullptr;
    if (nLevel <= 1) {
        state.nPercentDone = -1;
        state.nLockedLevel = -1;
        state.bWaitCursorShown = FALSE;
        state.bAbortRequested = FALSE;
        state.bAbortAllowed = TRUE;
        state.bRollbackPossible = FALSE;
        state.hFrameWnd = FindFrameWindow(state.hFrameWnd);
        state.SetLevelText(1, Text(GEGetLibraryState()->m_strProcessing, "Processing..."), TRUE);
        pszText = state.GetLevelText(1);
    } else {
        // An inner operation shows the text of the level above until it sets its own.
        for (int n = std::min(nLevel - 1, CGELongOperationState::nMaxTextLevels);
             n >= 1 && pszText == nullptr; --n)
            pszText = state.GetLevelText(n);
        state.SetLevelText(nLevel, pszText, FALSE);
    }
    state.bAbortDecided = FALSE;
    state.bRollbackRequested = FALSE;
    pOp->m_pszStatusText = pszText;
    pOp->m_dwStartTicks = pOp->m_dwLastTicks = Now();
    pOp->m_bShowDone = TRUE;
    pOp->m_bShowStatus = TRUE;
}

void CGELongOperationImp::End(CGELongOperation* pOp) {
    CGELongOperationState& state = State();
    const int nLevel = Level();
    state.FreeLevelText(nLevel);
    state.SetLevelText(nLevel, nullptr, FALSE);
    pOp->m_pszStatusText = nullptr;
    if (nLevel <= 1 && state.bWaitCursorShown) {
        state.bWaitCursorShown = FALSE;
        WaitCursor(-1);
        state.hFrameWnd = FindFrameWindow(state.hFrameWnd);
        if (pOp->m_bShowDone && state.hFrameWnd != nullptr)
            SendStatus(Text(GEGetLibraryState()->m_strDone, "Done."));
    }
}

void CGELongOperationImp::FreeStatusText(CGELongOperation* pOp) {
    const int nLevel = Level();
    LPCSTR pszOwned = State().GetLevelText(nLevel);
    if (State().FreeLevelText(nLevel) && pOp->m_pszStatusText == pszOwned)
        pOp->m_pszStatusText = nullptr;
}

void CGELongOperationImp::SetStatusText(CGELongOperation* pOp, LPCSTR pszText, BOOL bCopy) {
    CGELongOperationState& state = State();
    const int nLevel = Level();
    FreeStatusText(pOp);
    if (!state.MayShow(nLevel))
        return;
    if (nLevel > CGELongOperationState::nMaxTextLevels) {
        // Too deep to keep a text of its own: the operation keeps its pointer for as long as the caller's
        // text lives only when it was not asked to copy.
        if (!bCopy)
            pOp->m_pszStatusText = pszText;
        return;
    }
    state.SetLevelText(nLevel, pszText, bCopy);
    pOp->m_pszStatusText = state.GetLevelText(nLevel);
}

BOOL CGELongOperationImp::IsDue(const CGELongOperation* pOp) {
    const CGELongOperationState& state = State();
    const DWORD dwNow = Now();
    if (!state.bWaitCursorShown)
        return dwNow - pOp->m_dwStartTicks >= state.dwFirstWait;
    return dwNow - pOp->m_dwLastTicks >= state.dwStepInterval;
}

CString CGELongOperationImp::BuildStatusText(const CGELongOperation* pOp, BOOL bWithCancelHint) {
    static const char* const kIndicator[] = {"  -", "  \\", "  |", "  /"};
    CGELongOperationState& state = State();
    CString strText = pOp->m_pszStatusText != nullptr ? pOp->m_pszStatusText : "";
    if (state.nPercentDone >= 0)
        strText.AppendFormat(" %3d%%. ", state.nPercentDone);
    if (bWithCancelHint && state.bAbortAllowed) {
        strText += "   ";
        strText += Text(GEGetLibraryState()->m_strPressEsc, "Press ESC to cancel");
    }
    if (state.nPercentDone < 0) {
        strText += kIndicator[state.nIndicator];
        state.nIndicator = (state.nIndicator + 1) % 4;
    }
    return strText;
}

void CGELongOperationImp::SendStatusWhenShown(const CGELongOperation* pOp, BOOL bWithCancelHint) {
    CGELongOperationState& state = State();
    state.hFrameWnd = FindFrameWindow(state.hFrameWnd);
    if (!pOp->m_bShowStatus || !state.MayShow(Level()) || state.hFrameWnd == nullptr)
        return;
    state.strStatus = BuildStatusText(pOp, bWithCancelHint);
    SendStatus(state.strStatus);
}

BOOL CGELongOperationImp::Step(CGELongOperation* pOp) {
    if (!IsDue(pOp))
        return FALSE;
    SendStatusWhenShown(pOp, FALSE);
    ProcessMessages(pOp);
    pOp->m_dwLastTicks = Now();
    return TRUE;
}

BOOL CGELongOperationImp::StepAndQueryAbort(CGELongOperation* pOp, BOOL& bAbort) {
    bAbort = FALSE;
    BOOL bStepped = FALSE;
    if (IsDue(pOp)) {
        SendStatusWhenShown(pOp, TRUE);
        ProcessMessages(pOp);
        pOp->m_dwLastTicks = Now();
        bStepped = TRUE;
    }
    CGELongOperationState& state = State();
    if (state.bAbortAllowed && state.bAbortRequested && !state.bAbortDecided)
        DecideAbort();
    state.bAbortRequested = FALSE;
    bAbort = state.bAbortDecided;
    return bStepped;
}

void CGELongOperationImp::DecideAbort() {
    CGELongOperationState& state = State();
    const CString strQuestion =
        Text(GEGetLibraryState()->m_strAbortQuestion, "Do you want to abort the operation?");
    if (!state.bAskBeforeAbort) {
        state.bAbortDecided = TRUE;
        state.bRollbackRequested = state.bRollbackPossible;
    } else if (!state.bRollbackPossible) {
        state.bAbortDecided = AskUser(strQuestion, MB_YESNO | MB_ICONQUESTION) == IDYES;
    } else {
        switch (AskUser(strQuestion, MB_ABORTRETRYIGNORE | MB_ICONQUESTION)) {
        case IDABORT:
            state.bAbortDecided = TRUE;
            break;
        case IDRETRY:
            state.bAbortDecided = TRUE;
            state.bRollbackRequested = TRUE;
            break;
        default:
            break;
        }
    }
    if (state.bWaitCursorShown)
        WaitCursor(0); // the question took the cursor
}

BOOL CGELongOperationImp::ProcessMessages(CGELongOperation*) {
    CGELongOperationState& state = State();
    if (!state.bWaitCursorShown) {
        state.bWaitCursorShown = TRUE;
        WaitCursor(1);
    }
    MSG msg;
    for (int n = 0; n < kMaxMessagesPerRound && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE); ++n) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return FALSE;
        }
        if (msg.message == WM_KEYDOWN && (msg.wParam == VK_ESCAPE || msg.wParam == VK_CANCEL))
            state.bAbortRequested = TRUE;
        if (IsDroppedInput(msg.message)) {
            WaitCursor(0);
            continue;
        }
        if (!AfxPreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (CWinThread* pThread = AfxGetThread()) {
        for (LONG lCount = 0; lCount < kMaxIdleRounds && pThread->OnIdle(lCount); ++lCount) {
        }
    }
    return TRUE;
}

DWORD CGELongOperationImp::Now() {
    return ::GetTickCount();
}

int CGELongOperationImp::AskUser(LPCSTR pszQuestion, UINT nType) {
    return AfxMessageBox(pszQuestion, nType);
}

void CGELongOperationImp::WaitCursor(int nCode) {
    if (CWinApp* pApp = AfxGetApp()) {
        pApp->DoWaitCursor(nCode);
        return;
    }
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(nCode >= 0 ? IDC_WAIT : IDC_ARROW)));
}

void CGELongOperationImp::SendStatus(LPCSTR pszText) {
    HWND hFrame = State().hFrameWnd;
    if (hFrame != nullptr && ::IsWindow(hFrame))
        ::SendMessageA(hFrame, WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(pszText));
}

void GEInstallLongOperation() {
    CGELibraryState* pState = GEGetLibraryState();
    if (pState->m_pLongOperationImp == nullptr) {
        auto* pImp = new CGELongOperationImp;
        pState->m_pLongOperationImp = pImp;
        pState->AddAutoDeleteObject(pImp);
    }
}
