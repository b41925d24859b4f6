// A category: classifies logged time (a kind of work) and carries a billing rate and an hourly rate.
// It can be limited to one project, one subsystem or one user (a user's private category). Kept by the
// time-log document in its category list and GUID map; stored in [Categories].
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CCategory : public CObject {
    DECLARE_SERIAL(CCategory)
public:
    CCategory();
    CCategory(const char* name, const char* description);
    // Copies every member; the copy is not modified.
    CCategory(const CCategory& other);
    CCategory& operator=(const CCategory& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    // Schema word 6: Name, Desc, GUID, Rate, Created, Modified, Active; reads 1 to 6.
    void Serialize(CArchive& ar) override;

    CTime m_Created;
    CTime m_Modified;
    CString m_Name;
    CString m_GUID;
    CString m_Desc;
    double m_Rate = 100.0;
    double m_HourlyRate = 100.0;
    BYTE m_bModified = 0;
    BYTE m_Active = 1;
    BYTE m_Visible = 1;    // the current user may see the category; set by the document
    CString m_ProjectID;   // limited to this project (GUID); empty = no limit
    CString m_SubsystemID; // limited to this subsystem
    CString m_UserID;      // private category of this user
};

using CCategoryArray = CTypedPtrArray<CObArray, CCategory*>;
