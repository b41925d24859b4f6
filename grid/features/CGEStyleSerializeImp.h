// CGEStyleSerializeImp: the application-wide archive form of cell styles and their parts (fonts, brushes,
// pens). Styles, fonts, brushes and pens forward their archive operations here; the forms themselves are
// the classes' own.
#pragma once

#include "grid/core/CGEAbstractStyleSerializeImp.h"

class CGEStyleSerializeImp : public CGEAbstractStyleSerializeImp {
public:
    void SerializeFont(CGEFont& font, CArchive& ar) override;
    void SerializeBrush(CGEStyleBrush& brush, CArchive& ar) override;
    void SerializePen(CGELinePen& pen, CArchive& ar) override;
    // pStylesMap null: the styles map in the archive's document pointer, when one was put there.
    void SerializeStyle(CGEStyle& style, CArchive& ar, const CGEStylesMap* pStylesMap) override;
};

// Installs the style archive form into the engine state once (kept until the program ends).
void GEInstallStyleSerialize();
