#include "editors/UEnOcean_Variable.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Editor_Parts.h"
#include "platform/MessageBox.h"
#include "platform/TextToInt.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Client_Width = 460;
constexpr int Client_Height = 390;
constexpr int Label_Left = 16;
constexpr int Field_Left = 134;
constexpr int Field_Width = 307;
constexpr int Field_Height = 22;
// A device holds at most this many EEP entries, both lists together.
constexpr int Max_EEP_Per_Device = 4;

// A hint of a single blank means "no hint".
QString Hint(int Number)
{
    const QString Text = Lang_Text(Number);
    return Text.trimmed().isEmpty() ? QString() : Text;
}

} // namespace

TFEnOcean_Variable::TFEnOcean_Variable(const TCatalog_EnOcean *Catalog_, QWidget *Parent)
    : QDialog(Parent), Catalog(Catalog_)
{
    setObjectName(QStringLiteral("FEnOcean_Variable"));
    FormCreate();
}

void TFEnOcean_Variable::FormCreate()
{
    Apply_Window_Look(this);
    setModal(true);
    setFixedSize(Client_Width, Client_Height);
    P_Title = Make_Title_Panel(this, Client_Width, L_SW_Code, L_SW_Desc);

    QFont Heading = font();
    Heading.setBold(true);
    L_EEP = Make_Label(this, "L_EEP", Label_Left, 70, Client_Width - 2 * Label_Left);
    L_EEP->setFont(Heading);
    L_Variable = Make_Label(this, "L_Variable", Label_Left, 206, Client_Width - 2 * Label_Left);
    L_Variable->setFont(Heading);

    auto Row = [this](const char *Label_Name, QLabel *&Label, int Top) {
        Label = Make_Label(this, Label_Name, Label_Left, Top + 3, Field_Left - Label_Left - 4);
    };
    auto List = [this](const char *Name, int Top) {
        auto *C = Make<QComboBox>(this, Name, Field_Left, Top, Field_Width, Field_Height);
        // The user's choice runs the cascade; choices made in code run it explicitly.
        connect(C, &QComboBox::activated, this, [this, C](int) { CB_EEP_Var_Change(C); });
        return C;
    };
    Row("L_EEP_RORG", L_EEP_RORG, 99);
    CB_EEP_Rorg = List("CB_EEP_Rorg", 99);
    Row("L_EEP_FUNC", L_EEP_FUNC, 127);
    CB_EEP_Func = List("CB_EEP_Func", 127);
    Row("L_EEP_TYPE", L_EEP_TYPE, 155);
    CB_EEP_Type = List("CB_EEP_Type", 155);
    Row("L_Var_CASE", L_Var_CASE, 235);
    CB_Var_Case = List("CB_Var_Case", 235);
    Row("L_Var_Variable", L_Var_Variable, 263);
    CB_Var_Variable = List("CB_Var_Variable", 263);
    Row("L_Var_Position", L_Var_Position, 291);
    E_Var_Position = Make<QLineEdit>(this, "E_Var_Position", Field_Left, 291, Field_Width, 21);
    Row("L_Var_BitStart", L_Var_BitStart, 319);
    CB_Var_BitStart = List("CB_Var_BitStart", 319);
    for (int Bit = 0; Bit < 8; ++Bit)
        CB_Var_BitStart->addItem(QString::number(Bit));
    CB_Var_BitStart->setCurrentIndex(0);

    P_Button = Make_Button_Panel(this, Client_Width, Btn_OK, Btn_Cancel);
    P_Button->move(0, Client_Height - Button_Panel_Height);
    connect(Btn_OK, &TFxButton::clicked, this, &TFEnOcean_Variable::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);

    Set_Lang();
    // The RORG list is filled once for the whole run.
    Fill_List(CB_EEP_Rorg, Catalog ? Catalog->Rorg_SL : QStringList());
}

void TFEnOcean_Variable::Set_Lang()
{
    setWindowTitle(Lang_Text(1100));
    L_SW_Desc->setText(Lang_Text(1103));
    Btn_OK->Set_Caption(Lang_Text(1106));
    Btn_Cancel->Set_Caption(Lang_Text(1107));
    Btn_OK->setToolTip(Hint(1108));
    Btn_Cancel->setToolTip(Hint(1109));
    L_EEP->setText(Lang_Text(1110));
    L_EEP_RORG->setText(Lang_Text(1111));
    CB_EEP_Rorg->setToolTip(Hint(1112));
    L_EEP_FUNC->setText(Lang_Text(1113));
    CB_EEP_Func->setToolTip(Hint(1114));
    L_EEP_TYPE->setText(Lang_Text(1115));
    CB_EEP_Type->setToolTip(Hint(1116));
    L_Variable->setText(Lang_Text(1117));
    L_Var_CASE->setText(Lang_Text(1118));
    CB_Var_Case->setToolTip(Hint(1119));
    L_Var_Variable->setText(Lang_Text(1120));
    CB_Var_Variable->setToolTip(Hint(1121));
    L_Var_Position->setText(Lang_Text(1122));
    E_Var_Position->setToolTip(Hint(1123));
    L_Var_BitStart->setText(Lang_Text(1124));
    CB_Var_BitStart->setToolTip(Hint(1125));
}

