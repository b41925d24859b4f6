// CGECaptiveDateTimeCtrl: a date-time editor without a window that a date-time cell uses only to format a
// value into field texts or to draw the fields of a cell that is not edited. Its owner places its gadgets,
// so it lays out nothing itself.
#pragma once

#include "grid/controls/datetime/CGEBDateTimeCtrl.h"

class CGECaptiveDateTimeCtrl : public CGEBDateTimeCtrl {
public:
    CGECaptiveDateTimeCtrl() { m_bWindowless = TRUE; }
    ~CGECaptiveDateTimeCtrl() override = default;
    void LayoutGadgets() override {}
};
