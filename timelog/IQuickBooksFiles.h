// What the time log asks of QuickBooks IIF files when it logs entries to QuickBooks: the company's list
// file (loaded once, for the names) and the time file that receives one time-activity row per entry.
// The accounting export's IIF file object implements it and registers once at start
// (SetQuickBooksFiles). Without it no IIF file can be read or written, so logging to QuickBooks fails
// and the entries wait in the document's QuickBooks queue.
#pragma once

class CLogDoc;
class CLogEntry;

class IQuickBooksFiles {
public:
    virtual ~IQuickBooksFiles() = default;

    // Loads and parses the company's list file; names are then resolved against doc. False when it could
    // not be loaded (GetLastError tells why).
    virtual bool LoadListFile(const char* path, CLogDoc& doc) = 0;
    // A list file is loaded.
    virtual bool IsListFileOpen() const = 0;
    // Makes a new time file with the time header of the loaded list file.
    virtual bool CreateTimeFile(const char* timePath) = 0;
    // Loads the time file, appends the entry's time-activity row (value passed on, an empty text) and
    // saves it; false when the load or the save failed.
    virtual bool AddTimeActivity(const char* timePath, CLogEntry& entry, int value) = 0;
    // Loads the time file, deletes the time-activity row whose GUID column is guid and saves it; false
    // when the load or the save failed.
    virtual bool RemoveTimeActivity(const char* timePath, const char* guid) = 0;
};

// The registered IIF files, or nullptr.
IQuickBooksFiles* GetQuickBooksFiles();
// Registers them (nullptr when they go).
void SetQuickBooksFiles(IQuickBooksFiles* pFiles);
