// Shared set-up of the table set tests: the program's tables (as its schema describes them) made in the
// test's database, the program's database object on the test data source, and texts that try the sets.
#pragma once

#include "DataTestSupport.h"

#include "data/CLogDatabase.h"
#include "framework/win/CDialog.h"
#include "resource.h"
#include "timelog/CLogDoc.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace datatest {

// Texts a set must store and read back exactly.
inline const char* const kAwkwardTexts[] = {"O'Brien's", "100% sure",      "under_score",      "back\\slash",
                                            "",          "x' OR '1' = '1", "\xE9t\xE9 caf\xE9"};
// A text of n characters (a readable pattern, so that a cut or a shift shows).
std::string LongText(size_t n);

// A local time in 2004 (a leap year).
inline CTime At(int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return CTime(2004, month, day, hour, minute, second);
}

// The entries a query hands over, deleted with the list.
struct OwnedEntries {
    CObArray list;
    OwnedEntries() = default;
    OwnedEntries(const OwnedEntries&) = delete;
    OwnedEntries& operator=(const OwnedEntries&) = delete;
    ~OwnedEntries() {
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            delete list.GetAt(i);
    }
    CLogEntry* At(INT_PTR i) const { return static_cast<CLogEntry*>(list.GetAt(i)); }
    std::vector<std::string> Guids() const {
        std::vector<std::string> guids;
        for (INT_PTR i = 0; i < list.GetSize(); ++i)
            guids.emplace_back(At(i)->m_GUID.GetString());
        return guids;
    }
};

// The "Writing Database" window, shown without its copy, for the writing and deleting operations that
// show their progress in it.
class ProgressWindow {
public:
    ProgressWindow();
    ~ProgressWindow();
    ProgressWindow(const ProgressWindow&) = delete;
    ProgressWindow& operator=(const ProgressWindow&) = delete;
    CWnd* Get() { return &m_dialog; }
    CString Text() const;
    int Position() const;
    int Upper() const;

private:
    CDialog m_dialog;
};

// An EngineTest on the data source "Test data" with the program's tables and a document whose database
// is that data source. The current user ("Database\Username") is m_user: "kim" on SQLite, the server's
// login on PostgreSQL (the program logs in under that name).
class TableSetTest : public DataSourceTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the tables (all their columns, as the program's schema gives them).
    void CreateTables(std::initializer_list<const char*> tables);
    long Count(const char* table, const CString& where = CString());
    CErrorList& Errors() { return CErrorList::Get(); }
    // A second document on the same database, through a connection of its own (another copy of the
    // program).
    std::unique_ptr<CLogDoc> OtherCopy();
    CDatabase* Db() { return &m_doc->m_Database; }

    std::unique_ptr<CLogDoc> m_doc;
    CString m_user;
};

} // namespace datatest
