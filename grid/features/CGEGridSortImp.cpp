#include "grid/features/CGEGridSortImp.h"

#include "framework/core/COleDateTime.h"
#include "framework/core/CUserException.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractCommandFactory.h"
#include "grid/core/CGEAbstractGridSortMoveDataImp.h"
#include "grid/core/CGEAbstractGridUpdateHintImp.h"
#include "grid/core/CGEData.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"
#include "grid/core/CGEStyle.h"
#include "grid/features/CGEGridSortMoveDataImp.h"
#include "grid/features/CGELongOperationState.h"
#include "grid/features/CGESortInfoArray.h"
#include "grid/features/CGESortItem.h"

#include <mbstring.h>
#include <oleauto.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

const double CGEGridSortImp::kNotANumber = -std::numeric_limits<double>::max();

namespace {

// Numbers are read from at most this many characters (longer texts are cut).
constexpr int kMaxNumberText = 499;

int Sign(double a, double b) {
    return a < b ? -1 : (a > b ? 1 : 0);
}

BOOL VariantNumber(const CString& strText, LCID lcid, double& dValue) {
    std::wstring wide(static_cast<size_t>(strText.GetLength()) + 1, L'\0');
    const int n = ::MultiByteToWideChar(CP_ACP, 0, strText, strText.GetLength(), wide.data(),
                                        static_cast<int>(wide.size()));
    wide.resize(static_cast<size_t>(n));
    return SUCCEEDED(::VarR8FromStr(wide.data(), lcid, 0, &dValue));
}

// The first and last line a sort covers; FALSE when there are none.
BOOL LinesToSort(CGEGridCore* pGrid, BOOL bRows, const CGECellRange& range, ROWCOL& nFirst, ROWCOL& nLast) {
    const ROWCOL nCount = bRows ? pGrid->GetRowCount() : pGrid->GetColCount();
    const ROWCOL nHeaders = bRows ? pGrid->GetHeaderRows() : pGrid->GetHeaderCols();
    // The whole table, and ranges of whole lines across the other way, cover every line below the headers.
    if (range.IsTable() || (bRows ? range.IsCols() : range.IsRows())) {
        nFirst = nHeaders + 1;
        nLast = nCount;
    } else {
        nFirst = std::max<ROWCOL>(bRows ? range.top : range.left, 1);
        nLast = std::min(bRows ? range.bottom : range.right, nCount);
    }
    return nFirst <= nLast;
}

CGECellRange LinesRange(BOOL bRows, ROWCOL nFirst, ROWCOL nLast) {
    return bRows ? CGECellRange().SetRows(nFirst, nLast) : CGECellRange().SetCols(nFirst, nLast);
}

// Automatic detection: the flags of every automatic key after one more line's texts.
void DetectTypes(CGESortInfoArray& sortInfo, const CString* texts) {
    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k) {
        CGESortInfo& key = sortInfo[k];
        const CString& strText = texts[k];
        if (key.sortType != CGESortInfo::autodetect || strText.IsEmpty())
            continue;
        if (key.bAllDates) {
            COleDateTime date;
            key.bAllDates = date.ParseDateTime(strText, 0, LANG_USER_DEFAULT);
        }
        if (key.bAllNumeric)
            key.bAllNumeric = CGEGridSortImp::LooksNumeric(strText);
    }
}

// The number of a key text under a numeric or date key.
double KeyNumber(const CString& strText, int nType) {
    if (nType != CGESortInfo::datetime)
        return CGEGridSortImp::TextToNumber(strText);
    // A text that is no date counts as day 0.
    COleDateTime date;
    return date.ParseDateTime(strText, 0, LANG_USER_DEFAULT) ? static_cast<DATE>(date) : 0.0;
}

BOOL IsNumberKey(const CGESortInfo& key) {
    return key.sortType == CGESortInfo::numeric || key.sortType == CGESortInfo::datetime;
}

int Collate(const CString& a, const CString& b, BOOL bCase) {
    const auto* pA = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(a));
    const auto* pB = reinterpret_cast<const unsigned char*>(static_cast<LPCSTR>(b));
    return bCase ? _mbscoll(pA, pB) : _mbsicoll(pA, pB);
}

