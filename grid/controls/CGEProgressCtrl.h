// CGEProgressCtrl: draws a cell's number as a horizontal bar between the bounds of the user attributes
// 51025 "Progress: Lower Bound" and 51026 "Progress: Upper Bound" (id 52536 "Progressbar"), with a
// centred caption from 51027 "Progress: Caption" drawn in inverse colours where it crosses the bar.
// Display only; values stored into the cell are kept inside the bounds.
//
// The caption is a template: at most one numeric placeholder (%d, %i, %u, %x, %X, %o with the usual
// flags, width and precision, an "l" allowed) that the value fills, and "%%" for a per-cent sign. Any
// other template is shown as it stands, so that a caption can never read beyond the value.
#pragma once

#include "grid/core/CGEControl.h"

class CGEStylesMap;

class CGEProgressCtrl : public CGEControl {
public:
    static const CGEControlClass controlClass; // "CGEProgressCtrl"

    explicit CGEProgressCtrl(CGEGridCore* pGrid) : CGEControl(pGrid) {}

    const CGEControlClass* GetControlClass() const override { return &controlClass; }

    // The caption of a cell: the template filled with the value.
    virtual void GetCaption(CString& strCaption, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style);
    // The bar's colour (bBar) or the rest's: the text colour and the interior colour.
    virtual COLORREF GetBarColor(BOOL bBar, const CGEStyle& style);
    // The caption's colour over the bar (bOverBar) or the rest: the inverse pair.
    virtual COLORREF GetCaptionColor(BOOL bOverBar, const CGEStyle& style);

    void Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
              const CGEStyle* pStandardStyle) override;
    // A value outside the bounds is stored clamped into them.
    BOOL StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                    UINT nFlags) override;

    // Value units per pixel for a rectangle and the bounds' range (1.0 for an empty rectangle).
    void SetScale(const CRect& rect, long nRange);
    double GetScale() const { return m_dScale; }
    // The bar for a value: from the left, as wide as the value above the lower bound, never wider than
    // the cell; empty when the bounds leave no range.
    CRect GetBarRect(long nValue, const CRect& rect, const CGEStyle& style);

    // Registers the three attributes.
    static void AddUserAttributes(CGEStylesMap& stylesMap);
    // A caption template filled with a value, as described above.
    static CString FormatCaption(const CString& strTemplate, long nValue);
    static long LowerBound(const CGEStyle& style);
    static long UpperBound(const CGEStyle& style);

private:
    double m_dScale = 1.0;
};
