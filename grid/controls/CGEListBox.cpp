#include "grid/controls/CGEListBox.h"

#include "framework/win/CDC.h"
#include "grid/controls/CGEDrawingAndFormatting.h"
#include "grid/controls/GECellWindowBackground.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CGEListBox, CListBox)

BEGIN_MESSAGE_MAP(CGEListBox, CListBox)
ON_WM_GETDLGCODE()
ON_WM_ERASEBKGND()
ON_WM_KEYDOWN()
ON_WM_KEYUP()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_SYSCHAR()
ON_WM_SYSKEYUP()
ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

const CGEControlClass CGEListBox::controlClass = {"CGEListBox", &CGEControl::controlClass};

namespace {

CGECellRange Cell(ROWCOL nRow, ROWCOL nCol) {
    return CGECellRange(nRow, nCol, nRow, nCol);
}

CString ValueOf(const CGEStyle& style) {
    return style.GetIncludeValue() ? style.GetValue() : CString();
}

int IndexOf(const std::vector<CString>& lines, const CString& strValue) {
    const auto it = std::find(lines.begin(), lines.end(), strValue);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

BOOL IsBlackWhite(CGEGridCore* pGrid) {
    const CGEProperties* pProps = pGrid->GetProperties();
    return pProps != nullptr && pProps->m_bDisplayOption1 && pProps->m_bDisplayOption2;
}

} // namespace

CGEListBox::CGEListBox(CGEGridCore* pGrid, UINT nID)
    : CGEControl(pGrid), m_nWindowId(nID), m_clrHighlightText(::GetSysColor(COLOR_HIGHLIGHTTEXT)) {}

CGEListBox::~CGEListBox() {
    if (HasWindow())
        DestroyWindow();
}

// ---- arithmetic ----

std::vector<CString> CGEListBox::LinesOf(const CGEStyle& style) {
    return style.GetIncludeChoiceList() ? GetChoiceListLines(style.GetChoiceList(), FALSE)
                                        : std::vector<CString>();
}

int CGEListBox::SkippedLines(const std::vector<CString>& lines, const CString& strValue, int nCellHeight,
                             int nLineHeight) {
    int nSkip = 0;
    BOOL bFound = FALSE;
    int nProbeBottom = nLineHeight;
    for (const CString& line : lines) {
        bFound = bFound || line == strValue;
        nProbeBottom += nLineHeight;
        if (nProbeBottom > nCellHeight) {
            if (bFound)
                break;
            ++nSkip;
        }
    }
    return bFound ? nSkip : 0;
}

BOOL CGEListBox::IsListKey(UINT nChar) {
    switch (nChar) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_SPACE:
        return TRUE;
    default:
        return FALSE;
    }
}

// ---- state ----

void CGEListBox::SetActive(BOOL bActive) {
    const BOOL bNew = HasWindow() ? bActive : FALSE;
    if (bNew && !m_bActive && m_bBound) {
        ResetStyleCache(TRUE);
        GetCellStyle();
    }
    m_bActive = bNew;
}

