// The system's common dialogs: the file dialog (its filter, the chosen file or files, the dialog run and
// cancelled or answered from a thread timer), the modeless find/replace dialog notifying its owner, and
// the print dialog's printer (the system's default printer, device names and modes).
#include "WinTestSupport.h"

#include "framework/win/CFileDialog.h"
#include "framework/win/CFindReplaceDialog.h"
#include "framework/win/CPrintDialog.h"

#include <cderr.h>
#include <dlgs.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

using namespace wintest;

namespace {

// The strings of a double-NUL-terminated list.
std::vector<std::string> Strings(const char* p) {
    std::vector<std::string> result;
    while (p != nullptr && *p != '\0') {
        result.emplace_back(p);
        p += result.back().size() + 1;
    }
    return result;
}

std::vector<std::string> AllPaths(const CFileDialog& dlg) {
    std::vector<std::string> paths;
    POSITION pos = dlg.GetStartPosition();
    while (pos != nullptr)
        paths.emplace_back(dlg.GetNextPathName(pos));
    return paths;
}

// ---------------------------------------------------------------------------------------------------
// File dialog

TEST(FileDialog, FilterIsGivenToTheSystemInItsOwnForm) {
    const struct {
        const char* filter;
        std::vector<std::string> expected;
    } cases[] = {
        {"Text Files (*.txt)|*.txt|All Files (*.*)|*.*||",
         {"Text Files (*.txt)", "*.txt", "All Files (*.*)", "*.*"}},
        {"Logs (*.log;*.old)|*.log;*.old", {"Logs (*.log;*.old)", "*.log;*.old"}}, // closed all the same
        {"", {}},
    };
    for (const auto& c : cases) {
        CFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, c.filter);
        EXPECT_EQ(Strings(dlg.m_ofn.lpstrFilter), c.expected) << c.filter;
    }
    CFileDialog none(FALSE);
    EXPECT_EQ(none.m_ofn.lpstrFilter, nullptr);

    CFileDialog save(FALSE, "txt", "start.txt", OFN_OVERWRITEPROMPT);
    EXPECT_STREQ(save.m_ofn.lpstrDefExt, "txt");
    EXPECT_STREQ(save.m_ofn.lpstrFile, "start.txt");
    EXPECT_EQ(save.m_ofn.Flags & (OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLEHOOK),
              static_cast<DWORD>(OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLEHOOK));
}

TEST(FileDialog, ChosenFilesAreWalkedAsFullPaths) {
    const struct {
        std::string buffer; // as the system leaves it
        DWORD flags;
        std::vector<std::string> expected;
    } cases[] = {
        {std::string("C:\\Data\0a.txt\0b b.txt\0\0", 24),
         OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         {"C:\\Data\\a.txt", "C:\\Data\\b b.txt"}},
        {std::string("C:\\Data\\one.txt\0\0", 17),
         OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         {"C:\\Data\\one.txt"}},
        {std::string("C:\\\0a.txt\0b.txt\0\0", 17),
         OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         {"C:\\a.txt", "C:\\b.txt"}},
        {std::string("C:\\Data a.txt b.txt\0", 20),
         OFN_ALLOWMULTISELECT,
         {"C:\\Data\\a.txt", "C:\\Data\\b.txt"}},
        {std::string("C:\\Data\\x.txt\0", 14), OFN_ALLOWMULTISELECT, {"C:\\Data\\x.txt"}},
        {std::string("C:\\Data\\single.txt\0", 19), OFN_EXPLORER, {"C:\\Data\\single.txt"}},
        // No closing NULs within the buffer: the walk stops at its end.
        {std::string("C:\\D\0a.txt\0bbbb", 15),
         OFN_ALLOWMULTISELECT | OFN_EXPLORER,
         {"C:\\D\\a.txt", "C:\\D\\bbbb"}},
    };
    for (const auto& c : cases) {
        CFileDialog dlg(TRUE);
        std::vector<char> buffer(c.buffer.begin(), c.buffer.end());
        dlg.m_ofn.lpstrFile = buffer.data();
        dlg.m_ofn.nMaxFile = static_cast<DWORD>(buffer.size());
        dlg.m_ofn.Flags = c.flags;
        EXPECT_EQ(AllPaths(dlg), c.expected) << c.buffer.c_str();
    }
    CFileDialog empty(TRUE);
    EXPECT_EQ(empty.GetStartPosition(), nullptr);
}

