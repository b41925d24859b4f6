// Document serialisation (application-wide): the archive forms of the grid's parameter objects.
#pragma once

#include "framework/core/CObject.h"

class CArchive;
class CGEData;
class CGEGridParam;
class CGEProperties;
class CGEStylePtrArray;
class CGEStylePtrArrayPtrArray;
class CGEStylesMap;

class CGEAbstractGridDocSerializeImp : public CObject {
public:
    virtual void SerializeStylesMap(CGEStylesMap* pStylesMap, CArchive& ar) = 0;
    virtual void SerializeData(CGEData* pData, CArchive& ar) = 0;
    virtual void SerializeStylePtrArrayPtrArray(CGEStylePtrArrayPtrArray* pArray, CArchive& ar) = 0;
    virtual void SerializeStylePtrArray(CGEStylePtrArray* pArray, CArchive& ar) = 0;
    virtual void SerializeProperties(CGEProperties* pProperties, CArchive& ar) = 0;
    virtual void SerializeParam(CGEGridParam* pParam, CArchive& ar) = 0;

protected:
    CGEAbstractGridDocSerializeImp() = default;
};
