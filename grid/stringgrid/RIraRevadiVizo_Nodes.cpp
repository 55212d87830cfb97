// Row nodes: a node row heads a span of rows that contract (hide) and expand
// (show) together. The node lives in column 0 as a cell graphic; every row of
// a span carries its nesting level in its column-0 properties. Rows a node
// hides are recorded as hidden by a node, so filters and explicit hiding
// never bring them back, and expanding never shows rows hidden otherwise.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QPointer>
#include <algorithm>

// The grid's node records as the node walks read them.
class TGridNodeRows final : public IGridNodeRows {
public:
    explicit TGridNodeRows(const RIraRevadiVizo &Grid) : G(Grid) {}
    int Row_Count() const override { return G.RowCount(); }
    int Fixed_Rows() const override { return G.FixedRows(); }
    TCellGraphic *Node_At(int Row) const override { return G.Node_At(Row); }
    int Row_Level(int Row) const override
    {
        const TCellProperties *P = G.Col0_Props(Row);
        return P ? P->NodeLevel() : -1;
    }

private:
    const RIraRevadiVizo &G;
};

// --- row and column plumbing -------------------------------------------------------------

void RIraRevadiVizo::Insert_Grid_Rows(int At, int Count)
{
    if (Count <= 0 || At < 0)
        return;
    At = std::min(At, RowCount());
    // The heights move as one block and the size bookkeeping runs once: a
    // million-row grid must not pay per row for rows it does not touch.
    Model().Insert_Display_Rows(At, Count);
    Set_Row_Count_In_Place(RowCount() + Count);
    Insert_Row_Heights(At, Count);
    RowHeightsChanged();
    // Rows came: the controls over cells are collected anew.
    Rebuild_Cell_Controls_If_Used();
}

void RIraRevadiVizo::Remove_Grid_Rows(int At, int Count)
{
    if (At < 0 || At >= RowCount())
        return;
    Count = std::min(Count, RowCount() - At);
    if (Count <= 0 || Count >= RowCount())
        return;
    HideEditor();
    Model().Delete_Display_Rows(At, Count);
    Remove_Row_Heights(At, Count);
    Set_Row_Count_In_Place(RowCount() - Count);
    RowHeightsChanged();
    Rebuild_Cell_Controls_If_Used();
}

void RIraRevadiVizo::Insert_Grid_Col(int At, int Width)
{
    Model().Insert_Cols(At, 1);
    Set_ColCount(ColCount() + 1);
    const int D = std::min(DisplColIndex(At), ColCount() - 1);
    for (int I = ColCount() - 1; I > D; --I)
        Set_ColWidths(I, ColWidths(I - 1));
    Set_ColWidths(D, Width);
}

void RIraRevadiVizo::Remove_Grid_Col(int At)
{
    if (ColCount() <= 1)
        return;
    const int D = DisplColIndex(At);
    Model().Delete_Cols(At, 1);
    for (int I = D; I < ColCount() - 1; ++I)
        Set_ColWidths(I, ColWidths(I + 1));
    Set_ColCount(ColCount() - 1);
}

void RIraRevadiVizo::Hide_Rows_For(int FromReal, int ToReal, THideReason Reason)
{
    if (FromReal < 0 || ToReal < FromReal)
        return;
    HideEditor();
    std::vector<int> Heights = All_Row_Heights();
    const int D0 = DisplRowIndex(FromReal);
    const int N = Model().Hide_Rows(
        FromReal, ToReal,
        [&](int D) { return D < static_cast<int>(Heights.size()) ? Heights[static_cast<size_t>(D)] : DefaultRowHeight(); },
        Reason);
    if (N == 0)
        return;
    const int End = std::min(static_cast<int>(Heights.size()), D0 + N);
    if (D0 < End)
        Heights.erase(Heights.begin() + D0, Heights.begin() + End);
    Set_Row_Count_In_Place(RowCount() - N);
    Apply_Row_Heights(Heights);
    Invalidate();
}