TEST(FileDialog, NamePartsOfTheChosenPath) {
    const struct {
        const char* path;
        const char* name;
        const char* ext;
        const char* title;
    } cases[] = {
        {"C:\\Data\\report.final.txt", "report.final.txt", "txt", "report.final"},
        {"C:\\Data\\README", "README", "", "README"},
        {"D:notes.md", "notes.md", "md", "notes"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        CFileDialog dlg(TRUE, nullptr, c.path);
        EXPECT_STREQ(dlg.GetPathName(), c.path);
        EXPECT_STREQ(dlg.GetFileName(), c.name) << c.path;
        EXPECT_STREQ(dlg.GetFileExt(), c.ext) << c.path;
        EXPECT_STREQ(dlg.GetFileTitle(), c.title) << c.path;
    }
}

// A file dialog that records what the system asked of it.
class WatchedFileDialog : public CFileDialog {
public:
    using CFileDialog::CFileDialog;
    bool initDialog = false;
    bool initDone = false;
    std::vector<DWORD> typeChanges;
    BOOL OnInitDialog() override {
        initDialog = true;
        return CFileDialog::OnInitDialog();
    }

protected:
    void OnInitDone() override {
        initDone = true;
        CFileDialog::OnInitDone();
    }
    void OnTypeChange() override { typeChanges.push_back(m_ofn.nFilterIndex); }
};

class FileDialogRun : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ::GetTempPathA(MAX_PATH, temp);
        folder = std::string(temp) + "bm_filedlg_" + std::to_string(::GetCurrentProcessId()) + "_" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ::CreateDirectoryA(folder.c_str(), nullptr);
        file = folder + "\\pick.log";
        const HANDLE h = ::CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ::CloseHandle(h);
    }
    void TearDown() override {
        ::DeleteFileA(file.c_str());
        ::RemoveDirectoryA(folder.c_str());
    }
    // The system's dialog around our window.
    static HWND Outer(const CFileDialog& dlg) {
        return dlg.m_hWnd != nullptr ? ::GetParent(dlg.m_hWnd) : nullptr;
    }

    TestApp app;
    std::string folder;
    std::string file;
};

