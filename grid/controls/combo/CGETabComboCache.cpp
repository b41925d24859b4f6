#include "grid/controls/combo/CGETabComboCache.h"

#include "framework/core/CMapStringToString.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <cstdlib>

namespace {

int AttributeNumber(const CGEStyle& style, WORD nId, int nDefault) {
    return style.HasUserAttribute(nId) ? std::atoi(style.GetUserAttribute(nId).GetValueText()) : nDefault;
}

} // namespace

CMapStringToString* CGETabComboCache::BuildMap(const CString& strChoices, int nColumn, BOOL bSkipTitle) {
    auto* pMap = new CMapStringToString(10);
    pMap->InitHashTable(257);
    CString strRest = strChoices;
    CString strLine;
    if (bSkipTitle && !strRest.IsEmpty())
        CutFirstLine(strRest, strLine);
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strLine);
        pMap->SetAt(CopyTabField(strLine, nColumn), strLine);
    }
    return pMap;
}

CMapStringToString* CGETabComboCache::GetMap(BOOL bKeys, int nId, const CGEStyle& style) {
    if (m_pParam == nullptr || nId < 1)
        return nullptr;
    CPtrArray& maps = bKeys ? m_pParam->m_apTabComboKeys : m_pParam->m_apTabComboTexts;
    if (maps.GetSize() <= nId)
        maps.SetSize(nId + 1);
    auto* pMap = static_cast<CMapStringToString*>(maps.GetAt(nId));
    if (pMap == nullptr) {
        const int nColumn =
            AttributeNumber(style, bKeys ? GE_IDS_UA_TABLIST_KEYCOL : GE_IDS_UA_TABLIST_TEXTCOL, 0);
        pMap = BuildMap(style.GetIncludeChoiceList() ? style.GetChoiceList() : CString(), nColumn,
                        AttributeNumber(style, GE_IDS_UA_TABLIST_TITLES, 0) != 0);
        maps.SetAt(nId, pMap);
    }
    return pMap;
}

CMapStringToString* CGETabComboCache::GetKeyMap(int nId, const CGEStyle& style) {
    return GetMap(TRUE, nId, style);
}

CMapStringToString* CGETabComboCache::GetTextMap(int nId, const CGEStyle& style) {
    return GetMap(FALSE, nId, style);
}

BOOL CGETabComboCache::Lookup(CMapStringToString* pMap, LPCSTR pszText, CString& strLine) {
    return pMap != nullptr && pMap->Lookup(CString(pszText), strLine);
}

void CGETabComboCache::Clear(int nId) {
    if (m_pParam == nullptr || nId == 0 || nId < -1)
        return;
    for (CPtrArray* pMaps : {&m_pParam->m_apTabComboKeys, &m_pParam->m_apTabComboTexts}) {
        if (nId == -1) {
            for (INT_PTR i = 0; i < pMaps->GetSize(); ++i)
                delete static_cast<CMapStringToString*>(pMaps->GetAt(i));
            pMaps->RemoveAll();
        } else if (nId < pMaps->GetSize()) {
            delete static_cast<CMapStringToString*>(pMaps->GetAt(nId));
            pMaps->SetAt(nId, nullptr);
        }
    }
    ++m_pParam->m_dwTabComboGeneration;
}

DWORD CGETabComboCache::GetGeneration() const {
    return m_pParam != nullptr ? m_pParam->m_dwTabComboGeneration : 0;
}
