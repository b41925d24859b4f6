// What a dialog takes from its resources beyond the template: the initial strings of its combo and
// list boxes (initialisation data), and the window classes of the common controls it holds.
#include "WinTestSupport.h"
#include "WndExtrasTestsResource.h"

#include "framework/win/AfxDlgSupport.h"

#include <cstring>
#include <string>
#include <vector>

using namespace wintest;

namespace {

std::vector<std::string> Strings(HWND hCtrl, UINT countMsg, UINT textMsg) {
    std::vector<std::string> items;
    const auto count = static_cast<int>(::SendMessageA(hCtrl, countMsg, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        ::SendMessageA(hCtrl, textMsg, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        items.emplace_back(text);
    }
    return items;
}

std::vector<std::string> ComboStrings(HWND hDlg, int nID) {
    return Strings(::GetDlgItem(hDlg, nID), CB_GETCOUNT, CB_GETLBTEXT);
}

std::vector<std::string> ListStrings(HWND hDlg, int nID) {
    return Strings(::GetDlgItem(hDlg, nID), LB_GETCOUNT, LB_GETTEXT);
}

using Items = std::vector<std::string>;

// Remembers what the lists held when its own initialisation ran.
class InitDlg : public CDialog {
public:
    InitDlg() : CDialog(IDD_DLGINIT) {}
    BOOL OnInitDialog() override {
        comboAtInit = ComboStrings(m_hWnd, IDC_INIT_COMBO);
        return CDialog::OnInitDialog();
    }
    Items comboAtInit;
};

// Initialisation data built in memory: records of (id, message, text as stored).
class InitData {
public:
    InitData& Add(WORD nID, WORD message, const std::string& stored) {
        Put(nID);
        Put(message);
        const auto length = static_cast<DWORD>(stored.size());
        Put(static_cast<WORD>(length & 0xFFFF));
        Put(static_cast<WORD>(length >> 16));
        m_bytes.insert(m_bytes.end(), stored.begin(), stored.end());
        return *this;
    }
    InitData& End() {
        Put(0);
        return *this;
    }
    InitData& Raw(std::initializer_list<BYTE> bytes) {
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    const BYTE* Data() const { return m_bytes.data(); }
    DWORD Size() const { return static_cast<DWORD>(m_bytes.size()); }

private:
    void Put(WORD w) {
        m_bytes.push_back(static_cast<BYTE>(w & 0xFF));
        m_bytes.push_back(static_cast<BYTE>(w >> 8));
    }
    std::vector<BYTE> m_bytes;
};

std::string WithZero(const char* text) {
    return std::string(text, std::strlen(text) + 1);
}

} // namespace

TEST(DialogInitData, CombosAndListsGetTheirStringsBeforeTheDialogsInitialisation) {
    InitDlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGINIT));
    EXPECT_EQ(dlg.comboAtInit, (Items{"Hours", "Expenses", "Travel"}));
    EXPECT_EQ(ComboStrings(dlg.m_hWnd, IDC_INIT_COMBO), (Items{"Hours", "Expenses", "Travel"}));
    // One string stored with the 32-bit message number, one with the 16-bit one.
    EXPECT_EQ(ListStrings(dlg.m_hWnd, IDC_INIT_LIST), (Items{"One", "Two"}));
    EXPECT_TRUE(ComboStrings(dlg.m_hWnd, IDC_INIT_EMPTY).empty());
    // A dialog without data keeps its lists as they are.
    EXPECT_TRUE(dlg.ExecuteDlgInit(MAKEINTRESOURCEA(IDD_TIPS)));
    dlg.DestroyWindow();
}

TEST(DialogInitData, MalformedOrForeignRecordsAreRefusedOrSkipped) {
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_DLGINIT));
    const HWND hDlg = dlg.m_hWnd;
    ::SendDlgItemMessageA(hDlg, IDC_INIT_EMPTY, CB_RESETCONTENT, 0, 0);

    struct Case {
        const char* what;
        InitData data;
        BOOL result;
        Items added;
    };
    const Case cases[] = {
        {"a record of another message is skipped",
         InitData()
             .Add(IDC_INIT_EMPTY, WM_SETTEXT, WithZero("Not a list"))
             .Add(IDC_INIT_EMPTY, 0x0403, WithZero("Kept"))
             .End(),
         TRUE,
         {"Kept"}},
        {"text without its zero ends with its record",
         InitData().Add(IDC_INIT_EMPTY, 0x0403, "Cut").Add(IDC_INIT_EMPTY, 0x0403, WithZero("Next")).End(),
         TRUE,
         {"Cut", "Next"}},
        {"a length beyond the data stops there",
         InitData().Add(IDC_INIT_EMPTY, 0x0403, "AB").Raw({}),
         FALSE,
         {"AB"}},
        {"a record cut inside its header",
         InitData().Add(IDC_INIT_EMPTY, 0x0403, WithZero("First")).Raw({1, 0, 3}),
         FALSE,
         {"First"}},
        {"data without the closing zero",
         InitData().Add(IDC_INIT_EMPTY, 0x0403, WithZero("Only")),
         FALSE,
         {"Only"}},
    };
    for (const Case& c : cases) {
        ::SendDlgItemMessageA(hDlg, IDC_INIT_EMPTY, CB_RESETCONTENT, 0, 0);
        EXPECT_EQ(AfxExecuteDlgInit(hDlg, c.data.Data(), c.data.Size()), c.result) << c.what;
        EXPECT_EQ(ComboStrings(hDlg, IDC_INIT_EMPTY), c.added) << c.what;
    }

    // A length that claims more than there is adds nothing of that record.
    InitData overlong;
    overlong.Add(IDC_INIT_EMPTY, 0x0403, WithZero("Fine"))
        .Raw({0x23, 0x22, 0x03, 0x04, 0xFF, 0, 0, 0, 'x', 0});
    ::SendDlgItemMessageA(hDlg, IDC_INIT_EMPTY, CB_RESETCONTENT, 0, 0);
    EXPECT_FALSE(AfxExecuteDlgInit(hDlg, overlong.Data(), overlong.Size()));
    EXPECT_EQ(ComboStrings(hDlg, IDC_INIT_EMPTY), (Items{"Fine"}));
    dlg.DestroyWindow();
}

