// Windows with C++ objects under the null graphics driver: creation, the handle maps, subclassing,
// message crackers, routing of commands and notifications between controls and parents.
#include "WinTestSupport.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

using namespace wintest;

namespace {

constexpr int IDC_BUTTON = 2001;
constexpr int IDC_OTHER_BUTTON = 2002;
constexpr int IDC_RANGE_BUTTON = 2003;
constexpr UINT WM_TEST_APP = WM_APP + 7;
const UINT WM_TEST_REGISTERED = ::RegisterWindowMessageA("Brindlemark.WindowTests.Registered");

CRect TestRect() {
    return CRect(10, 10, 310, 210);
}

// Records its messages as text, one entry per handled message.
class RecordingWnd : public CWnd {
    DECLARE_DYNCREATE(RecordingWnd)
public:
    std::vector<std::string> log;
    bool failCreate = false;
    int postNcDestroyCalls = 0;
    int* destroyedFlag = nullptr;
    const MSG* currentInCreate = nullptr;
    UINT currentMessageInCreate = 0;

    std::string Last() const { return log.empty() ? std::string() : log.back(); }
    bool Saw(const std::string& entry) const {
        for (const auto& e : log)
            if (e == entry)
                return true;
        return false;
    }

    BOOL CreateTest(CWnd* pParent = nullptr, DWORD style = WS_OVERLAPPEDWINDOW) {
        if (pParent != nullptr)
            return Create(nullptr, "child", style | WS_CHILD | WS_VISIBLE, TestRect(), pParent, 1);
        return CreateEx(0, AfxRegisterWndClass(CS_DBLCLKS), "Recording", style, TestRect(), nullptr, 0);
    }

protected:
    void Add(const std::string& s) { log.push_back(s); }
    template <class... T> void Add(const char* name, T... values) {
        std::ostringstream out;
        out << name;
        ((out << ' ' << values), ...);
        log.push_back(out.str());
    }

    afx_msg BOOL OnNcCreate(LPCREATESTRUCTA cs) {
        Add("NcCreate", cs->lpszName);
        return CWnd::OnNcCreate(cs);
    }
    afx_msg int OnCreate(LPCREATESTRUCTA cs) {
        Add("Create", cs->cx, cs->cy);
        currentMessageInCreate = GetCurrentMessage()->message;
        if (failCreate)
            return -1;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnDestroy() {
        Add("Destroy");
        CWnd::OnDestroy();
    }
    afx_msg void OnNcDestroy() {
        Add("NcDestroy");
        CWnd::OnNcDestroy();
    }
    void PostNcDestroy() override { ++postNcDestroyCalls; }
    afx_msg void OnSize(UINT nType, int cx, int cy) { Add("Size", nType, cx, cy); }
    afx_msg void OnMove(int x, int y) { Add("Move", x, y); }
    afx_msg void OnTimer(UINT_PTR nIDEvent) { Add("Timer", nIDEvent); }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) { Add("KeyDown", nChar, nRepCnt, nFlags); }
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) { Add("Char", nChar, nRepCnt, nFlags); }
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) {
        Add("SysKeyDown", nChar, nRepCnt, nFlags);
    }
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point) { Add("LButtonDown", nFlags, point.x, point.y); }
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point) { Add("RButtonUp", nFlags, point.x, point.y); }
    afx_msg void OnMouseMove(UINT nFlags, CPoint point) { Add("MouseMove", nFlags, point.x, point.y); }
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) {
        Add("MouseWheel", nFlags, zDelta, pt.x, pt.y);
        return TRUE;
    }
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos) { Add("ContextMenu", pWnd == this, pos.x, pos.y); }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* mmi) {
        Add("GetMinMaxInfo");
        mmi->ptMinTrackSize.x = 123;
    }
    afx_msg void OnSettingChange(UINT uFlags, LPCSTR lpszSection) {
        Add("SettingChange", uFlags, lpszSection ? lpszSection : "(null)");
    }
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* cds) {
        Add("CopyData", pWnd == nullptr, cds->dwData,
            std::string(static_cast<const char*>(cds->lpData), cds->cbData));
        return TRUE;
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam) { Add("SysCommand", nID, lParam); }
    afx_msg BOOL OnHelpInfo(HELPINFO* info) {
        Add("HelpInfo", info->iCtrlId);
        return TRUE;
    }
    afx_msg void OnParentNotify(UINT message, LPARAM lParam) {
        Add("ParentNotify", LOWORD(message));
        CWnd::OnParentNotify(message, lParam);
    }
    afx_msg LRESULT OnNcHitTest(CPoint point) {
        Add("NcHitTest", point.x, point.y);
        return HTCAPTION;
    }
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus) { Add("ShowWindow", bShow, nStatus); }
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID) { Add("ActivateApp", bActive, dwThreadID); }
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho) { Add("EnterIdle", nWhy, pWho != nullptr); }
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu) {
        Add("MenuSelect", nItemID, nFlags, hSysMenu == nullptr);
    }
    afx_msg LRESULT OnTestApp(WPARAM wParam, LPARAM lParam) {
        Add("App", wParam, lParam);
        return static_cast<LRESULT>(wParam + lParam);
    }
    afx_msg LRESULT OnTestRegistered(WPARAM wParam, LPARAM) {
        Add("Registered", wParam);
        return 99;
    }

    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(RecordingWnd, CWnd)

