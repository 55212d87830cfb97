#include "controls/GlideTabs.h"
#include "controls/GlideTabsUtils.h"
#include "controls/GlideTabsWidgetUtils.h"
#include "platform/Colors.h"
#include "platform/WindowPointer.h"
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>
#include <QWheelEvent>
#include <cmath>

// Hot tracking, activation, the close, add and scroll buttons, double click,
// wheel, hints, the built-in context menu, and dragging a tab within its
// strip or to another strip with the floating drag image.

namespace {

const QString No_Caption_Text = QStringLiteral("<No Caption>");

void Default_Menu_Presenter(TCustomGlideTabs &Strip, const TGlideTabsPopupMenu &Menu, QPoint ScreenPt)
{
    QMenu Popup(&Strip);
    for (const TGlideTabsMenuItem &Item : Menu.Items) {
        if (Item.Caption == QLatin1String("-")) {
            Popup.addSeparator();
            continue;
        }
        QAction *A = Popup.addAction(Item.Caption);
        A->setData(Item.Tag);
        A->setCheckable(Item.Radio || Item.Checked);
        A->setChecked(Item.Checked);
    }
    QPointer<TCustomGlideTabs> Guard(&Strip);
    QAction *Chosen = Popup.exec(ScreenPt);
    if (Chosen && Guard)
        Guard->PopupMenuItemClick(Chosen->data().toInt());
}

TGlideTabsMenuPresenter &Presenter()
{
    static TGlideTabsMenuPresenter P;
    return P;
}

// The strip that owns a widget (the widget itself or one of its parents).
TCustomGlideTabs *Strip_Of(QWidget *W)
{
    for (; W; W = W->parentWidget())
        if (auto *S = qobject_cast<TCustomGlideTabs *>(W))
            return S;
    return nullptr;
}

// Finds the strip under a screen point, also a little outside it: probes the
// four corners of squares shrinking from Range to 0 in Step pixels, the
// largest first, and stops at the first strip. Widgets can only be asked on
// the user-interface thread, so the probe runs there.
class TWindowFromPointFixThread
{
public:
    TWindowFromPointFixThread(QPoint Pt, int Range, int Step) : FPoint(Pt), FRange(Range), FStep(std::max(1, Step)) {}
    TCustomGlideTabs *Execute()
    {
        TCustomGlideTabs *Found = nullptr;
        for (int R = FRange; R >= 0; R -= FStep) {
            if (R == 0)
                return Strip_Of(Widget_At(FPoint));
            const QPoint Probes[] = {{FPoint.x() - R, FPoint.y() - R}, {FPoint.x() + R, FPoint.y() - R},
                                     {FPoint.x() + R, FPoint.y() + R}, {FPoint.x() - R, FPoint.y() + R}};
            for (const QPoint &P : Probes) {
                Found = Strip_Of(Widget_At(P));
                if (Found)
                    return Found;
            }
        }
        return Found;
    }

private:
    QPoint FPoint;
    int FRange;
    int FStep;
};

TCustomGlideTabs *WindowFromPointFix(QPoint Pt, int Range, int Step)
{
    TWindowFromPointFixThread Probe(Pt, Range, Step);
    return Probe.Execute();
}

} // namespace

void Set_GlideTabs_Menu_Presenter(TGlideTabsMenuPresenter P) { Presenter() = std::move(P); }

// ---- enter, leave, press, move, release ----

