// Rich edit controls: RTF and text streamed in and out through EDITSTREAM callbacks, character
// formats of the default text and of selections, selections, limits and notifications.
#include "ControlsTestSupport.h"

#include <algorithm>
#include <string>

using namespace ctltest;

namespace {

constexpr UINT IDC_RICHEDIT = 3601;

// What a stream callback reads from or writes to.
struct StreamBuffer {
    std::string data;
    size_t position = 0;
    DWORD failWith = 0; // a non-zero value ends the stream with that error
};

DWORD CALLBACK ReadIn(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb) {
    auto* buffer = reinterpret_cast<StreamBuffer*>(dwCookie);
    if (buffer->failWith != 0)
        return buffer->failWith;
    const size_t count = std::min(static_cast<size_t>(cb), buffer->data.size() - buffer->position);
    std::copy_n(buffer->data.data() + buffer->position, count, pbBuff);
    buffer->position += count;
    *pcb = static_cast<LONG>(count);
    return 0;
}

DWORD CALLBACK WriteOut(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb) {
    auto* buffer = reinterpret_cast<StreamBuffer*>(dwCookie);
    buffer->data.append(reinterpret_cast<const char*>(pbBuff), static_cast<size_t>(cb));
    *pcb = cb;
    return 0;
}

const char kDocument[] =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\fs20 Plain {\\b bold run} end.\\par}";

class RichEditTest : public ControlsTest {
protected:
    void SetUp() override {
        ControlsTest::SetUp();
        ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, Area(10, 10, 400, 200),
                                &parent, IDC_RICHEDIT));
        MakePlain(edit);
    }

    // Without a font of its own a rich edit control may start from a bold system font; the tests want
    // plain text to be plain.
    static void MakePlain(CRichEditCtrl& ctrl) {
        CHARFORMAT cf{};
        cf.dwMask = CFM_BOLD | CFM_FACE | CFM_SIZE;
        cf.yHeight = 200;
        lstrcpynA(cf.szFaceName, "Arial", LF_FACESIZE);
        ASSERT_TRUE(ctrl.SetDefaultCharFormat(cf));
    }

    long StreamInText(CRichEditCtrl& ctrl, int nFormat, const std::string& text,
                      StreamBuffer* source = nullptr) {
        StreamBuffer local{text};
        StreamBuffer& buffer = source != nullptr ? *source : local;
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&buffer), 0, &ReadIn};
        const long count = ctrl.StreamIn(nFormat, es);
        lastError = es.dwError;
        return count;
    }

    std::string StreamOutText(CRichEditCtrl& ctrl, int nFormat) {
        StreamBuffer buffer;
        EDITSTREAM es{reinterpret_cast<DWORD_PTR>(&buffer), 0, &WriteOut};
        ctrl.StreamOut(nFormat, es);
        return buffer.data;
    }

    static std::string Range(const CRichEditCtrl& ctrl, int first, int last) {
        CString text;
        ctrl.GetTextRange(first, last, text);
        return static_cast<LPCSTR>(text);
    }

    // Whether every character of [first, last) is bold (1), none is (0) or they differ (-1).
    static int Bold(CRichEditCtrl& ctrl, long first, long last) {
        ctrl.SetSel(first, last);
        CHARFORMAT cf{};
        cf.dwMask = CFM_BOLD;
        ctrl.GetSelectionCharFormat(cf);
        if ((cf.dwMask & CFM_BOLD) == 0)
            return -1;
        return (cf.dwEffects & CFE_BOLD) != 0 ? 1 : 0;
    }

    CRichEditCtrl edit;
    DWORD lastError = 0;
};

} // namespace

TEST_F(RichEditTest, RtfStreamsInAndOutWithItsFormatting) {
    EXPECT_GT(StreamInText(edit, SF_RTF, kDocument), 0);
    EXPECT_EQ(lastError, 0u);
    EXPECT_EQ(Range(edit, 0, 19), "Plain bold run end.");
    EXPECT_EQ(Bold(edit, 6, 14), 1);
    EXPECT_EQ(Bold(edit, 0, 5), 0);
    EXPECT_EQ(Bold(edit, 0, 14), -1);

    const std::string rtf = StreamOutText(edit, SF_RTF);
    EXPECT_EQ(rtf.rfind("{\\rtf", 0), 0u);
    EXPECT_NE(rtf.find("\\b"), std::string::npos);
    EXPECT_NE(rtf.find("bold run"), std::string::npos);

    // What went out comes back in the same.
    CRichEditCtrl copy;
    ASSERT_TRUE(copy.Create(WS_CHILD | WS_VISIBLE | ES_MULTILINE, Area(10, 220, 400, 100), &parent,
                            IDC_RICHEDIT + 1));
    MakePlain(copy);
    EXPECT_GT(StreamInText(copy, SF_RTF, rtf), 0);
    EXPECT_EQ(Range(copy, 0, 19), "Plain bold run end.");
    EXPECT_EQ(Bold(copy, 6, 14), 1);
    EXPECT_EQ(Bold(copy, 15, 19), 0);

    const std::string text = StreamOutText(edit, SF_TEXT);
    EXPECT_EQ(text.rfind("Plain bold run end.", 0), 0u);
    EXPECT_EQ(text.find('{'), std::string::npos);
}

