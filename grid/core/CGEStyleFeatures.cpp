#include "grid/core/CGEStyleFeatures.h"

CGEStyleFeatures& GEGetStyleFeatures() {
    static CGEStyleFeatures features;
    return features;
}
