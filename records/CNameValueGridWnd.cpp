#include "records/CNameValueGridWnd.h"

#include "data/CNameValuePairs.h"
#include "foundation/TextRoutines.h"
#include "grid/controls/GEControlIds.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEFont.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGEStyle.h"
#include "views/CGETabbedIntegralHeightCombo.h"
#include "views/CellButtonControls.h"

IMPLEMENT_DYNCREATE(CNameValueGridWnd, CGEGridWnd)

namespace {

const UINT g_modifyCellMessage = ::RegisterWindowMessageA("ACX_ModifyCell");
const UINT g_modifyFieldMessage = ::RegisterWindowMessageA("ACX_ModifyField");
const UINT g_collapseGroupMessage = ::RegisterWindowMessageA("ACX_CollapseGroup");
const UINT g_getCollapsedMessage = ::RegisterWindowMessageA("ACX_GetCollapsed");
const UINT g_btnPostMessage = ::RegisterWindowMessageA("ACX_BtnPost");

// The program's cell controls of property grids (their names are string resources of the same numbers).
constexpr WORD kParentPostEditControl = 11554;   // "DS_CTRL_PARENTPOST_EDIT"
constexpr WORD kParentPostStaticControl = 11555; // "DS_CTRL_PARENTPOST_STATIC"
constexpr WORD kGroupStaticControl = 11547;      // "DS_CTRL_GROUPSTATIC"
constexpr WORD kTabbedComboControl = 11640;      // "DS_CTRL_TABBED_COMBO"
constexpr WORD kPostComboControl = 11641;        // "DS_CTRL_POST_COMBO"
constexpr WORD kCheckListControl = 51722;        // "DS_CTRL_CHECKLIST"

constexpr COLORREF kNameInterior = RGB(240, 240, 255);
constexpr COLORREF kGroupInterior = RGB(192, 192, 255);
constexpr COLORREF kGreyText = RGB(128, 128, 128);
constexpr COLORREF kBlackText = RGB(0, 0, 0);
constexpr double kDefaultNameShare = 0.25;
constexpr int kNameIndent = 6;    // blanks before a field's name
constexpr int kGroupPadding = 38; // blanks after a group's name
constexpr int kExtraHeightTwoLines = 16;
constexpr int kExtraHeightMoreLines = 32;

bool IsChoiceControl(UINT control) {
    switch (control) {
    case GE_IDS_CTRL_CBS_DROPDOWN:
    case GE_IDS_CTRL_CBS_DROPDOWNLIST:
    case GE_IDS_CTRL_TABBED_COMBOBOX:
    case GE_IDS_CTRL_COMBOBOX:
    case GE_IDS_CTRL_CHECKLIST_COMBOBOX:
    case kTabbedComboControl:
    case kPostComboControl:
    case kCheckListControl:
        return true;
    default:
        return false;
    }
}

// The bitmaps of the buttons in the cells.
constexpr UINT kPostEditBitmap = 100;
constexpr UINT kPostStaticBitmap = 218;

// A button in a field's cell tells the grid, which names the field to its host.
class CFieldPostButton : public CParentPostButton {
public:
    using CParentPostButton::CParentPostButton;

protected:
    CWnd* GetPostTarget(CWnd* pGridWnd) const override { return pGridWnd; }
};

} // namespace

BEGIN_MESSAGE_MAP(CNameValueGridWnd, CGEGridWnd)
ON_REGISTERED_MESSAGE(g_modifyCellMessage, OnModifyCellMessage)
ON_REGISTERED_MESSAGE(g_collapseGroupMessage, OnCollapseGroupMessage)
ON_REGISTERED_MESSAGE(g_getCollapsedMessage, OnGetCollapsedMessage)
ON_REGISTERED_MESSAGE(g_btnPostMessage, OnBtnPostMessage)
END_MESSAGE_MAP()

CNameValueGridWnd::CNameValueGridWnd() = default;
CNameValueGridWnd::~CNameValueGridWnd() = default;