// The texts of key k as ranks in collation order: texts equal under the collation share a rank, so
// comparing ranks orders the items as comparing the texts does, while each distinct text is collated
// only against the other distinct texts.
void RankTexts(CGESortItem* const* ppItems, size_t nItems, INT_PTR k, BOOL bCase, double* pOut,
               size_t nStride) {
    std::unordered_map<std::string_view, DWORD> ids;
    std::vector<const CString*> distinct;
    std::vector<DWORD> idOf(nItems);
    for (size_t i = 0; i < nItems; ++i) {
        const CString& strText = ppItems[i]->pKeys[k];
        const auto [it, bNew] =
            ids.emplace(std::string_view(strText, static_cast<size_t>(strText.GetLength())),
                        static_cast<DWORD>(distinct.size()));
        if (bNew)
            distinct.push_back(&strText);
        idOf[i] = it->second;
    }
    std::vector<DWORD> byText(distinct.size());
    std::iota(byText.begin(), byText.end(), 0);
    std::sort(byText.begin(), byText.end(),
              [&](DWORD a, DWORD b) { return Collate(*distinct[a], *distinct[b], bCase) < 0; });
    std::vector<double> rankOf(distinct.size());
    double dRank = 0;
    for (size_t j = 0; j < byText.size(); ++j) {
        if (j > 0 && Collate(*distinct[byText[j - 1]], *distinct[byText[j]], bCase) != 0)
            ++dRank;
        rankOf[byText[j]] = dRank;
    }
    for (size_t i = 0; i < nItems; ++i)
        pOut[i * nStride] = rankOf[idOf[i]];
}

} // namespace

void CGEGridCore::InstallSort() {
    if (m_pSortImp == nullptr) {
        m_pSortImp = new CGEGridSortImp;
        AddAutoDeleteObject(m_pSortImp);
    }
    GEInstallSortMoveData();
}

BOOL CGEGridSortImp::LooksNumeric(const CString& strText) {
    return strText.SpanIncluding("0123456789,.-e ").GetLength() == strText.GetLength();
}

double CGEGridSortImp::TextToNumber(const CString& strIn) {
    const char* pBegin = strIn;
    const char* pEnd = pBegin + std::min(strIn.GetLength(), kMaxNumberText);
    while (pBegin < pEnd && *pBegin == ' ')
        ++pBegin;
    while (pEnd > pBegin && pEnd[-1] == ' ')
        --pEnd;
    if (pBegin == pEnd)
        return kNotANumber;
    double dValue = 0.0;
    const auto result = std::from_chars(pBegin, pEnd, dValue);
    if (result.ec != std::errc() || result.ptr != pEnd) {
        const CString strText(pBegin, static_cast<int>(pEnd - pBegin));
        if (!VariantNumber(strText, LOCALE_INVARIANT, dValue) &&
            !VariantNumber(strText, LOCALE_USER_DEFAULT, dValue))
            return kNotANumber;
    }
    // Not-a-number values would break the order; they count as no number.
    return std::isnan(dValue) ? kNotANumber : dValue;
}

int CGEGridSortImp::CompareItems(const CGESortItem& a, const CGESortItem& b) {
    const CGESortInfoArray& sortInfo = *a.pSortInfo;
    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k) {
        const CGESortInfo& key = sortInfo[k];
        int nResult = 0;
        if (IsNumberKey(key)) {
            const double da = a.pNumbers != nullptr ? a.pNumbers[k] : KeyNumber(a.pKeys[k], key.sortType);
            const double db = b.pNumbers != nullptr ? b.pNumbers[k] : KeyNumber(b.pKeys[k], key.sortType);
            nResult = Sign(da, db);
        } else {
            nResult = Collate(a.pKeys[k], b.pKeys[k], key.bCase);
        }
        if (nResult != 0)
            return key.sortOrder == CGESortInfo::ascending ? nResult : -nResult;
    }
    return a.nPosition < b.nPosition ? -1 : (a.nPosition > b.nPosition ? 1 : 0);
}

