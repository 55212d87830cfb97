// Grouping: the data rows sorted by one column, a header node before every
// run of equal values, optional summary rows, the grouped column out of view
// until ungrouping; and the group and footer calculations, which pass over
// cells that hold no number instead of raising.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/stringgrid/GridCellViews.h"
#include "grid/model/GridCalc.h"
#include "grid/model/GroupOrder.h"
#include <algorithm>
#include <optional>

namespace {
// The text no cell holds: the walk starts with it so the first row opens a group.
std::optional<QString> No_Value() { return std::nullopt; }
} // namespace

void RIraRevadiVizo::Set_Row_Colors(int ARow, TColor Color, TColor ColorTo, TColor TextColor)
{
    if (Color == clNone && ColorTo == clNone && TextColor == clNone)
        return;
    for (int C = 0; C < TotalColCount(); ++C) {
        TCellProperties *P = GetCellProperties(C, ARow);
        if (Color != clNone)
            P->Set_BrushColor(Color_To_RGB(Color));
        if (ColorTo != clNone)
            P->Set_BrushColorTo(Color_To_RGB(ColorTo));
        if (TextColor != clNone)
            P->Set_FontColor(Color_To_RGB(TextColor));
    }
}

void RIraRevadiVizo::Group_Sort(int Colindex)
{
    const int From = FixedRows();
    const int To = RowCount() - FFixedFooters - 1;
    if (To <= From)
        return;
    // Numbers compare as numbers, other texts without letter case; equal
    // keys keep their order.
    const std::vector<int> Order = Group_Order(To - From + 1, [&](int I, char16_t *Room) {
        return Grid_Cell_View(*this, Colindex, From + I, Room);
    });
    std::vector<int> Rows(Order.size());
    for (size_t I = 0; I < Order.size(); ++I)
        Rows[I] = From + Order[I];
    Model().Permute_Rows(From, Rows);
    Invalidate();
}

