// CGEGridView: a grid as a view of a document.
#pragma once

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridViewT.h"

class CGEGridView : public CGEGridViewT<CGEGridCore> {
    DECLARE_DYNCREATE(CGEGridView)
public:
    CGEGridView() = default;
};
