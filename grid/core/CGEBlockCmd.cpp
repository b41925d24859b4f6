#include "grid/core/CGEBlockCmd.h"

#include "grid/core/CGEGridCore.h"
#include "grid/core/CGEGridParam.h"
#include "grid/core/CGELibraryState.h"
#include "grid/core/CGELongOperation.h"

#include <memory>

IMPLEMENT_DYNAMIC(CGEBlockCmd, CGECommand)

CGEBlockCmd::CGEBlockCmd(LPCSTR pszName)
    : m_commands(10), m_strName(pszName != nullptr && *pszName != '\0' ? pszName : "Block") {}

CGEBlockCmd::~CGEBlockCmd() {
    while (!m_commands.IsEmpty())
        delete m_commands.RemoveHead();
}

void CGEBlockCmd::AddCommand(CGECommand* pCmd) {
    if (pCmd != nullptr)
        m_commands.AddHead(pCmd);
}

BOOL CGEBlockCmd::RunSteps(CGEGridCore* pGrid, int ctCmd, BOOL bProgress) {
    CGELongOperation operation;
    CString status = m_strName;
    if (ctCmd == geUndo || ctCmd == geRedo) {
        status = GEGetLibraryState()->GetText(ctCmd == geUndo ? CGELibraryState::textUndoing
                                                              : CGELibraryState::textRedoing);
        status.Replace("%1", m_strName);
    }
    operation.SetStatusText(status);
    for (POSITION pos = m_commands.GetHeadPosition(); pos != nullptr;) {
        auto* pCmd = static_cast<CGECommand*>(m_commands.GetNext(pos));
        if (!pCmd->Execute(pGrid, ctCmd))
            return FALSE;
        if (bProgress)
            operation.Step();
    }
    return TRUE;
}

BOOL CGEBlockCmd::Execute(CGEGridCore* pGrid, int ctCmd) {
    CGEGridParam* pParam = pGrid != nullptr ? pGrid->GetParam() : nullptr;
    const BOOL bProgress = m_commands.GetCount() > 1;
    if (pParam == nullptr || (ctCmd != geUndo && ctCmd != geRedo))
        return pGrid != nullptr && RunSteps(pGrid, ctCmd, bProgress);

    // The reverse steps the grid operations record while this block runs go into a new block at the head
    // of the other list (an open block takes what is recorded).
    CObList& target = ctCmd == geUndo ? pParam->m_RedoList : pParam->m_UndoList;
    auto reverse = std::make_unique<CGEBlockCmd>(m_strName);
    reverse->RecordCurrentCell(pGrid);
    CGEBlockCmd* pReverse = reverse.get();
    target.AddHead(reverse.release());
    ++pParam->m_nBlockDepth;
    const BOOL bDone = RunSteps(pGrid, ctCmd, bProgress);
    --pParam->m_nBlockDepth;

    const POSITION pos = target.Find(pReverse);
    if (pos != nullptr)
        target.RemoveAt(pos);
    std::unique_ptr<CGEBlockCmd> collected(pReverse);
    if (!bDone) {
        // Put back what the steps that ran changed, recording nothing.
        collected->RunSteps(pGrid, geRollback, FALSE);
        return FALSE;
    }
    if (!collected->IsEmpty())
        target.AddHead(collected.release());
    return TRUE;
}
