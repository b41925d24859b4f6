// CGECheckBox: shows a cell's value as a 13 x 13 check box with an optional label (the choice-list text)
// and toggles it by mouse or the space bar, writing the new value to the cell at once. The checked and
// unchecked values are the user attributes 51019 and 51020 ("1" and "0" when empty); a tri-state box
// knows a third state, the empty value. Values compare ignoring case, for showing as for storing.
#pragma once

#include "grid/controls/CGEDIB.h"
#include "grid/core/CGEControl.h"

class CGECheckBox : public CGEControl {
public:
    static const CGEControlClass controlClass; // "CGECheckBox"

    // State bits of GetCheckState.
    static constexpr WORD stateCurrent = 1;
    static constexpr WORD stateGrayed = 2;
    static constexpr WORD stateChecked = 4;
    static constexpr WORD stateUnchecked = 8;
    // Side of one frame of the check-box pictures.
    static constexpr int boxSize = 13;

    // nBitmapId, nPrintBitmapId: the pictures; 0 takes the library's (3-D or plain, and for printing).
    CGECheckBox(CGEGridCore* pGrid, BOOL b3D, UINT nBitmapId, UINT nPrintBitmapId);

    const CGEControlClass* GetControlClass() const override { return &controlClass; }

    virtual WORD GetCheckState(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
    virtual void DrawCheckBox(CDC* pDC, const CRect& rect, WORD nState, UINT nAlign, const CString& strLabel);
    virtual CRect ComputeCheckBoxRect(CDC* pDC, const CRect& rect, const CString& strLabel, UINT nAlign);
    // The screen (printer) colour of a colour of the pictures: black the window text (black), red the
    // window (white), green the window frame, light grey the button face.
    virtual COLORREF MapBitmapColor(COLORREF color, BOOL bPrint);
    // Loads both pictures and maps their colours; FALSE when the screen picture is missing.
    virtual BOOL LoadBitmaps();

    void CalcSize(CSize& size, CDC* pDC, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                  const CGEStyle* pStandardStyle, BOOL bVert) override;
    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // A tri-state box takes a text that is neither value as the empty value.
    BOOL ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                   const CGEStyle* pOldStyle) override;
    BOOL OnMouseMove(UINT nFlags, CPoint point) override;
    BOOL LButtonDown(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonUp(UINT nFlags, CPoint point, UINT nHitState) override;
    BOOL LButtonDblClk(UINT nFlags, CPoint point) override;
    BOOL OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The toggle: the next value stored in the cell at once.
    void OnChildButtonClicked(CGEChild* pChild) override;
    void OnGridSysColorChange() override;
    void OnGridCancelMode() override;

    // The values a style configures, and the value after a toggle (checked -> unchecked -> empty when
    // tri-state -> checked; anything else -> checked).
    static CString CheckedValue(const CGEStyle& style);
    static CString UncheckedValue(const CGEStyle& style);
    static BOOL IsTriState(const CGEStyle& style);
    static CString NextValue(const CString& strValue, const CGEStyle& style);
    // The frame of the pictures a state shows: 0 unchecked, 1 checked, 2 and 3 greyed, 4 indeterminate.
    static int FrameOf(WORD nState);

    BOOL IsPressed() const { return m_bPressed; }
    UINT GetBitmapId() const { return m_nBitmapId; }

protected:
    // The style a press or a toggle looks at: the bound cell's composed style.
    virtual const CGEStyle& StyleForToggle();
    // The box rectangle of the bound cell for a style (measured with the grid's DC).
    CRect BoxRectOfCell(const CGEStyle& style);

    BOOL m_b3D;
    CGEDIB m_screenBitmap;
    CGEDIB m_printBitmap;
    UINT m_nBitmapId;
    UINT m_nPrintBitmapId;
    BOOL m_bPressed = FALSE;
    CRect m_rectBox;
};
