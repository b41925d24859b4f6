// The drop edit: an edit window with a push button in its frame. The button takes room from the text only
// when it has an image, a completed press on it (or F4, Alt+Down) tells the parent, a press that ends
// beside it does not.
#include "ControlsTestSupport.h"

#include "grid/GridResource.h"
#include "grid/controls/gadgets/CGEBDropEdit.h"
#include "grid/core/CGESysDrawInfo.h"

#include <vector>

using namespace ctltest;

namespace {

constexpr UINT kEditId = 77;

// The WM_COMMAND messages the parent received.
struct Command {
    WPARAM wParam;
    LPARAM lParam;
};
thread_local std::vector<Command> t_commands;

LRESULT CALLBACK ParentProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND)
        t_commands.push_back({wParam, lParam});
    return ::DefWindowProcA(hWnd, message, wParam, lParam);
}

// A parent window and a drop edit inside it.
class DropEditHost {
public:
    explicit DropEditHost(UINT nBitmap, BOOL bLeft = FALSE) {
        StartEngine();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "DropEditTestParent";
        ::RegisterClassA(&wc);
        m_hParent = ::CreateWindowExA(0, "DropEditTestParent", "", WS_POPUP | WS_VISIBLE, 50, 50, 300, 100,
                                      nullptr, nullptr, wc.hInstance, nullptr);
        if (bLeft)
            edit.SetButtonFlags(0);
        edit.SetBitmap(nBitmap);
        edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 10, 170, 36), CWnd::FromHandle(m_hParent),
                    kEditId);
        t_commands.clear();
    }
    ~DropEditHost() {
        edit.DestroyWindow();
        ::DestroyWindow(m_hParent);
    }
    DropEditHost(const DropEditHost&) = delete;
    DropEditHost& operator=(const DropEditHost&) = delete;

    // The client rectangle of the edit in the parent's coordinates.
    CRect ClientInParent() {
        CRect rect;
        edit.GetClientRect(&rect);
        edit.MapWindowPoints(CWnd::FromHandle(m_hParent), &rect);
        return rect;
    }
    // A point of the parent's client area in screen and in the edit's client coordinates.
    CPoint ToScreen(CPoint point) const {
        ::ClientToScreen(m_hParent, &point);
        return point;
    }
    CPoint ToEditClient(CPoint point) const {
        ::MapWindowPoints(m_hParent, edit.m_hWnd, &point, 1);
        return point;
    }
    void PressAt(CPoint parentPoint) {
        const CPoint screen = ToScreen(parentPoint);
        edit.SendMessage(WM_NCLBUTTONDOWN, HTBORDER, MAKELPARAM(screen.x, screen.y));
    }
    void MoveTo(CPoint parentPoint) {
        const CPoint client = ToEditClient(parentPoint);
        edit.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }
    void ReleaseAt(CPoint parentPoint) {
        const CPoint client = ToEditClient(parentPoint);
        edit.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    }

    // The edit's own frame (both sides) as a plain edit of the same style has it.
    int FrameWidth() const {
        CRect rect(0, 0, 100, 30);
        ::AdjustWindowRectEx(&rect, edit.GetStyle(), FALSE, edit.GetExStyle());
        return rect.Width() - 100;
    }

    CGEBDropEdit edit;

private:
    HWND m_hParent = nullptr;
};

} // namespace

// Without an image the window is a plain edit: no room is taken and nothing is a button.
TEST(DropEdit, WithoutAnImageNoRoomIsTakenAndNothingIsAButton) {
    for (UINT nBitmap : {0u, 12345u}) {
        DropEditHost host(nBitmap);
        EXPECT_FALSE(host.edit.HasButton()) << nBitmap;
        EXPECT_EQ(host.edit.GetBitmapId(), 0u) << "an image that cannot be loaded leaves none";
        EXPECT_TRUE(host.edit.GetButtonRect().IsRectEmpty());
        const CRect client = host.ClientInParent();
        CRect rectWnd;
        host.edit.GetWindowRect(&rectWnd);
        EXPECT_EQ(client.Width(), rectWnd.Width() - host.FrameWidth());
        EXPECT_FALSE(host.edit.HitTestButton(client.right - 2, client.CenterPoint().y, FALSE));
    }
}

// The button takes a strip at the right (or left) edge, as wide as the image with its gaps and frames.
TEST(DropEdit, TheButtonTakesAStripAtItsEdge) {
    for (BOOL bLeft : {FALSE, TRUE}) {
        DropEditHost host(GE_IDB_DROP_ARROW, bLeft);
        ASSERT_TRUE(host.edit.HasButton());
        const int cxButton = host.edit.ButtonWidth();
        EXPECT_GT(cxButton, 6);
        const CRect client = host.ClientInParent();
        const CRect button = host.edit.GetButtonRect();
        CRect rectWnd;
        host.edit.GetWindowRect(&rectWnd);
        EXPECT_EQ(client.Width() + cxButton, rectWnd.Width() - host.FrameWidth()) << bLeft;
        EXPECT_EQ(button.Width(), cxButton);
        EXPECT_EQ(button.top, client.top);
        EXPECT_EQ(button.bottom, client.bottom);
        if (bLeft)
            EXPECT_EQ(button.right, client.left);
        else
            EXPECT_EQ(button.left, client.right);
        const CPoint center = host.ToScreen(button.CenterPoint());
        EXPECT_EQ(host.edit.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(center.x, center.y)), HTBORDER);
    }
}

