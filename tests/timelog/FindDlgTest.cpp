// The Find dialog: the search it hands to the document, the item it shows, and how it folds away the
// result box; the document's side answered by the test.
#include "EntryDialogTestSupport.h"

#include "resource.h"
#include "timelog/CFindDlg.h"

#include <gmock/gmock.h>

using namespace entrytest;
using ::testing::ElementsAre;

namespace {

// Answers the dialog's questions and records them.
class FakeFindService : public IFindService {
public:
    CString GetLastFindText() override { return lastText; }
    bool FindItem(const CFindRequest& request, CString& guid, int& columnId) override {
        ++searches;
        phrase = request.phrase;
        words.clear();
        for (INT_PTR i = 0; i < request.words.GetSize(); ++i)
            words.emplace_back(static_cast<LPCSTR>(request.words[i]));
        allWords = request.allWords;
        exact = request.exactPhrase;
        project = request.pProject;
        if (hitGuid.IsEmpty())
            return false;
        guid = hitGuid;
        columnId = hitColumn;
        return true;
    }
    CString GetFoundItemText(const CString& guid, int columnId) override {
        return guid == hitGuid && columnId == hitColumn ? CString("Description:\r\nfix the invoice")
                                                        : CString();
    }
    void OpenFoundItem(const CString& guid) override { opened.emplace_back(static_cast<LPCSTR>(guid)); }
    void EndFind(CFindDlg* pDialog) override {
        ended = pDialog;
        pDialog->DestroyWindow();
    }

    CString lastText = "invoice";
    CString hitGuid;
    int hitColumn = 6;
    int searches = 0;
    CString phrase;
    std::vector<std::string> words;
    bool allWords = false;
    bool exact = false;
    CProject* project = nullptr;
    std::vector<std::string> opened;
    CFindDlg* ended = nullptr;
};

std::vector<std::string> ProjectItems(HWND hDlg) {
    std::vector<std::string> items;
    HWND combo = Item(hDlg, IDC_FIND_PROJECT);
    const int count = static_cast<int>(::SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT;
        item.iItem = i;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        ::SendMessageA(combo, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        items.emplace_back(text);
    }
    return items;
}

class FindDialogTest : public EntryDialogTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_OVERLAPPEDWINDOW,
                                   CRect(0, 0, 300, 200), nullptr, 0));
        alpha = AddProject("Alpha");
        AddProject("Dormant")->m_Active = 0;
        AddProject("Hidden")->m_Visible = 0;
        beta = AddProject("Beta");
    }
    void TearDown() override {
        owner.DestroyWindow();
        CLogDoc::s_bShowInactiveProjects = false;
    }
    CProject* AddProject(const char* name) {
        auto* p = new CProject(name, 0.0);
        doc.AddProject(p);
        return p;
    }
    // The dialog's bottom against its result box (pixels).
    int BottomGap(HWND hDlg) {
        RECT window{}, result{};
        ::GetWindowRect(hDlg, &window);
        ::GetWindowRect(Item(hDlg, IDC_FIND_RESULT), &result);
        return window.bottom - (service.hitGuid.IsEmpty() ? result.top : result.bottom);
    }

    CLogDoc doc;
    FakeFindService service;
    CWnd owner;
    CProject* alpha = nullptr;
    CProject* beta = nullptr;
};

TEST_F(FindDialogTest, OpensCollapsedOnTheLastTextWithAnyWordAndTheActiveVisibleProjects) {
    CFindDlg dlg(&doc, &service);
    ASSERT_TRUE(dlg.Create(&owner));
    HWND hDlg = dlg.m_hWnd;
    EXPECT_EQ(ItemText(hDlg, IDC_FIND_TEXT), "invoice");
    EXPECT_TRUE(IsChecked(hDlg, IDC_FIND_ANY_WORD));
    EXPECT_THAT(ProjectItems(hDlg), ElementsAre("<Match items for any project>", "Alpha", "Beta"));
    EXPECT_EQ(::SendMessageA(Item(hDlg, IDC_FIND_PROJECT), CB_GETCURSEL, 0, 0), 0);
    EXPECT_FALSE(dlg.IsExpanded());
    EXPECT_EQ(BottomGap(hDlg), -CFindDlg::kCollapsedGap);
    dlg.DestroyWindow();

    CLogDoc::s_bShowInactiveProjects = true;
    CFindDlg shown(&doc, &service);
    ASSERT_TRUE(shown.Create(&owner));
    EXPECT_THAT(ProjectItems(shown.m_hWnd),
                ElementsAre("<Match items for any project>", "Alpha", "Dormant", "Beta"));
    shown.DestroyWindow();
}

