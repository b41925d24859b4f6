#include "framework/win/CToolBar.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CCmdUI.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <vector>

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BEGIN_MESSAGE_MAP(CToolBar, CControlBar)
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
END_MESSAGE_MAP()

namespace {

constexpr int kSeparatorWidth = 8;

// A TOOLBAR resource: version 1, image width and height, button count, then the button ids (0 for a
// separator), all words. windres writes its TOOLBAR statement as double words without the version;
// that form is read too.
struct ToolBarResource {
    CSize sizeImage;
    std::vector<UINT> ids;
};

bool ParseToolBar(const BYTE* pData, DWORD cbSize, ToolBarResource& result) {
    auto word = [&](size_t i) {
        WORD w = 0;
        std::memcpy(&w, pData + i * sizeof(WORD), sizeof w);
        return w;
    };
    if (pData == nullptr || cbSize < 4 * sizeof(WORD))
        return false;
    if (word(0) == 1 && word(1) != 0) {
        const size_t count = word(3);
        if ((4 + count) * sizeof(WORD) > cbSize || word(1) == 0 || word(2) == 0)
            return false;
        result.sizeImage = CSize(word(1), word(2));
        for (size_t i = 0; i < count; ++i)
            result.ids.push_back(word(4 + i));
        return true;
    }
    auto dword = [&](size_t i) {
        DWORD d = 0;
        std::memcpy(&d, pData + i * sizeof(DWORD), sizeof d);
        return d;
    };
    if (cbSize < 3 * sizeof(DWORD))
        return false;
    const DWORD cx = dword(0);
    const DWORD cy = dword(1);
    const DWORD count = dword(2);
    if (cx == 0 || cy == 0 || cx > 0xFFFF || cy > 0xFFFF || count > (cbSize / sizeof(DWORD)) - 3)
        return false;
    result.sizeImage = CSize(static_cast<int>(cx), static_cast<int>(cy));
    for (DWORD i = 0; i < count; ++i)
        result.ids.push_back(dword(3 + i));
    return true;
}

UINT StyleOf(const TBBUTTON& button) {
    return MAKELONG(button.fsStyle, button.fsState ^ TBSTATE_ENABLED);
}

void ApplyStyle(TBBUTTON& button, UINT nStyle) {
    button.fsStyle = static_cast<BYTE>(LOWORD(nStyle));
    button.fsState = static_cast<BYTE>(HIWORD(nStyle) ^ TBSTATE_ENABLED);
}

// Enabling and checking a tool bar button from an update handler.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override {
        m_bEnableChanged = TRUE;
        auto* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle = pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~TBBS_DISABLED;
        if (!bOn)
            nNewStyle = (nNewStyle | TBBS_DISABLED) & ~TBBS_PRESSED; // a disabled button is not held down
        pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nNewStyle);
    }
    void SetCheck(int nCheck) override {
        auto* pToolBar = static_cast<CToolBar*>(m_pOther);
        UINT nNewStyle =
            pToolBar->GetButtonStyle(static_cast<int>(m_nIndex)) & ~(TBBS_CHECKED | TBBS_INDETERMINATE);
        if (nCheck == 1)
            nNewStyle |= TBBS_CHECKED;
        else if (nCheck == 2)
            nNewStyle |= TBBS_INDETERMINATE;
        pToolBar->SetButtonStyle(static_cast<int>(m_nIndex), nNewStyle | TBBS_CHECKBOX);
    }
    void SetText(LPCSTR) override {} // buttons keep their text
};

} // namespace

CToolBar::CToolBar() = default;

CToolBar::~CToolBar() {
    m_wndCtrl.m_hWnd = nullptr; // only a view of this bar's window
}

// ---------------------------------------------------------------------------------------------------
// Creation

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, 0, dwStyle,
                    CRect(m_cxLeftBorder, m_cyTopBorder, m_cxRightBorder, m_cyBottomBorder), nID);
}

BOOL CToolBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr)
        return FALSE;
    AfxInitCommonControls(ICC_BAR_CLASSES);
    SetBorders(rcBorders);
    m_dwStyle = dwStyle & CBRS_ALL;
    m_dwCtrlStyle = dwCtrlStyle;
    // The bar decides its size and place; the control must not move itself along its parent's edge.
    DWORD dwWndStyle = (dwStyle & ~CBRS_ALL) | dwCtrlStyle | CCS_NOPARENTALIGN | CCS_NOMOVEY | CCS_NODIVIDER |
                       CCS_NORESIZE | WS_CLIPSIBLINGS;
    if (m_dwStyle & CBRS_TOOLTIPS)
        dwWndStyle |= TBSTYLE_TOOLTIPS;
    const CRect rect(0, 0, 0, 0);
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEA, nullptr, dwWndStyle, rect, pParentWnd, nID))
        return FALSE;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes(m_sizeButton, m_sizeImage);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Buttons and images