void RIraRevadiVizo::Hide_Row_List_For(const std::vector<int> &DisplRows, THideReason Reason)
{
    std::vector<int> List;
    for (int R : DisplRows)
        if (R >= 0 && R < RowCount() && (List.empty() || R > List.back()))
            List.push_back(R);
    if (List.empty())
        return;
    HideEditor();
    const std::vector<int> Heights = All_Row_Heights();
    Model().Hide_Row_List(List, 0, [&](int D) { return Heights[static_cast<size_t>(D)]; }, Reason);
    std::vector<int> Kept;
    size_t Next = 0;
    for (int R = 0; R < static_cast<int>(Heights.size()); ++R) {
        if (Next < List.size() && List[Next] == R) {
            ++Next;
            continue;
        }
        Kept.push_back(Heights[static_cast<size_t>(R)]);
    }
    Set_Row_Count_In_Place(RowCount() - static_cast<int>(List.size()));
    Apply_Row_Heights(Kept);
    Invalidate();
}

void RIraRevadiVizo::Unhide_Rows_For(int FromReal, int ToReal, THideReason Reason)
{
    if (ToReal < FromReal)
        return;
    HideEditor();
    const std::vector<int> Old = All_Row_Heights();
    std::vector<std::pair<int, int>> Back;   // display row, height; ascending
    const int N = Model().Unhide_Rows_Hidden_For(FromReal, ToReal, Reason,
                                                 [&](int D, int H) { Back.emplace_back(D, H); });
    if (N == 0)
        return;
    std::vector<int> Heights;
    Heights.reserve(Old.size() + Back.size());
    size_t Src = 0, B = 0;
    for (size_t D = 0; D < Old.size() + Back.size(); ++D) {
        if (B < Back.size() && static_cast<size_t>(Back[B].first) == D)
            Heights.push_back(Back[B++].second);
        else if (Src < Old.size())
            Heights.push_back(Old[Src++]);
        else
            Heights.push_back(DefaultRowHeight());
    }
    Set_Row_Count_In_Place(RowCount() + N);
    Apply_Row_Heights(Heights);
    Invalidate();
}

// --- node data ----------------------------------------------------------------------------------

TCellGraphic *RIraRevadiVizo::RowGraphic(int ARow) const
{
    if (ARow < 0)
        return nullptr;
    const TCellProperties *P = Col0_Props(ARow);
    return P ? dynamic_cast<TCellGraphic *>(Real_Object(P->GraphicObject())) : nullptr;
}

TCellGraphic *RIraRevadiVizo::Node_At(int DisplRow) const
{
    TCellGraphic *G = RowGraphic(DisplRow);
    return G && G->CellType == ctNode ? G : nullptr;
}

bool RIraRevadiVizo::IsNode(int ARow) const { return ARow >= 0 && Node_At(ARow); }

bool RIraRevadiVizo::IsSummary(int ARow) const
{
    const TCellGraphic *G = RowGraphic(ARow);
    return G && G->CellType == ctSummary;
}

bool RIraRevadiVizo::GetNodeState(int ARow) const
{
    const TCellGraphic *G = Node_At(ARow);
    return G && G->CellBoolean;
}

void RIraRevadiVizo::SetNodeState(int ARow, bool Value)
{
    const TCellGraphic *G = Node_At(ARow);
    if (!G || G->CellBoolean == Value)
        return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int RIraRevadiVizo::GetNodeLevel(int ARow) const
{
    if (!Node_At(ARow))
        return -1;
    const TCellProperties *P = Col0_Props(ARow);
    return P ? P->NodeLevel() : 0;
}

int RIraRevadiVizo::GetNodeSpan(int ARow) const
{
    const TCellGraphic *G = Node_At(ARow);
    return G ? G->CellIndex : -1;
}

void RIraRevadiVizo::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic *G = Node_At(ARow))
        G->CellIndex = Span;
}

