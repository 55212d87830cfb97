#include "protocols/Table_Grid.h"
#include "grid/core/RIraRevadiVizo.h"
#include "text/LangTable.h"
#include <QFontMetrics>
#include <QHash>
#include <QPointer>

namespace {

// What the table editors know of a grid's columns until the grid itself
// carries them: editor kind, colour and drop-down items per real column.
struct TColumn_State
{
    TEditorType Editor = edNormal;
    TColor Color = clNone;
    QStringList Items;
};

QHash<const TTable_Grid *, QList<TColumn_State>> &Column_States()
{
    static QHash<const TTable_Grid *, QList<TColumn_State>> States;
    return States;
}

const TColumn_State *Column_State(const TTable_Grid *Grid, int Col)
{
    const auto It = Column_States().constFind(Grid);
    if (It == Column_States().constEnd() || Col < 0 || Col >= It->size())
        return nullptr;
    return &It->at(Col);
}

} // namespace

TTable_Grid *Make_Table_Grid(QWidget *Parent, const char *Name, std::span<const TTable_Column> Columns)
{
    auto *G = new TTable_Grid(Parent);
    G->setObjectName(QLatin1String(Name));
    G->Set_ColCount(int(Columns.size()));
    G->Set_RowCount(2);
    G->Set_FixedRows(1);
    G->Set_FixedCols(1);
    G->Set_RowHeights(0, 22);
    G->Set_Options(TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                                goColSizing, goEditing});
    QList<TColumn_State> States;
    for (int C = 0; C < int(Columns.size()); ++C) {
        G->Set_ColWidths(C, Columns[C].Width);
        States.append({Columns[C].Editor, Columns[C].Color, Columns[C].Items});
    }
    Column_States().insert(G, States);
    QObject::connect(G, &QObject::destroyed, [G] { Column_States().remove(G); });
    G->OnGetCellColor = [G](QObject *, int ARow, int ACol, TGridDrawState, TBrush &ABrush, TFont &) {
        if (ARow < G->FixedRows())
            return;
        if (const TColumn_State *S = Column_State(G, G->RealColIndex(ACol)); S && S->Color != clNone)
            ABrush.Color = S->Color;
    };
    return G;
}

void Set_Table_Headers(TTable_Grid *Grid, std::span<const TTable_Column> Columns)
{
    for (int C = 0; C < int(Columns.size()); ++C)
        Grid->SetCellEx(C, 0, Lang_Text(Columns[C].Header));
}

void Set_Table_Layout(TTable_Grid *Grid, std::span<const TTable_Column> Columns, int Row_Count)
{
    Grid->Set_RowCount(Row_Count);
    for (int C = 0; C < int(Columns.size()); ++C) {
        if (Columns[C].Shown)
            Grid->UnHideColumn(C);
        else
            Grid->HideColumn(C);
    }
}

void Clear_Table_Rows(TTable_Grid *Grid)
{
    const int Cols = Grid->ColCount() + Grid->NumHiddenColumns();
    Grid->BeginUpdate();
    for (int R = 1; R < Grid->RowCount(); ++R) {
        Grid->SetCellEx(0, R, QString::number(R));
        for (int C = 1; C < Cols; ++C)
            Grid->SetCellEx(C, R, QString());
    }
    Grid->EndUpdate();
}

void Set_Column_Items(TTable_Grid *Grid, int Col, const QStringList &Items)
{
    auto It = Column_States().find(Grid);
    if (It != Column_States().end() && Col >= 0 && Col < It->size())
        (*It)[Col].Items = Items;
}

QStringList Column_Items(const TTable_Grid *Grid, int Col)
{
    const TColumn_State *S = Column_State(Grid, Col);
    return S ? S->Items : QStringList();
}

TEditorType Column_Editor(const TTable_Grid *Grid, int Col)
{
    const TColumn_State *S = Column_State(Grid, Col);
    return S ? S->Editor : edNormal;
}

QSet<int> Hidden_Columns(const TTable_Grid *Grid)
{
    QSet<int> Hidden;
    const int Cols = Grid->ColCount() + Grid->NumHiddenColumns();
    for (int C = 0; C < Cols; ++C)
        if (Grid->IsHiddenColumn(C))
            Hidden.insert(C);
    return Hidden;
}

void Auto_Size_Column(TTable_Grid *Grid, int Col)
{
    // Col is a display index, as the double click gives it.
    const int Real = Grid->RealColIndex(Col);
    const QFontMetrics M(Grid->font());
    int Width = 0;
    for (int R = 0; R < Grid->RowCount(); ++R)
        Width = qMax(Width, M.horizontalAdvance(Grid->GetCellEx(Real, R)) + 4);
    if (Width > 0)
        Grid->Set_ColWidths(Col, Width);
}

TTable_Grid_Rows::TTable_Grid_Rows(TTable_Grid *Grid)
    : TGrid_Rows<TTable_Grid>(
          *Grid, [Grid](int C) { return Column_Editor(Grid, C) == edDataCheckBox; },
          [Grid](int C) { Auto_Size_Column(Grid, C); })
{
}

void Table_To_Grid(const TCellTable &Table, TTable_Grid *Grid)
{
    TTable_Grid_Rows Rows(Grid);
    Copy_Table_To_Grid(Table, Rows);
}

void Grid_To_Table(TTable_Grid *Grid, TCellTable &Table)
{
    TTable_Grid_Rows Rows(Grid);
    Copy_Grid_To_Table(Rows, Table);
}
