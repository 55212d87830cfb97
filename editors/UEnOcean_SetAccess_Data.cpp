// The older editor's data exchange page: the cascading catalogue lists, the
// EEP and variable buttons and their checks.
#include "catalog/CatalogEnOcean.h"
#include "controls/FxButton.h"
#include "controls/GlideTabs.h"
#include "editors/EnOcean_Editor_Parts.h"
#include "editors/UEnOcean_SetAccess.h"
#include "platform/MessageBox.h"
#include "platform/TextToInt.h"
#include "text/LangTable.h"
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

constexpr int Max_EEP_Per_Device = 4;

} // namespace

namespace {
// The catalogue objects at the unidirectional lists' choices (nullptr where none).
TEEP_Choice Chosen(const TCatalog_EnOcean *Catalog, const TFEnOcean_SetAccess &W)
{
    return Catalogue_Choice(Catalog, W.CB_EEP_Rorg->currentIndex(), W.CB_EEP_Func->currentIndex(),
                            W.CB_EEP_Type->currentIndex(), W.CB_Var_Case->currentIndex(),
                            W.CB_Var_DataField->currentIndex());
}
} // namespace

void TFEnOcean_SetAccess::CB_EEP_Rorg_Func_Type_Change(QObject *Sender)
{
    const TEEP_Choice C = Chosen(Catalog, *this);
    if (Sender == CB_EEP_Rorg) {
        Fill_List(CB_EEP_Func, C.Rorg ? C.Rorg->Func_SL : QStringList());
        for (QComboBox *L : {CB_EEP_Type, CB_Var_Case, CB_Var_DataField})
            Fill_List(L, {});
    } else if (Sender == CB_EEP_Func) {
        Fill_List(CB_EEP_Type, C.Func ? C.Func->Type_SL : QStringList());
        for (QComboBox *L : {CB_Var_Case, CB_Var_DataField})
            Fill_List(L, {});
    } else if (Sender == CB_EEP_Type) {
        Fill_List(CB_Var_Case, C.Type ? C.Type->Case_SL : QStringList());
        Fill_List(CB_Var_DataField, {});
    } else if (Sender == CB_Var_Case) {
        Fill_List(CB_Var_DataField, C.Case ? C.Case->DataField_SL : QStringList());
    }
    // The Ruzor AVI page's lists change nothing.
}

bool TFEnOcean_SetAccess::Check_EEP(int Index)
{
    const TEEP_Choice C = Chosen(Catalog, *this);
    const int Device = Selected_Device();
    auto Fail = [this](int Text) {
        Msg_Error(Lang_Text(Text), this);
        return false;
    };
    if (Device < 0)
        return Fail(864);
    if (!C.Rorg)
        return Fail(865);
    if (!C.Func)
        return Fail(866);
    if (!C.Type)
        return Fail(867);
    if (DevList[static_cast<size_t>(Device)]->EEP_Count() >= Max_EEP_Per_Device)
        return Fail(868);
    if (const auto *List = Active_EEP_List()) {
        for (size_t I = 0; I < List->size(); ++I) {
            const TRorFunTyp &E = *(*List)[I];
            if (static_cast<int>(I) != Index && E.FRorgNum == C.Rorg->FNumber && E.FFuncNum == C.Func->FNumber
                && E.FTypeNum == C.Type->FNumber)
                return Fail(869);
        }
    }
    return true;
}

bool TFEnOcean_SetAccess::Check_Var()
{
    const TEEP_Choice C = Chosen(Catalog, *this);
    auto *List = Active_EEP_List();
    if (Selected_Device() < 0) {
        Msg_Error(Lang_Text(870), this);
        return false;
    }
    // An EEP position beyond the list in use is no selection.
    if (Ind_EEP < 0 || !List || !Item_At(*List, Ind_EEP)) {
        Msg_Error(Lang_Text(871), this);
        return false;
    }
    if (!C.Field) {
        Msg_Error(Lang_Text(872), this);
        return false;
    }
    int Position = -1;
    if (!Text_To_Int(E_Var_Position->text(), Position) || Position < 0 || Position > Max_Position) {
        Msg_Error(Lang_Text(873) + QString::number(Max_Position), this);
        return false;
    }
    return true;
}

void TFEnOcean_SetAccess::Btn_EEP_Add_Modify_Click(QObject *Sender)
{
    const int Device = Selected_Device();
    if (Sender == Btn_EEP_Add) {
        if (!Check_EEP(-1))
            return;
        auto *List = Active_EEP_List();
        if (!List)
            return; // neither tab 0 nor tab 1: nothing is added
        const TEEP_Choice C = Chosen(Catalog, *this);
        auto Entry = std::make_unique<TRorFunTyp>();
        Entry->FRorgNum = C.Rorg->FNumber;
        Entry->FFuncNum = C.Func->FNumber;
        Entry->FTypeNum = C.Type->FNumber;
        List->push_back(std::move(Entry));
        Update_Data_Exchange(Device);
        // Selected for the eye only: the positions follow tree clicks.
        if (QTreeWidgetItem *Root = TW_UniSmart_EEP->topLevelItem(0))
            TW_UniSmart_EEP->setCurrentItem(Root->child(Root->childCount() - 1));
    } else if (Sender == Btn_EEP_Delete) {
        auto *List = Active_EEP_List();
        if (Device < 0 || Ind_EEP < 0 || Ind_Var != -1 || !List || !Item_At(*List, Ind_EEP))
            return;
        List->erase(List->begin() + Ind_EEP); // the entry frees its variables
        Update_Data_Exchange(Device);
    }
    // Modify has no action on this page.
}

void TFEnOcean_SetAccess::Btn_Var_Add_Modify_Click(QObject *Sender)
{
    const int Device = Selected_Device();
    auto *List = Active_EEP_List();
    if (Sender == Btn_Var_Add) {
        if (!Check_Var())
            return;
        const TEEP_Choice C = Chosen(Catalog, *this);
        TRorFunTyp &Entry = *(*List)[static_cast<size_t>(Ind_EEP)];
        auto Var = std::make_unique<TVarEnOcean>();
        Var->FCaseIndex = CB_Var_Case->currentIndex();
        Var->FData = C.Field->FData;
        Var->FBitOffs = C.Field->FBitOffs;
        Var->FBitSize = C.Field->FBitSize;
        Text_To_Int(E_Var_Position->text(), Var->FPosition);
        Var->FBitStart = std::max(0, CB_Var_BitStart->currentIndex());
        Entry.VariableList.push_back(std::move(Var));
        const int Eep = Ind_EEP;
        Update_Data_Exchange(Device);
        if (QTreeWidgetItem *Root = TW_UniSmart_EEP->topLevelItem(0))
            if (QTreeWidgetItem *Node = Root->child(Eep))
                TW_UniSmart_EEP->setCurrentItem(Node->child(Node->childCount() - 1));
    } else if (Sender == Btn_Var_Delete) {
        TRorFunTyp *Entry = List && Ind_EEP >= 0 && Ind_EEP < static_cast<int>(List->size())
                                ? (*List)[static_cast<size_t>(Ind_EEP)].get()
                                : nullptr;
        if (Device < 0 || !Entry || Ind_Var < 0 || Ind_Var >= static_cast<int>(Entry->VariableList.size()))
            return;
        Entry->VariableList.erase(Entry->VariableList.begin() + Ind_Var);
        Update_Data_Exchange(Device);
    }
    // Modify has no action on this page.
}
