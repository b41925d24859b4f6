#include "foundation/CAppFileDialog.h"

#include <dlgs.h>

#include <algorithm>

IMPLEMENT_DYNAMIC(CAppFileDialog, CFileDialog)

BEGIN_MESSAGE_MAP(CAppFileDialog, CFileDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

// One-shot timer that puts the right extension on the initial name once the dialog is up.
constexpr UINT_PTR kInitialTypeTimer = 111;
constexpr UINT kInitialTypeDelay = 20;

bool HasWildcard(const CString& text) {
    return text.FindOneOf("*?") >= 0;
}

} // namespace

CAppFileDialog::CAppFileDialog(BOOL bOpenFileDialog, LPCSTR lpszDefExt, LPCSTR lpszFileName, DWORD dwFlags,
                               LPCSTR lpszFilter, CWnd* pParentWnd)
    : CFileDialog(bOpenFileDialog, lpszDefExt, lpszFileName, dwFlags, lpszFilter, pParentWnd) {
    ParseFilterExtensions(lpszFilter, m_extensions);
}

void CAppFileDialog::ParseFilterExtensions(LPCSTR filter, CStringArray& extensions) {
    if (filter == nullptr)
        return;
    // "Description|pattern|Description|pattern||": every second piece is a pattern; an empty
    // description ends the list.
    const CString text = filter;
    int start = 0;
    for (;;) {
        const int descriptionEnd = text.Find('|', start);
        if (descriptionEnd <= start)
            break;
        int patternEnd = text.Find('|', descriptionEnd + 1);
        if (patternEnd < 0)
            patternEnd = text.GetLength();
        extensions.Add(ExtensionOfPattern(text.Mid(descriptionEnd + 1, patternEnd - descriptionEnd - 1)));
        if (patternEnd >= text.GetLength())
            break;
        start = patternEnd + 1;
    }
}

CString CAppFileDialog::ExtensionOfPattern(const CString& pattern) {
    int start = 0;
    while (start <= pattern.GetLength()) {
        int end = pattern.Find(';', start);
        if (end < 0)
            end = pattern.GetLength();
        const CString one = pattern.Mid(start, end - start).Trim();
        const int dot = one.ReverseFind('.');
        if (dot >= 0) {
            const CString extension = one.Mid(dot + 1);
            if (!extension.IsEmpty() && !HasWildcard(extension))
                return extension;
        }
        start = end + 1;
    }
    return CString();
}

CString CAppFileDialog::ApplyExtension(const CString& name, const CString& extension) {
    if (name.IsEmpty() || extension.IsEmpty())
        return name;
    // Only the file name part counts: a folder may have a '.' of its own.
    const int nameStart = std::max(name.ReverseFind('\\'), name.ReverseFind('/')) + 1;
    const int dot = name.ReverseFind('.');
    if (dot > nameStart)
        return name.Left(dot + 1) + extension;
    return name + "." + extension;
}

BOOL CAppFileDialog::OnInitDialog() {
    const BOOL result = CFileDialog::OnInitDialog();
    SetTimer(kInitialTypeTimer, kInitialTypeDelay, nullptr);
    return result;
}

void CAppFileDialog::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kInitialTypeTimer) {
        CFileDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kInitialTypeTimer);
    ApplyTypeExtension();
}

void CAppFileDialog::OnTypeChange() {
    CFileDialog::OnTypeChange();
    ApplyTypeExtension();
}

void CAppFileDialog::ApplyTypeExtension() {
    CWnd* dialog = GetParent();
    if (dialog == nullptr)
        return;
    // The type list tells the chosen type (1-based like the filter index) even before the dialog has
    // reported it back.
    int type = static_cast<int>(m_ofn.nFilterIndex);
    const LRESULT selected = dialog->SendDlgItemMessage(cmb1, CB_GETCURSEL);
    if (selected >= 0)
        type = static_cast<int>(selected) + 1;
    if (type < 1 || type > m_extensions.GetSize())
        return;
    // The name field: the combo box with an edit inside of newer dialogs, else the plain edit box.
    CWnd* field = dialog->GetDlgItem(cmb13);
    const bool combo = field != nullptr && field->IsWindowVisible();
    if (!combo)
        field = dialog->GetDlgItem(edt1);
    if (field == nullptr)
        return;
    CString name;
    field->GetWindowText(name);
    field->SetWindowText(ApplyExtension(name, m_extensions[type - 1]));
    if (combo) {
        field->SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    } else {
        field->SendMessage(EM_SETSEL, 0, -1);
        field->SendMessage(EM_SCROLLCARET);
    }
    field->SetFocus();
}
