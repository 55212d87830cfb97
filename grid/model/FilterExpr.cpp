#include "grid/model/FilterExpr.h"
#include "grid/model/TextRoutines.h"
#include "platform/Locale.h"
#include <vector>

namespace {
constexpr int Max_Operand = 255;
// Deeper groups than this are read as plain pieces, so that a hostile
// condition cannot exhaust the stack.
constexpr int Max_Group_Depth = 200;

// A whole-text floating point number ("." decimal point, optional exponent).
bool Strict_Float(const QString &Text, double &Value)
{
    const QString T = Text.trimmed();
    qsizetype I = 0;
    const qsizetype N = T.size();
    if (I < N && (T[I] == u'+' || T[I] == u'-'))
        ++I;
    qsizetype Digits = 0;
    while (I < N && T[I] >= u'0' && T[I] <= u'9') {
        ++I;
        ++Digits;
    }
    if (I < N && T[I] == u'.') {
        ++I;
        while (I < N && T[I] >= u'0' && T[I] <= u'9') {
            ++I;
            ++Digits;
        }
    }
    if (Digits == 0)
        return false;
    if (I < N && (T[I] == u'e' || T[I] == u'E')) {
        ++I;
        if (I < N && (T[I] == u'+' || T[I] == u'-'))
            ++I;
        qsizetype Exp = 0;
        while (I < N && T[I] >= u'0' && T[I] <= u'9') {
            ++I;
            ++Exp;
        }
        if (Exp == 0)
            return false;
    }
    if (I != N)
        return false;
    bool Ok = false;
    Value = T.toDouble(&Ok);
    return Ok;
}

// Three-way comparison of a cell value with an operand: as numbers when
// both are numbers (and not dates), as dates when both are locale dates,
// otherwise by character code over at most 255 characters.
int Compare_Values(const QString &Value, const QString &Operand)
{
    TDateTime VDate = 0, ODate = 0;
    const bool VIs_Date = ParseLocaleDateTime(Value, VDate);
    const bool OIs_Date = ParseLocaleDateTime(Operand, ODate);
    double VNum = 0, ONum = 0;
    const bool VOk = !VIs_Date && Strict_Float(CanonicalNumberText(Value), VNum);
    const bool OOk = !OIs_Date && Strict_Float(CanonicalNumberText(Operand), ONum);
    if (VOk && OOk)
        return VNum < ONum ? -1 : (VNum > ONum ? 1 : 0);
    if (VIs_Date && OIs_Date)
        return VDate < ODate ? -1 : (VDate > ODate ? 1 : 0);
    const int C = QStringView(Value).left(Max_Operand).compare(QStringView(Operand).left(Max_Operand), Qt::CaseSensitive);
    return C < 0 ? -1 : (C > 0 ? 1 : 0);
}

// The operand after an operator at Start (0-based): blanks skipped; a quoted
// operand runs to its closing quote, blanks and separators included; an
// unquoted one ends at a blank, "&" or "|".
QString Operand_At(const QString &Piece, qsizetype Start)
{
    qsizetype I = Start;
    while (I < Piece.size() && Piece[I] == u' ')
        ++I;
    QString Op;
    if (I < Piece.size() && Piece[I] == u'"') {
        ++I;
        while (I < Piece.size() && Piece[I] != u'"')
            Op += Piece[I++];
    } else {
        while (I < Piece.size() && Piece[I] != u' ' && Piece[I] != u'&' && Piece[I] != u'|')
            Op += Piece[I++];
        if (Op.endsWith(u'"'))
            Op.chop(1);
    }
    return Op.left(Max_Operand);
}

// Wildcard match, linear back-off: on a mismatch the last "*" takes one more
// character. Same answers as trying every tail, without exponential time.
bool Wildcard_Match(const QString &Pattern, const QString &Value)
{
    qsizetype P = 0, V = 0, Star = -1, Star_V = 0;
    const qsizetype PN = Pattern.size(), VN = Value.size();
    while (V < VN) {
        if (P < PN && Pattern[P] == u'*') {
            while (P < PN && Pattern[P] == u'*')
                ++P;
            Star = P;
            Star_V = V;
        } else if (P < PN && (Pattern[P] == u'?' || Pattern[P] == Value[V])) {
            ++P;
            ++V;
        } else if (Star >= 0) {
            P = Star;
            V = ++Star_V;
        } else {
            return false;
        }
    }
    while (P < PN && Pattern[P] == u'*')
        ++P;
    return P == PN;
}

bool Eval_Expression(QString S, const QString &Value, bool CaseSensitive, int Depth)
{
    bool Result = false;
    bool Have = false;
    QChar Last_Sep;
    auto Combine = [&](bool V) {
        if (!Have) {
            Result = V;
            Have = true;
        } else if (Last_Sep == u'(') {
            // The empty piece after a group carries no verdict.
        } else if (Last_Sep == u'&') {
            Result = Result && V;
        } else {
            Result = Result || V;
        }
    };
    const QString Separators = QStringLiteral("(;^&|");
    for (;;) {
        int Pos = -1;
        const QChar Sep = FindFirstUnquotedOf(Separators, S, Pos);
        if (Pos < 0)
            break;
        if (Sep == u'(' && S.startsWith(u'(') && Depth < Max_Group_Depth) {
            const int Close = MatchingParenPos(S);
            // An unmatched "(" opens a group that takes the rest of the condition.
            const QString Inner = Close > 0 ? S.mid(1, Close - 2) : S.mid(1);
            Combine(Eval_Expression(Inner, Value, CaseSensitive, Depth + 1));
            Last_Sep = u'(';
            S = Close > 0 ? S.mid(Close) : QString();
            continue;
        }
        Combine(MatchFilterPiece(S.left(Pos - 1), Value, CaseSensitive));
        Last_Sep = Sep;
        S.remove(0, Pos);
    }
    if (!(Last_Sep == u'(' && S.isEmpty()))
        Combine(MatchFilterPiece(S, Value, CaseSensitive));
    return Result;
}
} // namespace

