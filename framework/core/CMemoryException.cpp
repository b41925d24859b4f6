#include "framework/core/CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CException)

BOOL CMemoryException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage("Out of memory.", lpszError, nMaxError);
}

void AfxThrowMemoryException() {
    static CMemoryException preallocated(FALSE);
    throw &preallocated;
}
