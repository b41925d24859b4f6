// The start-up's database step: the data source is set up and tested; when it cannot be used the user
// chooses between working offline (the program then works from its document file alone) and closing.
#pragma once

#include "framework/core/CString.h"

#include <functional>

class CDatabaseStartup {
public:
    enum Result { online, workOffline, closeProgram };

    // The offline question: shown with the configured data source; returns IDOK (work offline) or
    // IDCANCEL (close the program), and sets optionsRequested when the user asked for the database
    // options.
    using OfflinePrompt = std::function<int(const CString& dataSource, bool& optionsRequested)>;

    // The offline question as the user sees it: the "Brindlemark Database is Offline" window.
    static int AskOffline(const CString& dataSource, bool& optionsRequested);

    // Sets up and tests the data source (a data source that cannot be used is reported in a message
    // box), then asks prompt. Sets the recordsets' offline flag when the user chooses to work offline.
    // *openOptions (when given) tells whether the database options are to be opened once the main
    // window exists.
    static Result Run(const OfflinePrompt& prompt = &AskOffline, bool* openOptions = nullptr);
};
