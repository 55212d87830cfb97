#pragma once
#include <cstdint>
class QColor;

// Colour values as the configurator and its controls store them: 32 bits,
// red in the low byte (0x00BBGGRR). A high byte of 0xFF names a system
// colour by the index in the low byte; clNone (0x1FFFFFFF) is no colour and
// clDefault (0x20000000) means "the control's default".
using TColor = std::int32_t;

constexpr TColor RGB_Color(int R, int G, int B)
{
    return static_cast<TColor>((static_cast<std::uint32_t>(B & 0xFF) << 16)
                               | (static_cast<std::uint32_t>(G & 0xFF) << 8)
                               | static_cast<std::uint32_t>(R & 0xFF));
}
constexpr int Get_R_Value(TColor C) { return C & 0xFF; }
constexpr int Get_G_Value(TColor C) { return (C >> 8) & 0xFF; }
constexpr int Get_B_Value(TColor C) { return (C >> 16) & 0xFF; }

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor System_Color(int Index) { return static_cast<TColor>(0xFF000000u | static_cast<std::uint32_t>(Index)); }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clLtGray = 0xC0C0C0;
constexpr TColor clDkGray = 0x808080;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// System colours (index = the Windows COLOR_* number).
constexpr TColor clScrollBar = System_Color(0);
constexpr TColor clBackground = System_Color(1);
constexpr TColor clActiveCaption = System_Color(2);
constexpr TColor clInactiveCaption = System_Color(3);
constexpr TColor clMenu = System_Color(4);
constexpr TColor clWindow = System_Color(5);
constexpr TColor clWindowFrame = System_Color(6);
constexpr TColor clMenuText = System_Color(7);
constexpr TColor clWindowText = System_Color(8);
constexpr TColor clCaptionText = System_Color(9);
constexpr TColor clActiveBorder = System_Color(10);
constexpr TColor clInactiveBorder = System_Color(11);
constexpr TColor clAppWorkSpace = System_Color(12);
constexpr TColor clHighlight = System_Color(13);
constexpr TColor clHighlightText = System_Color(14);
constexpr TColor clBtnFace = System_Color(15);
constexpr TColor clBtnShadow = System_Color(16);
constexpr TColor clGrayText = System_Color(17);
constexpr TColor clBtnText = System_Color(18);
constexpr TColor clInactiveCaptionText = System_Color(19);
constexpr TColor clBtnHighlight = System_Color(20);
constexpr TColor cl3DDkShadow = System_Color(21);
constexpr TColor cl3DLight = System_Color(22);
constexpr TColor clInfoText = System_Color(23);
constexpr TColor clInfoBk = System_Color(24);
constexpr TColor clHotLight = System_Color(26);
constexpr TColor clGradientActiveCaption = System_Color(27);
constexpr TColor clGradientInactiveCaption = System_Color(28);
constexpr TColor clMenuHighlight = System_Color(29);
constexpr TColor clMenuBar = System_Color(30);

// Resolves system colours to RGB (0x00BBGGRR); clNone and clDefault resolve
// to black, plain colours are returned with the high byte cleared.
TColor Color_To_RGB(TColor C);
// The resolved colour as a QColor (opaque). clNone gives a transparent QColor.
// (Defined in platform_gui.)
QColor To_QColor(TColor C);
TColor From_QColor(const QColor &C);
// Overrides the RGB value of one system colour (tests; 0..30). -1 restores the built-in value.
void Set_System_Color(int Index, TColor Rgb);
