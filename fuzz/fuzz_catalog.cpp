// The EEP catalogue (Cat_EnOcean.xml) and the lookups the image compiler makes in it.
#include "FuzzSupport.h"
#include "catalog/CatalogEnOcean.h"
#include "image/CatalogLookup.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    TCatalog_EnOcean Catalog;
    Catalog.Read_Cat_EnOcean_XML(Fuzz_File(Data, Size, "Cat_EnOcean.xml"));
    const TCatalog_Case_Lookup Lookup(&Catalog);
    TCase_Key Key;
    for (int Rorg : {0xF6, 0xD5, 0xA5, 0xD2})
        for (int Func = 0; Func < 4; ++Func)
            for (int Case = 0; Case < 3; ++Case)
                Lookup.Get_Case(Rorg, Func, 1, Case, Key);
    return 0;
}
