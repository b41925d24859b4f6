#include "framework/win/CDC.h"

IMPLEMENT_DYNCREATE(CDC, CObject)

namespace {
void ClearDcHandle(CDC* dc) {
    dc->m_hDC = nullptr;
    dc->m_hAttribDC = nullptr;
}
} // namespace

CHandleMap<CDC, HDC>* AfxMapHDC() {
    return AfxThreadHandleMap<CDC, HDC, &ClearDcHandle>();
}

CDC::~CDC() {
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hDC) {
    if (hDC == nullptr)
        return nullptr;
    CHandleMap<CDC, HDC>* map = AfxMapHDC();
    if (CDC* dc = map->LookupPermanent(hDC))
        return dc;
    if (CDC* dc = map->LookupTemporary(hDC))
        return dc;
    auto wrapper = std::make_unique<CDC>();
    wrapper->m_hDC = hDC;
    wrapper->m_hAttribDC = hDC;
    return map->AddTemporary(hDC, std::move(wrapper));
}

void CDC::DeleteTempMap() {
    AfxMapHDC()->DeleteTemporary();
}

BOOL CDC::Attach(HDC hDC) {
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = hDC;
    m_hAttribDC = hDC;
    AfxMapHDC()->SetPermanent(hDC, this);
    return TRUE;
}

HDC CDC::Detach() {
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        AfxMapHDC()->RemovePermanent(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

BOOL CDC::DeleteDC() {
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}
