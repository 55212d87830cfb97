#pragma once
#include "dropdowns/DropDownAppearance.h"
#include "platform/ModalResult.h"
#include "platform/Rect.h"
#include <QSize>
#include <vector>

// Geometry of the popup bars and their push buttons, apart from painting so
// that it can be checked without a window. Rectangles have exclusive right
// and bottom edges, in the bar's client coordinates.

// The room the buttons stand in: the client inset by 2 on the left, top and
// right, and at the bottom by 3 (header) or 2 (footer); a shown size grip
// takes 12 more pixels on the right.
TRect Bar_Button_Area(const TRect &Client, bool Footer, bool Grip_Shown);

// A button's own size from its caption's single-line extent and its image
// (Image empty: none): the larger of the two, plus 8 wide and 4 high.
QSize Bar_Button_Auto_Size(QSize Text, QSize Image);

// The size a bar gives a button: the item's Width and Height when above 0
// replace the own size; the height never exceeds the button area's.
QSize Bar_Button_Size(QSize Own, int Item_Width, int Item_Height, int Area_Height);

// Button rectangles in collection order. baRight: the first button is the
// rightmost and the row grows to the left; baLeft: from the area's left
// edge. Buttons touch; each top is max(area top, (area bottom - height) / 2).
std::vector<TRect> Arrange_Bar_Buttons(const TRect &Area, TButtonAlignment Alignment,
                                       const std::vector<QSize> &Sizes);

// Where the caption may go: the area up to 2 pixels left of the last
// button in the list; (-1, -1, -1, -1) without buttons.
TRect Bar_Caption_Area(const TRect &Area, const std::vector<TRect> &Buttons);

// The footer's size grip: the 15 pixels right of the border, from row 1 down.
TRect Size_Grip_Rect(const TRect &Client, int BorderWidth);

// The six 2 x 2 dots of the grip (a triangle with its right angle at the
// bottom right); Dark: the shadow pass, one pixel left and up.
std::vector<TRect> Size_Grip_Dots(const TRect &Grip, bool Dark);

// The corner of a footer where a press starts sizing the popup.
inline bool In_Size_Grip_Zone(int X, int Y, int Width, int Height) { return X > Width - 12 && Y > Height - 15; }

// Whether a footer button with this modal result closes the popup, and if
// so whether as cancelled: OK, Yes, No, All, Yes to all close it as taken;
// Cancel, Abort, Ignore, No, No to all as cancelled; None, Retry and the
// rest leave it open.
bool Modal_Result_Closes(TModalResult Result, bool &Cancelled);
