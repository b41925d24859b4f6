#include "grid/core/CGEControl.h"

#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/core/CGEAbstractNumberFormattingImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <cstdlib>
#include <mbctype.h>

namespace {

// User attributes of range validation.
constexpr WORD kValidMin = 51011;
constexpr WORD kValidMax = 51012;
constexpr WORD kValidWarning = 51013;

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

} // namespace

CGEControl::CGEControl(CGEGridCore* pGrid) : m_pGrid(pGrid) {}

CGEControl::~CGEControl() {
    delete m_pStyle;
}

CWnd* CGEControl::GetGridWindow() const {
    return m_pGrid->GridWnd();
}

const CGEStyle& CGEControl::GetCellStyle() {
    if (m_pStyle == nullptr)
        m_pStyle = m_pGrid->LookupStyleRowCol(m_nRow, m_nCol).Clone();
    return *m_pStyle;
}

void CGEControl::ResetStyleCache(BOOL bNotify) {
    delete m_pStyle;
    m_pStyle = nullptr;
    if (bNotify)
        m_pGrid->ResetCurrentCellStyleCache();
}

void CGEControl::Init(ROWCOL nRow, ROWCOL nCol) {
    m_nRow = nRow;
    m_nCol = nCol;
    m_bBound = TRUE;
    SetActive(FALSE);
    SetModify(FALSE);
    ResetStyleCache(FALSE);
    m_pGrid->OnInitCurrentCell(nRow, nCol);
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateFlags & 4) != 0 && OnStartEditing())
        SetActive(TRUE);
}

void CGEControl::Reset() {
    if (IsActive() || GetModify())
        m_pGrid->DelayFloatCells(Cell(m_nRow, m_nCol));
    Hide();
    SetModify(FALSE);
    SetActive(FALSE);
    ResetStyleCache(TRUE);
    m_bBound = FALSE;
}

BOOL CGEControl::IsReadOnly() {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || !pParam->m_bLockReadOnly)
        return FALSE;
    if (m_pGrid->IsReadOnly())
        return TRUE;
    if (!m_bBound)
        return FALSE;
    const CGEStyle& style = GetCellStyle();
    return style.GetIncludeReadOnly() && style.GetReadOnly();
}

// ---- editing protocol ----

BOOL CGEControl::OnValidate() {
    if (IsActive() && GetModify()) {
        CString strText;
        GetValue(strText);
        if (!strText.IsEmpty()) {
            const CGEStyle& style = m_pGrid->LookupStyleRowCol(m_nRow, m_nCol);
            const CString strMin = style.HasUserAttribute(kValidMin)
                                       ? style.GetUserAttribute(kValidMin).GetValueText()
                                       : CString();
            const CString strMax = style.HasUserAttribute(kValidMax)
                                       ? style.GetUserAttribute(kValidMax).GetValueText()
                                       : CString();
            const double value = std::strtod(strText, nullptr);
            if ((!strMin.IsEmpty() && value < std::strtod(strMin, nullptr)) ||
                (!strMax.IsEmpty() && value > std::strtod(strMax, nullptr))) {
                const CString strWarning = style.HasUserAttribute(kValidWarning)
                                               ? style.GetUserAttribute(kValidWarning).GetValueText()
                                               : CString();
                m_pGrid->SetWarningText(strWarning);
                return FALSE;
            }
        }
    }
    return m_pGrid->OnValidateCell(m_nRow, m_nCol);
}

BOOL CGEControl::OnStartEditing() {
    if (!m_bBound || !m_pGrid->OnStartEditing(m_nRow, m_nCol))
        return FALSE;
    m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, TRUE);
    return TRUE;
}

void CGEControl::OnModifyCell() {
    if (GetModify())
        m_pGrid->OnModifyCell(m_nRow, m_nCol);
}

BOOL CGEControl::OnEndEditing() {
    if (!m_pGrid->OnEndEditing(m_nRow, m_nCol))
        return FALSE;
    m_pGrid->DelayFloatCells(Cell(m_nRow, m_nCol));
    return TRUE;
}

