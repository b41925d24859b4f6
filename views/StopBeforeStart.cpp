#include "views/StopBeforeStart.h"

#include "foundation/LocaleFormat.h"
#include "framework/win/AfxWin.h"
#include "resource.h"

bool IsStopBeforeStart(CTime start, CTime stop, bool warn) {
    if (stop.GetTime() == 0 || stop >= start)
        return false;
    if (warn) {
        CString message;
        AfxFormatString1(message, IDS_STOP_BEFORE_START, AcxFormatDateTime(start));
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    }
    return true;
}
