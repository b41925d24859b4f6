#include "framework/win/CPropertyPage.h"

#include "framework/core/CException.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CPropertySheet.h"
#include "framework/win/CWinThread.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage() {
    CommonConstruct(nullptr, 0);
}

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption) {
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

CPropertyPage::CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption) {
    CommonConstruct(lpszTemplateName, nIDCaption);
}

CPropertyPage::~CPropertyPage() = default;

void CPropertyPage::Construct(UINT nIDTemplate, UINT nIDCaption) {
    CommonConstruct(MAKEINTRESOURCEA(nIDTemplate), nIDCaption);
}

void CPropertyPage::Construct(LPCSTR lpszTemplateName, UINT nIDCaption) {
    CommonConstruct(lpszTemplateName, nIDCaption);
}

void CPropertyPage::CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption) {
    m_psp = PROPSHEETPAGEA{};
    m_psp.dwSize = sizeof(PROPSHEETPAGEA);
    m_psp.dwFlags = PSP_USECALLBACK;
    m_psp.hInstance = AfxGetResourceHandle();
    m_psp.pszTemplate = lpszTemplateName;
    m_psp.pfnDlgProc = &PropPageDlgProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    m_psp.pfnCallback = &PropPageCallback;
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    m_strCaption.Empty();
    if (nIDCaption != 0)
        m_strCaption.LoadString(nIDCaption);
    SyncTitle();
}

void CPropertyPage::SyncTitle() {
    if (m_strCaption.IsEmpty()) {
        m_psp.dwFlags &= ~PSP_USETITLE;
        m_psp.pszTitle = nullptr;
    } else {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = m_strCaption;
    }
}

// ---------------------------------------------------------------------------------------------------
// Creation by the sheet

UINT CALLBACK CPropertyPage::PropPageCallback(HWND, UINT message, LPPROPSHEETPAGEA ppsp) {
    // The page's dialog is created right after this: it becomes the page object's window.
    if (message == PSPCB_CREATE && ppsp != nullptr && ppsp->lParam != 0)
        AfxHookWindowCreate(reinterpret_cast<CPropertyPage*>(ppsp->lParam));
    return 1;
}

INT_PTR CALLBACK CPropertyPage::PropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    AfxUnhookWindowCreate();
    const auto* ppsp = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    auto* pPage = ppsp != nullptr ? reinterpret_cast<CPropertyPage*>(ppsp->lParam) : nullptr;
    if (pPage == nullptr)
        return TRUE;
    if (CWnd::FromHandlePermanent(hWnd) != pPage && !pPage->SubclassWindow(hWnd))
        return TRUE;
    try {
        return pPage->OnInitDialog();
    } catch (CException* e) {
        const MSG msg{hWnd, message, wParam, lParam, 0, {0, 0}};
        AfxProcessWndProcException(e, &msg);
        e->Delete();
        return TRUE;
    }
}

CPropertySheet* CPropertyPage::GetSheet() const {
    if (m_hWnd == nullptr)
        return nullptr;
    return dynamic_cast<CPropertySheet*>(FromHandlePermanent(::GetParent(m_hWnd)));
}

// ---------------------------------------------------------------------------------------------------
// Talking to the sheet

void CPropertyPage::SetModified(BOOL bChanged) {
    HWND hSheet = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (hSheet != nullptr)
        ::SendMessageA(hSheet, bChanged ? PSM_CHANGED : PSM_UNCHANGED, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CPropertyPage::CancelToClose() {
    HWND hSheet = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    if (hSheet != nullptr)
        ::SendMessageA(hSheet, PSM_CANCELTOCLOSE, 0, 0);
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam) {
    HWND hSheet = m_hWnd != nullptr ? ::GetParent(m_hWnd) : nullptr;
    return hSheet != nullptr ? ::SendMessageA(hSheet, PSM_QUERYSIBLINGS, wParam, lParam) : 0;
}

// ---------------------------------------------------------------------------------------------------
// Default answers

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() {
    return UpdateData(TRUE);
}

BOOL CPropertyPage::OnApply() {
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() {
    OnCancel();
}

// A page does not end a dialog: the sheet decides when it closes.
void CPropertyPage::OnOK() {}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnQueryCancel() {
    return TRUE;
}

LRESULT CPropertyPage::OnWizardBack() {
    return 0;
}

LRESULT CPropertyPage::OnWizardNext() {
    return 0;
}

BOOL CPropertyPage::OnWizardFinish() {
    return TRUE;
}

// ---------------------------------------------------------------------------------------------------
// Messages

BOOL CPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const auto* pNMHDR = reinterpret_cast<const NMHDR*>(lParam);
    LRESULT lResult = 0;
    switch (pNMHDR->code) {
    case PSN_SETACTIVE:
        lResult = OnSetActive() ? 0 : -1;
        break;
    case PSN_KILLACTIVE:
        lResult = OnKillActive() ? FALSE : TRUE; // TRUE keeps the page
        break;
    case PSN_APPLY:
        lResult = OnApply() ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
        break;
    case PSN_RESET:
        OnReset();
        break;
    case PSN_QUERYCANCEL:
        lResult = OnQueryCancel() ? FALSE : TRUE; // TRUE keeps the sheet open
        break;
    case PSN_WIZBACK:
        lResult = OnWizardBack();
        break;
    case PSN_WIZNEXT:
        lResult = OnWizardNext();
        break;
    case PSN_WIZFINISH:
        lResult = OnWizardFinish() ? FALSE : TRUE; // TRUE keeps the wizard open
        break;
    case PSN_HELP:
        SendMessage(WM_COMMAND, ID_HELP);
        break;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
    // The sheet reads the answer as the dialog's message result.
    ::SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, lResult);
    if (pResult != nullptr)
        *pResult = lResult;
    return TRUE;
}

void CPropertyPage::PostNcDestroy() {
    m_bFirstSetActive = TRUE;
    CDialog::PostNcDestroy();
}

BOOL CPropertyPage::PreTranslateMessage(MSG* pMsg) {
    // Keys of a page go to its sheet's dialog navigation (CPropertySheet::PreTranslateMessage).
    return CWnd::PreTranslateMessage(pMsg);
}
