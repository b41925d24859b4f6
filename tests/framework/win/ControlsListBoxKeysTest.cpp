// Keys of list boxes that want keyboard input: the owner's WM_VKEYTOITEM and WM_CHARTOITEM reach the
// list box object (VKeyToItem, CharToItem), whose answer decides what the list box does.
#include "ControlsTestSupport.h"

#include <utility>
#include <vector>

using namespace ctltest;

namespace {

constexpr UINT IDC_KEY_LIST = 3251;

// Records the keys it is asked about and answers with `answer` (the default answer when unset).
class KeyList : public CListBox {
public:
    int VKeyToItem(UINT nKey, UINT nIndex) override {
        keys.emplace_back(nKey, nIndex);
        return useDefault ? CListBox::VKeyToItem(nKey, nIndex) : answer;
    }
    int CharToItem(UINT nChar, UINT nIndex) override {
        chars.emplace_back(nChar, nIndex);
        return useDefault ? CListBox::CharToItem(nChar, nIndex) : answer;
    }
    // Owner-drawn lists without strings need a size and nothing drawn.
    void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct) override {
        lpMeasureItemStruct->itemHeight = 16;
    }
    void DrawItem(LPDRAWITEMSTRUCT) override {}

    bool useDefault = true;
    int answer = -1;
    std::vector<std::pair<UINT, UINT>> keys;
    std::vector<std::pair<UINT, UINT>> chars;
};

class ListBoxKeys : public ControlsTest {
protected:
    void Make(DWORD extraStyle) {
        ASSERT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_WANTKEYBOARDINPUT | extraStyle,
                                Area(10, 10, 150, 150), &parent, IDC_KEY_LIST));
        for (int i = 0; i < 5; ++i) {
            if (extraStyle & LBS_OWNERDRAWFIXED)
                list.AddString(reinterpret_cast<LPCSTR>(static_cast<INT_PTR>(100 + i)));
            else
                list.AddString("Item");
        }
        list.SetCurSel(0);
    }

    KeyList list;
};

} // namespace

TEST_F(ListBoxKeys, VirtualKeysAreAnsweredByTheListBoxObject) {
    struct Case {
        bool useDefault;
        int answer;
        int selectionAfterDown;
    };
    // The default answer lets the list box move on; -2 means handled, so nothing moves.
    for (const Case& c : {Case{true, 0, 1}, Case{false, -1, 1}, Case{false, -2, 0}}) {
        Make(LBS_NOTIFY);
        list.useDefault = c.useDefault;
        list.answer = c.answer;
        list.SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        ASSERT_EQ(list.keys.size(), 1u) << "the key never reached VKeyToItem";
        EXPECT_EQ(list.keys.front(), std::make_pair(static_cast<UINT>(VK_DOWN), 0u));
        EXPECT_EQ(list.GetCurSel(), c.selectionAfterDown) << c.answer;
        list.DestroyWindow();
        list.keys.clear();
    }
}

TEST_F(ListBoxKeys, CharactersOfAListWithoutStringsAreAnsweredByTheListBoxObject) {
    Make(LBS_OWNERDRAWFIXED);
    list.SetCurSel(1);
    list.useDefault = false;
    list.answer = 3; // the item the character stands for
    list.SendMessage(WM_CHAR, 'x', 0);
    ASSERT_EQ(list.chars.size(), 1u) << "the character never reached CharToItem";
    EXPECT_EQ(list.chars.front(), std::make_pair(static_cast<UINT>('x'), 1u));
    EXPECT_EQ(list.GetCurSel(), 3);

    list.answer = -2;
    list.SendMessage(WM_CHAR, 'y', 0);
    EXPECT_EQ(list.chars.size(), 2u);
    EXPECT_EQ(list.GetCurSel(), 3);
}
