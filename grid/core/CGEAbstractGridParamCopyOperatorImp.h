// Copying grid parameters (application-wide): deep copies of a parameter object and its parts.
#pragma once

#include "framework/core/CObject.h"

class CGEGridParam;
class CGEProperties;
class CGEStylesMap;

class CGEAbstractGridParamCopyOperatorImp : public CObject {
public:
    virtual void CopyParam(CGEGridParam& dst, const CGEGridParam& src) = 0;
    virtual void CopyStylesMap(CGEStylesMap& dst, const CGEStylesMap& src) = 0;
    virtual void CopyProperties(CGEProperties& dst, const CGEProperties& src) = 0;

protected:
    CGEAbstractGridParamCopyOperatorImp() = default;
};
