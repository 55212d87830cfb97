#include "protocols/UBACnet_Slave.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/MessageBox.h"
#include "protocols/BACnet_Slave_File.h"
#include "protocols/Editor_Look.h"
#include "protocols/Protocol_Params.h"
#include "protocols/Table_Checks.h"
#include "protocols/UBACnet_Eng_Unit.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QTabWidget>

namespace {

using F = TBACnet_Slave_File;

constexpr int Client_Width = 764;
constexpr int Client_Height = 337;
constexpr TColor Type_Color = RGB_Color(0xE0, 0xFA, 0xFE);
constexpr TColor Place_Color = RGB_Color(0xFC, 0xD6, 0xF4);
constexpr TColor Swap_Color = RGB_Color(0xFF, 0xFF, 0xA8);

const QStringList Bit_Items = {"0", "1", "2", "3", "4", "5", "6", "7"};

// Headers from First on; the Swap column stays hidden.
std::vector<TTable_Column> Columns_From(int First, const QStringList &Types)
{
    return {
        {First, 0, edNormal, 40, clNone, true, {}},
        {First + 1, 0, edComboList, 150, Type_Color, true, Types},
        {First + 2, 0, edNormal, 100, Type_Color, true, {}},
        {First + 3, 0, edComboList, 64, Place_Color, true, {}},
        {First + 4, 0, edComboList, 64, Place_Color, true, Bit_Items},
        {First + 5, 0, edNormal, 64, Place_Color, true, {}},
        {First + 6, 0, edDataCheckBox, 40, Swap_Color, false, {}},
        {First + 7, 0, edNormal, 250, clWhite, true, {}},
    };
}

const std::vector<TTable_Column> &Read_Columns()
{
    static const std::vector<TTable_Column> Columns = Columns_From(1916, BACnet_Read_Data_Types());
    return Columns;
}

const std::vector<TTable_Column> &Write_Columns()
{
    static const std::vector<TTable_Column> Columns = Columns_From(1924, BACnet_Write_Data_Types());
    return Columns;
}

QStringList Position_Items(int Bytes)
{
    QStringList Items;
    Items.reserve(Bytes);
    for (int I = 0; I < Bytes; ++I)
        Items << QString::number(I);
    return Items;
}

} // namespace

TFBACnetSlaveSetAccess::TFBACnetSlaveSetAccess(QWidget *Parent, TFBACnet_Eng_Unit *Unit_Chooser)
    : QDialog(Parent), Eng_Unit(Unit_Chooser)
{
    setObjectName(QStringLiteral("FBACnetSlaveSetAccess"));
    FormCreate();
}

void TFBACnetSlaveSetAccess::FormCreate()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setModal(true);
    Editor_Look::Apply(this, Client_Width, Client_Height);
    P_Title = Editor_Look::Make_Title(this, L_SW_Code, L_SW_Desc);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TS_BACnet_in_Read = Make_Table_Page(PageControl1, "TS_BACnet_in_Read", CG_BACnet_in_Read, "CG_BACnet_in_Read", Read_Columns());
    TS_BACnet_in_Write =
        Make_Table_Page(PageControl1, "TS_BACnet_in_Write", CG_BACnet_in_Write, "CG_BACnet_in_Write", Write_Columns());

    P_Button = Editor_Look::Make_Button_Panel(this);
    const char *Names[] = {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"};
    const char *Glyphs[] = {"FXOK", "FXCANCEL", nullptr, nullptr, nullptr, nullptr};
    TAppButton **Buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
    const int Left = (Client_Width - 6 * 110 - 5 * 15) / 2;
    for (int I = 0; I < 6; ++I)
        *Buttons[I] = Editor_Look::Make_Button(P_Button, Names[I], Left + I * 125, 6, 110, 28, Glyphs[I]);
    Btn_Cancel->Set_Cancel(true);
    connect(Btn_OK, &TFxButton::clicked, this, &TFBACnetSlaveSetAccess::bitbtn1Click);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &TFxButton::clicked, this, &TFBACnetSlaveSetAccess::Btn_DelRow_Click);
    connect(Btn_InsRow, &TFxButton::clicked, this, &TFBACnetSlaveSetAccess::Btn_InsRowClick);
    connect(Btn_CopyRow, &TFxButton::clicked, this, &TFBACnetSlaveSetAccess::Btn_CopyRowClick);
    connect(Btn_PasteRow, &TFxButton::clicked, this, &TFBACnetSlaveSetAccess::Btn_PasteRowClick);

    // The Swap column is hidden in both grids; the data types are the table's own.
    Set_Table_Layout(CG_BACnet_in_Read, Read_Columns(), F::Grid_Rows(false));
    Set_Table_Layout(CG_BACnet_in_Write, Write_Columns(), F::Grid_Rows(false));
    Set_Column_Items(CG_BACnet_in_Read, F::bcDataType, BACnet_Read_Data_Types());
    Set_Column_Items(CG_BACnet_in_Write, F::bcDataType, BACnet_Write_Data_Types());

    for (TTable_Grid *G : {CG_BACnet_in_Read, CG_BACnet_in_Write}) {
        G->OnKeyPress = [this, G](TStringGrid *, QChar &Key) { KeyPress(G, Key); };
        G->OnClickCell = [this, G](QObject *, int ARow, int ACol) { ClickCell(G, ARow, ACol); };
    }
    CG_BACnet_in_Read->OnGridHint = [this](QObject *, int ARow, int ACol, QString &Hint) {
        GridHint(CG_BACnet_in_Read, ARow, ACol, Hint);
    };
    CG_BACnet_in_Read->OnDblClickCell = [this](QObject *, int ARow, int ACol) {
        CG_BACnet_in_ReadDblClickCell(CG_BACnet_in_Read, ARow, ACol);
    };
    CG_BACnet_in_Write->OnDblClickCell = [this](QObject *, int ARow, int ACol) {
        CG_BACnet_in_WriteDblClickCell(CG_BACnet_in_Write, ARow, ACol);
    };
    CG_BACnet_in_Write->OnComboChange = [this](QObject *, int ACol, int ARow, int AItemIndex, const QString &ASelection) {
        CG_BACnet_in_WriteComboChange(CG_BACnet_in_Write, ACol, ARow, AItemIndex, ASelection);
    };

    resize(Client_Width, Client_Height);
    Editor_Look::Fill_Middle(this, PageControl1);
    L_SW_Code->setText(SW_Code);
    Set_Lang();
}

