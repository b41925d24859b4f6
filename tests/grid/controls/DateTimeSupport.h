// What the date-time editor tests share: an editor in an owner window whose Tab and Shift keys the test
// holds and which counts its change notifications, a description of its gadgets, and dates to the second.
#pragma once

#include "CalendarSupport.h"

#include "grid/controls/datetime/CGEBDTListGadget.h"
#include "grid/controls/datetime/CGEBDTNumericGadget.h"
#include "grid/controls/datetime/CGEBDTSpinGadget.h"
#include "grid/controls/datetime/CGEBDTStaticGadget.h"
#include "grid/controls/datetime/CGEBDateTimeCtrl.h"

#include <string>

namespace dttest {

inline std::string Stamp(const COleDateTime& date) {
    if (date.GetStatus() != COleDateTime::valid)
        return "invalid";
    char sz[40];
    wsprintfA(sz, "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(), date.GetDay(),
              date.GetHour(), date.GetMinute(), date.GetSecond());
    return sz;
}

// N<id> for a number field (+ when zero-padded), L<id> for a name list, S'text' for literal text, B and P
// for the docked button and spin pair; separated by blanks.
inline std::string Describe(const CGEBDateTimeCtrl& ctrl) {
    std::string text;
    for (INT_PTR i = 0; i < ctrl.GetGadgetCount(); ++i) {
        CGEBDTGadget* pGadget = ctrl.GetGadget(i);
        if (!text.empty())
            text += ' ';
        char sz[64] = {};
        if (auto* pNumeric = dynamic_cast<CGEBDTNumericGadget*>(pGadget); pNumeric != nullptr)
            wsprintfA(sz, "N%d%s", pGadget->GetId(), pNumeric->IsZeroPadded() ? "+" : "");
        else if (dynamic_cast<CGEBDTListGadget*>(pGadget) != nullptr)
            wsprintfA(sz, "L%d", pGadget->GetId());
        else if (auto* pStatic = dynamic_cast<CGEBDTStaticGadget*>(pGadget); pStatic != nullptr)
            wsprintfA(sz, "S'%s'", static_cast<LPCSTR>(pStatic->GetText()));
        else if (pGadget->GetId() == GEB_DTF_BUTTON)
            lstrcpyA(sz, "B");
        else if (pGadget->GetId() == GEB_DTF_SPIN)
            lstrcpyA(sz, "P");
        text += sz;
    }
    return text;
}

// The text the fields show, one after the other.
inline std::string Shown(const CGEBDateTimeCtrl& ctrl) {
    std::string text;
    for (INT_PTR i = 0; i < ctrl.GetGadgetCount(); ++i) {
        CGEBDTGadget* pGadget = ctrl.GetGadget(i);
        if (auto* pNumeric = dynamic_cast<CGEBDTNumericGadget*>(pGadget); pNumeric != nullptr)
            text += pNumeric->GetText();
        else if (auto* pList = dynamic_cast<CGEBDTListGadget*>(pGadget); pList != nullptr)
            text += pList->GetText();
        else if (auto* pStatic = dynamic_cast<CGEBDTStaticGadget*>(pGadget); pStatic != nullptr)
            text += pStatic->GetText();
    }
    return text;
}

class TestDateTimeCtrl : public CGEBDateTimeCtrl {
public:
    BOOL shift = FALSE;
    BOOL tab = FALSE;
    int changes = 0;
    void OnChanged() override {
        ++changes;
        CGEBDateTimeCtrl::OnChanged();
    }
    void Key(UINT nKey) { SendMessage(WM_KEYDOWN, nKey, 1); }
    void Type(const char* pszText) {
        for (const char* p = pszText; *p != '\0'; ++p)
            SendMessage(WM_CHAR, static_cast<unsigned char>(*p), 1);
    }
    // The index of the first gadget with a field id.
    int IndexOf(int nId) const {
        for (INT_PTR i = 0; i < GetGadgetCount(); ++i)
            if (GetGadget(i)->GetId() == nId)
                return static_cast<int>(i);
        return -1;
    }
    int FocusedId() const { return GetFocusedGadget() != nullptr ? GetFocusedGadget()->GetId() : 0; }
    // Handles what the editor posted to itself (the calendar's answers), and nothing of other windows.
    void PumpOwn() {
        MSG msg;
        while (::PeekMessageA(&msg, m_hWnd, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

protected:
    BOOL IsKeyDown(int nVirtKey) const override {
        return (nVirtKey == VK_SHIFT && shift) || (nVirtKey == VK_TAB && tab);
    }
};

// An editor with a custom format and a value in an owner window.
struct DateTimeHost {
    explicit DateTimeHost(LPCSTR pszFormat, const COleDateTime& value = COleDateTime(2023, 3, 15, 9, 30, 0),
                          DWORD dwStyle = WS_VISIBLE) {
        ctrl.SetCustomFormat(pszFormat);
        ctrl.SetDateTime(value);
        created = ctrl.Create(0, dwStyle, RECT{10, 10, 260, 34}, owner.Wnd(), 55) != FALSE;
        ctrl.SetFocus();
    }
    caltest::OwnerWindow owner;
    TestDateTimeCtrl ctrl;
    bool created = false;
};

} // namespace dttest
