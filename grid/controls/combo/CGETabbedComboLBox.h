// CGETabbedComboLBox: the owner-drawn list of a tabbed combo box: each item is drawn as its row's columns
// with separators, in the owner's colours (highlighted when selected), as high as the owner's rows or
// the tallest picture among the columns it shows.
#pragma once

#include "grid/controls/combo/CGEComboListBox.h"

class CGETabbedComboBox;

class CGETabbedComboLBox : public CGEComboListBox {
public:
    explicit CGETabbedComboLBox(CGETabbedComboBox* pOwner);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;
    // Items keep the order they are added in.
    int CompareItem(LPCOMPAREITEMSTRUCT) override { return -1; }

private:
    CGETabbedComboBox* m_pCombo;
};
