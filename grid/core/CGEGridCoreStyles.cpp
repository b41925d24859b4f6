// Style composition, storing styles and values on ranges with undo, the kept base styles, and the cell
// controls registered by control id.
#include "framework/core/CNotSupportedException.h"
#include "framework/core/CUserException.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractControlFactory.h"
#include "grid/core/CGEAbstractGridParamCopyOperatorImp.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The cells a style operation on a range touches: whole rows are the row styles (r, 0), whole
// columns the column styles (0, c), the table the table style (0, 0).
CGECellRange StorageRange(const CGECellRange& range) {
    CGECellRange cells(range);
    switch (range.kind) {
    case CGECellRange::rows:
        cells.SetCells(range.top, 0, range.bottom, 0);
        break;
    case CGECellRange::cols:
        cells.SetCells(0, range.left, 0, range.right);
        break;
    case CGECellRange::table:
        cells.SetCells(0, 0, 0, 0);
        break;
    default:
        break;
    }
    return cells;
}

constexpr int kMaxRecycledStyles = 64;

} // namespace

// ---- scratch styles ----

CGEStyle* CGEGridCore::CreateStyle() {
    if (!m_recycledStyles.IsEmpty())
        return static_cast<CGEStyle*>(m_recycledStyles.RemoveHead());
    if (m_pStyleClass != nullptr) {
        if (CObject* pObject = m_pStyleClass->CreateObject())
            return static_cast<CGEStyle*>(pObject);
    }
    return new CGEStyle;
}

void CGEGridCore::RecycleStyle(CGEStyle* pStyle) {
    if (pStyle == nullptr)
        return;
    if (m_recycledStyles.GetCount() >= kMaxRecycledStyles) {
        delete pStyle;
        return;
    }
    pStyle->FreeParts();
    pStyle->SetIncludeMask(0);
    m_recycledStyles.AddHead(pStyle);
}

CGEStyle* CGEGridCore::GetScratchStyle() {
    if (m_pScratchStyle == nullptr)
        m_pScratchStyle = CreateStyle();
    return m_pScratchStyle;
}

// ---- composition ----

BOOL CGEGridCore::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle& style, int mt, int nType) {
    CGEData* pData = GetData();
    return pData != nullptr && pData->GetStyleRowCol(nRow, nCol, style, mt, nType);
}

CString CGEGridCore::ColumnLetters(ROWCOL nCol) {
    char sz[12] = {};
    int n = 0;
    char reversed[12] = {};
    while (nCol > 0 && n < 10) {
        --nCol;
        reversed[n++] = static_cast<char>('A' + nCol % 26);
        nCol /= 26;
    }
    for (int i = 0; i < n; ++i)
        sz[i] = reversed[n - 1 - i];
    return CString(sz);
}

void CGEGridCore::ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGEStyle* pStyle, BOOL bApplyStandard) {
    if (pStyle == nullptr)
        return;
    pStyle->FreeParts();
    pStyle->SetIncludeMask(0);
    GetStyleRowCol(nRow, nCol, *pStyle, geCopy);
    if (m_bStopAtStoredValue && pStyle->GetIncludeValue())
        return;
    const ROWCOL nHeaderRows = GetHeaderRows();
    const ROWCOL nHeaderCols = GetHeaderCols();
    if (nCol > nHeaderCols && nRow > 0)
        GetStyleRowCol(nRow, 0, *pStyle, geApplyNew);
    if (nRow > nHeaderRows && nCol > 0) {
        GetStyleRowCol(0, nCol, *pStyle, geApplyNew);
        if (nCol > nHeaderCols)
            GetStyleRowCol(0, 0, *pStyle, geApplyNew);
    }
    if (CGEStylesMap* pStylesMap = GetStylesMap())
        pStyle->LoadBaseStyles(*pStylesMap);
    if (nRow <= nHeaderRows && m_pStyleColHeader != nullptr)
        pStyle->MergeFrom(*m_pStyleColHeader, geApplyNew);
    if (nCol <= nHeaderCols && m_pStyleRowHeader != nullptr)
        pStyle->MergeFrom(*m_pStyleRowHeader, geApplyNew);
    if (!pStyle->GetIncludeValue() && m_pParam != nullptr) {
        if (nRow == 0 && nCol > 0 && m_pParam->m_bNumberedColHeaders) {
            pStyle->SetValue(ColumnLetters(nCol));
        } else if (nCol == 0 && nRow > 0 && m_pParam->m_bNumberedRowHeaders) {
            char sz[16];
            std::snprintf(sz, sizeof sz, "%lu", static_cast<unsigned long>(nRow));
            pStyle->SetValue(sz);
        }
    }
    if (bApplyStandard && m_pStyleStandard != nullptr)
        pStyle->MergeFrom(*m_pStyleStandard, geApplyNew);
    if (m_pParam != nullptr && m_pParam->m_bMarkSelection &&
        m_pParam->m_SelectedRanges.IsCellInList(nRow, nCol))
        pStyle->SetInterior(RGB(192, 192, 192));
    if (IsCurrentCell(nRow, nCol) && pStyle->GetIncludeControl()) {
        CGEControl* pControl = GetRegisteredControl(pStyle->GetControl());
        if (pControl != nullptr && pControl->IsActive())
            return;
    }
    if (pStyle->GetIncludeValue() && pStyle->HasUserAttribute(GE_IDS_UA_NEGCOLOR)) {
        char* pEnd = nullptr;
        const CString& strValue = pStyle->GetValue();
        const double value = std::strtod(strValue, &pEnd);
        if (pEnd != static_cast<const char*>(strValue) && value < 0) {
            const CString strColor = pStyle->GetUserAttribute(GE_IDS_UA_NEGCOLOR).GetValueText();
            pStyle->SetTextColor(static_cast<COLORREF>(std::strtoul(strColor, nullptr, 10)));
        }
    }
}

