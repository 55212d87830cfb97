#pragma once
#include "grid/exchange/ExchangeText.h"
#include <functional>
#include <vector>

// Plain text for people (columns aligned in blanks) and fixed-width records
// (caller-given widths on writing, caller-given positions on reading).

// How a cell's text sits in its column of the aligned text.
enum TTextAlign { taLeftText, taRightText, taCenterText };

// One column of the aligned text: its grid column and its width in
// characters (the longest text line of the column among the rows written).
// Every field takes its width plus one blank; a text is aligned in its width
// by right alignment (blanks in front until the width is reached) or centring
// (one blank on each side until it is reached or passed). Any number of
// columns, of any width.
QString Align_In_Width(const QString &Text, int Width, TTextAlign Align);
// The lines of rows Top..Bottom over Cols (grid columns, in writing order).
// With MultiLine a text's further lines go on continuation lines, each at its
// column's place. Align may be empty (all left).
QStringList Write_Aligned_Lines(const TExchangeHooks &Hooks, const std::vector<int> &Cols, int Top, int Bottom,
                                const std::function<TTextAlign(int C, int R)> &Align, bool MultiLine);
// The longest line (in characters) of the column's texts in rows Top..Bottom.
int Longest_Text_Line(const TExchangeHooks &Hooks, int Col, int Top, int Bottom);

// Fixed-width records: column i of Cols takes Widths[i] characters (cut or
// padded with blanks). Widths missing from the list are added to it as the
// column's longest line + 1. A text's line breaks become blanks, so every row
// is one line.
QStringList Write_Fixed_Lines(const TExchangeHooks &Hooks, const std::vector<int> &Cols, int Top, int Bottom,
                              std::vector<int> &Widths);

// Reading fixed-width records: Positions (1-based character positions,
// sorted in place) define Positions.size() - 1 fields, field k from
// position k up to the character before position k + 1; a shorter line
// gives fewer characters. DoTrim trims blanks at both ends. At most MaxRows
// lines when MaxRows > 0. esOutOfRange when there would be more fields than
// a grid's columns or more lines than its rows.
TExchangeResult Parse_Fixed(const QString &Text, std::vector<int> &Positions, bool DoTrim, int MaxRows,
                            TParsedRows &Out);
TExchangeResult Read_Fixed_File(const QString &Path, std::vector<int> &Positions, bool DoTrim, int MaxRows,
                                TParsedRows &Out);

// A cell text as a number the way the grid reads one: empty is 0; otherwise
// the normalised text (signs, brackets, thousand separators, the locale's
// decimal separator) must be a number as a whole. False with the 1-based
// position where the reading stopped in ErrorPos.
bool Cell_Text_To_Real(const QString &Text, double &Value, int &ErrorPos);
