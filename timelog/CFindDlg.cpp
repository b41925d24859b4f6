#include "timelog/CFindDlg.h"

#include "framework/win/CWaitCursor.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

BEGIN_MESSAGE_MAP(CFindDlg, CDialog)
ON_BN_CLICKED(IDC_FIND_NEXT, OnFindNext)
ON_BN_CLICKED(IDC_FIND_EDIT_ITEM, OnEditItem)
END_MESSAGE_MAP()

namespace {

// The list pictures of the time views (20 pixels each, pure green transparent); the second is a project.
constexpr UINT kListImagesBitmap = 29011;
constexpr int kListImageWidth = 20;
constexpr int kProjectImage = 1;

} // namespace

CFindDlg::CFindDlg(CLogDoc* pDoc, IFindService* pService, CWnd* pParentWnd)
    : CDialog(IDD_FIND, pParentWnd), m_pDoc(pDoc), m_pService(pService) {}

BOOL CFindDlg::Create(CWnd* pParentWnd) {
    return CDialog::Create(IDD_FIND, pParentWnd);
}

void CFindDlg::SplitWords(const CString& text, CStringArray& words) {
    words.RemoveAll();
    int start = 0;
    while (start < text.GetLength()) {
        int end = text.Find(' ', start);
        if (end < 0)
            end = text.GetLength();
        CString word = text.Mid(start, end - start);
        word.Trim();
        if (!word.IsEmpty())
            words.Add(word);
        start = end + 1;
    }
}

void CFindDlg::GetFindSpec(CFindRequest& request) const {
    request.phrase = m_findText;
    SplitWords(m_findText, request.words);
    request.allWords = m_match == 1;
    request.exactPhrase = m_match == 2;
    request.pProject = m_pProject;
}

void CFindDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_FIND_TEXT, m_findText);
    DDX_Radio(pDX, IDC_FIND_ANY_WORD, m_match);
    if (pDX->m_bSaveAndValidate) {
        const int selected = m_projects.GetSafeHwnd() != nullptr ? m_projects.GetCurSel() : -1;
        m_pProject = selected > 0 ? reinterpret_cast<CProject*>(m_projects.GetItemData(selected)) : nullptr;
    }
}

BOOL CFindDlg::OnInitDialog() {
    m_match = 0;
    if (m_pService != nullptr)
        m_findText = m_pService->GetLastFindText();
    m_projects.SubclassDlgItem(IDC_FIND_PROJECT, this);
    if (m_images.Create(kListImagesBitmap, kListImageWidth, 1, RGB(0, 255, 0)))
        m_projects.SetImageList(&m_images);
    CDialog::OnInitDialog();
    FillProjects();
    SetExpanded(false);
    return TRUE;
}

void CFindDlg::FillProjects() {
    m_projects.ResetContent();
    CString anyProject;
    anyProject.LoadString(IDS_FIND_ANY_PROJECT);
    auto insert = [this](const CString& text, int image, CProject* pProject) {
        COMBOBOXEXITEMA item{};
        item.mask = CBEIF_TEXT | CBEIF_LPARAM | (image >= 0 ? CBEIF_IMAGE | CBEIF_SELECTEDIMAGE : 0);
        item.iItem = m_projects.GetCount();
        item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(text));
        item.iImage = image;
        item.iSelectedImage = image;
        item.lParam = reinterpret_cast<LPARAM>(pProject);
        m_projects.InsertItem(&item);
    };
    insert(anyProject, -1, nullptr);
    if (m_pDoc != nullptr) {
        for (int i = 0; i < m_pDoc->GetProjectCount(); ++i) {
            CProject* pProject = m_pDoc->GetProjectAt(i);
            if (pProject == nullptr || !pProject->m_Visible)
                continue;
            if (!pProject->m_Active && !CLogDoc::s_bShowInactiveProjects)
                continue;
            insert(pProject->m_Name, kProjectImage, pProject);
        }
    }
    m_projects.SetCurSel(0);
}

void CFindDlg::SetExpanded(bool expanded) {
    CWnd* pResult = GetDlgItem(IDC_FIND_RESULT);
    if (pResult == nullptr)
        return;
    CRect window, result;
    GetWindowRect(&window);
    pResult->GetWindowRect(&result);
    const int bottom = expanded ? result.bottom + kExpandedGap : result.top - kCollapsedGap;
    SetWindowPos(nullptr, 0, 0, window.Width(), bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_expanded = expanded;
}

void CFindDlg::OnFindNext() {
    if (m_pDoc == nullptr || m_pService == nullptr)
        return;
    CWaitCursor wait;
    if (!UpdateData(TRUE))
        return;
    m_foundGUID.Empty();
    m_foundColumnId = -1;
    CFindRequest request;
    GetFindSpec(request);
    CString guid;
    int columnId = -1;
    // An empty text finds nothing (as a search for nothing should).
    if (request.words.GetSize() == 0 || !m_pService->FindItem(request, guid, columnId)) {
        SetDlgItemText(IDC_FIND_RESULT, "");
        SetExpanded(false);
        AfxMessageBox(IDS_FIND_NOTHING_FOUND, MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_foundGUID = guid;
    m_foundColumnId = columnId;
    const CString text = m_pService->GetFoundItemText(guid, columnId);
    if (!text.IsEmpty()) {
        SetDlgItemText(IDC_FIND_RESULT, text);
        SetExpanded(true);
    }
}

void CFindDlg::OnEditItem() {
    if (m_pService != nullptr && !m_foundGUID.IsEmpty())
        m_pService->OpenFoundItem(m_foundGUID);
}

void CFindDlg::OnCancel() {
    // The document destroys the window and this object; nothing of it may be touched afterwards.
    if (m_pService != nullptr)
        m_pService->EndFind(this);
    else
        DestroyWindow();
}
