// Numeric identifiers of the program's resources.
#pragma once

#define IDR_MAINFRAME 128

// Strings
#define IDS_APP_TITLE 57344
#define IDS_QUARTER_FORMAT 51555
