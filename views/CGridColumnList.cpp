#include "views/CGridColumnList.h"

#include "foundation/Registry.h"
#include "framework/win/CListCtrl.h"
#include "grid/core/CGEBrowserGrid.h"
#include "grid/core/CGEStyle.h"
#include "resource.h"
#include "views/ViewControlIds.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCompletedColumn = 11581;
constexpr int kGanttColumn = 51565;
constexpr int kCheckBoxMinWidth = 20;
constexpr int kMinWidth = 10;

int ReportedWidth(const CGridColumn* pColumn) {
    return pColumn->IsCheckBox() ? std::max(pColumn->m_PixelWidth, kCheckBoxMinWidth) : pColumn->m_PixelWidth;
}

CString IndexKey(const char* viewName) {
    return CString(REG_COLUMNS_INDEX) + viewName;
}
CString WidthKey(const char* viewName) {
    return CString(REG_COLUMNS_WIDTH) + viewName;
}

// Deletes a key of the program's registry area with everything below it.
void DeleteRegistryTree(const CString& key) {
    const CString path = RegResolveKeyPath(key);
    ::RegDeleteTreeA(HKEY_CURRENT_USER, path);
    ::RegDeleteKeyA(HKEY_CURRENT_USER, path);
}

} // namespace

// ---- grid set-up ----

void CGridColumnList::SetupHeaders(CGEGridCore* pGrid) const {
    if (pGrid == nullptr)
        return;
    pGrid->SetColCount(static_cast<ROWCOL>(GetCount()), GE_NOREDRAW);
    for (int i = 0; i < GetCount(); ++i) {
        const CGridColumn* pColumn = GetAt(i);
        const ROWCOL nCol = static_cast<ROWCOL>(i) + 1;
        CGEStyle header;
        if (pColumn->m_ColumnId == kCompletedColumn) {
            CString picture;
            picture.Format("#BMP(%i)", IDB_COMPLETED_HEADER);
            header.SetValue(picture);
            header.SetHorizontalAlignment(DT_CENTER);
        } else {
            header.SetValue(pColumn->m_Title);
            header.SetHorizontalAlignment(DT_LEFT);
        }
        if (pColumn->m_ColumnId == kGanttColumn) {
            header.SetControl(kCtrlGanttHeader);
            header.SetEnabled(TRUE);
        } else {
            header.SetControl(IDS_CTRL_SORT_HEADER);
            header.SetEnabled(FALSE);
        }
        pGrid->SetStyleRange(CGECellRange(0, nCol, 0, nCol), &header, geOverride, 0, nullptr, GE_NOREDRAW);
    }
}

BOOL CGridColumnList::GetCellStyle(int index, CGEStyle& style) const {
    const CGridColumn* pColumn = GetAt(index);
    if (pColumn == nullptr)
        return FALSE;
    style.SetControl(static_cast<WORD>(pColumn->m_ControlType));
    style.SetReadOnly(TRUE);
    style.SetTextColor(RGB(0, 0, 0));
    style.SetHorizontalAlignment(pColumn->IsCheckBox() ? DT_CENTER : DT_LEFT);
    return TRUE;
}

// ---- widths ----

void CGridColumnList::FitToWidth(CGEGridCore*, int totalWidth) {
    double sum = 0.0;
    for (int i = 0; i < GetCount(); ++i)
        sum += GetAt(i)->m_Weight;
    if (sum != 0.0 && 1.0 / sum != 1.0) {
        const double factor = 1.0 / sum;
        for (int i = 0; i < GetCount(); ++i)
            GetAt(i)->m_Weight *= factor;
    }
    int given = 0;
    for (int i = 0; i < GetCount(); ++i) {
        CGridColumn* pColumn = GetAt(i);
        int width = i == GetCount() - 1 ? std::max(totalWidth - given - 1, 0)
                                        : static_cast<int>(std::trunc(pColumn->m_Weight * totalWidth));
        if (pColumn->IsCheckBox() && width <= kCheckBoxMinWidth)
            width = kCheckBoxMinWidth;
        pColumn->m_PixelWidth = width;
        given += width;
    }
}

void CGridColumnList::ResizeColumn(CGEGridCore* pGrid, ROWCOL nCol, int newWidth, int totalWidth) {
    const int index = static_cast<int>(nCol) - 1;
    if (nCol == 0 || index >= GetCount() || totalWidth == 0)
        return;
    CGridColumn* pColumn = GetAt(index);
    int width = newWidth < kMinWidth + 1 ? kMinWidth : newWidth;
    if (pColumn->IsCheckBox() && width <= kCheckBoxMinWidth)
        width = kCheckBoxMinWidth;
    const int left = SumWidths(0, index - 1);
    // A column never takes more than the total leaves it (less the pixel the last column keeps): the
    // columns after it would get negative weights and widths.
    width = std::min(width, std::max(totalWidth - left - 1, 0));
    const int rest = totalWidth - width - left;
    pColumn->m_Weight = static_cast<double>(width) / totalWidth;
    double after = 0.0;
    for (int i = index + 1; i < GetCount(); ++i)
        after += GetAt(i)->m_Weight;
    if (after != 0.0) {
        const double factor = (static_cast<double>(rest) / totalWidth) / after;
        for (int i = index + 1; i < GetCount(); ++i)
            GetAt(i)->m_Weight *= factor;
    }
    FitToWidth(pGrid, totalWidth);
}

