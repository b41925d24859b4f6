// Making sure at start-up that the program has a usable data source. On the first run the database
// that the installation put into "Database tools" becomes the working database beside the program
// ("Brindlemark.mdb", an SQLite database) and the file data source "Brindlemark mdb" is created for it;
// later runs only test the configured data source. Where no installation provided the database, the
// program makes it itself with its own schema.
#pragma once

#include "framework/core/CString.h"

// True when the data source can be connected. Shows the data source message when it cannot.
bool SetupDefaultDatabase();
// Whether the named file data source connects; report shows a message when it does not.
bool TestFileDsn(const CString& name, bool report);
// One connection attempt to the named file data source (with the stored user and password);
// *sqlResult receives the driver manager's return code.
bool ConnectFileDsn(const char* name, short* sqlResult);
// Saves the named file data source for driver and database file, then confirms that it connects.
bool CreateFileDsn(const char* name, const char* driver, const char* databasePath);
// Creates a new database file at path holding every table of the program's schema, and records the
// program's version in it. Nothing is left at path when that fails.
bool CreateDatabaseTemplate(const char* path);
