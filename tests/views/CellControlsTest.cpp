// The program's cell controls: the bitmap buttons and where they draw, the cells with a button (room
// for the button, the click reaching the window that owns the grid), the files a file button hands its
// cell, the expand box of group rows asking and telling the owner window, and the check tree.
#include "ViewTestSupport.h"

#include "resource.h"
#include "views/CCheckTreeCtrl.h"
#include "views/CGEBitmapBtnTabbedCombo.h"
#include "views/CGESwatchTabbedCombo.h"
#include "views/CGroupStaticCtrl.h"
#include "views/CellButtonControls.h"

#include <string>

using namespace viewtest;

namespace {

TEST(CellButtons, TheBitmapIsCentredAndPushedOnePixel) {
    struct Case {
        CRect face;
        CSize bitmap;
        BOOL pushed;
        CPoint expected;
    };
    const Case cases[] = {
        {CRect(10, 20, 24, 30), CSize(8, 6), FALSE, CPoint(13, 22)},
        {CRect(10, 20, 24, 30), CSize(8, 6), TRUE, CPoint(14, 23)},
        {CRect(10, 20, 14, 22), CSize(8, 6), FALSE, CPoint(10, 20)}, // larger than the face: never before it
    };
    for (const Case& c : cases)
        EXPECT_EQ(CTransBitmapButtonBase::PlaceBitmap(c.face, c.bitmap, c.pushed), c.expected);
    EXPECT_EQ(CellButtonGeometry::ButtonRect(CRect(0, 0, 100, 20)), CRect(84, 3, 99, 17));
    EXPECT_EQ(CellButtonGeometry::ButtonRect(CRect(0, 0, 100, 10)), CRect(84, 0, 99, 14))
        << "never above the cell";
}

TEST(CellButtons, TheComboPicturesAndButtonsSitWhereTheCellLeavesThemRoom) {
    const CRect cell(10, 0, 110, 20);
    EXPECT_EQ(CGESwatchTabbedCombo::SwatchRect(cell), CRect(10, 3, 24, 17));
    EXPECT_EQ(CGEBitmapBtnTabbedCombo::ButtonRect(cell), CRect(78, 3, 93, 17)) << "before the drop arrow";
}

TEST(CellButtons, ChosenFilesBecomeOneCellValue) {
    struct Case {
        const char* what;
        std::string buffer; // as the open-file dialog leaves it, zeros included
        const char* expected;
    };
    const Case cases[] = {
        {"one file", std::string("C:\\Notes\\plan.txt\0\0", 19), "C:\\Notes\\plan.txt"},
        {"several files", std::string("C:\\Notes\0a.txt\0b.doc\0\0", 22),
         "C:\\Notes\\a.txt,C:\\Notes\\b.doc"},
        {"nothing", std::string("\0\0", 2), ""},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CFileOpenButton::JoinChosenFiles(c.buffer.data()), c.expected) << c.what;
}

// A frame that answers "ACX_GetCollapsed": row 2's group is collapsed.
class CollapsingFrame : public CFrameWnd {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == CGroupStaticCtrl::GetCollapsedMessage())
            return wParam == 2 ? 1 : 0;
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
};

class CellControls : public LogViewTest {
protected:
    CFrameWnd* NewFrame() override { return new CollapsingFrame; }
    // The message of that id posted to the frame, with its parameters; false when none.
    bool TakePosted(UINT message, WPARAM& wParam, LPARAM& lParam) {
        MSG msg;
        if (!::PeekMessageA(&msg, frame->GetSafeHwnd(), message, message, PM_REMOVE))
            return false;
        wParam = msg.wParam;
        lParam = msg.lParam;
        return true;
    }
};

