// Filter expressions: the first line is the condition, the rest the cell value.
#include "FuzzSupport.h"
#include "grid/model/FilterExpr.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Text = Fuzz_Text(Data, Size);
    const qsizetype Break = Text.indexOf('\n');
    const QString Condition = Break < 0 ? Text : Text.left(Break);
    const QString Value = Break < 0 ? QString() : Text.mid(Break + 1);
    MatchFilterExpression(Condition, Value, true);
    MatchFilterExpression(Condition, Value, false);
    (void)CanonicalNumberText(Value).size();
    return 0;
}
