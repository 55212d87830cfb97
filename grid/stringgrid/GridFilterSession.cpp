#include "grid/stringgrid/GridFilterSession.h"
#include <algorithm>
#include <cmath>

void TGridFilterSession::Apply(IGridFilterRows &Rows)
{
    FFixedRowsBefore = Rows.Fixed_Rows();
    const bool NormalOnly = Rows.Options().NormalCellsOnly;
    const int First = Rows.Fixed_Rows();
    const int Last = Rows.Row_Count() - Rows.Fixed_Footers() - 1;
    const int DataRows = Rows.Row_Count() - Rows.Fixed_Rows() - Rows.Fixed_Footers();
    const bool Report = DataRows > 0 && Rows.Wants_Progress();
    std::vector<int> Failing;
    int Tested = 0;
    short Progress = 0;
    {
        // The conditions are read once for the whole pass; a nested pass
        // (a handler applying the filter again) brings its own.
        std::unique_ptr<TFilterPass> Outer = std::move(FPass);
        FPass = std::make_unique<TFilterPass>(FFilter);
        struct TRestore {
            std::unique_ptr<TFilterPass> &Pass;
            std::unique_ptr<TFilterPass> &Outer;
            ~TRestore() { Pass = std::move(Outer); }
        } Restore{FPass, Outer};
        for (int R = First; R <= Last; ++R) {
            if (!(NormalOnly && Rows.Is_Group_Row(R)) && !Rows.Row_Matches(R))
                Failing.push_back(R);
            // After every row, whether or not the percentage moved; node and
            // summary rows passed over count as done, so the last report is 100.
            ++Tested;
            if (Report) {
                Progress = static_cast<short>(std::lround(100.0 * Tested / DataRows));
                Rows.Progress(Progress);
            }
        }
    }
    Rows.Hide_Level(Failing);
    if (Report)
        Rows.Progress(Progress);
}

const TFilterPass &TGridFilterSession::Single_Pass()
{
    if (!FSingle || !FSingle->Made_From(FFilter))
        FSingle = std::make_unique<TFilterPass>(FFilter);
    return *FSingle;
}

void TGridFilterSession::Set_Active(IGridFilterRows &Rows, bool Value)
{
    if (Value != FActive) {
        FActive = Value;
        if (Value) {
            Rows.Keep_Current_Cell();
            Rows.Begin_Update();
            Apply(Rows);
            Rows.End_Update();
            Rows.Forget_Hidden_Selection();
        } else {
            if (Rows.Level() > 0) {
                Rows.Show_Last_Level();
                Rows.Set_Level(Rows.Level() - 1);
            }
            if (FFixedRowsBefore < Rows.Row_Count())
                Rows.Set_Fixed_Rows(FFixedRowsBefore);
            Rows.Restore_Selection();
        }
        if (Rows.Fixed_Rows() < Rows.Row_Count())
            Rows.Set_Top_Row(Rows.Fixed_Rows());
    }
    Rows.Recalc_Footers();
}

bool TGridFilterSession::Remove_Last(IGridFilterRows &Rows)
{
    if (Rows.Level() <= 0)
        return false;
    Rows.Show_Last_Level();
    if (FFixedRowsBefore < Rows.Row_Count())
        Rows.Set_Fixed_Rows(FFixedRowsBefore);
    Rows.Restore_Selection();
    Rows.Recalc_Footers();
    Rows.Set_Level(Rows.Level() - 1);
    return Rows.Level() > 1;
}

void TGridFilterSession::Remove_All(IGridFilterRows &Rows)
{
    if (Rows.Level() > 0) {
        while (Rows.Level() > 0)
            Remove_Last(Rows);
    } else
        FFilter.Clear();
}

