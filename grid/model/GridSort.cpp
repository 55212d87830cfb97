#include "grid/model/GridSort.h"
#include "grid/model/TextRoutines.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include <QCollator>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <stdexcept>

namespace {

QString Ascii_Upper(const QString &S)
{
    QString R = S;
    for (QChar &C : R)
        if (C >= u'a' && C <= u'z')
            C = QChar(C.unicode() - 32);
    return R;
}

void Remove_First(QString &S, const QString &Part)
{
    if (Part.isEmpty())
        return;
    const auto I = S.indexOf(Part);
    if (I >= 0)
        S.remove(I, Part.size());
}

std::optional<double> Sort_Number(QString S, const TSortColumnRule &Rule, bool Financial)
{
    Remove_First(S, Rule.Prefix);
    Remove_First(S, Rule.Suffix);
    const TFormatSettings &F = Format_Settings();
    if (Financial)
        S.remove(F.ThousandSeparator);
    if (F.DecimalSeparator != u'.') {
        const auto I = S.indexOf(F.DecimalSeparator);
        if (I >= 0)
            S[I] = u'.';
    }
    S = S.trimmed();
    bool Ok = false;
    const double V = S.toDouble(&Ok);
    if (!Ok || !std::isfinite(V))
        return std::nullopt;
    return V;
}

// h:n[:s], the locale's time separator between the fields.
std::optional<double> Sort_Time(const QString &Text)
{
    const QStringList P = Text.trimmed().split(Format_Settings().TimeSeparator);
    if (P.size() < 2 || P.size() > 3)
        return std::nullopt;
    int V[3] = {0, 0, 0};
    for (int I = 0; I < P.size(); ++I) {
        bool Ok = false;
        V[I] = P[I].trimmed().toInt(&Ok);
        if (!Ok)
            return std::nullopt;
    }
    TDateTime T = 0;
    if (!Try_Encode_Time(V[0], V[1], V[2], 0, T))
        return std::nullopt;
    return T;
}

std::optional<double> Sort_Date_Time(const QString &Text)
{
    TDateTime D = 0;
    if (Text.trimmed().isEmpty() || !Try_Str_To_Date_Time(Text.trimmed(), D))
        return std::nullopt;
    return D;
}

std::optional<double> Parse_Short(const QString &Text, bool DayFirst)
{
    try {
        const TDateTime D = DayFirst ? ParseDateDMY(Text) : ParseDateMDY(Text);
        if (D == 0)
            return std::nullopt;
        return D;
    } catch (const EConvertError &) {
        return std::nullopt;
    }
}

// The separator at 1-based position 2 or 3, not last, with number characters
// on both sides: how a date or a time announces itself.
bool Separator_Placed(const QString &S, QChar Sep)
{
    for (int I : {1, 2})
        if (I + 1 < S.size() && S[I] == Sep && IsNumberChar(S[I - 1]) && IsNumberChar(S[I + 1]))
            return true;
    return false;
}

TSortKey Value_Key(std::optional<double> V, TSortKey::TRank Rank)
{
    TSortKey K;
    K.Rank = V ? Rank : TSortKey::rkNone;
    K.Value = V.value_or(0);
    return K;
}

TSortKey Text_Key(const QString &Text, bool NoCase, bool Locale)
{
    TSortKey K;
    K.Rank = TSortKey::rkText;
    K.Locale = Locale;
    K.NoCase = NoCase;
    K.Text = NoCase && !Locale ? Ascii_Upper(Text) : Text;
    return K;
}

TSortKey Automatic_Key(const QString &Text, const TSortColumnRule &Rule, const TSortCompareOptions &O)
{
    const int N = ClassifyNumberText(Text);
    if (N == ntInteger || N == ntDecimal || N == ntExponent)
        if (const auto V = Sort_Number(Text, Rule, false))
            return Value_Key(V, TSortKey::rkNumber);
    const TFormatSettings &F = Format_Settings();
    if (Separator_Placed(Text, F.DateSeparator)) {
        if (const auto V = Sort_Date_Time(Text))
            return Value_Key(V, TSortKey::rkDate);
    } else if (Separator_Placed(Text, F.TimeSeparator)) {
        if (const auto V = Sort_Time(Text))
            return Value_Key(V, TSortKey::rkDate);
    }
    return Text_Key(Text, O.IgnoreCase, false);
}

int Sign(double A, double B) { return A < B ? -1 : (A > B ? 1 : 0); }

QCollator &Collator(bool NoCase)
{
    static QCollator Case = [] {
        QCollator C;
        C.setCaseSensitivity(Qt::CaseSensitive);
        return C;
    }();
    static QCollator Any = [] {
        QCollator C;
        C.setCaseSensitivity(Qt::CaseInsensitive);
        return C;
    }();
    return NoCase ? Any : Case;
}

int Place_Blanks(int R, bool BlankA, bool BlankB, bool Descending, const TSortCompareOptions &O)
{
    if (O.IgnoreBlanks && BlankA != BlankB) {
        const int First = O.BlankPos == blFirst ? -1 : 1;
        return BlankA ? First : -First;
    }
    return Descending ? -R : R;
}

} // namespace

