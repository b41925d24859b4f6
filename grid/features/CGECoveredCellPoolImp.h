// CGECoveredCellPoolImp: the application-wide covered-cell pool feature: makes covered-cell pools and
// builds them from a list of covered ranges.
#pragma once

#include "grid/core/CGEAbstractCoveredCellPoolImp.h"

class CGECoveredCellPoolImp : public CGEAbstractCoveredCellPoolImp {
public:
    CGECoveredCellPool* CreatePool() override;
    void RebuildPool(CObject* pPool, const CGERangeList& list) override;
};

// Installs the covered-cell pool feature into the engine state once (kept until the program ends).
void GEInstallCoveredCellPool();
