// The time log as tab-separated text: the row format, the whole-log export and the log import with its
// refusals of lines that are not formatted properly.
#include "ModelTestSupport.h"

#include "../foundation/ScratchRegistry.h"
#include "foundation/LocaleFormat.h"
#include "framework/core/CStdioFile.h"
#include "timelog/CLogTextRow.h"

#include <random>
#include <string>
#include <vector>

using namespace modeltest;

namespace {

const CTime kStart(2021, 3, 4, 9, 15, 0);
const CTime kStop(2021, 3, 4, 10, 45, 0);

CString Stamp(CTime time) {
    return AcxFormatDate(time) + " " + AcxFormatTime(time);
}

// A well-formed row: start, stop, hours, project, category, description, billed, user.
CString Row(const char* project, const char* category, const char* desc, const char* billed,
            const char* user) {
    return Stamp(kStart) + "\t" + Stamp(kStop) + "\t" + AcxFormatNumber(1.5, 2) + "\t" + project + "\t" +
           category + "\t" + desc + "\t" + billed + "\t" + user + "\t";
}

class LogText : public ModelTest {
protected:
    void WriteFile(const CString& path, const std::string& text) {
        FILE* f = fopen(path, "wb");
        ASSERT_NE(f, nullptr);
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
    std::string ReadFile(const CString& path) {
        std::string text;
        if (FILE* f = fopen(path, "rb")) {
            char buffer[4096];
            size_t n = 0;
            while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
                text.append(buffer, n);
            fclose(f);
        }
        return text;
    }
    int Import(const std::string& text) {
        const CString path = folder.File("import.txt");
        WriteFile(path, text);
        return doc.ImportLogText(path);
    }
    std::string LastPrompt() const { return app.prompts.empty() ? "" : app.prompts.back(); }

    RecordingApp app;
    ScratchFolder folder;
    CLogDoc doc;
};

TEST_F(LogText, RowsAreReadAsTheExportWritesThemAndNothingElse) {
    struct Case {
        const char* what;
        CString line;
        bool ok;
    };
    const CString good = Row("Alpha", "Design", "Plans", "1", "ann");
    const Case cases[] = {
        {"as exported, with the tab after the eighth field", good, true},
        {"without the tab after the eighth field", good.Left(good.GetLength() - 1), true},
        {"with a carriage return", good + "\r", true},
        {"a second tab after the eighth field", good + "\t", false},
        {"text after the eighth field's tab", good + "more", false},
        {"seven fields", Stamp(kStart) + "\t" + Stamp(kStop) + "\t1\tA\tB\tC\t1", false},
        {"the header line", CLogTextRow::Header(), false},
        {"an empty line", "", false},
        {"a start that is no date", "yesterday\t" + Stamp(kStop) + "\t1\tA\tB\tC\t1\tann", false},
        {"a stop that is no date", Stamp(kStart) + "\t\t1\tA\tB\tC\t1\tann", false},
        {"hours that are no number", Stamp(kStart) + "\t" + Stamp(kStop) + "\tabc\tA\tB\tC\t1\tann", false},
        {"no hours at all", Stamp(kStart) + "\t" + Stamp(kStop) + "\t\tA\tB\tC\t1\tann", true},
    };
    for (const Case& c : cases) {
        CLogTextRow row;
        EXPECT_EQ(row.Parse(c.line), c.ok) << c.what;
    }
    CLogTextRow row;
    ASSERT_TRUE(row.Parse(good));
    EXPECT_EQ(row.m_Start, kStart);
    EXPECT_EQ(row.m_Stop, kStop);
    EXPECT_EQ(row.m_Project, "Alpha");
    EXPECT_EQ(row.m_Category, "Design");
    EXPECT_EQ(row.m_Desc, "Plans");
    EXPECT_TRUE(row.m_Billed);
    EXPECT_EQ(row.m_User, "ann");
}

TEST_F(LogText, QuotesAroundAFieldGoAndBilledAcceptsTrue) {
    struct Case {
        const char* billed;
        bool expected;
    };
    for (const Case& c : {Case{"1", true}, Case{"True", true}, Case{"\"TRUE\"", true}, Case{"0", false},
                          Case{"yes", false}, Case{"", false}}) {
        CLogTextRow row;
        ASSERT_TRUE(row.Parse(Row("\"Alpha\"", "\"\"", "\"say \"hi\"\"", c.billed, "\"ann\""))) << c.billed;
        EXPECT_EQ(row.m_Billed, c.expected) << c.billed;
        EXPECT_EQ(row.m_Project, "Alpha");
        EXPECT_EQ(row.m_Category, "");
        EXPECT_EQ(row.m_Desc, "say \"hi\"");
        EXPECT_EQ(row.m_User, "ann");
    }
}

TEST_F(LogText, AnExportedLogImportsEntryForEntry) {
    auto* alpha = new CProject("Alpha", 0.0);
    doc.AddProject(alpha);
    auto* design = new CCategory("Design", "");
    doc.AddCategory(design);
    for (int i = 0; i < 3; ++i) {
        auto* e = new CLogEntry;
        e->SetStartTime(kStart + CTimeSpan(0, i, 0, 0));
        e->SetStopTime(kStop + CTimeSpan(0, i, 0, 0));
        e->RecalcElapsed();
        e->m_pProject = i == 2 ? nullptr : alpha;
        e->m_pCategory = design;
        e->m_Desc.Format("Work %d", i);
        e->m_Billed = i == 1 ? 1 : 0;
        e->SetUserName("tester");
        doc.AddLogEntry(e);
    }
    const CString path = folder.File("log.txt");
    ASSERT_TRUE(doc.WriteLogText(path));
    const std::string text = ReadFile(path);
    // A text file: Windows line ends.
    EXPECT_EQ(text.substr(0, text.find('\n')), std::string(CLogTextRow::Header()) + "\r");
    EXPECT_NE(text.find("\t1.50\tAlpha\tDesign\tWork 0\t0\ttester\t\r\n"), std::string::npos) << text;

    CLogDoc other;
    ASSERT_EQ(other.ImportLogText(path), 3);
    ASSERT_EQ(other.GetLogEntryCount(), 3);
    for (int i = 0; i < 3; ++i) {
        CLogEntry* mine = doc.GetLogEntryAt(i);
        CLogEntry* copy = other.GetLogEntryAt(i);
        EXPECT_EQ(copy->m_StartTime, mine->m_StartTime);
        EXPECT_EQ(copy->m_EndTime, mine->m_EndTime);
        EXPECT_EQ(copy->m_Duration.GetTotalSeconds(), mine->m_Duration.GetTotalSeconds());
        EXPECT_EQ(copy->m_Desc, mine->m_Desc);
        EXPECT_EQ(copy->m_Billed, mine->m_Billed);
        EXPECT_EQ(copy->m_pProject == nullptr, mine->m_pProject == nullptr);
        EXPECT_FALSE(copy->m_GUID.IsEmpty());
        EXPECT_NE(copy->m_GUID, mine->m_GUID);
    }
    ASSERT_NE(other.FindProjectByName("Alpha"), nullptr);
    EXPECT_EQ(other.GetLogEntryAt(0)->m_pProject, other.FindProjectByName("Alpha"));
    EXPECT_EQ(other.GetLogEntryAt(0)->m_pCategory, other.FindCategoryByName("Design"));
    EXPECT_TRUE(app.prompts.empty()) << "every entry is the current user's";
}

TEST_F(LogText, TheFirstBadLineStopsTheImportAndKeepsWhatCameBefore) {
    const std::string header = std::string(CLogTextRow::Header()) + "\n";
    const std::string good = std::string(Row("Alpha", "Design", "ok", "0", "tester")) + "\n";
    struct Case {
        const char* what;
        std::string text;
        int imported;
        const char* message;
    };
    const Case cases[] = {
        {"header, empty line, two rows", header + "\n" + good + good, 2, ""},
        {"the header again on line 3", header + good + header + good, 1,
         "Line 3 in the import text file is not formatted properly. Importing aborted after 1 entries were "
         "imported successfully."},
        {"a row with a second tab after the eighth field",
         good + good.substr(0, good.size() - 1) + "\t\n" + good, 1,
         "Line 2 in the import text file is not formatted properly. Importing aborted after 1 entries"},
        {"a bad first line", "junk\n" + good, 0, "Line 1 in the import text file"},
    };
    for (const Case& c : cases) {
        CLogDoc fresh;
        app.prompts.clear();
        const CString path = folder.File("cases.txt");
        WriteFile(path, c.text);
        EXPECT_EQ(fresh.ImportLogText(path), c.imported) << c.what;
        EXPECT_EQ(fresh.GetLogEntryCount(), c.imported) << c.what;
        if (*c.message == '\0')
            EXPECT_TRUE(app.prompts.empty()) << c.what;
        else
            EXPECT_NE(LastPrompt().find(c.message), std::string::npos) << c.what << ": " << LastPrompt();
    }
}

TEST_F(LogText, NamesFindOrMakeTheirProjectsAndCategories) {
    auto* existing = new CProject("Alpha", 0.0);
    doc.AddProject(existing);
    const std::string text = std::string(Row("", "", "none at all", "0", "tester")) + "\n" +
                             std::string(Row("", "", "again", "0", "tester")) + "\n" +
                             std::string(Row("ALPHA", "Fresh", "known project", "0", "tester")) + "\n" +
                             std::string(Row("Gamma", "", "new project", "0", "tester")) + "\n";
    ASSERT_EQ(Import(text), 4);
    CLogEntry* first = doc.GetLogEntryAt(0);
    CLogEntry* second = doc.GetLogEntryAt(1);
    EXPECT_EQ(first->m_pProject, nullptr);
    ASSERT_NE(first->m_pCategory, nullptr);
    EXPECT_EQ(first->m_pCategory->m_Name, "");
    EXPECT_EQ(second->m_pCategory, first->m_pCategory) << "the empty-named category is reused";
    EXPECT_EQ(doc.GetCategoryCount(false), 1) << "made in the second list: the line has no project";
    EXPECT_EQ(doc.GetLogEntryAt(2)->m_pProject, existing);
    EXPECT_EQ(doc.GetLogEntryAt(2)->m_pCategory, doc.FindCategoryByName("Fresh"));
    CProject* gamma = doc.FindProjectByName("Gamma");
    ASSERT_NE(gamma, nullptr);
    EXPECT_EQ(doc.GetLogEntryAt(3)->m_pProject, gamma);
    EXPECT_EQ(doc.GetLogEntryAt(3)->m_pCategory, first->m_pCategory);
}

TEST_F(LogText, EntriesOfOtherUsersAreNamedOnceEach) {
    const std::string text = std::string(Row("", "D", "1", "0", "ann")) + "\n" +
                             std::string(Row("", "D", "2", "0", "ANN")) + "\n" +
                             std::string(Row("", "D", "3", "0", "Tester")) + "\n" +
                             std::string(Row("", "D", "4", "0", "joanne")) + "\n" +
                             std::string(Row("", "D", "5", "0", "ann")) + "\n";
    ASSERT_EQ(Import(text), 5);
    ASSERT_EQ(app.prompts.size(), 1u);
    EXPECT_NE(LastPrompt().find("other than \"tester\""), std::string::npos) << LastPrompt();
    EXPECT_NE(LastPrompt().find("\"ann, ANN, joanne\""), std::string::npos) << LastPrompt();
    EXPECT_EQ(doc.GetLogEntryAt(3)->GetUserName(), "joanne");
}

TEST_F(LogText, AMissingFileIsReportedAndImportsNothing) {
    EXPECT_EQ(doc.ImportLogText(folder.File("absent.txt")), 0);
    EXPECT_EQ(app.prompts.size(), 1u);
    EXPECT_EQ(doc.GetLogEntryCount(), 0);
}

TEST_F(LogText, AnExportThatCannotBeWrittenLeavesTheOldFile) {
    const CString path = folder.File("kept.txt");
    WriteFile(path, "old contents");
    auto* e = new CLogEntry;
    e->SetStartTime(kStart);
    e->SetStopTime(kStop);
    doc.AddLogEntry(e);
    // The temporary file beside the target is a folder: the export cannot be written.
    CreateDirectoryA(path + ".tmp", nullptr);
    EXPECT_FALSE(doc.WriteLogText(path));
    EXPECT_EQ(ReadFile(path), "old contents");
    EXPECT_EQ(app.prompts.size(), 1u);
}

TEST_F(LogText, DamagedImportFilesNeverCrash) {
    std::string valid = std::string(CLogTextRow::Header()) + "\n";
    for (int i = 0; i < 6; ++i)
        valid += std::string(Row(i % 2 ? "Alpha" : "", "Design", "\"quoted\" text", "True", "ann")) + "\n";
    std::mt19937 random(17);
    int fullyImported = 0;
    // Each round writes and imports a file (a few milliseconds): about three seconds in all.
    for (int round = 0; round < 500; ++round) {
        std::string text = valid;
        const int changes = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < changes && !text.empty(); ++i) {
            const size_t at = random() % text.size();
            const char pick[] = {'\t', '\n', '"', '\0', '\r', '1', '/', ':', 'x', static_cast<char>(0xE9)};
            switch (random() % 3) {
            case 0:
                text[at] = pick[random() % sizeof pick];
                break;
            case 1:
                text.erase(at, 1 + random() % 8);
                break;
            default:
                text.insert(at, 1, pick[random() % sizeof pick]);
                break;
            }
        }
        CLogDoc fresh;
        app.prompts.clear();
        const CString path = folder.File("fuzz.txt");
        WriteFile(path, text);
        const int imported = fresh.ImportLogText(path);
        ASSERT_GE(imported, 0);
        ASSERT_LE(imported, 12);
        ASSERT_EQ(fresh.GetLogEntryCount(), imported);
        if (imported == 6 && app.prompts.size() == 1)
            ++fullyImported;
    }
    EXPECT_GT(fullyImported, 0) << "some mutations leave a file that still imports whole";
}

} // namespace
