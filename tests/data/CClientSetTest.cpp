#include "TableTestSupport.h"

#include "data/CClientSet.h"
#include "framework/db/CSqlDialect.h"
#include "resource.h"

#include <gmock/gmock.h>

using namespace datatest;

namespace {

class ClientSetTest : public TableSetTest {
protected:
    void SetUp() override {
        TableSetTest::SetUp();
        if (IsSkipped())
            return;
        CreateTables({"Clients", "Update"});
    }
    CClient* NewClient(const char* name) {
        auto* client = new CClient;
        client->SetCompanyName(name);
        m_doc->AddClient(client);
        return client;
    }
    CClientSet& Set() { return m_doc->m_ClientSet; }
};

TEST_P(ClientSetTest, EveryFieldReachesItsColumnAndComesBack) {
    CClient* client = NewClient("Acme");
    int n = 0;
    for (int i = 0; i < client->GetCount(); ++i) {
        CString value;
        value.Format("%s %d", kAwkwardTexts[n++ % std::size(kAwkwardTexts)], i);
        client->SetValueAt(i, value);
    }
    client->SetValue(IDS_CLIENT_MAIN_CITY, "Springfield", 52512);
    ASSERT_TRUE(Set().SaveClient(m_doc.get(), client));
    EXPECT_EQ(QueryText("SELECT [Main City] FROM [Clients]"), "Springfield");

    auto doc = OtherCopy();
    ASSERT_TRUE(doc->m_ClientSet.LoadClients(doc.get()));
    const CClient* back = doc->FindClientByGUID(client->m_GUID);
    ASSERT_NE(back, nullptr);
    ASSERT_EQ(back->GetCount(), client->GetCount());
    for (int i = 0; i < client->GetCount(); ++i) {
        CString name, value, backName, backValue;
        client->GetNameValueAt(i, name, value);
        back->GetNameValueAt(i, backName, backValue);
        EXPECT_EQ(backName, name);
        EXPECT_EQ(backValue, value) << name.GetString();
    }
    EXPECT_EQ(back->m_Created, client->m_Created);
}

TEST_P(ClientSetTest, AReloadBringsOtherCopiesEditsByTheirTime) {
    CClient* client = NewClient("Acme");
    client->m_Modified = CTime(2004, 1, 1, 0, 0, 0);
    ASSERT_TRUE(Set().SaveClient(m_doc.get(), client));
    const CString where = " WHERE [GUID] = " + CSqlDialect::QuoteText(client->m_GUID);
    Exec("UPDATE [Clients] SET [Company name] = 'Old', [Modified] = {ts '2003-01-01 00:00:00'}" + where);
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(client->GetCompanyName(), "Acme");
    Exec("UPDATE [Clients] SET [Company name] = 'Acme Ltd', [Modified] = {ts '2004-02-01 00:00:00'}" + where);
    ASSERT_TRUE(Set().LoadAll(m_doc.get()));
    EXPECT_EQ(client->GetCompanyName(), "Acme Ltd");
    EXPECT_EQ(client->m_Modified, CTime(2004, 2, 1, 0, 0, 0));
    EXPECT_EQ(m_doc->m_Clients.GetSize(), 1);
}

TEST_P(ClientSetTest, WriteAllAddsOnlyClientsWithoutARow) {
    CClient* stored = NewClient("Stored");
    ASSERT_TRUE(Set().SaveClient(m_doc.get(), stored));
    Exec("UPDATE [Clients] SET [Terms] = 'kept'");
    NewClient("New");
    ProgressWindow window;
    ASSERT_TRUE(Set().WriteAll(m_doc.get(), window.Get(), IDC_WRITE_STATUS, IDC_WRITE_PROGRESS));
    EXPECT_EQ(Count("Clients"), 2);
    EXPECT_EQ(Count("Clients", "[Terms] = 'kept'"), 1);
    EXPECT_EQ(window.Text(), "Writing clients");
    EXPECT_TRUE(Set().DeleteClient(m_doc.get(), stored));
    EXPECT_EQ(Count("Clients"), 1);
    EXPECT_FALSE(Set().DeleteClient(m_doc.get(), nullptr));
}

INSTANTIATE_TEST_SUITE_P(Engines, ClientSetTest, DATA_ENGINES);

} // namespace