// The common control classes and the rich edit library are made available by the dialog itself: the
// dialog is the first thing of the process to create such controls.
TEST(DialogCommonControls, TemplateWithDatePickerAndRichEditCreatesWithNothingInitialisedBefore) {
    CDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_COMMON_CONTROLS));
    std::vector<std::string> classes;
    for (int nID : {IDC_CC_DATE, IDC_CC_RICH, IDC_CC_LIST, IDC_CC_TREE, IDC_CC_MONTH}) {
        HWND hCtrl = ::GetDlgItem(dlg.m_hWnd, nID);
        classes.push_back(hCtrl != nullptr ? ClassOf(hCtrl) : "(none)");
    }
    EXPECT_EQ(classes, (std::vector<std::string>{"SysDateTimePick32", "RichEdit20A", "SysListView32",
                                                 "SysTreeView32", "SysMonthCal32"}));
    dlg.DestroyWindow();
}

TEST(DialogCommonControls, ClassesOfAnInMemoryTemplateAreInitialisedToo) {
    // A template of the older layout with one rich edit control and creation data.
    std::vector<WORD> words;
    auto put32 = [&words](DWORD d) {
        words.push_back(static_cast<WORD>(d & 0xFFFF));
        words.push_back(static_cast<WORD>(d >> 16));
    };
    auto putWords = [&words](std::initializer_list<WORD> list) {
        for (WORD w : list)
            words.push_back(w);
    };
    auto putText = [&words](const wchar_t* text) {
        for (; *text != 0; ++text)
            words.push_back(static_cast<WORD>(*text));
        words.push_back(0);
    };
    put32(WS_POPUP | WS_CAPTION); // style
    put32(0);                     // extended style
    words.push_back(1);           // one item
    putWords({0, 0, 100, 60});
    words.push_back(0); // no menu
    words.push_back(0); // dialog class
    putText(L"In memory");
    if (words.size() % 2 != 0)
        words.push_back(0); // the item starts on a DWORD
    put32(WS_CHILD | WS_VISIBLE | ES_MULTILINE);
    put32(0);
    putWords({5, 5, 80, 40, 77});
    putText(L"RichEdit20A");
    putText(L"Text");
    words.push_back(0); // no creation data

    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), nullptr));
    HWND hRich = ::GetDlgItem(dlg.m_hWnd, 77);
    ASSERT_NE(hRich, nullptr);
    EXPECT_EQ(ClassOf(hRich), "RichEdit20A");
    EXPECT_EQ(TextOf(hRich), "Text");
    dlg.DestroyWindow();
}
