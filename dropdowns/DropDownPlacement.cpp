#include "dropdowns/DropDownPlacement.h"
#include <algorithm>

QSize Compute_Popup_Size(const TPopupSizeInput &In)
{
    const bool Has_Content = In.Content.isValid();
    int W = In.DropDownWidth > 0 ? In.DropDownWidth : Has_Content ? In.Content.width() : In.EditWidth;
    int H = In.DropDownHeight > 0 ? In.DropDownHeight
                                  : 2 * In.BorderWidth + In.HeaderHeight + In.FooterHeight
                                        + (Has_Content ? In.Content.height() : 0);
    if (In.UserWidth != -1)
        W = In.UserWidth;
    if (In.UserHeight != -1)
        H = In.UserHeight;
    return {std::max(W, Popup_Min_Width), std::max(H, Popup_Min_Height)};
}

QRect Place_Popup(const QRect &Edit, QSize Size, TDropPosition Position, const QRect &Available)
{
    const int W = std::min(Size.width(), std::max(Available.width(), 1));
    const int H = std::min(Size.height(), std::max(Available.height(), 1));
    const int Below = Edit.top() + Edit.height() - 1;
    const int Above = Edit.top() - H;
    int Top = Below;
    if (Position == dpUp || (Position == dpAuto && Below + H > Available.bottom() + 1))
        Top = Above;
    const int Left = std::clamp(Edit.left(), Available.left(), Available.right() + 1 - W);
    Top = std::clamp(Top, Available.top(), Available.bottom() + 1 - H);
    return {Left, Top, W, H};
}
