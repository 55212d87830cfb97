#include "editors/UEnOcean_SetAccess.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/AppButton.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Editor_Frame.h"
#include "editors/EnOcean_Editor_Parts.h"
#include "editors/EnOcean_List_Box.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShowEvent>
#include <QSplitter>
#include <QTreeWidget>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Device_Pane_Width = 273;
constexpr int Tree_Pane_Width = 361;
constexpr int Strip_Height = 30;
// The ID page: labels at 16, fields at 160, one row per field (the field
// tops; labels 3 pixels lower).
constexpr int Label_Left = 16;
constexpr int Field_Left = 160;
constexpr int Field_Top[TSecurity_Rows::rowCount] = {13, 53, 85, 117, 149, 181, 213, 245, 277};
constexpr int Max_EEP_Per_Device = 4;

void Choose(QComboBox *List, int Index)
{
    List->setCurrentIndex(Index >= 0 && Index < List->count() ? Index : -1);
}

TFxButton *Button(QWidget *Parent, const char *Name, int Left, int Top, int Width = 138)
{
    return Make_App_Button(Parent, Name, Left, Top, Width, 28);
}

} // namespace

TFEnOcean_SetAccess::TFEnOcean_SetAccess(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FEnOcean_SetAccess"));
    FormCreate();
}

TFEnOcean_SetAccess::~TFEnOcean_SetAccess() = default;

