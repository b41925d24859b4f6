// Test answers for the commands that depend on a selection: a project-task view that holds the one task
// the test selected, and an update element that records what the handlers set.
#pragma once

#include "framework/win/CCmdUI.h"
#include "framework/win/CMenu.h"
#include "projecttasks/CTask.h"
#include "timelog/ITaskView.h"

#include <string>

namespace modeltest {

// The project-task view while it is open: answers with the selected task; finds only that task, in row
// foundRow (0: not shown).
class SelectedTaskView : public ITaskView {
public:
    SelectedTaskView() { SetTaskView(this); }
    ~SelectedTaskView() override { SetTaskView(nullptr); }
    SelectedTaskView(const SelectedTaskView&) = delete;
    SelectedTaskView& operator=(const SelectedTaskView&) = delete;
    UINT GetPrimarySortColumn() override { return 0; }
    bool IsSortAscending() override { return true; }
    CTask* GetSelectedTask() override { return selected; }
    CTask* GetTaskAtRow(DWORD) override { return nullptr; }
    void ClearSelection() override { selected = nullptr; }
    DWORD FindTaskRow(const char* guid) override {
        return selected != nullptr && selected->m_GUID == guid ? foundRow : 0;
    }
    CTask* selected = nullptr;
    DWORD foundRow = 0;
};

// A command's element in a menu (inMenu) or on a bar: enabled is -1 until a handler sets it, text the
// last text set.
class MenuCmdUI : public CCmdUI {
public:
    MenuCmdUI(UINT id, bool inMenu) {
        m_nID = id;
        if (inMenu)
            m_pMenu = &menu;
    }
    void Enable(BOOL on) override { enabled = on != FALSE ? 1 : 0; }
    void SetText(LPCSTR value) override { text = value; }
    CMenu menu;
    int enabled = -1;
    std::string text;
};

} // namespace modeltest
