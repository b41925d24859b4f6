// Grid views of a document: initialised from the view's initial update with the document as the target
// of their hints; two views share one parameter object; a change marks the document modified; a browser
// view makes its browse parameters.
#include "GridCoreTestSupport.h"

#include "framework/win/CCreateContext.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "grid/core/CGEBrowseParam.h"
#include "grid/core/CGEBrowserView.h"
#include "grid/core/CGEGridView.h"

namespace {

class GridDoc : public CDocument {
    DECLARE_DYNCREATE(GridDoc)
};

IMPLEMENT_DYNCREATE(GridDoc, CDocument)

// A frame with a document, making views of a class in it.
class ViewHost {
public:
    ViewHost() {
        gridtest::StartEngine();
        pDoc = new GridDoc;
        pDoc->m_bAutoDelete = TRUE;
        pFrame = new CFrameWnd;
        pFrame->Create(nullptr, "Views", WS_OVERLAPPEDWINDOW, CRect(0, 0, 500, 400));
    }
    ~ViewHost() { pFrame->DestroyWindow(); }
    ViewHost(const ViewHost&) = delete;
    ViewHost& operator=(const ViewHost&) = delete;

    template <class TView> TView* MakeView(CRuntimeClass* pClass, UINT nID, CGEGridParam* pShared = nullptr) {
        CCreateContext context;
        context.m_pCurrentDoc = pDoc;
        context.m_pNewViewClass = pClass;
        auto* pView = dynamic_cast<TView*>(pFrame->CreateView(&context, nID));
        if (pView != nullptr && pShared != nullptr)
            pView->SetParam(pShared, FALSE);
        if (pView != nullptr)
            pView->OnInitialUpdate();
        return pView;
    }

    GridDoc* pDoc;
    CFrameWnd* pFrame;
};

} // namespace

TEST(GridView, ViewsShareTheirParametersAndMarkTheDocument) {
    ViewHost host;
    auto* pFirst = host.MakeView<CGEGridView>(RUNTIME_CLASS(CGEGridView), AFX_IDW_PANE_FIRST);
    ASSERT_NE(pFirst, nullptr);
    EXPECT_TRUE(pFirst->IsInitialized());
    EXPECT_EQ(pFirst->GetGridDocument(), host.pDoc);
    EXPECT_EQ(pFirst->GetViewGrid(), static_cast<CGEGridCore*>(pFirst));
    pFirst->SetRowCount(10, GE_NOREDRAW);
    pFirst->SetColCount(3, GE_NOREDRAW);
    host.pDoc->SetModifiedFlag(FALSE);

    auto* pSecond =
        host.MakeView<CGEGridView>(RUNTIME_CLASS(CGEGridView), AFX_IDW_PANE_FIRST + 1, pFirst->GetParam());
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(pSecond->GetRowCount(), 10u);
    EXPECT_TRUE(pSecond->SetValueRange(CGECellRange(2, 2, 2, 2), "shared", geOverride, -1, GE_NOREDRAW));
    EXPECT_STREQ(pFirst->GetStoredCellValue(2, 2), "shared");
    EXPECT_TRUE(host.pDoc->IsModified());
    // An update without a hint from another view redraws; a hint goes to the (absent) hint feature.
    host.pDoc->UpdateAllViews(pSecond, 0, nullptr);
    EXPECT_EQ(GEGetLibraryState()->GetGridCountForObject(pFirst->GetParam()), 2);
}

TEST(GridView, ABrowserViewMakesItsBrowseParameters) {
    ViewHost host;
    auto* pView = host.MakeView<CGEBrowserView>(RUNTIME_CLASS(CGEBrowserView), AFX_IDW_PANE_FIRST);
    ASSERT_NE(pView, nullptr);
    ASSERT_NE(pView->GetBrowseParam(), nullptr);
    EXPECT_TRUE(pView->GetBrowseParam()->m_bBrowseInit);
    EXPECT_EQ(pView->GetAppendRow(), 1u) << "no records: the append row follows the headers";
}
