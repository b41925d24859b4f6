#include "grid/core/CGEControl.h"

#include "framework/core/CSharedFile.h"
#include "framework/win/CDC.h"
#include "framework/win/CWnd.h"
#include "grid/GridResource.h"
#include "grid/controls/CGECellTipStatic.h"
#include "grid/controls/CGEChild.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/core/CGEAbstractNumberFormattingImp.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"
#include "grid/core/CGEStylesMap.h"

#include <cstdlib>
#include <cstring>

namespace {

// User attributes of range validation.
constexpr WORD kValidMin = 51011;
constexpr WORD kValidMax = 51012;
constexpr WORD kValidWarning = 51013;
// The spin edit edits the validation bounds.
constexpr WORD kSpinEditControl = 52519;

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

CString UserAttributeText(const CGEStyle& style, WORD nId) {
    return style.HasUserAttribute(nId) ? style.GetUserAttribute(nId).GetValueText() : CString();
}

// Opens the clipboard for pWnd unless this thread has it open already; the destructor closes what it opened.
class ClipboardAccess {
public:
    explicit ClipboardAccess(CWnd* pWnd) {
        HWND hWnd = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
        if (::GetOpenClipboardWindow() != nullptr && ::GetOpenClipboardWindow() == hWnd)
            m_bOpen = TRUE;
        else
            m_bOpen = m_bOpened = ::OpenClipboard(hWnd);
    }
    ~ClipboardAccess() {
        if (m_bOpened)
            ::CloseClipboard();
    }
    ClipboardAccess(const ClipboardAccess&) = delete;
    ClipboardAccess& operator=(const ClipboardAccess&) = delete;
    BOOL IsOpen() const { return m_bOpen; }

private:
    BOOL m_bOpen = FALSE;
    BOOL m_bOpened = FALSE;
};

} // namespace

const CGEControlClass CGEControl::controlClass = {"CGEControl", nullptr};

CGEControl::CGEControl(CGEGridCore* pGrid) : m_pGrid(pGrid) {}

CGEControl::~CGEControl() {
    delete m_pStyle;
    if (m_pChildren != nullptr) {
        POSITION pos = m_pChildren->GetHeadPosition();
        while (pos != nullptr)
            delete static_cast<CGEChild*>(m_pChildren->GetNext(pos));
    }
}

// ---- class records ----

BOOL CGEControl::IsKindOfControlClass(const CGEControlClass* pClass) const {
    for (const CGEControlClass* p = GetControlClass(); p != nullptr; p = p->m_pBaseClass) {
        if (p == pClass)
            return TRUE;
    }
    return FALSE;
}

BOOL CGEControl::ObjectIsKindOf(CRuntimeClass* pClass) const {
    CWnd* pWnd = GetWndPtr();
    return pWnd != nullptr && pWnd->IsKindOf(pClass);
}

// ---- binding ----

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
    SetActiveChild(nullptr);
    LayoutChildren(nRow, nCol, ComputeTextRect(nRow, nCol, nullptr, nullptr));
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
            const CString strMin = UserAttributeText(style, kValidMin);
            const CString strMax = UserAttributeText(style, kValidMax);
            const double value = std::strtod(strText, nullptr);
            if ((!strMin.IsEmpty() && value < std::strtod(strMin, nullptr)) ||
                (!strMax.IsEmpty() && value > std::strtod(strMax, nullptr))) {
                m_pGrid->SetWarningText(UserAttributeText(style, kValidWarning));
                return FALSE;
            }
        }
        if (!ValidateString(strText))
            return FALSE;
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