BOOL CToolBar::LoadToolBar(UINT nIDResource) {
    return LoadToolBar(MAKEINTRESOURCEA(nIDResource));
}

BOOL CToolBar::LoadToolBar(LPCSTR lpszResourceName) {
    if (m_hWnd == nullptr || lpszResourceName == nullptr)
        return FALSE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResourceA(hInst, lpszResourceName, RT_TOOLBAR);
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const auto* pData = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    ToolBarResource toolBar;
    if (!ParseToolBar(pData, ::SizeofResource(hInst, hRsrc), toolBar))
        return FALSE;

    // Check the bitmap before anything changes.
    if (::FindResourceA(hInst, lpszResourceName, MAKEINTRESOURCEA(2)) == nullptr) // RT_BITMAP
        return FALSE;
    SetSizes(CSize(toolBar.sizeImage.cx + 7, toolBar.sizeImage.cy + 7), toolBar.sizeImage);
    if (!LoadBitmap(lpszResourceName))
        return FALSE;
    return SetButtons(toolBar.ids.data(), static_cast<int>(toolBar.ids.size()));
}

BOOL CToolBar::LoadBitmap(UINT nIDResource) {
    return LoadBitmap(MAKEINTRESOURCEA(nIDResource));
}

BOOL CToolBar::LoadBitmap(LPCSTR lpszResourceName) {
    CBitmap bitmap;
    const BOOL bLoaded =
        IS_INTRESOURCE(lpszResourceName)
            ? bitmap.LoadMappedBitmap(static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszResourceName)))
            : bitmap.LoadBitmap(lpszResourceName);
    if (!bLoaded)
        return FALSE;
    return SetBitmap(static_cast<HBITMAP>(bitmap.Detach()));
}

BOOL CToolBar::SetBitmap(HBITMAP hbmImageWell) {
    if (m_hWnd == nullptr || hbmImageWell == nullptr)
        return FALSE;
    BITMAP info{};
    ::GetObjectA(hbmImageWell, sizeof info, &info);
    const int nImages = m_sizeImage.cx > 0 ? info.bmWidth / m_sizeImage.cx : 0;
    HBITMAP hbmOld = static_cast<HBITMAP>(m_bitmap.GetSafeHandle());
    BOOL bResult;
    if (hbmOld != nullptr) {
        TBREPLACEBITMAP replace{nullptr, reinterpret_cast<UINT_PTR>(hbmOld), nullptr,
                                reinterpret_cast<UINT_PTR>(hbmImageWell), nImages};
        bResult = SendMessage(TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)) != 0;
    } else {
        TBADDBITMAP add{nullptr, reinterpret_cast<UINT_PTR>(hbmImageWell)};
        bResult =
            SendMessage(TB_ADDBITMAP, static_cast<WPARAM>(nImages), reinterpret_cast<LPARAM>(&add)) != -1;
    }
    if (!bResult) {
        ::DeleteObject(hbmImageWell);
        return FALSE;
    }
    m_bitmap.DeleteObject();
    m_bitmap.Attach(hbmImageWell);
    Invalidate();
    return TRUE;
}

void CToolBar::SetSizes(SIZE sizeButton, SIZE sizeImage) {
    m_sizeButton = sizeButton;
    m_sizeImage = sizeImage;
    if (m_hWnd == nullptr)
        return;
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELPARAM(sizeImage.cx, sizeImage.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELPARAM(sizeButton.cx, sizeButton.cy));
    Invalidate();
}

