// Cut, copy and paste through the Windows clipboard between grids and to any program that reads text.
#include "ClipboardTestSupport.h"

#include "framework/core/CArchive.h"
#include "grid/features/CGEGridCutPasteImp.h"

using cliptest::ClipboardLock;
using cliptest::ClipboardText;
using cliptest::WindowGrid;

namespace {

// Answers the grid's message boxes and counts them, while it is the grid's cut-and-paste feature.
class AnsweringCutPaste : public CGEGridCutPasteImp {
public:
    explicit AnsweringCutPaste(CGEGridCore& grid) : m_grid(grid), m_pOld(grid.m_pCutPasteImp) {
        grid.m_pCutPasteImp = this;
    }
    ~AnsweringCutPaste() override { m_grid.m_pCutPasteImp = m_pOld; }
    AnsweringCutPaste(const AnsweringCutPaste&) = delete;
    AnsweringCutPaste& operator=(const AnsweringCutPaste&) = delete;

    std::vector<std::string> messages;

protected:
    int AskUser(CGEGridCore*, LPCSTR pszText, UINT) override {
        messages.emplace_back(pszText);
        return IDOK;
    }

private:
    CGEGridCore& m_grid;
    CGEAbstractGridCutPasteImp* m_pOld;
};

void FillBlock(WindowGrid& g) {
    g.Put(1, 1, "a");
    g.Put(1, 2, "b");
    g.Put(2, 1, "c");
    g.Put(2, 2, "d");
}

} // namespace

TEST(CutPaste, ACopiedBlockIsTabSeparatedTextAndPastesIntoAnotherGrid) {
    ClipboardLock lock;
    WindowGrid source, target(3, 3);
    FillBlock(source);
    source.Select(CGECellRange(1, 1, 2, 2));
    ASSERT_TRUE(source.grid.CanCopy());
    ASSERT_TRUE(source.grid.Copy());
    EXPECT_EQ(ClipboardText(), "a\tb\r\nc\td\r\n") << "what a text editor receives";

    ASSERT_TRUE(target.grid.SetCurrentCell(2, 2, GE_CC_NOREDRAW | GE_CC_NOFOCUS));
    ASSERT_TRUE(target.grid.CanPaste());
    ASSERT_TRUE(target.grid.Paste());
    EXPECT_EQ(target.Value(2, 2) + target.Value(2, 3) + target.Value(3, 2) + target.Value(3, 3), "abcd");
    ASSERT_TRUE(target.grid.Undo());
    EXPECT_EQ(target.Value(2, 2), "-") << "the paste is one undo step";
}

TEST(CutPaste, TheInternalFormCarriesStylesAndTextFromAnEditorPastesToo) {
    ClipboardLock lock;
    WindowGrid source, target;
    source.grid.m_wClipboardFlags = 0x08 | 0x10;
    target.grid.m_wClipboardFlags = 0x08 | 0x10;
    CGEStyle bold;
    bold.SetValue("B").SetFont(CGEFont().SetBold(TRUE));
    source.grid.SetStyleRange(CGECellRange(1, 1, 1, 1), &bold, geOverride, 0, nullptr, GE_NOREDRAW);
    source.Select(CGECellRange(1, 1, 1, 1));
    ASSERT_TRUE(source.grid.Copy());
    EXPECT_EQ(ClipboardText(), "B");
    target.Select(CGECellRange(4, 4, 4, 4));
    ASSERT_TRUE(target.grid.Paste());
    EXPECT_TRUE(target.grid.LookupStyleRowCol(4, 4).GetFont().GetBold());

    const char text[] = "from\teditor\r\n";
    ASSERT_TRUE(cliptest::PutOnClipboard(target.grid.GetSafeHwnd(), CF_TEXT, text, sizeof text));
    ASSERT_TRUE(target.grid.Paste());
    EXPECT_EQ(target.Value(4, 4) + " " + target.Value(4, 5), "from editor");
}

TEST(CutPaste, CopyWithoutSelectionOrCurrentCellFailsAndSeveralAreasDoNotPaste) {
    ClipboardLock lock;
    WindowGrid grid;
    FillBlock(grid);
    AnsweringCutPaste answers(grid.grid);
    EXPECT_FALSE(grid.grid.Copy());
    EXPECT_EQ(ClipboardText(), "<none>") << "the clipboard was emptied and nothing put there";

    grid.Select(CGECellRange(1, 1, 1, 1));
    ASSERT_TRUE(grid.grid.Copy());
    grid.grid.GetParam()->m_SelectedRanges.AddRange(CGECellRange(3, 3, 3, 3));
    EXPECT_FALSE(grid.grid.Paste());
    ASSERT_EQ(answers.messages.size(), 1u);
    EXPECT_EQ(answers.messages[0], "Pasting is not possible for multi-area selections.");
    EXPECT_EQ(grid.Value(3, 3), "-");
}

