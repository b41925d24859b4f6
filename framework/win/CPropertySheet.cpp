#include "framework/win/CPropertySheet.h"

#include "framework/win/AfxCtrlSupport.h"
#include "framework/win/CTabCtrl.h"
#include "framework/win/CWinThread.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CPropertySheet, CWnd)

BEGIN_MESSAGE_MAP(CPropertySheet, CWnd)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
ON_MESSAGE(PSM_PRESSBUTTON, HandlePressButton)
END_MESSAGE_MAP()

namespace {

// The sheet whose window PropertySheet is making (its template may need another style).
thread_local CPropertySheet* t_pSheetCreating = nullptr;

constexpr DWORD kDefaultModelessStyle =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | WS_VISIBLE;

} // namespace

CPropertySheet::CPropertySheet() {
    CommonConstruct(nullptr, 0);
}

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    Construct(nIDCaption, pParentWnd, iSelectPage);
}

CPropertySheet::CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    Construct(pszCaption, pParentWnd, iSelectPage);
}

CPropertySheet::~CPropertySheet() {
    if (m_hWnd != nullptr && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
}

void CPropertySheet::Construct(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption.LoadString(nIDCaption);
}

void CPropertySheet::Construct(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage) {
    CommonConstruct(pParentWnd, iSelectPage);
    m_strCaption = pszCaption != nullptr ? pszCaption : "";
}

void CPropertySheet::CommonConstruct(CWnd* pParentWnd, UINT iSelectPage) {
    m_psh = PROPSHEETHEADERA{};
    m_psh.dwSize = sizeof(PROPSHEETHEADERA);
    m_psh.dwFlags = PSH_PROPSHEETPAGE | PSH_USECALLBACK;
    m_psh.hInstance = AfxGetResourceHandle();
    m_psh.pfnCallback = &PropSheetCallback;
    m_psh.nStartPage = iSelectPage;
    m_pParentWnd = pParentWnd;
}

// ---------------------------------------------------------------------------------------------------
// Pages

void CPropertySheet::AddPage(CPropertyPage* pPage) {
    if (pPage == nullptr || GetPageIndex(pPage) >= 0)
        return;
    m_pages.push_back(pPage);
    if (m_hWnd != nullptr) {
        pPage->SyncTitle();
        HPROPSHEETPAGE hPage = ::CreatePropertySheetPageA(&pPage->m_psp);
        if (hPage == nullptr || !SendMessage(PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(hPage))) {
            if (hPage != nullptr)
                ::DestroyPropertySheetPage(hPage);
            m_pages.pop_back();
        }
    }
}

void CPropertySheet::RemovePage(CPropertyPage* pPage) {
    const int nPage = GetPageIndex(pPage);
    if (nPage >= 0)
        RemovePage(nPage);
}

void CPropertySheet::RemovePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    if (m_hWnd != nullptr)
        SendMessage(PSM_REMOVEPAGE, static_cast<WPARAM>(nPage), 0);
    m_pages.erase(m_pages.begin() + nPage);
}

int CPropertySheet::GetPageCount() const {
    return static_cast<int>(m_pages.size());
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const {
    return (nPage >= 0 && nPage < GetPageCount()) ? m_pages[static_cast<size_t>(nPage)] : nullptr;
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const {
    auto at = std::find(m_pages.begin(), m_pages.end(), pPage);
    return at == m_pages.end() ? -1 : static_cast<int>(at - m_pages.begin());
}

int CPropertySheet::GetActiveIndex() const {
    if (m_hWnd == nullptr)
        return static_cast<int>(m_psh.nStartPage);
    auto hPage = reinterpret_cast<HWND>(SendMessage(PSM_GETCURRENTPAGEHWND));
    if (hPage == nullptr)
        return -1;
    for (size_t i = 0; i < m_pages.size(); ++i) {
        if (m_pages[i]->m_hWnd == hPage)
            return static_cast<int>(i);
    }
    return static_cast<int>(SendMessage(PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(hPage)));
}

CPropertyPage* CPropertySheet::GetActivePage() const {
    return GetPage(GetActiveIndex());
}

BOOL CPropertySheet::SetActivePage(int nPage) {
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (m_hWnd == nullptr) {
        m_psh.nStartPage = static_cast<UINT>(nPage);
        return TRUE;
    }
    return SendMessage(PSM_SETCURSEL, static_cast<WPARAM>(nPage), 0) != 0;
}

BOOL CPropertySheet::SetActivePage(CPropertyPage* pPage) {
    return SetActivePage(GetPageIndex(pPage));
}

// ---------------------------------------------------------------------------------------------------
// Appearance and wizard

void CPropertySheet::SetTitle(LPCSTR lpszText, UINT nStyle) {
    m_strCaption = lpszText != nullptr ? lpszText : "";
    if (nStyle & PSH_PROPTITLE)
        m_psh.dwFlags |= PSH_PROPTITLE;
    else
        m_psh.dwFlags &= ~PSH_PROPTITLE;
    if (m_hWnd != nullptr)
        SendMessage(PSM_SETTITLEA, nStyle, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_strCaption)));
}

