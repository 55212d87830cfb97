#pragma once
#include "controls/GlideTabsTypes.h"
#include "toolkit/AADraw.h"
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <vector>

// The data layer of the animated tab strip: tabs, the tab list, the
// interfaces between tabs, the list, the drawn parts and the strip, the
// polygon lists the drawn parts outline themselves with, and the object that
// travels with a dragged tab. Nothing here draws or knows a window.

class TBaseGlideTabsControl;
class TGlideTabControl;
class TGlideTab;
class TGlideTabsList;
class TGlideTabsLookAndFeel;
class TOptions;
class IDragTabObject;

// One outline with the brush and pen it is drawn with (both borrowed: whoever
// adds the polygon keeps them alive).
class TGlideTabPolygon
{
public:
    TGlideTabPolygon(const TPolygon &Polygon, const TAABrush *Brush, const TAAPen *Pen)
        : FPolygon(Polygon), FBrush(Brush), FPen(Pen) {}
    const TPolygon &Polygon() const { return FPolygon; }
    const TAABrush *Brush() const { return FBrush; }
    const TAAPen *Pen() const { return FPen; }
    void SetBrush(const TAABrush *Brush) { FBrush = Brush; }
    void SetPen(const TAAPen *Pen) { FPen = Pen; }

private:
    TPolygon FPolygon;
    const TAABrush *FBrush;
    const TAAPen *FPen;
};

// A list of outlines; shared, it lives as long as a reference to it.
class TGlideTabPolygons
{
public:
    int PolygonCount() const { return static_cast<int>(FPolygons.size()); }
    // Throws EGlideTabsError "List index out of bounds (%d)" outside 0..count-1.
    TGlideTabPolygon &GetPolygons(int Index);
    const TGlideTabPolygon &GetPolygons(int Index) const;
    // Appends a copy of the points; answers the list so calls can be chained.
    TGlideTabPolygons &AddPolygon(const TPolygon &Polygon, const TAABrush *Brush, const TAAPen *Pen);
    // In the order added: fill (dfBrush, dfBrushAndPen) when there is a brush,
    // then outline (dfPen, dfBrushAndPen) when there is a pen.
    void DrawTo(TAACanvas &TargetCanvas, TDrawToFunctions DrawToFunctions) const;

private:
    std::vector<TGlideTabPolygon> FPolygons;
};
using IGlideTabPolygons = std::shared_ptr<TGlideTabPolygons>;
inline IGlideTabPolygons New_Polygons() { return std::make_shared<TGlideTabPolygons>(); }

// What a drawn tab reads of its tab.
class IGlideTab
{
public:
    virtual ~IGlideTab() = default;
    virtual QString Caption() const = 0;
    virtual int ImageIndex() const = 0;
    virtual int ImageIndexOverlay() const = 0;
    virtual bool Active() const = 0;
    virtual bool Pinned() const = 0;
    virtual int Index() const = 0;
    virtual bool Modified() const = 0;
    virtual TGlideTab *GetTab() = 0;
    virtual bool MarkedForDeletion() const = 0;
    virtual TGlideTabSpinnerState SpinnerState() const = 0;
    virtual bool HideCloseButton() const = 0;
    virtual void *Data() const = 0;
    virtual void SetData(void *Value) = 0;
};

