// The log entry's archive: every schema from 1 to 15 as older programs wrote it, the current form, and
// damaged, truncated and too-new archives refused with the archive exception.
#include "ModelTestSupport.h"

#include "data/CBill.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"

#include <memory>
#include <set>

using namespace modeltest;
using archive_test::Store;

namespace {

class LogEntryArchive : public ModelTest {};

// The objects an entry read from an archive points at; nobody else owns them here.
void DeleteReadObjects(CLogEntry& e) {
    std::set<CObject*> objects{e.m_pProject, e.m_pCategory, e.m_pBill, e.m_pSubsystem, e.m_pClient};
    objects.erase(nullptr);
    for (CObject* p : objects)
        delete p;
    e.m_pProject = nullptr;
    e.m_pCategory = nullptr;
    e.m_pBill = nullptr;
    e.m_pSubsystem = nullptr;
    e.m_pClient = nullptr;
}

const CTime kStart(2005, 6, 1, 9, 0, 0);
const CTime kEnd(2005, 6, 1, 10, 30, 0);
const CTime kCreated(2005, 5, 30, 8, 0, 0);
const CTime kModified(2005, 5, 31, 8, 0, 0);

// The bytes an older program wrote for an entry of the given schema (the same field values each time).
Bytes OldEntry(DWORD schema, BYTE legacy = 0, CTime end = kEnd) {
    CProject project("Alpha", 0.0);
    project.m_GUID = "PROJECT-GUID";
    CCategory category("Design", "");
    category.m_GUID = "CATEGORY-GUID";
    CBill bill;
    bill.m_Text1 = "bill";
    CSubsystem subsystem("Build");
    CClient client;
    client.SetCompanyName("Acme");
    return Store([&](CArchive& ar) {
        ar << schema << kStart << end;
        if (schema == 1)
            ar << legacy;
        ar << CTimeSpan(77);
        ar.WriteObject(&project);
        ar.WriteObject(&category);
        ar << CString("Work") << BYTE{1};
        if (schema >= 3)
            ar.WriteObject(&bill);
        if (schema >= 4)
            ar << CTimeSpan(999999); // a stored duration is never trusted
        if (schema >= 5)
            ar << CString("Task name");
        if (schema >= 6)
            ar << CString("ENTRY-GUID") << CString("ann");
        if (schema >= 7)
            ar << BYTE{1};
        if (schema >= 8)
            ar << 11 << 12 << 13;
        if (schema >= 9)
            ar << kCreated << kModified;
        if (schema >= 10)
            ar << BYTE{0};
        if (schema >= 11)
            ar << CString("extra");
        if (schema >= 12)
            ar << CString("u1") << CString("u2") << CString("u3");
        if (schema >= 13)
            ar << 21;
        if (schema >= 14)
            ar.WriteObject(&subsystem);
        if (schema >= 15)
            ar.WriteObject(&client);
    });
}

TEST_F(LogEntryArchive, EverySchemaLoads) {
    for (DWORD schema = 1; schema <= 15; ++schema) {
        SCOPED_TRACE("schema " + std::to_string(schema));
        CLogEntry e;
        ASSERT_EQ(LoadCause(e, OldEntry(schema)), -1);
        EXPECT_EQ(e.m_StartTime, kStart);
        EXPECT_EQ(e.m_EndTime, kEnd);
        EXPECT_EQ(e.m_SecondSpan.GetTotalSeconds(), 77);
        ASSERT_NE(e.m_pProject, nullptr);
        EXPECT_EQ(e.m_pProject->m_Name, "Alpha");
        ASSERT_NE(e.m_pCategory, nullptr);
        EXPECT_EQ(e.m_pCategory->m_Name, "Design");
        EXPECT_EQ(e.m_Desc, "Work");
        EXPECT_EQ(e.m_Billed, 1);
        EXPECT_EQ(e.m_pBill != nullptr, schema >= 3);
        EXPECT_EQ(e.m_Duration.GetTotalSeconds(), 5400) << "the unrounded span";
        EXPECT_EQ(e.m_Name, schema >= 5 ? "Task name" : "");
        if (schema >= 6) {
            EXPECT_EQ(e.m_GUID, "ENTRY-GUID");
            EXPECT_EQ(e.m_Username, "ann");
        } else {
            EXPECT_EQ(e.m_GUID, "") << "made when first asked";
        }
        EXPECT_EQ(e.m_Pending, schema >= 7 ? 1 : 0);
        EXPECT_EQ(e.m_ProjProjectID, schema >= 8 ? 11 : -1);
        EXPECT_EQ(e.m_ProjResourceID, schema >= 8 ? 12 : -1);
        EXPECT_EQ(e.m_ProjAssignmentID, schema >= 8 ? 13 : -1);
        EXPECT_EQ(e.m_Created, schema >= 9 ? kCreated : kStart);
        EXPECT_EQ(e.m_Modified, schema >= 9 ? kModified : kStart);
        EXPECT_EQ(e.m_Billable, schema >= 10 ? 0 : 1);
        EXPECT_EQ(e.m_ExtraText, schema >= 11 ? "extra" : "");
        EXPECT_EQ(e.m_UserText3, schema >= 12 ? "u3" : "");
        EXPECT_EQ(e.m_MSTaskID, schema >= 13 ? 21 : -1);
        EXPECT_EQ(e.m_pSubsystem != nullptr, schema >= 14);
        EXPECT_EQ(e.m_pClient != nullptr, schema >= 15);
        if (e.m_pClient != nullptr) {
            EXPECT_EQ(e.m_pClient->GetCompanyName(), "Acme");
        }
        DeleteReadObjects(e);
    }
}

TEST_F(LogEntryArchive, SchemaOneLegacyByteClearsBilled) {
    CLogEntry e;
    LoadObject(e, OldEntry(1, 1));
    EXPECT_EQ(e.m_Billed, 0);
    DeleteReadObjects(e);
    CLogEntry kept;
    LoadObject(kept, OldEntry(1, 0));
    EXPECT_EQ(kept.m_Billed, 1);
    DeleteReadObjects(kept);
}

TEST_F(LogEntryArchive, ARunningEntryLoadsWithANegativeSpan) {
    CLogEntry e;
    LoadObject(e, OldEntry(15, 0, CTime(static_cast<__time64_t>(0))));
    EXPECT_TRUE(e.IsRunning());
    EXPECT_EQ(e.m_Duration.GetTotalSeconds(), -kStart.GetTime());
    DeleteReadObjects(e);
}

TEST_F(LogEntryArchive, CurrentFormRoundTrip) {
    CProject project("Alpha", 0.0);
    CCategory category("Design", "");
    CSubsystem subsystem("Build");
    CClient client;
    client.SetCompanyName("Acme");
    CBill bill;
    bill.m_Value8 = 2.5;
    CLogEntry e;
    e.m_pProject = &project;
    e.m_pCategory = &category;
    e.m_pSubsystem = &subsystem;
    e.m_pClient = &client;
    e.m_pBill = &bill;
    e.SetStartTime(kStart);
    e.SetStopTime(kEnd);
    e.m_SecondSpan = CTimeSpan(5);
    e.m_Desc = "D'esc {x}";
    e.m_Name = CString('n', 10000);
    e.m_ExtraText = "extra";
    e.m_Pending = 1;
    e.m_Billed = 1;
    e.m_Billable = 0;
    e.m_ProjProjectID = 1;
    e.m_ProjResourceID = 2;
    e.m_ProjAssignmentID = 3;
    e.m_MSTaskID = 4;
    e.m_UserText1 = "a";
    e.m_UserText2 = "";
    e.m_UserText3 = "c";
    e.m_Created = kCreated;
    e.m_Modified = kModified;
    e.m_Mark1 = 1;
    const Bytes bytes = StoreObject(e);
    EXPECT_EQ(e.m_Username, "tester") << "storing fills the user";
    EXPECT_EQ(e.m_GUID.GetLength(), 36) << "and the GUID";

    CLogEntry back;
    LoadObject(back, bytes);
    EXPECT_EQ(back.m_GUID, e.m_GUID);
    EXPECT_EQ(back.m_Username, "tester");
    EXPECT_EQ(back.m_StartTime, kStart);
    EXPECT_EQ(back.m_EndTime, kEnd);
    EXPECT_EQ(back.m_SecondSpan.GetTotalSeconds(), 5);
    EXPECT_EQ(back.m_Desc, e.m_Desc);
    EXPECT_EQ(back.m_Name, e.m_Name);
    EXPECT_EQ(back.m_ExtraText, "extra");
    EXPECT_EQ(back.m_Pending, 1);
    EXPECT_EQ(back.m_Billed, 1);
    EXPECT_EQ(back.m_Billable, 0);
    EXPECT_EQ(back.m_ProjAssignmentID, 3);
    EXPECT_EQ(back.m_MSTaskID, 4);
    EXPECT_EQ(back.m_UserText3, "c");
    EXPECT_EQ(back.m_Created, kCreated);
    EXPECT_EQ(back.m_Modified, kModified);
    EXPECT_EQ(back.m_Mark1, 0) << "marks are not archived";
    ASSERT_NE(back.m_pBill, nullptr);
    EXPECT_EQ(back.m_pBill->m_Value8, 2.5);
    EXPECT_EQ(back.m_pSubsystem->m_GUID, subsystem.m_GUID);
    EXPECT_EQ(back.m_pClient->GetGUID(), client.GetGUID());
    EXPECT_EQ(back.m_pProject->m_GUID, project.m_GUID);
    DeleteReadObjects(back);
}

TEST_F(LogEntryArchive, ObjectsSharedWithTheDocumentAreReferencesInOneArchive) {
    CProject project("Alpha", 0.0);
    CLogEntry a;
    CLogEntry b;
    a.m_pProject = b.m_pProject = &project;
    const Bytes bytes = Store([&](CArchive& ar) {
        ar.WriteObject(&project);
        a.Serialize(ar);
        b.Serialize(ar);
    });
    archive_test::Load(bytes, [&](CArchive& ar) {
        std::unique_ptr<CObject> read(ar.ReadObject(RUNTIME_CLASS(CProject)));
        CLogEntry x;
        CLogEntry y;
        x.Serialize(ar);
        y.Serialize(ar);
        EXPECT_EQ(x.m_pProject, read.get());
        EXPECT_EQ(y.m_pProject, read.get());
    });
}

TEST_F(LogEntryArchive, UnknownSchemasAreRefused) {
    for (DWORD schema : {0u, 16u, 0xFFFFFFFFu}) {
        const Bytes bytes = Store([&](CArchive& ar) { ar << schema; });
        CLogEntry e;
        e.m_Desc = "kept";
        EXPECT_EQ(LoadCause(e, bytes), CArchiveException::badSchema) << schema;
        EXPECT_EQ(e.m_Desc, "kept");
    }
}

TEST_F(LogEntryArchive, TruncatedArchivesAreRefusedAndChangeNothing) {
    const Bytes full = OldEntry(15);
    for (size_t length = 0; length < full.size(); ++length) {
        CLogEntry e;
        e.m_Desc = "kept";
        e.m_MSTaskID = 99;
        EXPECT_TRUE(Refused(e, Bytes(full.begin(), full.begin() + static_cast<ptrdiff_t>(length)))) << length;
        EXPECT_EQ(e.m_Desc, "kept") << length;
        EXPECT_EQ(e.m_MSTaskID, 99) << length;
    }
}

TEST_F(LogEntryArchive, AnObjectOfAnotherClassIsRefused) {
    CCategory category("Design", "");
    CProject project("Alpha", 0.0);
    const Bytes bytes = Store([&](CArchive& ar) {
        ar << DWORD{1} << kStart << kEnd << BYTE{0} << CTimeSpan(0);
        ar.WriteObject(&category); // where the project belongs
        ar.WriteObject(&project);
    });
    CLogEntry e;
    EXPECT_EQ(LoadCause(e, bytes), CArchiveException::badClass);
}

// Mutations of valid archives of every schema: each loads or is refused with a framework exception.
TEST_F(LogEntryArchive, FuzzedArchivesNeverCrash) {
    int refused = 0;
    for (DWORD schema = 1; schema <= 15; ++schema)
        refused += FuzzLoads(
            OldEntry(schema), [] { return std::make_unique<CLogEntry>(); }, 200, schema,
            [](CObject& e) { DeleteReadObjects(static_cast<CLogEntry&>(e)); });
    EXPECT_GT(refused, 0);
    EXPECT_LT(refused, 15 * 200) << "some mutations still load";
}

} // namespace
