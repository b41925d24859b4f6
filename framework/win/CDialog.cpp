#include "framework/win/CDialog.h"

#include "framework/core/CException.h"
#include "framework/win/AfxDlgSupport.h"
#include "framework/win/CWinThread.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_SETFONT, HandleSetFont)
END_MESSAGE_MAP()

namespace {

LPCDLGTEMPLATEA LoadTemplate(HINSTANCE hInst, LPCSTR lpszTemplateName) {
    HRSRC hResource = ::FindResourceA(hInst, lpszTemplateName, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (hResource == nullptr)
        return nullptr;
    HGLOBAL hTemplate = ::LoadResource(hInst, hResource);
    return hTemplate != nullptr ? static_cast<LPCDLGTEMPLATEA>(::LockResource(hTemplate)) : nullptr;
}

bool IsEditControl(HWND hWnd) {
    char className[16] = {};
    ::GetClassNameA(hWnd, className, sizeof className);
    return lstrcmpiA(className, "Edit") == 0;
}

} // namespace

CDialog::CDialog(LPCSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_lpszTemplateName(MAKEINTRESOURCEA(nIDTemplate)), m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd != nullptr)
        DestroyWindow();
}

// ---------------------------------------------------------------------------------------------------
// Creation

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (pDlg == nullptr)
        return TRUE;
    // Framework exceptions end here rather than unwind through the system's dialog code.
    try {
        // The initial list strings are there before the dialog's own initialisation runs.
        pDlg->ExecuteDlgInit(pDlg->m_lpszTemplateName);
        return pDlg->OnInitDialog();
    } catch (CException* e) {
        const MSG msg{hWnd, message, wParam, lParam, 0, {0, 0}};
        AfxProcessWndProcException(e, &msg);
        e->Delete();
        return TRUE;
    }
}

BOOL CDialog::CreateDlgIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst) {
    if (lpDialogTemplate == nullptr || m_hWnd != nullptr)
        return FALSE;
    // The controls of the template must have their window classes, whoever else initialised them.
    AfxInitDialogTemplateClasses(lpDialogTemplate);
    AfxHookWindowCreate(this);
    HWND hWnd =
        ::CreateDialogIndirectParamA(hInst, lpDialogTemplate, pParentWnd->GetSafeHwnd(), &DialogProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr;
}

BOOL CDialog::Create(LPCSTR lpszTemplateName, CWnd* pParentWnd) {
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = static_cast<UINT>(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    HINSTANCE hInst = AfxGetResourceHandle();
    return CreateIndirect(LoadTemplate(hInst, lpszTemplateName), pParentWnd);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    return Create(MAKEINTRESOURCEA(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_pParentWnd = pParentWnd;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, AfxGetResourceHandle());
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATEA lpDialogTemplate, CWnd* pParentWnd) {
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    return lpDialogTemplate != nullptr;
}

// ---------------------------------------------------------------------------------------------------
// Modal

INT_PTR CDialog::DoModal() {
    HINSTANCE hInst = AfxGetResourceHandle();
    LPCDLGTEMPLATEA lpTemplate =
        m_lpszTemplateName != nullptr ? LoadTemplate(hInst, m_lpszTemplateName) : m_lpDialogTemplate;
    if (lpTemplate == nullptr || m_hWnd != nullptr)
        return -1;

    // The owner: the parent given (or the main window) made top-level; its top window is disabled too.
    HWND hWndParent = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &m_hWndTop);
    BOOL bEnableParent = FALSE;
    if (hWndParent != nullptr && hWndParent != ::GetDesktopWindow() && ::IsWindowEnabled(hWndParent)) {
        ::EnableWindow(hWndParent, FALSE);
        bEnableParent = TRUE;
    }

    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;
    try {
        if (CreateDlgIndirect(lpTemplate, CWnd::FromHandle(hWndParent), hInst)) {
            // EndDialog in OnInitDialog ends the dialog before the loop starts.
            if (m_nFlags & WF_CONTINUEMODAL) {
                DWORD dwFlags = MLF_SHOWONIDLE;
                if (GetStyle() & DS_NOIDLEMSG)
                    dwFlags |= MLF_NOIDLEMSG;
                RunModalLoop(dwFlags);
            }
            if (m_hWnd != nullptr)
                SetWindowPos(nullptr, 0, 0, 0, 0,
                             SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        }
    } catch (CException* e) {
        e->Delete();
        m_nModalResult = -1;
    }
    m_nFlags &= ~(WF_CONTINUEMODAL | WF_MODALLOOP);

    // Enable the owner before the dialog goes, so that it gets the activation back.
    if (bEnableParent)
        ::EnableWindow(hWndParent, TRUE);
    if (hWndParent != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(hWndParent);
    DestroyWindow();
    if (m_hWndTop != nullptr) {
        ::EnableWindow(m_hWndTop, TRUE);
        m_hWndTop = nullptr;
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult) {
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

// ---------------------------------------------------------------------------------------------------
// Behaviour

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnSetFont(CFont*) {}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM) {
    OnSetFont(CFont::FromHandle(reinterpret_cast<HFONT>(wParam)));
    return Default();
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE))
        return; // the dialog stays open; the user was told what is wrong
    EndDialog(IDOK);
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

void CDialog::NextDlgCtrl() const {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const {
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl != nullptr && pWndCtrl->m_hWnd != nullptr)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID) {
    ::SendMessageA(m_hWnd, DM_SETDEFID, nID, 0);
}

DWORD CDialog::GetDefID() const {
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}

void CDialog::MapDialogRect(LPRECT lpRect) const {
    ::MapDialogRect(m_hWnd, lpRect);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
    // Escape in a multi-line edit would otherwise be eaten by the edit control.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE) && ::IsChild(m_hWnd, pMsg->hwnd) &&
        IsEditControl(pMsg->hwnd)) {
        HWND hCancel = ::GetDlgItem(m_hWnd, IDCANCEL);
        if (hCancel == nullptr || ::IsWindowEnabled(hCancel)) {
            SendMessage(WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        }
    }
    return PreTranslateInput(pMsg);
}

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    // Control notifications, commands of controls (ids below 0x8000) and system commands stay here.
    if ((nCode != CN_COMMAND && nCode != CN_UPDATE_COMMAND_UI) || nID < 0x8000 || nID >= 0xF000)
        return FALSE;
    CWnd* pOwner = GetParent();
    if (pOwner != nullptr && pOwner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinThread* pThread = AfxGetThread();
    return pThread != nullptr && pThread->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
