#include "grid/model/GridFilter.h"
#include "grid/model/CaseBlind.h"
#include "grid/model/FilterExpr.h"
#include "grid/model/TextRoutines.h"
#include "platform/Locale.h"
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

namespace {
bool Same_Settings(const TFormatSettings &A, const TFormatSettings &B)
{
    return A.DecimalSeparator == B.DecimalSeparator && A.ThousandSeparator == B.ThousandSeparator &&
           A.DateSeparator == B.DateSeparator && A.ShortDateFormat == B.ShortDateFormat &&
           A.LongDateFormat == B.LongDateFormat && A.TimeSeparator == B.TimeSeparator &&
           A.ShortTimeFormat == B.ShortTimeFormat && A.LongTimeFormat == B.LongTimeFormat &&
           A.TimeAMString == B.TimeAMString && A.TimePMString == B.TimePMString && A.ListSeparator == B.ListSeparator;
}
// Text holds "|\\" (a wide character's escape). Looked for with the fast
// single-character search: most texts hold no "|" at all.
bool Has_Wide_Escape(QStringView Text)
{
    for (qsizetype P = Text.indexOf(u'|'); P >= 0; P = Text.indexOf(u'|', P + 1))
        if (P + 1 < Text.size() && Text[P + 1] == u'\\')
            return true;
    return false;
}
} // namespace

TFilterPass::~TFilterPass() = default;

bool TFilterPass::Made_From(const TFilter &Filter) const
{
    if (Filter.Count() != Count() || !Same_Settings(*FSettings, Format_Settings()))
        return false;
    for (int I = 0; I < Count(); ++I)
        if (!(FItems[static_cast<size_t>(I)].Data == Filter.Items(I)))
            return false;
    return true;
}

TFilterPass::TFilterPass(const TFilter &Filter) : FSettings(std::make_unique<TFormatSettings>(Format_Settings()))
{
    FItems.reserve(static_cast<size_t>(Filter.Count()));
    for (const TFilterData &D : Filter) {
        TItem I;
        I.Data = D;
        if (D.Data == fcRow)
            I.Upper_Condition = D.Condition.toUpper();
        else if (D.Method == fmExpression && !D.Condition.isEmpty())
            I.Expr.emplace(D.Condition, D.CaseSensitive);
        FItems.push_back(std::move(I));
    }
}

bool TFilterPass::Item_Matches(int Index, QStringView Raw) const
{
    const TItem &I = FItems[static_cast<size_t>(Index)];
    const TFilterData &Item = I.Data;
    try {
        QStringView Text = Raw.trimmed();
        QString Decoded;
        if (Has_Wide_Escape(Text)) {
            Decoded = DecodeWideText(Text.toString());
            Text = Decoded;
        }
        if (Item.Data == fcRow) {
            if (Upper_Is_Simple(Text))
                return Upper_Index_Of(Text, I.Upper_Condition) >= 0;
            return Text.toString().toUpper().contains(I.Upper_Condition);
        }
        if (!Item.Prefix.isEmpty() && Text.startsWith(Item.Prefix))
            Text = Text.mid(Item.Prefix.size());
        if (!Item.Suffix.isEmpty()) {
            const qsizetype P = Text.indexOf(Item.Suffix);
            if (P >= 0 && P == Text.size() - Item.Suffix.size())
                Text.chop(Item.Suffix.size());
        }
        if (Item.Condition.isEmpty())
            return true;
        if (Item.Method == fmLiteral)
            return Text == Item.Condition;
        return I.Expr->Matches(Text);
    } catch (const std::exception &) {
        return false;
    }
}

bool TFilterPass::Row_Matches(const TFilterViewReader &Text) const
{
    bool Result = true;
    TFilterText Room;
    for (int Index = 0; Index < Count(); ++Index) {
        const TFilterData &Item = FItems[static_cast<size_t>(Index)].Data;
        QStringView S;
        try {
            S = Text(Item, Room);
        } catch (const std::exception &) {
            S = QStringView();
        }
        const bool V = Item_Matches(Index, S);
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

bool Filter_Item_Matches(const TFilterData &Item, const QString &Text)
{
    TFilter One;
    One.Add() = Item;
    return TFilterPass(One).Item_Matches(0, Text);
}

bool Filter_Row_Matches(const TFilter &Filter, const TFilterTextReader &Text)
{
    return TFilterPass(Filter).Row_Matches([&](const TFilterData &Item, TFilterText &Room) -> QStringView {
        Room.Text = Text(Item);
        return Room.Text;
    });
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
