// The shape every application-wide installer shares: create the feature once, keep it in its member of the
// engine state and hand it to the state's list of objects deleted when the program ends.
#pragma once

#include "grid/core/CGELibraryState.h"

#include <memory>

// Creates a TImp into member when member is empty; an installed feature is left as it is. TRUE when it
// created one.
template <class TImp, class TBase> bool GEInstallAppFeature(TBase*& member) {
    if (member != nullptr)
        return false;
    auto imp = std::make_unique<TImp>();
    member = imp.get();
    GEGetLibraryState()->AddAutoDeleteObject(imp.release());
    return true;
}