// ---- Catalogue objects at the choices -----------------------------------------

TEEP_Choice TFEnOcean_Variable::Chosen() const
{
    return Catalogue_Choice(Catalog, CB_EEP_Rorg->currentIndex(), CB_EEP_Func->currentIndex(),
                            CB_EEP_Type->currentIndex(), CB_Var_Case->currentIndex(), CB_Var_Variable->currentIndex());
}

const TRorg *TFEnOcean_Variable::Chosen_Rorg() const { return Chosen().Rorg; }
const TFunc *TFEnOcean_Variable::Chosen_Func() const { return Chosen().Func; }
const TType *TFEnOcean_Variable::Chosen_Type() const { return Chosen().Type; }
const TCase *TFEnOcean_Variable::Chosen_Case() const { return Chosen().Case; }
const TDataField *TFEnOcean_Variable::Chosen_DataField() const { return Chosen().Field; }

const TDevice_EnOcean *TFEnOcean_Variable::Device() const
{
    return DevList ? Item_At(*DevList, Ind_Device) : nullptr;
}

const std::vector<std::unique_ptr<TRorFunTyp>> *TFEnOcean_Variable::Device_EEP_List() const
{
    const TDevice_EnOcean *Dev = Device();
    if (!Dev)
        return nullptr;
    return Uni_SAck == 0 ? &Dev->UnidirectionalList : &Dev->SmartACKList;
}

bool TFEnOcean_Variable::Needs_Variable() const
{
    return Mode == 0 || Modify_EEP_Var != 0;
}

// ---- Cascade and presets ------------------------------------------------------------

void TFEnOcean_Variable::CB_EEP_Var_Change(QComboBox *Sender)
{
    QComboBox *Below = nullptr;
    QStringList Items;
    QList<QComboBox *> Emptied;
    if (Sender == CB_EEP_Rorg) {
        const TRorg *Rorg = Chosen_Rorg();
        Below = CB_EEP_Func;
        Items = Rorg ? Rorg->Func_SL : QStringList();
        Emptied = {CB_EEP_Type, CB_Var_Case, CB_Var_Variable};
    } else if (Sender == CB_EEP_Func) {
        const TFunc *Func = Chosen_Func();
        Below = CB_EEP_Type;
        Items = Func ? Func->Type_SL : QStringList();
        Emptied = {CB_Var_Case, CB_Var_Variable};
    } else if (Sender == CB_EEP_Type) {
        const TType *Type = Chosen_Type();
        Below = CB_Var_Case;
        Items = Type ? Type->Case_SL : QStringList();
        Emptied = {CB_Var_Variable};
    } else if (Sender == CB_Var_Case) {
        const TCase *Case = Chosen_Case();
        Below = CB_Var_Variable;
        Items = Case ? Case->DataField_SL : QStringList();
    } else {
        return; // the data field and the start bit change nothing else
    }
    Fill_List(Below, Items);
    for (QComboBox *List : Emptied)
        Fill_List(List, {});
    E_Var_Position->clear();
    CB_Var_BitStart->setCurrentIndex(0);
}

void TFEnOcean_Variable::Choose(QComboBox *List, int Index)
{
    List->setCurrentIndex(Index >= 0 && Index < List->count() ? Index : -1);
    CB_EEP_Var_Change(List);
}

void TFEnOcean_Variable::Preset_Variable(const TRorFunTyp &Entry, const TVarEnOcean &Var)
{
    Choose(CB_Var_Case, Var.FCaseIndex);
    const int Field = Catalog ? Catalog->Get_DataField_Index(Entry.FRorgNum, Entry.FFuncNum, Entry.FTypeNum,
                                                             Var.FCaseIndex, Var.FData)
                              : -1;
    CB_Var_Variable->setCurrentIndex(Field >= 0 && Field < CB_Var_Variable->count() ? Field : -1);
    E_Var_Position->setText(QString::number(Var.FPosition));
    CB_Var_BitStart->setCurrentIndex(Var.FBitStart >= 0 && Var.FBitStart < 8 ? Var.FBitStart : -1);
}

