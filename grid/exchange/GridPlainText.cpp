#include "grid/exchange/GridPlainText.h"
#include "grid/model/TextRoutines.h"
#include <algorithm>

namespace {
QStringList Text_Lines(const QString &Text)
{
    if (!Has_Line_Break(Text))
        return {Text};
    return Normalize_Line_Breaks(Text).split(QStringLiteral("\r\n"));
}
} // namespace

QString Align_In_Width(const QString &Text, int Width, TTextAlign Align)
{
    QString S = Text;
    if (Align == taRightText && S.size() < Width)
        S = QString(Width - S.size(), u' ') + S;
    else if (Align == taCenterText)
        while (S.size() < Width)
            S = u' ' + S + u' ';
    if (S.size() < Width + 1)
        S += QString(Width + 1 - S.size(), u' ');
    return S;
}

int Longest_Text_Line(const TExchangeHooks &Hooks, int Col, int Top, int Bottom)
{
    int W = 0;
    for (int R = Top; R <= Bottom; ++R) {
        const QString S = Hooks.Save_Text ? Hooks.Save_Text(Col, R) : QString();
        for (const QString &L : Text_Lines(S))
            W = std::max(W, int(L.size()));
    }
    return W;
}

// Walks rows Top..Bottom with the export notifications and progress a
// writer reports; Row(R, Out) appends that row's lines.
template <class TRowLines>
QStringList Write_Rows(const TExchangeHooks &Hooks, int Top, int Bottom, TRowLines Row)
{
    QStringList Out;
    if (Hooks.Step)
        Hooks.Step(xsStart, Top);
    TProgressCounter Progress(Top, Bottom, Hooks.Progress);
    for (int R = Top; R <= Bottom; ++R) {
        if (Hooks.Step)
            Hooks.Step(xsNextRow, R);
        Row(R, Out);
        Progress.At(R);
    }
    if (Hooks.Step)
        Hooks.Step(xsDone, -1);
    return Out;
}

QStringList Write_Aligned_Lines(const TExchangeHooks &Hooks, const std::vector<int> &Cols, int Top, int Bottom,
                                const std::function<TTextAlign(int C, int R)> &Align, bool MultiLine)
{
    std::vector<int> Widths;
    Widths.reserve(Cols.size());
    for (const int C : Cols)
        Widths.push_back(Longest_Text_Line(Hooks, C, Top, Bottom));
    return Write_Rows(Hooks, Top, Bottom, [&](int R, QStringList &Out) {
        std::vector<QStringList> Cells;
        std::vector<TTextAlign> Aligns;
        int Extra = 0;
        QString Line;
        for (size_t I = 0; I < Cols.size(); ++I) {
            Cells.push_back(Text_Lines(Hooks.Save_Text ? Hooks.Save_Text(Cols[I], R) : QString()));
            Aligns.push_back(Align ? Align(Cols[I], R) : taLeftText);
            Line += Align_In_Width(Cells.back().first(), Widths[I], Aligns.back());
            Extra = std::max(Extra, int(Cells.back().size()) - 1);
        }
        Out.append(Line);
        for (int K = 1; MultiLine && K <= Extra; ++K) {
            QString More;
            int Start = 0;
            for (size_t I = 0; I < Cols.size(); ++I) {
                if (K < Cells[I].size()) {
                    More += QString(std::max(0, Start - int(More.size())), u' ');
                    More += Align_In_Width(Cells[I][K], Widths[I], Aligns[I]);
                }
                Start += Widths[I] + 1;
            }
            Out.append(More);
        }
    });
}

QStringList Write_Fixed_Lines(const TExchangeHooks &Hooks, const std::vector<int> &Cols, int Top, int Bottom,
                              std::vector<int> &Widths)
{
    for (size_t I = Widths.size(); I < Cols.size(); ++I)
        Widths.push_back(Longest_Text_Line(Hooks, Cols[I], Top, Bottom) + 1);
    return Write_Rows(Hooks, Top, Bottom, [&](int R, QStringList &Out) {
        QString Line;
        for (size_t I = 0; I < Cols.size(); ++I) {
            QString S = Hooks.Save_Text ? Hooks.Save_Text(Cols[I], R) : QString();
            if (Has_Line_Break(S))
                S = Text_Lines(S).join(u' ');
            const int W = std::max(0, Widths[I]);
            Line += S.size() >= W ? S.left(W) : S + QString(W - S.size(), u' ');
        }
        Out.append(Line);
    });
}

TExchangeResult Parse_Fixed(const QString &Text, std::vector<int> &Positions, bool DoTrim, int MaxRows,
                            TParsedRows &Out)
{
    std::sort(Positions.begin(), Positions.end());
    if (Positions.size() > size_t(TGridModel::Max_Cols) + 1)
        return TExchangeResult::Failed(esOutOfRange, TGridModel::Max_Cols, -1, 0,
                                       QStringLiteral("More fields than a grid has columns"));
    const QStringList Lines = Split_Text_Lines(Text);
    for (const QString &Line : Lines) {
        if (MaxRows > 0 && Out.Rows() >= MaxRows)
            break;
        if (Out.Rows() >= TGridModel::Max_Rows)
            return TExchangeResult::Failed(esOutOfRange, -1, Out.Rows(), 0,
                                           QStringLiteral("More lines than a grid has rows"));
        Out.Begin_Row();
        for (size_t K = 0; K + 1 < Positions.size(); ++K) {
            // Positions below 1 count as 1.
            const qsizetype From = std::max(1, Positions[K]) - 1;
            const qsizetype To = std::max(1, Positions[K + 1]) - 1;
            QString F = From < Line.size() ? Line.mid(From, To - From) : QString();
            if (DoTrim)
                F = F.trimmed();
            Out.Add(F);
        }
    }
    return {};
}

TExchangeResult Read_Fixed_File(const QString &Path, std::vector<int> &Positions, bool DoTrim, int MaxRows,
                                TParsedRows &Out)
{
    QByteArray Bytes;
    const TExchangeResult R = Read_Exchange_File(Path, Bytes);
    if (!R.Ok())
        return R;
    return Parse_Fixed(Decode_Text_Bytes(Bytes), Positions, DoTrim, MaxRows, Out);
}

bool Cell_Text_To_Real(const QString &Text, double &Value, int &ErrorPos)
{
    Value = 0;
    ErrorPos = 0;
    if (Text.isEmpty())
        return true;
    const QString S = NormalizeNumberText(Text);
    bool Ok = false;
    Value = S.toDouble(&Ok);
    if (Ok)
        return true;
    // Where a number stops being one: the longest prefix that still reads.
    int P = int(S.size());
    while (P > 0 && !(S.left(P).toDouble(&Ok), Ok))
        --P;
    Value = 0;
    ErrorPos = P + 1;
    return false;
}
