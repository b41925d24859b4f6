// CBrindlemarkWinApp: the start-up. For now it takes the start-up as far as the database: the data
// source is set up (the embedded database is made on the first run) and tested, and the user may choose
// to work offline; then it says what it found and ends.
#include "shell/CBrindlemarkWinApp.h"

#include "data/CDatabaseStartup.h"
#include "data/FileDataSource.h"
#include "foundation/CAcxVersionInfo.h"
#include "resource.h"

namespace {

CString ProgramVersion() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    CAcxVersionInfo version;
    return version.Load(path) ? version.GetString("ProductVersion") : CString("(no version resource)");
}

} // namespace

BOOL CBrindlemarkWinApp::InitInstance() {
    CString title;
    title.LoadString(IDS_APP_TITLE);
    const CDatabaseStartup::Result database = CDatabaseStartup::Run();
    if (database == CDatabaseStartup::closeProgram)
        return FALSE;
    CString dataSource = GetDataSourceSetting();
    if (dataSource.IsEmpty())
        dataSource = DEFAULT_DATA_SOURCE;
    CString text;
    text.Format("%s %s\n\nDatabase: %s (%s)\n\nThe main window is not part of this build yet.",
                static_cast<LPCSTR>(title), static_cast<LPCSTR>(ProgramVersion()),
                static_cast<LPCSTR>(dataSource),
                database == CDatabaseStartup::online ? "connected" : "working offline");
    AfxMessageBox(text, MB_OK | MB_ICONINFORMATION);
    return FALSE;
}
