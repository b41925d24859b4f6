// Dialogs from the test's templates: modal loops driven by a thread timer, modeless dialogs, and data
// exchange with conversion and validation failures.
#include "WinTestSupport.h"

#include "framework/core/CNotSupportedException.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace wintest;

namespace {

class DataDlg : public CDialog {
public:
    explicit DataDlg(CWnd* pParent = nullptr) : CDialog(IDD_DATA, pParent) {}

    CString m_strName = "initial";
    int m_nCount = 5;
    double m_dRate = 1.5;
    int m_bCheck = 0;
    int m_nRadio = 1;
    CString m_strCombo = "Beta";
    int m_nList = 2;

    int initCalls = 0;
    int endInInit = 0;
    LRESULT kickIdleMore = 0;
    std::vector<LPARAM> kickIdle;
    std::vector<int> helpIds;

    BOOL OnInitDialog() override {
        ++initCalls;
        for (const char* item : {"Alpha", "Beta", "Gamma"}) {
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        CDialog::OnInitDialog();
        if (endInInit != 0)
            EndDialog(endInInit);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDV_MaxChars(pDX, m_strName, 20);
        DDX_Text(pDX, IDC_COUNT, m_nCount);
        DDV_MinMaxInt(pDX, m_nCount, 1, 100);
        DDX_Text(pDX, IDC_RATE, m_dRate);
        DDX_Check(pDX, IDC_CHECK, m_bCheck);
        DDX_Radio(pDX, IDC_RADIO1, m_nRadio);
        DDX_CBString(pDX, IDC_COMBO, m_strCombo);
        DDX_LBIndex(pDX, IDC_LIST, m_nList);
    }

protected:
    afx_msg LRESULT OnKickIdle(WPARAM, LPARAM lCount) {
        kickIdle.push_back(lCount);
        return lCount < kickIdleMore;
    }
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
        helpIds.push_back(pHelpInfo->iCtrlId);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(DataDlg, CDialog)
ON_MESSAGE(WM_KICKIDLE, OnKickIdle)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

// The application's main window, owner of the dialogs.
class OwnerWnd : public CWnd {
public:
    std::vector<std::pair<UINT, HWND>> enterIdle;

    BOOL CreateMain() {
        return CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 400, 300), nullptr, 0);
    }

protected:
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho) { enterIdle.emplace_back(nWhy, pWho->GetSafeHwnd()); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(OwnerWnd, CWnd)
ON_WM_ENTERIDLE()
END_MESSAGE_MAP()

// A dialog without data: counts its initialisation and help requests.
class SimpleDlg : public CDialog {
public:
    SimpleDlg() : CDialog(IDD_SIMPLE) {}
    int initCalls = 0;
    std::vector<int> helpIds;

    BOOL OnInitDialog() override {
        ++initCalls;
        return CDialog::OnInitDialog();
    }

protected:
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
        helpIds.push_back(pHelpInfo->iCtrlId);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SimpleDlg, CDialog)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

class ModalDialog : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateMain());
        app.m_pMainWnd = &owner;
    }
    void TearDown() override { app.m_pMainWnd = nullptr; }

    static HWND Item(HWND hDlg, int id) { return ::GetDlgItem(hDlg, id); }
    static void Click(HWND hDlg, int id) { ::SendMessageA(Item(hDlg, id), BM_CLICK, 0, 0); }
    static HWND OnlyDialog() {
        auto dialogs = ThreadDialogs();
        return dialogs.size() == 1 ? dialogs.front() : nullptr;
    }

    TestApp app;
    OwnerWnd owner;
};

