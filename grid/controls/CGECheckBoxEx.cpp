#include "grid/controls/CGECheckBoxEx.h"

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEStyle.h"

const CGEControlClass CGECheckBoxEx::controlClass = {"CGECheckBoxEx", &CGEControl::controlClass};

CGECheckBoxEx::CGECheckBoxEx(CGEGridCore* pGrid, BOOL b3D, UINT nBitmapId, UINT nPrintBitmapId)
    : CGECheckBox(pGrid, b3D, nBitmapId, nPrintBitmapId) {}

void CGECheckBoxEx::SetActive(BOOL bActive) {
    if (bActive && !m_bActive && m_bBound) {
        ResetStyleCache(TRUE);
        GetCellStyle();
    }
    m_bActive = bActive;
}

void CGECheckBoxEx::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEControl::Init(nRow, nCol);
    GetCellStyle();
    m_bModified = FALSE;
}

BOOL CGECheckBoxEx::Store() {
    if (m_pStyle == nullptr || !m_bModified)
        return TRUE;
    const CString strValue = m_pStyle->GetIncludeValue() ? m_pStyle->GetValue() : CString();
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    return m_pGrid->StoreValueInRange(CGECellRange(m_nRow, m_nCol, m_nRow, m_nCol), strValue, geOverride, 0,
                                      GE_INVALIDATE);
}

const CGEStyle& CGECheckBoxEx::StyleForToggle() {
    return m_bActive ? GetCellStyle() : CGECheckBox::StyleForToggle();
}

void CGECheckBoxEx::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                         const CGEStyle* pStandardStyle) {
    const BOOL bOwnEdit = IsBoundToCellAt(nRow, nCol) && m_bActive && m_pStyle != nullptr;
    CGECheckBox::Draw(pDC, rect, nRow, nCol, bOwnEdit ? *m_pStyle : style, pStandardStyle);
}

void CGECheckBoxEx::ChangeValue(const CString& strValue) {
    GetCellStyle();
    m_pStyle->SetValue(strValue);
    m_pGrid->RedrawRowCol(m_nRow, m_nCol, m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    SetModify(TRUE);
    OnModifyCell();
}

BOOL CGECheckBoxEx::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (CGECheckBox::OnGridWindowMessage(message, wParam, lParam))
        return TRUE;
    if (message == WM_KEYDOWN && wParam == VK_DELETE && m_bActive) {
        ChangeValue("");
        return TRUE;
    }
    return FALSE;
}

void CGECheckBoxEx::OnChildButtonClicked(CGEChild* pChild) {
    if (!m_bActive) {
        if (!OnStartEditing())
            return;
        SetActive(TRUE);
    }
    if (IsReadOnly())
        return;
    const CGEStyle& style = GetCellStyle();
    ChangeValue(NextValue(style.GetIncludeValue() ? style.GetValue() : CString(), style));
    CGEControl::OnChildButtonClicked(pChild);
}
