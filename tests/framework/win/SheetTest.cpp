// Property sheets and wizards over the system's property sheet: pages with data exchange, the start page,
// switching pages, Apply and OK (and a page that refuses them), Cancel, and a wizard whose pages choose
// the next page by its template id. Modal sheets are driven from a thread timer on their own loop.
#include "WinTestSupport.h"

#include "BarsTestsResource.h"
#include "framework/win/CPropertySheet.h"
#include "framework/win/CTabCtrl.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace wintest;

namespace {

// A page that records what the sheet asks of it and answers as told.
class LogPage : public CPropertyPage {
public:
    LogPage(UINT nIDTemplate, std::vector<std::string>& log) : CPropertyPage(nIDTemplate), m_log(log) {
        m_name = std::to_string(nIDTemplate - IDD_SHEET_PAGE1 + 1);
    }

    std::deque<LRESULT> nextAnswers; // answers of OnWizardNext, in turn (then 0)
    std::deque<LRESULT> backAnswers;
    std::deque<BOOL> finishAnswers;
    std::deque<BOOL> applyAnswers;
    DWORD wizardButtons = 0; // set on activation when not 0
    BOOL allowCancel = TRUE;
    int applies = 0;

    BOOL OnSetActive() override {
        m_log.push_back("set" + m_name);
        if (wizardButtons != 0)
            GetSheet()->SetWizardButtons(wizardButtons);
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override {
        const BOOL bResult = CPropertyPage::OnKillActive();
        m_log.push_back((bResult ? "kill" : "stay") + m_name);
        return bResult;
    }
    BOOL OnApply() override {
        ++applies;
        m_log.push_back("apply" + m_name);
        return Next(applyAnswers, TRUE) && CPropertyPage::OnApply();
    }
    void OnReset() override { m_log.push_back("reset" + m_name); }
    BOOL OnQueryCancel() override { return allowCancel; }
    LRESULT OnWizardNext() override {
        m_log.push_back("next" + m_name);
        return Next(nextAnswers, LRESULT{0});
    }
    LRESULT OnWizardBack() override {
        m_log.push_back("back" + m_name);
        return Next(backAnswers, LRESULT{0});
    }
    BOOL OnWizardFinish() override {
        m_log.push_back("finish" + m_name);
        return Next(finishAnswers, TRUE);
    }

private:
    template <class T> static T Next(std::deque<T>& answers, T otherwise) {
        if (answers.empty())
            return otherwise;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<std::string>& m_log;
    std::string m_name;
};

class NamePage : public LogPage {
public:
    explicit NamePage(std::vector<std::string>& log) : LogPage(IDD_SHEET_PAGE1, log) {}
    CString name = "Ada";
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_SHEET_NAME, name); }
};

class CountPage : public LogPage {
public:
    explicit CountPage(std::vector<std::string>& log) : LogPage(IDD_SHEET_PAGE2, log) {}
    int count = 3;
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_SHEET_COUNT, count); }
};

class Sheet : public ::testing::Test {
protected:
    // Runs the sheet modally; each step runs on its own timer tick, in order, and returns true when done
    // (false to be asked again on the next tick).
    INT_PTR Run(CPropertySheet& sheet, std::vector<std::function<bool()>> steps) {
        size_t next = 0;
        TimerDriver driver([&] {
            if (sheet.m_hWnd == nullptr || !::IsWindowVisible(sheet.m_hWnd))
                return false;
            while (next < steps.size() && steps[next]())
                ++next;
            return next == steps.size();
        });
        const INT_PTR nResult = sheet.DoModal();
        EXPECT_FALSE(driver.TimedOut()) << "stopped at step " << next;
        EXPECT_EQ(sheet.m_hWnd, nullptr);
        return nResult;
    }
    static std::function<bool()> Press(CPropertySheet& sheet, int nButton) {
        return [&sheet, nButton] {
            sheet.PressButton(nButton);
            return true;
        };
    }
    static bool ButtonEnabled(const CPropertySheet& sheet, int nID) {
        HWND hButton = ::GetDlgItem(sheet.m_hWnd, nID);
        return hButton != nullptr && ::IsWindowVisible(hButton) && ::IsWindowEnabled(hButton);
    }

