#include "framework/core/CRuntimeClass.h"

#include <cstring>

namespace {
// Head of the registration list. Constant-initialised, so registrations from any translation
// unit's static initialisation find it ready.
const AFX_CLASSINIT* g_firstClass = nullptr;
} // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass), m_pNext(g_firstClass) {
    g_firstClass = this;
}

CObject* CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c != nullptr; c = c->m_pBaseClass) {
        if (c == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(const char* lpszClassName) {
    if (lpszClassName == nullptr)
        return nullptr;
    for (const AFX_CLASSINIT* node = g_firstClass; node != nullptr; node = node->m_pNext) {
        if (std::strcmp(node->m_pClass->m_lpszClassName, lpszClassName) == 0)
            return node->m_pClass;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject(const char* lpszClassName) {
    const CRuntimeClass* c = FromName(lpszClassName);
    return c ? c->CreateObject() : nullptr;
}
