// The combo box's drop-down list: opening, filling, choosing, closing, and the list's messages.
#include "grid/controls/combo/CGEComboBox.h"

#include "framework/win/CListBox.h"
#include "grid/controls/GEChoiceList.h"
#include "grid/controls/combo/CGEComboListBox.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/GEDropDown.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEProperties.h"
#include "grid/core/CGEStyle.h"

#include <algorithm>
#include <cstdlib>

BEGIN_MESSAGE_MAP(CGEComboBox, CGEEditControl)
ON_MESSAGE(GECM_LISTCHOSEN, OnListChosen)
ON_MESSAGE(GECM_LISTCANCEL, OnListCancel)
ON_MESSAGE(GECM_LISTSELCHANGE, OnListSelChange)
ON_MESSAGE(GECM_LISTFOCUSLOST, OnListFocusLost)
ON_WM_SYSKEYDOWN()
ON_WM_SETFOCUS()
END_MESSAGE_MAP()

// ---- making and placing the pop-up ----

CGEGridCombo* CGEComboBox::MakePopupWindow(CWnd* pGridWnd, const CRect& rect) {
    return new CGEGridCombo(pGridWnd, this, rect);
}

CListBox* CGEComboBox::MakeListWindow(CWnd* pPopup, UINT nID) {
    if (m_dwListStyle == 0)
        m_dwListStyle = WS_VSCROLL | LBS_NOTIFY;
    auto* pList = new CGEComboListBox(this);
    CRect client;
    pPopup->GetClientRect(&client);
    client.DeflateRect(1, 0);
    // A plain list box: the system's combo list class misbehaves outside a system combo box. It keeps
    // the height it is given.
    if (!pList->CreateEx(0, "LISTBOX", "",
                         m_dwListStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | LBS_NOINTEGRALHEIGHT, client,
                         pPopup, nID)) {
        delete pList;
        return nullptr;
    }
    return pList;
}

void CGEComboBox::ComputeListRect(CRect& rectResult, const CRect& rectText) {
    CGEGridParam* pParam = m_pGrid->GetParam();
    const int nHeight = pParam != nullptr ? pParam->m_nDropDownHeight : 100;
    rectResult = CRect(rectText.left, rectText.bottom, rectText.right, rectText.bottom + nHeight);
}

CRect CGEComboBox::FitToDesktop(CRect rect, const CRect& rectText, const CRect& rectDesktop) {
    if (rect.right > rectDesktop.right)
        rect.OffsetRect(-(rect.Width() - rectText.Width()), 0);
    if (rect.bottom > rectDesktop.bottom)
        rect.OffsetRect(0, -(rect.Height() + rectText.Height()));
    rect.IntersectRect(&rect, &rectDesktop);
    return rect;
}

CRect CGEComboBox::TextRectOnScreen(const CGEStyle& style) {
    CRect rect = CGEControl::ComputeTextRect(m_nRow, m_nCol, nullptr, &style);
    GetGridWindow()->ClientToScreen(&rect);
    return rect;
}

void CGEComboBox::BuildListFont(const CGEStyle& style) {
    m_listFont.DeleteObject();
    LOGFONTA lf{};
    if (CFont* pGridFont = m_pGrid->LookupFont(style))
        pGridFont->GetLogFont(&lf);
    if (style.GetIncludeFont() && style.GetFont().GetSizeTenths() != 0)
        style.GetFont().GetScaledLogFont(lf, m_pGrid->GetZoom());
    m_listFont.CreateFontIndirect(&lf);
}

void CGEComboBox::ColorPopup(CGEGridCombo* pPopup, const CGEStyle& style) {
    COLORREF clrText = style.GetIncludeTextColor() ? style.GetTextColor() : ::GetSysColor(COLOR_WINDOWTEXT);
    COLORREF clrBack =
        style.GetIncludeInterior() ? style.GetInterior().GetBkColor() : ::GetSysColor(COLOR_WINDOW);
    CGEProperties* pProps = m_pGrid->GetProperties();
    if (pProps != nullptr && pProps->m_bDisplayOption1 && pProps->m_bDisplayOption2) {
        clrText = RGB(0, 0, 0);
        clrBack = RGB(255, 255, 255);
    }
    pPopup->SetColors(clrText, clrBack);
}

const CGEStyle& CGEComboBox::ListStyle() {
    return GetCellStyle();
}

