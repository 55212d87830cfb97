// The network editor's EEP tree, its selection, the details grid and the
// variable flows (unidirectional and the shared parts of the Ruzor AVI ones).
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/EnOcean_Editor_Parts.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "editors/UEnOcean_Variable.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include "platform/TextToInt.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

namespace {

// Value rows of the details grid: EEP rows 1..3, variable rows 5..8.
constexpr int Value_Rows[] = {1, 2, 3, 5, 6, 7, 8};

} // namespace

// ---- Tree ------------------------------------------------------------------------------

void TFEnOcean_SetAccess2::Show_EnOcean_TreeView_Uni_SAck(int Ind_Device)
{
    const int Tab = CT_Uni_Smart_Remote->ActiveTabIndex();
    if (Tab != 0 && Tab != 1)
        return; // any other tab leaves the tree as it is
    TDevice_EnOcean *Dev = Item_At(DevList, Ind_Device);
    const auto *List = !Dev ? nullptr : Tab == 0 ? &Dev->UnidirectionalList : &Dev->SmartACKList;
    Show_EEP_Tree(TW_UniSmart_EEP,
                  Tab == 0 ? QStringLiteral("Unidirectional - EEP List") : QStringLiteral("Ruzor AVI - EEP List"), List);
}

void TFEnOcean_SetAccess2::Rebuild_Tree()
{
    Show_EnOcean_TreeView_Uni_SAck(Selected_Device());
}

void TFEnOcean_SetAccess2::Find_Selected_EEP_Var()
{
    EEP_Tree_Selection(TW_UniSmart_EEP, Ind_EEP, Ind_Var);
}

void TFEnOcean_SetAccess2::TW_UniSmart_EEPClick()
{
    Find_Selected_EEP_Var();
    Show_EnOcean_ASG_EEP_Var();
}

void TFEnOcean_SetAccess2::CT_Uni_Smart_RemoteActiveTabChanged(QObject *, TGlideTab *)
{
    Ind_EEP = -1;
    Ind_Var = -1;
    if (TW_UniSmart_EEP)
        Rebuild_Tree();
}

// ---- Selection in the list in use ------------------------------------------------------

std::vector<std::unique_ptr<TRorFunTyp>> *TFEnOcean_SetAccess2::Used_EEP_List()
{
    const int Index = Selected_Device();
    if (Index < 0)
        return nullptr;
    TDevice_EnOcean &Dev = *DevList[static_cast<size_t>(Index)];
    return CT_Uni_Smart_Remote->ActiveTabIndex() == 0 ? &Dev.UnidirectionalList : &Dev.SmartACKList;
}

TRorFunTyp *TFEnOcean_SetAccess2::Selected_EEP()
{
    auto *List = Used_EEP_List();
    return List ? Item_At(*List, Ind_EEP) : nullptr;
}

TVarEnOcean *TFEnOcean_SetAccess2::Selected_Var()
{
    TRorFunTyp *Entry = Selected_EEP();
    return Entry ? Item_At(Entry->VariableList, Ind_Var) : nullptr;
}

// ---- Details grid -----------------------------------------------------------------------

