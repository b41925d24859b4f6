// CPaintDC: the DC of a WM_PAINT handler, from BeginPaint to EndPaint (in the destructor). m_ps tells
// what needs painting. Throws a CResourceException when BeginPaint gives no DC.
#pragma once

#include "framework/win/CDC.h"

class CPaintDC : public CDC {
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd = nullptr;
};
