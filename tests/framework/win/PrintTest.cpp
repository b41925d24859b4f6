// Printing and print preview of a view: the page loop between OnBeginPrinting and OnEndPrinting, the
// view ending it, failures on the way, the selection reaching the view, a program without a printer,
// and the preview that takes over a frame (pages, two pages, zoom, print) and gives it back.
#include "DocTestSupport.h"

#include "PrintTestsResource.h"
#include "framework/core/CNotSupportedException.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDialogBar.h"
#include "framework/win/CDocument.h"
#include "framework/win/CFrameWnd.h"
#include "framework/win/CPreviewDC.h"
#include "framework/win/CPreviewView.h"
#include "framework/win/CPrintDialog.h"
#include "framework/win/CPrintInfo.h"
#include "framework/win/CScrollView.h"
#include "framework/win/CStatusBar.h"
#include "framework/win/CView.h"

#include <cstdint>
#include <string>
#include <vector>

using namespace wintest;

namespace {

class PagesDoc : public CDocument {
    DECLARE_DYNCREATE(PagesDoc)
public:
    PagesDoc() = default;
};
IMPLEMENT_DYNCREATE(PagesDoc, CDocument)

// Where the view's print jobs go: a stand-in printer of the test, or the system's printer.
enum class Printer { Test, System };

// A document of `pages` pages. Each page fills the left half of its printable area black (the view
// maps the area to 1000 x 1000 units). Every step of the printing is logged.
class PagesView : public CView {
    DECLARE_DYNCREATE(PagesView)
public:
    UINT pages = 3;
    bool lengthKnown = true;   // SetMaxPage(pages); otherwise OnPrepareDC ends the document
    bool viewEndsPages = true; // length not known: OnPrepareDC stops after `pages` (else the default)
    UINT lastPageInPrint = 0;  // OnPrint clears m_bContinuePrinting on this page

    Printer printer = Printer::Test;
    bool offerSelection = false;
    DWORD dialogFlags = 0; // what the test printer's "dialog" chose
    WORD fromPage = 0;
    WORD toPage = 0;
    int startDocResult = 1;
    UINT failEndPageOn = 0;
    UINT throwOnPage = 0;
    UINT previewStartPage = 0;

    std::vector<std::string> log;
    std::vector<BOOL> selectionSeen;
    std::vector<CRect> drawRects;
    std::vector<CString> jobTitles;
    int* endCount = nullptr; // counts OnEndPrinting past the view's life

    BOOL OnPreparePrinting(CPrintInfo* pInfo) override {
        log.push_back("prepare");
        if (lengthKnown)
            pInfo->SetMaxPage(pages);
        if (offerSelection)
            pInfo->m_pPD->m_pd.Flags &= ~PD_NOSELECTION;
        if (printer == Printer::System)
            return DoPreparePrinting(pInfo);
        // A device context with the screen's metrics stands in for the printer's.
        pInfo->m_pPD->m_pd.hDC = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
        pInfo->m_pPD->m_pd.Flags |= dialogFlags;
        if (fromPage != 0) {
            pInfo->m_pPD->m_pd.nFromPage = fromPage;
            pInfo->m_pPD->m_pd.nToPage = toPage;
        }
        return TRUE;
    }
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override {
        log.push_back(pDC->IsPrinting() ? "begin" : "begin on a screen DC");
        selectionSeen.push_back(pInfo->m_pPD->PrintSelection());
        if (pInfo->m_bPreview && previewStartPage != 0) {
            // Like a grid: open on the page the window shows, and tell the page count.
            pInfo->m_nCurPage = previewStartPage;
            pInfo->m_strPageDesc.AppendFormat(" / %u", pages);
        }
    }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) override {
        CView::OnPrepareDC(pDC, pInfo);
        if (pInfo == nullptr)
            return;
        if (!lengthKnown && viewEndsPages)
            pInfo->m_bContinuePrinting = pInfo->m_nCurPage <= pages;
        m_nPreparedPage = pInfo->m_nCurPage;
        log.push_back("dc:" + std::to_string(pInfo->m_nCurPage));
        pDC->SetMapMode(MM_ANISOTROPIC);
        pDC->SetWindowExt(1000, 1000);
        pDC->SetViewportExt(pDC->GetDeviceCaps(HORZRES), pDC->GetDeviceCaps(VERTRES));
    }
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override {
        log.push_back("print:" + std::to_string(pInfo->m_nCurPage));
        drawRects.push_back(pInfo->m_rectDraw);
        selectionSeen.push_back(pInfo->m_pPD->PrintSelection());
        if (pInfo->m_nCurPage == throwOnPage)
            AfxThrowNotSupportedException();
        if (pInfo->m_nCurPage == lastPageInPrint)
            pInfo->m_bContinuePrinting = FALSE;
        CRect left = pInfo->m_rectDraw;
        left.right = (left.left + left.right) / 2;
        pDC->FillSolidRect(&left, RGB(0, 0, 0));
    }
    void OnEndPrinting(CDC*, CPrintInfo*) override {
        log.push_back("end");
        if (endCount != nullptr)
            ++*endCount;
    }
    void OnDraw(CDC*) override {}