void TFBACnetSlaveSetAccess::Set_Lang()
{
    setWindowTitle(Lang_Text(1900));
    L_SW_Desc->setText(Lang_Text(1901));
    TAppButton *Buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int I = 0; I < 6; ++I) {
        Set_Button_Caption(Buttons[I], Lang_Text(1902 + I));
        Buttons[I]->setToolTip(Lang_Text(1910 + I));
    }
    PageControl1->setTabText(0, Lang_Text(1908));
    PageControl1->setTabText(1, Lang_Text(1909));
    // Straight into the row-0 cells, as this window always wrote them.
    Set_Table_Headers(CG_BACnet_in_Read, Read_Columns(), THeader_Way::hwCells);
    Set_Table_Headers(CG_BACnet_in_Write, Write_Columns(), THeader_Way::hwCells);
}

void TFBACnetSlaveSetAccess::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFBACnetSlaveSetAccess::FormShow()
{
    PageControl1->setTabVisible(0, true);
    PageControl1->setTabVisible(1, true);
    PageControl1->setCurrentIndex(0);
    NByte_IN = 1500;
    NByte_OUT = 1500;
    Set_Column_Items(CG_BACnet_in_Read, F::bcPosition, Position_Items(NByte_IN));
    Set_Column_Items(CG_BACnet_in_Write, F::bcPosition, Position_Items(NByte_OUT));
    Desc_Lenght = QFile::exists(File_ParGen) && Read_BACnet_Desc_Chars_Limit(File_ParGen);
    CG_BACnet_in_Read->Set_RowCount(F::Grid_Rows(Desc_Lenght));
    CG_BACnet_in_Write->Set_RowCount(F::Grid_Rows(Desc_Lenght));
    Clear_Table_Rows(CG_BACnet_in_Read);
    Clear_Table_Rows(CG_BACnet_in_Write);
    Partly_Read = false;
    if (QFile::exists(File_BACnet_Slave))
        Load_File();
    Do_Copy_Read = false;
    Do_Copy_Write = false;
}

void TFBACnetSlaveSetAccess::Load_File()
{
    TBACnet_Slave_File File(Desc_Lenght);
    const TTableLoadResult Result = File.Load(File_BACnet_Slave);
    Table_To_Grid(File.FRead, CG_BACnet_in_Read);
    Table_To_Grid(File.FWrite, CG_BACnet_in_Write);
    // What the file lacked is said, so nothing is lost unseen by the next save.
    Partly_Read = !Result.Complete();
    if (Partly_Read)
        Msg_Warning(Lang_Text(1961) + File_BACnet_Slave + QStringLiteral("\n") + Result.Describe().join(u'\n'), this);
}

TTable_Grid *TFBACnetSlaveSetAccess::Active_Grid() const
{
    return PageControl1->currentIndex() == 0 ? CG_BACnet_in_Read : CG_BACnet_in_Write;
}

