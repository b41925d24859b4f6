// What the time-log document asks of the log view (the grid of log entries that the main window keeps).
// The log view implements it; the document reaches it through GetLogView and does none of its timing
// work without one.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CString.h"

class CLogEntry;
class CViewFilter;
struct CFindRequest;

class ILogView {
public:
    virtual ~ILogView() = default;

    // True while the grid holds a row whose data are not complete yet.
    virtual bool HasUnfinishedRow() = 0;
    // The entry shown in a grid row (rows count from 1), or nullptr for a row without an entry.
    virtual CLogEntry* GetEntryAtRow(DWORD row) = 0;
    // The first selected entry, or nullptr.
    virtual CLogEntry* GetSelectedEntry() = 0;
    // The next (forward) or previous row after row that shows an entry and is not hidden; 0 when none.
    virtual DWORD GetNextEntryRow(DWORD /*row*/, BOOL /*forward*/) { return 0; }
    // The row that shows the entry among the rows not hidden; 0 when none.
    virtual DWORD FindEntryRow(const CLogEntry* /*pEntry*/) { return 0; }

    // Re-reads the row of one entry when it has one.
    virtual void RefreshEntryRow(CLogEntry* pEntry) = 0;
    // Rebuilds every row from the document's log.
    virtual void RefreshAllRows() = 0;
    // Sorts by the saved sort column.
    virtual void ApplySort() = 0;
    // Hides the rows whose entry fails the filter.
    virtual void ApplyFilter(const CViewFilter& filter) = 0;
    // Shades every other visible row ("GrayBar" under "Prefs\").
    virtual void ApplyGrayBar() = 0;
    // Gives every row its default height again.
    virtual void ResetRowHeights() = 0;
    // Redraws the grid without the pending updates of its rows.
    virtual void Redraw() = 0;
    // Repaints the whole window (background too) and scrolls the last row into view.
    virtual void ShowLastRow() {}

    // The selected rows as ranges (first and last row of each).
    virtual void GetSelectedRows(CDWordArray& starts, CDWordArray& ends) = 0;
    // Selects those ranges again.
    virtual void SelectRows(const CDWordArray& starts, const CDWordArray& ends) = 0;
    // Selects the row of the entry (nothing when it has none).
    virtual void SelectEntryRow(CLogEntry* pEntry) = 0;
    virtual void ClearSelection() = 0;

    // ---- Find
    // Searches on from the last row found with the request (kept as the view's own) and selects the
    // hit: the found entry's GUID and the id of the column that matched. False when nothing matches.
    virtual bool FindEntry(const CFindRequest& /*request*/, CString& /*guid*/, int& /*columnId*/) {
        return false;
    }
    // The text of the view's own search; empty when none.
    virtual CString GetFindText() { return CString(); }
    // Find Next with the view's own search, and whether it has one.
    virtual void FindNextEntry() {}
    virtual bool CanFindNext() { return false; }
    // The caption of the column with that id; empty when the grid has none.
    virtual CString GetColumnCaption(int /*columnId*/) { return CString(); }
};
