// The archives of the domain objects: every schema each one reads, its current form, and damaged,
// truncated and too-new archives refused with the archive exception.
#include "ModelObjectsSupport.h"

#include "data/CBill.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CNameValuePairs.h"
#include "data/CProject.h"
#include "data/CProjectType.h"
#include "data/CSubsystem.h"
#include "data/CUser.h"
#include "data/CViewFilter.h"
#include "foundation/SharedHelpers.h"
#include "resource.h"

#include <memory>

using namespace modeltest;

namespace {

const CTime kCreated(2006, 1, 2, 3, 4, 5);
const CTime kModified(2006, 2, 3, 4, 5, 6);

template <typename T> std::unique_ptr<T> Make() {
    return std::make_unique<T>();
}

// True when t lies within the last minute: "made at the time of loading".
bool IsRecent(CTime t) {
    const auto age = CTime::GetCurrentTime().GetTime() - t.GetTime();
    return age >= 0 && age < 60;
}

// ---------------------------------------------------------------- project types

TEST(ProjectTypeArchive, EverySchema) {
    for (DWORD schema = 1; schema <= 3; ++schema) {
        const Bytes bytes = Store([&](CArchive& ar) {
            ar << schema << CString("Fixed");
            if (schema >= 2)
                ar << CString(schema == 2 ? "" : "TYPE-GUID");
            if (schema >= 3)
                ar << kCreated << kModified;
        });
        CProjectType t;
        ASSERT_EQ(LoadCause(t, bytes), -1) << schema;
        EXPECT_EQ(t.m_Name, "Fixed");
        if (schema == 3) {
            EXPECT_EQ(t.m_GUID, "TYPE-GUID");
        } else {
            EXPECT_EQ(t.m_GUID.GetLength(), schema == 1 ? 0 : 36) << "an empty stored GUID gets a new one";
        }
        EXPECT_EQ(t.GetGUID().GetLength(), schema == 3 ? 9 : 36);
        if (schema == 3) {
            EXPECT_EQ(t.m_Created, kCreated);
            EXPECT_EQ(t.m_Modified, kModified);
        } else {
            EXPECT_TRUE(IsRecent(t.m_Created));
        }
    }
}

TEST(ProjectTypeArchive, RoundTripAndRefusals) {
    CProjectType t("Internal");
    t.m_Created = kCreated;
    const Bytes bytes = StoreObject(t);
    CProjectType back;
    LoadObject(back, bytes);
    EXPECT_EQ(back.m_Name, "Internal");
    EXPECT_EQ(back.m_GUID, t.m_GUID);
    EXPECT_EQ(back.m_Created, kCreated);
    for (DWORD schema : {0u, 4u}) {
        EXPECT_EQ(LoadCause(back, Store([&](CArchive& ar) { ar << schema << CString("x"); })),
                  CArchiveException::badSchema);
    }
    ExpectTruncationsRefused(bytes, Make<CProjectType>);
}

// ---------------------------------------------------------------- subsystems

TEST(SubsystemArchive, SchemasOneAndTwo) {
    for (DWORD schema = 1; schema <= 2; ++schema) {
        const Bytes bytes = Store([&](CArchive& ar) {
            ar << schema << CString("SUB-GUID") << kCreated << kModified << CString("Build") << 3 << 77;
            if (schema >= 2)
                ar << 12;
        });
        CSubsystem s;
        ASSERT_EQ(LoadCause(s, bytes), -1);
        EXPECT_EQ(s.m_GUID, "SUB-GUID");
        EXPECT_EQ(s.m_Name, "Build");
        EXPECT_EQ(s.m_Created, kCreated);
        EXPECT_EQ(s.m_Level, 3);
        EXPECT_EQ(s.m_ArchiveWord, 77);
        EXPECT_EQ(s.m_Order, schema == 2 ? 12 : 0);
    }
    CSubsystem s;
    EXPECT_EQ(LoadCause(s, Store([](CArchive& ar) { ar << DWORD{3}; })), CArchiveException::badSchema);
}

TEST(SubsystemArchive, RoundTripKeepsAnIdentity) {
    CSubsystem s("Module");
    s.m_Order = 4;
    s.m_Level = 1;
    const Bytes bytes = StoreObject(s);
    CSubsystem back;
    LoadObject(back, bytes);
    EXPECT_EQ(back.m_GUID, s.m_GUID);
    EXPECT_EQ(back.m_Order, 4);
    ExpectTruncationsRefused(bytes, Make<CSubsystem>);

    const Bytes empty = Store([](CArchive& ar) {
        ar << DWORD{2} << CString() << kCreated << kModified << CString("x") << 0 << 0 << 0;
    });
    LoadObject(back, empty);
    EXPECT_EQ(back.m_GUID.GetLength(), 36) << "a subsystem without identity gets one";
}

// ---------------------------------------------------------------- projects

Bytes OldProject(DWORD schema, CProjectType* type, CClient* client) {
    return Store([&](CArchive& ar) {
        ar << schema << CString("Alpha");
        if (schema >= 2)
            ar << 2.5;
        if (schema >= 3)
            ar.WriteObject(type);
        if (schema >= 4)
            ar << CString("About");
        if (schema >= 5)
            ar << BYTE{0};
        if (schema >= 6)
            ar.WriteObject(client);
        if (schema >= 7)
            ar << CString("PROJECT-GUID");
        if (schema >= 8)
            ar << kCreated << kModified;
        if (schema >= 9)
            ar << CString("C:\\plan.mpp");
        if (schema >= 10)
            ar << BYTE{1};
    });
}

TEST(ProjectArchive, EverySchema) {
    CProjectType type("Fixed");
    CClient client;
    client.SetCompanyName("Acme");
    for (DWORD schema = 1; schema <= 10; ++schema) {
        SCOPED_TRACE("schema " + std::to_string(schema));
        CProject p;
        ASSERT_EQ(LoadCause(p, OldProject(schema, &type, &client)), -1);
        std::unique_ptr<CProjectType> readType(p.m_pProjectType);
        std::unique_ptr<CClient> readClient(p.m_pClient);
        EXPECT_EQ(p.m_Name, "Alpha");
        EXPECT_EQ(p.m_ArchiveValue, schema >= 2 ? 2.5 : 0.0);
        EXPECT_EQ(p.m_pProjectType != nullptr, schema >= 3);
        EXPECT_EQ(p.m_Description, schema >= 4 ? "About" : "");
        EXPECT_EQ(p.m_Active, schema >= 5 ? 0 : 1);
        EXPECT_EQ(p.m_pClient != nullptr, schema >= 6);
        EXPECT_EQ(p.m_GUID, schema >= 7 ? "PROJECT-GUID" : "");
        EXPECT_EQ(p.m_Created == kCreated, schema >= 8);
        EXPECT_EQ(p.m_MSProjectFile, schema >= 9 ? "C:\\plan.mpp" : "");
        EXPECT_EQ(p.m_Timesheet, schema >= 10 ? 1 : 0);
        if (schema == 4) {
            EXPECT_TRUE(IsRecent(p.m_Created));
            EXPECT_TRUE(IsRecent(p.m_Modified));
            EXPECT_EQ(p.GetGUID().GetLength(), 36) << "made on first request";
        }
    }
}

TEST(ProjectArchive, RoundTripSharesObjectsAndRefusesOthers) {
    CProjectType type("Fixed");
    CProject a("Alpha", 0.0);
    CProject b("Beta", 0.0);
    a.m_pProjectType = b.m_pProjectType = &type;
    a.m_Timesheet = 1;
    a.m_BillingRate = 55.0; // lives in the table only
    const Bytes bytes = Store([&](CArchive& ar) {
        a.Serialize(ar);
        b.Serialize(ar);
    });
    archive_test::Load(bytes, [&](CArchive& ar) {
        CProject x;
        CProject y;
        x.Serialize(ar);
        y.Serialize(ar);
        std::unique_ptr<CProjectType> owned(x.m_pProjectType);
        EXPECT_EQ(x.m_pProjectType, y.m_pProjectType) << "written once, then referenced";
        EXPECT_EQ(x.m_pProjectType->m_Name, "Fixed");
        EXPECT_EQ(x.m_GUID, a.m_GUID);
        EXPECT_EQ(x.m_Timesheet, 1);
        EXPECT_EQ(x.m_BillingRate, 100.0);
    });
    CProject p;
    for (DWORD schema : {0u, 11u}) {
        EXPECT_EQ(LoadCause(p, Store([&](CArchive& ar) { ar << schema; })), CArchiveException::badSchema);
    }
    ExpectTruncationsRefused(Store([&](CArchive& ar) { CProject("Solo", 0.0).Serialize(ar); }),
                             Make<CProject>);
}

TEST(Project, NoneProjectInAnyCase) {
    for (const char* name : {"<None>", "<NONE>", "<none>"}) {
        EXPECT_TRUE(CProject(name, 0.0).IsNoneProject()) << name;
    }
    for (const char* name : {"None", "<None> ", ""}) {
        EXPECT_FALSE(CProject(name, 0.0).IsNoneProject()) << name;
    }
}

TEST(Project, CopiesKeepTheIdentityAndClearTheState) {
    CSubsystem s("Build");
    CProject p("Alpha", 0.0);
    p.GetGUID();
    p.AddSubsystem(&s);
    p.m_Dirty = p.m_FileOpen = 1;
    p.m_RefreshState = 3;
    p.m_SalaryRate = 12.0;
    CProject copy(p);
    EXPECT_EQ(copy.m_GUID, p.m_GUID);
    EXPECT_EQ(copy.GetSubsystemAt(0), &s);
    EXPECT_EQ(copy.m_SalaryRate, 12.0);
    EXPECT_EQ(copy.m_Dirty, 0);
    EXPECT_EQ(copy.m_FileOpen, 0);
    EXPECT_EQ(copy.m_RefreshState, 0);
    EXPECT_EQ(copy.m_PSServer, "(local)");
    EXPECT_EQ(copy.m_PSUser, "sa");
}

// ---------------------------------------------------------------- categories

TEST(CategoryArchive, EverySchema) {
    for (DWORD schema = 1; schema <= 6; ++schema) {
        const Bytes bytes = Store([&](CArchive& ar) {
            ar << schema << CString("Design");
            if (schema >= 2)
                ar << CString("Drawing");
            if (schema >= 3)
                ar << CString("CAT-GUID");
            if (schema >= 4)
                ar << 80.0;
            if (schema >= 5)
                ar << kCreated << kModified;
            if (schema >= 6)
                ar << BYTE{0};
        });
        CCategory c;
        ASSERT_EQ(LoadCause(c, bytes), -1) << schema;
        EXPECT_EQ(c.m_Name, "Design");
        EXPECT_EQ(c.m_Desc, schema >= 2 ? "Drawing" : "");
        EXPECT_EQ(c.m_GUID, schema >= 3 ? "CAT-GUID" : "");
        EXPECT_EQ(c.m_Rate, schema >= 4 ? 80.0 : 100.0);
        EXPECT_EQ(c.m_HourlyRate, 100.0);
        EXPECT_EQ(c.m_Created == kCreated, schema >= 5);
        if (schema == 3) {
            EXPECT_TRUE(IsRecent(c.m_Modified));
        }
        EXPECT_EQ(c.m_Active, schema >= 6 ? 0 : 1);
    }
    CCategory c;
    EXPECT_EQ(LoadCause(c, Store([](CArchive& ar) { ar << DWORD{7}; })), CArchiveException::badSchema);
    ExpectTruncationsRefused(StoreObject(c), Make<CCategory>);
}

// ---------------------------------------------------------------- users

TEST(UserArchive, PasswordIsStoredScrambledAndComesBack) {
    CUser u("ann");
    u.m_FullName = "Ann Smith";
    u.m_Email = "ann@example.com";
    u.m_Workgroup = 0;
    u.m_Admin = 0;
    u.m_Password = "s3cret-Passw0rd";
    u.m_Rights = "0101"; // lives in the table only
    const Bytes bytes = StoreObject(u);
    const std::string raw(bytes.begin(), bytes.end());
    EXPECT_EQ(raw.find("s3cret-Passw0rd"), std::string::npos) << "no password in plain text";

    CUser back;
    LoadObject(back, bytes);
    EXPECT_EQ(back.m_GUID, u.m_GUID);
    EXPECT_EQ(back.m_User, "ann");
    EXPECT_EQ(back.m_FullName, "Ann Smith");
    EXPECT_EQ(back.m_Email, "ann@example.com");
    EXPECT_EQ(back.m_Admin, 0);
    EXPECT_EQ(back.m_Password, "s3cret-Passw0rd");
    EXPECT_EQ(back.m_Rights, "");
    ExpectTruncationsRefused(bytes, Make<CUser>);
}

TEST(UserArchive, OlderPlainPasswordsStillLoad) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << DWORD{1} << CString("USER-GUID") << kCreated << kModified << CString("bob") << CString("Bob")
           << CString("b@x") << BYTE{1} << BYTE{1} << BYTE{1} << CString("plain");
    });
    CUser u;
    ASSERT_EQ(LoadCause(u, bytes), -1);
    EXPECT_EQ(u.m_User, "bob");
    EXPECT_TRUE(u.IsGroup());
    EXPECT_EQ(u.m_Password, "plain");
    EXPECT_EQ(LoadCause(u, Store([](CArchive& ar) { ar << DWORD{3}; })), CArchiveException::badSchema);
}

