#pragma once
#include "controls/GlideTabControl.h"
#include "controls/GlideTabsClasses.h"
#include "controls/GlideTabsLookAndFeel.h"
#include "controls/GlideTabsOptions.h"
#include "controls/GlideTabsThreadTimer.h"
#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class QIODevice;
class QTimer;

// The animated tab strip as a window control. It owns the tab list, the
// option and look-and-feel trees and one drawn part per tab plus the add and
// two scroll buttons; it lays them out (GlideTabs_Layout.cpp), paints and
// animates them (GlideTabs_Paint.cpp), answers the mouse, the context menu and
// tab dragging within and between strips (GlideTabs_Mouse.cpp), reacts to the
// model's change notifications (GlideTabs.cpp) and saves and loads its options
// and look and feel (GlideTabs_Persist.cpp).
//
// Rectangles are kept in an unscrolled left-to-right frame; drawing shifts
// them by ScrollOffset and mirrors them in right-to-left layout.
//
// A window places a strip as a page selector like this:
//     auto *Strip = new TGlideTabs(Pane);            // 30 high, across the pane's top
//     Strip->BeginLoading();                         // the window's stored properties
//     Strip->Options().Display().AddButton().SetVisibility(avNone);
//     Strip->Options().DragDrop().SetDragType(dtNone);
//     Strip->Options().Display().CloseButton().SetVisibility(bvNever);
//     Strip->Options().Display().Tabs().SetMinWidth(100);
//     Strip->Options().Display().Tabs().SetMaxWidth(160);
//     Strip->OnActiveTabChanged = [](QObject *Sender, TGlideTab *Tab) { ... };
//     for (const QString &C : {"Unidirectional", "Ruzor AVI", "Remote"})
//         Strip->Tabs().Add()->SetCaption(C);    // while loading only the first activates
//     Strip->Tabs()[2]->SetVisible(false);
//     Strip->EndLoading();
//     Strip->Tabs()[1]->SetVisible(false);
// OnActiveTabChanged fires after the new tab is active (ActiveTabIndex reads
// the new index), also while loading.

struct THitTestResult
{
    int TabIndex = -1;
    THitTestArea HitTestArea = htNowhere;
    friend bool operator==(const THitTestResult &A, const THitTestResult &B) = default;
};

enum TGlideTabState {
    stsAnimatingMovement, stsAnimatingStyle, stsDragging, stsDragStarted, stsDragFinished, stsCancellingDrag,
    stsCompletingDrag, stsDeletingUnPinnedTabs, stsTabDeleted, stsEndTabDeleted, stsResizing, stsMouseDown,
    stsPendingUpdates, stsAddingDroppedTab, stsAnimatingNewTab, stsFirstPaint, stsControlPositionsInvalidated,
    stsDebug, stsAnimatingCloseTab
};
// A set of TGlideTabState: bit (1 << state).
using TGlideTabStates = std::uint32_t;
constexpr TGlideTabStates State_Bit(TGlideTabState S) { return TGlideTabStates(1) << S; }

enum TTabDisplayState { tdNormal, tdCompressed, tdScrolling };
enum TScrollDirection { mdsNone, mdsLeft, mdsRight };
enum TTabDropOption : unsigned { tdDeleteDraggedTab = 1, tdCreateDroppedTab = 2, tdMoveTab = 4 };

// The built-in context menu as plain data, so it can be shown by the
// platform's menu or read and triggered by a test.
struct TGlideTabsMenuItem
{
    QString Caption; // "-" is a separator
    int Tag = -1;
    bool Radio = false;
    bool Checked = false;
};
struct TGlideTabsPopupMenu
{
    std::vector<TGlideTabsMenuItem> Items;
};

class TCustomGlideTabs;
// Shows the built-in menu at a screen point; the default opens a QMenu and
// passes the chosen item to PopupMenuItemClick. Tests install their own.
using TGlideTabsMenuPresenter = std::function<void(TCustomGlideTabs &Strip, const TGlideTabsPopupMenu &Menu, QPoint ScreenPt)>;
void Set_GlideTabs_Menu_Presenter(TGlideTabsMenuPresenter Presenter); // empty restores the default

