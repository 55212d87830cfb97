#include "protocols/UMQTT_SetTopic.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/MessageBox.h"
#include "platform/XmlDoc.h"
#include "protocols/Editor_Look.h"
#include "protocols/MQTT_Set_Topic_File.h"
#include "protocols/Table_Checks.h"
#include "protocols/UMQTT_Template.h"
#include "text/LangTable.h"
#include "toolkit/RichEdit.h"
#include "workspace/Workspace.h"
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QShowEvent>
#include <QTabWidget>

namespace {

constexpr int Client_Width = 1100;
constexpr int Client_Height = 337;
constexpr TColor Topic_Color = RGB_Color(0xE0, 0xFA, 0xFE);
constexpr TColor QoS_Color = RGB_Color(0xD5, 0xD5, 0xFF);
constexpr TColor Data_Color = RGB_Color(0xA8, 0xFF, 0xA8);
constexpr TColor Position_Color = RGB_Color(0xFC, 0xD6, 0xF4);
constexpr TColor Template_Color = RGB_Color(0xFF, 0xFF, 0xA8);
constexpr TColor Event_Color = RGB_Color(0xFF, 0xD8, 0xB0);

const QStringList QoS_Items = {"0", "1", "2"};
const QStringList Type_Items = {"Int", "Float", "String", "Base64"};
const QStringList Template_Items = {"$VALUE$"};

QStringList Channel_Items()
{
    QStringList Items;
    for (int I = 0; I <= 63; ++I)
        Items << QString::number(I);
    Items << QStringLiteral("All");
    return Items;
}

const TTable_Column Pub_Columns[] = {
    {1414, 0, edNormal, 40, clNone, true, {}},
    {1415, 1419, edNormal, 300, Topic_Color, true, {}},
    {1416, 1420, edDataCheckBox, 60, QoS_Color, true, {}},
    {1417, 1421, edComboList, 80, QoS_Color, true, QoS_Items},
    {1437, 1440, edComboList, 80, Data_Color, true, Type_Items},
    {1438, 1441, edNormal, 80, Data_Color, true, {}},
    {1439, 1442, edNormal, 80, Position_Color, true, {}},
    {1462, 1464, edNormal, 100, Data_Color, false, {}},
    {1463, 1465, edNormal, 120, Data_Color, false, {}},
    {1435, 1436, edComboEdit, 130, Template_Color, true, Template_Items},
    {1481, 1482, edDataCheckBox, 75, Event_Color, true, {}},
    {1483, 1486, edDataCheckBox, 55, Event_Color, true, {}},
    {1484, 1487, edDataCheckBox, 64, Event_Color, true, {}},
    {1485, 1488, edNormal, 70, Event_Color, true, {}},
    {1490, 1491, edComboList, 60, Data_Color, false, Channel_Items()},
    {1493, 1495, edDataCheckBox, 40, Data_Color, false, {}},
    {1494, 1496, edDataCheckBox, 80, Data_Color, false, {}},
    {1418, 1422, edNormal, 170, clWhite, true, {}},
};

const TTable_Column Sub_Columns[] = {
    {1424, 0, edNormal, 40, clNone, true, {}},
    {1425, 1429, edNormal, 300, Topic_Color, true, {}},
    {1426, 1430, edDataCheckBox, 60, QoS_Color, false, {}},
    {1427, 1431, edComboList, 80, QoS_Color, true, QoS_Items},
    {1443, 1447, edComboList, 80, Data_Color, true, Type_Items},
    {1444, 1448, edNormal, 80, Data_Color, true, {}},
    {1445, 1449, edNormal, 80, Position_Color, true, {}},
    {1466, 1470, edNormal, 100, Data_Color, false, {}},
    {1467, 1471, edNormal, 50, Data_Color, false, {}},
    {1468, 1472, edComboList, 64, Data_Color, false, {"TCP", "UDP"}},
    {1469, 1473, edNormal, 130, Data_Color, false, {}},
    {1446, 1450, edComboEdit, 130, Template_Color, true, Template_Items},
    {1493, 1497, edDataCheckBox, 40, Data_Color, false, {}},
    {1494, 1498, edDataCheckBox, 80, Data_Color, false, {}},
    {1428, 1432, edNormal, 220, clWhite, true, {}},
};

QStringList Hints_Of(std::span<const TTable_Column> Columns)
{
    QStringList Hints;
    for (size_t C = 1; C < Columns.size(); ++C)
        Hints << Lang_Text(Columns[C].Hint);
    return Hints;
}

} // namespace

