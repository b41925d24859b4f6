// The command factory's undo and redo lists, blocks and menu items.
#include "grid/core/CGEBlockCmd.h"
#include "grid/core/CGECommandFactory.h"
#include "grid/core/CGEControl.h"
#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"

#include "framework/win/AfxWin.h"

#include <memory>

namespace {

CObList* ListOf(CGEGridParam* pParam, int ctCmd) {
    if (pParam == nullptr || ctCmd == geRollback)
        return nullptr;
    return ctCmd == geUndo ? &pParam->m_RedoList : &pParam->m_UndoList;
}

// The open block at the head of a list, or null.
CGEBlockCmd* HeadBlock(CObList& list) {
    if (list.IsEmpty())
        return nullptr;
    CObject* pHead = list.GetHead();
    return pHead->IsKindOf(RUNTIME_CLASS(CGEBlockCmd)) ? static_cast<CGEBlockCmd*>(pHead) : nullptr;
}

// The control of the current cell when it is being edited and can undo its edit.
CGEControl* UndoableEdit(CGEGridCore* pGrid) {
    CGEControl* pControl = pGrid->GetCurrentCellControl();
    return pControl != nullptr && pControl->IsActive() && pControl->CanUndo() ? pControl : nullptr;
}

} // namespace

BOOL CGECommandFactory::RunCommand(CGEGridCore* pGrid, CGECommand* pCmd, int ctCmd) {
    if (pGrid == nullptr || pCmd == nullptr)
        return FALSE;
    CGEGridParam* pParam = pGrid->GetParam();
    const BOOL bNotify = pParam != nullptr ? pParam->m_bUndoNotification : FALSE;
    if (pParam != nullptr)
        pParam->m_bUndoNotification = FALSE;
    const BOOL bDone = pCmd->Execute(pGrid, ctCmd);
    if (pParam != nullptr)
        pParam->m_bUndoNotification = bNotify;
    return bDone;
}

void CGECommandFactory::AddCommand(CGEGridCore* pGrid, CGECommand* pCmd, int ctCmd) {
    std::unique_ptr<CGECommand> cmd(pCmd);
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    CObList* pList = ListOf(pParam, ctCmd);
    if (pList == nullptr || !cmd)
        return; // a rollback records nothing
    if (ctCmd == geDo)
        pParam->EmptyRedoList();
    cmd->RecordCurrentCell(pGrid);
    if (pParam->m_nBlockDepth > 0 || pGrid->m_bSuppressUndoRecording) {
        if (CGEBlockCmd* pBlock = HeadBlock(*pList)) {
            pBlock->AddCommand(cmd.release());
            return;
        }
    }
    while (pList->GetCount() > static_cast<INT_PTR>(pParam->m_nUndoLimit))
        delete pList->RemoveTail();
    pList->AddHead(cmd.release());
}

void CGECommandFactory::RemoveNewestCommand(CGEGridCore* pGrid, int ctCmd) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    CObList* pList = ListOf(pParam, ctCmd);
    if (pList == nullptr || pList->IsEmpty())
        return;
    CGEBlockCmd* pBlock = pParam->m_nBlockDepth > 0 ? HeadBlock(*pList) : nullptr;
    if (pBlock != nullptr) {
        if (!pBlock->m_commands.IsEmpty())
            delete pBlock->m_commands.RemoveHead();
        return;
    }
    delete pList->RemoveHead();
}

BOOL CGECommandFactory::RunNewest(CGEGridCore* pGrid, CObList& list, int ctCmd, BOOL bSetCurrentAfter) {
    if (list.IsEmpty())
        return FALSE;
    auto* pCmd = static_cast<CGECommand*>(list.RemoveHead());
    if (!RunCommand(pGrid, pCmd, ctCmd)) {
        list.AddHead(pCmd);
        return FALSE;
    }
    const ROWCOL nRow = pCmd->m_nRow;
    const ROWCOL nCol = pCmd->m_nCol;
    const BOOL bHadCell = pCmd->m_bCurrentCell;
    delete pCmd;
    pGrid->UpdateScrollbars();
    if (bHadCell)
        SetUndoCurrentCell(pGrid, nRow, nCol, bSetCurrentAfter);
    return TRUE;
}

BOOL CGECommandFactory::Undo(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr)
        return FALSE;
    if (CGEControl* pControl = UndoableEdit(pGrid))
        return pControl->Undo();
    return RunNewest(pGrid, pParam->m_UndoList, geUndo, TRUE);
}

