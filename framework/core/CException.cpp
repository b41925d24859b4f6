#include "framework/core/CException.h"

#include <algorithm>
#include <cstring>
#include <string>

IMPLEMENT_DYNAMIC(CException, CObject)

void CException::Delete() {
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::CopyMessage(const char* text, char* lpszError, UINT nMaxError) {
    if (lpszError == nullptr || nMaxError == 0)
        return FALSE;
    lpszError[0] = '\0';
    if (text == nullptr || *text == '\0')
        return FALSE;
    const size_t n = std::min<size_t>(std::strlen(text), nMaxError - 1);
    std::memcpy(lpszError, text, n);
    lpszError[n] = '\0';
    return TRUE;
}

BOOL CException::GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext) const {
    if (pnHelpContext)
        *pnHelpContext = 0;
    return CopyMessage(nullptr, lpszError, nMaxError);
}

namespace {
AFX_REPORT_PROC g_pfnReport = nullptr;

// The program's title for the message box: the executable's name without folder and extension.
std::string ModuleTitle() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    if (const auto slash = name.find_last_of("\\/"); slash != std::string::npos)
        name.erase(0, slash + 1);
    if (const auto dot = name.rfind('.'); dot != std::string::npos)
        name.erase(dot);
    return name;
}
} // namespace

int CException::ReportError(UINT nType, UINT nMessageID) {
    char text[512] = {};
    if (!GetErrorMessage(text, sizeof text)) {
        if (nMessageID == 0 || LoadStringA(AfxGetResourceHandle(), nMessageID, text, sizeof text) == 0)
            CopyMessage("No error message is available.", text, sizeof text);
    }
    if ((nType & MB_ICONMASK) == 0)
        nType |= MB_ICONEXCLAMATION;
    if (AFX_REPORT_PROC pfnReport = g_pfnReport)
        return pfnReport(text, nType, nMessageID);
    return MessageBoxA(GetActiveWindow(), text, ModuleTitle().c_str(), nType);
}

AFX_REPORT_PROC AfxSetReportErrorProc(AFX_REPORT_PROC pfnReport) {
    const AFX_REPORT_PROC previous = g_pfnReport;
    g_pfnReport = pfnReport;
    return previous;
}
