#include "framework/win/CPrintDialog.h"

IMPLEMENT_DYNAMIC(CPrintDialog, CCommonDialog)

namespace {

// Locks a global handle for the life of the object.
template <class T> class LockedGlobal {
public:
    explicit LockedGlobal(HGLOBAL hGlobal)
        : m_hGlobal(hGlobal), m_p(hGlobal ? static_cast<T*>(::GlobalLock(hGlobal)) : nullptr) {}
    ~LockedGlobal() {
        if (m_p != nullptr)
            ::GlobalUnlock(m_hGlobal);
    }
    LockedGlobal(const LockedGlobal&) = delete;
    LockedGlobal& operator=(const LockedGlobal&) = delete;
    T* get() const { return m_p; }

private:
    HGLOBAL m_hGlobal;
    T* m_p;
};

} // namespace

CPrintDialog::CPrintDialog(BOOL bPrintSetupOnly, DWORD dwFlags, CWnd* pParentWnd)
    : CCommonDialog(pParentWnd) {
    m_pd = PRINTDLGA{};
    m_pd.lStructSize = sizeof(PRINTDLGA);
    m_pd.Flags = dwFlags | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK;
    if (bPrintSetupOnly)
        m_pd.Flags |= PD_PRINTSETUP;
    else
        m_pd.Flags |= PD_RETURNDC;
    m_pd.lpfnPrintHook = &HookProc<PRINTDLGA>;
    m_pd.lpfnSetupHook = &HookProc<PRINTDLGA>;
    m_pd.lCustData = reinterpret_cast<LPARAM>(this);
    m_pd.nCopies = 1;
    m_pd.nFromPage = 1;
    m_pd.nToPage = 1;
    m_pd.nMinPage = 1;
    m_pd.nMaxPage = 0xFFFF;
}

CPrintDialog::~CPrintDialog() = default;

INT_PTR CPrintDialog::DoModal() {
    if (m_hWnd != nullptr)
        return -1;
    HWND hWndTop = nullptr;
    m_pd.hwndOwner = CWnd::GetSafeOwner_(m_pParentWnd->GetSafeHwnd(), &hWndTop);
    m_pd.hInstance = AfxGetResourceHandle();
    m_pd.lCustData = reinterpret_cast<LPARAM>(this);
    const BOOL bResult = ::PrintDlgA(&m_pd);
    if (hWndTop != nullptr)
        ::EnableWindow(hWndTop, TRUE);
    if (m_hWnd != nullptr && !::IsWindow(m_hWnd))
        Detach();
    return bResult ? IDOK : IDCANCEL;
}

BOOL CPrintDialog::GetDefaults() {
    if (m_pd.hDevMode != nullptr || m_pd.hDevNames != nullptr)
        return FALSE; // the system would refuse: the caller's handles stay as they are
    const DWORD dwFlags = m_pd.Flags;
    m_pd.Flags = (dwFlags | PD_RETURNDEFAULT) & ~(PD_RETURNDC | PD_ENABLEPRINTHOOK | PD_ENABLESETUPHOOK);
    m_pd.hwndOwner = nullptr;
    const BOOL bResult = ::PrintDlgA(&m_pd);
    m_pd.Flags = dwFlags;
    return bResult;
}

HDC CPrintDialog::CreatePrinterDC() {
    LockedGlobal<DEVNAMES> names(m_pd.hDevNames);
    if (names.get() == nullptr)
        return nullptr;
    LockedGlobal<DEVMODEA> mode(m_pd.hDevMode);
    const auto* base = reinterpret_cast<const char*>(names.get());
    m_pd.hDC = ::CreateDCA(base + names.get()->wDriverOffset, base + names.get()->wDeviceOffset,
                           base + names.get()->wOutputOffset, mode.get());
    return m_pd.hDC;
}

LPDEVMODEA CPrintDialog::GetDevMode() const {
    if (m_pd.hDevMode == nullptr)
        return nullptr;
    return static_cast<LPDEVMODEA>(::GlobalLock(m_pd.hDevMode));
}

CString CPrintDialog::DevNamesText(size_t fieldIndex) const {
    LockedGlobal<DEVNAMES> names(m_pd.hDevNames);
    if (names.get() == nullptr)
        return CString();
    const WORD offsets[] = {names.get()->wDriverOffset, names.get()->wDeviceOffset,
                            names.get()->wOutputOffset};
    return CString(reinterpret_cast<const char*>(names.get()) + offsets[fieldIndex]);
}

CString CPrintDialog::GetDriverName() const {
    return DevNamesText(0);
}

CString CPrintDialog::GetDeviceName() const {
    return DevNamesText(1);
}

CString CPrintDialog::GetPortName() const {
    return DevNamesText(2);
}

int CPrintDialog::GetCopies() const {
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LockedGlobal<DEVMODEA> mode(m_pd.hDevMode);
        if (mode.get() != nullptr && (mode.get()->dmFields & DM_COPIES))
            return mode.get()->dmCopies;
    }
    return m_pd.nCopies;
}

BOOL CPrintDialog::PrintCollate() const {
    if (m_pd.Flags & PD_USEDEVMODECOPIES) {
        LockedGlobal<DEVMODEA> mode(m_pd.hDevMode);
        if (mode.get() != nullptr && (mode.get()->dmFields & DM_COLLATE))
            return mode.get()->dmCollate == DMCOLLATE_TRUE;
    }
    return (m_pd.Flags & PD_COLLATE) != 0;
}
