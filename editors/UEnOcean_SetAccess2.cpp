#include "editors/UEnOcean_SetAccess2.h"
#include "controls/AppButton.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Editor_Frame.h"
#include "editors/EnOcean_List_Box.h"
#include "editors/UEnOcean_Device.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QAction>
#include <QBitmap>
#include <QResizeEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QShowEvent>
#include <QSplitter>
#include <QTreeWidget>
#include <QWindow>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Device_Pane_Width = 273;
constexpr int Tree_Pane_Width = 369;
constexpr int Strip_Height = 30;
constexpr int Small_Button = 34;

TFxButton *Picture_Button(QWidget *Parent, const char *Name, int Left, int Top, TEditor_Glyph Glyph)
{
    TAppButtonLook Look;
    Look.Glyph = Editor_Glyph(Glyph);
    return Make_App_Button(Parent, Name, Left, Top, Small_Button, 28, Look);
}

} // namespace

QImage Editor_Glyph(TEditor_Glyph Glyph)
{
    // Two 18-pixel frames; the bottom-left pixel's colour (magenta) is the
    // transparent one.
    QImage Strip(36, 18, QImage::Format_RGB32);
    Strip.fill(QColor(255, 0, 255));
    QPainter P(&Strip);
    for (int Frame = 0; Frame < 2; ++Frame) {
        const int X = Frame * 18;
        QColor Ink = Frame == 1 ? QColor(160, 160, 160)
                     : Glyph == TEditor_Glyph::egAdd    ? QColor(0, 140, 0)
                     : Glyph == TEditor_Glyph::egRemove ? QColor(200, 0, 0)
                                                        : QColor(0, 70, 170);
        switch (Glyph) {
        case TEditor_Glyph::egAdd:
            P.fillRect(X + 7, 3, 4, 12, Ink);
            P.fillRect(X + 3, 7, 12, 4, Ink);
            break;
        case TEditor_Glyph::egRemove:
            P.fillRect(X + 3, 7, 12, 4, Ink);
            break;
        case TEditor_Glyph::egModify:
            // a pen lying from bottom left to top right
            P.setPen(QPen(Ink, 3));
            P.drawLine(X + 4, 13, X + 13, 4);
            P.setPen(QPen(Ink, 1));
            P.drawLine(X + 3, 15, X + 5, 15);
            break;
        }
    }
    return Strip;
}

TFEnOcean_SetAccess2::TFEnOcean_SetAccess2(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FEnOcean_SetAccess2"));
    FormCreate();
}

TFEnOcean_SetAccess2::~TFEnOcean_SetAccess2() = default;

