// The mask parser without windows: positions and literals of a mask, which characters each mask
// character takes and how it converts them, storing values and shown texts, inserting and deleting with
// shifts, the caret's input end and free text.
#include "grid/controls/edit/CGEMaskData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

const char* const kPhone = "(###) ###-####";

CString Display(CGEMaskData& data) {
    CString str;
    data.GetDisplayText(str);
    return str;
}

CString Value(CGEMaskData& data, BOOL bTrim = FALSE) {
    CString str;
    data.GetValue(str, 0, -1, bTrim);
    return str;
}

// Sets a mask, resets the data and stores a value (when given).
CGEMaskData& Masked(CGEMaskData& data, LPCSTR pszMask, LPCSTR pszValue = nullptr) {
    data.SetMask(pszMask);
    data.ResetData();
    if (pszValue != nullptr)
        data.PutValue(pszValue, -1, FALSE);
    return data;
}

} // namespace

TEST(MaskData, ATelephoneMaskTakesTenDigitsBetweenItsLiterals) {
    std::unique_ptr<CObject> pObject(RUNTIME_CLASS(CGEMaskData)->CreateObject());
    auto* pData = dynamic_cast<CGEMaskData*>(pObject.get());
    ASSERT_NE(pData, nullptr) << "made through its run-time class";
    pData->SetMask(kPhone);
    pData->ResetData();
    ASSERT_EQ(pData->GetPositionCount(), 14);
    int nLiterals = 0;
    for (int i = 0; i < 14; ++i)
        nLiterals += pData->IsLiteral(i) ? 1 : 0;
    EXPECT_EQ(nLiterals, 4);
    EXPECT_STREQ(Display(*pData), "(___) ___-____");
    EXPECT_EQ(pData->PutValue("0123456789", -1, FALSE), 14);
    EXPECT_STREQ(Display(*pData), "(012) 345-6789");
    EXPECT_STREQ(Value(*pData), "0123456789");
    EXPECT_TRUE(pData->IsDataValid());
}

TEST(MaskData, BackslashesEscapeAndMakeNoPosition) {
    CGEMaskData data;
    Masked(data, "\\##\\\\");
    ASSERT_EQ(data.GetPositionCount(), 3) << "no phantom positions for the backslashes";
    EXPECT_TRUE(data.IsLiteral(0));
    EXPECT_FALSE(data.IsLiteral(1));
    EXPECT_TRUE(data.IsLiteral(2));
    EXPECT_STREQ(Display(data), "#_\\");
    EXPECT_EQ(data.PutDisplayText("#7\\", -1, FALSE), 3);
    EXPECT_STREQ(Value(data), "7");
    EXPECT_EQ(data.PutDisplayText("77\\", -1, FALSE), -1) << "a literal must match";
    CGEMaskData lowerA;
    EXPECT_TRUE(Masked(lowerA, "a#").IsLiteral(0)) << "mask characters are case-sensitive";
}

TEST(MaskData, EachMaskCharacterTakesAndConvertsItsKind) {
    const struct {
        const char* mask;
        const char* input;
        bool valid;
        const char* stored;
    } cases[] = {
        {"#", "7", true, "7"},       {"#", "a", false, ""},       {"?", "x", true, "x"},
        {"?", "5", false, ""},       {"A", "5", true, "5"},       {"A", "q", true, "q"},
        {"A", "-", false, ""},       {"&", "-", true, "-"},       {"L", "Q", true, "q"},
        {"L", "3", false, ""},       {"U", "q", true, "Q"},       {"U", "3", false, ""},
        {"U", "\xE4", true, "\xC4"}, {"?", "\xE9", true, "\xE9"}, {"#", " ", true, "_"},
        {"#", "_", true, "_"},       {"-", "-", false, ""},
    };
    for (const auto& c : cases) {
        CGEMaskData data;
        Masked(data, c.mask);
        CString strChar = c.input;
        EXPECT_EQ(data.IsValidChar(0, strChar) != FALSE, c.valid) << c.mask << " " << c.input;
        if (c.valid) {
            EXPECT_STREQ(strChar, c.stored) << c.mask << " " << c.input;
        }
    }
    CGEMaskData lower;
    Masked(lower, "LLL", "AbC");
    EXPECT_STREQ(Value(lower), "abc");
}

TEST(MaskData, ARefusedCharacterEndsAValueAndKeepsWhatCameBefore) {
    CGEMaskData data;
    Masked(data, "###-##");
    EXPECT_EQ(data.PutValue("12x45", -1, FALSE), 2);
    EXPECT_STREQ(Display(data), "12_-__");
    EXPECT_EQ(data.PutValue("9", 3, FALSE), 5) << "a literal start moves to the next editable position";
    EXPECT_STREQ(Display(data), "12_-9_");
    EXPECT_EQ(data.PutValue("1", 7, FALSE), -1);
}