// Event types; Sender is always the strip.
using TOnActiveTabChanging = std::function<void(QObject *Sender, TGlideTab *AOldTab, TGlideTab *ANewTab, bool &Allow)>;
using TOnChange = std::function<void(QObject *Sender, TGlideTab *ATab, TTabChangeType TabChangeType)>;
using TOnActiveTabChanged = std::function<void(QObject *Sender, TGlideTab *ATab)>;
using TOnDebugLog = std::function<void(QObject *Sender, const QString &Text)>;
using TOnButtonAddClick = std::function<void(QObject *Sender, bool &Handled)>;
using TOnButtonCloseTabClick = std::function<void(QObject *Sender, TGlideTab *ATab, bool &Close)>;
using TOnNeedDragImageControl = std::function<void(QObject *Sender, TGlideTab *ATab, QWidget *&DragControl)>;
using TOnCreateDragForm = std::function<void(QObject *Sender, TGlideTab *ATab, QWidget *&DragForm)>;
using TOnStateChange = std::function<void(QObject *Sender, TGlideTabStates PreviousState, TGlideTabStates CurrentState)>;
using TOnBeforeDrawItem = std::function<void(QObject *Sender, TAACanvas &TargetCanvas, TGlideRect ItemRect,
                                             TGlideTabItemType ItemType, int TabIndex, bool &Handled)>;
using TOnAfterDrawItem = std::function<void(QObject *Sender, TAACanvas &TargetCanvas, TGlideRect ItemRect,
                                            TGlideTabItemType ItemType, int TabIndex)>;
using TOnGetControlPolygons =
    std::function<void(QObject *Sender, TBaseGlideTabsControl *GlideTabsControl, TGlideRect ItemRect,
                       TGlideTabItemType ItemType, TTabOrientation Orientation, IGlideTabPolygons &Polygons)>;
using TOnShowHint = std::function<void(QObject *Sender, THitTestResult HitTestResult, QString &HintText, int &HintTimeout)>;
using TOnTabDblClick = std::function<void(QObject *Sender, TGlideTab *ATab)>;
using TOnTabDragStart = std::function<void(QObject *Sender, TGlideTab *ATab, bool &Allow)>;
using TOnTabDragOver = std::function<void(QObject *Sender, int X, int Y, TDragState State,
                                          IDragTabObject *DragTabObject, bool &Accept)>;
using TOnTabDragDrop = std::function<void(QObject *Sender, int X, int Y, IDragTabObject *DragTabObject, bool Cancelled,
                                          TTabDropOptions &TabDropOptions)>;
using TOnTabDragDropped = std::function<void(QObject *Sender, IDragTabObject *DragTabObject, TGlideTab *NewTab)>;
using TOnTabDragEnd = std::function<void(QObject *Sender, int MouseX, int MouseY, bool Cancelled)>;
using TNotifyEvent = std::function<void(QObject *Sender)>;
using TOnAnimateStyle = std::function<void(QObject *Sender, TBaseGlideTabsControl *GlideTabsControl,
                                           TDrawState NewDrawState, std::uint32_t &AnimationTimeMS,
                                           TGlideTabsEaseType &EaseType)>;
using TOnAnimateMovement = std::function<void(QObject *Sender, TBaseGlideTabsControl *GlideTabsControl,
                                              std::uint32_t &AnimationTimeMS, TGlideTabsEaseType &EaseType)>;
using TOnSetTabWidth = std::function<void(QObject *Sender, TGlideTabControl *ATabControl, int &TabWidth)>;

class TCustomGlideTabs : public QWidget, public IGlideTabs, public IGlideTabDockControl
{
    Q_OBJECT
public:
    explicit TCustomGlideTabs(QWidget *Parent = nullptr);
    ~TCustomGlideTabs() override;

    // ---- events (fired only when set) ----
    TOnActiveTabChanging OnActiveTabChanging;
    TOnChange OnChange;
    TOnActiveTabChanged OnActiveTabChanged;
    TOnDebugLog OnDebugLog;
    TOnButtonAddClick OnButtonAddClick;
    TOnButtonCloseTabClick OnButtonCloseTabClick;
    TOnNeedDragImageControl OnNeedDragImageControl;
    TOnCreateDragForm OnCreateDragForm;
    TOnStateChange OnStateChange;
    TOnBeforeDrawItem OnBeforeDrawItem;
    TOnAfterDrawItem OnAfterDrawItem;
    TOnGetControlPolygons OnGetControlPolygons;
    TOnShowHint OnShowHint;
    TOnTabDblClick OnTabDblClick;
    TOnTabDragStart OnTabDragStart;
    TOnTabDragOver OnTabDragOver;
    TOnTabDragDrop OnTabDragDrop;
    TOnTabDragDropped OnTabDragDropped;
    TOnTabDragEnd OnTabDragEnd;
    TNotifyEvent OnScroll;
    TNotifyEvent OnScrollWidthChanged;
    TOnAnimateStyle OnAnimateStyle;
    TOnAnimateMovement OnAnimateMovement;
    TOnSetTabWidth OnSetTabWidth;
    TNotifyEvent OnAfterDragImageCreated;
    // Raised only when set by code: asked just before a drag starts, and the
    // strip's own enter and leave notifications.
    TOnTabDragStart OnBeginTabDrag;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

