// CGEGridDocSerializeImp: the archive form of a grid inside a document: the parameter object with the
// styles map, cell data, properties and print device it owns, its ranges, sizes and pools. Every form
// begins with its own schema word; a newer schema than known is refused (badSchema), older ones load with
// defaults for what they lack. Damaged input is refused with the archive exception. Application-wide.
#pragma once

#include "grid/core/CGEAbstractGridDocSerializeImp.h"

class CGEDelayedRangePool;
class CGESpanCellPool;
class CGEStyle;

class CGEGridDocSerializeImp : public CGEAbstractGridDocSerializeImp {
public:
    // Loading empties the map first; base styles and user attributes are read into new styles of the
    // map's style class.
    void SerializeStylesMap(CGEStylesMap* pStylesMap, CArchive& ar) override;
    // The counts, then the cell styles and the row and column base styles; indexes beyond the counts are
    // refused.
    void SerializeData(CGEData* pData, CArchive& ar) override;
    void SerializeStylePtrArrayPtrArray(CGEStylePtrArrayPtrArray* pArray, CArchive& ar) override;
    void SerializeStylePtrArray(CGEStylePtrArray* pArray, CArchive& ar) override;
    void SerializeProperties(CGEProperties* pProperties, CArchive& ar) override;
    // Loading deletes the owned parts first; a part whose owns-flag is clear in the archive stays null.
    void SerializeParam(CGEGridParam* pParam, CArchive& ar) override;

protected:
    // The array forms with a limit for the stored indexes (the element count when used on their own, the
    // row or column count inside cell data).
    void SerializeRows(CGEStylePtrArrayPtrArray& rows, CArchive& ar, DWORD nMaxRow, DWORD nMaxCol);
    void SerializeStyles(CGEStylePtrArray& styles, CArchive& ar, DWORD nMaxIndex);
    // stored: the owns-flags of the styles map, data, properties and print device read from the archive.
    void SerializeParamObjects(CGEGridParam& param, CArchive& ar, const BOOL (&stored)[4]);
    void SerializeParamPools(CGEGridParam& param, CArchive& ar, WORD nSchema);
    void SerializeUserProperties(CGEProperties& props, CArchive& ar);
    void SerializePrintSettings(CGEProperties& props, CArchive& ar);
};

// Installs document serialisation into the engine state once, with the style archive and the span-cell
// and delayed-range pools it relies on.
void GEInstallGridDocSerialize();
