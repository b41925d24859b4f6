// What the time-log document asks of the main window's timesheet and expense views beyond the frame's
// reloads: the main window implements it and registers it while those views exist
// (SetDocumentViews); without it those steps are skipped, as when the views are not open.
#pragma once

class CUser;

class IDocumentViews {
public:
    virtual ~IDocumentViews() = default;
    // Reloads the expense view.
    virtual void RefreshExpenseView() = 0;
    // The timesheet view's own filter: emptied, or set to one user or group.
    virtual void ClearTimesheetFilter() = 0;
    virtual void SetTimesheetUserFilter(CUser* pUser) = 0;
};

IDocumentViews* GetDocumentViews();
void SetDocumentViews(IDocumentViews* pViews);
