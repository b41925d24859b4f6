// The tabbed combo box's values through its table: lookups, validation, completion and storing.
#include "grid/controls/combo/CGETabbedComboBox.h"

#include "framework/core/CMapStringToString.h"
#include "framework/win/CDC.h"
#include "grid/controls/CGEDIBPool.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/combo/CGETabComboCache.h"
#include "grid/controls/combo/CGETabbedComboLBox.h"
#include "grid/controls/combo/CGETabbedLBoxHeader.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/CGEComboBoxButton.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CGETabbedComboBox, CGEComboBox)

BEGIN_MESSAGE_MAP(CGETabbedComboBox, CGEComboBox)
ON_WM_CHAR()
END_MESSAGE_MAP()

const CGEControlClass CGETabbedComboBox::controlClass = {"CGETabbedComboBox", &CGEComboBox::controlClass};

namespace {

int AttributeNumber(const CGEStyle& style, WORD nId, int nDefault) {
    return style.HasUserAttribute(nId) ? std::atoi(style.GetUserAttribute(nId).GetValueText()) : nDefault;
}

CString ChoicesOf(const CGEStyle& style) {
    return style.GetIncludeChoiceList() ? style.GetChoiceList() : CString();
}

int KeyColumnOf(const CGEStyle& style) {
    return AttributeNumber(style, GE_IDS_UA_TABLIST_KEYCOL, 0);
}

int TextColumnOf(const CGEStyle& style) {
    return AttributeNumber(style, GE_IDS_UA_TABLIST_TEXTCOL, 0);
}

BOOL TitlesOf(const CGEStyle& style) {
    return AttributeNumber(style, GE_IDS_UA_TABLIST_TITLES, 0) != 0;
}

int UniqueIdOf(const CGEStyle& style) {
    return AttributeNumber(style, GE_IDS_UA_TABLIST_UNIQUEID, 0);
}

// TRUE when the style changes what the table's maps were built from.
BOOL ChangesTable(const CGEStyle& style) {
    if (style.GetIncludeChoiceList())
        return TRUE;
    for (WORD nId = GE_IDS_UA_TABLIST_KEYCOL; nId <= GE_IDS_UA_TABLIST_SORTCOL; ++nId) {
        if (style.HasUserAttribute(nId))
            return TRUE;
    }
    return style.HasUserAttribute(GE_IDS_UA_TABLIST_UNIQUEID);
}

} // namespace

CGETabbedComboBox::CGETabbedComboBox(CGEGridCore* pGrid, UINT nID, UINT nListID)
    : CGEComboBox(pGrid, nID, nListID, flagNoTextFit), m_pHeader(new CGETabbedLBoxHeader) {
    m_bFontHeightButton = FALSE;
}

CGETabbedComboBox::~CGETabbedComboBox() {
    m_pPopup = nullptr; // the kept pop-up is deleted here, not by the combo box
    if (m_pHeader->GetSafeHwnd() != nullptr)
        m_pHeader->DestroyWindow();
    delete m_pHeader;
    delete m_pKeptPopup;
}

// ---- finding rows ----

BOOL CGETabbedComboBox::FindRow(const CString& strChoices, int nColumn, LPCSTR pszText, BOOL bTitles,
                                CString& strRow, int* pnIndex) {
    const int nIndex = FindChoiceListEntry(pszText, nColumn, strChoices, bTitles, strRow, TRUE);
    if (pnIndex != nullptr)
        *pnIndex = nIndex;
    return nIndex >= 0;
}

BOOL CGETabbedComboBox::RowByKey(const CGEStyle& style, LPCSTR pszKey, CString& strRow) {
    const int nId = UniqueIdOf(style);
    if (nId >= 1)
        return CGETabComboCache::Lookup(CGETabComboCache(m_pGrid->GetParam()).GetKeyMap(nId, style), pszKey,
                                        strRow);
    return FindRow(ChoicesOf(style), KeyColumnOf(style), pszKey, TitlesOf(style), strRow);
}

BOOL CGETabbedComboBox::RowByText(const CGEStyle& style, LPCSTR pszText, CString& strRow) {
    const int nId = UniqueIdOf(style);
    if (nId >= 1)
        return CGETabComboCache::Lookup(CGETabComboCache(m_pGrid->GetParam()).GetTextMap(nId, style), pszText,
                                        strRow);
    return FindRow(ChoicesOf(style), TextColumnOf(style), pszText, TitlesOf(style), strRow);
}

BOOL CGETabbedComboBox::RowByPrefix(const CGEStyle& style, LPCSTR pszText, CString& strRow) {
    return FindChoiceListEntry(pszText, TextColumnOf(style), ChoicesOf(style), TitlesOf(style), strRow,
                               FALSE) >= 0;
}

