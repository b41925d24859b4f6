// The currency cell: find and replace over the amounts as they are shown.
#include "grid/controls/gadgets/CGECurrencyEdit.h"

#include "grid/controls/GETextSearch.h"
#include "grid/core/CGEFindReplaceState.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

CString CGECurrencyEdit::ShownTextOf(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle) {
    // The hidden editor keeps the cell's format for what follows, even for an empty value.
    CString strText;
    if (pStyle != nullptr) {
        ApplyStyle(&m_hidden, *pStyle);
        GetControlText(strText, nRow, nCol, nullptr, *pStyle);
        return strText;
    }
    CGEStyle* pComposed = m_pGrid->CreateStyle();
    m_pGrid->ComposeStyleRowCol(nRow, nCol, pComposed, TRUE);
    ApplyStyle(&m_hidden, *pComposed);
    GetControlText(strText, nRow, nCol, nullptr, *pComposed);
    m_pGrid->RecycleStyle(pComposed);
    return strText;
}

BOOL CGECurrencyEdit::FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                               BOOL bSetSel) {
    if (m_bActive && IsBoundToCellAt(nRow, nCol)) {
        // A currency symbol typed before the number is not part of what is searched for.
        CString strFind = state.m_strFindCompare;
        const CString& strSymbol = m_model.GetFormat().m_strSymbol;
        if (!strSymbol.IsEmpty() &&
            GESearchCopy(strFind.Left(strSymbol.GetLength()), state) == GESearchCopy(strSymbol, state))
            strFind = strFind.Mid(strSymbol.GetLength());
        const CString strSearch = GESearchCopy(m_model.GetText(), state);
        int nStart = m_model.GetCaret();
        int nEnd = 0;
        m_model.GetSelection(nStart, nEnd);
        const int nFound = GEFindFrom(strSearch, strFind, bCurrentPos ? nStart : nStart + 1);
        if (nFound < 0)
            return FALSE;
        if (bSetSel)
            SetSel(nFound, nFound + strFind.GetLength());
        return TRUE;
    }
    const CString strText = ShownTextOf(nRow, nCol, state.m_pStyle);
    if (GEFindFrom(GESearchCopy(strText, state), state.m_strFindCompare, 0) < 0)
        return FALSE;
    if (bSetSel) {
        m_pGrid->ScrollCellInView(nRow, nCol, GE_UPDATENOW, FALSE);
        if (m_pGrid->SetCurrentCell(nRow, nCol, 0x24) && IsBoundToCellAt(nRow, nCol)) {
            SetActive(TRUE);
            FindText(state, nRow, nCol, TRUE, TRUE);
            Refresh();
        }
    }
    return TRUE;
}

BOOL CGECurrencyEdit::ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    const BOOL bEditor = m_bActive && IsBoundToCellAt(nRow, nCol);
    if (IsCellReadOnly() && bEditor)
        return FALSE;
    CString strText;
    int nStart = 0;
    CGEBCurrencyFormat format;
    if (bEditor) {
        strText = m_model.GetText();
        int nEnd = 0;
        if (!m_model.GetSelection(nStart, nEnd))
            nStart = 0;
        GetFormat(format);
    } else {
        strText = ShownTextOf(nRow, nCol, state.m_pStyle);
        if (strText.IsEmpty())
            strText = "0";
        m_hidden.GetFormat(format);
    }
    int nCount = 0;
    const CString strResult = GEReplaceFrom(strText, state, nStart, &nCount);
    double dAmount = 0.0;
    BOOL bNegative = FALSE;
    if (nCount == 0 || !format.Parse(strResult, dAmount, bNegative))
        return FALSE;
    // The cell keeps its stored form (a C-locale amount), not the text shown.
    const BOOL bStored = m_pGrid->StoreValueInRange(CGECellRange(nRow, nCol, nRow, nCol),
                                                    StorageText(format, dAmount, bNegative), geOverride,
                                                    m_pGrid->m_nCurrentCommandType, GE_UPDATENOW);
    if (bStored && bEditor) {
        SetAmount(dAmount, bNegative, TRUE);
        SetModify(FALSE);
    }
    return bStored;
}