TSortKey Make_Number_Key(double Value, bool Blank)
{
    TSortKey K;
    K.Rank = TSortKey::rkNumber;
    K.Value = Value;
    K.Blank = Blank;
    return K;
}

TSortKey Make_Sort_Key(const QString &Text, const TSortColumnRule &Rule, const TSortCompareOptions &O)
{
    TSortKey K;
    TSortStyle Style = Rule.Style;
    if (Style == ssAlphaNumeric || Style == ssAlphaNumericNoCase) {
        const int N = ClassifyNumberText(Text);
        const bool Number = N == ntInteger || N == ntDecimal || N == ntExponent;
        // A number among texts of this style ranks with the numbers; the
        // others compare as text.
        Style = Number ? ssNumeric : (Style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
        if (Number) {
            K = Value_Key(Sort_Number(Text, Rule, false), TSortKey::rkNumber);
            if (K.Rank == TSortKey::rkNone)
                K = Text_Key(Text, Style == ssAlphaNoCase, false);
            K.Blank = Text.isEmpty();
            return K;
        }
    }
    switch (Style) {
    case ssAutomatic: K = Automatic_Key(Text, Rule, O); break;
    case ssNumeric: K = Value_Key(Sort_Number(Text, Rule, false), TSortKey::rkNumber); break;
    case ssFinancial: K = Value_Key(Sort_Number(Text, Rule, true), TSortKey::rkNumber); break;
    case ssDate:
    case ssDateTime: K = Value_Key(Sort_Date_Time(Text), TSortKey::rkDate); break;
    case ssTime: K = Value_Key(Sort_Time(Text), TSortKey::rkDate); break;
    case ssShortDateEU: K = Value_Key(Parse_Short(Text, true), TSortKey::rkDate); break;
    case ssShortDateUS: K = Value_Key(Parse_Short(Text, false), TSortKey::rkDate); break;
    case ssAlphaNoCase: K = Text_Key(Text, true, false); break;
    case ssAnsiAlphaCase: K = Text_Key(Text, false, true); break;
    case ssAnsiAlphaNoCase: K = Text_Key(Text, true, true); break;
    default: K = Text_Key(Text, false, false); break;
    }
    K.Blank = Text.isEmpty();
    return K;
}

int Compare_Sort_Keys(const TSortKey &A, const TSortKey &B)
{
    if (A.Rank != B.Rank)
        return A.Rank < B.Rank ? -1 : 1;
    switch (A.Rank) {
    case TSortKey::rkNumber:
    case TSortKey::rkDate: return Sign(A.Value, B.Value);
    case TSortKey::rkNone: return 0;
    case TSortKey::rkText: break;
    }
    const int R = A.Locale ? Collator(A.NoCase).compare(A.Text, B.Text) : A.Text.compare(B.Text);
    return R < 0 ? -1 : (R > 0 ? 1 : 0);
}

int Compare_Sort_Texts(const QString &A, const QString &B, const TSortColumnRule &Rule,
                       const TSortCompareOptions &Options, bool Descending)
{
    const TSortKey KA = Make_Sort_Key(A, Rule, Options);
    const TSortKey KB = Make_Sort_Key(B, Rule, Options);
    return Place_Blanks(Compare_Sort_Keys(KA, KB), KA.Blank, KB.Blank, Descending, Options);
}

std::vector<int> Sort_Row_Order(const TSortRequest &Q)
{
    const int N = Q.To - Q.From + 1;
    std::vector<int> Order(static_cast<size_t>(std::max(N, 0)));
    std::iota(Order.begin(), Order.end(), Q.From);
    if (N <= 1 || Q.Columns.empty())
        return Order;
    // Keys are made once per cell; the columns after the first only for rows
    // that tie there.
    struct TCache {
        std::vector<TSortKey> Keys;
        std::vector<char> Made;
    };
    std::vector<TCache> Cache(Q.Columns.size());
    auto Key = [&](size_t I, int Row) -> const TSortKey & {
        TCache &C = Cache[I];
        const auto At = static_cast<size_t>(Row - Q.From);
        if (C.Keys.empty()) {
            C.Keys.resize(static_cast<size_t>(N));
            C.Made.assign(static_cast<size_t>(N), 0);
        }
        if (!C.Made[At]) {
            const TSortKeyColumn &Col = Q.Columns[I];
            if (Col.Number) {
                const QString T = Col.Text ? Col.Text(Row) : QString();
                C.Keys[At] = Make_Number_Key(Col.Number(Row), Col.Text && T.isEmpty());
            } else {
                C.Keys[At] = Make_Sort_Key(Col.Text ? Col.Text(Row) : QString(), Col.Rule, Q.Options);
            }
            C.Made[At] = 1;
        }
        return C.Keys[At];
    };
    if (!Q.Columns.front().Compare)
        for (int R = Q.From; R <= Q.To; ++R)
            Key(0, R);
    auto Compare = [&](int A, int B) {
        for (size_t I = 0; I < Q.Columns.size(); ++I) {
            const TSortKeyColumn &Col = Q.Columns[I];
            int R;
            if (Col.Compare) {
                R = Col.Compare(A, B);
                R = Col.Descending ? -R : R;
            } else {
                const TSortKey &KA = Key(I, A);
                const TSortKey &KB = Key(I, B);
                R = Place_Blanks(Compare_Sort_Keys(KA, KB), KA.Blank, KB.Blank, Col.Descending, Q.Options);
            }
            if (R != 0 || !Q.Full)
                return R;
        }
        return 0;
    };
    std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) { return Compare(A, B) < 0; });
    return Order;
}

