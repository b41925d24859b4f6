// WHERE conditions on the comma-separated list columns ([UserIDs], [GroupIDs], [OrganizationIDs]) and
// the condition that selects nothing.
#pragma once

#include "framework/core/CString.h"

// Whether the list in column holds item as a whole item: the list is item, or begins, ends or has it
// between commas. The item goes in quoted with its LIKE wildcards escaped; "" for an empty item.
CString SqlListContains(const char* column, const char* item);
// A condition that no row meets.
const char* SqlFalse();
// A LIKE pattern that matches text itself: %, _ and the escape character escaped with "\".
CString LikeLiteral(const char* text);
