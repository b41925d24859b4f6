// CTypedPtrMap: a map class (BASE_CLASS, e.g. CMapStringToOb or CMapPtrToPtr) whose keys are KEY and
// whose values are VALUE pointers. The typed members hide the base ones.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CollectionHelpers.h"

template <class BASE_CLASS, class KEY, class VALUE> class CTypedPtrMap : public BASE_CLASS {
    using BaseKey = typename BASE_CLASS::BASE_KEY;
    using BaseArgKey = typename BASE_CLASS::BASE_ARG_KEY;
    using BaseValue = typename BASE_CLASS::BASE_VALUE;
    static_assert(sizeof(VALUE) == sizeof(BaseValue), "VALUE must match the size of the stored values");

public:
    explicit CTypedPtrMap(INT_PTR nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(BaseArgKey key, VALUE& rValue) const {
        BaseValue stored{};
        if (!BASE_CLASS::Lookup(key, stored))
            return FALSE;
        rValue = CollectionCast<VALUE>(stored);
        return TRUE;
    }

    VALUE& operator[](BaseArgKey key) { return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key)); }

    void SetAt(KEY key, VALUE newValue) {
        BASE_CLASS::SetAt(CollectionCast<BaseKey>(key), CollectionCast<BaseValue>(newValue));
    }

    BOOL RemoveKey(KEY key) { return BASE_CLASS::RemoveKey(CollectionCast<BaseKey>(key)); }

    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        BaseKey key{};
        BaseValue value{};
        BASE_CLASS::GetNextAssoc(rNextPosition, key, value);
        rKey = CollectionCast<KEY>(key);
        rValue = CollectionCast<VALUE>(value);
    }
};
