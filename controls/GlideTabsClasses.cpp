#include "controls/GlideTabsClasses.h"
#include "controls/GlideTabControl.h"
#include "controls/GlideTabsOptions.h"
#include <algorithm>

namespace {

[[noreturn]] void Index_Error(int Index)
{
    throw EGlideTabsError("List index out of bounds (" + std::to_string(Index) + ")");
}

} // namespace

// ---- polygons ----

TGlideTabPolygon &TGlideTabPolygons::GetPolygons(int Index)
{
    if (Index < 0 || Index >= PolygonCount())
        Index_Error(Index);
    return FPolygons[static_cast<size_t>(Index)];
}

const TGlideTabPolygon &TGlideTabPolygons::GetPolygons(int Index) const
{
    if (Index < 0 || Index >= PolygonCount())
        Index_Error(Index);
    return FPolygons[static_cast<size_t>(Index)];
}

TGlideTabPolygons &TGlideTabPolygons::AddPolygon(const TPolygon &Polygon, const TAABrush *Brush, const TAAPen *Pen)
{
    FPolygons.emplace_back(Polygon, Brush, Pen);
    return *this;
}

void TGlideTabPolygons::DrawTo(TAACanvas &TargetCanvas, TDrawToFunctions DrawToFunctions) const
{
    for (const TGlideTabPolygon &P : FPolygons) {
        if (P.Brush() && (DrawToFunctions == dfBrush || DrawToFunctions == dfBrushAndPen))
            TargetCanvas.Fill_Polygon(P.Polygon(), *P.Brush());
        if (P.Pen() && (DrawToFunctions == dfPen || DrawToFunctions == dfBrushAndPen))
            TargetCanvas.Draw_Polygon(P.Polygon(), *P.Pen());
    }
}

// ---- drag object ----

TDragTabObject::~TDragTabObject()
{
    if (FDragForm)
        FDragForm->deleteLater();
}

// ---- tab ----

TGlideTab::TGlideTab(TGlideTabsList *Collection) : FCollection(Collection) {}

TGlideTab::~TGlideTab() { delete FTabControl; }

int TGlideTab::Index() const { return FCollection ? FCollection->IndexOf(this) : -1; }

IGlideTabs *TGlideTab::Tabs_Interface() const { return FCollection ? FCollection->Owner() : nullptr; }

void TGlideTab::DoChanged(TTabChangeType ChangeType)
{
    if (IGlideTabs *S = Tabs_Interface())
        S->DoOnChange(this, ChangeType);
}

void TGlideTab::SetCaption(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    DoChanged(tcPropertyUpdated);
}

void TGlideTab::SetImageIndex(int Value)
{
    if (Value == FImageIndex)
        return;
    FImageIndex = Value;
    DoChanged(tcPropertyUpdated);
}

void TGlideTab::SetImageIndexOverlay(int Value)
{
    if (Value == FImageIndexOverlay)
        return;
    FImageIndexOverlay = Value;
    DoChanged(tcPropertyUpdated);
}

void TGlideTab::SetModified(bool Value)
{
    if (Value == FModified)
        return;
    FModified = Value;
    DoChanged(tcPropertyUpdated);
}

void TGlideTab::SetSpinnerState(TGlideTabSpinnerState Value)
{
    if (Value == FSpinnerState)
        return;
    FSpinnerState = Value;
    DoChanged(tcPropertyUpdated);
}

void TGlideTab::SetActive(bool Value)
{
    if (Value == FActive)
        return;
    IGlideTabs *S = Tabs_Interface();
    bool Allow = true;
    if (Value) {
        if (S)
            S->DoOnActiveTabChanging(S->GetActiveTab(), this, Allow);
        if (Allow)
            FModified = false;
    }
    if (!Allow)
        return;
    FActive = Value;
    if (Value) {
        // At most one active tab per list: the others step down one by one, in list order.
        if (FCollection) {
            for (int I = 0; I < FCollection->Count(); ++I) {
                TGlideTab *Other = FCollection->GetItem(I);
                if (Other != this && Other->FActive)
                    Other->SetActive(false);
            }
        }
        if (S)
            S->DoOnChange(this, tcActivated);
    } else if (S) {
        S->DoOnChange(this, tcDeactivated);
    }
    DoChanged(tcPropertyUpdated);
}

