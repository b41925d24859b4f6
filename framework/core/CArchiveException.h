// Raised by archive operations: wrong direction, truncated data, unknown classes or schemas.
#pragma once

#include "framework/core/CException.h"
#include "framework/core/CString.h"

class CArchiveException : public CException {
    DECLARE_DYNAMIC(CArchiveException)
public:
    enum { none, genericException, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    explicit CArchiveException(int cause = none, const char* lpszArchiveName = nullptr);

    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

    int m_cause;
    CString m_strFileName;
};

[[noreturn]] void AfxThrowArchiveException(int cause, const char* lpszArchiveName = nullptr);
