// Column items and their collection: the per-column settings of the column
// grid, and the update rule that keeps the grid's column count in step with
// the items.
#include "grid/columngrid/GridColumnCollection.h"
#include "grid/columngrid/VIdiDidireDedu.h"

// --- item ---------------------------------------------------------------------------------------

TGridColumnItem::TGridColumnItem(TGridColumnCollection *Collection) : FCollection(Collection)
{
    if (VIdiDidireDedu *G = Grid()) {
        FFont = G->Font();
        FHeaderFont = G->Font();
        FPrintFont = G->Font();
        FColor = G->Color();
    }
}

TGridColumnItem::~TGridColumnItem() = default;

VIdiDidireDedu *TGridColumnItem::Grid() const { return FCollection ? FCollection->GetOwner() : nullptr; }

int TGridColumnItem::Index() const
{
    if (!FCollection)
        return -1;
    for (int I = 0; I < FCollection->Count(); ++I)
        if (FCollection->FItems[static_cast<size_t>(I)].get() == this)
            return I;
    return -1;
}

void TGridColumnItem::Changed()
{
    if (FCollection)
        FCollection->Update(this);
}

void TGridColumnItem::Repaint_Grid()
{
    if (VIdiDidireDedu *G = Grid())
        G->Invalidate();
}

void TGridColumnItem::Copy_Fields(const TGridColumnItem &S, bool Visuals)
{
    FAlignment = S.FAlignment;
    FHeaderAlignment = S.FHeaderAlignment;
    FBorderPen = S.FBorderPen;
    FBorders = S.FBorders;
    FCheckFalse = S.FCheckFalse;
    FCheckTrue = S.FCheckTrue;
    FEditLength = S.FEditLength;
    FEditLink = S.FEditLink;
    FEditMask = S.FEditMask;
    FEditorType = S.FEditorType;
    FFixed = S.FFixed;
    FPassword = S.FPassword;
    FPrintBorderPen = S.FPrintBorderPen;
    FPrintBorders = S.FPrintBorders;
    FPrintColor = S.FPrintColor;
    FPrintFont = S.FPrintFont;
    FReadOnly = S.FReadOnly;
    FSortPrefix = S.FSortPrefix;
    FSortStyle = S.FSortStyle;
    FSortSuffix = S.FSortSuffix;
    FSpinMax = S.FSpinMax;
    FSpinMin = S.FSpinMin;
    FSpinStep = S.FSpinStep;
    FColumnPopup = S.FColumnPopup;
    FWidth = S.Width();
    FShowBands = S.FShowBands;
    FMinSize = S.FMinSize;
    FMaxSize = S.FMaxSize;
    FAutoMinSize = S.FAutoMinSize;
    FAutoMaxSize = S.FAutoMaxSize;
    FFilter = S.FFilter;
    FFilterCaseSensitive = S.FFilterCaseSensitive;
    FDefIdx = S.FDefIdx;
    FFloatFormat = S.FFloatFormat;
    if (Visuals) {
        // A column added at the end looks like the last one, in the grid's own colour and font.
        const VIdiDidireDedu *G = Grid();
        FColor = G ? G->Color() : TColor(0);
        FFont = G ? G->Font() : TFont();
        return;
    }
    FColor = S.FColor;
    FFont = S.FFont;
    FComboItems = S.FComboItems;
    FDropDownCount = S.FDropDownCount;
    FHeaderFont = S.FHeaderFont;
    FColumnHeader = S.FColumnHeader;
    FName = S.FName;
    FTag = S.FTag;
}

void TGridColumnItem::Assign(const TObject *Source)
{
    if (const auto *S = dynamic_cast<const TGridColumnItem *>(Source); S && S != this)
        Copy_Fields(*S, false);
}

void TGridColumnItem::AssignVisuals(const TObject *Source)
{
    if (const auto *S = dynamic_cast<const TGridColumnItem *>(Source); S && S != this)
        Copy_Fields(*S, true);
}