    // ---- what the windows use ----
    int ActiveTabIndex() const;
    // 0 .. Count-1 asks the list to activate that tab; anything else (-1 included) changes nothing.
    void SetActiveTabIndex(int Value);
    TGlideTab *ActiveTab() const;
    void SetActiveTab(TGlideTab *Value); // null is ignored
    TGlideTabsList &Tabs() { return *FTabs; }
    TOptions &Options() { return *FOptions; }
    TGlideTabsLookAndFeel &LookAndFeel() { return *FLookAndFeel; }
    // Writing copies the given object's contents into the strip's own.
    void SetOptions(const TOptions &Value);
    void SetLookAndFeel(const TGlideTabsLookAndFeel &Value);
    const TAAImageList *Images() const { return FImages; }
    void SetImages(const TAAImageList *Value);
    const TAAImageList *ImagesOverlay() const { return FImagesOverlay; }
    void SetImagesOverlay(const TAAImageList *Value);
    // The lists are not owned: one that is destroyed first is cleared from
    // the strip (Images and ImagesOverlay with a redraw).
    const TAAImageList *ImagesSpinnerUpload() const { return FImagesSpinnerUpload; }
    void SetImagesSpinnerUpload(const TAAImageList *Value);
    const TAAImageList *ImagesSpinnerDownload() const { return FImagesSpinnerDownload; }
    void SetImagesSpinnerDownload(const TAAImageList *Value);
    TBiDiMode BiDiMode() const { return FBiDiMode; }
    void SetBiDiMode(TBiDiMode Value);

    // A window's stored properties are being applied: the strip is not ready
    // to draw, and only the first added tab activates itself.
    void BeginLoading();
    void EndLoading();

    void BeginUpdate();
    void EndUpdate();
    int PausedUpdateCount() const { return FPausedUpdateCount; }
    TGlideTabControl *GetTabControl(int Index) const;
    QString GetTabDescription(int Index) const;
    virtual THitTestResult HitTest(QPoint Pt, bool IgnoreDisabledControls = false);
    TGlideTab *GetTabUnderMouse();
    TTabDisplayState GetTabDisplayState() const;
    virtual void ScrollIntoView(TGlideTab *Tab);
    void InvalidateAllControls();
    virtual bool HasState(TGlideTabState State) const { return (FState & State_Bit(State)) != 0; }
    TGlideTabStates State() const { return FState; }

    // ---- geometry ----
    TGlideRect TabContainerRect() const { return FTabContainerRect; }
    int ScrollWidth() const { return FScrollWidth; }
    int MaxScrollOffset() const;
    int ScrollOffset() const { return FScrollOffset; }
    void SetScrollOffset(int Value);
    int BidiScrollOffset() const;
    int AdjustedTabWidth() const { return FAdjustedTabWidth; }
    int TabEndSpace() const { return FTabEndSpace; }
    int LastMouseX() const { return FLastMouseX; }
    int LastMouseY() const { return FLastMouseY; }
    IDragTabObject *ActiveDragTabObject() const { return FActiveDragTabObject; }
    IDragTabObject *DragTabObject() const { return FDragTabObject.get(); }
    TAddButtonControl *AddButtonControl() const { return FAddButtonControl.get(); }
    TScrollButtonLeftControl *ScrollButtonLeftControl() const { return FScrollButtonLeftControl.get(); }
    TScrollButtonRightControl *ScrollButtonRightControl() const { return FScrollButtonRightControl.get(); }
    bool ScrollButtonsVisible() const;
    bool Right_To_Left() const { return FBiDiMode == bdRightToLeft || FBiDiMode == bdRightToLeftNoAlign; }
    TThreadTimer *AnimateTimer() const { return FAnimateTimer; }
    QTimer *ScrollTimer() const { return FScrollTimer; }
    QTimer *CancelTabSmartResizeTimer() const { return FCancelTabSmartResizeTimer; }
    // The last rendered picture of the strip.
    const QImage &CanvasBitmap() const { return FCanvasBmp; }

