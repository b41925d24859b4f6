// A Win32 critical section: cheap mutual exclusion between the threads of one process.
#pragma once

#include "framework/core/CSyncObject.h"

class CCriticalSection : public CSyncObject {
    DECLARE_DYNAMIC(CCriticalSection)
public:
    CCriticalSection();
    ~CCriticalSection() override;

    BOOL Lock();
    // A critical section cannot wait with a time-out; any value waits until it is free.
    BOOL Lock(DWORD dwTimeout) override;
    BOOL Unlock() override;

    operator CRITICAL_SECTION*() { return &m_sect; }

    CRITICAL_SECTION m_sect;
};
