#include "controls/GlideTabs.h"
#include "platform/WindowPointer.h"
#include <algorithm>

// Where the strip puts its parts: buttons and tab container first, then the
// tab widths, every tab's target rectangle in a pinned and an unpinned pass,
// the smart resize after a close, the floating add button and the drag gap.
// Only target rectangles are set here; the parts move toward them.

void TCustomGlideTabs::CalculateButtonRects()
{
    const TGlideTabsDisplayOptions &D = FOptions->Display();
    int X0 = D.TabContainer().PaddingLeft();
    int Xr = width() - D.TabContainer().PaddingRight();
    for (TBaseGlideTabsControl *B : std::initializer_list<TBaseGlideTabsControl *>{
             FAddButtonControl.get(), FScrollButtonLeftControl.get(), FScrollButtonRightControl.get()})
        SetControlPosition(B, {0, 0, 0, 0}, false);

    const bool Scroll_Visible = ScrollButtonsVisible();
    const TGlideTabScrollButtons Where = FOptions->Scrolling().ScrollButtons();
    auto Place_Left = [&](TBaseGlideTabsControl *B, const TGlideTabsControlPosition &P) {
        const int L = X0 + P.Offsets().Horizontal();
        SetControlPosition(B, {L, P.Offsets().Vertical(), L + P.Width(), P.Offsets().Vertical() + P.Height()}, false);
        X0 += P.Width() + P.Offsets().Horizontal() + 1;
    };
    auto Place_Right = [&](TBaseGlideTabsControl *B, const TGlideTabsControlPosition &P) {
        SetControlPosition(B,
                           {Xr - P.Width() - P.Offsets().Horizontal(), P.Offsets().Vertical(),
                            Xr - P.Offsets().Horizontal(), P.Offsets().Vertical() + P.Height()},
                           false);
        Xr -= P.Width() + P.Offsets().Horizontal() + 1;
    };
    if (Scroll_Visible && (Where == csbLeft || Where == csbLeftAndRight))
        Place_Left(FScrollButtonLeftControl.get(), D.ScrollButtonLeft());
    if (Scroll_Visible && Where == csbLeft)
        Place_Left(FScrollButtonRightControl.get(), D.ScrollButtonRight());
    const TGlideTabsAddButtonProperties &Add = D.AddButton();
    if (Add.Visibility() == avLeft)
        Place_Left(FAddButtonControl.get(), Add);
    if (Scroll_Visible && (Where == csbRight || Where == csbLeftAndRight))
        Place_Right(FScrollButtonRightControl.get(), D.ScrollButtonRight());
    if (Scroll_Visible && Where == csbRight)
        Place_Right(FScrollButtonLeftControl.get(), D.ScrollButtonLeft());
    if (Add.Visibility() == avRightFixed || Add.Visibility() == avRightFloating) {
        FMaxAddButtonRight = Xr - Add.Width() - Add.Offsets().Horizontal();
        if (Add.Visibility() == avRightFixed)
            SetControlPosition(FAddButtonControl.get(),
                               {FMaxAddButtonRight, Add.Offsets().Vertical(), Xr - Add.Offsets().Horizontal(),
                                Add.Offsets().Vertical() + Add.Height()},
                               false);
        Xr -= Add.Width() + Add.Offsets().Horizontal() + 1;
    }

    const TGlideTabsOptions &T = D.Tabs();
    if (FOptions->Behaviour().TabSmartDeleteResizing() && HasState(stsDeletingUnPinnedTabs)
        && HasState(stsEndTabDeleted)) {
        // The container ends where the closed end tab ended, so the others do not grow under the mouse.
        const int Old = FScrollOffset;
        const int New = std::max(0, Old + T.TabOverlap() - FClosedTabRect.Width());
        FScrollOffset = New;
        FTabContainerRect = {X0 + T.OffsetLeft(), T.OffsetTop(), FClosedTabRect.Right + New - Old,
                             height() - T.OffsetBottom()};
        if (New < Old)
            RemoveState(stsEndTabDeleted);
    } else {
        FTabContainerRect = {X0 + T.OffsetLeft(), T.OffsetTop(), Xr - T.OffsetRight(), height() - T.OffsetBottom()};
    }
}

