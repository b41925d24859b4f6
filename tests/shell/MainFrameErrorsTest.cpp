// The error list in the main window: the status bar's error button, suppression, and the Errors
// dialog with its list, "Clear all" and its check box.
#include "ShellTestSupport.h"

#include "data/CErrorList.h"
#include "shell/CErrorsDlg.h"

using namespace shelltest;

namespace {

class MainFrameErrors : public MainFrameFixture {
protected:
    void SetUp() override {
        CErrorList::Get().RemoveAll();
        CErrorList::Get().SetHold(false);
        MainFrameFixture::SetUp();
    }
    void TearDown() override {
        CErrorList::Get().RemoveAll();
        CErrorList::Get().SetHold(false);
    }
};

TEST(ErrorCodeText, DecimalBelow100000AndHexadecimalFromThere) {
    EXPECT_EQ(std::string(FormatErrorCode(-1)), "-1");
    EXPECT_EQ(std::string(FormatErrorCode(0)), "0");
    EXPECT_EQ(std::string(FormatErrorCode(99999)), "99999");
    EXPECT_EQ(std::string(FormatErrorCode(100000)), "0x186A0");
    EXPECT_EQ(std::string(FormatErrorCode(123456789)), "0x75BCD15");
    // Negative codes (an ODBC SQL_ERROR, a failed HRESULT) stay decimal.
    EXPECT_EQ(std::string(FormatErrorCode(static_cast<long>(0x80004005))), "-2147467259");
}

TEST_F(MainFrameErrors, EveryEntryShowsOnTheErrorButtonUnlessSuppressed) {
    CButton& button = frame->GetStatusBar().GetErrorButton();
    EXPECT_FALSE(button.GetStyle() & WS_VISIBLE);

    frame->ReportError("Opening database [Tasks]", -1, "The driver could not connect.");
    frame->ReportErrorId(IDS_TRAY_IDLE, 5, "");
    EXPECT_EQ(frame->GetErrorCount(), 2);
    EXPECT_TRUE(button.GetStyle() & WS_VISIBLE);
    EXPECT_EQ(TextOf(button.m_hWnd), "Errors: 2");
    EXPECT_EQ(std::string(CErrorList::Get().GetEntry(1).message), "Brindlemark is idle");

    // Entries the data layer files directly reach the button too.
    CErrorList::Get().Add("Writing clients", 7, "");
    EXPECT_EQ(TextOf(button.m_hWnd), "Errors: 3");

    frame->SetErrorSuppression(true);
    frame->ReportError("Ignored", 1, "");
    EXPECT_EQ(frame->GetErrorCount(), 3);
    frame->SetErrorSuppression(false);

    frame->ClearErrors();
    EXPECT_EQ(frame->GetErrorCount(), 0);
    EXPECT_FALSE(button.GetStyle() & WS_VISIBLE);

    // The button's click is the command that opens the dialog.
    EXPECT_EQ(button.GetDlgCtrlID(), ID_VIEW_ERRORS);
}

TEST_F(MainFrameErrors, ErrorsDialogListsClearsAndSuppresses) {
    frame->ReportError("Opening database [Tasks]", -1, "The driver could not connect.");
    frame->ReportError("Update table", 200000, "Unspecified");
    std::vector<std::string> rows;
    std::string title;
    bool clearedEmpty = false;
    {
        TimerDriver driver([&] {
            for (HWND hDlg : ThreadDialogs()) {
                title = TextOf(hDlg);
                HWND list = ::GetDlgItem(hDlg, IDC_ERRORS_LIST);
                const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
                for (int row = 0; row < count; ++row) {
                    std::string line;
                    for (int column = 0; column < 3; ++column) {
                        char text[256] = {};
                        LVITEMA item{};
                        item.iSubItem = column;
                        item.pszText = text;
                        item.cchTextMax = sizeof text;
                        ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
                        line += std::string(text) + "|";
                    }
                    rows.push_back(line);
                }
                ::SendMessageA(::GetDlgItem(hDlg, IDC_ERRORS_CLEAR_ALL), BM_CLICK, 0, 0);
                clearedEmpty = ::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) == 0;
                ::SendMessageA(::GetDlgItem(hDlg, IDC_ERRORS_DONT_SHOW), BM_CLICK, 0, 0);
                ::PostMessageA(hDlg, WM_COMMAND, IDCANCEL, 0);
                return true;
            }
            return false;
        });
        frame->SendMessage(WM_COMMAND, ID_VIEW_ERRORS);
        EXPECT_TRUE(driver.Finished());
    }
    EXPECT_EQ(title, "Errors");
    EXPECT_EQ(rows, (std::vector<std::string>{"Opening database [Tasks]|-1|The driver could not connect.|",
                                              "Update table|0x30D40|Unspecified|"}));
    EXPECT_TRUE(clearedEmpty);
    EXPECT_EQ(frame->GetErrorCount(), 0);
    EXPECT_FALSE(frame->GetStatusBar().GetErrorButton().GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(frame->GetErrorSuppression());
    frame->ReportError("Not collected", 1, "");
    EXPECT_EQ(frame->GetErrorCount(), 0);
}

} // namespace
