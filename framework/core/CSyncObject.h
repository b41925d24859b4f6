// Base of the synchronisation objects that CSingleLock can hold.
#pragma once

#include "framework/core/CObject.h"

class CSyncObject : public CObject {
    DECLARE_DYNAMIC(CSyncObject)
public:
    ~CSyncObject() override;

    // Waits up to dwTimeout milliseconds; TRUE when the object was acquired.
    virtual BOOL Lock(DWORD dwTimeout = INFINITE);
    virtual BOOL Unlock() = 0;

    operator HANDLE() const { return m_hObject; }

    HANDLE m_hObject = nullptr; // the kernel object; null for objects without one

protected:
    CSyncObject() = default;
};
