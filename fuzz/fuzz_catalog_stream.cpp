// The EEP catalogue read streamed and through the document tree: both loads
// must give the same result, status and entries, whatever the bytes.
#include "FuzzSupport.h"
#include "tests/catalog/CatalogDump.h"
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Path = Fuzz_File(Data, Size, "Cat_EnOcean.xml");
    const QString Stream = Dump_Catalog_File(Path, false);
    const QString Tree = Dump_Catalog_File(Path, true);
    if (Stream != Tree) {
        std::fprintf(stderr, "streamed load:\n%s\ntree load:\n%s\n", qPrintable(Stream), qPrintable(Tree));
        std::abort();
    }
    return 0;
}
