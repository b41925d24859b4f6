#include "grid/controls/edit/CGESpinEdit.h"

#include "grid/controls/CGEDownArrowButton.h"
#include "grid/controls/CGEUpArrowButton.h"
#include "grid/controls/GEControlIds.h"
#include "grid/controls/edit/GEEditButtonLayout.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

IMPLEMENT_DYNAMIC(CGESpinEdit, CGEEditControl)

const CGEControlClass CGESpinEdit::controlClass = {"CGESpinEdit", &CGEEditControl::controlClass};

namespace {

// A user attribute's text; empty when the style has none.
CString AttributeText(const CGEStyle& style, UINT nId) {
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValueText() : CString();
}

// A number attribute: FALSE when it is not set (empty).
BOOL ReadNumber(const CGEStyle& style, UINT nId, long& nValue) {
    const CString strText = AttributeText(style, nId);
    if (strText.IsEmpty())
        return FALSE;
    nValue = std::atol(strText);
    return TRUE;
}

} // namespace

CGESpinEdit::CGESpinEdit(CGEGridCore* pGrid, UINT nID) : CGEEditControl(pGrid, nID) {
    auto pUp = std::make_unique<CGEUpArrowButton>(this);
    m_pUpButton = pUp.get();
    AppendChild(pUp.release());
    auto pDown = std::make_unique<CGEDownArrowButton>(this);
    m_pDownButton = pDown.get();
    AppendChild(pDown.release());
}

void CGESpinEdit::AddUserAttributes(CGEStylesMap& stylesMap) {
    CGEStyle spin;
    spin.SetControl(GE_IDS_CTRL_SPINEDIT).SetWrapText(FALSE);
    stylesMap.AddUserAttribute(GE_IDS_UA_SPINBOUND_MIN, &spin);
    stylesMap.AddUserAttribute(GE_IDS_UA_SPINBOUND_MAX, &spin);
    stylesMap.AddUserAttribute(GE_IDS_UA_SPINEDIT_START, &spin);
    CGEStyle checkBox;
    checkBox.SetControl(GE_IDS_CTRL_CHECKBOX3D)
        .SetVerticalAlignment(DT_VCENTER)
        .SetHorizontalAlignment(DT_CENTER);
    stylesMap.AddUserAttribute(GE_IDS_UA_SPINBOUND_WRAP, &checkBox);
}

CGESpinEdit::Bounds CGESpinEdit::BoundsOf(const CGEStyle& style) {
    Bounds bounds;
    bounds.bWrap = std::atoi(AttributeText(style, GE_IDS_UA_SPINBOUND_WRAP)) != 0;
    bounds.bHasMin = ReadNumber(style, GE_IDS_UA_SPINBOUND_MIN, bounds.nMin);
    bounds.bHasMax = ReadNumber(style, GE_IDS_UA_SPINBOUND_MAX, bounds.nMax);
    bounds.bHasStart = ReadNumber(style, GE_IDS_UA_SPINEDIT_START, bounds.nStart);
    return bounds;
}

long CGESpinEdit::Step(const CString& strText, BOOL bUp, const Bounds& b) {
    long nValue = 0;
    if (b.bHasStart && strText.IsEmpty()) {
        // The first click of an empty cell shows where it starts.
        nValue = b.nStart;
    } else {
        nValue = std::atol(strText);
        if (bUp) {
            if (!b.bHasMax || nValue < b.nMax)
                nValue = nValue < LONG_MAX ? nValue + 1 : nValue;
            else if (b.bWrap && b.bHasMin)
                nValue = b.nMin;
        } else {
            if (!b.bHasMin || nValue > b.nMin)
                nValue = nValue > LONG_MIN ? nValue - 1 : nValue;
            else if (b.bWrap && b.bHasMax)
                nValue = b.nMax;
        }
    }
    if (b.bHasMin)
        nValue = std::max(nValue, b.nMin);
    if (b.bHasMax)
        nValue = std::min(nValue, b.nMax);
    return nValue;
}

void CGESpinEdit::ArrowRects(const CRect& rectCell, CRect& rectUp, CRect& rectDown) {
    CRect column(rectCell.right - 15, rectCell.top + 1, rectCell.right - 1, rectCell.bottom - 1);
    column.IntersectRect(&column, &rectCell);
    rectUp = CRect(column.left, column.top, column.right, column.top + column.Height() / 2);
    rectDown = CRect(column.left, rectUp.bottom, column.right, column.bottom);
}

void CGESpinEdit::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEEditControl::Init(nRow, nCol);
    m_pUpButton->Refresh();
    m_pDownButton->Refresh();
    GetCellStyle();
}

CRect CGESpinEdit::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) {
    CRect rect = CGEStatic::ComputeTextRect(nRow, nCol, pRectCell, pStyle);
    rect.right -= buttonSpace;
    return rect;
}

CSize CGESpinEdit::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    size.cx += buttonSpace;
    return CGEStatic::AddTextMarginsToSize(pDC, size, style);
}

void CGESpinEdit::LayoutChildren(ROWCOL nRow, ROWCOL nCol, const CRect& rectText) {
    CRect rectUp;
    CRect rectDown;
    ArrowRects(GECellRectOfText(m_pGrid, nRow, nCol, rectText, buttonSpace), rectUp, rectDown);
    m_pUpButton->SetRect(rectUp);
    m_pDownButton->SetRect(rectDown);
}

BOOL CGESpinEdit::LButtonDown(UINT nFlags, CPoint point, UINT nHitState) {
    m_bounds = BoundsOf(GetCellStyle());
    return CGEControl::LButtonDown(nFlags, point, nHitState);
}

void CGESpinEdit::OnChildButtonClicked(CGEChild* pChild) {
    const BOOL bWasActive = IsActive();
    if (!bWasActive && !OnStartEditing())
        return;
    SetActive(TRUE);
    if (!IsReadOnly() && HasWindow() && (pChild == m_pUpButton || pChild == m_pDownButton)) {
        const CString strText = WindowText();
        GetCellStyle();
        CString strValue;
        strValue.Format("%ld", Step(strText, pChild == m_pUpButton, m_bounds));
        SetWindowText(strValue);
        SetModify(TRUE);
        OnModifyCell();
        SetSel(0, -1);
        SendMessage(EM_SCROLLCARET);
    }
    if (!bWasActive)
        Refresh();
    else
        UpdateEditStyle();
    CGEControl::OnChildButtonClicked(pChild);
}
