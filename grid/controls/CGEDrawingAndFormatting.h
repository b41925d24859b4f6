// CGEDrawingAndFormatting: the grid engine's one object of text and frame drawing helpers that the cell
// controls share (GetInstance): text in a rectangle, the whole drawing of a static cell, button captions,
// 3-D frames, the character under a point, wrapped line layout, ellipsis and turned text. Its operations
// are virtual so that an application may replace the object.
#pragma once

#include "framework/core/CPoint.h"
#include "framework/core/CRect.h"
#include "framework/core/CString.h"
#include "grid/core/GECoreDefs.h"

#include <vector>

class CDC;
class CGEControl;
class CGEStyle;

class CGEDrawingAndFormatting {
public:
    static CGEDrawingAndFormatting* GetInstance();
    // Replaces the instance (null restores the standard one); the caller keeps ownership.
    static void SetInstance(CGEDrawingAndFormatting* pInstance);

    CGEDrawingAndFormatting() = default;
    virtual ~CGEDrawingAndFormatting() = default;
    CGEDrawingAndFormatting(const CGEDrawingAndFormatting&) = delete;
    CGEDrawingAndFormatting& operator=(const CGEDrawingAndFormatting&) = delete;

    // The DT_ alignment flags of a style: horizontal left, centre, right and vertical top, centre, bottom.
    static UINT AlignmentFormat(const CGEStyle& style);

    // A text (nCount -1: all of it) in a rectangle with DrawText flags; the height drawn.
    virtual int DrawText(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT nFormat);
    // The whole drawing of a static cell: the background, the control's display text in its text
    // rectangle with the style's font, colour and alignment (wrapped when the style wraps), the children.
    virtual void DrawStaticCell(CGEControl* pControl, CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol,
                                const CGEStyle& style, const CGEStyle* pStandardStyle);
    // A button's caption centred in the rectangle with the DC's font and text colour; a focus rectangle
    // around it when bFocus.
    virtual void DrawButtonText(CDC* pDC, const CRect& rect, LPCSTR pszText, BOOL bFocus, UINT nFormat);
    // A frame nWidth pixels wide inside (left, top, right, bottom): clrTopLeft on the top and left sides,
    // clrBottomRight on the bottom and right.
    virtual void Draw3dFrame(CDC* pDC, int left, int top, int right, int bottom, int nWidth,
                             COLORREF clrTopLeft, COLORREF clrBottomRight);
    // The index of the character under the point when the text is drawn in the rectangle with the flags
    // (the DC's font); -1 when the point lies beside the text.
    virtual int GetCharIndexAtPoint(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT nFormat,
                                    CPoint point);
    // Breaks a text into the lines DrawText would show in the rectangle's width (explicit breaks and
    // word wrapping), at most nMaxLines; the start and length of each line.
    virtual int LayoutWrappedLines(CDC* pDC, LPCSTR pszText, int nCount, const CRect& rect, UINT nFormat,
                                   std::vector<int>& starts, std::vector<int>& lengths, int nMaxLines);
    // Text cut to the rectangle's width with an ellipsis type: 0 none (clipped), 1 "..." after the part
    // that fits, 2 "###" instead of a text that does not fit.
    virtual void DrawEllipsisText(CDC* pDC, LPCSTR pszText, const CRect& rect, UINT nFormat,
                                  int nEllipsisType);
    // A text drawn with the DC's turned font (nDegrees anticlockwise) so that its box sits in the rectangle
    // by the alignment flags.
    virtual void DrawRotatedText(CDC* pDC, LPCSTR pszText, const CRect& rect, UINT nFormat, int nDegrees);
};