TEST_F(ModalDialog, LoadsTheControlsAndSavesThemOnOk) {
    DataDlg dlg;
    std::string loaded;
    bool ownerDisabled = false;
    HWND dialogOwner = nullptr;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        std::ostringstream seen;
        seen << TextOf(Item(hDlg, IDC_NAME)) << "|" << TextOf(Item(hDlg, IDC_COUNT)) << "|"
             << TextOf(Item(hDlg, IDC_RATE)) << "|" << ::IsDlgButtonChecked(hDlg, IDC_RADIO2) << "|"
             << TextOf(Item(hDlg, IDC_COMBO)) << "|"
             << ::SendDlgItemMessageA(hDlg, IDC_LIST, LB_GETCURSEL, 0, 0);
        loaded = seen.str();
        ownerDisabled = !::IsWindowEnabled(owner.m_hWnd);
        dialogOwner = ::GetWindow(hDlg, GW_OWNER);

        ::SetDlgItemTextA(hDlg, IDC_NAME, "Alice");
        ::SetDlgItemTextA(hDlg, IDC_COUNT, " 42 ");
        ::SetDlgItemTextA(hDlg, IDC_RATE, "7.25");
        Click(hDlg, IDC_CHECK);
        Click(hDlg, IDC_RADIO3);
        ::SendDlgItemMessageA(hDlg, IDC_COMBO, CB_SETCURSEL, 2, 0);
        ::SendDlgItemMessageA(hDlg, IDC_LIST, LB_SETCURSEL, 0, 0);
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(loaded, "initial|5|1.5|1|Beta|2");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(dialogOwner, owner.m_hWnd);
    EXPECT_TRUE(owner.IsWindowEnabled());
    EXPECT_EQ(dlg.m_hWnd, nullptr); // the window is gone, the object stays
    EXPECT_EQ(dlg.initCalls, 1);
    EXPECT_EQ(dlg.m_strName, "Alice");
    EXPECT_EQ(dlg.m_nCount, 42);
    EXPECT_DOUBLE_EQ(dlg.m_dRate, 7.25);
    EXPECT_EQ(dlg.m_bCheck, 1);
    EXPECT_EQ(dlg.m_nRadio, 2);
    EXPECT_EQ(dlg.m_strCombo, "Gamma");
    EXPECT_EQ(dlg.m_nList, 0);
    EXPECT_TRUE(ThreadDialogs().empty());
}

TEST_F(ModalDialog, FailedConversionKeepsTheDialogOpenAndTheValuesUnchanged) {
    DataDlg dlg;
    int step = 0;
    bool stillOpen = false;
    bool focusOnCount = false;
    int countDuringFailure = 0;
    CString nameDuringFailure;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        if (step++ == 0) {
            ::SetDlgItemTextA(hDlg, IDC_NAME, "Changed");
            ::SetDlgItemTextA(hDlg, IDC_COUNT, "12abc");
            Click(hDlg, IDOK);
            stillOpen = ::IsWindowVisible(hDlg) != FALSE;
            focusOnCount = ::GetFocus() == Item(hDlg, IDC_COUNT);
            countDuringFailure = dlg.m_nCount;
            nameDuringFailure = dlg.m_strName;
            return false;
        }
        ::SetDlgItemTextA(hDlg, IDC_COUNT, "12");
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusOnCount);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Please enter an integer.");
    EXPECT_EQ(app.promptIds[0], static_cast<UINT>(AFX_IDP_PARSE_INT));
    EXPECT_EQ(countDuringFailure, 5);
    EXPECT_EQ(nameDuringFailure, "initial"); // exchanged before the failure, and restored
    EXPECT_EQ(dlg.m_nCount, 12);
    EXPECT_EQ(dlg.m_strName, "Changed");
}

TEST_F(ModalDialog, FailedValidationShowsTheRangeAndRestoresEarlierValues) {
    DataDlg dlg;
    int step = 0;
    int countDuringFailure = 0;
    CString nameDuringFailure;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        if (step++ == 0) {
            ::SetDlgItemTextA(hDlg, IDC_NAME, "Changed");
            ::SetDlgItemTextA(hDlg, IDC_COUNT, "500");
            Click(hDlg, IDOK);
            countDuringFailure = dlg.m_nCount;
            nameDuringFailure = dlg.m_strName;
            return false;
        }
        Click(hDlg, IDCANCEL);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Please enter an integer between 1 and 100.");
    EXPECT_EQ(countDuringFailure, 5);
    EXPECT_EQ(nameDuringFailure, "initial");
    EXPECT_EQ(dlg.m_nCount, 5); // cancelled: nothing saved
    EXPECT_EQ(dlg.m_strName, "initial");
}