TEST(UserArchive, AStoredPasswordThatIsNotInStoredFormIsRefused) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << DWORD{2} << CString("G") << kCreated << kModified << CString("bob") << CString() << CString()
           << BYTE{0} << BYTE{1} << BYTE{1} << CString("not scrambled at all");
    });
    CUser u;
    u.m_Password = "kept";
    EXPECT_EQ(LoadCause(u, bytes), CArchiveException::badSchema);
}

// ---------------------------------------------------------------- name/value fields and clients

TEST(NameValueArchive, OnlyNamesAndValuesTravel) {
    CNameValuePairs pairs;
    pairs.SetField("Name", "Ann", 7, NVP_STATIC_TEXT, "a\tb");
    pairs.SetField("-Group", "", 8, NVP_EDIT_CONTROL);
    pairs.SetLines("Name", 3);
    const Bytes bytes = StoreObject(pairs);
    CNameValuePairs back;
    back.SetField("Name", "old", 9, NVP_CHECKBOX_3D);
    back.SetReadOnly("Name", TRUE);
    LoadObject(back, bytes);
    ASSERT_EQ(back.GetCount(), 2);
    CString value;
    EXPECT_TRUE(back.GetValue(CString("Name"), value));
    EXPECT_EQ(value, "Ann");
    EXPECT_EQ(back.GetFieldIdAt(0), 9) << "attributes of an existing position stay";
    EXPECT_TRUE(back.IsReadOnlyAt(0));
    // The second field is new to the object: it gets a new field's attributes, in step with the names.
    EXPECT_EQ(back.GetNameAt(1), "-Group");
    EXPECT_EQ(back.GetLinesAt(1), 1);
    EXPECT_EQ(back.GetControlTypeAt(1), NVP_EDIT_CONTROL);
    EXPECT_FALSE(back.IsReadOnlyAt(1));
    EXPECT_EQ(back.GetFieldIdAt(1), 0);
    back.SetHiddenAt(1, TRUE);
    EXPECT_TRUE(back.IsHiddenAt(1));

    EXPECT_EQ(LoadCause(back, Store([](CArchive& ar) { ar << DWORD{2}; })), CArchiveException::badSchema);
    ExpectTruncationsRefused(bytes, Make<CNameValuePairs>);
}