void TFEnOcean_SetAccess2::FormCreate()
{
    // This editor is resizable: the panes follow the window.
    Apply_Editor_Window_Look(this, Client_Width, Client_Height);

    P_Title = Make_Title_Panel(this, Client_Width, L_SW_Code, L_SW_Desc);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);

    // Device pane: label, the three device buttons, the list.
    PEnOcean_ID = new QWidget(Splitter1);
    PEnOcean_ID->setObjectName(QStringLiteral("PEnOcean_ID"));
    L_ID_Devices_List = Make_Label(PEnOcean_ID, "L_ID_Devices_List", 8, 8, Device_Pane_Width - 16);
    Btn_Add_Device = Picture_Button(PEnOcean_ID, "Btn_Add_Device", 8, 28, TEditor_Glyph::egAdd);
    Btn_Remove_Device = Picture_Button(PEnOcean_ID, "Btn_Remove_Device", 8 + Small_Button + 4, 28,
                                       TEditor_Glyph::egRemove);
    Btn_Modify_Device = Picture_Button(PEnOcean_ID, "Btn_Modify_Device", 8 + 2 * (Small_Button + 4), 28,
                                       TEditor_Glyph::egModify);
    LB_ID_Devices_List = new QListWidget(PEnOcean_ID);
    LB_ID_Devices_List->setObjectName(QStringLiteral("LB_ID_Devices_List"));
    LB_ID_Devices_List->setContextMenuPolicy(Qt::CustomContextMenu);
    // Every line is one ID in the same font: the list measures one line, not
    // all of them (10,000 devices took 60 ms on every layout of the list).
    LB_ID_Devices_List->setUniformItemSizes(true);

    PM_Device_EnOcean = new QMenu(this);
    PM_Device_EnOcean->setObjectName(QStringLiteral("PM_Device_EnOcean"));
    auto Menu_Item = [this](const char *Name, const QString &Caption, TEditor_Glyph Glyph) {
        QPixmap Picture = QPixmap::fromImage(Editor_Glyph(Glyph).copy(0, 0, 18, 18));
        Picture.setMask(QBitmap::fromImage(
            Editor_Glyph(Glyph).copy(0, 0, 18, 18).createMaskFromColor(qRgb(255, 0, 255), Qt::MaskInColor)));
        auto *A = PM_Device_EnOcean->addAction(QIcon(Picture), Caption);
        A->setObjectName(QLatin1String(Name));
        return A;
    };
    AddEnOceanDevice1 = Menu_Item("AddEnOceanDevice1", QStringLiteral("Add EnOcean Device"), TEditor_Glyph::egAdd);
    RemoveEnOceanDevice1 =
        Menu_Item("RemoveEnOceanDevice1", QStringLiteral("Remove EnOcean Device"), TEditor_Glyph::egRemove);
    ModifyEnOceanDevice1 =
        Menu_Item("ModifyEnOceanDevice1", QStringLiteral("Modify EnOcean Device"), TEditor_Glyph::egModify);

    // Data pane: the tab strip, the variable buttons, the tree and the grid.
    PEnOcean_Data = new QWidget(Splitter1);
    PEnOcean_Data->setObjectName(QStringLiteral("PEnOcean_Data"));
    Make_Tab_Strip(PEnOcean_Data);
    Btn_Add_Variable = Picture_Button(PEnOcean_Data, "Btn_Add_Variable", 8, Strip_Height + 6, TEditor_Glyph::egAdd);
    Btn_Remove_Variable = Picture_Button(PEnOcean_Data, "Btn_Remove_Variable", 8 + Small_Button + 4,
                                         Strip_Height + 6, TEditor_Glyph::egRemove);
    Btn_Modify_Variable = Picture_Button(PEnOcean_Data, "Btn_Modify_Variable", 8 + 2 * (Small_Button + 4),
                                         Strip_Height + 6, TEditor_Glyph::egModify);
    Splitter2 = new QSplitter(Qt::Horizontal, PEnOcean_Data);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setChildrenCollapsible(false);
    TW_UniSmart_EEP = new QTreeWidget(Splitter2);
    TW_UniSmart_EEP->setObjectName(QStringLiteral("TW_UniSmart_EEP"));
    TW_UniSmart_EEP->setHeaderHidden(true);
    TW_UniSmart_EEP->setRootIsDecorated(false);
    TW_UniSmart_EEP->setAllColumnsShowFocus(true);
    TW_UniSmart_EEP->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TW_UniSmart_EEP->setSelectionMode(QAbstractItemView::SingleSelection);
    SG_EEP_Var = new RIraRevadiVizo(Splitter2);
    SG_EEP_Var->setObjectName(QStringLiteral("SG_EEP_Var"));

    P_Button = Make_Button_Panel(this, Client_Width, Btn_OK, Btn_Cancel);
    TAppButtonLook Scan_Look;
    Btn_Scan = Make_App_Button(P_Button, "Btn_Scan", 16, 6, 110, 28, Scan_Look);
    Btn_Scan->Set_Caption(QStringLiteral("Scan"));
    Btn_Scan->setVisible(false);

    PM_Uni_SAck_EEP_Var = new QMenu(this);
    PM_Uni_SAck_EEP_Var->setObjectName(QStringLiteral("PM_Uni_SAck_EEP_Var"));
    for (const char *Caption : {"Add EEP/Variable", "Modify EEP/Variable", "Remove EEP/Variable"}) {
        QAction *A = PM_Uni_SAck_EEP_Var->addAction(QLatin1String(Caption));
        connect(A, &QAction::triggered, this, [this, A] { PopUpEEPVariableEnOcean1Click(A); });
    }

    // Handlers.
    for (TFxButton *B : {Btn_Add_Device, Btn_Remove_Device, Btn_Modify_Device})
        connect(B, &TFxButton::clicked, this, [this, B] { Btn_DeviceClick(B); });
    for (QAction *A : {AddEnOceanDevice1, RemoveEnOceanDevice1, ModifyEnOceanDevice1})
        connect(A, &QAction::triggered, this, [this, A] { PopUpEnOceanDevice1Click(A); });
    for (TFxButton *B : {Btn_Add_Variable, Btn_Remove_Variable, Btn_Modify_Variable})
        connect(B, &TFxButton::clicked, this, [this, B] { Btn_VariableClick(B); });
    Bind_List_Box_Clicks(LB_ID_Devices_List, [this] { LB_ID_Devices_ListClick(); },
                         [this] { LB_ID_Devices_ListDblClick(); });
    connect(LB_ID_Devices_List, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &At) { PM_Device_EnOcean->popup(LB_ID_Devices_List->viewport()->mapToGlobal(At)); });
    connect(TW_UniSmart_EEP, &QTreeWidget::itemClicked, this, [this] { TW_UniSmart_EEPClick(); });
    connect(Splitter1, &QSplitter::splitterMoved, this, [this] { Lay_Out(); });
    connect(Btn_OK, &TFxButton::clicked, this, &TFEnOcean_SetAccess2::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);

    L_SW_Code->setText(SW_Code);
    Set_Lang();
    // The Ruzor AVI tab is not offered in this build.
    CT_Uni_Smart_Remote->Tabs()[1]->SetVisible(false);
    Init_Table();
}

