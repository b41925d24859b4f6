// Reads a text from one of the system's GetXxxFormatA / GetLocaleInfoA style functions.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

// call(buffer, size) returns the number of characters written including the terminating zero, or 0 on
// failure. The buffer starts at initialSize characters and is doubled while the call reports it too
// small. (The size query with a zero-length buffer is not used: some systems answer it wrongly.)
template <typename Call> CString SystemText(int initialSize, Call call) {
    constexpr int kMaxSize = 1 << 20;
    for (int size = initialSize; size > 0 && size <= kMaxSize; size *= 2) {
        CString text;
        const int written = call(text.GetBuffer(size), size);
        if (written > 0) {
            text.ReleaseBuffer(written - 1);
            return text;
        }
        text.ReleaseBuffer(0);
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            break;
    }
    return CString();
}
