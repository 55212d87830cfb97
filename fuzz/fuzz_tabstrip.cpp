// Tab-strip descriptions: the text form of a look and feel or of the options
// ("object ...", "Path = Value" lines, "end").
#include "FuzzSupport.h"
#include "controls/GlideTabsLookAndFeel.h"
#include "controls/GlideTabsOptions.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Fuzz_Gui();
    const QString Text = Fuzz_Text(Data, Size);
    TGlideTabsLookAndFeel Look(nullptr);
    TOptions Options(nullptr);
    try { ReadComponentText(Look, Text, "LookAndFeel"); } catch (const EGlideTabsError &) {}
    try { ReadComponentText(Options, Text, "Options"); } catch (const EGlideTabsError &) {}
    (void)WriteComponentText(Look, "TTabsLookAndFeel", "LookAndFeel").size();
    (void)WriteComponentText(Options, "TTabsOptions", "Options").size();
    return 0;
}