const CGEStyle& CGEGridCore::LookupStyleRowCol(ROWCOL nRow, ROWCOL nCol) {
    if (IsCurrentCell(nRow, nCol, TRUE)) {
        if (m_pCurrentCellStyle == nullptr) {
            m_pCurrentCellStyle = CreateStyle();
            ComposeStyleRowCol(nRow, nCol, m_pCurrentCellStyle, TRUE);
        }
        return *m_pCurrentCellStyle;
    }
    if (m_pLookupStyle == nullptr)
        m_pLookupStyle = CreateStyle();
    ComposeStyleRowCol(nRow, nCol, m_pLookupStyle, TRUE);
    return *m_pLookupStyle;
}

void CGEGridCore::ResetCurrentCellStyleCache() {
    if (m_pCurrentCellStyle != nullptr) {
        RecycleStyle(m_pCurrentCellStyle);
        m_pCurrentCellStyle = nullptr;
    }
}

void CGEGridCore::CreateStandardStyles(CGEStylesMap& stylesMap) {
    stylesMap.UpdateStandardStyleIds();
    if (stylesMap.m_nStandardStyleId == 0) {
        CGEStyle standard;
        standard.SetDefaultStyle();
        standard.SetVerticalAlignment(DT_VCENTER);
        standard.SetWrapText(FALSE);
        stylesMap.RegisterStyle(CGEStylesMap::standardStyleResource, standard, TRUE);
    }
    CGEStyle header;
    header.SetInterior(GESysColor(COLOR_BTNFACE));
    header.SetTextColor(GESysColor(COLOR_BTNTEXT));
    header.SetHorizontalAlignment(DT_CENTER);
    header.SetVerticalAlignment(DT_VCENTER);
    header.SetWrapText(FALSE);
    header.SetControl(GE_IDS_CTRL_HEADER);
    if (stylesMap.m_nRowHeaderStyleId == 0)
        stylesMap.RegisterStyle(CGEStylesMap::rowHeaderStyleResource, header, TRUE);
    if (stylesMap.m_nColHeaderStyleId == 0)
        stylesMap.RegisterStyle(CGEStylesMap::colHeaderStyleResource, header, TRUE);
    stylesMap.UpdateStandardStyleIds();
}

void CGEGridCore::TakeBaseStyles() {
    m_pStyleStandard = m_pStyleColHeader = m_pStyleRowHeader = nullptr;
    m_mapBaseStyles.clear();
    CGEStylesMap* pStylesMap = GetStylesMap();
    if (pStylesMap == nullptr)
        return;
    pStylesMap->UpdateStandardStyleIds();
    m_pStyleStandard = pStylesMap->LookupStyle(pStylesMap->m_nStandardStyleId);
    m_pStyleColHeader = pStylesMap->LookupStyle(pStylesMap->m_nColHeaderStyleId);
    m_pStyleRowHeader = pStylesMap->LookupStyle(pStylesMap->m_nRowHeaderStyleId);
}

