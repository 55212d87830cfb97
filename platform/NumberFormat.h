#pragma once
#include <QString>

// Number texts in the platform's notations, with the separators of
// Format_Settings().

// General form: up to 15 significant digits, an exponent ("1E20", "1E-5")
// only for very large or small values.
QString Float_To_Str(double Value);

// Picture formats:  "0" digit, "#" optional digit, "." decimal point,
// "," anywhere among the digits: thousand separators, "E+00"/"E-00"
// scientific, '...' and "..." literal text; up to three sections
// "positive;negative;zero". An empty format gives Float_To_Str.
QString Format_Float(const QString &Format, double Value);

// printf-like directives with one argument: %[-][width][.precision]type with
// d, u, x (integers only), e, f, g, n (thousand separators), m (as n) and s;
// "%%" is a percent sign. A directive that does not suit the argument
// (an integer directive with a fractional value) raises EConvertError.
QString Format_Number(const QString &Format, double Value);
QString Format_Integer(const QString &Format, long long Value);
