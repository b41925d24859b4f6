#include "foundation/CAcxWindowPlacement.h"

#include "framework/core/CRect.h"
#include "framework/win/CWinApp.h"
#include "framework/win/CWnd.h"

namespace {

// The entries, in the order they are written, and the fields they hold.
struct Binding {
    const char* name;
    int (*get)(const WINDOWPLACEMENT&);
    void (*set)(WINDOWPLACEMENT&, int);
};

const Binding kBindings[] = {
    {"wp.flags", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.flags); },
     [](WINDOWPLACEMENT& w, int v) { w.flags = static_cast<UINT>(v); }},
    {"wp.showCmd", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.showCmd); },
     [](WINDOWPLACEMENT& w, int v) { w.showCmd = static_cast<UINT>(v); }},
    {"wp.ptMinPosition.x", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.ptMinPosition.x); },
     [](WINDOWPLACEMENT& w, int v) { w.ptMinPosition.x = v; }},
    {"wp.ptMinPosition.y", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.ptMinPosition.y); },
     [](WINDOWPLACEMENT& w, int v) { w.ptMinPosition.y = v; }},
    {"wp.ptMaxPosition.x", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.ptMaxPosition.x); },
     [](WINDOWPLACEMENT& w, int v) { w.ptMaxPosition.x = v; }},
    {"wp.ptMaxPosition.y", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.ptMaxPosition.y); },
     [](WINDOWPLACEMENT& w, int v) { w.ptMaxPosition.y = v; }},
    {"wp.left", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.rcNormalPosition.left); },
     [](WINDOWPLACEMENT& w, int v) { w.rcNormalPosition.left = v; }},
    {"wp.top", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.rcNormalPosition.top); },
     [](WINDOWPLACEMENT& w, int v) { w.rcNormalPosition.top = v; }},
    {"wp.right", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.rcNormalPosition.right); },
     [](WINDOWPLACEMENT& w, int v) { w.rcNormalPosition.right = v; }},
    {"wp.bottom", [](const WINDOWPLACEMENT& w) { return static_cast<int>(w.rcNormalPosition.bottom); },
     [](WINDOWPLACEMENT& w, int v) { w.rcNormalPosition.bottom = v; }},
};

} // namespace

CAcxWindowPlacement::CAcxWindowPlacement() : m_wp{} {
    m_wp.length = sizeof(WINDOWPLACEMENT); // 44
}

void CAcxWindowPlacement::Read(const char* section) {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (const Binding& b : kBindings)
        b.set(m_wp, static_cast<int>(pApp->GetProfileInt(section, b.name, b.get(m_wp))));
}

void CAcxWindowPlacement::Write(const char* section) const {
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    for (const Binding& b : kBindings)
        pApp->WriteProfileInt(section, b.name, b.get(m_wp));
}

void CAcxWindowPlacement::Save(const char* section, CWnd* pWnd) {
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return;
    pWnd->GetWindowPlacement(&m_wp);
    Write(section);
}

bool CAcxWindowPlacement::Restore(const char* section, CWnd* pWnd) {
    Read(section);
    const CRect screen(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
    CRect overlap;
    if (!overlap.IntersectRect(&screen, &m_wp.rcNormalPosition))
        return false;
    if (pWnd == nullptr || pWnd->m_hWnd == nullptr)
        return false;
    m_wp.length = sizeof(WINDOWPLACEMENT);
    return pWnd->SetWindowPlacement(&m_wp) != FALSE;
}