    // Only the page steps of the log (no probing of the preview).
    std::vector<std::string> Printed() const {
        std::vector<std::string> printed;
        for (const std::string& entry : log) {
            if (entry.rfind("print:", 0) == 0)
                printed.push_back(entry);
        }
        return printed;
    }

protected:
    int PrintJobCall(CDC* pDC, PrintJobStep step, DOCINFOA* pDocInfo) override {
        if (step == jobStartDoc)
            jobTitles.emplace_back(pDocInfo->lpszDocName);
        if (printer == Printer::System)
            return CView::PrintJobCall(pDC, step, pDocInfo);
        switch (step) {
        case jobStartDoc:
            log.push_back("startdoc");
            return startDocResult;
        case jobStartPage:
            log.push_back("startpage");
            return 1;
        case jobEndPage:
            log.push_back("endpage");
            return m_nPreparedPage == failEndPageOn ? SP_ERROR : 1;
        case jobEndDoc:
            log.push_back("enddoc");
            return 1;
        case jobAbortDoc:
            log.push_back("abortdoc");
            return 1;
        }
        return SP_ERROR;
    }

    DECLARE_MESSAGE_MAP()

private:
    UINT m_nPreparedPage = 0;
};
IMPLEMENT_DYNCREATE(PagesView, CView)
BEGIN_MESSAGE_MAP(PagesView, CView)
ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_DIRECT, CView::OnFilePrint)
ON_COMMAND(ID_FILE_PRINT_PREVIEW, CView::OnFilePrintPreview)
END_MESSAGE_MAP()

class PrintFrame : public CFrameWnd {
public:
    CDialogBar tools;
    CStatusBar status;
};

bool HasDefaultPrinter() {
    char name[256] = {};
    DWORD size = sizeof name;
    return ::GetDefaultPrinterA(name, &size) != FALSE;
}

// A frame with a document's view, a dialog bar and a status bar.
class Print : public ::testing::Test {
protected:
    void SetUp() override {
        doc = new PagesDoc;
        doc->m_bAutoDelete = FALSE;
        doc->SetTitle("Timesheet week 12");
        frame = new PrintFrame; // a frame deletes itself with its window
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(PagesView);
        context.m_pCurrentDoc = doc;
        ASSERT_TRUE(frame->Create(nullptr, "Print", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 640, 480),
                                  nullptr, nullptr, 0, &context));
        hFrame = frame->m_hWnd;
        ASSERT_TRUE(frame->tools.Create(frame, IDD_PRINT_TOOLS, CBRS_TOP | WS_VISIBLE, IDW_PRINT_TOOLS));
        static const UINT indicators[] = {ID_SEPARATOR};
        ASSERT_TRUE(frame->status.Create(frame));
        ASSERT_TRUE(frame->status.SetIndicators(indicators, 1));
        POSITION pos = doc->GetFirstViewPosition();
        view = static_cast<PagesView*>(doc->GetNextView(pos));
        ASSERT_NE(view, nullptr);
        frame->SetActiveView(view);
        frame->RecalcLayout();
    }
    void TearDown() override {
        if (::IsWindow(hFrame))
            ::DestroyWindow(hFrame);
        PumpPending();
        delete doc;
    }

    void Command(UINT nID) { ::SendMessageA(hFrame, WM_COMMAND, nID, 0); }
    CPreviewView* Preview() const { return dynamic_cast<CPreviewView*>(frame->GetActiveView()); }
    CControlBar* PreviewBar() const { return frame->GetControlBar(AFX_IDW_PREVIEW_BAR); }
    // The preview's tool bar button, after the update handlers ran.
    bool ButtonEnabled(UINT nID) const {
        PreviewBar()->OnUpdateCmdUI(frame, TRUE);
        return ::IsWindowEnabled(::GetDlgItem(PreviewBar()->m_hWnd, static_cast<int>(nID))) != FALSE;
    }
    std::string ButtonText(UINT nID) const {
        PreviewBar()->OnUpdateCmdUI(frame, TRUE);
        return TextOf(::GetDlgItem(PreviewBar()->m_hWnd, static_cast<int>(nID)));
    }
    std::string StatusText() const { return std::string(frame->status.GetPaneText(0)); }

    // The frame is as it was before any preview.
    void ExpectFrameRestored() {
        EXPECT_EQ(frame->GetActiveView(), view);
        EXPECT_TRUE(::IsWindowVisible(view->m_hWnd));
        EXPECT_EQ(::GetDlgCtrlID(view->m_hWnd), AFX_IDW_PANE_FIRST);
        EXPECT_TRUE(::IsWindowVisible(frame->tools.m_hWnd));
        EXPECT_TRUE(::IsWindowVisible(frame->status.m_hWnd));
        EXPECT_EQ(PreviewBar(), nullptr);
        EXPECT_EQ(frame->m_pfnEndPreview, nullptr);
        // The view fills the frame below the dialog bar again.
        CRect toolsRect, viewRect;
        frame->tools.GetWindowRect(&toolsRect);
        view->GetWindowRect(&viewRect);
        EXPECT_EQ(viewRect.top, toolsRect.bottom);
    }

    TestApp app;
    PagesDoc* doc = nullptr;
    PrintFrame* frame = nullptr;
    HWND hFrame = nullptr;
    PagesView* view = nullptr;
};