void RIraRevadiVizo::Set_GroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void RIraRevadiVizo::Group(int Colindex)
{
    // Column 0 holds the nodes themselves: grouping by it could not be undone.
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= TotalColCount())
        return;
    if (FNodes.Grouped().Column != -1)
        UnGroup();
    if (RowCount() - FFixedFooters <= FixedRows())
        return;
    BeginUpdate();
    FNodes.Grouped().Column = Colindex;
    FNodes.Grouped().Width = ColWidths(DisplColIndex(Colindex));
    FNodes.Grouped().Caption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : QString();
    FNodes.Grouped().Footer = FFixedFooters > 0 ? GetGridCell(Colindex, RowCount() - 1) : QString();
    if (FAutoSortForGrouping)
        Group_Sort(Colindex);
    const int T = Colindex == 1 ? 2 : 1;
    const TGrouping &G = FGrouping;
    auto Mark_Summary = [&](int At) {
        SetSummaryRow(RealRowIndex(At));
        if (!(G.MergeSummary && G.Summary))
            Set_Row_Colors(At, G.SummaryColor, G.SummaryColorTo, G.SummaryTextColor);
    };
    auto Add_Summary = [&](int At) {
        Insert_Grid_Rows(At, 1);
        Mark_Summary(At);
    };
    // Without hidden rows the headers (and summaries) go in at once: K new
    // rows at the end of the data rows, then one permutation puts every
    // row in its place. Inserting them one by one shifted every later row
    // for each group.
    auto One_Pass = [&] {
        const int First = FixedRows();
        const int Last = RowCount() - FFixedFooters - 1;
        std::vector<int> Starts;   // first data row of each group
        char16_t Room[2][16];
        QStringView Prev_View;
        for (int Row = First; Row <= Last; ++Row) {
            const QStringView V = Grid_Cell_View(*this, Colindex, Row, Room[Row & 1]);
            if (Row == First || V != Prev_View)
                Starts.push_back(Row);
            Prev_View = V;
        }
        const int Groups = static_cast<int>(Starts.size());
        std::vector<QString> Texts;
        Texts.reserve(Starts.size());
        for (const int Start : Starts)
            Texts.push_back(GetGridCell(Colindex, Start));
        const int Added = Groups * (G.Summary ? 2 : 1);
        Insert_Grid_Rows(Last + 1, Added);
        std::vector<int> Order;
        Order.reserve(static_cast<size_t>(Last - First + 1 + Added));
        int Fresh = Last + 1;
        for (int I = 0; I < Groups; ++I) {
            const int End = I + 1 < Groups ? Starts[static_cast<size_t>(I) + 1] : Last + 1;
            Order.push_back(Fresh++);
            for (int Row = Starts[static_cast<size_t>(I)]; Row < End; ++Row)
                Order.push_back(Row);
            if (G.Summary)
                Order.push_back(Fresh++);
        }
        // Cells and properties, then heights and row marks follow the order.
        Model().Permute_Rows(First, Order);
        std::vector<int> Heights = All_Row_Heights();
        const std::vector<int> Old(Heights.begin() + First, Heights.begin() + First + static_cast<int>(Order.size()));
        for (size_t I = 0; I < Order.size(); ++I)
            Heights[static_cast<size_t>(First) + I] = Old[static_cast<size_t>(Order[I] - First)];
        Apply_Row_Heights(Heights);
        TGridRowFlags &F = Model().Row_Flags();
        F.RowSelect.Permute(First, Order);
        F.SelectedCells.Permute_Rows(First, Order);
        F.Modified.Permute(First, Order);
        F.Disabled.Permute(First, Order);
        if (!F.SelectedRows.empty()) {
            std::vector<int> New_Pos(static_cast<size_t>(Last - First + 1));
            for (size_t I = 0; I < Order.size(); ++I)
                if (Order[I] <= Last)
                    New_Pos[static_cast<size_t>(Order[I] - First)] = First + static_cast<int>(I);
            for (int &Row : F.SelectedRows)
                if (Row >= First && Row <= Last)
                    Row = New_Pos[static_cast<size_t>(Row - First)];
        }
        int At = First;
        for (int I = 0; I < Groups; ++I) {
            const int End = I + 1 < Groups ? Starts[static_cast<size_t>(I) + 1] : Last + 1;
            const int Span = 1 + End - Starts[static_cast<size_t>(I)];
            SetGridCell(T, At, Texts[static_cast<size_t>(I)]);
            if (!G.MergeHeader)
                Set_Row_Colors(At, G.HeaderColor, G.HeaderColorTo, G.HeaderTextColor);
            AddNode(RealRowIndex(At), Span);
            At += Span;
            if (G.Summary)
                Mark_Summary(At++);
        }
    };
    if (NumHiddenRows() == 0) {
        One_Pass();
    } else {
        // Hidden rows keep their places between the shown rows as each header
        // goes in, row by row.
        std::optional<QString> Prev = No_Value();
        int H = -1;
        int R = FixedRows();
        while (R <= RowCount() - FFixedFooters - 1) {
            const QString V = GetGridCell(Colindex, R);
            if (!Prev || *Prev != V) {
                if (H != -1) {
                    if (H > FixedRows() && G.Summary) {
                        Add_Summary(H);
                        ++H;
                        ++R;
                    }
                    AddNode(RealRowIndex(H), R - H);
                }
                Insert_Grid_Rows(R, 1);
                SetGridCell(T, R, V);
                if (!G.MergeHeader)
                    Set_Row_Colors(R, G.HeaderColor, G.HeaderColorTo, G.HeaderTextColor);
                H = R;
                ++R;
            }
            Prev = V;
            ++R;
        }
        if (H != -1) {
            if (H > FixedRows() && G.Summary) {
                Add_Summary(H);
                ++H;
                ++R;
            }
            AddNode(RealRowIndex(H), R - H);
        }
        if (G.Summary)
            Add_Summary(R);
    }
    Remove_Grid_Col(Colindex);
    if (G.MergeHeader || (G.MergeSummary && G.Summary))
        for (int B = FixedRows(); B < RowCount(); ++B) {
            if (IsNode(B) && G.MergeHeader) {
                MergeCells(1, B, ColCount() - 1, 1);
                Set_Row_Colors(B, G.HeaderColor, G.HeaderColorTo, G.HeaderTextColor);
            } else if (IsSummary(B) && G.MergeSummary && G.Summary) {
                MergeCells(1, B, ColCount() - 1, 1);
                Set_Row_Colors(B, G.SummaryColor, G.SummaryColorTo, G.SummaryTextColor);
            }
        }
    if (FCellNode->ExpandOne())
        for (int B = FixedRows(); B < RowCount(); ++B)
            if (IsNode(B)) {
                ContractAll();
                ExpandNode(RealRowIndex(B));
                break;
            }
    if (Col() >= ColCount() || Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows());
    if (FixedRows() < RowCount())
        Set_Row(FixedRows());
    EndUpdate();
}

