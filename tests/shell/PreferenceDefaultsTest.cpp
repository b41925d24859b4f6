// The preference bootstrap: which defaults each stored generation gets, that nothing a user set is
// overwritten by a generation already written, the program's location values, the migration of the
// older "ActiveLog" and the helpers' own writers.
#include <gtest/gtest.h>

#include "foundation/ScratchRegistry.h"
#include "foundation/LocaleFormat.h"
#include "shell/PreferenceDefaults.h"
#include "timelog/CLogEntry.h"

#include <string>
#include <vector>

namespace {

struct Expected {
    int generation;
    const char* key;
    const char* name;
    std::string value;
};

std::string WindowsUser() {
    char buffer[256] = {};
    DWORD size = sizeof buffer;
    GetUserNameA(buffer, &size);
    return buffer;
}

// Every default with the value a first start must store.
std::vector<Expected> ExpectedDefaults() {
    const std::string user = WindowsUser();
    return {
        {100, REG_PREFS, "Open when logging", "F"},
        {100, REG_PREFS_ICONS, "Main", "T"},
        {100, REG_PREFS_ICONS, "Quick Info", "F"},
        {100, REG_PREFS, "Hide at startup", "F"},
        {100, REG_DATABASE, "Username", user},
        {100, REG_DATABASE, "Use ODBC", "T"},
        {100, REG_DATABASE, "DataSource", "Brindlemark mdb"},
        {103, REG_DIALOGS, "Quick Pick Visible", "T"},
        {104, REG_PREFS, "Supress errors", "F"},
        {105, REG_REMIND, "When not logging", "T"},
        {105, REG_REMIND, "Remind daily", "F"},
        {105, REG_REMIND, "Minutes", "120"},
        {105, REG_REMIND, "Days", "2"},
        {105, REG_REMIND, "Use sound", "F"},
        {105, REG_REMIND, "Sound", "Echobel1.wav"},
        {107, REG_PROJECT_CENTRAL, "Enabled", "F"},
        {107, REG_PROJECT_CENTRAL, "Server", "(local)"},
        {107, REG_PROJECT_CENTRAL, "Trusted", "T"},
        {107, REG_PROJECT_CENTRAL, "Username", "sa"},
        {107, REG_PROJECT_CENTRAL, "Database", "Project_CentralDb"},
        {107, REG_PROJECT_CENTRAL, "Resource", "DOMAIN\\" + user},
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
        {110, REG_SORT, "Column", "Start"},
        {210, REG_DIALOGS, "ProjectTaskDlg-collapsed", "-Task Status\t-Users\t-Extras"},
        {220, REG_PREFS, "Mileage rate", "375"},
        {220, REG_DIALOGS, "ExpenseDlg-collapsed", "-Users\t-Extras"},
    };
}

// The value as stored (a text value), or nothing when it is absent.
bool ReadStored(const char* key, const char* name, std::string& value) {
    DWORD type = 0;
    if (!ReadRawValue(RegResolveKeyPath(key), name, value, type))
        return false;
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ)) << key << name;
    if (!value.empty() && value.back() == '\0')
        value.pop_back();
    return true;
}

int StoredGeneration() {
    int generation = -1;
    RegReadInt(REG_ROOT, "Defaults", &generation);
    return generation;
}

// The stored generation before the start (-1: no "Defaults" at all, a first start).
class DefaultsByGeneration : public ::testing::TestWithParam<int> {
protected:
    ScratchRegistry registry;
};

TEST_P(DefaultsByGeneration, WritesExactlyTheNewerGenerationsAndKeepsTheRest) {
    const int stored = GetParam();
    if (stored >= 0) {
        ASSERT_TRUE(RegWriteInt(REG_ROOT, "Defaults", stored));
    }
    // A value the user set in every area: it must survive unless its generation is new to this machine.
    const std::vector<Expected> expected = ExpectedDefaults();
    for (const Expected& row : expected)
        ASSERT_TRUE(RegWriteString(row.key, row.name, "user's own"));

    std::vector<int> handedToHelpers;
    const DefaultsWriter writers[] = {[&](int generation) { handedToHelpers.push_back(generation); },
                                      [&](int generation) { handedToHelpers.push_back(generation); }};
    EXPECT_EQ(WritePreferenceDefaults("BrindlemarkInstanceWndClass", writers), stored < 0 ? 0 : stored);

    const int before = stored < 0 ? 0 : stored;
    for (const Expected& row : expected) {
        std::string value;
        ASSERT_TRUE(ReadStored(row.key, row.name, value)) << row.name;
        if (row.generation > before)
            EXPECT_EQ(value, row.value) << row.key << row.name << " (generation " << row.generation << ")";
        else
            EXPECT_EQ(value, "user's own") << row.key << row.name << " (generation " << row.generation << ")";
    }
    EXPECT_EQ(handedToHelpers, (std::vector<int>{before, before}));
    EXPECT_EQ(StoredGeneration(), std::max(before, 220));
}

