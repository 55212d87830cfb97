#include "grid/stringgrid/GridMarks.h"
#include "grid/model/MarkupText.h"
#include <algorithm>
#include <vector>

void TGridMarks::Remember(const TKey &Key, const QString &Original, const QString &Marked)
{
    if (auto It = FMarked.find(Key); It != FMarked.end())
        Forget(It);
    FMarked[Key] = TMarkedCell{Original, Marked};
    auto &ByText = FByText[{std::get<0>(Key), Marked}];
    ByText.first = Original;
    ++ByText.second;
}

void TGridMarks::Forget(std::map<TKey, TMarkedCell>::iterator It)
{
    auto T = FByText.find({std::get<0>(It->first), It->second.Marked});
    if (T != FByText.end() && --T->second.second <= 0)
        FByText.erase(T);
    FMarked.erase(It);
}

const QString *TGridMarks::Original_Of(const QString &Tag, const QString &Current) const
{
    auto T = FByText.find({Tag, Current});
    return T == FByText.end() ? nullptr : &T->second.first;
}

void TGridMarks::Mark(IGridMarkCells &Cells, const QString &HiText, const QString &Tag, bool DoCase,
                      const TMarkRange &Range)
{
    const QString Search = EncodeHTMLEntities(HiText, false);
    Cells.Begin_Pass();
    for (int R = std::max(0, Range.FromRow); R <= Range.ToRow && R < Cells.Row_Count(); ++R)
        for (int C = std::max(0, Range.FromCol); C <= Range.ToCol && C < Cells.Col_Count(); ++C) {
            if (!Cells.Is_Base_Cell(C, R))
                continue;
            const QString Current = Cells.Cell_Text(C, R);
            const TKey Key = std::make_tuple(Tag, C, Cells.Real_Row(R));
            auto It = FMarked.find(Key);
            // A cell marked before (here or at the place it came from) is
            // marked afresh from what it held then.
            const QString *Before = It != FMarked.end() && It->second.Marked == Current ? &It->second.Original
                                                                                        : Original_Of(Tag, Current);
            const QString Source = Before ? *Before : Current;
            const QString Encoded = EncodeHTMLEntities(Source, false);
            const QString Marked = MarkMatches(Encoded, Search, Tag, DoCase);
            if (Marked == Encoded) {
                if (Before)
                    Cells.Set_Cell_Text(C, R, Source);
                if (It != FMarked.end())
                    Forget(It);
                continue;
            }
            Cells.Set_Cell_Text(C, R, Marked);
            Remember(Key, Source, Marked);
        }
    Cells.End_Pass();
}

void TGridMarks::Unmark(IGridMarkCells &Cells, const QString &Tag, const TMarkRange &Range)
{
    if (FMarked.empty())
        return;
    // Every text to give back is found before any mark is forgotten: a mark
    // remembered at one place may be needed by the cell that moved elsewhere.
    struct TRestore { int C, R; QString Text; };
    std::vector<TRestore> Writes;
    std::vector<TKey> Visited;
    for (int R = std::max(0, Range.FromRow); R <= Range.ToRow && R < Cells.Row_Count(); ++R)
        for (int C = std::max(0, Range.FromCol); C <= Range.ToCol && C < Cells.Col_Count(); ++C) {
            const TKey Key = std::make_tuple(Tag, C, Cells.Real_Row(R));
            auto It = FMarked.find(Key);
            const QString Current = Cells.Cell_Text(C, R);
            if (It != FMarked.end()) {
                Visited.push_back(Key);
                if (Current == It->second.Marked) {
                    Writes.push_back({C, R, It->second.Original});
                    continue;
                }
            }
            if (const QString *Before = Original_Of(Tag, Current))
                Writes.push_back({C, R, *Before});
            else if (It != FMarked.end() && Current.contains(QLatin1Char('<') + Tag, Qt::CaseInsensitive))
                // Edited since it was marked: take the marks out of what is there now.
                Writes.push_back({C, R, DecodeHTMLEntities(UnmarkMatches(Current, Tag), false)});
        }
    if (Writes.empty() && Visited.empty())
        return;
    Cells.Begin_Pass();
    for (const TRestore &W : Writes)
        Cells.Set_Cell_Text(W.C, W.R, W.Text);
    Cells.End_Pass();
    for (const TKey &K : Visited)
        if (auto It = FMarked.find(K); It != FMarked.end())
            Forget(It);
}