void TCustomGlideTabs::MouseEnter()
{
    FCancelTabSmartResizeTimer->stop();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void TCustomGlideTabs::MouseLeave()
{
    FLastMouseX = -1;
    FLastMouseY = -1;
    SetControlDrawStates(false);
    FCancelTabSmartResizeTimer->start();
    Redraw();
    DoOnMouseLeave();
}

void TCustomGlideTabs::Start_Form_Move()
{
    // Where the window system does not let a program move its windows
    // (some Wayland compositors) the press simply does nothing.
    Start_Window_Move(window());
}

void TCustomGlideTabs::MouseDown(Qt::MouseButton Button, int X, int Y)
{
    if (HasState(stsMouseDown))
        return;
    FMouseDownHitTest = HitTest(QPoint(X, Y));
    FMouseButton = Button;
    FMouseDownPoint = QPoint(X, Y);
    // Only the left button moves the window: a move started by the right
    // button followed the pointer until the next left click.
    if (Button == Qt::LeftButton && FOptions->Behaviour().BackgroundDragMovesForm()
        && FMouseDownHitTest.HitTestArea == htBackground && parentWidget()) {
        Start_Form_Move();
        return;
    }
    AddState(stsMouseDown);
    SetControlDrawStates(true);
    if (FMouseDownHitTest.HitTestArea == htScrollButtonLeft) {
        ScrollTabs(mdsLeft, true);
    } else if (FMouseDownHitTest.HitTestArea == htScrollButtonRight) {
        ScrollTabs(mdsRight, true);
    } else {
        TGlideTabsUpdate Batch(*this);
        if (focusPolicy() != Qt::NoFocus)
            setFocus(Qt::MouseFocusReason);
        const THitTestArea A = FMouseDownHitTest.HitTestArea;
        const bool Selecting = Button == Qt::LeftButton
                               || (Button == Qt::RightButton && FOptions->Behaviour().TabRightClickSelect());
        if (Selecting && (A == htTab || (A == htCloseButton && Button == Qt::RightButton))
            && FMouseDownHitTest.TabIndex < FTabs->Count()) {
            TGlideTab *T = FTabs->GetItem(FMouseDownHitTest.TabIndex);
            if (!T->Active())
                T->SetActive(true);
        }
    }
}

void TCustomGlideTabs::MouseMove(int X, int Y)
{
    if (X == FLastMouseX && Y == FLastMouseY)
        return;
    FLastMouseX = X;
    FLastMouseY = Y;
    TGlideTabsUpdate Batch(*this);
    const THitTestResult H = HitTest(QPoint(X, Y));
    const TGlideTabDragType Type = FOptions->DragDrop().DragType();
    const int Start = FOptions->DragDrop().DragStartPixels();
    if (!HasState(stsDragging) && (Type == dtWithinContainer || Type == dtBetweenContainers) && HasState(stsMouseDown)
        && FMouseDownHitTest.HitTestArea == htTab && FMouseButton == Qt::LeftButton && H.HitTestArea == htTab
        && (std::abs(X - FMouseDownPoint.x()) >= Start || std::abs(Y - FMouseDownPoint.y()) >= Start)) {
        bool Allow = true;
        DoOnBeginTabDrag(FTabs->GetItem(FMouseDownHitTest.TabIndex), Allow);
        if (Allow)
            BeginDrag(FMouseDownPoint);
    }
    if (!FDragTabObject)
        SetControlDrawStates(false);
    if (FDragTabObject && FDragTabObject->SourceControl() == this) {
        FDragTabObject->SetDragOverType(dotNone);
        bool Accept = false;
        if (Type == dtWithinContainer) {
            FDragTabObject->SetDragOverType(dotHomeContainer);
            DragOver(this, X, Y, dsDragMove, FDragTabObject.get(), Accept);
        } else if (Type == dtBetweenContainers) {
            Drag_Move_Between(X, Y, Accept);
        }
        RemoveState(stsDragStarted);
        return;
    }
    if (FOptions->Display().TabMouseGlow().Visible() && (H.HitTestArea == htTab || H.HitTestArea == htCloseButton))
        Redraw();
}

void TCustomGlideTabs::Drag_Move_Between(int X, int Y, bool &Accept)
{
    TDragTabObject *Drag = FDragTabObject.get();
    const QPoint Cursor = Pointer_Pos();
    TCustomGlideTabs *Found = WindowFromPointFix(Cursor, FOptions->DragDrop().DragOutsideDistancePixels(), 5);
    if (Found)
        DoOnDebugLog(QStringLiteral("GlideTabs (%s) found at X: %d, Y: %d"),
                     {Found->objectName(), Cursor.x(), Cursor.y()});
    else
        DoOnDebugLog(QStringLiteral("No GlideTabs found at X: %d, Y: %d"), {Cursor.x(), Cursor.y()});
    Accept = false;
    if (Found) {
        Accept = true;
        const QPoint P = Found->mapFromGlobal(Cursor);
        // A strip is entered once: not again while the drag is already over it.
        if (Drag->DockControl() != Found)
            Found->DragOver(this, P.x(), P.y(), dsDragEnter, Drag, Accept);
        if (Accept) {
            IGlideTabDockControl *Old = Drag->DockControl();
            if (Old && Old != Found) {
                bool Ignored = false;
                Old->DragOver(this, P.x(), P.y(), dsDragLeave, Drag, Ignored);
            }
            Drag->SetDockControl(Found);
            Drag->SetDragOverType(Found == this ? dotHomeContainer : dotRemoteContainer);
            bool Ignored = false;
            Found->DragOver(this, P.x(), P.y(), dsDragMove, Drag, Ignored);
            if (Found == this)
                Redraw();
        }
    } else if (IGlideTabDockControl *Dock = Drag->DockControl()) {
        QWidget *W = qobject_cast<QWidget *>(Dock->GetControl());
        const QPoint P = W ? W->mapFromGlobal(Cursor) : Cursor;
        bool Ignored = false;
        Dock->DragOver(this, P.x(), P.y(), dsDragLeave, Drag, Ignored);
        Drag->SetDockControl(nullptr);
        Drag->SetDragOverType(dotNone);
    }
    MoveDragForm(X, Y, !Accept);
}

void TCustomGlideTabs::MouseUp(Qt::MouseButton, int X, int Y)
{
    TGlideTabsUpdate Batch(*this);
    FScrollTimer->stop();
    RemoveState(stsMouseDown);
    const THitTestResult H = HitTest(QPoint(X, Y));
    if (HasState(stsDragging))
        EndDrag(X, Y, FDragCancelled);
    if (H.HitTestArea == htAddButton && FMouseDownHitTest.HitTestArea == htAddButton) {
        DoOnButtonAddClick();
        AddState(stsControlPositionsInvalidated);
    } else if (FMouseButton == Qt::LeftButton && H.HitTestArea == htCloseButton
               && FMouseDownHitTest.HitTestArea == htCloseButton && H.TabIndex == FMouseDownHitTest.TabIndex
               && H.TabIndex >= 0 && H.TabIndex < FTabs->Count()) {
        TGlideTab *T = FTabs->GetItem(H.TabIndex);
        bool Close = true;
        DoOnButtonCloseTabClick(T, Close);
        const int Index = FTabs->IndexOf(T);
        if (Close && Index >= 0) {
            if (!T->Pinned()) {
                Clear_Smart_Resize_States();
                AddState(stsDeletingUnPinnedTabs);
                FClosedTabRect = T->TabControl() ? T->TabControl()->EndRect() : TGlideRect();
                FClosedTabIndex = Index;
            }
            FTabs->DeleteTab(Index, FComponentState & csDesigning);
            AddState(stsControlPositionsInvalidated);
        }
    }
    SetControlDrawStates(true);
    Redraw();
}

void TCustomGlideTabs::DblClick(int X, int Y)
{
    if (FOptions->Behaviour().IgnoreDoubleClicksWhileAnimatingMovement() && HasState(stsAnimatingMovement))
        return;
    const THitTestResult H = HitTest(QPoint(X, Y));
    if (H.HitTestArea == htTab && H.TabIndex >= 0 && H.TabIndex < FTabs->Count())
        DoOnTabDblClick(FTabs->GetItem(H.TabIndex));
    if (FOptions->Behaviour().BackgroundDblClickMaximiseRestoreForm() && H.HitTestArea == htBackground
        && parentWidget())
        Toggle_Maximised(window());
}

bool TCustomGlideTabs::MouseWheel(int Delta)
{
    const TGlideTabsScrollOptions &S = FOptions->Scrolling();
    if (!S.Enabled() || !S.MouseWheelScroll() || !isVisible() || Delta == 0)
        return false;
    SetScrollOffset(FScrollOffset + Delta);
    return true;
}

QString TCustomGlideTabs::HintText(QPoint Pt, int *Timeout, TGlideRect *Rect)
{
    const THitTestResult H = HitTest(Pt);
    QString Text = H.TabIndex >= 0 ? GetTabDescription(H.TabIndex) : QString();
    int Hint_Timeout = 5000;
    DoOnShowHint(H, Text, Hint_Timeout);
    if (Timeout)
        *Timeout = Hint_Timeout;
    if (Rect) {
        TGlideTabControl *C = GetTabControl(H.TabIndex);
        *Rect = C ? BidiScrollRect(BidiRect(C->ControlRect())) : TGlideRect{0, 0, width(), height()};
    }
    return Text;
}

// ---- context menu ----

void TCustomGlideTabs::ContextMenu()
{
    const QPoint Pt = mapToGlobal(QPoint(FLastMouseX, FLastMouseY));
    if (FOptions->Behaviour().UseBuiltInPopupMenu() && !FDragTabObject)
        ShowTabPopupMenu(this, Pt);
}

void TCustomGlideTabs::ShowTabPopupMenu(QObject *, QPoint Pt)
{
    FTabPopupMenu = std::make_unique<TGlideTabsPopupMenu>();
    auto Add = [this](const QString &Caption, int Tag) {
        TGlideTabsMenuItem Item;
        Item.Caption = Caption;
        Item.Tag = Tag;
        Item.Radio = Tag != -1 && Tag < 95;
        Item.Checked = Tag != -1 && Tag == ActiveTabIndex() + 10 && ActiveTabIndex() >= 0;
        FTabPopupMenu->Items.push_back(Item);
    };
    // Every tab is listed, hidden ones too: the menu is how a window reaches
    // a page its strip does not show (the network editor's Ruzor AVI page).
    Add(QStringLiteral("New tab"), 3);
    Add(QStringLiteral("-"), -1);
    const int I = FMouseDownHitTest.TabIndex;
    if (I >= 0 && I < FTabs->Count()) {
        const TGlideTab *T = FTabs->GetItem(I);
        Add(QStringLiteral("Delete Tab"), 2);
        Add(QStringLiteral("-"), -1);
        Add(T->Pinned() ? QStringLiteral("Unpin this tab") : QStringLiteral("Pin this tab"), T->Pinned() ? 1 : 0);
        Add(QStringLiteral("-"), -1);
    }
    for (int K = 0; K < FTabs->Count(); ++K)
        Add(GetTabDescription(K), 10 + K);
    if (Presenter())
        Presenter()(*this, *FTabPopupMenu, Pt);
    else
        Default_Menu_Presenter(*this, *FTabPopupMenu, Pt);
}

void TCustomGlideTabs::PopupMenuItemClick(int Tag)
{
    const int I = FMouseDownHitTest.TabIndex;
    if (I >= 0 && I < FTabs->Count()) {
        if (Tag == 0)
            FTabs->GetItem(I)->SetPinned(true);
        else if (Tag == 1)
            FTabs->GetItem(I)->SetPinned(false);
        else if (Tag == 2)
            FTabs->DeleteTab(I, FComponentState & csDesigning);
    }
    if (Tag == 3)
        DoOnButtonAddClick();
    else if (Tag >= 10)
        SetActiveTabIndex(Tag - 10);
    Redraw();
}

void TCustomGlideTabs::EscapePressed()
{
    if (!FDragTabObject)
        return;
    FDragCancelled = true;
    MouseUp(Qt::LeftButton, 0, 0);
}

// ---- dragging ----

void TCustomGlideTabs::BeginDrag(QPoint Pt)
{
    Clear_Smart_Resize_States();
    const THitTestResult H = HitTest(Pt);
    if (H.TabIndex < 0 || H.TabIndex >= FTabs->Count())
        return;
    TGlideTab *Tab = FTabs->GetItem(H.TabIndex);
    const TGlideTabDragType Type = FOptions->DragDrop().DragType();
    bool Allow = Type == dtWithinContainer || Type == dtBetweenContainers;
    DoOnTabDragStart(Tab, Allow);
    if (!Allow || !Tab->TabControl())
        return;
    SetMovementAnimation(&FOptions->Animation().MovementAnimations().TabMove());
    FDragTabObject = std::make_unique<TDragTabObject>();
    AddState(stsDragging);
    AddState(stsDragStarted);
    const TGlideRect R = Tab->TabControl()->ControlRect();
    const int Left = Right_To_Left() ? BidiRect(R).Left : R.Left;
    FDragTabObject->SetDragTab(Tab);
    FDragTabObject->SetDragCursorOffset(QPoint(Pt.x() + BidiScrollOffset() - Left, Pt.y() - R.Top));
    FDragTabObject->SetHideAddButton(false);
    FDragTabObject->SetDragPoint(Pt);
    FDragTabObject->SetOriginalControlRect(R);
    FDragTabObject->SetDropTabIndex(H.TabIndex);
    FDragTabObject->SetOriginalCursor(0);
    FDragTabObject->SetSourceControl(this);
    FDragTabObject->SetDockControl(this);
    FDragTabObject->SetDragOverType(dotHomeContainer);
    // The drag cursor (crDefault on every strip of this program) and Escape, which must reach the strip.
    setCursor(Qt::ArrowCursor);
    grabKeyboard();
    bool Accept = true;
    DragOver(this, Pt.x(), Pt.y(), dsDragEnter, FDragTabObject.get(), Accept);
}

bool TCustomGlideTabs::IsInDropArea(int X, int Y)
{
    if (HasState(stsDragging) && FOptions->DragDrop().DragType() != dtNone) {
        const TGlideRect R = BidiRect(FTabContainerRect);
        return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom;
    }
    return true;
}

void TCustomGlideTabs::DragOver(QObject *, int X, int Y, TDragState State, IDragTabObject *Drag, bool &Accept)
{
    Accept = IsInDropArea(X, Y);
    DoOnTabDragOver(X, Y, State, Drag, Accept);
    AddState(stsControlPositionsInvalidated);
    if (!Accept && State != dsDragLeave)
        return;
    FActiveDragTabObject = Drag;
    const TGlideTabsScrollOptions &S = FOptions->Scrolling();
    if (State != dsDragLeave && S.Enabled() && S.DragScroll()) {
        const TGlideRect R = BidiRect(FTabContainerRect);
        DoOnDebugLog(QStringLiteral("Drag - X: %d, Bidi Left: %d, Offset: %d"), {X, R.Left, S.DragScrollOffset()});
        if (X >= R.Right - S.DragScrollOffset())
            ScrollTabs(mdsRight, true);
        else if (X <= R.Left + S.DragScrollOffset())
            ScrollTabs(mdsLeft, true);
        else
            FScrollTimer->stop();
    }
    TGlideTab *Active = ActiveTab();
    switch (State) {
    case dsDragEnter:
        if (Drag->SourceControl() == this) {
            FDragTabControl = Active ? Active->TabControl() : nullptr;
        } else if (!FDragTabControl && Drag->DragTab()) {
            FForeignDragControl = std::make_unique<TGlideTabControl>(this, Drag->DragTab());
            FDragTabControl = FForeignDragControl.get();
            SetControlDrawState(FDragTabControl, dsActive, false);
            if (Active && Active->TabControl())
                SetControlDrawState(Active->TabControl(), dsNotActive, true);
        }
        if (FDragTabControl)
            FDragTabControl->SetScrollableControl(false);
        break;
    case dsDragLeave:
        if (FDragTabControl)
            FDragTabControl->SetScrollableControl(true);
        FScrollTimer->stop();
        if (FDragTabControl != FForeignDragControl.get() || !FForeignDragControl) {
            // The home strip's own tab control: only let go of it.
        } else {
            if (Active && Active->TabControl())
                SetControlDrawState(Active->TabControl(), dsActive, true);
            FForeignDragControl.reset();
        }
        FDragTabControl = nullptr;
        if (Drag->SourceControl() == Drag->DockControl())
            Drag->SetHideAddButton(true);
        FActiveDragTabObject = nullptr;
        AddState(stsControlPositionsInvalidated);
        Redraw();
        break;
    case dsDragMove:
        Redraw();
        break;
    }
}

void TCustomGlideTabs::DragDrop(QObject *, int X, int Y, IDragTabObject *Drag, bool Cancelled,
                                TTabDropOptions &TabDropOptions)
{
    AddState(stsControlPositionsInvalidated);
    if (FDragTabControl)
        SetControlLeft(FDragTabControl, FDragTabControl->ControlRect().Left + FScrollOffset, false);
    DoOnTabDragDrop(X, Y, Drag, Cancelled, TabDropOptions);
}

TGlideTab *TCustomGlideTabs::InsertDroppedTab()
{
    IDragTabObject *Drag = FActiveDragTabObject;
    if (!Drag || !Drag->DragTab())
        return nullptr;
    TGlideTabsUpdate Batch(*this);
    const TGlideTab *Source = Drag->DragTab();
    AddState(stsAddingDroppedTab);
    TGlideTab *T = nullptr;
    {
        struct TEnd
        {
            TCustomGlideTabs *S;
            ~TEnd() { S->RemoveState(stsAddingDroppedTab); }
        } End{this};
        T = FTabs->Add();
    }
    T->SetData(Source->Data());
    T->SetCaption(Source->Caption());
    T->SetImageIndex(Source->ImageIndex());
    T->SetImageIndexOverlay(Source->ImageIndexOverlay());
    T->SetPinned(Source->Pinned());
    T->SetSpinnerState(Source->SpinnerState());
    T->SetTag(Source->Tag());
    T->SetVisible(Source->Visible());
    T->SetModified(Source->Modified());
    const int Drop = std::clamp(Drag->DropTabIndex(), 0, FTabs->Count() - 1);
    if (T->Index() != Drop)
        FTabs->Move(T->Index(), Drop);
    if (FDragTabControl && T->TabControl())
        SetControlPosition(T->TabControl(), FDragTabControl->ControlRect(), false);
    T->SetActive(true);
    return T;
}

void TCustomGlideTabs::DragCompleted(int MouseX, int MouseY, bool Cancelled)
{
    DoOnTabDragEnd(MouseX, MouseY, Cancelled);
    AddState(stsControlPositionsInvalidated);
    Redraw();
}

void TCustomGlideTabs::EndDrag(int MouseX, int MouseY, bool Cancelled)
{
    if (!FDragTabObject)
        return;
    TDragTabObject *Drag = FDragTabObject.get();
    TGlideTab *NewTab = nullptr;
    unsetCursor();
    releaseKeyboard();
    IGlideTabDockControl *Dock = Drag->DockControl();
    TTabDropOptions Options = 0;
    struct TFinish
    {
        TCustomGlideTabs *S;
        IGlideTabDockControl *Dock;
        TTabDropOptions &Options;
        TGlideTab *&NewTab;
        int X, Y;
        bool Cancelled;
        ~TFinish()
        {
            if (Dock)
                Dock->DragCompleted(X, Y, Cancelled);
            S->DragCompleted(X, Y, Cancelled);
            TGlideTab *Dragged = S->FDragTabObject->DragTab();
            S->FDragTabObject.reset();
            S->FActiveDragTabObject = nullptr;
            S->FDragTabControl = nullptr;
            S->FForeignDragControl.reset();
            S->FDragCancelled = false;
            // The tab leaves this strip only when the drop really took it:
            // never on a cancel, and never when the other strip made no copy.
            const bool Copy_Missing = Dock && Dock != S && (Options & tdCreateDroppedTab) && !NewTab;
            if ((Options & tdDeleteDraggedTab) && !Cancelled && !Copy_Missing) {
                const int Index = S->FTabs->IndexOf(Dragged);
                if (Index >= 0)
                    S->FTabs->DeleteTab(Index, S->FComponentState & csDesigning);
            }
            S->RemoveState(stsDragging);
        }
    } Finish{this, Dock, Options, NewTab, MouseX, MouseY, Cancelled};

    if (Dock) {
        Options = Dock == this ? TTabDropOptions(tdMoveTab) : TTabDropOptions(tdDeleteDraggedTab | tdCreateDroppedTab);
        struct TLeave
        {
            TCustomGlideTabs *S;
            IGlideTabDockControl *Dock;
            TDragTabObject *Drag;
            TGlideTab *&NewTab;
            int X, Y;
            ~TLeave()
            {
                bool Ignored = false;
                Dock->DragOver(S, X, Y, dsDragLeave, Drag, Ignored);
                if (NewTab)
                    S->DoOnTabDragDropped(Drag, NewTab);
            }
        } Leave{this, Dock, Drag, NewTab, MouseX, MouseY};
        Dock->DragDrop(this, MouseX, MouseY, Drag, Cancelled, Options);
        const int Index = FTabs->IndexOf(Drag->DragTab());
        if (!Cancelled && Dock != this) {
            if (Options & tdCreateDroppedTab)
                NewTab = Dock->InsertDroppedTab();
        } else if (Cancelled || Drag->DropTabIndex() == -1 || Index == Drag->DropTabIndex() || Index < 0) {
            AddState(stsCancellingDrag);
            Redraw();
        } else {
            AddState(stsCompletingDrag);
            if (Options & tdMoveTab)
                FTabs->Move(Index, std::clamp(Drag->DropTabIndex(), 0, FTabs->Count() - 1));
        }
    } else {
        Options = tdDeleteDraggedTab;
        DragDrop(this, MouseX, MouseY, Drag, Cancelled, Options);
    }
}

void TCustomGlideTabs::MoveDragForm(int X, int Y, bool Visible)
{
    IDragTabObject *Drag = FDragTabObject.get();
    if (!Drag)
        return;
    const QPoint Screen = mapToGlobal(QPoint(X, Y));
    QWidget *Form = qobject_cast<QWidget *>(Drag->DragForm());
    if (!Form && Visible) {
        Form = CreateDragForm(Drag->DragTab());
        Drag->SetDragForm(Form);
    }
    if (!Form)
        return;
    Form->move(Screen - Drag->DragFormOffset());
    Form->setVisible(Visible);
}

QWidget *TCustomGlideTabs::CreateDragForm(TGlideTab *ATab)
{
    const TGlideTabsDragOptions &O = FOptions->DragDrop();
    TGlideTabDragDisplay Display = O.DragDisplay();
    if (!ATab || !ATab->TabControl() || Display == ddCursor || Display > ddTabAndControl || !FDragTabObject)
        return nullptr;
    QWidget *Form = nullptr;
    DoOnCreateDragForm(ATab, Form);
    if (Form)
        return Form;
    QWidget *Control = nullptr;
    if (Display != ddTab) {
        DoOnNeedDragImageControl(ATab, Control);
        if (!Control)
            Display = ddTab;
    }
    const double F = O.DragControlImageResizeFactor();
    const int X = FDragTabObject->DragCursorOffset().x() + (Right_To_Left() ? width() : 0);
    const int Y = FDragTabObject->DragCursorOffset().y();
    QPoint Offset = Display == ddTab ? QPoint(X, Y) : QPoint(int(std::lround(X * F)), int(std::lround(Y * F)));

    TGlideTabControl *C = ATab->TabControl();
    const TGlideRect Tab_Rect = C->ControlRect();
    const int Tab_W = Tab_Rect.Width(), Tab_H = Tab_Rect.Height();
    const bool Bottom = FOptions->Display().Tabs().Orientation() == toBottom;
    QSize Size(Tab_W, Tab_H);
    int Control_Top = 0, Band_Top = 0;
    if (Display == ddControl) {
        Size = Control->size();
    } else if (Display == ddTabAndControl) {
        Size = QSize(Control->width(), Tab_H + Control->height());
        Control_Top = Bottom ? 0 : Tab_H;
        Band_Top = Bottom ? Control->height() : 0;
        if (Bottom)
            Offset.ry() += int(std::lround(F * Control->height()));
    }
    FDragTabObject->SetDragFormOffset(Offset);
    QImage Bmp(Size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    Bmp.fill(Qt::white);
    if (Control)
        CaptureControlImage(Control, Bmp, 0, Control_Top);
    const QColor Key(255, 254, 255);
    if (Display == ddTab || Display == ddTabAndControl) {
        {
            QPainter P(&Bmp);
            const int Band_H = Bottom ? Tab_H : Tab_H - 1;
            P.fillRect(QRect(0, Band_Top, Size.width(), Band_H), Key);
            TAACanvas Canvas(P);
            Canvas.Set_Smoothing_Mode(FOptions->Display().Tabs().CanvasSmoothingMode());
            const bool Was_Scrollable = C->ScrollableControl();
            C->SetScrollableControl(false);
            int W = Tab_W;
            if (Control && Control->width() < Tab_W + 10)
                W = Control->width() - 10;
            C->SetPosition({0, Band_Top, W, Band_Top + Tab_H}, 0, ttNone);
            C->DrawTo(Canvas, FLastMouseX, FLastMouseY, {});
            C->SetScrollableControl(Was_Scrollable);
            C->SetPosition(Tab_Rect, 0, ttNone);
        }
    }
    if (Control) {
        QPainter P(&Bmp);
        const int Bw = O.DragFormBorderWidth();
        const int H = Bw / 2;
        const int Top = Control_Top, Bot = Control_Top + Control->height();
        P.setPen(QPen(To_QColor(TColor(O.DragFormBorderColor())), Bw));
        const int Start = Display == ddTabAndControl ? Tab_W : 0;
        P.drawLine(Start, Top + H, Size.width() - H, Top + H);
        P.drawLine(Size.width() - H, Top + H, Size.width() - H, Bot - H);
        P.drawLine(Size.width() - H, Bot - H, 0, Bot - H);
        P.drawLine(H, Bot - H, H, Top + H);
    }
    QImage Scaled;
    ScaleBitmapBy(Bmp, Scaled, Display == ddTab ? 1.0 : F);
    ConvertToArgbBitmap(Scaled);
    SetKeyColorAlpha(Scaled, 0xFFFEFF, 0);
    Form = CreateLayeredImageForm(this, Scaled, Display == ddTab ? 255 : O.DragOutsideImageAlpha());
    DoOnAfterDragImageCreated();
    return Form;
}

// ---- Qt events ----

void TCustomGlideTabs::enterEvent(QEnterEvent *Event)
{
    QWidget::enterEvent(Event);
    MouseEnter();
}

void TCustomGlideTabs::leaveEvent(QEvent *Event)
{
    QWidget::leaveEvent(Event);
    MouseLeave();
}

void TCustomGlideTabs::mousePressEvent(QMouseEvent *Event)
{
    MouseDown(Event->button(), Event->position().toPoint().x(), Event->position().toPoint().y());
}

void TCustomGlideTabs::mouseMoveEvent(QMouseEvent *Event)
{
    MouseMove(Event->position().toPoint().x(), Event->position().toPoint().y());
}

void TCustomGlideTabs::mouseReleaseEvent(QMouseEvent *Event)
{
    MouseUp(Event->button(), Event->position().toPoint().x(), Event->position().toPoint().y());
}

void TCustomGlideTabs::mouseDoubleClickEvent(QMouseEvent *Event)
{
    // The second press of a double click is a press too.
    MouseDown(Event->button(), Event->position().toPoint().x(), Event->position().toPoint().y());
    if (Event->button() == Qt::LeftButton)
        DblClick(Event->position().toPoint().x(), Event->position().toPoint().y());
}

void TCustomGlideTabs::wheelEvent(QWheelEvent *Event)
{
    const QPoint D = Event->angleDelta();
    if (MouseWheel(D.y() != 0 ? D.y() : D.x()))
        Event->accept();
    else
        QWidget::wheelEvent(Event);
}

void TCustomGlideTabs::contextMenuEvent(QContextMenuEvent *Event)
{
    if (Event->reason() == QContextMenuEvent::Mouse) {
        FLastMouseX = Event->pos().x();
        FLastMouseY = Event->pos().y();
    }
    ContextMenu();
}

void TCustomGlideTabs::keyPressEvent(QKeyEvent *Event)
{
    if (Event->key() == Qt::Key_Escape && FDragTabObject) {
        EscapePressed();
        return;
    }
    QWidget::keyPressEvent(Event);
}

bool TCustomGlideTabs::event(QEvent *Event)
{
    if (Event->type() == QEvent::ToolTip && !FDragTabObject) {
        auto *Help = static_cast<QHelpEvent *>(Event);
        int Timeout = 5000;
        TGlideRect R;
        const QString Text = HintText(Help->pos(), &Timeout, &R);
        if (!Text.isEmpty()) {
            QToolTip::showText(Help->globalPos(), Text, this, QRect(R.Left, R.Top, R.Width(), R.Height()), Timeout);
            return true;
        }
        QToolTip::hideText();
        Event->ignore();
        return true;
    }
    return QWidget::event(Event);
}
