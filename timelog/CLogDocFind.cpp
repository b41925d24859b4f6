// CLogDoc: the one modeless Find dialog and the searches it runs in the active view: the log view
// searches its own rows (ILogView), the project-task, expense and invoice views theirs (IViewCommands).
#include "timelog/CLogDoc.h"

#include "framework/win/CCmdUI.h"
#include "framework/win/CWinApp.h"
#include "timelog/CFindDlg.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/ILogView.h"
#include "timelog/IViewCommands.h"

namespace {

constexpr int kLogView = 3;
constexpr int kTaskView = 4;
constexpr int kExpenseView = 5;
constexpr int kInvoiceView = 6;

bool IsRecordView(int view) {
    return view == kTaskView || view == kExpenseView || view == kInvoiceView;
}

// What the Find dialog asks, answered by the document.
class DocumentFindService : public IFindService {
public:
    explicit DocumentFindService(CLogDoc& doc) : m_doc(doc) {}
    CString GetLastFindText() override { return m_doc.GetLastFindText(); }
    bool FindItem(const CFindRequest& request, CString& guid, int& columnId) override {
        return m_doc.FindItem(request, guid, columnId);
    }
    CString GetFoundItemText(const CString& guid, int columnId) override {
        return m_doc.GetFoundItemText(guid, columnId);
    }
    void OpenFoundItem(const CString& guid) override { m_doc.OpenFoundItem(guid); }
    void EndFind(CFindDlg* /*pDialog*/) override { m_doc.DestroyFindDialog(); }

private:
    CLogDoc& m_doc;
};

} // namespace

void CLogDoc::FindDialogDeleter::operator()(CFindDlg* pDialog) const {
    if (pDialog->GetSafeHwnd() != nullptr)
        pDialog->DestroyWindow();
    delete pDialog;
}

void CLogDoc::FindServiceDeleter::operator()(IFindService* pService) const {
    delete pService;
}

void CLogDoc::OnFind() {
    if (m_pFindDlg == nullptr) {
        if (m_pFindService == nullptr)
            m_pFindService.reset(new DocumentFindService(*this));
        CWnd* pParent = AfxGetMainWnd();
        m_pFindDlg.reset(new CFindDlg(this, m_pFindService.get(), pParent));
        if (!m_pFindDlg->Create(pParent)) {
            m_pFindDlg.reset();
            return;
        }
    }
    m_pFindDlg->ShowWindow(SW_SHOW);
    m_pFindDlg->BringWindowToTop();
}

void CLogDoc::OnUpdateFind(CCmdUI* pCmdUI) {
    const int view = GetActiveView();
    pCmdUI->Enable(view == kLogView || IsRecordView(view));
}

void CLogDoc::OnFindNext() {
    const int view = GetActiveView();
    if (view == kLogView) {
        if (ILogView* pView = GetLogView())
            pView->FindNextEntry();
    } else if (IsRecordView(view)) {
        if (IViewCommands* pCommands = GetViewCommands())
            pCommands->FindNext(view);
    }
}

void CLogDoc::OnUpdateFindNext(CCmdUI* pCmdUI) {
    const int view = GetActiveView();
    if (view == kLogView) {
        ILogView* pView = GetLogView();
        pCmdUI->Enable(pView != nullptr && pView->CanFindNext());
    } else if (IViewCommands* pCommands = GetViewCommands(); pCommands != nullptr && IsRecordView(view)) {
        pCommands->UpdateFindNext(view, pCmdUI);
    } else {
        pCmdUI->Enable(FALSE);
    }
}

CString CLogDoc::GetLastFindText() {
    const int view = GetActiveView();
    if (view == kLogView) {
        ILogView* pView = GetLogView();
        return pView != nullptr ? pView->GetFindText() : CString();
    }
    IViewCommands* pCommands = GetViewCommands();
    return pCommands != nullptr && IsRecordView(view) ? pCommands->GetFindText(view) : CString();
}

bool CLogDoc::FindItem(const CFindRequest& request, CString& guid, int& columnId) {
    guid.Empty();
    columnId = -1;
    const int view = GetActiveView();
    if (view == kLogView) {
        ILogView* pView = GetLogView();
        return pView != nullptr && pView->FindEntry(request, guid, columnId);
    }
    IViewCommands* pCommands = GetViewCommands();
    return pCommands != nullptr && IsRecordView(view) && pCommands->FindInView(view, request, guid, columnId);
}

CString CLogDoc::GetFoundItemText(const CString& guid, int columnId) {
    const int view = GetActiveView();
    CString caption;
    CString text;
    if (view == kLogView) {
        ILogView* pView = GetLogView();
        const CLogEntry* pEntry = FindLogEntryByGUIDNoCase(guid);
        if (pView == nullptr || pEntry == nullptr)
            return CString();
        caption = pView->GetColumnCaption(columnId);
        pEntry->GetColumnText(text, columnId);
    } else {
        IViewCommands* pCommands = GetViewCommands();
        const bool known = (view == kTaskView && FindProjectTaskByGUID(guid) != nullptr) ||
                           (view == kExpenseView && FindExpenseByGUID(guid) != nullptr) ||
                           (view == kInvoiceView && FindInvoiceByGUID(guid) != nullptr);
        if (pCommands == nullptr || !known)
            return CString();
        caption = pCommands->GetColumnCaption(view, columnId);
        text = pCommands->GetObjectText(view, guid, columnId);
    }
    return caption + ":\r\n" + text;
}

void CLogDoc::OpenFoundItem(const CString& guid) {
    IViewCommands* pCommands = GetViewCommands();
    switch (GetActiveView()) {
    case kLogView:
        if (CLogEntry* pEntry = FindLogEntryByGUIDNoCase(guid)) {
            ILogView* pView = GetLogView();
            EditLogEntry(pEntry, pView != nullptr ? pView->FindEntryRow(pEntry) : 0);
        }
        break;
    case kTaskView:
        if (CTask* pTask = FindProjectTaskByGUID(guid))
            EditProjectTask(pTask, false);
        break;
    case kExpenseView:
        if (CExpense* pExpense = FindExpenseByGUID(guid); pExpense != nullptr && pCommands != nullptr)
            pCommands->EditExpense(*this, pExpense);
        break;
    case kInvoiceView:
        if (CInvoice* pInvoice = FindInvoiceByGUID(guid); pInvoice != nullptr && pCommands != nullptr)
            pCommands->EditInvoice(*this, pInvoice);
        break;
    default:
        break;
    }
}

void CLogDoc::DestroyFindDialog() {
    m_pFindDlg.reset();
}
