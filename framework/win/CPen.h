// CPen: a GDI pen. The constructors that take a description throw a CResourceException when the pen
// cannot be made; the Create functions return FALSE instead.
#pragma once

#include "framework/win/CGdiObject.h"

class CPen : public CGdiObject {
    DECLARE_DYNCREATE(CPen)
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
    // A geometric or cosmetic pen (ExtCreatePen); lpStyle gives nStyleCount dash lengths for PS_USERSTYLE.
    CPen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
         const DWORD* lpStyle = nullptr);

    static CPen* FromHandle(HPEN hPen);
    operator HPEN() const { return static_cast<HPEN>(GetSafeHandle()); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePen(int nPenStyle, int nWidth, const LOGBRUSH* pLogBrush, int nStyleCount = 0,
                   const DWORD* lpStyle = nullptr);
    BOOL CreatePenIndirect(LPLOGPEN lpLogPen);

    // Copy the pen's description; the result of GetObject (0 on failure).
    int GetLogPen(LOGPEN* pLogPen) const;
    int GetExtLogPen(EXTLOGPEN* pLogPen) const;
};