TEST(NameValueArchive, FewerValuesThanNamesLeaveNoFieldWithoutValue) {
    const Bytes bytes = Store([](CArchive& ar) {
        ar << DWORD{1};
        ar.WriteCount(3);
        ar << CString("a") << CString("b") << CString("c");
        ar.WriteCount(1);
        ar << CString("1");
    });
    CNameValuePairs pairs;
    LoadObject(pairs, bytes);
    ASSERT_EQ(pairs.GetCount(), 3);
    CString name;
    CString value = "unset";
    pairs.GetNameValueAt(2, name, value);
    EXPECT_EQ(name, "c");
    EXPECT_EQ(value, "");
    EXPECT_EQ(pairs.GetLinesAt(2), 1);
}

TEST(ClientArchive, VersionsOneAndTwo) {
    CClient c;
    c.SetCompanyName("Acme");
    c.SetValue(IDS_CLIENT_TERMS, "45 days", NVP_EDIT_CONTROL);
    const Bytes current = StoreObject(c);
    CClient back;
    LoadObject(back, current);
    EXPECT_EQ(back.GetCompanyName(), "Acme");
    EXPECT_EQ(back.GetTerms(), 45);
    EXPECT_EQ(back.m_GUID, c.m_GUID);
    EXPECT_EQ(back.GetControlType(CString(MAKEINTRESOURCE(IDS_CLIENT_THIS_COMPANY))), NVP_CHECKBOX_3D);

    const Bytes version1 = Store([&](CArchive& ar) {
        ar << DWORD{1};
        CNameValuePairs fields;
        fields.SetField("Company name", "Old Co");
        fields.Serialize(ar);
    });
    CClient old;
    LoadObject(old, version1);
    EXPECT_EQ(old.GetCompanyName(), "Old Co");
    EXPECT_EQ(old.m_GUID, "") << "made when first asked";
    EXPECT_EQ(old.GetGUID().GetLength(), 36);

    EXPECT_EQ(LoadCause(old, Store([](CArchive& ar) { ar << DWORD{3}; })), CArchiveException::badSchema);
    ExpectTruncationsRefused(current, Make<CClient>);
}

