// Raised by the database layer; holds the ODBC return code and the driver's diagnostics.
#pragma once

#include "framework/core/CException.h"
#include "framework/core/CString.h"

class CDBException : public CException {
    DECLARE_DYNAMIC(CDBException)
public:
    explicit CDBException(short nRetCode = 0) : m_nRetCode(nRetCode) {}

    // The error text is m_strError, as the database layer filled it.
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override;

    short m_nRetCode;               // the ODBC return code (RETCODE) of the failed call
    CString m_strError;             // the readable error text
    CString m_strStateNativeOrigin; // "State:...,Native:...,Origin:..." lines of the diagnostics
};