void CGEControl::OnCanceledEditing() {
    m_pGrid->OnCanceledEditing(m_nRow, m_nCol);
    m_pGrid->EvalFloatCells(Cell(m_nRow, m_nCol), TRUE);
}

BOOL CGEControl::OnCancelEditing() {
    return m_pGrid->OnCancelEditing(m_nRow, m_nCol);
}

BOOL CGEControl::OnLeftCell(ROWCOL nNewRow, ROWCOL nNewCol) {
    return m_pGrid->OnLeftCell(m_nRow, m_nCol, nNewRow, nNewCol);
}

BOOL CGEControl::OnDeleteCell() {
    return m_pGrid->OnDeleteCell(m_nRow, m_nCol);
}

// ---- measuring and drawing ----

CRect CGEControl::ComputeTextRect(ROWCOL nRow, ROWCOL nCol, const CRect* pRectCell, const CGEStyle* pStyle) {
    const CGEStyle& style = pStyle != nullptr ? *pStyle : m_pGrid->LookupStyleRowCol(nRow, nCol);
    const CRect rectCell = pRectCell != nullptr ? *pRectCell : m_pGrid->GetCellRect(nRow, nCol);
    CRect rect = m_pGrid->SubtractBorders(rectCell, style, TRUE);
    CGEGridParam* pParam = m_pGrid->GetParam();
    CGEProperties* pProps = m_pGrid->GetProperties();
    if (pParam != nullptr && pProps != nullptr && !pParam->m_bNoFrozenLineAdjust) {
        // The frozen boundary's line takes a pixel of the last frozen row (column).
        const ROWCOL nFrozenRows = m_pGrid->GetFrozenRows();
        const ROWCOL nFrozenCols = m_pGrid->GetFrozenCols();
        if (nRow > m_pGrid->GetHeaderRows() && nRow == nFrozenRows && !style.HasBorder(2) &&
            pProps->GetDisplayFrozenRowLine())
            rect.bottom -= 1;
        if (nCol > m_pGrid->GetHeaderCols() && nCol == nFrozenCols && !style.HasBorder(3) &&
            pProps->GetDisplayFrozenColLine())
            rect.right -= 1;
    }
    return rect;
}

void CGEControl::CalcSize(CSize& size, CDC*, ROWCOL, ROWCOL, const CGEStyle&, const CGEStyle*, BOOL) {
    size = CSize(0, 0);
}

BOOL CGEControl::CanFloatCell(ROWCOL, ROWCOL, const CGEStyle&, BOOL) {
    return FALSE;
}

BOOL CGEControl::CanMergeCell(ROWCOL, ROWCOL, const CGEStyle& style, int) {
    return style.GetIncludeValue() && !style.GetValue().IsEmpty();
}

BOOL CGEControl::HasText(ROWCOL, ROWCOL, const CGEStyle& style, BOOL) {
    return style.GetIncludeValue() && !style.GetValue().IsEmpty();
}

void CGEControl::Draw(CDC*, const CRect&, ROWCOL, ROWCOL, const CGEStyle&, const CGEStyle*) {}

void CGEControl::DrawCurrentCellFrame(CDC* pDC, const CRect& rect, const CGEStyle&) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam == nullptr || pParam->m_bHideCurrentCellFrame)
        return;
    if (pParam->m_wActivateFlags == 4 && GetWndPtr() != nullptr)
        return;
    if (pParam->m_nCurrentCellFrameMode == 2 && !m_pGrid->m_bWndHasFocus)
        return;
    CGEProperties* pProps = m_pGrid->GetProperties();
    const CString strLook = pProps != nullptr ? pProps->GetUserProperty(GE_IDS_PROP_CURRENTCELL) : CString();
    if (strLook == "No Border.")
        return;
    const CRect frame(rect.left, rect.top, rect.right - 1, rect.bottom - 1);
    if (strLook == "Thin Border." || strLook == "Thick Border.") {
        const int w = strLook == "Thick Border." ? 2 : 1;
        const COLORREF black = RGB(0, 0, 0);
        pDC->FillSolidRect(frame.left, frame.top, frame.Width(), w, black);
        pDC->FillSolidRect(frame.left, frame.bottom - w, frame.Width(), w, black);
        pDC->FillSolidRect(frame.left, frame.top, w, frame.Height(), black);
        pDC->FillSolidRect(frame.right - w, frame.top, w, frame.Height(), black);
        return;
    }
    const int w = strLook == "Invert Thick." ? 2 : 1;
    const CRect strips[4] = {CRect(frame.left, frame.top, frame.left + w, frame.bottom),
                             CRect(frame.right - w, frame.top, frame.right, frame.bottom),
                             CRect(frame.left + w, frame.top, frame.right - w, frame.top + w),
                             CRect(frame.left + w, frame.bottom - w, frame.right - w, frame.bottom)};
    for (const CRect& strip : strips)
        pDC->InvertRect(&strip);
}

