// CGECellTipStatic: the cell tip of text cells: when a cell's display text does not fit its text
// rectangle, resting the pointer on the cell shows the whole text in a tip window over it. The tip hides
// itself once the pointer leaves the cell.
#pragma once

#include "grid/controls/CGECellTipBase.h"

class CGEControl;

class CGECellTipStatic : public CGECellTipBase {
public:
    explicit CGECellTipStatic(CGEControl* pControl);
    ~CGECellTipStatic() override;

    // TRUE when the display text is wider (taller, when wrapped) than the cell's text rectangle.
    BOOL NeedShow(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) override;
    // The system's initial tool-tip delay (the double-click time).
    DWORD GetDelay(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) override;
    BOOL Show(const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) override;
    // Hides a shown tip.
    void Hide();
    BOOL IsShown() const;

private:
    static void CALLBACK OnWatchTimer(HWND hWnd, UINT, UINT_PTR idEvent, DWORD);

    CGEControl* m_pControl;
    HWND m_hTip = nullptr;
    CRect m_rectScreen;    // the cell the tip belongs to
    UINT_PTR m_nTimer = 0; // watches the pointer while the tip shows
};
