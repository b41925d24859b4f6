#include "framework/win/CFindReplaceDialog.h"

#include "framework/win/CWinThread.h"

IMPLEMENT_DYNAMIC(CFindReplaceDialog, CCommonDialog)

CFindReplaceDialog::CFindReplaceDialog() : CCommonDialog(nullptr) {
    m_fr = FINDREPLACEA{};
    m_fr.lStructSize = sizeof(FINDREPLACEA);
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = sizeof m_szFindWhat;
    m_fr.lpfnHook = &HookProc<FINDREPLACEA>;
    m_fr.lCustData = reinterpret_cast<LPARAM>(this);
}

CFindReplaceDialog::~CFindReplaceDialog() = default;

BOOL CFindReplaceDialog::Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith,
                                DWORD dwFlags, CWnd* pParentWnd) {
    if (m_hWnd != nullptr)
        return FALSE;
    m_pParentWnd = pParentWnd;
    m_fr.hwndOwner = pParentWnd != nullptr ? pParentWnd->GetSafeHwnd() : AfxGetMainWnd()->GetSafeHwnd();
    if (m_fr.hwndOwner == nullptr)
        return FALSE; // the notifications need a window to go to
    m_fr.hInstance = reinterpret_cast<HINSTANCE>(AfxGetResourceHandle());
    m_fr.Flags = dwFlags | FR_ENABLEHOOK;
    m_fr.lpfnHook = &HookProc<FINDREPLACEA>;
    m_fr.lCustData = reinterpret_cast<LPARAM>(this);
    lstrcpynA(m_szFindWhat, lpszFindWhat != nullptr ? lpszFindWhat : "",
              static_cast<int>(sizeof m_szFindWhat));
    m_fr.lpstrFindWhat = m_szFindWhat;
    m_fr.wFindWhatLen = sizeof m_szFindWhat;
    if (!bFindDialogOnly) {
        lstrcpynA(m_szReplaceWith, lpszReplaceWith != nullptr ? lpszReplaceWith : "",
                  static_cast<int>(sizeof m_szReplaceWith));
        m_fr.lpstrReplaceWith = m_szReplaceWith;
        m_fr.wReplaceWithLen = sizeof m_szReplaceWith;
    }
    HWND hWnd = bFindDialogOnly ? ::FindTextA(&m_fr) : ::ReplaceTextA(&m_fr);
    return hWnd != nullptr && m_hWnd == hWnd;
}

CFindReplaceDialog* CFindReplaceDialog::GetNotifier(LPARAM lParam) {
    const auto* pfr = reinterpret_cast<const FINDREPLACEA*>(lParam);
    if (pfr == nullptr)
        return nullptr;
    auto* pDlg = reinterpret_cast<CFindReplaceDialog*>(pfr->lCustData);
    // The system may hand over its own copy: the flags of this request are those in lParam.
    if (pDlg != nullptr && pfr != &pDlg->m_fr)
        pDlg->m_fr.Flags = pfr->Flags;
    return pDlg;
}

CString CFindReplaceDialog::GetFindString() const {
    return CString(m_fr.lpstrFindWhat != nullptr ? m_fr.lpstrFindWhat : "");
}

CString CFindReplaceDialog::GetReplaceString() const {
    return CString(m_fr.lpstrReplaceWith != nullptr ? m_fr.lpstrReplaceWith : "");
}

void CFindReplaceDialog::PostNcDestroy() {
    delete this;
}
