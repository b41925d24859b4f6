// The archive form of the parameter object: its settings, the parts it owns, its ranges, sizes, hidden
// lines and the pools of floating and merged cells.
#include "grid/core/CGEData.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGEStylesMap.h"
#include "grid/core/CGEAbstractSpanCellPoolImp.h"
#include "grid/features/CGEGridDocSerializeImp.h"
#include "grid/features/CGEGridFloatCellsImp.h"
#include "grid/features/CGEGridMergeCellsImp.h"
#include "grid/features/CGEParamSettings.h"
#include "grid/features/CGEPrintDevice.h"
#include "grid/features/GEArchiveSchema.h"

#include <memory>

namespace {

using Group = CGEParamSettings::Group;

constexpr WORD kParamSchema = 9;

// Points the archive's document pointer at the styles map while nested styles are read or written, so
// that they find their base styles; puts the former pointer back.
class StylesMapInArchive {
public:
    StylesMapInArchive(CArchive& ar, CGEStylesMap* pStylesMap) : m_ar(ar), m_pSaved(ar.m_pDocument) {
        if (pStylesMap != nullptr)
            ar.m_pDocument = reinterpret_cast<CDocument*>(static_cast<CObject*>(pStylesMap));
    }
    ~StylesMapInArchive() { m_ar.m_pDocument = m_pSaved; }
    StylesMapInArchive(const StylesMapInArchive&) = delete;
    StylesMapInArchive& operator=(const StylesMapInArchive&) = delete;

private:
    CArchive& m_ar;
    CDocument* m_pSaved;
};

// An owned part: written when owned; read into a new object when the archive says it was owned, the
// owns-flag set only once the part is there (so a damaged archive never leaves a borrowed part owned).
template <class P>
void SerializeOwned(CArchive& ar, const CRuntimeClass* pClass, P*& pPart, BOOL& bOwn, BOOL bStoredOwn) {
    if (ar.IsStoring()) {
        if (bOwn)
            ar.WriteOwnedObject(pPart);
        return;
    }
    if (!bStoredOwn)
        return;
    CObject* pLoaded = ar.ReadOwnedObject(pClass);
    if (pLoaded == nullptr)
        return;
    pPart = static_cast<P*>(pLoaded);
    bOwn = TRUE;
}

// A pool written with the object form, null allowed; loading replaces the pool held.
template <class T> void SerializePool(CArchive& ar, const CRuntimeClass* pClass, T*& pPool) {
    if (ar.IsStoring()) {
        ar.WriteOwnedObject(pPool);
        return;
    }
    std::unique_ptr<T> pLoaded(static_cast<T*>(ar.ReadOwnedObject(pClass)));
    delete pPool;
    pPool = pLoaded.release();
}

void SerializeMode(CArchive& ar, WORD& wMode, BOOL (*isValid)(WORD)) {
    if (ar.IsStoring()) {
        ar << wMode;
        return;
    }
    WORD w = 0;
    ar >> w;
    // A mode the span features do not know would evaluate cells without the pools it needs.
    if (!isValid(w))
        GEThrowDamagedArchive();
    wMode = w;
}

// Deletes a delayed pool's span pools and replaces them by empty ones, then records the whole table as
// pending, so that the spans are evaluated again.
void ReevaluateAll(CGEDelayedRangePool* pDelay, std::initializer_list<CGESpanCellPool**> pools) {
    if (pDelay == nullptr)
        return;
    CGEAbstractSpanCellPoolImp* pSpanImp = GEGetLibraryState()->m_pSpanCellPoolImp;
    for (CGESpanCellPool** ppPool : pools) {
        delete *ppPool;
        *ppPool = pSpanImp != nullptr ? pSpanImp->CreatePool() : nullptr;
    }
    pDelay->DelayRange(CGECellRange().SetTable());
}

void ClearOwnsFlags(CGEGridParam& param) {
    param.m_bOwnStylesMap = param.m_bOwnData = param.m_bOwnProperties = param.m_bOwnPrintDevice = FALSE;
}

// Deletes the parts the parameter object owns before it is loaded.
void DeleteOwnedParts(CGEGridParam& param) {
    if (param.m_bOwnStylesMap)
        param.SetStylesMap(nullptr);
    if (param.m_bOwnData)
        param.SetData(nullptr);
    if (param.m_bOwnProperties)
        param.SetProperties(nullptr);
    if (param.m_bOwnPrintDevice) {
        delete param.m_pPrintDevice;
        param.m_pPrintDevice = nullptr;
    }
    ClearOwnsFlags(param);
}

// Settings read raw from an archive brought back to what the grid can work with.
void Normalize(CGEGridParam& param) {
    param.SetDefaultRowHeight(param.m_nDefaultRowHeight);
    param.SetDefaultColWidth(param.m_nDefaultColWidth);
    param.SetFrozenRows(param.m_nFrozenRows, param.m_nHeaderRows);
    param.SetFrozenCols(param.m_nFrozenCols, param.m_nHeaderCols);
}

} // namespace

