#include "framework/core/CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CException)

BOOL CNotSupportedException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage("The requested operation is not supported.", lpszError, nMaxError);
}

void AfxThrowNotSupportedException() {
    throw new CNotSupportedException;
}
