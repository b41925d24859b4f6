// An application-wide object whose Startup runs as the last step of the engine's start-up.
#pragma once

#include "framework/core/CObject.h"

class CGEAbstractStartupHook : public CObject {
public:
    virtual void Startup() = 0;

protected:
    CGEAbstractStartupHook() = default;
};
