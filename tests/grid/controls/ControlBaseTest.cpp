// The control base without a window: class records, choice-list look-ups, range validation, cell tips,
// storing a style, pasting refusals, and the children's mouse dispatch.
#include "ControlsTestSupport.h"

#include "grid/controls/CGEButton.h"
#include "grid/controls/CGECheckBox.h"
#include "grid/controls/CGECheckBoxEx.h"
#include "grid/controls/CGEHeader.h"
#include "grid/controls/CGEPushbutton.h"
#include "grid/controls/combo/CGETabbedComboBox.h"
#include "grid/GridResource.h"
#include "grid/core/CGEProperties.h"

using namespace ctltest;

namespace {

// A control whose editing state the test sets.
class EditingControl : public CGEControl {
public:
    explicit EditingControl(CGEGridCore* pGrid) : CGEControl(pGrid) {}
    void SetActive(BOOL b) override { active = b; }
    BOOL IsActive() const override { return active; }
    void SetModify(BOOL b) override { modified = b; }
    BOOL GetModify() const override { return modified; }
    BOOL GetValue(CString& str) override {
        str = text;
        return TRUE;
    }
    BOOL active = FALSE;
    BOOL modified = FALSE;
    CString text;
};

// A grid that counts its child-button notifications.
class ButtonGrid : public TestGrid {
public:
    void OnChildButtonClicked(ROWCOL nRow, ROWCOL nCol) override {
        ++clicks;
        lastRow = nRow;
        lastCol = nCol;
    }
    int clicks = 0;
    ROWCOL lastRow = 0, lastCol = 0;
};

} // namespace

TEST(ControlBase, ClassRecordsFormOneTree) {
    TestGrid grid;
    CGETabbedComboBox tabbed(&grid, 52541, 52541);
    EXPECT_STREQ(tabbed.GetControlClass()->m_pszClassName, "CGETabbedComboBox");
    for (const CGEControlClass* pClass : {&CGEComboBox::controlClass, &CGEEditControl::controlClass,
                                          &CGEStatic::controlClass, &CGEControl::controlClass})
        EXPECT_TRUE(tabbed.IsKindOfControlClass(pClass)) << pClass->m_pszClassName;
    EXPECT_FALSE(tabbed.IsKindOfControlClass(&CGEHeader::controlClass));
    CGECheckBoxEx checkEx(&grid, FALSE, 0, 0);
    EXPECT_FALSE(checkEx.IsKindOfControlClass(&CGECheckBox::controlClass))
        << "a sibling, not a kind of check box";
    EXPECT_TRUE(checkEx.IsKindOfControlClass(&CGEControl::controlClass));
    CGEPushbutton push(&grid);
    EXPECT_EQ(push.GetControlClass()->m_pBaseClass, &CGEControl::controlClass);
    EXPECT_FALSE(push.ObjectIsKindOf(RUNTIME_CLASS(CWnd))) << "no window part";
    EXPECT_TRUE(tabbed.ObjectIsKindOf(RUNTIME_CLASS(CEdit)));
}

TEST(ControlBase, ChoiceListLookUps) {
    TestGrid grid;
    CGEControl control(&grid);
    CString strItem;
    EXPECT_EQ(control.FindStringInChoiceList(strItem, "ab", "Abc\nab", FALSE), 1)
        << "an item equal ignoring case wins over an earlier start";
    EXPECT_STREQ(strItem, "ab");
    EXPECT_EQ(control.FindStringInChoiceList(strItem, "a", "Abc\r\nab", FALSE), 0);
    EXPECT_STREQ(strItem, "Abc");
    EXPECT_EQ(control.FindStringInChoiceList(strItem, "a", "Abc\r\nab", TRUE), -1);
    EXPECT_TRUE(strItem.IsEmpty());
    EXPECT_EQ(control.FindStringInChoiceList(strItem, "", "x\ny", FALSE), -1) << "an empty text";
    EXPECT_EQ(control.FindStringInChoiceList(strItem, "z", "x\ny", FALSE), -1);
    EXPECT_TRUE(control.GetChoiceListItem(strItem, "x\r\ny\nz", 2));
    EXPECT_STREQ(strItem, "z");
    EXPECT_FALSE(control.GetChoiceListItem(strItem, "x\r\ny\nz", 3)) << "past the last item";
    EXPECT_TRUE(strItem.IsEmpty());
    EXPECT_FALSE(control.GetChoiceListItem(strItem, "x", -1));
    EXPECT_FALSE(control.GetChoiceListItem(strItem, nullptr, 0));
}