std::vector<int> Unsort_Row_Order(const std::vector<int> &Reference)
{
    std::vector<int> Order(Reference.size());
    std::iota(Order.begin(), Order.end(), 0);
    std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
        return Reference[static_cast<size_t>(A)] < Reference[static_cast<size_t>(B)];
    });
    return Order;
}

TSortSettingsText Parse_Sort_Settings(const QString &Value)
{
    if (Value.size() < 2)
        throw std::runtime_error("Invalid sort settings specifier");
    TSortSettingsText S;
    if (Value.contains(QLatin1String("i;"))) {
        S.Indexed = true;
        for (const QString &K : Value.mid(2).split(u';', Qt::SkipEmptyParts)) {
            bool Ok = false;
            const int C = K.mid(1).toInt(&Ok);
            if (!Ok || C < 0 || (K[0] != u'u' && K[0] != u'd'))
                throw std::runtime_error("Invalid sort settings specifier");
            S.Keys.push_back({C, K[0] == u'd'});
        }
        return S;
    }
    S.Descending = !Value.contains(u'u');
    bool Ok = false;
    const int C = Value.mid(1).toInt(&Ok);
    if (Ok) {
        S.Has_Column = true;
        S.Column = C;
    }
    return S;
}

QString Sort_Settings_To_String(const TSortSettingsText &S)
{
    if (S.Indexed) {
        QStringList Keys;
        for (const auto &[C, Desc] : S.Keys)
            Keys << (Desc ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(C);
        return QStringLiteral("i;") + Keys.join(u';');
    }
    // No column is written ascending, whatever the direction.
    return (S.Descending && S.Column != -1 ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(S.Column);
}