TEST_F(ModalDialog, ConversionFailureShowsARealMessageBoxOverTheDialog) {
    app.showMessageBoxes = true;
    DataDlg dlg;
    int step = 0;
    std::string boxTexts;
    HWND boxOwner = nullptr;
    HWND dialog = nullptr;
    TimerDriver driver([&] {
        auto dialogs = ThreadDialogs();
        switch (step) {
        case 0: // the dialog is up: ask for OK with a bad number (posted: the box runs its own loop)
            if (dialogs.size() != 1)
                return false;
            dialog = dialogs.front();
            ::SetDlgItemTextA(dialog, IDC_COUNT, "x");
            ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            step = 1;
            return false;
        case 1: // the message box is up over the dialog
            for (HWND h : dialogs) {
                if (h != dialog) {
                    boxTexts = ChildTexts(h);
                    boxOwner = ::GetWindow(h, GW_OWNER);
                    ::PostMessageA(h, WM_COMMAND, IDOK, 0);
                    step = 2;
                }
            }
            return false;
        default: // the box is gone, the dialog is still there
            if (dialogs.size() != 1 || dialogs.front() != dialog)
                return false;
            ::SetDlgItemTextA(dialog, IDC_COUNT, "9");
            ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
            return true;
        }
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_NE(boxTexts.find("Please enter an integer."), std::string::npos) << boxTexts;
    EXPECT_EQ(boxOwner, dialog);
    EXPECT_EQ(dlg.m_nCount, 9);
}

TEST_F(ModalDialog, IdleWorkRunsInsideTheModalLoop) {
    DataDlg dlg;
    dlg.kickIdleMore = 3;
    TimerDriver driver([&] {
        // Waits for a whole idle period (one that reached 3): under load the driver's own timer
        // messages can start new periods before any reaches the end.
        if (OnlyDialog() == nullptr ||
            std::find(dlg.kickIdle.begin(), dlg.kickIdle.end(), 3) == dlg.kickIdle.end())
            return false;
        dlg.PostMessage(WM_COMMAND, IDCANCEL);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.Finished());
    // Each idle period asks the dialog, counting up from 0, until it wants no more (after 3); a message
    // starts a new period.
    ASSERT_GE(dlg.kickIdle.size(), 4u);
    EXPECT_EQ(dlg.kickIdle.front(), 0);
    for (size_t i = 1; i < dlg.kickIdle.size(); ++i) {
        const LPARAM previous = dlg.kickIdle[i - 1];
        EXPECT_TRUE(dlg.kickIdle[i] == previous + 1 || dlg.kickIdle[i] == 0) << "at " << i;
        EXPECT_LE(dlg.kickIdle[i], 3);
    }
    const auto three = std::find(dlg.kickIdle.begin(), dlg.kickIdle.end(), 3);
    ASSERT_NE(three, dlg.kickIdle.end());
    EXPECT_EQ(std::vector<LPARAM>(three - 3, three + 1), (std::vector<LPARAM>{0, 1, 2, 3}));
    // The owner hears once per idle period that a dialog box waits.
    ASSERT_FALSE(owner.enterIdle.empty());
    EXPECT_EQ(owner.enterIdle[0].first, static_cast<UINT>(MSGF_DIALOGBOX));
    EXPECT_NE(owner.enterIdle[0].second, nullptr);
}

TEST_F(ModalDialog, EscapeCancelsThroughTheMessageFilterAndSavesNothing) {
    DataDlg dlg;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        ::SetDlgItemTextA(hDlg, IDC_NAME, "ignored");
        ::PostMessageA(Item(hDlg, IDC_NAME), WM_KEYDOWN, VK_ESCAPE, 1);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_strName, "initial");
    bool sawDialogFilter = false;
    for (int code : app.filterCodes)
        sawDialogFilter = sawDialogFilter || code == MSGF_DIALOGBOX;
    EXPECT_TRUE(sawDialogFilter);
}

TEST_F(ModalDialog, EscapeInAMultiLineEditCancelsToo) {
    DataDlg dlg;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        ::PostMessageA(Item(hDlg, IDC_NOTES), WM_KEYDOWN, VK_ESCAPE, 1);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.Finished());
}

TEST_F(ModalDialog, EndDialogDuringInitialisationSkipsTheLoop) {
    DataDlg dlg;
    dlg.endInInit = 77;
    EXPECT_EQ(dlg.DoModal(), 77);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_TRUE(dlg.kickIdle.empty());
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalDialog, MissingTemplateFails) {
    CDialog dlg(4242u);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_TRUE(owner.IsWindowEnabled());
}

TEST_F(ModalDialog, QuitMessageEndsTheDialogAndStaysForTheOuterLoop) {
    DataDlg dlg;
    TimerDriver driver([&] {
        if (OnlyDialog() == nullptr)
            return false;
        ::PostQuitMessage(6);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), -1);
    MSG msg{};
    ASSERT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 6u);
}

