// A subsystem: a part of a project (phase, module, summary task) that time is logged against. The
// subsystems of a project form a tree through their parent link; the project keeps them in outline
// order. Kept by the time-log document in its subsystem list and GUID map; stored in [Subsystems].
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/core/CTypedPtrArray.h"

class CLogDoc;
class CProject;

class CSubsystem : public CObject {
    DECLARE_SERIAL(CSubsystem)
public:
    CSubsystem();
    explicit CSubsystem(const char* name);
    // Copies every member, links included; the copy is not modified.
    CSubsystem(const CSubsystem& other);
    CSubsystem& operator=(const CSubsystem& other);

    virtual const CString& GetGUID() { return m_GUID; }
    virtual const CString& GetName() { return m_Name; }

    // Stores the flag; a set flag also stamps Modified with now.
    void SetModified(BOOL modified);
    // Project and parent from the document, by ProjectUID and ParentUID (none when not found).
    void ResolveLinks(CLogDoc* pDoc);
    // The linked project's GUID; empty without project.
    CString GetProjectGUID() const;
    // Whether pOther is one of this subsystem's ancestors.
    bool IsUnder(const CSubsystem* pOther) const;
    // Number of ancestors: 0 for a top subsystem.
    int GetLevel() const;
    // Active, and every ancestor active too.
    bool IsActiveInTree() const;
    // The names from the top subsystem down, joined by ":".
    CString GetFullName() const;

    // Schema word 2: GUID, Created, Modified, Name, Level, archive word, Order; reads 1 and 2.
    void Serialize(CArchive& ar) override;

    CString m_GUID;
    CTime m_Created;
    CTime m_Modified;
    int m_bModified = 0;
    CString m_Name;
    int m_Active = 1; // low byte used
    int m_Level = 0;
    int m_Order = 0;
    int m_ArchiveWord = 0; // carried by the archive only
    CString m_ProjectUID;
    CString m_ParentUID;
    CProject* m_pProject = nullptr;  // not owned
    CSubsystem* m_pParent = nullptr; // not owned
    int m_Value = 1;                 // carried by copies only
    CString m_ReferenceUID;
    int m_MSTaskUID = 0;
    // Expanded in the subsystem trees (FillTree's expand flag); not stored.
    BYTE m_Expanded = 0;
};

using CSubsystemArray = CTypedPtrArray<CObArray, CSubsystem*>;