INSTANTIATE_TEST_SUITE_P(StoredGenerations, DefaultsByGeneration,
                         ::testing::Values(-1, 0, 100, 103, 104, 105, 107, 108, 109, 110, 210, 220, 300));

TEST(PreferenceDefaults, FirstStartWritesEveryDefaultIntoAnEmptyRegistry) {
    ScratchRegistry registry;
    WritePreferenceDefaults("BrindlemarkInstanceWndClass");
    for (const Expected& row : ExpectedDefaults()) {
        std::string value;
        ASSERT_TRUE(ReadStored(row.key, row.name, value)) << row.key << row.name;
        EXPECT_EQ(value, row.value) << row.key << row.name;
    }
    // Nothing under "Settings": the active log is not invented.
    std::string activeLog;
    EXPECT_FALSE(ReadStored(REG_DATABASE, "ActiveLog", activeLog));
    EXPECT_EQ(StoredGeneration(), 220);
}

TEST(PreferenceDefaults, EveryStartRecordsWhereTheProgramLives) {
    ScratchRegistry registry;
    ScratchFolder folder;
    SetProgramFolderForTests(folder.Path());
    ASSERT_TRUE(RegWriteInt(REG_ROOT, "Defaults", 220));
    ASSERT_TRUE(RegWriteString(REG_ROOT, "Pathname", "C:\\old\\Brindlemark.exe"));
    WritePreferenceDefaults("SomeInstanceWndClass");
    SetProgramFolderForTests(nullptr);

    char module[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, module, MAX_PATH);
    const std::string moduleName = strrchr(module, '\\') + 1;
    std::string value;
    ASSERT_TRUE(ReadStored(REG_ROOT, "Pathname", value));
    EXPECT_EQ(value, std::string(folder.Path()) + moduleName);
    ASSERT_TRUE(ReadStored(REG_ROOT, "Directory", value));
    EXPECT_EQ(value, std::string(folder.Path()));
    ASSERT_TRUE(ReadStored(REG_ROOT, "Window class name", value));
    EXPECT_EQ(value, "SomeInstanceWndClass");
    ASSERT_TRUE(ReadStored(REG_ROOT, "Version", value));
    EXPECT_EQ(value, std::string(AcxFormatNumber(GetProgramVersionNumber(), 2, ACXFMT_GROUPING)));
    EXPECT_NE(GetProgramVersionNumber(), 0.0) << "the test program carries the program's version";
    EXPECT_EQ(StoredGeneration(), 220);
}

TEST(PreferenceDefaults, OlderActiveLogMovesOnlyWhenItNamesAFile) {
    struct Case {
        const char* older;    // "ActiveLog" under "Settings"
        const char* expected; // "ActiveLog" under "Database\" afterwards
    };
    for (const Case& c : {Case{"C:\\Logs\\Mine.bmk", "C:\\Logs\\Mine.bmk"}, Case{"", "C:\\Logs\\Kept.bmk"}}) {
        ScratchRegistry registry;
        ASSERT_TRUE(RegWriteInt(REG_ROOT, "Defaults", 103));
        ASSERT_TRUE(RegWriteString(REG_SETTINGS, "ActiveLog", c.older));
        ASSERT_TRUE(RegWriteString(REG_DATABASE, "ActiveLog", "C:\\Logs\\Kept.bmk"));
        WritePreferenceDefaults("C");
        std::string value;
        ASSERT_TRUE(ReadStored(REG_DATABASE, "ActiveLog", value));
        EXPECT_EQ(value, c.expected) << c.older;
    }
}

TEST(PreferenceDefaults, TheRoundingInUseFollowsTheStoredSettings) {
    {
        ScratchRegistry registry;
        WritePreferenceDefaults("C");
        EXPECT_FALSE(CLogEntry::GetRoundingSettings().enabled);
        EXPECT_EQ(CLogEntry::GetRoundingSettings().unit, 15 * 60);
    }
    ScratchRegistry registry;
    ASSERT_TRUE(RegWriteInt(REG_ROOT, "Defaults", 220));
    ASSERT_TRUE(RegWriteBool(REG_ROUNDING, "Enabled", true));
    ASSERT_TRUE(RegWriteInt(REG_ROUNDING, "Minutes", 6));
    WritePreferenceDefaults("C");
    EXPECT_TRUE(CLogEntry::GetRoundingSettings().enabled);
    EXPECT_EQ(CLogEntry::GetRoundingSettings().unit, 6 * 60);
    CLogEntry::SetRoundingSettings(CRoundingSettings{});
}

} // namespace
