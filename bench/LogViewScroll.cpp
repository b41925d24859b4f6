// Scrolling the time log view over a log of 100,000 entries and, as the reference, over one of 1,000:
// the real view on a real document in a frame, each step moving the top row up by one (the user
// scrolling back from the newest entries, where the view opens) and painting the view into a memory
// DC of the window's size. Prints the milliseconds per step of each and their ratio.
//
//   bench_LogViewScroll.exe [entries]      (default 100000)
#include "foundation/Registry.h"
#include "foundation/SharedHelpers.h"
#include "framework/win/AfxRes.h"
#include "framework/win/CCreateContext.h"
#include "framework/win/CDC.h"
#include "framework/win/CFrameWnd.h"
#include "grid/core/CGELibraryState.h"
#include "timelog/CLogDoc.h"
#include "views/CLogView.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kWidth = 1000;
constexpr int kHeight = 700;
constexpr int kSteps = 300;

// A log of n entries of 15 minutes every 20 minutes, over five projects, newest last.
void FillDocument(CLogDoc& doc, int entries) {
    CProject* projects[5] = {};
    for (int i = 0; i < 5; ++i) {
        CString name;
        name.Format("Project %d", i);
        projects[i] = new CProject(name, 0.0);
        doc.AddProject(projects[i]);
    }
    const CTime first(2020, 1, 1, 8, 0, 0);
    for (int i = 0; i < entries; ++i) {
        auto* entry = new CLogEntry;
        entry->m_GUID = NewGuidString();
        entry->m_pProject = projects[i % 5];
        entry->m_Desc.Format("Worked on item %d of the plan, with notes that make the text a little longer.",
                             i);
        const CTime start = first + CTimeSpan(0, 0, 20 * i, 0);
        entry->SetStartTime(start);
        entry->SetStopTime(start + CTimeSpan(0, 0, 15, 0));
        doc.AddLogEntry(entry);
    }
}

// Milliseconds per step of scrolling the log view of a document of that many entries by one row and
// painting it.
double MeasureSteps(int entries) {
    CLogDoc doc;
    doc.m_bAutoDelete = FALSE;
    FillDocument(doc, entries);
    auto* frame = new CFrameWnd; // deletes itself with its window
    frame->Create(nullptr, "Time log", WS_OVERLAPPEDWINDOW, CRect(0, 0, kWidth, kHeight));
    CCreateContext context;
    context.m_pCurrentDoc = &doc;
    context.m_pNewViewClass = RUNTIME_CLASS(CLogView);
    auto* view = dynamic_cast<CLogView*>(frame->CreateView(&context, AFX_IDW_PANE_FIRST));
    if (view == nullptr) {
        std::printf("the log view could not be made\n");
        frame->DestroyWindow();
        return -1;
    }
    CRect client;
    frame->GetClientRect(&client);
    view->MoveWindow(&client, FALSE);
    view->OnInitialUpdate();

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = client.Width();
    info.bmiHeader.biHeight = -client.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(dc.GetSafeHdc(), &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hBitmap);
    view->OnDraw(&dc); // the first drawing brings the newest entries into view and warms the caches
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kSteps; ++i) {
        view->SetTopRow(view->GetTopRow() - 1, GE_NOREDRAW);
        view->OnDraw(&dc);
    }
    ::GdiFlush();
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hBitmap);
    frame->DestroyWindow();
    return ms / kSteps;
}

} // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::max(1000, std::atoi(argv[1])) : 100000;
    GEInitializeLibrary(1536, 0, 0);
    const CString root = "Software\\BrindlemarkBench\\" + NewGuidString();
    RegSetTestRoot(root);
    const double small = MeasureSteps(1000);
    const double large = MeasureSteps(entries);
    std::printf("log view scroll and paint, %d steps, %d x %d pixels\n", kSteps, kWidth, kHeight);
    std::printf("  1,000 entries:  %8.3f ms per step\n", small);
    std::printf("  %d entries: %8.3f ms per step (target under 16 ms)\n", entries, large);
    std::printf("  ratio (large / small): %.2f\n", large / small);
    RegSetTestRoot(nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, root);
    RegDeleteKeyA(HKEY_CURRENT_USER, root);
    return 0;
}
