// RTF of rich-text cells and the clipboard: read it, write what was read, and
// check that the written form reads back to the same bytes.
#include "FuzzSupport.h"
#include "platform/RichText.h"
#include <QTextDocument>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Fuzz_Gui();
    QTextDocument Doc;
    (void)Rtf_To_Document(Fuzz_Bytes(Data, Size), Doc);
    const QByteArray Written = Document_To_Rtf(Doc);
    QTextDocument Again;
    if (!Rtf_To_Document(Written, Again).Ok || Document_To_Rtf(Again) != Written)
        std::abort();
    return 0;
}
