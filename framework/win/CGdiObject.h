// CGdiObject: base of the wrappers of GDI objects (fonts, pens, brushes, bitmaps, regions).
// An attached object is deleted with its wrapper unless it is detached first.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/win/CHandleMap.h"

#include <memory>

class CGdiObject : public CObject {
    DECLARE_DYNCREATE(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;

    operator HGDIOBJ() const { return GetSafeHandle(); }
    HGDIOBJ GetSafeHandle() const { return AfxSafeThis(this) ? AfxSafeThis(this)->m_hObject : nullptr; }

    // The wrapper of h: the attached object if there is one, else a temporary wrapper that lives until
    // the next idle time. nullptr for a null handle.
    static CGdiObject* FromHandle(HGDIOBJ h);
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the attached GDI object (FALSE when there is none).
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);

    HGDIOBJ m_hObject = nullptr;

protected:
    // FromHandle for a derived wrapper class T.
    template <class T> static T* FromHandleAs(HGDIOBJ h);
};

CHandleMap<CGdiObject, HGDIOBJ>* AfxMapHGDIOBJ();

template <class T> T* CGdiObject::FromHandleAs(HGDIOBJ h) {
    if (h == nullptr)
        return nullptr;
    CHandleMap<CGdiObject, HGDIOBJ>* map = AfxMapHGDIOBJ();
    if (T* object = dynamic_cast<T*>(map->LookupPermanent(h)))
        return object;
    if (T* object = dynamic_cast<T*>(map->LookupTemporary(h)))
        return object;
    auto wrapper = std::make_unique<T>();
    wrapper->m_hObject = h;
    return static_cast<T*>(map->AddTemporary(h, std::move(wrapper)));
}
