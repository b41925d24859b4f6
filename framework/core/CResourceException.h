// Raised when a window, GDI or other system resource cannot be created or loaded.
#pragma once

#include "framework/core/CException.h"

class CResourceException : public CException {
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Throws a new CResourceException.
[[noreturn]] void AfxThrowResourceException();
