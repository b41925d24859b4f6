// CUnavailableView: what the view host shows in place of a view this version of the program does not
// have. It says so and nothing else: it takes no commands and changes nothing.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CView.h"

class CUnavailableView : public CView {
    DECLARE_DYNCREATE(CUnavailableView)
public:
    CUnavailableView() = default;

    // The view's name as the user knows it ("Timesheet"); the text shown is formed from it.
    void SetViewName(const char* name);
    // "The <name> view is not available in this version of Brindlemark."
    CString GetNotice() const;

    void OnDraw(CDC* pDC) override;

private:
    CString m_viewName;
};