void RIraRevadiVizo::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic *G = Node_At(ARow))
        G->CellIndex += Delta;
}

int RIraRevadiVizo::GetSubNodeCount(int ARow) const
{
    const TCellGraphic *G = Node_At(ARow);
    return G ? G->CellErrFrom : 0;
}

void RIraRevadiVizo::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic *G = Node_At(ARow))
        G->CellErrFrom += Delta;
}

void RIraRevadiVizo::AddNode(int ARow, int Span)
{
    const int D = DisplRowIndex(ARow);
    if (D < 0 || D >= RowCount())
        return;
    auto *G = new TCellGraphic;
    G->CellType = ctNode;
    G->CellBoolean = false;
    G->CellIndex = Span;
    G->CellErrFrom = 0;
    G->CellHAlign = haBeforeText;
    G->CellVAlign = vaCenter;
    G->CellAngle = D;
    G->CellVar = -1;
    TCellProperties *P = GetCellProperties(0, D);
    TObject *Old = P->GraphicObject();
    P->Set_GraphicObject(G);
    if (Old && std::string_view(Old->ClassName()) == "TCellGraphic")
        delete Old;
    for (int R = D; R < std::min(D + Span, RowCount()); ++R) {
        TCellProperties *RP = GetCellProperties(0, R);
        RP->Set_NodeLevel(RP->NodeLevel() + 1);
    }
    if (FNodes.Added())
        InvalidateCol(0);
    if (Col() == 0 && ColCount() > 1)
        Set_Col(1);
}

void RIraRevadiVizo::SetSummaryRow(int ARow)
{
    const int D = DisplRowIndex(ARow);
    if (D < 0 || D >= RowCount())
        return;
    auto *G = new TCellGraphic;
    G->CellType = ctSummary;
    TCellProperties *P = GetCellProperties(0, D);
    TObject *Old = P->GraphicObject();
    P->Set_GraphicObject(G);
    if (Old && std::string_view(Old->ClassName()) == "TCellGraphic")
        delete Old;
    RepaintRow(D);
}

namespace {
void Drop_Node_Graphic(TCellProperties *P)
{
    TObject *G = P->GraphicObject();
    P->Set_GraphicObject(nullptr);
    delete G;
}
} // namespace

void RIraRevadiVizo::RemoveNode(int ARow)
{
    Expand_Node_Internal(ARow);
    const int D = DisplRowIndex(ARow);
    TCellGraphic *G = Node_At(D);
    if (!G)
        return;
    for (int R = D; R < std::min(D + G->CellIndex, RowCount()); ++R)
        if (TCellProperties *P = Col0_Props(R))
            P->Set_NodeLevel(std::max(0, P->NodeLevel() - 1));
    Drop_Node_Graphic(Col0_Props(D));
    FNodes.Removed();
    Invalidate();
}

void RIraRevadiVizo::RemoveAllNodes()
{
    for (int R = 0; R < RowCount(); ++R)
        if (Node_At(R))
            RemoveNode(RealRowIndex(R));
    Invalidate();
}

// --- contracting and expanding -----------------------------------------------------------------

void RIraRevadiVizo::ContractNode(int ARow)
{
    HideEditor();
    const int N = DisplRowIndex(ARow);
    TCellGraphic *G = Node_At(N);
    if (!G || G->CellBoolean)
        return;
    G->CellBoolean = true;
    // The current cell may sit in a row about to go: its move is accepted
    // without the usual checks while the rows hide.
    const bool OldForce = FForceSel;
    FForceSel = true;
    const int B = N + 1;
    int E = std::min(TGridNodes::Node_End(TGridNodeRows(*this), N, *G), RowCount());
    // An inner node that is contracted is marked expanded and hidden with its
    // parent, so that expanding the parent shows the whole subtree at once.
    for (int R = B; R < E;) {
        TCellGraphic *Inner = Node_At(R);
        if (Inner && Inner->CellBoolean) {
            Inner->CellBoolean = false;
            const int InnerSpan = Inner->CellIndex;
            Hide_Rows_For(RealRowIndex(B), RealRowIndex(R), hrNode);
            E -= (R - B) + InnerSpan;
            E = std::min(E, RowCount());
            R = B;
            continue;
        }
        ++R;
    }
    if (B < E)
        Hide_Rows_For(RealRowIndex(B), RealRowIndex(E - 1), hrNode);
    FForceSel = OldForce;
    CalcFooter(-1);
}

