// The keyboard dispatch that cell controls and their children share: key and character messages of the
// grid window go to the target's handlers; a double-byte character arrives as a lead byte and a trail
// byte and is handed on as one text.
#pragma once

#include "framework/core/CString.h"

#include <mbctype.h>

#include <windows.h>

// Collects double-byte characters from their lead and trail bytes.
struct GELeadByteState {
    BOOL bPending = FALSE;
    BYTE nLeadByte = 0;
};

// Target has OnGridKeyDown, OnGridKeyUp, OnGridChar, OnGridDoubleByteChar, OnGridDeadChar,
// OnGridSysKeyDown, OnGridSysKeyUp, OnGridSysChar and OnGridSysDeadChar. FALSE for other messages.
template <class Target>
BOOL GEDispatchKeyMessage(Target& target, GELeadByteState& lead, UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT nChar = static_cast<UINT>(wParam);
    const UINT nRepCnt = LOWORD(lParam);
    const UINT nFlags = HIWORD(lParam);
    switch (message) {
    case WM_KEYDOWN:
        return target.OnGridKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return target.OnGridKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR:
        if (lead.bPending) {
            lead.bPending = FALSE;
            const char sz[3] = {static_cast<char>(lead.nLeadByte), static_cast<char>(nChar), 0};
            return target.OnGridDoubleByteChar(CString(sz), nRepCnt, nFlags);
        }
        if (nChar < 256 && _ismbblead(nChar)) {
            lead.bPending = TRUE;
            lead.nLeadByte = static_cast<BYTE>(nChar);
            return TRUE;
        }
        return target.OnGridChar(nChar, nRepCnt, nFlags);
    case WM_DEADCHAR:
        return target.OnGridDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return target.OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return target.OnGridSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return target.OnGridSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return target.OnGridSysDeadChar(nChar, nRepCnt, nFlags);
    default:
        return FALSE;
    }
}
