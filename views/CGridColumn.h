// CGridColumn: one column a grid view of the program may show: its title, the id its view knows it by,
// the control of its cells, its size (a width value for the time log view, a weight for the views
// that share the grid width out by weights), whether it is shown and whether the user may choose it.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CGridColumn : public CObject {
public:
    // A column of the time log view: the title is loaded from titleId; width 10, weight 0.1, visible,
    // static text cells.
    CGridColumn(int columnId, UINT titleId);
    // A column of a list-managed view: its id is the title's string id.
    CGridColumn(UINT titleId, int controlType, double weight, BOOL firstFlag, BOOL mayBeChosen);

    bool IsCheckBox() const;

    CString m_Title;
    int m_ColumnId = 0;
    int m_ControlType = 0;
    int m_Width = 10;       // the time log view's width value: hundredths of the data width
    double m_Weight = 0.1;  // share of the grid width, 0..1
    BOOL m_bVisible = TRUE; // shown
    int m_PixelWidth = 100; // worked out by the last fit
    BYTE m_bFirstFlag = 0;  // a flag of the owning view
    BYTE m_bMayBeChosen = 1;
};