// ---- binding ----

void CGETabbedComboBox::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEComboBox::Init(nRow, nCol);
    const CGEStyle& style = GetCellStyle();
    m_nKeyCol = KeyColumnOf(style);
    m_nTextCol = TextColumnOf(style);
    m_bShowAllCols = AttributeNumber(style, GE_IDS_UA_TABLIST_SHOWALLCOLS, 1) != 0;
    m_bDisplayTitles = TitlesOf(style);
    m_nSortCol = AttributeNumber(style, GE_IDS_UA_TABLIST_SORTCOL, -1);
    m_strColWidths = style.HasUserAttribute(GE_IDS_UA_TABLIST_COLWIDTHS)
                         ? style.GetUserAttribute(GE_IDS_UA_TABLIST_COLWIDTHS).GetValueText()
                         : CString();
    m_bListFilled = FALSE;
    SetCurrentText(style.GetIncludeValue() ? style.GetValue() : CString());
    SetModify(FALSE);
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateFlags & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
    if (HasWindow())
        SetReadOnly(m_pGrid->IsReadOnly() ||
                    (GetCellStyle().GetIncludeReadOnly() && GetCellStyle().GetReadOnly()));
    if (!m_bActive)
        m_pButton->Refresh();
}

BOOL CGETabbedComboBox::OnValidate() {
    CString strValue;
    if (m_bActive && GetModify() && !GetCurrentText(strValue))
        return FALSE;
    return CGEComboBox::OnValidate();
}

// ---- values ----

BOOL CGETabbedComboBox::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    const CString strText = WindowText();
    if (strText.IsEmpty()) {
        strResult.Empty();
        return TRUE;
    }
    CString strRow;
    if (!RowByText(GetCellStyle(), strText, strRow))
        return FALSE;
    strResult = CopyTabField(strRow, KeyColumnOf(GetCellStyle()));
    return TRUE;
}

void CGETabbedComboBox::SetCurrentText(const CString& str) {
    if (!HasWindow() || !m_bBound)
        return;
    const CGEStyle& style = GetCellStyle();
    const int nId = UniqueIdOf(style);
    CString strRow;
    int nIndex = -1;
    BOOL bFound = FALSE;
    if (nId < 1 && m_bListFilled && m_nSortCol >= 0) {
        // The list was filled sorted: the index is found in a copy sorted the same way.
        const CString strSorted = SortChoiceList(ChoicesOf(style), m_nSortCol, TitlesOf(style));
        bFound = FindRow(strSorted, KeyColumnOf(style), str, TitlesOf(style), strRow, &nIndex);
    } else if (nId < 1) {
        bFound = FindRow(ChoicesOf(style), KeyColumnOf(style), str, TitlesOf(style), strRow, &nIndex);
    } else {
        bFound = RowByKey(style, str, strRow);
    }
    if (!bFound) {
        SetWindowText("");
        return;
    }
    const CString strText = CopyTabField(strRow, TextColumnOf(style));
    SetWindowText(strText);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    if (m_bListFilled && m_pKeptList != nullptr && m_pKeptList->GetSafeHwnd() != nullptr) {
        if (nId < 1)
            m_pKeptList->SetCurSel(nIndex);
        else
            m_pKeptList->SetCurSel(m_pKeptList->FindStringExact(-1, ListItemOf(strRow, m_nTextCol)));
    }
}

BOOL CGETabbedComboBox::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue,
                                       const CGEStyle& style) {
    const CString strValue = pszValue != nullptr       ? CString(pszValue)
                             : style.GetIncludeValue() ? style.GetValue()
                                                       : CString();
    CString strRow;
    if (!RowByKey(style, strValue, strRow)) {
        strResult.Empty();
        return FALSE;
    }
    strResult = CopyTabField(strRow, TextColumnOf(style));
    return TRUE;
}

BOOL CGETabbedComboBox::ConvertControlTextToValue(CString& str, ROWCOL nRow, ROWCOL nCol,
                                                  const CGEStyle* pOldStyle) {
    if (str.IsEmpty())
        return TRUE;
    CGEStyle* pComposed = nullptr;
    if (pOldStyle == nullptr) {
        pComposed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
        pOldStyle = pComposed;
    }
    CString strRow;
    const BOOL bFound = RowByText(*pOldStyle, str, strRow);
    if (bFound)
        str = CopyTabField(strRow, KeyColumnOf(*pOldStyle));
    if (pComposed != nullptr)
        m_pGrid->RecycleStyle(pComposed);
    return bFound;
}