void TCustomGlideTabs::Calculate_Tab_Width()
{
    const TGlideTabsOptions &T = FOptions->Display().Tabs();
    int P = Visible_Pinned_Count(false);
    int U = Visible_Unpinned_Count(false);
    const int P_Plain = P;
    IDragTabObject *Drag = FActiveDragTabObject;
    if (FDragTabControl && Drag && Drag->SourceControl() != this && Drag->DragTab()) {
        if (Drag->DragTab()->Pinned())
            ++P;
        else
            ++U;
    }
    const int W = FTabContainerRect.Width();
    int A = T.ShowPinnedTabText() ? W - T.TabOverlap() : W - P * T.PinnedWidth() - T.TabOverlap();
    if (FDragTabControl)
        A += T.TabOverlap();
    FAdjustedTabWidth = 0;
    FTabEndSpace = 0;
    if (T.ShowPinnedTabText()) {
        if (P_Plain + U > 0) {
            FAdjustedTabWidth = A / (P_Plain + U);
            FTabEndSpace = A % (P_Plain + U);
        }
    } else if (U > 0) {
        FAdjustedTabWidth = A / U;
        FTabEndSpace = A % U;
    }
    if (FAdjustedTabWidth < T.MinWidth()) {
        FAdjustedTabWidth = T.MinWidth();
        FTabEndSpace = 0;
    }
    if (FAdjustedTabWidth > T.MaxWidth()) {
        FAdjustedTabWidth = T.MaxWidth();
        FTabEndSpace = 0;
    }
}

int TCustomGlideTabs::Content_Width(TGlideTabControl *Control)
{
    const TGlideTabsOptions &T = FOptions->Display().Tabs();
    int W = Control->GetTabWidthByContent();
    if (W > T.MaxWidth())
        W = T.MaxWidth();
    if (W < T.MinWidth())
        W = T.MinWidth();
    DoOnSetTabWidth(Control, W);
    return W;
}

void TCustomGlideTabs::Place_Drag_Control(int Pass_Width)
{
    const TGlideTabsDisplayOptions &D = FOptions->Display();
    const TGlideTabsOptions &T = D.Tabs();
    IDragTabObject *Drag = FActiveDragTabObject;
    int W = T.TabWidthFromContent() ? Content_Width(FDragTabControl) + T.TabOverlap() : T.TabOverlap() + Pass_Width;
    W = std::max(W, T.MinWidth());
    int G = std::min(Drag->DragCursorOffset().x(), W - T.TabOverlap());
    IGlideTabDockControl *Source = Drag->SourceControl();
    if (Source && (Source->GetBiDiMode() == bdRightToLeft || Source->GetBiDiMode() == bdRightToLeftNoAlign)
                      != Right_To_Left())
        G = -G;
    const int M = mapFromGlobal(Pointer_Pos()).x();
    int Left = Right_To_Left() ? width() - (M - G) : M - G;
    if (FOptions->DragDrop().ContrainDraggedTabWithinContainer()) {
        int Limit = FTabContainerRect.Right;
        if (D.AddButton().Visibility() == avRightFloating)
            Limit += D.AddButton().Width() + D.AddButton().Offsets().Horizontal();
        const int DW = FDragTabControl->ControlRect().Width();
        if (Left + DW > Limit)
            Left = Limit - DW;
        else
            Left = std::max(Left, T.OffsetLeft() + D.TabContainer().PaddingLeft());
    }
    SetControlPosition(FDragTabControl, {Left, T.OffsetTop(), Left + W, height() - T.OffsetBottom()}, false);
}