TEST(ControlBase, TheValidationRangeRefusesWithItsWarning) {
    TestGrid grid;
    CGEStyle style;
    style.SetUserAttribute(GE_IDS_UA_VALID_MIN, "10").SetUserAttribute(GE_IDS_UA_VALID_MAX, "");
    style.SetUserAttribute(GE_IDS_UA_VALID_MSG, "Ten or more");
    PutStyle(grid, 2, 2, style);
    EditingControl control(&grid);
    control.Init(2, 2);
    control.active = control.modified = TRUE;
    struct Case {
        const char* text;
        BOOL valid;
    } const cases[] = {{"9.5", FALSE}, {"10", TRUE}, {"1e6", TRUE} /* no maximum */, {"", TRUE}};
    for (const Case& c : cases) {
        control.text = c.text;
        grid.SetWarningText("");
        EXPECT_EQ(control.OnValidate(), c.valid) << c.text;
        EXPECT_STREQ(grid.GetWarningText(), c.valid ? "" : "Ten or more") << c.text;
    }
    control.modified = FALSE;
    control.text = "1";
    EXPECT_TRUE(control.OnValidate()) << "an unmodified control is not checked";
}

TEST(ControlBase, CellTipsAnswerOnlyWhenAttached) {
    TestGrid grid;
    CGEControl control(&grid);
    const CGEStyle style;
    EXPECT_EQ(control.CellTipGetDelay(1, 1, style), 0x7FFFFFFFu) << "never";
    EXPECT_FALSE(control.CellTipNeedShow(1, 1, style));
    EXPECT_FALSE(control.CellTipShow(CRect(0, 0, 10, 10), 1, 1, style));
    control.AttachCellTip();
    ASSERT_NE(control.GetCellTip(), nullptr);
    EXPECT_EQ(control.CellTipGetDelay(1, 1, style), ::GetDoubleClickTime());
    CGECellTipBase* pTip = control.GetCellTip();
    control.AttachCellTip();
    EXPECT_EQ(control.GetCellTip(), pTip) << "a control keeps the tip it has";
}

TEST(ControlBase, StoringAStyleOfACellThatIsNotCurrentLeavesTheBinding) {
    TestGrid grid;
    grid.SetCurrentCell(1, 1, GE_CC_NOREDRAW | GE_CC_NOFOCUS);
    EditingControl control(&grid);
    control.Init(1, 1);
    CGEStyle style;
    style.SetValue("stored");
    EXPECT_TRUE(control.StoreStyle(3, 3, &style, geOverride, 0, GE_NOREDRAW));
    EXPECT_STREQ(grid.GetStoredCellValue(3, 3), "stored");
    EXPECT_TRUE(control.IsBoundToCellAt(1, 1));
}

TEST(ControlBase, PastingNeedsAnActiveControlOfAWritableCell) {
    TestGrid grid;
    CGEStyle readOnly;
    readOnly.SetReadOnly(TRUE);
    PutStyle(grid, 2, 2, readOnly);
    EditingControl control(&grid);
    EXPECT_FALSE(control.Paste()) << "unbound";
    control.Init(3, 3);
    EXPECT_FALSE(control.Paste()) << "not active";
    EXPECT_FALSE(control.CanPaste());
    control.Init(2, 2);
    control.active = TRUE;
    EXPECT_TRUE(control.IsReadOnly());
    EXPECT_FALSE(control.Paste()) << "read-only";
    EXPECT_FALSE(control.CanCut());
}

TEST(ControlBase, AButtonClicksOnlyWhenReleasedOverIt) {
    ButtonGrid grid;
    PutStyle(grid, 2, 2, ControlStyle(GE_IDS_CTRL_PUSHBTN, "Go"));
    CGEPushbutton control(&grid);
    control.Init(2, 2);
    const CRect rect = control.ComputeTextRect(2, 2, nullptr, nullptr);
    const CPoint inside = rect.CenterPoint();
    const CPoint outside(rect.right + 20, rect.bottom + 20);
    control.LButtonDown(MK_LBUTTON, inside, GE_MR_DOWN);
    EXPECT_TRUE(control.GetButton()->IsPressed());
    control.OnMouseMove(MK_LBUTTON, outside);
    EXPECT_FALSE(control.GetButton()->IsPressed()) << "the pressed look goes when the mouse leaves";
    control.LButtonUp(0, outside, GE_MR_UP);
    EXPECT_EQ(grid.clicks, 0) << "released outside: no click";
    control.LButtonDown(MK_LBUTTON, inside, GE_MR_DOWN);
    control.OnMouseMove(MK_LBUTTON, outside);
    control.OnMouseMove(MK_LBUTTON, inside);
    control.LButtonUp(0, inside, GE_MR_UP);
    EXPECT_EQ(grid.clicks, 1) << "moved back in before the release";
    EXPECT_EQ(grid.lastRow, 2u);
    // The space bar presses the button, its release clicks.
    EXPECT_TRUE(control.OnGridWindowMessage(WM_KEYDOWN, VK_SPACE, 1));
    EXPECT_TRUE(control.OnGridWindowMessage(WM_KEYUP, VK_SPACE, 1));
    EXPECT_EQ(grid.clicks, 2);
    EXPECT_FALSE(control.OnGridWindowMessage(WM_KEYUP, VK_SPACE, 1)) << "a release without a press";
}