BEGIN_MESSAGE_MAP(RecordingWnd, CWnd)
ON_WM_NCCREATE()
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_NCDESTROY()
ON_WM_SIZE()
ON_WM_MOVE()
ON_WM_TIMER()
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_SYSKEYDOWN()
ON_WM_LBUTTONDOWN()
ON_WM_RBUTTONUP()
ON_WM_MOUSEMOVE()
ON_WM_MOUSEWHEEL()
ON_WM_CONTEXTMENU()
ON_WM_GETMINMAXINFO()
ON_WM_SETTINGCHANGE()
ON_WM_COPYDATA()
ON_WM_SYSCOMMAND()
ON_WM_HELPINFO()
ON_WM_PARENTNOTIFY()
ON_WM_NCHITTEST()
ON_WM_SHOWWINDOW()
ON_WM_ACTIVATEAPP()
ON_WM_ENTERIDLE()
ON_WM_MENUSELECT()
ON_MESSAGE(WM_TEST_APP, OnTestApp)
ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnTestRegistered)
END_MESSAGE_MAP()

// ---------------------------------------------------------------------------------------------------
// Creation, destruction and the handle map

TEST(Wnd, CreationMessagesReachTheObjectBeforeCreateReturns) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    ASSERT_NE(wnd.m_hWnd, nullptr);
    ASSERT_GE(wnd.log.size(), 2u);
    // WM_NCCREATE is the window's first message that names it; both came through the message map.
    EXPECT_TRUE(wnd.Saw("NcCreate Recording"));
    EXPECT_TRUE(wnd.Saw("Create 300 200"));
    EXPECT_EQ(wnd.currentMessageInCreate, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(CWnd::FromHandle(wnd.m_hWnd), &wnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_TRUE(CWnd::FromHandle(wnd.m_hWnd)->IsKindOf(RUNTIME_CLASS(RecordingWnd)));
    EXPECT_EQ(wnd.GetSafeHwnd(), wnd.m_hWnd);

    HWND hWnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    ASSERT_GE(wnd.log.size(), 2u);
    EXPECT_EQ(wnd.log[wnd.log.size() - 2], "Destroy");
    EXPECT_EQ(wnd.log.back(), "NcDestroy");
}

TEST(Wnd, CreateFailsWhenOnCreateRefuses) {
    RecordingWnd wnd;
    wnd.failCreate = true;
    EXPECT_FALSE(wnd.CreateTest());
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
    EXPECT_EQ(AfxMapHWND()->LookupPermanent(nullptr), nullptr);
}

TEST(Wnd, CreateWithUnknownClassCallsPostNcDestroy) {
    RecordingWnd wnd;
    EXPECT_FALSE(wnd.CreateEx(0, "No Such Window Class", "x", WS_POPUP, TestRect(), nullptr, 0));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.postNcDestroyCalls, 1);
}

TEST(Wnd, DestructorDestroysTheWindow) {
    HWND hWnd = nullptr;
    {
        RecordingWnd wnd;
        ASSERT_TRUE(wnd.CreateTest());
        hWnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST(Wnd, ForeignWindowsGetTemporaryWrappersUntilIdle) {
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "foreign", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    CWnd::DeleteTempMap();
    CWnd* pTemp = CWnd::FromHandle(hWnd);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hWnd, hWnd);
    EXPECT_EQ(CWnd::FromHandle(hWnd), pTemp); // the same wrapper until it is freed
    EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    EXPECT_EQ(AfxMapHWND()->GetTemporaryCount(), 1u);
    CString text;
    pTemp->GetWindowText(text);
    EXPECT_EQ(text, "foreign");

    CWnd::DeleteTempMap();
    EXPECT_EQ(AfxMapHWND()->GetTemporaryCount(), 0u);
    EXPECT_TRUE(::IsWindow(hWnd)); // freeing a wrapper never destroys the window
    ::DestroyWindow(hWnd);
}

TEST(Wnd, AttachAndDetachMakeAWindowPermanent) {
    HWND hWnd = ::CreateWindowExA(0, "STATIC", "attach", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hWnd, nullptr);
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hWnd));
        EXPECT_EQ(CWnd::FromHandle(hWnd), &wnd);
        CWnd other;
        EXPECT_FALSE(other.Attach(hWnd)); // one object per window
        EXPECT_EQ(wnd.Detach(), hWnd);
        EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
    }
    EXPECT_TRUE(::IsWindow(hWnd)); // a detached object leaves the window alone
    {
        CWnd wnd;
        ASSERT_TRUE(wnd.Attach(hWnd));
    }
    EXPECT_FALSE(::IsWindow(hWnd)); // an attached one destroys it
}

// ---------------------------------------------------------------------------------------------------
// Message crackers

struct CrackCase {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    const char* expected;
};

LPARAM Pack(int low, int high) {
    return static_cast<LPARAM>(MAKELONG(static_cast<WORD>(low), static_cast<WORD>(high)));
}

class MessageCrackers : public ::testing::TestWithParam<CrackCase> {};