void CToolBar::SetHeight(int cyHeight) {
    const int nInside = ButtonsExtent().cy;
    const int nBorders = std::max(0, cyHeight - nInside);
    m_cyTopBorder = nBorders / 2;
    m_cyBottomBorder = nBorders - m_cyTopBorder;
    if (m_hWnd != nullptr)
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

BOOL CToolBar::SetButtons(const UINT* lpIDArray, int nIDCount) {
    if (m_hWnd == nullptr || nIDCount < 0)
        return FALSE;
    for (int n = static_cast<int>(SendMessage(TB_BUTTONCOUNT)); n > 0; --n)
        SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons(static_cast<size_t>(nIDCount));
    int iImage = 0;
    for (int i = 0; i < nIDCount; ++i) {
        TBBUTTON& button = buttons[static_cast<size_t>(i)];
        button = TBBUTTON{};
        const UINT nID = lpIDArray != nullptr ? lpIDArray[i] : ID_SEPARATOR;
        button.idCommand = static_cast<int>(nID);
        if (nID == ID_SEPARATOR) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = kSeparatorWidth;
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.fsState = TBSTATE_ENABLED;
            button.iBitmap = iImage++;
        }
    }
    m_nCount = nIDCount;
    if (nIDCount > 0 &&
        !SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(nIDCount), reinterpret_cast<LPARAM>(buttons.data())))
        return FALSE;
    SetWrapping((m_dwStyle & CBRS_ORIENT_VERT) == 0 || (m_dwStyle & CBRS_ORIENT_HORZ) != 0);
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Items

BOOL CToolBar::GetButton(int nIndex, TBBUTTON& button) const {
    button = TBBUTTON{};
    return m_hWnd != nullptr && nIndex >= 0 &&
           SendMessage(TB_GETBUTTON, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&button)) != 0;
}

void CToolBar::SetButton(int nIndex, const TBBUTTON& button) {
    TBBUTTON old;
    if (!GetButton(nIndex, old))
        return;
    if (old.idCommand == button.idCommand && old.fsStyle == button.fsStyle && old.iBitmap == button.iBitmap) {
        if (old.fsState == button.fsState)
            return;
        // Only the state changed: set it in place.
        TBBUTTONINFOA info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_STATE | TBIF_BYINDEX;
        info.fsState = button.fsState;
        if (SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info)))
            return;
    }
    TBBUTTON copy = button;
    copy.dwData = old.dwData;
    copy.iString = old.iString;
    SetRedraw(FALSE);
    SendMessage(TB_DELETEBUTTON, static_cast<WPARAM>(nIndex));
    SendMessage(TB_INSERTBUTTONA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&copy));
    SetRedraw(TRUE);
    Invalidate();
}

int CToolBar::CommandToIndex(UINT nIDFind) const {
    const int nCount = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    TBBUTTON button;
    for (int i = 0; i < nCount; ++i) {
        if (GetButton(i, button) && static_cast<UINT>(button.idCommand) == nIDFind)
            return i;
    }
    return -1;
}

UINT CToolBar::GetItemID(int nIndex) const {
    TBBUTTON button;
    if (!GetButton(nIndex, button) || (button.fsStyle & TBSTYLE_SEP))
        return ID_SEPARATOR;
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetItemRect(int nIndex, LPRECT lpRect) const {
    ::SetRectEmpty(lpRect);
    if (m_hWnd != nullptr && nIndex >= 0)
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(lpRect));
}

UINT CToolBar::GetButtonStyle(int nIndex) const {
    TBBUTTON button;
    return GetButton(nIndex, button) ? StyleOf(button) : 0;
}

void CToolBar::SetButtonStyle(int nIndex, UINT nStyle) {
    TBBUTTON button;
    if (!GetButton(nIndex, button))
        return;
    ApplyStyle(button, nStyle);
    SetButton(nIndex, button);
}

void CToolBar::GetButtonInfo(int nIndex, UINT& nID, UINT& nStyle, int& iImage) const {
    TBBUTTON button;
    if (!GetButton(nIndex, button)) {
        nID = 0;
        nStyle = 0;
        iImage = 0;
        return;
    }
    nID = static_cast<UINT>(button.idCommand);
    nStyle = StyleOf(button);
    iImage = button.iBitmap;
}

void CToolBar::SetButtonInfo(int nIndex, UINT nID, UINT nStyle, int iImage) {
    TBBUTTON button;
    if (!GetButton(nIndex, button))
        return;
    button.idCommand = static_cast<int>(nID);
    button.iBitmap = iImage;
    ApplyStyle(button, nStyle);
    SetButton(nIndex, button);
}

CString CToolBar::GetButtonText(int nIndex) const {
    CString text;
    GetButtonText(nIndex, text);
    return text;
}

void CToolBar::GetButtonText(int nIndex, CString& rString) const {
    rString.Empty();
    TBBUTTON button;
    if (!GetButton(nIndex, button))
        return;
    const auto nLength =
        static_cast<int>(SendMessage(TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand), 0));
    if (nLength <= 0)
        return;
    SendMessage(TB_GETBUTTONTEXTA, static_cast<WPARAM>(button.idCommand),
                reinterpret_cast<LPARAM>(rString.GetBuffer(nLength)));
    rString.ReleaseBuffer(nLength);
}

