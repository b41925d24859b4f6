#include "grid/features/CGESerializeLegacyCompatibleImp.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEUserAttributeMap.h"
#include "grid/features/CGECollMapDWordToString.h"
#include "grid/features/GEInstallAppFeature.h"

#include <memory>

void CGESerializeLegacyCompatibleImp::ReadOldUserAttributes(CGEStyle& style, CArchive& ar) {
    std::unique_ptr<CGECollMapDWordToString> pOld(
        static_cast<CGECollMapDWordToString*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGECollMapDWordToString))));
    if (pOld == nullptr) {
        style.SetUserAttributes(nullptr);
        return;
    }
    auto pAttributes = std::make_unique<CGEUserAttributeMap>();
    // The map keeps its entries in id order as they are stored.
    for (const auto& [nId, text] : pOld->Entries())
        pAttributes->SetAttribute(nId, text);
    style.SetUserAttributes(std::move(pAttributes));
}

void GEInstallLegacyCompatibleSerialize() {
    GEInstallAppFeature<CGESerializeLegacyCompatibleImp>(
        GEGetLibraryState()->m_pLegacyCompatibleSerializeImp);
}
