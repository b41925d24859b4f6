// CGEDrawRotatedTextImp: draws a text turned by the device context's font at the start point that keeps
// it inside the cell by the cell's alignment; the device context's clipping is the same afterwards.
// Application-wide.
#pragma once

#include "grid/core/CGEAbstractDrawRotatedTextImp.h"

class CGEDrawRotatedTextImp : public CGEAbstractDrawRotatedTextImp {
public:
    int DrawRotatedText(CDC* pDC, LPCSTR pszText, int nLength, const CRect& rect, UINT nFormat, int nAngle,
                        const CRect* pClip) override;

    // The start point of a text of cx by cy pixels turned by nAngle tenths of a degree in rect.
    static CPoint StartPoint(const CRect& rect, UINT nFormat, int nAngle, int cx, int cy);
};

// Installs the rotated text into the engine state once (kept until the program ends).
void GEInstallDrawRotatedText();
