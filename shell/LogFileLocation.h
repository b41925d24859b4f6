// Where the active log file lives. "ActiveLog" under "Database\" names it; when that is empty or its
// file is gone, the start-up uses the default log "Time Log.bmk" in the user's own data folder and
// creates it there, empty, unless a file of that name already exists (a log is never written over).
#pragma once

#include "framework/core/CString.h"

struct CRuntimeClass;

// The user's data folder for the program ("<application data>\Quillmere\Brindlemark\", created when
// missing), with its trailing backslash.
CString GetUserDataFolder();
// Makes GetUserDataFolder answer folder (a trailing backslash is added); null or "" ends that. For tests
// and for a program started on a scratch folder.
void SetUserDataFolderForTests(const char* folder);
// The default log: the user's data folder followed by "Time Log.bmk".
CString GetDefaultLogPath();

// The log the start-up opens: the stored "ActiveLog" when its file exists; otherwise the default log,
// which is made as a new, empty document of docClass saved at its path when no file is there, and
// which is then stored as "ActiveLog". A default log that could not be made still comes back (the
// start-up then finds no log to open).
CString ChooseActiveLogPath(CRuntimeClass* docClass);