void TFEnOcean_SetAccess2::Show_EnOcean_ASG_EEP_Var()
{
    for (int Row : Value_Rows)
        SG_EEP_Var->SetCellEx(1, Row, QString());
    // A position beyond the list in use (the tree may show the other list)
    // is no selection.
    const TRorFunTyp *Entry = Selected_EEP();
    if (!Entry)
        return;
    auto Name = [this](auto Get) { return Catalog ? Get(*Catalog) : QString(); };
    SG_EEP_Var->SetCellEx(1, 1, Name([&](const TCatalog_EnOcean &C) { return C.Get_Rorg_Name_Str(Entry->FRorgNum); }));
    SG_EEP_Var->SetCellEx(1, 2, Name([&](const TCatalog_EnOcean &C) {
                              return C.Get_Func_Name_Str(Entry->FRorgNum, Entry->FFuncNum);
                          }));
    SG_EEP_Var->SetCellEx(1, 3, Name([&](const TCatalog_EnOcean &C) {
                              return C.Get_Type_Name_Str(Entry->FRorgNum, Entry->FFuncNum, Entry->FTypeNum);
                          }));
    if (Ind_Var < 0)
        return;
    const TVarEnOcean *Var = Selected_Var();
    if (!Var)
        return;
    SG_EEP_Var->SetCellEx(1, 5, Name([&](const TCatalog_EnOcean &C) {
                              return C.Get_Case_Name_Str(Entry->FRorgNum, Entry->FFuncNum, Entry->FTypeNum,
                                                         Var->FCaseIndex);
                          }));
    SG_EEP_Var->SetCellEx(1, 6, Var->FData);
    SG_EEP_Var->SetCellEx(1, 7, QString::number(Var->FPosition));
    SG_EEP_Var->SetCellEx(1, 8, QString::number(Var->FBitStart));
}

// ---- Variable flows ---------------------------------------------------------------------

void TFEnOcean_SetAccess2::Btn_VariableClick(QObject *Sender)
{
    if (Sender != Btn_Add_Variable && Sender != Btn_Remove_Variable && Sender != Btn_Modify_Variable)
        return;
    if (Selected_Device() < 0) {
        Msg_Error(Lang_Text(1231), this);
        return;
    }
    const bool Uni = CT_Uni_Smart_Remote->ActiveTabIndex() == 0;
    if (Sender == Btn_Add_Variable)
        Uni ? Add_Uni_EnOcean_Variable() : Add_SAck_EnOcean_Variable();
    else if (Sender == Btn_Remove_Variable)
        Uni ? Remove_Uni_EnOcean_Variable() : Remove_SAck_EnOcean_Variable();
    else
        Uni ? Modify_Uni_EnOcean_Variable() : Modify_SAck_EnOcean_Variable();
}

void TFEnOcean_SetAccess2::Store_EEP(TRorFunTyp &Entry) const
{
    Entry.FRorgNum = Variable_Dialog->Chosen_Rorg()->FNumber;
    Entry.FFuncNum = Variable_Dialog->Chosen_Func()->FNumber;
    Entry.FTypeNum = Variable_Dialog->Chosen_Type()->FNumber;
}

void TFEnOcean_SetAccess2::Store_Variable(TVarEnOcean &Var) const
{
    const TDataField *Field = Variable_Dialog->Chosen_DataField();
    Var.FCaseIndex = Variable_Dialog->CB_Var_Case->currentIndex();
    Var.FData = Field->FData;
    Var.FBitOffs = Field->FBitOffs;
    Var.FBitSize = Field->FBitSize;
    int Position = 0;
    Text_To_Int(Variable_Dialog->E_Var_Position->text(), Position); // the dialog's check refused other texts
    Var.FPosition = Position;
    Var.FBitStart = std::max(0, Variable_Dialog->CB_Var_BitStart->currentIndex());
}

void TFEnOcean_SetAccess2::Add_Variable(int Uni_SAck)
{
    const int Dev_Index = Selected_Device();
    if (Dev_Index < 0 || !Variable_Dialog)
        return;
    Find_Selected_EEP_Var();
    Variable_Dialog->DevList = &DevList;
    if (Uni_SAck == 0)
        Variable_Dialog->ShowData_Uni_Add_Var(Dev_Index, Ind_EEP, Ind_Var);
    else
        Variable_Dialog->ShowData_SAck_Add_Var(Dev_Index, Ind_EEP, Ind_Var);
    Variable_Dialog->Uni_SAck = Uni_SAck;
    Variable_Dialog->Mode = 0;
    if (!Run(Variable_Dialog))
        return;
    TDevice_EnOcean &Dev = *DevList[static_cast<size_t>(Dev_Index)];
    auto &List = Uni_SAck == 0 ? Dev.UnidirectionalList : Dev.SmartACKList;
    int EEP_Index = Variable_Dialog->EEP_Index;
    if (EEP_Index < 0 || EEP_Index >= static_cast<int>(List.size())) {
        auto Entry = std::make_unique<TRorFunTyp>();
        Store_EEP(*Entry);
        List.push_back(std::move(Entry));
        EEP_Index = static_cast<int>(List.size()) - 1;
    }
    auto Var = std::make_unique<TVarEnOcean>();
    Store_Variable(*Var);
    List[static_cast<size_t>(EEP_Index)]->VariableList.push_back(std::move(Var));
    Rebuild_Tree();
}

