// The window messages every grid window and grid view turns into calls on its grid core: painting
// (grid windows; views paint through OnDraw), sizing, scrolling, keys, mouse, focus, cursor and system
// colours. Grid windows and views call these from their OnWndMsg after their own message maps, so that
// an application's handlers come first; plug-ins (auto-scroll) see the messages before anything else.
#pragma once

#include "framework/core/AfxDefs.h"

class CGEGridCore;
class CWnd;

// Messages the framework's window base would take first (its own scroll bars, control colours): the grid
// answers them before the message maps. TRUE when handled.
BOOL GEPreDispatchGridMessage(CGEGridCore* pGrid, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam,
                              LRESULT* pResult);
// TRUE when the message was handled (*pResult holds the result).
BOOL GEDispatchGridMessage(CGEGridCore* pGrid, CWnd* pWnd, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT* pResult, BOOL bPaint);
// Offers a message to the grid's plug-ins; TRUE when one handled it.
BOOL GEDispatchPluginMessage(CGEGridCore* pGrid, UINT message, WPARAM wParam, LPARAM lParam,
                             LRESULT* pResult);
// Scroll-bar modes from the window's WS_HSCROLL and WS_VSCROLL styles.
void GETakeScrollBarModes(CGEGridCore* pGrid, CWnd* pWnd);
