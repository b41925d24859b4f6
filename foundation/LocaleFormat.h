// Locale-aware formatting and parsing of numbers, amounts, durations, dates and times, and the
// conversions used by the OLE DB consumers. Everything follows the user's (thread) locale.
#pragma once

#include "framework/core/AfxDefs.h"
#include "framework/core/CString.h"

#include <oledb.h> // DBTIMESTAMP, DB_NUMERIC

class CTime;
class COleDateTime;

// Option bits of AcxFormatNumber and FormatCurrency.
constexpr DWORD ACXFMT_STRIPZEROS = 0x1; // drop trailing zeros of the decimals (and a bare point)
constexpr DWORD ACXFMT_GROUPING = 0x2;   // group thousands (AcxFormatNumber only)

// Fills the number format of the formatting layer from the thread locale and reads the frequency of the
// high-resolution counter. Called once at program start (the formatters call it themselves when the
// start-up did not).
void AcxInitFormatting();
// Frequency of the high-resolution counter read by AcxInitFormatting (0 before it ran).
LONGLONG AcxGetCounterFrequency();
// Fills the shared number and currency format cache once; safe to call from any thread.
void InitLocaleFormats();

// The value with `decimals` decimals in the locale's number form; infinity and NaN give "".
CString AcxFormatNumber(double value, int decimals, DWORD flags = 0);
// The value in the locale's currency form with `decimals` decimals (at least the locale's number of
// digits are kept when more are asked for); infinity and NaN give "".
CString FormatCurrency(double value, int decimals, DWORD flags = 0);

// Durations. Codes: %D days, %H %M %S two-digit hours/minutes/seconds of the day/hour/minute, %h %m %s
// the same without padding, %a %o %i %e the unit words, %f decimal hours; any other character after
// '%' stands for itself.
CString AcxFormatDuration(long seconds, const char* format);
// Picks the format by magnitude: days, hours, minutes or seconds first.
CString AcxFormatDurationAuto(long seconds);
// The format is string resource formatId.
CString AcxFormatDurationRes(long seconds, UINT formatId);

// Dates and times. An invalid time gives "". AcxFormatTime takes a value below 86,400 as seconds after
// midnight.
CString AcxFormatDate(CTime time, DWORD flags = DATE_SHORTDATE);
CString AcxFormatTime(CTime time, DWORD flags = 0);
CString AcxFormatDateTime(CTime time);
CString FormatMonthYear(CTime time);
CString FormatQuarter(CTime time);

// Parses typed or stored date/time text in the user's locale. A text holding no date (its value lies on
// the zero date, 30 December 1899) gives that time today. A date that a CTime cannot hold (before 1970,
// such as 1/5/202, or after 3000) is a failure. On failure *out is 0 and the result false. flags is not
// used.
bool AcxParseDateTime(const char* text, CTime* out, DWORD flags = 0);
// Parses a number in the locale's form (group separators allowed, '-' or '(' before the number makes it
// negative; text after the number is ignored). False, and *out unchanged, when the text holds no digit
// before or after the first decimal separator, or when the number does not fit a finite double.
bool ParseLocaleDouble(const CString& text, double* out);
// Converts plain digits with at most one point ("12", "12.5", ".5", "12.") into the nearest double. False,
// and *out unchanged, for any other text (no digit, a sign, an exponent) or a number that does not fit a
// finite double.
bool DecimalDigitsToDouble(const char* first, const char* last, double* out);
// The run of decimal digits after leading blanks into *out (when not null). False, and *out unchanged,
// when there is no digit there or the number is larger than INT_MAX.
bool ReadLeadingInt(const CString& text, int* out);
// The run of decimal digits after leading blanks; 0 when there is none or it is larger than INT_MAX.
int ParseLeadingInt(const CString& text);

CString LongToString(long value);
void FormatLong(long value, CString& out);

// Locale information as text, or as the integer value of that text.
CString AcxGetLocaleString(LCID locale, LCTYPE type);
int AcxGetLocaleInt(LCID locale, LCTYPE type);
// Locale information (up to 1000 characters) into out; returns its length.
int GetLocaleInfoString(LCID locale, LCTYPE type, CString& out);
// The same for the thread locale.
CString GetLocaleInfoString(LCTYPE type);

// COleDateTime to CTime; a value on the zero date (30 December 1899) holds only a time and gives that
// time today; an invalid value or a date that a CTime cannot hold gives 0.
CTime OleDateToTime(const COleDateTime& date);

// OLE DB time stamps. Years outside what CTime holds are clamped into its range; year 0 gives 0.
CTime DbTimestampToTime(const DBTIMESTAMP& stamp);
DBTIMESTAMP& TimeToDbTimestamp(CTime time, bool dateOnly, DBTIMESTAMP& out);

// OLE DB numerics: scale 4, sign 1 for values >= 0 and 0 for negative ones, the magnitude in the value
// bytes (little-endian).
double NumericToDouble(const DB_NUMERIC& numeric);
DB_NUMERIC& DoubleToNumeric(double value, DB_NUMERIC& out);

// Moves time by whole calendar days, keeping its time of day across daylight-saving changes.
void AddDaysToTime(CTime& time, int days);
