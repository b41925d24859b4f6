#include "shell/CAppCommandLineInfo.h"

#include "framework/core/CString.h"

void CAppCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) {
    // Also without its switch character: a start-up entry written by hand must not make the program
    // look for a log file of that name.
    if (pszParam != nullptr && CString(pszParam).CompareNoCase("TRAYICON") == 0) {
        m_bTrayStart = true;
        ParseLast(bLast);
        return;
    }
    CCommandLineInfo::ParseParam(pszParam, bFlag, bLast);
}
