#include "framework/win/CCheckListBox.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

BEGIN_MESSAGE_MAP(CCheckListBox, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_KEYDOWN()
END_MESSAGE_MAP()

namespace {
constexpr int kBoxSize = 13;  // the check box, in pixels
constexpr int kBoxMargin = 2; // space on each side of the box
} // namespace

CCheckListBox::~CCheckListBox() {
    // The window goes first, while its WM_DELETEITEM messages still find the item states.
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    if ((dwStyle & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) == 0)
        dwStyle |= LBS_OWNERDRAWFIXED;
    return CListBox::Create(dwStyle | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

void CCheckListBox::PreSubclassWindow() {
    CListBox::PreSubclassWindow();
    // Sent straight to the window: its own procedure still handles it, and a list box that is only
    // being created ignores it (Create measures through WM_MEASUREITEM instead).
    if ((GetStyle() & LBS_OWNERDRAWFIXED) != 0)
        ::SendMessageA(m_hWnd, LB_SETITEMHEIGHT, 0, MAKELPARAM(MinimumItemHeight(), 0));
}

void CCheckListBox::SetCheckStyle(UINT nStyle) {
    if (nStyle == BS_CHECKBOX || nStyle == BS_AUTOCHECKBOX || nStyle == BS_3STATE || nStyle == BS_AUTO3STATE)
        m_nStyle = nStyle;
}

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
    if (nCheck < 0 || nCheck > 2)
        return;
    ItemState* state = StateOf(nIndex, nCheck != 0);
    if (state == nullptr || state->check == nCheck)
        return;
    state->check = nCheck;
    InvalidateItem(nIndex);
}

int CCheckListBox::GetCheck(int nIndex) {
    const ItemState* state = StateOf(nIndex, false);
    return state != nullptr ? state->check : 0;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled) {
    ItemState* state = StateOf(nIndex, !bEnabled);
    if (state == nullptr || (state->enabled != FALSE) == (bEnabled != FALSE))
        return;
    state->enabled = bEnabled ? TRUE : FALSE;
    InvalidateItem(nIndex);
}

BOOL CCheckListBox::IsEnabled(int nIndex) {
    const ItemState* state = StateOf(nIndex, false);
    return state != nullptr ? state->enabled : TRUE;
}

CRect CCheckListBox::OnGetCheckPosition(CRect, CRect rectCheckBox) {
    return rectCheckBox;
}

// ---------------------------------------------------------------------------------------------------
// Item states

CCheckListBox::ItemState* CCheckListBox::StateOf(int nIndex, bool bCreate) {
    // The control's own item data, not the program's (this object's WindowProc translates that).
    const LRESULT raw = CWnd::DefWindowProc(LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0);
    if (raw == LB_ERR)
        return nullptr;
    if (raw != 0)
        return StateOfRaw(static_cast<DWORD_PTR>(raw));
    if (!bCreate)
        return nullptr;
    auto state = std::make_unique<ItemState>();
    if (CWnd::DefWindowProc(LB_SETITEMDATA, static_cast<WPARAM>(nIndex),
                            reinterpret_cast<LPARAM>(state.get())) == LB_ERR)
        return nullptr;
    ItemState* result = state.get();
    m_states.emplace(result, std::move(state));
    return result;
}

CCheckListBox::ItemState* CCheckListBox::StateOfRaw(DWORD_PTR raw) const {
    auto found = m_states.find(reinterpret_cast<const ItemState*>(raw));
    return found == m_states.end() ? nullptr : found->second.get();
}

DWORD_PTR CCheckListBox::UserData(DWORD_PTR raw) const {
    const ItemState* state = StateOfRaw(raw);
    // Data the list box holds without a state of ours (items of a list box without LBS_HASSTRINGS) is
    // the program's own.
    return state != nullptr ? state->userData : raw;
}

void CCheckListBox::ForgetRaw(DWORD_PTR raw) {
    m_states.erase(reinterpret_cast<const ItemState*>(raw));
}

LRESULT CCheckListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case LB_GETITEMDATA: {
        const LRESULT raw = CWnd::DefWindowProc(message, wParam, lParam);
        return raw == LB_ERR ? raw : static_cast<LRESULT>(UserData(static_cast<DWORD_PTR>(raw)));
    }
    case LB_SETITEMDATA: {
        const LRESULT raw = CWnd::DefWindowProc(LB_GETITEMDATA, wParam, 0);
        if (raw == LB_ERR)
            return LB_ERR;
        if (raw != 0 && StateOfRaw(static_cast<DWORD_PTR>(raw)) == nullptr)
            return CWnd::WindowProc(message, wParam, lParam);
        ItemState* state = StateOf(static_cast<int>(wParam), lParam != 0);
        if (state != nullptr)
            state->userData = static_cast<DWORD_PTR>(lParam);
        return 0;
    }
    case LB_DELETESTRING: {
        const LRESULT raw = CWnd::DefWindowProc(LB_GETITEMDATA, wParam, 0);
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        if (result != LB_ERR && raw != LB_ERR && raw != 0)
            ForgetRaw(static_cast<DWORD_PTR>(raw));
        return result;
    }
    case LB_RESETCONTENT: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        m_states.clear();
        return result;
    }
    case WM_SETFONT: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        // A fixed-height owner-drawn list box measured its items once, before it had this font.
        if ((GetStyle() & LBS_OWNERDRAWFIXED) != 0)
            CWnd::DefWindowProc(LB_SETITEMHEIGHT, 0, MAKELPARAM(MinimumItemHeight(), 0));
        return result;
    }
    case WM_NCDESTROY: {
        const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
        m_states.clear();
        return result;
    }
    default:
        return CWnd::WindowProc(message, wParam, lParam);
    }
}