TFMQTT_Set_Topic::TFMQTT_Set_Topic(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FMQTT_Set_Topic"));
    FormCreate();
}

void TFMQTT_Set_Topic::FormCreate()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    Editor_Look::Apply(this, Client_Width, Client_Height);
    P_Title = Editor_Look::Make_Title(this, L_SW_Code, L_SW_Desc);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    TS_MQTT_Publish = Make_Table_Page(PageControl1, "TS_MQTT_Publish", CG_Pub, "CG_Pub", Pub_Columns);
    TS_MQTT_Subscribe = Make_Table_Page(PageControl1, "TS_MQTT_Subscribe", CG_Sub, "CG_Sub", Sub_Columns);
    Editor_Look::Fill_Middle(this, PageControl1);

    P_Button = Editor_Look::Make_Button_Panel(this);
    const char *Names[] = {"Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"};
    const char *Glyphs[] = {"FXOK", "FXCANCEL", nullptr, nullptr, nullptr, nullptr};
    TAppButton **Buttons[] = {&Btn_OK, &Btn_Cancel, &Btn_DelRow, &Btn_InsRow, &Btn_CopyRow, &Btn_PasteRow};
    const int Left = (Client_Width - 6 * 110 - 5 * 6) / 2;
    for (int I = 0; I < 6; ++I)
        *Buttons[I] = Editor_Look::Make_Button(P_Button, Names[I], Left + I * 116, 6, 110, 28, Glyphs[I]);
    Btn_Cancel->Set_Cancel(true);
    connect(Btn_OK, &TFxButton::clicked, this, &TFMQTT_Set_Topic::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);
    connect(Btn_DelRow, &TFxButton::clicked, this, &TFMQTT_Set_Topic::Btn_DelRowClick);
    connect(Btn_InsRow, &TFxButton::clicked, this, &TFMQTT_Set_Topic::Btn_InsRowClick);
    connect(Btn_CopyRow, &TFxButton::clicked, this, &TFMQTT_Set_Topic::Btn_CopyRowClick);
    connect(Btn_PasteRow, &TFxButton::clicked, this, &TFMQTT_Set_Topic::Btn_PasteRowClick);

    for (TTable_Grid *G : {CG_Pub, CG_Sub}) {
        G->OnGridHint = [this, G](QObject *, int ARow, int ACol, QString &Hint) { CG_MQTT_GridHint(G, ARow, ACol, Hint); };
        G->OnKeyPress = [this, G](TStringGrid *, QChar &Key) { CG_MQTT_KeyPress(G, Key); };
        G->OnDblClickCell = [this, G](QObject *, int ARow, int ACol) { CG_MQTT_DblClickCell(G, ARow, ACol); };
    }

    L_SW_Code->setText(SW_Code);
    Set_Lang();
}

void TFMQTT_Set_Topic::Set_Lang()
{
    setWindowTitle(Lang_Text(1400));
    L_SW_Desc->setText(Lang_Text(1401));
    TAppButton *Buttons[] = {Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow};
    for (int I = 0; I < 6; ++I) {
        Set_Button_Caption(Buttons[I], Lang_Text(1402 + I));
        Buttons[I]->setToolTip(Lang_Text(1408 + I));
    }
    Set_Table_Headers(CG_Pub, Pub_Columns, THeader_Way::hwItems);
    Set_Table_Headers(CG_Sub, Sub_Columns, THeader_Way::hwItems);
    Hint_MQTT_Set_Topic_Pub = Hints_Of(Pub_Columns);
    Hint_MQTT_Set_Topic_Sub = Hints_Of(Sub_Columns);
    PageControl1->setTabText(0, Lang_Text(1433));
    PageControl1->setTabText(1, Lang_Text(1434));
}

