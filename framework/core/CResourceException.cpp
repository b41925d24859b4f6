#include "framework/core/CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CException)

BOOL CResourceException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage("A required resource was unavailable.", lpszError, nMaxError);
}

void AfxThrowResourceException() {
    throw new CResourceException;
}
