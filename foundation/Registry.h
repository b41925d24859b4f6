// Typed access to the program's settings in the per-user registry. Every value is stored as REG_SZ text;
// numbers, flags, pairs and times are formatted into text and parsed back.
//
// Key paths are full paths below HKEY_CURRENT_USER. A caller passes the root of its area with its
// trailing backslash (and may append further levels); exactly one trailing backslash is removed before
// the key is opened or created.
//
// Each operation comes as a front taking plain C strings (the names below, used by all callers; a
// CString argument converts to them) and a worker taking CStrings in namespace RegWorker. The workers
// have their own names because same-named overloads would make a call mixing a CString and a literal
// ambiguous.
#pragma once

#include "framework/core/CString.h"
#include "framework/core/CTime.h"

// ---- Root key paths (below HKEY_CURRENT_USER) ----
// Literal macros, so that a caller can append a further key level at compile time (REG_PREFS "Icons\\").
#define REG_ROOT "Software\\Quillmere\\Brindlemark\\"
#define REG_PREFS REG_ROOT "Prefs\\"
#define REG_PREFS_ICONS REG_ROOT "Prefs\\Icons\\"
#define REG_PREFS_GANTT REG_ROOT "Prefs\\Gantt\\"
#define REG_PREFS_RESOURCE_ALLOCATION REG_ROOT "Prefs\\Resource allocation\\"
#define REG_DATABASE REG_ROOT "Database\\"
#define REG_SETTINGS REG_ROOT "Settings"
#define REG_DIALOGS REG_ROOT "Dialogs\\"
#define REG_SORT REG_ROOT "Sort\\"
#define REG_ROUNDING REG_ROOT "Rounding\\"
#define REG_SYNC REG_ROOT "Sync\\"
#define REG_PROJECT_CENTRAL REG_ROOT "Project Central\\"
#define REG_REMIND REG_ROOT "Remind\\"
#define REG_AUTOREV REG_ROOT "Autorev\\"
#define REG_AUTOREV_GETFILE REG_ROOT "Autorev\\GetFile\\"
#define REG_COLUMNS_WIDTH REG_ROOT "Columns\\Width\\"
#define REG_COLUMNS_INDEX REG_ROOT "Columns\\Index\\"
// The column layout keys also exist without trailing backslash, as values' own keys.
#define REG_COLUMNS_VISIBLE_KEY REG_ROOT "Columns\\Visible"
#define REG_COLUMNS_WIDTH_KEY REG_ROOT "Columns\\Width"
#define REG_COLUMNS_INDEX_KEY REG_ROOT "Columns\\Index"
#define REG_QUICKBOOKS REG_ROOT "QuickBooks\\"
#define REG_LOGGING REG_ROOT "Logging\\"
#define REG_EXPORT REG_ROOT "Export\\"
#define REG_INACTIVITY REG_ROOT "Inactivity\\"
#define REG_INTERRUPT REG_ROOT "Interrupt\\"
#define REG_REPORTS REG_ROOT "Reports\\"
#define REG_QUICK_INFO REG_ROOT "Quick Info\\"
#define REG_RECENT_TASKS REG_ROOT "Recent tasks\\"
#define REG_TASK_VIEW_COLLAPSED REG_ROOT "Task View\\Collapsed\\"
#define REG_TIMESHEET_VIEW_EXPANDED REG_ROOT "Timesheet View\\Expanded\\"
#define REG_FILTER REG_ROOT "Filter\\"
#define REG_FILTER_PROJECT_TASKS REG_ROOT "Filter\\Project Tasks\\"
#define REG_FILTER_TIMESHEET REG_ROOT "Filter\\Timesheet\\"
// Settings of the sibling product: read only.
#define REG_CORVANTILE "Software\\Quillmere\\Corvantile\\"
#define REG_CORVANTILE_DATABASE "Software\\Quillmere\\Corvantile\\Database\\"

// The vendor key that holds the product's keys (and the sibling product's).
#define REG_VENDOR_ROOT "Software\\Quillmere\\"

// Two integers stored as one text "%d %d" (positions and sizes).
struct IntPair {
    int first = 0;
    int second = 0;
};

// ---- Fronts ----
// Readers return true on success. On failure: string → empty text; bool → false; pair → 0 0 (a first
// number that parsed is kept); int and long → the caller's preset is left unchanged; time → unchanged
// when the value is missing, 0 when its text is no date.
bool RegReadString(const char* key, const char* name, CString& out);
bool RegWriteString(const char* key, const char* name, const char* text);
bool RegReadInt(const char* key, const char* name, int* out);
bool RegWriteInt(const char* key, const char* name, int value);
bool RegWriteUnsigned(const char* key, const char* name, unsigned value);
bool RegReadLong(const char* key, const char* name, long* out);
bool RegWriteLong(const char* key, const char* name, long value);
bool RegReadBool(const char* key, const char* name, bool* out);
bool RegWriteBool(const char* key, const char* name, bool value);
bool RegReadIntPair(const char* key, const char* name, IntPair* out);
bool RegWriteIntPair(const char* key, const char* name, int first, int second);
bool RegReadTime(const char* key, const char* name, CTime* out);
bool RegWriteTime(const char* key, const char* name, CTime value);
bool RegWriteDuration(const char* key, const char* name, long seconds);
// Deletes the value; the key is created when it is missing.
bool RegRemoveValue(const char* key, const char* name);

// String read below HKEY_LOCAL_MACHINE; the key path is used as given. The key is opened for reading
// only, so this works for users without write access to the machine hive.
bool RegReadMachineString(const char* key, const char* name, CString& out);

// The registered owner and organization of the machine (Windows, then Windows NT keys).
bool GetRegisteredOwner(CString& owner, CString& organization);

// GetPrivateProfileStringA into a text of up to 1000 characters; out is cleared first. Returns the
// number of characters copied.
DWORD ReadIniString(const char* section, const char* key, const char* defaultText, CString& out,
                    const char* file);

// ---- Workers ----
namespace RegWorker {
bool ReadString(const CString& key, const CString& name, CString& out);
bool WriteString(const CString& key, const CString& name, const CString& text);
bool ReadInt(const CString& key, const CString& name, int* out);
bool WriteInt(const CString& key, const CString& name, int value);
bool WriteUnsigned(const CString& key, const CString& name, unsigned value);
bool ReadLong(const CString& key, const CString& name, long* out);
bool WriteLong(const CString& key, const CString& name, long value);
bool ReadBool(const CString& key, const CString& name, bool* out);
bool WriteBool(const CString& key, const CString& name, bool value);
bool ReadIntPair(const CString& key, const CString& name, IntPair* out);
bool WriteIntPair(const CString& key, const CString& name, int first, int second);
bool ReadTime(const CString& key, const CString& name, CTime* out);
bool WriteTime(const CString& key, const CString& name, CTime value);
bool WriteDuration(const CString& key, const CString& name, long seconds);
bool RemoveValue(const CString& key, const CString& name);
bool ReadMachineString(const CString& key, const CString& name, CString& out);
} // namespace RegWorker

// ---- Test support ----
// Redirects every key path below REG_VENDOR_ROOT to scratchRoot (a path below HKEY_CURRENT_USER, with
// or without trailing backslash) for the whole process, so that tests running side by side each work
// in their own tree. Null or "" ends the redirection.
void RegSetTestRoot(const char* scratchRoot);
// The key path that the layer actually opens for a caller's path (redirection applied, one trailing
// backslash removed).
CString RegResolveKeyPath(const char* key);
