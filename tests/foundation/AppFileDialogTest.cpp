// The file dialog's extension rule: the extension each file type of a filter stands for, how a name
// takes it, and the real dialog keeping the typed name in step with the chosen type.
#include "foundation/CAppFileDialog.h"

#include "WindowPartsSupport.h"

#include <gtest/gtest.h>

#include <dlgs.h>

#include <string>
#include <vector>

using namespace wptest;

namespace {

std::vector<std::string> Extensions(const char* filter) {
    CStringArray extensions;
    CAppFileDialog::ParseFilterExtensions(filter, extensions);
    std::vector<std::string> result;
    for (INT_PTR i = 0; i < extensions.GetSize(); ++i)
        result.emplace_back(extensions[i]);
    return result;
}

using Texts = std::vector<std::string>;

TEST(AppFileDialogExtensions, EachTypeStandsForTheExtensionOfItsPattern) {
    struct Case {
        const char* filter;
        Texts extensions;
    };
    const Case cases[] = {
        {"All files (*.*)|*.*||", {""}},
        {"Workbooks (*.xlsx)|*.xlsx||", {"xlsx"}},
        {"Data (*.txt;*.csv)|*.txt;*.csv||", {"txt"}},
        {"Text (*.txt)|*.txt|", {"txt"}},
        {"Text (*.txt)|*.txt", {"txt"}},
        {"Anything|*.*;*.log||", {"log"}},
        {"Text files (*.txt)|*.txt|Workbooks (*.xlsx)|*.xlsx|All files (*.*)|*.*||", {"txt", "xlsx", ""}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.extensions, Extensions(c.filter)) << c.filter;
    EXPECT_EQ(Texts{}, Extensions(nullptr));
}

TEST(AppFileDialogExtensions, ANameTakesTheTypesExtension) {
    struct Case {
        const char* name;
        const char* extension;
        const char* result;
    };
    const Case cases[] = {
        {"report", "txt", "report.txt"},
        {"report.csv", "txt", "report.txt"},
        {"report.", "xlsx", "report.xlsx"},
        {"archive.tar.gz", "xlsx", "archive.tar.xlsx"},
        {"C:\\Time.logs\\report", "txt", "C:\\Time.logs\\report.txt"},
        {".profile", "txt", ".profile.txt"},
        {"", "txt", ""},
        {"report.csv", "", "report.csv"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.result, CAppFileDialog::ApplyExtension(c.name, c.extension))
            << c.name << " " << c.extension;
}

// The name field and the type list of the thread's open file dialog.
struct FileDialogControls {
    HWND dialog = nullptr;
    HWND name = nullptr;
    HWND types = nullptr;
};

FileDialogControls FindFileDialog() {
    FileDialogControls found;
    for (HWND dialog : ThreadDialogs()) {
        HWND name = ::GetDlgItem(dialog, edt1);
        HWND types = ::GetDlgItem(dialog, cmb1);
        if (name != nullptr && types != nullptr)
            found = FileDialogControls{dialog, name, types};
    }
    return found;
}

// Unfinished: the dialog driver does not yet reach the chosen file under the null driver.
TEST(AppFileDialog, DISABLED_KeepsTheNamesExtensionInStepWithTheChosenType) {
    CAppFileDialog dialog(FALSE, nullptr, "report", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                          "Text files (*.txt)|*.txt|Workbooks (*.xlsx)|*.xlsx|All files (*.*)|*.*||");
    dialog.m_ofn.nFilterIndex = 2;
    std::vector<std::string> seen;
    int step = 0;
    TimerDriver driver([&] {
        const FileDialogControls controls = FindFileDialog();
        if (controls.dialog == nullptr)
            return false;
        const std::string name = TextOf(controls.name);
        switch (step) {
        case 0: // the initial name gets the second type's extension once the dialog is up
            if (name != "report.xlsx")
                return false;
            seen.push_back(name);
            ::SendMessageA(controls.types, CB_SETCURSEL, 0, 0);
            ::SendMessageA(controls.dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(controls.types));
            ++step;
            return false;
        case 1:
            seen.push_back(name);
            ::SetWindowTextA(controls.name, "summary");
            ::SendMessageA(controls.types, CB_SETCURSEL, 1, 0);
            ::SendMessageA(controls.dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(controls.types));
            ++step;
            return false;
        default:
            seen.push_back(name);
            ::PostMessageA(controls.dialog, WM_COMMAND, IDCANCEL, 0);
            return true;
        }
    });
    EXPECT_EQ(IDCANCEL, dialog.DoModal());
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ((Texts{"report.xlsx", "report.txt", "summary.xlsx"}), seen);
}

} // namespace
