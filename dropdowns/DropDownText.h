#pragma once
#include <QChar>
#include <QString>
#include <cstdint>

// Text and number helpers of the drop-down editors' typed input and item
// lookups (Core only). Locale-dependent helpers read Format_Settings() at
// every call.

// The separators of a range text ("1-5;8,10").
bool IsRangeSeparator(QChar Ch);

// What a typed value can still be read as.
enum : int { vtInteger = 0, vtDecimal = 1, vtNoNumber = 2, vtHexadecimal = 5 };
// Each character rules possibilities out: an integer holds digits and "-";
// a decimal number digits, "-" and the locale's thousand and decimal
// separators, no thousand separator at the very start and none closer than
// three positions after the one before; a hexadecimal number digits, "-" and
// A-F in either case. The first that remains answers, in the order integer,
// decimal, hexadecimal; none (also for an empty text, more than one "-" or
// more than one decimal separator) answers vtNoNumber.
int ClassifyValueText(const QString &Text);

// The text without any of the locale's thousand separators.
QString StripThousandSeparators(const QString &Text);

// "0"-"9" 0-9, "A"-"F" and "a"-"f" 10-15, any other character 0.
int HexDigitValue(QChar Ch);
// Digit values weighted by powers of 16 from the last character, in 32-bit
// arithmetic (long texts wrap around); characters that are no hexadecimal
// digit count as 0, a "-" included.
std::int32_t HexToInt(const QString &Text);

// The key item lookups compare: the text itself with MatchCase, else its
// upper-case form.
QString CaseKey(const QString &Text, bool MatchCase);

// A number as the drop-down edits show it: Precision decimals (0: as many
// as it needs, up to 15 digits), with the locale's decimal separator.
QString DropDown_Float_Text(double V, int Precision);
