#include "grid/model/GridSort.h"
#include "grid/model/TextRoutines.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include <QCollator>
#include <QStringList>
#include <algorithm>
#include <charconv>
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

// A plain decimal text ("-12.5" with the locale's separator), the bulk of a
// number column, read without building strings; nothing for any other text,
// which then takes the general path below (same value either way).
std::optional<double> Plain_Number(const QString &S)
{
    const qsizetype N = S.size();
    if (N == 0 || N > 30)
        return std::nullopt;
    char Buf[32];
    const char16_t Sep = Format_Settings().DecimalSeparator.unicode();
    bool Dot = false, Digit = false;
    for (qsizetype I = 0; I < N; ++I) {
        const char16_t C = S[I].unicode();
        if (C >= u'0' && C <= u'9') {
            Digit = true;
            Buf[I] = static_cast<char>(C);
        } else if (C == u'-' && I == 0) {
            Buf[I] = '-';
        } else if (C == Sep && !Dot) {
            Dot = true;
            Buf[I] = '.';
        } else {
            return std::nullopt;
        }
    }
    double V = 0;
    const auto [End, Error] = std::from_chars(Buf, Buf + N, V);
    if (!Digit || Error != std::errc() || End != Buf + N || !std::isfinite(V))
        return std::nullopt;
    return V;
}

std::optional<double> Sort_Number(QString S, const TSortColumnRule &Rule, bool Financial)
{
    if (!Financial && Rule.Prefix.isEmpty() && Rule.Suffix.isEmpty())
        if (const auto V = Plain_Number(S))
            return V;
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
    auto Make_Key = [&](const TSortKeyColumn &Col, int Row) {
        if (Col.Number) {
            const QString T = Col.Text ? Col.Text(Row) : QString();
            return Make_Number_Key(Col.Number(Row), Col.Text && T.isEmpty());
        }
        return Make_Sort_Key(Col.Text ? Col.Text(Row) : QString(), Col.Rule, Q.Options);
    };
    // The columns after the first decide only ties: their keys are made once
    // per cell, and only for rows that tie.
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
            C.Keys[At] = Make_Key(Q.Columns[I], Row);
            C.Made[At] = 1;
        }
        return C.Keys[At];
    };
    auto Column_Compare = [&](size_t I, int A, int B) {
        const TSortKeyColumn &Col = Q.Columns[I];
        if (Col.Compare) {
            const int R = Col.Compare(A, B);
            return Col.Descending ? -R : R;
        }
        const TSortKey &KA = Key(I, A);
        const TSortKey &KB = Key(I, B);
        return Place_Blanks(Compare_Sort_Keys(KA, KB), KA.Blank, KB.Blank, Col.Descending, Q.Options);
    };
    // Ties of the first column go on to the others (with Full).
    auto Tie = [&](int A, int B) {
        if (!Q.Full)
            return false;
        for (size_t I = 1; I < Q.Columns.size(); ++I)
            if (const int R = Column_Compare(I, A, B))
                return R < 0;
        return false;
    };
    const TSortKeyColumn &First = Q.Columns.front();
    if (First.Compare) {
        std::stable_sort(Order.begin(), Order.end(), [&](int A, int B) {
            if (const int R = Column_Compare(0, A, B))
                return R < 0;
            return Tie(A, B);
        });
        return Order;
    }
    // The first column's keys travel with their rows, so the sort reads them
    // in place; a column of plain numbers or plain texts sorts on the bare
    // value, as a plain sort of those values would.
    struct TEntry {
        TSortKey Key;
        int Row;
    };
    std::vector<TEntry> E(static_cast<size_t>(N));
    bool Numbers = true, Texts = true;
    for (int I = 0; I < N; ++I) {
        TEntry &En = E[static_cast<size_t>(I)];
        En.Key = Make_Key(First, Q.From + I);
        En.Row = Q.From + I;
        Numbers = Numbers && En.Key.Rank == TSortKey::rkNumber && !En.Key.Blank;
        Texts = Texts && En.Key.Rank == TSortKey::rkText && !En.Key.Locale && !En.Key.Blank;
    }
    const bool Desc = First.Descending;
    if (Numbers) {
        std::vector<std::pair<double, int>> V(static_cast<size_t>(N));
        for (int I = 0; I < N; ++I)
            V[static_cast<size_t>(I)] = {E[static_cast<size_t>(I)].Key.Value, E[static_cast<size_t>(I)].Row};
        std::stable_sort(V.begin(), V.end(), [&](const auto &A, const auto &B) {
            if (A.first != B.first)
                return Desc ? B.first < A.first : A.first < B.first;
            return Tie(A.second, B.second);
        });
        for (int I = 0; I < N; ++I)
            Order[static_cast<size_t>(I)] = V[static_cast<size_t>(I)].second;
        return Order;
    }
    if (Texts) {
        std::vector<std::pair<QString, int>> V(static_cast<size_t>(N));
        for (int I = 0; I < N; ++I)
            V[static_cast<size_t>(I)] = {std::move(E[static_cast<size_t>(I)].Key.Text), E[static_cast<size_t>(I)].Row};
        E.clear();
        E.shrink_to_fit();
        std::stable_sort(V.begin(), V.end(), [&](const auto &A, const auto &B) {
            const int R = A.first.compare(B.first);
            if (R != 0)
                return Desc ? R > 0 : R < 0;
            return Tie(A.second, B.second);
        });
        for (int I = 0; I < N; ++I)
            Order[static_cast<size_t>(I)] = V[static_cast<size_t>(I)].second;
        return Order;
    }
    std::stable_sort(E.begin(), E.end(), [&](const TEntry &A, const TEntry &B) {
        const int R = Place_Blanks(Compare_Sort_Keys(A.Key, B.Key), A.Key.Blank, B.Key.Blank, Desc, Q.Options);
        if (R != 0)
            return R < 0;
        return Tie(A.Row, B.Row);
    });
    for (int I = 0; I < N; ++I)
        Order[static_cast<size_t>(I)] = E[static_cast<size_t>(I)].Row;
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
