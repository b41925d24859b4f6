// CPropertyPage: one page of a property sheet (CPropertySheet), made from a dialog template whose caption
// is the page's tab text. The sheet tells the page when it becomes active or stops being active, when
// the user applies or cancels, and in wizard mode when Back, Next or Finish is pressed; the page answers
// through the virtual functions below.
//
// Leaving a page saves its controls' data (UpdateData); a page whose data does not validate keeps the
// focus. Coming back to a page loads its data into the controls again.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CDialog.h"

#include <prsht.h>

class CPropertySheet;

class CPropertyPage : public CDialog {
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage();
    // nIDCaption: a string that replaces the template's caption as the tab text (0: the template's).
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);
    explicit CPropertyPage(LPCSTR lpszTemplateName, UINT nIDCaption = 0);
    ~CPropertyPage() override;

    void Construct(UINT nIDTemplate, UINT nIDCaption = 0);
    void Construct(LPCSTR lpszTemplateName, UINT nIDCaption = 0);

    // The page as the sheet sees it (template, title, flags). Kept valid by the page.
    PROPSHEETPAGEA m_psp;

    // ---- talking to the sheet ----
    // Marks the page changed (enables Apply) or unchanged.
    void SetModified(BOOL bChanged = TRUE);
    // After an irreversible change: OK reads "Close" and Cancel goes away.
    void CancelToClose();
    // Sends wParam, lParam to every page of the sheet until one answers non-zero; returns that answer.
    LRESULT QuerySiblings(WPARAM wParam, LPARAM lParam);
    // The sheet this page is on, when it has a window.
    CPropertySheet* GetSheet() const;

    // ---- what the sheet asks ----
    // The page becomes the current one; FALSE refuses. The default loads the controls again (all but
    // the first time, when OnInitDialog did it).
    virtual BOOL OnSetActive();
    // The page stops being the current one; FALSE keeps it (the default: its data does not validate).
    virtual BOOL OnKillActive();
    // OK or Apply: FALSE keeps the sheet open on this page. The default calls OnOK.
    virtual BOOL OnApply();
    // Cancel: the default calls OnCancel.
    virtual void OnReset();
    void OnOK() override;
    void OnCancel() override;
    // Cancel was pressed; FALSE keeps the sheet open.
    virtual BOOL OnQueryCancel();
    // Wizard: 0 goes to the previous (next) page, -1 stays, a page's template id goes to that page.
    virtual LRESULT OnWizardBack();
    virtual LRESULT OnWizardNext();
    // Wizard Finish: FALSE keeps the wizard open.
    virtual BOOL OnWizardFinish();

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    // The next time the page is shown its first activation is again the one after OnInitDialog.
    void PostNcDestroy() override;

private:
    friend class CPropertySheet;
    static UINT CALLBACK PropPageCallback(HWND hWnd, UINT message, LPPROPSHEETPAGEA ppsp);
    static INT_PTR CALLBACK PropPageDlgProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // m_psp with the page's own procedures and this object as its parameter.
    void CommonConstruct(LPCSTR lpszTemplateName, UINT nIDCaption);
    void SyncTitle();

    CString m_strCaption;
    BOOL m_bFirstSetActive = TRUE;
};