TEST_F(CellControls, ACellWithAButtonLeavesItRoomAndTheClickReachesTheOwner) {
    AddEntry(At(2024, 3, 4, 9), At(2024, 3, 4, 10), nullptr, "Review");
    ASSERT_NE(MakeView(), nullptr);
    PumpPending();
    auto* plain = new CGEStatic(view);
    auto* withButton =
        new CGEStaticBtnControl(view, MakeCellButtonFactory<CParentPostButton>(), IDB_ROW_RUNNING);
    view->RegisterControl(60001, plain, FALSE, FALSE);
    view->RegisterControl(60002, withButton, FALSE, FALSE);
    const CRect cell(0, 0, 120, 20);
    const CGEStyle& style = view->LookupStyleRowCol(1, 1);
    EXPECT_EQ(withButton->ComputeTextRect(1, 1, &cell, &style).right,
              plain->ComputeTextRect(1, 1, &cell, &style).right - 18);
    CDC* pDC = view->GetGridDC();
    EXPECT_EQ(withButton->AddTextMarginsToSize(pDC, CSize(50, 10), style).cx,
              plain->AddTextMarginsToSize(pDC, CSize(50, 10), style).cx + 17);
    view->ReleaseGridDC();

    ASSERT_TRUE(view->SetCurrentCell(1, 2, GE_NOREDRAW));
    withButton->OnChildButtonClicked(withButton->GetButton());
    WPARAM row = 0;
    LPARAM col = 0;
    ASSERT_TRUE(TakePosted(CParentPostButton::BtnPostMessage(), row, col));
    EXPECT_EQ(row, 1u);
    EXPECT_EQ(col, 2);
    EXPECT_TRUE(view->m_bActiveFlag);
}

TEST_F(CellControls, ComboCellsLeaveTheirTextRoomForPictureAndButton) {
    ASSERT_NE(MakeView(), nullptr);
    auto* plain = new CGETabbedIntegralHeightCombo(view, 60010, 60011);
    auto* swatch = new CGESwatchTabbedCombo(view, 60012, 60013, IDB_ROW_RUNNING);
    auto* withButton = new CGEBitmapBtnTabbedCombo(
        view, 60014, 60015, MakeCellButtonFactory<CParentPostButton>(), IDB_ROW_RUNNING);
    view->RegisterControl(60016, plain, FALSE, FALSE);
    view->RegisterControl(60017, swatch, FALSE, FALSE);
    view->RegisterControl(60018, withButton, FALSE, FALSE);
    const CRect cell(10, 0, 160, 20);
    const CGEStyle& style = view->LookupStyleRowCol(1, 1);
    const CRect text = plain->ComputeTextRect(1, 1, &cell, &style);
    EXPECT_EQ(swatch->ComputeTextRect(1, 1, &cell, &style).left, 32) << "after the picture and 8 pixels";
    EXPECT_EQ(withButton->ComputeTextRect(1, 1, &cell, &style).right, text.right - 18);
    EXPECT_EQ(plain->FitListHeight(nullptr), 700);
}

TEST_F(CellControls, TheExpandBoxAsksAndTellsTheOwner) {
    ASSERT_NE(MakeView(), nullptr);
    PumpPending();
    auto* group = new CGroupStaticCtrl(view);
    view->RegisterControl(60003, group, FALSE, FALSE);
    EXPECT_TRUE(group->AskCollapsed(2));
    EXPECT_FALSE(group->AskCollapsed(1));
    const CRect cell(10, 0, 110, 21);
    const CRect text = group->ComputeTextRect(1, 1, &cell, &view->LookupStyleRowCol(1, 1));
    group->LayoutChildren(1, 1, text);
    EXPECT_EQ(group->GetButton()->GetRect(), CRect(11, 5, 22, 16));
    EXPECT_EQ(text.left, 26) << "the text starts after the box and 4 pixels";
    group->PostCollapse(2, 1);
    WPARAM row = 0;
    LPARAM col = 0;
    ASSERT_TRUE(TakePosted(CGroupStaticCtrl::CollapseGroupMessage(), row, col));
    EXPECT_EQ(row, 2u);
    EXPECT_EQ(col, 1);
}

TEST_F(CellControls, TheCheckTreeKeepsChecksInItsImages) {
    ASSERT_NE(MakeView(), nullptr);
    CCheckTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_CHILD | TVS_HASLINES, CRect(0, 0, 200, 200), frame, 300));
    ASSERT_TRUE(tree.AttachImages());
    HTREEITEM first = tree.InsertItem("Alpha");
    HTREEITEM second = tree.InsertItem("Beta");
    tree.SetItemImage(first, CCheckTreeCtrl::imageUnchecked, CCheckTreeCtrl::imageUnchecked);
    tree.SetItemImage(second, CCheckTreeCtrl::imageUnchecked, CCheckTreeCtrl::imageUnchecked);
    tree.SetCheck(first, TRUE);
    EXPECT_TRUE(tree.GetCheck(first));
    EXPECT_FALSE(tree.GetCheck(second));
    tree.SetItemUncheckable(second);
    tree.SetCheck(second, TRUE);
    EXPECT_FALSE(tree.GetCheck(second)) << "an item without a check box stays without";
    tree.SetCheck(first, FALSE);
    EXPECT_FALSE(tree.GetCheck(first));
    tree.DestroyWindow();
}

} // namespace