// ---------------------------------------------------------------------------------------------------
// Modeless dialogs

TEST_F(ModalDialog, ModelessDialogIsOwnedByTheMainWindowAndMovesTheFocus) {
    SimpleDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_SIMPLE));
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_TRUE(dlg.IsWindowVisible()); // the template says WS_VISIBLE
    EXPECT_EQ(dlg.initCalls, 1);
    EXPECT_EQ(::GetWindow(dlg.m_hWnd, GW_OWNER), owner.m_hWnd);
    EXPECT_EQ(CWnd::FromHandle(dlg.m_hWnd), &dlg);
    EXPECT_TRUE(CWnd::FromHandle(dlg.m_hWnd)->IsKindOf(RUNTIME_CLASS(CDialog)));
    EXPECT_TRUE(owner.IsWindowEnabled());

    dlg.GotoDlgCtrl(dlg.GetDlgItem(IDC_VALUE));
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_VALUE));
    dlg.NextDlgCtrl();
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_AFTER));
    dlg.PrevDlgCtrl();
    EXPECT_EQ(CWnd::GetFocus(), dlg.GetDlgItem(IDC_VALUE));

    EXPECT_EQ(LOWORD(dlg.GetDefID()), IDOK);
    dlg.SetDefID(IDCANCEL);
    EXPECT_EQ(dlg.GetDefID(), static_cast<DWORD>(MAKELONG(IDCANCEL, DC_HASDEFID)));

    CRect units(0, 0, 100, 50);
    CRect expected = units;
    ::MapDialogRect(dlg.m_hWnd, &expected);
    dlg.MapDialogRect(&units);
    EXPECT_EQ(units.right, expected.right);
    EXPECT_EQ(units.bottom, expected.bottom);
    EXPECT_GT(units.right, 100);

    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iCtrlId = IDC_VALUE;
    dlg.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(dlg.helpIds, std::vector<int>{IDC_VALUE});

    EXPECT_TRUE(dlg.DestroyWindow());
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(ModalDialog, DestroyingTheDialogObjectDestroysAModelessWindow) {
    HWND hWnd = nullptr;
    {
        CDialog dlg;
        ASSERT_TRUE(dlg.Create(IDD_SIMPLE, &owner));
        hWnd = dlg.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
}

// A modeless dialog that lives on the heap and deletes itself when its window is gone.
class SelfDeletingDlg : public CDialog {
public:
    explicit SelfDeletingDlg(bool* pDeleted) : CDialog(IDD_SIMPLE), m_pDeleted(pDeleted) {}
    ~SelfDeletingDlg() override { *m_pDeleted = true; }

protected:
    void OnCancel() override { DestroyWindow(); }
    void PostNcDestroy() override { delete this; }

private:
    bool* m_pDeleted;
};

TEST_F(ModalDialog, ModelessDialogDeletesItselfAfterItsWindowIsGone) {
    bool deleted = false;
    auto* dlg = new SelfDeletingDlg(&deleted);
    ASSERT_TRUE(dlg->Create(IDD_SIMPLE, &owner));
    const HWND hWnd = dlg->m_hWnd;
    ::SetFocus(::GetDlgItem(hWnd, IDC_VALUE));
    // Escape reaches OnCancel through the owner's loop, which destroys the window and so the object.
    ::PostMessageA(::GetDlgItem(hWnd, IDC_VALUE), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_TRUE(deleted);
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    PumpPending(); // nothing left in the queue reaches the deleted object
}

// ---------------------------------------------------------------------------------------------------
// Data exchange, one control at a time

class ExchangeDlg : public CDialog {
public:
    ExchangeDlg() : CDialog(IDD_EXCHANGE) {}
    std::function<void(CDataExchange*)> exchange;
    int changes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (exchange)
            exchange(pDX);
    }
    afx_msg void OnValueChange() { ++changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ExchangeDlg, CDialog)
ON_EN_CHANGE(IDC_VALUE, OnValueChange)
END_MESSAGE_MAP()

class Exchange : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(IDD_EXCHANGE));
        for (const char* item : {"Alpha", "Beta", "Betamax", "Gamma"}) {
            dlg.SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            dlg.SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
    }
    std::string ValueText() {
        CString text;
        dlg.GetDlgItemText(IDC_VALUE, text);
        return std::string(text);
    }

    TestApp app;
    ExchangeDlg dlg;
};

