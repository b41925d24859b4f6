// CAppCommandLineInfo: the program's command line. Beside the framework's switches it knows the flag
// "TRAYICON" (any case, with or without '/' or '-'), which starts the program hidden in the tray.
#pragma once

#include "framework/win/CCommandLineInfo.h"

class CAppCommandLineInfo : public CCommandLineInfo {
public:
    CAppCommandLineInfo() = default;

    void ParseParam(const char* pszParam, BOOL bFlag, BOOL bLast) override;

    bool m_bTrayStart = false;
};