void TFMQTT_Set_Topic::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFMQTT_Set_Topic::FormShow()
{
    Working_Mode = 1;
    Byte_IN = 1440;
    Byte_OUT = 1440;
    Set_Table_Layout(CG_Pub, Pub_Columns, TMQTT_Set_Topic_File::Grid_Rows);
    Set_Table_Layout(CG_Sub, Sub_Columns, TMQTT_Set_Topic_File::Grid_Rows);
    PageControl1->setTabVisible(1, true);
    PageControl1->setCurrentIndex(0);
    Clear_Table_Rows(CG_Pub);
    Clear_Table_Rows(CG_Sub);
    Partly_Read = false;
    if (QFile::exists(File_MQTT_Set_Topic))
        Load_File();
    Do_Copy_Pub = false;
    Do_Copy_Sub = false;
}

void TFMQTT_Set_Topic::Load_File()
{
    TMQTT_Set_Topic_File File;
    const TTableLoadResult Result = File.Load(File_MQTT_Set_Topic);
    Table_To_Grid(File.FPublish, CG_Pub);
    Table_To_Grid(File.FSubscribe, CG_Sub);
    // What the file lacked is said, so nothing is lost unseen by the next save.
    Partly_Read = !Result.Complete();
    if (Partly_Read)
        Msg_Warning(Lang_Text(1499) + File_MQTT_Set_Topic + QStringLiteral("\n") + Result.Describe().join(u'\n'), this);
}

TTable_Grid *TFMQTT_Set_Topic::Active_Grid() const
{
    return PageControl1->currentIndex() == 0 ? CG_Pub : CG_Sub;
}

bool TFMQTT_Set_Topic::Error_In_Topic_Template(const QString &Str)
{
    return ::Error_In_Topic_Template(Str);
}

bool TFMQTT_Set_Topic::Controllo_dati()
{
    TCellTable Pub(TMQTT_Set_Topic_File::Grid_Rows, TMQTT_Set_Topic_File::Pub_Cols);
    TCellTable Sub(TMQTT_Set_Topic_File::Grid_Rows, TMQTT_Set_Topic_File::Sub_Cols);
    Grid_To_Table(CG_Pub, Pub);
    Grid_To_Table(CG_Sub, Sub);
    TMQTT_Check_Input In;
    In.Publish = &Pub;
    In.Publish_Hidden = Hidden_Columns(CG_Pub);
    In.Subscribe = &Sub;
    In.Subscribe_Hidden = Hidden_Columns(CG_Sub);
    In.Byte_IN = Byte_IN;
    In.Byte_OUT = Byte_OUT;
    const TTable_Check_Result R = Check_MQTT_Tables(In);
    if (R.Passed())
        return true;
    Msg_Error(Lang_Text(MQTT_Row_Prefix_Text) + QString::number(R.Row) + Lang_Text(R.Text) + R.Suffix, this);
    return false;
}

bool TFMQTT_Set_Topic::Save_File()
{
    TMQTT_Set_Topic_File File;
    Grid_To_Table(CG_Pub, File.FPublish);
    Grid_To_Table(CG_Sub, File.FSubscribe);
    QString Error;
    if (File.Save(File_MQTT_Set_Topic, &Error))
        return true;
    Msg_Error(Lang_Text(1706) + File_MQTT_Set_Topic + QStringLiteral("\n") + Error, this);
    return false;
}

