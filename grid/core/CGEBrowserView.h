// CGEBrowserView: a record-browser grid as a view of a document; the base of the program's list views.
#pragma once

#include "grid/core/CGEBrowserGrid.h"
#include "grid/core/CGEGridViewT.h"

class CGEBrowserView : public CGEGridViewT<CGEBrowserGrid> {
    DECLARE_DYNCREATE(CGEBrowserView)
public:
    CGEBrowserView() = default;
};
