// Small pieces every grid archive form shares: its leading schema word, and refusing damaged data.
#pragma once

#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"

// Refuses damaged data with the framework's archive exception.
[[noreturn]] inline void GEThrowDamagedArchive() {
    AfxThrowArchiveException(CArchiveException::genericException);
}

// Storing writes nCurrent and returns it; loading reads the stored schema and refuses one above nCurrent
// (badSchema) before anything else is read.
inline WORD GESerializeSchema(CArchive& ar, WORD nCurrent) {
    if (ar.IsStoring()) {
        ar << nCurrent;
        return nCurrent;
    }
    WORD nSchema = 0;
    ar >> nSchema;
    if (nSchema > nCurrent)
        AfxThrowArchiveException(CArchiveException::badSchema);
    return nSchema;
}

// A 32-bit flag stored as one byte.
inline void GESerializeFlag(CArchive& ar, BOOL& bFlag) {
    if (ar.IsStoring()) {
        ar << static_cast<BYTE>(bFlag); // the low byte of the 32-bit field
        return;
    }
    BYTE b = 0;
    ar >> b;
    bFlag = b;
}
