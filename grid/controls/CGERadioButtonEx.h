// CGERadioButtonEx: the radio buttons with an editing life: the first click or space press makes the
// control active; changes stay in the control (the cell shows them) until the grid stores the current
// cell; Delete empties the value. The user attribute 51057 "RadioButton: Alignment" "1" lays the items
// out side by side. Ids 20137 "Radio Buttons, with active state" and 20136 "Radio Buttons, 3d-Effect and
// active state".
#pragma once

#include "grid/controls/CGERadioButton.h"

class CGEStylesMap;

class CGERadioButtonEx : public CGERadioButton {
public:
    static const CGEControlClass controlClass; // "CGERadioButtonEx"

    CGERadioButtonEx(CGEGridCore* pGrid, BOOL b3D);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    // Becoming active composes the cell's style again.
    void SetActive(BOOL bActive) override;
    BOOL IsActive() const override { return m_bActive; }
    void SetModify(BOOL bModified) override { m_bModified = bModified; }
    BOOL GetModify() const override { return m_bModified; }
    // Binds and reads the cell's style into the control; not modified.
    void Init(ROWCOL nRow, ROWCOL nCol) override;
    // The control's value into the cell when modified; TRUE when there is nothing to store.
    BOOL Store() override;
    // Always one item high: the sum of the items' widths (18 + text each) + 4 by the item height + 4.
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    // An unsaved change shows in the control's own active cell.
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    BOOL HandlesCoveredCells() override { return TRUE; }

    // Registers 51057, edited with a 0-based display-choice combo of "Vertical" and "Horizontal".
    static void AddUserAttributes(CGEStylesMap& stylesMap);

protected:
    BOOL IsHorizontal(const CGEStyle& style) const override;
    // Activates when needed (the grid must agree); FALSE when the control stays inactive.
    BOOL EnsureActive();
    // The control's value changed: the cell is redrawn and marked modified.
    void ChangeValue(const CString& strValue);

    BOOL m_bActive = FALSE;
    BOOL m_bModified = FALSE;
};
