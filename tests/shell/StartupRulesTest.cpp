// The start-up's decisions that need no window: how the main window appears, the command line's tray
// flag, and where the active log comes from.
#include <gtest/gtest.h>

#include "ShellTestSupport.h"

#include "foundation/Registry.h"
#include "framework/core/CArchive.h"
#include "shell/CAppCommandLineInfo.h"
#include "shell/LogFileLocation.h"

#include <shlobj.h>

#include <fstream>
#include <iterator>

using namespace shelltest;

namespace {

struct ShowCase {
    bool trayStart, hasLaunched, hideAtStartup, mainIcon, logOpened;
    StartupShow expected;
};

TEST(StartupShowRule, NeverLeavesTheProgramHiddenWithoutAWayBack) {
    const ShowCase cases[] = {
        // A normal start shows the window.
        {false, true, false, true, true, StartupShow::shown},
        // TRAYICON after a completed start stays in the tray; before the first completed start it shows.
        {true, true, false, true, true, StartupShow::hidden},
        {true, false, false, true, true, StartupShow::shown},
        // ... but never without the main tray icon to come back by.
        {true, true, false, false, true, StartupShow::shown},
        // "Hide at startup" hides with the notice, unless the icon is off or no log could be opened.
        {false, true, true, true, true, StartupShow::hiddenWithNotice},
        {false, true, true, false, true, StartupShow::shown},
        {false, true, true, true, false, StartupShow::shown},
        {false, false, true, true, true, StartupShow::hiddenWithNotice},
    };
    for (const ShowCase& c : cases) {
        EXPECT_EQ(DecideStartupShow(c.trayStart, c.hasLaunched, c.hideAtStartup, c.mainIcon, c.logOpened),
                  c.expected)
            << c.trayStart << c.hasLaunched << c.hideAtStartup << c.mainIcon << c.logOpened;
    }
}

void Parse(CAppCommandLineInfo& info, std::vector<std::pair<const char*, BOOL>> params) {
    for (size_t i = 0; i < params.size(); ++i)
        info.ParseParam(params[i].first, params[i].second, i + 1 == params.size());
}

bool TrayStart(std::vector<std::pair<const char*, BOOL>> params) {
    CAppCommandLineInfo info;
    Parse(info, std::move(params));
    return info.m_bTrayStart;
}

TEST(AppCommandLine, TrayFlagInAnyCaseAndTheStandardSwitchesBesideIt) {
    EXPECT_TRUE(TrayStart({{"TRAYICON", TRUE}}));
    EXPECT_TRUE(TrayStart({{"trayicon", TRUE}}));
    CAppCommandLineInfo bare;
    Parse(bare, {{"TrayIcon", FALSE}});
    EXPECT_TRUE(bare.m_bTrayStart);
    EXPECT_TRUE(bare.m_strFileName.IsEmpty());
    EXPECT_EQ(bare.m_nShellCommand, CCommandLineInfo::FileNew);

    CAppCommandLineInfo both;
    Parse(both, {{"TRAYICON", TRUE}, {"C:\\Logs\\Mine.bmk", FALSE}});
    EXPECT_TRUE(both.m_bTrayStart);
    EXPECT_EQ(both.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(std::string(both.m_strFileName), "C:\\Logs\\Mine.bmk");

    CAppCommandLineInfo other;
    Parse(other, {{"Embedding", TRUE}});
    EXPECT_FALSE(other.m_bTrayStart);
    EXPECT_TRUE(other.m_bRunEmbedded);
}

// A log document that writes a marker, so a test can tell a new file from an old one.
class MarkerDoc : public CDocument {
    DECLARE_DYNCREATE(MarkerDoc)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << CString("new empty log");
    }
};
IMPLEMENT_DYNCREATE(MarkerDoc, CDocument)

std::string ReadFile(const CString& path) {
    std::ifstream in(static_cast<LPCSTR>(path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ActiveLogChoice : public ::testing::Test {
protected:
    void SetUp() override { SetUserDataFolderForTests(data.Path()); }
    void TearDown() override { SetUserDataFolderForTests(nullptr); }

    CString StoredActiveLog() {
        CString path;
        RegReadString(REG_DATABASE, "ActiveLog", path);
        return path;
    }

    ScratchRegistry registry;
    ScratchFolder data;
    TestShellApp app;
};

TEST_F(ActiveLogChoice, AStoredLogThatExistsIsKept) {
    const CString mine = data.File("Mine.bmk");
    std::ofstream(static_cast<LPCSTR>(mine)) << "entries";
    RegWriteString(REG_DATABASE, "ActiveLog", mine);
    EXPECT_EQ(std::string(ChooseActiveLogPath(RUNTIME_CLASS(MarkerDoc))), std::string(mine));
    EXPECT_EQ(ReadFile(mine), "entries");
    EXPECT_FALSE(FileExists(data.File("Time Log.bmk")));
}

TEST_F(ActiveLogChoice, WithoutAUsableLogTheDefaultIsMadeInTheUsersDataFolder) {
    for (const char* stored : {"", "C:\\gone\\Missing.bmk"}) {
        RegWriteString(REG_DATABASE, "ActiveLog", stored);
        const CString expected = data.File("Time Log.bmk");
        DeleteFileA(expected);
        EXPECT_EQ(std::string(ChooseActiveLogPath(RUNTIME_CLASS(MarkerDoc))), std::string(expected))
            << stored;
        EXPECT_NE(ReadFile(expected).find("new empty log"), std::string::npos) << stored;
        EXPECT_EQ(std::string(StoredActiveLog()), std::string(expected));
    }
}

TEST_F(ActiveLogChoice, AnExistingDefaultLogIsNeverWrittenOver) {
    const CString existing = data.File("Time Log.bmk");
    std::ofstream(static_cast<LPCSTR>(existing)) << "another user's entries";
    EXPECT_EQ(std::string(ChooseActiveLogPath(RUNTIME_CLASS(MarkerDoc))), std::string(existing));
    EXPECT_EQ(ReadFile(existing), "another user's entries");
    EXPECT_EQ(std::string(StoredActiveLog()), std::string(existing));
}

TEST(UserDataFolder, LiesInTheUsersApplicationDataAndExists) {
    const std::string folder = static_cast<LPCSTR>(GetUserDataFolder());
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_NE(folder.find("Quillmere\\Brindlemark\\"), std::string::npos);
    char appData[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData)));
    EXPECT_EQ(folder.rfind(appData, 0), 0u);
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

} // namespace
