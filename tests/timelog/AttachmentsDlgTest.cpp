// The attachments of a project task: the attachment text (whole paths joined by commas) and the dialog that
// edits it, with the file chooser and the shell answered by the test.
#include "EntryDialogTestSupport.h"

#include "resource.h"
#include "timelog/CAttachmentsDlg.h"

#include <gmock/gmock.h>

#include <deque>

using namespace entrytest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

std::vector<std::string> Paths(const CString& text) {
    CStringArray paths;
    CAttachmentsDlg::SplitPaths(text, paths);
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < paths.GetSize(); ++i)
        out.emplace_back(static_cast<LPCSTR>(paths[i]));
    return out;
}

TEST(AttachmentText, SplitsTrimsAndAppends) {
    EXPECT_THAT(Paths(" C:\\a.txt ,\\\\srv\\b.doc,,"), ElementsAre("C:\\a.txt", "\\\\srv\\b.doc"));
    EXPECT_TRUE(Paths("").empty());
    CString text;
    CAttachmentsDlg::AppendPath(text, "C:\\a.txt");
    CAttachmentsDlg::AppendPath(text, "C:\\b.txt");
    EXPECT_EQ(text, "C:\\a.txt,C:\\b.txt");
}

TEST(AttachmentText, RemovesWholeEntriesOnly) {
    const struct {
        const char* text;
        int index;
        const char* left;
    } cases[] = {
        {"C:\\a.txt,C:\\b.txt,C:\\c.txt", 2, "C:\\a.txt,C:\\b.txt"},
        {"C:\\a.txt,C:\\b.txt,C:\\c.txt", 0, "C:\\b.txt,C:\\c.txt"},
        {"C:\\a.txt,C:\\b.txt,C:\\c.txt", 1, "C:\\a.txt,C:\\c.txt"},
        // The removed path is the beginning of another one, which stays whole.
        {"C:\\a.txt.bak,C:\\a.txt", 1, "C:\\a.txt.bak"},
        {"D:\\x\\C:\\a.txt,C:\\a.txt", 1, "D:\\x\\C:\\a.txt"},
        {"C:\\only.txt", 0, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        CString text = c.text;
        EXPECT_TRUE(CAttachmentsDlg::RemovePathAt(text, c.index));
        EXPECT_EQ(text, c.left);
    }
    CString text = "C:\\a.txt";
    EXPECT_FALSE(CAttachmentsDlg::RemovePathAt(text, 1));
    EXPECT_FALSE(CAttachmentsDlg::RemovePathAt(text, -1));
    EXPECT_EQ(text, "C:\\a.txt");
}

TEST(AttachmentText, TellsUncAndStorablePaths) {
    EXPECT_TRUE(CAttachmentsDlg::IsUncPath("\\\\server\\c\\x.txt"));
    EXPECT_FALSE(CAttachmentsDlg::IsUncPath("C:\\x.txt"));
    EXPECT_FALSE(CAttachmentsDlg::IsUncPath("\\x.txt"));
    EXPECT_TRUE(CAttachmentsDlg::IsStorablePath("C:\\x.txt"));
    EXPECT_FALSE(CAttachmentsDlg::IsStorablePath("C:\\a,b.txt"));
    EXPECT_FALSE(CAttachmentsDlg::IsStorablePath(""));
}

// The dialog with the chooser's answers given by the test and the files it opened recorded.
class TestAttachmentsDlg : public CAttachmentsDlg {
public:
    std::deque<std::vector<std::string>> choices; // each run of the chooser takes one; none = cancelled
    int chooserRuns = 0;
    std::vector<std::string> opened;

protected:
    bool ChooseFiles(CStringArray& paths) override {
        ++chooserRuns;
        if (choices.empty())
            return false;
        for (const auto& path : choices.front())
            paths.Add(path.c_str());
        choices.pop_front();
        return true;
    }
    void OpenFile(const CString& path) override { opened.emplace_back(static_cast<LPCSTR>(path)); }
};

std::vector<std::string> ListTexts(HWND hDlg) {
    std::vector<std::string> texts;
    HWND list = Item(hDlg, IDC_ATTACH_LIST);
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        char text[MAX_PATH] = {};
        ListView_GetItemText(list, i, 0, text, sizeof text);
        texts.emplace_back(text);
    }
    return texts;
}

int ListSelection(HWND hDlg) {
    return ListView_GetNextItem(Item(hDlg, IDC_ATTACH_LIST), -1, LVNI_SELECTED);
}

void SelectListItem(HWND hDlg, int index) {
    ListView_SetItemState(Item(hDlg, IDC_ATTACH_LIST), index, LVIS_SELECTED | LVIS_FOCUSED,
                          LVIS_SELECTED | LVIS_FOCUSED);
}

class AttachmentsDialogTest : public EntryDialogTest {};