void TFEnOcean_SetAccess2::Remove_Variable(int Uni_SAck)
{
    Find_Selected_EEP_Var();
    auto *List = Used_EEP_List();
    TRorFunTyp *Entry = Selected_EEP();
    const int Offset = Uni_SAck == 0 ? 0 : 4; // the Ruzor AVI texts follow the unidirectional ones
    if (List && Entry && Ind_Var < 0) {
        if (Confirm((Entry->VariableList.empty() ? 1224 : 1223) + Offset)) {
            // The entry frees its variables, last first.
            while (!Entry->VariableList.empty())
                Entry->VariableList.pop_back();
            List->erase(List->begin() + Ind_EEP);
        }
    } else if (Entry && Selected_Var()) {
        if (Confirm(1225 + Offset))
            Entry->VariableList.erase(Entry->VariableList.begin() + Ind_Var);
    }
    Rebuild_Tree();
}

void TFEnOcean_SetAccess2::Modify_Variable(int Uni_SAck)
{
    const int Dev_Index = Selected_Device();
    if (Dev_Index < 0 || !Variable_Dialog)
        return;
    Find_Selected_EEP_Var();
    TRorFunTyp *Entry = Selected_EEP();
    if (!Entry)
        return; // nothing selected: nothing happens
    const int Offset = Uni_SAck == 0 ? 0 : 4;
    Variable_Dialog->DevList = &DevList;
    auto Preset = [&](int Var) {
        if (Uni_SAck == 0)
            Variable_Dialog->ShowData_Uni_Add_Var(Dev_Index, Ind_EEP, Var);
        else
            Variable_Dialog->ShowData_SAck_Add_Var(Dev_Index, Ind_EEP, Var);
        Variable_Dialog->Uni_SAck = Uni_SAck;
        Variable_Dialog->Mode = 1;
    };
    if (Ind_Var < 0) {
        bool Drop_Variables = false;
        if (!Entry->VariableList.empty()) {
            if (!Confirm(1226 + Offset))
                return;
            Drop_Variables = true;
        }
        Preset(-1);
        Variable_Dialog->Modify_EEP_Var = 0;
        if (!Run(Variable_Dialog))
            return; // cancelled: the variables stay, even after Yes
        if (Drop_Variables)
            Entry->VariableList.clear();
        Store_EEP(*Entry);
    } else {
        TVarEnOcean *Var = Selected_Var();
        if (!Var)
            return;
        Preset(Ind_Var);
        Variable_Dialog->Modify_EEP_Var = 1;
        if (!Run(Variable_Dialog))
            return;
        Store_Variable(*Var);
    }
    Rebuild_Tree();
}

void TFEnOcean_SetAccess2::Add_Uni_EnOcean_Variable() { Add_Variable(0); }
void TFEnOcean_SetAccess2::Remove_Uni_EnOcean_Variable() { Remove_Variable(0); }
void TFEnOcean_SetAccess2::Modify_Uni_EnOcean_Variable() { Modify_Variable(0); }
void TFEnOcean_SetAccess2::Remove_SAck_EnOcean_Variable() { Remove_Variable(1); }
void TFEnOcean_SetAccess2::Modify_SAck_EnOcean_Variable() { Modify_Variable(1); }