TEST_F(FileDialogRun, OurWindowSitsInsideTheSystemDialogAndCancelEndsIt) {
    WatchedFileDialog dlg(TRUE, "txt", nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                          "Text|*.txt|Logs|*.log||");
    dlg.m_ofn.lpstrInitialDir = folder.c_str();
    HWND hOuter = nullptr;
    TimerDriver driver([&] {
        if (!dlg.initDone)
            return false;
        hOuter = Outer(dlg);
        EXPECT_TRUE(::IsWindowVisible(hOuter));
        EXPECT_EQ(dlg.GetParent()->m_hWnd, hOuter);
        EXPECT_STREQ(dlg.GetFolderPath(), folder.c_str());
        ::PostMessageA(hOuter, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_TRUE(dlg.initDialog);
    EXPECT_NE(hOuter, nullptr);
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(FileDialogRun, ChosenFileAndFileTypeComeBack) {
    WatchedFileDialog dlg(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST,
                          "Text|*.txt|Logs|*.log||");
    dlg.m_ofn.lpstrInitialDir = folder.c_str();
    dlg.m_ofn.nFilterIndex = 2;
    int step = 0;
    TimerDriver driver([&] {
        HWND hOuter = Outer(dlg);
        if (!dlg.initDone || hOuter == nullptr)
            return false;
        HWND hTypes = ::GetDlgItem(hOuter, cmb1);
        if (step == 0) {
            // The user picks the first file type, then the second again (as the combo box tells it).
            for (WPARAM index : {0, 1}) {
                ::SendMessageA(hTypes, CB_SETCURSEL, index, 0);
                for (WORD code : {CBN_SELENDOK, CBN_SELCHANGE})
                    ::SendMessageA(hOuter, WM_COMMAND, MAKEWPARAM(cmb1, code),
                                   reinterpret_cast<LPARAM>(hTypes));
            }
            step = 1;
            return false;
        }
        dlg.SetControlText(::GetDlgItem(hOuter, cmb13) != nullptr ? cmb13 : edt1, "pick.log");
        ::PostMessageA(hOuter, WM_COMMAND, IDOK, 0);
        return true;
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(std::string(dlg.GetPathName()), file);
    EXPECT_STREQ(dlg.GetFileName(), "pick.log");
    EXPECT_STREQ(dlg.GetFileExt(), "log");
    EXPECT_EQ(dlg.m_ofn.nFilterIndex, 2u);
    EXPECT_EQ(dlg.typeChanges, (std::vector<DWORD>{1, 2}));
}

// ---------------------------------------------------------------------------------------------------
// Find and replace

struct FindRequest {
    bool findNext, replace, replaceAll, terminating, matchCase, wholeWord, down;
    std::string find, replaceWith;
};

class FindOwner : public CWnd {
public:
    std::vector<FindRequest> requests;
    std::vector<CFindReplaceDialog*> notifiers;

protected:
    afx_msg LRESULT OnFindReplace(WPARAM, LPARAM lParam) {
        CFindReplaceDialog* pDlg = CFindReplaceDialog::GetNotifier(lParam);
        notifiers.push_back(pDlg);
        requests.push_back(FindRequest{pDlg->FindNext() != FALSE, pDlg->ReplaceCurrent() != FALSE,
                                       pDlg->ReplaceAll() != FALSE, pDlg->IsTerminating() != FALSE,
                                       pDlg->MatchCase() != FALSE, pDlg->MatchWholeWord() != FALSE,
                                       pDlg->SearchDown() != FALSE, std::string(pDlg->GetFindString()),
                                       std::string(pDlg->GetReplaceString())});
        return 0;
    }
    static UINT s_findMessage;
    DECLARE_MESSAGE_MAP()
};

UINT FindOwner::s_findMessage = ::RegisterWindowMessageA(FINDMSGSTRING);

BEGIN_MESSAGE_MAP(FindOwner, CWnd)
ON_REGISTERED_MESSAGE(s_findMessage, OnFindReplace)
END_MESSAGE_MAP()

// Knows when the framework deleted it.
class TrackedFindDialog : public CFindReplaceDialog {
public:
    explicit TrackedFindDialog(bool& deleted) : m_deleted(deleted) {}
    ~TrackedFindDialog() override { m_deleted = true; }

private:
    bool& m_deleted;
};

class FindReplace : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   CRect(0, 0, 300, 200), nullptr, 0));
    }
    void TearDown() override { owner.DestroyWindow(); }
    static void Click(HWND hDlg, int nID) { ::SendMessageA(::GetDlgItem(hDlg, nID), BM_CLICK, 0, 0); }

    TestApp app;
    FindOwner owner;
};

TEST_F(FindReplace, RequestsReachTheOwnerThroughTheRegisteredMessage) {
    bool deleted = false;
    auto* pDlg = new TrackedFindDialog(deleted); // deletes itself with its window
    ASSERT_TRUE(pDlg->Create(FALSE, "alpha", "beta", FR_DOWN, &owner));
    const HWND hDlg = pDlg->m_hWnd;
    ASSERT_TRUE(::IsWindowVisible(hDlg));
    EXPECT_EQ(TextOf(::GetDlgItem(hDlg, edt1)), "alpha");
    EXPECT_EQ(TextOf(::GetDlgItem(hDlg, edt2)), "beta");

    Click(hDlg, chx2); // match case
    Click(hDlg, IDOK); // Find Next
    ASSERT_EQ(owner.requests.size(), 1u);
    EXPECT_EQ(owner.notifiers[0], pDlg);
    const FindRequest& find = owner.requests[0];
    EXPECT_TRUE(find.findNext);
    EXPECT_FALSE(find.replace || find.replaceAll || find.terminating);
    EXPECT_TRUE(find.matchCase);
    EXPECT_FALSE(find.wholeWord);
    EXPECT_TRUE(find.down);
    EXPECT_EQ(find.find, "alpha");

    ::SetDlgItemTextA(hDlg, edt1, "gamma");
    ::SendMessageA(hDlg, WM_COMMAND, MAKEWPARAM(edt1, EN_CHANGE),
                   reinterpret_cast<LPARAM>(::GetDlgItem(hDlg, edt1)));
    Click(hDlg, psh1); // Replace
    Click(hDlg, psh2); // Replace All
    ASSERT_EQ(owner.requests.size(), 3u);
    EXPECT_TRUE(owner.requests[1].replace);
    EXPECT_TRUE(owner.requests[2].replaceAll);
    EXPECT_EQ(owner.requests[2].find, "gamma");
    EXPECT_EQ(owner.requests[2].replaceWith, "beta");

    Click(hDlg, IDCANCEL);
    PumpPending();
    ASSERT_EQ(owner.requests.size(), 4u);
    EXPECT_TRUE(owner.requests[3].terminating);
    EXPECT_FALSE(::IsWindow(hDlg));
    EXPECT_TRUE(deleted) << "the dialog object goes with its window";
}

TEST_F(FindReplace, FindDialogWithoutWholeWordAndSearchingUp) {
    auto* pDlg = new CFindReplaceDialog;
    ASSERT_TRUE(pDlg->Create(TRUE, "needle", nullptr, FR_HIDEWHOLEWORD | FR_MATCHCASE, &owner));
    const HWND hDlg = pDlg->m_hWnd;
    EXPECT_EQ(::GetDlgItem(hDlg, psh2), nullptr) << "a Find dialog has no Replace All";
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(hDlg, chx1))) << "whole word hidden";
    Click(hDlg, IDOK);
    ASSERT_EQ(owner.requests.size(), 1u);
    EXPECT_FALSE(owner.requests[0].down);
    EXPECT_TRUE(owner.requests[0].matchCase);
    EXPECT_EQ(owner.requests[0].find, "needle");
    ::SendMessageA(hDlg, WM_CLOSE, 0, 0);
    PumpPending();
    EXPECT_FALSE(::IsWindow(hDlg));
}

