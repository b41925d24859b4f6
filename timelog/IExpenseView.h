// What the time-log document asks of the expense view (the grid of expenses the main window keeps). The
// view implements it and registers itself while it exists (SetExpenseView); without one the document
// skips what needs the view (storing a new expense, deleting or opening the selected expenses).
#pragma once

#include "framework/core/AfxDefs.h"

class CExpense;

class IExpenseView {
public:
    virtual ~IExpenseView() = default;
    // The first selected expense, or nullptr.
    virtual CExpense* GetSelectedExpense() = 0;
    // The expense shown in a grid row (rows count from 1), or nullptr for a row without one.
    virtual CExpense* GetExpenseAtRow(DWORD row) = 0;
};

// The registered view, or nullptr.
IExpenseView* GetExpenseView();
void SetExpenseView(IExpenseView* pView);
