#include "editors/UEnOcean_RuzorAVI.h"
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "editors/EnOcean_Dialog_Look.h"
#include "editors/EnOcean_Editor_Parts.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QShowEvent>

using namespace EnOcean_Dialog_Look;

namespace {

constexpr int Label_Left = 16;
constexpr int Field_Left = 134;
constexpr int Table_Width = 425;
constexpr int Table_Height = 137;
constexpr int Max_EEP_Per_Device = 4;
const int Column_Widths[] = {100, 45, 100, 64};
const char *const Column_Headers[] = {"Variables", "Enable", "Position", "Bit Start"};

} // namespace

TFEnOcean_Variable_SAck::TFEnOcean_Variable_SAck(const TCatalog_EnOcean *Catalog_, QWidget *Parent)
    : QDialog(Parent), Catalog(Catalog_)
{
    setObjectName(QStringLiteral("FEnOcean_Variable_SAck"));
    FormCreate();
}

void TFEnOcean_Variable_SAck::FormCreate()
{
    Apply_Window_Look(this);
    // Resizable in width only.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setModal(true);
    setWindowTitle(QStringLiteral("Add EnOcean Variable"));
    resize(Client_Width, Client_Height);
    P_Title = Make_Title_Panel(this, Client_Width, L_SW_Code, L_SW_Desc);
    L_SW_Desc->setText(QStringLiteral("Add EnOcean Device"));

    QFont Heading = font();
    Heading.setBold(true);
    auto Head = [&](const char *Name, const char *Text, int Top) {
        QLabel *L = Make_Label(this, Name, Label_Left, Top, Client_Width - 2 * Label_Left);
        L->setFont(Heading);
        L->setText(QLatin1String(Text));
        return L;
    };
    auto Row = [&](const char *Name, const char *Text, int Top) {
        QLabel *L = Make_Label(this, Name, Label_Left, Top + 3, Field_Left - Label_Left - 4);
        L->setText(QLatin1String(Text));
        return L;
    };
    auto List = [&](const char *Name, int Top) {
        auto *C = Make<QComboBox>(this, Name, Field_Left, Top, Client_Width - Field_Left - 23, 22);
        connect(C, &QComboBox::activated, this, [this, C](int) { CB_EEP_Var_Change(C); });
        return C;
    };
    L_EEP = Head("L_EEP", "EEP", 70);
    L_EEP_RORG = Row("L_EEP_RORG", "Rorg", 99);
    CB_EEP_Rorg = List("CB_EEP_Rorg", 99);
    L_EEP_FUNC = Row("L_EEP_FUNC", "Func", 127);
    CB_EEP_Func = List("CB_EEP_Func", 127);
    L_EEP_TYPE = Row("L_EEP_TYPE", "Type", 155);
    CB_EEP_Type = List("CB_EEP_Type", 155);
    L_Variable = Head("L_Variable", "Variables Ruzor Avi - Case IN", 206);
    L_Var_CASE = Row("L_Var_CASE", "Case", 235);
    CB_Var_Case_IN = List("CB_Var_Case_IN", 235);
    CG_Vars_Case_IN = Make_Table("CG_Vars_Case_IN", 272);
    Label1 = Head("Label1", "Variables Ruzor Avi - Case OUT", 438);
    Label2 = Row("Label2", "Case", 467);
    CB_Var_Case_OUT = List("CB_Var_Case_OUT", 467);
    CG_Vars_Case_OUT = Make_Table("CG_Vars_Case_OUT", 504);

    P_Button = Make_Button_Panel(this, Client_Width, Btn_OK, Btn_Cancel);
    P_Button->move(0, Client_Height - Button_Panel_Height);
    Btn_OK->Set_Caption(QStringLiteral("OK"));
    Btn_Cancel->Set_Caption(QStringLiteral("Cancel"));
    connect(Btn_OK, &TFxButton::clicked, this, &TFEnOcean_Variable_SAck::Btn_OKClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);

    Form_Height = Client_Height;
    setMinimumSize(Client_Width, Form_Height);
    setMaximumHeight(Form_Height);
    Set_Lang();
    Fill_List(CB_EEP_Rorg, Catalog ? Catalog->Rorg_SL : QStringList());
}

