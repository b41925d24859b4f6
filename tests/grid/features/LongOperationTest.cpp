// Long operations: nothing shows before the first wait, then the status text with a turning indicator or
// a percentage; a locked status hides deeper texts; Esc asks (or not) whether to abort and whether to
// roll back; input is dropped while other messages are dispatched; nesting deeper than the kept texts
// and status texts of any length are safe.
#include "FeatureTestSupport.h"

#include <memory>

using featuretest::TestLongOperationImp;

namespace {

CGELongOperationState& State() {
    return CGELongOperationState::Get();
}

void PostEscape(HWND hWnd) {
    ::PostMessageA(hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
}

} // namespace

TEST(LongOperation, NothingShowsBeforeTheFirstWaitThenTheTextTurns) {
    TestLongOperationImp imp;
    {
        CGELongOperation op;
        op.SetStatusText("Sorting");
        imp.now += 749;
        EXPECT_FALSE(op.Step()) << "749 ms: not yet";
        EXPECT_TRUE(imp.window.statusTexts.empty());
        EXPECT_EQ(imp.waitCursor, 0);
        imp.now += 1;
        EXPECT_TRUE(op.Step());
        EXPECT_EQ(imp.waitCursor, 1) << "the first display shows the wait cursor";
        imp.now += 1499;
        EXPECT_FALSE(op.Step()) << "then every 1500 ms";
        imp.now += 1;
        EXPECT_TRUE(op.Step());
        imp.now += 1500;
        CGELongOperationState::Get().SetPercentDone(CGELongOperation::GetNestingLevel(), 250);
        EXPECT_TRUE(op.Step());
    }
    const std::vector<std::string> expected = {"Sorting  -", "Sorting  \\", "Sorting 100%. ", "Done."};
    EXPECT_EQ(imp.window.statusTexts, expected);
    EXPECT_EQ(imp.waitCursor, 0) << "the outermost end takes the wait cursor away";
}

TEST(LongOperation, AShortOperationEndsWithoutDone) {
    TestLongOperationImp imp;
    {
        CGELongOperation op;
        imp.now += 100;
        op.Step();
    }
    EXPECT_TRUE(imp.window.statusTexts.empty());
    EXPECT_EQ(imp.waitCursor, 0);
}

TEST(LongOperation, ALockedStatusHidesTheTextsOfDeeperOperations) {
    TestLongOperationImp imp;
    CGELongOperation outer;
    outer.SetStatusText("Pasting");
    State().LockStatus(CGELongOperation::GetNestingLevel());
    {
        CGELongOperation middle;
        EXPECT_STREQ(middle.m_pszStatusText, "Pasting") << "an inner operation starts with the outer text";
        middle.SetStatusText("Clearing");
        EXPECT_STREQ(middle.m_pszStatusText, "Pasting") << "below the lock a new text is ignored";
        CGELongOperation inner;
        inner.SetStatusText("Storing cells");
        imp.now += 800;
        inner.Step();
        EXPECT_TRUE(imp.window.statusTexts.empty()) << "below the lock nothing shows";
    }
    imp.now += 800;
    EXPECT_TRUE(outer.Step());
    ASSERT_EQ(imp.window.statusTexts.size(), 1u);
    EXPECT_EQ(imp.window.statusTexts[0], "Pasting  -") << "the locked level itself shows";
    State().ClearLock();
}

struct AbortCase {
    const char* name;
    BOOL bAsk;
    BOOL bRollbackPossible;
    int nAnswer; // 0: no question expected
    UINT nQuestionType;
    BOOL bAbort;
    BOOL bRollback;
};

class LongOperationAbort : public ::testing::TestWithParam<AbortCase> {};

TEST_P(LongOperationAbort, EscAbortsAsTheSettingsAndTheAnswerSay) {
    const AbortCase& c = GetParam();
    TestLongOperationImp imp;
    State().bAskBeforeAbort = c.bAsk;
    CGELongOperation op;
    State().bRollbackPossible = c.bRollbackPossible;
    if (c.nAnswer != 0)
        imp.answers.push_back(c.nAnswer);
    imp.now += 800;
    PostEscape(imp.window.Handle());
    BOOL bAbort = TRUE;
    EXPECT_TRUE(op.StepAndQueryAbort(bAbort));
    EXPECT_EQ(bAbort, c.bAbort);
    EXPECT_EQ(State().bRollbackRequested, c.bRollback);
    ASSERT_EQ(imp.questions.size(), c.nAnswer != 0 ? 1u : 0u);
    if (c.nAnswer != 0) {
        EXPECT_EQ(imp.questions[0], c.nQuestionType);
    }
    ASSERT_FALSE(imp.window.statusTexts.empty());
    EXPECT_NE(imp.window.statusTexts[0].find("Press ESC to cancel"), std::string::npos);
    // The decision holds without asking again.
    imp.now += 1500;
    EXPECT_TRUE(op.StepAndQueryAbort(bAbort));
    EXPECT_EQ(bAbort, c.bAbort);
    EXPECT_EQ(imp.questions.size(), c.nAnswer != 0 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongOperationAbort,
    ::testing::Values(AbortCase{"no_question", FALSE, FALSE, 0, 0, TRUE, FALSE},
                      AbortCase{"no_question_rolls_back", FALSE, TRUE, 0, 0, TRUE, TRUE},
                      AbortCase{"yes_aborts", TRUE, FALSE, IDYES, MB_YESNO, TRUE, FALSE},
                      AbortCase{"no_goes_on", TRUE, FALSE, IDNO, MB_YESNO, FALSE, FALSE},
                      AbortCase{"abort", TRUE, TRUE, IDABORT, MB_ABORTRETRYIGNORE, TRUE, FALSE},
                      AbortCase{"retry_rolls_back", TRUE, TRUE, IDRETRY, MB_ABORTRETRYIGNORE, TRUE, TRUE},
                      AbortCase{"ignore_goes_on", TRUE, TRUE, IDIGNORE, MB_ABORTRETRYIGNORE, FALSE, FALSE}),
    [](const ::testing::TestParamInfo<AbortCase>& info) { return std::string(info.param.name); });

TEST(LongOperation, InputIsDroppedAndOtherMessagesAreDispatched) {
    TestLongOperationImp imp;
    CGELongOperation op;
    const HWND hWnd = imp.window.Handle();
    ::PostMessageA(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::PostMessageA(hWnd, WM_COMMAND, 1, 0);
    ::PostMessageA(hWnd, WM_USER + 1, 0, 0);
    EXPECT_TRUE(op.ProcessMessages());
    EXPECT_EQ(imp.window.clicks, 0);
    EXPECT_EQ(imp.window.userMessages, 1);
    MSG msg;
    EXPECT_FALSE(::PeekMessageA(&msg, hWnd, 0, 0, PM_REMOVE)) << "the click is not delivered afterwards";
    BOOL bAbort = TRUE;
    op.StepAndQueryAbort(bAbort);
    EXPECT_FALSE(bAbort) << "no Esc, no abort";
}

TEST(LongOperation, NestingDeeperThanTheKeptTextsIsSafe) {
    TestLongOperationImp imp;
    const int nBase = CGELongOperation::GetNestingLevel();
    std::vector<std::unique_ptr<CGELongOperation>> ops;
    for (int i = 0; i < CGELongOperationState::nMaxTextLevels + 36; ++i) {
        ops.push_back(std::make_unique<CGELongOperation>());
        const std::string strText = "level " + std::to_string(i + 1);
        ops.back()->SetStatusText(strText.c_str());
    }
    EXPECT_EQ(CGELongOperation::GetNestingLevel(), nBase + 100);
    EXPECT_STREQ(State().GetLevelText(64), "level 64");
    EXPECT_EQ(State().GetLevelText(65), nullptr);
    imp.now += 800;
    EXPECT_TRUE(ops.back()->Step());
    ASSERT_EQ(imp.window.statusTexts.size(), 1u);
    EXPECT_EQ(imp.window.statusTexts[0], "level 64  -") << "the deepest kept text shows";
    while (!ops.empty())
        ops.pop_back();
    EXPECT_EQ(CGELongOperation::GetNestingLevel(), nBase);
}

TEST(LongOperation, StatusTextsOfAnyLengthAreSentWhole) {
    TestLongOperationImp imp;
    const std::string strLong(300, 'x');
    CGELongOperation op;
    op.SetStatusText(strLong.c_str());
    imp.now += 800;
    op.Step();
    ASSERT_EQ(imp.window.statusTexts.size(), 1u);
    EXPECT_EQ(imp.window.statusTexts[0], strLong + "  -");
}