// ---------------------------------------------------------------------------------------------------
// Owner draw

int CCheckListBox::MinimumItemHeight() {
    int textHeight = 0;
    if (HDC hDC = ::GetDC(m_hWnd)) {
        auto hFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT, 0, 0));
        HGDIOBJ old = hFont != nullptr ? ::SelectObject(hDC, hFont) : nullptr;
        TEXTMETRICA tm{};
        if (::GetTextMetricsA(hDC, &tm))
            textHeight = tm.tmHeight;
        if (old != nullptr)
            ::SelectObject(hDC, old);
        ::ReleaseDC(m_hWnd, hDC);
    }
    return std::max(textHeight + 2, kBoxSize + 2);
}

CRect CCheckListBox::BoxRect(const CRect& item) {
    const int top = item.top + (item.Height() - kBoxSize) / 2;
    return OnGetCheckPosition(
        item, CRect(item.left + kBoxMargin, top, item.left + kBoxMargin + kBoxSize, top + kBoxSize));
}

CRect CCheckListBox::CheckRect(int nIndex) {
    CRect item;
    if (CWnd::DefWindowProc(LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&item)) ==
        LB_ERR)
        return CRect(0, 0, 0, 0);
    return BoxRect(item);
}

void CCheckListBox::DrawCheckBox(const DRAWITEMSTRUCT& dis, const ItemState* state) {
    CRect area(dis.rcItem);
    area.right = std::min<LONG>(area.right, area.left + kBoxSize + 2 * kBoxMargin);
    ::FillRect(dis.hDC, &area, ::GetSysColorBrush(COLOR_WINDOW));
    CRect box = BoxRect(CRect(dis.rcItem));
    const int check = state != nullptr ? state->check : 0;
    UINT flags = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (check == 1)
        flags |= DFCS_CHECKED;
    else if (check == 2)
        flags = DFCS_BUTTON3STATE | DFCS_CHECKED | DFCS_FLAT;
    if (state != nullptr && !state->enabled)
        flags |= DFCS_INACTIVE;
    ::DrawFrameControl(dis.hDC, &box, DFC_BUTTON, flags);
}

