#include "grid/model/FilterExpr.h"
#include "grid/model/CaseBlind.h"
#include "grid/model/TextRoutines.h"
#include "platform/Locale.h"
#include <optional>
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
template <bool Fold> bool Wildcard_View(QStringView Pattern, QStringView Value);

bool Wildcard_Match(const QString &Pattern, const QString &Value)
{
    return Wildcard_View<false>(Pattern, Value);
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

// --- the compiled condition ----------------------------------------------------------------

namespace {
// A comparison's operand with its number and date readings made once.
struct TOperand {
    QString Text;
    bool Is_Date = false;
    TDateTime Date = 0;
    bool Is_Number = false;
    double Number = 0;
};

TOperand Make_Operand(const QString &Text)
{
    TOperand O;
    O.Text = Text;
    O.Is_Date = ParseLocaleDateTime(Text, O.Date);
    O.Is_Number = !O.Is_Date && Strict_Float(CanonicalNumberText(Text), O.Number);
    return O;
}

// Compare_Values with the operand's side read already.
int Compare_With(const QString &Value, const TOperand &O)
{
    TDateTime VDate = 0;
    const bool VIs_Date = ParseLocaleDateTime(Value, VDate);
    double VNum = 0;
    const bool VOk = !VIs_Date && Strict_Float(CanonicalNumberText(Value), VNum);
    if (VOk && O.Is_Number)
        return VNum < O.Number ? -1 : (VNum > O.Number ? 1 : 0);
    if (VIs_Date && O.Is_Date)
        return VDate < O.Date ? -1 : (VDate > O.Date ? 1 : 0);
    const int C = QStringView(Value).left(Max_Operand).compare(QStringView(O.Text).left(Max_Operand), Qt::CaseSensitive);
    return C < 0 ? -1 : (C > 0 ? 1 : 0);
}

// The shapes of pattern the rows are tested against most: answered by one
// search instead of the general walk.
enum TPattern_Kind { pkExact, pkPrefix, pkSuffix, pkContains, pkGeneral };

template <bool Fold> bool Unit_Equal(char16_t Value_Unit, char16_t Pattern_Unit)
{
    return (Fold ? Upper_Unit(Value_Unit) : Value_Unit) == Pattern_Unit;
}

// The wildcard walk over views; with Fold the value's units are upper-cased
// one by one (the value is simple, the pattern upper-cased already).
template <bool Fold> bool Wildcard_View(QStringView Pattern, QStringView Value)
{
    qsizetype P = 0, V = 0, Star = -1, Star_V = 0;
    const qsizetype PN = Pattern.size(), VN = Value.size();
    const char16_t *Pt = Pattern.utf16();
    const char16_t *Vt = Value.utf16();
    while (V < VN) {
        if (P < PN && Pt[P] == u'*') {
            while (P < PN && Pt[P] == u'*')
                ++P;
            Star = P;
            Star_V = V;
        } else if (P < PN && (Pt[P] == u'?' || Unit_Equal<Fold>(Vt[V], Pt[P]))) {
            ++P;
            ++V;
        } else if (Star >= 0) {
            P = Star;
            V = ++Star_V;
        } else {
            return false;
        }
    }
    while (P < PN && Pt[P] == u'*')
        ++P;
    return P == PN;
}

template <bool Fold> bool Equal_View(QStringView Value, QStringView Literal)
{
    if constexpr (Fold)
        return Upper_Equals(Value, Literal);
    else
        return Value == Literal;
}

template <bool Fold> bool Pattern_Matches(TPattern_Kind Kind, QStringView Pattern, QStringView Literal, QStringView Value)
{
    const qsizetype M = Literal.size();
    switch (Kind) {
    case pkExact: return Equal_View<Fold>(Value, Literal);
    case pkPrefix: return Value.size() >= M && Equal_View<Fold>(Value.left(M), Literal);
    case pkSuffix: return Value.size() >= M && Equal_View<Fold>(Value.right(M), Literal);
    case pkContains:
        if constexpr (Fold)
            return Upper_Index_Of(Value, Literal) >= 0;
        else
            return Value.contains(Literal);
    case pkGeneral: break;
    }
    return Wildcard_View<Fold>(Pattern, Value);
}

// (, ;, ^, & or | outside double quotes: the 1-based position, -1 when none.
qsizetype Find_Separator(QStringView S, QChar &Sep)
{
    bool In_Quotes = false;
    for (qsizetype I = 0; I < S.size(); ++I) {
        const QChar C = S[I];
        if (C == u'"') {
            In_Quotes = !In_Quotes;
            continue;
        }
        if (!In_Quotes && (C == u'(' || C == u';' || C == u'^' || C == u'&' || C == u'|')) {
            Sep = C;
            return I + 1;
        }
    }
    return -1;
}

qsizetype Matching_Paren(QStringView S)
{
    qsizetype Open = 0, Close = 0;
    for (qsizetype I = 0; I < S.size(); ++I) {
        if (S[I] == u'(')
            ++Open;
        else if (S[I] == u')') {
            ++Close;
            if (Close == Open)
                return I + 1;
        }
    }
    return 0;
}
} // namespace

struct TFilterExpr::TPiece {
    // MatchFilterCondition's reading of the piece, made once.
    qsizetype Gt = -1, Lt = -1;
    bool Gt_Or_Equal = false, Lt_Or_Equal = false;
    TOperand Gt_Operand, Lt_Operand;
    bool Not = false, Caret = false, Amp = false;
    QString Pattern;   // quotes and "!" taken out
    bool Negate = false;
    TPattern_Kind Kind = pkGeneral;
    QString Literal;   // the pattern without its outer stars (all but pkGeneral)
};

struct TFilterExpr::TGroup {
    // How a step's verdict joins the verdicts before it: the first sets it,
    // then "&" ands and every other separator ors (steps that carry no
    // verdict, the piece right after a group, are left out).
    enum TJoin { jFirst, jAnd, jOr };
    struct TStep {
        TJoin Join = jFirst;
        std::unique_ptr<TPiece> Piece;
        std::unique_ptr<TGroup> Group;
    };
    std::vector<TStep> Steps;
};

namespace {
std::unique_ptr<TFilterExpr::TPiece> Compile_Piece(const QString &Raw, bool CaseSensitive)
{
    auto P = std::make_unique<TFilterExpr::TPiece>();
    const QString Piece = CaseSensitive ? Raw : Raw.toUpper();
    P->Gt = Piece.indexOf(u'>');
    P->Lt = Piece.indexOf(u'<');
    P->Not = Piece.contains(u'!');
    P->Caret = Piece.contains(u'^');
    P->Amp = Piece.contains(u'&');
    if (P->Gt >= 0) {
        qsizetype Start = P->Gt + 1;
        P->Gt_Or_Equal = Start < Piece.size() && Piece[Start] == u'=';
        P->Gt_Operand = Make_Operand(Operand_At(Piece, P->Gt_Or_Equal ? Start + 1 : Start));
    }
    if (P->Lt >= 0) {
        qsizetype Start = P->Lt + 1;
        P->Lt_Or_Equal = Start < Piece.size() && Piece[Start] == u'=';
        P->Lt_Operand = Make_Operand(Operand_At(Piece, P->Lt_Or_Equal ? Start + 1 : Start));
    }
    P->Pattern.reserve(Piece.size());
    for (const QChar C : Piece) {
        if (C == u'!')
            P->Negate = true;
        else if (C != u'"')
            P->Pattern += C;
    }
    // The shape: stars only at the ends and no "?" make it one search.
    const QStringView Pt(P->Pattern);
    qsizetype Lead = 0, Trail = 0;
    while (Lead < Pt.size() && Pt[Lead] == u'*')
        ++Lead;
    while (Trail < Pt.size() - Lead && Pt[Pt.size() - 1 - Trail] == u'*')
        ++Trail;
    const QStringView Core = Pt.mid(Lead, Pt.size() - Lead - Trail);
    if (!Core.contains(u'*') && !Core.contains(u'?')) {
        P->Literal = Core.toString();
        P->Kind = Lead && Trail ? pkContains : (Lead ? pkSuffix : (Trail ? pkPrefix : pkExact));
        if (Lead && !Trail && Core.isEmpty())
            P->Kind = pkContains;   // stars only: every value
    }
    return P;
}

std::unique_ptr<TFilterExpr::TGroup> Compile_Group(QStringView S, bool CaseSensitive, int Depth)
{
    // The same walk as Eval_Expression, recording the steps instead of
    // taking their verdicts.
    using TGroup = TFilterExpr::TGroup;
    auto G = std::make_unique<TGroup>();
    bool Have = false;
    QChar Last_Sep;
    auto Join = [&]() -> std::optional<TGroup::TJoin> {
        if (!Have) {
            Have = true;
            return TGroup::jFirst;
        }
        if (Last_Sep == u'(')
            return std::nullopt;
        return Last_Sep == u'&' ? TGroup::jAnd : TGroup::jOr;
    };
    auto Add_Piece = [&](QStringView Piece) {
        if (const auto J = Join()) {
            TGroup::TStep Step;
            Step.Join = *J;
            Step.Piece = Compile_Piece(Piece.toString(), CaseSensitive);
            G->Steps.push_back(std::move(Step));
        }
    };
    for (;;) {
        QChar Sep;
        const qsizetype Pos = Find_Separator(S, Sep);
        if (Pos < 0)
            break;
        if (Sep == u'(' && S.startsWith(u'(') && Depth < Max_Group_Depth) {
            const qsizetype Close = Matching_Paren(S);
            if (const auto J = Join()) {
                TGroup::TStep Step;
                Step.Join = *J;
                Step.Group = Compile_Group(Close > 0 ? S.mid(1, Close - 2) : S.mid(1), CaseSensitive, Depth + 1);
                G->Steps.push_back(std::move(Step));
            }
            Last_Sep = u'(';
            S = Close > 0 ? S.mid(Close) : QStringView();
            continue;
        }
        Add_Piece(S.left(Pos - 1));
        Last_Sep = Sep;
        S = S.mid(Pos);
    }
    if (!(Last_Sep == u'(' && S.isEmpty()))
        Add_Piece(S);
    return G;
}

// One value under test: its upper-cased copy is made only when a
// comparison or a non-simple text needs it.
struct TValue {
    QStringView View;
    bool Case_Sensitive = true;
    mutable int Simple = -1;
    mutable bool Have_Text = false;
    mutable QString Text;   // the value as MatchFilterCondition sees it

    const QString &As_Text() const
    {
        if (!Have_Text) {
            Text = Case_Sensitive ? View.toString() : View.toString().toUpper();
            Have_Text = true;
        }
        return Text;
    }
    bool Is_Simple() const
    {
        if (Simple < 0)
            Simple = Upper_Is_Simple(View) ? 1 : 0;
        return Simple == 1;
    }
};

bool Piece_Matches(const TFilterExpr::TPiece &P, const TValue &V)
{
    bool Greater = true, Less = true;
    bool Gt_Found = false, Lt_Found = false;
    if (P.Gt >= 0) {
        const int C = Compare_With(V.As_Text(), P.Gt_Operand);
        Greater = P.Gt_Or_Equal ? C >= 0 : C > 0;
        Gt_Found = true;
    }
    if (P.Lt >= 0) {
        const int C = Compare_With(V.As_Text(), P.Lt_Operand);
        Less = P.Lt_Or_Equal ? C <= 0 : C < 0;
        Lt_Found = true;
    }
    if (P.Not) {
        Gt_Found = Gt_Found || P.Gt < 0;
        Lt_Found = Lt_Found || P.Lt < 0;
    }
    if (P.Caret && (Gt_Found || Lt_Found))
        return Greater || Less;
    if (P.Amp && Gt_Found && Lt_Found)
        return Greater && Less;
    if (P.Gt >= 0 && Greater)
        return true;
    if (P.Lt >= 0 && Less)
        return true;
    bool M;
    if (V.Case_Sensitive)
        M = Pattern_Matches<false>(P.Kind, P.Pattern, P.Literal, V.View);
    else if (V.Is_Simple())
        M = Pattern_Matches<true>(P.Kind, P.Pattern, P.Literal, V.View);
    else
        M = Pattern_Matches<false>(P.Kind, P.Pattern, P.Literal, V.As_Text());
    return M != P.Negate;
}

bool Group_Matches(const TFilterExpr::TGroup &G, const TValue &V)
{
    bool Result = false;
    for (const TFilterExpr::TGroup::TStep &S : G.Steps) {
        if ((S.Join == TFilterExpr::TGroup::jAnd && !Result) || (S.Join == TFilterExpr::TGroup::jOr && Result))
            continue;
        Result = S.Piece ? Piece_Matches(*S.Piece, V) : Group_Matches(*S.Group, V);
    }
    return Result;
}
} // namespace

TFilterExpr::TFilterExpr(const QString &Condition, bool CaseSensitive) : FCaseSensitive(CaseSensitive)
{
    QString S = RemoveUnquotedBlanks(Condition.trimmed());
    if (S.startsWith(u'='))
        S.remove(0, 1);
    FRoot = Compile_Group(S, CaseSensitive, 0);
}

TFilterExpr::~TFilterExpr() = default;
TFilterExpr::TFilterExpr(TFilterExpr &&) noexcept = default;
TFilterExpr &TFilterExpr::operator=(TFilterExpr &&) noexcept = default;

bool TFilterExpr::Matches(QStringView Value) const
{
    TValue V;
    V.View = Value;
    V.Case_Sensitive = FCaseSensitive;
    return Group_Matches(*FRoot, V);
}
