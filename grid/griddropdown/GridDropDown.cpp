#include "grid/griddropdown/GridDropDown.h"

TCustomDarAzidDropDown::TCustomDarAzidDropDown(QWidget *Owner) : VOdeMultiColumnDropDown(Owner) {}

bool TCustomDarAzidDropDown::Lookup(const QString &Text, int &Row) const
{
    Row = -1;
    const Qt::CaseSensitivity CS = FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    auto &Rows = const_cast<TCustomDarAzidDropDown *>(this)->Items();
    for (int I = 0; I < int(Rows.size()); ++I)
        if (LookupColumn() >= 0 && LookupColumn() < Rows[I].size()
            && Rows[I][LookupColumn()].compare(Text, CS) == 0) {
            Row = I;
            return true;
        }
    return false;
}