    // ---- input handlers (client coordinates); the Qt events call them ----
    void MouseEnter();
    void MouseLeave();
    void MouseDown(Qt::MouseButton Button, int X, int Y);
    void MouseMove(int X, int Y);
    void MouseUp(Qt::MouseButton Button, int X, int Y);
    void DblClick(int X, int Y);
    // True when the strip used the wheel.
    bool MouseWheel(int Delta);
    // The hint for a client point; empty text leaves the request to the platform.
    QString HintText(QPoint Pt, int *Timeout = nullptr, TGlideRect *Rect = nullptr);
    void ContextMenu();
    void EscapePressed();
    virtual void ShowTabPopupMenu(QObject *Sender, QPoint Pt);
    virtual void PopupMenuItemClick(int Tag);
    const TGlideTabsPopupMenu *TabPopupMenu() const { return FTabPopupMenu.get(); }
    // One animation tick, as the timer runs it.
    void AnimateTimerTick();
    void ScrollTabs(TScrollDirection Direction, bool StartTimer);

    // ---- persistence ----
    // The stored-description text; file saves replace the file atomically.
    virtual void SaveLookAndFeel(QIODevice &Stream);
    virtual void SaveLookAndFeel(const QString &Filename);
    virtual void LoadLookAndFeel(QIODevice &Stream);
    virtual void LoadLookAndFeel(const QString &Filename);
    virtual void SaveOptions(QIODevice &Stream);
    virtual void SaveOptions(const QString &Filename);
    virtual void LoadOptions(QIODevice &Stream);
    virtual void LoadOptions(const QString &Filename);
    QString LookAndFeelToCode() const;
    QString OptionsToCode() const;

    // ---- layout and painting ----
    virtual void CalculateButtonRects();
    virtual void CalculateTabRects();
    virtual void DrawCanvas();
    virtual void SetControlDrawStates(bool ForceUpdate);
    void Redraw();
    bool Ready_To_Draw() const;
    int Repaint_Count() const { return FRepaintCount; }

    // ---- IGlideTabs ----
    int GetLastPinnedIndex() override;
    TGlideTab *GetActiveTab() override;
    IGlideTabPolygons GetPreviousTabPolygons(int Index) override;
    void DoOnBeforeDrawItem(TAACanvas &TargetCanvas, const TGlideRect &ItemRect, TGlideTabItemType ItemType,
                            int TabIndex, bool &Handled) override;
    void DoOnAfterDrawItem(TAACanvas &TargetCanvas, const TGlideRect &ItemRect, TGlideTabItemType ItemType,
                           int TabIndex) override;
    void DoOnGetControlPolygons(TBaseGlideTabsControl *GlideTabsControl, const TGlideRect &ItemRect,
                                TGlideTabItemType ItemType, TTabOrientation Orientation,
                                IGlideTabPolygons &Polygons) override;
    void DoOnDebugLog(const QString &Text, const QVariantList &Args) override;
    void DoOnActiveTabChanging(TGlideTab *AOldTab, TGlideTab *ANewTab, bool &Allow) override;
    void DoOnChange(TGlideTab *ATab, TTabChangeType TabChangeType) override;
    TGlideRect ScrollRect(int ALeft, int ATop, int ARight, int ABottom) override;
    TGlideRect BidiScrollRect(const TGlideRect &ARect) override;
    TGlideRect BidiRect(const TGlideRect &ARect) override;
    TBiDiMode GetBiDiMode() override { return FBiDiMode; }
    void Invalidate() override { update(); }
    TComponentState GetComponentState() override { return FComponentState; }
    bool IsDragging() override { return FActiveDragTabObject != nullptr; }
    TGlideTabsLookAndFeel &GetLookAndFeel() override { return *FLookAndFeel; }
    TOptions &GetOptions() override { return *FOptions; }
    const TAAImageList *GetImages() override { return FImages; }
    const TAAImageList *GetImagesOverlay() override { return FImagesOverlay; }
    const TAAImageList *GetImagesSpinnerDownload() override { return FImagesSpinnerDownload; }
    const TAAImageList *GetImagesSpinnerUpload() override { return FImagesSpinnerUpload; }

    // ---- IGlideTabDockControl ----
    QObject *GetControl() override { return this; }
    void DragOver(QObject *Sender, int X, int Y, TDragState State, IDragTabObject *DragTabObject,
                  bool &Accept) override;
    void DragDrop(QObject *Sender, int X, int Y, IDragTabObject *DragTabObject, bool Cancelled,
                  TTabDropOptions &TabDropOptions) override;
    TGlideTab *InsertDroppedTab() override;
    void FireScrollTimer() override;
    void DragCompleted(int MouseX, int MouseY, bool Cancelled) override;

