#include "framework/core/CDBException.h"

IMPLEMENT_DYNAMIC(CDBException, CException)

BOOL CDBException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage(m_strError, lpszError, nMaxError);
}