void TFEnOcean_SetAccess::FormCreate()
{
    Apply_Editor_Window_Look(this, Client_Width, Client_Height);

    P_Title = Make_Title_Panel(this, Client_Width, L_SW_Code, L_SW_Desc);
    P_Button = Make<QFrame>(this, "P_Button", 0, Client_Height - Button_Panel_Height, Client_Width,
                            Button_Panel_Height);
    TAppButtonLook Ok_Look, Cancel_Look;
    Ok_Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXOK"));
    Cancel_Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXCANCEL"));
    Btn_OK = Make_App_Button(P_Button, "Btn_OK", 16, 6, 110, 28, Ok_Look);
    Btn_Cancel = Make_App_Button(P_Button, "Btn_Cancel", 134, 6, 110, 28, Cancel_Look);

    Splitter1 = new QSplitter(Qt::Horizontal, this);
    Splitter1->setObjectName(QStringLiteral("Splitter1"));
    Splitter1->setChildrenCollapsible(false);
    Splitter1->setGeometry(0, Title_Height, Client_Width, Client_Height - Title_Height - Button_Panel_Height);
    PEnOcean_ID = new QWidget(Splitter1);
    PEnOcean_ID->setObjectName(QStringLiteral("PEnOcean_ID"));
    L_ID_Devices_List = Make_Label(PEnOcean_ID, "L_ID_Devices_List", 8, 8, Device_Pane_Width - 16);
    LB_ID_Devices_List = Make<QListWidget>(PEnOcean_ID, "LB_ID_Devices_List", 8, 28, Device_Pane_Width - 16,
                                           Splitter1->height() - 36);
    PEnOcean_DefID = new QWidget(Splitter1);
    PEnOcean_DefID->setObjectName(QStringLiteral("PEnOcean_DefID"));
    PEnOcean_DefID->resize(Client_Width - Device_Pane_Width, Splitter1->height());
    Splitter1->setSizes({Device_Pane_Width, Client_Width - Device_Pane_Width});

    // Captions are set by Set_Lang, except those of the Ruzor AVI strip.
    CT_ID_Data = Make_Page_Strip(PEnOcean_DefID, "CT_ID_Data", {QString(), QString()}, 150, 200, true);
    CT_ID_Data->Options().Scrolling().SetDragScroll(false);
    PEnOcean_DefID_IDSec = new QWidget(PEnOcean_DefID);
    PEnOcean_DefID_IDSec->setObjectName(QStringLiteral("PEnOcean_DefID_IDSec"));
    PEnOcean_DefID_DataEx = new QWidget(PEnOcean_DefID);
    PEnOcean_DefID_DataEx->setObjectName(QStringLiteral("PEnOcean_DefID_DataEx"));
    for (QWidget *P : {PEnOcean_DefID_IDSec, PEnOcean_DefID_DataEx})
        P->setGeometry(0, Strip_Height, PEnOcean_DefID->width(), PEnOcean_DefID->height() - Strip_Height);
    Make_ID_Page();

    CT_Uni_Smart_Remote = Make_Page_Strip(PEnOcean_DefID_DataEx, "CT_Uni_Smart_Remote", {QString(), QString(), QString()},
                                     100, 160, true);
    CT_Uni_Smart_Remote->Tabs()[2]->SetVisible(false);
    PEnOcean_DefID_Data_Uni = new QWidget(PEnOcean_DefID_DataEx);
    PEnOcean_DefID_Data_Uni->setObjectName(QStringLiteral("PEnOcean_DefID_Data_Uni"));
    PEnOcean_DefID_Data_Smart = new QWidget(PEnOcean_DefID_DataEx);
    PEnOcean_DefID_Data_Smart->setObjectName(QStringLiteral("PEnOcean_DefID_Data_Smart"));
    for (QWidget *P : {PEnOcean_DefID_Data_Uni, PEnOcean_DefID_Data_Smart})
        P->setGeometry(0, Strip_Height, PEnOcean_DefID_DataEx->width(),
                       PEnOcean_DefID_DataEx->height() - Strip_Height);
    Make_Data_Page(PEnOcean_DefID_Data_Uni, Uni, "", false);
    Make_Data_Page(PEnOcean_DefID_Data_Smart, Smart, "_Smart", true);
    TW_UniSmart_EEP = Uni.TW;
    CT_EEP_Var = Uni.CT_EEP_Var;
    CB_EEP_Rorg = Uni.CB_EEP_Rorg;
    CB_EEP_Func = Uni.CB_EEP_Func;
    CB_EEP_Type = Uni.CB_EEP_Type;
    CB_Var_Case = Uni.CB_Var_Case;
    CB_Var_DataField = Uni.CB_Var_DataField;
    E_Var_Position = Uni.E_Var_Position;
    CB_Var_BitStart = Uni.CB_Var_BitStart;
    Btn_EEP_Add = Uni.Btn_EEP_Add;
    Btn_EEP_Modify = Uni.Btn_EEP_Modify;
    Btn_EEP_Delete = Uni.Btn_EEP_Delete;
    Btn_Var_Add = Uni.Btn_Var_Add;
    Btn_Var_Modify = Uni.Btn_Var_Modify;
    Btn_Var_Delete = Uni.Btn_Var_Delete;

    // Handlers.
    connect(Btn_OK, &TFxButton::clicked, this, &TFEnOcean_SetAccess::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);
    // The older editor has no double-click handler.
    Bind_List_Box_Clicks(LB_ID_Devices_List, [this] { LB_ID_Devices_ListClick(); }, nullptr);
    for (TFxButton *B : {Btn_Add_Device, Btn_Modify_Device, Btn_Delete_Device})
        connect(B, &TFxButton::clicked, this, [this, B] { Btn_Add_Modify_DeviceClick(B); });
    connect(CB_DevEnOcean_SecType, &QComboBox::activated, this, [this] { CB_DevEnOcean_SecTypeChange(); });
    CT_ID_Data->OnActiveTabChanged = [this](QObject *S, TGlideTab *T) { CT_ID_DataActiveTabChanged(S, T); };
    CT_Uni_Smart_Remote->OnActiveTabChanged = [this](QObject *S, TGlideTab *T) {
        CT_Uni_Smart_RemoteActiveTabChanged(S, T);
    };
    CT_EEP_Var->OnActiveTabChanged = [this](QObject *S, TGlideTab *T) { CT_EEP_VarActiveTabChanged(S, T); };
    Smart.CT_EEP_Var->OnActiveTabChanged = [this](QObject *S, TGlideTab *T) {
        CT_EEP_Var_SmartActiveTabChanged(S, T);
    };
    for (TData_Page *P : {&Uni, &Smart}) {
        QTreeWidget *Tree = P->TW;
        connect(Tree, &QTreeWidget::itemClicked, this, [this, Tree] { TW_UniSmart_EEPClick(Tree); });
        for (QComboBox *C : {P->CB_EEP_Rorg, P->CB_EEP_Func, P->CB_EEP_Type, P->CB_Var_Case})
            connect(C, &QComboBox::activated, this, [this, C] { CB_EEP_Rorg_Func_Type_Change(C); });
        for (TFxButton *B : {P->Btn_EEP_Add, P->Btn_EEP_Modify, P->Btn_EEP_Delete})
            connect(B, &TFxButton::clicked, this, [this, B] { Btn_EEP_Add_Modify_Click(B); });
        for (TFxButton *B : {P->Btn_Var_Add, P->Btn_Var_Modify, P->Btn_Var_Delete})
            connect(B, &TFxButton::clicked, this, [this, B] { Btn_Var_Add_Modify_Click(B); });
    }

    // Start on the ID page, the unidirectional page and the EEP pages.
    Show_Page(PEnOcean_DefID_IDSec, true);
    Show_Page(PEnOcean_DefID_DataEx, false);
    Show_Page(PEnOcean_DefID_Data_Uni, true);
    Show_Page(PEnOcean_DefID_Data_Smart, false);
    for (TData_Page *P : {&Uni, &Smart}) {
        Show_Page(P->EEP_Page, true);
        Show_Page(P->Var_Page, false);
    }
    L_SW_Code->setText(SW_Code);
    Set_Lang();
    CB_DevEnOcean_SecTypeChange();
}