using Log = std::vector<std::string>;

// ---------------------------------------------------------------------------------------------------
// The print loop

struct LoopCase {
    const char* name;
    UINT pages;
    bool lengthKnown;
    bool viewEndsPages;
    WORD fromPage;
    WORD toPage;
    UINT lastPageInPrint;
    std::vector<UINT> printed;
};

TEST_F(Print, PagesArePrintedInOrderBetweenBeginAndEndUntilTheDocumentOrTheViewEnds) {
    const LoopCase cases[] = {
        {"three known pages", 3, true, true, 0, 0, 0, {1, 2, 3}},
        {"pages 2 to 4 of 5", 5, true, true, 2, 4, 0, {2, 3, 4}},
        {"length unknown, OnPrepareDC ends after 4", 4, false, true, 0, 0, 0, {1, 2, 3, 4}},
        {"length unknown, the default prints one page", 4, false, false, 0, 0, 0, {1}},
        {"OnPrint says page 2 is the last", 5, true, true, 0, 0, 2, {1, 2}},
    };
    for (const LoopCase& c : cases) {
        SCOPED_TRACE(c.name);
        view->log.clear();
        view->drawRects.clear();
        view->jobTitles.clear();
        view->pages = c.pages;
        view->lengthKnown = c.lengthKnown;
        view->viewEndsPages = c.viewEndsPages;
        view->fromPage = c.fromPage;
        view->toPage = c.toPage;
        view->dialogFlags = c.fromPage != 0 ? PD_PAGENUMS : 0;
        view->lastPageInPrint = c.lastPageInPrint;
        Command(ID_FILE_PRINT);

        Log expected = {"prepare", "begin", "startdoc"};
        for (UINT page : c.printed) {
            const std::string n = std::to_string(page);
            expected.insert(expected.end(), {"dc:" + n, "startpage", "print:" + n, "endpage"});
        }
        // The page after the last is prepared and refused, unless OnPrint or the range ended first.
        const UINT next = c.printed.back() + 1;
        if (c.lastPageInPrint == 0 && (c.toPage == 0 || next <= c.toPage))
            expected.push_back("dc:" + std::to_string(next));
        expected.push_back("enddoc");
        expected.push_back("end");
        EXPECT_EQ(view->log, expected);
        EXPECT_TRUE(app.prompts.empty());
        ASSERT_EQ(view->jobTitles.size(), 1u);
        EXPECT_STREQ(view->jobTitles[0], "Timesheet week 12");
        // The printable area in the units the view chose.
        for (const CRect& rect : view->drawRects)
            EXPECT_EQ(rect, CRect(0, 0, 1000, 1000));
    }
}

struct FailureCase {
    const char* name;
    int startDocResult;
    UINT failEndPageOn;
    UINT throwOnPage;
    Log expected;
    UINT prompt;
};

TEST_F(Print, EndPrintingFollowsBeginPrintingWhenTheJobFails) {
    const FailureCase cases[] = {
        {"the job does not start",
         SP_ERROR,
         0,
         0,
         {"prepare", "begin", "startdoc", "end"},
         AFX_IDP_FAILED_TO_START_PRINT},
        {"the printer refuses page 2",
         1,
         2,
         0,
         {"prepare", "begin", "startdoc", "dc:1", "startpage", "print:1", "endpage", "dc:2", "startpage",
          "print:2", "endpage", "abortdoc", "end"},
         AFX_IDP_COMMAND_FAILURE},
        {"OnPrint throws on page 2",
         1,
         0,
         2,
         {"prepare", "begin", "startdoc", "dc:1", "startpage", "print:1", "endpage", "dc:2", "startpage",
          "print:2", "abortdoc", "end"},
         0},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.name);
        view->log.clear();
        app.promptIds.clear();
        view->startDocResult = c.startDocResult;
        view->failEndPageOn = c.failEndPageOn;
        view->throwOnPage = c.throwOnPage;
        Command(ID_FILE_PRINT);
        EXPECT_EQ(view->log, c.expected);
        if (c.prompt != 0) {
            ASSERT_EQ(app.promptIds.size(), 1u);
            EXPECT_EQ(app.promptIds[0], c.prompt);
        }
        // The frame and its view carry on.
        EXPECT_TRUE(::IsWindow(hFrame));
        EXPECT_EQ(frame->GetActiveView(), view);
    }
}