BOOL CGEControl::DrawCellBackground(CDC* pDC, const CRect& rect, const CGEStyle& style, BOOL bErase) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (bErase || pParam == nullptr || !pParam->m_bTransparentBackground)
        m_pGrid->DrawCellBackground(pDC, rect, style);
    return Draw3dFrame(pDC, rect, style);
}

BOOL CGEControl::Draw3dFrame(CDC* pDC, const CRect& rect, const CGEStyle& style) {
    CGEProperties* pProps = m_pGrid->GetProperties();
    if (pProps != nullptr && pProps->m_b3dLook && m_pGrid->IsPrinting())
        return FALSE;
    if (!style.GetIncludeDraw3dFrame() || style.GetDraw3dFrame() == 0)
        return FALSE;
    CRect inner = m_pGrid->SubtractBorders(rect, style, TRUE);
    inner.InflateRect(1, 1, 0, 0);
    pDC->DrawEdge(&inner, style.GetDraw3dFrame() == 1 ? BDR_RAISEDINNER : BDR_SUNKENINNER, BF_RECT);
    return TRUE;
}

void CGEControl::Refresh() {
    if (!m_bBound)
        return;
    if (IsActive() || GetModify())
        m_pGrid->DelayFloatCells(Cell(m_nRow, m_nCol));
    Hide();
    CWnd* pWnd = GetGridWindow();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return;
    const CRect rect = IsActive() ? m_pGrid->GetCellRect(m_nRow, m_nCol)
                                  : m_pGrid->GetRangeRectCovered(Cell(m_nRow, m_nCol));
    pWnd->InvalidateRect(&rect, TRUE);
}

// ---- values ----

BOOL CGEControl::GetValue(CString& strResult) {
    if (m_pStyle != nullptr && m_pStyle->GetIncludeValue()) {
        strResult = m_pStyle->GetValue();
        return TRUE;
    }
    if (m_bBound)
        return GetControlText(strResult, m_nRow, m_nCol, nullptr, GetCellStyle());
    strResult.Empty();
    return FALSE;
}

void CGEControl::SetValue(LPCSTR pszValue) {
    if (m_bBound)
        m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), CString(pszValue), geOverride, -1, GE_UPDATENOW);
}

BOOL CGEControl::GetCurrentText(CString& strResult) {
    if (!m_bBound)
        return FALSE;
    const CGEStyle& style = GetCellStyle();
    if (!style.GetIncludeValue())
        return FALSE;
    strResult = style.GetValue();
    return TRUE;
}

void CGEControl::SetCurrentText(const CString& str) {
    if (!m_bBound)
        return;
    GetCellStyle();
    m_pStyle->SetValue(str);
    m_pGrid->DelayFloatCells(Cell(m_nRow, m_nCol));
    m_pGrid->EvalFloatCells(Cell(m_nRow, m_nCol), TRUE);
}

BOOL CGEControl::GetControlText(CString& strResult, ROWCOL, ROWCOL, LPCSTR pszValue, const CGEStyle& style) {
    CString strValue;
    if (pszValue != nullptr) {
        strValue = pszValue;
    } else if (style.GetIncludeValue()) {
        strValue = style.GetValue();
    } else {
        strResult.Empty();
        return FALSE;
    }
    CGEAbstractNumberFormattingImp* pFormatting = GEGetLibraryState()->m_pNumberFormattingImp;
    if (pFormatting != nullptr && style.GetIncludeFormat() && style.GetFormat() != 0)
        strResult = pFormatting->FormatValue(strValue, style);
    else
        strResult = strValue;
    return TRUE;
}

