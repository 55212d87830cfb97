#pragma once
#include <QString>
#include <stdexcept>

// Dates as the grid stores and compares them: days since 1899-12-30 as a
// double, the time of day in the fraction (0.5 is noon). Whole days before
// the epoch are negative; their fraction still counts forward from midnight.
using TDateTime = double;

// Raised when a date or time cannot be encoded (31 February, hour 24 ...) and
// by the strict text readers below. The message names what failed.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

bool Is_Leap_Year(int Year);
// 28..31; 0 for a month outside 1..12.
int Days_In_Month(int Year, int Month);

// Years 1..9999, months 1..12, days within the month; otherwise raise.
TDateTime Encode_Date(int Year, int Month, int Day);
// Hours 0..23, minutes and seconds 0..59, milliseconds 0..999; otherwise raise.
TDateTime Encode_Time(int Hour, int Min, int Sec, int MSec);
// The same without raising: false and Date untouched on invalid arguments.
bool Try_Encode_Date(int Year, int Month, int Day, TDateTime &Date);
bool Try_Encode_Time(int Hour, int Min, int Sec, int MSec, TDateTime &Time);

void Decode_Date(TDateTime Date, int &Year, int &Month, int &Day);
// Rounded to the nearest millisecond.
void Decode_Time(TDateTime Time, int &Hour, int &Min, int &Sec, int &MSec);

// The whole-day part (towards zero, as the platform's date routines do) and
// the time of day part (always 0 <= t < 1).
inline double Date_Part(TDateTime D) { return D < 0 ? -static_cast<double>(static_cast<long long>(-D)) : static_cast<double>(static_cast<long long>(D)); }
double Time_Part(TDateTime D);
// Combines a date and a time of day as the platform does for dates before
// the epoch (the time counts forward from that day's midnight).
TDateTime Combine_Date_Time(TDateTime Date, TDateTime Time);

// Formats with the platform's date-time pattern notation, reading the
// separators and names from Format_Settings():
//   d dd ddd dddd   day, two-digit day, short and long day name
//   m mm mmm mmmm   month (minutes when it follows h or hh), names
//   yy yyyy         year
//   h hh n nn s ss z zzz   hour, minutes, seconds, milliseconds
//   am/pm a/p ampm  twelve-hour clock with the given or the locale's markers
//   c               short date format then long time format
//   /  :            date and time separator
//   "..." '...'     literal text
// An empty pattern means "c". Letter case of the pattern letters is ignored.
QString Format_Date_Time(const QString &Pattern, TDateTime Value);
// Short date format, long time format; the time is left out at midnight.
QString Date_Time_To_Str(TDateTime Value);
QString Date_To_Str(TDateTime Value);
QString Time_To_Str(TDateTime Value);

// Reads a date in the order of the short date format (day, month and year
// fields separated by the date separator; a missing year is the current
// year; a two-digit year is widened into the window 1950..2049), optionally
// followed by a time (h:n[:s] with an optional AM/PM marker).
bool Try_Str_To_Date_Time(const QString &Text, TDateTime &Value);
bool Try_Str_To_Date(const QString &Text, TDateTime &Value);
// Raising versions ("'<text>' is not a valid date").
TDateTime Str_To_Date(const QString &Text);
TDateTime Str_To_Date_Time(const QString &Text);
