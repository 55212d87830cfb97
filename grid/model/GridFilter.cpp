#include "grid/model/GridFilter.h"
#include "grid/model/FilterExpr.h"
#include "grid/model/TextRoutines.h"
#include <algorithm>
#include <exception>

TFilterData &TFilter::Add()
{
    TFilterData D;
    D.Operation = FItems.empty() ? foNONE : foAND;
    FItems.push_back(D);
    return FItems.back();
}

TFilterData &TFilter::GetColFilter(int Col)
{
    for (TFilterData &D : FItems)
        if (D.Column == Col)
            return D;
    TFilterData &D = Add();
    D.Column = static_cast<short>(Col);
    return D;
}

bool TFilter::HasColFilter(int Col) const
{
    return std::any_of(FItems.begin(), FItems.end(), [&](const TFilterData &D) { return D.Column == Col; });
}

void TFilter::RemoveColumnFilter(int Col)
{
    FItems.erase(std::remove_if(FItems.begin(), FItems.end(), [&](const TFilterData &D) { return D.Column == Col; }),
                 FItems.end());
}

bool Filter_Item_Matches(const TFilterData &Item, const QString &Raw)
{
    try {
        QString Text = Raw.trimmed();
        if (Text.contains(QLatin1String("|\\")))
            Text = DecodeWideText(Text);
        if (Item.Data == fcRow)
            return Text.toUpper().contains(Item.Condition.toUpper());
        if (!Item.Prefix.isEmpty() && Text.startsWith(Item.Prefix))
            Text.remove(0, Item.Prefix.size());
        if (!Item.Suffix.isEmpty()) {
            const qsizetype P = Text.indexOf(Item.Suffix);
            if (P >= 0 && P == Text.size() - Item.Suffix.size())
                Text.chop(Item.Suffix.size());
        }
        if (Item.Condition.isEmpty())
            return true;
        if (Item.Method == fmLiteral)
            return Item.Condition == Text;
        return MatchFilterExpression(Item.Condition, Text, Item.CaseSensitive);
    } catch (const std::exception &) {
        return false;
    }
}

bool Filter_Row_Matches(const TFilter &Filter, const TFilterTextReader &Text)
{
    bool Result = true;
    for (const TFilterData &Item : Filter) {
        QString S;
        try {
            S = Text(Item);
        } catch (const std::exception &) {
            S.clear();
        }
        const bool V = Filter_Item_Matches(Item, S);
        switch (Item.Operation) {
        case foSHORT:
            Result = V;
            if (!V)
                return false;
            break;
        case foNONE: Result = V; break;
        case foAND: Result = Result && V; break;
        case foXOR: Result = Result != V; break;
        case foOR: Result = Result || V; break;
        }
    }
    return Result;
}

TFilterData Narrow_Down_Item(const QString &Text, int Column)
{
    TFilterData D;
    D.Operation = foNONE;
    D.CaseSensitive = false;
    D.Column = static_cast<short>(Column);
    if (Column == -1) {
        D.Data = fcRow;
        D.Condition = Text;
    } else {
        D.Data = fcNormal;
        D.Condition = QLatin1Char('*') + Text + QLatin1Char('*');
        if (Text.contains(QLatin1Char(' ')))
            D.Condition = QLatin1Char('"') + D.Condition + QLatin1Char('"');
    }
    return D;
}

void Split_Filter_Entry(const QString &Entry, const QString &Clear, QString &Name, QString &Condition)
{
    const qsizetype P = Entry.indexOf(QLatin1Char('='));
    Name = P < 0 ? Entry : Entry.left(P);
    Condition = P < 0 ? Entry : Entry.mid(P + 1);
    if (!Clear.isEmpty() && Condition == Clear)
        Condition.clear();
}

QString Filter_Entry_For(const QString &Text)
{
    if (Text.contains(QLatin1Char(' ')))
        return Text + QStringLiteral("=\"") + Text + QLatin1Char('"');
    return Text;
}