BOOL CGEControl::SetControlText(ROWCOL nRow, ROWCOL nCol, const CString& str, UINT nFlags,
                                const CGEStyle* pOldStyle) {
    CGEStyle* pBorrowed = nullptr;
    if (pOldStyle == nullptr) {
        pBorrowed = m_pGrid->CreateStyle();
        m_pGrid->ComposeStyleRowCol(nRow, nCol, pBorrowed, TRUE);
        pOldStyle = pBorrowed;
    }
    m_pGrid->m_pStyleInUse = pOldStyle;
    CString strValue(str);
    BOOL bResult = ConvertControlTextToValue(strValue, nRow, nCol, pOldStyle);
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (bResult && pParam != nullptr && pParam->m_bLockReadOnly &&
        (m_pGrid->IsReadOnly() || (pOldStyle->GetIncludeReadOnly() && pOldStyle->GetReadOnly())))
        bResult = FALSE;
    if (bResult) {
        if (pOldStyle->GetIncludeMaxLength() && pOldStyle->GetMaxLength() > 0 &&
            strValue.GetLength() > static_cast<int>(pOldStyle->GetMaxLength()))
            strValue = strValue.Left(pOldStyle->GetMaxLength());
        bResult = m_pGrid->StoreValueInRange(Cell(nRow, nCol), strValue, geOverride, -1, nFlags);
    }
    m_pGrid->m_pStyleInUse = nullptr;
    if (pBorrowed != nullptr)
        m_pGrid->RecycleStyle(pBorrowed);
    return bResult;
}

BOOL CGEControl::ConvertControlTextToValue(CString&, ROWCOL, ROWCOL, const CGEStyle*) {
    return TRUE;
}

BOOL CGEControl::StoreStyle(ROWCOL nRow, ROWCOL nCol, const CGEStyle* pStyle, int mt, int, UINT nFlags) {
    const BOOL bResult = m_pGrid->SetStyleRange(Cell(nRow, nCol), pStyle, mt, -1, nullptr, nFlags);
    if (!bResult || !m_pGrid->IsCurrentCell(nRow, nCol))
        return bResult;
    if (IsBoundToCellAt(nRow, nCol) && mt != geRemove) {
        ResetStyleCache(TRUE);
        const BOOL bModified = GetModify();
        if (pStyle != nullptr && pStyle->GetIncludeControl())
            m_pGrid->ResetCurrentCellStyleCache();
        else if (pStyle != nullptr && pStyle->GetIncludeValue())
            SetCurrentText(pStyle->GetValue());
        Refresh();
        SetActive(mt == geCopy ? FALSE : bModified);
    } else if (m_bBound || m_pGrid->IsCurrentCell(nRow, nCol)) {
        Init(nRow, nCol);
    }
    return bResult;
}

BOOL CGEControl::GetDisplayValue(ROWCOL, ROWCOL, UINT, const CGEStyle& style, CString& str) {
    str = style.GetIncludeValue() ? style.GetValue() : CString();
    return TRUE;
}

BOOL CGEControl::GetSortKey(ROWCOL, ROWCOL, const CGESortInfo&, const CGEStyle& style, CString& strKey) {
    strKey = style.GetIncludeValue() ? style.GetValue() : CString();
    return TRUE;
}

BOOL CGEControl::GetSelectedText(CString& strResult) {
    GetValue(strResult);
    return FALSE;
}

void CGEControl::ReplaceSel(LPCSTR pszText) {
    if (m_bBound && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), CString(pszText), geOverride, -1, GE_UPDATENOW);
}

// ---- mouse ----

BOOL CGEControl::OnMouseMove(UINT, CPoint) {
    return FALSE;
}

BOOL CGEControl::MouseMoveOver(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    return m_pGrid->OnCellMouseMove(nRow, nCol, nFlags, point);
}

