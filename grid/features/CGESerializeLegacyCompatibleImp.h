// CGESerializeLegacyCompatibleImp: reads the user attributes of styles stored by the older file version
// (a map of ids to texts) into the style's user-attribute map. Application-wide.
#pragma once

#include "grid/core/CGEAbstractSerializeLegacyCompatibleImp.h"

class CGESerializeLegacyCompatibleImp : public CGEAbstractSerializeLegacyCompatibleImp {
public:
    // A stored null map leaves the style without user attributes; each text becomes an attribute under
    // its id. Archive exceptions pass to the caller, the style unchanged.
    void ReadOldUserAttributes(CGEStyle& style, CArchive& ar) override;
};

// Installs the older-format reader into the engine state once (kept until the program ends).
void GEInstallLegacyCompatibleSerialize();
