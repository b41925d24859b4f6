// Stops a user operation after the user has already been told why; it carries no message.
#pragma once

#include "framework/core/CException.h"

class CUserException : public CException {
    DECLARE_DYNAMIC(CUserException)
public:
    explicit CUserException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;
};

// Throws a new CUserException.
[[noreturn]] void AfxThrowUserException();
