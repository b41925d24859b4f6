// CGroupStaticCtrl: the cell of a group row: an expand box (CGroupButton) at the left, the text after it.
// Whether the row's group is collapsed is asked of the window that owns the grid with "ACX_GetCollapsed"
// (row, 0) before each drawing; a click in the box posts "ACX_CollapseGroup" (row, column) to it.
#pragma once

#include "grid/controls/CGEButton.h"
#include "grid/controls/CGEStatic.h"

class CGroupButton : public CGEButton {
public:
    static constexpr int kSize = 11;

    explicit CGroupButton(CGEControl* pOwner);

    // A grey frame, the minus line, and the plus's upright while collapsed.
    void Draw(CDC* pDC, BOOL bFocus) override;
    BOOL LButtonDown(UINT nFlags, CPoint point) override;
    BOOL LButtonUp(UINT nFlags, CPoint point) override;

    void SetCollapsed(BOOL bCollapsed) { m_bCollapsed = bCollapsed; }
    BOOL IsCollapsed() const { return m_bCollapsed; }

private:
    BOOL m_bCollapsed = FALSE;
};

class CGroupStaticCtrl : public CGEStatic {
public:
    static const CGEControlClass controlClass; // "CGroupStaticCtrl"

    explicit CGroupStaticCtrl(CGEGridCore* pGrid);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    CRect ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) override;
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;

    // The owner window's answer to "ACX_GetCollapsed" for a row.
    BOOL AskCollapsed(ROWCOL nRow) const;
    // Posts "ACX_CollapseGroup" (row, column) to the owner window.
    void PostCollapse(ROWCOL nRow, ROWCOL nCol) const;
    // The window that owns the grid (the grid window's parent, else the grid window).
    CWnd* GetOwnerWindow() const;
    CGroupButton* GetButton() const { return m_pButton; }

    // The registered messages.
    static UINT GetCollapsedMessage();  // "ACX_GetCollapsed"
    static UINT CollapseGroupMessage(); // "ACX_CollapseGroup"

private:
    CGroupButton* m_pButton; // owned by the control's children
    CRect m_cell;
};
