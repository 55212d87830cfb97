#pragma once
#include <QString>
#include <memory>
#include <vector>

// The condition language of the grid's filter and expression find:
//   '>=10&<20'   comparisons (numbers, locale dates, else texts by code)
//   'A*|B?'      wildcard patterns ("*" any run, "?" one character)
//   '!*x*'       negation
//   '(<5|>100)&!50'  groups; "&" is AND, "|", ";" and "^" are OR, strictly
//                left to right without precedence
//   '"a|b"'      double quotes protect separators and blanks
//   '=abc'       a leading "=" is dropped ("exactly abc")
// Evaluation always finishes: an unmatched "(" takes the rest of the
// condition as its group, and patterns are matched without backtracking
// blow-up.

bool MatchFilterExpression(const QString &Condition, const QString &Value, bool CaseSensitive);
// One piece without top-level separators; without CaseSensitive both texts
// are upper-cased first.
bool MatchFilterPiece(const QString &Piece, const QString &Value, bool CaseSensitive);
// One piece compared character by character.
bool MatchFilterCondition(const QString &Piece, const QString &Value);

// The first character of Text in Chars that stands outside double quotes and
// its 1-based position; the character 0 and position -1 when none.
QChar FindFirstUnquotedOf(const QString &Chars, const QString &Text, int &Pos);
// 1-based position of the ")" that closes the count of "(" seen so far; 0 when none.
int MatchingParenPos(const QString &Text);
QString RemoveUnquotedBlanks(const QString &Text);
// Thousand separators removed, decimal separators turned into ".".
QString CanonicalNumberText(const QString &Text);

// A condition read once and then tested against many values with the same
// answers as MatchFilterExpression, without reading the condition again or
// upper-casing a copy of each value (letter case is ignored unit by unit,
// see CaseBlind.h). The operands of comparisons are read as numbers and
// dates with the formats in force when the condition is compiled, so a
// compiled condition serves one pass over the rows.
class TFilterExpr {
public:
    TFilterExpr(const QString &Condition, bool CaseSensitive);
    ~TFilterExpr();
    TFilterExpr(TFilterExpr &&) noexcept;
    TFilterExpr &operator=(TFilterExpr &&) noexcept;
    bool Matches(QStringView Value) const;

    struct TGroup;
    struct TPiece;

private:
    bool FCaseSensitive;
    std::unique_ptr<TGroup> FRoot;
};