CTabCtrl* CPropertySheet::GetTabControl() const {
    if (m_hWnd == nullptr)
        return nullptr;
    return AfxCtrlFromHandle<CTabCtrl>(reinterpret_cast<HWND>(SendMessage(PSM_GETTABCONTROL)));
}

void CPropertySheet::EnableStackedTabs(BOOL bStacked) {
    m_bStacked = bStacked;
}

void CPropertySheet::SetWizardMode() {
    m_psh.dwFlags |= PSH_WIZARD;
}

BOOL CPropertySheet::IsWizard() const {
    return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97 | PSH_WIZARD_LITE)) != 0;
}

void CPropertySheet::SetWizardButtons(DWORD dwFlags) {
    if (m_hWnd != nullptr)
        SendMessage(PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(dwFlags));
}

void CPropertySheet::SetFinishText(LPCSTR lpszText) {
    m_strFinishText = lpszText != nullptr ? lpszText : "";
    if (m_hWnd != nullptr)
        SendMessage(PSM_SETFINISHTEXTA, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(m_strFinishText)));
}

// ---------------------------------------------------------------------------------------------------
// Creation

void CPropertySheet::BuildPropPageArray() {
    m_pageHeaders.clear();
    for (CPropertyPage* pPage : m_pages) {
        pPage->SyncTitle();
        m_pageHeaders.push_back(pPage->m_psp);
    }
    m_psh.dwFlags |= PSH_PROPSHEETPAGE;
    m_psh.nPages = static_cast<UINT>(m_pageHeaders.size());
    m_psh.ppsp = m_pageHeaders.empty() ? nullptr : m_pageHeaders.data();
    m_psh.pszCaption = m_strCaption;
    if (m_psh.nStartPage >= m_psh.nPages)
        m_psh.nStartPage = 0;
}

int CALLBACK CPropertySheet::PropSheetCallback(HWND, UINT message, LPARAM lParam) {
    CPropertySheet* pSheet = t_pSheetCreating;
    if (message != PSCB_PRECREATE || pSheet == nullptr || lParam == 0 ||
        pSheet->m_dwCreateStyle == static_cast<DWORD>(-1))
        return 0;
    // The template of the sheet's own window: its style is what Create asked for.
    auto* pTemplate = reinterpret_cast<BYTE*>(lParam);
    WORD version = 0;
    WORD signature = 0;
    std::memcpy(&version, pTemplate, sizeof version);
    std::memcpy(&signature, pTemplate + 2, sizeof signature);
    const bool bEx = version == 1 && signature == 0xFFFF;
    const size_t styleAt = bEx ? 12 : 0;
    const size_t exStyleAt = bEx ? 8 : 4;
    DWORD dwStyle = pSheet->m_dwCreateStyle | DS_SETFONT; // the template carries a font
    std::memcpy(pTemplate + styleAt, &dwStyle, sizeof dwStyle);
    std::memcpy(pTemplate + exStyleAt, &pSheet->m_dwCreateExStyle, sizeof(DWORD));
    return 0;
}

HWND CPropertySheet::CreateSheetWindow() {
    BuildPropPageArray();
    t_pSheetCreating = this;
    AfxHookWindowCreate(this);
    const INT_PTR nResult = ::PropertySheetA(&m_psh);
    AfxUnhookWindowCreate();
    t_pSheetCreating = nullptr;
    auto hWnd = reinterpret_cast<HWND>(nResult);
    if (nResult == 0 || nResult == -1 || !::IsWindow(hWnd))
        return nullptr;
    if (m_hWnd == nullptr && !SubclassWindow(hWnd)) {
        ::DestroyWindow(hWnd);
        return nullptr;
    }
    if (!m_strFinishText.IsEmpty())
        SetFinishText(m_strFinishText);
    return m_hWnd;
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle) {
    if (m_hWnd != nullptr)
        return FALSE;
    if (pParentWnd != nullptr)
        m_pParentWnd = pParentWnd;
    m_bModeless = TRUE;
    m_dwCreateStyle = dwStyle == static_cast<DWORD>(-1) ? kDefaultModelessStyle : dwStyle;
    m_dwCreateExStyle = dwExStyle;
    m_psh.dwFlags |= PSH_MODELESS;
    HWND hWndParent = m_pParentWnd->GetSafeHwnd();
    if (hWndParent == nullptr)
        hWndParent = AfxGetMainWnd()->GetSafeHwnd();
    m_psh.hwndParent = hWndParent;
    const BOOL bResult = CreateSheetWindow() != nullptr;
    m_dwCreateStyle = static_cast<DWORD>(-1);
    return bResult;
}