void TCustomGlideTabs::Layout_Pass(bool Pinned_Pass, int First, int Last, int &X, int Width, int &Remainder)
{
    const TGlideTabsOptions &T = FOptions->Display().Tabs();
    const TGlideTabsAddButtonProperties &Add = FOptions->Display().AddButton();
    IDragTabObject *Drag = FActiveDragTabObject;
    const bool Gap_Here = Drag && FDragTabControl && Drag->DragTab() && Drag->DragTab()->Pinned() == Pinned_Pass;
    const bool Source_Here = FDragTabObject != nullptr;
    const bool Source_Docked_Here = Source_Here && FDragTabObject->DockControl() == this;
    const int Active = ActiveTabIndex();
    bool Gap_Open = false;
    int D_Width = 0;
    if (Gap_Here) {
        Place_Drag_Control(Width);
        D_Width = FDragTabControl->ControlRect().Width();
    }
    for (int I = First; I <= Last; ++I) {
        TGlideTab *Tab = FTabs->GetItem(I);
        TGlideTabControl *C = Tab->TabControl();
        if (!Tab->Visible() || !C)
            continue;
        if (Source_Here) {
            if (I == Active && !Source_Docked_Here)
                continue;
            if (Tab == FDragTabObject->DragTab() && HasState(stsDragging))
                continue;
        }
        if (Gap_Here && !Gap_Open
            && FDragTabControl->ControlRect().Left + FScrollOffset + D_Width / 2 + T.TabOverlap() / 2 < X + D_Width) {
            Gap_Open = true;
            if (Drag->DockControl() == this) {
                X += D_Width - T.TabOverlap();
                FScrollWidth += D_Width - T.TabOverlap();
            }
            if (!Pinned_Pass && Drag->DragTab()->Index() == FTabs->Count() - 1)
                Drag->SetHideAddButton(Add.Visibility() == avRightFloating);
            int Drop = I;
            if (Drag->SourceControl() == this && Drag->DragTab()->Collection() == FTabs.get()
                && Drag->DragTab()->Index() < I)
                --Drop;
            Drag->SetDropTabIndex(Drop);
        }
        if (Tab->MarkedForDeletion()) {
            X += C->ControlRect().Width();
            FScrollWidth += C->ControlRect().Width();
            continue;
        }
        int E = 0;
        if ((!Pinned_Pass || T.ShowPinnedTabText()) && !T.TabWidthFromContent() && Remainder > 0) {
            E = 1;
            --Remainder;
        }
        int W = Width;
        if (T.TabWidthFromContent() && (!Pinned_Pass || T.ShowPinnedTabText()))
            W = Content_Width(C);
        SetControlPosition(C, {X, T.OffsetTop(), X + W + T.TabOverlap(), height() - T.OffsetBottom()}, true);
        X += W + E;
        FScrollWidth += W + E;
    }
    if (Gap_Here && !Gap_Open) {
        int Drop = Last;
        if (!(Drag->SourceControl() == this && Drag->DockControl() == this))
            ++Drop;
        if (Pinned_Pass && Drag->DragTab()->Pinned()) {
            X += D_Width - T.TabOverlap();
            if (Visible_Unpinned_Count(true) == 0)
                Drag->SetHideAddButton(Add.Visibility() == avRightFloating);
        } else {
            Drag->SetHideAddButton(Add.Visibility() == avRightFloating);
        }
        if (FTabs->Count() > 0 && Last >= 0 && Last < FTabs->Count() && FTabs->GetItem(Last)->TabControl())
            FScrollWidth += FTabs->GetItem(Last)->TabControl()->ControlRect().Width();
        Drag->SetDropTabIndex(Drop);
    }
    if (Gap_Here && Drag->DropTabIndex() < 0)
        Drag->SetDropTabIndex(0);
}