TEST_F(RichEditTest, TextStreamsReplaceAllOrTheSelection) {
    EXPECT_EQ(StreamInText(edit, SF_TEXT, "Hours for March"), 15);
    EXPECT_EQ(edit.GetTextLength(), 15);
    edit.SetSel(10, 15);
    EXPECT_EQ(StreamInText(edit, SF_TEXT | SFF_SELECTION, "April"), 5);
    EXPECT_EQ(Range(edit, 0, -1), "Hours for April");
    edit.SetSel(0, 5);
    EXPECT_EQ(StreamOutText(edit, SF_TEXT | SFF_SELECTION), "Hours");

    // A callback that fails stops the stream and reports its error.
    StreamBuffer failing{"ignored", 0, 42};
    StreamInText(edit, SF_TEXT, "", &failing);
    EXPECT_EQ(lastError, 42u);
}

TEST_F(RichEditTest, CharacterFormatsOfTextAndSelection) {
    CHARFORMAT def{};
    def.dwMask = CFM_ITALIC | CFM_SIZE | CFM_FACE;
    def.dwEffects = CFE_ITALIC;
    def.yHeight = 240;
    lstrcpynA(def.szFaceName, "Arial", LF_FACESIZE);
    EXPECT_TRUE(edit.SetDefaultCharFormat(def));
    edit.SetWindowText("Monday Tuesday");
    CHARFORMAT read{};
    edit.GetDefaultCharFormat(read);
    EXPECT_EQ(read.cbSize, sizeof(CHARFORMAT));
    EXPECT_NE(read.dwEffects & CFE_ITALIC, 0u);
    EXPECT_EQ(read.yHeight, 240);

    edit.SetSel(7, 14);
    CHARFORMAT bold{};
    bold.dwMask = CFM_BOLD | CFM_COLOR;
    bold.dwEffects = CFE_BOLD;
    bold.crTextColor = RGB(200, 0, 0);
    EXPECT_TRUE(edit.SetSelectionCharFormat(bold));
    EXPECT_EQ(Bold(edit, 7, 14), 1);
    EXPECT_EQ(Bold(edit, 0, 6), 0);
    edit.SetSel(8, 9);
    CHARFORMAT2 cf2{};
    cf2.dwMask = CFM_COLOR | CFM_BOLD;
    edit.GetSelectionCharFormat(cf2);
    EXPECT_EQ(cf2.cbSize, sizeof(CHARFORMAT2));
    EXPECT_EQ(cf2.crTextColor, RGB(200, 0, 0));
    EXPECT_NE(cf2.dwEffects & CFE_ITALIC, 0u); // the default format is still there
}

TEST_F(RichEditTest, SelectionReplaceLimitsAndNotifications) {
    edit.SetWindowText("alpha beta gamma");
    edit.SetSel(6, 10);
    long start = 0;
    long end = 0;
    edit.GetSel(start, end);
    EXPECT_EQ(start, 6);
    EXPECT_EQ(end, 10);
    EXPECT_EQ(std::string(static_cast<LPCSTR>(edit.GetSelText())), "beta");
    EXPECT_EQ(edit.GetSelectionType(), static_cast<WORD>(SEL_TEXT | SEL_MULTICHAR));

    EXPECT_EQ(edit.SetEventMask(ENM_CHANGE | ENM_SELCHANGE), static_cast<DWORD>(ENM_NONE));
    EXPECT_EQ(edit.GetEventMask(), static_cast<DWORD>(ENM_CHANGE | ENM_SELCHANGE));
    edit.ReplaceSel("BETA", TRUE);
    EXPECT_EQ(Range(edit, 0, -1), "alpha BETA gamma");
    EXPECT_GE(parent.CountCommands(IDC_RICHEDIT, EN_CHANGE), 1);
    edit.SetSel(0, 0);
    EXPECT_GE(parent.CountNotifications(IDC_RICHEDIT, EN_SELCHANGE), 1);
    EXPECT_TRUE(edit.CanUndo());
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(Range(edit, 0, -1), "alpha beta gamma");

    edit.LimitText(20);
    EXPECT_EQ(edit.GetLimitText(), 20);
    // The limit stops what the user types.
    edit.SetSel(-1, -1);
    for (char c : std::string(" delta epsilon"))
        edit.SendMessage(WM_CHAR, static_cast<WPARAM>(c), 1);
    EXPECT_EQ(edit.GetTextLength(), 20);

    EXPECT_TRUE(edit.SetReadOnly());
    EXPECT_NE(edit.GetStyle() & ES_READONLY, 0u);
    EXPECT_TRUE(edit.SetReadOnly(FALSE));
    EXPECT_EQ(edit.GetStyle() & ES_READONLY, 0u);

    edit.SetBackgroundColor(FALSE, RGB(255, 255, 200));
    EXPECT_EQ(edit.SetBackgroundColor(TRUE, 0), RGB(255, 255, 200));

    EXPECT_EQ(edit.GetLineCount(), 1);
    EXPECT_EQ(edit.LineIndex(0), 0);
    EXPECT_EQ(edit.LineLength(0), 20);
}
