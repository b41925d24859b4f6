// What the time-log document asks of the invoice view (the grid of invoices the main window keeps). The
// view implements it and registers itself while it exists (SetInvoiceView); without one the document
// skips what needs the view (deleting or opening the selected invoices).
#pragma once

#include "framework/core/AfxDefs.h"

class CInvoice;

class IInvoiceView {
public:
    virtual ~IInvoiceView() = default;
    // The first selected invoice, or nullptr.
    virtual CInvoice* GetSelectedInvoice() = 0;
    // The invoice shown in a grid row (rows count from 1), or nullptr for a row without one.
    virtual CInvoice* GetInvoiceAtRow(DWORD row) = 0;
};

// The registered view, or nullptr.
IInvoiceView* GetInvoiceView();
void SetInvoiceView(IInvoiceView* pView);
