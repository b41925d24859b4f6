// The program's ODBC file data sources. A data source is named in the settings ("Database\DataSource");
// its file is kept beside the program ("<program folder>\<name>.dsn") and always handed to the driver
// manager by its full path, so that no system-wide data source folder is needed. A name that is
// already a path is used as it is.
#pragma once

#include "framework/core/CString.h"

// The data source the program uses when none is set.
#define DEFAULT_DATA_SOURCE "Brindlemark mdb"
// The database file of the default data source, in the program folder.
#define DEFAULT_DATABASE_FILE "Brindlemark.mdb"

// The file of a named data source; "" for "".
CString GetFileDsnPath(const char* name);
// The "DataSource" setting as stored ("" when the default is in use).
CString GetDataSourceSetting();
// ";UID=<user>;PWD=<password>" from the stored user name and password, or "" when no password is
// stored.
CString GetStoredCredentials();
// The ODBC driver that opens the program's own database files.
CString GetDefaultDriverName();
// A value for a connection string, in braces when it holds characters that would end it.
CString ConnectValue(const char* value);
