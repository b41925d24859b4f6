#include "framework/db/CLongBinary.h"

#include <cstring>

IMPLEMENT_DYNAMIC(CLongBinary, CObject)

CLongBinary::~CLongBinary() {
    if (m_hData)
        GlobalFree(m_hData);
}

bool CLongBinary::Assign(const void* data, SQLULEN length) {
    if (m_hData)
        GlobalFree(m_hData);
    m_hData = nullptr;
    m_dwDataLength = 0;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length == 0 ? 1 : length);
    if (!block)
        return false;
    if (length) {
        void* target = GlobalLock(block);
        std::memcpy(target, data, length);
        GlobalUnlock(block);
    }
    m_hData = block;
    m_dwDataLength = length;
    return true;
}
