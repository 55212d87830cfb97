#include "grid/stringgrid/GridSortSettings.h"
#include "grid/model/DarAzidError.h"
#include <stdexcept>

void TSortSettings::Set_Show(bool V)
{
    if (V == FShow)
        return;
    FShow = V;
    if (OnRepaint)
        OnRepaint();
}

void TSortSettings::Set_Row(int V)
{
    const int Fixed = FixedRowsOf ? FixedRowsOf() : 1;
    if (V >= Fixed)
        throw EDarAzidError("Sort row should be smaller than number of fixed rows");
    FRow = V;
}

void TSortSettings::Set_Header(int I, TColor V)
{
    if (FHeader[I] == V)
        return;
    FHeader[I] = V;
    if (OnHeaderRepaint)
        OnHeaderRepaint();
}

void TSortSettings::Set_HeaderColors(TColor Color, TColor ColorTo, TColor Mirror, TColor MirrorTo)
{
    const TColor New[4] = {Color, ColorTo, Mirror, MirrorTo};
    bool Changed = false;
    for (int I = 0; I < 4; ++I) {
        Changed = Changed || FHeader[I] != New[I];
        FHeader[I] = New[I];
    }
    if (Changed && OnHeaderRepaint)
        OnHeaderRepaint();
}

void TSortSettings::Remove()
{
    Column = -1;
    IndexColumns.clear();
    IndexDirections.clear();
    if (OnHeaderRepaint)
        OnHeaderRepaint();
}

QString TSortSettings::SaveToString() const
{
    TSortSettingsText Form;
    Form.Indexed = IndexShow;
    Form.Descending = Direction == sdDescending;
    Form.Column = Column;
    for (size_t I = 0; I < IndexColumns.size(); ++I)
        Form.Keys.push_back({IndexColumns[I], I < IndexDirections.size() && IndexDirections[I] == sdDescending});
    return Sort_Settings_To_String(Form);
}

void TSortSettings::LoadFromString(const QString &Value)
{
    if (Value.isEmpty())
        return;
    Set_Show(true);
    TSortSettingsText Form;
    try {
        Form = Parse_Sort_Settings(Value);
    } catch (const std::runtime_error &E) {
        throw EDarAzidError(E.what());
    }
    if (Form.Indexed) {
        IndexShow = true;
        if (Form.Keys.empty())
            return;
        IndexColumns.clear();
        IndexDirections.clear();
        for (const auto &[C, Desc] : Form.Keys) {
            IndexColumns.push_back(C);
            IndexDirections.push_back(Desc ? sdDescending : sdAscending);
        }
        if (OnSortIndexed)
            OnSortIndexed();
        return;
    }
    IndexShow = false;
    Direction = Form.Descending ? sdDescending : sdAscending;
    if (!Form.Has_Column)
        return;
    Column = Form.Column;
    if (OnSort)
        OnSort();
}

void TSortSettings::Assign(const TSortSettings &S)
{
    Column = S.Column;
    Direction = S.Direction;
    FShow = S.FShow;
    IndexShow = S.IndexShow;
    IndexColor = S.IndexColor;
    IndexSortKey = S.IndexSortKey;
    Full = S.Full;
    SingleColumn = S.SingleColumn;
    IgnoreBlanks = S.IgnoreBlanks;
    UndoSort = S.UndoSort;
    NormalCellsOnly = S.NormalCellsOnly;
    FixedCols = S.FixedCols;
    AutoColumnMerge = S.AutoColumnMerge;
    BlankPos = S.BlankPos;
    AutoFormat = S.AutoFormat;
    AutoSortForGrouping = S.AutoSortForGrouping;
    InitSortDirection = S.InitSortDirection;
    FRow = S.FRow;
    UpGlyph = S.UpGlyph;
    DownGlyph = S.DownGlyph;
    IndexUpGlyph = S.IndexUpGlyph;
    IndexDownGlyph = S.IndexDownGlyph;
    for (int I = 0; I < 4; ++I)
        FHeader[I] = S.FHeader[I];
}
