// CCommandLineInfo: what the command line asks the application to do. CWinApp::ParseCommandLine hands
// it one parameter at a time.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CObject.h"
#include "framework/core/CString.h"

class CCommandLineInfo : public CObject {
public:
    CCommandLineInfo() = default;
    ~CCommandLineInfo() override = default;

    // pszParam without its leading '/' or '-' when bFlag is set; bLast for the last parameter.
    // Flags (any case): "p" print, "pt" print to (then printer, driver, port), "dde", "Embedding",
    // "Automation", "Register"/"Regserver", "Unregister"/"Unregserver". The first other parameter is
    // the file name; a file name alone means open it.
    virtual void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast);

    enum {
        FileNew,
        FileOpen,
        FilePrint,
        FilePrintTo,
        FileDDE,
        AppRegister,
        AppUnregister,
        FileNothing = -1
    } m_nShellCommand = FileNew;

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;

protected:
    void ParseParamFlag(const char* pszParam);
    void ParseParamNotFlag(const char* pszParam);
    void ParseLast(BOOL bLast);
};