// What tabs, the tab list and the drawn parts ask of their strip. The strip
// control implements it; it answers every change a tab, the list, an option
// or a look-and-feel object reports through DoOnChange.
class IGlideTabs
{
public:
    virtual ~IGlideTabs() = default;
    // Index of the last tab of the pinned run at the front; -1 when the first tab is not pinned or there is none.
    virtual int GetLastPinnedIndex() = 0;
    virtual TGlideTab *GetActiveTab() = 0;
    // Outline of the nearest visible tab before Index; null when none.
    virtual IGlideTabPolygons GetPreviousTabPolygons(int Index) = 0;
    virtual void DoOnBeforeDrawItem(TAACanvas &TargetCanvas, const TGlideRect &ItemRect, TGlideTabItemType ItemType,
                                    int TabIndex, bool &Handled) = 0;
    virtual void DoOnAfterDrawItem(TAACanvas &TargetCanvas, const TGlideRect &ItemRect, TGlideTabItemType ItemType,
                                   int TabIndex) = 0;
    // A handler may supply the polygons of a drawn part (Polygons comes in null).
    virtual void DoOnGetControlPolygons(TBaseGlideTabsControl *GlideTabsControl, const TGlideRect &ItemRect,
                                        TGlideTabItemType ItemType, TTabOrientation Orientation,
                                        IGlideTabPolygons &Polygons) = 0;
    virtual void DoOnDebugLog(const QString &Text, const QVariantList &Args) = 0;
    // Asked before a tab becomes active; Allow comes in true.
    virtual void DoOnActiveTabChanging(TGlideTab *AOldTab, TGlideTab *ANewTab, bool &Allow) = 0;
    // The change notification; ATab may be null.
    virtual void DoOnChange(TGlideTab *ATab, TTabChangeType TabChangeType) = 0;
    virtual TGlideRect ScrollRect(int ALeft, int ATop, int ARight, int ABottom) = 0;
    virtual TGlideRect BidiScrollRect(const TGlideRect &ARect) = 0;
    virtual TGlideRect BidiRect(const TGlideRect &ARect) = 0;
    virtual TBiDiMode GetBiDiMode() = 0;
    virtual void Invalidate() = 0;
    virtual TComponentState GetComponentState() = 0;
    virtual bool IsDragging() = 0;
    virtual TGlideTabsLookAndFeel &GetLookAndFeel() = 0;
    virtual TOptions &GetOptions() = 0;
    virtual const TAAImageList *GetImages() = 0;
    virtual const TAAImageList *GetImagesOverlay() = 0;
    virtual const TAAImageList *GetImagesSpinnerDownload() = 0;
    virtual const TAAImageList *GetImagesSpinnerUpload() = 0;
};

// Drag states and drop options of the drag machinery.
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
using TTabDropOptions = unsigned;

// What a dragged tab asks of a strip it is dragged over.
class IGlideTabDockControl
{
public:
    virtual ~IGlideTabDockControl() = default;
    virtual QObject *GetControl() = 0;
    virtual void DragOver(QObject *Sender, int X, int Y, TDragState State, IDragTabObject *DragTabObject,
                          bool &Accept) = 0;
    virtual void DragDrop(QObject *Sender, int X, int Y, IDragTabObject *DragTabObject, bool Cancelled,
                          TTabDropOptions &TabDropOptions) = 0;
    virtual TGlideTab *InsertDroppedTab() = 0;
    virtual void FireScrollTimer() = 0;
    virtual void DragCompleted(int MouseX, int MouseY, bool Cancelled) = 0;
    virtual TBiDiMode GetBiDiMode() = 0;
};

class IDragTabObject
{
public:
    virtual ~IDragTabObject() = default;
    virtual QPoint DragCursorOffset() const = 0;
    virtual QObject *DragForm() const = 0;
    virtual QPoint DragFormOffset() const = 0;
    virtual QPoint DragPoint() const = 0;
    virtual TGlideTab *DragTab() const = 0;
    virtual int DropTabIndex() const = 0;
    virtual bool HideAddButton() const = 0;
    virtual TGlideRect OriginalControlRect() const = 0;
    virtual IGlideTabDockControl *SourceControl() const = 0;
    virtual IGlideTabDockControl *DockControl() const = 0;
    virtual std::int16_t OriginalCursor() const = 0;
    virtual TDragOverType DragOverType() const = 0;
    virtual void SetDragCursorOffset(QPoint V) = 0;
    virtual void SetDragForm(QObject *V) = 0;
    virtual void SetDragFormOffset(QPoint V) = 0;
    virtual void SetDragPoint(QPoint V) = 0;
    virtual void SetDragTab(TGlideTab *V) = 0;
    virtual void SetDropTabIndex(int V) = 0;
    virtual void SetHideAddButton(bool V) = 0;
    virtual void SetOriginalControlRect(TGlideRect V) = 0;
    virtual void SetSourceControl(IGlideTabDockControl *V) = 0;
    virtual void SetDockControl(IGlideTabDockControl *V) = 0;
    virtual void SetOriginalCursor(std::int16_t V) = 0;
    virtual void SetDragOverType(TDragOverType V) = 0;
};

