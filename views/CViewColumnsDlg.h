// CViewColumnsDlg: Show Columns for the time log view. The shown list holds the view's visible columns
// in their order, the available list its hidden columns the user may choose. The dialog works on a copy
// of the order and the visible flags; "Close" hands them to the view, Escape leaves the view as it was.
#pragma once

#include "views/CShowColumnsDlg.h"

#include <vector>

class CLogView;

class CViewColumnsDlg : public CShowColumnsDlg {
public:
    explicit CViewColumnsDlg(CLogView* pView, CWnd* pParentWnd = nullptr);

    // The columns in their order and their visible flags as the dialog has them now.
    const std::vector<CGridColumn*>& GetOrder() const { return m_order; }
    const std::vector<BOOL>& GetVisible() const { return m_visible; }

protected:
    void OnOK() override;
    void FillLists() override;
    CGridColumn* AddColumn(CGridColumn* pColumn) override;
    CGridColumn* RemoveColumn(CGridColumn* pColumn) override;
    void MoveColumn(CGridColumn* pColumn, bool up) override;

private:
    int PositionOf(const CGridColumn* pColumn) const;

    CLogView* m_pView;
    std::vector<CGridColumn*> m_order;
    std::vector<BOOL> m_visible;
};
