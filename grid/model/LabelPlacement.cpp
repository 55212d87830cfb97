#include "grid/model/LabelPlacement.h"

QPoint Place_Label(TLabelPosition Position, const QRect &Editor, QSize Label, int CaptionWidth, int Margin)
{
    const int L = Editor.left(), T = Editor.top(), W = Editor.width(), H = Editor.height();
    const int LH = Label.height(), LW = Label.width(), M = Margin;
    // Integer division truncates toward zero, as centring wants.
    const int Middle = T + (H - LH) / 2, Bottom = T + H - LH, Above = T - LH - M, Below = T + H + M;
    const int Left = L - CaptionWidth - M, Right = L + W + M;
    switch (Position) {
    case lpLeftTop: return {Left, T};
    case lpLeftCenter: return {Left, Middle};
    case lpLeftBottom: return {Left, Bottom};
    case lpTopLeft: return {L, Above};
    case lpBottomLeft: return {L, Below};
    case lpLeftTopLeft: return {L - M, T};
    case lpLeftCenterLeft: return {L - M, Middle};
    case lpLeftBottomLeft: return {L - M, Bottom};
    case lpTopCenter: return {L + (W - LW) / 2, Above};
    case lpBottomCenter: return {L + (W - LW) / 2, Below};
    case lpRightTop: return {Right, T};
    case lpRightCenter: return {Right, Middle};
    case lpRighBottom: return {Right, Bottom};
    case lpTopRight: return {L + W - LW, Above};
    case lpBottomRight: return {L + W - LW, Below};
    }
    return {L, T};
}
