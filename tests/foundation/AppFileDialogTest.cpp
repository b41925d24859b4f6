// The file dialog's extension rule: the extension each file type of a filter stands for, and how a
// typed name takes it.
#include "foundation/CAppFileDialog.h"

#include "WindowPartsSupport.h"

#include <dlgs.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

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

// The live dialog: the name field follows each change of the file type.
class AppFileDialogRun : public ::testing::Test {
protected:
    // The name field of the system's dialog: an edit box, or the combo box with an edit inside.
    static HWND NameField(HWND hOuter) {
        HWND hCombo = ::GetDlgItem(hOuter, cmb13);
        return hCombo != nullptr ? hCombo : ::GetDlgItem(hOuter, edt1);
    }
    // The user picks file type nIndex (0-based) from the type list.
    static void PickType(HWND hOuter, int nIndex) {
        HWND hTypes = ::GetDlgItem(hOuter, cmb1);
        ::SendMessageA(hTypes, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
        for (WORD code : {CBN_SELENDOK, CBN_SELCHANGE})
            ::SendMessageA(hOuter, WM_COMMAND, MAKEWPARAM(cmb1, code), reinterpret_cast<LPARAM>(hTypes));
    }

    wptest::RecordingApp app;
};

TEST_F(AppFileDialogRun, TheNameFollowsTheChosenFileType) {
    CAppFileDialog dlg(FALSE, "txt", "report", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Text files (*.txt)|*.txt|Workbooks (*.xlsx)|*.xlsx|All files (*.*)|*.*||");
    char temp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, temp);
    dlg.m_ofn.lpstrInitialDir = temp;
    dlg.m_ofn.nFilterIndex = 2;

    Texts names; // the name field: at opening, then after each step
    int waited = 0;
    wptest::TimerDriver driver([&] {
        HWND hOuter = dlg.m_hWnd != nullptr ? ::GetParent(dlg.m_hWnd) : nullptr;
        HWND hName = hOuter != nullptr ? NameField(hOuter) : nullptr;
        if (hName == nullptr)
            return false;
        // The opening type's extension comes a moment after the dialog opened.
        if (wptest::TextOf(hName) != "report.xlsx" && ++waited < 50)
            return false;
        names.push_back(wptest::TextOf(hName));
        PickType(hOuter, 0);
        names.push_back(wptest::TextOf(hName));
        ::SetWindowTextA(hName, "summary");
        PickType(hOuter, 1);
        names.push_back(wptest::TextOf(hName));
        PickType(hOuter, 2); // all files: no extension of its own
        names.push_back(wptest::TextOf(hName));
        ::PostMessageA(hOuter, WM_COMMAND, IDCANCEL, 0);
        return true;
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(driver.TimedOut());
    EXPECT_EQ(names, (Texts{"report.xlsx", "report.txt", "summary.xlsx", "summary.xlsx"}));
}

} // namespace
