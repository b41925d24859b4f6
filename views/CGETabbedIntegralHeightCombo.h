// CGETabbedIntegralHeightCombo: the engine's tabbed combo box cell ("Tabbed ComboBox") whose drop-down
// list is always 700 pixels tall, however many choices it holds.
#pragma once

#include "grid/controls/combo/CGETabbedComboBox.h"

class CGETabbedIntegralHeightCombo : public CGETabbedComboBox {
public:
    static constexpr int kDropHeight = 700;

    CGETabbedIntegralHeightCombo(CGEGridCore* pGrid, UINT nID, UINT nListID)
        : CGETabbedComboBox(pGrid, nID, nListID) {}

    int FitListHeight(CListBox*) override { return kDropHeight; }
};
