// The file dialog's extension rule: the extension each file type of a filter stands for, and how a
// typed name takes it.
#include "foundation/CAppFileDialog.h"

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

} // namespace
