// CShowColumnsDlg: "Show Columns" (dialog 227), what both of its variants share: the list of available
// columns, the list of the columns shown in their order, the buttons that move a column between them
// and up and down, and the button states. Each item carries its column descriptor and image 6 of the
// program's 20-pixel image strip. The variants say what the lists hold and what the buttons do; both
// work on a copy of the columns and hand it over only when the dialog ends with its "Close" button.
#pragma once

#include "framework/win/AfxWin.h"
#include "framework/win/CImageList.h"
#include "framework/win/CListCtrl.h"

class CGridColumn;

class CShowColumnsDlg : public CDialog {
public:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

    CListCtrl& GetAvailableList() { return m_available; }
    CListCtrl& GetShownList() { return m_shown; }
    // The descriptor of the selected item of a list; nullptr when nothing is selected.
    static CGridColumn* GetSelectedColumn(const CListCtrl& list);

protected:
    explicit CShowColumnsDlg(CWnd* pParentWnd);

    // Fills both lists from the copy.
    virtual void FillLists() = 0;
    // The selected available column is shown, the selected shown one hidden, the selected shown one
    // moved a place up (or down); each returns the column to select afterwards (nullptr: none).
    virtual CGridColumn* AddColumn(CGridColumn* pColumn) = 0;
    virtual CGridColumn* RemoveColumn(CGridColumn* pColumn) = 0;
    virtual void MoveColumn(CGridColumn* pColumn, bool up) = 0;

    // Empties both lists; AddItem puts a descriptor at the end of one.
    void ClearLists();
    void AddItem(CListCtrl& list, CGridColumn* pColumn);
    // Refills, selects the column in the list (and gives it the focus), and sets the buttons.
    void Refill(CListCtrl& list, CGridColumn* pColumn);
    // Add needs an available selection, Remove a shown one, Move Up a shown one below the first item,
    // Move Down one above the last.
    void UpdateButtons();

    afx_msg void OnAdd();
    afx_msg void OnRemove();
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnSelectionChanged(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

    CListCtrl m_available;
    CListCtrl m_shown;
    CImageList m_images;
};
