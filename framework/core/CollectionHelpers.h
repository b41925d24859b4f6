// Element helpers of the collection templates (CArray, CList, CMap and the typed pointer wrappers):
// hashing and comparing keys, storing elements in an archive, converting between a wrapper's
// element type and the pointer type its base collection stores. A program can specialise HashKey
// and SerializeElements for its own element types.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CArchive.h"
#include "framework/core/CArchiveException.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace CollectionDetail {
template <class T> inline constexpr bool kAlwaysFalse = false;

inline UINT HashBytes(const char* bytes, size_t length) {
    UINT hash = 0;
    for (size_t i = 0; i < length; ++i)
        hash = (hash << 5) + hash + static_cast<unsigned char>(bytes[i]);
    return hash;
}

// Archives move at most this many bytes per call (their lengths are UINT).
inline constexpr size_t kMaxChunkBytes = 0x10000000;
} // namespace CollectionDetail

// Hash of a map key. Strings hash by their bytes, pointers and integers by their value.
template <class ARG_KEY> inline UINT AFXAPI HashKey(ARG_KEY key) {
    using K = std::remove_cvref_t<ARG_KEY>;
    if constexpr (std::is_same_v<K, CString>) {
        return CollectionDetail::HashBytes(key.GetString(), static_cast<size_t>(key.GetLength()));
    } else if constexpr (std::is_convertible_v<ARG_KEY, LPCSTR>) {
        const LPCSTR text = key;
        return CollectionDetail::HashBytes(text, text ? std::strlen(text) : 0);
    } else if constexpr (std::is_pointer_v<K>) {
        // Heap addresses are aligned; the low bits carry no information.
        const auto value = static_cast<uint64_t>(reinterpret_cast<uintptr_t>(key));
        return static_cast<UINT>((value >> 4) ^ (value >> 36));
    } else if constexpr (std::is_integral_v<K> || std::is_enum_v<K>) {
        const auto value = static_cast<uint64_t>(key);
        return static_cast<UINT>(value ^ (value >> 32));
    } else {
        static_assert(CollectionDetail::kAlwaysFalse<K>, "specialise HashKey for this key type");
        return 0;
    }
}

// Equality of a stored element and a searched value (arguments deduced at the call).
template <class TYPE, class ARG_TYPE>
inline BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2) {
    return *pElement1 == *pElement2 ? TRUE : FALSE;
}

// Stores or loads nCount elements. Plain values travel as their raw (little-endian) bytes, CString in
// the archive's string format, CObject pointers as archived objects. Other pointers and other class
// types have no archive form unless the program specialises this template for them.
template <class TYPE> void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount) {
    if (nCount <= 0)
        return;
    if constexpr (std::is_same_v<TYPE, CString>) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    } else if constexpr (std::is_same_v<TYPE, CObject*>) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar.WriteObject(pElements[i]);
            else
                pElements[i] = ar.ReadObject(nullptr);
        }
    } else if constexpr (std::is_trivially_copyable_v<TYPE> && !std::is_pointer_v<TYPE>) {
        auto* bytes = reinterpret_cast<BYTE*>(pElements);
        size_t remaining = static_cast<size_t>(nCount) * sizeof(TYPE);
        while (remaining > 0) {
            const UINT chunk = static_cast<UINT>(std::min(remaining, CollectionDetail::kMaxChunkBytes));
            if (ar.IsStoring()) {
                ar.Write(bytes, chunk);
            } else if (ar.Read(bytes, chunk) != chunk) {
                AfxThrowArchiveException(CArchiveException::endOfFile);
            }
            bytes += chunk;
            remaining -= chunk;
        }
    } else {
        (void)ar;
        (void)pElements;
        AfxThrowNotSupportedException();
    }
}

// Converts between the element type of a typed wrapper and the type its base collection stores.
template <class To, class From> inline To CollectionCast(From value) {
    if constexpr (std::is_convertible_v<From, To>) {
        return value;
    } else if constexpr (std::is_pointer_v<To> && std::is_pointer_v<From>) {
        if constexpr (requires { static_cast<To>(value); })
            return static_cast<To>(value);
        else
            return reinterpret_cast<To>(value);
    } else if constexpr (std::is_integral_v<To> && std::is_pointer_v<From>) {
        return static_cast<To>(reinterpret_cast<uintptr_t>(value));
    } else if constexpr (std::is_pointer_v<To> && std::is_integral_v<From>) {
        return reinterpret_cast<To>(static_cast<uintptr_t>(value));
    } else {
        return static_cast<To>(value);
    }
}
