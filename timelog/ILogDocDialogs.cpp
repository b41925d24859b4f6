// The registration of the dialogs the time-log document runs.
#include "timelog/ILogDocDialogs.h"

namespace {
ILogDocDialogs* g_pDialogs = nullptr;
}

ILogDocDialogs* GetLogDocDialogs() {
    return g_pDialogs;
}

void SetLogDocDialogs(ILogDocDialogs* pDialogs) {
    g_pDialogs = pDialogs;
}
