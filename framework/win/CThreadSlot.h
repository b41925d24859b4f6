// CThreadSlot: one object of type T for each thread that asks for it, made on the thread's first use
// and deleted when the thread ends.
//
// The object lives on the heap and is found through a fiber-local slot whose end-of-thread callback
// receives the object itself. A thread_local object with a destructor is not safe here: with the
// emulated thread-local storage of this toolchain its destructor may run after the memory holding it
// was freed, and a fault there, inside the threads library's clean-up of a thread started with
// CreateThread, leaves that library's key lock taken, so that the process hangs when it exits.
//
// Keep a CThreadSlot in static storage. The slot is never freed: threads may still end after static
// destructors ran.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CResourceException.h"

#include <memory>

template <class T> class CThreadSlot {
public:
    CThreadSlot() : m_index(::FlsAlloc(&EndOfThread)) {}
    CThreadSlot(const CThreadSlot&) = delete;
    CThreadSlot& operator=(const CThreadSlot&) = delete;

    // The calling thread's object, made now when the thread has none.
    T& Get() {
        if (T* p = Find())
            return *p;
        if (m_index == FLS_OUT_OF_INDEXES)
            AfxThrowResourceException();
        auto object = std::make_unique<T>();
        if (!::FlsSetValue(m_index, object.get()))
            AfxThrowResourceException();
        return *object.release(); // owned by the slot from now on
    }

    // The calling thread's object, or nullptr while it has none.
    T* Find() const {
        return m_index == FLS_OUT_OF_INDEXES ? nullptr : static_cast<T*>(::FlsGetValue(m_index));
    }

private:
    static void WINAPI EndOfThread(void* p) { delete static_cast<T*>(p); }

    DWORD m_index;
};
