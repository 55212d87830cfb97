#pragma once
#include "platform/Colors.h"
#include "platform/DateTime.h"
#include <QPoint>
#include <QString>
#include <QStringList>

// Free routines on cell text shared by the whole grid family. Positions are
// 1-based with 0 for "not found". Locale-dependent routines read
// Format_Settings() at every call. None keeps state.

// ---- search and cutting ----------------------------------------------------
int PosVar(const QString &Sub, const QString &Text, int &Pos);
// Pos is written only when the character is found.
int CharPosVar(QChar Ch, const QString &Text, int &Pos);
int FirstCharPos(QChar Ch, const QString &Text);
// Sub is expected in upper case already.
int PosInUpperCase(const QString &Sub, const QString &Text);
int WidePos(const QString &Sub, const QString &Text);
// With the delimiter present: Field is the text before it; Text loses the
// field and the delimiter's first character. Without: Field empty, Text kept.
bool CutFirstField(QString &Text, const QString &Delimiter, QString &Field);
// Line is the text before the first CR; Text keeps what follows the CR (and
// one LF after it) only when KeepRest is set.
void CutFirstLine(QString &Text, bool KeepRest, QString &Line);
int CountLines(const QString &Text, bool MultiLine);
int CountChar(QChar Ch, const QString &Text);
// Where a run of Ch that is not closed by its pair ends: an odd run followed
// by another character answers its last position; an odd run at the end of
// the text answers the text length. 0 when every run is even.
int FindUnpairedChar(QChar Ch, const QString &Text, int &Pos);
// Number of unpaired runs; odd means a quoted field is still open.
int CountUnpairedChars(QChar Ch, const QString &Text);
QString ConcatStrings(const QStringList &List);
inline int IntMax(int A, int B) { return A > B ? A : B; }
inline int IntMin(int A, int B) { return A < B ? A : B; }
// A limit of 0 or less is no limit; equal limits mean no clamping.
int ClampToLimits(int Value, int Min, int Max);
// Any rectangle with Left/Top/Right/Bottom as inclusive cell indexes.
template <typename TGridRectLike>
bool GridRectContains(const TGridRectLike &R, int Col, int Row)
{
    return R.Left <= Col && Col <= R.Right && R.Top <= Row && Row <= R.Bottom;
}
// "R<row>C<col>" in any case: X = column, Y = row, answer 1; else 0 and Cell untouched.
int ParseRowColRef(const QString &Text, QPoint &Cell);

// ---- characters and quoting ------------------------------------------------
QString DoubleQuoteChars(const QString &Text);
QString UndoubleChar(QChar Ch, const QString &Text);
void FillWithChar(QString &Text, QChar Ch);
QString StripCR(const QString &Text);
QString CRToLF(const QString &Text);
void CRLFToLF(QString &Text);
QString ProperCase(const QString &Text);
// OEM code page (850) bytes stored as characters of the ANSI code page (1252)
// and back; the number of characters never changes.
void StringToOem(QString &Text);
void OemToString(QString &Text);

// ---- one-line forms of multi-line cell texts --------------------------------
// CSV and clipboard: CR LF -> character 11, then the whole text in double quotes.
QString QuoteMultiLineField(const QString &Text);
QString VTToCRLF(const QString &Text);
// Tilde form (JavaCSV): CR -> "~", LF dropped; back: "~" -> CR LF, "^" -> empty.
QString LineBreaksToTilde(const QString &Text);
QString TildeToLineBreaks(const QString &Text);
// Cell-record files: texts with a CR get CR -> 9, LF -> 8, 0 -> 1.
QString EncodeLineBreaks(const QString &Text);
// Texts with a character 8 are decoded; with MultiLine off only the first line stays.
QString DecodeLineBreaks(const QString &Text, bool MultiLine);
// INI values and header lists: CR -> backslash n, LF dropped; and back (to CR).
QString EscapeNewlines(const QString &Text);
QString UnescapeNewlines(const QString &Text);
// HTML export: texts with a CR get "<br>" for each CR (LF stays).
QString LineBreaksToBR(const QString &Text);

// ---- classification and numbers --------------------------------------------
enum : int { ctPlain = 0, ctMarkup = 1, ctRichText = 2, ctFormula = 3, ctWideEscaped = 5 };
int ClassifyCellText(const QString &Text, bool MarkupEnabled);
bool IsNumberChar(QChar Ch);
enum : int { ntInteger = 0, ntDecimal = 1, ntNotNumber = 2, ntExponent = 5 };
int ClassifyNumberText(const QString &Text);
// A plain number text with "." as decimal point and no thousand separators:
// '(1,234.50)' -> '-1234.50', 'EUR 12.5' -> '12.5'.
QString NormalizeNumberText(const QString &Text);
bool LooksLikeDate(const QString &Text);

// ---- dates --------------------------------------------------------------------
// 0 when the text has no month-day-year (day-month-year) form; raise
// EConvertError for an impossible date. Two-digit years: 0..25 -> 2000..2025,
// else 1900 + year; longer years are kept as typed.
TDateTime ParseDateMDY(const QString &Text);
TDateTime ParseDateDMY(const QString &Text);
// A date in the short date format's order with an optional time (h:n[:s]).
bool ParseLocaleDateTime(const QString &Text, TDateTime &DateTime);
// The next date of a series fill. A month or year step keeps the day when the
// target month has it and otherwise takes the month's last day.
TDateTime IncDateBy(short Years, short Months, short Days, TDateTime Date, double Step);

// ---- wide text, URLs, clipboard ----------------------------------------------
QString EncodeWideText(const QString &Text);
QString DecodeWideText(const QString &Text);
bool ContainsURL(const QString &Text);
void StripURLScheme(QString &Text);
bool LinkifyURL(const QString &Text, const QString &UpperPrefix, QString &Result);
QString ColorToHexRGB(TColor Color);
// The clipboard's HTML envelope around a fragment; the offsets in its header
// count bytes of the UTF-8 encoding the envelope declares.
void MakeHTMLClipboardData(QString &Fragment);
