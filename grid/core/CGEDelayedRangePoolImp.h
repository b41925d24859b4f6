// CGEDelayedRangePoolImp: the engine's delayed-range pool feature.
#pragma once

#include "grid/core/CGEAbstractDelayedRangePoolImp.h"

class CGEDelayedRangePoolImp : public CGEAbstractDelayedRangePoolImp {
public:
    CGEDelayedRangePool* CreatePoolCopy(const CGEDelayedRangePool& src) override;
    CGEDelayedRangePool* CreatePool() override;
    void AssignPool(CGEDelayedRangePool& dest, const CGEDelayedRangePool& src) override;
};

// Installs the engine's delayed-range pool feature into the engine state once (kept until the program ends).
void GEInstallDelayedRangePool();
