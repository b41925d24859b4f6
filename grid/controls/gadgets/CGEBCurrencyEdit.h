// CGEBCurrencyEdit: a stand-alone window for an amount of money. It keeps the amount as a number and
// shows it through a currency format; the user changes it digit by digit (CGEBCurrencyEditModel keeps
// the text well formed and the caret on its digit), flips the sign with "-", jumps to the fraction with
// the decimal separator, and opens the pop-up calculator from the drop button, F2, F4 or Alt+Down. It draws
// its own text, caret and selection, keeps a one-step undo and offers the usual edit commands.
#pragma once

#include "grid/controls/gadgets/CGEBCurrencyEditModel.h"
#include "grid/controls/gadgets/CGEBDropEdit.h"

#include <memory>

class CMenu;

class CGEBCurrencyEdit : public CGEBDropEdit {
    DECLARE_DYNAMIC(CGEBCurrencyEdit)

public:
    using Format = CGEBCurrencyFormat;

    CGEBCurrencyEdit();
    ~CGEBCurrencyEdit() override;

    // Registers the window class "CGEBCurrencyEdit" once (a failure throws the resource exception).
    static void RegisterWindowClass();
    // Creates the window of class "CGEBCurrencyEdit".
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) override;

    void OnButtonClicked() override;
    // Opens the pop-up calculator under this window with the current amount; its result comes back as
    // GEB_CALC_RESULT. FALSE when it could not be made.
    virtual BOOL ShowCalculator();
    // Pasted text over a part of the number keeps only its digits; over the whole number it stays whole.
    virtual BOOL FilterPastedText(CString& strText);
    virtual CMenu* BuildContextMenu();
    virtual void DestroyContextMenu(CMenu* pMenu);
    virtual void Backspace();
    virtual void DeleteChar();
    virtual void InsertText(const char* pszDigits);
    virtual void FillBackground(CDC* pDC);
    // The state before a change: the text (NULL: the window text), the caret (-1: the current one) and the
    // selection.
    virtual void SaveUndoState(const char* pszText, int nCaret);
    virtual void ShowCaretAt(int nIndex);
    virtual void HideCaretAndSelection();
    virtual void DrawDecimalLine(CDC* pDC, int x);
    virtual void ToggleSign();
    virtual void ToggleOverwrite();

    void GetValue(double& dValue) const { dValue = m_model.GetSignedValue(); }
    void SetValue(double dValue, BOOL bRedraw = TRUE);
    void SetAmount(double dAbsolute, BOOL bNegative, BOOL bRedraw = TRUE);
    void SetFormat(const Format& format);
    void GetFormat(Format& format) const { format = m_model.GetFormat(); }
    void SetTextNoParse(const char* pszText);
    // 0 left, 1 centre, 2 right (the ES_ bits of the window style).
    int GetAlignment() const;
    void SetAlignment(int nAlignment);
    BOOL IsReadOnly() const;
    void SetReadOnly(BOOL bReadOnly);
    BOOL SetSel(int nStart, int nEnd);
    void SetCaret(int nIndex, BOOL bExtend);
    int CharFromPoint(POINT point);
    void GetTextRect(RECT& rect);
    void NotifyParent(WORD wCode);

    // The edit commands (also on the context menu and the keys).
    void Copy();
    void Cut();
    void Paste();
    void Clear();
    void Undo();
    BOOL CanUndo() const { return m_bCanUndo; }
    BOOL IsOverwrite() const { return m_model.m_bOverwrite; }
    const CGEBCurrencyEditModel& GetModel() const { return m_model; }
    BOOL m_bOverflowMode = FALSE;
    BOOL m_bFillBeforeGroup = FALSE;

protected:
    // The Shift key; a seam for tests, which hold their own modifier state.
    virtual BOOL IsShiftDown() const { return ::GetKeyState(VK_SHIFT) < 0; }
    virtual BOOL IsCtrlDown() const { return ::GetKeyState(VK_CONTROL) < 0; }

    afx_msg LRESULT OnPaintMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSetTextMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSetFontMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnGetFontMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSetFocusMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnKillFocusMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnGetDlgCodeMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnLButtonDownMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCurMouseMoveMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCurLButtonUpMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnLButtonDblClkMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnRButtonUpMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCurKeyDownMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCurSysKeyDownMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCharMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCutMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCopyMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnPasteMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnUndoMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnCanUndoMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnEmptyUndoBufferMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnGetSelMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSetSelMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSetReadOnlyMsg(WPARAM, LPARAM);
    afx_msg LRESULT OnSetMarginsMsg(WPARAM, LPARAM);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()

    // Runs one edit of the model; when the text changed: undo record, the new text into the window,
    // EN_UPDATE, a redraw and EN_CHANGE.
    template <class Edit> void RunEdit(Edit edit);
    void InvalidateText(BOOL bErase = FALSE);
    // Width of the first n characters of the window text in its font.
    int TextWidth(const CString& strText, int nChars);
    COLORREF TextColor() const;
    COLORREF BackgroundColor() const;
    void Paint(CDC* pDC);

    CGEBCurrencyEditModel m_model;
    BOOL m_bCanUndo = FALSE;
    BOOL m_bParseOnSetText = TRUE;
    BOOL m_bDrawEnabled = TRUE;
    BOOL m_bMouseSelecting = FALSE;
    CString m_strUndoText;
    int m_nUndoCaret = -1;
    int m_nUndoSelStart = -1;
    int m_nUndoSelEnd = 0;
    HFONT m_hFont = nullptr;
    int m_nRightMargin = 0;
    int m_nLeftMargin = 0;
};
