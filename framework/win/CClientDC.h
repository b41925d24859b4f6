// CClientDC: the DC of a window's client area (of the screen for a null window), released in the
// destructor. Throws a CResourceException when no DC is available.
#pragma once

#include "framework/win/CDC.h"

class CClientDC : public CDC {
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};