void TFEnOcean_SetAccess2::Make_Tab_Strip(QWidget *Pane)
{
    CT_Uni_Smart_Remote = Make_Page_Strip(Pane, "CT_Uni_Smart_Remote",
                                          {QStringLiteral("Unidirectional"), QStringLiteral("Ruzor AVI"),
                                           QStringLiteral("Remote")},
                                          100, 160, true);
    auto *S = CT_Uni_Smart_Remote;
    S->Tabs()[2]->SetVisible(false);
    S->OnActiveTabChanged = [this](QObject *Sender, TGlideTab *Tab) { CT_Uni_Smart_RemoteActiveTabChanged(Sender, Tab); };
}

void TFEnOcean_SetAccess2::Init_Table()
{
    RIraRevadiVizo *G = SG_EEP_Var;
    G->Set_ColCount(2);
    G->Set_RowCount(9);
    G->Set_FixedCols(0);
    G->Set_FixedRows(0);
    // Not editable: the default options keep editing off.
    G->Set_ColWidths(0, 80);
    G->Set_ColWidths(1, 300);
    const TColor Heading = RGB_Color(0xA6, 0xCA, 0xF0);
    const TColor Label = RGB_Color(0xC0, 0xDC, 0xC0);
    G->MergeCells(0, 0, 2, 1);
    G->MergeCells(0, 4, 2, 1);
    for (int Row = 0; Row < 9; ++Row) {
        G->GetCellProperties(0, Row)->Set_BrushColor(Row == 0 || Row == 4 ? Heading : Label);
        G->SetCellEx(0, Row, Lang_Text(1213 + Row));
    }
    // Built as a form would stream it: the grid takes its minimums now.
    G->Loaded();
}

void TFEnOcean_SetAccess2::Set_Lang()
{
    setWindowTitle(Lang_Text(1200));
    L_SW_Desc->setText(Lang_Text(1201));
    Btn_OK->Set_Caption(Lang_Text(1202));
    Btn_Cancel->Set_Caption(Lang_Text(1203));
    Btn_OK->setToolTip(Lang_Text(1204));
    Btn_Cancel->setToolTip(Lang_Text(1205));
    L_ID_Devices_List->setText(Lang_Text(1206));
    Btn_Add_Device->setToolTip(Lang_Text(1207));
    Btn_Remove_Device->setToolTip(Lang_Text(1208));
    Btn_Modify_Device->setToolTip(Lang_Text(1209));
    Btn_Add_Variable->setToolTip(Lang_Text(1210));
    Btn_Remove_Variable->setToolTip(Lang_Text(1211));
    Btn_Modify_Variable->setToolTip(Lang_Text(1212));
}

void TFEnOcean_SetAccess2::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    // The window's handle exists once shown; its expose tells when the
    // editor is really on screen.
    if (QWindow *Handle = windowHandle(); Handle && Handle != FWatched_Handle) {
        Handle->installEventFilter(this);
        FWatched_Handle = Handle;
    }
    if (!Event->spontaneous())
        FormShow();
}

