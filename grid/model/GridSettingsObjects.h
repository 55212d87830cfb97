#pragma once
#include "platform/Colors.h"
#include "platform/Object.h"
#include <QStringList>
#include <functional>
#include <memory>

// Small settings objects of the string grid that know no window: OLE drag and
// drop, balloon hints, the marking of modified cells, and one hidden row's
// record. Setters that others follow tell them through a callback, and only
// when the value changes; Assign copies values without telling anyone.

class TDragDropSettings {
public:
    bool OleDropRTF() const { return FOleDropRTF; }
    // The drag-and-drop layer hears of it first (RTF drops accepted or not).
    void Set_OleDropRTF(bool V);
    bool OleDropTarget() const { return FOleDropTarget; }
    // Stored first; the grid then registers or revokes its drop target.
    void Set_OleDropTarget(bool V);
    bool OleAcceptText = true;
    bool OleAcceptFiles = true;
    bool OleAcceptURLs = true;
    bool OleEntireRows = false;
    bool OleDropSource = false;
    bool OleRemoveRows = false;
    bool OleInsertRows = false;
    bool OleAppendRows = false;
    bool OleCopyAlways = false;
    bool OleColumnDragDrop = false;
    bool OleColumnReorder = false;
    bool OleColumnsOnly = false;
    bool ShowCells = true;
    // All fifteen values; no drop target is registered, no RTF switch made.
    void Assign(const TDragDropSettings &Source);

    std::function<void(bool)> OnDropRTF;
    std::function<void(bool)> OnDropTarget;

private:
    bool FOleDropRTF = false;
    bool FOleDropTarget = false;
};

class TBalloonSettings {
public:
    bool Enable() const { return FEnable; }
    void Set_Enable(bool V);
    TColor BackgroundColor = clNone;
    TColor TextColor = clNone;
    int InitialDelay = -1;   // milliseconds; -1: the system's
    int ReshowDelay = -1;
    int AutoHideDelay = -1;
    unsigned char Transparency = 0;
    // The colours, the delays and Enable (not Transparency).
    void Assign(const TBalloonSettings &Source);

    std::function<void(TBalloonSettings *Sender)> OnEnableChange;

private:
    bool FEnable = false;
};

class TShowModified {
public:
    bool Enabled = false;
    TColor Color() const { return FColor; }
    void Set_Color(TColor V);
    void Assign(const TShowModified &Source);

    std::function<void(TShowModified *Sender)> OnChange;

private:
    TColor FColor = clYellow;
};

// One hidden row as the grid's hidden-row collection publishes it: its real
// index, height and node level, and its cell texts (one per column). The item
// creates its text list empty and frees it with itself; a list handed to
// Set_Items is only referred to (its owner frees it), so nothing is freed
// twice or lost. The setters only store.
class TGridItem : public TObject {
public:
    TGridItem() : FOwnItems(std::make_unique<QStringList>()), FItems(FOwnItems.get()) {}
    TGridItem(const TGridItem &) = delete;
    TGridItem &operator=(const TGridItem &) = delete;
    const char *ClassName() const override { return "TGridItem"; }

    int Idx() const { return FIdx; }
    void Set_Idx(int V) { FIdx = V; }
    int Height() const { return FHeight; }
    void Set_Height(int V) { FHeight = V; }
    int Level() const { return FLevel; }
    void Set_Level(int V) { FLevel = V; }
    QStringList *Items() const { return FItems; }
    // Refers to Value from now on; the item's own list stays its own.
    void Set_Items(QStringList *Value) { FItems = Value; }

private:
    int FIdx = 0;      // the row's real index
    int FHeight = 0;   // pixels
    int FLevel = 0;    // node level
    std::unique_ptr<QStringList> FOwnItems;
    QStringList *FItems;
};
