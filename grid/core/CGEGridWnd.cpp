#include "grid/core/CGEGridWnd.h"

#include "grid/core/GEGridMessages.h"

IMPLEMENT_DYNCREATE(CGEGridWnd, CWnd)

CGEGridWnd::CGEGridWnd() : CGEGridCore(this) {}

CGEGridWnd::~CGEGridWnd() {
    if (GetSafeHwnd() != nullptr)
        DestroyWindow();
}

BOOL CGEGridWnd::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if (!CWnd::CreateEx(0, "GEWND", nullptr, dwStyle, rect, pParentWnd, nID))
        return FALSE;
    Initialize();
    return TRUE;
}

BOOL CGEGridWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    if (!CWnd::SubclassDlgItem(nID, pParent))
        return FALSE;
    Initialize();
    return TRUE;
}

void CGEGridWnd::Initialize() {
    GETakeScrollBarModes(this, this);
    OnGridInitialUpdate();
    UpdateScrollbars();
}

LRESULT CGEGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT lResult = 0;
    if (GEDispatchPluginMessage(this, message, wParam, lParam, &lResult))
        return lResult;
    return CWnd::WindowProc(message, wParam, lParam);
}

BOOL CGEGridWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (GEPreDispatchGridMessage(this, this, message, wParam, lParam, pResult) ||
        CWnd::OnWndMsg(message, wParam, lParam, pResult))
        return TRUE;
    return GEDispatchGridMessage(this, this, message, wParam, lParam, pResult, TRUE);
}
