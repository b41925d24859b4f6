#include "grid/core/CGEGridParam.h"

#include "framework/core/CArchive.h"
#include "grid/core/CGEAbstractCoveredCellPoolImp.h"
#include "grid/core/CGEAbstractGridDocSerializeImp.h"
#include "grid/core/CGEAbstractGridParamCopyOperatorImp.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEDelayedRangePool.h"
#include "grid/core/CGESpanCellPool.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>

IMPLEMENT_SERIAL(CGEGridParam, CObject, 9)

CGEGridParam::CGEGridParam() {
    m_bAlternateLook = GEGetLibraryState()->m_bAlternateLook;
}

CGEGridParam::~CGEGridParam() {
    SetData(nullptr);
    SetProperties(nullptr);
    SetStylesMap(nullptr);
    if (m_bOwnPrintDevice)
        delete m_pPrintDevice;
    m_pPrintDevice = nullptr;
    DeletePools();
    EmptyUndoList();
    EmptyRedoList();
    // The tabbed combo boxes' lookup maps (framework objects) by choice-list id.
    for (CPtrArray* pArray : {&m_apTabComboKeys, &m_apTabComboTexts}) {
        for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
            delete static_cast<CObject*>(pArray->GetAt(i));
        pArray->RemoveAll();
    }
}

void CGEGridParam::DeletePools() {
    auto drop = [](auto*& pPool) {
        delete pPool;
        pPool = nullptr;
    };
    drop(m_pFloatPool);
    drop(m_pFloatDelayPool);
    drop(m_pPrintFloatPool);
    drop(m_pPrintFloatDelayPool);
    drop(m_pHorzMergePool);
    drop(m_pVertMergePool);
    drop(m_pMergeDelayPool);
    drop(m_pCoveredCellPool);
}

void CGEGridParam::RebuildSpanCellPool() {
    CGEAbstractCoveredCellPoolImp* pImp = GEGetLibraryState()->m_pCoveredCellPoolImp;
    if (pImp != nullptr && m_pCoveredCellPool != nullptr)
        pImp->RebuildPool(m_pCoveredCellPool, m_CoveredRanges);
}

CGEGridParam& CGEGridParam::operator=(const CGEGridParam& src) {
    if (this != &src) {
        if (CGEAbstractGridParamCopyOperatorImp* pImp = GEGetLibraryState()->m_pParamCopyOperatorImp)
            pImp->CopyParam(*this, src);
    }
    return *this;
}

void CGEGridParam::Serialize(CArchive& ar) {
    if (CGEAbstractGridDocSerializeImp* pImp = GEGetLibraryState()->m_pDocSerializeImp)
        pImp->SerializeParam(this, ar);
}

void CGEGridParam::SetData(CGEData* pData, BOOL bOwn) {
    if (m_pData != pData && m_bOwnData)
        delete m_pData;
    m_pData = pData;
    m_bOwnData = pData != nullptr && bOwn;
}

void CGEGridParam::SetProperties(CGEProperties* pProperties, BOOL bOwn) {
    if (m_pProperties != pProperties && m_bOwnProperties)
        delete m_pProperties;
    m_pProperties = pProperties;
    m_bOwnProperties = pProperties != nullptr && bOwn;
}

void CGEGridParam::SetStylesMap(CGEStylesMap* pStylesMap, BOOL bOwn) {
    if (m_pStylesMap != pStylesMap && m_bOwnStylesMap)
        delete m_pStylesMap;
    m_pStylesMap = pStylesMap;
    m_bOwnStylesMap = pStylesMap != nullptr && bOwn;
}

int CGEGridParam::GetZoom() const {
    return m_pProperties != nullptr && m_pProperties->m_nZoom > 0 ? m_pProperties->m_nZoom : 100;
}

ROWCOL CGEGridParam::GetRowCount() const {
    return m_pData != nullptr ? m_pData->GetRowCount() : 0;
}

ROWCOL CGEGridParam::GetColCount() const {
    return m_pData != nullptr ? m_pData->GetColCount() : 0;
}

void CGEGridParam::SetFrozenRows(ROWCOL nFrozen, ROWCOL nHeader) {
    m_nHeaderRows = nHeader;
    m_nFrozenRows = std::max(nFrozen, nHeader);
}