TSAck_Table *TFEnOcean_Variable_SAck::Make_Table(const char *Name, int Top)
{
    auto *G = new TSAck_Table(this);
    G->setObjectName(QLatin1String(Name));
    G->setGeometry(Label_Left, Top, Table_Width, Table_Height);
    G->Set_ColCount(colCount);
    G->Set_RowCount(2);
    G->Set_FixedCols(0);
    G->Set_FixedRows(1);
    G->Set_Options(G->Options() + goEditing + goColSizing);
    // Per column: header and width; Enable is a centred check box ("Y" or
    // "N"), Bit Start a list of the bits 0 to 7.
    for (int C = 0; C < colCount; ++C) {
        TGridColumnItem *Item = G->Columns().Items(C);
        Item->Set_Header(QLatin1String(Column_Headers[C]));
        Item->Set_Width(Column_Widths[C]);
    }
    TGridColumnItem *Enable = G->Columns().Items(colEnable);
    Enable->Set_Editor(edDataCheckBox);
    Enable->Set_Alignment(taCenter);
    Enable->Set_CheckTrue(QStringLiteral("Y"));
    Enable->Set_CheckFalse(QStringLiteral("N"));
    TGridColumnItem *Bit = G->Columns().Items(colBitStart);
    Bit->Set_Editor(edComboList);
    Bit->ComboItems().clear();
    for (int B = 0; B < 8; ++B)
        Bit->ComboItems() << QString::number(B);
    return G;
}

void TFEnOcean_Variable_SAck::Set_Lang()
{
    // Every caption of this dialog is a fixed English word.
}

void TFEnOcean_Variable_SAck::resizeEvent(QResizeEvent *Event)
{
    QDialog::resizeEvent(Event);
    // Lists and tables follow the width.
    const int W = width();
    for (QComboBox *C : {CB_EEP_Rorg, CB_EEP_Func, CB_EEP_Type, CB_Var_Case_IN, CB_Var_Case_OUT})
        C->resize(W - Field_Left - 23, C->height());
    for (TSAck_Table *G : {CG_Vars_Case_IN, CG_Vars_Case_OUT})
        G->resize(W - 2 * Label_Left - 7, G->height());
    P_Title->resize(W, P_Title->height());
    P_Button->setGeometry(0, height() - Button_Panel_Height, W, Button_Panel_Height);
}

void TFEnOcean_Variable_SAck::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFEnOcean_Variable_SAck::Choose(QComboBox *List, int Index)
{
    List->setCurrentIndex(Index >= 0 && Index < List->count() ? Index : -1);
    CB_EEP_Var_Change(List);
}

void TFEnOcean_Variable_SAck::FormShow()
{
    // A catalogue without the fixed positions leaves the lists empty (and OK refused).
    Choose(CB_EEP_Rorg, SAck_Rorg_Index);
    Choose(CB_EEP_Func, SAck_Func_Index);
    CB_EEP_Rorg->setEnabled(false);
    CB_EEP_Func->setEnabled(false);
}

// ---- Catalogue objects at the choices ------------------------------------------------

const TRorg *TFEnOcean_Variable_SAck::Chosen_Rorg() const { return Chosen_EEP().Rorg; }
const TFunc *TFEnOcean_Variable_SAck::Chosen_Func() const { return Chosen_EEP().Func; }
const TType *TFEnOcean_Variable_SAck::Chosen_Type() const { return Chosen_EEP().Type; }

const TCase *TFEnOcean_Variable_SAck::Chosen_Case(const QComboBox *List) const
{
    return Catalogue_Choice(Catalog, CB_EEP_Rorg->currentIndex(), CB_EEP_Func->currentIndex(),
                            CB_EEP_Type->currentIndex(), List->currentIndex())
        .Case;
}

TEEP_Choice TFEnOcean_Variable_SAck::Chosen_EEP() const
{
    return Catalogue_Choice(Catalog, CB_EEP_Rorg->currentIndex(), CB_EEP_Func->currentIndex(),
                            CB_EEP_Type->currentIndex());
}

const TDevice_EnOcean *TFEnOcean_Variable_SAck::Device() const
{
    return DevList ? Item_At(*DevList, Ind_Device) : nullptr;
}

// ---- Cascade and tables -------------------------------------------------------------------