TEST(ControlBase, CancelModeReleasesAHeldButton) {
    ButtonGrid grid;
    PutStyle(grid, 2, 2, ControlStyle(GE_IDS_CTRL_PUSHBTN, "Go"));
    CGEPushbutton control(&grid);
    control.Init(2, 2);
    const CPoint inside = control.ComputeTextRect(2, 2, nullptr, nullptr).CenterPoint();
    control.LButtonDown(MK_LBUTTON, inside, GE_MR_DOWN);
    control.OnGridCancelMode();
    EXPECT_FALSE(control.GetButton()->IsPressed());
    EXPECT_FALSE(control.GetButton()->IsTracking());
    control.LButtonUp(0, inside, GE_MR_UP);
    EXPECT_EQ(grid.clicks, 0);
}

TEST(ControlBase, StoringTextRespectsTheMaximumLengthAndTheReadOnlyLock) {
    TestGrid grid;
    CGEStyle limited;
    limited.SetMaxLength(4);
    PutStyle(grid, 2, 2, limited);
    CGEStyle readOnly;
    readOnly.SetReadOnly(TRUE).SetValue("kept");
    PutStyle(grid, 3, 3, readOnly);
    CGEControl control(&grid);
    EXPECT_TRUE(control.SetControlText(2, 2, "abcdefgh", GE_NOREDRAW, nullptr));
    EXPECT_STREQ(grid.GetStoredCellValue(2, 2), "abcd") << "only the leading characters are kept";
    EXPECT_FALSE(control.SetControlText(3, 3, "changed", GE_NOREDRAW, nullptr));
    EXPECT_STREQ(grid.GetStoredCellValue(3, 3), "kept");
    EXPECT_EQ(grid.m_pStyleInUse, nullptr) << "the style in use is given back";
    grid.GetParam()->m_bLockReadOnly = FALSE;
    EXPECT_TRUE(control.SetControlText(3, 3, "changed", GE_NOREDRAW, nullptr)) << "without the lock";
    EXPECT_STREQ(grid.GetStoredCellValue(3, 3), "changed");
}

TEST(ControlBase, TheCurrentCellFrameLooks) {
    TestGrid grid;
    CGEControl control(&grid);
    const CGEStyle style;
    const COLORREF white = RGB(255, 255, 255);
    const COLORREF black = RGB(0, 0, 0);
    struct Case {
        const char* look;
        COLORREF outer;  // the frame's outermost pixel on the left
        COLORREF second; // one pixel further in
    } const cases[] = {
        {"Thin Border.", black, white},  {"Thick Border.", black, black}, {"Invert Thin.", black, white},
        {"Invert Thick.", black, black}, {"No Border.", white, white},
    };
    for (const Case& c : cases) {
        grid.GetProperties()->SetUserProperty(GE_IDS_PROP_CURRENTCELL, c.look);
        PixelCanvas canvas(40, 20, white);
        control.DrawCurrentCellFrame(canvas.DC(), CRect(0, 0, 40, 20), style);
        EXPECT_EQ(canvas.At(0, 10), c.outer) << c.look;
        EXPECT_EQ(canvas.At(1, 10), c.second) << c.look;
        EXPECT_EQ(canvas.At(20, 10), white) << c.look << ": the inside is left alone";
    }
    grid.GetProperties()->SetUserProperty(GE_IDS_PROP_CURRENTCELL, "Thin Border.");
    grid.GetParam()->m_nCurrentCellFrameMode = 2;
    grid.m_bWndHasFocus = FALSE;
    PixelCanvas unfocused(40, 20, white);
    control.DrawCurrentCellFrame(unfocused.DC(), CRect(0, 0, 40, 20), style);
    EXPECT_EQ(unfocused.At(0, 10), white) << "only while the grid window has the focus";
    grid.m_bWndHasFocus = TRUE;
    grid.GetParam()->m_bHideCurrentCellFrame = TRUE;
    PixelCanvas hidden(40, 20, white);
    control.DrawCurrentCellFrame(hidden.DC(), CRect(0, 0, 40, 20), style);
    EXPECT_EQ(hidden.At(0, 10), white) << "a hidden frame";
}
