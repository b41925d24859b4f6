// CGESortInfoArray: the keys of a sort, in the order they decide. A sort with an automatic key writes
// the type it found back into the key, so the same array sorted again keeps that type.
#pragma once

#include "framework/core/CObject.h"
#include "grid/features/CGESortInfo.h"

#include <memory>

class CGESortInfoArray : public CObject {
    DECLARE_DYNAMIC(CGESortInfoArray)
public:
    CGESortInfoArray() = default;
    ~CGESortInfoArray() override;

    // nGrowBy -1 keeps the stored step. Count 0 frees the keys. Keys added at the end are default keys;
    // growing past the capacity makes room for max(count, capacity + step) keys, the step being the stored
    // one or, when that is 0, an eighth of the size (4 to 1024).
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCapacity() const { return m_nCapacity; }
    CGESortInfo& operator[](INT_PTR nIndex) { return m_pKeys[nIndex]; }
    const CGESortInfo& operator[](INT_PTR nIndex) const { return m_pKeys[nIndex]; }

private:
    std::unique_ptr<CGESortInfo[]> m_pKeys;
    INT_PTR m_nSize = 0;
    INT_PTR m_nCapacity = 0;
    INT_PTR m_nGrowBy = 0;
};