void TFEnOcean_SetAccess::Make_ID_Page()
{
    QWidget *P = PEnOcean_DefID_IDSec;
    Make_Security_Rows(P, Field_Top);
    Btn_Add_Device = Button(P, "Btn_Add_Device", Field_Left, 0);
    Btn_Modify_Device = Button(P, "Btn_Modify_Device", Field_Left + 146, 0);
    Btn_Delete_Device = Button(P, "Btn_Delete_Device", Field_Left, 0);
}

void TFEnOcean_SetAccess::Make_Data_Page(QWidget *Parent, TData_Page &Page, const char *Suffix, bool Is_Smart)
{
    auto N = [Suffix](const char *Base) { return QByteArray(Base) + Suffix; };
    Page.Splitter = new QSplitter(Qt::Horizontal, Parent);
    Page.Splitter->setChildrenCollapsible(false);
    Page.Splitter->setGeometry(0, 0, Parent->width(), Parent->height());
    Page.TW = new QTreeWidget(Page.Splitter);
    Page.TW->setObjectName(QLatin1String(Is_Smart ? "TW_Smart_EEP" : "TW_UniSmart_EEP"));
    Page.TW->setHeaderHidden(true);
    Page.TW->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto *Right = new QWidget(Page.Splitter);
    Right->resize(Parent->width() - Tree_Pane_Width, Parent->height());
    Page.Splitter->setSizes({Tree_Pane_Width, Parent->width() - Tree_Pane_Width});
    // The Ruzor AVI strip keeps the captions of its form.
    Page.CT_EEP_Var = Make_Page_Strip(Right, N("CT_EEP_Var").constData(),
                                 Is_Smart ? QStringList{QStringLiteral("EEP"), QStringLiteral("Variable")}
                                          : QStringList{QString(), QString()},
                                 25, 100, false);
    Page.EEP_Page = new QWidget(Right);
    Page.EEP_Page->setObjectName(QString::fromLatin1(Is_Smart ? "PEnOcean_DefID_Data_Smart_EEP"
                                                               : "PEnOcean_DefID_Data_Uni_Smart_EEP"));
    Page.Var_Page = new QWidget(Right);
    Page.Var_Page->setObjectName(QString::fromLatin1(Is_Smart ? "PEnOcean_DefID_Data_Smart_Var"
                                                              : "PEnOcean_DefID_Data_Uni_Smart_Var"));
    for (QWidget *P : {Page.EEP_Page, Page.Var_Page})
        P->setGeometry(0, Strip_Height, Right->width(), Right->height() - Strip_Height);

    auto Row = [&](QWidget *P, const char *L, QLabel *&Label, int Top) {
        Label = Make_Label(P, N(L).constData(), Label_Left, Top, 120);
    };
    auto List = [&](QWidget *P, const char *Name, int Top) {
        return Make<QComboBox>(P, N(Name).constData(), 140, Top - 3, 257, 22);
    };
    QWidget *E = Page.EEP_Page;
    Row(E, "L_EEP_Rorg", Page.L_EEP_Rorg, 16);
    Page.CB_EEP_Rorg = List(E, "CB_EEP_Rorg", 16);
    Row(E, "L_EEP_Func", Page.L_EEP_Func, 48);
    Page.CB_EEP_Func = List(E, "CB_EEP_Func", 48);
    Row(E, "L_EEP_Type", Page.L_EEP_Type, 80);
    Page.CB_EEP_Type = List(E, "CB_EEP_Type", 80);
    Page.Btn_EEP_Add = Button(E, N("Btn_EEP_Add").constData(), 140, 120, 80);
    Page.Btn_EEP_Modify = Button(E, N("Btn_EEP_Modify").constData(), 228, 120, 80);
    Page.Btn_EEP_Delete = Button(E, N("Btn_EEP_Delete").constData(), 316, 120, 80);
    QWidget *V = Page.Var_Page;
    Row(V, "L_Var_Case", Page.L_Var_Case, 16);
    Page.CB_Var_Case = List(V, "CB_Var_Case", 16);
    Row(V, "L_Var_DataField", Page.L_Var_DataField, 48);
    Page.CB_Var_DataField = List(V, "CB_Var_DataField", 48);
    Row(V, "L_Var_Position", Page.L_Var_Position, 80);
    Page.E_Var_Position = Make<QLineEdit>(V, N("E_Var_Position").constData(), 140, 77, 257, 21);
    Row(V, "L_Var_BitStart", Page.L_Var_BitStart, 112);
    Page.CB_Var_BitStart = List(V, "CB_Var_BitStart", 112);
    for (int Bit = 0; Bit < 8; ++Bit)
        Page.CB_Var_BitStart->addItem(QString::number(Bit));
    Page.CB_Var_BitStart->setCurrentIndex(0);
    Page.Btn_Var_Add = Button(V, N("Btn_Var_Add").constData(), 140, 152, 80);
    Page.Btn_Var_Modify = Button(V, N("Btn_Var_Modify").constData(), 228, 152, 80);
    Page.Btn_Var_Delete = Button(V, N("Btn_Var_Delete").constData(), 316, 152, 80);
    if (Is_Smart) {
        // The form's own captions; Set_Lang does not reach this page.
        const std::pair<QLabel *, const char *> Labels[] = {
            {Page.L_EEP_Rorg, "RORG"}, {Page.L_EEP_Func, "FUNC"}, {Page.L_EEP_Type, "TYPE"},
            {Page.L_Var_Case, "CASE"}, {Page.L_Var_DataField, "Variable"}, {Page.L_Var_Position, "Position"},
            {Page.L_Var_BitStart, "Bit Start"}};
        for (const auto &[L, T] : Labels)
            L->setText(QLatin1String(T));
        for (TFxButton *B : {Page.Btn_EEP_Add, Page.Btn_Var_Add})
            B->Set_Caption(QStringLiteral("Add"));
        for (TFxButton *B : {Page.Btn_EEP_Modify, Page.Btn_Var_Modify})
            B->Set_Caption(QStringLiteral("Modify"));
        for (TFxButton *B : {Page.Btn_EEP_Delete, Page.Btn_Var_Delete})
            B->Set_Caption(QStringLiteral("Delete"));
    }
}

