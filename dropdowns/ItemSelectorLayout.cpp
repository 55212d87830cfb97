#include "dropdowns/ItemSelectorLayout.h"
#include <algorithm>

QSize Item_Cell_Size(TItemLayout Layout, QSize Box, QSize Text, const TItemSpacing &S)
{
    const int BW = Box.width(), BH = Box.height(), TH = Text.height();
    const int TW = Text.width() > 0 ? Text.width() + 4 : Text.width();
    if (Layout == ilCaptionLeft || Layout == ilCaptionRight) {
        int W = 2 * S.ItemOffSetX + TW;
        if (BW > 0)
            W += BW;
        if (BW > 0 && TW > 0)
            W += S.CaptionGap;
        return QSize(W, std::max(TH, BH) + 2 * S.ItemOffSetY);
    }
    int H = 2 * S.ItemOffSetY + TH;
    if (BH > 0)
        H += BH;
    if (BH > 0 && TH >= 1)
        H += S.CaptionGap;
    return QSize(std::max(TW, BW) + 2 * S.ItemOffSetX, H);
}

TItemArrangement Arrange_Items(int Count, int Columns, QSize Cell, const TRect &Content)
{
    TItemArrangement A;
    if (Count <= 0) {
        A.Panel = QSize(100, 50);
        return A;
    }
    Columns = std::max(1, Columns);
    const int W = Cell.width(), H = Cell.height();
    int X = Content.Left, Y = Content.Top, Max_X = 0, N = 0;
    for (int I = 0; I < Count; ++I) {
        A.Cells.emplace_back(X, Y, X + W, Y + H);
        ++N;
        if (I == Count - 1)
            break;
        if (N < Columns) {
            X += W;
        } else {
            Max_X = std::max(Max_X, X);
            X = Content.Left;
            Y += H;
            N = 0;
        }
    }
    A.Panel = QSize(std::max(Max_X, X) + W + Content.Left, Y + H + Content.Top);
    return A;
}

int Item_At_Pos(const std::vector<TRect> &Cells, int X, int Y)
{
    for (size_t I = 0; I < Cells.size(); ++I)
        if (Cells[I].Contains(X, Y))
            return static_cast<int>(I);
    return -1;
}

int Visible_Item_Count(int Client_Height, bool HScroll, int First_Cell_Height, int Columns, int Count)
{
    if (Count <= 0 || First_Cell_Height <= 0)
        return 0;
    const int H = Client_Height - (HScroll ? 20 : 0);
    return std::max(0, H / First_Cell_Height) * std::max(1, Columns);
}

int Item_Step(int Current, int Count, TItemStep Step)
{
    if (Count <= 0)
        return Current;
    switch (Step) {
    case isFirst:
        return 0;
    case isLast:
        return Count - 1;
    case isNext:
        return Current < 0 ? 0 : Current + 1 < Count ? Current + 1 : Current;
    case isPrevious:
        return Current < 0 ? 0 : Current > 0 ? Current - 1 : Current;
    }
    return Current;
}
