// The style-serialisation feature: archives cell styles and their parts. Application-wide; styles forward
// their archive operations to it and do nothing when it is not installed.
#pragma once

#include "framework/core/CObject.h"

class CArchive;
class CGEFont;
class CGELinePen;
class CGEStyle;
class CGEStyleBrush;
class CGEStylesMap;

class CGEAbstractStyleSerializeImp : public CObject {
public:
    virtual void SerializeFont(CGEFont& font, CArchive& ar) = 0;
    virtual void SerializeBrush(CGEStyleBrush& brush, CArchive& ar) = 0;
    virtual void SerializePen(CGELinePen& pen, CArchive& ar) = 0;
    // pStylesMap null: the archive's document pointer when it is a styles map.
    virtual void SerializeStyle(CGEStyle& style, CArchive& ar, const CGEStylesMap* pStylesMap) = 0;

protected:
    CGEAbstractStyleSerializeImp() = default;
};