void TFEnOcean_SetAccess::Show_Page(QWidget *Page, bool Shown)
{
    Page->setVisible(Shown);
}

void TFEnOcean_SetAccess::Set_Lang()
{
    setWindowTitle(Lang_Text(800));
    L_SW_Desc->setText(Lang_Text(801));
    Btn_OK->Set_Caption(Lang_Text(802));
    Btn_Cancel->Set_Caption(Lang_Text(803));
    Btn_OK->setToolTip(Lang_Text(804));
    Btn_Cancel->setToolTip(Lang_Text(805));
    L_ID_Devices_List->setText(Lang_Text(806));
    CT_ID_Data->Tabs()[0]->SetCaption(Lang_Text(807));
    CT_ID_Data->Tabs()[1]->SetCaption(Lang_Text(808));
    Set_Security_Texts(809);
    const std::pair<TFxButton *, int> Buttons[] = {
        {Btn_Add_Device, 827}, {Btn_Modify_Device, 829}, {Btn_Delete_Device, 831},
        {Btn_EEP_Add, 846},    {Btn_EEP_Modify, 848},    {Btn_EEP_Delete, 850},
        {Btn_Var_Add, 858},    {Btn_Var_Modify, 860},    {Btn_Var_Delete, 862},
    };
    for (const auto &[B, N] : Buttons) {
        B->Set_Caption(Lang_Text(N));
        B->setToolTip(Lang_Text(N + 1));
    }
    for (int Tab = 0; Tab < 3; ++Tab)
        CT_Uni_Smart_Remote->Tabs()[Tab]->SetCaption(Lang_Text(833 + Tab));
    CT_EEP_Var->Tabs()[0]->SetCaption(Lang_Text(836));
    CT_EEP_Var->Tabs()[1]->SetCaption(Lang_Text(837));
    const std::tuple<QLabel *, QWidget *, int> Fields[] = {
        {Uni.L_EEP_Rorg, CB_EEP_Rorg, 838},         {Uni.L_EEP_Func, CB_EEP_Func, 840},
        {Uni.L_EEP_Type, CB_EEP_Type, 842},         {Uni.L_Var_Case, CB_Var_Case, 844},
        {Uni.L_Var_DataField, CB_Var_DataField, 852}, {Uni.L_Var_Position, E_Var_Position, 854},
        {Uni.L_Var_BitStart, CB_Var_BitStart, 856},
    };
    for (const auto &[L, F, N] : Fields) {
        L->setText(Lang_Text(N));
        F->setToolTip(Lang_Text(N + 1));
    }
}