// The object that travels with a dragged tab; it only stores what the drag
// machinery puts in. It releases its drag window (deferred) when it goes.
class TDragTabObject : public IDragTabObject
{
public:
    ~TDragTabObject() override;
    QPoint DragCursorOffset() const override { return FDragCursorOffset; }
    QObject *DragForm() const override { return FDragForm; }
    QPoint DragFormOffset() const override { return FDragFormOffset; }
    QPoint DragPoint() const override { return FDragPoint; }
    TGlideTab *DragTab() const override { return FDragTab; }
    int DropTabIndex() const override { return FDropTabIndex; }
    bool HideAddButton() const override { return FHideAddButton; }
    TGlideRect OriginalControlRect() const override { return FOriginalControlRect; }
    IGlideTabDockControl *SourceControl() const override { return FSourceControl; }
    IGlideTabDockControl *DockControl() const override { return FDockControl; }
    std::int16_t OriginalCursor() const override { return FOriginalCursor; }
    TDragOverType DragOverType() const override { return FDragOverType; }
    void SetDragCursorOffset(QPoint V) override { FDragCursorOffset = V; }
    void SetDragForm(QObject *V) override { FDragForm = V; }
    void SetDragFormOffset(QPoint V) override { FDragFormOffset = V; }
    void SetDragPoint(QPoint V) override { FDragPoint = V; }
    void SetDragTab(TGlideTab *V) override { FDragTab = V; }
    void SetDropTabIndex(int V) override { FDropTabIndex = V; }
    void SetHideAddButton(bool V) override { FHideAddButton = V; }
    void SetOriginalControlRect(TGlideRect V) override { FOriginalControlRect = V; }
    void SetSourceControl(IGlideTabDockControl *V) override { FSourceControl = V; }
    void SetDockControl(IGlideTabDockControl *V) override { FDockControl = V; }
    void SetOriginalCursor(std::int16_t V) override { FOriginalCursor = V; }
    void SetDragOverType(TDragOverType V) override { FDragOverType = V; }

private:
    TGlideTab *FDragTab = nullptr;
    QPoint FDragCursorOffset, FDragFormOffset, FDragPoint;
    bool FHideAddButton = false;
    TGlideRect FOriginalControlRect;
    int FDropTabIndex = 0;
    QPointer<QObject> FDragForm;
    IGlideTabDockControl *FSourceControl = nullptr;
    IGlideTabDockControl *FDockControl = nullptr;
    std::int16_t FOriginalCursor = 0;
    TDragOverType FDragOverType = dotNone;
};

// One tab. It knows nothing about drawing: every change is reported to the
// strip that owns its list, which lays out, animates and repaints in answer.
class TGlideTab : public IGlideTab
{
public:
    ~TGlideTab() override;
    TGlideTab(const TGlideTab &) = delete;
    TGlideTab &operator=(const TGlideTab &) = delete;

    // IGlideTab
    QString Caption() const override { return FCaption; }
    int ImageIndex() const override { return FImageIndex; }
    int ImageIndexOverlay() const override { return FImageIndexOverlay; }
    bool Active() const override { return FActive; }
    bool Pinned() const override { return FPinned; }
    int Index() const override;
    bool Modified() const override { return FModified; }
    TGlideTab *GetTab() override { return this; }
    bool MarkedForDeletion() const override { return FMarkedForDeletion; }
    TGlideTabSpinnerState SpinnerState() const override { return FSpinnerState; }
    bool HideCloseButton() const override { return FHideCloseButton; }
    void *Data() const override { return FData; }
    void SetData(void *Value) override { FData = Value; }

