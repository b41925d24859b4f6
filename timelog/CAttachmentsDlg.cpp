#include "timelog/CAttachmentsDlg.h"

#include "framework/win/CFileDialog.h"
#include "resource.h"

#include <shellapi.h>

#include <vector>

BEGIN_MESSAGE_MAP(CAttachmentsDlg, CDialog)
ON_BN_CLICKED(IDC_ATTACH_ADD, OnAdd)
ON_BN_CLICKED(IDC_ATTACH_REMOVE, OnRemove)
ON_BN_CLICKED(IDC_ATTACH_VIEW, OnView)
ON_NOTIFY(NM_DBLCLK, IDC_ATTACH_LIST, OnListDoubleClick)
ON_WM_TIMER()
END_MESSAGE_MAP()

namespace {

// Room for the names of many chosen files (a too small buffer makes the chooser fail without a word).
constexpr DWORD kChooserBufferSize = 64 * 1024;

} // namespace

CAttachmentsDlg::CAttachmentsDlg(CWnd* pParentWnd) : CDialog(IDD_ATTACHMENTS, pParentWnd) {}

// ---------------------------------------------------------------- the attachment text

void CAttachmentsDlg::SplitPaths(const CString& text, CStringArray& paths) {
    paths.RemoveAll();
    int start = 0;
    while (start <= text.GetLength()) {
        int end = text.Find(',', start);
        if (end < 0)
            end = text.GetLength();
        CString piece = text.Mid(start, end - start);
        piece.Trim();
        if (!piece.IsEmpty())
            paths.Add(piece);
        start = end + 1;
    }
}

void CAttachmentsDlg::AppendPath(CString& text, const CString& path) {
    if (!text.IsEmpty())
        text += ",";
    text += path;
}

bool CAttachmentsDlg::RemovePathAt(CString& text, int index) {
    // Whole entries are removed, never a piece of text: a path that is the beginning of another path
    // ("a.txt" in "a.txt.bak") stays untouched.
    CStringArray paths;
    SplitPaths(text, paths);
    if (index < 0 || index >= paths.GetSize())
        return false;
    paths.RemoveAt(index);
    text.Empty();
    for (INT_PTR i = 0; i < paths.GetSize(); ++i)
        AppendPath(text, paths[i]);
    return true;
}

bool CAttachmentsDlg::IsStorablePath(const CString& path) {
    return !path.IsEmpty() && path.Find(',') < 0;
}

bool CAttachmentsDlg::IsUncPath(const CString& path) {
    return path.Left(2) == "\\\\";
}

// ---------------------------------------------------------------- the dialog

BOOL CAttachmentsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_list.SubclassDlgItem(IDC_ATTACH_LIST, this);
    m_icons.Create(16, 16, ILC_COLOR32 | ILC_MASK, 4, 4);
    m_list.SetImageList(&m_icons, LVSIL_SMALL);
    CRect client;
    m_list.GetClientRect(&client);
    m_list.InsertColumn(0, "", LVCFMT_LEFT, client.Width());

    CStringArray paths;
    SplitPaths(m_Attachments, paths);
    if (paths.GetSize() == 0) {
        if (!AddChosenFiles()) {
            EndDialog(IDCANCEL);
            return TRUE;
        }
    } else {
        m_viewOnOpen = true;
        FillList();
        SelectItem(0, false);
    }
    if (m_viewOnOpen)
        SetTimer(kViewTimerId, kViewDelayMs, nullptr);
    return TRUE;
}

void CAttachmentsDlg::FillList() {
    m_list.DeleteAllItems();
    m_icons.SetImageCount(0);
    CStringArray paths;
    SplitPaths(m_Attachments, paths);
    for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
        SHFILEINFOA info{};
        // A file that is not there (any more) still gets the icon of its kind.
        if (::SHGetFileInfoA(paths[i], 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON) == 0)
            ::SHGetFileInfoA(paths[i], FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                             SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
        int image = -1;
        if (info.hIcon != nullptr) {
            image = m_icons.Add(info.hIcon);
            ::DestroyIcon(info.hIcon);
        }
        m_list.InsertItem(static_cast<int>(i), paths[i], image);
    }
}

