// CGEBlockCmd: steps grouped so that they undo and redo as one (a block opened with BeginTrans). Owns its
// steps, newest first, so running them in list order reverses the recorded operations in the right order.
#pragma once

#include "framework/core/CObList.h"
#include "grid/core/CGECommand.h"

class CGEBlockCmd : public CGECommand {
    DECLARE_DYNAMIC(CGEBlockCmd)
public:
    // A block without a name is called "Block".
    explicit CGEBlockCmd(LPCSTR pszName);
    ~CGEBlockCmd() override;

    // Runs the steps in list order until one fails. Undoing or redoing collects the reverse steps in a new
    // block of the same name at the head of the other list. When a step fails, the steps already run are
    // reversed again (as a rollback) and that partial block is dropped: the grid is as it was, and neither
    // list keeps part of the block. Rolling back runs the steps and records nothing.
    BOOL Execute(CGEGridCore* pGrid, int ctCmd) override;
    CString GetName() const override { return m_strName; }

    // Adds a step at the head; the block owns it.
    void AddCommand(CGECommand* pCmd);
    BOOL IsEmpty() const { return m_commands.IsEmpty(); }
    INT_PTR GetCount() const { return m_commands.GetCount(); }

    CObList m_commands; // CGECommand*, owned, newest first
    CString m_strName;

private:
    // Runs every step in a context until one fails; FALSE then.
    BOOL RunSteps(CGEGridCore* pGrid, int ctCmd, BOOL bProgress);
};