CSize CGEControl::AddTextMarginsToSize(CDC*, CSize size, const CGEStyle& style) {
    return m_pGrid->AddBorders(size, style);
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

void CGEControl::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      const CGEStyle*) {
    if (GetChildCount() == 0)
        return;
    LayoutChildren(nRow, nCol, ComputeTextRect(nRow, nCol, &rect, &style));
    // The grid has the focus also while its control's window over the cell has it, or its list is open.
    CWnd* pWnd = GetGridWindow();
    const HWND hGrid = pWnd != nullptr ? pWnd->GetSafeHwnd() : nullptr;
    const HWND hFocus = ::GetFocus();
    const BOOL bGridFocus =
        hGrid != nullptr &&
        (hFocus == hGrid || (hFocus != nullptr && ::IsChild(hGrid, hFocus)) || m_pGrid->m_bDropDownOpen);
    const BOOL bFocus = m_pGrid->IsCurrentCell(nRow, nCol) && !m_pGrid->IsPrinting() && bGridFocus;
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->Draw(pDC, bFocus);
}

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

BOOL CGEControl::IsHeaderMarked(ROWCOL nRow, ROWCOL nCol, UINT nFlags) {
    return m_pGrid->IsHeaderMarked(this, nRow, nCol, nFlags);
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

BOOL CGEControl::CopyCurrentTextToStyle(ROWCOL nRow, ROWCOL nCol, CGEStyle& style) {
    CString strText;
    if (IsBoundToCellAt(nRow, nCol) && m_pGrid->IsCurrentCell(nRow, nCol) && GetCurrentText(strText))
        style.SetValue(strText);
    return FALSE;
}

BOOL CGEControl::GetDisplayValue(ROWCOL, ROWCOL, UINT, const CGEStyle& style, CString& str) {
    str = style.GetIncludeValue() ? style.GetValue() : CString();
    return TRUE;
}

BOOL CGEControl::GetChoiceListItem(CString& strResult, LPCSTR pszChoiceList, int nIndex) {
    strResult.Empty();
    if (pszChoiceList == nullptr || nIndex < 0)
        return FALSE;
    CString strRest(pszChoiceList);
    CString strLine;
    for (int i = 0; !strRest.IsEmpty(); ++i) {
        CutFirstLine(strRest, strLine);
        if (i == nIndex) {
            strResult = strLine;
            return TRUE;
        }
    }
    return FALSE;
}

int CGEControl::FindStringInChoiceList(CString& strResult, LPCSTR pszText, LPCSTR pszChoiceList,
                                       BOOL bExact) {
    strResult.Empty();
    const CString strText(pszText);
    if (strText.IsEmpty() || pszChoiceList == nullptr)
        return -1;
    CString strRest(pszChoiceList);
    CString strLine;
    CString strPrefixItem;
    int nPrefixIndex = -1;
    for (int i = 0; !strRest.IsEmpty(); ++i) {
        CutFirstLine(strRest, strLine);
        if (strLine.CompareNoCase(strText) == 0) {
            strResult = strLine;
            return i;
        }
        if (!bExact && nPrefixIndex < 0 && GEStartsWithNoCase(strLine, strText)) {
            nPrefixIndex = i;
            strPrefixItem = strLine;
        }
    }
    if (bExact)
        return -1;
    strResult = strPrefixItem;
    return nPrefixIndex;
}

BOOL CGEControl::ValidateString(const CString&) {
    return TRUE;
}

BOOL CGEControl::ValidatePaste(const CString&) {
    return TRUE;
}

BOOL CGEControl::GetSortKey(ROWCOL, ROWCOL, const CGESortInfo&, const CGEStyle& style, CString& strKey) {
    strKey = style.GetIncludeValue() ? style.GetValue() : CString();
    return TRUE;
}

// ---- mouse ----

void CGEControl::LayoutForMouse(ROWCOL nRow, ROWCOL nCol) {
    if (GetChildCount() > 0)
        LayoutChildren(nRow, nCol, ComputeTextRect(nRow, nCol, nullptr, nullptr));
}

BOOL CGEControl::OnMouseMove(UINT nFlags, CPoint point) {
    LayoutForMouse(m_nRow, m_nCol);
    return m_pActiveChild != nullptr ? m_pActiveChild->OnMouseMove(nFlags, point) : FALSE;
}

BOOL CGEControl::MouseMoveOver(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    LayoutForMouse(nRow, nCol);
    BOOL bHandled = FALSE;
    for (int i = 0; i < GetChildCount() && !bHandled; ++i) {
        if (GetChild(i)->HitTest(point))
            bHandled = GetChild(i)->MouseMoveOver(nRow, nCol, nFlags, point);
    }
    return m_pGrid->OnCellMouseMove(nRow, nCol, nFlags, point) || bHandled;
}

BOOL CGEControl::PressChild(BOOL (CGEChild::*pfnPress)(UINT, CPoint), UINT nFlags, CPoint point) {
    LayoutForMouse(m_nRow, m_nCol);
    for (int i = 0; i < GetChildCount(); ++i) {
        CGEChild* pChild = GetChild(i);
        if (pChild->HitTest(point)) {
            SetActiveChild(pChild);
            return (pChild->*pfnPress)(nFlags, point);
        }
    }
    return FALSE;
}

BOOL CGEControl::ReleaseChild(BOOL (CGEChild::*pfnRelease)(UINT, CPoint), GridMouseHook pfnHook, UINT nFlags,
                              CPoint point) {
    LayoutForMouse(m_nRow, m_nCol);
    BOOL bHandled = m_pActiveChild != nullptr && (m_pActiveChild->*pfnRelease)(nFlags, point);
    if (ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr).PtInRect(point))
        bHandled = (m_pGrid->*pfnHook)(m_nRow, m_nCol, nFlags, point) || bHandled;
    return bHandled;
}

