#include "protocols/Grid_Row_Ops.h"
#include "platform/MessageBox.h"
#include "platform/TrimEnds.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"

QStringList Row_Clipboard;

namespace {

// Gathers the repaints of a whole row movement into one.
class TUpdate_Scope
{
public:
    explicit TUpdate_Scope(IRow_Grid &Grid) : FGrid(Grid) { FGrid.Begin_Update(); }
    ~TUpdate_Scope() { FGrid.End_Update(); }
    TUpdate_Scope(const TUpdate_Scope &) = delete;
    TUpdate_Scope &operator=(const TUpdate_Scope &) = delete;

private:
    IRow_Grid &FGrid;
};

void Copy_Row_Cells(IRow_Grid &Grid, int From, int To)
{
    const int N = Grid.Stored_Col_Count();
    for (int C = 1; C < N; ++C)
        Grid.Set_Cell(C, To, Grid.Cell(C, From));
}

void Empty_Row_Cells(IRow_Grid &Grid, int Row)
{
    const int N = Grid.Stored_Col_Count();
    for (int C = 1; C < N; ++C)
        Grid.Set_Cell(C, Row, QString());
}

} // namespace

bool Row_In_Use(const IRow_Grid &Grid, int ARow)
{
    const int N = Grid.Stored_Col_Count();
    for (int C = 1; C < N; ++C)
        if (!Grid.Is_Check_Column(C) && !Trim_Ends(Grid.Cell(C, ARow)).isEmpty())
            return true;
    return false;
}

void Grid_Auto_Size_Col(IRow_Grid &Grid, int ARow, int ACol)
{
    if (Double_Click_Auto_Size && ARow == 0)
        Grid.Auto_Size_Col(ACol);
}

void Grid_Enter_Next_Cell(IRow_Grid &Grid, QChar &Key)
{
    if (!Enable_Jump_Field_Tables || Key != QChar(13))
        return;
    const int Col = Grid.Col();
    const int Row = Grid.Row();
    if (Col > 0 && Row > 0) {
        if (Col < Grid.Shown_Col_Count() - 1)
            Grid.Move_To(Col + 1, Row);
        else
            Grid.Move_To(1, Row < Grid.Row_Count() - 1 ? Row + 1 : 1);
    }
    Key = QChar(0);
}

void Grid_Delete_Row(int ARow, IRow_Grid &Grid)
{
    if (ARow < 1 || ARow >= Grid.Row_Count())
        return;
    TUpdate_Scope Scope(Grid);
    for (int I = ARow; I <= Grid.Row_Count() - 2; ++I)
        Copy_Row_Cells(Grid, I + 1, I);
    Empty_Row_Cells(Grid, Grid.Row_Count() - 1);
}

bool Grid_Insert_Row(int ARow, IRow_Grid &Grid, QWidget *Parent)
{
    if (ARow < 1 || ARow >= Grid.Row_Count())
        return false;
    // The last row falls out of the table: its values are not thrown away
    // without the user's word.
    if (Row_In_Use(Grid, Grid.Row_Count() - 1) && !Msg_Yes_No(Lang_Text(1710), Parent))
        return false;
    TUpdate_Scope Scope(Grid);
    for (int I = Grid.Row_Count() - 2; I >= ARow; --I)
        Copy_Row_Cells(Grid, I, I + 1);
    Empty_Row_Cells(Grid, ARow);
    return true;
}

void Grid_Copy_Row(IRow_Grid &Grid, int ARow)
{
    Row_Clipboard.clear();
    const int N = Grid.Stored_Col_Count();
    for (int C = 1; C < N; ++C)
        Row_Clipboard.append(Grid.Cell(C, ARow));
}

bool Grid_Paste_Row(IRow_Grid &Grid, int ARow, bool Do_Copy, QWidget *Parent)
{
    if (ARow < 1 || ARow >= Grid.Row_Count())
        return false;
    if (!Do_Copy) {
        Msg_Error(Lang_Text(1702), Parent);
        return false;
    }
    const int N = Grid.Stored_Col_Count();
    if (Row_Clipboard.size() != N - 1) {
        Msg_Error(Lang_Text(1701), Parent);
        return false;
    }
    if (Row_In_Use(Grid, ARow) && !Msg_Yes_No(Lang_Text(1700), Parent))
        return false;
    TUpdate_Scope Scope(Grid);
    for (int C = 1; C < N; ++C)
        Grid.Set_Cell(C, ARow, Row_Clipboard.at(C - 1));
    return true;
}