UINT CNameValueGridWnd::ModifyCellMessage() {
    return g_modifyCellMessage;
}
UINT CNameValueGridWnd::ModifyFieldMessage() {
    return g_modifyFieldMessage;
}
UINT CNameValueGridWnd::CollapseGroupMessage() {
    return g_collapseGroupMessage;
}
UINT CNameValueGridWnd::GetCollapsedMessage() {
    return g_getCollapsedMessage;
}
UINT CNameValueGridWnd::BtnPostMessage() {
    return g_btnPostMessage;
}

// ---------------------------------------------------------------- set-up

void CNameValueGridWnd::Initialize() {
    m_pPairs = nullptr;
    CGEGridWnd::Initialize();
    SetFloatCellsMode(1, TRUE);
    SetMergeCellsMode(1, TRUE);
    RegisterControl(kParentPostEditControl,
                    new CGEEditBtnControl(this, GE_IDS_CTRL_EDIT, MakeCellButtonFactory<CFieldPostButton>(),
                                          kPostEditBitmap),
                    FALSE, FALSE);
    RegisterControl(
        kParentPostStaticControl,
        new CGEStaticBtnControl(this, MakeCellButtonFactory<CFieldPostButton>(), kPostStaticBitmap), FALSE,
        FALSE);
    auto* pTabbedCombo =
        new CGETabbedIntegralHeightCombo(this, GE_IDS_CTRL_TABBED_COMBOBOX, GE_IDS_CTRL_TABBED_COMBOBOX);
    pTabbedCombo->AttachCellTip();
    RegisterControl(kTabbedComboControl, pTabbedCombo, FALSE, FALSE);
    GetParam()->SetColSizingFlags(42);
    GetParam()->SetRowSizingFlags(0);
    GetParam()->EnableUndo(FALSE);
    SetColCount(2, GE_NOREDRAW);
    SetStyleRange(CGECellRange(0, 1, 0, 1),
                  &CGEStyle().SetControl(GE_IDS_CTRL_STATIC).SetInterior(kNameInterior).SetReadOnly(TRUE));
    SetStyleRange(CGECellRange(0, 2, 0, 2), &CGEStyle().SetVerticalAlignment(DT_TOP));
}

void CNameValueGridWnd::SetPairs(CNameValuePairs* pPairs) {
    if (pPairs == nullptr) {
        m_pPairs = nullptr;
        SetRowCount(0);
        return;
    }
    m_pPairs = pPairs;
    const BOOL wasLocked = LockUpdate(TRUE);
    Refill();
    LockUpdate(wasLocked);
    Invalidate();
}

void CNameValueGridWnd::Refill() {
    // The old cells go first: the styles of a longer list would otherwise live on below the new one.
    SetRowCount(0, GE_NOREDRAW);
    const int count = m_pPairs->GetCount();
    SetRowCount(static_cast<ROWCOL>(count), GE_NOREDRAW);
    for (int i = 0; i < count; ++i) {
        const ROWCOL row = static_cast<ROWCOL>(i) + 1;
        CString name, value;
        m_pPairs->GetNameValueAt(i, name, value);
        if (IsGroupRow(i)) {
            CString title = name.Mid(1) + CString(' ', kGroupPadding);
            CGEStyle group;
            group.SetControl(kGroupStaticControl)
                .SetInterior(kGroupInterior)
                .SetFont(CGEFont().SetBold(TRUE))
                .SetMergeCell(1)
                .SetReadOnly(TRUE);
            SetStyleRange(CGECellRange(row, 1, row, 2), &group, geOverride, 0, nullptr, GE_NOREDRAW);
            SetStyleRange(CGECellRange(row, 1, row, 1), &CGEStyle().SetValue(title), geOverride, 0, nullptr,
                          GE_NOREDRAW);
            continue;
        }
        SetStyleRange(CGECellRange(row, 1, row, 1), &CGEStyle().SetValue(CString(' ', kNameIndent) + name),
                      geOverride, 0, nullptr, GE_NOREDRAW);
        StyleField(i);
    }
    // Groups the user left collapsed stay so.
    CStringArray collapsed;
    m_pPairs->LoadCollapsedGroups(collapsed);
    for (int i = 0; i < count; ++i) {
        if (IsGroupRow(i))
            m_pPairs->SetCollapsedAt(i, FindStringNoCase(collapsed, m_pPairs->GetNameAt(i)) >= 0);
    }
    m_nFitServed = m_nFitRequest;
}