void RIraRevadiVizo::UnGroup()
{
    if (FNodes.Grouped().Column <= 0)
        return;
    const bool ExpandOne = FCellNode->ExpandOne();
    FCellNode->Set_ExpandOne(false);
    BeginUpdate();
    ExpandAll();
    Insert_Grid_Col(FNodes.Grouped().Column, FNodes.Grouped().Width);
    if (FixedRows() > 0)
        SetGridCell(FNodes.Grouped().Column, 0, FNodes.Grouped().Caption);
    if (FFixedFooters > 0)
        SetGridCell(FNodes.Grouped().Column, RowCount() - 1, FNodes.Grouped().Footer);
    const int T = FNodes.Grouped().Column == 1 ? 2 : 1;
    auto Reset_Colors = [&](int ARow) {
        for (int C = 0; C < TotalColCount(); ++C)
            if (TCellProperties *P = Find_Cell_Props(C, ARow)) {
                P->Set_BrushColor(clNone);
                P->Set_BrushColorTo(clNone);
            }
    };
    auto Drop_Row = [&](int ARow, bool Merged) {
        if (Merged)
            SplitCells(1, ARow);
        else
            Reset_Colors(ARow);
        for (int C = 0; C < TotalColCount(); ++C)
            SetGridCell(C, ARow, QString());
        FreeCellProps(0, ARow, TotalColCount() - 1, ARow);
        Remove_Grid_Rows(ARow, 1);
    };
    QString Text;
    int R = FixedRows();
    while (R <= RowCount() - FFixedFooters - 1) {
        if (!IsNode(R)) {
            if (IsSummary(R))   // a summary row without its node: nothing to keep
                Drop_Row(R, FGrouping.MergeSummary);
            else {
                SetGridCell(FNodes.Grouped().Column, R, Text);
                ++R;
            }
            continue;
        }
        const int S = R + GetNodeSpan(R);
        if (FGrouping.Summary && S < RowCount() && IsSummary(S))
            Drop_Row(S, FGrouping.MergeSummary);
        Text = GetGridCell(T, R);
        RemoveNode(RealRowIndex(R));
        Drop_Row(R, FGrouping.MergeHeader);
    }
    FNodes.Grouped().Column = -1;
    FCellNode->Set_ExpandOne(ExpandOne);
    EndUpdate();
    Invalidate();
}

