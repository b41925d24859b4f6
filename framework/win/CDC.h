// CDC: a device context. This is the handle part; drawing operations build on it.
// An attached DC is deleted (DeleteDC) with its wrapper unless it is detached first.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/win/CHandleMap.h"

class CDC : public CObject {
    DECLARE_DYNCREATE(CDC)
public:
    CDC() = default;
    ~CDC() override;

    operator HDC() const { return GetSafeHdc(); }
    HDC GetSafeHdc() const { return AfxSafeThis(this) ? AfxSafeThis(this)->m_hDC : nullptr; }

    // The wrapper of hDC: the attached object if there is one, else a temporary wrapper that lives until
    // the next idle time. nullptr for a null handle.
    static CDC* FromHandle(HDC hDC);
    static void DeleteTempMap();

    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();

    virtual void SetAttribDC(HDC hDC) { m_hAttribDC = hDC; }
    virtual void SetOutputDC(HDC hDC) { m_hDC = hDC; }
    virtual void ReleaseAttribDC() { m_hAttribDC = nullptr; }
    virtual void ReleaseOutputDC() { m_hDC = nullptr; }

    HDC m_hDC = nullptr;       // where output goes
    HDC m_hAttribDC = nullptr; // where attributes are read from (normally the same DC)
};

CHandleMap<CDC, HDC>* AfxMapHDC();
