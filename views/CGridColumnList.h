// CGridColumnList: the columns a list-managed grid view (expenses, invoices, project tasks) shows, in
// display order, with the share of the grid width each takes (its weight) and a named layout in the
// registry. The list does not own its descriptors: the view keeps a master array of every column it
// offers and deletes them.
//
// In this grid engine a column's stored style is also its header cell's, so the list writes the header
// cells only; the view gives the cells below the headers their style from GetCellStyle in its style
// loader.
#pragma once

#include "framework/core/CObArray.h"
#include "framework/core/CString.h"
#include "framework/core/CTypedPtrArray.h"
#include "grid/core/GECoreDefs.h"
#include "views/CGridColumn.h"

class CGEBrowserGrid;
class CGEGridCore;
class CGEStyle;
class CListCtrl;

class CGridColumnList : public CObject {
public:
    CGridColumnList() = default;
    CGridColumnList(const CGridColumnList& other) : CObject() { m_Columns.Copy(other.m_Columns); }
    CGridColumnList& operator=(const CGridColumnList& other) {
        m_Columns.Copy(other.m_Columns);
        return *this;
    }

    int GetCount() const { return static_cast<int>(m_Columns.GetSize()); }
    void Add(CGridColumn* pColumn) { m_Columns.Add(pColumn); }
    void InsertAt(int index, CGridColumn* pColumn) { m_Columns.InsertAt(index, pColumn); }
    void RemoveAt(int index) { m_Columns.RemoveAt(index); }
    void RemoveAll() { m_Columns.RemoveAll(); }

    // Sets the grid's column count to the list's; each header cell gets its title (the "Completed"
    // column the picture 274), the sortable header control (the "Gantt" column its own, enabled), and
    // is disabled and left aligned ("Completed" centred).
    void SetupHeaders(CGEGridCore* pGrid) const;
    // The style of the cells below the header of the column at index: its control, read-only, black
    // text, check boxes centred, the others left aligned. FALSE for an index out of range.
    BOOL GetCellStyle(int index, CGEStyle& style) const;
    // Normalises the weights to a sum of 1, then gives each column its pixel width of totalWidth (the
    // last one the rest less one pixel); check boxes are at least 20 pixels wide.
    void FitToWidth(CGEGridCore* pGrid, int totalWidth);
    // The user dragged grid column nCol to newWidth of totalWidth: the column takes that width (at
    // least 10, a check box at least 20, at most what is left of the total after the columns before
    // it), the columns after it share the rest by their weights, and the list is fitted again.
    void ResizeColumn(CGEGridCore* pGrid, ROWCOL nCol, int newWidth, int totalWidth);

    // Pixel width of the column at index (check boxes at least 20); 0 out of range.
    int GetColumnWidth(int index) const;
    // Sum of the pixel widths of the columns first..last (0 when last < first).
    int SumWidths(int first, int last) const;
    // The column's id or control type; -1 out of range.
    int GetColumnId(int index) const;
    int GetControlType(int index) const;
    // The descriptor at index; nullptr out of range.
    CGridColumn* GetAt(int index) const;
    // Index of the descriptor; -1 when absent.
    int FindIndex(const CGridColumn* pColumn) const;
    // Index of the column with that id; -1 when none.
    int FindById(int columnId) const;
    // The column of that title (ignoring case); nullptr when none.
    CGridColumn* FindByTitle(const char* title) const;
    // Removes the descriptor when it is in the list.
    void Remove(const CGridColumn* pColumn);

    // Writes the layout under "Columns\Index\<viewName>" (count under "0", each title under its position
    // from 1) and "Columns\Width\<viewName>" (each weight x 100 under its title); both keys are emptied
    // first.
    void SaveLayout(const char* viewName) const;
    // Rebuilds the list from the named layout with the columns of master (CGridColumn objects) that the
    // stored titles name, each with its stored weight; unknown titles and repeats are skipped. Returns
    // the stored count; below 1 the list is left as it was.
    int LoadLayout(const char* viewName, const CObArray& master);

private:
    CTypedPtrArray<CObArray, CGridColumn*> m_Columns;
};

// The grid column (0 to the column count) whose browser field index is listIndex; -1 when none.
int GetGridColumnOfField(CGEBrowserGrid* pGrid, int listIndex);
// Selects the item of the list control whose item data equals value; when none does, the selected state
// is set on every item.
void SelectListItemByData(CListCtrl* pList, DWORD_PTR value);
