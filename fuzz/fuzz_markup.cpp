// Cell markup: entities, tags, embedded controls, and the layout that draws it.
#include "FuzzSupport.h"
#include "grid/base/MarkupRender.h"
#include "grid/model/MarkupText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    Fuzz_Gui();
    QString Markup = Fuzz_Text(Data, Size);
    (void)DecodeHTMLEntities(Markup, true).size();
    (void)StripHTMLTags(Markup).size();
    (void)MarkMatches(Markup, "a", "<HI>", false).size();
    (void)VisibleToMarkupPos(Markup, 3);
    QString Value;
    GetControlValue(Markup, NextEditControlID(Markup, ""), Value);
    SetControlValue(Markup, "e", "v");
    TRecordingCanvas Canvas(160, 80);
    THTMLRenderParams Params;
    Params.WordWrap = Size % 2 == 0;
    Params.XPos = 10;
    Params.YPos = 10;
    THTMLRenderResult Result;
    RenderHTML(Canvas, Markup, TRect(0, 0, 150, 70), Params, Result);
    return 0;
}