BOOL CGEListBox::CreateListWindow() {
    CWnd* pGridWnd = GetGridWindow();
    if (pGridWnd == nullptr || pGridWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    // The grid's own painting must not cover the list shown over a cell.
    pGridWnd->ModifyStyle(0, WS_CLIPCHILDREN);
    // The list keeps the cell's height: a list box that rounds its height to whole lines moves itself
    // after every move, uncovers part of the cell, and the cell is painted again without end.
    const DWORD dwStyle = WS_CHILD | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    return CWnd::Create("GELISTBOX", nullptr, dwStyle, CRect(0, 0, 0, 0), pGridWnd, m_nWindowId);
}

void CGEListBox::Init(ROWCOL nRow, ROWCOL nCol) {
    CGEControl::Init(nRow, nCol);
    if (!HasWindow())
        CreateListWindow();
    GetCellStyle();
    SetActive(FALSE);
    SetModify(FALSE);
}

CString CGEListBox::BoundValue() {
    return ValueOf(GetCellStyle());
}

BOOL CGEListBox::Store() {
    if (m_bBound && IsReadOnly()) {
        Init(m_nRow, m_nCol);
        SetModify(FALSE);
        Refresh();
    }
    SetActive(FALSE);
    if (m_pStyle == nullptr || !m_bModified)
        return TRUE;
    CString strValue;
    if (HasWindow() && GetCurSel() >= 0)
        GetText(GetCurSel(), strValue);
    return m_pGrid->StoreValueInRange(Cell(m_nRow, m_nCol), strValue, geOverride,
                                      m_pGrid->m_nCurrentCommandType, GE_INVALIDATE);
}

// ---- values ----

BOOL CGEListBox::GetValue(CString& strResult) {
    if (m_bActive) {
        strResult.Empty();
        if (GetCurSel() >= 0)
            GetText(GetCurSel(), strResult);
        return TRUE;
    }
    return CGEControl::GetValue(strResult);
}

void CGEListBox::SetValue(LPCSTR pszValue) {
    if (!m_bBound || !HasWindow())
        return;
    if (!m_bActive)
        SetActive(TRUE);
    const CString strValue(pszValue);
    const int nIndex = IndexOf(LinesOf(GetCellStyle()), strValue);
    if (nIndex < 0 || !ValidateString(strValue))
        return;
    if (GetCount() == 0)
        FillListWindow();
    SetCurSel(nIndex);
    SetModify(TRUE);
    OnModifyCell();
}

void CGEListBox::FillListWindow() {
    ResetContent();
    const std::vector<CString> lines = LinesOf(GetCellStyle());
    for (const CString& line : lines)
        AddString(line);
    // The same match as the drawing of the cell: the line equal to the value.
    CString strText;
    GetControlText(strText, m_nRow, m_nCol, nullptr, GetCellStyle());
    SetCurSel(strText.IsEmpty() ? -1 : IndexOf(lines, strText));
}

// ---- sizes ----

CSize CGEListBox::AddTextMarginsToSize(CDC* pDC, CSize size, const CGEStyle& style) {
    const int m = std::max(2, ::GetSystemMetrics(SM_CXFRAME) / 2);
    size.cx += m / 2 + m;
    return CGEControl::AddTextMarginsToSize(pDC, size, style);
}

void CGEListBox::CalcSize(CSize& size, CDC* pDC, ROWCOL, ROWCOL, const CGEStyle& style,
                          const CGEStyle* pStandardStyle, BOOL) {
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    int cx = 0;
    int cy = 0;
    for (const CString& line : LinesOf(style)) {
        const CSize extent =
            pDC->GetTextExtent(line.IsEmpty() ? CString(" ") : line, std::max(1, line.GetLength()));
        cx = std::max<int>(cx, line.IsEmpty() ? 0 : extent.cx);
        cy += extent.cy;
    }
    size = AddTextMarginsToSize(pDC, CSize(cx + 4, cy + 4), style);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

// ---- drawing ----

void CGEListBox::DrawActive(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                            const CGEStyle* pStandardStyle) {
    // The window stays where it is while it is drawn again: hiding it would invalidate the cell being
    // painted and paint it once more.
    // The window font: the grid's font of the style (at its zoom), not turned.
    m_font.DeleteObject();
    LOGFONTA lf{};
    if (CFont* pGridFont = m_pGrid->LookupFont(style))
        pGridFont->GetLogFont(&lf);
    lf.lfEscapement = lf.lfOrientation = 0;
    m_font.CreateFontIndirect(&lf);
    m_clrInterior = IsBlackWhite(m_pGrid)        ? RGB(255, 255, 255)
                    : style.GetIncludeInterior() ? style.GetInterior().GetBkColor()
                                                 : ::GetSysColor(COLOR_WINDOW);
    DrawCellBackground(pDC, rect, style, TRUE);
    CRect rectWnd = ComputeTextRect(nRow, nCol, &rect, &style);
    if ((CGEDrawingAndFormatting::AlignmentFormat(style) & DT_RIGHT) != 0)
        rectWnd.right += 1;
    MoveWindow(&rectWnd, FALSE);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
    SetActive(TRUE);
    // A repaint keeps the line the user picked.
    const int nPicked = m_bModified ? GetCurSel() : LB_ERR;
    FillListWindow();
    if (nPicked != LB_ERR)
        SetCurSel(nPicked);
    MoveWindow(&rectWnd, FALSE);
    ShowWindow(SW_SHOW);
    // A cell of a scrolled row (column) that lies partly under the frozen lines shows only its visible part.
    const BOOL bRowUnder = nRow > m_pGrid->GetFrozenRows() && nRow < m_pGrid->GetTopRow();
    const BOOL bColUnder = nCol > m_pGrid->GetFrozenCols() && nCol < m_pGrid->GetLeftCol();
    CWnd* pGridWnd = GetGridWindow();
    CRect clip;
    if ((bRowUnder || bColUnder) && pDC->GetClipBox(&clip) != NULLREGION && !clip.IsRectEmpty()) {
        const CRect area = m_pGrid->GetGridArea();
        CRect visible;
        visible.IntersectRect(&rect, &area);
        pGridWnd->MapWindowPoints(this, &visible);
        pGridWnd->MapWindowPoints(this, &clip);
        ValidateRect(&visible);
        InvalidateRect(&clip, TRUE);
    }
    UpdateWindow();
    CWnd* pFocus = CWnd::GetFocus();
    if (pFocus != nullptr && pGridWnd != nullptr && pFocus->GetSafeHwnd() == pGridWnd->GetSafeHwnd()) {
        const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
        m_pGrid->m_bFocusChangeLock = TRUE;
        SetFocus();
        m_pGrid->m_bFocusChangeLock = bOldLock;
    }
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    CRect rectShown;
    GetWindowRect(&rectShown);
    pGridWnd->ScreenToClient(&rectShown);
    AddRefreshRect(rectShown);
}

void CGEListBox::Draw(CDC* pDC, const CRect& rect, ROWCOL nRow, ROWCOL nCol, const CGEStyle& style,
                      const CGEStyle* pStandardStyle) {
    if (IsBoundToCellAt(nRow, nCol) && m_bActive && HasWindow() && !m_pGrid->IsPrinting()) {
        DrawActive(pDC, rect, nRow, nCol, style, pStandardStyle);
        return;
    }
    if (rect.Width() < 2 || rect.Height() < 2)
        return;
    CFont* pOldFont = SelectStyleFont(pDC, style, pStandardStyle);
    const BOOL bBlackWhite = IsBlackWhite(m_pGrid);
    const COLORREF clrText = bBlackWhite                   ? RGB(0, 0, 0)
                             : style.GetIncludeTextColor() ? style.GetTextColor()
                                                           : ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF clrBack = bBlackWhite                  ? RGB(255, 255, 255)
                             : style.GetIncludeInterior() ? style.GetInterior().GetBkColor()
                                                          : ::GetSysColor(COLOR_WINDOW);
    const COLORREF clrOldText = pDC->SetTextColor(clrText);
    const COLORREF clrOldBack = pDC->SetBkColor(clrBack);
    DrawCellBackground(pDC, rect, style, FALSE);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT nFormat = CGEDrawingAndFormatting::AlignmentFormat(style) | DT_SINGLELINE | DT_NOPREFIX;
    TEXTMETRICA tm{};
    pDC->GetTextMetrics(&tm);
    const int h = std::max<int>(1, tm.tmHeight + tm.tmExternalLeading);
    const CRect rectText = ComputeTextRect(nRow, nCol, &rect, &style);
    const std::vector<CString> lines = LinesOf(style);
    const CString strValue = ValueOf(style);
    const int nSkip = SkippedLines(lines, strValue, rect.bottom - rectText.top, h);
    CRect line(rectText.left + 2, rectText.top, rectText.right, rectText.top + h);
    for (size_t i = static_cast<size_t>(nSkip); i < lines.size(); ++i) {
        pDC->DrawText(lines[i], lines[i].GetLength(), &line, nFormat);
        if (lines[i] == strValue)
            pDC->InvertRect(&line);
        line.OffsetRect(0, h);
        if (line.bottom > rect.bottom)
            break;
    }
    pDC->SetBkMode(nOldMode);
    pDC->SetBkColor(clrOldBack);
    pDC->SetTextColor(clrOldText);
    CGEControl::Draw(pDC, rect, nRow, nCol, style, pStandardStyle);
    if (pOldFont != nullptr)
        pDC->SelectObject(pOldFont);
}

void CGEListBox::Hide() {
    if (!HasWindow() || !IsWindowVisible())
        return;
    const BOOL bOldLock = m_pGrid->m_bFocusChangeLock;
    m_pGrid->m_bFocusChangeLock = TRUE;
    ::HideCaret(GetSafeHwnd());
    // A hidden window keeps the focus it had: the keys go back to the grid window.
    if (CWnd::GetFocus() == this && GetGridWindow() != nullptr)
        GetGridWindow()->SetFocus();
    MoveWindow(0, 0, 0, 0, FALSE);
    ShowWindow(SW_HIDE);
    m_pGrid->m_bFocusChangeLock = bOldLock;
}

// ---- mouse and keys ----

BOOL CGEListBox::Activate() {
    if (m_bActive)
        return TRUE;
    if (!HasWindow() || !OnStartEditing())
        return FALSE;
    SetActive(TRUE);
    Refresh();
    // The window shows over the cell now, so that what follows reaches it.
    if (CWnd* pGridWnd = GetGridWindow())
        pGridWnd->UpdateWindow();
    return TRUE;
}

void CGEListBox::ClickListAt(CPoint point) {
    const CRect rectText = ComputeTextRect(m_nRow, m_nCol, nullptr, nullptr);
    const LPARAM lParam = MAKELPARAM(point.x - rectText.left, point.y - rectText.top);
    PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, lParam);
    PostMessage(WM_LBUTTONUP, 0, lParam);
}

BOOL CGEListBox::LButtonUp(UINT nFlags, CPoint point, UINT nHitState) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (pParam != nullptr && (pParam->m_wActivateFlags & 7) != 0 && HasWindow()) {
        if (!Activate())
            return FALSE;
        ClickListAt(point);
    }
    CGEControl::LButtonUp(nFlags, point, nHitState);
    return TRUE;
}

