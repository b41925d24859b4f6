// Mail through Simple MAPI. "MAPI32.DLL" is found through the DLL search path:
// each test points it at a folder beside the test program that holds a stand-in
// library of ours (mapistub/ records what it was given and answers with the
// code in MAPISTUB_RESULT; mapistub-nosend/ has no MAPISendMail), or at a
// scratch folder with a file that is no library at all.
#include "foundation/WindowHelpers.h"

#include "WindowPartsSupport.h"
#include "foundation/ScratchRegistry.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/CWnd.h"

#include <gtest/gtest.h>

#include <mapi.h>

#include <fstream>
#include <map>
#include <string>

using namespace wptest;

namespace {

// The folder of the test program, with its trailing backslash.
CString TestProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return GetFolderOfPath(path);
}

// Lets Wine load a library named MAPI32.DLL of ours: it prefers its own built-in library of that name
// unless told otherwise. The setting is read when a library is loaded, from the key of overrides that
// every prefix has (a key of this program's own would only be seen by processes started after it was
// made). A library found nowhere else still comes from Wine. Windows needs no such setting.
void PreferOurMapiLibrary() {
    HKEY opened = nullptr;
    if (::RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\DllOverrides", 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &opened, nullptr) == ERROR_SUCCESS) {
        const char order[] = "native,builtin";
        ::RegSetValueExA(opened, "mapi32", 0, REG_SZ, reinterpret_cast<const BYTE*>(order), sizeof order);
        ::RegCloseKey(opened);
    }
}

