// Helpers of dialog creation: making the window classes a dialog template names available before the
// dialog is created, and filling its list and combo boxes from the dialog's initialisation data.
#pragma once

#include "framework/core/AfxDefs.h"

// The resource type of a dialog's initialisation data (list strings of its controls).
#define RT_DLGINIT MAKEINTRESOURCEA(240)

// Registers the common control classes (date and time picker, list view, tree view ...) and loads the
// rich edit library for the controls lpTemplate names (either template layout), so that the dialog
// can be created even when nothing else initialised them. FALSE when one of them is not available.
BOOL AfxInitDialogTemplateClasses(LPCDLGTEMPLATEA lpTemplate);

// Adds the list strings of initialisation data (records of control id, message, text length and
// zero-terminated text, ended by a zero id) to the controls of hWnd. Combo box and list box strings
// are added (the messages in either their 16-bit or 32-bit numbering); other records are skipped.
// FALSE when the data is malformed or a string could not be added.
BOOL AfxExecuteDlgInit(HWND hWnd, const void* lpData, DWORD dwSize);
