// The archive form of the grid properties: colours, display flags, zoom, user properties, print settings,
// page breaks and the header and footer blocks.
#include "grid/core/CGEData.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGEGridDocSerializeImp.h"
#include "grid/features/GEArchiveSchema.h"

#include <memory>

namespace {

constexpr WORD kPropertiesSchema = 3;

// A 32-bit setting stored as a DWORD.
template <class T> void SerializeDWord(CArchive& ar, T& value) {
    static_assert(sizeof(T) == 4);
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(value);
    } else {
        DWORD d = 0;
        ar >> d;
        value = static_cast<T>(d);
    }
}

// A 32-bit setting stored as a WORD.
template <class T> void SerializeWord(CArchive& ar, T& value) {
    if (ar.IsStoring()) {
        ar << static_cast<WORD>(value);
    } else {
        WORD w = 0;
        ar >> w;
        value = static_cast<T>(w);
    }
}

// The stored colour table, laid over the current one: as many entries as the properties name (all of
// the current ones when no names are known); entries the archive lacks keep their current colour.
void LoadColorTable(CGEProperties& props, const CDWordArray& loaded) {
    const INT_PTR nNames = props.m_ColorNames.GetSize();
    const INT_PTR nWanted = nNames > 0 ? nNames : props.m_ColorTable.GetSize();
    props.m_ColorTable.SetSize(nWanted);
    for (INT_PTR i = 0; i < nWanted && i < loaded.GetSize(); ++i)
        props.m_ColorTable[i] = loaded[i];
}

} // namespace

void CGEGridDocSerializeImp::SerializeProperties(CGEProperties* pProperties, CArchive& ar) {
    CGEProperties& props = *pProperties;
    const WORD nSchema = GESerializeSchema(ar, kPropertiesSchema);
    if (ar.IsStoring()) {
        props.m_ColorTable.Serialize(ar);
        CStringArray().Serialize(ar);
    } else {
        CDWordArray colors;
        colors.Serialize(ar);
        CStringArray ignored;
        ignored.Serialize(ar);
        LoadColorTable(props, colors);
    }
    for (BOOL* pFlag : {&props.m_bDisplayVertLines, &props.m_bDisplayHorzLines, &props.m_b3dHeaders,
                        &props.m_bMarkRowHeader, &props.m_bMarkColHeader})
        GESerializeFlag(ar, *pFlag);
    if (ar.IsStoring())
        ar << props.m_strSection;
    else
        ar >> props.m_strSection;
    SerializeDWord(ar, props.m_nZoom);
    if (!ar.IsStoring() && (props.m_nZoom < 1 || props.m_nZoom > 10000))
        GEThrowDamagedArchive();
    SerializeUserProperties(props, ar);
    SerializePrintSettings(props, ar);
    SerializeWord(ar, props.m_bFrozenRowLine);
    SerializeWord(ar, props.m_bFrozenColLine);
    if (nSchema >= 3) {
        props.m_ColBreaks.Serialize(ar);
        props.m_RowBreaks.Serialize(ar);
    }
    SerializeData(props.m_pFooterData.get(), ar);
    SerializeData(props.m_pHeaderData.get(), ar);
    if (nSchema == 2)
        SerializeDWord(ar, props.m_bPrintColHeaders);
}

void CGEGridDocSerializeImp::SerializeUserProperties(CGEProperties& props, CArchive& ar) {
    if (ar.IsStoring()) {
        for (const auto& [nId, entry] : props.GetUserProperties()) {
            if (nId == 0)
                continue; // 0 ends the list
            ar << static_cast<DWORD>(nId) << entry.strName;
            ar.WriteOwnedObject(entry.pStyle.get());
        }
        ar << DWORD{0};
        return;
    }
    for (;;) {
        DWORD nId = 0;
        ar >> nId;
        if (nId == 0)
            break;
        if (nId > 0xFFFF)
            GEThrowDamagedArchive();
        CString name;
        ar >> name;
        std::unique_ptr<CGEStyle> pStyle(static_cast<CGEStyle*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGEStyle))));
        CGEProperties::UserProperty& entry = props.GetUserProperties()[static_cast<WORD>(nId)];
        // A known id keeps its name and gets the stored style.
        if (entry.nId == 0) {
            entry.nId = static_cast<WORD>(nId);
            entry.strName = name;
        }
        entry.pStyle = std::move(pStyle);
    }
}

void CGEGridDocSerializeImp::SerializePrintSettings(CGEProperties& props, CArchive& ar) {
    SerializeDWord(ar, props.m_bPrintVertLines);
    SerializeDWord(ar, props.m_bPrintHorzLines);
    SerializeDWord(ar, props.m_nPageOrder);
    SerializeDWord(ar, props.m_bBlackWhite);
    SerializeDWord(ar, props.m_bPrintRowHeaders);
    SerializeDWord(ar, props.m_bCenterVertical);
    SerializeDWord(ar, props.m_bCenterHorizontal);
    SerializeDWord(ar, props.m_nTopMargin);
    SerializeDWord(ar, props.m_nLeftMargin);
    SerializeDWord(ar, props.m_nRightMargin);
    SerializeDWord(ar, props.m_nBottomMargin);
    SerializeDWord(ar, props.m_bPrintFrame);
    SerializeDWord(ar, props.m_nHeaderDistance);
    SerializeDWord(ar, props.m_nFooterDistance);
    SerializeDWord(ar, props.m_nFirstPage);
}
