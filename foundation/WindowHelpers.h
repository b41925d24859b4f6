// Small helpers for windows, dialogs and controls used all over the program: mail through the system's
// mail client, context help, dialog items, combo boxes, trees, menus, date pickers, folder choice,
// message pumping and bitmap colours.
#pragma once

#include "framework/core/CString.h"
#include "framework/win/AfxRes.h"

#include <windows.h>
#include <commctrl.h>

#include <concepts>

class CBitmap;
class CComboBox;
class CFont;
class CMenu;
class CTreeCtrl;
class CWnd;

// ---- Mail and help ----
// Hands one message to the system's mail client (Simple MAPI, "MAPI32.DLL" loaded for this call): the
// subject and note as given, the file at path attached when path is not empty, and one "to" recipient
// when recipient is not empty. The client shows its own dialog; the program's windows are disabled
// meanwhile. Failures other than the user's cancel or a failed log-on are reported in a message box.
void SendMailWithMapi(const CString& path, const CString& subject, const CString& note,
                      const CString& recipient);
// Pop-up help for the control a WM_HELP is about, from the help file's "context.txt" topics. Nothing
// for a null info or a control id of -1; a message box names the help file when it cannot be opened.
void ShowContextHelp(const HELPINFO* info);
// The WM_HELP handler the dialogs share: ShowContextHelp, then TRUE.
BOOL OnDialogHelp(const HELPINFO* info);
// HTML Help's own call (HtmlHelpA, from "hhctrl.ocx" loaded on first use): the window it returns, or
// nullptr when it showed nothing or HTML Help is not there.
HWND CallHtmlHelp(HWND caller, const char* file, UINT command, DWORD_PTR data);

// ---- Dialog items (a missing child is ignored) ----
void EnableDlgItem(CWnd* parent, int id, bool enable);
void ShowDlgItem(CWnd* parent, int id, bool show);
// Sets the font (with redraw) when it has a handle.
void SetDlgItemFont(CWnd* parent, int id, CFont* font);
// Makes font a copy of the child's current font with the weight toggled (ToggleFontBold) and sets it on
// the child. The caller keeps font alive as long as the child uses it.
void SetDlgItemBoldFont(CWnd* parent, int id, CFont* font);
// Re-creates the font with weight 700 (bold) when it was lighter, else with the default weight.
void ToggleFontBold(CFont* font);
// Focuses the child, selects all its text and scrolls the caret into view.
void FocusDlgItemSelectAll(CWnd* parent, int id);

// ---- Combo boxes ----
// Resizes the combo box so that its list shows up to 30 items without scrolling: the selection field's
// height, plus the items' heights, plus 8. Then repaints it.
void FitComboDropHeight(CComboBox* combo);
// Selects the first item whose item data equals data; returns its index, or -1 (selection unchanged).
// The signed form widens a narrower value with its sign (an item set from -1 is found by -1), the
// unsigned form without (an item set from DWORD 0xFFFFFFFF is found by 0xFFFFFFFFu).
int SelectComboItemByData(CComboBox* combo, LONG_PTR data);
int SelectComboItemByData(CComboBox* combo, DWORD_PTR data);
template <std::signed_integral T>
requires(!std::same_as<T, LONG_PTR>) int SelectComboItemByData(CComboBox* combo, T data) {
    return SelectComboItemByData(combo, static_cast<LONG_PTR>(data));
}
template <std::unsigned_integral T>
requires(!std::same_as<T, DWORD_PTR>) int SelectComboItemByData(CComboBox* combo, T data) {
    return SelectComboItemByData(combo, static_cast<DWORD_PTR>(data));
}

// ---- Tree controls ----
// Depth-first search from the root (children before following siblings) for the first item whose data
// equals data; selects it and makes it visible. Returns it, or null.
HTREEITEM SelectTreeItemByData(CTreeCtrl* tree, DWORD_PTR data);
// For item, its following siblings and everything below them, depth first: appends the text of every
// item that has children and is expanded, the texts separated by tab characters.
void GetExpandedTreeItems(CTreeCtrl* tree, HTREEITEM item, CString& expanded);
// For item, its following siblings and everything below them: expands every item with children whose
// text is one of the tab-separated texts (compared ignoring case).
void ExpandTreeItems(CTreeCtrl* tree, HTREEITEM item, const CString& expanded);

// ---- Menus ----
// Deletes the item with that command id (in the menu or any of its submenus). With withSeparator, a
// separator just above it is deleted too. False when there is no such item.
bool RemoveMenuItem(CMenu* menu, UINT id, bool withSeparator);

// ---- Date pickers ----
// Answers a date-time picker's DTN_USERSTRING: parses the typed text in the user's locale, fills the
// notification's time and marks it valid. False (notification untouched) when the text is no date.
bool ParseDateTimeUserString(NMDATETIMESTRINGA* info);

// ---- Folders ----
// Lets the user choose a folder; its path, or "" when cancelled or when the choice has no path.
CString BrowseForFolder();

// ---- Message pumping ----
// Removes, translates and dispatches one waiting message. False when none is waiting; a WM_QUIT is
// left in the queue (so the application's loop still ends) and also gives false.
bool PumpOneMessage();
// Waits ms milliseconds while dispatching this thread's messages. Waits over 3 seconds show the wait
// cursor, and the previous cursor comes back afterwards.
void WaitPumpingMessages(DWORD ms);

// ---- Bitmaps ----
// Sets every pixel of the bitmap that has colour from to colour to.
void ReplaceBitmapColor(CBitmap* bitmap, COLORREF from, COLORREF to);
// Loads the bitmap resource into bitmap (a new bitmap compatible with the screen) with colour from
// replaced by to: in a bitmap with a colour table, the first table entry equal to from; in a true-colour
// bitmap, every pixel of that colour. False when the resource is missing or damaged.
bool LoadBitmapReplacingColor(CBitmap* bitmap, UINT resourceId, COLORREF to, COLORREF from);
