// Tool tips for the child controls of a window (EnableToolTips): the hit test, the thread's tool tip
// control fed by the message pump, the tip texts from the window's handlers and the string table, and
// switching the tips off again.
#include "WinTestSupport.h"
#include "WndExtrasTestsResource.h"

#include "framework/win/CThreadToolTip.h"
#include "framework/win/CToolTipCtrl.h"

#include <string>
#include <vector>

using namespace wintest;

namespace {

// A modeless dialog that records the tip requests it sees and answers the one of IDC_TIP_HANDLED.
class TipsDlg : public CDialog {
public:
    TipsDlg() : CDialog(IDD_TIPS) {}

    std::vector<UINT_PTR> requests; // the tools asked about (control windows)

protected:
    afx_msg BOOL OnNeedText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
        requests.push_back(pNMHDR->idFrom);
        if ((pInfo->uFlags & TTF_IDISHWND) &&
            ::GetDlgCtrlID(reinterpret_cast<HWND>(pNMHDR->idFrom)) == IDC_TIP_HANDLED) {
            lstrcpynA(pInfo->szText, "Text from the handler", sizeof pInfo->szText);
            pInfo->lpszText = pInfo->szText;
            *pResult = 0;
            return TRUE;
        }
        return FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TipsDlg, CDialog)
ON_NOTIFY_EX(TTN_NEEDTEXTA, 0, OnNeedText)
END_MESSAGE_MAP()

class WndToolTips : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dlg.Create(IDD_TIPS));
        dlg.ShowWindow(SW_SHOW);
        PumpPending();
    }
    void TearDown() override {
        dlg.DestroyWindow();
        PumpPending();
    }

    HWND Control(int nID) const { return ::GetDlgItem(dlg.m_hWnd, nID); }

    // The middle of a control in the dialog's client coordinates.
    CPoint CentreOf(int nID) const {
        CRect rect;
        ::GetWindowRect(Control(nID), &rect);
        dlg.ScreenToClient(&rect);
        return rect.CenterPoint();
    }

    // Moves the mouse over a control the way the system reports it: a message for the control, through
    // the thread's message pump.
    void MoveOver(int nID) {
        ::PostMessageA(Control(nID), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        PumpPending();
    }

    // What the tool tip control was told about its current tool (count of tools, and the tool's id).
    static int ToolCount() {
        CToolTipCtrl* pTip = CThreadToolTip::Get().GetControl();
        return pTip != nullptr ? pTip->GetToolCount() : 0;
    }

    // Asks the dialog for a tool's text as the thread's tool tip control does.
    NMTTDISPINFOA Ask(int nID) {
        NMTTDISPINFOA info{};
        info.hdr.hwndFrom = CThreadToolTip::Get().GetControl()->GetSafeHwnd();
        info.hdr.idFrom = reinterpret_cast<UINT_PTR>(Control(nID));
        info.hdr.code = TTN_NEEDTEXTA;
        info.uFlags = TTF_IDISHWND;
        dlg.SendMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&info));
        return info;
    }

    TipsDlg dlg;
};

} // namespace

TEST_F(WndToolTips, HitTestNamesTheControlUnderThePoint) {
    for (int nID : {IDC_TIP_NAME, IDC_TIP_SAVE}) {
        TOOLINFOA ti{};
        ti.cbSize = sizeof ti;
        EXPECT_EQ(dlg.OnToolHitTest(CentreOf(nID), &ti), nID);
        EXPECT_EQ(ti.hwnd, dlg.m_hWnd);
        EXPECT_EQ(ti.uId, reinterpret_cast<UINT_PTR>(Control(nID)));
        EXPECT_NE(ti.uFlags & TTF_IDISHWND, 0u);
        EXPECT_EQ(ti.lpszText, LPSTR_TEXTCALLBACKA);
    }
    // Empty space and the static label are no tools.
    EXPECT_EQ(dlg.OnToolHitTest(CPoint(2, 2), nullptr), -1);
    CRect label;
    ::GetWindowRect(::GetWindow(Control(IDC_TIP_HANDLED), GW_HWNDNEXT), &label);
    dlg.ScreenToClient(&label);
    EXPECT_EQ(dlg.OnToolHitTest(label.CenterPoint(), nullptr), -1);
}

TEST_F(WndToolTips, MouseOverAControlMakesItTheToolOfTheThreadsTip) {
    ASSERT_TRUE(dlg.EnableToolTips(TRUE));
    CToolTipCtrl* pTip = CThreadToolTip::Get().GetControl();
    ASSERT_NE(pTip, nullptr);

    MoveOver(IDC_TIP_NAME);
    ASSERT_EQ(ToolCount(), 1);
    CToolInfo info;
    ASSERT_TRUE(pTip->GetToolInfo(info, CWnd::FromHandle(Control(IDC_TIP_NAME))));
    EXPECT_EQ(info.hwnd, dlg.m_hWnd);

    // The control asks the dialog for the text of the tool (the control under the mouse).
    CString text;
    pTip->GetText(text, CWnd::FromHandle(Control(IDC_TIP_NAME)));
    EXPECT_STREQ(text, "Name of the entry");
    ASSERT_FALSE(dlg.requests.empty());
    EXPECT_EQ(dlg.requests.back(), reinterpret_cast<UINT_PTR>(Control(IDC_TIP_NAME)));

    // Another control replaces the tool; the mouse over empty space removes it.
    MoveOver(IDC_TIP_SAVE);
    EXPECT_EQ(ToolCount(), 1);
    EXPECT_TRUE(pTip->GetToolInfo(info, CWnd::FromHandle(Control(IDC_TIP_SAVE))));
    ::PostMessageA(dlg.m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
    PumpPending();
    EXPECT_EQ(ToolCount(), 0);
}

TEST_F(WndToolTips, TextComesFromTheHandlerFirstThenFromTheStringTable) {
    ASSERT_TRUE(dlg.EnableToolTips(TRUE));
    struct Case {
        int nID;
        const char* expected;
    };
    for (const Case& c : {Case{IDC_TIP_NAME, "Name of the entry"}, Case{IDC_TIP_SAVE, "Save the entry"},
                          Case{IDC_TIP_HANDLED, "Text from the handler"}}) {
        const NMTTDISPINFOA info = Ask(c.nID);
        ASSERT_NE(info.lpszText, nullptr) << c.nID;
        EXPECT_STREQ(info.lpszText, c.expected);
    }
    // Without a string there is nothing to show.
    const NMTTDISPINFOA none = Ask(IDC_TIP_NOTE);
    EXPECT_EQ(none.lpszText, nullptr);
}

TEST_F(WndToolTips, SwitchedOffNoToolIsShown) {
    ASSERT_TRUE(dlg.EnableToolTips(TRUE));
    MoveOver(IDC_TIP_SAVE);
    ASSERT_EQ(ToolCount(), 1);

    EXPECT_TRUE(dlg.EnableToolTips(FALSE));
    EXPECT_EQ(ToolCount(), 0) << "the shown tool stays after the tips were switched off";
    MoveOver(IDC_TIP_SAVE);
    EXPECT_EQ(ToolCount(), 0);
    CString text;
    CThreadToolTip::Get().GetControl()->GetText(text, CWnd::FromHandle(Control(IDC_TIP_SAVE)));
    EXPECT_STREQ(text, "");
    EXPECT_TRUE(dlg.requests.empty());
}
