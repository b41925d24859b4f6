// The base of the table sets that copy whole rows to and from one kind of object: opening on a filter,
// asking whether a filter selects a row, changing every row of a filter, writing the row of one GUID,
// and merging a row read back into the document's object of the same GUID. Database errors of these
// operations go to the set's OnDatabaseError and end the operation with the set closed and false.
#pragma once

#include "data/CBaseRecordset.h"

#include <functional>
#include <memory>

class CObjectRecordset : public CBaseRecordset {
    DECLARE_DYNAMIC(CObjectRecordset)
public:
    // caption: the title of the set's database errors in the error list ("Invoices").
    CObjectRecordset(CDatabase* pDatabase, const char* caption)
        : CBaseRecordset(pDatabase), m_caption(caption) {}

    void OnDatabaseError(CObject* context, CDBException* e) override;

protected:
    // Opens the set afresh on the rows of filter, sorted by sort; false when it cannot be opened.
    bool Query(const CString& filter, const CString& sort = CString());
    // Whether filter selects a row.
    bool AnyRow(const CString& filter);
    // Calls visit on every row of filter (sorted), then closes the set.
    bool ForEachRow(CObject* context, const CString& filter, const CString& sort,
                    const std::function<void()>& visit);
    // Edits every row of filter: change sets the members, the row is written.
    bool ChangeRows(CObject* context, const CString& filter, const std::function<void()>& change);
    // Writes the row with this GUID: edited when there is one, else added; fill sets the members.
    bool SaveRow(CObject* context, const CString& guid, const std::function<void()>& fill);

    // Merges an object read from the current row into the document: the document's object of the same
    // GUID (existing) takes the row's values only when the row was changed later, and is then not
    // modified; an object the document lacks is handed to add (which takes it over).
    template <typename T, typename Add>
    static void MergeRow(std::unique_ptr<T> fromRow, T* existing, Add add) {
        if (existing == nullptr) {
            add(std::move(fromRow));
        } else if (fromRow->m_Modified > existing->m_Modified) {
            *existing = *fromRow;
            existing->SetModified(FALSE);
        }
    }

private:
    const char* m_caption;
};
