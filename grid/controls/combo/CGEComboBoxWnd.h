// CGEComboBoxWnd: the combo cell control that hosts one real Windows combo box (window class
// "GECOMBOBOX", a child of the grid window) for its whole life: control ids 52528 "MFC ComboBox" (with an
// edit field) and 52529 "MFC DropDownList". Cells that are not edited are painted by the control itself;
// when the current cell becomes active the window is moved over the cell, given the cell's font, colours
// and value, shown and focused, and hidden again when the cell is left. The list is filled from the
// style's choice list; the cell stores either the text or the selection index plus a base.
//
// The definition is split by concern:
//   CGEComboBoxWnd.cpp        construction, state, values, storing, find and replace
//   CGEComboBoxWndDraw.cpp    sizes, the button's place, drawing inactive and active cells
//   CGEComboBoxWndKeys.cpp    mouse, keys and the window's notifications
#pragma once

#include "framework/win/CComboBox.h"
#include "framework/win/CFont.h"
#include "grid/controls/CGEStatic.h"
#include "grid/controls/combo/CGEComboEditPart.h"

class CGEComboBoxWndButton;

class CGEComboBoxWnd : public CComboBox, public CGEStatic {
    DECLARE_DYNAMIC(CGEComboBoxWnd)
public:
    static const CGEControlClass controlClass; // "CGEComboBoxWnd"

    explicit CGEComboBoxWnd(CGEGridCore* pGrid);
    ~CGEComboBoxWnd() override;

    // Makes the cell button and the (hidden) combo window with the given style and child id, and
    // subclasses its edit field when it has one.
    virtual BOOL CreateControlWindow(DWORD dwStyle, UINT nID);

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    CWnd* GetWndPtr() const override { return const_cast<CGEComboBoxWnd*>(this); }
    // Active only while the window exists; becoming active composes the cell's style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() const override { return m_bModified; }
    // Binds, fills the list from the choice list and puts the cell's value into the window.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // Writes the text (or the index) back when modified; a read-only cell gets its value back instead.
    BOOL Store() override;
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) override;
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCSTR pszValue) override;
    // The window text, or with an index base the selection index plus the base ("" when none).
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    // With an index value shown as its choice text: the entry's text; else the base rule.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSetSel) override;
    // The text before the selection, the new text, and the text after the selection (whenever some is
    // left after it).
    void ReplaceSel(LPCSTR pszText) override;
    BOOL ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    BOOL GetSelectedText(CString& strResult) override;
    void OnChildButtonClicked(CGEChild* pChild) override;
    // The window's notifications while active (selection and edit changes, focus, the list's drop and
    // close); also the window's own WM_COMMAND hook.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;
    // With an index value typed as text: only texts that name an entry.
    BOOL ValidateString(const CString& str) override;

    // ---- the window part ----
    // Where the window goes for a cell rectangle (unchanged here).
    virtual CRect CalcWindowRectFromCell(const CRect& rect);
    // The key filter of the window and its edit field; TRUE when the key was used up.
    virtual BOOL OnComboKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    // The window got the focus: a drop-down asked for meanwhile opens now.
    virtual void OnComboSetFocus();
    // The edit text, else the selected item's text (empty when none).
    void GetWindowSelText(CString& strResult) const;
    // The edit selection; kept by the control for windows without an edit field.
    void GetEditSel(int& nStart, int& nEnd) const;
    BOOL SetEditSel(int nStart, int nEnd);
    using CComboBox::GetEditSel;
    // Activates (when the grid agrees) and drops the list of a drop-down list.
    void ActivateAndDropDown();
    BOOL HasEditField() const { return (GetStyle() & 0x3) == CBS_DROPDOWN; }
    BOOL IsDropDownList() const { return (GetStyle() & 0x3) == CBS_DROPDOWNLIST; }
    BOOL HasWindow() const { return GetSafeHwnd() != nullptr; }
    CGEComboBoxWndButton* GetDropButton() const { return m_pDropButton; }
    // The subclassed edit field (its window is empty for a drop-down list).
    CGEComboEditPart& GetEditPart() { return m_pEditField != nullptr ? *m_pEditField : m_editPart; }
    // TRUE while the window's own key filter runs.
    BOOL IsFilteringKey() const { return m_bFilteringKey; }

    // ---- options ----
    int m_nFrameWidth;                 // the window's frame: 3 on newer systems, else 2
    BOOL m_bFillFromChoiceList = TRUE; // refill the list at every Init
    BOOL m_bKeepArrowKeys = FALSE;     // arrow and page keys stay in the window
    BOOL m_bFitHeightToFont = FALSE;   // edit field and button only as high as the font
    int m_nIndexBase = -1;             // -1: the value is the text; else selection index + base
    BOOL m_bShowChoiceText = FALSE;    // an index value shows (and is typed as) the entry's text
    BOOL m_bDropDownOnClick = TRUE;    // the button (or a click on a drop-down list) opens the list
    BOOL m_bShowButtonWhenInactive = FALSE;
    BOOL m_bInactiveTextFullWidth = TRUE; // other cells' text uses the button's width too
    BOOL m_bFitInsideCell = FALSE;        // FALSE: the window is taller than the cell by its frame
    BOOL m_bNotOwnerDrawn = TRUE;         // find and replace work only then
    BOOL m_bDrawInactiveFrame = TRUE;     // owner-drawn inactive cells get a thin frame