void TGlideTab::SetPinned(bool Value)
{
    if (Value == FPinned)
        return;
    int P = -1;
    if (IGlideTabs *S = Tabs_Interface()) {
        P = S->GetLastPinnedIndex();
    } else if (FCollection) {
        while (P + 1 < FCollection->Count() && FCollection->GetItem(P + 1)->FPinned)
            ++P;
    }
    // Pinning joins the end of the pinned run; unpinning takes its last place.
    SetIndex(Value ? P + 1 : P);
    FPinned = Value;
    DoChanged(tcPinned);
    SetActive(true);
}

void TGlideTab::SetVisible(bool Value)
{
    if (!Value && FActive)
        SetActive(false);
    FVisible = Value;
    DoChanged(tcVisibility);
}

void TGlideTab::SetIndex(int Value)
{
    if (!FCollection)
        return;
    const int Old = Index();
    const int Last = FCollection->Count() - 1;
    Value = std::clamp(Value, 0, std::max(0, Last));
    if (Old == Value || Old < 0)
        return;
    FCollection->Insert(FCollection->Take(Old), Value);
}

void TGlideTab::SetTabControl(TGlideTabControl *Value)
{
    if (FTabControl == Value)
        return;
    delete FTabControl;
    FTabControl = Value;
}

void TGlideTab::SetCollection(TGlideTabsList *Value)
{
    if (Value == FCollection)
        return;
    TGlideTabsList *Old = FCollection;
    std::unique_ptr<TGlideTab> Self;
    if (Old)
        Self = Old->Take(Index());
    else
        Self.reset(this);
    const bool Designing = Old && Old->Owner() && (Old->Owner()->GetComponentState() & csDesigning);
    FCollection = Value;
    if (Value) {
        Value->Insert(std::move(Self), Value->Count());
        if (IGlideTabs *S = Value->Owner())
            S->DoOnChange(this, tcAdded);
    } else {
        Self.release(); // a tab outside any list belongs to whoever moved it out
    }
    if (Designing)
        DoChanged(tcPropertyUpdated);
}

// ---- list ----

TGlideTabsList::TGlideTabsList(IGlideTabs *AOwner) : FOwner(AOwner) {}

TGlideTabsList::~TGlideTabsList()
{
    // Tabs leave the list before they are freed, so nothing reaches a half-gone list.
    while (!FItems.empty()) {
        std::unique_ptr<TGlideTab> T = std::move(FItems.back());
        FItems.pop_back();
        T->FCollection = nullptr;
    }
}

IGlideTabs *TGlideTabsList::GetTabsInterface() const
{
    if (!FOwner)
        throw EGlideTabsError("Collection owner must support IGlideTabInterface");
    return FOwner;
}

void TGlideTabsList::Check_Index(int Index) const
{
    if (Index < 0 || Index >= Count())
        Index_Error(Index);
}

std::unique_ptr<TGlideTab> TGlideTabsList::Take(int Index)
{
    Check_Index(Index);
    std::unique_ptr<TGlideTab> T = std::move(FItems[static_cast<size_t>(Index)]);
    FItems.erase(FItems.begin() + Index);
    return T;
}

void TGlideTabsList::Insert(std::unique_ptr<TGlideTab> Tab, int Index)
{
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, std::move(Tab));
}

TGlideTab *TGlideTabsList::Add()
{
    IGlideTabs *S = GetTabsInterface();
    // The tab's values are set before it joins, so the strip sees them with the add.
    FItems.push_back(std::unique_ptr<TGlideTab>(new TGlideTab(this)));
    TGlideTab *T = FItems.back().get();
    S->DoOnChange(T, tcAdded);
    return T;
}

