// CGEControl: a cell control as the grid engine sees it. A grid keeps one control object per control id
// (GetRegisteredControl) and binds it to whichever cell it draws, measures or edits: drawing and measuring
// pass row, column and style explicitly and never change the binding; Init binds the control to the
// current cell, Reset unbinds it.
//
// The base holds the binding (grid, row, column, a cached copy of the cell's composed style), the child
// objects that live inside a cell (buttons, arrows) with the one that has the mouse, and defaults for
// every operation the grid calls: most do nothing, answer "no" or ask the grid's hook of the same name, so
// that an application grid can decide there. The cell controls (grid/controls) override what they need.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CPtrList.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "grid/controls/GEKeyDispatch.h"
#include "grid/core/GECoreDefs.h"

#include <memory>

class CDC;
class CFont;
class CWnd;
class CGEChild;
class CGECellTipBase;
class CGEFindReplaceState;
class CGEGridCore;
class CGESortInfo;
class CGEStyle;
class CGEStylesMap;
struct CRuntimeClass;

// The record every control class keeps of itself: its name and its base class's record. The records of
// all classes form a tree that IsKindOfControlClass walks.
struct CGEControlClass {
    const char* m_pszClassName;
    const CGEControlClass* m_pBaseClass;
};

class CGEControl {
public:
    static const CGEControlClass controlClass; // "CGEControl"

    explicit CGEControl(CGEGridCore* pGrid);
    // Deletes the cached style, the children and the cell-tip object.
    virtual ~CGEControl();
    CGEControl(const CGEControl&) = delete;
    CGEControl& operator=(const CGEControl&) = delete;

    // ---- class records ----
    // The control's own record; a class without one answers its base's.
    virtual const CGEControlClass* GetControlClass() const { return &controlClass; }
    // TRUE when the control's class is pClass or derives from it.
    BOOL IsKindOfControlClass(const CGEControlClass* pClass) const;
    // TRUE when the control has a window part of that framework class.
    BOOL ObjectIsKindOf(CRuntimeClass* pClass) const;

    // ---- binding ----
    CGEGridCore* GetGridCore() const { return m_pGrid; }
    CWnd* GetGridWindow() const;
    BOOL IsBoundToCell() const { return m_bBound; }
    BOOL IsBoundToCellAt(ROWCOL nRow, ROWCOL nCol) const {
        return m_bBound && m_nRow == nRow && m_nCol == nCol;
    }
    ROWCOL GetBoundRow() const { return m_nRow; }
    ROWCOL GetBoundCol() const { return m_nCol; }
    // The bound cell's composed style, cloned on first use and kept until the binding changes.
    const CGEStyle& GetCellStyle();
    // Drops the cached style; with bNotify the grid also drops its cached style of the current cell.
    void ResetStyleCache(BOOL bNotify);

    // Binds to a cell: not active, not modified, style cache dropped, children laid out, the grid's init
    // hook told; with the grid's activate-on-init option and the grid's consent the control becomes active.
    virtual void Init(ROWCOL nRow, ROWCOL nCol);
    // Unbinds: floating text of the cell is evaluated again when it was being edited; hidden, not
    // modified, not active, style cache dropped (row and column keep their last values).
    virtual void Reset();

    // ---- window part (window-based controls) ----
    virtual CRuntimeClass* GetWndRuntimeClass() const { return nullptr; }
    virtual CWnd* GetWndPtr() const { return nullptr; }

    // ---- editing state ----
    virtual void SetActive(BOOL) {}
    virtual BOOL IsActive() const { return FALSE; }
    virtual void SetModify(BOOL) {}
    virtual BOOL GetModify() const { return FALSE; }
    // TRUE when the edit of the bound cell can be undone (the grid's Undo asks it first), and undoes it.
    virtual BOOL CanUndo() const { return FALSE; }
    virtual BOOL Undo() { return FALSE; }
    // Writes the edited value back to the cell; FALSE when nothing was stored.
    virtual BOOL Store() { return FALSE; }
    // TRUE when the grid locks read-only cells and the grid, or the bound cell's style, is read-only.
    virtual BOOL IsReadOnly();

