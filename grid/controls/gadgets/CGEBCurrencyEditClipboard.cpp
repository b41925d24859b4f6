// The currency edit's clipboard commands, Clear and the context menu that offers them.
#include "grid/controls/gadgets/CGEBCurrencyEdit.h"

#include "framework/win/AfxRes.h"
#include "framework/win/CMenu.h"

#include <cstring>

namespace {

// The clipboard's text, empty when it holds none.
CString ClipboardText() {
    CString strText;
    if (!::IsClipboardFormatAvailable(CF_TEXT) || !::OpenClipboard(nullptr))
        return strText;
    if (const HANDLE hData = ::GetClipboardData(CF_TEXT); hData != nullptr) {
        if (const auto* pszText = static_cast<const char*>(::GlobalLock(hData)); pszText != nullptr) {
            strText = pszText;
            ::GlobalUnlock(hData);
        }
    }
    ::CloseClipboard();
    return strText;
}

} // namespace

void CGEBCurrencyEdit::Copy() {
    int nStart = 0;
    int nEnd = 0;
    if (!m_model.GetSelection(nStart, nEnd))
        return;
    const CString strPart = m_model.GetText().Mid(nStart, nEnd - nStart);
    // Opened for this window: a clipboard emptied without an owner refuses the data placed next.
    if (!::OpenClipboard(GetSafeHwnd()))
        return;
    ::EmptyClipboard();
    const size_t nBytes = static_cast<size_t>(strPart.GetLength()) + 1;
    if (const HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE | GMEM_ZEROINIT, nBytes);
        hMem != nullptr) {
        if (void* p = ::GlobalLock(hMem); p != nullptr) {
            std::memcpy(p, static_cast<LPCSTR>(strPart), nBytes);
            ::GlobalUnlock(hMem);
        }
        if (::SetClipboardData(CF_TEXT, hMem) == nullptr)
            ::GlobalFree(hMem);
    }
    ::CloseClipboard();
}

void CGEBCurrencyEdit::Cut() {
    if (IsReadOnly() || !m_model.HasSelection())
        return;
    Copy();
    DeleteChar();
}

void CGEBCurrencyEdit::Paste() {
    if (IsReadOnly())
        return;
    CString strText = ClipboardText();
    if (strText.IsEmpty())
        return;
    FilterPastedText(strText);
    InsertText(strText);
}

void CGEBCurrencyEdit::Clear() {
    if (IsReadOnly())
        return;
    int nStart = 0;
    int nEnd = 0;
    if (m_model.GetSelection(nStart, nEnd)) {
        const CString strText = m_model.GetText().Left(nStart) + m_model.GetText().Mid(nEnd);
        SetWindowText(strText);
        m_model.ClearSelection();
    } else {
        SetValue(0.0, TRUE);
    }
    if (::GetFocus() == GetSafeHwnd())
        SetCaret(0, FALSE);
    InvalidateText();
}

LRESULT CGEBCurrencyEdit::OnCutMsg(WPARAM, LPARAM) {
    Cut();
    return 0;
}

LRESULT CGEBCurrencyEdit::OnCopyMsg(WPARAM, LPARAM) {
    Copy();
    return 0;
}

LRESULT CGEBCurrencyEdit::OnPasteMsg(WPARAM, LPARAM) {
    Paste();
    return 0;
}

CMenu* CGEBCurrencyEdit::BuildContextMenu() {
    auto pMenu = std::make_unique<CMenu>();
    if (!pMenu->CreatePopupMenu())
        return nullptr;
    const BOOL bReadOnly = IsReadOnly();
    const BOOL bText = !m_model.GetText().IsEmpty();
    const BOOL bSelection = m_model.HasSelection();
    double dValue = 0.0;
    BOOL bNegative = FALSE;
    Format format = m_model.GetFormat();
    const CString strClip = ClipboardText();
    const BOOL bPasteable = !strClip.IsEmpty() && format.Parse(strClip, dValue, bNegative);
    auto item = [&pMenu](BOOL bEnabled, UINT nId, LPCSTR pszText) {
        pMenu->AppendMenu(MF_STRING | (bEnabled ? MF_ENABLED : MF_GRAYED), nId, pszText);
    };
    item(m_bCanUndo && !bReadOnly, ID_EDIT_UNDO, "&Undo\tCtrl+Z");
    pMenu->AppendMenu(MF_SEPARATOR);
    item(bText && bSelection && !bReadOnly, ID_EDIT_CUT, "Cu&t\tCtrl+X");
    item(bText && bSelection, ID_EDIT_COPY, "&Copy\tCtrl+C");
    item(bPasteable && !bReadOnly, ID_EDIT_PASTE, "&Paste\tCtrl+V");
    item(bText && bSelection && !bReadOnly, ID_EDIT_CLEAR, "&Delete\tDelete");
    pMenu->AppendMenu(MF_SEPARATOR);
    item(bText, ID_EDIT_SELECT_ALL, "Select &All");
    return pMenu.release();
}

void CGEBCurrencyEdit::DestroyContextMenu(CMenu* pMenu) {
    delete pMenu;
}