void TGridFilterSession::Narrow_Down(IGridFilterRows &Rows, const QString &Condition, int Column)
{
    Rows.Keep_Fixed_Row();
    auto Fresh = [&] {
        FFilter.Clear();
        FFilter.Add() = Narrow_Down_Item(Condition, Column);
        Apply(Rows);
    };
    const bool Longer = Condition.size() == FLastCondition.size() + 1 && Condition.startsWith(FLastCondition);
    const bool Shorter = !Condition.isEmpty() && FLastCondition.size() == Condition.size() + 1 &&
                         FLastCondition.startsWith(Condition);
    if (Longer)
        Fresh();
    else if (Shorter)
        Remove_Last(Rows);
    else {
        Remove_All(Rows);
        if (!Condition.isEmpty())
            Fresh();
    }
    // An empty condition leaves no filter level; rows hidden otherwise (by
    // nodes or by hand) stay hidden rather than being dropped.
    FLastCondition = Condition;
}

bool TGridFilterSession::Build_List(IGridFilterRows &Rows, int Col)
{
    FList.clear();
    const TFilterOptions O = Rows.Options();
    if (FDropDownAuto && (Col >= Rows.Fixed_Cols() || O.AllColumns)) {
        QStringList Sorted;
        auto Add = [&](const QString &Entry) {
            auto It = std::lower_bound(Sorted.begin(), Sorted.end(), Entry);
            if (It == Sorted.end() || *It != Entry)
                Sorted.insert(It, Entry);
        };
        for (int R = Rows.Fixed_Rows(); R <= Rows.Row_Count() - Rows.Fixed_Footers() - 1; ++R)
            Add(Filter_Entry_For(Rows.Cell_Text(Col, R)));
        if (!O.Incremental)
            for (const QString &Text : Rows.Hidden_Texts(Col))
                Add(Filter_Entry_For(Text));
        FList = Sorted;
        if (!O.Clear.isEmpty())
            FList.prepend(O.Clear);
    }
    Rows.Column_List_Event(Col, FList);
    return !FList.isEmpty();
}

void TGridFilterSession::Select(IGridFilterRows &Rows, int ItemIndex)
{
    Rows.Take_Focus();
    const int Col = FCol;
    FCol = -1;
    if (Col < 0 || Col >= Rows.Total_Col_Count())
        return;
    Rows.Build_List(Col);
    if (ItemIndex < 0 || ItemIndex >= FList.size())
        return;
    const TFilterOptions O = Rows.Options();
    QString Name, Condition;
    Split_Filter_Entry(FList[ItemIndex], O.Clear, Name, Condition);
    if (O.AutoUpdate)
        Set_Active(Rows, false);
    Rows.Select_Event(Col, ItemIndex, Name, Condition);
    if (!Condition.isEmpty())
        FFilter.GetColFilter(Col).Condition = Condition;
    else
        FFilter.RemoveColumnFilter(Col);
    if (O.AutoUpdate) {
        Rows.Keep_Fixed_Row();
        Set_Active(Rows, true);
        if (Rows.Row_Count() != Rows.Fixed_Rows() && Rows.Row_Count() != 1)
            Rows.Set_Row(Rows.Fixed_Rows());
        Rows.Filter_Done();
    }
}

void TGridFilterSession::Check(IGridFilterRows &Rows, const std::vector<bool> &Checked)
{
    const int Col = FCol;
    if (Col < 0 || Col >= Rows.Total_Col_Count())
        return;
    Rows.Build_List(Col);
    const TFilterOptions O = Rows.Options();
    if (O.AutoUpdate)
        Set_Active(Rows, false);
    FFilter.Clear();
    for (int I = 0; I < FList.size() && I < static_cast<int>(Checked.size()); ++I) {
        if (!Checked[static_cast<size_t>(I)])
            continue;
        QString Name, Condition;
        Split_Filter_Entry(FList[I], O.Clear, Name, Condition);
        Rows.Check_Event(Col, I, Name, Condition, Checked);
        TFilterData &D = FFilter.Add();
        D.Condition = Condition;
        D.Column = static_cast<short>(Col);
        D.Operation = FFilter.Count() == 1 ? foNONE : foOR;
    }
    Set_Active(Rows, true);
    Rows.Repaint();
}

bool TGridFilterSession::Set_DropDownRow(int Value, int FixedRows)
{
    if (Value < 0 || Value >= FixedRows)
        return false;
    FDropDownRow = Value;
    return true;
}
