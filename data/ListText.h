// The comma-separated lists of the project-task rows ([UserIDs], [GroupIDs], [OrganizationIDs],
// [Usernames]): items joined by single commas, no blanks around them, no leading or trailing comma.
// Items are compared whole and exactly, so replacing "Al" never touches "Alice". A text that itself
// holds commas (a user name such as "Smith, John") stands for the run of items it splits into.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CStringArray.h"

// Appends the non-empty items of list to items.
void SplitListItems(const CString& list, CStringArray& items);
// Whether item (as a run of items when it holds commas) is in list.
bool ListContains(const CString& list, const CString& item);
// Replaces oldItem by newItem in list: nothing happens when the two are equal or oldItem is not in the
// list. Otherwise every occurrence of oldItem is removed, newItem is appended unless the list already
// holds it, and empty items are dropped. An empty newItem only removes.
void ReplaceInList(CString& list, const CString& oldItem, const CString& newItem);
