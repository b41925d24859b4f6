// CLogEntry: its archive form inside the document file and the time cache, schemas 1 to 15.
#include "timelog/CLogEntry.h"

#include "data/CBill.h"
#include "data/CCategory.h"
#include "data/CClient.h"
#include "data/CProject.h"
#include "data/CSubsystem.h"
#include "framework/core/CArchive.h"

IMPLEMENT_SERIAL(CLogEntry, CObject, VERSIONABLE_SCHEMA | 15)

namespace {
constexpr DWORD kSchema = 15;

template <typename T> T* ReadPointer(CArchive& ar, const CRuntimeClass* pClass) {
    return static_cast<T*>(ar.ReadObject(pClass));
}
} // namespace

void CLogEntry::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        GetGUID();
        GetUserName();
        ar << kSchema << m_StartTime << m_EndTime << m_SecondSpan;
        ar.WriteObject(m_pProject);
        ar.WriteObject(m_pCategory);
        ar << m_Desc << m_Billed;
        ar.WriteObject(m_pBill);
        ar << m_Duration << m_Name << m_GUID << m_Username << m_Pending;
        ar << m_ProjProjectID << m_ProjResourceID << m_ProjAssignmentID;
        ar << m_Created << m_Modified << m_Billable << m_ExtraText;
        ar << m_UserText1 << m_UserText2 << m_UserText3 << m_MSTaskID;
        ar.WriteObject(m_pSubsystem);
        ar.WriteObject(m_pClient);
        return;
    }

    DWORD schema = 0;
    ar >> schema;
    if (schema < 1 || schema > kSchema)
        AfxThrowArchiveException(CArchiveException::badSchema);

    // Read into a fresh entry, so a damaged archive leaves this one as it was.
    CLogEntry read;
    ar >> read.m_StartTime >> read.m_EndTime;
    BYTE legacy = 0;
    if (schema == 1)
        ar >> legacy;
    ar >> read.m_SecondSpan;
    read.m_pProject = ReadPointer<CProject>(ar, RUNTIME_CLASS(CProject));
    read.m_pCategory = ReadPointer<CCategory>(ar, RUNTIME_CLASS(CCategory));
    ar >> read.m_Desc >> read.m_Billed;
    if (legacy != 0)
        read.m_Billed = 0;
    if (schema >= 3)
        read.m_pBill = ReadPointer<CBill>(ar, RUNTIME_CLASS(CBill));
    if (schema >= 4)
        ar >> read.m_Duration;
    // The stored duration is never trusted: it is the plain span (negative while running).
    read.m_Duration = read.m_EndTime - read.m_StartTime;
    if (schema >= 5)
        ar >> read.m_Name;
    if (schema >= 6)
        ar >> read.m_GUID >> read.m_Username;
    if (schema >= 7)
        ar >> read.m_Pending;
    if (schema >= 8)
        ar >> read.m_ProjProjectID >> read.m_ProjResourceID >> read.m_ProjAssignmentID;
    if (schema >= 9) {
        ar >> read.m_Created >> read.m_Modified;
    } else {
        read.m_Created = read.m_StartTime;
        read.m_Modified = read.m_StartTime;
    }
    if (schema >= 10)
        ar >> read.m_Billable;
    if (schema >= 11)
        ar >> read.m_ExtraText;
    if (schema >= 12)
        ar >> read.m_UserText1 >> read.m_UserText2 >> read.m_UserText3;
    if (schema >= 13)
        ar >> read.m_MSTaskID;
    if (schema >= 14)
        read.m_pSubsystem = ReadPointer<CSubsystem>(ar, RUNTIME_CLASS(CSubsystem));
    if (schema >= 15)
        read.m_pClient = ReadPointer<CClient>(ar, RUNTIME_CLASS(CClient));

    // Only the archived fields change; the marks, user, amounts and group stay.
    m_StartTime = read.m_StartTime;
    m_EndTime = read.m_EndTime;
    m_SecondSpan = read.m_SecondSpan;
    m_pProject = read.m_pProject;
    m_pCategory = read.m_pCategory;
    m_Desc = read.m_Desc;
    m_Billed = read.m_Billed;
    m_pBill = read.m_pBill;
    m_Duration = read.m_Duration;
    m_Name = read.m_Name;
    m_GUID = read.m_GUID;
    m_Username = read.m_Username;
    m_Pending = read.m_Pending;
    m_ProjProjectID = read.m_ProjProjectID;
    m_ProjResourceID = read.m_ProjResourceID;
    m_ProjAssignmentID = read.m_ProjAssignmentID;
    m_Created = read.m_Created;
    m_Modified = read.m_Modified;
    m_Billable = read.m_Billable;
    m_ExtraText = read.m_ExtraText;
    m_UserText1 = read.m_UserText1;
    m_UserText2 = read.m_UserText2;
    m_UserText3 = read.m_UserText3;
    m_MSTaskID = read.m_MSTaskID;
    m_pSubsystem = read.m_pSubsystem;
    m_pClient = read.m_pClient;
    if (schema >= 6) {
        GetGUID();
        GetUserName();
    }
}
