// Choice lists: one text held in a cell style with one item per line. A line ends at CR, LF or a CR LF
// pair (one break). Tab lists are choice lists whose lines hold columns separated by TAB characters.
// Plain functions, used by the combo and list controls without a window.
#pragma once

#include "framework/core/CString.h"

#include <vector>

// Moves the first line of strSource into strLine and removes it with its break; the whole text when
// there is no break. Answers the position of the break, or -1.
int CutFirstLine(CString& strSource, CString& strLine);

// The lines of a choice list (a text without any break is one line; an empty text has none).
int CountChoiceListLines(LPCSTR pszList);

// The lines themselves, empty ones included unless bSkipEmpty.
std::vector<CString> GetChoiceListLines(LPCSTR pszList, BOOL bSkipEmpty);

// Field nField (after nField tabs) of a tab-separated line, at most nMax characters; empty when the
// line has fewer fields.
CString CopyTabField(LPCSTR pszLine, int nField, int nMax = 127);

// The index of the first line whose field nColumn equals the text (bExact: case-sensitive whole match)
// or, not exact, starts with it ignoring case; the line in strLine. A header line is skipped and not
// counted when bSkipHeader. -1 and an empty line when none matches.
int FindChoiceListEntry(LPCSTR pszText, int nColumn, LPCSTR pszList, BOOL bSkipHeader, CString& strLine,
                        BOOL bExact);

// The lines sorted by field nColumn (case-insensitive, stable), the first line kept in front when
// bKeepHeader, joined again with CR LF.
CString SortChoiceList(LPCSTR pszList, int nColumn, BOOL bKeepHeader);

// TRUE when pszText starts with pszPrefix ignoring case (the user's locale).
BOOL GEStartsWithNoCase(LPCSTR pszText, LPCSTR pszPrefix);