TEST_P(MessageCrackers, HandlerGetsTheUnpackedParameters) {
    const CrackCase& c = GetParam();
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    wnd.log.clear();
    wnd.SendMessage(c.message, c.wParam, c.lParam);
    EXPECT_EQ(wnd.Last(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Wnd, MessageCrackers,
    ::testing::Values(CrackCase{WM_SIZE, SIZE_MAXIMIZED, Pack(640, 480), "Size 2 640 480"},
                      CrackCase{WM_MOVE, 0, Pack(-20, 35), "Move -20 35"},
                      CrackCase{WM_TIMER, 77, 0, "Timer 77"},
                      CrackCase{WM_KEYDOWN, VK_F5, Pack(3, 0x4001), "KeyDown 116 3 16385"},
                      CrackCase{WM_CHAR, 'x', Pack(1, 0), "Char 120 1 0"},
                      CrackCase{WM_SYSKEYDOWN, VK_MENU, Pack(1, 0x2000), "SysKeyDown 18 1 8192"},
                      CrackCase{WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, Pack(-5, 300), "LButtonDown 5 -5 300"},
                      CrackCase{WM_RBUTTONUP, 0, Pack(7, 8), "RButtonUp 0 7 8"},
                      CrackCase{WM_MOUSEMOVE, MK_CONTROL, Pack(1, -1), "MouseMove 8 1 -1"},
                      CrackCase{WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, static_cast<WORD>(-120)), Pack(-100, 50),
                                "MouseWheel 4 -120 -100 50"},
                      CrackCase{WM_SETTINGCHANGE, SPI_SETWORKAREA, reinterpret_cast<LPARAM>("intl"),
                                "SettingChange 47 intl"},
                      CrackCase{WM_SYSCOMMAND, SC_KEYMENU, 'f', "SysCommand 61696 102"},
                      CrackCase{WM_NCHITTEST, 0, Pack(-3, 4), "NcHitTest -3 4"},
                      CrackCase{WM_ACTIVATEAPP, TRUE, 1234, "ActivateApp 1 1234"},
                      CrackCase{WM_ENTERIDLE, MSGF_MENU, 0, "EnterIdle 2 0"},
                      CrackCase{WM_MENUSELECT, MAKEWPARAM(ID_CMD_A, MF_HILITE), 0, "MenuSelect 32769 128 1"},
                      CrackCase{WM_TEST_APP, 40, 2, "App 40 2"}));

TEST(Wnd, CrackersReturnTheHandlersResult) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    EXPECT_EQ(wnd.SendMessage(WM_TEST_APP, 40, 2), 42);
    EXPECT_EQ(wnd.SendMessage(WM_NCHITTEST, 0, 0), HTCAPTION);

    MINMAXINFO mmi{};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    EXPECT_EQ(mmi.ptMinTrackSize.x, 123);

    char data[] = "payload";
    COPYDATASTRUCT cds{5, 7, data};
    EXPECT_EQ(wnd.SendMessage(WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds)), TRUE);
    EXPECT_EQ(wnd.Last(), "CopyData 1 5 payload");

    HELPINFO help{};
    help.cbSize = sizeof help;
    help.iCtrlId = 1005;
    EXPECT_EQ(wnd.SendMessage(WM_HELP, 0, reinterpret_cast<LPARAM>(&help)), TRUE);
    EXPECT_EQ(wnd.Last(), "HelpInfo 1005");

    wnd.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(wnd.m_hWnd), Pack(-1, -1));
    EXPECT_EQ(wnd.Last(), "ContextMenu 1 -1 -1");
}

TEST(Wnd, RegisteredMessageIsFoundByItsRuntimeNumber) {
    // The same name gives the same number; the map entry holds the variable, not a fixed number.
    EXPECT_EQ(::RegisterWindowMessageA("Brindlemark.WindowTests.Registered"), WM_TEST_REGISTERED);
    EXPECT_EQ(CWnd::RegisterMessage("Brindlemark.WindowTests.Registered"), WM_TEST_REGISTERED);
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    EXPECT_EQ(wnd.SendMessage(WM_TEST_REGISTERED, 5, 0), 99);
    EXPECT_EQ(wnd.Last(), "Registered 5");
    const UINT other = ::RegisterWindowMessageA("Brindlemark.WindowTests.Other");
    wnd.log.clear();
    wnd.SendMessage(other, 5, 0);
    EXPECT_TRUE(wnd.log.empty());
}

TEST(Wnd, RealEventsArriveThroughTheMap) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    wnd.log.clear();
    wnd.MoveWindow(20, 30, 200, 100);
    CRect client;
    wnd.GetClientRect(&client);
    CPoint origin(0, 0);
    wnd.ClientToScreen(&origin);
    EXPECT_TRUE(wnd.Saw("Move " + std::to_string(origin.x) + " " + std::to_string(origin.y)));
    EXPECT_TRUE(wnd.Saw("Size 0 " + std::to_string(client.Width()) + " " + std::to_string(client.Height())));

    wnd.log.clear();
    ASSERT_NE(wnd.SetTimer(31, 1, nullptr), 0u);
    for (int i = 0; i < 100 && !wnd.Saw("Timer 31"); ++i) {
        ::Sleep(2);
        PumpPending();
    }
    wnd.KillTimer(31);
    EXPECT_TRUE(wnd.Saw("Timer 31"));
}

// ---------------------------------------------------------------------------------------------------
// Subclassing