// ---- Showing and closing ------------------------------------------------------------

void TFEnOcean_SetAccess::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFEnOcean_SetAccess::done(int Result)
{
    FormClose();
    QDialog::done(Result);
}

void TFEnOcean_SetAccess::FormShow()
{
    Cancel_Devices_List();
    Load_Configuration();
    Show_Id_List();
    CB_DevEnOcean_SecTypeChange();
    Fill_List(CB_EEP_Rorg, Catalog ? Catalog->Rorg_SL : QStringList());
    Ind_EEP = -1;
    Ind_Var = -1;
}

void TFEnOcean_SetAccess::FormClose()
{
    Cancel_Devices_List();
}

void TFEnOcean_SetAccess::Cancel_Devices_List()
{
    DevList.clear();
}

bool TFEnOcean_SetAccess::Load_Configuration()
{
    // The Ruzor AVI lists are read and written again, so nothing of a file is
    // lost by passing through this editor.
    return Load_EnOcean_File(File_EnOcean, DevList).Complete();
}

bool TFEnOcean_SetAccess::Save_Configuration()
{
    return Save_EnOcean_File(File_EnOcean, DevList);
}

void TFEnOcean_SetAccess::Btn_OKClick()
{
    // Saved first: closing frees the list.
    if (Save_Configuration())
        accept();
}

// ---- Devices ----------------------------------------------------------------------------

int TFEnOcean_SetAccess::Selected_Device() const
{
    const int Row = LB_ID_Devices_List->currentRow();
    const bool Selected = Row >= 0 && LB_ID_Devices_List->item(Row) && LB_ID_Devices_List->item(Row)->isSelected();
    return Selected && Row < static_cast<int>(DevList.size()) ? Row : -1;
}

void TFEnOcean_SetAccess::Show_Id_List()
{
    LB_ID_Devices_List->clear();
    for (const auto &Dev : DevList)
        LB_ID_Devices_List->addItem(QStringLiteral("ID ") + Dev->FId);
    LB_ID_Devices_List->setCurrentRow(-1);
    LB_ID_Devices_List->clearSelection();
}