bool TFBACnetSlaveSetAccess::Controllo_dati()
{
    const int Rows = F::Grid_Rows(Desc_Lenght);
    TCellTable Read(Rows, F::Cols);
    TCellTable Write(Rows, F::Cols);
    Grid_To_Table(CG_BACnet_in_Read, Read);
    Grid_To_Table(CG_BACnet_in_Write, Write);
    TBACnet_Check_Input In;
    In.Read = &Read;
    In.Write = &Write;
    In.NByte_IN = NByte_IN;
    In.NByte_OUT = NByte_OUT;
    In.Desc_Lenght = Desc_Lenght;
    const TTable_Check_Result R = Check_BACnet_Tables(In);
    if (R.Passed())
        return true;
    const QString Prefix = R.Row > 0 ? Lang_Text(BACnet_Row_Prefix_Text) + QString::number(R.Row) : QString();
    Msg_Error(Prefix + Lang_Text(R.Text) + R.Suffix, this);
    return false;
}

bool TFBACnetSlaveSetAccess::Save_File()
{
    TBACnet_Slave_File File(Desc_Lenght);
    Grid_To_Table(CG_BACnet_in_Read, File.FRead);
    Grid_To_Table(CG_BACnet_in_Write, File.FWrite);
    QString Error;
    if (File.Save(File_BACnet_Slave, &Error))
        return true;
    Msg_Error(Lang_Text(1706) + File_BACnet_Slave + QStringLiteral("\n") + Error, this);
    return false;
}

void TFBACnetSlaveSetAccess::bitbtn1Click()
{
    if (!Controllo_dati())
        return;
    // A file that was only partly read loses its unread part when replaced:
    // only an explicit Yes replaces it.
    if (Partly_Read && !Msg_Yes_No(Lang_Text(1962), this))
        return;
    if (!Save_File())
        return;
    Partly_Read = false;
    done(QDialog::Accepted);
}

void TFBACnetSlaveSetAccess::Btn_DelRow_Click()
{
    Table_Delete_Row(Active_Grid(), 1960, this);
}

void TFBACnetSlaveSetAccess::Btn_InsRowClick()
{
    Table_Insert_Row(Active_Grid(), this);
}

void TFBACnetSlaveSetAccess::Btn_CopyRowClick()
{
    TTable_Grid *G = Active_Grid();
    Table_Copy_Row(G);
    Do_Copy_Read = G == CG_BACnet_in_Read;
    Do_Copy_Write = G == CG_BACnet_in_Write;
}

void TFBACnetSlaveSetAccess::Btn_PasteRowClick()
{
    TTable_Grid *G = Active_Grid();
    Table_Paste_Row(G, G == CG_BACnet_in_Read ? Do_Copy_Read : Do_Copy_Write, this);
}

void TFBACnetSlaveSetAccess::ClickCell(TTable_Grid *Sender, int ARow, int ACol)
{
    if (ACol == 0 && ARow > 0)
        Sender->SelectRows(ARow, 1);
}

void TFBACnetSlaveSetAccess::KeyPress(TTable_Grid *Sender, QChar &Key)
{
    TTable_Grid_Rows Rows(Sender);
    Grid_Enter_Next_Cell(Rows, Key);
}

void TFBACnetSlaveSetAccess::CG_BACnet_in_ReadDblClickCell(TTable_Grid *Sender, int ARow, int ACol)
{
    Dbl_Click_Cell(CG_BACnet_in_Read, ARow, ACol);
}

void TFBACnetSlaveSetAccess::CG_BACnet_in_WriteDblClickCell(TTable_Grid *Sender, int ARow, int ACol)
{
    Dbl_Click_Cell(CG_BACnet_in_Write, ARow, ACol);
}

void TFBACnetSlaveSetAccess::Dbl_Click_Cell(TTable_Grid *Grid, int ARow, int ACol)
{
    // The chooser edits a data cell; the header only sizes its column.
    if (ARow > 0 && Grid->RealColIndex(ACol) == F::bcEngUnit) {
        if (!Eng_Unit)
            Eng_Unit = new TFBACnet_Eng_Unit(this);
        TFBACnet_Eng_Unit *D = Eng_Unit;
        const int Col = Grid->RealColIndex(ACol);
        D->Show_Current_Unit(Grid->GetCellEx(Col, ARow));
        const QPointer<TFBACnetSlaveSetAccess> Self(this);
        const int Result = D->exec();
        if (!Self)
            return;
        if (Result == QDialog::Accepted)
            Grid->SetCellEx(Col, ARow, D->E_Selected_EU->text());
    }
    TTable_Grid_Rows Rows(Grid);
    Grid_Auto_Size_Col(Rows, ARow, ACol);
}

void TFBACnetSlaveSetAccess::CG_BACnet_in_WriteComboChange(TTable_Grid *Sender, int ACol, int ARow, int AItemIndex,
                                                           const QString &ASelection)
{
    if (ACol != F::bcDataType || ARow < 1)
        return;
    const QString Length = BACnet_Write_Default_Length(ASelection);
    if (!Length.isNull())
        CG_BACnet_in_Write->SetCellEx(F::bcLength, ARow, Length);
}

void TFBACnetSlaveSetAccess::GridHint(TTable_Grid *, int, int, QString &)
{
    // No header hints in this window: the grid's own hint stays.
}