void CGEGridSortImp::SortKeys(CGEGridCore*, CGESortInfoArray& sortInfo, CPtrArray& items) {
    const size_t nItems = static_cast<size_t>(items.GetSize());
    const size_t nKeys = static_cast<size_t>(sortInfo.GetSize());
    if (nItems < 2)
        return;
    auto** ppItems = reinterpret_cast<CGESortItem**>(items.GetData());
    // Every key as one number per item, negated for a descending key: the order of these numbers, then
    // the former position, is the order of CompareItems.
    std::vector<double> values(nItems * nKeys);
    for (size_t k = 0; k < nKeys; ++k) {
        const CGESortInfo& key = sortInfo[static_cast<INT_PTR>(k)];
        if (IsNumberKey(key)) {
            for (size_t i = 0; i < nItems; ++i) {
                const CGESortItem& item = *ppItems[i];
                values[i * nKeys + k] =
                    item.pNumbers != nullptr ? item.pNumbers[k] : KeyNumber(item.pKeys[k], key.sortType);
            }
        } else {
            RankTexts(ppItems, nItems, static_cast<INT_PTR>(k), key.bCase, &values[k], nKeys);
        }
        if (key.sortOrder != CGESortInfo::ascending) {
            for (size_t i = 0; i < nItems; ++i)
                values[i * nKeys + k] = -values[i * nKeys + k];
        }
    }
    std::vector<DWORD> index(nItems);
    std::iota(index.begin(), index.end(), 0);
    std::sort(index.begin(), index.end(), [&](DWORD a, DWORD b) {
        const double* pA = &values[a * nKeys];
        const double* pB = &values[b * nKeys];
        for (size_t k = 0; k < nKeys; ++k) {
            if (pA[k] != pB[k])
                return pA[k] < pB[k];
        }
        return ppItems[a]->nPosition < ppItems[b]->nPosition;
    });
    std::vector<CGESortItem*> sorted(nItems);
    for (size_t i = 0; i < nItems; ++i)
        sorted[i] = ppItems[index[i]];
    std::copy(sorted.begin(), sorted.end(), ppItems);
}

void CGEGridSortImp::SortRows(CGEGridCore* pGrid, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                              UINT flags) {
    SortLines(pGrid, TRUE, sortRange, sortInfo, flags);
}

void CGEGridSortImp::SortCols(CGEGridCore* pGrid, CGECellRange sortRange, CGESortInfoArray& sortInfo,
                              UINT flags) {
    SortLines(pGrid, FALSE, sortRange, sortInfo, flags);
}

void CGEGridSortImp::SortLines(CGEGridCore* pGrid, BOOL bRows, CGECellRange sortRange,
                               CGESortInfoArray& sortInfo, UINT flags) {
    CGEGridParam* pParam = pGrid->GetParam();
    ROWCOL nFirst = 0, nLast = 0;
    if (pParam == nullptr || (bRows ? pGrid->GetRowCount() : pGrid->GetColCount()) <= 1 ||
        sortInfo.GetSize() == 0 || !LinesToSort(pGrid, bRows, sortRange, nFirst, nLast))
        return;
    pGrid->MoveCurrentCell(bRows ? GE_TOP : GE_LEFT, 1, TRUE);
    pGrid->TransferCurrentCell(TRUE, GE_UPDATENOW, TRUE);

    CGELongOperation operation;
    CString strStatus;
    strStatus.LoadString(bRows ? GE_IDS_CMD_SORT_ROWS : GE_IDS_CMD_SORT_COLS);
    operation.SetStatusText(strStatus);
    CGELongOperationState::Get().bAbortAllowed = TRUE;
    CGELongOperationState::Get().bRollbackPossible = FALSE;

    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k)
        sortInfo[k].bAllNumeric = sortInfo[k].bAllDates = TRUE;

    const ROWCOL nCount = nLast - nFirst + 1;
    const size_t nKeys = static_cast<size_t>(sortInfo.GetSize());
    // The texts and numbers of all items, kept together.
    std::vector<CString> texts(static_cast<size_t>(nCount) * nKeys);
    std::vector<CGESortItem> items(nCount);
    CStringArray lineKeys;
    for (ROWCOL i = 0; i < nCount; ++i) {
        if (bRows)
            GetRowSortKeys(pGrid, nFirst + i, sortInfo, lineKeys);
        else
            GetColSortKeys(pGrid, nFirst + i, sortInfo, lineKeys);
        CString* pKeys = &texts[static_cast<size_t>(i) * nKeys];
        for (size_t k = 0; k < nKeys; ++k)
            pKeys[k] = std::move(lineKeys[static_cast<INT_PTR>(k)]);
        DetectTypes(sortInfo, pKeys);
        items[i].pKeys = pKeys;
        items[i].nPosition = i;
        items[i].pSortInfo = &sortInfo;
        BOOL bAbort = FALSE;
        operation.StepAndQueryAbort(bAbort);
        if (bAbort)
            AfxThrowUserException();
    }
    // Dates win over numbers, numbers over text.
    BOOL bNumbers = FALSE;
    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k) {
        CGESortInfo& key = sortInfo[k];
        if (key.sortType == CGESortInfo::autodetect)
            key.sortType = key.bAllDates     ? CGESortInfo::datetime
                           : key.bAllNumeric ? CGESortInfo::numeric
                                             : CGESortInfo::alphanumeric;
        bNumbers |= IsNumberKey(key);
    }
    std::vector<double> numbers(bNumbers ? texts.size() : 0);
    for (size_t k = 0; bNumbers && k < nKeys; ++k) {
        const CGESortInfo& key = sortInfo[static_cast<INT_PTR>(k)];
        if (!IsNumberKey(key))
            continue;
        for (size_t i = 0; i < nCount; ++i)
            numbers[i * nKeys + k] = KeyNumber(texts[i * nKeys + k], key.sortType);
    }
    CPtrArray pointers;
    pointers.SetSize(static_cast<INT_PTR>(nCount));
    for (ROWCOL i = 0; i < nCount; ++i) {
        if (bNumbers)
            items[i].pNumbers = &numbers[static_cast<size_t>(i) * nKeys];
        pointers.SetAt(static_cast<INT_PTR>(i), &items[i]);
    }
    SortKeys(pGrid, sortInfo, pointers);

    CDWordArray order;
    order.SetSize(static_cast<INT_PTR>(nCount));
    for (ROWCOL i = 0; i < nCount; ++i)
        order.SetAt(static_cast<INT_PTR>(i), static_cast<CGESortItem*>(pointers.GetAt(i))->nPosition);

    const ROWCOL nFirstKey = sortInfo[0].nRC;
    pParam->m_nLastSortedRow = bRows ? GE_INVALID : nFirstKey;
    pParam->m_nLastSortedCol = bRows ? nFirstKey : GE_INVALID;
    pParam->m_bLastSortAscending = sortInfo[0].sortOrder == CGESortInfo::ascending;
    ReorderLines(pGrid, bRows, LinesRange(bRows, nFirst, nLast), order, flags, geDo);
}