QString TGridColumnItem::GetDisplayName() const
{
    const int I = Index();
    if (!FName.isEmpty())
        return QStringLiteral("Col %1: %2").arg(I).arg(FName);
    return QStringLiteral("Column %1").arg(I);
}

void TGridColumnItem::Set_Alignment(TAlignment V)
{
    FAlignment = V;
    Repaint_Grid();
}

void TGridColumnItem::Set_Borders(TCellBorders V)
{
    FBorders = V;
    Changed();
}

void TGridColumnItem::Set_BorderPen(const TPen &V)
{
    FBorderPen = V;
    Changed();
}

void TGridColumnItem::Set_Color(TColor V)
{
    FColor = V;
    Changed();
}

void TGridColumnItem::Set_Editor(TEditorType V)
{
    if (V == FEditorType)
        return;
    const bool Repaint = V == edDataCheckBox || FEditorType == edDataCheckBox;
    FEditorType = V;
    if (Repaint)
        Repaint_Grid();
}

void TGridColumnItem::Set_Filter(const QStringList &V)
{
    FFilter = V;
    if (FCollection)
        Repaint_Grid();
}

void TGridColumnItem::Set_Fixed(bool V)
{
    FFixed = V;
    Changed();
}

void TGridColumnItem::Set_FloatFormat(const QString &V)
{
    FFloatFormat = V;
    Repaint_Grid();
}

void TGridColumnItem::Set_Font(const TFont &V)
{
    FFont = V;
    Changed();
}

void TGridColumnItem::Set_Header(const QString &V)
{
    FColumnHeader = V;
    VIdiDidireDedu *G = Grid();
    if (!G)
        return;
    if (G->FixedRows() > 0 && !G->ColMoving()) {
        G->SetCellEx(Index(), 0, V);
        Changed();
    }
    QStringList &Headers = G->ColumnHeaderList();
    Headers.clear();
    for (int I = 0; I < FCollection->Count(); ++I)
        Headers.append(FCollection->Items(I)->Header());
}

void TGridColumnItem::Set_HeaderAlignment(TAlignment V)
{
    FHeaderAlignment = V;
    Repaint_Grid();
}

void TGridColumnItem::Set_HeaderFont(const TFont &V)
{
    FHeaderFont = V;
    // Linked like the data font: a new header font runs the update rule.
    Changed();
}

void TGridColumnItem::Set_Password(bool V)
{
    FPassword = V;
    Changed();
}

void TGridColumnItem::Set_ShowBands(bool V)
{
    FShowBands = V;
    Changed();
}

int TGridColumnItem::Width() const
{
    const VIdiDidireDedu *G = Grid();
    const int I = Index();
    return G && I >= 0 ? G->GetAllColWidths(I) : 0;
}

void TGridColumnItem::Set_Width(int V)
{
    FWidth = V;
    VIdiDidireDedu *G = Grid();
    const int I = Index();
    if (G && I >= 0)
        G->SetAllColWidths(I, V);
}

QString TGridColumnItem::GetRows(int ARow) const { return Grid() ? Grid()->Cells(Index(), ARow) : QString(); }
void TGridColumnItem::SetRows(int ARow, const QString &Value)
{
    if (VIdiDidireDedu *G = Grid())
        G->SetCellEx(Index(), ARow, Value);
}
int TGridColumnItem::GetInts(int ARow) const { return Grid() ? Grid()->GetInts(Index(), ARow) : 0; }
void TGridColumnItem::SetInts(int ARow, int Value)
{
    if (VIdiDidireDedu *G = Grid())
        G->SetInts(Index(), ARow, Value);
}
double TGridColumnItem::GetFloats(int ARow) const { return Grid() ? Grid()->GetFloats(Index(), ARow) : 0.0; }
void TGridColumnItem::SetFloats(int ARow, double Value)
{
    if (VIdiDidireDedu *G = Grid())
        G->SetFloats(Index(), ARow, Value);
}
TDateTime TGridColumnItem::GetDates(int ARow) const { return Grid() ? Grid()->GetDates(Index(), ARow) : 0.0; }
void TGridColumnItem::SetDates(int ARow, TDateTime Value)
{
    if (VIdiDidireDedu *G = Grid())
        G->SetDates(Index(), ARow, Value);
}
TDateTime TGridColumnItem::GetTimes(int ARow) const { return Grid() ? Grid()->GetTimes(Index(), ARow) : 0.0; }
void TGridColumnItem::SetTimes(int ARow, TDateTime Value)
{
    if (VIdiDidireDedu *G = Grid())
        G->SetTimes(Index(), ARow, Value);
}

