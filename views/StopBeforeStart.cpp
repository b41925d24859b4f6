#include "views/StopBeforeStart.h"

#include "foundation/LocaleFormat.h"
#include "framework/win/AfxWin.h"
#include "resource.h"

bool IsStopBeforeStart(CTime start, CTime stop, bool warn) {
    if (stop.GetTime() == 0 || stop >= start)
        return false;
    if (warn)
        AfxMessageBox(StopBeforeStartMessage(start), MB_OK | MB_ICONEXCLAMATION);
    return true;
}

CString StopBeforeStartMessage(CTime start) {
    CString message;
    AfxFormatString1(message, IDS_STOP_BEFORE_START, AcxFormatDateTime(start));
    return message;
}