void TFEnOcean_Variable::ShowData_Uni_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var)
{
    Ind_Device = Ind_Dev;
    Edit_EEP = Ind_EEP;
    Edit_Var = Ind_Var;
    const TDevice_EnOcean *Dev = Device();
    const TRorFunTyp *Entry = Dev ? Item_At(Dev->UnidirectionalList, Ind_EEP) : nullptr;
    if (!Entry || !Catalog)
        return;
    // A level missing from the catalogue presets nothing from there down.
    const int Rorg = Catalog->Get_RorgNum_Index(Entry->FRorgNum);
    Choose(CB_EEP_Rorg, Rorg);
    if (Rorg < 0)
        return;
    const int Func = Catalog->Get_FuncNum_Index(Entry->FRorgNum, Entry->FFuncNum);
    Choose(CB_EEP_Func, Func);
    if (Func < 0)
        return;
    const int Type = Catalog->Get_TypeNum_Index(Entry->FRorgNum, Entry->FFuncNum, Entry->FTypeNum);
    Choose(CB_EEP_Type, Type);
    if (Type < 0)
        return;
    if (const TVarEnOcean *Var = Item_At(Entry->VariableList, Ind_Var))
        Preset_Variable(*Entry, *Var);
}

void TFEnOcean_Variable::ShowData_SAck_Add_Var(int Ind_Dev, int Ind_EEP, int Ind_Var)
{
    Ind_Device = Ind_Dev;
    Edit_EEP = Ind_EEP;
    Edit_Var = Ind_Var;
    const TDevice_EnOcean *Dev = Device();
    const TRorFunTyp *Entry = Dev ? Item_At(Dev->SmartACKList, Ind_EEP) : nullptr;
    if (!Entry || !Catalog)
        return;
    // A Ruzor AVI EEP always has the fixed RORG and FUNC; an entry with other
    // numbers shows them and no TYPE.
    Choose(CB_EEP_Rorg, SAck_Rorg_Index);
    Choose(CB_EEP_Func, SAck_Func_Index);
    if (Catalog->Get_RorgNum_Index(Entry->FRorgNum) != SAck_Rorg_Index
        || Catalog->Get_FuncNum_Index(Entry->FRorgNum, Entry->FFuncNum) != SAck_Func_Index)
        return;
    const int Type = Catalog->Get_TypeNum_Index(Entry->FRorgNum, Entry->FFuncNum, Entry->FTypeNum);
    Choose(CB_EEP_Type, Type);
    if (Type < 0)
        return;
    if (const TVarEnOcean *Var = Item_At(Entry->VariableList, Ind_Var))
        Preset_Variable(*Entry, *Var);
}

void TFEnOcean_Variable::Choose_SAck_Rorg_Func()
{
    // Fixed positions that the catalogue does not have leave the lists empty
    // (and OK refused). A position already chosen keeps the lists below it,
    // so the preset's TYPE and variable stay.
    if (CB_EEP_Rorg->currentIndex() != SAck_Rorg_Index || CB_EEP_Rorg->count() <= SAck_Rorg_Index)
        Choose(CB_EEP_Rorg, SAck_Rorg_Index);
    if (CB_EEP_Func->currentIndex() != SAck_Func_Index || CB_EEP_Func->count() <= SAck_Func_Index)
        Choose(CB_EEP_Func, SAck_Func_Index);
}

void TFEnOcean_Variable::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFEnOcean_Variable::FormShow()
{
    const bool Uni = Uni_SAck == 0;
    CB_EEP_Rorg->setEnabled(Uni);
    CB_EEP_Func->setEnabled(Uni);
    if (!Uni)
        Choose_SAck_Rorg_Func();
    for (QWidget *W : {static_cast<QWidget *>(CB_EEP_Type), static_cast<QWidget *>(CB_Var_Case),
                       static_cast<QWidget *>(CB_Var_Variable), static_cast<QWidget *>(CB_Var_BitStart),
                       static_cast<QWidget *>(E_Var_Position)})
        W->setEnabled(true);

    if (Mode == 0) {
        // Adding keeps what the preset or the last use left.
        setWindowTitle(Lang_Text(1100));
        L_SW_Desc->setText(Lang_Text(1103));
    } else if (Modify_EEP_Var == 0) {
        // Only RORG, FUNC and TYPE of an EEP entry can be changed.
        setWindowTitle(Lang_Text(1101));
        L_SW_Desc->setText(Lang_Text(1104));
        CB_Var_Case->setCurrentIndex(-1);
        CB_Var_Variable->setCurrentIndex(-1);
        E_Var_Position->clear();
        CB_Var_BitStart->setCurrentIndex(0);
        for (QWidget *W : {static_cast<QWidget *>(CB_Var_Case), static_cast<QWidget *>(CB_Var_Variable),
                           static_cast<QWidget *>(E_Var_Position), static_cast<QWidget *>(CB_Var_BitStart)})
            W->setEnabled(false);
    } else {
        // Only case, data field, position and start bit of a variable.
        setWindowTitle(Lang_Text(1102));
        L_SW_Desc->setText(Lang_Text(1105));
        CB_EEP_Rorg->setEnabled(false);
        CB_EEP_Func->setEnabled(false);
        CB_EEP_Type->setEnabled(false);
    }
}