class CharCounter : public CWnd {
public:
    std::string typed;
    int destroyed = 0;

protected:
    afx_msg void OnChar(UINT nChar, UINT, UINT) {
        typed += static_cast<char>(nChar);
        Default(); // the edit control still gets the character
    }
    afx_msg void OnNcDestroy() {
        ++destroyed;
        CWnd::OnNcDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CharCounter, CWnd)
ON_WM_CHAR()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

class SubclassTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateTest());
        hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 100, 20, parent.m_hWnd,
                                  reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_NAME)),
                                  ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(hEdit, nullptr);
        originalProc = ::GetWindowLongPtrA(hEdit, GWLP_WNDPROC);
    }
    void Type(const char* text) {
        for (const char* p = text; *p; ++p)
            ::SendMessageA(hEdit, WM_CHAR, static_cast<WPARAM>(*p), 1);
    }

    RecordingWnd parent;
    HWND hEdit = nullptr;
    LONG_PTR originalProc = 0;
};

TEST_F(SubclassTest, SubclassedControlKeepsItsBehaviour) {
    CharCounter edit;
    ASSERT_TRUE(edit.SubclassWindow(hEdit));
    EXPECT_EQ(CWnd::FromHandle(hEdit), &edit);
    EXPECT_NE(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), originalProc);
    Type("ab1");
    EXPECT_EQ(edit.typed, "ab1");
    EXPECT_EQ(TextOf(hEdit), "ab1");

    EXPECT_EQ(edit.UnsubclassWindow(), hEdit);
    EXPECT_EQ(::GetWindowLongPtrA(hEdit, GWLP_WNDPROC), originalProc);
    EXPECT_EQ(CWnd::FromHandlePermanent(hEdit), nullptr);
    Type("z");
    EXPECT_EQ(edit.typed, "ab1");
    EXPECT_EQ(TextOf(hEdit), "ab1z");
}

TEST_F(SubclassTest, SubclassDlgItemFindsTheControlByIdAndCleansUpOnDestroy) {
    CharCounter edit;
    ASSERT_TRUE(edit.SubclassDlgItem(IDC_NAME, &parent));
    EXPECT_EQ(edit.m_hWnd, hEdit);
    CharCounter second;
    EXPECT_FALSE(second.SubclassWindow(hEdit));               // already has an object
    EXPECT_FALSE(second.SubclassDlgItem(IDC_COUNT, &parent)); // no such control
    Type("q");
    EXPECT_EQ(edit.typed, "q");
    parent.DestroyWindow(); // destroys the edit too
    EXPECT_EQ(edit.destroyed, 1);
    EXPECT_EQ(edit.m_hWnd, nullptr);
}

// ---------------------------------------------------------------------------------------------------
// Commands and notifications between controls and parents

class ParentWnd : public RecordingWnd {
public:
    BOOL exResult = FALSE;
    LRESULT notifyResult = 7;

protected:
    afx_msg void OnButton() { Add("parent:clicked"); }
    afx_msg void OnOtherDouble() { Add("parent:double"); }
    afx_msg void OnButtonDouble() { Add("parent:button double"); }
    afx_msg void OnRangeClicked(UINT nID) { Add("parent:range", nID); }
    afx_msg void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult) {
        Add("parent:notify", pNMHDR->idFrom);
        *pResult = notifyResult;
    }
    afx_msg BOOL OnNotifyEx(UINT nID, NMHDR*, LRESULT* pResult) {
        Add("parent:notifyex", nID);
        *pResult = 3;
        return exResult;
    }
    afx_msg void OnNotifyRange(UINT nID, NMHDR*, LRESULT*) { Add("parent:notifyrange", nID); }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
        Add("parent:ctlcolor", nCtlColor, pWnd != nullptr, pDC != nullptr);
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ParentWnd, RecordingWnd)
ON_BN_CLICKED(IDC_BUTTON, OnButton)
ON_BN_DOUBLECLICKED(IDC_OTHER_BUTTON, OnOtherDouble)
ON_BN_DOUBLECLICKED(IDC_BUTTON, OnButtonDouble)
ON_CONTROL_RANGE(BN_CLICKED, IDC_RANGE_BUTTON, IDC_RANGE_BUTTON + 3, OnRangeClicked)
ON_NOTIFY(NM_CLICK, IDC_BUTTON, OnNotifyClick)
ON_NOTIFY_EX(NM_DBLCLK, IDC_BUTTON, OnNotifyEx)
ON_NOTIFY_RANGE(NM_RCLICK, IDC_BUTTON, IDC_RANGE_BUTTON, OnNotifyRange)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

// A control that handles its own notifications.
class ReflectingButton : public CWnd {
public:
    std::vector<std::string> log;
    BOOL passOn = FALSE;
    HBRUSH brush = nullptr;

protected:
    afx_msg BOOL OnClickedEx() {
        log.push_back("child:clicked");
        return !passOn;
    }
    afx_msg void OnDoubleClicked() { log.push_back("child:double"); }
    afx_msg void OnNotifyClick(NMHDR*, LRESULT* pResult) {
        log.push_back("child:notify");
        *pResult = 11;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor) {
        log.push_back("child:ctlcolor " + std::to_string(nCtlColor));
        return brush;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingButton, CWnd)
ON_CONTROL_REFLECT_EX(BN_CLICKED, OnClickedEx)
ON_CONTROL_REFLECT(BN_DOUBLECLICKED, OnDoubleClicked)
ON_NOTIFY_REFLECT(NM_CLICK, OnNotifyClick)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class RoutingTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(parent.CreateTest());
        hButton = MakeButton(IDC_BUTTON);
        ASSERT_NE(hButton, nullptr);
        parent.log.clear();
    }
    HWND MakeButton(int id) {
        return ::CreateWindowExA(0, "BUTTON", "Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 80, 20,
                                 parent.m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
    }
    LRESULT Notify(HWND hFrom, int id, UINT code) {
        NMHDR hdr{hFrom, static_cast<UINT_PTR>(id), code};
        return parent.SendMessage(WM_NOTIFY, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&hdr));
    }

    ParentWnd parent;
    HWND hButton = nullptr;
};

