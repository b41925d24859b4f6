// CCheckListBox: an owner-drawn list box with a check box before each item. Each item has a check state
// and can be disabled; a click on an enabled item's box (or the space key on the caret item) changes
// its state and sends CLBN_CHKCHANGE to the parent as a WM_COMMAND notification.
//
// The list box must have LBS_HASSTRINGS and LBS_OWNERDRAWFIXED or LBS_OWNERDRAWVARIABLE (Create adds
// them). The item data of LB_GETITEMDATA/LB_SETITEMDATA stays the program's own: the check state is
// kept beside it.
#pragma once

#include "framework/win/CListBox.h"

#include <memory>
#include <unordered_map>

// Notification code: an item's check state was changed by the user.
#define CLBN_CHKCHANGE 40
#define ON_CLBN_CHKCHANGE(id, memberFxn) ON_CONTROL(CLBN_CHKCHANGE, id, memberFxn)

class CCheckListBox : public CListBox {
    DECLARE_DYNAMIC(CCheckListBox)
public:
    CCheckListBox() = default;
    ~CCheckListBox() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    // BS_CHECKBOX, BS_AUTOCHECKBOX (the default), BS_3STATE or BS_AUTO3STATE. With the non-automatic
    // styles a click only notifies the parent, which sets the state itself.
    void SetCheckStyle(UINT nStyle);
    UINT GetCheckStyle() const { return m_nStyle; }
    // 0 unchecked, 1 checked, 2 indeterminate (3-state styles).
    void SetCheck(int nIndex, int nCheck);
    int GetCheck(int nIndex);
    // A disabled item is drawn grey and its box does not respond to the user.
    void Enable(int nIndex, BOOL bEnabled = TRUE);
    BOOL IsEnabled(int nIndex);

    // Where the check box of an item goes: rectCheckBox is the default place inside rectItem.
    virtual CRect OnGetCheckPosition(CRect rectItem, CRect rectCheckBox);
    // Draws an item's text (the check box is already drawn; rcItem starts after it).
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    // The height an item needs for its text and box.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override;

    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // A list box of a dialog template was measured before this object saw it: make its items high
    // enough for the boxes.
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    struct ItemState {
        DWORD_PTR userData = 0;
        int check = 0;
        BOOL enabled = TRUE;
    };

    // The state kept for item nIndex (created on demand with bCreate), nullptr when it has none.
    ItemState* StateOf(int nIndex, bool bCreate);
    ItemState* StateOfRaw(DWORD_PTR raw) const;
    DWORD_PTR UserData(DWORD_PTR raw) const;
    void ForgetRaw(DWORD_PTR raw);
    int MinimumItemHeight();
    // The box of an item whose rectangle is item, and of item nIndex.
    CRect BoxRect(const CRect& item);
    CRect CheckRect(int nIndex);
    void ToggleFromUser(int nIndex);
    bool HitCheckBox(CPoint point);
    void InvalidateItem(int nIndex);
    void DrawCheckBox(const DRAWITEMSTRUCT& dis, const ItemState* state);

    UINT m_nStyle = BS_AUTOCHECKBOX;
    std::unordered_map<const ItemState*, std::unique_ptr<ItemState>> m_states;
};
