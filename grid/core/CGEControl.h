// CGEControl: a cell control as the grid engine sees it. A grid keeps one control object per control id
// (GetRegisteredControl) and binds it to whichever cell it draws, measures or edits: drawing and measuring
// pass row, column and style explicitly and never change the binding; Init binds the control to the
// current cell, Reset unbinds it.
//
// This header declares the operations the engine core and the feature objects call, with the base
// behaviour that needs nothing but the grid. The cell controls (grid/controls) derive from it and add
// their own parts (child buttons, clipboard, find and replace, cell tips) to this class.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CRect.h"
#include "framework/core/CSize.h"
#include "framework/core/CString.h"
#include "grid/core/GECoreDefs.h"

class CDC;
class CWnd;
class CGEGridCore;
class CGESortInfo;
class CGEStyle;
struct CRuntimeClass;

class CGEControl {
public:
    explicit CGEControl(CGEGridCore* pGrid);
    virtual ~CGEControl();
    CGEControl(const CGEControl&) = delete;
    CGEControl& operator=(const CGEControl&) = delete;

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

    // Binds to a cell: not active, not modified, style cache dropped, the grid's init hook told; with
    // the grid's activate-on-init option and the grid's consent the control becomes active.
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
    virtual BOOL IsReadOnly();

    // ---- editing protocol (each asks the grid's hook of the same name for the bound cell) ----
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
    // The size the content needs; (0, 0) in the base.
    virtual void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                          const CGEStyle* pStandardStyle, BOOL bVert);
    virtual BOOL CanFloatCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFloatOrFlood);
    virtual BOOL CanMergeCell(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, int nDirection);
    virtual BOOL HasText(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style, BOOL bFlag);
    // Draws the cell. The base draws nothing of its own (controls draw their face and children).
    virtual void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      const CGEStyle* pStandardStyle);
    virtual void DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGEStyle& style);
    // Paints the interior when asked (bErase) or when the grid paints backgrounds; then the 3-D frame.
    virtual BOOL DrawCellBackground(CDC* pDC, const CRect& rect, const CGEStyle& style, BOOL bErase);
    virtual BOOL Draw3dFrame(CDC* pDC, const CRect& rect, const CGEStyle& style);
    // Hides the control's window or editing state; empty in the base.
    virtual void Hide() {}
    // Redraws the bound cell (floating text evaluated again when it was being edited).
    virtual void Refresh();

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
    virtual BOOL GetDisplayValue(ROWCOL nRow, ROWCOL nCol, UINT nFlags, const CGEStyle& style, CString& str);
    // The text a sort compares for the cell: the style's value text in the base.
    virtual BOOL GetSortKey(ROWCOL nRow, ROWCOL nCol, const CGESortInfo& sortInfo, const CGEStyle& style,
                            CString& strKey);
    // The selected part of the text being edited: the whole value in the base (FALSE: no selection).
    virtual BOOL GetSelectedText(CString& strResult);
    // Replaces the selected text; the base stores the text as the bound cell's value.
    virtual void ReplaceSel(LPCSTR pszText);

    // ---- mouse (the grid routes the events of the current cell here) ----
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

    // ---- keys and window messages of the grid window ----
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
    // A WM_HSCROLL or WM_VSCROLL is about to scroll the grid: an edit of a cell that spans the frozen
    // boundary is stored and ended first.
    virtual void OnGridScroll(const MSG* pMsg);
    virtual HBRUSH OnGridCtlColor(CDC*, CWnd*, UINT) { return nullptr; }
    virtual void OnGridWinIniChange(LPCSTR) {}
    virtual void OnGridSysColorChange() {}
    virtual void OnGridCancelMode() {}

protected:
    CGEGridCore* m_pGrid;
    ROWCOL m_nRow = GE_INVALID;
    ROWCOL m_nCol = GE_INVALID;
    CGEStyle* m_pStyle = nullptr; // cached clone of the bound cell's composed style
    BOOL m_bBound = FALSE;
    BOOL m_bLeadBytePending = FALSE; // double-byte collector of OnGridWindowMessage
    BYTE m_nLeadByte = 0;
};
