#include "grid/features/CGESortInfoArray.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGESortInfoArray, CObject)

CGESortInfoArray::~CGESortInfoArray() = default;

void CGESortInfoArray::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
    if (nGrowBy >= 0)
        m_nGrowBy = nGrowBy;
    if (nNewSize <= 0) {
        m_pKeys.reset();
        m_nSize = m_nCapacity = 0;
        return;
    }
    if (nNewSize > m_nCapacity) {
        INT_PTR nCapacity = nNewSize;
        if (m_pKeys != nullptr) {
            const INT_PTR nStep = m_nGrowBy != 0 ? m_nGrowBy : std::clamp<INT_PTR>(m_nSize / 8, 4, 1024);
            nCapacity = std::max(nNewSize, m_nCapacity + nStep);
        }
        auto pKeys = std::make_unique<CGESortInfo[]>(static_cast<size_t>(nCapacity));
        std::copy(m_pKeys.get(), m_pKeys.get() + m_nSize, pKeys.get());
        m_pKeys = std::move(pKeys);
        m_nCapacity = nCapacity;
    } else {
        // Keys that come back into use start as default keys.
        std::fill(m_pKeys.get() + std::min(m_nSize, nNewSize), m_pKeys.get() + nNewSize, CGESortInfo());
    }
    m_nSize = nNewSize;
}