BOOL CGEGridSortImp::ReorderRows(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order,
                                 UINT flags, int ctCmd) {
    return ReorderLines(pGrid, TRUE, range, order, flags, ctCmd);
}

BOOL CGEGridSortImp::ReorderCols(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order,
                                 UINT flags, int ctCmd) {
    return ReorderLines(pGrid, FALSE, range, order, flags, ctCmd);
}

BOOL CGEGridSortImp::ReorderLines(CGEGridCore* pGrid, BOOL bRows, const CGECellRange& range,
                                  const CDWordArray& order, UINT flags, int ctCmd) {
    if (!(bRows ? MoveDataRows(pGrid, range, order) : MoveDataCols(pGrid, range, order)))
        return FALSE;
    pGrid->SetSelection(nullptr);
    pGrid->DelayFloatCells(CGECellRange().SetTable());
    pGrid->DelayMergeCells(CGECellRange().SetTable());
    pGrid->SetModifiedFlag();
    if (bRows)
        pGrid->UpdateReorderRows(range, flags, TRUE);
    else
        pGrid->UpdateReorderCols(range, flags, TRUE);
    if (pGrid->IsUndoRecorded() && ctCmd != geRollback) {
        CDWordArray inverse;
        inverse.SetSize(order.GetSize());
        for (INT_PTR i = 0; i < order.GetSize(); ++i)
            inverse.SetAt(static_cast<INT_PTR>(order[i]), static_cast<DWORD>(i));
        CGEAbstractCommandFactory* pFactory = pGrid->m_pCommandFactory;
        pGrid->AddCommand(bRows ? pFactory->CreateMoveDataRowsCmd(range, inverse)
                                : pFactory->CreateMoveDataColsCmd(range, inverse),
                          ctCmd);
    }
    return TRUE;
}

BOOL CGEGridSortImp::MoveDataRows(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order) {
    CGEData* pData = pGrid->GetData();
    if (pData == nullptr)
        return FALSE;
    if (CGEAbstractGridSortMoveDataImp* pImp = GEGetLibraryState()->m_pSortMoveDataImp)
        return pImp->MoveDataRows(pData, range, order);
    return pData->MoveDataRows(range, order);
}

BOOL CGEGridSortImp::MoveDataCols(CGEGridCore* pGrid, const CGECellRange& range, const CDWordArray& order) {
    CGEData* pData = pGrid->GetData();
    if (pData == nullptr)
        return FALSE;
    if (CGEAbstractGridSortMoveDataImp* pImp = GEGetLibraryState()->m_pSortMoveDataImp)
        return pImp->MoveDataCols(pData, range, order);
    return pData->MoveDataCols(range, order);
}