    // Writes; see the change each one reports.
    void SetCaption(const QString &Value);         // tcPropertyUpdated when different
    void SetActive(bool Value);                    // tcActivated / tcDeactivated, then tcPropertyUpdated
    void SetTag(int Value) { FTag = Value; }       // silent
    void SetImageIndex(int Value);                 // tcPropertyUpdated when different
    void SetImageIndexOverlay(int Value);          // tcPropertyUpdated when different
    void SetPinned(bool Value);                    // moves, tcPinned, then activates
    void SetVisible(bool Value);                   // tcVisibility every time
    void SetModified(bool Value);                  // tcPropertyUpdated when different
    void SetSpinnerState(TGlideTabSpinnerState Value); // tcPropertyUpdated when different
    void SetHideCloseButton(bool Value) { FHideCloseButton = Value; } // silent
    // Moves the tab to another position of its list (no report).
    void SetIndex(int Value);

    int Tag() const { return FTag; }
    bool Visible() const { return FVisible; }
    // Empty for a pinned tab.
    QString DisplayCaption() const { return FPinned ? QString() : FCaption; }
    QString GetDisplayName() const { return FCaption.isEmpty() ? QStringLiteral("TGlideTab") : FCaption; }
    bool ImageIsVisible() const { return FImageIndex != -1 || FImageIndexOverlay != -1; }

    // The drawn tab the strip made for this tab; owned by the tab.
    TGlideTabControl *TabControl() const { return FTabControl; }
    void SetTabControl(TGlideTabControl *Value);
    TGlideTabsList *Collection() const { return FCollection; }
    // Moves the tab into another list (it leaves its own). While the strip is being
    // designed, a tab that left a list reports tcPropertyUpdated.
    void SetCollection(TGlideTabsList *Value);

    void DoChanged(TTabChangeType ChangeType);

private:
    friend class TGlideTabsList;
    explicit TGlideTab(TGlideTabsList *Collection);
    IGlideTabs *Tabs_Interface() const;

    TGlideTabsList *FCollection;
    QString FCaption;
    void *FData = nullptr;
    int FImageIndex = -1;
    int FImageIndexOverlay = -1;
    int FTag = 0;
    bool FPinned = false;
    TGlideTabControl *FTabControl = nullptr;
    bool FActive = false;
    bool FVisible = true;
    bool FModified = false;
    bool FMarkedForDeletion = false;
    TGlideTabSpinnerState FSpinnerState = tssNone;
    bool FHideCloseButton = false;
};

// The strip's tabs, owned by the strip.
class TGlideTabsList
{
public:
    // Owner may be null: a list without a strip; operations that need the
    // strip then fail with "Collection owner must support IGlideTabInterface".
    explicit TGlideTabsList(IGlideTabs *AOwner);
    ~TGlideTabsList();
    TGlideTabsList(const TGlideTabsList &) = delete;
    TGlideTabsList &operator=(const TGlideTabsList &) = delete;

    // Appends a new tab and reports tcAdded.
    TGlideTab *Add();
    int Count() const { return static_cast<int>(FItems.size()); }
    // Throws EGlideTabsError "List index out of bounds (%d)".
    TGlideTab *GetItem(int Index) const;
    TGlideTab *operator[](int Index) const { return GetItem(Index); }
    // Copies the ten stored properties of Value into the tab at Index; reports tcAdded.
    void SetItem(int Index, const TGlideTab &Value);
    int IndexOf(const TGlideTab *ATab) const;
    // Reports tcMoved for the tab now at NewIndex.
    void Move(int OldIndex, int NewIndex);
    TGlideTab *ActiveTab() const;
    // Makes a tab of this list active; null or a foreign tab changes nothing.
    void SetActiveTab(TGlideTab *Value);
    // Copies the tabs of another list (stored properties), then reports tcPropertyUpdated.
    void Assign(const TGlideTabsList &Source);
    void DeleteTab(int Index, bool DeleteNow);
    IGlideTabs *GetTabsInterface() const;
    IGlideTabs *Owner() const { return FOwner; }

private:
    friend class TGlideTab;
    void Check_Index(int Index) const;
    // The ten stored properties (the copy of a tab that the list's copy and item write use).
    static void Copy_Tab(TGlideTab &T, const TGlideTab &Value);
    std::unique_ptr<TGlideTab> Take(int Index);
    void Insert(std::unique_ptr<TGlideTab> Tab, int Index);

    IGlideTabs *FOwner;
    std::vector<std::unique_ptr<TGlideTab>> FItems;
};
