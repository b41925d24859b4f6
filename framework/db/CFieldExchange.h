// Field exchange between a recordset's field members and the columns of its rows. A recordset's
// DoFieldExchange calls the RFX_ functions once per column (and, after SetFieldType(param), once per
// parameter) in the order of the SELECT list and of the "?" markers.
//
// NULL handling: a NULL column reads as the type's pseudo-null value (AFX_RFX_..._PSEUDO_NULL, CTime 0,
// an empty text, a COleDateTime with status null), and a field holding that value is written as NULL,
// so that a row read and written back keeps its NULLs. SetFieldNull / SetFieldNull(FALSE) on the
// recordset override this for one field.
#pragma once

#include "framework/core/COleDateTime.h"
#include "framework/core/CString.h"
#include "framework/core/CTime.h"
#include "framework/db/AfxDb.h"
#include "framework/db/CDBVariant.h"

#include <vector>

class CRecordset;
class CRowStore;

class CFieldExchange {
public:
    enum FieldType {
        noFieldType = -1,
        outputColumn = 0,
        param = 1,
        inputParam = param,
        inoutParam = 2,
        outputParam = 4
    };
    // What the recordset asks of DoFieldExchange: the bindings (names, kinds, members).
    enum Operation { describeFields };
    enum FieldKind {
        kindText,
        kindInt,
        kindLong,
        kindBool,
        kindByte,
        kindSingle,
        kindDouble,
        kindTime,
        kindTimestamp,
        kindOleDate
    };

    struct Binding {
        UINT fieldType;
        CString name;
        FieldKind kind;
        void* value;   // the field member
        int maxLength; // text: the most characters kept when reading
    };

    CFieldExchange(UINT nOperation, CRecordset* prs) noexcept : m_nOperation(nOperation), m_prs(prs) {}

    // Columns (outputColumn) or parameters (param) for the RFX calls that follow.
    void SetFieldType(UINT nFieldType) noexcept { m_nFieldType = nFieldType; }
    UINT GetFieldType() const noexcept { return m_nFieldType; }

    // Called by every RFX_ function.
    void Exchange(LPCSTR name, FieldKind kind, void* value, int maxLength = 0);

    // What follows knows each kind of field member: its value for NULL, how it takes a fetched value and
    // which value it writes.

    // ODBC C type a column of this kind is read with.
    static SQLSMALLINT FetchType(FieldKind kind) noexcept;
    // SQL type declared for a NULL parameter of this kind.
    static SQLSMALLINT SqlType(FieldKind kind) noexcept;
    // Copies a fetched value into the member (converted to FetchType when it has another type); NULL, or
    // a value that cannot be converted, gives the pseudo-null value.
    static void LoadValue(const Binding& binding, const CDBVariant& value);
    // The same with a value of a row store.
    static void LoadStored(const Binding& binding, const CRowStore& rows, size_t row, size_t column);
    static void SetPseudoNull(const Binding& binding);
    static bool HoldsPseudoNull(const Binding& binding);
    // The member's value as it is written: NULL when it holds the pseudo-null value and nullAllowed.
    static CDBVariant StoreValue(const Binding& binding, bool nullAllowed = true);
    // What StoreValue would give after LoadValue of this fetched value: the fetched value as the member
    // sees it (text cut to the maximum length, dates as the member type holds them).
    static CDBVariant Normalize(const Binding& binding, const CDBVariant& fetched);

    UINT m_nOperation;
    CRecordset* m_prs;
    UINT m_nFieldType = outputColumn;

    // The bindings in call order (columns and parameters together).
    std::vector<Binding> m_bindings;
};

void AFXAPI RFX_Text(CFieldExchange* pFX, LPCSTR szName, CString& value, int nMaxLength = 255,
                     int nColumnType = SQL_VARCHAR, short nScale = 0);
void AFXAPI RFX_Int(CFieldExchange* pFX, LPCSTR szName, int& value);
void AFXAPI RFX_Long(CFieldExchange* pFX, LPCSTR szName, long& value);
void AFXAPI RFX_Bool(CFieldExchange* pFX, LPCSTR szName, BOOL& value);
void AFXAPI RFX_Byte(CFieldExchange* pFX, LPCSTR szName, BYTE& value);
void AFXAPI RFX_Single(CFieldExchange* pFX, LPCSTR szName, float& value);
void AFXAPI RFX_Double(CFieldExchange* pFX, LPCSTR szName, double& value);
void AFXAPI RFX_Date(CFieldExchange* pFX, LPCSTR szName, CTime& value);
void AFXAPI RFX_Date(CFieldExchange* pFX, LPCSTR szName, TIMESTAMP_STRUCT& value);
void AFXAPI RFX_Date(CFieldExchange* pFX, LPCSTR szName, COleDateTime& value);