// Reads the stand-in's record: one "key=value" per line (keys that repeat keep
// their last value).
std::map<std::string, std::string> ReadRecord(const CString& path) {
    std::map<std::string, std::string> record;
    std::ifstream file(static_cast<const char*>(path));
    std::string line;
    while (std::getline(file, line)) {
        const size_t equals = line.find('=');
        if (equals != std::string::npos)
            record[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return record;
}

class SendMailTest : public ::testing::Test {
protected:
    void SetUp() override {
        PreferOurMapiLibrary();
        m_log = m_folder.File("mapi.log");
        ::SetEnvironmentVariableA("MAPISTUB_LOG", m_log);
        ::SetEnvironmentVariableA("MAPISTUB_RESULT", nullptr);
    }
    void TearDown() override {
        ::SetDllDirectoryA(nullptr);
        ::SetEnvironmentVariableA("MAPISTUB_LOG", nullptr);
        ::SetEnvironmentVariableA("MAPISTUB_RESULT", nullptr);
        // The library must be gone again: the next test may point at another one.
        EXPECT_EQ(nullptr, ::GetModuleHandleA("MAPI32.DLL")) << "the mail library was not freed";
    }
    void UseLibraryIn(const char* folder) { ASSERT_TRUE(::SetDllDirectoryA(folder)); }

    RecordingApp m_app;
    ScratchFolder m_folder;
    CString m_log;
};

// A main window that the mail client is told about and that is disabled during
// the call.
class MainWindow {
public:
    MainWindow() {
        m_window.CreateEx(0, AfxRegisterWndClass(0), "Brindlemark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                          300, 200, nullptr, nullptr);
        AfxGetApp()->m_pMainWnd = &m_window;
    }
    ~MainWindow() {
        AfxGetApp()->m_pMainWnd = nullptr;
        m_window.DestroyWindow();
    }
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    HWND Handle() const { return m_window.GetSafeHwnd(); }

private:
    CWnd m_window;
};

TEST_F(SendMailTest, HandsSubjectNoteAttachmentAndRecipientToTheMailClient) {
    UseLibraryIn(TestProgramFolder() + "mapistub");
    const MainWindow mainWindow;
    const CString attachment = m_folder.File("Week 12 report.csv");
    std::ofstream(static_cast<const char*>(attachment)) << "a,b\n";

    SendMailWithMapi(attachment, "Time report", "Hours of week 12 attached.", "Dana Whitfield");

    const auto record = ReadRecord(m_log);
    ASSERT_FALSE(record.empty()) << "MAPISendMail of the stand-in was not called";
    EXPECT_EQ(std::to_string(MAPI_LOGON_UI | MAPI_DIALOG), record.at("flags"));
    EXPECT_EQ("1", record.at("owner"));
    EXPECT_EQ("0", record.at("owner.enabled")) << "the main window stayed enabled during the call";
    EXPECT_EQ("Time report", record.at("subject"));
    EXPECT_EQ("Hours of week 12 attached.", record.at("note"));
    EXPECT_EQ("1", record.at("files"));
    EXPECT_EQ(std::string(attachment), record.at("file.path"));
    EXPECT_EQ("Week 12 report.csv", record.at("file.name"));
    EXPECT_EQ("-1", record.at("file.position"));
    EXPECT_EQ("1", record.at("recipients"));
    EXPECT_EQ(std::to_string(MAPI_TO), record.at("recipient.class"));
    EXPECT_EQ("Dana Whitfield", record.at("recipient.name"));
    EXPECT_TRUE(::IsWindowEnabled(mainWindow.Handle())) << "the main window was not enabled again";
    EXPECT_TRUE(m_app.prompts.empty());
}

TEST_F(SendMailTest, WithoutPathAndRecipientTheMessageHasNeither) {
    UseLibraryIn(TestProgramFolder() + "mapistub");
    SendMailWithMapi("", "Question", "", "");
    const auto record = ReadRecord(m_log);
    ASSERT_FALSE(record.empty());
    EXPECT_EQ("Question", record.at("subject"));
    EXPECT_EQ("", record.at("note"));
    EXPECT_EQ("0", record.at("files"));
    EXPECT_EQ("0", record.at("recipients"));
    EXPECT_EQ("0", record.at("owner"));
    EXPECT_TRUE(m_app.prompts.empty());
}

TEST_F(SendMailTest, OnlyRealFailuresOfTheClientAreReported) {
    UseLibraryIn(TestProgramFolder() + "mapistub");
    struct Case {
        ULONG result;
        bool reported;
    };
    const Case cases[] = {{SUCCESS_SUCCESS, false},
                          {MAPI_USER_ABORT, false},
                          {MAPI_E_LOGIN_FAILURE, false},
                          {MAPI_E_FAILURE, true},
                          {MAPI_E_ATTACHMENT_NOT_FOUND, true}};
    for (const Case& c : cases) {
        m_app.prompts.clear();
        m_app.promptIds.clear();
        ::SetEnvironmentVariableA("MAPISTUB_RESULT", std::to_string(c.result).c_str());
        SendMailWithMapi("", "Subject", "Note", "");
        ASSERT_EQ(c.reported ? 1u : 0u, m_app.prompts.size()) << "result " << c.result;
        if (c.reported) {
            EXPECT_EQ(static_cast<UINT>(AFX_IDP_FAILED_MAPI_SEND), m_app.promptIds[0]);
            EXPECT_FALSE(m_app.prompts[0].empty());
        }
    }
}

TEST_F(SendMailTest, ALibraryThatCannotBeLoadedIsReported) {
    std::ofstream(static_cast<const char*>(m_folder.File("MAPI32.DLL"))) << "not a library";
    UseLibraryIn(m_folder.Path());
    SendMailWithMapi("", "Subject", "Note", "someone");
    ASSERT_EQ(1u, m_app.prompts.size());
    EXPECT_EQ(static_cast<UINT>(AFX_IDP_FAILED_MAPI_LOAD), m_app.promptIds[0]);
    EXPECT_FALSE(m_app.prompts[0].empty());
    EXPECT_TRUE(ReadRecord(m_log).empty());
}

TEST_F(SendMailTest, ALibraryWithoutMapiSendMailIsReported) {
    UseLibraryIn(TestProgramFolder() + "mapistub-nosend");
    SendMailWithMapi("", "Subject", "Note", "someone");
    ASSERT_EQ(1u, m_app.prompts.size());
    EXPECT_EQ(static_cast<UINT>(AFX_IDP_INVALID_MAPI_DLL), m_app.promptIds[0]);
    EXPECT_FALSE(m_app.prompts[0].empty());
}

} // namespace
