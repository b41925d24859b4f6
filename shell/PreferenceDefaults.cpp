#include "shell/PreferenceDefaults.h"

#include "foundation/LocaleFormat.h"
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "resource.h"
#include "timelog/CLogEntry.h"

#include <windows.h>

namespace {

// A default whose value is worked out at the start; false: nothing to write.
using ComputeDefault = bool (*)(CString& text);

// One row of the defaults table: written when the stored generation is below `generation`. Every value
// is stored as text (flags "T"/"F", numbers in decimal), so a row carries its text or computes it.
struct DefaultRow {
    int generation;
    const char* key;
    const char* name;
    const char* text;
    ComputeDefault compute = nullptr;
};

CString LoadResourceText(UINT id) {
    CString text;
    text.LoadString(id);
    return text;
}

// The Windows logon name, else the machine's registered owner ("" when neither is known).
CString WindowsUserOrOwner() {
    CString user;
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    if (::GetUserNameA(buffer, &size))
        user = buffer;
    if (user.IsEmpty()) {
        CString organization;
        GetRegisteredOwner(user, organization);
    }
    return user;
}

bool UserNameDefault(CString& text) {
    text = DefaultUserName();
    return true;
}

bool ActiveLogFromOlderSettings(CString& text) {
    // Programs before generation 104 kept the active log under "Settings".
    RegReadString(REG_SETTINGS, "ActiveLog", text);
    return !text.IsEmpty();
}

bool ReminderSoundDefault(CString& text) {
    text = LoadResourceText(IDS_DEFAULT_REMINDER_SOUND);
    return true;
}

bool ProjectServerResourceDefault(CString& text) {
    text = LoadResourceText(IDS_DEFAULT_DOMAIN) + "\\" + WindowsUserOrOwner();
    return true;
}

bool SortColumnDefault(CString& text) {
    text = LoadResourceText(IDS_COLUMN_START);
    return true;
}

const DefaultRow kDefaults[] = {
    {100, REG_PREFS, "Open when logging", "F"},
    {100, REG_PREFS_ICONS, "Main", "T"},
    {100, REG_PREFS_ICONS, "Quick Info", "F"},
    {100, REG_PREFS, "Hide at startup", "F"},
    {100, REG_DATABASE, "Username", nullptr, &UserNameDefault},
    {100, REG_DATABASE, "Use ODBC", "T"},
    {100, REG_DATABASE, "DataSource", "Brindlemark mdb"},
    {103, REG_DIALOGS, "Quick Pick Visible", "T"},
    {104, REG_DATABASE, "ActiveLog", nullptr, &ActiveLogFromOlderSettings},
    {104, REG_PREFS, "Supress errors", "F"},
    {105, REG_REMIND, "When not logging", "T"},
    {105, REG_REMIND, "Remind daily", "F"},
    {105, REG_REMIND, "Minutes", "120"},
    {105, REG_REMIND, "Days", "2"},
    {105, REG_REMIND, "Use sound", "F"},
    {105, REG_REMIND, "Sound", nullptr, &ReminderSoundDefault},
    {107, REG_PROJECT_CENTRAL, "Enabled", "F"},
    {107, REG_PROJECT_CENTRAL, "Server", "(local)"},
    {107, REG_PROJECT_CENTRAL, "Trusted", "T"},
    {107, REG_PROJECT_CENTRAL, "Username", "sa"},
    {107, REG_PROJECT_CENTRAL, "Database", "Project_CentralDb"},
    {107, REG_PROJECT_CENTRAL, "Resource", nullptr, &ProjectServerResourceDefault},
    {107, REG_PROJECT_CENTRAL, "DBO", ""},
    {107, REG_PROJECT_CENTRAL, "Auto Update project manager", "T"},
    {108, REG_SYNC, "Sync all", "F"},
    {108, REG_SYNC, "Sync past", "T"},
    {108, REG_SYNC, "Sync categories", "F"},
    {108, REG_SYNC, "Sync days", "60"},
    {108, REG_SYNC, "Categories", ""},
    {109, REG_PREFS, "GrayBar", "T"},
    {109, REG_ROUNDING, "Enabled", "F"},
    {109, REG_ROUNDING, "Minutes", "15"},
    {109, REG_ROUNDING, "Up and down", "T"},
    {109, REG_ROUNDING, "Never Zero", "F"},
    {110, REG_SORT, "Ascending", "T"},
    {110, REG_SORT, "Column", nullptr, &SortColumnDefault},
    {210, REG_DIALOGS, "ProjectTaskDlg-collapsed", "-Task Status\t-Users\t-Extras"},
    {220, REG_PREFS, "Mileage rate", "375"},
    {220, REG_DIALOGS, "ExpenseDlg-collapsed", "-Users\t-Extras"},
};

void WriteProgramLocation(const char* windowClassName) {
    CString folder;
    GetProgramFolder(folder);
    char module[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, module, MAX_PATH);
    // The file name of the running program in the folder the program answers for (tests move it).
    const CString moduleName = CString(module).Mid(GetFolderOfPath(module).GetLength());
    RegWriteString(REG_ROOT, "Pathname", folder + moduleName);
    RegWriteString(REG_ROOT, "Directory", folder);
    RegWriteString(REG_ROOT, "Window class name", windowClassName != nullptr ? windowClassName : "");
    RegWriteString(REG_ROOT, "Version", AcxFormatNumber(GetProgramVersionNumber(), 2, ACXFMT_GROUPING));
}

} // namespace

CString DefaultUserName() {
    CString user = WindowsUserOrOwner();
    if (user.IsEmpty())
        user = LoadResourceText(IDS_DEFAULT_USER_NAME);
    return user;
}

int WritePreferenceDefaults(const char* windowClassName, std::span<const DefaultsWriter> helperWriters) {
    WriteProgramLocation(windowClassName);
    int stored = 0;
    RegReadInt(REG_ROOT, "Defaults", &stored);
    for (const DefaultRow& row : kDefaults) {
        if (stored >= row.generation)
            continue;
        CString text = row.text;
        if (row.compute != nullptr && !row.compute(text))
            continue;
        RegWriteString(row.key, row.name, text);
    }
    for (const DefaultsWriter& writer : helperWriters) {
        if (writer)
            writer(stored);
    }
    CLogEntry::LoadRoundingSettings();
    if (stored < kNewestDefaultsGeneration)
        RegWriteInt(REG_ROOT, "Defaults", kNewestDefaultsGeneration);
    return stored;
}
