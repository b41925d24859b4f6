#include "TableTestSupport.h"

#include "data/DatabaseSchema.h"
#include "foundation/Registry.h"
#include "resource.h"

namespace datatest {

std::string LongText(size_t n) {
    std::string text;
    text.reserve(n);
    for (size_t i = 0; i < n; ++i)
        text += static_cast<char>('a' + (i * 7 + i / 26) % 26);
    return text;
}

ProgressWindow::ProgressWindow() {
    m_dialog.Create(IDD_WRITE_DATABASE);
}

ProgressWindow::~ProgressWindow() {
    m_dialog.DestroyWindow();
}

CString ProgressWindow::Text() const {
    CString text;
    m_dialog.GetDlgItemText(IDC_WRITE_STATUS, text);
    return text;
}

int ProgressWindow::Position() const {
    return static_cast<int>(m_dialog.SendDlgItemMessage(IDC_WRITE_PROGRESS, PBM_GETPOS));
}

int ProgressWindow::Upper() const {
    return static_cast<int>(m_dialog.SendDlgItemMessage(IDC_WRITE_PROGRESS, PBM_GETRANGE, FALSE));
}

void TableSetTest::SetUp() {
    DataSourceTest::SetUp();
    if (IsSkipped())
        return;
    if (!IsPostgres())
        RegWriteString(REG_DATABASE, "Username", "kim");
    RegReadString(REG_DATABASE, "Username", m_user);
    m_doc = std::make_unique<CLogDoc>();
}

void TableSetTest::TearDown() {
    m_doc.reset();
    DataSourceTest::TearDown();
}

std::unique_ptr<CLogDoc> TableSetTest::OtherCopy() {
    return std::make_unique<CLogDoc>();
}

void TableSetTest::CreateTables(std::initializer_list<const char*> tables) {
    for (const char* table : tables) {
        CString columns;
        for (const SchemaRow* row = g_databaseSchema; *row->column; ++row)
            if (CString(row->table) == table)
                columns += CString(columns.IsEmpty() ? "" : ", ") + "[" + row->column + "] " + row->type;
        ASSERT_FALSE(columns.IsEmpty()) << table;
        Exec(CString("CREATE TABLE [") + table + "] (" + columns + ")");
    }
}

long TableSetTest::Count(const char* table, const CString& where) {
    return QueryNumber(CString("SELECT COUNT(*) FROM [") + table + "]" +
                       (where.IsEmpty() ? "" : " WHERE " + where));
}

} // namespace datatest
