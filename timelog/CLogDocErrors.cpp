// CLogDoc's link to the main window: the open document, the views to reload and the error list.
#include "timelog/CLogDoc.h"
#include "timelog/ILogDocFrame.h"
#include "timelog/IReplacementChooser.h"

#include "framework/core/CException.h"

namespace {
ILogDocFrame* g_pFrame = nullptr;
constexpr UINT kMaxErrorText = 1024;

CString ExceptionText(CException* e) {
    CString text;
    if (e != nullptr) {
        char buffer[kMaxErrorText] = {};
        if (e->GetErrorMessage(buffer, kMaxErrorText))
            text = buffer;
    }
    return text;
}

void Report(const char* message, long code, const char* detail) {
    if (g_pFrame != nullptr && !g_pFrame->GetErrorSuppression())
        g_pFrame->ReportError(message, code, detail);
}
} // namespace

ILogDocFrame* GetLogDocFrame() {
    return g_pFrame;
}

void SetLogDocFrame(ILogDocFrame* pFrame) {
    g_pFrame = pFrame;
}

ILogView* GetLogView() {
    return g_pFrame != nullptr ? g_pFrame->GetLogView() : nullptr;
}

CLogDoc* GetLogDoc() {
    return g_pFrame != nullptr ? g_pFrame->GetLogViewDocument() : nullptr;
}

void RefreshTimesheetView() {
    if (g_pFrame != nullptr)
        g_pFrame->RefreshTimesheetView();
}

void RefreshInvoiceView() {
    if (g_pFrame != nullptr)
        g_pFrame->RefreshInvoiceView();
}

void RefreshTaskView() {
    if (g_pFrame != nullptr)
        g_pFrame->RefreshTaskView();
}

void AddErrorFromException(UINT messageId, long code, CException* e) {
    AddErrorFromException(CString(MAKEINTRESOURCE(messageId)), code, e);
}

void AddErrorFromException(const char* message, long code, CException* e) {
    if (g_pFrame != nullptr)
        Report(message, code, ExceptionText(e));
}

void AddErrorText(UINT messageId, long code, const char* text) {
    AddErrorText(CString(MAKEINTRESOURCE(messageId)), code, text);
}

void AddErrorText(const char* message, long code, const char* text) {
    Report(message, code, text);
}

void SetErrorSuppression(bool suppress) {
    if (g_pFrame != nullptr)
        g_pFrame->SetErrorSuppression(suppress);
}

bool GetErrorSuppression() {
    return g_pFrame != nullptr && g_pFrame->GetErrorSuppression();
}

int GetErrorCount() {
    return g_pFrame != nullptr ? g_pFrame->GetErrorCount() : 0;
}

void ClearErrors() {
    if (g_pFrame != nullptr)
        g_pFrame->ClearErrors();
}

// ---------------------------------------------------------------- replacement choice

namespace {
IReplacementChooser* g_pChooser = nullptr;
}

IReplacementChooser* GetReplacementChooser() {
    return g_pChooser;
}

void SetReplacementChooser(IReplacementChooser* pChooser) {
    g_pChooser = pChooser;
}
