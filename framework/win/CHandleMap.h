// CHandleMap: which C++ object stands for a Windows handle on this thread.
//
// Permanent entries are objects that own or wrap their handle for their whole life (windows the
// program created, attached GDI objects and menus); they are not owned by the map. Temporary entries
// are wrappers made on demand for handles nobody wrapped; the map owns them and deletes them at idle
// time (DeleteTemporary), after taking the handle out of each so its destructor leaves the handle alone.
#pragma once

#include "framework/core/AfxDefs.h"

#include <memory>
#include <unordered_map>
#include <vector>

// Lets GetSafeHwnd/GetSafeHandle/GetSafeHdc/GetSafeHmenu answer nullptr when called through a null
// wrapper pointer, as callers of these functions expect. The empty asm hides the pointer's origin from
// the optimiser, which would otherwise drop the test of `this` against null.
template <class T> inline const T* AfxSafeThis(const T* p) {
    asm("" : "+r"(p));
    return p;
}

template <class T, class H> class CHandleMap {
public:
    using ClearHandle = void (*)(T* object);

    explicit CHandleMap(ClearHandle clear) : m_clear(clear) {}
    ~CHandleMap() { DeleteTemporary(); }
    CHandleMap(const CHandleMap&) = delete;
    CHandleMap& operator=(const CHandleMap&) = delete;

    T* LookupPermanent(H h) const {
        auto it = m_permanent.find(h);
        return it == m_permanent.end() ? nullptr : it->second;
    }
    T* LookupTemporary(H h) const {
        auto it = m_temporary.find(h);
        return it == m_temporary.end() ? nullptr : it->second.get();
    }

    void SetPermanent(H h, T* object) { m_permanent[h] = object; }

    // Forgets h as a permanent entry of object (only if it is that object's entry).
    void RemovePermanent(H h, const T* object) {
        auto it = m_permanent.find(h);
        if (it != m_permanent.end() && it->second == object)
            m_permanent.erase(it);
    }

    // Takes ownership of a new temporary wrapper of h. A wrapper of another type already kept for h
    // stays alive until the next DeleteTemporary, since callers may still hold it.
    T* AddTemporary(H h, std::unique_ptr<T> object) {
        T* result = object.get();
        auto& slot = m_temporary[h];
        if (slot)
            m_retired.push_back(std::move(slot));
        slot = std::move(object);
        return result;
    }

    void DeleteTemporary() {
        auto temporary = std::move(m_temporary);
        auto retired = std::move(m_retired);
        m_temporary.clear();
        m_retired.clear();
        for (auto& [h, object] : temporary)
            m_clear(object.get());
        for (auto& object : retired)
            m_clear(object.get());
    }

    size_t GetPermanentCount() const { return m_permanent.size(); }
    size_t GetTemporaryCount() const { return m_temporary.size() + m_retired.size(); }

private:
    ClearHandle m_clear;
    std::unordered_map<H, T*> m_permanent;
    std::unordered_map<H, std::unique_ptr<T>> m_temporary;
    std::vector<std::unique_ptr<T>> m_retired;
};

// The calling thread's map. It lives for the rest of the process, because objects with static storage
// may still detach their handles while the process ends; only its temporary wrappers are deleted when
// the thread ends. The map is kept in a fiber-local slot, whose end-of-thread callback receives the map
// itself: a thread_local object's destructor may run after the thread's emulated TLS block is freed.
template <class T, class H, void (*Clear)(T*)> CHandleMap<T, H>* AfxThreadHandleMap() {
    using Map = CHandleMap<T, H>;
    static const DWORD index = ::FlsAlloc([](void* p) {
        if (p != nullptr)
            static_cast<Map*>(p)->DeleteTemporary();
    });
    auto* map = static_cast<Map*>(::FlsGetValue(index));
    if (map == nullptr) {
        map = new Map(Clear); // intentionally never deleted, see above
        ::FlsSetValue(index, map);
    }
    return map;
}