void TFEnOcean_SetAccess2::resizeEvent(QResizeEvent *Event)
{
    QDialog::resizeEvent(Event);
    Lay_Out();
}

void TFEnOcean_SetAccess2::Lay_Out()
{
    // The panes follow the window; the splitters keep the user's division.
    if (!P_Button)
        return; // still being built
    const int Body_Height = std::max(120, height() - Title_Height - Button_Panel_Height);
    P_Title->resize(width(), Title_Height);
    Splitter1->setGeometry(0, Title_Height, width(), Body_Height);
    P_Button->setGeometry(0, height() - Button_Panel_Height, width(), Button_Panel_Height);
    // A splitter shares out the width it has: the first division waits until
    // it is shown at its size (a hidden one takes its geometry only later, and
    // would scale the panes down to its default width).
    const bool Divide = !FPanes_Divided && Splitter1->isVisible();
    if (Divide)
        Splitter1->setSizes(
            {Device_Pane_Width, std::max(1, Splitter1->width() - Splitter1->handleWidth() - Device_Pane_Width)});
    const int Pane_Width = Splitter1->sizes().value(0, Device_Pane_Width);
    LB_ID_Devices_List->setGeometry(8, 62, std::max(40, Pane_Width - 16), Body_Height - 70);
    const int Data_Width = std::max(100, Splitter1->sizes().value(1, Client_Width - Device_Pane_Width));
    CT_Uni_Smart_Remote->setGeometry(0, 0, Data_Width, Strip_Height);
    Splitter2->setGeometry(0, Strip_Height + 40, Data_Width, Body_Height - Strip_Height - 40);
    if (Divide) {
        Splitter2->setSizes(
            {Tree_Pane_Width, std::max(1, Splitter2->width() - Splitter2->handleWidth() - Tree_Pane_Width)});
        FPanes_Divided = true;
    }
}

void TFEnOcean_SetAccess2::FormShow()
{
    Lay_Out();
    Cancel_Devices_List();
    Load_Configuration();
    Show_EnOcean_Device_List();
    Ind_EEP = -1;
    Ind_Var = -1;
    TW_UniSmart_EEP->clear();
    Show_EnOcean_ASG_EEP_Var();
    // The devices read before a fault are shown; saving would drop the rest.
    // The warning waits until the editor is on screen, so that it stands over it.
    FPartial_Warning_Due = !FLast_Load.Complete();
    QMetaObject::invokeMethod(this, &TFEnOcean_SetAccess2::Warn_Partial_Load, Qt::QueuedConnection);
}

void TFEnOcean_SetAccess2::Warn_Partial_Load()
{
    if (!FPartial_Warning_Due || !isVisible())
        return;
    const QWindow *Handle = windowHandle();
    if (!Handle || !Handle->isExposed())
        return; // the expose of the window calls again
    FPartial_Warning_Due = false;
    Msg_Warning(Lang_Text(1232) + QStringLiteral("\n") + File_EnOcean + QStringLiteral("\n") + FLast_Load.Reason,
                this);
}

bool TFEnOcean_SetAccess2::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == windowHandle() && Event->type() == QEvent::Expose && FPartial_Warning_Due)
        QMetaObject::invokeMethod(this, &TFEnOcean_SetAccess2::Warn_Partial_Load, Qt::QueuedConnection);
    return QDialog::eventFilter(Watched, Event);
}

void TFEnOcean_SetAccess2::Cancel_Devices_List()
{
    DevList.clear();
}

bool TFEnOcean_SetAccess2::Load_Configuration()
{
    FLast_Load = Load_EnOcean_File(File_EnOcean, DevList);
    return FLast_Load.Complete();
}

bool TFEnOcean_SetAccess2::Save_Configuration()
{
    // The old file stays as it was; the window stays open with the changes,
    // and the engineer is told why OK did not close it.
    QString Error;
    if (Save_EnOcean_File(File_EnOcean, DevList, &Error))
        return true;
    Msg_Error(Lang_Text(1235) + Error, this);
    return false;
}