template <class T> std::string Show(T value) {
    std::ostringstream out;
    out.precision(17);
    out << +value;
    return out.str();
}

// Saves text typed into the edit into a variable of type T that held 7; returns what it holds after.
template <class T> std::string SaveAs(ExchangeDlg& dlg, const char* input, BOOL& ok) {
    T value = 7;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, value); };
    dlg.SetDlgItemText(IDC_VALUE, input);
    ok = dlg.UpdateData(TRUE);
    return Show(value);
}

struct SaveCase {
    const char* type;
    const char* input;
    BOOL ok;
    UINT prompt;
    const char* stored;
};

class TextConversion : public Exchange, public ::testing::WithParamInterface<SaveCase> {};

TEST_P(TextConversion, SavesValidTextAndRejectsTheRest) {
    const SaveCase& c = GetParam();
    BOOL ok = FALSE;
    std::string stored;
    const std::string type = c.type;
    if (type == "int")
        stored = SaveAs<int>(dlg, c.input, ok);
    else if (type == "UINT")
        stored = SaveAs<UINT>(dlg, c.input, ok);
    else if (type == "long")
        stored = SaveAs<long>(dlg, c.input, ok);
    else if (type == "DWORD")
        stored = SaveAs<DWORD>(dlg, c.input, ok);
    else if (type == "short")
        stored = SaveAs<short>(dlg, c.input, ok);
    else if (type == "BYTE")
        stored = SaveAs<BYTE>(dlg, c.input, ok);
    else if (type == "double")
        stored = SaveAs<double>(dlg, c.input, ok);
    else
        stored = SaveAs<float>(dlg, c.input, ok);
    EXPECT_EQ(ok, c.ok);
    EXPECT_EQ(stored, c.stored);
    if (c.ok) {
        EXPECT_TRUE(app.promptIds.empty());
    } else {
        ASSERT_EQ(app.promptIds.size(), 1u);
        EXPECT_EQ(app.promptIds[0], c.prompt);
        EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(IDC_VALUE)->m_hWnd);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, TextConversion,
    ::testing::Values(
        SaveCase{"int", " 42 ", TRUE, 0, "42"}, SaveCase{"int", "-7", TRUE, 0, "-7"},
        SaveCase{"int", "+3", TRUE, 0, "3"}, SaveCase{"int", "4x", FALSE, AFX_IDP_PARSE_INT, "7"},
        SaveCase{"int", "", FALSE, AFX_IDP_PARSE_INT, "7"},
        SaveCase{"int", "1e3", FALSE, AFX_IDP_PARSE_INT, "7"},
        SaveCase{"int", "99999999999", FALSE, AFX_IDP_PARSE_INT, "7"},
        SaveCase{"UINT", "4294967295", TRUE, 0, "4294967295"},
        SaveCase{"UINT", "-1", FALSE, AFX_IDP_PARSE_UINT, "7"},
        SaveCase{"long", "-2147483648", TRUE, 0, "-2147483648"}, SaveCase{"DWORD", "12", TRUE, 0, "12"},
        SaveCase{"short", "-32768", TRUE, 0, "-32768"},
        SaveCase{"short", "70000", FALSE, AFX_IDP_PARSE_INT, "7"}, SaveCase{"BYTE", "255", TRUE, 0, "255"},
        SaveCase{"BYTE", "256", FALSE, AFX_IDP_PARSE_BYTE, "7"}, SaveCase{"double", "7.25", TRUE, 0, "7.25"},
        SaveCase{"double", " -1e-3", TRUE, 0, "-0.001"},
        SaveCase{"double", "abc", FALSE, AFX_IDP_PARSE_REAL, "7"},
        SaveCase{"double", "1,5", FALSE, AFX_IDP_PARSE_REAL, "7"},
        SaveCase{"double", "", FALSE, AFX_IDP_PARSE_REAL, "7"}, SaveCase{"float", "0.5", TRUE, 0, "0.5"},
        SaveCase{"float", "1e39", FALSE, AFX_IDP_PARSE_REAL, "7"}));

