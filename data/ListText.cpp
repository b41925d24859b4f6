#include "data/ListText.h"

#include <string>
#include <vector>

namespace {

using Items = std::vector<std::string>;

Items Split(const CString& text) {
    Items items;
    std::string item;
    for (const char* c = text.GetString(); *c; ++c) {
        if (*c == ',') {
            if (!item.empty())
                items.push_back(item);
            item.clear();
        } else {
            item += *c;
        }
    }
    if (!item.empty())
        items.push_back(item);
    return items;
}

// The position of the run needle in items at or after from; items.size() when there is none.
size_t FindRun(const Items& items, const Items& needle, size_t from = 0) {
    if (needle.empty() || needle.size() > items.size())
        return items.size();
    for (size_t i = from; i + needle.size() <= items.size(); ++i) {
        size_t n = 0;
        while (n < needle.size() && items[i + n] == needle[n])
            ++n;
        if (n == needle.size())
            return i;
    }
    return items.size();
}

CString Join(const Items& items) {
    CString text;
    for (const std::string& item : items) {
        if (!text.IsEmpty())
            text += ',';
        text += item.c_str();
    }
    return text;
}

} // namespace

void SplitListItems(const CString& list, CStringArray& items) {
    for (const std::string& item : Split(list))
        items.Add(item.c_str());
}

bool ListContains(const CString& list, const CString& item) {
    const Items items = Split(list);
    return FindRun(items, Split(item)) < items.size();
}

void ReplaceInList(CString& list, const CString& oldItem, const CString& newItem) {
    if (oldItem == newItem)
        return;
    const Items needle = Split(oldItem);
    Items items = Split(list);
    size_t at = FindRun(items, needle);
    if (at == items.size())
        return;
    while (at < items.size()) {
        items.erase(items.begin() + static_cast<std::ptrdiff_t>(at),
                    items.begin() + static_cast<std::ptrdiff_t>(at + needle.size()));
        at = FindRun(items, needle, at);
    }
    const Items added = Split(newItem);
    if (!added.empty() && FindRun(items, added) == items.size())
        items.insert(items.end(), added.begin(), added.end());
    list = Join(items);
}
