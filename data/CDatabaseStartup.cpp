#include "data/CDatabaseStartup.h"

#include "data/CBaseRecordset.h"
#include "data/CDatabaseOfflineDlg.h"
#include "data/DatabaseSetup.h"
#include "data/FileDataSource.h"

CDatabaseStartup::Result CDatabaseStartup::Run(const OfflinePrompt& prompt, bool* openOptions) {
    if (openOptions)
        *openOptions = false;
    if (SetupDefaultDatabase())
        return online;
    bool optionsRequested = false;
    if (!prompt || prompt(GetDataSourceSetting(), optionsRequested) != IDOK)
        return closeProgram;
    CBaseRecordset::offline = true;
    if (openOptions)
        *openOptions = optionsRequested;
    return workOffline;
}

int CDatabaseStartup::AskOffline(const CString& dataSource, bool& optionsRequested) {
    CDatabaseOfflineDlg dialog(dataSource);
    const INT_PTR result = dialog.DoModal();
    optionsRequested = dialog.OptionsRequested();
    return static_cast<int>(result);
}
