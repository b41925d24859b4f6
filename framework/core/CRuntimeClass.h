// Run-time class information: names, sizes, schemas, factories and the base-class chain of every
// class declared with DECLARE_DYNAMIC, DECLARE_DYNCREATE or DECLARE_SERIAL.
#pragma once

#include "framework/core/AfxDefs.h"

class CObject;
class CArchive;

// A schema with this bit set accepts every stored schema; the loader asks for the actual one.
#define VERSIONABLE_SCHEMA (0x80000000)

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that are not serialisable
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* m_pBaseClass;

    // A new object of this class, or nullptr when the class is not dynamically creatable.
    CObject* CreateObject() const;
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Looks a class up by name among all registered classes; nullptr when there is none.
    static CRuntimeClass* FromName(const char* lpszClassName);
    static CObject* CreateObject(const char* lpszClassName);
};

// Links a run-time class into the process-wide list that FromName searches. One static
// instance per IMPLEMENT_... macro; the list lives in these nodes so class objects stay constant.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
    const AFX_CLASSINIT* m_pNext;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                                                                          \
public:                                                                                                      \
    static const CRuntimeClass class##class_name;                                                            \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                                        \
    DECLARE_DYNAMIC(class_name)                                                                              \
    static CObject* CreateObject();

// Loading through operator>> checks that the stored object is a class_name (or derived).
#define DECLARE_SERIAL(class_name)                                                                           \
    DECLARE_DYNCREATE(class_name)                                                                            \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb);

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                 \
    const CRuntimeClass class_name::class##class_name = {#class_name, static_cast<int>(sizeof(class_name)),  \
                                                         static_cast<UINT>(wSchema), pfnNew,                 \
                                                         RUNTIME_CLASS(base_class_name)};                    \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));                                \
    CRuntimeClass* class_name::GetRuntimeClass() const {                                                     \
        return RUNTIME_CLASS(class_name);                                                                    \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                       \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                                     \
    CObject* class_name::CreateObject() {                                                                    \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// The translation unit must include CArchive.h (it serialises anyway).
#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                                               \
    CObject* class_name::CreateObject() {                                                                    \
        return new class_name;                                                                               \
    }                                                                                                        \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject)                   \
    CArchive& operator>>(CArchive& ar, class_name*& pOb) {                                                   \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name)));                            \
        return ar;                                                                                           \
    }