TEST_F(Print, TheSelectionChosenInThePrintDialogReachesTheView) {
    // The print information offers no selection until the view asks for it.
    CPrintInfo info;
    EXPECT_TRUE(info.m_pPD->m_pd.Flags & PD_NOSELECTION);
    EXPECT_FALSE(info.m_pPD->m_pd.Flags & PD_NOPAGENUMS);
    EXPECT_TRUE(info.m_bContinuePrinting);
    EXPECT_EQ(info.GetMinPage(), 1u);
    EXPECT_EQ(info.GetMaxPage(), 0xFFFFu);

    view->offerSelection = true;
    view->dialogFlags = PD_SELECTION;
    view->pages = 2;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(view->selectionSeen, (std::vector<BOOL>{TRUE, TRUE, TRUE}));

    view->selectionSeen.clear();
    view->dialogFlags = 0;
    Command(ID_FILE_PRINT);
    EXPECT_EQ(view->selectionSeen, (std::vector<BOOL>{FALSE, FALSE, FALSE}));
}

// ---------------------------------------------------------------------------------------------------
// No printer

TEST_F(Print, WithoutAPrinterPrintingAndPreviewSaySoAndDoNothing) {
    if (HasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed";
    view->printer = Printer::System;
    for (UINT nID : {ID_FILE_PRINT, ID_FILE_PRINT_DIRECT, ID_FILE_PRINT_PREVIEW}) {
        SCOPED_TRACE(nID);
        view->log.clear();
        app.prompts.clear();
        app.promptIds.clear();
        Command(nID);
        EXPECT_EQ(view->log, Log{"prepare"});
        ASSERT_EQ(app.promptIds.size(), 1u);
        EXPECT_EQ(app.promptIds[0], static_cast<UINT>(AFX_IDP_NO_PRINTER));
        EXPECT_EQ(app.prompts[0], "No printer is installed. Install a printer and try again.");
        EXPECT_EQ(frame->GetActiveView(), view);
        EXPECT_EQ(PreviewBar(), nullptr);
        EXPECT_TRUE(::IsWindowVisible(view->m_hWnd));
    }
}

// ---------------------------------------------------------------------------------------------------
// The system's printer (scripts/print-throwaway.sh makes one that writes PDF files)

int Occurrences(const std::string& text, const std::string& what) {
    int count = 0;
    for (size_t pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
        ++count;
    return count;
}

int PdfPageCount(const std::string& pdf) {
    return Occurrences(pdf, "/Type/Page") + Occurrences(pdf, "/Type /Page") -
           Occurrences(pdf, "/Type/Pages") - Occurrences(pdf, "/Type /Pages");
}

// The folder the throwaway printer writes its PDF files to, as a Windows path ending in '\\'; empty
// when there is no such printer.
std::string PrintOutFolder() {
    char outDir[MAX_PATH] = {};
    if (!HasDefaultPrinter() || ::GetEnvironmentVariableA("BRINDLEMARK_PRINT_OUT", outDir, MAX_PATH) == 0)
        return std::string();
    // The folder is given as a host path: under Wine it is on drive Z:.
    std::string folder = outDir;
    if (!folder.empty() && folder[0] == '/') {
        for (char& c : folder) {
            if (c == '/')
                c = '\\';
        }
        folder = "Z:" + folder;
    }
    if (folder.back() != '\\')
        folder += '\\';
    return folder;
}

// The PDF the spooler writes a moment after the job titled `title` ended (read, then deleted); empty
// when none came.
std::string TakePrintedPdf(const std::string& folder, const std::string& title) {
    for (int i = 0; i < 300; ++i) {
        WIN32_FIND_DATAA found{};
        HANDLE hFind = ::FindFirstFileA((folder + title + "*.pdf").c_str(), &found);
        if (hFind == INVALID_HANDLE_VALUE) {
            ::Sleep(100);
            continue;
        }
        ::FindClose(hFind);
        ::Sleep(200); // written completely
        const std::string pdf = ReadAll(folder + found.cFileName);
        ::DeleteFileA((folder + found.cFileName).c_str());
        return pdf;
    }
    return std::string();
}

std::string UniqueJobTitle() {
    static int counter = 0;
    return "PrintTest-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(::GetTickCount()) +
           "-" + std::to_string(++counter);
}

TEST_F(Print, TwoPagesPrintedOnTheSystemPrinterArriveAsOneTwoPageFile) {
    const std::string folder = PrintOutFolder();
    if (folder.empty())
        GTEST_SKIP() << "no printer (scripts/print-throwaway.sh start makes one)";
    const std::string title = UniqueJobTitle();
    doc->SetTitle(title.c_str());
    view->printer = Printer::System;
    view->pages = 2;
    Command(ID_FILE_PRINT_DIRECT);
    EXPECT_TRUE(app.prompts.empty());
    EXPECT_EQ(view->Printed(), (Log{"print:1", "print:2"}));
    EXPECT_EQ(view->log.back(), "end");
    const std::string pdf = TakePrintedPdf(folder, title);

    // The preview measures on the same printer: its paper, not the screen.
    view->log.clear();
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    EXPECT_GT(::GetDeviceCaps(Preview()->GetPrintInfo()->m_pPD->m_pd.hDC, PHYSICALWIDTH), 0);
    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(view->log, (Log{"prepare", "begin", "end"}));
    ExpectFrameRestored();

    ASSERT_FALSE(pdf.empty()) << "no file " << title << "*.pdf in " << folder;
    EXPECT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_EQ(PdfPageCount(pdf), 2);
}

// Answers the next dialog box of this thread with OK and notes its title.
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::vector<std::string>& titles)
        : m_driver([&titles] {
              for (HWND hDlg : ThreadDialogs()) {
                  titles.push_back(TextOf(hDlg));
                  ::PostMessageA(hDlg, WM_COMMAND, IDOK, 0);
                  return true;
              }
              return false;
          }) {}
    bool TimedOut() const { return m_driver.TimedOut(); }

private:
    TimerDriver m_driver;
};

