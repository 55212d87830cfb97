// The network editor's Ruzor AVI add flow.
#include "catalog/CatalogEnOcean.h"
#include "editors/UEnOcean_RuzorAVI.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"

void TFEnOcean_SetAccess2::Add_SAck_EnOcean_Variable()
{
    const int Dev_Index = Selected_Device();
    if (Dev_Index < 0 || !SAck_Dialog)
        return;
    Find_Selected_EEP_Var();
    SAck_Dialog->DevList = &DevList;
    SAck_Dialog->Ind_Device = Dev_Index;
    if (!Run(SAck_Dialog))
        return;
    TDevice_EnOcean &Dev = *DevList[static_cast<size_t>(Dev_Index)];
    if (SAck_Dialog->EEP_Index < 0) {
        auto Entry = std::make_unique<TRorFunTyp>();
        Entry->FRorgNum = SAck_Dialog->Chosen_Rorg()->FNumber;
        Entry->FFuncNum = SAck_Dialog->Chosen_Func()->FNumber;
        Entry->FTypeNum = SAck_Dialog->Chosen_Type()->FNumber;
        Dev.SmartACKList.push_back(std::move(Entry));
        SAck_Dialog->EEP_Index = static_cast<int>(Dev.SmartACKList.size()) - 1;
    }
    // The file keeps no case pairs, so the tables' variables cannot be
    // stored: say so rather than look as if they were.
    Msg_Info(Lang_Text(1234), this);
    Rebuild_Tree();
}
