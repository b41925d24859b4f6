// The archive forms of the styles map, the cell data and its style arrays, and the installer.
#include "grid/features/CGEGridDocSerializeImp.h"

#include "grid/core/CGEData.h"
#include "grid/core/CGEDelayedRangePoolImp.h"
#include "grid/core/CGESpanCellPoolImp.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylePtrArray.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/features/CGEStyleSerializeImp.h"
#include "grid/features/GEArchiveSchema.h"
#include "grid/features/GEInstallAppFeature.h"

#include <memory>
#include <vector>

namespace {

constexpr WORD kStylesMapSchema = 2;
constexpr WORD kDataSchema = 1;
constexpr WORD kArraySchema = 1;
constexpr DWORD kEndOfEntries = 0xFFFFFFFF;

// The text of a string resource, or the fallback format with the id when there is none.
CString ResourceTextOr(UINT nId, const char* pszFallback) {
    CString text;
    if (!text.LoadString(nId))
        text.Format(pszFallback, nId);
    return text;
}

// A style read into a new object of the map's style class.
std::unique_ptr<CGEStyle> ReadStyle(CGEStylesMap& map, CArchive& ar) {
    std::unique_ptr<CGEStyle> pStyle(map.CreateStyle());
    pStyle->SerializeWithMap(ar, &map);
    return pStyle;
}

void WriteBaseStyles(const CGEStylesMap& map, CArchive& ar) {
    const WORD n = static_cast<WORD>(map.GetCount());
    // The name index, rebuilt by the reader from the base styles themselves.
    ar << n;
    for (INT_PTR i = 0; i < n; ++i)
        ar << static_cast<WORD>(map.GetBaseStyleAt(i).id) << map.GetBaseStyleAt(i).name;
    ar << n;
    for (INT_PTR i = 0; i < n; ++i) {
        const CGEStylesMap::BaseStyle& entry = map.GetBaseStyleAt(i);
        ar << static_cast<WORD>(entry.id) << static_cast<DWORD>(entry.resourceId) << entry.name;
        ar << static_cast<BYTE>(entry.system ? 1 : 0);
        entry.style->SerializeWithMap(ar, &map);
    }
}

void ReadBaseStyles(CGEStylesMap& map, CArchive& ar) {
    WORD n = 0;
    ar >> n;
    for (WORD i = 0; i < n; ++i) {
        WORD id = 0;
        CString name;
        ar >> id >> name;
    }
    ar >> n;
    for (WORD i = 0; i < n; ++i) {
        WORD id = 0;
        DWORD resourceId = 0;
        CString name;
        BYTE system = 0;
        ar >> id >> resourceId >> name >> system;
        if (id == 0 || id > CGEStylesMap::maxStyleId)
            GEThrowDamagedArchive();
        std::unique_ptr<CGEStyle> pStyle = ReadStyle(map, ar);
        if (resourceId != 0)
            name = ResourceTextOr(resourceId, "STYLE%u");
        map.SetBaseStyle(id, resourceId, name, std::move(pStyle), system != 0);
    }
}

void WriteUserAttributes(const CGEStylesMap& map, CArchive& ar) {
    ar << static_cast<WORD>(map.GetUserAttributeCount());
    for (INT_PTR i = 0; i < map.GetUserAttributeCount(); ++i) {
        const CGEStylesMap::UserAttribute& entry = map.GetUserAttributeAt(i);
        ar << static_cast<DWORD>(entry.id);
        // An attribute edited as plain text is stored with an empty style.
        CGEStyle empty;
        (entry.style != nullptr ? *entry.style : empty).SerializeWithMap(ar, &map);
    }
}

void ReadUserAttributes(CGEStylesMap& map, CArchive& ar) {
    WORD n = 0;
    ar >> n;
    for (WORD i = 0; i < n; ++i) {
        DWORD id = 0;
        ar >> id;
        std::unique_ptr<CGEStyle> pStyle = ReadStyle(map, ar);
        if (pStyle->GetIncludeMask() == 0)
            pStyle.reset();
        map.SetUserAttribute(id, ResourceTextOr(id & 0xFFFF, "UA%u"), std::move(pStyle));
    }
}

// Reads the index of the next entry of an array form: kEndOfEntries ends it; an index at or beyond the
// element count or past nMaxIndex is refused.
bool ReadEntryIndex(CArchive& ar, DWORD nCount, DWORD nMaxIndex, DWORD& nIndex) {
    ar >> nIndex;
    if (nIndex == kEndOfEntries)
        return false;
    if (nIndex >= nCount || nIndex > nMaxIndex)
        AfxThrowArchiveException(CArchiveException::badIndex);
    return true;
}

} // namespace

