// strftime-style formatting of a broken-down time, shared by the time classes.
#pragma once

#include "framework/core/AfxDefs.h"

#include <ctime>
#include <string>

// Formats tm with the runtime's strftime, one code at a time. Codes: a A b B c d H I j m M p S U w W x
// X y Y z Z %, each optionally with the '#' flag; any other code is copied as text, so a format never
// reaches the runtime's invalid-parameter handling. Years from 100 to 9999 are formatted, including
// those before 1900 that strftime itself refuses. tm_wday and tm_yday must be filled in.
std::string AfxFormatTm(const struct tm& value, const char* format);
