// Text splitting and scanning used by the importers and the query builders.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"

// Replaces the contents of parts with the pieces of text between the separators; empty pieces are kept
// (an empty text gives one empty piece). With trim, each piece loses blanks on both sides and then one
// pair of enclosing double quotes.
void SplitString(const CString& text, CStringArray& parts, char separator, bool trim);
// The same without trimming; the source text is consumed (left empty).
void SplitAtChar(CString& text, CStringArray& parts, char separator);
// Appends the leading integer of each piece of text between ',', '-' and ' ' (empty pieces are
// skipped); the source text is consumed (left empty). A piece that does not start with a number up to
// INT_MAX is left out and makes the result false.
bool ParseNumberList(CString& text, CDWordArray& numbers);
// The elements joined by separator (none after the last).
void JoinStrings(const CStringArray& parts, CString& out, const char* separator);
// Index of the first element equal to value, or -1.
int FindDWordInArray(const CDWordArray& values, DWORD value);
// Index of the first element equal to text ignoring case, or -1.
int FindStringNoCase(const CStringArray& texts, const char* text);
// Inserts text before the first element that sorts after it (compared in lower case), else appends it.
void InsertStringSorted(CStringArray& texts, const char* text);
// Removes one pair of double quotes enclosing the whole text (at least two characters); returns the
// result.
CString StripEnclosingQuotes(CString& text);
// With toBackquote, every apostrophe becomes a backquote (texts placed between quotes in SQL);
// without it, every backquote becomes an apostrophe again (texts read back).
void ReplaceApostrophes(CString& text, bool toBackquote);

// ---- Scanning line by line; pos is an offset into text ----
// Moves pos past CR and LF characters.
void SkipLineBreaks(const CString& text, int& pos);
// Moves pos to the next CR or LF, then past the line breaks. True while text remains after pos.
bool NextLine(const CString& text, int& pos);
// The field from pos up to separator, CR, LF or the end; pos moves past the field and one separator.
// False (and field empty) when pos already stands on a line break or at the end.
bool ReadNextField(const CString& text, CString& field, char separator, int& pos);
// The number of tab-separated fields of the first line (tabs + 1); *stop (when not null) receives the
// offset where the scan stopped (the first line break or the end).
int CountTabFields(const CString& text, int* stop = nullptr);