int CGridColumnList::GetColumnWidth(int index) const {
    const CGridColumn* pColumn = GetAt(index);
    return pColumn != nullptr ? ReportedWidth(pColumn) : 0;
}

int CGridColumnList::SumWidths(int first, int last) const {
    int sum = 0;
    for (int i = std::max(first, 0); i <= last && i < GetCount(); ++i)
        sum += GetColumnWidth(i);
    return sum;
}

// ---- look-ups ----

int CGridColumnList::GetColumnId(int index) const {
    const CGridColumn* pColumn = GetAt(index);
    return pColumn != nullptr ? pColumn->m_ColumnId : -1;
}

int CGridColumnList::GetControlType(int index) const {
    const CGridColumn* pColumn = GetAt(index);
    return pColumn != nullptr ? pColumn->m_ControlType : -1;
}

CGridColumn* CGridColumnList::GetAt(int index) const {
    return index >= 0 && index < GetCount() ? m_Columns.GetAt(index) : nullptr;
}

int CGridColumnList::FindIndex(const CGridColumn* pColumn) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_Columns.GetAt(i) == pColumn)
            return i;
    }
    return -1;
}

int CGridColumnList::FindById(int columnId) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_Columns.GetAt(i)->m_ColumnId == columnId)
            return i;
    }
    return -1;
}

CGridColumn* CGridColumnList::FindByTitle(const char* title) const {
    for (int i = 0; i < GetCount(); ++i) {
        if (m_Columns.GetAt(i)->m_Title.CompareNoCase(title) == 0)
            return m_Columns.GetAt(i);
    }
    return nullptr;
}

void CGridColumnList::Remove(const CGridColumn* pColumn) {
    const int index = FindIndex(pColumn);
    if (index >= 0)
        m_Columns.RemoveAt(index);
}

// ---- named layouts ----

void CGridColumnList::SaveLayout(const char* viewName) const {
    const CString indexKey = IndexKey(viewName);
    const CString widthKey = WidthKey(viewName);
    DeleteRegistryTree(indexKey);
    DeleteRegistryTree(widthKey);
    RegWriteInt(indexKey, "0", GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        const CGridColumn* pColumn = GetAt(i);
        CString position;
        position.Format("%i", i + 1);
        RegWriteString(indexKey, position, pColumn->m_Title);
        RegWriteInt(widthKey, pColumn->m_Title, static_cast<int>(std::trunc(pColumn->m_Weight * 100.0)));
    }
}

int CGridColumnList::LoadLayout(const char* viewName, const CObArray& master) {
    const CString indexKey = IndexKey(viewName);
    const CString widthKey = WidthKey(viewName);
    int count = 0;
    RegReadInt(indexKey, "0", &count);
    if (count < 1)
        return 0;
    RemoveAll();
    for (int position = 1; position <= count; ++position) {
        CString key;
        key.Format("%i", position);
        CString title;
        if (!RegReadString(indexKey, key, title))
            continue;
        for (INT_PTR m = 0; m < master.GetSize(); ++m) {
            auto* pColumn = dynamic_cast<CGridColumn*>(master.GetAt(m));
            if (pColumn == nullptr || pColumn->m_Title.CompareNoCase(title) != 0)
                continue;
            // A title stored twice would put one descriptor into the list twice.
            if (FindIndex(pColumn) < 0) {
                int width = 10;
                RegReadInt(widthKey, pColumn->m_Title, &width);
                pColumn->m_Weight = width * 0.01;
                Add(pColumn);
            }
            break;
        }
    }
    return count;
}

// ---- helpers ----

int GetGridColumnOfField(CGEBrowserGrid* pGrid, int listIndex) {
    if (pGrid == nullptr)
        return -1;
    const ROWCOL nCols = pGrid->GetColCount();
    for (ROWCOL nCol = 0; nCol <= nCols; ++nCol) {
        if (pGrid->GetFieldIndexOfCol(nCol) == listIndex)
            return static_cast<int>(nCol);
    }
    return -1;
}

void SelectListItemByData(CListCtrl* pList, DWORD_PTR value) {
    if (pList == nullptr)
        return;
    for (int i = 0; i < pList->GetItemCount(); ++i) {
        if (pList->GetItemData(i) == value) {
            pList->SetItemState(i, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            pList->EnsureVisible(i, FALSE);
            return;
        }
    }
    pList->SetItemState(-1, LVIS_SELECTED, LVIS_SELECTED);
}