BOOL CGETabbedComboBox::ValidateString(const CString& str) {
    if (str.IsEmpty() || !m_bFillWithChoiceList)
        return TRUE;
    if (!m_bBound)
        return FALSE;
    // A typed start of a text is valid without being filed in the shared maps: they hold whole texts only.
    CString strRow;
    return RowByText(GetCellStyle(), str, strRow) || RowByPrefix(GetCellStyle(), str, strRow);
}

BOOL CGETabbedComboBox::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int nType,
                                   UINT nFlags) {
    const int nCachedId = m_bBound ? UniqueIdOf(GetCellStyle()) : 0;
    const BOOL bModified = GetModify();
    const BOOL bResult = CGEComboBox::StoreStyle(nRow, nCol, pStyle, mt, nType, nFlags);
    if (!bResult || pStyle == nullptr || (mt != geOverride && mt != geApplyNew) ||
        !m_pGrid->IsCurrentCell(nRow, nCol))
        return bResult;
    BOOL bRebind = FALSE;
    if (ChangesTable(*pStyle)) {
        const int nId =
            pStyle->HasUserAttribute(GE_IDS_UA_TABLIST_UNIQUEID) ? UniqueIdOf(*pStyle) : nCachedId;
        CGETabComboCache(m_pGrid->GetParam()).Clear(nId);
        bRebind = TRUE;
    }
    if (pStyle->GetIncludeValue() && (!bModified || pStyle->GetIncludeControl()))
        bRebind = TRUE;
    if (pStyle->GetIncludeControl())
        bRebind = TRUE;
    if (bRebind)
        Reset();
    return bResult;
}

// ---- typing and completion ----

BOOL CGETabbedComboBox::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const BOOL bHandled = CGEComboBox::OnGridWindowMessage(message, wParam, lParam);
    if (message == WM_CHAR && wParam >= 0x20 && !IsReadOnly())
        CompleteTypedText();
    return bHandled;
}

void CGETabbedComboBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar < 0x20 || IsReadOnly()) {
        CGEEditControl::OnChar(nChar, nRepCnt, nFlags);
        return;
    }
    ReplaceSel(""); // the completed tail goes before the typed character
    CGEEditControl::OnChar(nChar, nRepCnt, nFlags);
    CompleteTypedText();
}

void CGETabbedComboBox::CompleteTypedText() {
    if (!m_bAutoComplete || !m_bFillWithChoiceList || !m_bActive || !m_bBound || IsReadOnly() || !HasWindow())
        return;
    const CString strTyped = WindowText();
    if (strTyped.IsEmpty())
        return;
    const CGEStyle& style = GetCellStyle();
    CString strRow;
    if (!RowByText(style, strTyped, strRow) && !RowByPrefix(style, strTyped, strRow))
        return;
    SetValue(CopyTabField(strRow, TextColumnOf(style)));
    SetSel(strTyped.GetLength(), -1);
    SendMessage(EM_SCROLLCARET);
}

// ---- size and drawing ----

void CGETabbedComboBox::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                                 const CGEStyle* pStandardStyle, BOOL) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    int cx = 0;
    int cy = tm.tmHeight + tm.tmExternalLeading + 1;
    CString strRest = ChoicesOf(style);
    CString strRow;
    if (TitlesOf(style) && !strRest.IsEmpty())
        CutFirstLine(strRest, strRow);
    const int nTextCol = TextColumnOf(style);
    while (!strRest.IsEmpty()) {
        CutFirstLine(strRest, strRow);
        const CString strText = CopyTabField(strRow, nTextCol);
        if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strText)) {
            cx = std::max(cx, pDIB->GetWidth());
            cy = std::max(cy, pDIB->GetHeight());
        } else {
            cx = std::max<int>(cx, pDC->GetTextExtent(strText, strText.GetLength()).cx);
        }
    }
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
    size = AddTextMarginsToSize(pDC, CSize(cx, cy), style);
}

void CGETabbedComboBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                             const CGEStyle* pStandardStyle) {
    const BOOL bCurrent = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting();
    if (bCurrent) {
        m_clrListInterior =
            style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
        m_clrListText = style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    }
    if (bCurrent && m_bActive && IsBoundToCellAt(nRow, nCol)) {
        CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
        TEXTMETRICA tm{};
        pDC->GetTextMetrics(&tm);
        if (pOldFont != nullptr)
            pDC->SelectObject(pOldFont);
        m_nRowHeight = tm.tmHeight;
        CGEComboBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    CString strText;
    GetControlText(strText, nRow, nCol, nullptr, style);
    if (const CGEDIB* pDIB = GEGetDIBPool()->Lookup(strText)) {
        DrawCellBackground(pDC, rect, style, FALSE);
        const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
        pDIB->Draw(pDC, rectText, CGEDIB::AlignFromFormat(CGEDrawingAndFormatting::AlignmentFormat(style)));
        CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    CGEComboBox::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
}