protected:
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    DECLARE_MESSAGE_MAP()

    // Window styles added to the one the factory gives (none here).
    virtual DWORD ExtraWindowStyle() const { return 0; }
    // Subclasses the combo's edit field with the control's edit object.
    virtual void SubclassEditField(HWND hEdit);
    // A cell that is not being edited: static text, or the owner-drawn item.
    virtual void DrawInactive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                              const CGEStyle* pStandardStyle);
    // The active current cell: the window placed over it, given the cell's font, shown and focused.
    virtual void DrawActive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                            const CGEStyle* pStandardStyle);
    // How far the window reaches below the cell for the open list.
    virtual int ListHeight(int nTextHeight, int nShownItems) const;
    // The window's rectangle before it is sized (nothing here).
    virtual void AdjustActiveRect(CRect&) {}
    // The window stands over the cell, before it is shown (nothing here).
    virtual void OnWindowPlaced() {}
    // Offers a key to the grid's key processing with this window as the sender.
    BOOL KeyToGrid(UINT nChar, UINT nRepCnt, UINT nFlags);
    // Moves the focus under the grid's focus-change lock.
    void MoveFocusLocked(CWnd* pWnd);
    // The font of the active window: the style's font at the grid's zoom, not rotated.
    void BuildWindowFont(const CGEStyle& style);
    // tmHeight of the style's font in a prepared client DC of the grid window.
    int MeasureFontHeight(const CGEStyle& style);
    // The rectangle of an edit field only as high as the font, placed by the vertical alignment.
    CRect FontHeightRect(const CRect& rect, const CGEStyle& style, int nHeight) const;
    // Posts a click to the window at a point of its client area (opens the list the way a user does).
    void PostClick(CPoint point);
    // The click point of the drop button inside the window: the button's place relative to the text.
    CPoint ButtonClickPoint();
    // The window text of the active cell (the edit text, or the selected item).
    CString ActiveText() const;
    // The saved text or selection put back (read-only cells).
    void RestoreSaved();
    // The display text of a cell that is not being edited (composed style when none given).
    CString DisplayTextOf(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle);

    CGEComboEditPart m_editPart;
    CGEComboEditPart* m_pEditField = nullptr;      // the object that subclasses the edit field
    CGEComboBoxWndButton* m_pDropButton = nullptr; // owned by the child list
    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
    CFont m_font;
    COLORREF m_clrBack = RGB(255, 255, 255);
    int m_nSavedSelStart = 0;
    int m_nSavedSelEnd = -1;
    BOOL m_bPendingDropDown = FALSE;
    int m_nFontHeight = 0;
    CString m_strSaved;
    int m_nSavedIndex = -1;
    BOOL m_bFilteringKey = FALSE; // the window's key filter runs; its edit field does not filter again
    CRect m_rectPlaced;       // where the window was last put (its own rectangle covers the edit part only)
    int m_nItemHeightSet = 0; // the height last given to the selection field
    DWORD m_dwCreateStyle = 0;
    UINT m_nCreateId = 0;
};