    virtual bool IsInDropArea(int X, int Y);
    virtual QWidget *CreateDragForm(TGlideTab *ATab);

protected:
    // Dispatchers: each fires its event only when a handler is set.
    virtual void DoOnActiveTabChanged(TGlideTab *ATab);
    virtual void DoOnButtonCloseTabClick(TGlideTab *ATab, bool &Close);
    virtual void DoOnButtonAddClick();
    virtual void DoOnNeedDragImageControl(TGlideTab *ATab, QWidget *&DragControl);
    virtual void DoOnCreateDragForm(TGlideTab *ATab, QWidget *&DragForm);
    virtual void DoOnBeginTabDrag(TGlideTab *ATab, bool &Allow);
    virtual void DoOnStateChange(TGlideTabStates PreviousState, TGlideTabStates CurrentState);
    virtual void DoOnMouseLeave();
    virtual void DoOnShowHint(THitTestResult HitTestResult, QString &HintText, int &HintTimeout);
    virtual void DoOnTabDblClick(TGlideTab *ATab);
    virtual void DoOnTabDragStart(TGlideTab *ATab, bool &Allow);
    virtual void DoOnTabDragOver(int X, int Y, TDragState State, IDragTabObject *DragTabObject, bool &Accept);
    virtual void DoOnTabDragDrop(int X, int Y, IDragTabObject *DragTabObject, bool Cancelled,
                                 TTabDropOptions &TabDropOptions);
    virtual void DoOnTabDragDropped(IDragTabObject *DragTabObject, TGlideTab *NewTab);
    virtual void DoOnTabDragEnd(int MouseX, int MouseY, bool Cancelled);
    virtual void DoOnScroll();
    virtual void DoOnScrollWidthChanged();
    virtual void DoOnAnimateStyle(TBaseGlideTabsControl *GlideTabsControl, TDrawState NewDrawState,
                                  std::uint32_t &AnimationTimeMS, TGlideTabsEaseType &EaseType);
    virtual void DoOnAnimateMovement(TBaseGlideTabsControl *GlideTabsControl, std::uint32_t &AnimationTimeMS,
                                     TGlideTabsEaseType &EaseType);
    virtual void DoOnSetTabWidth(TGlideTabControl *ATabControl, int &TabWidth);
    virtual void DoOnAfterDragImageCreated();
    virtual bool AddState(TGlideTabState State);
    virtual bool RemoveState(TGlideTabState State);
    // The immediate repaint behind Redraw.
    virtual void Paint_Now();
    // Hands the window to the window system to move with the pointer (a left
    // press on the background).
    virtual void Start_Form_Move();

