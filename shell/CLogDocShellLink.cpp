#include "shell/CLogDocShellLink.h"

#include "framework/win/CMenu.h"
#include "framework/win/CView.h"
#include "shell/CBrindlemarkWinApp.h"
#include "shell/CMainFrame.h"
#include "shell/CMainViewFrame.h"
#include "timelog/ILogView.h"

namespace {
CLogDocShellLink g_link;

CMainFrame* Frame() {
    CBrindlemarkWinApp* pApp = BrindlemarkApp();
    return pApp != nullptr ? pApp->GetMainFrame() : nullptr;
}

// The menus that need rights the user lacks, by position (the fourth, then the second).
constexpr UINT kTrimmedMenus[] = {3, 1};
} // namespace

void CLogDocShellLink::Register() {
    SetLogDocShell(&g_link);
}

void CLogDocShellLink::Unregister() {
    if (GetLogDocShell() == &g_link)
        SetLogDocShell(nullptr);
}

int CLogDocShellLink::MatchActiveLog(CLogDoc* pDoc, const char* path) {
    CBrindlemarkWinApp* pApp = BrindlemarkApp();
    return pApp != nullptr ? pApp->MatchActiveLog(pDoc, path) : -1;
}

void CLogDocShellLink::ForgetLogDocument(CLogDoc* pDoc) {
    if (CBrindlemarkWinApp* pApp = BrindlemarkApp())
        pApp->ForgetLogDocument(pDoc);
}

bool CLogDocShellLink::IsActiveLogDocument(const CLogDoc* pDoc) const {
    const CBrindlemarkWinApp* pApp = BrindlemarkApp();
    return pApp != nullptr && pDoc != nullptr && pApp->GetActiveLogDocument() == pDoc;
}

void CLogDocShellLink::ShowTrayTiming(bool timing) {
    CBrindlemarkWinApp* pApp = BrindlemarkApp();
    if (pApp == nullptr)
        return;
    if (timing)
        pApp->ShowTimingIcon();
    else
        pApp->ShowIdleIcon();
}

bool CLogDocShellLink::PostExit() {
    if (Frame() == nullptr)
        return false;
    PostAppExit();
    return true;
}

bool CLogDocShellLink::ShowOptionsPage(UINT pageId) {
    CMainFrame* pFrame = Frame();
    if (pFrame == nullptr)
        return false;
    pFrame->ShowOptions(pageId);
    return true;
}

bool CLogDocShellLink::HasUnfinishedLogRow() {
    CMainFrame* pFrame = Frame();
    CMainViewFrame* pHost = pFrame != nullptr ? pFrame->GetViewHost() : nullptr;
    auto* pLogView = pHost != nullptr ? dynamic_cast<ILogView*>(pHost->GetView(viewTimeLog)) : nullptr;
    return pLogView != nullptr && pLogView->HasUnfinishedRow();
}

void CLogDocShellLink::AfterLogOpened(CLogDoc*, bool showTree, bool trimMenus) {
    CMainFrame* pFrame = Frame();
    if (pFrame == nullptr || pFrame->m_hWnd == nullptr)
        return;
    if (!pFrame->HasTrayIcons())
        pFrame->AddTrayIcons();
    pFrame->RefreshTreeLists();
    pFrame->RefreshViewTabs();
    if (!showTree)
        pFrame->ShowNavigationTree(false);
    if (!trimMenus)
        return;
    if (CMenu* pMenu = pFrame->GetMenu()) {
        for (const UINT position : kTrimmedMenus)
            pMenu->DeleteMenu(position, MF_BYPOSITION);
        pFrame->DrawMenuBar();
    }
}
