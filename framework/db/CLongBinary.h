// A block of binary column data in movable global memory, as CDBVariant hands binary values out.
#pragma once

#include "framework/core/CObject.h"
#include "framework/db/AfxDb.h"

class CLongBinary : public CObject {
    DECLARE_DYNAMIC(CLongBinary)
public:
    CLongBinary() = default;
    ~CLongBinary() override;

    // Replaces the contents with a copy of the bytes; false (and empty) when memory runs out.
    bool Assign(const void* data, SQLULEN length);

    HGLOBAL m_hData = nullptr;
    SQLULEN m_dwDataLength = 0;
};
