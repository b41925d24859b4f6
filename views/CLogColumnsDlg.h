// CLogColumnsDlg: Show Columns for a view whose columns a CGridColumnList manages (project tasks,
// expenses, invoices). The available list holds the master columns the user may choose that the list
// does not show, the shown list the list's columns in order. The dialog works on a copy of the list;
// "Close" writes it back, Escape leaves the list as it was.
#pragma once

#include "framework/core/CObArray.h"
#include "views/CGridColumnList.h"
#include "views/CShowColumnsDlg.h"

class CLogColumnsDlg : public CShowColumnsDlg {
public:
    // master: every column the view offers (CGridColumn objects, owned by the view).
    CLogColumnsDlg(CGridColumnList& list, const CObArray& master, CWnd* pParentWnd = nullptr);

    // The list as the dialog has it now.
    const CGridColumnList& GetWorkingList() const { return m_work; }

protected:
    void OnOK() override;
    void FillLists() override;
    CGridColumn* AddColumn(CGridColumn* pColumn) override;
    CGridColumn* RemoveColumn(CGridColumn* pColumn) override;
    void MoveColumn(CGridColumn* pColumn, bool up) override;

private:
    CGridColumnList& m_list;
    CGridColumnList m_work;
    CObArray m_master;
};
