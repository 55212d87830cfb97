#include "platform/LayeredWindow.h"

// Qt's window systems here (X11, Wayland, offscreen) offer no layered-window
// calls: translucent windows are made with Qt's own attributes by the widgets
// that need them. The calls are therefore reported as missing.

TLayeredCall Update_Layered_Window(QWidget *, void *, const TPoint *, const TPoint *, void *, const TPoint *, TColor,
                                   const TBlendFunction *, unsigned)
{
    return lcMissing;
}

TLayeredCall Set_Layered_Window_Attributes(QWidget *, TColor, std::uint8_t, unsigned) { return lcMissing; }
