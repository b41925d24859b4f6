// The rotated-text feature (application-wide): where a text drawn with a turned font starts so that it
// sits in its cell by the cell's alignment.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CRect.h"

class CDC;

class CGEAbstractDrawRotatedTextImp : public CObject {
public:
    // Draws nLength characters (-1: all) turned by nAngle tenths of a degree anticlockwise into rect by the
    // DrawText alignment flags of nFormat, clipped to pClip (the rectangle when null). Returns 0.
    virtual int DrawRotatedText(CDC* pDC, LPCSTR pszText, int nLength, const CRect& rect, UINT nFormat,
                                int nAngle, const CRect* pClip) = 0;

protected:
    CGEAbstractDrawRotatedTextImp() = default;
};