void CGEGridCore::ResetBaseStyles() {
    m_pStyleStandard = m_pStyleColHeader = m_pStyleRowHeader = nullptr;
    m_mapBaseStyles.clear();
    ResetCurrentCellStyleCache();
}

CGEStyle& CGEGridCore::GetStandardStyle() {
    if (m_pStyleStandard == nullptr)
        TakeBaseStyles();
    if (m_pStyleStandard == nullptr)
        AfxThrowNotSupportedException();
    return *m_pStyleStandard;
}

CGEStyle& CGEGridCore::GetColHeaderStyle() {
    if (m_pStyleColHeader == nullptr)
        TakeBaseStyles();
    if (m_pStyleColHeader == nullptr)
        AfxThrowNotSupportedException();
    return *m_pStyleColHeader;
}

CGEStyle& CGEGridCore::GetRowHeaderStyle() {
    if (m_pStyleRowHeader == nullptr)
        TakeBaseStyles();
    if (m_pStyleRowHeader == nullptr)
        AfxThrowNotSupportedException();
    return *m_pStyleRowHeader;
}

CGEStyle& CGEGridCore::GetBaseStyle(WORD wStyleId) {
    const auto found = m_mapBaseStyles.find(wStyleId);
    if (found != m_mapBaseStyles.end())
        return *found->second;
    CGEStylesMap* pStylesMap = GetStylesMap();
    CGEStyle* pStyle = pStylesMap != nullptr ? pStylesMap->LookupStyle(wStyleId) : nullptr;
    if (pStyle == nullptr)
        AfxThrowNotSupportedException();
    m_mapBaseStyles[wStyleId] = pStyle;
    return *pStyle;
}

// ---- values ----

CString CGEGridCore::GetCellValue(ROWCOL nRow, ROWCOL nCol) {
    CGEStyle* pStyle = CreateStyle();
    ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
    CString strValue = pStyle->GetIncludeValue() ? pStyle->GetValue() : CString();
    RecycleStyle(pStyle);
    return strValue;
}

CString CGEGridCore::GetStoredCellValue(ROWCOL nRow, ROWCOL nCol) {
    CGEStyle* pStyle = CreateStyle();
    GetStyleRowCol(nRow, nCol, *pStyle, geCopy);
    CString strValue = pStyle->GetIncludeValue() ? pStyle->GetValue() : CString();
    RecycleStyle(pStyle);
    return strValue;
}

BOOL CGEGridCore::SetValueRange(const CGECellRange& range, LPCSTR pszValue, int mt, int nType, UINT flags) {
    CGEStyle* pStyle = CreateStyle();
    pStyle->SetValue(pszValue);
    const BOOL bResult = SetStyleRange(range, pStyle, mt, nType, nullptr, flags);
    RecycleStyle(pStyle);
    return bResult;
}

BOOL CGEGridCore::StoreValueInRange(const CGECellRange& range, const CString& strValue, int mt, int nType,
                                    UINT flags) {
    CGEStyle* pScratch = GetScratchStyle();
    pScratch->FreeParts();
    pScratch->SetIncludeMask(0);
    pScratch->SetValueString(strValue);
    return SetStyleRange(range, pScratch, mt, nType, nullptr, flags, geDo);
}

BOOL CGEGridCore::SetControlTextRowCol(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT flags,
                                       const CGEStyle* pOldStyle) {
    CGEControl* pControl = GetControl(nRow, nCol);
    if (pControl != nullptr)
        return pControl->SetControlText(nRow, nCol, str, flags, pOldStyle);
    // Without a control the text is the value.
    if (m_pParam != nullptr && m_pParam->m_bLockReadOnly) {
        const CGEStyle& style = pOldStyle != nullptr ? *pOldStyle : LookupStyleRowCol(nRow, nCol);
        if (IsReadOnly() || (style.GetIncludeReadOnly() && style.GetReadOnly()))
            return FALSE;
    }
    return StoreValueInRange(CGECellRange(nRow, nCol, nRow, nCol), str, geOverride, -1, flags);
}

