// CFindReplaceDialog: the system's modeless Find or Replace dialog. Its owner receives the registered
// message FINDMSGSTRING for every request (Find Next, Replace, Replace All) and when the dialog closes;
// GetNotifier turns that message's lParam into the dialog object, whose members say what was asked.
//
// Create the object with new: it deletes itself when its window is destroyed (after the closing
// notification, IsTerminating).
#pragma once

#include "framework/core/CString.h"
#include "framework/win/CCommonDialog.h"

class CFindReplaceDialog : public CCommonDialog {
    DECLARE_DYNAMIC(CFindReplaceDialog)
public:
    CFindReplaceDialog();
    ~CFindReplaceDialog() override;

    // A Find dialog (bFindDialogOnly) or a Replace dialog owned by pParentWnd (default: the main window),
    // which receives the notifications. dwFlags: FR_DOWN, FR_MATCHCASE, FR_WHOLEWORD, FR_HIDEWHOLEWORD ...
    virtual BOOL Create(BOOL bFindDialogOnly, LPCSTR lpszFindWhat, LPCSTR lpszReplaceWith = nullptr,
                        DWORD dwFlags = FR_DOWN, CWnd* pParentWnd = nullptr);

    // The dialog that sent a FINDMSGSTRING message with this lParam.
    static CFindReplaceDialog* GetNotifier(LPARAM lParam);

    CString GetFindString() const;
    CString GetReplaceString() const;
    BOOL SearchDown() const { return (m_fr.Flags & FR_DOWN) != 0; }
    BOOL FindNext() const { return (m_fr.Flags & FR_FINDNEXT) != 0; }
    BOOL MatchCase() const { return (m_fr.Flags & FR_MATCHCASE) != 0; }
    BOOL MatchWholeWord() const { return (m_fr.Flags & FR_WHOLEWORD) != 0; }
    BOOL ReplaceCurrent() const { return (m_fr.Flags & FR_REPLACE) != 0; }
    BOOL ReplaceAll() const { return (m_fr.Flags & FR_REPLACEALL) != 0; }
    // The dialog is closing: the object goes after this notification.
    BOOL IsTerminating() const { return (m_fr.Flags & FR_DIALOGTERM) != 0; }

    FINDREPLACEA m_fr;

protected:
    void PostNcDestroy() override;

    char m_szFindWhat[128] = {};
    char m_szReplaceWith[128] = {};
};

// The registered message the owner of a find/replace dialog receives.
#ifndef FINDMSGSTRING
#define FINDMSGSTRING "commdlg_FindReplace"
#endif
