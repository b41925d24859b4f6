#include "framework/core/CMutex.h"

#include "framework/core/CResourceException.h"

IMPLEMENT_DYNAMIC(CMutex, CSyncObject)

CMutex::CMutex(BOOL bInitiallyOwn, const char* lpszName, LPSECURITY_ATTRIBUTES lpsaAttribute) {
    m_hObject = CreateMutexA(lpsaAttribute, bInitiallyOwn, lpszName);
    if (m_hObject == nullptr)
        AfxThrowResourceException();
}

BOOL CMutex::Unlock() {
    return ReleaseMutex(m_hObject);
}
