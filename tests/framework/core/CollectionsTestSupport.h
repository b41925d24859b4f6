// Helpers shared by the collection tests: reading a collection's contents into a vector, catching
// the framework's heap-pointer exceptions, and archiving objects to and from memory.
#pragma once

#include "framework/core/CArchive.h"
#include "framework/core/CMemFile.h"
#include "framework/core/CObject.h"

#include <cstdint>
#include <type_traits>
#include <vector>

namespace collections_test {

// True when f throws a framework exception of class E (the exception is disposed of).
template <class E, class F> bool ThrowsFramework(F&& f) {
    try {
        f();
    } catch (E* e) {
        e->Delete();
        return true;
    }
    return false;
}

// Contents of a list read head to tail, and tail to head reversed: both must agree.
template <class List> auto ForwardContents(const List& list) {
    std::vector<std::remove_cvref_t<decltype(list.GetHead())>> out;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        out.push_back(list.GetNext(pos));
    return out;
}

template <class List> auto BackwardContents(const List& list) {
    std::vector<std::remove_cvref_t<decltype(list.GetHead())>> out;
    for (POSITION pos = list.GetTailPosition(); pos != nullptr;)
        out.insert(out.begin(), list.GetPrev(pos));
    return out;
}

template <class Array> auto ArrayContents(const Array& array) {
    std::vector<std::remove_cvref_t<decltype(array.GetAt(0))>> out;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        out.push_back(array.GetAt(i));
    return out;
}

// The bytes an object's Serialize writes.
inline std::vector<uint8_t> StoreBytes(CObject& object) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        object.Serialize(ar);
        ar.Close();
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(file.GetLength()));
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// Runs the object's Serialize in loading mode over the given bytes.
inline void LoadBytes(CObject& object, const std::vector<uint8_t>& bytes) {
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    object.Serialize(ar);
}

} // namespace collections_test
