// The feature that reads style archives of the older format (schema below 5), whose user attributes are
// stored in another form. Application-wide; without it such archives are refused.
#pragma once

#include "framework/core/CObject.h"

class CArchive;
class CGEStyle;

class CGEAbstractSerializeLegacyCompatibleImp : public CObject {
public:
    // Reads the old form of the style's user attributes at the archive's position into the style.
    virtual void ReadOldUserAttributes(CGEStyle& style, CArchive& ar) = 0;

protected:
    CGEAbstractSerializeLegacyCompatibleImp() = default;
};
