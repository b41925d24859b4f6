// The filter the user sets on the time log: only the entries of one project, or of one project type,
// or of a date range, and optionally only entries not yet billed. The document keeps one; it lives in
// the registry ("Filter\") and in the document file.
#pragma once

#include "framework/core/CObject.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"

class CLogDoc;
class CProject;
class CProjectType;

class CViewFilter : public CObject {
    DECLARE_SERIAL(CViewFilter)
public:
    // Bits of the filter type.
    enum : DWORD { byProject = 1, byProjectType = 2, byDateRange = 4 };

    CViewFilter() = default;
    CViewFilter(const CViewFilter& other);
    CViewFilter& operator=(const CViewFilter& other);
    // Copies the five fields.
    void Copy(const CViewFilter& other);
    // Any of the five fields differs (pointers compared as pointers).
    bool operator!=(const CViewFilter& other) const;

    // A filter type is set, or only unbilled entries are shown.
    bool IsActive() const;
    // No filter type and all entries (project, project type and date choice stay).
    void Clear();
    // A project (project type) filter without its object is dropped.
    void Validate();
    // The project, project type, date caption and "Unbilled" that apply, joined by ", ".
    CString GetDescription() const;
    // The range of the date choice, from now.
    void GetDateRange(CTime* from, CTime* to) const;
    // The same from a given moment.
    void GetDateRange(CTime* from, CTime* to, CTime now) const;
    // Writes the filter to "Filter\".
    void Save() const;
    // Reads it from "Filter\", finding the project and project type by name; nothing without a document.
    void Load(CLogDoc* pDoc);

    // Word 1, filter type, project, project type, unbilled byte (the date choice is not archived).
    void Serialize(CArchive& ar) override;

    // Caption string id of a date choice; 0 for an unknown code.
    static UINT GetDateRangeStringId(int code);

    DWORD m_FilterType = 0;
    CProject* m_pProject = nullptr;         // not owned
    CProjectType* m_pProjectType = nullptr; // not owned
    int m_DateChoice = 1;
    BYTE m_NotBilled = 0;
};