TEST_F(Print, PrintSetupKeepsThePrinterAndThePrintDialogSendsTheJobThere) {
    const std::string folder = PrintOutFolder();
    if (folder.empty())
        GTEST_SKIP() << "no printer (scripts/print-throwaway.sh start makes one)";
    std::vector<std::string> dialogs;
    {
        DialogAnswerer answerer(dialogs);
        app.OnFilePrintSetup();
        EXPECT_FALSE(answerer.TimedOut());
    }
    ASSERT_EQ(dialogs, (std::vector<std::string>{"Print Setup"}));
    char defaultPrinter[256] = {};
    DWORD size = sizeof defaultPrinter;
    ASSERT_TRUE(::GetDefaultPrinterA(defaultPrinter, &size));
    {
        CPrintDialog chosen(TRUE); // reads the application's handles, frees nothing
        chosen.m_pd.hDevNames = app.m_hDevNames;
        EXPECT_STREQ(chosen.GetDeviceName(), defaultPrinter);
        chosen.m_pd.hDevNames = nullptr;
    }

    const std::string title = UniqueJobTitle();
    doc->SetTitle(title.c_str());
    view->printer = Printer::System;
    view->pages = 2;
    {
        DialogAnswerer answerer(dialogs);
        Command(ID_FILE_PRINT);
        EXPECT_FALSE(answerer.TimedOut());
    }
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1], "Print");
    EXPECT_TRUE(app.prompts.empty());
    EXPECT_EQ(view->Printed(), (Log{"print:1", "print:2"}));
    const std::string pdf = TakePrintedPdf(folder, title);
    ASSERT_FALSE(pdf.empty()) << "no file " << title << "*.pdf in " << folder;
    EXPECT_EQ(PdfPageCount(pdf), 2);
}

TEST_F(Print, PrintSetupWithoutAPrinterIsExplainedByTheSystemAndKeepsNoPrinter) {
    if (HasDefaultPrinter())
        GTEST_SKIP() << "a printer is installed";
    std::vector<std::string> dialogs;
    CPrintDialog setup(TRUE);
    {
        DialogAnswerer answerer(dialogs);
        EXPECT_EQ(app.DoPrintDialog(&setup), IDCANCEL);
        EXPECT_FALSE(answerer.TimedOut());
    }
    // The system's own notice that a printer must be installed, once.
    EXPECT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(::CommDlgExtendedError(), static_cast<DWORD>(PDERR_NODEFAULTPRN));
    EXPECT_EQ(app.m_hDevNames, nullptr);
    EXPECT_EQ(app.m_hDevMode, nullptr);
    EXPECT_TRUE(app.prompts.empty());
}

// ---------------------------------------------------------------------------------------------------
// The preview DC

