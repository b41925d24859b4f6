// The application-wide feature objects that cell styles forward to. Installed by the control factory's
// application-level creator; each is null until installed, and the operations that forward to a missing
// one do nothing and return 0.
#pragma once

class CGEAbstractGridProfileImp;
class CGEAbstractSerializeLegacyCompatibleImp;
class CGEAbstractStyleCompareSubsetImp;
class CGEAbstractStyleSerializeImp;

struct CGEStyleFeatures {
    CGEAbstractStyleCompareSubsetImp* pCompareSubset = nullptr;
    CGEAbstractStyleSerializeImp* pSerialize = nullptr;
    CGEAbstractGridProfileImp* pProfile = nullptr;
    CGEAbstractSerializeLegacyCompatibleImp* pLegacySerialize = nullptr;
};

// The process's style features (user-interface thread only, as all engine state).
CGEStyleFeatures& GEGetStyleFeatures();