// --- collection ---------------------------------------------------------------------------------

TGridColumnCollection::TGridColumnCollection(VIdiDidireDedu *Owner) : FOwner(Owner) {}

TGridColumnCollection::~TGridColumnCollection()
{
    // Items go before the grid that some of their getters ask.
    FItems.clear();
}

TGridColumnItem *TGridColumnCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
    return FItems[static_cast<size_t>(Index)].get();
}

TGridColumnItem *TGridColumnCollection::Add()
{
    FItems.push_back(std::make_unique<TGridColumnItem>(this));
    TGridColumnItem *Item = FItems.back().get();
    if (Count() > 1)
        Item->AssignVisuals(FItems[FItems.size() - 2].get());
    Update(nullptr);
    return Item;
}

TGridColumnItem *TGridColumnCollection::Insert(int Index)
{
    if (Index < 0 || Index > Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
    auto It = FItems.insert(FItems.begin() + Index, std::make_unique<TGridColumnItem>(this));
    TGridColumnItem *Item = It->get();
    Update(nullptr);
    return Item;
}

void TGridColumnCollection::Remove_Silently(int Index)
{
    std::unique_ptr<TGridColumnItem> Gone = std::move(FItems[static_cast<size_t>(Index)]);
    FItems.erase(FItems.begin() + Index);
}

void TGridColumnCollection::Delete(int Index)
{
    Items(Index);   // the index check
    Remove_Silently(Index);
    Update(nullptr);
}

void TGridColumnCollection::Clear()
{
    if (FItems.empty())
        return;
    FItems.clear();
    Update(nullptr);
}

void TGridColumnCollection::Assign(const TGridColumnCollection &Source)
{
    if (&Source == this)
        return;
    BeginUpdate();
    while (Count() > Source.Count())
        Remove_Silently(Count() - 1);
    while (Count() < Source.Count())
        FItems.push_back(std::make_unique<TGridColumnItem>(this));
    for (int I = 0; I < Count(); ++I)
        FItems[static_cast<size_t>(I)]->Assign(Source.Items(I));
    EndUpdate();
}

void TGridColumnCollection::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0)
        Update(nullptr);
}

void TGridColumnCollection::Update(TGridColumnItem *)
{
    VIdiDidireDedu *G = FOwner;
    if (!G || FUpdateCount > 0 || FNoRecursiveUpdate || G->IsLoading())
        return;
    const int N = Count() - G->NumHiddenColumns();
    if (N != G->ColCount() && N > G->FixedCols())
        G->Set_ColCount(N);
    G->RefreshColumnHeaders();
    G->Invalidate();
}

QString TGridColumnCollection::Check_Consistency() const
{
    for (int I = 0; I < Count(); ++I) {
        const TGridColumnItem *Item = FItems[static_cast<size_t>(I)].get();
        if (!Item)
            return QStringLiteral("item %1 is missing").arg(I);
        if (Item->FCollection != this)
            return QStringLiteral("item %1 belongs to another collection").arg(I);
    }
    if (FOwner && FUpdateCount == 0 && !FNoRecursiveUpdate) {
        const int Want = FOwner->ColCount() + FOwner->NumHiddenColumns();
        if (Count() != Want)
            return QStringLiteral("%1 items for %2 real columns").arg(Count()).arg(Want);
    }
    return QString();
}
