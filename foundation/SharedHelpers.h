// Small helpers used all over the program: record identities, the program folder, file and key tests,
// the program's version number, the stored-password transform, the help file and colours.
// The text splitting and scanning routines live in TextRoutines.h, included here for callers.
#pragma once

#include "foundation/TextRoutines.h"
#include "framework/core/CString.h"

// ---- Record identities ----
// A new GUID as 36 characters, 8-4-4-4-12 hexadecimal digits joined by dashes, no braces; the third
// group in lower case, the others in upper case. The identity of every new record.
CString NewGuidString();
// Makes a new GUID into *out (when not null) and its text into *text (when not null): with or without
// dashes, and with or without enclosing braces. Returns false when no GUID could be made.
bool CreateGuidString(GUID* out, CString* text, bool braces, bool dashes);

// ---- Program folder and files ----
// The folder of the running program, with its trailing backslash.
void GetProgramFolder(CString& folder);
// The folder part of a full path, up to and including its last backslash ("" when there is none).
CString GetFolderOfPath(const char* path);
// Makes GetProgramFolder answer folder (a trailing backslash is added); null or "" restores the real
// folder. For tests, which must not write beside the shared test program.
void SetProgramFolderForTests(const char* folder);
// True when a file (not a folder) of that name exists.
bool FileExists(const char* path);
// True while the key is held down.
bool IsKeyDown(int virtualKey);
// The product version of the running program as a number ("5.0" → 5.0), read the same way in every
// locale; 0 when the program has no version resource.
double GetProgramVersionNumber();
// Reads a plain decimal number such as "5.0" or "12.25" (a point as decimal separator, whatever the
// user's locale; no exponent). False, and *out untouched, when the text does not start with a number or
// the number does not fit a finite double.
bool ParseDottedDecimal(const char* text, double* out);
// The program's help file: the program folder + "Brindlemark.chm".
CString GetHelpFilePath();

// ---- Stored secrets ----
// The program's own reversible transform for secrets kept in the registry and the database. The stored
// form is printable text (safe between quotes in SQL and in REG_SZ values); any byte of the plain text
// survives the round trip; an empty text stays empty. variant (0-15) changes the stored form only.
CString ScrambleText(const char* plain, int variant = 0);
// Turns a stored text back into plain text. False (and plain empty) when the text is not in stored form.
bool UnscrambleText(const char* stored, CString& plain);

// ---- Colours ----
// Adds f × 256 (limited to 0..255) to each of red, green and blue, each capped at 255.
COLORREF LightenColor(COLORREF color, double f);