// ---- Checks ---------------------------------------------------------------------------

bool TFEnOcean_Variable::Is_Chosen_EEP(const TRorFunTyp *Entry) const
{
    const TRorg *Rorg = Chosen_Rorg();
    const TFunc *Func = Chosen_Func();
    const TType *Type = Chosen_Type();
    return Entry && Rorg && Func && Type && Entry->FRorgNum == Rorg->FNumber && Entry->FFuncNum == Func->FNumber
           && Entry->FTypeNum == Type->FNumber;
}

bool TFEnOcean_Variable::ISNewEEP(int &Index) const
{
    Index = -1;
    const auto *List = Device_EEP_List();
    if (!List)
        return true;
    for (size_t I = 0; I < List->size(); ++I) {
        if (Is_Chosen_EEP((*List)[I].get())) {
            Index = static_cast<int>(I);
            return false;
        }
    }
    return true;
}

bool TFEnOcean_Variable::Check_Var(int Index, int Skip_Var) const
{
    const auto *List = Device_EEP_List();
    const TRorFunTyp *Entry = List ? Item_At(*List, Index) : nullptr;
    const TDataField *Field = Chosen_DataField();
    if (!Entry || !Field)
        return false;
    const int Case = CB_Var_Case->currentIndex();
    for (size_t I = 0; I < Entry->VariableList.size(); ++I) {
        if (static_cast<int>(I) == Skip_Var)
            continue;
        const TVarEnOcean &Var = *Entry->VariableList[I];
        if (Var.FCaseIndex == Case && Var.FData == Field->FData)
            return true;
    }
    return false;
}

bool TFEnOcean_Variable::Check_Data()
{
    EEP_Index = -1;
    const TDevice_EnOcean *Dev = Device();
    const auto *List = Device_EEP_List();
    if (!Dev || !List) {
        Msg_Error(Lang_Text(1130), this);
        return false;
    }

    // Every choice the editor copies must be there: the EEP always, the case
    // and data field unless only the EEP entry is modified.
    const bool Var_Needed = Needs_Variable();
    const struct {
        bool Missing;
        int Label;
    } Choices[] = {
        {Chosen_Rorg() == nullptr, 1111},
        {Chosen_Func() == nullptr, 1113},
        {Chosen_Type() == nullptr, 1115},
        {Var_Needed && Chosen_Case() == nullptr, 1118},
        {Var_Needed && Chosen_DataField() == nullptr, 1120},
    };
    for (const auto &C : Choices) {
        if (C.Missing) {
            Msg_Error(Lang_Text(1128) + Lang_Text(C.Label), this);
            return false;
        }
    }
    int Position = 0;
    if (Var_Needed && !Text_To_Int(E_Var_Position->text(), Position)) {
        Msg_Error(Lang_Text(1129), this);
        return false;
    }

    const bool Modifying_EEP = Mode != 0 && Modify_EEP_Var == 0;
    const bool Modifying_Var = Mode != 0 && Modify_EEP_Var != 0;
    if (ISNewEEP(EEP_Index)) {
        // The entry being modified is replaced, not added: it does not count.
        int Count = Dev->EEP_Count();
        if (Modifying_EEP && Item_At(*List, Edit_EEP))
            --Count;
        if (Count >= Max_EEP_Per_Device) {
            Msg_Error(Lang_Text(1126), this);
            return false;
        }
    } else {
        // A variable being modified stays in its own entry, which need not be
        // the first one of its EEP (a device may hold one EEP twice), and may
        // keep its case and data field.
        if (Modifying_Var && Edit_EEP != EEP_Index && Is_Chosen_EEP(Item_At(*List, Edit_EEP)))
            EEP_Index = Edit_EEP;
        const int Skip = Modifying_Var && EEP_Index == Edit_EEP ? Edit_Var : -1;
        if (Check_Var(EEP_Index, Skip)) {
            Msg_Error(Lang_Text(1127), this);
            return false;
        }
    }
    return true;
}

void TFEnOcean_Variable::Btn_OKClick()
{
    if (Check_Data())
        accept();
}
