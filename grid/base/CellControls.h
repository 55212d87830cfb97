#pragma once
#include "toolkit/Canvas.h"
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

// A control placed in a cell (X column, Y row); the control is not owned.
struct TControlItem {
    int X = 0;
    int Y = 0;
    QPointer<QWidget> Control;
};

class TControlList {
public:
    void AddControl(int X, int Y, QWidget *AObject);
    int ControlIndex(int X, int Y) const;   // -1 when none
    TControlItem &GetControl(int I);        // EListError for a bad index
    // True when some item's control is Handle (a control stands for its window).
    bool HasHandle(const QWidget *Handle) const;
    void RemoveControl(int I);              // the control itself stays
    int Count() const { return static_cast<int>(FItems.size()); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TControlItem>> FItems;
};

// A picture named by file; loaded only to measure it and to draw it.
class TFilePicture {
public:
    QString Filename() const { return FFilename; }
    // Stores the name and takes the picture's size (0 x 0 when it cannot be read).
    void Set_Filename(const QString &Name);
    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    // Stretches the picture into R; nothing for an empty name or unreadable file.
    void DrawPicture(TCanvas &Canvas, const TRect &R) const;
    void Assign(const TFilePicture &Source);

private:
    QString FFilename;
    int FWidth = 0;
    int FHeight = 0;
};