// A bitmap to draw into, white, with its pixels readable.
class Canvas {
public:
    Canvas(int cx, int cy) : m_cx(cx) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = cx;
        info.bmiHeader.biHeight = -cy;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        m_hBitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        m_pBits = static_cast<const std::uint32_t*>(bits);
        m_dc.CreateCompatibleDC(nullptr);
        m_hOld = ::SelectObject(m_dc.m_hDC, m_hBitmap);
        m_dc.FillSolidRect(0, 0, cx, cy, RGB(255, 255, 255));
    }
    ~Canvas() {
        ::SelectObject(m_dc.m_hDC, m_hOld);
        m_dc.DeleteDC();
        ::DeleteObject(m_hBitmap);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;
    CDC* dc() { return &m_dc; }
    bool Black(int x, int y) const {
        ::GdiFlush();
        return (m_pBits[y * m_cx + x] & 0xFFFFFF) == 0;
    }
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const std::uint32_t p = m_pBits[y * m_cx + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

private:
    int m_cx;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const std::uint32_t* m_pBits = nullptr;
    CDC m_dc;
};

// Rectangles a view draws in its own units land on the screen scaled onto the page rectangle.
TEST(PreviewDC, MappingOfThePrinterIsMirroredOntoThePageOnTheScreen) {
    CDC printer;
    ASSERT_TRUE(printer.CreateCompatibleDC(nullptr)); // measures like a device, draws nowhere
    Canvas screen(300, 300);
    CPreviewDC dc;
    dc.SetAttribDC(printer.m_hDC);
    dc.SetOutputDC(screen.dc()->m_hDC);
    // 1000 x 2000 printer pixels shown in (10, 10)-(110, 210): a tenth.
    dc.SetScaleRect(CRect(10, 10, 110, 210), CSize(1000, 2000), CPoint(0, 0));

    // Device units of the printer: (500, 1000)-(1000, 2000) is the bottom right quarter.
    dc.FillSolidRect(500, 1000, 500, 1000, RGB(0, 0, 0));
    EXPECT_TRUE(screen.Black(85, 185));
    EXPECT_FALSE(screen.Black(55, 185));
    EXPECT_FALSE(screen.Black(85, 95));
    EXPECT_FALSE(screen.Black(115, 185)); // nothing past the page

    // The view's own units: 100 x 100 for the page, the origin moved to the page's centre.
    const int saved = dc.SaveDC();
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(1000, 2000);
    dc.SetViewportOrg(500, 1000);
    dc.FillSolidRect(-50, -50, 10, 10, RGB(0, 0, 0)); // printer (0,0)-(100,200): screen (10,10)-(20,30)
    EXPECT_TRUE(screen.Black(15, 25));
    EXPECT_FALSE(screen.Black(25, 25));
    // Measuring is the printer's: its mapping is the one the view set.
    CPoint pt(0, 0);
    dc.LPtoDP(&pt, 1);
    EXPECT_EQ(pt, CPoint(500, 1000));
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), printer.GetDeviceCaps(HORZRES));

    // Restored, both go back to device units together.
    dc.RestoreDC(saved);
    dc.FillSolidRect(0, 1900, 100, 100, RGB(0, 0, 0)); // screen (10,200)-(20,210)
    EXPECT_TRUE(screen.Black(15, 205));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
}

// A scroll view prepared for print preview: its mapping reaches the preview DC, which measures in the
// printer's terms and mirrors the mapping onto the page shown on the screen.
class PageView : public CScrollView {
public:
    void OnDraw(CDC*) override {}
};

TEST(PreviewDC, MappingOfAScrollViewReachesPrinterAndScreen) {
    CDC printer;
    ASSERT_TRUE(printer.CreateCompatibleDC(nullptr)); // measures like a device, draws nowhere
    const int dpi = printer.GetDeviceCaps(LOGPIXELSX);
    ASSERT_EQ(dpi, printer.GetDeviceCaps(LOGPIXELSY));
    Canvas screen(200, 200);
    CPreviewDC dc;
    dc.SetAttribDC(printer.m_hDC);
    dc.SetOutputDC(screen.dc()->m_hDC);
    // A paper of 10 x 10 inches shown in (10, 10)-(110, 110).
    dc.SetScaleRect(CRect(10, 10, 110, 110), CSize(10 * dpi, 10 * dpi), CPoint(0, 0));

    PageView view;
    view.SetScrollSizes(MM_LOENGLISH, CSize(1000, 1000));
    CPrintInfo info;
    view.OnPrepareDC(&dc, &info);

    // Measuring is the printer's: one inch (100 units, y upwards) is dpi printer pixels.
    EXPECT_EQ(dc.GetMapMode(), MM_LOENGLISH);
    CPoint pt(100, -100);
    dc.LPtoDP(&pt, 1);
    EXPECT_EQ(pt, CPoint(dpi, dpi));
    // Drawing lands on the page on the screen: the first square inch is (10, 10)-(20, 20).
    dc.FillSolidRect(CRect(0, 0, 100, -100), RGB(0, 0, 0));
    EXPECT_TRUE(screen.Black(15, 15));
    EXPECT_FALSE(screen.Black(25, 15));
    EXPECT_FALSE(screen.Black(15, 25));
    EXPECT_FALSE(screen.Black(5, 5));
}