BOOL CGEControl::DoubleClickChild(BOOL (CGEChild::*pfnDblClk)(UINT, CPoint), GridMouseHook pfnHook,
                                  UINT nFlags, CPoint point) {
    LayoutForMouse(m_nRow, m_nCol);
    BOOL bHandled = FALSE;
    for (int i = 0; i < GetChildCount() && !bHandled; ++i) {
        CGEChild* pChild = GetChild(i);
        if (pChild->HitTest(point)) {
            SetActiveChild(pChild);
            bHandled = (pChild->*pfnDblClk)(nFlags, point);
        }
    }
    return (m_pGrid->*pfnHook)(m_nRow, m_nCol, nFlags, point) || bHandled;
}

BOOL CGEControl::LButtonDown(UINT nFlags, CPoint point, UINT) {
    return PressChild(&CGEChild::LButtonDown, nFlags, point);
}

BOOL CGEControl::MButtonDown(UINT nFlags, CPoint point, UINT) {
    return PressChild(&CGEChild::MButtonDown, nFlags, point);
}

BOOL CGEControl::RButtonDown(UINT nFlags, CPoint point, UINT) {
    return PressChild(&CGEChild::RButtonDown, nFlags, point);
}

BOOL CGEControl::LButtonUp(UINT nFlags, CPoint point, UINT) {
    return ReleaseChild(&CGEChild::LButtonUp, &CGEGridCore::OnCellClick, nFlags, point);
}

BOOL CGEControl::MButtonUp(UINT nFlags, CPoint point, UINT) {
    return ReleaseChild(&CGEChild::MButtonUp, &CGEGridCore::OnCellMClick, nFlags, point);
}

BOOL CGEControl::RButtonUp(UINT nFlags, CPoint point, UINT) {
    return ReleaseChild(&CGEChild::RButtonUp, &CGEGridCore::OnCellRClick, nFlags, point);
}

// The grid knows one double-click hook; middle and right double clicks count as clicks of their button.
BOOL CGEControl::LButtonDblClk(UINT nFlags, CPoint point) {
    return DoubleClickChild(&CGEChild::LButtonDblClk, &CGEGridCore::OnCellDblClick, nFlags, point);
}

BOOL CGEControl::MButtonDblClk(UINT nFlags, CPoint point) {
    return DoubleClickChild(&CGEChild::MButtonDblClk, &CGEGridCore::OnCellMClick, nFlags, point);
}

BOOL CGEControl::RButtonDblClk(UINT nFlags, CPoint point) {
    return DoubleClickChild(&CGEChild::RButtonDblClk, &CGEGridCore::OnCellRClick, nFlags, point);
}

BOOL CGEControl::OnClickedCell(UINT, CPoint) {
    return FALSE;
}

// ---- keys ----