void TFEnOcean_SetAccess::LB_ID_Devices_ListClick()
{
    Update_IdSec_DataEx(Selected_Device());
}

void TFEnOcean_SetAccess::Update_IdSec_DataEx(int Index)
{
    Update_ID_Security(Index);
    Update_Data_Exchange(Index);
}

void TFEnOcean_SetAccess::Update_ID_Security(int Index)
{
    if (const TDevice_EnOcean *Dev = Item_At(DevList, Index)) {
        Show_Device(*Dev);
    } else {
        E_DevEnOcean_ID->clear();
        E_DevEnOcean_Secure_Key->clear();
        E_DevEnOcean_Secure_RollCode->clear();
        for (QComboBox *L : {CB_DevEnOcean_SecType, CB_DevEnOcean_Secure_RollCodeAlg, CB_DevEnOcean_Secure_RollCodeTx,
                             CB_DevEnOcean_Secure_CMACAlg, CB_DevEnOcean_Secure_DataEnc, CB_DevEnOcean_Secure_PTM})
            L->setCurrentIndex(0);
    }
    CB_DevEnOcean_SecTypeChange();
}

void TFEnOcean_SetAccess::CB_DevEnOcean_SecTypeChange()
{
    // The device buttons follow the last visible row.
    const int Last = Show_Security_Rows();
    if (Last < 0)
        return;
    const int Top = Row_Label(Last)->y() + 33;
    Btn_Add_Device->move(Btn_Add_Device->x(), Top);
    Btn_Modify_Device->move(Btn_Modify_Device->x(), Top);
    Btn_Delete_Device->move(Btn_Delete_Device->x(), Top + 34);
}

bool TFEnOcean_SetAccess::Check_Data_Device()
{
    if (Device_Id_Valid())
        return true;
    Msg_Error(Lang_Text(1026), this);
    return false;
}

void TFEnOcean_SetAccess::Btn_Add_Modify_DeviceClick(QObject *Sender)
{
    const int Index = Selected_Device();
    if (Sender == Btn_Add_Device) {
        if (Check_Data_Device()) {
            auto Dev = std::make_unique<TDevice_EnOcean>();
            Store_Device(*Dev);
            DevList.push_back(std::move(Dev));
        }
    } else if (Sender == Btn_Modify_Device) {
        if (Index >= 0 && Check_Data_Device())
            Store_Device(*DevList[static_cast<size_t>(Index)]);
    } else if (Sender == Btn_Delete_Device) {
        // Removes the selected device with its EEPs and variables after a Yes.
        if (Index >= 0 && Msg_Yes_No(Lang_Text(874), this))
            DevList.erase(DevList.begin() + Index);
    }
    Show_Id_List();
}

// ---- Tabs -------------------------------------------------------------------------------

void TFEnOcean_SetAccess::CT_ID_DataActiveTabChanged(QObject *, TGlideTab *)
{
    const int Tab = CT_ID_Data->ActiveTabIndex();
    Show_Page(PEnOcean_DefID_IDSec, Tab == 0);
    Show_Page(PEnOcean_DefID_DataEx, Tab == 1);
}

void TFEnOcean_SetAccess::CT_Uni_Smart_RemoteActiveTabChanged(QObject *, TGlideTab *)
{
    const int Tab = CT_Uni_Smart_Remote->ActiveTabIndex();
    Show_Page(PEnOcean_DefID_Data_Uni, Tab == 0);
    Show_Page(PEnOcean_DefID_Data_Smart, Tab == 1);
    if (Tab == 0) {
        Update_Data_Exchange(Selected_Device());
        Ind_EEP = -1;
        Ind_Var = -1;
    }
}

void TFEnOcean_SetAccess::CT_EEP_VarActiveTabChanged(QObject *, TGlideTab *)
{
    const int Tab = CT_EEP_Var->ActiveTabIndex();
    Show_Page(Uni.EEP_Page, Tab == 0);
    Show_Page(Uni.Var_Page, Tab == 1);
}

