#pragma once
// What the grid's source files share beyond its header. Not for use outside
// StringGrid*.cpp.
#include "toolkit/StringGrid.h"
#include <QImage>
#include <QPainter>

// The canvas used outside painting (measuring text; drawing there is lost).
struct TStringGrid::TScratchCanvas {
    QImage Image{1, 1, QImage::Format_RGB32};
    QPainter Painter{&Image};
    TPainterCanvas Canvas{Painter};
};
