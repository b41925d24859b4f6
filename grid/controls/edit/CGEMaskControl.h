// CGEMaskControl: the masked edit cell control (control id 52535 "Masked Edit"). It edits a cell in a real
// edit window, as the edit control does, but keeps the text under an input mask: literals stay in place
// and the caret jumps over them, each typed character is tested against its position, empty positions
// show a prompt character, and the cell stores the value without the literals. The mask and the prompt
// come from the user attributes "Maskedit: Input Mask" (51023) and "Maskedit: Prompt Char" (51024) of the
// cell's style; a style without a mask edits free text (up to the style's maximum length).
//
// The window handling (creation, drawing over the cell, focus, style re-creation) is the edit control's;
// everything that touches the text goes through CGEMaskData. As a cell control it is a kind of static
// control, not of the edit control.
//
// The definition is split by concern:
//   CGEMaskControl.cpp        construction, the mask, values, storing, clipboard, find and replace
//   CGEMaskControlKeys.cpp    keys, characters and the mouse
#pragma once

#include "grid/controls/edit/CGEEditControl.h"
#include "grid/controls/edit/CGEMaskData.h"

#include <memory>

class CGEStylesMap;

class CGEMaskControl : public CGEEditControl {
    DECLARE_DYNAMIC(CGEMaskControl)
public:
    static const CGEControlClass controlClass; // "CGEMaskControl"

    // pMaskDataClass: the run-time class of the mask data (CGEMaskData or a subclass); null gives
    // CGEMaskData. Two objects are made from it: the bound cell's state and a scratch one for other cells.
    CGEMaskControl(CGEGridCore* pGrid, UINT nID, CRuntimeClass* pMaskDataClass = nullptr);
    ~CGEMaskControl() override;

    // Registers the mask (edited in a wrapping, auto-sizing cell) and the prompt (one character).
    static void AddUserAttributes(CGEStylesMap& stylesMap);
    // The clipboard format of a masked value without its literals, "GE_MASKDATA".
    static UINT GetClipboardFormat();

    // ---- the cell-control part ----
    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRuntimeClass* GetWndRuntimeClass() const override { return GetRuntimeClass(); }
    // Floating is the static control's (the edit control's own rule does not apply).
    BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood) override;
    // FALSE while the edited text breaks the mask; otherwise the base validation.
    BOOL OnValidate() override;
    // Bound: the display text (literals and prompts included); unbound: empty and FALSE.
    BOOL GetValue(CString& strResult) override;
    // Activates and takes a display text (or, when it does not fit as such, a value) into the window.
    void SetValue(LPCSTR pszValue) override;
    // Bound: the value of all positions, trailing blanks dropped.
    BOOL GetCurrentText(CString& strResult) override;
    // Applies the cell's mask and loads a value (no literals) into the mask and the window.
    void SetCurrentText(const CString& str) override;
    // The display text of a value under a style's mask; an empty value shows as an empty text.
    BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                        const CGEStyle& style) override;
    // A text given with or without its literals becomes the value; FALSE when it does not fit the mask.
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    // End, Home and Delete start editing; typed characters start editing at the first editable position.
    BOOL OnGridKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    BOOL OnGridDoubleByteChar(const CString& strChar, UINT nRepCnt, UINT nFlags) override;
    // The selected value goes to the clipboard as "GE_MASKDATA" and the selected text as plain text.
    BOOL Copy() override;
    // "GE_MASKDATA" is pasted as a value, plain text as display text or else as a value.
    BOOL Paste() override;
    // TRUE while active with a masked value or plain text on the clipboard.
    BOOL CanPaste() override;
    // Puts a text in place of the selection, as display text or else as a value; an inactive cell takes
    // it as its new text (converted to a value).
    void ReplaceSel(LPCSTR pszText) override;
    // Replaces every occurrence in the cell's display text and stores the resulting value.
    BOOL ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) override;
    // EN_CHANGE of its own window while active marks the cell modified.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // ---- the window part ----
    // Reads the mask and the prompt of a style into a mask data object (the data itself is not touched).
    virtual void ApplyMaskStyle(CGEMaskData& data, const CGEStyle& style);
    // A single line that scrolls sideways, aligned as the style says unless the text does not fit or
    // left alignment is forced.
    DWORD CalcEditStyle(CRect* pRect, int* pLineHeight) override;

    CGEMaskData& GetMaskData() { return *m_pMaskData; }
    BOOL GetInsertMode() const { return m_bInsertMode; }
    void SetInsertMode(BOOL bInsert) { m_bInsertMode = bInsert; }
    void SetForceLeftAlign(BOOL bLeft) { m_bForceLeftAlign = bLeft; }

    // Puts a text in place of positions nStart..nEnd (exclusive) of a mask: the range is emptied, then the
    // text is tried as display text and, when that fails, as a value (only as a value with bValueOnly).
    // A failed attempt leaves the data as it was after emptying the range. Answers the position after the
    // placed text, -1 when there is no editable position in the range.
    static int ReplaceRange(CGEMaskData& data, int nStart, int nEnd, LPCSTR pszText, BOOL bInsert,
                            BOOL bValueOnly);
    // TRUE when a text placed as a value from the start of an empty mask is taken completely.
    static BOOL TakesWholeValue(CGEMaskData& data, LPCSTR pszValue);

protected:
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    // The selection as positions, and setting the caret or selection from positions.
    void GetSelPos(int& nStart, int& nEnd);
    void SetSelPos(int nStart, int nEnd, BOOL bNoScroll = FALSE);
    // The window shows the mask's display text and is marked modified.
    void RefreshText();
    // The parent window hears EN_CHANGE from the edit window.
    void NotifyChange();
    // A click's character index turned into a caret position within the entered text; -1 for none.
    int CaretFromIndex(int nIndex);
    // A click at a point of the grid window: activates as the grid's options say and places the caret;
    // TRUE when the control is active afterwards.
    BOOL ActivateAtPoint(CPoint point);
    // A typed character at the selection; TRUE when the text changed.
    BOOL TypeChar(const CString& strChar);
    // Handles the keys the mask moves over; FALSE for the edit window's default handling.
    BOOL MoveKey(UINT nChar, BOOL bShift);
    BOOL DeleteKey(UINT nChar, BOOL bShift);
    // The cell is read-only by its style (the grid's lock option aside).
    BOOL IsReadOnlyByStyle();

    BOOL m_bShowMaskWhenEmpty = FALSE;
    BOOL m_bForceLeftAlign = FALSE;
    std::unique_ptr<CGEMaskData> m_pMaskData;
    std::unique_ptr<CGEMaskData> m_pScratchData;
    BOOL m_bInsertMode = TRUE;
    BOOL m_bPastingValue = FALSE;
};
