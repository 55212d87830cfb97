#pragma once
#include "platform/Colors.h"
#include "platform/Rect.h"
#include <cstdint>
class QWidget;

// The window system's layered-window calls (per-pixel alpha and colour-key
// windows, as a window system's user library may offer them). They
// exist on some platforms only; callers ask and treat "missing" as success,
// so a platform without them draws its windows opaque and nothing fails.

// Flags of Set_Layered_Window_Attributes and Update_Layered_Window.
constexpr unsigned LWA_COLORKEY = 0x1, LWA_ALPHA = 0x2;
constexpr unsigned ULW_COLORKEY = 0x1, ULW_ALPHA = 0x2, ULW_OPAQUE = 0x4;

// How source pixels blend into the window (the platform's BLENDFUNCTION).
struct TBlendFunction {
    std::uint8_t BlendOp = 0;             // 0: source over
    std::uint8_t BlendFlags = 0;
    std::uint8_t SourceConstantAlpha = 255;
    std::uint8_t AlphaFormat = 0;         // 1: the source has per-pixel alpha
};

enum TLayeredCall {
    lcMissing,   // the platform has no such call
    lcDone,      // called and succeeded
    lcFailed,    // called and failed
};

// The nine arguments of the platform's UpdateLayeredWindow: window, target
// device (nullptr: the screen), new position (nullptr: unchanged), new size
// (nullptr: unchanged), source device, source origin, colour key, blend, flags.
TLayeredCall Update_Layered_Window(QWidget *Window, void *TargetDevice, const TPoint *Position, const TPoint *Size,
                                   void *SourceDevice, const TPoint *SourceOrigin, TColor ColorKey,
                                   const TBlendFunction *Blend, unsigned Flags);
TLayeredCall Set_Layered_Window_Attributes(QWidget *Window, TColor ColorKey, std::uint8_t Alpha, unsigned Flags);