TEST_F(FindReplace, CreateWithoutAnOwnerWindowFails) {
    CFindReplaceDialog dlg; // no window: an object on the stack is fine
    EXPECT_FALSE(dlg.Create(TRUE, "x"));
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

// ---------------------------------------------------------------------------------------------------
// Print dialog

HGLOBAL MakeDevNames(const char* driver, const char* device, const char* port) {
    const size_t header = sizeof(DEVNAMES);
    const size_t size = header + std::strlen(driver) + std::strlen(device) + std::strlen(port) + 3;
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* names = static_cast<DEVNAMES*>(::GlobalLock(hMem));
    char* text = reinterpret_cast<char*>(names);
    size_t at = header;
    for (auto [field, value] :
         {std::pair{&names->wDriverOffset, driver}, std::pair{&names->wDeviceOffset, device},
          std::pair{&names->wOutputOffset, port}}) {
        *field = static_cast<WORD>(at);
        std::strcpy(text + at, value);
        at += std::strlen(value) + 1;
    }
    ::GlobalUnlock(hMem);
    return hMem;
}

HGLOBAL MakeDevMode(short copies) {
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DEVMODEA));
    auto* mode = static_cast<DEVMODEA*>(::GlobalLock(hMem));
    mode->dmSize = sizeof(DEVMODEA);
    mode->dmFields = DM_COPIES;
    mode->dmCopies = copies;
    ::GlobalUnlock(hMem);
    return hMem;
}