void CCheckListBox::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    const DRAWITEMSTRUCT& dis = *lpDrawItemStruct;
    if (static_cast<int>(dis.itemID) >= 0 && (dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0) {
        const bool selected = (dis.itemState & ODS_SELECTED) != 0;
        const bool enabled = IsEnabled(static_cast<int>(dis.itemID)) && (dis.itemState & ODS_DISABLED) == 0;
        ::FillRect(dis.hDC, &dis.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
        CString text;
        GetText(static_cast<int>(dis.itemID), text);
        const int oldMode = ::SetBkMode(dis.hDC, TRANSPARENT);
        const COLORREF oldColor = ::SetTextColor(dis.hDC, ::GetSysColor(!enabled   ? COLOR_GRAYTEXT
                                                                        : selected ? COLOR_HIGHLIGHTTEXT
                                                                                   : COLOR_WINDOWTEXT));
        CRect textRect(dis.rcItem);
        textRect.left += kBoxMargin;
        ::DrawTextA(dis.hDC, text, text.GetLength(), &textRect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
        ::SetTextColor(dis.hDC, oldColor);
        ::SetBkMode(dis.hDC, oldMode);
    }
    if ((dis.itemState & ODS_FOCUS) != 0 && (dis.itemAction & (ODA_FOCUS | ODA_DRAWENTIRE)) != 0)
        ::DrawFocusRect(dis.hDC, &dis.rcItem);
}

void CCheckListBox::MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
    lpMeasureItemStruct->itemHeight = static_cast<UINT>(MinimumItemHeight());
}

BOOL CCheckListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    switch (message) {
    case WM_DRAWITEM: {
        // The derived DrawItem sees the program's item data and the part of the item after the box.
        DRAWITEMSTRUCT dis = *reinterpret_cast<LPDRAWITEMSTRUCT>(lParam);
        const ItemState* state = StateOfRaw(dis.itemData);
        if (static_cast<int>(dis.itemID) >= 0) {
            if ((dis.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) != 0)
                DrawCheckBox(dis, state);
            dis.itemData = UserData(dis.itemData);
            dis.rcItem.left = std::min<LONG>(dis.rcItem.right, dis.rcItem.left + kBoxSize + 2 * kBoxMargin);
        }
        DrawItem(&dis);
        break;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam);
        MEASUREITEMSTRUCT copy = *mis;
        copy.itemData = UserData(copy.itemData);
        MeasureItem(&copy);
        mis->itemHeight = std::max<UINT>(copy.itemHeight, static_cast<UINT>(MinimumItemHeight()));
        break;
    }
    case WM_DELETEITEM: {
        DELETEITEMSTRUCT dis = *reinterpret_cast<LPDELETEITEMSTRUCT>(lParam);
        dis.itemData = UserData(dis.itemData);
        DeleteItem(&dis);
        break;
    }
    case WM_COMPAREITEM: {
        COMPAREITEMSTRUCT cis = *reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam);
        cis.itemData1 = UserData(cis.itemData1);
        cis.itemData2 = UserData(cis.itemData2);
        if (pResult != nullptr)
            *pResult = CompareItem(&cis);
        return TRUE;
    }
    default:
        return CListBox::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// User input

bool CCheckListBox::HitCheckBox(CPoint point) {
    BOOL bOutside = TRUE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    if (bOutside || nIndex >= GetCount())
        return false;
    CRect box = CheckRect(nIndex);
    CRect item;
    GetItemRect(nIndex, &item);
    // The whole height of the item and the margins beside the box count as the box.
    box.InflateRect(kBoxMargin, 0);
    box.top = item.top;
    box.bottom = item.bottom;
    if (!box.PtInRect(point))
        return false;
    ToggleFromUser(nIndex);
    return true;
}

void CCheckListBox::ToggleFromUser(int nIndex) {
    if (!IsEnabled(nIndex))
        return;
    if (m_nStyle == BS_AUTOCHECKBOX)
        SetCheck(nIndex, GetCheck(nIndex) == 1 ? 0 : 1);
    else if (m_nStyle == BS_AUTO3STATE)
        SetCheck(nIndex, (GetCheck(nIndex) + 1) % 3);
    HWND hWndParent = ::GetParent(m_hWnd);
    if (hWndParent != nullptr)
        ::SendMessageA(hWndParent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), CLBN_CHKCHANGE),
                       reinterpret_cast<LPARAM>(m_hWnd));
}

void CCheckListBox::InvalidateItem(int nIndex) {
    CRect item;
    if (CWnd::DefWindowProc(LB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&item)) !=
        LB_ERR)
        InvalidateRect(&item, FALSE);
}

void CCheckListBox::OnLButtonDown(UINT, CPoint point) {
    HitCheckBox(point);
    Default();
}

void CCheckListBox::OnLButtonDblClk(UINT, CPoint point) {
    // A quick second click on the box is a second change, as with a check box.
    HitCheckBox(point);
    Default();
}

void CCheckListBox::OnKeyDown(UINT nChar, UINT, UINT) {
    if (nChar == VK_SPACE) {
        const int nCaret = GetCaretIndex();
        if (nCaret >= 0 && nCaret < GetCount())
            ToggleFromUser(nCaret);
    }
    Default();
}
