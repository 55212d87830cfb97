#include "grid/model/GridFind.h"
#include "grid/model/CaseBlind.h"
#include "grid/model/FilterExpr.h"
#include "grid/model/MarkupText.h"

TPoint Find_Walk(const TFindWalk &Walk, TPoint Start, const std::function<bool(int Col, int Row)> &Matches)
{
    const TFindRange &R = Walk.Range;
    if (R.Empty())
        return {-1, -1};
    const long long W = R.Right - R.Left + 1;
    const long long H = R.Bottom - R.Top + 1;
    const long long N = W * H;
    // Cells in walking order: 0 .. N - 1.
    auto Index_Of = [&](int C, int Rw) -> long long {
        return Walk.RowByRow ? (Rw - R.Top) * W + (C - R.Left) : (C - R.Left) * H + (Rw - R.Top);
    };
    auto Cell_At = [&](long long I) -> TPoint {
        if (Walk.RowByRow)
            return {static_cast<int>(R.Left + I % W), static_cast<int>(R.Top + I / W)};
        return {static_cast<int>(R.Left + I / H), static_cast<int>(R.Top + I % H)};
    };
    const bool Inside = Start.X >= R.Left && Start.X <= R.Right && Start.Y >= R.Top && Start.Y <= R.Bottom;
    const long long Step = Walk.Backward ? -1 : 1;
    long long I = Walk.Backward ? N - 1 : 0;
    if (Inside)
        I = Index_Of(Start.X, Start.Y) + Step;
    for (; I >= 0 && I < N; I += Step) {
        const TPoint P = Cell_At(I);
        if (Walk.RowByRow && Walk.Ignored && Walk.Ignored(P.X))
            continue;
        if (Walk.Visit)
            Walk.Visit(P.Y);
        if (Matches(P.X, P.Y))
            return P;
    }
    return {-1, -1};
}

QString Prepare_Search_Text(const QString &Text, TFindParams Params)
{
    return Params.Contains(fnMatchCase) ? Text : Text.toUpper();
}

bool Find_Text_Matches(const QString &CellText, const QString &Prepared, const QString &Original, TFindParams Params)
{
    QString S = Params.Contains(fnMatchCase) ? CellText : CellText.toUpper();
    if (Params.Contains(fnIgnoreHTMLTags))
        S = StripHTMLTags(S);
    if (Params.Contains(fnMatchRegular))
        return MatchFilterExpression(Original, Params.Contains(fnIgnoreHTMLTags) ? StripHTMLTags(CellText) : CellText,
                                     Params.Contains(fnMatchCase));
    if (Original == QLatin1String("\"\""))
        return S.isEmpty();
    const qsizetype P = S.indexOf(Prepared);
    if (Prepared.isEmpty() || P < 0)
        return false;
    if (Params.Contains(fnMatchStart) && P != 0)
        return false;
    if (Params.Contains(fnMatchFull) && S != Prepared)
        return false;
    return true;
}

TFindMatcher::TFindMatcher(const QString &Text, TFindParams Params)
    : FOriginal(Text), FPrepared(Prepare_Search_Text(Text, Params)), FParams(Params),
      FEmpty_Cell(Text == QLatin1String("\"\""))
{
    if (Params.Contains(fnMatchRegular) && !Params.Contains(fnIgnoreHTMLTags))
        FExpr.emplace(Text, Params.Contains(fnMatchCase));
}

bool TFindMatcher::Matches(QStringView CellText) const
{
    // Tags are stripped from the upper-cased text (and entities read from
    // it): that stays the general test's work.
    if (FParams.Contains(fnIgnoreHTMLTags))
        return Find_Text_Matches(CellText.toString(), FPrepared, FOriginal, FParams);
    if (FExpr)
        return FExpr->Matches(CellText);
    if (FEmpty_Cell)
        return CellText.isEmpty();   // upper-casing never empties a text
    if (FPrepared.isEmpty())
        return false;
    const bool Case = FParams.Contains(fnMatchCase);
    if (!Case && !Upper_Is_Simple(CellText))
        return Find_Text_Matches(CellText.toString(), FPrepared, FOriginal, FParams);
    const qsizetype P = Case ? CellText.indexOf(FPrepared) : Upper_Index_Of(CellText, FPrepared);
    if (P < 0)
        return false;
    if (FParams.Contains(fnMatchStart) && P != 0)
        return false;
    if (FParams.Contains(fnMatchFull) && !(Case ? CellText == FPrepared : Upper_Equals(CellText, FPrepared)))
        return false;
    return true;
}

QString Replace_Text(const QString &Text, const QString &From, const QString &To, bool CaseSensitive, int *Count)
{
    if (Count)
        *Count = 0;
    if (From.isEmpty())
        return Text;
    const Qt::CaseSensitivity CS = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    QString Out;
    qsizetype At = 0;
    for (;;) {
        const qsizetype P = Text.indexOf(From, At, CS);
        if (P < 0)
            break;
        Out += Text.mid(At, P - At);
        Out += To;
        At = P + From.size();
        if (Count)
            ++*Count;
    }
    Out += Text.mid(At);
    return Out;
}
