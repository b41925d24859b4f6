// Raised when memory cannot be allocated.
#pragma once

#include "framework/core/CException.h"

class CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Throws one preallocated instance, so reporting a lack of memory needs none; Delete() keeps it.
[[noreturn]] void AfxThrowMemoryException();
