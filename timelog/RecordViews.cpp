// The registrations of the expense and invoice views with the time-log document.
#include "timelog/IExpenseView.h"
#include "timelog/IInvoiceView.h"

namespace {
IExpenseView* g_pExpenseView = nullptr;
IInvoiceView* g_pInvoiceView = nullptr;
} // namespace

IExpenseView* GetExpenseView() {
    return g_pExpenseView;
}
void SetExpenseView(IExpenseView* pView) {
    g_pExpenseView = pView;
}
IInvoiceView* GetInvoiceView() {
    return g_pInvoiceView;
}
void SetInvoiceView(IInvoiceView* pView) {
    g_pInvoiceView = pView;
}
