#include "framework/win/CDialogBar.h"

#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(CDialogBar, CControlBar)

BEGIN_MESSAGE_MAP(CDialogBar, CControlBar)
END_MESSAGE_MAP()

namespace {

// Where the style DWORD sits in a dialog template: first in DLGTEMPLATE, after version, signature,
// help id and extended style in DLGTEMPLATEEX.
size_t StyleOffset(const BYTE* pTemplate, size_t cbSize) {
    if (cbSize >= 16) {
        WORD version = 0;
        WORD signature = 0;
        std::memcpy(&version, pTemplate, sizeof version);
        std::memcpy(&signature, pTemplate + 2, sizeof signature);
        if (version == 1 && signature == 0xFFFF)
            return 12;
    }
    return 0;
}

} // namespace

CDialogBar::CDialogBar() {
    m_cxLeftBorder = m_cxRightBorder = 0;
    m_cyTopBorder = m_cyBottomBorder = 0;
}

CDialogBar::~CDialogBar() = default;

BOOL CDialogBar::Create(CWnd* pParentWnd, UINT nIDTemplate, UINT nStyle, UINT nID) {
    return Create(pParentWnd, MAKEINTRESOURCEA(nIDTemplate), nStyle, nID);
}

BOOL CDialogBar::Create(CWnd* pParentWnd, LPCSTR lpszTemplateName, UINT nStyle, UINT nID) {
    if (pParentWnd == nullptr || pParentWnd->m_hWnd == nullptr || m_hWnd != nullptr)
        return FALSE;
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRsrc = ::FindResourceA(hInst, lpszTemplateName, MAKEINTRESOURCEA(5)); // RT_DIALOG
    if (hRsrc == nullptr)
        return FALSE;
    HGLOBAL hGlobal = ::LoadResource(hInst, hRsrc);
    const auto* pResource = hGlobal != nullptr ? static_cast<const BYTE*>(::LockResource(hGlobal)) : nullptr;
    const DWORD cbSize = ::SizeofResource(hInst, hRsrc);
    if (pResource == nullptr || cbSize < sizeof(DLGTEMPLATE))
        return FALSE;

    // A copy whose style makes a child window without a frame of its own. DWORD-aligned, as the
    // template functions require.
    std::vector<DWORD> copy((cbSize + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* pTemplate = reinterpret_cast<BYTE*>(copy.data());
    std::memcpy(pTemplate, pResource, cbSize);
    const size_t offset = StyleOffset(pTemplate, cbSize);
    DWORD dwStyle = 0;
    std::memcpy(&dwStyle, pTemplate + offset, sizeof dwStyle);
    dwStyle &=
        ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_BORDER | WS_DLGFRAME | DS_MODALFRAME |
          WS_VISIBLE | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | DS_CENTER | DS_SYSMODAL | DS_ABSALIGN);
    dwStyle |= WS_CHILD | WS_CLIPSIBLINGS | (nStyle & WS_VISIBLE);
    std::memcpy(pTemplate + offset, &dwStyle, sizeof dwStyle);

    m_dwStyle = nStyle & CBRS_ALL;
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, reinterpret_cast<LPCDLGTEMPLATEA>(pTemplate),
                                             pParentWnd->m_hWnd, &DialogBarProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    if (hWnd == nullptr)
        return FALSE;
    ::SetWindowLongPtrA(hWnd, GWLP_ID, static_cast<LONG_PTR>(nID));
    CRect rect;
    GetWindowRect(&rect);
    m_sizeDefault = rect.Size();
    return TRUE;
}

INT_PTR CALLBACK CDialogBar::DialogBarProc(HWND, UINT, WPARAM, LPARAM) {
    // Everything goes through the bar's message map; at WM_INITDIALOG, FALSE keeps the focus where it is
    // (a bar does not take it when it appears).
    return FALSE;
}

CSize CDialogBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz) {
    return Stretched(m_sizeDefault, bStretch, bHorz);
}

void CDialogBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    UpdateDialogControls(AfxFrameAsWnd(pTarget), bDisableIfNoHndler);
}

BOOL CDialogBar::PreTranslateMessage(MSG* pMsg) {
    if (CControlBar::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !::IsChild(m_hWnd, pMsg->hwnd))
        return FALSE;
    // The frame's accelerators come before the bar's keyboard navigation.
    CWnd* pOwner = GetOwner();
    if (pOwner != nullptr && pOwner->m_hWnd != m_hWnd && pOwner->PreTranslateMessage(pMsg))
        return TRUE;
    return PreTranslateInput(pMsg);
}