BOOL CGEGridCore::GetSortKey(CGEControl* pControl, ROWCOL nRow, ROWCOL nCol, const CGESortInfo& sortInfo,
                             const CGEStyle& style, CString& strKey) {
    if (pControl != nullptr)
        return pControl->GetSortKey(nRow, nCol, sortInfo, style, strKey);
    strKey = style.GetIncludeValue() ? style.GetValue() : CString();
    return TRUE;
}

BOOL CGEGridCore::GetSelectedText(CString& strResult) {
    strResult.Empty();
    CGEControl* pControl = GetCurrentCellControl();
    return pControl != nullptr && pControl->GetSelectedText(strResult);
}

// ---- storing styles ----

BOOL CGEGridCore::StoreStyleRowCol(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType) {
    CGEData* pData = GetData();
    if (pData == nullptr || IsReadOnly())
        return FALSE;
    const BOOL bResult = pData->StoreStyleRowCol(nRow, nCol, pStyle, mt, nType);
    if (!m_bNoUpdateMarking)
        InvalidateRange(CGECellRange(nRow, nCol, nRow, nCol));
    if (IsCurrentCell(nRow, nCol, TRUE))
        ResetCurrentCellStyleCache();
    ResetLastVisible();
    if (bResult)
        SetModifiedFlag();
    return bResult;
}

CObArray* CGEGridCore::CopyRangeStyles(const CGECellRange& rangeIn, int nType, DWORD* pdwStartTime) {
    const CGECellRange range = StorageRange(rangeIn);
    auto* pArray = new CObArray;
    std::unique_ptr<CGELongOperation> pOperation(pdwStartTime != nullptr ? new CGELongOperation : nullptr);
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol) {
            CGEStyle* pStyle = CreateStyle();
            if (GetStyleRowCol(nRow, nCol, *pStyle, geCopy, nType) && pStyle->GetIncludeMask() != 0) {
                pArray->Add(pStyle);
            } else {
                RecycleStyle(pStyle);
                pArray->Add(nullptr);
            }
        }
        if (pOperation != nullptr) {
            BOOL bAbort = FALSE;
            pOperation->StepAndQueryAbort(bAbort);
            if (bAbort) {
                for (INT_PTR i = 0; i < pArray->GetSize(); ++i)
                    delete pArray->GetAt(i);
                delete pArray;
                AfxThrowUserException();
            }
        }
        if (nRow == GE_INVALID)
            break;
    }
    return pArray;
}

