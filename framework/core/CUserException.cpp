#include "framework/core/CUserException.h"

IMPLEMENT_DYNAMIC(CUserException, CException)

// The user has already seen the reason, so there is nothing more to say.
BOOL CUserException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage(nullptr, lpszError, nMaxError);
}

void AfxThrowUserException() {
    throw new CUserException;
}
