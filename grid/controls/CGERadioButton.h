// CGERadioButton: one radio button per item of the cell's choice list (empty lines are no items); the
// value is the selected item's 0-based index as decimal text, empty for none. A click on an item (its
// button or its text) or the space bar writes the new index straight into the cell. Ids 52515 "Radio
// Buttons" (plain circles) and 52524 "Radio Buttons, 3d-Effect" (the library's radio-button picture).
#pragma once

#include "grid/core/CGEControl.h"

#include <vector>

class CGERadioButton : public CGEControl {
public:
    static const CGEControlClass controlClass; // "CGERadioButton"

    // Side of a button; the text of an item starts this far right of its band.
    static constexpr int buttonSize = 12;
    static constexpr int textOffset = 18;

    CGERadioButton(CGEGridCore* pGrid, BOOL b3D);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }
    // Widest item + 22 by the items' height + 4, then the text margins.
    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // A release on an item stores its index (read-only cells and a refusing grid keep the value).
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    // The space bar selects the next item, after the last the first.
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    // ---- arithmetic without a window ----
    // The items of a style's choice list: its non-empty lines.
    static std::vector<CString> ItemsOf(const CGEStyle& style);
    // The selected index of a style's value; -1 for an empty or missing value.
    static int SelectedIndex(const CGEStyle& style);
    // The index the space bar selects after nCurrent among nCount items (-1 when there are none).
    static int NextIndex(int nCurrent, int nCount);
    // The height of one item in the DC's font: at least 12 pixels.
    static int ItemHeight(CDC* pDC);
    // The band of each item inside the text rectangle: one below the other, or side by side (18 pixels and
    // the item's text width each).
    static std::vector<CRect> ItemBands(CDC* pDC, const CRect& rectText, const std::vector<CString>& items,
                                        BOOL bHorizontal);
    // The item under a point (its button or its text) in the DC's font; -1 when none.
    static int HitTestItems(CDC* pDC, const CRect& rectText, const std::vector<CString>& items,
                            BOOL bHorizontal, CPoint point);
    // The items found by the last drawing of a cell.
    int GetItemCount() const { return m_nItemCount; }

protected:
    // Whether a style lays the items out side by side (never here).
    virtual BOOL IsHorizontal(const CGEStyle&) const { return FALSE; }
    // The item of the bound cell under a point (measured in the grid window with the style's font).
    int HitTestCell(const CGEStyle& style, CPoint point);
    // The buttons and texts of the items, the one of index nSelected selected.
    void DrawItems(CDC* pDC, const CRect& rectText, const std::vector<CString>& items, int nSelected,
                   BOOL bHorizontal);
    void DrawButton(CDC* pDC, int x, int y, BOOL bSelected);
    // The value of the bound cell after a space press: the next index as text, or FALSE when the cell
    // has no items.
    static BOOL NextValueText(const CGEStyle& style, CString& strValue);

    int m_nItemCount = 0;
    BOOL m_b3D;
};
