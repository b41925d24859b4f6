// A Win32 mutex, optionally named so that processes can share it.
#pragma once

#include "framework/core/CSyncObject.h"

class CMutex : public CSyncObject {
    DECLARE_DYNAMIC(CMutex)
public:
    // Throws CResourceException when the mutex cannot be created.
    explicit CMutex(BOOL bInitiallyOwn = FALSE, const char* lpszName = nullptr,
                    LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);

    BOOL Unlock() override;
};
