// CGEGridParamCopyOperatorImp: assignment of grid parameter objects, properties and styles maps, deep: the
// copy holds parts of its own and shares nothing with the source. Application-wide.
#pragma once

#include "grid/core/CGEAbstractGridParamCopyOperatorImp.h"

class CGEGridParamCopyOperatorImp : public CGEAbstractGridParamCopyOperatorImp {
public:
    // dst's owned parts are deleted; every part src holds (owned or borrowed) is copied into a new part
    // that dst owns. The settings, ranges, sizes, hidden lines and span pools follow src.
    void CopyParam(CGEGridParam& dst, const CGEGridParam& src) override;
    // Empties dst, then copies the style class, every base style with its id, resource id, name and
    // system flag, the user attributes, the id texts and the next free id.
    void CopyStylesMap(CGEStylesMap& dst, const CGEStylesMap& src) override;
    void CopyProperties(CGEProperties& dst, const CGEProperties& src) override;

protected:
    void CopyParts(CGEGridParam& dst, const CGEGridParam& src);
    void CopyPools(CGEGridParam& dst, const CGEGridParam& src);
};

// Installs the parameter copy into the engine state once (kept until the program ends).
void GEInstallGridParamCopyOperator();
