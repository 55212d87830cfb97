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

int Sign(double A, double B) { return A < B ? -1 : (A > B ? 1 : 0); }

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
std::optional<double> Plain_Number(QStringView S)
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

// The number a column's rule reads from a text, found without building a
// string where the text is a plain decimal (after the prefix and suffix went);
// nothing when the general path must decide (same value either way).
std::optional<double> Fast_Number(QStringView S, const TSortColumnRule &Rule)
{
    const bool Bare = Rule.Prefix.isEmpty() && Rule.Suffix.isEmpty();
    if (Rule.Style == ssAutomatic && Bare)
        return Plain_Number(S);   // a plain decimal classifies as a number
    if (Rule.Style != ssNumeric)
        return std::nullopt;
    if (Bare)
        return Plain_Number(S);
    // As Remove_First does: the first occurrence of each, the prefix first.
    char16_t Buf[32];
    if (S.size() > 32)
        return std::nullopt;
    qsizetype N = S.size();
    for (qsizetype I = 0; I < N; ++I)
        Buf[I] = S[I].unicode();
    for (const QString *Part : {&Rule.Prefix, &Rule.Suffix}) {
        if (Part->isEmpty())
            continue;
        const qsizetype I = QStringView(Buf, N).indexOf(*Part);
        if (I < 0)
            continue;
        std::copy(Buf + I + Part->size(), Buf + N, Buf + I);
        N -= Part->size();
    }
    // A trailing separator is left to the general conversion.
    if (N > 0 && Buf[N - 1] == Format_Settings().DecimalSeparator.unicode())
        return std::nullopt;
    return Plain_Number(QStringView(Buf, N));
}

bool Ascii_Letter(char16_t C) { return (C >= u'a' && C <= u'z') || (C >= u'A' && C <= u'Z'); }
char16_t Ascii_Upper_Unit(char16_t C) { return C >= u'a' && C <= u'z' ? static_cast<char16_t>(C - 32) : C; }

