#include "framework/win/CGdiObject.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {
void ClearGdiHandle(CGdiObject* object) {
    object->m_hObject = nullptr;
}
} // namespace

CHandleMap<CGdiObject, HGDIOBJ>* AfxMapHGDIOBJ() {
    return AfxThreadHandleMap<CGdiObject, HGDIOBJ, &ClearGdiHandle>();
}

CGdiObject::~CGdiObject() {
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) {
    return FromHandleAs<CGdiObject>(h);
}

void CGdiObject::DeleteTempMap() {
    AfxMapHGDIOBJ()->DeleteTemporary();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    AfxMapHGDIOBJ()->SetPermanent(hObject, this);
    return TRUE;
}

BOOL CGdiObject::AttachNew(HGDIOBJ hObject) {
    if (hObject == nullptr)
        return FALSE;
    if (Attach(hObject))
        return TRUE;
    ::DeleteObject(hObject);
    return FALSE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ h = m_hObject;
    if (h != nullptr)
        AfxMapHGDIOBJ()->RemovePermanent(h, this);
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject() {
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const {
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const {
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex) {
    return AttachNew(::GetStockObject(nIndex)); // deleting a stock object does nothing
}

BOOL CGdiObject::UnrealizeObject() {
    return m_hObject != nullptr && ::UnrealizeObject(m_hObject);
}
