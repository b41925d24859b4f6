// The text search of the find command over one object's columns (log entries, expenses ...): the
// phrase as one needle, or its words of which all or any must be found.
#pragma once

#include "framework/core/CDWordArray.h"
#include "framework/core/CString.h"
#include "timelog/CFindRequest.h"

// columnText(id) gives the text of column id. The columns from firstIndex on are searched, ignoring
// case; when the object matches, foundIndex and foundColumnId name the column of the last hit.
template <typename ColumnText>
bool MatchFindColumns(const CFindRequest& request, const CDWordArray& columnIds, int firstIndex,
                      ColumnText columnText, int& foundIndex, int& foundColumnId) {
    int hitIndex = -1;
    int hitColumn = -1;
    auto search = [&](CString needle) {
        needle.MakeLower();
        for (INT_PTR i = firstIndex < 0 ? 0 : firstIndex; i < columnIds.GetSize(); ++i) {
            CString text = columnText(static_cast<int>(columnIds.GetAt(i)));
            text.MakeLower();
            if (text.Find(needle) >= 0) {
                hitIndex = static_cast<int>(i);
                hitColumn = static_cast<int>(columnIds.GetAt(i));
                return true;
            }
        }
        return false;
    };
    // Without words, match-all holds vacuously and match-any finds nothing.
    bool matches = request.allWords;
    if (request.exactPhrase) {
        matches = search(request.phrase);
    } else {
        for (INT_PTR i = 0; i < request.words.GetSize(); ++i) {
            const bool found = search(request.words.GetAt(i));
            if (request.allWords != found) {
                matches = found;
                break;
            }
        }
    }
    if (matches) {
        foundIndex = hitIndex;
        foundColumnId = hitColumn;
    }
    return matches;
}