void CGEComboBox::ShowDropList(BOOL bShow) {
    if (!bShow) {
        if (HasWindow())
            SendMessage(GECM_LISTCANCEL, 0, IsActive());
        return;
    }
    CWnd* pGridWnd = GetGridWindow();
    if (m_pPopup != nullptr || !m_bBound || !HasWindow() || pGridWnd == nullptr)
        return;
    m_pGrid->m_bDropDownOpen = TRUE;
    const CGEStyle& style = ListStyle();
    const CRect rectText = TextRectOnScreen(style);
    CRect rectDesktop;
    CWnd::GetDesktopWindow()->GetClientRect(&rectDesktop);

    m_pGrid->m_bDropDownLock = TRUE;
    m_pGrid->m_bCreatingWindow = TRUE;
    CGEGridCombo* pPopup = MakePopupWindow(pGridWnd, CRect(0, 0, 1, 1));
    CListBox* pList = pPopup->GetSafeHwnd() != nullptr ? MakeListWindow(pPopup, m_nListID) : nullptr;
    pPopup->SetChild(pList);
    m_pGrid->m_bDropDownLock = FALSE;
    if (pList == nullptr) {
        DiscardPopupWindow(pPopup);
        m_pGrid->m_bCreatingWindow = FALSE;
        m_pGrid->m_bDropDownOpen = FALSE;
        return;
    }
    m_pPopup = pPopup;

    BuildListFont(style);
    pList->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(m_listFont.GetSafeHandle()), TRUE);
    ColorPopup(pPopup, style);
    FillListWindow(pList);

    CRect rectList;
    CRect rectTextClient = CGEControl::ComputeTextRect(m_nRow, m_nCol, nullptr, &style);
    ComputeListRect(rectList, rectTextClient);
    pGridWnd->ClientToScreen(&rectList);
    if (m_nFontHeight == 0) {
        LayoutChildren(m_nRow, m_nCol, ComputeTextRect(m_nRow, m_nCol, nullptr, &style));
    }
    const int nFit = FitListHeight(pList);
    if (nFit < rectList.Height())
        rectList.bottom = rectList.top + nFit;
    PlaceListHeader(rectList, rectText, rectDesktop);
    rectList = FitToDesktop(rectList, rectText, rectDesktop);
    {
        GEDropDownLockScope lock;
        pPopup->SetWindowPos(&CWnd::wndTopMost, rectList.left, rectList.top, rectList.Width(),
                             rectList.Height(), SWP_SHOWWINDOW);
        pList->SetWindowPos(nullptr, 0, 0, rectList.Width(), rectList.Height(),
                            SWP_NOZORDER | SWP_NOACTIVATE);
        pList->SetFocus();
        if (pList->GetCurSel() == LB_ERR && pList->GetCount() > 0)
            pList->SetCurSel(0);
        pList->UpdateWindow();
        if (ScrollsSelectionToTop())
            pList->SetTopIndex(std::max(0, pList->GetCurSel()));
    }
    m_pGrid->m_bCreatingWindow = FALSE;
}

int CGEComboBox::FitListHeight(CListBox* pList) {
    const int nItemHeight = std::max(1, pList->GetItemHeight(0));
    return std::max(m_nFontHeight, nItemHeight) * pList->GetCount() + nItemHeight / 2;
}

void CGEComboBox::DiscardPopupWindow(CWnd* pPopup) {
    if (pPopup->GetSafeHwnd() != nullptr)
        pPopup->DestroyWindow();
    delete pPopup;
    m_listFont.DeleteObject();
}

// ---- filling and choosing ----

void CGEComboBox::FillListWindow(CListBox* pList) {
    const CGEStyle& style = ListStyle();
    if (m_bFillWithChoiceList && style.GetIncludeChoiceList()) {
        CString strRest = style.GetChoiceList();
        CString strLine;
        while (!strRest.IsEmpty()) {
            CutFirstLine(strRest, strLine);
            pList->AddString(strLine);
        }
    }
    const CString strText = m_bActive ? WindowText() : style.GetIncludeValue() ? style.GetValue() : CString();
    const BOOL bByText =
        (m_dwComboFlags & flagTextFit) != 0 || ((m_dwComboFlags & flagDisplayChoice) != 0 && m_bActive);
    if (bByText) {
        const int nIndex = pList->FindStringExact(-1, strText);
        if (nIndex != LB_ERR)
            pList->SetCurSel(nIndex);
        else
            pList->SelectString(-1, strText);
    } else if ((m_dwComboFlags & flagZeroBased) != 0) {
        pList->SetCurSel(std::atoi(strText));
    } else if ((m_dwComboFlags & flagOneBased) != 0) {
        pList->SetCurSel(std::atoi(strText) - 1);
    } else {
        pList->SelectString(-1, strText);
    }
}

