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
    HGDIOBJ h = ::GetStockObject(nIndex);
    return h != nullptr && Attach(h);
}