void CGEGridDocSerializeImp::SerializeParam(CGEGridParam* pParam, CArchive& ar) {
    CGEGridParam& param = *pParam;
    const WORD nSchema = GESerializeSchema(ar, kParamSchema);
    if (ar.IsLoading())
        DeleteOwnedParts(param);
    // The owns-flags are among these settings: until the parts are read they must not claim a part that
    // is borrowed.
    try {
        CGEParamSettings::Serialize(param, Group::head, ar);
        if (ar.IsStoring())
            ar << param.m_strName;
        else
            ar >> param.m_strName;
        CGEParamSettings::Serialize(param, Group::afterName, ar);
    } catch (...) {
        if (ar.IsLoading())
            ClearOwnsFlags(param);
        throw;
    }
    // Loading: the owns-flags read above say which parts follow; each is owned once it is read.
    const BOOL stored[4] = {param.m_bOwnStylesMap, param.m_bOwnData, param.m_bOwnProperties,
                            param.m_bOwnPrintDevice};
    if (ar.IsLoading())
        ClearOwnsFlags(param);
    SerializeParamObjects(param, ar, stored);
    param.m_SelectedRanges.Serialize(ar);
    param.m_CoveredRanges.Serialize(ar);
    if (ar.IsLoading())
        param.RebuildSpanCellPool();
    param.m_RowHeights.Serialize(ar);
    param.m_ColWidths.Serialize(ar);
    param.m_abHiddenRows.Serialize(ar);
    param.m_abHiddenCols.Serialize(ar);
    const std::pair<WORD, Group> groups[] = {{2, Group::schema2},
                                             {3, Group::schema3},
                                             {4, Group::schema4},
                                             {5, Group::schema5},
                                             {6, Group::schema6}};
    for (const auto& [nFrom, group] : groups)
        if (nSchema >= nFrom)
            CGEParamSettings::Serialize(param, group, ar);
    if (nSchema >= 6) {
        SerializeParamPools(param, ar, nSchema);
        CGEParamSettings::Serialize(param, Group::schema6Tail, ar);
    }
    if (nSchema >= 8)
        CGEParamSettings::Serialize(param, Group::schema8, ar);
    if (nSchema >= 9)
        CGEParamSettings::Serialize(param, Group::schema9, ar);
    if (ar.IsLoading())
        Normalize(param);
}

void CGEGridDocSerializeImp::SerializeParamObjects(CGEGridParam& param, CArchive& ar,
                                                   const BOOL (&stored)[4]) {
    SerializeOwned(ar, RUNTIME_CLASS(CGEStylesMap), param.m_pStylesMap, param.m_bOwnStylesMap, stored[0]);
    {
        StylesMapInArchive scope(ar, param.m_pStylesMap);
        SerializeOwned(ar, RUNTIME_CLASS(CGEData), param.m_pData, param.m_bOwnData, stored[1]);
        SerializeOwned(ar, RUNTIME_CLASS(CGEProperties), param.m_pProperties, param.m_bOwnProperties,
                       stored[2]);
    }
    SerializeOwned(ar, RUNTIME_CLASS(CGEPrintDevice), param.m_pPrintDevice, param.m_bOwnPrintDevice,
                   stored[3]);
}

void CGEGridDocSerializeImp::SerializeParamPools(CGEGridParam& param, CArchive& ar, WORD nSchema) {
    SerializeMode(ar, param.m_wFloatCellsMode, &CGEGridFloatCellsImp::IsValidMode);
    SerializePool(ar, RUNTIME_CLASS(CGEDelayedRangePool), param.m_pFloatDelayPool);
    SerializePool(ar, RUNTIME_CLASS(CGESpanCellPool), param.m_pFloatPool);
    SerializeMode(ar, param.m_wMergeCellsMode, &CGEGridMergeCellsImp::IsValidMode);
    SerializePool(ar, RUNTIME_CLASS(CGEDelayedRangePool), param.m_pMergeDelayPool);
    SerializePool(ar, RUNTIME_CLASS(CGESpanCellPool), param.m_pHorzMergePool);
    SerializePool(ar, RUNTIME_CLASS(CGESpanCellPool), param.m_pVertMergePool);
    if (ar.IsLoading() && nSchema < 7) {
        ReevaluateAll(param.m_pFloatDelayPool, {&param.m_pFloatPool});
        ReevaluateAll(param.m_pMergeDelayPool, {&param.m_pHorzMergePool, &param.m_pVertMergePool});
    }
}
