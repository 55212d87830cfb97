// Filter expressions: the first line is the condition, the rest the cell value.
// The condition compiled once must answer as the condition read afresh.
#include "FuzzSupport.h"
#include "grid/model/FilterExpr.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Data, std::size_t Size)
{
    const QString Text = Fuzz_Text(Data, Size);
    const qsizetype Break = Text.indexOf('\n');
    const QString Condition = Break < 0 ? Text : Text.left(Break);
    const QString Value = Break < 0 ? QString() : Text.mid(Break + 1);
    for (const bool Case : {true, false})
        if (TFilterExpr(Condition, Case).Matches(Value) != MatchFilterExpression(Condition, Value, Case))
            std::abort();
    (void)CanonicalNumberText(Value).size();
    return 0;
}
