// CRgn: a GDI region.
#pragma once

#include "framework/win/CGdiObject.h"

class CRgn : public CGdiObject {
    DECLARE_DYNCREATE(CRgn)
public:
    CRgn() = default;

    static CRgn* FromHandle(HRGN hRgn);
    operator HRGN() const { return static_cast<HRGN>(GetSafeHandle()); }

    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
};