BOOL CGEListBox::LButtonDblClk(UINT nFlags, CPoint point) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    if (!m_bActive && pParam != nullptr && (pParam->m_wActivateFlags & 8) != 0) {
        LButtonUp(nFlags, point, GE_MR_UP);
        return TRUE;
    }
    return CGEControl::LButtonDblClk(nFlags, point);
}

BOOL CGEListBox::OnGridWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_KEYDOWN || !IsListKey(static_cast<UINT>(wParam)) || m_pGrid->IsKeyDown(VK_CONTROL))
        return FALSE;
    if (!Activate())
        return FALSE;
    CGEControl::OnGridWindowMessage(message, wParam, lParam);
    if (!m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE))
        Refresh();
    // The key that activated the list moves its selection.
    SendMessage(WM_KEYDOWN, wParam, lParam);
    return TRUE;
}

BOOL CGEListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND && OnCommand(wParam, lParam))
        return TRUE;
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

BOOL CGEListBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == GetSafeHwnd() && HIWORD(wParam) == LBN_SELCHANGE && m_bBound &&
        !IsReadOnly()) {
        SetModify(TRUE);
        OnModifyCell();
    }
    return FALSE;
}

// ---- the window's messages ----

UINT CGEListBox::OnGetDlgCode() {
    return static_cast<UINT>(Default()) | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
}