BOOL CGEControl::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pActiveChild != nullptr && m_pActiveChild->OnGridWindowMessage(message, wParam, lParam))
        return TRUE;
    return GEDispatchKeyMessage(*this, m_leadByte, message, wParam, lParam);
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

void CGEControl::OnGridWinIniChange(LPCSTR pszSection) {
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->OnGridWinIniChange(pszSection);
}

void CGEControl::OnGridSysColorChange() {
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->OnGridSysColorChange();
}

void CGEControl::OnGridCancelMode() {
    for (int i = 0; i < GetChildCount(); ++i)
        GetChild(i)->OnGridCancelMode();
}

// ---- clipboard ----

namespace {

// TRUE when the grid prefers its own clipboard format and it is on the clipboard.
BOOL GridFormatPreferred(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid->GetParam();
    const UINT nFormat = GEGetLibraryState()->m_uiClipboardFormat;
    return pParam != nullptr && pParam->m_bRangeClipboard && nFormat != 0 &&
           ::IsClipboardFormatAvailable(nFormat);
}

} // namespace

BOOL CGEControl::Copy() {
    if (!IsActive()) {
        if (IsBoundToCellAt(m_nRow, m_nCol) && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
            return m_pGrid->CopyCellRange(Cell(m_nRow, m_nCol));
        return FALSE;
    }
    CString strText;
    GetSelectedText(strText);
    CSharedFile file(GMEM_MOVEABLE | GMEM_SHARE | GMEM_ZEROINIT, 4096);
    file.Write(strText.GetString(), static_cast<UINT>(strText.GetLength() + 1));
    HGLOBAL hData = file.Detach();
    ClipboardAccess clipboard(GetGridWindow());
    if (!clipboard.IsOpen() || !::EmptyClipboard() || ::SetClipboardData(CF_TEXT, hData) == nullptr) {
        ::GlobalFree(hData);
        return FALSE;
    }
    return TRUE;
}

BOOL CGEControl::Cut() {
    if (IsActive()) {
        if (!Copy())
            return FALSE;
        ReplaceSel("");
        return TRUE;
    }
    if (!m_bBound || !m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        return FALSE;
    CGERangeList list;
    list.AddTail(new CGECellRange(Cell(m_nRow, m_nCol)));
    CGEGridParam* pParam = m_pGrid->GetParam();
    const BOOL bKeepStyles = pParam != nullptr && (pParam->m_wClearOption & 0x10) != 0;
    return m_pGrid->ClearCells(list, !bKeepStyles);
}

BOOL CGEControl::Paste() {
    if (GridFormatPreferred(m_pGrid) || !m_bBound || !IsActive() || IsReadOnly())
        return FALSE;
    ClipboardAccess clipboard(GetGridWindow());
    if (!clipboard.IsOpen())
        return FALSE;
    CString strText;
    if (!ReadClipboardText(CF_TEXT, strText) && !ReadClipboardText(CF_OEMTEXT, strText))
        return FALSE;
    if (ValidatePaste(strText))
        ReplaceSel(strText);
    return TRUE;
}

BOOL CGEControl::ReadClipboardText(UINT nFormat, CString& strText) {
    HANDLE hData = ::GetClipboardData(nFormat);
    if (hData == nullptr)
        return FALSE;
    const SIZE_T nSize = ::GlobalSize(hData);
    const auto* pText = static_cast<const char*>(::GlobalLock(hData));
    if (pText == nullptr)
        return FALSE;
    // The block need not end in a terminating zero: never read past its size.
    strText = CString(pText, static_cast<int>(strnlen(pText, nSize)));
    ::GlobalUnlock(hData);
    return TRUE;
}

BOOL CGEControl::IsGridClipboardPreferred() const {
    return GridFormatPreferred(m_pGrid);
}

BOOL CGEControl::CanCopy() {
    return m_bBound;
}

BOOL CGEControl::CanCut() {
    if (!m_bBound)
        return FALSE;
    const CGEStyle& style = GetCellStyle();
    return !(style.GetIncludeReadOnly() && style.GetReadOnly());
}

BOOL CGEControl::CanPaste() {
    if (GridFormatPreferred(m_pGrid) || !m_bBound || !IsActive() || IsReadOnly())
        return FALSE;
    return ::IsClipboardFormatAvailable(CF_TEXT) || ::IsClipboardFormatAvailable(CF_OEMTEXT);
}

// ---- find and replace ----

BOOL CGEControl::FindText(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol, BOOL bCurrentPos,
                          BOOL bSetSel) {
    return m_pGrid->FindTextInCell(state, nRow, nCol, bCurrentPos, bSetSel);
}

BOOL CGEControl::ReplaceAll(CGEFindReplaceState& state, ROWCOL nRow, ROWCOL nCol) {
    return m_pGrid->ReplaceAllInCell(state, nRow, nCol);
}

void CGEControl::ReplaceSel(LPCSTR pszText) {
    if (m_bBound && m_pGrid->IsCurrentCell(m_nRow, m_nCol))
        m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), CString(pszText), geOverride, -1, GE_UPDATENOW);
}

