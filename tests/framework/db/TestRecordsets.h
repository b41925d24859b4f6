// Recordsets over the test tables.
#pragma once

#include "framework/db/CRecordset.h"

namespace dbtest {

// Every field exchange type, over a table made by CreateAllTypesTable.
class CAllTypesSet : public CRecordset {
public:
    CAllTypesSet(CDatabase* db, const CString& table) : CRecordset(db), m_table(table) { m_nFields = 11; }

    static CString CreateSql(const CString& table) {
        return "CREATE TABLE [" + table +
               "] ([Name] varchar(255), [Count] integer, [Total] integer, [Flag] bit, [Small] integer, "
               "[Ratio] float, [Amount] money, [Started] datetime, [Stamp] datetime, [Ole] datetime, [Desc] "
               "ntext)";
    }

    CString m_name;
    int m_count = 0;
    long m_total = 0;
    BOOL m_flag = FALSE;
    BYTE m_small = 0;
    float m_ratio = 0;
    double m_amount = 0;
    CTime m_started;
    TIMESTAMP_STRUCT m_stamp{};
    COleDateTime m_ole;
    CString m_desc;

    CString GetDefaultSQL() override { return "[" + m_table + "]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[Name]", m_name, 20);
        RFX_Int(pFX, "[Count]", m_count);
        RFX_Long(pFX, "[Total]", m_total);
        RFX_Bool(pFX, "[Flag]", m_flag);
        RFX_Byte(pFX, "[Small]", m_small);
        RFX_Single(pFX, "[Ratio]", m_ratio);
        RFX_Double(pFX, "[Amount]", m_amount);
        RFX_Date(pFX, "[Started]", m_started);
        RFX_Date(pFX, "[Stamp]", m_stamp);
        RFX_Date(pFX, "[Ole]", m_ole);
        RFX_Text(pFX, "[Desc]", m_desc, 20000);
    }

private:
    CString m_table;
};

// Two columns, no key; optional parameters "Name = ?" style through m_paramName / m_paramQty.
class CItemSet : public CRecordset {
public:
    CItemSet(CDatabase* db, const CString& table, int params = 0) : CRecordset(db), m_table(table) {
        m_nFields = 2;
        m_nParams = static_cast<UINT>(params);
    }

    static CString CreateSql(const CString& table) {
        return "CREATE TABLE [" + table + "] ([Item] varchar(255), [Qty] integer)";
    }

    CString m_item;
    long m_qty = 0;
    CString m_paramName;
    long m_paramQty = 0;

    CString GetDefaultSQL() override { return "[" + m_table + "]"; }
    void DoFieldExchange(CFieldExchange* pFX) override {
        pFX->SetFieldType(CFieldExchange::outputColumn);
        RFX_Text(pFX, "[Item]", m_item);
        RFX_Long(pFX, "[Qty]", m_qty);
        if (m_nParams >= 1) {
            pFX->SetFieldType(CFieldExchange::param);
            RFX_Text(pFX, "NameParam", m_paramName);
        }
        if (m_nParams >= 2)
            RFX_Long(pFX, "QtyParam", m_paramQty);
    }

private:
    CString m_table;
};

} // namespace dbtest
