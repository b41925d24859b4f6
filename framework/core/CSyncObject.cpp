#include "framework/core/CSyncObject.h"

IMPLEMENT_DYNAMIC(CSyncObject, CObject)

CSyncObject::~CSyncObject() {
    if (m_hObject != nullptr)
        CloseHandle(m_hObject);
}

BOOL CSyncObject::Lock(DWORD dwTimeout) {
    const DWORD result = WaitForSingleObject(m_hObject, dwTimeout);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}