BOOL CGEControl::LButtonDown(UINT, CPoint, UINT) {
    return FALSE;
}

BOOL CGEControl::LButtonUp(UINT nFlags, CPoint point, UINT) {
    if (!ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr).PtInRect(point))
        return FALSE;
    return m_pGrid->OnCellClick(m_nRow, m_nCol, nFlags, point);
}

BOOL CGEControl::LButtonDblClk(UINT nFlags, CPoint point) {
    return m_pGrid->OnCellDblClick(m_nRow, m_nCol, nFlags, point);
}

BOOL CGEControl::MButtonDown(UINT, CPoint, UINT) {
    return FALSE;
}

BOOL CGEControl::MButtonUp(UINT nFlags, CPoint point, UINT) {
    if (!ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr).PtInRect(point))
        return FALSE;
    return m_pGrid->OnCellMClick(m_nRow, m_nCol, nFlags, point);
}

BOOL CGEControl::MButtonDblClk(UINT, CPoint) {
    return FALSE;
}

BOOL CGEControl::RButtonDown(UINT, CPoint, UINT) {
    return FALSE;
}

BOOL CGEControl::RButtonUp(UINT nFlags, CPoint point, UINT) {
    if (!ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr).PtInRect(point))
        return FALSE;
    return m_pGrid->OnCellRClick(m_nRow, m_nCol, nFlags, point);
}

BOOL CGEControl::RButtonDblClk(UINT, CPoint) {
    return FALSE;
}

BOOL CGEControl::OnClickedCell(UINT, CPoint) {
    return FALSE;
}

// ---- keys ----

BOOL CGEControl::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const UINT nChar = static_cast<UINT>(wParam);
    const UINT nRepCnt = LOWORD(lParam);
    const UINT nFlags = HIWORD(lParam);
    switch (message) {
    case WM_KEYDOWN:
        return OnGridKeyDown(nChar, nRepCnt, nFlags);
    case WM_KEYUP:
        return OnGridKeyUp(nChar, nRepCnt, nFlags);
    case WM_CHAR:
        if (m_bLeadBytePending) {
            m_bLeadBytePending = FALSE;
            const char sz[3] = {static_cast<char>(m_nLeadByte), static_cast<char>(nChar), 0};
            return OnGridDoubleByteChar(CString(sz), nRepCnt, nFlags);
        }
        if (nChar < 256 && _ismbblead(nChar)) {
            m_bLeadBytePending = TRUE;
            m_nLeadByte = static_cast<BYTE>(nChar);
            return TRUE;
        }
        return OnGridChar(nChar, nRepCnt, nFlags);
    case WM_DEADCHAR:
        return OnGridDeadChar(nChar, nRepCnt, nFlags);
    case WM_SYSKEYDOWN:
        return OnGridSysKeyDown(nChar, nRepCnt, nFlags);
    case WM_SYSKEYUP:
        return OnGridSysKeyUp(nChar, nRepCnt, nFlags);
    case WM_SYSCHAR:
        return OnGridSysChar(nChar, nRepCnt, nFlags);
    case WM_SYSDEADCHAR:
        return OnGridSysDeadChar(nChar, nRepCnt, nFlags);
    default:
        return FALSE;
    }
}

void CGEControl::OnGridScroll(const MSG* pMsg) {
    if (pMsg == nullptr || (pMsg->message != WM_HSCROLL && pMsg->message != WM_VSCROLL) || !IsActive())
        return;
    CGECellRange range(m_nRow, m_nCol, m_nRow, m_nCol);
    m_pGrid->GetCellRangeRowCol(m_nRow, m_nCol, range);
    const ROWCOL nFrozenRows = m_pGrid->GetFrozenRows();
    const ROWCOL nFrozenCols = m_pGrid->GetFrozenCols();
    const BOOL bCrossesCols = range.left <= nFrozenCols && range.right > nFrozenCols;
    const BOOL bCrossesRows = range.top <= nFrozenRows && range.bottom > nFrozenRows;
    if (!bCrossesCols && !bCrossesRows)
        return;
    if (GetModify())
        Store();
    SetActive(FALSE);
    Refresh();
}