BOOL CToolBar::SetButtonText(int nIndex, LPCSTR lpszText) {
    if (m_hWnd == nullptr || nIndex < 0 || nIndex >= static_cast<int>(SendMessage(TB_BUTTONCOUNT)))
        return FALSE;
    TBBUTTONINFOA info{};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_TEXT | TBIF_BYINDEX;
    info.pszText = const_cast<LPSTR>(lpszText != nullptr ? lpszText : "");
    const BOOL bResult =
        SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(&info)) != 0;
    Invalidate();
    return bResult;
}

CToolBarCtrl& CToolBar::GetToolBarCtrl() const {
    m_wndCtrl.m_hWnd = m_hWnd;
    return m_wndCtrl;
}

// ---------------------------------------------------------------------------------------------------
// Layout

void CToolBar::SetWrapping(BOOL bHorz) {
    // In a column the control must know it is vertical, or it lays a separator out as a button-high gap
    // with an upright line instead of a thin band across the column.
    if (m_hWnd != nullptr) {
        const DWORD dwStyle = GetStyle();
        const DWORD dwWanted = bHorz ? (dwStyle & ~CCS_VERT) : (dwStyle | CCS_VERT);
        if (dwWanted != dwStyle)
            ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(dwWanted));
    }
    const int nCount = m_hWnd != nullptr ? static_cast<int>(SendMessage(TB_BUTTONCOUNT)) : 0;
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON button;
        if (!GetButton(i, button))
            continue;
        const bool wrap = !bHorz && i + 1 < nCount;
        const BYTE fsState =
            static_cast<BYTE>(wrap ? (button.fsState | TBSTATE_WRAP) : (button.fsState & ~TBSTATE_WRAP));
        if (fsState != button.fsState) {
            button.fsState = fsState;
            SetButton(i, button);
        }
    }
}

CSize CToolBar::ButtonsExtent() const {
    CSize extent(0, 0);
    const int nCount = m_hWnd != nullptr ? static_cast<int>(SendMessage(TB_BUTTONCOUNT)) : 0;
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON button;
        if (!GetButton(i, button) || (button.fsState & TBSTATE_HIDDEN))
            continue;
        RECT rect{};
        SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&rect));
        extent.cx = std::max(extent.cx, rect.right);
        extent.cy = std::max(extent.cy, rect.bottom);
    }
    if (extent.cy == 0)
        extent.cy = m_sizeButton.cy;
    return extent;
}

CSize CToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    SetWrapping(bHorz);
    const CSize content = ButtonsExtent();
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, bHorz);
    return Stretched(CSize(content.cx - inside.Width(), content.cy - inside.Height()), bStretch, bHorz);
}

CSize CToolBar::CalcDynamicLayout(int, DWORD nMode) {
    const BOOL bHorz = (nMode & (LM_HORZ | LM_HORZDOCK)) != 0 && !(nMode & LM_VERTDOCK);
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, bHorz);
}

void CToolBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle) {
    const BOOL bHorz = (dwNewStyle & CBRS_ORIENT_HORZ) != 0 || !(dwNewStyle & CBRS_ORIENT_VERT);
    SetWrapping(bHorz);
    if ((dwOldStyle ^ dwNewStyle) & (CBRS_ALIGN_ANY | CBRS_FLOATING | CBRS_GRIPPER | CBRS_BORDER_ANY))
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CToolBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp) {
    Default();
    CRect inside(0, 0, 0, 0);
    CalcInsideRect(inside, (m_dwStyle & CBRS_ORIENT_HORZ) != 0 || !(m_dwStyle & CBRS_ORIENT_VERT));
    RECT& rc = lpncsp->rgrc[0];
    rc.left += inside.left;
    rc.top += inside.top;
    rc.right = std::max(rc.left, rc.right + inside.right);
    rc.bottom = std::max(rc.top, rc.bottom + inside.bottom);
}

void CToolBar::OnNcPaint() {
    Default();
    HDC hDC = ::GetWindowDC(m_hWnd);
    if (hDC == nullptr)
        return;
    CRect window;
    GetWindowRect(&window);
    CRect client;
    GetClientRect(&client);
    ClientToScreen(&client);
    client.OffsetRect(-window.left, -window.top);
    window.OffsetRect(-window.left, -window.top);
    ::ExcludeClipRect(hDC, client.left, client.top, client.right, client.bottom);
    ::FillRect(hDC, &window, ::GetSysColorBrush(COLOR_BTNFACE));
    CDC* pDC = CDC::FromHandle(hDC);
    DrawBorders(pDC, window);
    DrawGripper(pDC, window);
    ::ReleaseDC(m_hWnd, hDC);
}