void RIraRevadiVizo::SubGroup(int Colindex)
{
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= TotalColCount() - 1)
        return;
    FNodes.Grouped().Column = Colindex;
    FNodes.Grouped().Width = ColWidths(DisplColIndex(Colindex));
    FNodes.Grouped().Caption = FixedRows() > 0 ? GetCellEx(Colindex, 0) : QString();
    FNodes.Grouped().Footer = FFixedFooters > 0 ? GetCellEx(Colindex, RowCount() - 1) : QString();
    const TGrouping &G = FGrouping;
    auto Make_Sub_Node = [&](int H, int Span) {
        AddNode(RealRowIndex(H), Span);
        if (TCellProperties *P = Find_Cell_Props(0, H))
            P->Set_CellObject(reinterpret_cast<std::uintptr_t>(Object_From_Int(Colindex)));
    };
    auto Header_Look = [&](int H) {
        if (G.MergeHeader) {
            MergeCells(Colindex + 1, H, ColCount() - Colindex - 1, 1);
            Set_Row_Colors(H, G.HeaderColor, G.HeaderColorTo, G.HeaderTextColor);
        } else
            Set_Row_Colors(H, G.HeaderColor, G.HeaderColorTo, G.HeaderTextColor);
    };
    std::optional<QString> Prev = No_Value();
    int H = -1;
    int R = FixedRows() + 1;
    while (R < RowCount() - FFixedFooters) {
        const QString V = GetCellEx(Colindex, R);
        const bool Structural = IsNode(R) || IsSummary(R);
        if (!Prev || *Prev != V || Structural) {
            if (H != -1 && !IsNode(H) && !IsSummary(H))
                Make_Sub_Node(H, R - H);
            if (!Structural) {
                InsertChildRow(RealRowIndex(R), 0);
                // The new row sits at R (a plain row was shifted down).
                SetCellEx(Colindex + 1, R, V);
                Header_Look(R);
            }
            H = R;
            ++R;
        }
        if (R >= RowCount() || IsNode(R - 1) || IsSummary(R - 1)) {
            Prev = No_Value();
            continue;
        }
        Prev = GetCellEx(Colindex, R);
        SetCellEx(Colindex, R, QString());
        ++R;
    }
    if (H != -1 && !IsSummary(H) && !IsNode(H)) {
        Make_Sub_Node(H, R - H);
        Header_Look(H);
    }
    Set_Row(std::min(FixedRows(), RowCount() - 1));
    Invalidate();
}

void RIraRevadiVizo::SubUnGroup(int Colindex)
{
    ExpandAll();
    QString Text;
    int R = FixedRows();
    while (R <= RowCount() - FFixedFooters - 1) {
        if (IsNode(R)) {
            const TCellProperties *P = Col0_Props(R);
            const std::uintptr_t Obj = P ? P->CellObject() : 0;
            const TObject *O = reinterpret_cast<TObject *>(Obj);
            if (Obj && Is_Int_Object(O) && Int_From_Object(O) == Colindex) {
                Text = GetCellEx(Colindex + 1, R);
                RemoveNode(RealRowIndex(R));
                if (FGrouping.MergeHeader)
                    SplitCells(Colindex + 1, R);
                SetCellEx(Colindex + 1, R, QString());
                RemoveChildRow(RealRowIndex(R));
                continue;
            }
            ++R;
            continue;
        }
        if (!IsSummary(R))
            SetCellEx(Colindex, R, Text);
        ++R;
    }
    Invalidate();
}

// --- calculations ----------------------------------------------------------------------------------

void RIraRevadiVizo::GroupCalc(int Colindex, int Method)
{
    if (Method < gcSum || Method > gcStdDev)
        return;
    for (int R = FixedRows(); R < RowCount();) {
        const TCellGraphic *G = Node_At(R);
        if (!G || G->CellBoolean || G->CellIndex <= 0) {
            ++R;
            continue;
        }
        const int S = G->CellIndex;
        const int Target = FGrouping.Summary ? R + S : R;
        if (Target < RowCount()) {
            if (Method == gcCount)
                SetInts(Colindex, Target, S - 1);
            else if (Method == gcCustom) {
                double Res = 0;
                if (OnGroupCalc)
                    OnGroupCalc(this, Colindex, R + 1, R + S - 1, Res);
                SetFloats(Colindex, Target, Res);
            } else {
                QStringList Texts;
                for (int D = R + 1; D <= R + S - 1 && D < RowCount(); ++D)
                    Texts << GetCellEx(Colindex, D);
                SetFloats(Colindex, Target, Column_Calc(Method, Texts).value_or(0));
            }
        }
        R += S;
    }
}