LRESULT CPropertySheet::HandleInitDialog(WPARAM, LPARAM) {
    const LRESULT lResult = Default();
    if (!m_bStacked) {
        if (CTabCtrl* pTab = GetTabControl())
            pTab->ModifyStyle(TCS_MULTILINE, TCS_SINGLELINE);
    }
    OnInitDialog();
    return lResult;
}

BOOL CPropertySheet::OnInitDialog() {
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Running

INT_PTR CPropertySheet::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    m_bModeless = FALSE;
    // The sheet runs modeless under this object's own modal loop (idle updates, message filters).
    m_psh.dwFlags |= PSH_MODELESS;
    HWND hWndTop = nullptr;
    HWND hWndParent = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    m_psh.hwndParent = hWndParent;
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    INT_PTR nResult = -1;
    m_nModalResult = 0;
    if (CreateSheetWindow() != nullptr) {
        m_nFlags |= WF_CONTINUEMODAL;
        RunModalLoop(0);
        nResult = m_nModalResult;
    }
    m_psh.dwFlags &= ~PSH_MODELESS;
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);

    // The owner gets the activation back before the sheet goes.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    if (m_hWnd != nullptr)
        DestroyWindow();
    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

// The sheet has closed (no current page): the button that closed it is the result, else the sheet's own
// verdict.
void CPropertySheet::RecordEnd() {
    if (m_nModalResult == IDOK || m_nModalResult == IDCANCEL || m_nModalResult == ID_WIZFINISH)
        return;
    const LRESULT lResult = m_hWnd != nullptr ? SendMessage(PSM_GETRESULT) : 0;
    m_nModalResult = lResult > 0 ? (IsWizard() ? ID_WIZFINISH : IDOK) : IDCANCEL;
}

BOOL CPropertySheet::ContinueModal() {
    if (!CWnd::ContinueModal())
        return FALSE;
    if (m_hWnd == nullptr || SendMessage(PSM_GETCURRENTPAGEHWND) == 0) {
        RecordEnd();
        m_nFlags &= ~WF_CONTINUEMODAL;
        return FALSE;
    }
    return TRUE;
}

void CPropertySheet::EndDialog(int nEndID) {
    m_nModalResult = nEndID;
    if (m_bModeless) {
        DestroyWindow();
        return;
    }
    EndModalLoop(nEndID);
}

BOOL CPropertySheet::PressButton(int nButton) {
    if (m_hWnd == nullptr)
        return FALSE;
    SendMessage(PSM_PRESSBUTTON, static_cast<WPARAM>(nButton));
    return TRUE;
}

void CPropertySheet::AfterButton(int nID) {
    if (m_hWnd == nullptr || SendMessage(PSM_GETCURRENTPAGEHWND) != 0)
        return; // the sheet is still open
    if (nID == IDOK || nID == IDCANCEL || nID == ID_WIZFINISH)
        m_nModalResult = nID;
    if (m_bModeless) {
        RecordEnd();
        DestroyWindow();
    }
}

BOOL CPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (CWnd::OnCommand(wParam, lParam))
        return TRUE;
    // The sheet's own button handling first; then, when that closed the sheet, the button is the result.
    Default();
    if (lParam == 0 || HIWORD(wParam) == BN_CLICKED)
        AfterButton(LOWORD(wParam));
    return TRUE;
}

LRESULT CPropertySheet::HandlePressButton(WPARAM wParam, LPARAM) {
    const LRESULT lResult = Default();
    switch (wParam) {
    case PSBTN_OK:
        AfterButton(IDOK);
        break;
    case PSBTN_CANCEL:
        AfterButton(IDCANCEL);
        break;
    case PSBTN_FINISH:
        AfterButton(ID_WIZFINISH);
        break;
    default:
        AfterButton(0);
        break;
    }
    return lResult;
}

BOOL CPropertySheet::PreTranslateMessage(MSG* pMsg) {
    const bool bInput = (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST) ||
                        (pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST);
    if (bInput && m_hWnd != nullptr && (pMsg->hwnd == m_hWnd || ::IsChild(m_hWnd, pMsg->hwnd)) &&
        SendMessage(PSM_ISDIALOGMESSAGE, 0, reinterpret_cast<LPARAM>(pMsg)))
        return TRUE;
    return CWnd::PreTranslateMessage(pMsg);
}
