#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>

// Where the caption label of an editor (the grid's combo editor, the
// drop-down edits) sits beside it on the same parent: a pure function of the
// rectangles, so that every position checks exactly without a window.

// The names as stored; lpRighBottom keeps its stored spelling.
enum TLabelPosition {
    lpLeftTop, lpLeftCenter, lpLeftBottom, lpTopLeft, lpBottomLeft, lpLeftTopLeft, lpLeftCenterLeft,
    lpLeftBottomLeft, lpTopCenter, lpBottomCenter, lpRightTop, lpRightCenter, lpRighBottom, lpTopRight,
    lpBottomRight,
};

// The label's top-left corner for an editor at Editor (parent pixels), a
// label of Label size whose caption measures CaptionWidth, Margin pixels
// apart. The positions left of the editor step back by the caption's width
// plus the margin (the "...Left" ones by the margin alone); centring halves
// toward zero.
QPoint Place_Label(TLabelPosition Position, const QRect &Editor, QSize Label, int CaptionWidth, int Margin);