TEST_F(Exchange, NumbersAreWrittenBackInPlainNotation) {
    struct Case {
        std::function<void(CDataExchange*)> exchange;
        const char* text;
    };
    int i = -42;
    UINT u = 4000000000u;
    double d1 = 1.5;
    double d2 = 0.1;
    double d3 = 1e20;
    float f = 0.1f;
    BYTE b = 200;
    const Case cases[] = {
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, i); }, "-42"},
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, u); }, "4000000000"},
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, d1); }, "1.5"},
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, d2); }, "0.1"},
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, d3); }, "1e+20"},
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, f); }, "0.1"},
        {[&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, b); }, "200"},
    };
    for (const Case& c : cases) {
        dlg.exchange = c.exchange;
        EXPECT_TRUE(dlg.UpdateData(FALSE));
        EXPECT_EQ(ValueText(), c.text);
    }
}

TEST_F(Exchange, ChecksRadiosCombosAndLists) {
    int check = 1;
    int radio = 2;
    CString combo = "Gamma";
    int comboIndex = -1;
    CString list = "Beta";
    int listIndex = -1;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Check(pDX, IDC_CHECK, check);
        DDX_Radio(pDX, IDC_RADIO1, radio);
        DDX_CBString(pDX, IDC_COMBO, combo);
        DDX_LBString(pDX, IDC_LIST, list);
        if (pDX->m_bSaveAndValidate) {
            DDX_CBIndex(pDX, IDC_COMBO, comboIndex);
            DDX_LBIndex(pDX, IDC_LIST, listIndex);
        }
    };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_CHECK), 1u);
    EXPECT_EQ(dlg.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3), IDC_RADIO3);
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_COMBO, CB_GETCURSEL), 3);
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_LIST, LB_GETCURSEL), 1);

    dlg.CheckDlgButton(IDC_CHECK, BST_UNCHECKED);
    dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO1);
    dlg.SendDlgItemMessage(IDC_COMBO, CB_SETCURSEL, 0);
    dlg.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, 3);
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(check, 0);
    EXPECT_EQ(radio, 0);
    EXPECT_EQ(combo, "Alpha");
    EXPECT_EQ(comboIndex, 0);
    EXPECT_EQ(list, "Gamma");
    EXPECT_EQ(listIndex, 3);

    // No radio button checked, nothing selected in the list.
    dlg.CheckDlgButton(IDC_RADIO1, BST_UNCHECKED);
    dlg.SendDlgItemMessage(IDC_LIST, LB_SETCURSEL, static_cast<WPARAM>(-1));
    ASSERT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(radio, -1);
    EXPECT_EQ(list, "");
    EXPECT_EQ(listIndex, -1);
}

