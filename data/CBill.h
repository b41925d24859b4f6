// A bill record that a log entry may carry; it travels inside the entry's archive.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CBill : public CObject {
    DECLARE_SERIAL(CBill)
public:
    CBill() = default;

    // Word 1, the first text, the 4-byte value, the 8-byte value, the second text; only word 1 is read.
    void Serialize(CArchive& ar) override;

    CString m_Text1;
    DWORD m_Value4 = 0;
    double m_Value8 = 0.0;
    CString m_Text2;
};
