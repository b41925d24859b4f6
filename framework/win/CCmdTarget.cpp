#include "framework/win/CCmdTarget.h"

#include "framework/win/CWinApp.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

namespace {
// Iterates the maps of a class chain, most derived first.
const AFX_MSGMAP* BaseMap(const AFX_MSGMAP* map) {
    return map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr;
}
} // namespace

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    // The message travels in the high word of nCode (WM_NOTIFY, reflected forms); plain commands and
    // update requests leave it zero.
    UINT nMsg = 0;
    UINT nEntryCode = static_cast<UINT>(nCode);
    if (nCode != CN_UPDATE_COMMAND_UI) {
        nMsg = HIWORD(static_cast<DWORD>(nCode));
        nEntryCode = LOWORD(static_cast<DWORD>(nCode));
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;

    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr; map = BaseMap(map)) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
            if (e->pnRegMessage != nullptr || e->nMessage != nMsg || e->nCode != nEntryCode || nID < e->nID ||
                nID > e->nLastID)
                continue;
            if (pHandlerInfo != nullptr) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pEntry = e;
                return TRUE;
            }
            AFX_MSGCALL call{nMsg, 0, 0, nID, pExtra, 0};
            return e->pfn(this, call);
        }
    }
    return FALSE;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT message) const {
    const bool registered = message >= 0xC000 && message <= 0xFFFF;
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr; map = BaseMap(map)) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->pfn != nullptr; ++e) {
            if (e->pnRegMessage != nullptr) {
                if (registered && *e->pnRegMessage == message)
                    return e;
            } else if (e->nMessage == message && e->nCode == 0 && e->nID == 0 && e->nLastID == 0) {
                return e;
            }
        }
    }
    return nullptr;
}

void CCmdTarget::BeginWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(1);
}

void CCmdTarget::EndWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor() {
    if (CWinApp* app = AfxGetApp())
        app->DoWaitCursor(0);
}
