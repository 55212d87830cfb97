// The string grid's layout loaders: the input as a column-states text, as a
// visual-properties file and as a print-settings INI file. A damaged input
// may be refused (false, or the documented exceptions) but never half
// applied: a refused load leaves the grid's saved form as it was.
#include "FuzzSupport.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QApplication>
#include <cstdlib>
#include <stdexcept>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    static int Argc = 1;
    static char Name[] = "fuzz";
    static char *Argv[] = {Name, nullptr};
    static QApplication App(Argc, Argv);
    RIraRevadiVizo G;
    G.Set_ColCount(4);
    const QString Before = G.ColumnStatesToString();
    if (!G.StringToColumnStates(Fuzz_Text(Data, Size)) && G.ColumnStatesToString() != Before)
        std::abort();
    const QString File = Fuzz_File(Data, Size, QStringLiteral("layout.txt"));
    try {
        G.LoadVisualProps(File);
    } catch (const std::exception &) {
    }
    try {
        G.LoadPrintSettings(File, QStringLiteral("Print"));
    } catch (const std::exception &) {
    }
    return 0;
}