void RIraRevadiVizo::GroupSum(int Colindex)
{
    GroupCalc(Colindex, gcSum);
    if (FFloatingFooter.Visible)
        SetColumnCalc(Colindex, acSUM);
}
void RIraRevadiVizo::GroupAvg(int Colindex)
{
    GroupCalc(Colindex, gcAvg);
    if (FFloatingFooter.Visible)
        SetColumnCalc(Colindex, acAVG);
}
void RIraRevadiVizo::GroupMin(int Colindex)
{
    GroupCalc(Colindex, gcMin);
    if (FFloatingFooter.Visible)
        SetColumnCalc(Colindex, acMIN);
}
void RIraRevadiVizo::GroupMax(int Colindex)
{
    GroupCalc(Colindex, gcMax);
    if (FFloatingFooter.Visible)
        SetColumnCalc(Colindex, acMAX);
}
void RIraRevadiVizo::GroupCount(int Colindex)
{
    GroupCalc(Colindex, gcCount);
    if (FFloatingFooter.Visible)
        SetColumnCalc(Colindex, acCOUNT);
}
void RIraRevadiVizo::GroupCustomCalc(int Colindex) { GroupCalc(Colindex, gcCustom); }
void RIraRevadiVizo::GroupDistinct(int Colindex) { GroupCalc(Colindex, gcDistinct); }
void RIraRevadiVizo::GroupStdDev(int Colindex) { GroupCalc(Colindex, gcStdDev); }

void RIraRevadiVizo::SetColumnCalc(int ACol, TColumnCalcType Calc)
{
    if (ACol < 0 || ACol >= TotalColCount() || RowCount() < 1)
        return;
    GetCellProperties(ACol, RowCount() - 1)->Set_CalcType(Calc);
}

void RIraRevadiVizo::CalcFooter(int ACol) { CalcFloatingFooter(ACol); }

void RIraRevadiVizo::CalcFloatingFooter(int ACol)
{
    if (!FFloatingFooter.Visible || FFloatingFooter.FooterStyle != fsFixedLastRow || !FFloatingFooter.EnableCalculation)
        return;
    const int Last = RowCount() - 1;
    if (Last < FixedRows())
        return;
    const int H = FFloatingFooter.CalculateHiddenRows ? NumHiddenRows() : 0;
    const int From = ACol == -1 ? 0 : ACol;
    const int To = ACol == -1 ? TotalColCount() - 1 : ACol;
    for (int C = std::max(0, From); C <= To && C < TotalColCount(); ++C) {
        const TCellProperties *P = Find_Cell_Props(C, Last);
        if (!P)
            continue;
        const TColumnCalcType Calc = P->CalcType();
        switch (Calc) {
        case acSUM:
        case acAVG:
        case acMIN:
        case acMAX:
        case acDISTINCT:
        case acSTDDEV: {
            QStringList Texts;
            if (H > 0) {
                // Rows above the footer, hidden ones read where they wait.
                const int LastReal = RealRowIndex(Last);
                for (int R = FixedRows(); R < LastReal; ++R)
                    Texts << GetCellsEx(C, R);
            } else
                for (int R = FixedRows(); R < Last; ++R)
                    Texts << GetCellEx(C, R);
            const int Method = Calc == acSUM ? gcSum
                               : Calc == acAVG ? gcAvg
                               : Calc == acMIN ? gcMin
                               : Calc == acMAX ? gcMax
                               : Calc == acDISTINCT ? gcDistinct
                                                    : gcStdDev;
            SetFloats(C, Last, Column_Calc(Method, Texts).value_or(0));
            break;
        }
        case acCOUNT: SetInts(C, Last, RowCount() - FixedRows() - 1 + H); break;
        case acCUSTOM: {
            QString Value;
            if (OnFooterCalc)
                OnFooterCalc(this, C, Last + H, Value);
            else if (FFloatingFooter.OnCalcFooter)
                FFloatingFooter.OnCalcFooter(this, C, Last + H, Value);
            SetCellEx(C, Last, Value);
            break;
        }
        default: break;
        }
    }
}
