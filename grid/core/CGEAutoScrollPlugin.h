// CGEAutoScrollPlugin: scrolls the grid while the mouse is dragged past the grid area's edge. The grid
// starts it (StartAutoScroll: timer 992 every 10 ms); each tick scrolls one row or column towards the
// mouse, more often the farther the mouse is, and passes the mouse position on to the grid's mouse
// handling so that a selection follows. It stops when the button is released, the mode is cancelled or
// the grid loses the capture.
#pragma once

#include "framework/core/CPoint.h"
#include "grid/core/CGEPluginComponent.h"

class CGEGridCore;

class CGEAutoScrollPlugin : public CGEPluginComponent {
public:
    explicit CGEAutoScrollPlugin(CGEGridCore* pGrid) : m_pGrid(pGrid) {}

    BOOL OnPluginMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // One timer step (exposed for tests): the mouse at point (client coordinates).
    void Step(CPoint point);

private:
    CGEGridCore* m_pGrid;
};