TEST_F(AttachmentsDialogTest, AnEmptyListAsksForFilesAndClosesWithCancelWhenNoneAreChosen) {
    TestAttachmentsDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.chooserRuns, 1);
    EXPECT_EQ(dlg.m_Attachments, "");
    EXPECT_TRUE(ThreadDialogs().empty());
}

TEST_F(AttachmentsDialogTest, AddedLocalPathsAreListedAndWarnedAboutOnce) {
    TestAttachmentsDlg dlg;
    dlg.choices.push_back({"\\\\server\\c\\plan.doc"});
    dlg.choices.push_back({"C:\\work\\a.txt", "C:\\work\\b.txt"});
    std::vector<std::string> first, second;
    int selectedAfterAdd = -1;
    size_t promptsAfterFirst = 99;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        first = ListTexts(hDlg);
        promptsAfterFirst = m_app.prompts.size();
        Click(hDlg, IDC_ATTACH_ADD);
        second = ListTexts(hDlg);
        selectedAfterAdd = ListSelection(hDlg);
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_THAT(first, ElementsAre("\\\\server\\c\\plan.doc"));
    EXPECT_EQ(promptsAfterFirst, 0u) << "a UNC path needs no warning";
    EXPECT_THAT(second, ElementsAre("\\\\server\\c\\plan.doc", "C:\\work\\a.txt", "C:\\work\\b.txt"));
    EXPECT_EQ(selectedAfterAdd, 1) << "the first added path is selected";
    ASSERT_EQ(m_app.prompts.size(), 1u);
    EXPECT_THAT(m_app.prompts[0], HasSubstr("This path does not use a UNC pathname."));
    EXPECT_THAT(m_app.prompts[0], HasSubstr("UNC example: \\\\server\\c\\"));
    EXPECT_EQ(dlg.m_Attachments, "\\\\server\\c\\plan.doc,C:\\work\\a.txt,C:\\work\\b.txt");
    EXPECT_TRUE(dlg.opened.empty());
}

TEST_F(AttachmentsDialogTest, APathWithACommaIsRefusedAndTheOthersAdded) {
    TestAttachmentsDlg dlg;
    dlg.choices.push_back({"\\\\s\\a,b.txt", "\\\\s\\c.txt"});
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr)
            return false;
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_Attachments, "\\\\s\\c.txt");
    ASSERT_EQ(m_app.prompts.size(), 1u);
    EXPECT_THAT(m_app.prompts[0], HasSubstr("\\\\s\\a,b.txt"));
}

TEST_F(AttachmentsDialogTest, OpensTheFirstFileShortlyAfterOpeningOnAList) {
    TestAttachmentsDlg dlg;
    dlg.m_Attachments = "C:\\a.txt,C:\\b.txt";
    std::vector<std::string> listed;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr || dlg.opened.empty())
            return false;
        listed = ListTexts(hDlg);
        Click(hDlg, IDOK);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(driver.Finished());
    EXPECT_EQ(dlg.chooserRuns, 0);
    EXPECT_THAT(listed, ElementsAre("C:\\a.txt", "C:\\b.txt"));
    EXPECT_THAT(dlg.opened, ElementsAre("C:\\a.txt")) << "once, the first file";
}

TEST_F(AttachmentsDialogTest, RemovesTheSelectedFileAfterAskingAndViewsTheSelection) {
    TestAttachmentsDlg dlg;
    dlg.m_Attachments = "C:\\a.txt,C:\\b.txt,C:\\c.txt";
    m_app.answers = {IDNO, IDYES};
    int step = 0;
    std::vector<std::string> afterNo, afterYes;
    int selectedAfterYes = -1;
    TimerDriver driver([&] {
        HWND hDlg = OnlyDialog();
        if (hDlg == nullptr || dlg.opened.empty())
            return false; // the first file was opened
        if (step++ == 0) {
            SelectListItem(hDlg, 2);
            Click(hDlg, IDC_ATTACH_REMOVE); // No
            afterNo = ListTexts(hDlg);
            Click(hDlg, IDC_ATTACH_REMOVE); // Yes
            afterYes = ListTexts(hDlg);
            selectedAfterYes = ListSelection(hDlg);
            Click(hDlg, IDC_ATTACH_VIEW);
            Click(hDlg, IDOK);
        }
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_THAT(afterNo, ElementsAre("C:\\a.txt", "C:\\b.txt", "C:\\c.txt"));
    EXPECT_THAT(afterYes, ElementsAre("C:\\a.txt", "C:\\b.txt"));
    EXPECT_EQ(selectedAfterYes, 1) << "the last item when the removed one was last";
    EXPECT_EQ(dlg.m_Attachments, "C:\\a.txt,C:\\b.txt");
    ASSERT_EQ(m_app.prompts.size(), 2u);
    EXPECT_EQ(m_app.prompts[0], "Are you sure you wish to delete this?");
    EXPECT_THAT(dlg.opened, ElementsAre("C:\\a.txt", "C:\\b.txt"));
}

} // namespace