BOOL CGEGridCore::SetStyleRange(const CGECellRange& rangeIn, const CGEStyle* pStyle, int mt, int nType,
                                const CObArray* pCellsArray, UINT flags, int ctCmd) {
    if (!rangeIn.IsValid() || IsReadOnly() || GetData() == nullptr)
        return FALSE;
    if (nType == 0)
        nType = -1; // stored directly unless a caller asks for the cells' controls
    const CGECellRange range = StorageRange(rangeIn);
    if (range.bottom > GetRowCount() || range.right > GetColCount())
        return FALSE;
    const ULONGLONG nRows = static_cast<ULONGLONG>(range.bottom) - range.top + 1;
    const ULONGLONG nCols = static_cast<ULONGLONG>(range.right) - range.left + 1;

    CObArray* pOldStyles = nullptr;
    const BOOL bUndo = m_pCommandFactory != nullptr && ctCmd != geRollback && IsUndoRecorded();
    if (bUndo) {
        if (nRows * nCols < 0x7FFFFFFF && nRows < 32768 && nCols < 32768) {
            DWORD dwStart = ::GetTickCount();
            pOldStyles =
                CopyRangeStyles(range, nType, CGELongOperation::GetNestingLevel() == 0 ? &dwStart : nullptr);
        } else {
            CString strQuestion;
            strQuestion.LoadString(GE_IDS_UNDO_TOO_LARGE);
            CWnd* pWnd = m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr ? m_pGridWnd : nullptr;
            const int nAnswer = pWnd != nullptr
                                    ? pWnd->MessageBox(strQuestion, nullptr, MB_OKCANCEL | MB_ICONQUESTION)
                                    : ::MessageBoxA(nullptr, strQuestion, nullptr, MB_OKCANCEL);
            if (nAnswer == IDCANCEL)
                return FALSE;
        }
    }

    const BOOL bOldMarking = m_bNoUpdateMarking;
    m_bNoUpdateMarking = TRUE;
    BOOL bResult = FALSE;
    INT_PTR nIndex = 0;
    for (ROWCOL nRow = range.top; nRow <= range.bottom; ++nRow) {
        for (ROWCOL nCol = range.left; nCol <= range.right; ++nCol, ++nIndex) {
            const CGEStyle* pCellStyle = pStyle;
            int nMode = mt;
            if (pCellsArray != nullptr) {
                pCellStyle = nIndex < pCellsArray->GetSize()
                                 ? static_cast<const CGEStyle*>(pCellsArray->GetAt(nIndex))
                                 : nullptr;
                if (pCellStyle == nullptr)
                    nMode = geRemove;
            }
            if (nType < 0) {
                bResult |= StoreStyleRowCol(nRow, nCol, pCellStyle, nMode, nType);
            } else {
                CGEControl* pControl = pCellStyle != nullptr && pCellStyle->GetIncludeControl()
                                           ? GetRegisteredControl(pCellStyle->GetControl())
                                           : GetControl(nRow, nCol);
                if (pControl != nullptr)
                    bResult |= pControl->StoreStyle(nRow, nCol, pCellStyle, nMode, -1, flags);
                else
                    bResult |= StoreStyleRowCol(nRow, nCol, pCellStyle, nMode, -1);
            }
        }
        if (nRow == GE_INVALID)
            break;
    }
    m_bNoUpdateMarking = bOldMarking;

    ROWCOL nCurRow = 0, nCurCol = 0;
    if (GetCurrentCell(nCurRow, nCurCol, TRUE) && range.Contains(nCurRow, nCurCol))
        ResetCurrentCellStyleCache();
    if (pOldStyles != nullptr) {
        if (bResult) {
            AddCommand(m_pCommandFactory->CreateSetStyleRangeCmd(range, pOldStyles), ctCmd);
        } else {
            for (INT_PTR i = 0; i < pOldStyles->GetSize(); ++i)
                delete pOldStyles->GetAt(i);
            delete pOldStyles;
        }
    }
    if (bResult) {
        // Floated and merged spans of the changed cells are evaluated again before they next show.
        DelayFloatCells(rangeIn);
        DelayMergeCells(rangeIn);
        UpdateStyleRange(rangeIn, pStyle, mt, flags, TRUE);
    }
    return bResult;
}

