// A time sheet frame as the program builds one: a static splitter with a tree of projects and tasks on
// the left and the entries on the right, a tool bar docked at the top and a status bar with an
// indicator. Shared by the frame layout tests and the frame's screenshot; the tool bar click is the bar
// tests' too.
#pragma once

#include "FrameBarsTestsResource.h"
#include "framework/win/AfxWin.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CSplitterWnd.h"
#include "framework/win/CStatusBar.h"
#include "framework/win/CToolBar.h"
#include "framework/win/CTreeCtrl.h"
#include "framework/win/CView.h"

namespace fbtest {

// The left pane: a tree control made by the splitter like a view.
class EntryTree : public CTreeCtrl {
    DECLARE_DYNCREATE(EntryTree)
public:
    EntryTree() = default;
    // Three projects with their tasks; the first two projects expanded, one task selected.
    void FillSample();

protected:
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    void PostNcDestroy() override;
};

// The right pane: the week's entries. It handles adding and deleting entries.
class EntryView : public CView {
    DECLARE_DYNCREATE(EntryView)
public:
    void OnDraw(CDC* pDC) override;

    int added = 0;
    bool canDelete = false;

protected:
    afx_msg void OnAddEntry() { ++added; }
    afx_msg void OnDeleteEntry() {}
    afx_msg void OnUpdateDeleteEntry(CCmdUI* pCmdUI) { pCmdUI->Enable(canDelete); }
    DECLARE_MESSAGE_MAP()
};

class TimesheetFrame : public CFrameWnd {
public:
    CSplitterWnd splitter;
    CToolBar toolBar;
    CStatusBar statusBar;

    int timersStarted = 0;
    CString totalText = "Total 37:30";
    // Profile section of the bars' state: loaded while the frame is created, saved when it closes
    // (empty: neither).
    CString stateSection;

    // Tree column width the splitter starts with.
    static constexpr int kTreeWidth = 180;

    EntryTree* Tree() const { return dynamic_cast<EntryTree*>(splitter.GetPane(0, 0)); }
    EntryView* View() const { return dynamic_cast<EntryView*>(splitter.GetPane(0, 1)); }
    // Rectangle of a window in this frame's client coordinates.
    CRect RectOf(const CWnd& wnd) const;

protected:
    BOOL OnCreateClient(LPCREATESTRUCTA lpcs, CCreateContext* pContext) override;
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnClose();
    afx_msg void OnStartTimer() { ++timersStarted; }
    afx_msg void OnUpdateTotal(CCmdUI* pCmdUI) { pCmdUI->SetText(totalText); }
    DECLARE_MESSAGE_MAP()
};

// Clicks the button of command nID (with the mouse, in its middle) and lets the command arrive.
void ClickButton(CToolBar& bar, UINT nID);

// A shown time sheet frame of cx x cy at (x, y), from the IDR_FB_FRAME resources; nullptr on failure.
// stateSection: see TimesheetFrame::stateSection.
TimesheetFrame* NewTimesheetFrame(int x = 20, int y = 20, int cx = 720, int cy = 480,
                                  LPCSTR stateSection = nullptr);

} // namespace fbtest