void TCustomGlideTabs::Smart_Resize_Layout(int &X)
{
    const TGlideTabsOptions &T = FOptions->Display().Tabs();
    const TGlideTabsAnimationOptions &A = FOptions->Animation();
    int Slot = FClosedTabIndex;
    if (A.GetMovementAnimationEaseType(A.MovementAnimations().TabDelete()) != ttNone && HasState(stsAnimatingCloseTab))
        ++Slot;
    for (int I = std::max(0, FClosedTabIndex); I < FTabs->Count(); ++I) {
        TGlideTab *Tab = FTabs->GetItem(I);
        TGlideTabControl *C = Tab->TabControl();
        if (!Tab->Visible() || !C)
            continue;
        int W = C->ControlRect().Width();
        if (I == Slot) {
            X = FClosedTabRect.Left;
            W = FClosedTabRect.Width();
        }
        if (!Tab->MarkedForDeletion())
            SetControlPosition(C, {X, T.OffsetTop(), X + W, height() - T.OffsetBottom()}, true);
        X = X + W - T.TabOverlap();
        FScrollWidth = X;
    }
}

void TCustomGlideTabs::Place_Floating_Add_Button()
{
    const TGlideTabsDisplayOptions &D = FOptions->Display();
    const TGlideTabsAddButtonProperties &Add = D.AddButton();
    if (Add.Visibility() != avRightFloating)
        return;
    int B;
    const int Last = Last_Visible_Index(true);
    if (Last >= 0 && FTabs->GetItem(Last)->TabControl()) {
        const TGlideTabControl *C = FTabs->GetItem(Last)->TabControl();
        B = (HasState(stsEndTabDeleted) ? C->EndRect().Right : C->ControlRect().Right) + Add.HorizontalOffsetFloating();
    } else {
        B = D.TabContainer().PaddingLeft();
    }
    if (GetTabDisplayState() != tdNormal)
        B = FMaxAddButtonRight;
    else
        B = std::min(B, FMaxAddButtonRight);
    SetControlPosition(FAddButtonControl.get(),
                       {B, Add.Offsets().Vertical(), B + Add.Width(), Add.Offsets().Vertical() + Add.Height()}, false);
}

void TCustomGlideTabs::CalculateTabRects()
{
    // The drag-end and resizing states go also when the layout stops part-way.
    struct TEnd_States
    {
        TCustomGlideTabs *S;
        ~TEnd_States()
        {
            S->RemoveState(stsCancellingDrag);
            S->RemoveState(stsCompletingDrag);
            S->RemoveState(stsResizing);
        }
    } End_States{this};

    if (HasState(stsResizing))
        SetMovementAnimation(nullptr);
    FScrollWidth = 0;
    int X = FTabContainerRect.Left;
    if (HasState(stsDeletingUnPinnedTabs) && HasState(stsTabDeleted)) {
        Smart_Resize_Layout(X);
    } else {
        const TGlideTabsOptions &T = FOptions->Display().Tabs();
        const bool Home_Drag_Over = FActiveDragTabObject && FActiveDragTabObject->SourceControl() == this;
        if (!Home_Drag_Over && !T.TabWidthFromContent())
            Calculate_Tab_Width();
        const int Pinned_Count = GetLastPinnedIndex() + 1;
        int No_Remainder = 0;
        int Remainder = FTabEndSpace;
        Layout_Pass(true, 0, Pinned_Count - 1, X, T.ShowPinnedTabText() ? FAdjustedTabWidth : T.PinnedWidth(),
                    No_Remainder);
        Layout_Pass(false, Pinned_Count, FTabs->Count() - 1, X, FAdjustedTabWidth, Remainder);
    }
    Place_Floating_Add_Button();
    // Fewer or narrower tabs, or a wider strip, lower the maximum: an offset
    // beyond it would show empty space where tabs could be.
    if (FScrollOffset > MaxScrollOffset() && !HasState(stsDeletingUnPinnedTabs) && !FActiveDragTabObject) {
        FScrollOffset = MaxScrollOffset();
        DoOnScroll();
    }
    if (FScrollWidth != FPreviousScrollWidth) {
        FPreviousScrollWidth = FScrollWidth;
        DoOnScrollWidthChanged();
    }
}