TEST(CutPaste, CutClearsAfterCopyingAndDirectMoveWaitsForThePaste) {
    ClipboardLock lock;
    {
        WindowGrid grid;
        FillBlock(grid);
        grid.grid.GetParam()->EmptyUndoList();
        grid.Select(CGECellRange(1, 1, 1, 2));
        ASSERT_TRUE(grid.grid.CanCut());
        ASSERT_TRUE(grid.grid.Cut());
        EXPECT_EQ(ClipboardText(), "a\tb\r\n");
        EXPECT_EQ(grid.Value(1, 1) + "|" + grid.Value(1, 2), "|");
        EXPECT_EQ(grid.grid.GetParam()->m_UndoList.GetCount(), 1);
        ASSERT_TRUE(grid.grid.Undo());
        EXPECT_EQ(grid.Value(1, 1), "a");
    }
    {
        WindowGrid grid;
        FillBlock(grid);
        CGEGridParam* pParam = grid.grid.GetParam();
        pParam->m_bDirectMove = TRUE;
        grid.Select(CGECellRange(1, 1, 2, 1));
        ASSERT_TRUE(grid.grid.Cut());
        EXPECT_TRUE(pParam->m_bCutPending);
        EXPECT_EQ(grid.Value(1, 1), "a") << "the cells stay until the paste";
        grid.Select(CGECellRange(5, 3, 5, 3));
        ASSERT_TRUE(grid.grid.Paste());
        EXPECT_FALSE(pParam->m_bCutPending);
        EXPECT_TRUE(pParam->m_CopiedRanges.IsEmpty());
        EXPECT_EQ(grid.Value(5, 3) + grid.Value(6, 3), "ac");
        EXPECT_EQ(grid.Value(1, 1), "-") << "moved away";

        grid.Select(CGECellRange(1, 2, 1, 2));
        ASSERT_TRUE(grid.grid.Cut());
        ASSERT_TRUE(pParam->m_bCutPending);
        ASSERT_TRUE(grid.grid.Copy());
        EXPECT_FALSE(pParam->m_bCutPending) << "a copy cancels the pending cut";
    }
}

TEST(CutPaste, DirectCopyPastesCellsInTheSameGridAndReadsTheClipboardElsewhere) {
    ClipboardLock lock;
    WindowGrid source, other;
    FillBlock(source);
    CGEStyle bold;
    bold.SetFont(CGEFont().SetBold(TRUE));
    source.grid.SetStyleRange(CGECellRange(1, 1, 1, 1), &bold, geOverride, 0, nullptr, GE_NOREDRAW);
    source.grid.GetParam()->m_bDirectCopy = TRUE;
    source.Select(CGECellRange(1, 1, 1, 1));
    ASSERT_TRUE(source.grid.Copy());
    source.Select(CGECellRange(7, 1, 7, 1));
    ASSERT_TRUE(source.grid.Paste());
    EXPECT_TRUE(source.grid.LookupStyleRowCol(7, 1).GetFont().GetBold()) << "the cell itself was copied";

    other.grid.GetParam()->m_bDirectCopy = TRUE;
    other.Select(CGECellRange(2, 2, 2, 2));
    ASSERT_TRUE(other.grid.Paste());
    EXPECT_EQ(other.Value(2, 2), "a");
    EXPECT_FALSE(other.grid.LookupStyleRowCol(2, 2).GetFont().GetBold()) << "only the text travelled";
}

TEST(CutPaste, HostileInternalDataOnTheClipboardIsRefused) {
    ClipboardLock lock;
    WindowGrid grid(4, 4);
    grid.grid.m_wClipboardFlags = 0x08 | 0x10;
    grid.Put(2, 2, "kept");
    const UINT nFormat = GEGetLibraryState()->m_uiClipboardFormat;
    const DWORD header[] = {0, 5}; // rows 0: would wrap to four billion rows
    ASSERT_TRUE(cliptest::PutOnClipboard(grid.grid.GetSafeHwnd(), nFormat, header, sizeof header));
    grid.Select(CGECellRange(2, 2, 2, 2));
    EXPECT_FALSE(grid.grid.Paste());
    const BYTE garbage[] = {1, 0, 0, 0, 1, 0, 0, 0, 0xFF, 0xFF, 0x7F, 0x00, 0x13};
    ASSERT_TRUE(cliptest::PutOnClipboard(grid.grid.GetSafeHwnd(), nFormat, garbage, sizeof garbage));
    EXPECT_FALSE(grid.grid.Paste());
    EXPECT_EQ(grid.Value(2, 2), "kept");
    EXPECT_EQ(grid.grid.GetRowCount(), 4u);
    EXPECT_EQ(grid.grid.GetParam()->m_nBlockDepth, 0);
}