    // Qt events, passed on to the handlers above.
    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void moveEvent(QMoveEvent *Event) override;
    void enterEvent(QEnterEvent *Event) override;
    void leaveEvent(QEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void wheelEvent(QWheelEvent *Event) override;
    void contextMenuEvent(QContextMenuEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    bool event(QEvent *Event) override;

private:
    // Construction and change handling (GlideTabs.cpp).
    void UpdateTimerIntervals();
    void Scroll_Adjustment(bool Force);
    void Cancel_Smart_Resize_Tick();
    void Clear_Smart_Resize_States();
    int Visible_Pinned_Count(bool Include_Marked) const;
    int Visible_Unpinned_Count(bool Include_Marked) const;
    int Last_Visible_Index(bool Include_Marked = true) const;
    int Previous_Visible_Index(int Index) const;
    bool Tabs_Overflow() const;
    void Start_Grow_In(TGlideTab *Tab);
    void Start_Shrink_Out(TGlideTab *Tab);
    // Layout (GlideTabs_Layout.cpp).
    void Calculate_Tab_Width();
    int Content_Width(TGlideTabControl *Control);
    void Layout_Pass(bool Pinned_Pass, int First, int Last, int &X, int Width, int &Remainder);
    void Smart_Resize_Layout(int &X);
    void Place_Drag_Control(int Pass_Width);
    void Place_Floating_Add_Button();
    // Painting (GlideTabs_Paint.cpp).
    void SetControlDrawState(TBaseGlideTabsControl *Control, TDrawState NewState, bool ForceUpdate);
    void SetControlPosition(TBaseGlideTabsControl *Control, const TGlideRect &Rect, bool Animate);
    void SetControlLeft(TBaseGlideTabsControl *Control, int Left, bool Animate);
    void SetMovementAnimation(const TGlideTabsMovementAnimationTypes *Entry);
    void Clip_To_Tab_Region(TAACanvas &Canvas);
    bool Tab_On_Screen(TGlideTabControl *Control) const;
    // Mouse and drag (GlideTabs_Mouse.cpp).
    void BeginDrag(QPoint Pt);
    void EndDrag(int MouseX, int MouseY, bool Cancelled);
    void MoveDragForm(int X, int Y, bool Visible);
    void Drag_Move_Between(int X, int Y, bool &Accept);

    std::unique_ptr<TOptions> FOptions;
    std::unique_ptr<TGlideTabsLookAndFeel> FLookAndFeel;
    std::unique_ptr<TAddButtonControl> FAddButtonControl;
    std::unique_ptr<TScrollButtonLeftControl> FScrollButtonLeftControl;
    std::unique_ptr<TScrollButtonRightControl> FScrollButtonRightControl;
    // The drag this strip started (owned) and the drag now over this strip (home or foreign).
    std::unique_ptr<TDragTabObject> FDragTabObject;
    IDragTabObject *FActiveDragTabObject = nullptr;
    QImage FCanvasBmp, FBackgroundBmp;
    std::unique_ptr<TGlideTabsPopupMenu> FTabPopupMenu;
    const TAAImageList *FImages = nullptr;
    const TAAImageList *FImagesOverlay = nullptr;
    const TAAImageList *FImagesSpinnerUpload = nullptr;
    const TAAImageList *FImagesSpinnerDownload = nullptr;
    // Keys of the free notifications asked of the four lists, in the order above.
    int FImageListKeys[4] = {0, 0, 0, 0};
    void Set_Image_List(int Slot, const TAAImageList *Value, bool Redraw_After);
    std::unique_ptr<TGlideTabsList> FTabs;
    int FUpdateCount = 0;
    TThreadTimer *FAnimateTimer = nullptr;
    QTimer *FScrollTimer = nullptr;
    QTimer *FCancelTabSmartResizeTimer = nullptr;
    int FPausedUpdateCount = 0;
    TGlideTabStates FState = 0;
    int FAdjustedTabWidth = 0;
    int FScrollWidth = 0;
    int FPreviousScrollWidth = 0;
    int FLastMouseX = -1, FLastMouseY = -1;
    TGlideRect FClosedTabRect;
    int FClosedTabIndex = -1;
    bool FInvalidatingControls = false;
    int FTabEndSpace = 0;
    int FScrollOffset = 0;
    TGlideRect FTabContainerRect;
    TScrollDirection FScrollDirection = mdsNone;
    int FLastClientWidth = -1;
    THitTestResult FLastHitTestResult;
    TGlideTabsEaseType FMovementEaseType = ttNone;
    std::uint32_t FMovementAnimationTime = 0;
    int FMaxAddButtonRight = 0;
    std::uint32_t FNextModifiedGlowAnimateTickCount = 0, FNextSpinnerAnimateTickCount = 0;
    bool FControlConstructed = false;
    Qt::MouseButton FMouseButton = Qt::NoButton;
    THitTestResult FMouseDownHitTest;
    QPoint FMouseDownPoint;
    TGlideTabControl *FDragTabControl = nullptr;
    // The drawn control made for a foreign tab dragged over this strip (owned).
    std::unique_ptr<TGlideTabControl> FForeignDragControl;
    bool FDragCancelled = false;
    TBiDiMode FBiDiMode = bdLeftToRight;
    TComponentState FComponentState = 0;
    int FRepaintCount = 0;
    bool FPainting = false;
};

// BeginUpdate on construction, EndUpdate on every way out.
class TGlideTabsUpdate
{
public:
    explicit TGlideTabsUpdate(TCustomGlideTabs &Strip) : FStrip(Strip) { FStrip.BeginUpdate(); }
    ~TGlideTabsUpdate() { FStrip.EndUpdate(); }
    TGlideTabsUpdate(const TGlideTabsUpdate &) = delete;
    TGlideTabsUpdate &operator=(const TGlideTabsUpdate &) = delete;

private:
    TCustomGlideTabs &FStrip;
};

// The published strip; it adds no behaviour.
class TGlideTabs : public TCustomGlideTabs
{
    Q_OBJECT
public:
    using TCustomGlideTabs::TCustomGlideTabs;
};
