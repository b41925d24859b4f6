// CMainTreeView: the navigation tree, the left pane of the main window. It lists the views the main
// window can show; choosing one asks the main frame to switch to it (by the view's command, so the
// frame records the choice and keeps menus, tabs and tree in step).
#pragma once

#include "framework/win/CTreeCtrl.h"
#include "framework/win/CView.h"

#include <vector>

class CMainTreeView : public CView {
    DECLARE_DYNCREATE(CMainTreeView)
public:
    struct Entry {
        int number;       // the view's number ("Active View")
        const char* name; // its name in the tree
        UINT command;     // the frame's command that shows it
    };

    CMainTreeView() = default;

    // One item per entry, in the order given.
    void SetViews(const std::vector<Entry>& views);
    // Selects the item of that view without asking for a switch.
    void SelectView(int number);
    // The view of the selected item (0 for none).
    int GetSelectedView() const;
    CTreeCtrl& GetTree() { return m_tree; }

    void OnDraw(CDC* pDC) override;

protected:
    afx_msg int OnCreate(LPCREATESTRUCTA lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnSelChanged(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    static constexpr UINT kTreeId = 100;
    CTreeCtrl m_tree;
    std::vector<Entry> m_views;
    bool m_selecting = false; // the program selects an item: no switch is asked for
};
