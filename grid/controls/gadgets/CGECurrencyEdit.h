// CGECurrencyEdit: the grid cell of amounts of money (control id 52545 "Currency control"). The cell
// stores its amount as C-locale text with the configured fraction digits ("-1234.50"); what the user sees
// is that amount under a currency format built from the user's locale and the cell's "Currency: ..."
// attributes. The control is itself the currency edit shown over the current cell; a hidden one formats
// and reads the other cells.
//
// The definition is split by concern:
//   CGECurrencyEdit.cpp       construction, attributes, formats, values and storing
//   CGECurrencyEditDraw.cpp   drawing the active and the other cells, hiding the editor
//   CGECurrencyEditKeys.cpp   keys, characters, mouse and the editor's messages
//   CGECurrencyEditFind.cpp   find and replace
#pragma once

#include "framework/win/CFont.h"
#include "grid/controls/CGEStatic.h"
#include "grid/controls/gadgets/CGEBCurrencyEdit.h"
#include "grid/controls/gadgets/CGECaptiveCurEdit.h"

class CGEStylesMap;

class CGECurrencyEdit : public CGEBCurrencyEdit, public CGEStatic {
    DECLARE_DYNAMIC(CGECurrencyEdit)

public:
    static const CGEControlClass controlClass; // "CGECurrencyEdit"

    // nID: the editor window's id; the hidden one takes nID + 4.
    CGECurrencyEdit(CGEGridCore* pGrid, UINT nID);
    ~CGECurrencyEdit() override;

    // Registers the currency attributes with the styles that edit them.
    static void AddUserAttributes(CGEStylesMap& stylesMap);

    // A format from the user's locale with the style's attributes, handed to the target (this editor
    // when null); the target's overflow and fill-before-grouping flags are kept.
    void ApplyStyle(CGEBCurrencyEdit* pTarget, const CGEStyle& style);
    // Registers the window class and makes the editor and the hidden formatter as children of the grid.
    BOOL CreateWindows(DWORD dwStyle);
    // Reads a stored value (a C-locale amount, or text as the format writes it) under a format.
    static BOOL ParseStoredValue(CGEBCurrencyFormat& format, LPCSTR pszValue, double& dAbsolute,
                                 BOOL& bNegative);
    // The stored form of an amount: signed, C locale, the format's fraction digits.
    static CString StorageText(const CGEBCurrencyFormat& format, double dAbsolute, BOOL bNegative);
    // The button the fourth character of "Currency: Attributes" asks for.
    static BOOL WantsCalculatorButton(const CGEStyle& style);

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    CWnd* GetWndPtr() const override { return const_cast<CGECurrencyEdit*>(this); }
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() const override { return m_bModified; }
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    BOOL Store() override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    BOOL GetValue(CString& strResult) override;
    void SetValue(LPCSTR pszValue) override;
    BOOL GetCurrentText(CString& strResult) override;
    void SetCurrentText(const CString& str) override;
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    BOOL GetDisplayValue(ROWCOL nRow, ROWCOL nCol, UINT nFlags, const CGEStyle& style, CString& str) override;
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                    UINT nFlags) override;
    // Searches the editor's text (a leading currency symbol of the find text skipped) or a cell's shown
    // amount; a match in another cell makes it current and selects the match in the editor.
    BOOL FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                  BOOL bSetSel) override;
    // Replaces in the shown amount; a result that reads as an amount is stored in the stored form.
    BOOL ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    void ReplaceSel(LPCSTR pszText) override;
    BOOL GetSelectedText(CString& strResult) override;
    void Hide() override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridChar(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString&, UINT, UINT) override { return TRUE; }
    BOOL OnGridSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) override { return FALSE; }
    // The editor's EN_CHANGE while active marks the cell modified.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    CGECaptiveCurEdit& GetFormatter() { return m_hidden; }
    BOOL HasWindow() const { return CGEBCurrencyEdit::GetSafeHwnd() != nullptr; }

protected:
    BOOL IsShiftDown() const override;
    BOOL IsCtrlDown() const override;

    afx_msg LRESULT OnEditorSetText(WPARAM, LPARAM);
    afx_msg LRESULT OnCalculatorResult(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorGetDlgCode(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorKeyDown(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorChar(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorKeyUp(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorSysChar(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorSysKeyUp(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorSysKeyDown(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorKillFocus(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorShowWindow(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorContextMenu(WPARAM, LPARAM);
    afx_msg LRESULT OnEditorLButtonDown(WPARAM, LPARAM);
    DECLARE_MESSAGE_MAP()

    // A stored value of a cell read under the cell's format (the hidden editor takes the style).
    BOOL ReadCellAmount(const CGEStyle& style, LPCSTR pszValue, CGEBCurrencyFormat& format, double& dAbsolute,
                        BOOL& bNegative);
    // The shown text of a cell under its style (composed when none is given); the hidden editor takes it.
    CString ShownTextOf(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle);
    // The cell's read-only state (not the editor window's).
    BOOL IsCellReadOnly();
    // Hands a message of the editor to the grid's key processing; TRUE when the grid took it.
    BOOL KeyToGrid(UINT message, WPARAM wParam, LPARAM lParam);
    // Opens the editor over the bound cell (scrolled into view and redrawn).
    void ActivateEditor();
    // Flips the sign of the amount shown in the editor; FALSE when its text does not read as one.
    BOOL FlipShownSign();
    void MoveFocusLocked(CWnd* pWnd);
    // The character index under a point of the grid window within the cell's text; -1 when none.
    int CellCharFromPoint(CPoint point);
    // Places the caret from a click and activates as the grid's options say.
    BOOL ActivateFromClick(CPoint point, BOOL bDoubleClick);

    UINT m_nWindowId;
    BOOL m_bActive = FALSE;
    CFont m_font;
    BOOL m_bUpdating = FALSE;
    BOOL m_bModified = FALSE;
    CGECaptiveCurEdit m_hidden;
};