    TestApp app;
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(Sheet, OkSavesThePagesDataAndAppliesEachShownPage) {
    NamePage names(log);
    CountPage counts(log);
    LogPage notes(IDD_SHEET_PAGE3, log);
    CPropertySheet sheet("Settings");
    sheet.AddPage(&names);
    sheet.AddPage(&counts);
    sheet.AddPage(&notes);
    EXPECT_EQ(sheet.GetPageCount(), 3);

    const INT_PTR nResult =
        Run(sheet, {[&] {
                        EXPECT_EQ(TextOf(sheet.m_hWnd), "Settings");
                        EXPECT_EQ(names.GetDlgItem(IDC_SHEET_NAME)->GetWindowTextLength(), 3);
                        names.SetDlgItemText(IDC_SHEET_NAME, "Grace");
                        return sheet.SetActivePage(1) == TRUE;
                    },
                    [&] {
                        counts.SetDlgItemText(IDC_SHEET_COUNT, "12");
                        return true;
                    },
                    Press(sheet, PSBTN_OK)});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_STREQ(names.name, "Grace");
    EXPECT_EQ(counts.count, 12);
    EXPECT_EQ(names.applies, 1);
    EXPECT_EQ(counts.applies, 1);
    EXPECT_EQ(notes.applies, 0) << "a page never shown has nothing to apply";
    EXPECT_EQ(names.m_hWnd, nullptr);
}

TEST_F(Sheet, ApplyReturningFalseKeepsTheSheetOpenOnThatPage) {
    NamePage names(log);
    CountPage counts(log);
    CPropertySheet sheet("Settings");
    sheet.AddPage(&names);
    sheet.AddPage(&counts);
    counts.applyAnswers = {FALSE};

    const INT_PTR nResult =
        Run(sheet, {[&] { return sheet.SetActivePage(1) == TRUE; }, Press(sheet, PSBTN_OK),
                    [&] {
                        EXPECT_TRUE(::IsWindowVisible(sheet.m_hWnd));
                        EXPECT_EQ(sheet.GetActiveIndex(), 1);
                        EXPECT_EQ(counts.applies, 1);
                        return true;
                    },
                    Press(sheet, PSBTN_OK)});
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(counts.applies, 2);
}

TEST_F(Sheet, OpensOnTheChosenPageAndSwitchesByIndexOrPage) {
    NamePage names(log);
    CountPage counts(log);
    LogPage notes(IDD_SHEET_PAGE3, log);
    CPropertySheet sheet("Options", nullptr, 2);
    sheet.AddPage(&names);
    sheet.AddPage(&counts);
    sheet.AddPage(&notes);
    EXPECT_EQ(sheet.GetActiveIndex(), 2);

    const INT_PTR nResult = Run(sheet, {[&] {
                                            EXPECT_EQ(sheet.GetActiveIndex(), 2);
                                            EXPECT_EQ(sheet.GetActivePage(), &notes);
                                            CTabCtrl* pTab = sheet.GetTabControl();
                                            EXPECT_NE(pTab, nullptr);
                                            if (pTab != nullptr) {
                                                EXPECT_EQ(pTab->GetItemCount(), 3);
                                                char text[32] = {};
                                                TCITEMA item{};
                                                item.mask = TCIF_TEXT;
                                                item.pszText = text;
                                                item.cchTextMax = sizeof text;
                                                pTab->GetItem(1, &item);
                                                EXPECT_STREQ(text, "Details");
                                            }
                                            EXPECT_TRUE(sheet.SetActivePage(0));
                                            EXPECT_EQ(sheet.GetActivePage(), &names);
                                            EXPECT_TRUE(sheet.SetActivePage(&counts));
                                            EXPECT_EQ(sheet.GetActiveIndex(), 1);
                                            EXPECT_FALSE(sheet.SetActivePage(7));
                                            EXPECT_EQ(sheet.GetPageIndex(&counts), 1);
                                            EXPECT_EQ(sheet.GetPage(2), &notes);
                                            EXPECT_EQ(TextOf(sheet.m_hWnd), "Options");
                                            sheet.SetTitle("Preferences");
                                            EXPECT_EQ(TextOf(sheet.m_hWnd), "Preferences");
                                            return true;
                                        },
                                        Press(sheet, PSBTN_CANCEL)});
    EXPECT_EQ(nResult, IDCANCEL);
    const Log expected{"set3", "kill3", "set1", "kill1", "set2", "reset1", "reset2", "reset3"};
    EXPECT_EQ(log, expected);
}

TEST_F(Sheet, PageWithDataThatDoesNotValidateKeepsTheFocus) {
    NamePage names(log);
    CountPage counts(log);
    CPropertySheet sheet("Settings", nullptr, 1);
    sheet.AddPage(&names);
    sheet.AddPage(&counts);

    const INT_PTR nResult = Run(sheet, {[&] {
                                            counts.SetDlgItemText(IDC_SHEET_COUNT, "many");
                                            sheet.SetActivePage(0);
                                            EXPECT_EQ(sheet.GetActiveIndex(), 1)
                                                << "the bad number keeps its page";
                                            EXPECT_FALSE(app.prompts.empty());
                                            counts.SetDlgItemText(IDC_SHEET_COUNT, "42");
                                            return sheet.SetActivePage(0) == TRUE;
                                        },
                                        [&] {
                                            EXPECT_EQ(sheet.GetActiveIndex(), 0);
                                            return true;
                                        },
                                        Press(sheet, PSBTN_CANCEL)});
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(counts.count, 42);
    EXPECT_EQ(app.promptIds.front(), static_cast<UINT>(AFX_IDP_PARSE_INT));
}

TEST_F(Sheet, SetModifiedEnablesApplyAndApplyKeepsTheSheetOpen) {
    NamePage names(log);
    CPropertySheet sheet("Settings");
    sheet.AddPage(&names);
    const INT_PTR nResult = Run(sheet, {[&] {
                                            EXPECT_FALSE(ButtonEnabled(sheet, ID_APPLY_NOW));
                                            names.SetModified(TRUE);
                                            EXPECT_TRUE(ButtonEnabled(sheet, ID_APPLY_NOW));
                                            names.SetDlgItemText(IDC_SHEET_NAME, "Linus");
                                            return true;
                                        },
                                        Press(sheet, PSBTN_APPLYNOW),
                                        [&] {
                                            EXPECT_TRUE(::IsWindowVisible(sheet.m_hWnd));
                                            EXPECT_EQ(names.applies, 1);
                                            EXPECT_STREQ(names.name, "Linus");
                                            return true;
                                        },
                                        Press(sheet, PSBTN_CANCEL)});
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(Sheet, CancelRefusedByAPageKeepsTheSheetOpen) {
    NamePage names(log);
    names.allowCancel = FALSE;
    CPropertySheet sheet("Settings");
    sheet.AddPage(&names);
    const INT_PTR nResult = Run(sheet, {Press(sheet, PSBTN_CANCEL),
                                        [&] {
                                            EXPECT_TRUE(::IsWindowVisible(sheet.m_hWnd));
                                            names.allowCancel = TRUE;
                                            return true;
                                        },
                                        Press(sheet, PSBTN_CANCEL)});
    EXPECT_EQ(nResult, IDCANCEL);
}

TEST_F(Sheet, ModelessSheetGoesAwayWithOk) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 100),
                               nullptr, 0));
    NamePage names(log);
    CPropertySheet sheet("Tools");
    sheet.AddPage(&names);
    ASSERT_TRUE(sheet.Create(&owner));
    EXPECT_TRUE(::IsWindowVisible(sheet.m_hWnd));
    EXPECT_EQ(::GetWindow(sheet.m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_TRUE(names.m_hWnd != nullptr);
    names.SetDlgItemText(IDC_SHEET_NAME, "Modeless");
    sheet.PressButton(PSBTN_OK);
    PumpPending();
    EXPECT_EQ(sheet.m_hWnd, nullptr);
    EXPECT_STREQ(names.name, "Modeless");
    owner.DestroyWindow();
}

// ---------------------------------------------------------------------------------------------------
// Wizard

class Wizard : public Sheet {
protected:
    void SetUp() override {
        for (UINT id = IDD_SHEET_PAGE1; id <= IDD_SHEET_PAGE4; ++id)
            pages.push_back(std::make_unique<LogPage>(id, log));
        pages[0]->wizardButtons = PSWIZB_NEXT;
        pages[1]->wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
        pages[2]->wizardButtons = PSWIZB_BACK | PSWIZB_NEXT;
        pages[3]->wizardButtons = PSWIZB_BACK | PSWIZB_FINISH;
        for (auto& page : pages)
            sheet.AddPage(page.get());
        sheet.SetWizardMode();
    }
    // A step that waits for page nIndex to be current.
    std::function<bool()> On(int nIndex) {
        return [this, nIndex] { return sheet.GetActiveIndex() == nIndex; };
    }

    CPropertySheet sheet{"Project Wizard"};
    std::vector<std::unique_ptr<LogPage>> pages;
};

TEST_F(Wizard, PagesFollowTheIdsTheirHandlersReturn) {
    EXPECT_TRUE(sheet.IsWizard());
    pages[0]->nextAnswers = {IDD_SHEET_PAGE3}; // skips the second page
    pages[2]->nextAnswers = {-1, 0};           // refuses once
    pages[3]->finishAnswers = {FALSE, TRUE};   // refuses once

    const INT_PTR nResult = Run(sheet, {On(0),
                                        [&] {
                                            EXPECT_FALSE(ButtonEnabled(sheet, ID_WIZBACK));
                                            EXPECT_TRUE(ButtonEnabled(sheet, ID_WIZNEXT));
                                            return true;
                                        },
                                        Press(sheet, PSBTN_NEXT), On(2), Press(sheet, PSBTN_BACK), On(1),
                                        Press(sheet, PSBTN_NEXT), On(2), Press(sheet, PSBTN_NEXT),
                                        [&] {
                                            EXPECT_EQ(sheet.GetActiveIndex(), 2) << "-1 stays";
                                            return true;
                                        },
                                        Press(sheet, PSBTN_NEXT), On(3),
                                        [&] {
                                            EXPECT_TRUE(ButtonEnabled(sheet, ID_WIZFINISH));
                                            return true;
                                        },
                                        Press(sheet, PSBTN_FINISH),
                                        [&] {
                                            EXPECT_TRUE(::IsWindowVisible(sheet.m_hWnd)) << "finish refused";
                                            return true;
                                        },
                                        Press(sheet, PSBTN_FINISH)});
    EXPECT_EQ(nResult, ID_WIZFINISH);
    const Log expected{"set1",  "next1", "kill1", "set3",  "back3", "kill3", "set2",    "next2",
                       "kill2", "set3",  "next3", "next3", "kill3", "set4",  "finish4", "finish4"};
    EXPECT_EQ(log, expected);
}

TEST_F(Wizard, CancelEndsTheWizardWithIdCancel) {
    const INT_PTR nResult = Run(sheet, {On(0), Press(sheet, PSBTN_NEXT), On(1), Press(sheet, PSBTN_CANCEL)});
    EXPECT_EQ(nResult, IDCANCEL);
}

} // namespace
