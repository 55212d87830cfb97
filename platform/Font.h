#pragma once
#include "platform/Colors.h"
#include <QString>
#include <initializer_list>

class QFont;

// The font a canvas draws with and a look object keeps (Core only: the
// conversion to a QFont is defined with the canvas).

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles (bit per TFontStyle).
class TFontStyles {
public:
    constexpr TFontStyles() = default;
    constexpr TFontStyles(std::initializer_list<TFontStyle> Styles)
    {
        for (TFontStyle S : Styles)
            FBits |= Bit(S);
    }
    constexpr bool Contains(TFontStyle S) const { return (FBits & Bit(S)) != 0; }
    constexpr bool Empty() const { return FBits == 0; }
    constexpr TFontStyles operator+(TFontStyle S) const { return From_Bits(FBits | Bit(S)); }
    constexpr TFontStyles operator-(TFontStyle S) const { return From_Bits(FBits & ~Bit(S)); }
    constexpr TFontStyles operator+(TFontStyles O) const { return From_Bits(FBits | O.FBits); }
    constexpr unsigned Bits() const { return FBits; }
    static constexpr TFontStyles From_Bits(unsigned B) { TFontStyles R; R.FBits = B & 0xF; return R; }
    friend constexpr bool operator==(TFontStyles A, TFontStyles B) = default;

private:
    static constexpr unsigned Bit(TFontStyle S) { return 1u << static_cast<unsigned>(S); }
    unsigned FBits = 0;
};

struct TFont {
    QString Name = QStringLiteral("Tahoma");
    int Size = 8;                 // points (at 96 pixels per inch)
    TColor Color = clWindowText;
    TFontStyles Style;
    int Orientation = 0;          // tenths of a degree, counter-clockwise
    friend bool operator==(const TFont &, const TFont &) = default;
    // Height of the font in pixels (Size at 96 pixels per inch).
    int Pixel_Height() const;
    QFont To_QFont() const;
};
