// A project type: the class a project belongs to (a project points at one). Kept by the time-log
// document in its project-type list and GUID map; stored in [ProjectTypes] and inside project archives.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CProjectType : public CObject {
    DECLARE_SERIAL(CProjectType)
public:
    CProjectType();
    explicit CProjectType(const char* name);
    CProjectType(const CProjectType& other);
    // Copies name, GUID and both times; the copy is not modified.
    CProjectType& operator=(const CProjectType& other);

    // The identity, made on first request.
    const CString& GetGUID();
    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);

    // Schema word 3 (Name, GUID, Created, Modified); reads 1 to 3, refuses others with badSchema.
    void Serialize(CArchive& ar) override;

    CTime m_Created;
    CTime m_Modified;
    CString m_Name;
    CString m_GUID;
    BYTE m_bModified = 0;
};

using CProjectTypeArray = CTypedPtrArray<CObArray, CProjectType*>;