TGlideTab *TGlideTabsList::GetItem(int Index) const
{
    Check_Index(Index);
    return FItems[static_cast<size_t>(Index)].get();
}

void TGlideTabsList::Copy_Tab(TGlideTab &T, const TGlideTab &Value)
{
    if (&T == &Value)
        return;
    T.FCaption = Value.FCaption;
    T.FTag = Value.FTag;
    T.FImageIndex = Value.FImageIndex;
    T.FImageIndexOverlay = Value.FImageIndexOverlay;
    T.FPinned = Value.FPinned;
    T.FVisible = Value.FVisible;
    T.FModified = Value.FModified;
    T.FSpinnerState = Value.FSpinnerState;
    T.FHideCloseButton = Value.FHideCloseButton;
    // Activity goes through the activation rule so the list keeps one active tab.
    T.SetActive(Value.FActive);
}

void TGlideTabsList::SetItem(int Index, const TGlideTab &Value)
{
    TGlideTab *T = GetItem(Index);
    IGlideTabs *S = GetTabsInterface();
    Copy_Tab(*T, Value);
    S->DoOnChange(T, tcAdded);
}

int TGlideTabsList::IndexOf(const TGlideTab *ATab) const
{
    for (int I = 0; I < Count(); ++I)
        if (FItems[static_cast<size_t>(I)].get() == ATab)
            return I;
    return -1;
}

void TGlideTabsList::Move(int OldIndex, int NewIndex)
{
    Check_Index(OldIndex);
    Check_Index(NewIndex);
    IGlideTabs *S = GetTabsInterface();
    GetItem(OldIndex)->SetIndex(NewIndex);
    S->DoOnChange(GetItem(NewIndex), tcMoved);
}

TGlideTab *TGlideTabsList::ActiveTab() const
{
    for (const auto &T : FItems)
        if (T->FActive)
            return T.get();
    return nullptr;
}

void TGlideTabsList::SetActiveTab(TGlideTab *Value)
{
    if (Value && IndexOf(Value) >= 0)
        Value->SetActive(true);
}

void TGlideTabsList::Assign(const TGlideTabsList &Source)
{
    if (&Source == this)
        return;
    IGlideTabs *S = GetTabsInterface();
    while (!FItems.empty()) {
        std::unique_ptr<TGlideTab> T = std::move(FItems.back());
        FItems.pop_back();
        T->FCollection = nullptr;
    }
    for (const auto &Src : Source.FItems)
        Copy_Tab(*Add(), *Src);
    S->DoOnChange(nullptr, tcPropertyUpdated);
}

void TGlideTabsList::DeleteTab(int Index, bool DeleteNow)
{
    Check_Index(Index);
    TGlideTab *T = GetItem(Index);
    // The second call for a tab that has shrunk away removes it quietly.
    if (T->FMarkedForDeletion) {
        Take(Index);
        return;
    }
    IGlideTabs *S = GetTabsInterface();
    TGlideTabsAnimationOptions &A = S->GetOptions().Animation();
    const bool Animated = A.GetMovementAnimationEaseType(A.MovementAnimations().TabDelete()) != ttNone;
    const bool Keep = Animated && !DeleteNow;

    int Next = -1;
    if (T->FActive) {
        if (Index < Count() - 1)
            Next = Keep ? Index + 1 : Index;
        else
            Next = Index - 1;
    }
    S->DoOnChange(T, tcDeleting);
    if (Keep) {
        T->FMarkedForDeletion = true;
        S->DoOnChange(T, tcDeleted);
    } else {
        const int At = IndexOf(T); // the strip may have moved it while answering
        if (At >= 0)
            Take(At);
        S->DoOnChange(nullptr, tcDeleted);
    }
    Next = std::min(Next, Count() - 1);
    if (Next >= 0)
        GetItem(Next)->SetActive(true);
}