// Two texts of a column compared straight from their views where both take
// the common simple forms; nothing when the keys must decide. For the
// automatic style a text that starts with a letter and has no date or time
// separator third is plain text (no number, date or time can start so).
std::optional<int> Fast_Compare(QStringView A, QStringView B, const TSortColumnRule &Rule, bool IgnoreCase)
{
    if (A.isEmpty() || B.isEmpty() || !Rule.Prefix.isEmpty() || !Rule.Suffix.isEmpty())
        return std::nullopt;
    bool NoCase = false;
    switch (Rule.Style) {
    case ssAutomatic: {
        const TFormatSettings &F = Format_Settings();
        auto Plain_Text = [&](QStringView S) {
            return Ascii_Letter(S[0].unicode()) && (S.size() < 3 || (S[2] != F.DateSeparator && S[2] != F.TimeSeparator));
        };
        const bool TA = Plain_Text(A), TB = Plain_Text(B);
        if (!TA || !TB) {
            const auto NA = TA ? std::nullopt : Plain_Number(A);
            const auto NB = TB ? std::nullopt : Plain_Number(B);
            if (NA && NB)
                return Sign(*NA, *NB);
            if ((NA && TB) || (TA && NB))
                return NA ? -1 : 1;   // numbers rank before texts
            return std::nullopt;
        }
        NoCase = IgnoreCase;
        break;
    }
    case ssAlphabetic: break;
    case ssAlphaNoCase: NoCase = true; break;
    default: return std::nullopt;
    }
    if (!NoCase) {
        const int R = A.compare(B);
        return R < 0 ? -1 : (R > 0 ? 1 : 0);
    }
    const qsizetype N = std::min(A.size(), B.size());
    for (qsizetype I = 0; I < N; ++I) {
        const char16_t CA = Ascii_Upper_Unit(A[I].unicode()), CB = Ascii_Upper_Unit(B[I].unicode());
        if (CA != CB)
            return CA < CB ? -1 : 1;
    }
    return A.size() < B.size() ? -1 : (A.size() > B.size() ? 1 : 0);
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
    // Ties of the first column go on to the others (with Full); cells in
    // the simple forms compare from their views without making keys.
    char16_t Room_A[32], Room_B[32];
    auto Tie = [&](int A, int B) {
        if (!Q.Full)
            return false;
        for (size_t I = 1; I < Q.Columns.size(); ++I) {
            const TSortKeyColumn &Col = Q.Columns[I];
            QStringView VA, VB;
            if (Col.View && !Col.Number && !Col.Compare && Col.View(A, Room_A, VA) && Col.View(B, Room_B, VB))
                if (const auto R = Fast_Compare(VA, VB, Col.Rule, Q.Options.IgnoreCase)) {
                    if (*R)
                        return Col.Descending ? *R > 0 : *R < 0;
                    continue;
                }
            if (const int R = Column_Compare(I, A, B))
                return R < 0;
        }
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
    // in place. Its plain numbers go into one contiguous array of values,
    // read from the stored texts without building strings; every other key
    // (dates, texts, blanks, failed conversions) ranks after all numbers, so
    // the two parts sort apart and join in the order the blank rule gives.
    // A column of plain texts sorts on the bare texts.
    struct TEntry {
        TSortKey Key;
        int Row;
    };
    const bool Desc = First.Descending;
    const bool Split_Numbers = !First.Number;
    std::vector<std::pair<double, int>> Nums;
    std::vector<TEntry> E;
    if (Split_Numbers)
        Nums.reserve(static_cast<size_t>(N));
    else
        E.reserve(static_cast<size_t>(N));
    char16_t Room[32];
    constexpr int Ahead = 16;   // rows fetched ahead of their read
    for (int Row = Q.From; Row <= Q.To; ++Row) {
        if (First.Prefetch && Row + Ahead <= Q.To)
            First.Prefetch(Row + Ahead);
        QStringView View;
        TSortKey K;
        if (Split_Numbers && First.View && First.View(Row, Room, View)) {
            if (const auto V = Fast_Number(View, First.Rule)) {
                Nums.push_back({*V, Row});
                continue;
            }
            K = Make_Sort_Key(View.toString(), First.Rule, Q.Options);
        } else {
            K = Make_Key(First, Row);
        }
        if (Split_Numbers && K.Rank == TSortKey::rkNumber && !K.Blank)
            Nums.push_back({K.Value, Row});
        else
            E.push_back({std::move(K), Row});
    }
    // By value alone, as a plain sort of the values; then each run of equal
    // values by the columns that break ties (the same order as one sort on
    // both, since the first pass keeps equal values in row order).
    if (Desc)
        std::stable_sort(Nums.begin(), Nums.end(), [](const auto &A, const auto &B) { return B.first < A.first; });
    else
        std::stable_sort(Nums.begin(), Nums.end(), [](const auto &A, const auto &B) { return A.first < B.first; });
    if (Q.Full && Q.Columns.size() > 1)
        for (auto It = Nums.begin(); It != Nums.end();) {
            if (const auto &Next = Q.Columns[1]; Next.Prefetch)
                for (auto P = It + 1; P != Nums.end() && P - It <= 2; ++P)
                    if (Nums.end() - P > Ahead)
                        Next.Prefetch(P[Ahead].second);
            auto End = It + 1;
            while (End != Nums.end() && End->first == It->first)
                ++End;
            if (End - It > 1)
                std::stable_sort(It, End, [&](const auto &A, const auto &B) { return Tie(A.second, B.second); });
            It = End;
        }
    bool Texts = !E.empty();
    for (const TEntry &En : E)
        Texts = Texts && En.Key.Rank == TSortKey::rkText && !En.Key.Locale && !En.Key.Blank;
    std::vector<int> Rest(E.size());
    if (Texts) {
        std::vector<std::pair<QString, int>> V(E.size());
        for (size_t I = 0; I < E.size(); ++I)
            V[I] = {std::move(E[I].Key.Text), E[I].Row};
        E.clear();
        E.shrink_to_fit();
        std::stable_sort(V.begin(), V.end(), [&](const auto &A, const auto &B) {
            const int R = A.first.compare(B.first);
            if (R != 0)
                return Desc ? R > 0 : R < 0;
            return Tie(A.second, B.second);
        });
        for (size_t I = 0; I < V.size(); ++I)
            Rest[I] = V[I].second;
    } else {
        std::stable_sort(E.begin(), E.end(), [&](const TEntry &A, const TEntry &B) {
            const int R = Place_Blanks(Compare_Sort_Keys(A.Key, B.Key), A.Key.Blank, B.Key.Blank, Desc, Q.Options);
            if (R != 0)
                return R < 0;
            return Tie(A.Row, B.Row);
        });
        for (size_t I = 0; I < E.size(); ++I)
            Rest[I] = E[I].Row;
    }
    // Numbers come before the other keys ascending and after them
    // descending; blanks placed by IgnoreBlanks stay at their end of all
    // rows (the sorted rest holds them together at that end).
    size_t Blanks = 0;
    if (Q.Options.IgnoreBlanks && !Texts)
        for (const TEntry &En : E)
            Blanks += En.Key.Blank ? 1 : 0;
    const bool Blanks_First = Q.Options.BlankPos == blFirst;
    const auto Rest_Begin = Rest.begin(), Rest_End = Rest.end();
    const auto Split = Blanks_First ? Rest_Begin + static_cast<long>(Blanks) : Rest_End - static_cast<long>(Blanks);
    auto Out = Order.begin();
    auto Put_Numbers = [&] {
        for (const auto &P : Nums)
            *Out++ = P.second;
    };
    if (Blanks_First)
        Out = std::copy(Rest_Begin, Split, Out);
    const auto Others_Begin = Blanks_First ? Split : Rest_Begin;
    const auto Others_End = Blanks_First ? Rest_End : Split;
    if (!Desc) {
        Put_Numbers();
        Out = std::copy(Others_Begin, Others_End, Out);
    } else {
        Out = std::copy(Others_Begin, Others_End, Out);
        Put_Numbers();
    }
    if (!Blanks_First)
        Out = std::copy(Split, Rest_End, Out);
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
