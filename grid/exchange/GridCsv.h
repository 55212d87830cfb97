#pragma once
#include "grid/exchange/ExchangeText.h"
#include "grid/model/GridSaveOptions.h"

// Delimiter-separated text (CSV) as the grid writes and reads it.
//
// Writing: one line per row, fields joined by the delimiter (a comma when
// none is set), lines ended by CR LF. Quotes inside a field are doubled; a
// field holding a quote is quoted; an empty one is written as "" when
// QuoteEmptyCells (^ with JavaCSV); a multi-line field is quoted with its
// line breaks as character 11 (the tilde with JavaCSV), or, when the field is
// quoted anyway, with raw line feeds. A field holding the delimiter, or
// beginning with a blank, is always quoted, so that it reads back whole.
//
// Reading follows RFC 4180: a quoted field may hold delimiters, doubled
// quotes and line breaks (each read as CR LF); character 11 (the tilde and ^
// with JavaCSV) becomes a line break again. Blanks before a field are
// dropped, text after a closing quote up to the next delimiter too. A quote
// never closed gives an empty field and the reading goes on at the next line.
// An empty last field that is not quoted is not stored. Nothing is ever a
// format error: malformed quoting yields what it can.
struct TCsvOptions {
    QChar Delimiter;              // null: comma when writing, guessed when reading
    bool AlwaysQuotes = false;
    bool QuoteEmptyCells = true;
    bool JavaCSV = false;
    bool OemConvert = false;      // texts in the OEM code page
    bool LoadFirstRow = true;     // false: the first record is a header and skipped
    static TCsvOptions From(const TGridSaveOptions &Save);
};

// The written form of one field (Delimiter is the one in use).
QString Csv_Field(const QString &Text, const TCsvOptions &Options, QChar Delimiter);

// The rows Range.Top..Range.Bottom, columns Range.Left..Range.Right, as CSV
// lines each ended by CR LF; the cells' texts come from Hooks.Save_Text.
QString Write_Csv(const TExchangeHooks &Hooks, const TCellRange &Range, const TCsvOptions &Options);
// Write_Csv's lines as a file's bytes, UTF-8 or Windows-1252, after Head
// (a byte-order mark, lines kept): the same bytes as encoding Write_Csv's
// text, built field by field without that text.
QByteArray Write_Csv_Bytes(const TExchangeHooks &Hooks, const TCellRange &Range, const TCsvOptions &Options, bool Utf8,
                           const QByteArray &Head = {});
// Writes (Append: after the lines the file holds, when it exists) UTF-8 with
// byte-order mark when Unicode, else Windows-1252.
TExchangeResult Save_Csv_File(const QString &Path, const TExchangeHooks &Hooks, const TCellRange &Range,
                              const TCsvOptions &Options, bool Unicode, bool Append);

// The delimiter of a file from its first two lines: the common ones (comma,
// semicolon, tab, vertical bar) first, by three passes each taking the first
// candidate that beats the best so far: the quote-aware count equal in both
// lines, the plain count equal in both, the plain count in either line; then
// the rare ones (# @ * - + &) the same way. Null when no candidate occurs.
QChar Guess_Csv_Delimiter(const QString &Line1, const QString &Line2);

// Parses Text into rows of fields (at most MaxRows records after the header
// skip when MaxRows > 0). *Used (when given) gets the delimiter used.
// esOutOfRange when a record has more fields than the grid's columns, or the
// text more records than its rows; esBadFormat "File is empty" for a text
// without any line.
TExchangeResult Parse_Csv(const QString &Text, const TCsvOptions &Options, int MaxRows, TParsedRows &Out,
                          QChar *Used = nullptr);
// Reads a file and parses it. An empty file (no byte) gives no rows and
// success: loading it changes nothing.
TExchangeResult Read_Csv_File(const QString &Path, const TCsvOptions &Options, int MaxRows, TParsedRows &Out);
TExchangeResult Parse_Csv_Bytes(const QByteArray &Bytes, const TCsvOptions &Options, int MaxRows, TParsedRows &Out);
