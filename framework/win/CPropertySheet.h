// CPropertySheet: the system's property sheet (tabbed pages with OK, Cancel and Apply) or wizard (pages in
// turn with Back, Next and Finish) over CPropertyPage objects the program owns.
//
// DoModal runs the sheet in its own message loop (with idle updates, like a modal dialog) and returns
// IDOK, IDCANCEL or, for a wizard, ID_WIZFINISH. Create shows it modeless. The sheet opens on page
// iSelectPage (an index) unless SetActivePage chose another before.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CPropertyPage.h"
#include "framework/win/CWnd.h"

#include <prsht.h>

#include <vector>

class CTabCtrl;

class CPropertySheet : public CWnd {
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void Construct(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    void Construct(LPCSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // The header the sheet is made from; the pages are filled in when it is created.
    PROPSHEETHEADERA m_psh;

    // ---- pages ----
    // The sheet does not own its pages; they must outlive its window.
    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const;
    CPropertyPage* GetPage(int nPage) const;
    // -1 when the page is not on this sheet.
    int GetPageIndex(CPropertyPage* pPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    // Before the sheet is shown: the page it opens on. FALSE for a bad index or when the page refused.
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage);

    // ---- appearance ----
    // nStyle PSH_PROPTITLE makes "Properties for <text>".
    void SetTitle(LPCSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const;
    // Several rows of tabs (the default) rather than one scrolling row.
    void EnableStackedTabs(BOOL bStacked);

    // ---- wizard ----
    void SetWizardMode();
    BOOL IsWizard() const;
    // PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH, PSWIZB_DISABLEDFINISH.
    void SetWizardButtons(DWORD dwFlags);
    void SetFinishText(LPCSTR lpszText);

    // ---- running ----
    virtual INT_PTR DoModal();
    // Modeless; dwStyle -1 takes a popup with caption and system menu, shown.
    virtual BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = static_cast<DWORD>(-1),
                        DWORD dwExStyle = 0);
    // Ends a modal sheet with nEndID, destroys a modeless one.
    void EndDialog(int nEndID);
    // PSBTN_OK, PSBTN_CANCEL, PSBTN_APPLYNOW, PSBTN_BACK, PSBTN_NEXT, PSBTN_FINISH ...
    BOOL PressButton(int nButton);

    // Called when the sheet's window and its first page exist.
    virtual BOOL OnInitDialog();
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL ContinueModal() override;

    CWnd* m_pParentWnd = nullptr;
    BOOL m_bModeless = FALSE;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT HandlePressButton(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void CommonConstruct(CWnd* pParentWnd, UINT iSelectPage);
    // m_psh for PropertySheet: the pages' headers, the caption, the start page.
    void BuildPropPageArray();
    HWND CreateSheetWindow();
    static int CALLBACK PropSheetCallback(HWND hWnd, UINT message, LPARAM lParam);
    void RecordEnd();
    // After the sheet handled button nID: when that closed it, records the result (and a modeless sheet
    // goes).
    void AfterButton(int nID);

    std::vector<CPropertyPage*> m_pages;
    std::vector<PROPSHEETPAGEA> m_pageHeaders;
    CString m_strCaption;
    CString m_strFinishText;
    BOOL m_bStacked = TRUE;
    DWORD m_dwCreateStyle = static_cast<DWORD>(-1); // window style asked for by Create
    DWORD m_dwCreateExStyle = 0;
};
