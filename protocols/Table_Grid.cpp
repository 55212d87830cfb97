#include "protocols/Table_Grid.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/MessageBox.h"
#include "protocols/Grid_Row_Ops.h"
#include "text/LangTable.h"
#include <QTabWidget>
#include <QVBoxLayout>

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
    G->Columns().BeginUpdate();
    for (int C = 0; C < int(Columns.size()); ++C) {
        TGridColumnItem *Item = G->Columns().Items(C);
        const TTable_Column &D = Columns[C];
        Item->Set_Width(D.Width);
        if (D.Color != clNone)
            Item->Set_Color(D.Color);
        Item->Set_Editor(D.Editor);
        Item->Set_ComboItems(D.Items);
        Item->Set_CheckTrue(QStringLiteral("Y"));
        Item->Set_CheckFalse(QStringLiteral("N"));
    }
    G->Columns().EndUpdate();
    // A drop-down opens on its column's items as they are now (the BACnet
    // positions are refilled on every showing).
    G->OnGetEditorProp = [G](QObject *, int ACol, int, QObject *) {
        if (ACol < 0 || ACol >= G->Columns().Count())
            return;
        const TGridColumnItem *Item = G->Columns().Items(ACol);
        if (Item->Editor() != edComboList && Item->Editor() != edComboEdit)
            return;
        G->ClearComboString();
        for (const QString &S : Item->ComboItems())
            G->AddComboString(S);
    };
    // Built as a form would stream it: the grid takes its minimums now.
    G->Loaded();
    return G;
}

QWidget *Make_Table_Page(QTabWidget *Pages, const char *Name, TTable_Grid *&Grid, const char *Grid_Name,
                         std::span<const TTable_Column> Columns)
{
    auto *Page = new QWidget(Pages);
    Page->setObjectName(QLatin1String(Name));
    auto *L = new QVBoxLayout(Page);
    L->setContentsMargins(0, 0, 0, 0);
    Grid = Make_Table_Grid(Page, Grid_Name, Columns);
    L->addWidget(Grid);
    Pages->addTab(Page, QString());
    return Page;
}

void Set_Table_Headers(TTable_Grid *Grid, std::span<const TTable_Column> Columns, THeader_Way Way)
{
    for (int C = 0; C < int(Columns.size()); ++C) {
        if (Way == THeader_Way::hwItems)
            Grid->Columns().Items(C)->Set_Header(Lang_Text(Columns[C].Header));
        else
            Grid->SetCellEx(C, 0, Lang_Text(Columns[C].Header));
    }
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
    QStringList &List = Grid->Columns().Items(Col)->ComboItems();
    List.clear();
    List.append(Items);
}

QStringList Column_Items(const TTable_Grid *Grid, int Col)
{
    return Grid->Columns().Items(Col)->ComboItems();
}

TEditorType Column_Editor(const TTable_Grid *Grid, int Col)
{
    return Grid->Columns().Items(Col)->Editor();
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
    Grid->AutoSizeCol(Col, 0);
}

TTable_Grid_Rows::TTable_Grid_Rows(TTable_Grid *Grid)
    : TGrid_Rows<TTable_Grid>(
          *Grid,
          [Grid](int C) {
              return C < Grid->Columns().Count() && Grid->Columns().Items(C)->Editor() == edDataCheckBox;
          },
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

void Table_Delete_Row(TTable_Grid *Grid, int Question, QWidget *Parent)
{
    const int Row = Grid->Row();
    if (!Msg_Yes_No(Lang_Text(Question) + QString::number(Row), Parent))
        return;
    TTable_Grid_Rows Rows(Grid);
    Grid_Delete_Row(Row, Rows);
}

void Table_Insert_Row(TTable_Grid *Grid, QWidget *Parent)
{
    TTable_Grid_Rows Rows(Grid);
    Grid_Insert_Row(Grid->Row(), Rows, Parent);
}

void Table_Copy_Row(TTable_Grid *Grid)
{
    TTable_Grid_Rows Rows(Grid);
    Grid_Copy_Row(Rows, Grid->Row());
}

void Table_Paste_Row(TTable_Grid *Grid, bool Same_Kind, QWidget *Parent)
{
    TTable_Grid_Rows Rows(Grid);
    Grid_Paste_Row(Rows, Grid->Row(), Same_Kind, Parent);
}