void RIraRevadiVizo::Expand_Node_Internal(int ARow)
{
    const int N = DisplRowIndex(ARow);
    TCellGraphic *G = Node_At(N);
    if (!G || !G->CellBoolean)
        return;
    G->CellBoolean = false;
    int F = N + 1;
    if (G->CellIndex == 0) {
        F = RowCount();
        for (int R = N + 1; R < RowCount(); ++R)
            if (Node_At(R)) {
                F = R;
                break;
            }
    }
    const int Last = F < RowCount() ? RealRowIndex(F) - 1 : TotalRowCount() + 1;
    const int OldRow = Row();
    const int OldTop = TopRow();
    const bool Disjunct = FMouseActions.DisjunctRowSelect();
    FMouseActions.Set_DisjunctRowSelectDirect(false);
    const TGridOptions Opts = Options();
    const bool RowSelect = Opts.Contains(goRowSelect);
    if (RowSelect)
        Set_Options(Opts - goRowSelect);
    BeginUpdate();
    Unhide_Rows_For(ARow + 1, Last, hrNode);
    EndUpdate();
    FMouseActions.Set_DisjunctRowSelectDirect(Disjunct);
    if (RowSelect) {
        Set_Options(Options() + goRowSelect);
        if (OldRow < RowCount())
            Set_Row(OldRow);
        if (OldTop < RowCount())
            Set_TopRow(OldTop);
    }
}

void RIraRevadiVizo::ExpandNode(int ARow)
{
    if (FCellNode->ExpandOne()) {
        for (int R = FixedRows(); R < RowCount(); ++R) {
            const TCellGraphic *G = Node_At(R);
            if (G && !G->CellBoolean && RealRowIndex(R) != ARow)
                ContractNode(RealRowIndex(R));
        }
    }
    Expand_Node_Internal(ARow);
    CalcFooter(-1);
}

void RIraRevadiVizo::ExpandAll()
{
    BeginUpdate();
    const int Total = RowCount() + NumHiddenRows();
    for (int R = FixedRows(); R < Total && R < RowCount(); ++R)
        if (Node_At(R))
            Expand_Node_Internal(RealRowIndex(R));
    EndUpdate();
    CalcFooter(-1);
}

void RIraRevadiVizo::ContractAll()
{
    BeginUpdate();
    ExpandAll();
    const std::vector<int> List = TGridNodes::Contract_All_Rows(TGridNodeRows(*this));
    // Hidden as a node hides, not as a filter level: removing a filter must
    // not show the rows of contracted nodes.
    Hide_Row_List_For(List, hrNode);
    EndUpdate();
    CalcFooter(-1);
}

// --- tree structure ------------------------------------------------------------------------------

int RIraRevadiVizo::GetParentRow(int ARow) const { return FNodes.Parent_Row(TGridNodeRows(*this), ARow); }

void RIraRevadiVizo::InsertNormalRow(int ARow)
{
    Insert_Grid_Rows(DisplRowIndex(ARow), 1);
}

