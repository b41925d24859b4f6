// CGECheckListComboBox: a combo cell whose drop-down list has a check box on every item. The cell always
// shows the first line of the choice list as its caption and is never edited as text; each further line
// is one check item, item i standing for bit 2^i of the value. The value is the mask as unsigned decimal
// text, the empty text for no checks. A mask holds 32 items: a longer list is refused (it does not open).
#pragma once

#include "grid/controls/combo/CGEComboBox.h"

class CGECheckListComboBox : public CGEComboBox {
    DECLARE_DYNAMIC(CGECheckListComboBox)
public:
    static const CGEControlClass controlClass; // "CGECheckListComboBox"
    // The items a mask can hold.
    static constexpr int maxItems = 32;

    CGECheckListComboBox(CGEGridCore* pGrid, UINT nID, UINT nListID);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    // The edit window never becomes active.
    void SetActive(BOOL) override {}
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // The caption: the first line of the choice list (empty without one); always TRUE.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    // Only Alt+Down reaches the combo; typed characters and other keys are the grid's.
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    BOOL ProcessChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    DWORD CalcEditStyle(CRect* pRect, int* pLineHeight) override;
    CListBox* MakeListWindow(CWnd* pPopup, UINT nID) override;
    // A choice list of more than maxItems items does not open.
    void ShowDropList(BOOL bShow) override;
    // Stores the mask of the checked items (the empty text for none) when it differs from the value.
    void TakeListChoice(CListBox* pList) override;
    void FillListWindow(CListBox* pList) override;

    // The mask a value text stands for: unsigned decimal digits; 0 for an empty text and for a text that
    // is not such a number (or does not fit 32 bits).
    static DWORD MaskOfValue(LPCSTR pszValue);
    // The number of check items of a choice list (its lines after the caption).
    static int CountItems(const CString& strChoices);
    // The number of check items put into the list at its last filling.
    int GetItemCount() const { return m_nItemCount; }

protected:
    // Both the choice and the cancel message store the checks and close the list.
    afx_msg LRESULT OnCheckListClosed(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCheckListSelChange(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCheckListFocusLost(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

private:
    int m_nItemCount = 0;
};