void CGEGridSortImp::UpdateReorderRows(CGEGridCore* pGrid, const CGECellRange& range, UINT flags,
                                       BOOL bCreateHint) {
    pGrid->TransferCurrentCell(FALSE, 0, TRUE);
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && !pParam->IsLockUpdate())
        pGrid->Redraw(flags, FALSE);
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr && pGrid->m_bHintsEnabled)
        pGrid->m_pUpdateHintImp->HintUpdateReorderRows(pGrid, range, flags);
}

void CGEGridSortImp::UpdateReorderCols(CGEGridCore* pGrid, const CGECellRange& range, UINT flags,
                                       BOOL bCreateHint) {
    pGrid->TransferCurrentCell(FALSE, 0, TRUE);
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam != nullptr && !pParam->IsLockUpdate())
        pGrid->Redraw(flags, FALSE);
    if (bCreateHint && pGrid->m_pUpdateHintImp != nullptr && pGrid->m_bHintsEnabled)
        pGrid->m_pUpdateHintImp->HintUpdateReorderCols(pGrid, range, flags);
}

void CGEGridSortImp::GetRowSortKeys(CGEGridCore* pGrid, ROWCOL nRow, const CGESortInfoArray& sortInfo,
                                    CStringArray& keys) {
    GetSortKeys(pGrid, TRUE, nRow, sortInfo, keys);
}

void CGEGridSortImp::GetColSortKeys(CGEGridCore* pGrid, ROWCOL nCol, const CGESortInfoArray& sortInfo,
                                    CStringArray& keys) {
    GetSortKeys(pGrid, FALSE, nCol, sortInfo, keys);
}

void CGEGridSortImp::GetSortKeys(CGEGridCore* pGrid, BOOL bRows, ROWCOL nLine,
                                 const CGESortInfoArray& sortInfo, CStringArray& keys) {
    if (keys.GetSize() < sortInfo.GetSize())
        keys.SetSize(sortInfo.GetSize());
    CGEStyle* pStyle = pGrid->CreateStyle();
    for (INT_PTR k = 0; k < sortInfo.GetSize(); ++k) {
        const ROWCOL nRow = bRows ? nLine : sortInfo[k].nRC;
        const ROWCOL nCol = bRows ? sortInfo[k].nRC : nLine;
        pGrid->ComposeStyleRowCol(nRow, nCol, pStyle, TRUE);
        CGEControl* pControl =
            pStyle->GetIncludeControl() ? pGrid->GetRegisteredControl(pStyle->GetControl()) : nullptr;
        CString strKey;
        pGrid->GetSortKey(pControl, nRow, nCol, sortInfo[k], *pStyle, strKey);
        keys[k] = std::move(strKey);
    }
    pGrid->RecycleStyle(pStyle);
}

BOOL CGEGridSortImp::OnHeaderDblClick(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, UINT, CPoint) {
    CGEGridParam* pParam = pGrid->GetParam();
    if (pParam == nullptr)
        return FALSE;
    if (nRow == 0 && nCol != 0)
        return pParam->m_bSortRowsOnDblClk && SortOnDblClick(pGrid, TRUE, nCol);
    if (nRow != 0 && nCol == 0)
        return pParam->m_bSortColsOnDblClk && SortOnDblClick(pGrid, FALSE, nRow);
    return FALSE;
}

BOOL CGEGridSortImp::SortOnDblClick(CGEGridCore* pGrid, BOOL bRows, ROWCOL nIndex) {
    CGEGridParam* pParam = pGrid->GetParam();
    CGESortInfoArray sortInfo;
    sortInfo.SetSize(1);
    sortInfo[0].nRC = nIndex;
    sortInfo[0].sortType = CGESortInfo::autodetect;
    const ROWCOL nLastSorted = bRows ? pParam->m_nLastSortedCol : pParam->m_nLastSortedRow;
    sortInfo[0].sortOrder = nLastSorted == nIndex && pParam->m_bLastSortAscending ? CGESortInfo::descending
                                                                                  : CGESortInfo::ascending;
    SortLines(pGrid, bRows, CGECellRange().SetTable(), sortInfo, GE_UPDATENOW);
    pGrid->MoveCurrentCell(bRows ? GE_TOP : GE_LEFT, 1, TRUE);
    return TRUE;
}
