#include "grid/controls/combo/CGETabbedCBEditWnd.h"

#include "grid/controls/combo/CGEComboBoxWnd.h"

#include <cstring>

BEGIN_MESSAGE_MAP(CGETabbedCBEditWnd, CGEComboEditPart)
ON_WM_CHAR()
END_MESSAGE_MAP()

namespace {

// Only the first 255 characters are searched for the tab.
constexpr int kTabSearchLimit = 255;

} // namespace

LRESULT CGETabbedCBEditWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const char* pszText = reinterpret_cast<const char*>(lParam);
    if (message == WM_SETTEXT && pszText != nullptr) {
        const void* pTab = std::memchr(pszText, '\t', strnlen(pszText, kTabSearchLimit));
        if (pTab != nullptr) {
            const CString strFirst(pszText, static_cast<int>(static_cast<const char*>(pTab) - pszText));
            return CGEComboEditPart::DefWindowProc(message, wParam,
                                                   reinterpret_cast<LPARAM>(strFirst.GetString()));
        }
    }
    return CGEComboEditPart::DefWindowProc(message, wParam, lParam);
}

void CGETabbedCBEditWnd::OnChar(UINT nChar, UINT, UINT) {
    CGEComboBoxWnd* pCombo = Combo();
    if (pCombo != nullptr && pCombo->IsReadOnly())
        return;
    CString strOld;
    GetWindowText(strOld);
    int nOldStart = 0;
    int nOldEnd = 0;
    GetSel(nOldStart, nOldEnd);
    Default();
    if (pCombo == nullptr || nChar < 0x20 || nChar == 0x7F || GetSafeHwnd() == nullptr)
        return;
    CString strTyped;
    GetWindowText(strTyped);
    const int nFound = pCombo->FindString(-1, strTyped);
    if (nFound == CB_ERR) {
        // No row begins so: the keystroke is refused.
        SetWindowText(strOld);
        SetSel(nOldStart, nOldEnd);
        return;
    }
    CString strItem;
    pCombo->GetLBText(nFound, strItem);
    const int nTab = strItem.Find('\t');
    SetWindowText(nTab >= 0 ? strItem.Left(nTab) : strItem);
    SetSel(strTyped.GetLength(), -1);
    SendMessage(EM_SCROLLCARET);
}
