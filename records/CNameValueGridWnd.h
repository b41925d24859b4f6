// CNameValueGridWnd: a two-column property grid over a CNameValuePairs list: the field names in column 1,
// the values in column 2, each value cell with the cell control the field's type names. Fields whose name
// begins with "-" or "+" are group rows that the user collapses and expands (remembered under "Dialogs\"
// by the list's registry name). The grid does not own the list: it writes edited values into it and tells
// its parent through registered messages, and the parent saves the record.
//
// A host subclasses a dialog control, calls Initialize once and SetPairs with the record's list, handles
// "ACX_ModifyField" (field id, pointer to the text), "ACX_BtnPost" (field id) and "ACX_CollapseGroup", and
// changes fields from outside with SetValue and SetFieldState.
#pragma once

#include "grid/core/CGEGridWnd.h"

#include <functional>

class CDialog;
class CNameValuePairs;

class CNameValueGridWnd : public CGEGridWnd {
    DECLARE_DYNCREATE(CNameValueGridWnd)
public:
    CNameValueGridWnd();
    ~CNameValueGridWnd() override;

    // The grid's own set-up, its cell controls, two columns.
    void Initialize() override;
    // Shows the list (refilled under the redraw lock); nullptr detaches it and empties the grid.
    void SetPairs(CNameValuePairs* pPairs);
    CNameValuePairs* GetPairs() const { return m_pPairs; }
    // The field's value in the list and in its cell; nothing for an unknown field.
    void SetValue(int fieldId, const CString& text);
    // Greys a field that is disabled or read-only; hides its row (unless its group is collapsed anyway).
    void SetFieldState(int fieldId, bool enabled, bool hidden);
    // The field at index is a group row; the nearest group row at or above it is collapsed.
    BOOL IsGroupRow(int index) const;
    BOOL IsInCollapsedGroup(int index) const;
    // The heights of all rows below the header row.
    int GetContentHeight();
    // The value being edited in the current cell reaches the list and the parent now (hosts call it
    // before they read the list).
    void FlushEdits();

    // The width share of column 1 (0 reads as 0.25).
    double m_NameColumnShare = 0;

    // ---- the registered messages ----
    static UINT ModifyCellMessage();    // "ACX_ModifyCell"
    static UINT ModifyFieldMessage();   // "ACX_ModifyField"
    static UINT CollapseGroupMessage(); // "ACX_CollapseGroup"
    static UINT GetCollapsedMessage();  // "ACX_GetCollapsed"
    static UINT BtnPostMessage();       // "ACX_BtnPost"

    // ---- engine hooks ----
    int GetRowHeight(ROWCOL nRow) override;
    int GetColWidth(ROWCOL nCol) override;
    BOOL UsesOwnRowHeights() override { return TRUE; }
    BOOL UsesOwnColWidths() override { return TRUE; }
    void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
    BOOL OnCellClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) override;
    BOOL OnCellDblClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) override;
    BOOL HandleKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) override;

protected:
    afx_msg LRESULT OnModifyCellMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCollapseGroupMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetCollapsedMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnBtnPostMessage(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void Refill();
    // The style of the value cell of a field.
    void StyleField(int index);
    // Rows after the group row at index, up to the next group row.
    void ForEachGroupMember(int index, const std::function<void(int)>& action);

    CNameValuePairs* m_pPairs = nullptr;
    int m_nFitRequest = 1;
    int m_nFitServed = 0;
    CString m_EditText; // the text the last edit posted
};

// Sizes a dialog to its property grid: the grid's height becomes its content plus 10 pixels, the dialog
// grows or shrinks by the difference and the controls below the grid's top move with it.
void FitDialogToGrid(CWnd* pDialog, CNameValueGridWnd* pGrid);