// ---------------------------------------------------------------------------------------------------
// Print preview

TEST_F(Print, PreviewReplacesTheViewAndItsBarsAndCloseGivesThemBack) {
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(view->log, (Log{"prepare", "begin"}));
    EXPECT_EQ(preview->GetPrintView(), view);
    EXPECT_TRUE(preview->GetPrintInfo()->m_bPreview);
    // The preview is the frame's pane; the view, the dialog bar step aside, the status bar stays.
    EXPECT_EQ(::GetDlgCtrlID(preview->m_hWnd), AFX_IDW_PANE_FIRST);
    EXPECT_FALSE(::IsWindowVisible(view->m_hWnd));
    EXPECT_FALSE(::IsWindowVisible(frame->tools.m_hWnd));
    EXPECT_TRUE(::IsWindowVisible(frame->status.m_hWnd));
    ASSERT_NE(PreviewBar(), nullptr);
    EXPECT_TRUE(::IsWindowVisible(PreviewBar()->m_hWnd));
    CRect barRect, previewRect;
    PreviewBar()->GetWindowRect(&barRect);
    preview->GetWindowRect(&previewRect);
    EXPECT_EQ(previewRect.top, barRect.bottom);
    // The document's commands and title still work while previewing.
    EXPECT_EQ(frame->GetActiveDocument(), doc);

    Command(AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(view->log, (Log{"prepare", "begin", "end"}));
    ExpectFrameRestored();
    // A second preview starts from scratch.
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    Command(AFX_ID_PREVIEW_CLOSE);
    ExpectFrameRestored();
}

TEST_F(Print, PreviewStepsThroughThePagesOneOrTwoAtATime) {
    view->pages = 3;
    view->previewStartPage = 2;
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    // It opens where the view asked, with the view's addition to the page text.
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    EXPECT_EQ(StatusText(), "Page 2 / 3");
    Command(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(preview->GetCurrentPage(), 1u);
    EXPECT_EQ(StatusText(), "Page 1 / 3");
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_PREV));
    EXPECT_TRUE(ButtonEnabled(AFX_ID_PREVIEW_NEXT));
    EXPECT_EQ(ButtonText(AFX_ID_PREVIEW_NUMPAGE), "&Two Page");

    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    EXPECT_EQ(StatusText(), "Page 2 / 3");
    EXPECT_TRUE(ButtonEnabled(AFX_ID_PREVIEW_PREV));

    Command(AFX_ID_PREVIEW_NUMPAGE);
    EXPECT_EQ(preview->GetPagesShown(), 2u);
    EXPECT_EQ(StatusText(), "Pages 2-3 / 3");
    EXPECT_EQ(ButtonText(AFX_ID_PREVIEW_NUMPAGE), "&One Page");
    // Pages 2 and 3 are shown: there is no next page.
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_NEXT));
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    // Side by side, the same size, in the window.
    const CRect first = preview->GetPageRect(0);
    const CRect second = preview->GetPageRect(1);
    EXPECT_FALSE(first.IsRectEmpty());
    EXPECT_EQ(first.Size(), second.Size());
    EXPECT_EQ(first.top, second.top);
    EXPECT_GT(second.left, first.right);
    CRect client;
    preview->GetClientRect(&client);
    EXPECT_LE(second.right, client.right);
    EXPECT_LE(first.bottom, client.bottom);

    Command(AFX_ID_PREVIEW_PREV);
    Command(AFX_ID_PREVIEW_PREV);
    EXPECT_EQ(preview->GetCurrentPage(), 1u);
    EXPECT_EQ(StatusText(), "Pages 1-2 / 3");
    // The choice is the program's for its next preview.
    EXPECT_EQ(app.m_nNumPreviewPages, 2u);
    Command(AFX_ID_PREVIEW_CLOSE);
    ExpectFrameRestored();
}

TEST_F(Print, PreviewOfADocumentOfUnknownLengthStopsWhereTheViewSaysItEnds) {
    view->lengthKnown = false;
    view->pages = 2;
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(ButtonEnabled(AFX_ID_PREVIEW_NEXT));
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_NEXT));
    Command(AFX_ID_PREVIEW_NEXT);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    Command(AFX_ID_PREVIEW_CLOSE);
    ExpectFrameRestored();
}

