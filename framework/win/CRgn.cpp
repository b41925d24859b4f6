#include "framework/win/CRgn.h"

IMPLEMENT_DYNCREATE(CRgn, CGdiObject)

CRgn* CRgn::FromHandle(HRGN hRgn) {
    return FromHandleAs<CRgn>(hRgn);
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
    return lpRect != nullptr && Attach(::CreateRectRgnIndirect(lpRect));
}
