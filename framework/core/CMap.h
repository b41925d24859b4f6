// CMap: a hash table from KEY to VALUE (passed as ARG_KEY and ARG_VALUE). Keys are hashed with
// HashKey and compared with CompareElements. GetStartPosition/GetNextAssoc visit every entry once,
// bucket by bucket, newest first within a bucket: the same operations give the same order. An
// entry's position stays valid until that entry is removed, so entries may be removed while walking
// once GetNextAssoc has moved past them.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CollectionHelpers.h"
#include "framework/core/NodePool.h"

#include <memory>
#include <utility>

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE> class CMap : public CObject {
    struct Assoc {
        template <class Key>
        Assoc(Assoc* next, UINT hash, Key&& k)
            : pNext(next), nHashValue(hash), key(std::forward<Key>(k)), value() {}
        Assoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

public:
    using BASE_KEY = KEY;
    using BASE_ARG_KEY = ARG_KEY;
    using BASE_VALUE = VALUE;
    using BASE_ARG_VALUE = ARG_VALUE;

    static constexpr UINT kDefaultHashTableSize = 17;

    explicit CMap(INT_PTR nBlockSize = 10) : m_pool(nBlockSize) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_count; }
    INT_PTR GetSize() const { return m_count; }
    BOOL IsEmpty() const { return m_count == 0 ? TRUE : FALSE; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const {
        const Assoc* assoc = Find(key, HashKey<ARG_KEY>(key));
        if (assoc == nullptr)
            return FALSE;
        rValue = assoc->value;
        return TRUE;
    }

    // The value stored under key; a missing key is added with a value-initialised value.
    VALUE& operator[](ARG_KEY key) {
        const UINT hash = HashKey<ARG_KEY>(key);
        if (Assoc* assoc = Find(key, hash))
            return assoc->value;
        if (!m_table)
            AllocTable();
        Assoc*& bucket = m_table[hash % m_tableSize];
        bucket = m_pool.New(bucket, hash, key);
        ++m_count;
        return bucket->value;
    }

    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key) {
        if (!m_table)
            return FALSE;
        const UINT hash = HashKey<ARG_KEY>(key);
        for (Assoc** link = &m_table[hash % m_tableSize]; *link != nullptr; link = &(*link)->pNext) {
            Assoc* assoc = *link;
            if (assoc->nHashValue == hash && CompareElements(&assoc->key, &key)) {
                *link = assoc->pNext;
                m_pool.Free(assoc);
                if (--m_count == 0)
                    RemoveAll(); // gives the blocks back
                return TRUE;
            }
        }
        return FALSE;
    }

    // Frees the table too; the next insertion allocates one of GetHashTableSize() buckets again.
    void RemoveAll() {
        if (m_table) {
            for (UINT i = 0; i < m_tableSize; ++i) {
                for (Assoc* assoc = m_table[i]; assoc != nullptr;) {
                    Assoc* next = assoc->pNext;
                    m_pool.Free(assoc);
                    assoc = next;
                }
            }
        }
        m_table.reset();
        m_count = 0;
        m_pool.Release();
    }

    // Null when the map is empty.
    POSITION GetStartPosition() const { return ToPosition(FirstFrom(0)); }

    // Copies out the entry at rNextPosition and moves rNextPosition on (null after the last entry).
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const {
        if (rNextPosition == nullptr)
            AfxThrowNotSupportedException();
        const Assoc* assoc = reinterpret_cast<const Assoc*>(rNextPosition);
        rKey = assoc->key;
        rValue = assoc->value;
        rNextPosition =
            ToPosition(assoc->pNext ? assoc->pNext : FirstFrom(assoc->nHashValue % m_tableSize + 1));
    }

    UINT GetHashTableSize() const { return m_tableSize; }

    // Sets the number of buckets (a prime a little above the expected entry count spreads keys
    // best). Entries already in the map are redistributed. With bAllocNow FALSE an empty map
    // allocates the table on its first insertion.
    void InitHashTable(UINT nHashSize, BOOL bAllocNow = TRUE) {
        const UINT newSize = nHashSize > 0 ? nHashSize : 1;
        if (m_count == 0) {
            m_tableSize = newSize;
            m_table.reset();
            if (bAllocNow)
                AllocTable();
            return;
        }
        auto table = std::make_unique<Assoc*[]>(newSize);
        for (UINT i = 0; i < m_tableSize; ++i) {
            for (Assoc* assoc = m_table[i]; assoc != nullptr;) {
                Assoc* next = assoc->pNext;
                Assoc*& bucket = table[assoc->nHashValue % newSize];
                assoc->pNext = bucket;
                bucket = assoc;
                assoc = next;
            }
        }
        m_table = std::move(table);
        m_tableSize = newSize;
    }

    // The entry count (WriteCount), then per entry the key and the value (SerializeElements).
    // Loading replaces the contents.
    void Serialize(CArchive& ar) override {
        CObject::Serialize(ar);
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_count));
            for (Assoc* assoc = FirstFrom(0); assoc != nullptr;) {
                SerializeElements<KEY>(ar, &assoc->key, 1);
                SerializeElements<VALUE>(ar, &assoc->value, 1);
                assoc = assoc->pNext ? assoc->pNext : FirstFrom(assoc->nHashValue % m_tableSize + 1);
            }
            return;
        }
        RemoveAll();
        for (DWORD_PTR remaining = ar.ReadCount(); remaining > 0; --remaining) {
            KEY key{};
            VALUE value{};
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
            (*this)[key] = std::move(value);
        }
    }

private:
    static POSITION ToPosition(const Assoc* assoc) {
        return reinterpret_cast<POSITION>(const_cast<Assoc*>(assoc));
    }

    void AllocTable() { m_table = std::make_unique<Assoc*[]>(m_tableSize); }

    Assoc* Find(ARG_KEY key, UINT hash) const {
        if (!m_table)
            return nullptr;
        for (Assoc* assoc = m_table[hash % m_tableSize]; assoc != nullptr; assoc = assoc->pNext) {
            if (assoc->nHashValue == hash && CompareElements(&assoc->key, &key))
                return assoc;
        }
        return nullptr;
    }

    // The first entry in bucket nBucket or a later one.
    Assoc* FirstFrom(UINT nBucket) const {
        if (!m_table)
            return nullptr;
        for (UINT i = nBucket; i < m_tableSize; ++i) {
            if (m_table[i] != nullptr)
                return m_table[i];
        }
        return nullptr;
    }

    std::unique_ptr<Assoc*[]> m_table;
    UINT m_tableSize = kDefaultHashTableSize;
    INT_PTR m_count = 0;
    NodePool<Assoc> m_pool;
};