TEST_F(Print, PreviewDrawsThePagesScaledOntoTheScreen) {
    view->pages = 3;
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    Command(AFX_ID_PREVIEW_NUMPAGE);
    view->log.clear();

    CRect client;
    preview->GetClientRect(&client);
    Canvas canvas(client.Width(), client.Height());
    preview->OnPrepareDC(canvas.dc());
    preview->OnDraw(canvas.dc());
    EXPECT_EQ(view->Printed(), (Log{"print:1", "print:2"}));
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        const CRect page = preview->GetPageRect(i);
        ASSERT_GT(page.Width(), 20);
        const int y = page.CenterPoint().y;
        // The view filled the left half of its page.
        EXPECT_TRUE(canvas.Black(page.left + page.Width() / 4, y));
        EXPECT_TRUE(canvas.Black(page.left + page.Width() / 2 - 2, y));
        EXPECT_EQ(canvas.At(page.left + page.Width() / 2 + 2, y), RGB(255, 255, 255));
        EXPECT_EQ(canvas.At(page.right - 2, page.top + 2), RGB(255, 255, 255));
        // Outside the paper the window's background shows.
        EXPECT_EQ(canvas.At(page.left - 4, y), ::GetSysColor(COLOR_APPWORKSPACE));
    }
    // The pages keep the printer's shape.
    const CRect page = preview->GetPageRect(0);
    HDC hPrinter = preview->GetPrintInfo()->m_pPD->m_pd.hDC;
    const double printerShape =
        double(::GetDeviceCaps(hPrinter, HORZRES)) / ::GetDeviceCaps(hPrinter, VERTRES);
    EXPECT_NEAR(double(page.Width()) / page.Height(), printerShape, 0.02);
    Command(AFX_ID_PREVIEW_CLOSE);
}

TEST_F(Print, PreviewZoomsInTwiceAndBackOut) {
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    const CRect fitted = preview->GetPageRect(0);
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_ZOOMOUT));
    Command(AFX_ID_PREVIEW_ZOOMIN);
    const CRect zoomed1 = preview->GetPageRect(0);
    Command(AFX_ID_PREVIEW_ZOOMIN);
    const CRect zoomed2 = preview->GetPageRect(0);
    EXPECT_EQ(preview->GetZoomState(), CPreviewView::zoomIn2);
    EXPECT_GT(zoomed1.Width(), fitted.Width());
    EXPECT_GT(zoomed2.Width(), zoomed1.Width());
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_ZOOMIN));
    EXPECT_FALSE(ButtonEnabled(AFX_ID_PREVIEW_NUMPAGE));
    // Larger than the window, it scrolls.
    EXPECT_TRUE(preview->GetStyle() & WS_VSCROLL);
    Command(AFX_ID_PREVIEW_ZOOMIN); // no third step
    EXPECT_EQ(preview->GetPageRect(0), zoomed2);

    Command(AFX_ID_PREVIEW_ZOOMOUT);
    Command(AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(preview->GetZoomState(), CPreviewView::zoomOut);
    EXPECT_EQ(preview->GetPageRect(0), fitted);
    EXPECT_FALSE(preview->GetStyle() & WS_VSCROLL);
    Command(AFX_ID_PREVIEW_CLOSE);
    ExpectFrameRestored();
}

TEST_F(Print, PrintFromThePreviewClosesItAndPrints) {
    view->pages = 2;
    Command(ID_FILE_PRINT_PREVIEW);
    ASSERT_NE(Preview(), nullptr);
    view->log.clear();
    Command(AFX_ID_PREVIEW_PRINT);
    EXPECT_EQ(view->log,
              (Log{"end", "prepare", "begin", "startdoc", "dc:1", "startpage", "print:1", "endpage", "dc:2",
                   "startpage", "print:2", "endpage", "dc:3", "enddoc", "end"}));
    ExpectFrameRestored();
}

TEST_F(Print, EscapeEndsThePreview) {
    Command(ID_FILE_PRINT_PREVIEW);
    CPreviewView* preview = Preview();
    ASSERT_NE(preview, nullptr);
    ::SendMessageA(preview->m_hWnd, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_EQ(preview->GetCurrentPage(), 2u);
    ::SendMessageA(preview->m_hWnd, WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPending();
    EXPECT_EQ(view->log.back(), "end");
    ExpectFrameRestored();
}

TEST_F(Print, AFrameClosedOrDestroyedWhilePreviewingEndsThePrintingOnce) {
    for (bool destroy : {false, true}) {
        SCOPED_TRACE(destroy ? "destroyed" : "closed");
        if (destroy) {
            TearDown();
            SetUp();
        }
        int ends = 0;
        view->endCount = &ends; // the view goes with the frame
        Command(ID_FILE_PRINT_PREVIEW);
        ASSERT_NE(Preview(), nullptr);
        if (destroy)
            ::DestroyWindow(hFrame);
        else
            ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
        PumpPending();
        EXPECT_FALSE(::IsWindow(hFrame));
        EXPECT_EQ(ends, 1);
    }
}

} // namespace