TEST_F(RoutingTest, ButtonClickReachesTheParentsHandler) {
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(parent.Saw("parent:clicked"));
}

TEST_F(RoutingTest, NotificationCodesAndRangesSelectTheEntry) {
    HWND hOther = MakeButton(IDC_OTHER_BUTTON);
    HWND hRange = MakeButton(IDC_RANGE_BUTTON + 2);
    parent.log.clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OTHER_BUTTON, BN_CLICKED),
                       reinterpret_cast<LPARAM>(hOther));
    EXPECT_TRUE(parent.log.empty()); // only BN_DOUBLECLICKED is handled for that button
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_OTHER_BUTTON, BN_DOUBLECLICKED),
                       reinterpret_cast<LPARAM>(hOther));
    EXPECT_EQ(parent.Last(), "parent:double");
    ::SendMessageA(hRange, BM_CLICK, 0, 0);
    EXPECT_EQ(parent.Last(), "parent:range " + std::to_string(IDC_RANGE_BUTTON + 2));
}

TEST_F(RoutingTest, NotifyHandlersSetTheResult) {
    EXPECT_EQ(Notify(hButton, IDC_BUTTON, NM_CLICK), 7);
    EXPECT_EQ(parent.Last(), "parent:notify " + std::to_string(IDC_BUTTON));

    // ON_NOTIFY_EX: the handler's result counts when it says it handled the notification.
    parent.exResult = TRUE;
    EXPECT_EQ(Notify(hButton, IDC_BUTTON, NM_DBLCLK), 3);
    parent.exResult = FALSE;
    parent.log.clear();
    Notify(hButton, IDC_BUTTON, NM_DBLCLK);
    EXPECT_EQ(parent.Last(), "parent:notifyex " + std::to_string(IDC_BUTTON));

    HWND hRange = MakeButton(IDC_RANGE_BUTTON);
    Notify(hRange, IDC_RANGE_BUTTON, NM_RCLICK);
    EXPECT_EQ(parent.Last(), "parent:notifyrange " + std::to_string(IDC_RANGE_BUTTON));
}

TEST_F(RoutingTest, ReflectedNotificationsStayWithTheControl) {
    // Without an object of its own the button's notification reaches the parent's handler.
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_DOUBLECLICKED),
                       reinterpret_cast<LPARAM>(hButton));
    EXPECT_TRUE(parent.Saw("parent:button double"));

    ReflectingButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));

    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    EXPECT_EQ(button.log, std::vector<std::string>{"child:clicked"});
    EXPECT_FALSE(parent.Saw("parent:clicked"));

    // The _EX form that returns FALSE lets the parent handle it too.
    button.passOn = TRUE;
    ::SendMessageA(hButton, BM_CLICK, 0, 0);
    EXPECT_TRUE(parent.Saw("parent:clicked"));

    // The plain form always keeps the notification from the parent.
    parent.log.clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BUTTON, BN_DOUBLECLICKED),
                       reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(button.log.back(), "child:double");
    EXPECT_FALSE(parent.Saw("parent:button double"));

    parent.log.clear();
    EXPECT_EQ(Notify(hButton, IDC_BUTTON, NM_CLICK), 11);
    EXPECT_EQ(button.log.back(), "child:notify");
    EXPECT_FALSE(parent.Saw("parent:notify " + std::to_string(IDC_BUTTON)));
}

TEST_F(RoutingTest, CtlColorIsReflectedWhenTheControlChoosesABrush) {
    ReflectingButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    HDC hDC = ::GetDC(hButton);
    HBRUSH red = ::CreateSolidBrush(RGB(255, 0, 0));

    button.brush = red;
    const LRESULT chosen =
        parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(chosen), red);
    EXPECT_EQ(parent.Last(), "parent:ctlcolor " + std::to_string(CTLCOLOR_BTN) + " 1 1");
    EXPECT_EQ(button.log.back(), "child:ctlcolor " + std::to_string(CTLCOLOR_BTN));

    // No brush from the control: the parent's default processing answers.
    button.brush = nullptr;
    const LRESULT fallback =
        parent.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(hButton));
    EXPECT_EQ(fallback, ::DefWindowProcA(parent.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hDC),
                                         reinterpret_cast<LPARAM>(hButton)));
    ::ReleaseDC(hButton, hDC);
    ::DeleteObject(red);
}

// An owner-drawn control that draws and measures itself.
class SelfDrawingButton : public CWnd {
public:
    int drawn = 0;
    UINT drawnAction = 0;

protected:
    afx_msg void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
        ++drawn;
        drawnAction = lpDrawItemStruct->itemAction;
    }
    afx_msg void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) {
        lpMeasureItemStruct->itemHeight = 33;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(SelfDrawingButton, CWnd)
ON_WM_DRAWITEM_REFLECT()
ON_WM_MEASUREITEM_REFLECT()
END_MESSAGE_MAP()

TEST_F(RoutingTest, OwnerDrawMessagesAreReflectedToTheControl) {
    SelfDrawingButton button;
    ASSERT_TRUE(button.SubclassWindow(hButton));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = IDC_BUTTON;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = hButton;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, IDC_BUTTON, reinterpret_cast<LPARAM>(&draw)), TRUE);
    EXPECT_EQ(button.drawn, 1);
    EXPECT_EQ(button.drawnAction, static_cast<UINT>(ODA_DRAWENTIRE));

    // WM_MEASUREITEM names the control by id only.
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = IDC_BUTTON;
    parent.SendMessage(WM_MEASUREITEM, IDC_BUTTON, reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(measure.itemHeight, 33u);
}