void CNameValueGridWnd::StyleField(int index) {
    const ROWCOL row = static_cast<ROWCOL>(index) + 1;
    CString name, value;
    m_pPairs->GetNameValueAt(index, name, value);
    const UINT control = m_pPairs->GetControlTypeAt(index);
    CGEStyle style;
    style.SetValue(value);
    if (m_pPairs->IsReadOnlyAt(index)) {
        style.SetControl(GE_IDS_CTRL_STATIC).SetTextColor(kGreyText).SetReadOnly(TRUE);
    } else {
        style.SetControl(static_cast<WORD>(control)).SetTextColor(kBlackText);
        if (IsChoiceControl(control)) {
            const CString choices = m_pPairs->GetChoiceListAt(index);
            const int fields = CountTabFields(choices);
            style.SetChoiceList(choices)
                .SetUserAttribute(GE_IDS_UA_TABLIST_SORTCOL, fields > 2 ? "-1" : "0")
                .SetUserAttribute(GE_IDS_UA_TABLIST_KEYCOL, fields > 1 ? "1" : "0")
                .SetUserAttribute(GE_IDS_UA_TABLIST_TEXTCOL, "0")
                .SetUserAttribute(GE_IDS_UA_TABLIST_SHOWALLCOLS, fields > 2 ? "1" : "0")
                .SetUserAttribute(GE_IDS_UA_TABLIST_COLWIDTHS, fields > 2 ? "0,0" : "");
        }
    }
    if (m_pPairs->GetLinesAt(index) > 1)
        style.SetWrapText(TRUE).SetAllowEnter(TRUE).SetVerticalScrollbar(TRUE);
    SetStyleRange(CGECellRange(row, 2, row, 2), &style, geOverride, 0, nullptr, GE_NOREDRAW);
}

// ---------------------------------------------------------------- fields from outside

void CNameValueGridWnd::SetValue(int fieldId, const CString& text) {
    if (m_pPairs == nullptr)
        return;
    const int index = m_pPairs->FindFieldId(fieldId);
    if (index < 0)
        return;
    m_pPairs->SetValueAt(index, text);
    const ROWCOL row = static_cast<ROWCOL>(index) + 1;
    SetValueRange(CGECellRange(row, 2, row, 2), text);
}

void CNameValueGridWnd::SetFieldState(int fieldId, bool enabled, bool hidden) {
    if (m_pPairs == nullptr)
        return;
    const int index = m_pPairs->FindFieldId(fieldId);
    if (index < 0)
        return;
    const ROWCOL row = static_cast<ROWCOL>(index) + 1;
    const bool grey = !enabled || m_pPairs->IsReadOnlyAt(index);
    SetStyleRange(CGECellRange(row, 1, row, 2), &CGEStyle().SetTextColor(grey ? kGreyText : kBlackText));
    m_pPairs->SetHiddenAt(index, hidden ? TRUE : FALSE);
    Invalidate();
}

BOOL CNameValueGridWnd::IsGroupRow(int index) const {
    return m_pPairs != nullptr && m_pPairs->IsGroupAt(index);
}

BOOL CNameValueGridWnd::IsInCollapsedGroup(int index) const {
    if (m_pPairs == nullptr)
        return FALSE;
    for (int i = std::min(index, m_pPairs->GetCount() - 1); i >= 0; --i) {
        if (m_pPairs->IsGroupAt(i))
            return m_pPairs->IsCollapsedAt(i);
    }
    return FALSE;
}

// ---------------------------------------------------------------- sizes

