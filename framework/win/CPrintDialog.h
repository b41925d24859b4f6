// CPrintDialog: the system's Print dialog (or its Print Setup dialog, bPrintSetupOnly) and the printer
// it chose: the device, driver and port names, the device mode, the page range and copies, and a device
// context for printing.
//
// The handles the system fills in (m_pd.hDevMode, m_pd.hDevNames) are global memory the caller keeps or
// frees (GlobalFree); the application object keeps the program's printer that way (CWinApp). The device
// context CreatePrinterDC makes is the caller's to delete.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CCommonDialog.h"

class CPrintDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CPrintDialog)
public:
    explicit CPrintDialog(BOOL bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIES | PD_NOPAGENUMS |
                                          PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParentWnd = nullptr);
    ~CPrintDialog() override;

    PRINTDLGA m_pd;

    // IDOK or IDCANCEL; IDCANCEL also when the system failed (CommDlgExtendedError tells why).
    INT_PTR DoModal() override;
    // The default printer without showing anything: fills m_pd.hDevMode and m_pd.hDevNames (which must
    // be empty). FALSE when there is no default printer.
    BOOL GetDefaults();

    // A device context for the chosen printer, kept in m_pd.hDC; nullptr without a printer.
    HDC CreatePrinterDC();
    // The device context the dialog returned (PD_RETURNDC) or CreatePrinterDC made.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // The chosen printer's device mode (memory locked as long as the handle lives), or nullptr.
    LPDEVMODEA GetDevMode() const;

    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;

    int GetCopies() const;
    BOOL PrintCollate() const;
    BOOL PrintSelection() const { return (m_pd.Flags & PD_SELECTION) != 0; }
    BOOL PrintAll() const { return !PrintRange() && !PrintSelection(); }
    BOOL PrintRange() const { return (m_pd.Flags & PD_PAGENUMS) != 0; }
    BOOL PrintToFile() const { return (m_pd.Flags & PD_PRINTTOFILE) != 0; }
    int GetFromPage() const { return PrintRange() ? m_pd.nFromPage : -1; }
    int GetToPage() const { return PrintRange() ? m_pd.nToPage : -1; }

private:
    // Field fieldIndex (0 driver, 1 device, 2 port) of the DEVNAMES in m_pd.hDevNames.
    CString DevNamesText(size_t fieldIndex) const;
};
