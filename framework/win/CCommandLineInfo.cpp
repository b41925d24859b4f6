#include "framework/win/CCommandLineInfo.h"

#include "framework/win/CWinApp.h"

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
    if (bFlag)
        ParseParamFlag(pszParam);
    else
        ParseParamNotFlag(pszParam);
    ParseLast(bLast);
}

void CCommandLineInfo::ParseParamFlag(const char* pszParam) {
    if (lstrcmpiA(pszParam, "pt") == 0) {
        m_nShellCommand = FilePrintTo;
    } else if (lstrcmpiA(pszParam, "p") == 0) {
        m_nShellCommand = FilePrint;
    } else if (lstrcmpiA(pszParam, "Register") == 0 || lstrcmpiA(pszParam, "Regserver") == 0) {
        m_nShellCommand = AppRegister;
    } else if (lstrcmpiA(pszParam, "Unregister") == 0 || lstrcmpiA(pszParam, "Unregserver") == 0) {
        m_nShellCommand = AppUnregister;
    } else if (lstrcmpiA(pszParam, "dde") == 0) {
        AfxOleSetUserCtrl(FALSE);
        m_nShellCommand = FileDDE;
    } else if (lstrcmpiA(pszParam, "Embedding") == 0) {
        AfxOleSetUserCtrl(FALSE);
        m_bRunEmbedded = TRUE;
        m_bShowSplash = FALSE;
    } else if (lstrcmpiA(pszParam, "Automation") == 0) {
        AfxOleSetUserCtrl(FALSE);
        m_bRunAutomated = TRUE;
        m_bShowSplash = FALSE;
    }
}

void CCommandLineInfo::ParseParamNotFlag(const char* pszParam) {
    if (m_strFileName.IsEmpty())
        m_strFileName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPrinterName.IsEmpty())
        m_strPrinterName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strDriverName.IsEmpty())
        m_strDriverName = pszParam;
    else if (m_nShellCommand == FilePrintTo && m_strPortName.IsEmpty())
        m_strPortName = pszParam;
}

void CCommandLineInfo::ParseLast(BOOL bLast) {
    if (!bLast)
        return;
    if (m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
    m_bShowSplash = !m_bRunEmbedded && !m_bRunAutomated;
}