BOOL CGECommandFactory::Redo(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr)
        return FALSE;
    if (pGrid->IsActiveCurrentCell() && !pGrid->TransferCurrentCell(TRUE))
        return FALSE;
    return RunNewest(pGrid, pParam->m_RedoList, geRedo, TRUE);
}

void CGECommandFactory::BeginTrans(CGEGridCore* pGrid, LPCSTR pszName) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr || !pParam->IsUndoEnabled())
        return;
    if (pParam->m_nBlockDepth == 0) {
        pParam->m_strBlockName = pszName != nullptr ? pszName : "";
        AddCommand(pGrid, new CGEBlockCmd(pszName), geDo);
    }
    ++pParam->m_nBlockDepth;
}

void CGECommandFactory::CommitTrans(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr || pParam->m_nBlockDepth <= 0)
        return;
    if (--pParam->m_nBlockDepth > 0)
        return;
    CGEBlockCmd* pBlock = HeadBlock(pParam->m_UndoList);
    if (pBlock != nullptr && pBlock->IsEmpty())
        delete pParam->m_UndoList.RemoveHead();
}

void CGECommandFactory::Rollback(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr || pParam->m_nBlockDepth <= 0)
        return;
    if (--pParam->m_nBlockDepth > 0)
        return;
    if (HeadBlock(pParam->m_UndoList) == nullptr)
        return;
    std::unique_ptr<CObject> block(pParam->m_UndoList.RemoveHead());
    RunCommand(pGrid, static_cast<CGEBlockCmd*>(block.get()), geRollback);
    pGrid->Refresh();
}

void CGECommandFactory::SetUndoCurrentCell(CGEGridCore* pGrid, ROWCOL nRow, ROWCOL nCol, BOOL bSetCurrent) {
    if (pGrid == nullptr)
        return;
    if (pGrid->m_bDeferUndoCellMoves) {
        pGrid->m_bUndoCellPending = TRUE;
        pGrid->m_nUndoCellRow = nRow;
        pGrid->m_nUndoCellCol = nCol;
        return;
    }
    ROWCOL nCurRow = 0, nCurCol = 0;
    const BOOL bCurrent = pGrid->GetCurrentCell(nCurRow, nCurCol);
    if (bSetCurrent && (!bCurrent || nCurRow != nRow || nCurCol != nCol))
        pGrid->SetCurrentCell(nRow, nCol);
    else
        pGrid->ScrollCellInView(nRow, nCol);
    CWnd* pWnd = pGrid->GridWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->UpdateWindow();
}

void CGECommandFactory::UpdateEditItem(CGEGridCore* pGrid, CCmdUI* pCmdUI, BOOL bUndo) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    const CObList& list = bUndo ? pParam->m_UndoList : pParam->m_RedoList;
    const BOOL bEdit = bUndo && UndoableEdit(pGrid) != nullptr;
    pCmdUI->Enable(bEdit || !list.IsEmpty());
    if (pCmdUI->m_pMenu == nullptr)
        return;

    CString& pattern = bUndo ? m_strUndoPattern : m_strRedoPattern;
    BOOL& bLoaded = bUndo ? m_bUndoPatternLoaded : m_bRedoPatternLoaded;
    if (!bLoaded) {
        // The third line of the command's string, else the item's present text, else the built-in text.
        CString resource;
        if (resource.LoadString(pCmdUI->m_nID))
            AfxExtractSubString(pattern, resource, 2, '\n');
        if (pattern.IsEmpty())
            pCmdUI->m_pMenu->GetMenuString(pCmdUI->m_nIndex, pattern, MF_BYPOSITION);
        if (pattern.IsEmpty())
            pattern = bUndo ? "Undo %1" : "Redo %1";
        bLoaded = TRUE;
    }
    CString name;
    if (bEdit)
        name = GEGetLibraryState()->GetText(CGELibraryState::textCurrentCell);
    else if (!list.IsEmpty())
        name = static_cast<const CGECommand*>(list.GetHead())->GetName();
    CString text = pattern;
    text.Replace("%1", name);
    pCmdUI->SetText(text);
}

void CGECommandFactory::OnUpdateEditUndo(CGEGridCore* pGrid, CCmdUI* pCmdUI) {
    UpdateEditItem(pGrid, pCmdUI, TRUE);
}

void CGECommandFactory::OnUpdateEditRedo(CGEGridCore* pGrid, CCmdUI* pCmdUI) {
    UpdateEditItem(pGrid, pCmdUI, FALSE);
}

void CGECommandFactory::CleanUpUndo(CGEGridCore* pGrid) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    if (pParam == nullptr)
        return;
    pParam->EmptyUndoList();
    pParam->EmptyRedoList();
}
