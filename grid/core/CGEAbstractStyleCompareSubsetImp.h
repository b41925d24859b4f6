// The style-comparison feature: whether one style contains another. Application-wide.
#pragma once

#include "framework/core/CObject.h"

class CGEStyle;

class CGEAbstractStyleCompareSubsetImp : public CObject {
public:
    // TRUE when style includes every attribute that subset includes, with the same value.
    virtual BOOL IsSubSet(const CGEStyle& style, const CGEStyle& subset) = 0;

protected:
    CGEAbstractStyleCompareSubsetImp() = default;
};