TEST(PrintDialog, PrinterNamesCopiesAndRangeComeFromTheDialogsData) {
    CPrintDialog dlg(FALSE, PD_ALLPAGES | PD_USEDEVMODECOPIES);
    dlg.m_pd.hDevNames = MakeDevNames("winspool", "Office Laser", "LPT1:");
    dlg.m_pd.hDevMode = MakeDevMode(3);
    EXPECT_STREQ(dlg.GetDriverName(), "winspool");
    EXPECT_STREQ(dlg.GetDeviceName(), "Office Laser");
    EXPECT_STREQ(dlg.GetPortName(), "LPT1:");
    EXPECT_EQ(dlg.GetCopies(), 3) << "copies of the device mode";
    EXPECT_NE(dlg.GetDevMode(), nullptr);
    dlg.m_pd.Flags &= ~PD_USEDEVMODECOPIES;
    dlg.m_pd.nCopies = 2;
    EXPECT_EQ(dlg.GetCopies(), 2) << "copies of the dialog";

    EXPECT_TRUE(dlg.PrintAll());
    EXPECT_EQ(dlg.GetFromPage(), -1);
    dlg.m_pd.Flags |= PD_PAGENUMS;
    dlg.m_pd.nFromPage = 2;
    dlg.m_pd.nToPage = 5;
    EXPECT_TRUE(dlg.PrintRange());
    EXPECT_FALSE(dlg.PrintAll());
    EXPECT_EQ(dlg.GetFromPage(), 2);
    EXPECT_EQ(dlg.GetToPage(), 5);
    dlg.m_pd.Flags = (dlg.m_pd.Flags & ~PD_PAGENUMS) | PD_SELECTION;
    EXPECT_TRUE(dlg.PrintSelection());
    EXPECT_FALSE(dlg.PrintAll());

    // GetDefaults does not overwrite handles the dialog holds.
    EXPECT_FALSE(dlg.GetDefaults());
    EXPECT_STREQ(dlg.GetDeviceName(), "Office Laser");
    ::GlobalUnlock(dlg.m_pd.hDevMode);
    ::GlobalFree(dlg.m_pd.hDevNames);
    ::GlobalFree(dlg.m_pd.hDevMode);

    CPrintDialog empty(TRUE);
    EXPECT_STREQ(empty.GetDeviceName(), "");
    EXPECT_EQ(empty.GetDevMode(), nullptr);
    EXPECT_EQ(empty.CreatePrinterDC(), nullptr);
}

TEST(PrintDialog, DefaultPrinterOfTheSystemAndOfTheApplicationAgree) {
    TestApp app;
    CPrintDialog dlg(FALSE);
    const BOOL bDefault = dlg.GetDefaults();
    std::printf("default printer: %s\n", bDefault ? static_cast<LPCSTR>(dlg.GetDeviceName()) : "(none)");
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    EXPECT_EQ(app.GetPrinterDeviceDefaults(&pd), bDefault);
    if (bDefault) {
        EXPECT_FALSE(dlg.GetDeviceName().IsEmpty());
        EXPECT_NE(dlg.GetDevMode(), nullptr);
        ::GlobalUnlock(dlg.m_pd.hDevMode);
        HDC hDC = dlg.CreatePrinterDC();
        EXPECT_NE(hDC, nullptr);
        EXPECT_EQ(dlg.GetPrinterDC(), hDC);
        ::DeleteDC(hDC);
        EXPECT_EQ(pd.hDevNames, app.m_hDevNames);
        ::GlobalFree(dlg.m_pd.hDevNames);
        ::GlobalFree(dlg.m_pd.hDevMode);
    } else {
        EXPECT_EQ(::CommDlgExtendedError(), static_cast<DWORD>(PDERR_NODEFAULTPRN));
        EXPECT_EQ(dlg.m_pd.hDevNames, nullptr);
        EXPECT_EQ(app.m_hDevNames, nullptr);
        CDC dc;
        EXPECT_FALSE(app.CreatePrinterDC(dc));
    }
}

} // namespace
