#include "data/CDatabaseStartup.h"

#include "data/CBaseRecordset.h"
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