TEST(MaskData, BlanksShowThePromptAndTrimDropsThemAtTheEnd) {
    CGEMaskData data;
    Masked(data, "&&&&", "a b ");
    EXPECT_STREQ(Display(data), "a_b_");
    EXPECT_STREQ(Value(data), "a b ");
    EXPECT_STREQ(Value(data, TRUE), "a b");
}

TEST(MaskData, InsertingShiftsRightAndIsRefusedWhenFull) {
    CGEMaskData data;
    Masked(data, "##-##", "12");
    int nNext = 0;
    EXPECT_TRUE(data.InsertCharAt(0, "9", nNext));
    EXPECT_EQ(nNext, 1);
    EXPECT_STREQ(Display(data), "91-2_") << "the shift jumps over the literal";
    EXPECT_TRUE(data.InsertCharAt(1, "8", nNext));
    EXPECT_EQ(nNext, 3);
    EXPECT_STREQ(Display(data), "98-12");
    EXPECT_FALSE(data.InsertCharAt(0, "7", nNext));
    EXPECT_EQ(nNext, -1);
    EXPECT_STREQ(Display(data), "98-12") << "a refused insertion changes nothing";
}

TEST(MaskData, DeletingClosesTheGapAcrossLiterals) {
    CGEMaskData digits;
    Masked(digits, "#####", "12345");
    digits.DeleteRange(3, 2);
    EXPECT_STREQ(Display(digits), "1245_");

    CGEMaskData phone;
    Masked(phone, kPhone, "0123456789");
    phone.DeleteRange(7, 2); // the 1, 2 and 3; the literals between them stay
    EXPECT_STREQ(Display(phone), "(045) 678-9___");
    phone.DeleteRange(14, 10);
    EXPECT_STREQ(Display(phone), "(045) 678-____");
}

TEST(MaskData, TheInputEndKeepsTheCaretAtTheEnteredText) {
    CGEMaskData data;
    Masked(data, "##-##", "1");
    const struct {
        int pos;
        int end;
    } cases[] = {{0, 1}, {1, 1}, {3, 1}, {5, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(data.GetInputEnd(c.pos), c.end) << c.pos;
    data.PutValue("123", -1, FALSE);
    EXPECT_EQ(data.GetInputEnd(5), 4);
    EXPECT_EQ(data.GetInputEnd(3), 3);
    data.PutValue("1234", -1, FALSE);
    EXPECT_EQ(data.GetInputEnd(5), 5);
    EXPECT_EQ(data.GetNextEditPos(1), 3);
    EXPECT_EQ(data.GetPrevEditPos(3), 1);
    EXPECT_EQ(data.GetNextEditPos(4), -1);
    EXPECT_EQ(data.GetPrevEditPos(0), -1);
}

TEST(MaskData, FreeTextTakesAnythingUpToTheMaximumLength) {
    CGEMaskData data;
    data.SetMask("");
    data.SetMaxLength(4);
    data.ResetData();
    CString strChar = "%";
    EXPECT_TRUE(data.IsValidChar(9, strChar));
    EXPECT_EQ(data.PutDisplayText("abcdef", -1, FALSE), 6);
    EXPECT_STREQ(Display(data), "abcd") << "cut to the maximum length";
    EXPECT_STREQ(Value(data), "abcd");
    int nNext = 0;
    EXPECT_FALSE(data.InsertCharAt(0, "x", nNext));
    data.DeleteRange(2, 1);
    EXPECT_STREQ(Display(data), "acd");
    EXPECT_TRUE(data.InsertCharAt(1, "x", nNext));
    EXPECT_STREQ(Display(data), "axcd");
    EXPECT_TRUE(data.IsDataValid());
}

TEST(MaskData, ThePromptIsOneCharacter) {
    CGEMaskData data;
    Masked(data, "##", "1");
    EXPECT_FALSE(data.SetPromptChar("***", TRUE));
    EXPECT_FALSE(data.SetPromptChar("ab", TRUE)) << "two bytes must be one double-byte character";
    EXPECT_STREQ(data.GetPromptChar(), "_");
    EXPECT_TRUE(data.SetPromptChar("*", TRUE));
    EXPECT_STREQ(Display(data), "1*");
    EXPECT_TRUE(data.SetPromptChar("", FALSE));
    EXPECT_STREQ(data.GetPromptChar(), "_");
    EXPECT_STREQ(Display(data), "1*") << "without replace the shown prompts stay";
}