int CNameValueGridWnd::GetRowHeight(ROWCOL nRow) {
    if (nRow == 0)
        return 0;
    const int index = static_cast<int>(nRow) - 1;
    if (m_pPairs == nullptr || index >= m_pPairs->GetCount())
        return GetDefaultRowHeight();
    // Rows of a collapsed group and hidden fields take no room; a group row itself always shows.
    if (!IsGroupRow(index) && (m_pPairs->IsHiddenAt(index) || IsInCollapsedGroup(index)))
        return 0;
    const int lines = m_pPairs->GetLinesAt(index);
    const int extra = lines >= 3 ? kExtraHeightMoreLines : lines == 2 ? kExtraHeightTwoLines : 0;
    return GetDefaultRowHeight() + extra;
}

int CNameValueGridWnd::GetColWidth(ROWCOL nCol) {
    if (nCol == 0)
        return 0;
    CRect client;
    GetClientRect(&client);
    const double share = m_NameColumnShare > 0 ? m_NameColumnShare : kDefaultNameShare;
    const int nameWidth = static_cast<int>(client.Width() * share);
    return nCol == 1 ? nameWidth : std::max(0, static_cast<int>(client.Width()) - nameWidth);
}

int CNameValueGridWnd::GetContentHeight() {
    const ROWCOL rows = GetRowCount();
    return rows == 0 ? 0 : static_cast<int>(SumRowHeights(1, rows));
}

