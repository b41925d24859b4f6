// CDialogPositionHook: every dialog box of the UI thread reopens where the user last left it, without
// code in the dialogs. A computer-based-training hook applies a dialog's saved position when it is first
// activated and saves the position when the dialog is moved or destroyed.
//
// Positions are kept per window title under REG_DIALOGS as "left top" screen coordinates; dialogs with
// an empty title are left alone. Message boxes are dialogs too.
#pragma once

#include "framework/core/AfxDefs.h"

class CWnd;

class CDialogPositionHook {
public:
    CDialogPositionHook() = default;
    // An installed hook is removed.
    ~CDialogPositionHook();
    CDialogPositionHook(const CDialogPositionHook&) = delete;
    CDialogPositionHook& operator=(const CDialogPositionHook&) = delete;

    // Hooks the calling thread, unless the process already has the hook (then this object holds none).
    void Install();
    // Removes the hook when this object holds it.
    void Remove();
    bool IsInstalled() const { return m_hHook != nullptr; }

private:
    static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam);

    HHOOK m_hHook = nullptr;
    static HHOOK s_hProcessHook;
};

// Saves the left and top of the dialog's window rectangle under its title (nothing for an empty title).
void SaveDialogPosition(CWnd* dialog);
// Applies the saved position once per dialog: the first call marks the dialog (window user data 1) and
// moves it to its saved place, or centres it when that place is (0, 0) or beyond the screen's right or
// bottom edge. Without a saved place the dialog's current one is used.
void RestoreDialogPosition(CWnd* dialog);
