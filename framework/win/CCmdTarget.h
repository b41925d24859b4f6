// CCmdTarget: base of every class that receives commands or window messages through a message map.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/win/AfxMsgMap.h"

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;

    // Routes a command (nCode CN_COMMAND or a control notification code), a notification
    // (MAKELONG(code, WM_NOTIFY), pExtra = AFX_NOTIFY*) or an update request (CN_UPDATE_COMMAND_UI,
    // pExtra = CCmdUI*) to this object's message map. With pHandlerInfo, only reports whether and where
    // a handler exists. Returns TRUE when the command was handled.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    // The hourglass cursor while a long operation runs; calls nest.
    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;

protected:
    // The entry of this object's maps (most derived first) that handles the window message, or nullptr.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message) const;
};
