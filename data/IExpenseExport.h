// The export of expenses to an accounting file: the choices of the export options dialog that concern
// expenses, and the expense section of the file being written (the QuickBooks IIF writer implements it).
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

class CExpense;

class IExportExpenseOptions {
public:
    virtual ~IExportExpenseOptions() = default;
    // The chosen project's GUID; "" for all projects.
    virtual CString GetProjectGUID() const = 0;
    // Whether a date range is chosen, and its first and last day (the whole last day counts).
    virtual bool HasDateRange() const = 0;
    virtual CTime GetRangeStart() const = 0;
    virtual CTime GetRangeEnd() const = 0;
    // Only expenses not billed yet.
    virtual bool UnbilledOnly() const = 0;
    // Whether the expense passes the choices.
    virtual bool IncludesExpense(const CExpense* expense) const = 0;
    // Whether the expenses written become billed.
    virtual bool MarkAsBilled() const = 0;
};

class IExpenseExportSection {
public:
    virtual ~IExpenseExportSection() = default;
    // Appends the expense as a cheque transaction; false when nothing was written for it.
    virtual bool AddExpense(const CExpense* expense) = 0;
};
