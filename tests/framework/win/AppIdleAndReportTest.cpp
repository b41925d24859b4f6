// What the application does for the rest of the framework: idle time frees the temporary image list
// wrappers, and exceptions report their errors through the application's message box.
#include "WinTestSupport.h"

#include "framework/core/CException.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CImageList.h"

using namespace wintest;

namespace {

class DiskFullException : public CException {
public:
    DiskFullException() : CException(FALSE) {}
    BOOL GetErrorMessage(char* lpszError, UINT nMaxError, UINT* pnHelpContext = nullptr) const override {
        if (pnHelpContext != nullptr)
            *pnHelpContext = 0;
        return CopyMessage("The disk is full.", lpszError, nMaxError);
    }
};

} // namespace

TEST(AppIdle, TemporaryImageListWrappersGoAtIdleTime) {
    TestApp app;
    HIMAGELIST hImageList = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    ASSERT_NE(hImageList, nullptr);
    CImageList* temporary = CImageList::FromHandle(hImageList);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(AfxMapHIMAGELIST()->GetTemporaryCount(), 1u);

    // The first idle call updates the user interface; the later ones free the wrappers.
    app.OnIdle(0);
    EXPECT_EQ(AfxMapHIMAGELIST()->GetTemporaryCount(), 1u);
    app.OnIdle(1);
    EXPECT_EQ(AfxMapHIMAGELIST()->GetTemporaryCount(), 0u);
    // The list itself was only wrapped: it is still there.
    EXPECT_EQ(ImageList_GetImageCount(hImageList), 0);
    EXPECT_TRUE(ImageList_Destroy(hImageList));
}

TEST(ExceptionReport, ErrorsAreShownThroughTheApplicationsMessageBox) {
    TestApp app;
    DiskFullException diskFull;
    EXPECT_EQ(diskFull.ReportError(MB_OK), IDOK);
    // Without a text of its own the exception shows the string it is given.
    CException plain(FALSE);
    plain.ReportError(MB_OK, AFX_IDP_INTERNAL_FAILURE);
    EXPECT_EQ(app.prompts, (std::vector<std::string>{"The disk is full.", "Internal application error."}));
    EXPECT_EQ(app.promptIds, (std::vector<UINT>{0u, static_cast<UINT>(AFX_IDP_INTERNAL_FAILURE)}));
}

TEST(ExceptionReport, ARealMessageBoxShowsTheText) {
    TestApp app;
    app.showMessageBoxes = true;
    std::string shown;
    TimerDriver driver([&shown] {
        for (HWND hBox : ThreadDialogs()) {
            shown = ChildTexts(hBox);
            ::PostMessageA(hBox, WM_COMMAND, IDOK, 0);
            return true;
        }
        return false;
    });
    DiskFullException diskFull;
    EXPECT_EQ(diskFull.ReportError(MB_OK), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_NE(shown.find("The disk is full."), std::string::npos) << shown;
}