void CGEComboBox::TakeListChoice(CListBox* pList) {
    const int nSel = pList != nullptr ? pList->GetCurSel() : LB_ERR;
    if (nSel == LB_ERR)
        return;
    CString strText;
    if ((m_dwComboFlags & flagZeroBased) != 0)
        strText.Format("%d", nSel);
    else if ((m_dwComboFlags & flagOneBased) != 0)
        strText.Format("%d", nSel + 1);
    else
        pList->GetText(nSel, strText);
    SetActive(TRUE);
    SetCurrentText(strText);
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    SetModify(TRUE);
    if (m_bStaticWhenActive)
        Refresh();
    else
        Invalidate();
}

// ---- the list's messages ----

LRESULT CGEComboBox::OnListChosen(WPARAM, LPARAM) {
    m_pGrid->m_bDropDownLock = TRUE;
    m_pGrid->m_bDropDownOpen = FALSE;
    CGEGridCombo* pPopup = m_pPopup;
    if (pPopup == nullptr) {
        m_pGrid->m_bDropDownLock = FALSE;
        return 0;
    }
    BOOL bFocusBack = FALSE;
    {
        GEDropDownLockScope lock;
        if (!IsReadOnly())
            TakeListChoice(GetListWindow());
        CWnd* pFocus = CWnd::GetFocus();
        bFocusBack = pFocus == this || GEIsWindowWithin(pFocus, pPopup);
        m_pPopup = nullptr;
        DiscardPopupWindow(pPopup);
    }
    OnModifyCell();
    CWnd* pFocus = CWnd::GetFocus();
    if (bFocusBack || (pFocus != nullptr && pFocus->GetSafeHwnd() == GetGridWindow()->GetSafeHwnd()))
        MoveFocusLocked(this);
    m_pGrid->m_bDropDownLock = FALSE;
    return 0;
}

LRESULT CGEComboBox::OnListCancel(WPARAM, LPARAM lParam) {
    m_pGrid->m_bDropDownOpen = FALSE;
    CGEGridCombo* pPopup = m_pPopup;
    if (pPopup == nullptr)
        return 0;
    m_pGrid->m_bDropDownLock = TRUE;
    BOOL bFocusBack = FALSE;
    BOOL bFocusWasInList = FALSE;
    {
        GEDropDownLockScope lock;
        CWnd* pFocus = CWnd::GetFocus();
        bFocusWasInList = GEIsWindowWithin(pFocus, pPopup);
        bFocusBack = lParam != 0 || (bFocusWasInList && m_pGrid->m_bKeepFocus);
        m_pPopup = nullptr;
        DiscardPopupWindow(pPopup);
    }
    if (bFocusBack) {
        MoveFocusLocked(this);
        if (GetModify())
            OnModifyCell();
    } else {
        SetActive(FALSE);
        SetModify(FALSE);
        Refresh();
        // The keys the list had go back to the grid.
        if (bFocusWasInList && GetGridWindow() != nullptr)
            MoveFocusLocked(GetGridWindow());
    }
    m_pGrid->m_bDropDownLock = FALSE;
    return 0;
}

LRESULT CGEComboBox::OnListSelChange(WPARAM, LPARAM) {
    if (!IsReadOnly() && m_pPopup != nullptr) {
        TakeListChoice(GetListWindow());
        OnModifyCell();
    }
    return 0;
}

LRESULT CGEComboBox::OnListFocusLost(WPARAM, LPARAM) {
    if (m_pPopup == nullptr)
        return 0; // the list closed meanwhile
    CWnd* pFocus = CWnd::GetFocus();
    CWnd* pGridWnd = GetGridWindow();
    if (pFocus == nullptr) {
        SendMessage(GECM_LISTCANCEL, 0, 0);
    } else if (!GEIsWindowWithin(pFocus, pGridWnd) && !GEIsWindowWithin(pFocus, m_pPopup)) {
        const HWND hFocus = pFocus->GetSafeHwnd();
        m_pGrid->m_bDropDownLock = TRUE;
        pGridWnd->SetFocus();
        SendMessage(GECM_LISTCANCEL, 0, 0);
        ::SetFocus(hFocus);
        m_pGrid->m_bDropDownLock = FALSE;
    }
    return 0;
}

void CGEComboBox::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_DOWN) {
        OpenFromKeyboard();
        return;
    }
    if (!OfferKeyToGrid(WM_SYSKEYDOWN, nChar, nRepCnt, nFlags) && HasWindow())
        Default();
}

void CGEComboBox::OnSetFocus(CWnd* pOldWnd) {
    if (IsListShown())
        SendMessage(GECM_LISTCANCEL, 0, 1);
    CGEEditControl::OnSetFocus(pOldWnd);
}
