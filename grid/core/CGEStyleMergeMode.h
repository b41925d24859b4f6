// How one style (or a style's font or user attributes) is merged into another.
#pragma once

#include "framework/core/AfxDefs.h"

enum GEStyleMergeMode : UINT {
    geOverride = 0, // every attribute the source includes replaces this one's
    geApplyNew = 1, // an attribute is taken only when this one does not include it yet
    geCopy = 2,     // this one becomes a copy of the source
    geExclude = 3,  // every attribute the source includes is removed from this one
};