int CAttachmentsDlg::GetSelectedItem() const {
    return m_list.GetNextItem(-1, LVNI_SELECTED);
}

void CAttachmentsDlg::SelectItem(int index, bool focus) {
    if (index < 0 || index >= m_list.GetItemCount())
        return;
    m_list.SetItemState(index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    m_list.EnsureVisible(index, FALSE);
    if (focus)
        m_list.SetFocus();
}

bool CAttachmentsDlg::ChooseFiles(CStringArray& paths) {
    CString filter;
    filter.LoadString(IDS_ATTACH_FILTER);
    CFileDialog chooser(TRUE, nullptr, nullptr,
                        OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                        filter, this);
    std::vector<char> buffer(kChooserBufferSize, '\0');
    chooser.m_ofn.lpstrFile = buffer.data();
    chooser.m_ofn.nMaxFile = kChooserBufferSize;
    if (chooser.DoModal() != IDOK)
        return false;
    POSITION pos = chooser.GetStartPosition();
    while (pos != nullptr)
        paths.Add(chooser.GetNextPathName(pos));
    return true;
}

bool CAttachmentsDlg::AddChosenFiles() {
    CStringArray chosen;
    if (!ChooseFiles(chosen))
        return false;
    CString firstAdded;
    bool local = false;
    for (INT_PTR i = 0; i < chosen.GetSize(); ++i) {
        const CString& path = chosen[i];
        if (!IsStorablePath(path)) {
            // A comma would split the path into two entries that name no file.
            CString message;
            message.FormatMessage(IDS_ATTACH_COMMA_IN_PATH, static_cast<LPCSTR>(path));
            AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        AppendPath(m_Attachments, path);
        if (firstAdded.IsEmpty())
            firstAdded = path;
        if (!IsUncPath(path))
            local = true;
    }
    if (local)
        AfxMessageBox(IDS_ATTACH_NOT_UNC, MB_OK | MB_ICONINFORMATION);
    FillList();
    CStringArray paths;
    SplitPaths(m_Attachments, paths);
    for (INT_PTR i = 0; i < paths.GetSize(); ++i) {
        if (paths[i] == firstAdded) {
            SelectItem(static_cast<int>(i), true);
            break;
        }
    }
    return true;
}

void CAttachmentsDlg::OnAdd() {
    AddChosenFiles();
}

void CAttachmentsDlg::OnRemove() {
    const int selected = GetSelectedItem();
    if (selected < 0)
        return;
    if (AfxMessageBox(IDS_ATTACH_CONFIRM_REMOVE, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    if (!RemovePathAt(m_Attachments, selected))
        return;
    m_list.DeleteItem(selected);
    const int count = m_list.GetItemCount();
    SelectItem(selected < count ? selected : count - 1, false);
    m_list.SetFocus();
}

void CAttachmentsDlg::OpenFile(const CString& path) {
    ::ShellExecuteA(m_hWnd, "open", path, nullptr, nullptr, SW_SHOWNORMAL);
}

void CAttachmentsDlg::OnView() {
    const int selected = GetSelectedItem();
    if (selected >= 0)
        OpenFile(m_list.GetItemText(selected, 0));
}

void CAttachmentsDlg::OnListDoubleClick(NMHDR*, LRESULT* pResult) {
    OnView();
    *pResult = 0;
}

void CAttachmentsDlg::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != kViewTimerId) {
        CDialog::OnTimer(nIDEvent);
        return;
    }
    KillTimer(kViewTimerId);
    if (m_viewOnOpen) {
        m_viewOnOpen = false;
        PostMessage(WM_COMMAND, MAKEWPARAM(IDC_ATTACH_VIEW, BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(IDC_ATTACH_VIEW)->GetSafeHwnd()));
    }
}
