// Name/value fields and the client record built on them.
#include "ModelObjectsSupport.h"

#include "data/CClient.h"
#include "data/CNameValuePairs.h"
#include "foundation/Registry.h"
#include "resource.h"

using namespace modeltest;

namespace {

TEST(NameValuePairs, SetFieldOnAnExistingNameKeepsItsPlaceAndAttributes) {
    CNameValuePairs pairs;
    pairs.SetField("First", "1", 11, NVP_EDIT_CONTROL, "x\ty");
    pairs.SetField("Second", "2", 12, NVP_EDIT_CONTROL);
    pairs.SetLines("First", 4);
    pairs.SetReadOnly("First", TRUE);
    pairs.SetCollapsedAt(0, TRUE);
    pairs.SetField("FIRST", "one", 99, NVP_STATIC_TEXT); // no choice list
    ASSERT_EQ(pairs.GetCount(), 2);
    EXPECT_EQ(pairs.GetNameAt(0), "First");
    EXPECT_EQ(pairs.GetFieldIdAt(0), 11);
    EXPECT_EQ(pairs.GetLinesAt(0), 4);
    EXPECT_TRUE(pairs.IsReadOnlyAt(0));
    EXPECT_TRUE(pairs.IsCollapsedAt(0));
    CString value;
    pairs.GetValue(CString("first"), value);
    EXPECT_EQ(value, "one");
    EXPECT_EQ(pairs.GetControlTypeAt(0), NVP_STATIC_TEXT);
    EXPECT_EQ(pairs.GetChoiceListAt(0), "") << "a missing choice list empties it";
}

TEST(NameValuePairs, NamesDifferingInCaseAreOneField) {
    CNameValuePairs pairs;
    pairs.SetField("City", "Bonn");
    pairs.SetField("CITY", "Koeln");
    EXPECT_EQ(pairs.GetCount(), 1);
    EXPECT_EQ(pairs.FindName("city"), 0);
    EXPECT_EQ(pairs.SetLines(CString("cItY"), 2), 0);
    EXPECT_EQ(pairs.GetLines(CString("CITY")), 2);
    EXPECT_EQ(pairs.FindValue("KOELN"), 0);
    EXPECT_EQ(pairs.FindValue("Bonn"), -1);
}

TEST(NameValuePairs, MissingFieldsAndIndicesGiveTheDefaults) {
    CNameValuePairs pairs;
    pairs.SetField("Only", "v", 5, NVP_EDIT_CONTROL);
    for (int index : {-1, 1, 100}) {
        EXPECT_EQ(pairs.GetNameAt(index), "");
        EXPECT_EQ(pairs.GetLinesAt(index), 1);
        EXPECT_FALSE(pairs.IsReadOnlyAt(index));
        EXPECT_FALSE(pairs.IsCollapsedAt(index));
        EXPECT_FALSE(pairs.IsHiddenAt(index));
        EXPECT_EQ(pairs.GetControlTypeAt(index), NVP_STATIC_TEXT);
        EXPECT_EQ(pairs.GetChoiceListAt(index), "");
        EXPECT_EQ(pairs.GetFieldIdAt(index), 0);
        CString name = "x";
        CString value = "y";
        pairs.GetNameValueAt(index, name, value);
        EXPECT_EQ(name, "");
        EXPECT_EQ(value, "");
        pairs.SetValueAt(index, "ignored");
        pairs.SetNameAt(index, "ignored");
    }
    CString value = "unset";
    EXPECT_FALSE(pairs.GetValue(CString("Missing"), value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(pairs.SetLines("Missing", 3), -1);
    EXPECT_EQ(pairs.SetReadOnly("Missing", TRUE), -1);
    EXPECT_EQ(pairs.GetControlType("Missing"), NVP_STATIC_TEXT);
    EXPECT_EQ(pairs.FindFieldId(5), 0);
    EXPECT_EQ(pairs.FindFieldId(6), -1);
    EXPECT_EQ(pairs.GetCount(), 1);
}

TEST(NameValuePairs, InsertFieldPutsANewFieldAtTheIndex) {
    CNameValuePairs pairs;
    pairs.SetField("A", "a");
    pairs.SetField("C", "c");
    pairs.InsertField("B", "b", 3, NVP_EDIT_CONTROL, "list", 1);
    pairs.InsertField("Z", "z", 4, NVP_EDIT_CONTROL, nullptr, 99);
    ASSERT_EQ(pairs.GetCount(), 4);
    EXPECT_EQ(pairs.GetNameAt(1), "B");
    EXPECT_EQ(pairs.GetChoiceListAt(1), "list");
    EXPECT_EQ(pairs.GetFieldIdAt(1), 3);
    EXPECT_EQ(pairs.GetNameAt(3), "Z");
    pairs.RemoveAll();
    EXPECT_EQ(pairs.GetCount(), 0);
}

TEST(NameValuePairs, LineCountTable) {
    struct Case {
        const char* value;
        int lines;
    };
    for (const Case c : {Case{"", 1}, Case{"one", 1}, Case{"one\ntwo", 2}, Case{"a\nb\nc\n", 4}}) {
        CNameValuePairs pairs;
        pairs.SetField("Text", c.value);
        EXPECT_EQ(pairs.GetLineCount(CString("Text")), c.lines) << c.value;
    }
    CNameValuePairs pairs;
    EXPECT_EQ(pairs.GetLineCount(CString("Missing")), 1);
}

TEST(NameValuePairs, CollapsedGroupsAreRemembered) {
    ScratchRegistry registry;
    CNameValuePairs pairs;
    pairs.m_RegistryName = "TaskDlg";
    pairs.SetField("-General", "");
    pairs.SetField("Name", "");
    pairs.SetField("+Dates", "");
    pairs.SetField("-Other", "");
    pairs.SetCollapsedAt(0, TRUE);
    pairs.SetCollapsedAt(1, TRUE); // not a group header: not saved
    pairs.SetCollapsedAt(2, TRUE);
    EXPECT_TRUE(pairs.IsGroupAt(0));
    EXPECT_FALSE(pairs.IsGroupAt(1));
    pairs.SaveCollapsedGroups();
    CString stored;
    RegReadString(REG_DIALOGS, "TaskDlg-collapsed", stored);
    EXPECT_EQ(stored, "-General\t+Dates");

    CStringArray names;
    names.Add("kept");
    pairs.LoadCollapsedGroups(names);
    ASSERT_EQ(names.GetSize(), 3);
    EXPECT_EQ(names.GetAt(1), "-General");
    EXPECT_EQ(names.GetAt(2), "+Dates");

    pairs.SetCollapsedAt(0, FALSE);
    pairs.SetCollapsedAt(2, FALSE);
    pairs.SaveCollapsedGroups();
    RegReadString(REG_DIALOGS, "TaskDlg-collapsed", stored);
    EXPECT_EQ(stored, "") << "nothing collapsed writes an empty text";

    CNameValuePairs other;
    other.m_RegistryName = "Never";
    CStringArray none;
    other.LoadCollapsedGroups(none);
    EXPECT_EQ(none.GetSize(), 0);
}

TEST(Client, DefaultFieldsInTheirOrder) {
    CClient client;
    ASSERT_EQ(client.GetCount(), 28);
    EXPECT_EQ(client.GetNameAt(0), "Company name");
    EXPECT_EQ(client.GetNameAt(1), "This company");
    EXPECT_EQ(client.GetControlTypeAt(1), NVP_CHECKBOX_3D);
    EXPECT_EQ(client.GetNameAt(8), "Mailing Address1");
    EXPECT_EQ(client.GetNameAt(23), "Terms");
    EXPECT_EQ(client.GetNameAt(27), "Tax ID");
    for (int i = 0; i < 28; ++i) {
        if (i != 1) {
            EXPECT_EQ(client.GetControlTypeAt(i), NVP_EDIT_CONTROL) << i;
        }
    }
    EXPECT_TRUE(client.m_GUID.IsEmpty());
    EXPECT_EQ(client.GetGUID().GetLength(), 36);
}

TEST(Client, ThisCompanyOnlyForExactlyOne) {
    struct Case {
        const char* value;
        bool thisCompany;
    };
    for (const Case c : {Case{"1", true}, Case{" 1", false}, Case{"2", false}, Case{"yes", false},
                         Case{"", false}, Case{"10", false}}) {
        CClient client;
        client.SetValue(IDS_CLIENT_THIS_COMPANY, c.value, NVP_CHECKBOX_3D);
        EXPECT_EQ(client.IsThisCompany() != FALSE, c.thisCompany) << c.value;
    }
    CClient client;
    client.SetThisCompany();
    EXPECT_TRUE(client.IsThisCompany());
    EXPECT_EQ(client.GetControlType("This company"), NVP_CHECKBOX_3D);
}

TEST(Client, TermsAndTaxRate) {
    struct Case {
        const char* terms;
        int days;
    };
    for (const Case c :
         {Case{"45 days", 45}, Case{"  60", 60}, Case{"", 30}, Case{"0", 30}, Case{"net", 30}}) {
        CClient client;
        client.SetValue(IDS_CLIENT_TERMS, c.terms, NVP_EDIT_CONTROL);
        EXPECT_EQ(client.GetTerms(), c.days) << c.terms;
    }
    CClient client;
    EXPECT_EQ(client.GetTaxRate(), 0.0);
    client.SetValue(IDS_CLIENT_TAX_RATE, "7.5", NVP_EDIT_CONTROL);
    EXPECT_EQ(client.GetTaxRate(), 7.5);
    client.SetValue(IDS_CLIENT_TAX_RATE, "none", NVP_EDIT_CONTROL);
    EXPECT_EQ(client.GetTaxRate(), 0.0);
}

TEST(Client, AddressBlockTable) {
    struct Field {
        UINT id;
        const char* value;
    };
    struct Case {
        const char* what;
        std::vector<Field> fields;
        bool preferBilling;
        bool includeContact;
        const char* expected;
    };
    const Case cases[] = {
        {"everything empty", {}, false, false, " "},
        {"main address with state",
         {{IDS_CLIENT_COMPANY_NAME, "Acme"},
          {IDS_CLIENT_MAIN_CONTACT, "Ann"},
          {IDS_CLIENT_MAIN_ADDRESS1, "1 Road"},
          {IDS_CLIENT_MAIN_CITY, "Springfield"},
          {IDS_CLIENT_MAIN_STATE, "IL"},
          {IDS_CLIENT_MAIN_ZIP, "62701"}},
         false,
         true,
         "Ann{\\par}Acme{\\par}1 Road{\\par}Springfield, IL 62701"},
        {"no state: city, blank, zip",
         {{IDS_CLIENT_MAIN_CITY, "Bonn"}, {IDS_CLIENT_MAIN_ZIP, "53111"}},
         false,
         false,
         "Bonn 53111"},
        {"billing preferred but no billing address1: the main fields",
         {{IDS_CLIENT_MAIN_CONTACT, "Ann"},
          {IDS_CLIENT_BILLING_CONTACT, "Bill"},
          {IDS_CLIENT_BILLING_CITY, "Elsewhere"},
          {IDS_CLIENT_MAIN_CITY, "Here"}},
         true,
         true,
         "Ann{\\par}Here "},
        {"billing address",
         {{IDS_CLIENT_BILLING_CONTACT, "Bill"},
          {IDS_CLIENT_BILLING_ADDRESS1, "PO Box 1"},
          {IDS_CLIENT_BILLING_ADDRESS2, "Floor 2"},
          {IDS_CLIENT_BILLING_CITY, "Paris"},
          {IDS_CLIENT_MAIN_CITY, "Here"}},
         true,
         false,
         "PO Box 1{\\par}Floor 2{\\par}Paris "},
        {"RTF's own characters are escaped",
         {{IDS_CLIENT_COMPANY_NAME, "A{\\b} Co}"}, {IDS_CLIENT_MAIN_CITY, "C:\\"}},
         false,
         false,
         "A\\{\\\\b\\} Co\\}{\\par}C:\\\\ "},
    };
    for (const Case& c : cases) {
        CClient client;
        for (const Field& f : c.fields)
            client.SetValue(f.id, f.value, NVP_EDIT_CONTROL);
        CString text = "unset";
        client.GetAddressRtf(text, c.preferBilling, c.includeContact);
        EXPECT_STREQ(text, c.expected) << c.what;
    }
}

TEST(Client, CopiesKeepFieldsAndIdentity) {
    CClient client;
    client.SetCompanyName("Acme");
    client.SetDescription("Anvils");
    client.GetGUID();
    client.SetModified(TRUE);
    CClient copy(client);
    EXPECT_EQ(copy.GetCompanyName(), "Acme");
    EXPECT_EQ(copy.m_GUID, client.m_GUID);
    EXPECT_EQ(copy.m_bModified, 0);
    EXPECT_EQ(copy.GetCount(), 28);
}

} // namespace
