#include "grid/controls/CGERadioButtonEx.h"

#include "framework/win/CDC.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>

const CGEControlClass CGERadioButtonEx::controlClass = {"CGERadioButtonEx", &CGEControl::controlClass};

CGERadioButtonEx::CGERadioButtonEx(CGEGridCore* pGrid, BOOL b3D) : CGERadioButton(pGrid, b3D) {}

void CGERadioButtonEx::AddUserAttributes(CGEStylesMap& stylesMap) {
    CGEStyle alignment;
    alignment.SetControl(GE_IDS_CTRL_ZEROBASED_EX).SetChoiceList("Vertical\nHorizontal");
    stylesMap.AddUserAttribute(GE_IDS_UA_RADIOBTN_ALIGN, &alignment);
}

BOOL CGERadioButtonEx::IsHorizontal(const CGEStyle& style) const {
    return style.HasUserAttribute(GE_IDS_UA_RADIOBTN_ALIGN) &&
           style.GetUserAttribute(GE_IDS_UA_RADIOBTN_ALIGN).GetValueText() == "1";
}

void CGERadioButtonEx::SetActive(BOOL bActive) {
    if (bActive && !m_bActive && m_bBound) {
        ResetStyleCache(TRUE);
        GetCellStyle();
    }
    m_bActive = bActive;
}

void CGERadioButtonEx::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEControl::Init(nRow, nCol);
    GetCellStyle();
    m_bModified = FALSE;
}

BOOL CGERadioButtonEx::Store() {
    if (m_pStyle == nullptr || !m_bModified)
        return TRUE;
    const CString strValue = m_pStyle->GetIncludeValue() ? m_pStyle->GetValue() : CString();
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    return m_pGrid->StoreValueInRange(CGECellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, geOverride, 0,
                                      GE_INVALIDATE);
}

void CGERadioButtonEx::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                                const CGEStyle* pStandardStyle, BOOL) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    int cx = 0;
    for (const CString& item : ItemsOf(style))
        cx += pDC->GetTextExtent(item, item.GetLength()).cx + textOffset;
    size = AddTextMarginsToSize(pDC, CSize(cx + 4, ItemHeight(pDC) + 4), style);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGERadioButtonEx::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                            const CGEStyle* pStandardStyle) {
    const BOOL bOwnEdit = IsBoundToCellAt(nRow, nCol) && m_bActive && m_bModified && m_pStyle != nullptr;
    CGERadioButton::Draw(pDC, rect, nRow, nCol, bOwnEdit ? *m_pStyle : style, pStandardStyle);
}

BOOL CGERadioButtonEx::EnsureActive() {
    if (m_bActive)
        return TRUE;
    if (!OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    return TRUE;
}

void CGERadioButtonEx::ChangeValue(const CString& strValue) {
    GetCellStyle();
    m_pStyle->SetValue(strValue);
    m_pGrid->RedrawRowCol(m_nRow, m_nCol, m_nRow, m_nCol, GE_UPDATENOW, TRUE);
    SetModify(TRUE);
    OnModifyCell();
}

BOOL CGERadioButtonEx::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    if ((nHitState & GE_MR_UP) == 0)
        return CGEControl::LButtonUp(nFlags, point, nHitState);
    if (IsReadOnly())
        return TRUE;
    const int nHit =
        HitTestCell(m_bActive ? GetCellStyle() : m_pGrid->LookupStyleRowCol(m_nRow, m_nCol), point);
    if (nHit < 0 || !EnsureActive())
        return TRUE;
    if (nHit != SelectedIndex(GetCellStyle())) {
        CString strValue;
        strValue.Format("%d", nHit);
        ChangeValue(strValue);
    }
    OnChildButtonClicked(nullptr);
    return TRUE;
}

BOOL CGERadioButtonEx::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (CGEControl::OnGridWindowMessage(message, wParam, lParam))
        return TRUE;
    if (message == WM_KEYDOWN && wParam == VK_DELETE && m_bActive) {
        if (IsReadOnly())
            return FALSE;
        ChangeValue("");
        return TRUE;
    }
    if (message != WM_CHAR || wParam != VK_SPACE)
        return FALSE;
    if (!EnsureActive() || IsReadOnly())
        return FALSE;
    CString strValue;
    if (NextValueText(GetCellStyle(), strValue))
        ChangeValue(strValue);
    return TRUE;
}