void RIraRevadiVizo::InsertChildRow(int ARow, int InsertAt)
{
    const int D = DisplRowIndex(ARow);
    const int P = GetParentRow(D);
    int Level = 1;
    if (P >= 0) {
        UpdateNodeSpan(P, 1);
        UpdateSubNodeCount(P, 1);
        ExpandNode(RealRowIndex(P));
        Level = Col0_Props(P) ? Col0_Props(P)->NodeLevel() : 1;
        int Cur = P;
        while (Level > 1) {
            const int A = GetParentRow(Cur);
            if (A < FixedRows() || A == Cur)
                break;
            const int ALevel = Col0_Props(A) ? Col0_Props(A)->NodeLevel() : 0;
            if (ALevel < Level) {
                UpdateNodeSpan(A, 1);
                UpdateSubNodeCount(A, 1);
                ExpandNode(RealRowIndex(A));
                Level = ALevel;
            }
            Cur = A;
        }
        Level = Col0_Props(P) ? Col0_Props(P)->NodeLevel() : 1;
    }
    int At = D + InsertAt;
    if (Node_At(D) && InsertAt == 0) {
        At = D + 1;
        Insert_Grid_Rows(At, 1);
        // The node row keeps only its node; its texts and the other columns'
        // objects move into the new row.
        for (int C = 0; C < TotalColCount(); ++C) {
            Set_Cells(C, At, Cells(C, D));
            Set_Cells(C, D, QString());
            if (C == 0)
                continue;
            const bool Owned = Model().Is_Owned(C, D);
            TObject *O = Model().Release_Object(C, D);
            if (!O)
                continue;
            if (Owned) {
                if (auto *MP = dynamic_cast<TModelCellProps *>(O))
                    MP->Set_OwnerRow(At);
                Model().Adopt_Object(C, At, O);
            } else
                Model().Set_Object(C, At, O);
        }
    } else
        Insert_Grid_Rows(At, 1);
    if (P >= 0 && At < RowCount())
        GetCellProperties(0, At)->Set_NodeLevel(Level);
    Invalidate();
}

void RIraRevadiVizo::RemoveNormalRow(int ARow)
{
    Remove_Grid_Rows(DisplRowIndex(ARow), 1);
    FMaxRowCount = std::max(0, FMaxRowCount - 1);
}

void RIraRevadiVizo::RemoveChildRow(int ARow)
{
    const int D = DisplRowIndex(ARow);
    const int P = GetParentRow(D);
    if (P >= 0 && P != D) {
        const int L = GetNodeLevel(P);
        if (GetNodeSpan(P) > 1) {
            UpdateNodeSpan(P, -1);
            UpdateSubNodeCount(P, -1);
        }
        int Cur = P;
        for (;;) {
            ExpandNode(RealRowIndex(Cur));
            if (GetNodeLevel(Cur) <= 1)
                break;
            const int A = GetParentRow(Cur);
            if (A < 0 || A == Cur || GetNodeLevel(A) >= L)
                break;
            if (GetNodeSpan(A) > 1) {
                UpdateNodeSpan(A, -1);
                UpdateSubNodeCount(A, -1);
            }
            Cur = A;
        }
    }
    Remove_Grid_Rows(DisplRowIndex(ARow), 1);
    FMaxRowCount = std::max(0, FMaxRowCount - 1);
}

// --- glyph hit test and tree lines ------------------------------------------------------------------

bool RIraRevadiVizo::IsInNodeGlyph(int ARow, int X)
{
    if (!FMouseActions.PreciseNodeClick())
        return true;
    TNodeGlyphPlace P;
    P.Level = GetNodeLevel(ARow);
    P.Indent = FCellNode->NodeIndent();
    P.Type = FCellNode->NodeType();
    P.GlyphWidth = FCellNode->ExpandGlyph().isNull() ? 0 : FCellNode->ExpandGlyph().width();
    P.RightToLeft = layoutDirection() == Qt::RightToLeft;
    P.Width = width();
    P.ScrollWidth = VisibleRowCount() < RowCount() - FixedRows() ? ScrollWidth() : 0;
    return TGridNodes::In_Glyph(P, X);
}

int RIraRevadiVizo::GetNodeSpanType(int ARow) { return TGridNodes::Span_Type(TGridNodeRows(*this), ARow, FFixedFooters); }
