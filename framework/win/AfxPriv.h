// Window messages the framework sends to its own windows. They lie in a range Windows leaves unused
// (0x0360-0x037F), so they never collide with system or application messages.
#pragma once

#include "framework/core/AfxDefs.h"

#define WM_SIZEPARENT 0x0361       // control bars: lParam = AFX_SIZEPARENTPARAMS*
#define WM_SETMESSAGESTRING 0x0362 // wParam = string id (or 0), lParam = LPCSTR (when wParam is 0)
#define WM_IDLEUPDATECMDUI 0x0363  // wParam = TRUE to disable controls that have no handler
#define WM_INITIALUPDATE 0x0364    // views: first update after the frame is created
#define WM_COMMANDHELP 0x0365      // lParam = help context; return TRUE when help was shown
#define WM_HELPHITTEST 0x0366      // lParam = point; returns a help context
#define WM_EXITHELPMODE 0x0367
#define WM_RECALCPARENT 0x0368 // asks the parent frame to lay out its bars again
#define WM_SIZECHILD 0x0369
#define WM_KICKIDLE 0x036A       // wParam = MSGF_DIALOGBOX, lParam = idle count; TRUE for more idle time
#define WM_QUERYCENTERWND 0x036B // returns the window to centre over
#define WM_DISABLEMODAL 0x036C   // TRUE keeps the window enabled while a modal window is up
#define WM_FLOATSTATUS 0x036D
#define WM_ACTIVATETOPLEVEL 0x036E
#define WM_POPMESSAGESTRING 0x0375

// What WM_SIZEPARENT carries to each control bar while a frame lays out its bars (RepositionBars): the
// rectangle still free, which each bar shrinks by the room it takes, and the batch of window moves
// (hDWP; nullptr when only the layout is asked for).
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;
    RECT rect;
    SIZE sizeTotal; // room taken by all bars so far
    BOOL bStretch;  // bars stretch to the full width (height) of the free rectangle
};

// Moves hWnd to lpRect (the parent's client coordinates) through the batch of lpLayout, when it is not
// there already. Nothing moves without a batch (a layout that is only asked for).
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

// Notifications reflected back to the child control that sent them arrive as this base plus the
// original message.
#define WM_REFLECT_BASE 0xBC00

// The 16-bit form of the WM_CTLCOLORxxx family, used as the single message-map entry for all of them.
#ifndef WM_CTLCOLOR
#define WM_CTLCOLOR 0x0019
#endif
