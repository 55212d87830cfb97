#include "grid/stringgrid/GridMarks.h"
#include "grid/model/MarkupText.h"
#include <algorithm>

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
            const auto Key = std::make_tuple(Tag, C, Cells.Real_Row(R));
            auto It = FMarked.find(Key);
            // A cell marked before is marked afresh from what it held then.
            const bool Known = It != FMarked.end() && It->second.Marked == Current;
            const QString Source = Known ? It->second.Original : Current;
            const QString Encoded = EncodeHTMLEntities(Source, false);
            const QString Marked = MarkMatches(Encoded, Search, Tag, DoCase);
            if (Marked == Encoded) {
                if (Known) {
                    Cells.Set_Cell_Text(C, R, Source);
                    FMarked.erase(It);
                }
                continue;
            }
            Cells.Set_Cell_Text(C, R, Marked);
            FMarked[Key] = TMarkedCell{Source, Marked};
        }
    Cells.End_Pass();
}

void TGridMarks::Unmark(IGridMarkCells &Cells, const QString &Tag, const TMarkRange &Range)
{
    if (FMarked.empty())
        return;
    Cells.Begin_Pass();
    for (int R = std::max(0, Range.FromRow); R <= Range.ToRow && R < Cells.Row_Count(); ++R)
        for (int C = std::max(0, Range.FromCol); C <= Range.ToCol && C < Cells.Col_Count(); ++C) {
            auto It = FMarked.find(std::make_tuple(Tag, C, Cells.Real_Row(R)));
            if (It == FMarked.end())
                continue;
            const QString Current = Cells.Cell_Text(C, R);
            if (Current == It->second.Marked)
                Cells.Set_Cell_Text(C, R, It->second.Original);
            else if (Current.contains(QLatin1Char('<') + Tag, Qt::CaseInsensitive))
                // Edited since it was marked: take the marks out of what is there now.
                Cells.Set_Cell_Text(C, R, DecodeHTMLEntities(UnmarkMatches(Current, Tag), false));
            FMarked.erase(It);
        }
    Cells.End_Pass();
}
