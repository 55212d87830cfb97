#pragma once
#include <QRect>
#include <QSize>

// Where and how large a drop-down's popup opens: a pure function of the
// screen, the edit and the content (Core only), so that tests check it
// exactly without a window system.

// Where the popup opens relative to its edit.
enum TDropPosition { dpAuto, dpDown, dpUp };

// The smallest popup (the window's size constraints).
constexpr int Popup_Min_Width = 80;
constexpr int Popup_Min_Height = 50;

struct TPopupSizeInput {
    int DropDownWidth = 0;     // 0 or less: computed
    int DropDownHeight = 0;    // 0 or less: computed
    int BorderWidth = 1;
    int HeaderHeight = 0;      // 0 when the header bar is hidden
    int FooterHeight = 0;      // 0 when the footer bar is hidden
    QSize Content;             // invalid when there is no visible content control
    int EditWidth = 0;
    // What the user left by resizing the popup (-1: never resized).
    int UserWidth = -1;
    int UserHeight = -1;
};

// Width: DropDownWidth when set, else the content's width, else the edit's.
// Height: DropDownHeight when set, else the borders, visible bars and the
// content. A size the user left by resizing wins over both. Never below
// the minimum.
QSize Compute_Popup_Size(const TPopupSizeInput &In);

// The popup's rectangle for an edit at Edit (screen pixels) on a screen whose
// available area is Available. dpDown opens below (overlapping the edit's
// bottom pixel row), dpUp above; dpAuto below when it fits there, else above.
// The result is kept inside Available on both axes, and is no larger than it.
QRect Place_Popup(const QRect &Edit, QSize Size, TDropPosition Position, const QRect &Available);
