// The update hint the document passes to its views when its lists changed: a view that receives one
// reloads its rows.
#pragma once

#include "framework/core/CObject.h"

class CLogHint : public CObject {
    DECLARE_DYNAMIC(CLogHint)
public:
    CLogHint() = default;
};