TEST_F(Exchange, ComboAndListStringsMatchByPrefixUnlessExact) {
    // Items of both: Alpha, Beta, Betamax, Gamma. kAny: the selection is not checked.
    constexpr LRESULT kAny = -2;
    struct Case {
        void (*ddx)(CDataExchange*, int, CString&);
        int control;
        const char* loaded;
        LRESULT selected;
        const char* saved;
    };
    const Case cases[] = {
        {DDX_CBStringExact, IDC_COMBO, "Beta", 1, "Beta"},
        {DDX_CBStringExact, IDC_COMBO, "Bet", CB_ERR, "Bet"}, // typed text of the drop-down stays
        {DDX_CBString, IDC_COMBO, "Betam", 2, "Betamax"},
        {DDX_CBString, IDC_COMBO, "Zeta", kAny, "Zeta"},
        {DDX_LBString, IDC_LIST, "Bet", 1, "Beta"},
        {DDX_LBStringExact, IDC_LIST, "Betamax", 2, "Betamax"},
        {DDX_LBStringExact, IDC_LIST, "Bet", LB_ERR, ""},
    };
    for (const Case& c : cases) {
        CString value = c.loaded;
        dlg.exchange = [&](CDataExchange* pDX) { c.ddx(pDX, c.control, value); };
        ASSERT_TRUE(dlg.UpdateData(FALSE));
        const UINT getSel = c.control == IDC_COMBO ? CB_GETCURSEL : LB_GETCURSEL;
        if (c.selected != kAny) {
            EXPECT_EQ(dlg.SendDlgItemMessage(c.control, getSel), c.selected) << c.loaded;
        }
        ASSERT_TRUE(dlg.UpdateData(TRUE));
        EXPECT_EQ(value, c.saved) << c.loaded;
    }
}

TEST_F(Exchange, MaxCharsLimitsTheEditAndRejectsLongerText) {
    CString value = "abc";
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_VALUE, value);
        DDV_MaxChars(pDX, value, 5);
    };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(dlg.SendDlgItemMessage(IDC_VALUE, EM_GETLIMITTEXT), 5);
    dlg.SetDlgItemText(IDC_VALUE, "abcdefgh"); // text set by a program is not limited
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(value, "abc");
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Please enter no more than 5 characters.");
}

TEST_F(Exchange, RealRangeMessageNamesTheLimits) {
    double value = 1;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_VALUE, value);
        DDV_MinMaxDouble(pDX, value, 0.5, 2.5);
    };
    dlg.SetDlgItemText(IDC_VALUE, "3");
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(value, 1);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(app.prompts[0], "Please enter a number between 0.5 and 2.5.");
    dlg.SetDlgItemText(IDC_VALUE, "2.5");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(value, 2.5);
}

TEST_F(Exchange, ControlNotificationsAreIgnoredWhileExchanging) {
    CString value = "one";
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Text(pDX, IDC_VALUE, value); };
    dlg.changes = 0;
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_EQ(ValueText(), "one");
    EXPECT_EQ(dlg.changes, 0);
    value = "one";
    ASSERT_TRUE(dlg.UpdateData(FALSE));   // same text: not even set again
    dlg.SetDlgItemText(IDC_VALUE, "two"); // a change outside the exchange is reported
    EXPECT_EQ(dlg.changes, 1);
}

class CountingEdit : public CWnd {
public:
    int chars = 0;

protected:
    afx_msg void OnChar(UINT, UINT, UINT) {
        ++chars;
        Default();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CountingEdit, CWnd)
ON_WM_CHAR()
END_MESSAGE_MAP()

TEST_F(Exchange, ControlMemberIsConnectedOnce) {
    CountingEdit edit;
    dlg.exchange = [&](CDataExchange* pDX) { DDX_Control(pDX, IDC_VALUE, edit); };
    ASSERT_TRUE(dlg.UpdateData(FALSE));
    ASSERT_EQ(edit.m_hWnd, dlg.GetDlgItem(IDC_VALUE)->m_hWnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(edit.m_hWnd), &edit);
    ASSERT_TRUE(dlg.UpdateData(TRUE)); // already connected: nothing happens
    dlg.SendDlgItemMessage(IDC_VALUE, WM_CHAR, 'k', 1);
    EXPECT_EQ(edit.chars, 1);
    EXPECT_EQ(ValueText(), "k");
    dlg.DestroyWindow();
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

TEST_F(Exchange, MissingControlIsAnError) {
    CString value;
    CDataExchange dx(&dlg, TRUE);
    bool thrown = false;
    try {
        DDX_Text(&dx, 4321, value);
    } catch (CNotSupportedException* e) {
        thrown = true;
        e->Delete();
    }
    EXPECT_TRUE(thrown);
}

} // namespace