TEST_F(FindDialogTest, HandsTheSearchToTheDocumentAndShowsAndOpensTheItemFound) {
    CFindDlg dlg(&doc, &service);
    ASSERT_TRUE(dlg.Create(&owner));
    HWND hDlg = dlg.m_hWnd;
    SetItemText(hDlg, IDC_FIND_TEXT, "  fix   invoice ");
    Click(hDlg, IDC_FIND_ALL_WORDS);
    ::SendMessageA(Item(hDlg, IDC_FIND_PROJECT), CB_SETCURSEL, 2, 0); // Beta
    service.hitGuid = "E-1";
    Click(hDlg, IDC_FIND_NEXT);
    EXPECT_EQ(service.searches, 1);
    EXPECT_EQ(service.phrase, "  fix   invoice ");
    EXPECT_THAT(service.words, ElementsAre("fix", "invoice"));
    EXPECT_TRUE(service.allWords);
    EXPECT_FALSE(service.exact);
    EXPECT_EQ(service.project, beta);
    EXPECT_TRUE(dlg.IsExpanded());
    EXPECT_EQ(BottomGap(hDlg), CFindDlg::kExpandedGap);
    EXPECT_EQ(ItemText(hDlg, IDC_FIND_RESULT), "Description:\r\nfix the invoice");
    Click(hDlg, IDC_FIND_EDIT_ITEM);
    EXPECT_THAT(service.opened, ElementsAre("E-1"));

    // The exact phrase over any project.
    Click(hDlg, IDC_FIND_EXACT_PHRASE);
    ::SendMessageA(Item(hDlg, IDC_FIND_PROJECT), CB_SETCURSEL, 0, 0);
    Click(hDlg, IDC_FIND_NEXT);
    EXPECT_TRUE(service.exact);
    EXPECT_FALSE(service.allWords);
    EXPECT_EQ(service.project, nullptr);
    EXPECT_TRUE(m_app.prompts.empty());
    dlg.DestroyWindow();
}

TEST_F(FindDialogTest, AFailedSearchHidesThePreviousResultAndForgetsTheItem) {
    CFindDlg dlg(&doc, &service);
    ASSERT_TRUE(dlg.Create(&owner));
    HWND hDlg = dlg.m_hWnd;
    service.hitGuid = "E-1";
    Click(hDlg, IDC_FIND_NEXT);
    ASSERT_TRUE(dlg.IsExpanded());
    service.hitGuid.Empty();
    Click(hDlg, IDC_FIND_NEXT);
    EXPECT_FALSE(dlg.IsExpanded());
    EXPECT_EQ(BottomGap(hDlg), -CFindDlg::kCollapsedGap);
    EXPECT_EQ(ItemText(hDlg, IDC_FIND_RESULT), "");
    EXPECT_THAT(m_app.prompts, ElementsAre("No items containing this text can be found."));
    Click(hDlg, IDC_FIND_EDIT_ITEM);
    EXPECT_TRUE(service.opened.empty());

    // A text of blanks only is no search.
    SetItemText(hDlg, IDC_FIND_TEXT, "   ");
    Click(hDlg, IDC_FIND_NEXT);
    EXPECT_EQ(service.searches, 2);
    EXPECT_EQ(m_app.prompts.size(), 2u);
    dlg.DestroyWindow();
}

TEST_F(FindDialogTest, CancelEndsTheSearchThroughTheDocument) {
    CFindDlg dlg(&doc, &service);
    ASSERT_TRUE(dlg.Create(&owner));
    HWND hDlg = dlg.m_hWnd;
    Click(hDlg, IDCANCEL);
    EXPECT_EQ(service.ended, &dlg);
    EXPECT_FALSE(::IsWindow(hDlg));
}

TEST_F(FindDialogTest, WithoutADocumentNothingIsSearched) {
    CFindDlg dlg(nullptr, &service);
    ASSERT_TRUE(dlg.Create(&owner));
    EXPECT_THAT(ProjectItems(dlg.m_hWnd), ElementsAre("<Match items for any project>"));
    Click(dlg.m_hWnd, IDC_FIND_NEXT);
    EXPECT_EQ(service.searches, 0);
    EXPECT_TRUE(m_app.prompts.empty());
    dlg.DestroyWindow();
}

} // namespace
