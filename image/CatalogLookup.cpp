#include "image/CatalogLookup.h"
#include "catalog/CatalogEnOcean.h"

bool TCatalog_Case_Lookup::Get_Case(int RorgNum, int FuncNum, int TypeNum, int CaseNum, TCase_Key &Key) const
{
    const TCase *C = FCatalog ? FCatalog->Get_CaseObj(RorgNum, FuncNum, TypeNum, CaseNum) : nullptr;
    if (!C)
        return false;
    Key.CaseIdSize = C->FCaseIdSize;
    Key.CaseIdOffset = C->FCaseIdOffset;
    Key.CaseId = C->FCaseId;
    return true;
}
