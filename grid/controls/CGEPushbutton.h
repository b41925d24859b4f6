// CGEPushbutton: the control of id 52514 "Pushbutton": the whole cell is one button whose caption is the
// cell's choice-list text. A click (or the space bar) reaches the grid as the cell's child-button hook.
// The cell shows no current-cell frame.
#pragma once

#include "grid/core/CGEControl.h"

class CGEButton;

class CGEPushbutton : public CGEControl {
public:
    static const CGEControlClass controlClass; // "CGEPushbutton"

    explicit CGEPushbutton(CGEGridCore* pGrid);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    // Binds, then redraws the button.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The caption's extent plus 8 by 4 pixels and the grid's border allowance.
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void DrawCurrentCellFrame(CDC*, const CRect&, const CGEStyle&) override {}
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // The button fills the text rectangle, is the active child and shows the choice-list text.
    void LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rect) override;

    CGEButton* GetButton() const { return m_pButton; }

private:
    CGEButton* m_pButton; // owned through the child list
};
