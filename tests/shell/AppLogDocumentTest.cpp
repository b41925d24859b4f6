// The application object and the main frame around the program's own log document: the frame answers
// the document's questions (GetLogDoc, the error forwarders), the active document is matched and
// forgotten, and system errors reach the error list only while a log is open.
#include "ShellTestSupport.h"

#include "data/CErrorList.h"
#include "shell/CMainViewFrame.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

using namespace shelltest;

namespace {

class AppWithLogDocument : public MainFrameFixture {
protected:
    CRuntimeClass* DocumentClass() override { return RUNTIME_CLASS(CLogDoc); }
    void SetUp() override {
        CErrorList::Get().RemoveAll();
        CErrorList::Get().SetHold(false);
        MainFrameFixture::SetUp();
        logDoc = dynamic_cast<CLogDoc*>(doc);
        ASSERT_NE(logDoc, nullptr);
    }
    void TearDown() override { CErrorList::Get().RemoveAll(); }

    CLogDoc* logDoc = nullptr;
};

TEST_F(AppWithLogDocument, TheFrameAnswersTheDocumentsQuestions) {
    EXPECT_EQ(GetLogDocFrame(), static_cast<ILogDocFrame*>(frame));
    EXPECT_EQ(GetLogDoc(), logDoc);
    CDWordArray columns;
    EXPECT_FALSE(frame->GetLogColumnIds(columns));

    AddErrorText("Opening database [Tasks]", -1, "The driver could not connect.");
    EXPECT_EQ(frame->GetErrorCount(), 1);
    EXPECT_EQ(TextOf(frame->GetStatusBar().GetErrorButton().m_hWnd), "Errors: 1");
    SetErrorSuppression(true);
    EXPECT_TRUE(frame->GetErrorSuppression());
    AddErrorText("Not collected", 1, "");
    EXPECT_EQ(GetErrorCount(), 1);

    const HWND hFrame = frame->m_hWnd;
    frame->DestroyWindow();
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(GetLogDocFrame(), nullptr);
    EXPECT_EQ(GetLogDoc(), nullptr);
}

TEST_F(AppWithLogDocument, ActiveDocumentIsMatchedByPathIgnoringCaseAndForgotten) {
    app.SetActiveLogPath("C:\\Logs\\Mine.bmk");
    EXPECT_NE(app.MatchActiveLog(logDoc, "C:\\Logs\\Other.bmk"), 0);
    EXPECT_EQ(app.GetActiveLogDocument(), nullptr);
    EXPECT_EQ(app.MatchActiveLog(logDoc, "c:\\logs\\MINE.BMK"), 0);
    EXPECT_EQ(app.GetActiveLogDocument(), logDoc);
    CLogDoc other;
    app.ForgetLogDocument(&other);
    EXPECT_EQ(app.GetActiveLogDocument(), logDoc);
    app.ForgetLogDocument(logDoc);
    EXPECT_EQ(app.GetActiveLogDocument(), nullptr);
}

TEST_F(AppWithLogDocument, SystemErrorsReachTheListOnlyWhileALogIsOpen) {
    app.ReportSystemError(IDS_TRAY_IDLE, ERROR_ACCESS_DENIED);
    EXPECT_EQ(frame->GetErrorCount(), 0) << "no active log document";

    app.SetActiveLogPath("C:\\Logs\\Mine.bmk");
    app.MatchActiveLog(logDoc, "C:\\Logs\\Mine.bmk");
    app.ReportSystemError(IDS_TRAY_IDLE, 0);
    EXPECT_EQ(frame->GetErrorCount(), 0) << "code 0 is no error";
    app.ReportSystemError(IDS_TRAY_IDLE, ERROR_ACCESS_DENIED);
    ASSERT_EQ(frame->GetErrorCount(), 1);
    const CErrorList::Entry& entry = CErrorList::Get().GetEntry(0);
    EXPECT_EQ(std::string(entry.message), "Brindlemark is idle");
    EXPECT_EQ(entry.code, 5);
    const std::string detail = static_cast<LPCSTR>(entry.detail);
    EXPECT_EQ(detail.rfind("(0x00000005) ", 0), 0u) << detail;
    EXPECT_GT(detail.size(), 13u) << "the system's own text follows";
    EXPECT_NE(detail.back(), '\n');
    app.ForgetLogDocument(logDoc);
}

} // namespace

namespace {

// The frame with the program's own log document and time log view, as the start-up makes it.
class MainFrameWithTheLogView : public AppWithLogDocument {
protected:
    CRuntimeClass* LogViewClass() override { return RUNTIME_CLASS(CLogView); }
};

TEST_F(MainFrameWithTheLogView, HostsTheTimeLogViewOnTheDocumentAndAnswersItsColumns) {
    auto* logView = dynamic_cast<CLogView*>(frame->GetViewHost()->GetView(viewTimeLog));
    ASSERT_NE(logView, nullptr);
    EXPECT_EQ(logView->GetDocument(), doc);
    EXPECT_EQ(frame->GetActiveView(), logView);
    EXPECT_EQ(GetLogDoc(), logDoc);

    // The document asks the frame for the columns the log view shows, in the view's order.
    CDWordArray fromFrame;
    ASSERT_TRUE(frame->GetLogColumnIds(fromFrame));
    CDWordArray fromView;
    logView->GetShownColumnIds(fromView);
    ASSERT_GT(fromView.GetSize(), 0);
    ASSERT_EQ(fromFrame.GetSize(), fromView.GetSize());
    for (INT_PTR i = 0; i < fromView.GetSize(); ++i)
        EXPECT_EQ(fromFrame[i], fromView[i]) << i;

    // Views this version does not have are never made, not even on request.
    EXPECT_EQ(frame->GetViewHost()->EnsureView(viewTimesheet), nullptr);
    EXPECT_EQ(frame->GetViewHost()->EnsureView(viewTimeLog), logView);
}

} // namespace