void CGEGridDocSerializeImp::SerializeStylesMap(CGEStylesMap* pStylesMap, CArchive& ar) {
    CGEStylesMap& map = *pStylesMap;
    if (ar.IsStoring()) {
        GESerializeSchema(ar, kStylesMapSchema);
        ar << map.m_strName;
        ar << static_cast<WORD>(map.GetIdTexts().size());
        for (const auto& [id, text] : map.GetIdTexts())
            ar << id << text;
        WriteBaseStyles(map, ar);
        ar << static_cast<WORD>(map.GetNextFreeId());
        WriteUserAttributes(map, ar);
        return;
    }
    const WORD nSchema = GESerializeSchema(ar, kStylesMapSchema);
    map.RemoveAll();
    ar >> map.m_strName;
    WORD n = 0;
    ar >> n;
    for (WORD i = 0; i < n; ++i) {
        DWORD id = 0;
        CString text;
        ar >> id >> text;
        map.SetIdText(id, text);
    }
    ReadBaseStyles(map, ar);
    WORD nNextId = 0;
    ar >> nNextId;
    map.SetNextFreeId(nNextId);
    if (nSchema >= 2)
        ReadUserAttributes(map, ar);
    map.UpdateStandardStyleIds();
}

void CGEGridDocSerializeImp::SerializeData(CGEData* pData, CArchive& ar) {
    CGEData& data = *pData;
    if (ar.IsStoring()) {
        GESerializeSchema(ar, kDataSchema);
        ar << static_cast<DWORD>(data.m_nRows) << static_cast<DWORD>(data.m_nCols);
    } else {
        GESerializeSchema(ar, kDataSchema);
        DWORD nRows = 0, nCols = 0;
        ar >> nRows >> nCols;
        data.m_apapCellStyle.DeleteAll();
        data.m_apRowBaseStyle.DeleteAll();
        data.m_apColBaseStyle.DeleteAll();
        data.m_nRows = nRows;
        data.m_nCols = nCols;
    }
    // Row r of the cells is at index r, column c of a row at index c; the row styles by row, the column
    // styles by column (the table style at 0).
    SerializeRows(data.m_apapCellStyle, ar, data.m_nRows, data.m_nCols);
    SerializeStyles(data.m_apRowBaseStyle, ar, data.m_nRows);
    SerializeStyles(data.m_apColBaseStyle, ar, data.m_nCols);
}

void CGEGridDocSerializeImp::SerializeStylePtrArrayPtrArray(CGEStylePtrArrayPtrArray* pArray, CArchive& ar) {
    SerializeRows(*pArray, ar, kEndOfEntries - 1, kEndOfEntries - 1);
}

void CGEGridDocSerializeImp::SerializeStylePtrArray(CGEStylePtrArray* pArray, CArchive& ar) {
    SerializeStyles(*pArray, ar, kEndOfEntries - 1);
}

void CGEGridDocSerializeImp::SerializeRows(CGEStylePtrArrayPtrArray& rows, CArchive& ar, DWORD nMaxRow,
                                           DWORD nMaxCol) {
    if (ar.IsStoring()) {
        GESerializeSchema(ar, kArraySchema);
        ar << static_cast<DWORD>(rows.GetSize());
        for (INT_PTR i = 0; i < rows.GetSize(); ++i) {
            if (CGEStylePtrArray* pRow = rows.GetRow(static_cast<ROWCOL>(i))) {
                ar << static_cast<DWORD>(i);
                SerializeStyles(*pRow, ar, nMaxCol);
            }
        }
        ar << kEndOfEntries;
        return;
    }
    GESerializeSchema(ar, kArraySchema);
    DWORD nCount = 0;
    ar >> nCount;
    rows.DeleteAll();
    // Rows grow as they are named, so a damaged count alone allocates nothing.
    DWORD nIndex = 0;
    while (ReadEntryIndex(ar, nCount, nMaxRow, nIndex))
        SerializeStyles(*rows.GetOrAddRow(nIndex), ar, nMaxCol);
}

void CGEGridDocSerializeImp::SerializeStyles(CGEStylePtrArray& styles, CArchive& ar, DWORD nMaxIndex) {
    if (ar.IsStoring()) {
        GESerializeSchema(ar, kArraySchema);
        ar << static_cast<DWORD>(styles.GetSize());
        for (INT_PTR i = 0; i < styles.GetSize(); ++i) {
            if (const CGEStyle* pStyle = styles.GetStyle(static_cast<ROWCOL>(i))) {
                ar << static_cast<DWORD>(i);
                ar.WriteOwnedObject(pStyle);
            }
        }
        ar << kEndOfEntries;
        return;
    }
    GESerializeSchema(ar, kArraySchema);
    DWORD nCount = 0;
    ar >> nCount;
    styles.DeleteAll();
    DWORD nIndex = 0;
    while (ReadEntryIndex(ar, nCount, nMaxIndex, nIndex)) {
        std::unique_ptr<CGEStyle> pStyle(static_cast<CGEStyle*>(ar.ReadOwnedObject(RUNTIME_CLASS(CGEStyle))));
        styles.SetStyle(nIndex, pStyle.release());
    }
}

void GEInstallGridDocSerialize() {
    GEInstallAppFeature<CGEGridDocSerializeImp>(GEGetLibraryState()->m_pDocSerializeImp);
    GEInstallStyleSerialize();
    GEInstallSpanCellPool();
    GEInstallDelayedRangePool();
}