void TFEnOcean_SetAccess2::Btn_OKClick()
{
    // A file that was only partly read loses its unread part when replaced:
    // only an explicit Yes replaces it.
    if (!FLast_Load.Complete() && !Msg_Yes_No(Lang_Text(1233), this))
        return;
    if (Save_Configuration()) {
        FLast_Load = TEnOcean_Load_Result();
        accept();
    }
}

bool TFEnOcean_SetAccess2::Run(QDialog *Dialog)
{
    return Dialog && Dialog->exec() == QDialog::Accepted;
}

bool TFEnOcean_SetAccess2::Confirm(int Text)
{
    return Msg_Yes_No_Cancel(Lang_Text(Text), this) == TMsgResult::mrYes;
}

// ---- Devices ------------------------------------------------------------------------

int TFEnOcean_SetAccess2::Selected_Device() const
{
    const int Row = LB_ID_Devices_List->currentRow();
    const bool Selected = Row >= 0 && LB_ID_Devices_List->item(Row) && LB_ID_Devices_List->item(Row)->isSelected();
    return Selected && Row < static_cast<int>(DevList.size()) ? Row : -1;
}

void TFEnOcean_SetAccess2::Show_EnOcean_Device_List()
{
    LB_ID_Devices_List->clear();
    // One insertion for all lines: the list lays itself out once, not per device.
    QStringList Ids;
    Ids.reserve(static_cast<qsizetype>(DevList.size()));
    for (const auto &Dev : DevList)
        Ids << Dev->FId;
    LB_ID_Devices_List->addItems(Ids);
    LB_ID_Devices_List->setCurrentRow(-1);
    LB_ID_Devices_List->clearSelection();
}

void TFEnOcean_SetAccess2::Btn_DeviceClick(QObject *Sender)
{
    if (Sender == Btn_Add_Device)
        Add_EnOcean_Device();
    else if (Sender == Btn_Remove_Device)
        Remove_EnOcean_Device();
    else if (Sender == Btn_Modify_Device)
        Modify_EnOcean_Device();
}

void TFEnOcean_SetAccess2::PopUpEnOceanDevice1Click(QObject *Sender)
{
    if (Sender == AddEnOceanDevice1)
        Add_EnOcean_Device();
    else if (Sender == RemoveEnOceanDevice1)
        Remove_EnOcean_Device();
    else if (Sender == ModifyEnOceanDevice1)
        Modify_EnOcean_Device();
}

void TFEnOcean_SetAccess2::Add_EnOcean_Device()
{
    if (!Device_Dialog)
        return;
    // Only the ID and the security type start afresh; the other fields keep
    // what the dialog showed last.
    Device_Dialog->Mode = 0;
    Device_Dialog->E_DevEnOcean_ID->clear();
    Device_Dialog->CB_DevEnOcean_SecType->setCurrentIndex(0);
    if (!Run(Device_Dialog))
        return;
    auto Dev = std::make_unique<TDevice_EnOcean>();
    Device_Dialog->Store_Device(*Dev);
    DevList.push_back(std::move(Dev));
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Remove_EnOcean_Device()
{
    const int Index = Selected_Device();
    if (Index < 0 || !Confirm(1222))
        return;
    DevList.erase(DevList.begin() + Index);
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::Modify_EnOcean_Device()
{
    const int Index = Selected_Device();
    if (Index < 0 || !Device_Dialog)
        return;
    Device_Dialog->Mode = 1;
    Device_Dialog->Show_Device(*DevList[static_cast<size_t>(Index)]);
    if (!Run(Device_Dialog))
        return;
    Device_Dialog->Store_Device(*DevList[static_cast<size_t>(Index)]);
    Show_EnOcean_Device_List();
}

void TFEnOcean_SetAccess2::LB_ID_Devices_ListClick()
{
    const int Index = Selected_Device();
    if (Index < 0)
        return;
    Show_EnOcean_TreeView_Uni_SAck(Index);
    Find_Selected_EEP_Var();
    Show_EnOcean_ASG_EEP_Var();
}

void TFEnOcean_SetAccess2::LB_ID_Devices_ListDblClick()
{
    if (Selected_Device() >= 0)
        Modify_EnOcean_Device();
    else
        Add_EnOcean_Device();
}

void TFEnOcean_SetAccess2::PopUpEEPVariableEnOcean1Click(QObject *)
{
    // The menu is attached to no control; its items do nothing.
}
