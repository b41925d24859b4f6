// CBrindlemarkWinApp: the program's application object. For now it takes the start-up as far as the
// database: the data source is set up (the embedded database is made on the first run) and tested, and
// the user may choose to work offline; then it says what it found and ends.
#pragma once

#include "foundation/CAcxWinApp.h"

class CBrindlemarkWinApp : public CAcxWinApp {
public:
    CBrindlemarkWinApp();
    BOOL InitInstance() override;
};