BOOL CGEControl::GetSelectedText(CString& strResult) {
    GetValue(strResult);
    return FALSE;
}

// ---- children ----

void CGEControl::OnChildButtonClicked(CGEChild*) {
    m_pGrid->OnChildButtonClicked(m_nRow, m_nCol);
}

void CGEControl::AppendChild(CGEChild* pChild) {
    if (m_pChildren == nullptr)
        m_pChildren = std::make_unique<CPtrList>(10);
    m_pChildren->AddTail(pChild);
}

CGEChild* CGEControl::GetChild(int nIndex) const {
    if (m_pChildren == nullptr || nIndex < 0)
        return nullptr;
    POSITION pos = m_pChildren->FindIndex(nIndex);
    return pos != nullptr ? static_cast<CGEChild*>(m_pChildren->GetAt(pos)) : nullptr;
}

int CGEControl::GetChildCount() const {
    return m_pChildren != nullptr ? static_cast<int>(m_pChildren->GetCount()) : 0;
}

// ---- cell tips ----

BOOL CGEControl::CellTipNeedShow(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    return m_pCellTip != nullptr ? m_pCellTip->NeedShow(nRow, nCol, style) : FALSE;
}

DWORD CGEControl::CellTipGetDelay(ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    return m_pCellTip != nullptr ? m_pCellTip->GetDelay(nRow, nCol, style) : 0x7FFFFFFF;
}

BOOL CGEControl::CellTipShow(const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style) {
    return m_pCellTip != nullptr ? m_pCellTip->Show(rect, nRow, nCol, style) : FALSE;
}

void CGEControl::AttachCellTip() {
    if (m_pCellTip == nullptr)
        m_pCellTip = std::make_unique<CGECellTipStatic>(this);
}

// ---- helpers ----

CFont* CGEControl::SelectStyleFont(CDC* pDC, const CGEStyle& style, const CGEStyle* pStandardStyle) {
    return m_pGrid->SelectFontStyle(pDC, style, pStandardStyle);
}

void CGEControl::NotifyGridKillFocus(CWnd* pNewWnd) {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr || pNewWnd == nullptr ||
        pNewWnd->GetSafeHwnd() == nullptr || pNewWnd->GetSafeHwnd() == pGridWnd->GetSafeHwnd() ||
        m_pGrid->m_bFocusChangeLock)
        return;
    pGridWnd->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(pNewWnd->GetSafeHwnd()), 0);
}

void CGEControl::AddRefreshRect(const CRect& rect) {
    m_pGrid->AddRefreshRect(rect);
}

void CGEControl::AddUserAttributes(CGEStylesMap& stylesMap) {
    CGEStyle warning;
    warning.SetWrapText(TRUE).SetAllowEnter(TRUE);
    stylesMap.AddUserAttribute(kValidWarning, &warning);
    CGEStyle bound;
    bound.SetControl(kSpinEditControl);
    stylesMap.AddUserAttribute(kValidMax, &bound);
    stylesMap.AddUserAttribute(kValidMin, &bound);
}
