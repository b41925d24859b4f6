// Root of the framework's class hierarchy: run-time type information and serialisation.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CRuntimeClass.h"

class CArchive;
class CDumpContext; // diagnostics only; never defined in release builds

class CObject {
public:
    virtual ~CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const {}
    virtual void Dump(CDumpContext&) const {}

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
};
