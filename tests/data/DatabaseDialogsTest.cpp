// The database dialogs as the user meets them: each runs its own modal loop, which a thread timer drives
// (reading what the dialog shows, pressing its buttons).
#include "DataTestSupport.h"

#include "data/CBaseRecordset.h"
#include "data/CDatabaseOfflineDlg.h"
#include "data/CDatabaseRequiredDlg.h"
#include "data/CDatabaseStartup.h"
#include "data/CValidateDatabaseDlg.h"
#include "data/CWriteDatabaseDlg.h"
#include "foundation/Registry.h"
#include "foundation/WindowPartsSupport.h"
#include "resource.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

using namespace datatest;
using ::testing::HasSubstr;
using wptest::TextOf;
using wptest::ThreadDialogs;
using wptest::TimerDriver;

namespace {

constexpr const char* kOfflineText = "The Brindlemark database cannot be accessed.  Would you like to use "
                                     "Brindlemark in the offline mode until you reconnect to the database?";

HWND OnlyDialog() {
    const auto dialogs = ThreadDialogs();
    return dialogs.size() == 1 ? dialogs.front() : nullptr;
}

void Click(HWND hDlg, int id) {
    ::SendMessageA(::GetDlgItem(hDlg, id), BM_CLICK, 0, 0);
}

// The texts of a dialog's static controls that show text, in their order, "|" between.
std::string StaticTexts(HWND hDlg) {
    std::string texts;
    ::EnumChildWindows(
        hDlg,
        [](HWND hChild, LPARAM lParam) -> BOOL {
            if (wptest::ClassOf(hChild) == "Static" && !TextOf(hChild).empty()) {
                auto& all = *reinterpret_cast<std::string*>(lParam);
                if (!all.empty())
                    all += "|";
                all += TextOf(hChild);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::string ItemText(HWND hDlg, int id) {
    return TextOf(::GetDlgItem(hDlg, id));
}

RECT ItemRect(HWND hDlg, int id) {
    RECT r{};
    ::GetWindowRect(::GetDlgItem(hDlg, id), &r);
    return r;
}

// ---------------------------------------------------------------- offline

class OfflineDialogTest : public DataTest {};

// Shows the administrator's result instead of the system's administrator.
class FakeAdministratorDlg : public CDatabaseOfflineDlg {
public:
    FakeAdministratorDlg(const CString& dataSource, bool opens)
        : CDatabaseOfflineDlg(dataSource), m_opens(opens) {}
    std::vector<HWND> openedFor;

protected:
    bool OpenOdbcAdministrator() override {
        openedFor.push_back(m_hWnd);
        return m_opens;
    }

private:
    bool m_opens;
};

TEST_F(OfflineDialogTest, ShowsTheDataSourceAndEachButtonGivesItsChoice) {
    const struct {
        int button;
        const char* caption;
        INT_PTR result;
        bool options;
    } cases[] = {
        {IDOK, "Work Offline", IDOK, false},
        {IDCANCEL, "Close Brindlemark", IDCANCEL, false},
        {IDC_DATABASE_OPTIONS, "Database Options...", IDOK, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        FakeAdministratorDlg dlg("Team server", true);
        std::string caption, texts, buttonText, administratorText;
        bool valueAfterLabel = false;
        TimerDriver driver([&] {
            HWND hDlg = OnlyDialog();
            if (hDlg == nullptr)
                return false;
            caption = TextOf(hDlg);
            texts = StaticTexts(hDlg);
            buttonText = ItemText(hDlg, c.button);
            administratorText = ItemText(hDlg, IDC_ODBC_ADMINISTRATOR);
            // The name stands to the right of "Data Source:", on its line.
            HWND label = ::FindWindowExA(hDlg, nullptr, "Static", "Data Source:");
            RECT labelRect{};
            ::GetWindowRect(label, &labelRect);
            const RECT value = ItemRect(hDlg, IDC_OFFLINE_DATA_SOURCE);
            valueAfterLabel = label != nullptr && value.left >= labelRect.right &&
                              value.top < labelRect.bottom && value.bottom > labelRect.top;
            Click(hDlg, c.button);
            return true;
        });
        EXPECT_EQ(dlg.DoModal(), c.result);
        EXPECT_TRUE(driver.Finished());
        EXPECT_EQ(caption, "Brindlemark Database is Offline");
        EXPECT_EQ(texts, std::string(kOfflineText) + "|Data Source:|Team server");
        EXPECT_TRUE(valueAfterLabel);
        EXPECT_EQ(buttonText, c.caption);
        EXPECT_EQ(administratorText, "ODBC Administrator...");
        EXPECT_EQ(dlg.OptionsRequested(), c.options);
        EXPECT_TRUE(dlg.openedFor.empty());
        EXPECT_TRUE(m_app.prompts.empty());
        EXPECT_TRUE(ThreadDialogs().empty());
    }
}

TEST_F(OfflineDialogTest, OdbcAdministratorOpensForTheDialogThenClosesTheProgram) {
    FakeAdministratorDlg dlg("Team server", true);
    HWND shown = nullptr;
    TimerDriver driver([&] {
        shown = OnlyDialog();
        if (shown != nullptr)
            Click(shown, IDC_ODBC_ADMINISTRATOR);
        return shown != nullptr;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(dlg.openedFor.size(), 1u);
    EXPECT_EQ(dlg.openedFor[0], shown);
    EXPECT_FALSE(dlg.OptionsRequested());
}

TEST_F(OfflineDialogTest, AdministratorThatCannotOpenIsReportedAndTheChoiceStaysOpen) {
    FakeAdministratorDlg dlg("Team server", false);
    int step = 0;
    bool openAfterFailure = false;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        if (step++ == 0) {
            Click(hDlg, IDC_ODBC_ADMINISTRATOR);
            return false;
        }
        openAfterFailure = ::IsWindowVisible(hDlg) != FALSE;
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK) << "the user still chose to work offline";
    EXPECT_TRUE(openAfterFailure);
    EXPECT_EQ(dlg.openedFor.size(), 1u);
    EXPECT_THAT(m_app.prompts, ::testing::ElementsAre("The ODBC Administrator could not be opened."));
}

TEST_F(OfflineDialogTest, SystemAdministratorEitherOpensOrIsReported) {
    // The real administrator: Wine has none and says so; Windows shows its own window (closed here).
    CDatabaseOfflineDlg dlg("Team server");
    int step = 0;
    bool stillOpen = false;
    TimerDriver driver([&] {
        const auto dialogs = ThreadDialogs();
        if (step == 0) {
            if (dialogs.size() != 1)
                return false;
            ++step;
            ::PostMessageA(::GetDlgItem(dialogs[0], IDC_ODBC_ADMINISTRATOR), BM_CLICK, 0, 0);
            return false;
        }
        // Another window of this thread is the system's administrator: close it.
        for (HWND hWnd : dialogs)
            if (::GetDlgItem(hWnd, IDC_ODBC_ADMINISTRATOR) == nullptr)
                ::PostMessageA(hWnd, WM_CLOSE, 0, 0);
        if (++step < 20)
            return false;
        for (HWND hWnd : dialogs)
            if (::GetDlgItem(hWnd, IDC_ODBC_ADMINISTRATOR) != nullptr) {
                stillOpen = true;
                Click(hWnd, IDOK);
            }
        return true;
    });
    const INT_PTR result = dlg.DoModal();
    EXPECT_FALSE(driver.TimedOut());
    const bool wine = ::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    EXPECT_TRUE(!wine || !m_app.prompts.empty()) << "Wine has no ODBC Administrator";
    if (m_app.prompts.empty()) {
        EXPECT_EQ(result, IDCANCEL) << "after the administrator the program closes";
    } else {
        EXPECT_THAT(m_app.prompts, ::testing::ElementsAre("The ODBC Administrator could not be opened."));
        EXPECT_TRUE(stillOpen);
        EXPECT_EQ(result, IDOK);
    }
}

// ---------------------------------------------------------------- start-up with the real dialogs

class StartupDialogTest : public DataTest {
protected:
    // Runs the start-up; the driver presses OK on the data source message, then button on the offline
    // choice. Records what both showed.
    CDatabaseStartup::Result RunStartup(int button, bool* openOptions) {
        m_app.showMessageBoxes = true;
        seen.clear();
        TimerDriver driver([&] {
            HWND hDlg = OnlyDialog();
            if (hDlg == nullptr)
                return false;
            if (::GetDlgItem(hDlg, IDC_OFFLINE_DATA_SOURCE) == nullptr) {
                seen.push_back("box: " + TextOf(hDlg) + ": " + StaticTexts(hDlg));
                ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
                return false;
            }
            seen.push_back("offline: " + ItemText(hDlg, IDC_OFFLINE_DATA_SOURCE));
            Click(hDlg, button);
            return true;
        });
        const CDatabaseStartup::Result result =
            CDatabaseStartup::Run(&CDatabaseStartup::AskOffline, openOptions);
        EXPECT_TRUE(driver.Finished());
        return result;
    }
    static std::string DsnMessage(const char* name) {
        return std::string("The File DSN \"") + name +
               "\" does not exist, or cannot be used.\n\nYou may need to open the ODBC Administrator in the "
               "Control Panel to create a File DSN with this name.\n\nSQLDriverConnect error: (0xFFFFFFFF).";
    }
    std::vector<std::string> seen;
};

TEST_F(StartupDialogTest, UnusableDataSourceIsReportedThenTheUserChooses) {
    RegWriteString(REG_DATABASE, "DataSource", "Team server");
    const struct {
        int button;
        CDatabaseStartup::Result result;
        bool options;
    } cases[] = {
        {IDOK, CDatabaseStartup::workOffline, false},
        {IDC_DATABASE_OPTIONS, CDatabaseStartup::workOffline, true},
        {IDCANCEL, CDatabaseStartup::closeProgram, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        CBaseRecordset::offline = false;
        bool openOptions = !c.options;
        EXPECT_EQ(RunStartup(c.button, &openOptions), c.result);
        EXPECT_THAT(seen, ::testing::ElementsAre("box: Data Tests: " + DsnMessage("Team server"),
                                                 "offline: Team server"));
        EXPECT_EQ(openOptions, c.options);
        EXPECT_EQ(CBaseRecordset::offline, c.result == CDatabaseStartup::workOffline);
    }
}

TEST_F(StartupDialogTest, FirstRunWithoutAnyDatabaseNamesAnEmptyDataSource) {
    WriteTextFile(m_folder.File("Database tools"), ""); // no database can be made
    EXPECT_EQ(RunStartup(IDOK, nullptr), CDatabaseStartup::workOffline);
    EXPECT_THAT(seen, ::testing::ElementsAre("box: Data Tests: " + DsnMessage(""), "offline: "));
}

// ---------------------------------------------------------------- database required

class DatabaseRequiredTest : public DataTest {};

TEST_F(DatabaseRequiredTest, AsksWhetherToOpenTheOptions) {
    for (const auto& [button, label] : {std::pair{IDOK, "Yes"}, std::pair{IDCANCEL, "No"}}) {
        SCOPED_TRACE(label);
        CDatabaseRequiredDlg dlg;
        std::string caption, texts, buttonText;
        TimerDriver driver([&] {
            HWND hDlg = OnlyDialog();
            if (hDlg == nullptr)
                return false;
            caption = TextOf(hDlg);
            texts = StaticTexts(hDlg);
            buttonText = ItemText(hDlg, button);
            Click(hDlg, button);
            return true;
        });
        EXPECT_EQ(dlg.DoModal(), button);
        EXPECT_EQ(caption, "Brindlemark");
        EXPECT_EQ(texts,
                  "You must use the ODBC database option to access this feature.\n\nWould you like to open "
                  "the Options dialog to enable the database?");
        EXPECT_EQ(buttonText, label);
    }
}

// ---------------------------------------------------------------- writing the database

// Records what the window hands over and what it shows while the copy runs.
class FakeCopy : public ILogDatabaseCopy {
public:
    void CopyLogToDatabase(CWnd* dialog, CStatic* status, CProgressCtrl* progress,
                           bool deleteFirst) override {
        calls.push_back(deleteFirst ? "log, delete first" : "log");
        Run(dialog, status, progress);
    }
    void CopyTasksToDatabase(CWnd* dialog, CStatic* status, CProgressCtrl* progress) override {
        calls.push_back("tasks");
        Run(dialog, status, progress);
    }

    std::vector<std::string> calls;
    DWORD startedAt = 0;
    bool closeEnabledDuringCopy = true;
    int statusId = 0;
    int progressId = 0;
    HWND dialogWindow = nullptr;
    bool dialogVisibleAtStart = false;
    bool throwDbError = false;

private:
    void Run(CWnd* dialog, CStatic* status, CProgressCtrl* progress) {
        startedAt = ::GetTickCount();
        dialogWindow = dialog->GetSafeHwnd();
        dialogVisibleAtStart = ::IsWindowVisible(dialogWindow) != FALSE;
        statusId = status->GetDlgCtrlID();
        progressId = progress->GetDlgCtrlID();
        closeEnabledDuringCopy = ::IsWindowEnabled(::GetDlgItem(dialogWindow, IDOK)) != FALSE;
        progress->SetRange32(0, 4);
        progress->SetPos(4);
        status->SetWindowText("Finished");
        if (throwDbError) {
            auto* e = new CDBException(SQL_ERROR);
            e->m_strError = "The connection was lost.";
            throw e;
        }
    }
};

class WriteDatabaseTest : public DataTest {
protected:
    // Runs the window; the driver watches it, tries to close it early, and presses "Close" once it is
    // enabled.
    INT_PTR RunDialog(FakeCopy& copy, bool copyLog, bool deleteFirst) {
        CWriteDatabaseDlg dlg(copy, copyLog, deleteFirst);
        texts.clear();
        errorBoxes.clear();
        shownAt = 0;
        closedEarly = false;
        TimerDriver driver([&] {
            HWND hDlg = nullptr;
            for (HWND hWnd : ThreadDialogs()) {
                if (::GetDlgItem(hWnd, IDC_WRITE_PROGRESS) != nullptr) {
                    hDlg = hWnd;
                } else { // the framework's report of an error that escaped the copy
                    errorBoxes.push_back(StaticTexts(hWnd));
                    ::PostMessageA(hWnd, WM_COMMAND, IDOK, 0);
                }
            }
            if (hDlg == nullptr)
                return false;
            HWND close = ::GetDlgItem(hDlg, IDOK);
            if (shownAt == 0) {
                shownAt = ::GetTickCount();
                caption = TextOf(hDlg);
                closeText = TextOf(close);
                closeEnabledAtFirst = ::IsWindowEnabled(close) != FALSE;
                // Neither Escape nor Enter ends the window before the copy is done.
                ::SendMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
                ::SendMessageA(hDlg, WM_COMMAND, IDOK, 0);
                closedEarly = !::IsWindow(hDlg) || !::IsWindowVisible(hDlg);
                return false;
            }
            if (!::IsWindowEnabled(close))
                return false;
            texts = StaticTexts(hDlg);
            ::SendDlgItemMessageA(hDlg, IDC_WRITE_PROGRESS, PBM_GETRANGE, FALSE,
                                  reinterpret_cast<LPARAM>(&range));
            position = static_cast<int>(::SendDlgItemMessageA(hDlg, IDC_WRITE_PROGRESS, PBM_GETPOS, 0, 0));
            Click(hDlg, IDOK);
            return true;
        });
        const INT_PTR result = dlg.DoModal();
        EXPECT_TRUE(driver.Finished());
        EXPECT_TRUE(dlg.CopyFinished());
        return result;
    }

    DWORD shownAt = 0;
    std::string caption, closeText, texts;
    bool closeEnabledAtFirst = true;
    bool closedEarly = false;
    PBRANGE range{};
    int position = -1;
    std::vector<std::string> errorBoxes;
};

TEST_F(WriteDatabaseTest, RunsTheChosenCopyOnceShownThenOffersClose) {
    const struct {
        bool copyLog;
        bool deleteFirst;
        const char* call;
    } cases[] = {
        {true, true, "log, delete first"},
        {true, false, "log"},
        {false, true, "tasks"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.call);
        FakeCopy copy;
        EXPECT_EQ(RunDialog(copy, c.copyLog, c.deleteFirst), IDOK);
        EXPECT_THAT(copy.calls, ::testing::ElementsAre(c.call));
        EXPECT_EQ(caption, "Writing Database");
        EXPECT_EQ(closeText, "Close");
        EXPECT_FALSE(closeEnabledAtFirst);
        EXPECT_FALSE(closedEarly);
        EXPECT_FALSE(copy.closeEnabledDuringCopy);
        // The copy waits for the window's timer, so it starts with the window already on the screen.
        EXPECT_TRUE(copy.dialogVisibleAtStart) << "the copy waits for the window's timer";
        EXPECT_EQ(copy.statusId, IDC_WRITE_STATUS);
        EXPECT_EQ(copy.progressId, IDC_WRITE_PROGRESS);
        EXPECT_NE(copy.dialogWindow, nullptr);
        EXPECT_EQ(texts,
                  "Copying all log information to database.|This operation may take a few minutes.|Finished");
        EXPECT_EQ(range.iHigh, 4);
        EXPECT_EQ(position, 4);
        EXPECT_TRUE(errorBoxes.empty());
        EXPECT_TRUE(m_app.prompts.empty());
    }
}

TEST_F(WriteDatabaseTest, CopyThatFailsStillLetsTheUserClose) {
    FakeCopy copy;
    copy.throwDbError = true;
    EXPECT_EQ(RunDialog(copy, false, false), IDOK);
    EXPECT_THAT(copy.calls, ::testing::ElementsAre("tasks"));
    // The framework reports the error through the application's message box.
    EXPECT_THAT(m_app.prompts, ::testing::Contains(HasSubstr("The connection was lost.")));
}

TEST_F(WriteDatabaseTest, CopyDatabaseMessageEnablesClose) {
    // The copy has not started yet (its timer waits): the registered message alone enables "Close".
    FakeCopy copy;
    CWriteDatabaseDlg dlg(copy, true, false);
    bool enabledBefore = true, enabledAfter = false;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        HWND close = ::GetDlgItem(hDlg, IDOK);
        enabledBefore = ::IsWindowEnabled(close) != FALSE;
        ::SendMessageA(hDlg, ::RegisterWindowMessageA("ACX_CopyDatabase"), 0, 0);
        enabledAfter = ::IsWindowEnabled(close) != FALSE;
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(enabledBefore);
    EXPECT_TRUE(enabledAfter);
    EXPECT_TRUE(copy.calls.empty()) << "closed before the copy's timer fired";
}

// ---------------------------------------------------------------- validating the database

class ValidateDatabaseTest : public DataTest {};

TEST_F(ValidateDatabaseTest, ShowsCentredAtOnceFollowsTheRowsAndGoesWithTheObject) {
    HWND hWnd = nullptr;
    {
        std::unique_ptr<IValidateDatabaseProgress> progress = CValidateDatabaseDlg::Show();
        ASSERT_NE(progress, nullptr);
        const auto dialogs = ThreadDialogs();
        ASSERT_EQ(dialogs.size(), 1u) << "visible without a message loop";
        hWnd = dialogs[0];
        EXPECT_EQ(TextOf(hWnd), "Validating Database");
        EXPECT_EQ(StaticTexts(hWnd),
                  "Brindlemark is checking your database for compatibility with this version "
                  "of the product.  Please wait.");
        EXPECT_NE(::SendDlgItemMessageA(hWnd, IDC_VALIDATE_ICON, STM_GETICON, 0, 0), 0);

        RECT window{}, area{};
        ::GetWindowRect(hWnd, &window);
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        EXPECT_NEAR((window.left + window.right) / 2, (area.left + area.right) / 2, 2);
        EXPECT_NEAR((window.top + window.bottom) / 2, (area.top + area.bottom) / 2, 2);

        for (const auto& [step, total] : {std::pair{1, 341}, std::pair{200, 341}, std::pair{341, 341}}) {
            progress->SetProgress(step, total);
            PBRANGE range{};
            ::SendDlgItemMessageA(hWnd, IDC_VALIDATE_PROGRESS, PBM_GETRANGE, FALSE,
                                  reinterpret_cast<LPARAM>(&range));
            EXPECT_EQ(range.iLow, 0);
            EXPECT_EQ(range.iHigh, total);
            EXPECT_EQ(::SendDlgItemMessageA(hWnd, IDC_VALIDATE_PROGRESS, PBM_GETPOS, 0, 0), step);
        }
        // Escape does not end it while the check works.
        ::SendMessageA(hWnd, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(::IsWindowVisible(hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

} // namespace