    // ---- editing protocol (each asks the grid's hook of the same name for the bound cell) ----
    // The validation range of the cell (its user attributes) for an active, modified control, then
    // ValidateString and the grid's hook; a refusal leaves the warning text with the grid.
    virtual BOOL OnValidate();
    virtual BOOL OnStartEditing();
    virtual void OnModifyCell();
    virtual BOOL OnEndEditing();
    virtual void OnCanceledEditing();
    virtual BOOL OnCancelEditing();
    virtual BOOL OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol);
    virtual BOOL OnDeleteCell();

    // ---- measuring and drawing (row, column and style given; the binding is not changed) ----
    // The text rectangle inside the cell (pRectCell null: the cell's rectangle; pStyle null: composed).
    virtual CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle);
    // A text size with the grid's border allowance added.
    virtual CSize AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style);
    // The size the content needs; (0, 0) in the base.
    virtual void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                          const CGEStyle* pStandardStyle, BOOL bVert);
    virtual BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood);
    virtual BOOL CanMergeCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, int nDirection);
    virtual BOOL HasText(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFlag);
    // Draws the cell: the base lays out the children in the text rectangle and lets each draw itself.
    virtual void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      const CGEStyle* pStandardStyle);
    virtual void DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGEStyle& style);
    // Paints the interior when asked (bErase) or when the grid paints backgrounds; then the 3-D frame.
    virtual BOOL DrawCellBackground(CDC* pDC, const CRect& rect, const CGEStyle& style, BOOL bErase);
    virtual BOOL Draw3dFrame(CDC* pDC, const CRect& rect, const CGEStyle& style);
    // Hides the control's window or editing state; empty in the base.
    virtual void Hide() {}
    // The bound cell's row or column changed its size while the control was active (nothing here).
    virtual void OnCellSizeChanged() {}
    // Redraws the bound cell (floating text evaluated again when it was being edited).
    virtual void Refresh();
    // Whether a header cell is drawn marked (the grid's header-marking feature; FALSE without it).
    virtual BOOL IsHeaderMarked(ROWCOL nRow, ROWCOL nCol, UINT nFlags);

    // ---- values ----
    virtual BOOL GetValue(CString& strResult);
    virtual void SetValue(LPCSTR pszValue);
    virtual BOOL GetCurrentText(CString& strResult);
    virtual void SetCurrentText(const CString& str);
    // The display text of a value (pszValue null: the style's value); FALSE when there is none.
    virtual BOOL GetControlText(CString& strResult, ROWCOL nRow, ROWCOL nCol, LPCSTR pszValue,
                                const CGEStyle& style);
    // Stores a text entered for the cell as its value (converted, length-limited, read-only refused).
    virtual BOOL SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                                const CGEStyle* pOldStyle);
    virtual BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol, const CGEStyle* pOldStyle);
    // Applies a style to the one cell; re-binds in place when the cell is current.
    virtual BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType, UINT nFlags);
    // The text being edited becomes the style's value when the control is bound to the cell; FALSE.
    virtual BOOL CopyCurrentTextToStyle(ROWCOL nRow, ROWCOL nCol, CGEStyle& style);
    BOOL LoadCurrentText(ROWCOL nRow, ROWCOL nCol, CGEStyle& style) {
        return CopyCurrentTextToStyle(nRow, nCol, style);
    }
    virtual BOOL GetDisplayValue(ROWCOL nRow, ROWCOL nCol, UINT nFlags, const CGEStyle& style, CString& str);
    // Item nIndex of a choice list (one item per line); empty and FALSE when there is none.
    virtual BOOL GetChoiceListItem(CString& strResult, LPCSTR pszChoiceList, int nIndex);
    // The index of the item equal to the text (case-insensitive); not exact: else of the first item that
    // starts with it. -1 (and empty) when none, and always for an empty text.
    virtual int FindStringInChoiceList(CString& strResult, LPCSTR pszText, LPCSTR pszChoiceList, BOOL bExact);
    // Typed or pasted text checks (TRUE in the base); refused typing is reported to OnInvalidKeyPressed.
    virtual BOOL ValidateString(const CString& str);
    virtual BOOL ValidatePaste(const CString& str);
    virtual void OnInvalidKeyPressed(LPCSTR) {}
    // The text a sort compares for the cell: the style's value text in the base.
    virtual BOOL GetSortKey(ROWCOL nRow, ROWCOL nCol, const CGESortInfo& sortInfo, const CGEStyle& style,
                            CString& strKey);

    // ---- mouse (the grid routes the events of the current cell here; children get them first) ----
    virtual BOOL OnMouseMove(UINT nFlags, CPoint point);
    virtual BOOL MouseMoveOver(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point);
    virtual BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState);
    virtual BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState);
    virtual BOOL LButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL MButtonDown(UINT nFlags, CPoint point, UINT nHitState);
    virtual BOOL MButtonUp(UINT nFlags, CPoint point, UINT nHitState);
    virtual BOOL MButtonDblClk(UINT nFlags, CPoint point);
    virtual BOOL RButtonDown(UINT nFlags, CPoint point, UINT nHitState);
    virtual BOOL RButtonUp(UINT nFlags, CPoint point, UINT nHitState);
    virtual BOOL RButtonDblClk(UINT nFlags, CPoint point);
    // A click on the current cell without a drag: window-based controls activate here; FALSE in the base.
    virtual BOOL OnClickedCell(UINT nFlags, CPoint point);
    // TRUE when a click into a block of covered cells addresses the block's top-left cell.
    virtual BOOL HandlesCoveredCells() { return FALSE; }
    // WM_MOUSEACTIVATE of the grid window; TRUE when the control set *pResult.
    virtual BOOL OnGridMouseActivate(CWnd*, UINT, UINT, LRESULT*) { return FALSE; }
    virtual BOOL OnGridPreTranslateMessage(MSG*) { return FALSE; }

    // ---- keys and window messages of the grid window ----
    // The active child first; then keys and characters to the handlers below (double-byte characters
    // collected from their lead and trail bytes).
    virtual BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnGridKeyDown(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridKeyUp(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridDoubleByteChar(const CString&, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridDeadChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysKeyDown(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysKeyUp(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysChar(UINT, UINT, UINT) { return FALSE; }
    virtual BOOL OnGridSysDeadChar(UINT, UINT, UINT) { return FALSE; }
    // A WM_COMMAND of the control's own window; FALSE in the base.
    virtual BOOL OnCommand(WPARAM, LPARAM) { return FALSE; }
    // A WM_HSCROLL or WM_VSCROLL is about to scroll the grid: an edit of a cell that spans the frozen
    // boundary is stored and ended first.
    virtual void OnGridScroll(const MSG* pMsg);
    virtual HBRUSH OnGridCtlColor(CDC*, CWnd*, UINT) { return nullptr; }
    virtual void OnGridWinIniChange(LPCSTR pszSection);
    virtual void OnGridSysColorChange();
    virtual void OnGridCancelMode();

    // ---- clipboard (CF_TEXT) ----
    virtual BOOL Copy();
    virtual BOOL Paste();
    virtual BOOL Cut();
    virtual BOOL CanCopy();
    virtual BOOL CanCut();
    virtual BOOL CanPaste();

    // ---- find and replace (the grid's find-and-replace feature for the cell by default) ----
    virtual BOOL FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                          BOOL bSetSel);
    virtual BOOL ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol);
    // Replaces the selected text; the base stores the text as the bound cell's value.
    virtual void ReplaceSel(LPCSTR pszText);
    // The selected part of the text being edited: the whole value in the base (FALSE: no selection).
    virtual BOOL GetSelectedText(CString& strResult);

    // ---- children ----
    // A completed click of a child (or of the whole cell): the grid's child-button hook for the cell.
    virtual void OnChildButtonClicked(CGEChild* pChild);
    // Takes ownership of the child.
    virtual void AppendChild(CGEChild* pChild);
    virtual CGEChild* GetChild(int nIndex) const;
    virtual int GetChildCount() const;
    virtual CGEChild* GetActiveChild() const { return m_pActiveChild; }
    virtual void SetActiveChild(CGEChild* pChild) { m_pActiveChild = pChild; }
    // Places the children inside the text rectangle of the cell; empty in the base.
    virtual void LayoutChildren(ROWCOL, ROWCOL, const CRect&) {}

    // ---- cell tips (none until AttachCellTip) ----
    virtual BOOL CellTipNeedShow(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
    virtual DWORD CellTipGetDelay(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
    virtual BOOL CellTipShow(const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
    // Gives the control a static-text cell tip when it has none.
    void AttachCellTip();
    CGECellTipBase* GetCellTip() const { return m_pCellTip.get(); }

    // ---- helpers for the controls ----
    // Selects the style's font (at the grid's zoom) into the DC; the former font, or null.
    CFont* SelectStyleFont(CDC* pDC, const CGEStyle& style, const CGEStyle* pStandardStyle);
    // The control's window lost the focus to pNewWnd: the grid window hears it as its own loss of focus,
    // unless the focus goes to the grid window itself, to no window, or the grid's focus lock is raised.
    void NotifyGridKillFocus(CWnd* pNewWnd);
    // Adds a rectangle to the grid's list of rectangles to refresh.
    void AddRefreshRect(const CRect& rect);
    // Registers the validation user attributes (range and warning text) with a styles map.
    static void AddUserAttributes(CGEStylesMap& stylesMap);
    // TRUE when the grid's range-clipboard option is on and the grid's own format is on the clipboard:
    // text is then not pasted into the cell.
    BOOL IsGridClipboardPreferred() const;
    // The text of a clipboard format while the clipboard is open; FALSE when the format is absent.
    static BOOL ReadClipboardText(UINT nFormat, CString& strText);

protected:
    // The children laid out for the cell before the mouse reaches them.
    void LayoutForMouse(ROWCOL nRow, ROWCOL nCol);
    using GridMouseHook = BOOL (CGEGridCore::*)(ROWCOL, ROWCOL, UINT, CPoint);
    // A button pressed: the first child under the point becomes the active child and gets the press.
    BOOL PressChild(BOOL (CGEChild::*pfnPress)(UINT, CPoint), UINT nFlags, CPoint point);
    // A button released: the active child gets it, then the grid's hook when the point is on the text.
    BOOL ReleaseChild(BOOL (CGEChild::*pfnRelease)(UINT, CPoint), GridMouseHook pfnHook, UINT nFlags,
                      CPoint point);
    // A double click: the children under the point until one handles it, then the grid's hook.
    BOOL DoubleClickChild(BOOL (CGEChild::*pfnDblClk)(UINT, CPoint), GridMouseHook pfnHook, UINT nFlags,
                          CPoint point);

    CGEGridCore* m_pGrid;
    ROWCOL m_nRow = GE_INVALID;
    ROWCOL m_nCol = GE_INVALID;
    CGEStyle* m_pStyle = nullptr; // cached clone of the bound cell's composed style
    BOOL m_bBound = FALSE;
    std::unique_ptr<CPtrList> m_pChildren; // CGEChild*, owned
    CGEChild* m_pActiveChild = nullptr;
    GELeadByteState m_leadByte; // double-byte collector of OnGridWindowMessage (shared with the children)
    std::unique_ptr<CGECellTipBase> m_pCellTip;

    friend class CGEChild; // the children's keyboard dispatch shares the lead-byte state
};
