// Raised for an operation the object does not support.
#pragma once

#include "framework/core/CException.h"

class CNotSupportedException : public CException {
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Throws a new CNotSupportedException.
[[noreturn]] void AfxThrowNotSupportedException();
