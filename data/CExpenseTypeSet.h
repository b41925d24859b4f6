// The [ExpenseTypes] table: one row per expense type (CExpenseType), shared by every user. Names are
// stored with their apostrophes turned into backquotes (and back when read). A type saved on another
// copy of the program under a name the table already holds takes over that row instead of adding a
// second one.
#pragma once

#include "data/CObjectRecordset.h"
#include "framework/core/CTime.h"

class CExpenseType;
class CLogDoc;

class CExpenseTypeSet : public CObjectRecordset {
    DECLARE_DYNAMIC(CExpenseTypeSet)
public:
    explicit CExpenseTypeSet(CDatabase* pDatabase = nullptr);

    // The field members from the type (its GUID made when empty, times of 0 become now).
    void ObjectToRow(CExpenseType& type);
    void RowToObject(CExpenseType& type);

    // Every type, by name, into the document's list and map.
    bool LoadExpenseTypes(CLogDoc* doc);
    // Writes the type's row: the row of its GUID; else the row of exactly its name, whose GUID the type
    // then takes (unless another type of the document holds it); else a new row. Bumps the change
    // counter.
    bool SaveExpenseType(CLogDoc* doc, CExpenseType* type);
    bool DeleteExpenseType(CLogDoc* doc, CExpenseType* type);
    // Merges the current row: a later row updates the document's type of its GUID; an unknown type is
    // added unless the document has one of that name (ignoring case).
    void TransferRow(CObject* target) override;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CFieldExchange* pFX) override;
    CString GetGUID() const override { return m_guid; }
    void SetGUID(const CString& guid) override { m_guid = guid; }

    CTime m_created;
    CTime m_modified;
    CTime m_deleted;
    CString m_guid;
    CString m_name;
    CString m_description;
};
