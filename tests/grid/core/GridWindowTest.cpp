// The grid window: created by itself or as a dialog's custom control "GEWND", painted by its window,
// driven by mouse messages, and refusing to initialise before the engine has started.
#include "GridCoreTestSupport.h"

#include "GridCoreTestsResource.h"
#include "framework/core/CResourceException.h"
#include "framework/win/CDialog.h"

using gridtest::GridHost;

namespace {

class GridDialog : public CDialog {
public:
    GridDialog() : CDialog(IDD_GRID_DIALOG) {}
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        subclassed = grid.SubclassDlgItem(IDC_GRID, this);
        grid.SetRowCount(30, GE_NOREDRAW);
        grid.SetColCount(4, GE_NOREDRAW);
        return TRUE;
    }
    CGEGridWnd grid;
    BOOL subclassed = FALSE;
};

} // namespace

TEST(GridWindow, ACustomControlOfADialogBecomesAGrid) {
    gridtest::StartEngine();
    GridDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_GRID_DIALOG, nullptr));
    EXPECT_TRUE(dialog.subclassed);
    EXPECT_TRUE(dialog.grid.IsInitialized());
    EXPECT_EQ(dialog.grid.GetRowCount(), 30u);
    EXPECT_EQ(CWnd::FromHandlePermanent(dialog.grid.m_hWnd), &dialog.grid);
    EXPECT_EQ(dialog.grid.SendMessage(WM_GETDLGCODE) & DLGC_WANTARROWS,
              static_cast<LRESULT>(DLGC_WANTARROWS));
    dialog.DestroyWindow();
}

TEST(GridWindow, AClickMakesTheCellCurrent) {
    CGEGridWnd grid;
    GridHost host(grid);
    grid.SetRowCount(10, GE_NOREDRAW);
    grid.SetColCount(5, GE_NOREDRAW);
    const CRect cell = grid.GetCellRect(3, 2);
    const CPoint point = cell.CenterPoint();
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    EXPECT_TRUE(grid.IsCurrentCell(3, 2));
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture ends with the button";
    const CRect header = grid.GetCellRect(0, 4);
    grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(header.CenterPoint().x, header.CenterPoint().y));
    grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(header.CenterPoint().x, header.CenterPoint().y));
    EXPECT_TRUE(grid.IsCurrentCell(3, 2)) << "a header cell does not become current";
}

TEST(GridWindow, TheWindowPaintsThroughTheGrid) {
    CGEGridWnd grid;
    GridHost host(grid);
    grid.SetRowCount(10, GE_NOREDRAW);
    grid.SetColCount(5, GE_NOREDRAW);
    grid.SetValueRange(CGECellRange(1, 1, 1, 1), "x", geOverride, -1, GE_NOREDRAW);
    grid.Invalidate();
    grid.UpdateWindow();
    RECT update{};
    EXPECT_FALSE(::GetUpdateRect(grid.m_hWnd, &update, FALSE)) << "the paint validated the window";
    EXPECT_EQ(grid.SendMessage(WM_ERASEBKGND), 1) << "the paint covers the background";
}

TEST(GridWindow, AGridBeforeTheEngineStartedIsRefused) {
    // A grid window of a class that exists without the engine: the grid's initialisation finds no
    // "GEWND" class of another module and refuses.
    gridtest::StartEngine();
    WNDCLASSA wc{};
    ASSERT_TRUE(::GetClassInfoA(::GetModuleHandleA(nullptr), "GEWND", &wc));
    ASSERT_TRUE(::UnregisterClassA("GEWND", ::GetModuleHandleA(nullptr)));
    CGEGridWnd grid;
    CWnd parent;
    ASSERT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "parent", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr));
    EXPECT_FALSE(grid.Create(WS_CHILD, CRect(0, 0, 50, 50), &parent, 1)) << "no window class";
    CGEGridWnd subclassed;
    ASSERT_TRUE(
        subclassed.CreateEx(0, AfxRegisterWndClass(0), nullptr, WS_CHILD, CRect(0, 0, 50, 50), &parent, 2));
    EXPECT_TRUE(gridtest::ThrowsFrameworkException<CResourceException>([&] { subclassed.Initialize(); }));
    EXPECT_FALSE(subclassed.IsInitialized());
    subclassed.DestroyWindow();
    parent.DestroyWindow();
    GEInitializeLibrary(); // registers the classes again
}
