#include "dropdowns/BarLayout.h"
#include <algorithm>

TRect Bar_Button_Area(const TRect &Client, bool Footer, bool Grip_Shown)
{
    TRect A(Client.Left + 2, Client.Top + 2, Client.Right - 2, Client.Bottom - (Footer ? 2 : 3));
    if (Footer && Grip_Shown)
        A.Right -= 12;
    return A;
}

QSize Bar_Button_Auto_Size(QSize Text, QSize Image)
{
    const QSize S = Image.isEmpty() ? Text : Text.expandedTo(Image);
    return QSize(S.width() + 8, S.height() + 4);
}

QSize Bar_Button_Size(QSize Own, int Item_Width, int Item_Height, int Area_Height)
{
    if (Item_Width > 0)
        Own.setWidth(Item_Width);
    if (Item_Height > 0)
        Own.setHeight(Item_Height);
    if (Own.height() > Area_Height)
        Own.setHeight(Area_Height);
    return Own;
}

std::vector<TRect> Arrange_Bar_Buttons(const TRect &Area, TButtonAlignment Alignment,
                                       const std::vector<QSize> &Sizes)
{
    std::vector<TRect> Out;
    Out.reserve(Sizes.size());
    int X = Alignment == baRight ? Area.Right : Area.Left;
    for (const QSize &S : Sizes) {
        const int Top = std::max(Area.Top, (Area.Bottom - S.height()) / 2);
        int Left = X;
        if (Alignment == baRight) {
            Left = X - S.width();
            X = Left;
        } else {
            X += S.width();
        }
        Out.emplace_back(Left, Top, Left + S.width(), Top + S.height());
    }
    return Out;
}

TRect Bar_Caption_Area(const TRect &Area, const std::vector<TRect> &Buttons)
{
    if (Buttons.empty())
        return TRect(-1, -1, -1, -1);
    TRect R = Area;
    R.Right = Buttons.back().Left - 2;
    return R;
}

TRect Size_Grip_Rect(const TRect &Client, int BorderWidth)
{
    return TRect(Client.Right - BorderWidth - 16, 1, Client.Right - BorderWidth - 1, Client.Bottom);
}

std::vector<TRect> Size_Grip_Dots(const TRect &Grip, bool Dark)
{
    // Offsets of each dot's left and bottom from the grip's left and bottom.
    static constexpr int Dots[6][2] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
    const int Shift = Dark ? 1 : 0;
    std::vector<TRect> Out;
    for (const auto &D : Dots) {
        const int L = Grip.Left + D[0] - Shift, B = Grip.Bottom - D[1] - Shift;
        Out.emplace_back(L, B - 2, L + 2, B);
    }
    return Out;
}

bool Modal_Result_Closes(TModalResult Result, bool &Cancelled)
{
    switch (Result) {
    case 1: case 6: case 12: case 14:
        Cancelled = false;
        return true;
    case 2: case 3: case 5: case 7: case 13:
        Cancelled = true;
        return true;
    default:
        Cancelled = false;
        return false;
    }
}
