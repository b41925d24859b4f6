// CMainViewFrame: the view host, the right pane of the main window. A row of tabs names the views this
// version of the program has (Timesheet, Time Log, Project Tasks, Expenses, Billing); below them one
// view at a time fills the pane: the one "Active View" under "Prefs\" names. Each view is made the
// first time it is shown and kept afterwards; the view shown becomes the main frame's active view, so
// that commands reach it and its document. A view the program does not have is neither offered nor
// shown; the time log view, which the document template names, is always there (as a notice that it
// is unavailable when the template gives no view class).
#pragma once

#include "framework/win/CFrameWnd.h"
#include "framework/win/CTabCtrl.h"

#include <map>
#include <span>

class CDocument;
class CView;

// The numbers of the views under "Active View".
enum MainViewNumber {
    viewTimesheet = 2,
    viewTimeLog = 3,
    viewProjectTasks = 4,
    viewExpenses = 5,
    viewBilling = 6
};

class CMainViewFrame : public CFrameWnd {
    DECLARE_DYNCREATE(CMainViewFrame)
public:
    struct ViewInfo {
        int number;
        const char* name;
        UINT command;             // the main frame's command that shows it
        CRuntimeClass* viewClass; // nullptr: not in this version (the time log: the template's class)
    };
    // Every view the host knows, in tab order.
    static std::span<const ViewInfo> KnownViews();
    // The known view of that number, or nullptr.
    static const ViewInfo* FindView(int number);

    // The control id of the tab row.
    static constexpr UINT kTabsId = 100;

    CMainViewFrame() = default;

    // Creates the host as child nID of pParent. pContext: the document and the time log view class.
    BOOL CreateHost(CWnd* pParent, UINT nID, CCreateContext* pContext);

    bool IsViewAvailable(int number) const;
    // Shows the view "Active View" names, or the time log when that view is not available (the value
    // is then corrected). Makes it the main frame's active view.
    void ActivateView();
    // The view shown now (0 before the first ActivateView).
    int GetShownView() const { return m_shown; }
    // The view object of that number once it was made, else nullptr.
    CView* GetView(int number) const;
    // The view of that number, made (hidden) when it was not made yet; nullptr for a view the host does
    // not have.
    CView* EnsureView(int number);
    // Rebuilds the tabs (one per available view) and lays out the children.
    void RefreshViewTabs();
    CTabCtrl& GetTabs() { return m_tabs; }

    void RecalcLayout(BOOL bNotify = TRUE) override;

protected:
    afx_msg void OnSize(UINT nType, int cx, int cy);
    // A close of the pane is the main window's close (to the tray or the end of the program).
    afx_msg void OnClose();
    afx_msg void OnTabChange(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    CRuntimeClass* ViewClassOf(int number) const;
    CView* CreateHostedView(int number);
    void SelectTabOf(int number);

    CTabCtrl m_tabs;
    std::map<int, CView*> m_views; // the views made so far (they delete themselves with their windows)
    int m_shown = 0;
    CDocument* m_pDocument = nullptr;
    CRuntimeClass* m_pLogViewClass = nullptr;
};
