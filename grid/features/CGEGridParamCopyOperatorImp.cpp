#include "grid/features/CGEGridParamCopyOperatorImp.h"

#include "grid/core/CGEAbstractDelayedRangePoolImp.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/features/CGEParamSettings.h"
#include "grid/features/CGEPrintDevice.h"
#include "grid/features/GEInstallAppFeature.h"

#include <memory>

namespace {

using Group = CGEParamSettings::Group;

// A copy of a pool made through its application-wide feature; null without the pool or the feature.
template <class TPool, class TImp> TPool* PoolCopy(const TPool* pSrc, TImp* pImp) {
    return pSrc != nullptr && pImp != nullptr ? pImp->CreatePoolCopy(*pSrc) : nullptr;
}

template <class T> void Replace(T*& pHeld, T* pNew) {
    delete pHeld;
    pHeld = pNew;
}

} // namespace

void CGEGridParamCopyOperatorImp::CopyParam(CGEGridParam& dst, const CGEGridParam& src) {
    if (&dst == &src)
        return;
    CopyParts(dst, src);
    for (Group group : {Group::head, Group::afterName})
        CGEParamSettings::Copy(dst, src, group);
    dst.m_strName = src.m_strName;
    // Every part dst holds now is its own copy (the settings above brought src's owns-flags).
    dst.m_bOwnStylesMap = dst.m_pStylesMap != nullptr;
    dst.m_bOwnData = dst.m_pData != nullptr;
    dst.m_bOwnProperties = dst.m_pProperties != nullptr;
    dst.m_bOwnPrintDevice = dst.m_pPrintDevice != nullptr;

    dst.m_SelectedRanges = src.m_SelectedRanges;
    dst.m_CoveredRanges = src.m_CoveredRanges;
    dst.RebuildSpanCellPool();
    dst.m_RowHeights = src.m_RowHeights;
    dst.m_ColWidths = src.m_ColWidths;
    dst.m_abHiddenRows.RemoveAll();
    dst.m_abHiddenRows.Append(src.m_abHiddenRows);
    dst.m_abHiddenCols.RemoveAll();
    dst.m_abHiddenCols.Append(src.m_abHiddenCols);

    for (Group group : {Group::schema2, Group::schema3, Group::schema4, Group::schema5, Group::schema6})
        CGEParamSettings::Copy(dst, src, group);
    CopyPools(dst, src);
    for (Group group : {Group::schema6Tail, Group::schema8, Group::schema9})
        CGEParamSettings::Copy(dst, src, group);
}

void CGEGridParamCopyOperatorImp::CopyParts(CGEGridParam& dst, const CGEGridParam& src) {
    // The copies are made before dst lets go of its own parts, so a part src borrows from dst survives.
    std::unique_ptr<CGEStylesMap> pStylesMap;
    if (src.m_pStylesMap != nullptr) {
        pStylesMap = std::make_unique<CGEStylesMap>();
        CopyStylesMap(*pStylesMap, *src.m_pStylesMap);
    }
    std::unique_ptr<CGEData> pData;
    if (src.m_pData != nullptr) {
        pData = std::make_unique<CGEData>();
        *pData = *src.m_pData;
    }
    std::unique_ptr<CGEProperties> pProperties;
    if (src.m_pProperties != nullptr) {
        pProperties = std::make_unique<CGEProperties>();
        CopyProperties(*pProperties, *src.m_pProperties);
    }
    std::unique_ptr<CGEPrintDevice> pPrintDevice;
    if (const auto* pSrcDevice = dynamic_cast<const CGEPrintDevice*>(src.m_pPrintDevice)) {
        pPrintDevice = std::make_unique<CGEPrintDevice>();
        *pPrintDevice = *pSrcDevice;
    }
    dst.SetStylesMap(pStylesMap.release());
    dst.SetData(pData.release());
    dst.SetProperties(pProperties.release());
    if (dst.m_bOwnPrintDevice)
        delete dst.m_pPrintDevice;
    dst.m_pPrintDevice = pPrintDevice.release();
}

void CGEGridParamCopyOperatorImp::CopyPools(CGEGridParam& dst, const CGEGridParam& src) {
    CGELibraryState* pState = GEGetLibraryState();
    CGEAbstractDelayedRangePoolImp* pDelayImp = pState->m_pDelayedRangePoolImp;
    CGEAbstractSpanCellPoolImp* pSpanImp = pState->m_pSpanCellPoolImp;
    dst.m_wFloatCellsMode = src.m_wFloatCellsMode;
    Replace(dst.m_pFloatDelayPool, PoolCopy(src.m_pFloatDelayPool, pDelayImp));
    Replace(dst.m_pFloatPool, PoolCopy(src.m_pFloatPool, pSpanImp));
    dst.m_wMergeCellsMode = src.m_wMergeCellsMode;
    Replace(dst.m_pMergeDelayPool, PoolCopy(src.m_pMergeDelayPool, pDelayImp));
    Replace(dst.m_pHorzMergePool, PoolCopy(src.m_pHorzMergePool, pSpanImp));
    Replace(dst.m_pVertMergePool, PoolCopy(src.m_pVertMergePool, pSpanImp));
}

void CGEGridParamCopyOperatorImp::CopyStylesMap(CGEStylesMap& dst, const CGEStylesMap& src) {
    if (&dst == &src)
        return;
    dst.RemoveAll();
    dst.m_strName = src.m_strName;
    dst.SetStyleClass(src.GetStyleClass());
    for (INT_PTR i = 0; i < src.GetCount(); ++i) {
        const CGEStylesMap::BaseStyle& entry = src.GetBaseStyleAt(i);
        dst.SetBaseStyle(entry.id, entry.resourceId, entry.name,
                         std::unique_ptr<CGEStyle>(entry.style->Clone()), entry.system);
    }
    dst.SetNextFreeId(src.GetNextFreeId());
    for (INT_PTR i = 0; i < src.GetUserAttributeCount(); ++i) {
        const CGEStylesMap::UserAttribute& entry = src.GetUserAttributeAt(i);
        dst.SetUserAttribute(
            entry.id, entry.name,
            std::unique_ptr<CGEStyle>(entry.style != nullptr ? entry.style->Clone() : nullptr));
    }
    for (const auto& [nId, text] : src.GetIdTexts())
        dst.SetIdText(nId, text);
    dst.UpdateStandardStyleIds();
}

void CGEGridParamCopyOperatorImp::CopyProperties(CGEProperties& dst, const CGEProperties& src) {
    dst.CopyFrom(src);
}

void GEInstallGridParamCopyOperator() {
    GEInstallAppFeature<CGEGridParamCopyOperatorImp>(GEGetLibraryState()->m_pParamCopyOperatorImp);
}