QChar FindFirstUnquotedOf(const QString &Chars, const QString &Text, int &Pos)
{
    bool In_Quotes = false;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        const QChar C = Text[I];
        if (C == u'"') {
            In_Quotes = !In_Quotes;
            continue;
        }
        if (!In_Quotes && Chars.contains(C)) {
            Pos = static_cast<int>(I) + 1;
            return C;
        }
    }
    Pos = -1;
    return QChar(0);
}

int MatchingParenPos(const QString &Text)
{
    int Open = 0, Close = 0;
    for (qsizetype I = 0; I < Text.size(); ++I) {
        if (Text[I] == u'(')
            ++Open;
        else if (Text[I] == u')') {
            ++Close;
            if (Close == Open)
                return static_cast<int>(I) + 1;
        }
    }
    return 0;
}

QString RemoveUnquotedBlanks(const QString &Text)
{
    QString R;
    R.reserve(Text.size());
    bool In_Quotes = false;
    for (const QChar C : Text) {
        if (C == u'"')
            In_Quotes = !In_Quotes;
        if (C == u' ' && !In_Quotes)
            continue;
        R += C;
    }
    return R;
}

QString CanonicalNumberText(const QString &Text)
{
    const TFormatSettings &F = Format_Settings();
    QString R;
    R.reserve(Text.size());
    for (const QChar C : Text) {
        if (C == F.ThousandSeparator)
            continue;
        R += C == F.DecimalSeparator ? QChar(u'.') : C;
    }
    return R;
}

bool MatchFilterCondition(const QString &Piece, const QString &Value)
{
    const qsizetype Gt = Piece.indexOf(u'>');
    const qsizetype Lt = Piece.indexOf(u'<');
    const bool Not = Piece.contains(u'!');
    bool Greater = true, Less = true;
    bool Gt_Found = false, Lt_Found = false;
    if (Gt >= 0) {
        qsizetype Start = Gt + 1;
        const bool Or_Equal = Start < Piece.size() && Piece[Start] == u'=';
        if (Or_Equal)
            ++Start;
        const int C = Compare_Values(Value, Operand_At(Piece, Start));
        Greater = Or_Equal ? C >= 0 : C > 0;
        Gt_Found = true;
    }
    if (Lt >= 0) {
        qsizetype Start = Lt + 1;
        const bool Or_Equal = Start < Piece.size() && Piece[Start] == u'=';
        if (Or_Equal)
            ++Start;
        const int C = Compare_Values(Value, Operand_At(Piece, Start));
        Less = Or_Equal ? C <= 0 : C < 0;
        Lt_Found = true;
    }
    if (Not) {
        Gt_Found = Gt_Found || Gt < 0;
        Lt_Found = Lt_Found || Lt < 0;
    }
    if (Piece.contains(u'^') && (Gt_Found || Lt_Found))
        return Greater || Less;
    if (Piece.contains(u'&') && Gt_Found && Lt_Found)
        return Greater && Less;
    if (Gt >= 0 && Greater)
        return true;
    if (Lt >= 0 && Less)
        return true;
    // The pattern: "!" anywhere negates, double quotes are skipped.
    QString Pattern;
    Pattern.reserve(Piece.size());
    bool Negate = false;
    for (const QChar C : Piece) {
        if (C == u'!')
            Negate = true;
        else if (C != u'"')
            Pattern += C;
    }
    return Wildcard_Match(Pattern, Value) != Negate;
}

bool MatchFilterPiece(const QString &Piece, const QString &Value, bool CaseSensitive)
{
    if (CaseSensitive)
        return MatchFilterCondition(Piece, Value);
    return MatchFilterCondition(Piece.toUpper(), Value.toUpper());
}

bool MatchFilterExpression(const QString &Condition, const QString &Value, bool CaseSensitive)
{
    QString S = RemoveUnquotedBlanks(Condition.trimmed());
    if (S.startsWith(u'='))
        S.remove(0, 1);
    return Eval_Expression(S, Value, CaseSensitive, 0);
}
