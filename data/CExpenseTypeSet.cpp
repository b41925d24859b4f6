#include "data/CExpenseTypeSet.h"

#include "data/CExpenseType.h"
#include "data/SqlFilter.h"
#include "data/TableSetSupport.h"
#include "foundation/TextRoutines.h"
#include "timelog/CLogDoc.h"

#include <memory>

IMPLEMENT_DYNAMIC(CExpenseTypeSet, CObjectRecordset)

CExpenseTypeSet::CExpenseTypeSet(CDatabase* pDatabase) : CObjectRecordset(pDatabase, "Expense Types") {
    m_nFields = 6;
}

CString CExpenseTypeSet::GetDefaultSQL() {
    return "[ExpenseTypes]";
}

void CExpenseTypeSet::DoFieldExchange(CFieldExchange* pFX) {
    pFX->SetFieldType(CFieldExchange::outputColumn);
    RFX_Date(pFX, "[Created]", m_created);
    RFX_Date(pFX, "[Modified]", m_modified);
    RFX_Date(pFX, "[Deleted]", m_deleted);
    RFX_Text(pFX, "[GUID]", m_guid, 255);
    RFX_Text(pFX, "[Name]", m_name, 255);
    RFX_Text(pFX, "[Description]", m_description, kLongTextLength);
}

void CExpenseTypeSet::ObjectToRow(CExpenseType& type) {
    const CTime now = CTime::GetCurrentTime();
    m_created = TimeOr(type.m_Created, now);
    m_modified = TimeOr(type.m_Modified, now);
    m_deleted = type.m_Deleted;
    m_guid = type.GetGUID();
    m_name = type.m_Name;
    ReplaceApostrophes(m_name, true);
    m_description = type.m_Description;
}

void CExpenseTypeSet::RowToObject(CExpenseType& type) {
    const CTime now = CTime::GetCurrentTime();
    type.m_Name = m_name;
    ReplaceApostrophes(type.m_Name, false);
    type.m_Created = TimeOr(m_created, now);
    type.m_Modified = TimeOr(m_modified, now);
    type.m_Deleted = m_deleted;
    type.m_GUID = m_guid;
    type.m_Description = m_description;
    type.m_bModified = 0;
}

bool CExpenseTypeSet::LoadExpenseTypes(CLogDoc* doc) {
    if (!doc)
        return false;
    return ForEachRow(doc, CString(), "[Name] ASC", [&] {
        auto type = std::make_unique<CExpenseType>();
        RowToObject(*type);
        doc->AddExpenseType(type.release());
    });
}

bool CExpenseTypeSet::SaveExpenseType(CLogDoc* doc, CExpenseType* type) {
    if (!doc || !type)
        return false;
    CString stored = type->m_Name;
    ReplaceApostrophes(stored, true);
    return SaveSharedRow(
        *this, doc, type->GetGUID(), [&] { ObjectToRow(*type); },
        [&] {
            // Saved elsewhere under this name (and no other type of the document is that row): this type
            // is that row.
            m_strFilter = SqlEquals("Name", stored);
            Refresh();
            if (IsOpen() && !IsEOF() && m_name == stored && !m_guid.IsEmpty() &&
                !doc->FindExpenseTypeByGUID(m_guid))
                type->m_GUID = m_guid;
            return type->m_GUID;
        });
}

bool CExpenseTypeSet::DeleteExpenseType(CLogDoc* doc, CExpenseType* type) {
    if (!doc || !type)
        return false;
    return DeleteByGUID(doc, type->GetGUID());
}

void CExpenseTypeSet::TransferRow(CObject* target) {
    auto* doc = dynamic_cast<CLogDoc*>(target);
    if (!doc)
        return;
    auto fromRow = std::make_unique<CExpenseType>();
    RowToObject(*fromRow);
    CExpenseType* existing = doc->FindExpenseTypeByGUID(fromRow->m_GUID);
    MergeRow(std::move(fromRow), existing, [&](std::unique_ptr<CExpenseType> added) {
        if (doc->FindExpenseTypeByName(added->m_Name))
            return; // a type of that name is already there
        doc->AddExpenseType(added.release());
        doc->ApplyUserVisibility(true, true, true);
    });
}