// ---------------------------------------------------------------------------------------------------
// Commands from menus and accelerators, and their update handlers

class CommandWnd : public RecordingWnd {
public:
    BOOL enableA = TRUE;
    int commandsA = 0;
    int commandsB = 0;
    HACCEL hAccel = ::LoadAcceleratorsA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TEST_ACCEL));

    BOOL PreTranslateMessage(MSG* pMsg) override {
        return hAccel != nullptr && ::TranslateAcceleratorA(m_hWnd, hAccel, pMsg);
    }

protected:
    afx_msg void OnA() { ++commandsA; }
    afx_msg void OnB() { ++commandsB; }
    afx_msg void OnUpdateA(CCmdUI* pCmdUI) { pCmdUI->Enable(enableA); }
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu) {
        if (!bSysMenu)
            CCmdUI::UpdateMenu(this, pPopupMenu, TRUE);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommandWnd, RecordingWnd)
ON_COMMAND(ID_CMD_A, OnA)
ON_COMMAND(ID_CMD_B, OnB)
ON_UPDATE_COMMAND_UI(ID_CMD_A, OnUpdateA)
ON_WM_INITMENUPOPUP()
END_MESSAGE_MAP()

TEST(Commands, DisabledCommandIsNotCarriedOutFromMenuOrAccelerator) {
    CommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    ASSERT_NE(wnd.hAccel, nullptr);
    int expected = 0;
    for (BOOL enabled : {TRUE, FALSE, TRUE}) {
        wnd.enableA = enabled;
        // menu item: WM_COMMAND with no control
        wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_CMD_A, 0), 0);
        expected += enabled ? 1 : 0;
        EXPECT_EQ(wnd.commandsA, expected) << "menu, enabled=" << enabled;
        // accelerator: the key goes through the message loop and PreTranslateMessage
        wnd.PostMessage(WM_KEYDOWN, VK_F5, 1);
        PumpPending();
        expected += enabled ? 1 : 0;
        EXPECT_EQ(wnd.commandsA, expected) << "accelerator, enabled=" << enabled;
    }
    // A command without update handler runs.
    wnd.PostMessage(WM_KEYDOWN, VK_F6, 1);
    PumpPending();
    EXPECT_EQ(wnd.commandsB, 1);
}

TEST(Commands, InitMenuPopupUpdatesTheMenuThroughTheWindow) {
    CommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    CMenu bar;
    ASSERT_TRUE(bar.LoadMenu(IDR_TEST_MENU));
    CMenu* popup = bar.GetSubMenu(0);
    wnd.enableA = FALSE;
    wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), MAKELPARAM(0, FALSE));
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_A, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(popup->GetMenuState(ID_CMD_B, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(popup->GetMenuState(ID_CMD_NOHANDLER, MF_BYCOMMAND) & MF_GRAYED);
    wnd.enableA = TRUE;
    wnd.SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup->m_hMenu), MAKELPARAM(0, FALSE));
    EXPECT_FALSE(popup->GetMenuState(ID_CMD_A, MF_BYCOMMAND) & MF_GRAYED);
}

TEST(Commands, UpdateDialogControlsEnablesButtonsByTheirHandlers) {
    CommandWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    auto make = [&](int id, DWORD style) {
        return ::CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE | style, 0, 0, 50, 20, wnd.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 ::GetModuleHandleA(nullptr), nullptr);
    };
    HWND hA = make(ID_CMD_A, BS_PUSHBUTTON);
    HWND hB = make(ID_CMD_B, BS_PUSHBUTTON);
    HWND hNone = make(ID_CMD_NOHANDLER, BS_PUSHBUTTON);
    HWND hCheck = make(ID_CMD_NOHANDLER + 1, BS_AUTOCHECKBOX);
    wnd.enableA = FALSE;
    wnd.UpdateDialogControls(&wnd, TRUE);
    EXPECT_FALSE(::IsWindowEnabled(hA));    // update handler
    EXPECT_TRUE(::IsWindowEnabled(hB));     // command handler
    EXPECT_FALSE(::IsWindowEnabled(hNone)); // no handler
    EXPECT_TRUE(::IsWindowEnabled(hCheck)); // check boxes work on their own
    wnd.enableA = TRUE;
    wnd.UpdateDialogControls(&wnd, FALSE);
    EXPECT_TRUE(::IsWindowEnabled(hA));
}

// ---------------------------------------------------------------------------------------------------
// Relations, text, styles, geometry