// ---------------------------------------------------------------- bills and view filters

TEST(BillArchive, RoundTripAndRefusal) {
    CBill bill;
    bill.m_Text1 = "first";
    bill.m_Value4 = 4;
    bill.m_Value8 = 8.5;
    bill.m_Text2 = "second";
    const Bytes bytes = StoreObject(bill);
    CBill back;
    LoadObject(back, bytes);
    EXPECT_EQ(back.m_Text1, "first");
    EXPECT_EQ(back.m_Value4, 4u);
    EXPECT_EQ(back.m_Value8, 8.5);
    EXPECT_EQ(back.m_Text2, "second");
    EXPECT_EQ(LoadCause(back, Store([](CArchive& ar) { ar << DWORD{2}; })), CArchiveException::badSchema);
    ExpectTruncationsRefused(bytes, Make<CBill>);
}

TEST(ViewFilterArchive, RoundTripKeepsTheDateChoice) {
    CProject project("Alpha", 0.0);
    CViewFilter f;
    f.m_FilterType = CViewFilter::byProject | CViewFilter::byDateRange;
    f.m_pProject = &project;
    f.m_NotBilled = 1;
    f.m_DateChoice = 4;
    const Bytes bytes = StoreObject(f);
    CViewFilter back;
    back.m_DateChoice = 6;
    LoadObject(back, bytes);
    std::unique_ptr<CProject> read(back.m_pProject);
    EXPECT_EQ(back.m_FilterType, 5u);
    ASSERT_NE(back.m_pProject, nullptr);
    EXPECT_EQ(back.m_pProject->m_Name, "Alpha");
    EXPECT_EQ(back.m_pProjectType, nullptr);
    EXPECT_EQ(back.m_NotBilled, 1);
    EXPECT_EQ(back.m_DateChoice, 6) << "the date choice is not archived";
    EXPECT_EQ(LoadCause(back, Store([](CArchive& ar) { ar << DWORD{2}; })), CArchiveException::badSchema);
}

// ---------------------------------------------------------------- mutations of all of them

TEST(DomainArchives, FuzzedArchivesNeverCrash) {
    CProjectType type("Fixed");
    CClient client;
    client.SetCompanyName("Acme");
    CProject project("Alpha", 0.0);
    project.m_pProjectType = &type;
    project.m_pClient = &client;
    CCategory category("Design", "D");
    CSubsystem subsystem("Build");
    CUser user("ann");
    user.m_Password = "pw";
    CBill bill;
    CViewFilter filter;
    filter.m_pProject = &project;
    FuzzLoads(StoreObject(project), Make<CProject>, 600, 1);
    FuzzLoads(StoreObject(type), Make<CProjectType>, 300, 2);
    FuzzLoads(StoreObject(category), Make<CCategory>, 300, 3);
    FuzzLoads(StoreObject(subsystem), Make<CSubsystem>, 300, 4);
    FuzzLoads(StoreObject(user), Make<CUser>, 300, 5);
    FuzzLoads(StoreObject(client), Make<CClient>, 600, 6);
    FuzzLoads(StoreObject(bill), Make<CBill>, 200, 7);
    FuzzLoads(StoreObject(filter), Make<CViewFilter>, 600, 8);
}

} // namespace
