// CGEStyleCompareSubsetImp: the application-wide style comparison: whether one style holds every
// attribute of another with the same value (merged cells compare neighbours this way).
#pragma once

#include "grid/core/CGEAbstractStyleCompareSubsetImp.h"

class CGEStyleCompareSubsetImp : public CGEAbstractStyleCompareSubsetImp {
public:
    // TRUE when style includes every attribute that subset includes, with the same value; the first
    // difference ends the test.
    BOOL IsSubSet(const CGEStyle& style, const CGEStyle& subset) override;
};

// Installs the style comparison into the engine state once (kept until the program ends).
void GEInstallStyleCompareSubset();