void CGEGridCore::UpdateStyleRange(const CGECellRange& range, const CGEStyle*, int mt, UINT flags,
                                   BOOL bCreateHint) {
    ResetLastVisible();
    if (!IsLockUpdate() && m_pGridWnd != nullptr && m_pGridWnd->GetSafeHwnd() != nullptr &&
        m_pGridWnd->IsWindowVisible()) {
        CGECellRange cells(range);
        cells.ExpandToCells(0, 0, GetRowCount(), GetColCount());
        RedrawRange(cells.top, cells.left, cells.bottom, cells.right, flags, TRUE);
    }
    if (bCreateHint && m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintSetStyleRange(this, range, static_cast<DWORD>(mt), 0, 0, flags);
}

BOOL CGEGridCore::ChangeStylesMap(const CGEStylesMap& stylesMap, UINT flags, int ctCmd) {
    CGEStylesMap* pStylesMap = GetStylesMap();
    if (pStylesMap == nullptr || IsReadOnly())
        return FALSE;
    if (IsUndoRecorded() && ctCmd != geRollback) {
        auto* pOld = new CGEStylesMap;
        CopyStylesMap(*pOld, *pStylesMap);
        AddCommand(m_pCommandFactory->CreateChangeStylesMapCmd(pOld), ctCmd);
    }
    if (&stylesMap != pStylesMap)
        CopyStylesMap(*pStylesMap, stylesMap);
    ResetBaseStyles();
    TakeBaseStyles();
    FreeGdiCache();
    Redraw(flags, FALSE);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintChangedStylesMap(this, flags);
    OnStylesMapChanged();
    return TRUE;
}

BOOL CGEGridCore::ChangeProperties(const CGEProperties& properties, UINT flags, int ctCmd) {
    CGEProperties* pProperties = GetProperties();
    if (pProperties == nullptr || IsReadOnly())
        return FALSE;
    if (IsUndoRecorded() && ctCmd != geRollback) {
        auto* pOld = new CGEProperties;
        *pOld = *pProperties;
        AddCommand(m_pCommandFactory->CreateChangePropertiesCmd(pOld), ctCmd);
    }
    if (&properties != pProperties)
        *pProperties = properties;
    ResetBaseStyles();
    TakeBaseStyles();
    m_nZoom = m_pParam->GetZoom();
    FreeGdiCache();
    ResetLastVisible();
    m_bCacheValid = FALSE;
    Redraw(flags, FALSE);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintChangedProperties(this, flags);
    OnPropertiesChanged();
    return TRUE;
}

BOOL CGEGridCore::ChangeBaseStyle(WORD wStyleId, const CGEStyle& style, int mt, UINT flags, int ctCmd) {
    CGEStylesMap* pStylesMap = GetStylesMap();
    if (pStylesMap == nullptr || IsReadOnly())
        return FALSE;
    CGEStyle* pBase = pStylesMap->LookupStyle(wStyleId);
    if (pBase == nullptr)
        return FALSE;
    if (m_bInitDone && IsUndoRecorded() && ctCmd != geRollback)
        AddCommand(m_pCommandFactory->CreateChangeBaseStyleCmd(wStyleId, pBase->Clone()), ctCmd);
    pBase->MergeFrom(style, mt);
    ResetCurrentCellStyleCache();
    FreeGdiCache();
    Redraw(flags, FALSE);
    if (m_pUpdateHintImp != nullptr)
        m_pUpdateHintImp->HintChangedBaseStyle(this, wStyleId, flags);
    OnBaseStyleChanged(wStyleId, flags);
    return TRUE;
}

void CGEGridCore::CopyStylesMap(CGEStylesMap& dst, const CGEStylesMap& src) {
    if (&dst == &src)
        return;
    if (CGEAbstractGridParamCopyOperatorImp* pImp = m_pAppState->m_pParamCopyOperatorImp) {
        pImp->CopyStylesMap(dst, src);
        return;
    }
    dst.RemoveAll();
    dst.m_strName = src.m_strName;
    dst.SetStyleClass(src.GetStyleClass());
    for (INT_PTR i = 0; i < src.GetCount(); ++i) {
        const UINT nId = src.GetIdAt(i);
        CString strName;
        const CGEStyle* pStyle = src.LookupStyle(nId);
        if (pStyle != nullptr && src.GetStyleName(nId, strName))
            dst.RegisterStyle(strName, *pStyle, src.IsSystemStyle(nId));
    }
}

// ---- controls ----

CGEControl* CGEGridCore::GetRegisteredControl(WORD nID) {
    if (m_pLastControl != nullptr && m_nLastControlId == nID)
        return m_pLastControl;
    CGEControl* pControl = nullptr;
    const auto found = m_mapControls.find(nID);
    if (found != m_mapControls.end()) {
        pControl = found->second;
    } else if (CGEAbstractControlFactory* pFactory = m_pAppState->m_pControlFactory) {
        pControl = pFactory->CreateControl(nID, this);
        if (pControl != nullptr)
            RegisterControl(nID, pControl, FALSE, FALSE);
    }
    if (pControl == nullptr)
        return m_pDefaultControl;
    m_nLastControlId = nID;
    m_pLastControl = pControl;
    return pControl;
}

CGEControl* CGEGridCore::GetControl(ROWCOL nRow, ROWCOL nCol) {
    const CGEStyle& style = LookupStyleRowCol(nRow, nCol);
    const WORD nID = style.GetIncludeControl() ? style.GetControl() : GE_IDS_CTRL_EDIT;
    return GetRegisteredControl(nID);
}

void CGEGridCore::RegisterControl(WORD nID, CGEControl* pControl, BOOL bDefault, BOOL bAddToStylesMap) {
    const auto found = m_mapControls.find(nID);
    if (found != m_mapControls.end() && found->second != pControl) {
        CGEControl* pOld = found->second;
        if (m_pLastControl == pOld)
            m_pLastControl = nullptr;
        if (m_pDefaultControl == pOld)
            m_pDefaultControl = nullptr;
        if (m_pCurrentControl == pOld)
            m_pCurrentControl = pControl;
        delete pOld;
    }
    m_mapControls[nID] = pControl;
    if (m_nLastControlId == nID)
        m_pLastControl = pControl;
    if (bAddToStylesMap) {
        if (CGEStylesMap* pStylesMap = GetStylesMap())
            pStylesMap->AddControl(nID);
    }
    if (bDefault || m_pDefaultControl == nullptr)
        m_pDefaultControl = pControl;
}