// ---------------------------------------------------------------------------------------------------
// Command user interface, tool tips, status prompts

void CToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    CToolCmdUI state;
    state.m_pOther = this;
    CCmdTarget* pCmdTarget = AfxFrameAsWnd(pTarget);
    const int nCount = static_cast<int>(SendMessage(TB_BUTTONCOUNT));
    state.m_nIndexMax = static_cast<UINT>(nCount);
    for (int i = 0; i < nCount; ++i) {
        TBBUTTON button;
        if (!GetButton(i, button) || (button.fsStyle & TBSTYLE_SEP))
            continue;
        state.m_nIndex = static_cast<UINT>(i);
        state.m_nID = static_cast<UINT>(button.idCommand);
        state.DoUpdate(pCmdTarget, bDisableIfNoHndler);
    }
    // Controls placed on the bar (a combo box over a separator) update like a dialog's.
    UpdateDialogControls(pCmdTarget, bDisableIfNoHndler);
}

INT_PTR CToolBar::OnToolHitTest(CPoint point, TOOLINFOA* pTI) const {
    POINT pt{point.x, point.y};
    const auto nHit = static_cast<int>(SendMessage(TB_HITTEST, 0, reinterpret_cast<LPARAM>(&pt)));
    TBBUTTON button;
    if (nHit < 0 || !GetButton(nHit, button) || (button.fsStyle & TBSTYLE_SEP))
        return CControlBar::OnToolHitTest(point, pTI);
    if (pTI != nullptr) {
        pTI->hwnd = m_hWnd;
        pTI->uId = static_cast<UINT_PTR>(button.idCommand);
        GetItemRect(nHit, &pTI->rect);
        pTI->lpszText = LPSTR_TEXTCALLBACKA;
    }
    return button.idCommand;
}

void CToolBar::SupplyTipText(NMHDR* pNMHDR) const {
    // The command's string: "status prompt\ntool tip".
    char full[256] = {};
    const auto nID = static_cast<UINT>(pNMHDR->idFrom);
    if (nID == 0 || ::LoadStringA(AfxGetResourceHandle(), nID, full, sizeof full) <= 0)
        return;
    const char* tip = std::strchr(full, '\n');
    if (tip == nullptr)
        return;
    ++tip;
    if (pNMHDR->code == TTN_GETDISPINFOA) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        lstrcpynA(pInfo->szText, tip, static_cast<int>(sizeof pInfo->szText));
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    } else {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
        ::MultiByteToWideChar(CP_ACP, 0, tip, -1, pInfo->szText, static_cast<int>(std::size(pInfo->szText)));
        pInfo->szText[std::size(pInfo->szText) - 1] = L'\0';
        pInfo->lpszText = pInfo->szText;
        pInfo->hinst = nullptr;
    }
}

LRESULT CToolBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    if (nMsg == WM_NOTIFY) {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        if (pNMHDR != nullptr && (pNMHDR->code == TTN_GETDISPINFOA || pNMHDR->code == TTN_GETDISPINFOW)) {
            // The frame may answer (from its message strings); otherwise the string table does.
            bool bSupplied = false;
            if (pNMHDR->code == TTN_GETDISPINFOA) {
                auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
                pInfo->szText[0] = '\0';
                pInfo->lpszText = pInfo->szText;
                pInfo->hinst = nullptr;
                CControlBar::WindowProc(nMsg, wParam, lParam);
                bSupplied = pInfo->szText[0] != '\0' || pInfo->hinst != nullptr ||
                            (pInfo->lpszText != pInfo->szText && pInfo->lpszText != nullptr);
            } else {
                auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
                pInfo->szText[0] = L'\0';
                pInfo->lpszText = pInfo->szText;
                pInfo->hinst = nullptr;
                CControlBar::WindowProc(nMsg, wParam, lParam);
                bSupplied = pInfo->szText[0] != L'\0' || pInfo->hinst != nullptr ||
                            (pInfo->lpszText != pInfo->szText && pInfo->lpszText != nullptr);
            }
            if (!bSupplied)
                SupplyTipText(pNMHDR);
            return 0;
        }
    }
    return CControlBar::WindowProc(nMsg, wParam, lParam);
}
