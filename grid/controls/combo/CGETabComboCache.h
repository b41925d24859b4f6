// CGETabComboCache: the lookup maps that tabbed combo boxes sharing one choice list share, kept by the
// grid parameter object under the list's unique id: the key map (key-column text to the whole line) and
// the text map (text-column text to the whole line). A map is built on first use from a style's choice
// list (the title line skipped when the style shows titles); clearing an id moves the generation on, so
// that every control fills its list again.
#pragma once

#include "framework/core/CString.h"

class CGEGridParam;
class CGEStyle;
class CMapStringToString;

class CGETabComboCache {
public:
    explicit CGETabComboCache(CGEGridParam* pParam) : m_pParam(pParam) {}

    // The maps of an id (1 or more) built from the style when missing; null for id 0.
    CMapStringToString* GetKeyMap(int nId, const CGEStyle& style);
    CMapStringToString* GetTextMap(int nId, const CGEStyle& style);
    // The line filed under a text in a map; FALSE when there is none.
    static BOOL Lookup(CMapStringToString* pMap, LPCSTR pszText, CString& strLine);
    // Id 1 or more: that id's maps go; -1: all of them. Either moves the generation on; 0 does nothing.
    void Clear(int nId);
    DWORD GetGeneration() const;

    // A map of the lines of a choice list filed by one column (later duplicates replace earlier ones).
    static CMapStringToString* BuildMap(const CString& strChoices, int nColumn, BOOL bSkipTitle);

private:
    CMapStringToString* GetMap(BOOL bKeys, int nId, const CGEStyle& style);

    CGEGridParam* m_pParam;
};