TEST(Wnd, RelationsBetweenParentsChildrenAndOwners) {
    RecordingWnd top;
    ASSERT_TRUE(top.CreateTest());
    RecordingWnd child;
    ASSERT_TRUE(child.CreateTest(&top));
    RecordingWnd grandChild;
    ASSERT_TRUE(grandChild.Create(nullptr, "gc", WS_VISIBLE, CRect(0, 0, 20, 20), &child, 77));
    RecordingWnd popup;
    ASSERT_TRUE(popup.CreateEx(0, AfxRegisterWndClass(0), "popup", WS_POPUP, CRect(0, 0, 10, 10), &child, 0));

    EXPECT_EQ(grandChild.GetParent(), &child);
    EXPECT_EQ(grandChild.GetParentOwner(), &top);
    EXPECT_EQ(grandChild.GetTopLevelParent(), &top);
    EXPECT_EQ(popup.GetTopLevelParent(), &top); // owned by the top window of the child it was given
    EXPECT_EQ(grandChild.GetDlgCtrlID(), 77);
    EXPECT_EQ(child.GetDlgItem(77), &grandChild);
    EXPECT_EQ(top.GetDescendantWindow(77), &grandChild);
    EXPECT_EQ(top.GetDescendantWindow(78), nullptr);
    EXPECT_TRUE(top.IsChild(&grandChild));
    EXPECT_FALSE(top.IsChild(&popup));
    EXPECT_EQ(grandChild.GetOwner(), &child);
    grandChild.SetOwner(&top);
    EXPECT_EQ(grandChild.GetOwner(), &top);
    EXPECT_EQ(grandChild.GetParentFrame(), nullptr); // no frame windows around
}

TEST(Wnd, TextAndDialogItemHelpers) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, wnd.m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_VALUE)),
                                   ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hEdit, nullptr);
    wnd.SetWindowText("Caption \xE4");
    CString text;
    wnd.GetWindowText(text);
    EXPECT_EQ(text, "Caption \xE4");
    EXPECT_EQ(wnd.GetWindowTextLength(), 9);
    char buffer[5];
    EXPECT_EQ(wnd.GetWindowText(buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "Capt");

    wnd.SetDlgItemInt(IDC_VALUE, static_cast<UINT>(-42), TRUE);
    BOOL ok = FALSE;
    EXPECT_EQ(static_cast<int>(wnd.GetDlgItemInt(IDC_VALUE, &ok, TRUE)), -42);
    EXPECT_TRUE(ok);
    wnd.SetDlgItemText(IDC_VALUE, "x9");
    wnd.GetDlgItemInt(IDC_VALUE, &ok);
    EXPECT_FALSE(ok);
    EXPECT_EQ(wnd.GetDlgItemText(IDC_VALUE, text), 2);
    EXPECT_EQ(text, "x9");

    for (int id : {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3})
        ::CreateWindowExA(0, "BUTTON", "r", WS_CHILD | BS_RADIOBUTTON, 0, 0, 20, 20, wnd.m_hWnd,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), ::GetModuleHandleA(nullptr),
                          nullptr);
    wnd.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO2);
    EXPECT_EQ(wnd.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3), IDC_RADIO2);
    EXPECT_EQ(wnd.IsDlgButtonChecked(IDC_RADIO2), static_cast<UINT>(BST_CHECKED));
    wnd.CheckDlgButton(IDC_RADIO2, BST_UNCHECKED);
    EXPECT_EQ(wnd.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3), 0);
}

TEST(Wnd, StylesAndGeometry) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest(nullptr, WS_OVERLAPPEDWINDOW));
    EXPECT_TRUE(wnd.GetStyle() & WS_CAPTION);
    // WS_CAPTION is WS_BORDER | WS_DLGFRAME: the border stays.
    EXPECT_TRUE(wnd.ModifyStyle(WS_CAPTION, WS_BORDER, SWP_FRAMECHANGED));
    EXPECT_EQ(wnd.GetStyle() & WS_CAPTION, static_cast<DWORD>(WS_BORDER));
    EXPECT_FALSE(wnd.ModifyStyle(WS_DLGFRAME, 0)); // nothing changes
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_TOOLWINDOW, SWP_FRAMECHANGED));
    EXPECT_TRUE(wnd.GetExStyle() & WS_EX_TOOLWINDOW);

    wnd.MoveWindow(CRect(100, 50, 400, 250));
    CRect window;
    wnd.GetWindowRect(&window);
    EXPECT_EQ(window, CRect(100, 50, 400, 250));
    CRect client;
    wnd.GetClientRect(&client);
    CRect calc = client;
    wnd.ClientToScreen(&calc);
    wnd.CalcWindowRect(&calc);
    // the client area grown by the frame is the window
    EXPECT_EQ(calc.left, window.left);
    EXPECT_EQ(calc.top, window.top);
    EXPECT_EQ(calc.right, window.right);
    EXPECT_EQ(calc.bottom, window.bottom);
    CPoint pt(0, 0);
    wnd.ClientToScreen(&pt);
    wnd.ScreenToClient(&pt);
    EXPECT_EQ(pt, CPoint(0, 0));

    EXPECT_TRUE(wnd.SetWindowPos(&CWnd::wndTop, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    wnd.GetWindowRect(&window);
    EXPECT_EQ(window.TopLeft(), CPoint(10, 20));
}

TEST(Wnd, CenterWindowCentresAChildInItsParent) {
    RecordingWnd parent;
    ASSERT_TRUE(parent.CreateTest());
    RecordingWnd child;
    ASSERT_TRUE(child.Create(nullptr, "c", WS_VISIBLE, CRect(0, 0, 40, 20), &parent, 5));
    child.CenterWindow();
    CRect parentClient;
    parent.GetClientRect(&parentClient);
    CRect rect;
    child.GetWindowRect(&rect);
    parent.ScreenToClient(&rect);
    EXPECT_EQ(rect.left, parentClient.Width() / 2 - 20);
    EXPECT_EQ(rect.top, parentClient.Height() / 2 - 10);
}

TEST(Wnd, ShowEnableFocusAndScrollBars) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest(nullptr, WS_OVERLAPPEDWINDOW | WS_VSCROLL));
    EXPECT_FALSE(wnd.IsWindowVisible());
    wnd.ShowWindow(SW_SHOW);
    EXPECT_TRUE(wnd.IsWindowVisible());
    EXPECT_TRUE(wnd.Saw("ShowWindow 1 0"));
    wnd.EnableWindow(FALSE);
    EXPECT_FALSE(wnd.IsWindowEnabled());
    wnd.EnableWindow(TRUE);

    RecordingWnd child;
    ASSERT_TRUE(child.CreateTest(&wnd));
    child.SetFocus();
    EXPECT_EQ(CWnd::GetFocus(), &child);

    wnd.SetScrollRange(SB_VERT, 0, 100, FALSE);
    SCROLLINFO info{};
    info.fMask = SIF_PAGE;
    info.nPage = 10;
    wnd.SetScrollInfo(SB_VERT, &info, FALSE);
    EXPECT_EQ(wnd.GetScrollLimit(SB_VERT), 91);
    wnd.SetScrollPos(SB_VERT, 40, FALSE);
    EXPECT_EQ(wnd.GetScrollPos(SB_VERT), 40);
    int lo = -1;
    int hi = -1;
    wnd.GetScrollRange(SB_VERT, &lo, &hi);
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 100);
    EXPECT_TRUE(wnd.GetScrollInfo(SB_VERT, &info, SIF_ALL));
    EXPECT_EQ(info.nPos, 40);
}

