// The percentage of a long grid operation that its status shows: nDone of nTotal steps, capped at 100.
#pragma once

#include "grid/core/CGELongOperation.h"
#include "grid/features/CGELongOperationState.h"

#include <algorithm>

inline void GEShowPercentDone(ULONGLONG nDone, ULONGLONG nTotal) {
    const ULONGLONG nPercent = nTotal == 0 ? 100 : std::min<ULONGLONG>(100, nDone * 100 / nTotal);
    CGELongOperationState::Get().SetPercentDone(CGELongOperation::GetNestingLevel(),
                                                static_cast<int>(nPercent));
}