// Press, moves and release: only a release on the button is a click, and the pressed look follows the
// mouse while it is held.
TEST(DropEdit, OnlyAReleaseOnTheButtonIsAClick) {
    struct Case {
        const char* pszName;
        bool bLeaveAndReturn;
        bool bReleaseOnButton;
        size_t nCommands;
    };
    const Case cases[] = {{"click", false, true, 1},
                          {"left and came back", true, true, 1},
                          {"released beside it", false, false, 0}};
    for (const Case& c : cases) {
        DropEditHost host(GE_IDB_DROP_ARROW);
        const CPoint onButton = host.edit.GetButtonRect().CenterPoint();
        const CPoint beside = host.ClientInParent().CenterPoint();
        host.PressAt(onButton);
        EXPECT_EQ(host.edit.GetButtonFlags() & 3, 3) << c.pszName << ": pressed and tracking";
        EXPECT_EQ(::GetCapture(), host.edit.m_hWnd);
        if (c.bLeaveAndReturn) {
            host.MoveTo(beside);
            EXPECT_EQ(host.edit.GetButtonFlags() & CGEBDropEdit::flagPressed, 0) << c.pszName;
            host.MoveTo(onButton);
            EXPECT_NE(host.edit.GetButtonFlags() & CGEBDropEdit::flagPressed, 0) << c.pszName;
        }
        host.ReleaseAt(c.bReleaseOnButton ? onButton : beside);
        EXPECT_EQ(host.edit.GetButtonFlags() & 3, 0) << c.pszName;
        EXPECT_NE(::GetCapture(), host.edit.m_hWnd);
        ASSERT_EQ(t_commands.size(), c.nCommands) << c.pszName;
        if (c.nCommands == 1) {
            EXPECT_EQ(t_commands[0].wParam, MAKEWPARAM(kEditId, 0));
            EXPECT_EQ(t_commands[0].lParam, reinterpret_cast<LPARAM>(host.edit.m_hWnd));
        }
    }
}

TEST(DropEdit, F4AndAltDownOpenTheDropDown) {
    DropEditHost host(GE_IDB_DROP_ARROW);
    host.edit.SendMessage(WM_KEYDOWN, VK_F4, 1);
    host.edit.SendMessage(WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    host.edit.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
    host.edit.SendMessage(WM_SYSKEYDOWN, VK_UP, 0x20000001);
    EXPECT_EQ(t_commands.size(), 2u);
}

TEST(DropEdit, CancelModeEndsAPress) {
    DropEditHost host(GE_IDB_DROP_ARROW);
    host.PressAt(host.edit.GetButtonRect().CenterPoint());
    host.edit.SendMessage(WM_CANCELMODE);
    EXPECT_EQ(host.edit.GetButtonFlags() & 3, 0);
    host.ReleaseAt(host.edit.GetButtonRect().CenterPoint());
    EXPECT_TRUE(t_commands.empty()) << "a cancelled press clicks nothing";
}

// The face: raised (face colour at the corner) or sunk (shadow all round), the image shifted when sunk.
TEST(DropEdit, ThePressedButtonIsDrawnSunk) {
    DropEditHost host(GE_IDB_DROP_ARROW);
    CGESysDrawInfo* pInfo = GEGetSysDrawInfo();
    const int cx = host.edit.ButtonWidth();
    constexpr int cy = 20;
    for (const BOOL bPressed : {FALSE, TRUE}) {
        const HDC hScreen = ::GetDC(nullptr);
        const HDC hMem = ::CreateCompatibleDC(hScreen);
        const HBITMAP hBitmap = ::CreateCompatibleBitmap(hScreen, cx, cy);
        ::ReleaseDC(nullptr, hScreen);
        const HGDIOBJ hOld = ::SelectObject(hMem, hBitmap);
        host.edit.SetButtonFlags(
            static_cast<WORD>(CGEBDropEdit::flagRight | (bPressed ? CGEBDropEdit::flagPressed : 0)));
        host.edit.DrawButton(CDC::FromHandle(hMem), CRect(0, 0, cx, cy));
        EXPECT_EQ(::GetPixel(hMem, 0, 0), bPressed ? pInfo->m_clrBtnShadow : pInfo->m_clrBtnFace) << bPressed;
        EXPECT_EQ(::GetPixel(hMem, cx - 1, cy - 1),
                  bPressed ? pInfo->m_clrBtnShadow : pInfo->m_clrWindowFrame);
        EXPECT_EQ(::GetPixel(hMem, 1, 1), bPressed ? pInfo->m_clrBtnFace : pInfo->m_clrBtnHilite);
        ::SelectObject(hMem, hOld);
        ::DeleteObject(hBitmap);
        ::DeleteDC(hMem);
    }
}
