// CGdiObject: base of the wrappers of GDI objects (pens, brushes, fonts, bitmaps, palettes, regions).
// An attached object is deleted with its wrapper unless it is detached first. Wrappers of handles nobody
// attached (FromHandle) are temporary: they live until the next idle time and never delete their handle.
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
    bool operator==(const CGdiObject& other) const { return m_hObject == other.m_hObject; }

    // The wrapper of h: the attached object if there is one, else a temporary wrapper that lives until
    // the next idle time. nullptr for a null handle.
    static CGdiObject* FromHandle(HGDIOBJ h);
    static void DeleteTempMap();

    // FALSE for a null handle or when this wrapper already holds one.
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    // Deletes the attached GDI object (FALSE when there is none).
    BOOL DeleteObject();

    // Copies the object's description (LOGPEN, LOGBRUSH, LOGFONT, BITMAP, palette entry count...) into
    // lpObject; returns the bytes copied, or with a null lpObject the bytes needed; 0 on failure.
    int GetObject(int nCount, LPVOID lpObject) const;
    // OBJ_PEN, OBJ_BRUSH, ...; 0 when there is no valid object.
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    // Lets a brush take a new origin or a palette be mapped afresh at its next selection.
    BOOL UnrealizeObject();

    HGDIOBJ m_hObject = nullptr;

protected:
    // Takes an object just created for this wrapper. FALSE for a null handle; FALSE too when the wrapper
    // holds an object already, and then the new one is deleted rather than leaked.
    BOOL AttachNew(HGDIOBJ hObject);
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