void TFMQTT_Set_Topic::Btn_OKClick()
{
    if (!Controllo_dati())
        return;
    // A file that was only partly read loses its unread part when replaced:
    // only an explicit Yes replaces it.
    if (Partly_Read && !Msg_Yes_No(Lang_Text(1500), this))
        return;
    if (!Save_File())
        return;
    Partly_Read = false;
    done(QDialog::Accepted);
}

void TFMQTT_Set_Topic::Btn_DelRowClick()
{
    Table_Delete_Row(Active_Grid(), 1423, this);
}

void TFMQTT_Set_Topic::Btn_InsRowClick()
{
    Table_Insert_Row(Active_Grid(), this);
}

void TFMQTT_Set_Topic::Btn_CopyRowClick()
{
    TTable_Grid *G = Active_Grid();
    Table_Copy_Row(G);
    Do_Copy_Pub = G == CG_Pub;
    Do_Copy_Sub = G == CG_Sub;
}

void TFMQTT_Set_Topic::Btn_PasteRowClick()
{
    TTable_Grid *G = Active_Grid();
    Table_Paste_Row(G, G == CG_Pub ? Do_Copy_Pub : Do_Copy_Sub, this);
}

void TFMQTT_Set_Topic::CG_MQTT_DblClickCell(TTable_Grid *Sender, int ARow, int ACol)
{
    const int Real_Col = Sender->GetRealCol();
    const int Real_Row = Sender->GetRealRow();
    {
        TTable_Grid_Rows Rows(Sender);
        Grid_Auto_Size_Col(Rows, ARow, ACol);
    }
    const bool Template_Col = Sender == CG_Pub
                                  ? (Real_Col == TMQTT_Set_Topic_File::pcInputTemplate || Real_Col == TMQTT_Set_Topic_File::pcTemplate)
                                  : (Real_Col == TMQTT_Set_Topic_File::scInputTemplate || Real_Col == TMQTT_Set_Topic_File::scTemplate);
    if (Template_Col)
        Show_Form_Topic(Sender, Real_Row, Real_Col);
}

void TFMQTT_Set_Topic::CG_MQTT_GridHint(TTable_Grid *Sender, int ARow, int ACol, QString &hintstr)
{
    const int Real_Col = Sender->RealColIndex(ACol);
    const QStringList &Hints = Sender == CG_Pub ? Hint_MQTT_Set_Topic_Pub : Hint_MQTT_Set_Topic_Sub;
    if (ARow == 0 && Real_Col > 0 && Real_Col - 1 < Hints.size())
        hintstr = Hints.at(Real_Col - 1);
}

void TFMQTT_Set_Topic::CG_MQTT_KeyPress(TTable_Grid *Sender, QChar &Key)
{
    TTable_Grid_Rows Rows(Sender);
    Grid_Enter_Next_Cell(Rows, Key);
}

void TFMQTT_Set_Topic::Show_Form_Topic(TTable_Grid *Sender, int ARow, int ACol)
{
    if (!Topic_Template)
        Topic_Template = new TFTopicTemplate(this);
    TFTopicTemplate *D = Topic_Template;
    const bool Is_Pub = Sender == CG_Pub;
    D->TopicTemplate = (Is_Pub && ACol == TMQTT_Set_Topic_File::pcTemplate)
                               || (!Is_Pub && ACol == TMQTT_Set_Topic_File::scTemplate)
                           ? 1
                           : 0;
    D->Working_Mode = Working_Mode;
    D->Pub_Sub = Is_Pub ? 0 : 1;
    D->RE_TopicTemplate->Clear();
    D->RE_TopicTemplate->Set_Text(Sender->GetCellEx(ACol, ARow));
    const QPointer<TFMQTT_Set_Topic> Self(this);
    const int Result = D->exec();
    if (!Self || Result != QDialog::Accepted)
        return;
    Sender->SetCellEx(ACol, ARow, D->RE_TopicTemplate->Text());
}
