// CWindowDC: the DC of a whole window, caption and borders included (of the screen for a null window),
// released in the destructor. Throws a CResourceException when no DC is available.
#pragma once

#include "framework/win/CDC.h"

class CWindowDC : public CDC {
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd = nullptr;
};
