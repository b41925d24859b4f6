// The drop-down services of the library: the drop-down lock, the pop-up's colours and its forwarding of
// the list's notifications, and the locale's date order and separators through the date-time object
// (also under a German locale).
#include "ControlsTestSupport.h"

#include "framework/win/CClientDC.h"
#include "framework/win/CListBox.h"
#include "grid/controls/CGEOleDateTimeImp.h"
#include "grid/controls/combo/CGEGridCombo.h"
#include "grid/controls/combo/GEDropDown.h"
#include "grid/core/CGELibraryState.h"

using namespace ctltest;

namespace {

// A window that records the commands it is sent.
class CommandSink : public CWnd {
public:
    BOOL OnCommand(WPARAM wParam, LPARAM) override {
        lastCode = HIWORD(wParam);
        ++commands;
        return TRUE;
    }
    int commands = 0;
    UINT lastCode = 0;
};

} // namespace

TEST(DropDown, TheLockComesBackAfterItsScope) {
    StartEngine();
    GESetDropDownLock(FALSE);
    {
        GEDropDownLockScope lock;
        EXPECT_TRUE(GEGetDropDownLock());
        EXPECT_TRUE(GEGetLibraryState()->m_bDropDownLock);
    }
    EXPECT_FALSE(GEGetDropDownLock());
    EXPECT_FALSE(GEGetPopupClassName().IsEmpty());
}

TEST(DropDown, ThePopupColoursItsListAndPassesItsNotificationsOn) {
    StartEngine();
    CommandSink sink;
    ASSERT_TRUE(
        sink.CreateEx(0, AfxRegisterWndClass(0), "sink", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr));
    auto* pPopup = new CGEGridCombo(&sink, nullptr, CRect(10, 10, 110, 60));
    ASSERT_NE(pPopup->GetSafeHwnd(), nullptr);
    EXPECT_FALSE(GEGetDropDownLock()) << "the lock is held only while the window is made";
    EXPECT_NE(pPopup->GetExStyle() & WS_EX_TOOLWINDOW, 0u);
    CRect rect;
    pPopup->GetWindowRect(&rect);
    EXPECT_EQ(rect, CRect(9, 10, 110, 60)) << "one pixel further left, one wider";
    auto* pList = new CListBox;
    ASSERT_TRUE(pList->CreateEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE | LBS_NOTIFY, CRect(0, 0, 100, 50),
                                pPopup, 7));
    pPopup->SetChild(pList);
    pPopup->SetColors(RGB(1, 2, 3), RGB(200, 100, 50));
    CClientDC dc(pList);
    const HBRUSH hBrush = reinterpret_cast<HBRUSH>(
        pPopup->SendMessage(WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc.GetSafeHdc()),
                            reinterpret_cast<LPARAM>(pList->m_hWnd)));
    ASSERT_NE(hBrush, nullptr);
    LOGBRUSH logBrush{};
    ::GetObjectA(hBrush, sizeof logBrush, &logBrush);
    EXPECT_EQ(logBrush.lbColor, RGB(200, 100, 50));
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    pPopup->SendMessage(WM_COMMAND, MAKEWPARAM(7, LBN_SELCHANGE), reinterpret_cast<LPARAM>(pList->m_hWnd));
    EXPECT_EQ(sink.commands, 1);
    EXPECT_EQ(sink.lastCode, static_cast<UINT>(LBN_SELCHANGE)) << "unchanged";
    pPopup->SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(::IsWindow(pPopup->m_hWnd)) << "system commands are ignored";
    delete pPopup; // and its list
    sink.DestroyWindow();
}

TEST(DropDownLocale, TheOrderOfAShortDatePicture) {
    BOOL bFourDigits = FALSE;
    EXPECT_EQ(CGEOleDateTimeImp::OrderOfPicture("M/d/yyyy", &bFourDigits), 1);
    EXPECT_TRUE(bFourDigits);
    EXPECT_EQ(CGEOleDateTimeImp::OrderOfPicture("dd.MM.yy", &bFourDigits), 0);
    EXPECT_FALSE(bFourDigits);
    EXPECT_EQ(CGEOleDateTimeImp::OrderOfPicture("yyyy-MM-dd", nullptr), 2);
}

TEST(DropDownLocale, WithoutADateTimeObjectTheAnswersAreFixed) {
    StartEngine();
    CGELibraryState* pState = GEGetLibraryState();
    CGEAbstractOleDateTimeImp* pImp = pState->m_pOleDateTimeImp;
    pState->m_pOleDateTimeImp = nullptr;
    CString strSeparator("unchanged");
    EXPECT_EQ(GEGetDateOrder(nullptr, &strSeparator), 3);
    EXPECT_STREQ(strSeparator, "unchanged");
    EXPECT_EQ(GEGetTimeSeparator(), ':');
    GEDateTimeRefreshLocale();
    pState->m_pOleDateTimeImp = pImp;
}

TEST(DropDownLocale, TheUsersDateOrder) {
    StartEngine();
    GEDateTimeRefreshLocale();
    BOOL bFourDigits = FALSE;
    CString strSeparator;
    EXPECT_EQ(GEGetDateOrder(&bFourDigits, &strSeparator), 1) << "English (United States): month first";
    EXPECT_STREQ(strSeparator, "/");
    EXPECT_EQ(GEGetTimeSeparator(), ':');
}

TEST(DropDownLocale, TheUsersDateOrderDeDE) {
    StartEngine();
    GEDateTimeRefreshLocale();
    BOOL bFourDigits = FALSE;
    CString strSeparator;
    EXPECT_EQ(GEGetDateOrder(&bFourDigits, &strSeparator), 0) << "German: day first";
    EXPECT_STREQ(strSeparator, ".");
    EXPECT_TRUE(bFourDigits);
    EXPECT_EQ(GEGetTimeSeparator(), ':');
}