void TFEnOcean_SetAccess::CT_EEP_Var_SmartActiveTabChanged(QObject *, TGlideTab *)
{
    const int Tab = Smart.CT_EEP_Var->ActiveTabIndex();
    Show_Page(Smart.EEP_Page, Tab == 0);
    Show_Page(Smart.Var_Page, Tab == 1);
}

// ---- Tree ------------------------------------------------------------------------------

std::vector<std::unique_ptr<TRorFunTyp>> *TFEnOcean_SetAccess::Active_EEP_List()
{
    TDevice_EnOcean *Dev = Item_At(DevList, Selected_Device());
    const int Tab = CT_Uni_Smart_Remote->ActiveTabIndex();
    if (!Dev || (Tab != 0 && Tab != 1))
        return nullptr;
    return Tab == 0 ? &Dev->UnidirectionalList : &Dev->SmartACKList;
}

void TFEnOcean_SetAccess::Update_Data_Exchange(int Index)
{
    Update_DE_Unidirectional(Index);
    Update_DE_Smart_Ack(Index);
    Update_DE_Remote(Index);
}

void TFEnOcean_SetAccess::Update_DE_Unidirectional(int Index)
{
    if (CT_Uni_Smart_Remote->ActiveTabIndex() != 0)
        return;
    TDevice_EnOcean *Dev = Item_At(DevList, Index);
    Show_EEP_Tree(TW_UniSmart_EEP, QStringLiteral("Unidirectional - EEP List"), Dev ? &Dev->UnidirectionalList : nullptr);
}

void TFEnOcean_SetAccess::Update_DE_Smart_Ack(int Index)
{
    if (CT_Uni_Smart_Remote->ActiveTabIndex() != 1)
        return;
    TDevice_EnOcean *Dev = Item_At(DevList, Index);
    Show_EEP_Tree(TW_UniSmart_EEP, QStringLiteral("Ruzor Avi - EEP List"), Dev ? &Dev->SmartACKList : nullptr);
}

void TFEnOcean_SetAccess::Update_DE_Remote(int)
{
}

void TFEnOcean_SetAccess::TW_UniSmart_EEPClick(QObject *)
{
    EEP_Tree_Selection(TW_UniSmart_EEP, Ind_EEP, Ind_Var);
    Update_EEP_VAR();
}

void TFEnOcean_SetAccess::Update_EEP_VAR()
{
    auto *List = Active_EEP_List();
    // A position beyond the list in use is no selection.
    TRorFunTyp *Entry = List ? Item_At(*List, Ind_EEP) : nullptr;
    if (!Entry || !Catalog)
        return;
    // Each list is filled from the level above it and then chosen.
    const int Rorg = Catalog->Get_RorgNum_Index(Entry->FRorgNum);
    const int Func = Catalog->Get_FuncNum_Index(Entry->FRorgNum, Entry->FFuncNum);
    const int Type = Catalog->Get_TypeNum_Index(Entry->FRorgNum, Entry->FFuncNum, Entry->FTypeNum);
    TVarEnOcean *Var = Item_At(Entry->VariableList, Ind_Var);
    const int Case = Var ? Var->FCaseIndex : -1;
    const TEEP_Choice C = Catalogue_Choice(Catalog, Rorg, Func, Type, Case);
    Choose(CB_EEP_Rorg, Rorg);
    Fill_List(CB_EEP_Func, C.Rorg ? C.Rorg->Func_SL : QStringList());
    Choose(CB_EEP_Func, Func);
    Fill_List(CB_EEP_Type, C.Func ? C.Func->Type_SL : QStringList());
    Choose(CB_EEP_Type, Type);
    Fill_List(CB_Var_Case, C.Type ? C.Type->Case_SL : QStringList());
    if (!Var)
        return;
    Choose(CB_Var_Case, Case);
    Fill_List(CB_Var_DataField, C.Case ? C.Case->DataField_SL : QStringList());
    Choose(CB_Var_DataField, Catalog->Get_DataField_Index(Entry->FRorgNum, Entry->FFuncNum, Entry->FTypeNum,
                                                          Var->FCaseIndex, Var->FData));
    E_Var_Position->setText(QString::number(Var->FPosition));
    Choose(CB_Var_BitStart, Var->FBitStart);
}
