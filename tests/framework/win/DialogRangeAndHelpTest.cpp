// Dialog range checks of every integer and real type, help requests that start on a control, and the
// tab order of a dialog's controls.
#include "WinTestSupport.h"

#include "framework/win/AfxCmn.h"

#include <functional>
#include <string>
#include <vector>

using namespace wintest;

namespace {

// A modeless dialog whose exchange the test chooses; records the help requests it receives.
class RangeDlg : public CDialog {
public:
    RangeDlg() : CDialog(IDD_EXCHANGE) {}
    std::function<void(CDataExchange*)> exchange;
    std::vector<int> helpIds;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        if (exchange)
            exchange(pDX);
    }
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo) {
        helpIds.push_back(pHelpInfo->iCtrlId);
        return TRUE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(RangeDlg, CDialog)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

struct RangeCase {
    const char* input;
    bool ok;
};

class DialogRange : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(IDD_EXCHANGE)); }

    // For each case: types the input into the edit, saves it into a variable that held initial and
    // checks it against [minVal, maxVal] with check. A failure must show message once, keep the variable's
    // value, put the focus on the edit and leave the dialog open.
    template <class T, class Check>
    void ExpectRange(T initial, T minVal, T maxVal, Check check, const std::vector<RangeCase>& cases,
                     const std::string& message) {
        for (const RangeCase& c : cases) {
            SCOPED_TRACE(c.input);
            app.prompts.clear();
            T value = initial;
            dlg.exchange = [&](CDataExchange* pDX) {
                DDX_Text(pDX, IDC_VALUE, value);
                check(pDX, value, minVal, maxVal);
            };
            dlg.SetDlgItemText(IDC_VALUE, c.input);
            ::SetFocus(dlg.GetDlgItem(IDC_AFTER)->m_hWnd);
            const BOOL ok = dlg.UpdateData(TRUE);
            EXPECT_EQ(ok != FALSE, c.ok);
            if (c.ok) {
                EXPECT_TRUE(app.prompts.empty());
                continue;
            }
            EXPECT_EQ(value, initial) << "the variable keeps its value";
            ASSERT_EQ(app.prompts.size(), 1u);
            EXPECT_EQ(app.prompts[0], message);
            EXPECT_EQ(::GetFocus(), dlg.GetDlgItem(IDC_VALUE)->m_hWnd);
            EXPECT_TRUE(::IsWindow(dlg.m_hWnd)) << "the dialog stays";
        }
    }

    TestApp app;
    RangeDlg dlg;
};

} // namespace

TEST_F(DialogRange, IntegerLimitsAreInclusiveForEveryType) {
    const std::string small = "Please enter an integer between 10 and 20.";
    const std::vector<RangeCase> smallCases{{"10", true}, {"20", true}, {"9", false}, {"21", false}};
    ExpectRange<int>(15, 10, 20, DDV_MinMaxInt, smallCases, small);
    ExpectRange<short>(15, 10, 20, DDV_MinMaxShort, smallCases, small);
    ExpectRange<BYTE>(15, 10, 20, DDV_MinMaxByte, smallCases, small);
    ExpectRange<long>(0, -5, 5, DDV_MinMaxLong, {{"-5", true}, {"5", true}, {"-6", false}, {"6", false}},
                      "Please enter an integer between -5 and 5.");
    // Unsigned limits above the signed range are compared and shown as unsigned numbers.
    ExpectRange<UINT>(5, 1, 3000000000u, DDV_MinMaxUInt,
                      {{"1", true}, {"3000000000", true}, {"0", false}, {"3000000001", false}},
                      "Please enter an integer between 1 and 3000000000.");
    ExpectRange<DWORD>(5, 2, 4000000000u, DDV_MinMaxDWord,
                       {{"4000000000", true}, {"1", false}, {"4000000001", false}},
                       "Please enter an integer between 2 and 4000000000.");
}

TEST_F(DialogRange, RealLimitsAreInclusiveForDoubleAndFloat) {
    auto checkDouble = [](CDataExchange* pDX, const double& v, double lo, double hi) {
        DDV_MinMaxDouble(pDX, v, lo, hi);
    };
    auto checkFloat = [](CDataExchange* pDX, const float& v, float lo, float hi) {
        DDV_MinMaxFloat(pDX, v, lo, hi);
    };
    ExpectRange<double>(1.0, -1.25, 2.5, checkDouble,
                        {{"-1.25", true}, {"2.5", true}, {"2.5001", false}, {"-1.3", false}},
                        "Please enter a number between -1.25 and 2.5.");
    ExpectRange<float>(1.0f, 0.5f, 1.5f, checkFloat, {{"0.5", true}, {"1.5", true}, {"1.6", false}},
                       "Please enter a number between 0.5 and 1.5.");
}

TEST_F(DialogRange, LoadingNeverChecksTheRange) {
    int value = 99;
    dlg.exchange = [&](CDataExchange* pDX) {
        DDX_Text(pDX, IDC_VALUE, value);
        DDV_MinMaxInt(pDX, value, 1, 10);
    };
    EXPECT_TRUE(dlg.UpdateData(FALSE));
    EXPECT_TRUE(app.prompts.empty());
    CString text;
    dlg.GetDlgItemText(IDC_VALUE, text);
    EXPECT_EQ(text, "99");
}

// F1 on a control and a help request a control passes up both reach the dialog's handler with the
// control's id.
TEST_F(DialogRange, HelpRequestsOfAControlReachTheDialog) {
    CWnd* edit = dlg.GetDlgItem(IDC_AFTER);
    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iContextType = HELPINFO_WINDOW;
    help.iCtrlId = IDC_AFTER;
    help.hItemHandle = edit->m_hWnd;
    // A control does not handle WM_HELP itself; its default handling passes it to the dialog.
    edit->SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help));
    EXPECT_EQ(dlg.helpIds, std::vector<int>{IDC_AFTER});
}

TEST_F(DialogRange, TabOrderSkipsDisabledControlsAndWraps) {
    CWnd* value = dlg.GetDlgItem(IDC_VALUE);
    CWnd* after = dlg.GetDlgItem(IDC_AFTER);
    CWnd* check = dlg.GetDlgItem(IDC_CHECK);
    EXPECT_EQ(dlg.GetNextDlgTabItem(value), after);
    EXPECT_EQ(dlg.GetNextDlgTabItem(after, TRUE), value);
    after->EnableWindow(FALSE);
    EXPECT_EQ(dlg.GetNextDlgTabItem(value), check);
    EXPECT_EQ(dlg.GetNextDlgTabItem(check, TRUE), value);
    after->EnableWindow(TRUE);
    // Backwards from the first control wraps to the last one (the OK button).
    EXPECT_EQ(dlg.GetNextDlgTabItem(value, TRUE), dlg.GetDlgItem(IDOK));
    EXPECT_EQ(dlg.GetNextDlgTabItem(dlg.GetDlgItem(IDOK)), value);
    // A control with an object of its own is found as that object.
    CEdit edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_AFTER, &dlg));
    EXPECT_EQ(dlg.GetNextDlgTabItem(value), &edit);
    edit.UnsubclassWindow();
}