void TFEnOcean_Variable_SAck::CB_EEP_Var_Change(QComboBox *Sender)
{
    if (Sender == CB_EEP_Rorg) {
        const TRorg *R = Chosen_Rorg();
        Fill_List(CB_EEP_Func, R ? R->Func_SL : QStringList());
        for (QComboBox *L : {CB_EEP_Type, CB_Var_Case_IN, CB_Var_Case_OUT})
            Fill_List(L, {});
        Clear_Table_IN();
        Clear_Table_OUT();
    } else if (Sender == CB_EEP_Func) {
        const TFunc *F = Chosen_Func();
        Fill_List(CB_EEP_Type, F ? F->Type_SL : QStringList());
        for (QComboBox *L : {CB_Var_Case_IN, CB_Var_Case_OUT})
            Fill_List(L, {});
        Clear_Table_IN();
        Clear_Table_OUT();
    } else if (Sender == CB_EEP_Type) {
        const TType *T = Chosen_Type();
        for (QComboBox *L : {CB_Var_Case_IN, CB_Var_Case_OUT})
            Fill_List(L, T ? T->Case_SL : QStringList());
        Clear_Table_IN();
        Clear_Table_OUT();
    } else if (Sender == CB_Var_Case_IN || Sender == CB_Var_Case_OUT) {
        const TCase *C = Chosen_Case(Sender);
        Table_Show_Vars(Sender == CB_Var_Case_IN ? CG_Vars_Case_IN : CG_Vars_Case_OUT,
                        C ? C->DataField_SL : QStringList());
    }
}

void TFEnOcean_Variable_SAck::Clear_Table(TSAck_Table *ACG)
{
    ACG->Set_RowCount(2);
    for (int C = 0; C < ACG->ColCount(); ++C)
        ACG->Set_Cells(C, 1, QString());
}

void TFEnOcean_Variable_SAck::Clear_Table_IN() { Clear_Table(CG_Vars_Case_IN); }
void TFEnOcean_Variable_SAck::Clear_Table_OUT() { Clear_Table(CG_Vars_Case_OUT); }

void TFEnOcean_Variable_SAck::Table_Show_Vars(TSAck_Table *ACG, const QStringList &VList)
{
    if (VList.isEmpty())
        return;
    ACG->Set_RowCount(1 + static_cast<int>(VList.size()));
    for (int I = 0; I < VList.size(); ++I) {
        const int Row = I + 1;
        ACG->Set_Cells(colVariables, Row, VList[I]);
        ACG->Set_Cells(colEnable, Row, QStringLiteral("Y"));
        ACG->Set_Cells(colPosition, Row, QString());
        ACG->Set_Cells(colBitStart, Row, QStringLiteral("0"));
    }
}

QList<int> TFEnOcean_Variable_SAck::Enabled_Rows(const TSAck_Table *ACG) const
{
    QList<int> Rows;
    for (int Row = 1; Row < ACG->RowCount(); ++Row)
        if (!ACG->Cells(colVariables, Row).isEmpty() && ACG->Cells(colEnable, Row) == QLatin1String("Y"))
            Rows << Row;
    return Rows;
}

// ---- Checks -------------------------------------------------------------------------------

bool TFEnOcean_Variable_SAck::ISNewEEP(int &Index) const
{
    Index = -1;
    const TDevice_EnOcean *Dev = Device();
    const TRorg *R = Chosen_Rorg();
    const TFunc *F = Chosen_Func();
    const TType *T = Chosen_Type();
    if (!Dev || !R || !F || !T)
        return true;
    for (size_t I = 0; I < Dev->SmartACKList.size(); ++I) {
        const TRorFunTyp &E = *Dev->SmartACKList[I];
        if (E.FRorgNum == R->FNumber && E.FFuncNum == F->FNumber && E.FTypeNum == T->FNumber) {
            Index = static_cast<int>(I);
            return false;
        }
    }
    return true;
}

bool TFEnOcean_Variable_SAck::Check_Var(int) const
{
    return false;
}

bool TFEnOcean_Variable_SAck::Check_Data()
{
    EEP_Index = -1;
    const TDevice_EnOcean *Dev = Device();
    if (!Dev) {
        Msg_Error(Lang_Text(1130), this);
        return false;
    }
    // The EEP the editor creates must be complete: the fixed RORG and FUNC
    // (missing from a short catalogue) and the chosen TYPE.
    const struct {
        bool Missing;
        int Label;
    } Choices[] = {{Chosen_Rorg() == nullptr, 1111}, {Chosen_Func() == nullptr, 1113}, {Chosen_Type() == nullptr, 1115}};
    for (const auto &C : Choices) {
        if (C.Missing) {
            Msg_Error(Lang_Text(1128) + Lang_Text(C.Label), this);
            return false;
        }
    }
    if (ISNewEEP(EEP_Index)) {
        if (Dev->EEP_Count() >= Max_EEP_Per_Device) {
            Msg_Error(Lang_Text(1126), this);
            return false;
        }
    } else if (Check_Var(EEP_Index)) {
        Msg_Error(Lang_Text(1127), this);
        return false;
    }
    return true;
}

void TFEnOcean_Variable_SAck::Btn_OKClick()
{
    if (Check_Data())
        accept();
}
