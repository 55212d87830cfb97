// The EnOcean network file (EnOcean.xml), then the image compiler over it.
#include "FuzzSupport.h"
#include "editors/EnOcean_Network.h"
#include "editors/ParGen_Data.h"
#include "image/ImageCompiler.h"

namespace {
// Every RORG/FUNC/TYPE has three cases, so that variables get placed.
class TAny_Case : public ICase_Lookup
{
public:
    bool Get_Case(int, int, int, int CaseNum, TCase_Key &Key) const override
    {
        Key = {8, 0, CaseNum};
        return CaseNum < 3;
    }
};
// A parameter file with the editor's defaults, so that the compile goes on to the network.
QString ParGen_File()
{
    static const QString Path = [] {
        const QString P = Fuzz_File(QByteArray(), "ParGen.xml");
        TParGen_Data().Save(P);
        return P;
    }();
    return Path;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Path = Fuzz_File(Data, Size, "EnOcean.xml");
    TDevice_List Devices;
    Load_EnOcean_File(Path, Devices);
    TImage_Compiler Compiler;
    Compiler.Compile_Configuration(ParGen_File(), Path, TAny_Case());
    return 0;
}
