// The column grid's filter drop-downs and grouping: a column offers exactly
// the entries of its item's Filter list (a friendly name, or a name, "=" and
// a condition), and a grouped column's item is kept aside until it comes back.
#include "grid/columngrid/VIdiDidireDedu.h"
#include <QPointer>
#include <QScopeGuard>

namespace {
// "High=>100" is the name "High" with the condition ">100"; an entry
// without "=" is both name and condition.
void Split_Entry(const QString &Entry, QString &Name, QString &Condition)
{
    const int Eq = Entry.indexOf(u'=');
    Name = Eq < 0 ? Entry : Entry.left(Eq);
    Condition = Eq < 0 ? Entry : Entry.mid(Eq + 1);
}
} // namespace

bool VIdiDidireDedu::BuildFilterList(int ACol)
{
    RIraRevadiVizo::BuildFilterList(ACol);
    // Only the item's own entries make a drop-down, whatever the grid built.
    const TGridColumnItem *Item = Item_Of(ACol);
    if (!Item || Item->Filter().isEmpty())
        return false;
    QStringList &List = FilterListRef();
    List.clear();
    for (const QString &Entry : Item->Filter()) {
        QString Name, Condition;
        Split_Entry(Entry, Name, Condition);
        List.append(Name);
    }
    return true;
}

void VIdiDidireDedu::FilterSelect(int ItemIndex)
{
    const int Col = FilterCol();
    TGridColumnItem *Item = Item_Of(Col);
    if (Item && ItemIndex >= 0 && ItemIndex < Item->Filter().size()) {
        QString Name, Condition;
        Split_Entry(Item->Filter()[ItemIndex], Name, Condition);
        QPointer<VIdiDidireDedu> Self(this);
        if (FAutoFilterDisplay)
            Item->Set_Header(Name);
        if (AutoFilterUpdate())
            Set_FilterActive(false);
        if (OnFilterSelect)
            OnFilterSelect(this, Col, ItemIndex, Name, Condition);
        if (!Self)
            return;
        TFilterData &D = Filter().GetColFilter(Col);
        D.Condition = Condition;
        // The item may have gone with the event; its case rule is read afresh.
        if (TGridColumnItem *Now = Item_Of(Col))
            D.CaseSensitive = Now->FilterCaseSensitive();
        if (AutoFilterUpdate()) {
            Set_FilterActive(true);
            if (RowCount() != FixedRows() && !(RowCount() == 1 && FixedRowAlways()))
                Set_Row(FixedRows());
            FilterDone();
            if (!Self)
                return;
        }
    }
    Set_FilterCol(-1);
}

void VIdiDidireDedu::Group(int Colindex)
{
    if (const TGridColumnItem *Item = Item_Of(Colindex))
        FSaveCol->Assign(Item);
    FSyncAt = Colindex;
    const auto Reset = qScopeGuard([this] { FSyncAt = -1; });
    RIraRevadiVizo::Group(Colindex);
}

void VIdiDidireDedu::UnGroup()
{
    const int Was = GroupColumn();
    {
        FSyncAt = Was;
        const auto Reset = qScopeGuard([this] { FSyncAt = -1; });
        RIraRevadiVizo::UnGroup();
    }
    if (Was != -1)
        if (TGridColumnItem *Item = Item_Of(Was))
            Item->Assign(FSaveCol.get());
}