void CGEGridParam::SetFrozenCols(ROWCOL nFrozen, ROWCOL nHeader) {
    m_nHeaderCols = nHeader;
    m_nFrozenCols = std::max(nFrozen, nHeader);
}

int CGEGridParam::GetStoredRowHeight(ROWCOL nRow) const {
    LONG lHeight = 0;
    return m_RowHeights.Lookup(nRow, lHeight) ? static_cast<int>(lHeight) : m_nDefaultRowHeight;
}

int CGEGridParam::GetStoredColWidth(ROWCOL nCol) const {
    LONG lWidth = 0;
    return m_ColWidths.Lookup(nCol, lWidth) ? static_cast<int>(lWidth) : m_nDefaultColWidth;
}

void CGEGridParam::StoreRowHeight(ROWCOL nRow, int nHeight) {
    if (nHeight < 0)
        m_RowHeights.RemoveKey(nRow);
    else
        m_RowHeights.SetAt(nRow, nHeight);
}

void CGEGridParam::StoreColWidth(ROWCOL nCol, int nWidth) {
    if (nWidth < 0)
        m_ColWidths.RemoveKey(nCol);
    else
        m_ColWidths.SetAt(nCol, nWidth);
}

BOOL CGEGridParam::HasStoredRowHeight(ROWCOL nRow) const {
    LONG lHeight = 0;
    return m_RowHeights.Lookup(nRow, lHeight);
}

BOOL CGEGridParam::HasStoredColWidth(ROWCOL nCol) const {
    LONG lWidth = 0;
    return m_ColWidths.Lookup(nCol, lWidth);
}

namespace {

// Sum of the sizes of lines nFrom..nTo at the zoom: the default for each line without a stored size,
// the stored size for the others, nothing for hidden lines. Costs the stored entries of the run and a
// byte-wise count of the hidden flags, never a step per line.
LONGLONG SumSizes(const CGEMapDWordToLong& sizes, const CGEBitArray& hidden, int nDefault, ROWCOL nFrom,
                  ROWCOL nTo, int nZoom, BOOL bHidden) {
    if (nFrom > nTo)
        return 0;
    const BOOL bAnyHidden = bHidden && hidden.GetBitCapacity() > nFrom;
    LONGLONG nLinesDefault = static_cast<LONGLONG>(nTo) - nFrom + 1;
    LONGLONG sum = 0;
    ROWCOL nHiddenStored = 0;
    const auto& entries = sizes.Entries();
    for (auto it = entries.lower_bound(nFrom); it != entries.end() && it->first <= nTo; ++it) {
        --nLinesDefault;
        if (bAnyHidden && hidden.GetBit(it->first))
            ++nHiddenStored;
        else
            sum += GEZoomSize(static_cast<int>(it->second), nZoom);
    }
    if (bAnyHidden)
        nLinesDefault -= static_cast<LONGLONG>(hidden.CountSet(nFrom, nTo)) - nHiddenStored;
    return sum + nLinesDefault * GEZoomSize(nDefault, nZoom);
}

} // namespace

LONGLONG CGEGridParam::SumRowHeights(ROWCOL nFrom, ROWCOL nTo, int nZoom, BOOL bHidden) const {
    return SumSizes(m_RowHeights, m_abHiddenRows, m_nDefaultRowHeight, nFrom, nTo, nZoom, bHidden);
}

LONGLONG CGEGridParam::SumColWidths(ROWCOL nFrom, ROWCOL nTo, int nZoom, BOOL bHidden) const {
    return SumSizes(m_ColWidths, m_abHiddenCols, m_nDefaultColWidth, nFrom, nTo, nZoom, bHidden);
}

BOOL CGEGridParam::EnableUndo(BOOL bEnable) {
    const BOOL bOld = m_bUndoEnabled;
    m_bUndoEnabled = bEnable;
    return bOld;
}

void CGEGridParam::EmptyUndoList() {
    while (!m_UndoList.IsEmpty())
        delete m_UndoList.RemoveHead();
    m_nBlockDepth = 0;
}

void CGEGridParam::EmptyRedoList() {
    while (!m_RedoList.IsEmpty())
        delete m_RedoList.RemoveHead();
}

BOOL CGEGridParam::SetLockUpdate(BOOL b) {
    const BOOL bOld = m_bLockUpdate;
    m_bLockUpdate = b;
    return bOld;
}
