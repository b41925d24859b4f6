// Reading and writing the small archive files the time log keeps beside the program.
#pragma once

#include "framework/core/CString.h"

#include <functional>

class CArchive;

// Writes the file whole or not at all: the archive goes to a temporary file in the same folder, which is
// flushed and then moved over the old file. A failure (a full disk, an exception of write) leaves the old
// file as it was and is reported in a message box; false then.
bool StoreCacheFile(const CString& path, const std::function<void(CArchive&)>& write);
// Reads the file through read, which must take all of it: an exception (damaged, cut short, unknown
// version) or bytes left over are reported in a message box naming the file; false then.
bool LoadCacheFile(const CString& path, const std::function<void(CArchive&)>& read);