BOOL CGEListBox::OnEraseBkgnd(CDC* pDC) {
    GEEraseCellWindowBackground(*this, pDC, m_pGrid, m_bBound ? &GetCellStyle() : nullptr);
    return TRUE;
}

void CGEListBox::OfferKeyToGrid(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (!m_pGrid->ProcessKeys(this, message, nChar, nRepCnt, nFlags))
        Default();
}

void CGEListBox::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (m_bBound)
        m_pGrid->ScrollCellInView(m_nRow, m_nCol, GE_UPDATENOW, FALSE);
    // Ctrl moves the grid's current cell; Tab, Enter, Escape and the F-keys leave the cell as in any other.
    if (m_pGrid->IsKeyDown(VK_CONTROL) || !IsListKey(nChar))
        OfferKeyToGrid(WM_KEYDOWN, nChar, nRepCnt, nFlags);
    else
        Default();
}

void CGEListBox::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_KEYUP, nChar, nRepCnt, nFlags);
}

void CGEListBox::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_CHAR, nChar, nRepCnt, nFlags);
}

void CGEListBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags);
}

void CGEListBox::OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_SYSCHAR, nChar, nRepCnt, nFlags);
}

void CGEListBox::OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    OfferKeyToGrid(WM_SYSKEYUP, nChar, nRepCnt, nFlags);
}

void CGEListBox::OnKillFocus(CWnd* pNewWnd) {
    Default();
    NotifyGridKillFocus(pNewWnd);
}