void FitDialogToGrid(CWnd* pDialog, CNameValueGridWnd* pGrid) {
    if (pDialog == nullptr || pGrid == nullptr || pGrid->GetSafeHwnd() == nullptr)
        return;
    CRect grid;
    pGrid->GetWindowRect(&grid);
    pDialog->ScreenToClient(&grid);
    // The grid's frame around its rows.
    CRect client;
    pGrid->GetClientRect(&client);
    const int frame = grid.Height() - client.Height();
    const int height = pGrid->GetContentHeight() + 10 + frame;
    const int delta = height - grid.Height();
    if (delta == 0)
        return;
    for (CWnd* pChild = pDialog->GetWindow(GW_CHILD); pChild != nullptr;
         pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if (pChild->GetSafeHwnd() == pGrid->GetSafeHwnd())
            continue;
        CRect rect;
        pChild->GetWindowRect(&rect);
        pDialog->ScreenToClient(&rect);
        if (rect.top > grid.top) {
            pChild->SetWindowPos(nullptr, rect.left, rect.top + delta, 0, 0,
                                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            pChild->Invalidate();
        }
    }
    pGrid->SetWindowPos(nullptr, 0, 0, grid.Width(), height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CRect window;
    pDialog->GetWindowRect(&window);
    pDialog->SetWindowPos(nullptr, 0, 0, window.Width(), window.Height() + delta,
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------- editing

void CNameValueGridWnd::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
    CGEGridWnd::OnModifyCell(nRow, nCol);
    if (CGEControl* pControl = GetControl(nRow, nCol))
        pControl->GetCurrentText(m_EditText);
    PostMessage(g_modifyCellMessage, nRow, nCol);
}

LRESULT CNameValueGridWnd::OnModifyCellMessage(WPARAM wParam, LPARAM lParam) {
    if (m_pPairs == nullptr || wParam == 0)
        return 0;
    const int index = static_cast<int>(wParam) - 1;
    if (index >= m_pPairs->GetCount())
        return 0;
    m_pPairs->SetValueAt(index, m_EditText);
    if (CWnd* pParent = GetParent()) {
        pParent->PostMessage(g_modifyCellMessage, static_cast<WPARAM>(index), lParam);
        pParent->PostMessage(g_modifyFieldMessage, static_cast<WPARAM>(m_pPairs->GetFieldIdAt(index)),
                             reinterpret_cast<LPARAM>(&m_EditText));
    }
    return 0;
}

void CNameValueGridWnd::FlushEdits() {
    if (IsCurrentCell())
        CommitCurrentCell();
    // What the edits posted is delivered now, in order: the grid's own notes, then its parent's.
    MSG msg;
    while (::PeekMessageA(&msg, m_hWnd, g_modifyCellMessage, g_modifyCellMessage, PM_REMOVE))
        ::DispatchMessageA(&msg);
    if (CWnd* pParent = GetParent()) {
        for (const UINT message : {g_modifyCellMessage, g_modifyFieldMessage}) {
            while (::PeekMessageA(&msg, pParent->GetSafeHwnd(), message, message, PM_REMOVE))
                ::DispatchMessageA(&msg);
        }
    }
}

LRESULT CNameValueGridWnd::OnBtnPostMessage(WPARAM wParam, LPARAM lParam) {
    if (m_pPairs == nullptr || wParam == 0)
        return 0;
    const int index = static_cast<int>(wParam) - 1;
    if (index < m_pPairs->GetCount()) {
        if (CWnd* pParent = GetParent())
            pParent->PostMessage(g_btnPostMessage, static_cast<WPARAM>(m_pPairs->GetFieldIdAt(index)),
                                 lParam);
    }
    return 0;
}

// ---------------------------------------------------------------- clicks and keys

BOOL CNameValueGridWnd::OnCellClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    const BOOL handled = CGEGridWnd::OnCellClick(nRow, nCol, nFlags, point);
    CGEControl* pControl = GetControl(nRow, nCol);
    if (nRow > 0 && (pControl == nullptr || !pControl->IsActive()))
        PostMessage(WM_KEYDOWN, VK_F2, 0);
    return handled;
}

BOOL CNameValueGridWnd::OnCellDblClick(ROWCOL nRow, ROWCOL nCol, UINT nFlags, CPoint point) {
    if (nRow > 0 && IsGroupRow(static_cast<int>(nRow) - 1)) {
        PostMessage(g_collapseGroupMessage, nRow, nRow);
        return TRUE;
    }
    return CGEGridWnd::OnCellDblClick(nRow, nCol, nFlags, point);
}

BOOL CNameValueGridWnd::HandleKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
    if (nChar == VK_TAB) {
        MoveCurrentCell(IsKeyDown(VK_SHIFT) ? GE_LEFT : GE_RIGHT);
        return TRUE;
    }
    return CGEGridWnd::HandleKeyUp(nChar, nRepCnt, nFlags);
}

// ---------------------------------------------------------------- groups

void CNameValueGridWnd::ForEachGroupMember(int index, const std::function<void(int)>& action) {
    for (int i = index + 1; i < m_pPairs->GetCount() && !IsGroupRow(i); ++i)
        action(i);
}

LRESULT CNameValueGridWnd::OnCollapseGroupMessage(WPARAM wParam, LPARAM) {
    if (m_pPairs == nullptr || wParam == 0)
        return 0;
    const int index = static_cast<int>(wParam) - 1;
    if (index >= m_pPairs->GetCount() || !IsGroupRow(index))
        return 0;
    const BOOL wasLocked = LockUpdate(TRUE);
    m_pPairs->SetCollapsedAt(index, !m_pPairs->IsCollapsedAt(index));
    // A current cell inside a group that folds away would go on editing out of sight.
    ROWCOL row = 0, col = 0;
    if (m_pPairs->IsCollapsedAt(index) && GetCurrentCell(row, col) && row > wParam &&
        IsInCollapsedGroup(static_cast<int>(row) - 1))
        SetCurrentCell(static_cast<ROWCOL>(wParam), 1);
    LockUpdate(wasLocked);
    m_pPairs->SaveCollapsedGroups();
    UpdateScrollbars();
    Invalidate();
    if (CWnd* pParent = GetParent())
        pParent->PostMessage(g_collapseGroupMessage, wParam, 0);
    return 0;
}

LRESULT CNameValueGridWnd::OnGetCollapsedMessage(WPARAM wParam, LPARAM) {
    if (m_pPairs == nullptr || wParam == 0)
        return 0;
    const int index = static_cast<int>(wParam) - 1;
    return index < m_pPairs->GetCount() && m_pPairs->IsCollapsedAt(index) ? 1 : 0;
}