TEST(Wnd, SendMessageToDescendantsReachesEveryLevel) {
    RecordingWnd top;
    ASSERT_TRUE(top.CreateTest());
    RecordingWnd child;
    ASSERT_TRUE(child.CreateTest(&top));
    RecordingWnd grandChild;
    ASSERT_TRUE(grandChild.CreateTest(&child));
    HWND hForeign = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, top.m_hWnd, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(hForeign, nullptr);

    top.SendMessageToDescendants(WM_TEST_APP, 1, 2, TRUE, TRUE);
    EXPECT_EQ(child.Last(), "App 1 2");
    EXPECT_EQ(grandChild.Last(), "App 1 2");
    EXPECT_NE(top.Last(), "App 1 2"); // not the window itself
    top.SendMessageToDescendants(WM_TEST_APP, 3, 4, FALSE, TRUE);
    EXPECT_EQ(child.Last(), "App 3 4");
    EXPECT_EQ(grandChild.Last(), "App 1 2");
}

TEST(Wnd, FontAndDeviceContextWrappers) {
    RecordingWnd wnd;
    ASSERT_TRUE(wnd.CreateTest());
    HWND hEdit = ::CreateWindowExA(0, "EDIT", "", WS_CHILD, 0, 0, 50, 20, wnd.m_hWnd, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
    CWnd edit;
    ASSERT_TRUE(edit.Attach(hEdit));
    LOGFONTA lf{};
    lf.lfHeight = -13;
    lstrcpyA(lf.lfFaceName, "Tahoma");
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    EXPECT_EQ(CFont::FromHandle(font), &font);
    edit.SetFont(&font, FALSE);
    EXPECT_EQ(edit.GetFont(), &font);
    LOGFONTA back{};
    ASSERT_TRUE(edit.GetFont()->GetLogFont(&back));
    EXPECT_EQ(back.lfHeight, -13);

    CDC* pDC = wnd.GetDC();
    ASSERT_NE(pDC, nullptr);
    EXPECT_NE(pDC->GetSafeHdc(), nullptr);
    EXPECT_EQ(CDC::FromHandle(pDC->m_hDC), pDC);
    EXPECT_EQ(wnd.ReleaseDC(pDC), 1);
    CDC::DeleteTempMap();
    EXPECT_EQ(AfxMapHDC()->GetTemporaryCount(), 0u);

    HFONT stock = static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    CFont* pTemp = CFont::FromHandle(stock);
    ASSERT_NE(pTemp, nullptr);
    EXPECT_EQ(pTemp->m_hObject, stock);
    CGdiObject::DeleteTempMap();
    LOGFONTA stockFont{};
    EXPECT_EQ(::GetObjectA(stock, sizeof stockFont, &stockFont),
              static_cast<int>(sizeof stockFont)); // not deleted
    edit.Detach();
}

TEST(Wnd, NullWrapperPointersGiveNullHandles) {
    // FromHandle of a null handle is the usual source of such pointers.
    CWnd* none = CWnd::FromHandle(nullptr);
    CMenu* noMenu = CMenu::FromHandle(nullptr);
    CDC* noDC = CDC::FromHandle(nullptr);
    CFont* noFont = CFont::FromHandle(nullptr);
    ASSERT_EQ(none, nullptr);
    EXPECT_EQ(none->GetSafeHwnd(), nullptr);
    EXPECT_EQ(noMenu->GetSafeHmenu(), nullptr);
    EXPECT_EQ(noDC->GetSafeHdc(), nullptr);
    EXPECT_EQ(noFont->GetSafeHandle(), nullptr);
}

} // namespace
