// Face layout of the push button: rectangles, frames and colours computed
// without drawing, with a fixed-width fake font so that positions are exact.
#include "controls/FxButtons.h"
#include <gtest/gtest.h>

namespace {

// Every character 6 pixels wide (7 when bold), lines 13 high; word breaking
// puts as many whole words on a line as fit.
class TFakeMeasure : public IFxTextMeasure
{
public:
    static int Char_Width(const QFont &F) { return F.bold() ? 7 : 6; }
    int Text_Width(const QFont &Font, const QString &Text) const override
    {
        return static_cast<int>(Text.size()) * Char_Width(Font);
    }
    QSize Text_Extent(const QFont &Font, const QString &Text, int Width) const override
    {
        if (Text.isEmpty())
            return QSize(0, 0);
        const int Cw = Char_Width(Font);
        int Lines = 1, Line = 0, Widest = 0;
        for (const QString &Word : Text.split(' ')) {
            const int Ww = static_cast<int>(Word.size()) * Cw;
            const int With = Line == 0 ? Ww : Line + Cw + Ww;
            if (Line > 0 && With > Width) {
                ++Lines;
                Line = Ww;
            } else
                Line = With;
            Widest = std::max(Widest, Line);
        }
        return QSize(Widest, Lines * 13);
    }
};

QImage Strip(int Width, int Height)
{
    QImage I(Width, Height, QImage::Format_RGB32);
    I.fill(Qt::red);
    return I;
}

TFxButtonLook Base()
{
    TFxButtonLook L;
    L.Width = 100;
    L.Height = 23;
    L.Caption = "Save";   // 24 x 13
    L.Glyph = Strip(36, 18);
    L.NumGlyphs = 2;      // fw 18, gh 18
    return L;
}

struct TLayoutCase {
    const char *Name;
    std::function<void(TFxButtonLook &)> Setup;
    QRect Text;        // text left, top, L, th
    QPoint Glyph;
    QString Caption;   // after fitting
};

} // namespace

// Placement per layout, alignment, press and glyph; W 100, H 23, fw = gh = 18, "Save" 24 x 13.
TEST(FxButtonLayout, Rectangles)
{
    const TLayoutCase Cases[] = {
        // glyph left of the caption: the pair is centred, the text sits right of the glyph column
        {"GlyphLeftCentre", [](TFxButtonLook &) {}, QRect(26, 5, 70, 13), QPoint(27, 2), "Save"},
        {"GlyphLeftLeft", [](TFxButtonLook &L) { L.Alignment = taLeftJustify; }, QRect(26, 5, 70, 13), QPoint(4, 2), "Save"},
        {"GlyphLeftRight", [](TFxButtonLook &L) { L.Alignment = taRightJustify; }, QRect(26, 5, 70, 13), QPoint(50, 2), "Save"},
        // with word wrap the glyph stays at the left edge whatever the alignment
        {"GlyphLeftWordWrap", [](TFxButtonLook &L) { L.WordWrap = true; }, QRect(26, 5, 70, 13), QPoint(4, 2), "Save"},
        // glyph right of the caption
        {"GlyphRightCentre", [](TFxButtonLook &L) { L.Layout = blGlyphRight; }, QRect(4, 5, 70, 13), QPoint(55, 2), "Save"},
        {"GlyphRightLeft", [](TFxButtonLook &L) { L.Layout = blGlyphRight; L.Alignment = taLeftJustify; },
         QRect(4, 5, 70, 13), QPoint(32, 2), "Save"},
        {"GlyphRightRight", [](TFxButtonLook &L) { L.Layout = blGlyphRight; L.Alignment = taRightJustify; },
         QRect(4, 5, 70, 13), QPoint(78, 2), "Save"},
        {"GlyphRightWordWrap", [](TFxButtonLook &L) { L.Layout = blGlyphRight; L.WordWrap = true; },
         QRect(4, 5, 70, 13), QPoint(32, 2), "Save"},
        // pressed (not bsEncarta): text and glyph one pixel right and down
        {"PressedNormal", [](TFxButtonLook &L) { L.Pressed = true; }, QRect(27, 6, 70, 13), QPoint(28, 3), "Save"},
        // bsEncarta pressed: no offset, bold text (28 wide)
        {"PressedEncarta", [](TFxButtonLook &L) { L.Pressed = true; L.Style = bsEncarta; },
         QRect(26, 5, 70, 13), QPoint(25, 2), "Save"},
        // disabled never shows pressed
        {"PressedDisabled", [](TFxButtonLook &L) { L.Pressed = true; L.Enabled = false; },
         QRect(26, 5, 70, 13), QPoint(27, 2), "Save"},
        // glyph above the caption: block of th + gh + 4 centred; text directly below the glyph
        {"GlyphTopCentre", [](TFxButtonLook &L) { L.Layout = blGlyphTop; L.Height = 50; },
         QRect(4, 25, 92, 13), QPoint(41, 7), "Save"},
        {"GlyphTopLeft", [](TFxButtonLook &L) { L.Layout = blGlyphTop; L.Height = 50; L.Alignment = taLeftJustify; },
         QRect(4, 25, 92, 13), QPoint(4, 7), "Save"},
        {"GlyphTopRight", [](TFxButtonLook &L) { L.Layout = blGlyphTop; L.Height = 50; L.Alignment = taRightJustify; },
         QRect(4, 25, 92, 13), QPoint(78, 7), "Save"},
        // a block taller than the button starts above it (division truncates toward zero)
        {"GlyphTopTooTall", [](TFxButtonLook &L) { L.Layout = blGlyphTop; }, QRect(4, 12, 92, 13), QPoint(41, -6), "Save"},
        {"GlyphBottomCentre", [](TFxButtonLook &L) { L.Layout = blGlyphBottom; L.Height = 50; },
         QRect(4, 7, 92, 13), QPoint(41, 20), "Save"},
        {"GlyphBottomPressed", [](TFxButtonLook &L) { L.Layout = blGlyphBottom; L.Height = 50; L.Pressed = true; },
         QRect(5, 8, 92, 13), QPoint(42, 21), "Save"},
        // no glyph: the whole width less 8 for the text
        {"NoGlyph", [](TFxButtonLook &L) { L.Glyph = QImage(); L.NumGlyphs = 0; }, QRect(4, 5, 92, 13), QPoint(36, 11), "Save"},
        // NumGlyphs 0 with a glyph assigned reserves no glyph space
        {"NumGlyphsZero", [](TFxButtonLook &L) { L.NumGlyphs = 0; }, QRect(4, 5, 92, 13), QPoint(36, 2), "Save"},
        // an empty caption centres the glyph alone
        {"EmptyCaption", [](TFxButtonLook &L) { L.Caption.clear(); }, QRect(26, 11, 70, 0), QPoint(41, 2), ""},
        // a caption wider than L loses characters from its end
        {"FitBesideGlyph", [](TFxButtonLook &L) { L.Caption = "ABCDEFGHIJKLMNOP"; }, QRect(26, 5, 70, 13),
         QPoint(6, 2), "ABCDEFGHIJK"},
        {"FitWithoutGlyph", [](TFxButtonLook &L) { L.Caption = "ABCDEFGHIJKLMNOP"; L.Glyph = QImage(); },
         QRect(4, 5, 92, 13), QPoint(3, 11), "ABCDEFGHIJKLMNO"},
        // with word wrap it wraps instead
        {"WordWrapWraps", [](TFxButtonLook &L) { L.Caption = "Save all the files"; L.WordWrap = true; },
         QRect(26, -1, 70, 26), QPoint(4, 2), "Save all the files"},
        // a button narrower than its margins has no room for text at all
        {"TooNarrow", [](TFxButtonLook &L) { L.Width = 20; }, QRect(26, 11, 0, 0), QPoint(1, 2), ""},
        // bsShape: glyph centred, text centred over it across the whole width
        {"ShapeCentred", [](TFxButtonLook &L) { L.Style = bsShape; }, QRect(0, 5, 100, 18), QPoint(41, 2), "Save"},
        {"ShapePressed", [](TFxButtonLook &L) { L.Style = bsShape; L.Pressed = true; }, QRect(1, 6, 99, 17),
         QPoint(41, 2), "Save"},
    };
    for (const TLayoutCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFxButtonLook L = Base();
        Case.Setup(L);
        const TFxFaceLayout R = Fx_Face_Layout(L, TFakeMeasure());
        EXPECT_EQ(R.Text, Case.Text);
        EXPECT_EQ(R.Glyph_Pos, Case.Glyph);
        EXPECT_EQ(R.Caption, Case.Caption);
    }
}

// Frame index: 1 disabled; else 3 hot (>= 4 frames), 2 pressed (>= 3 frames), pressed wins.
TEST(FxButtonLayout, FrameIndex)
{
    struct TCase {
        const char *Name;
        int NumGlyphs;
        bool Enabled, Hot, Pressed;
        int Index, Frame_Width;
    };
    const TCase Cases[] = {
        {"Normal", 4, true, false, false, 0, 18},
        {"HotFourFrames", 4, true, true, false, 3, 18},
        {"HotThreeFrames", 3, true, true, false, 0, 24},
        {"PressedThreeFrames", 3, true, false, true, 2, 24},
        {"PressedTwoFrames", 2, true, false, true, 0, 36},
        {"PressedWinsOverHot", 4, true, true, true, 2, 18},
        {"DisabledOneFrame", 1, false, true, true, 1, 72},
        {"NoFrames", 0, true, false, false, 0, 0},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFxButtonLook L = Base();
        L.Glyph = Strip(72, 18);
        L.NumGlyphs = Case.NumGlyphs;
        L.Enabled = Case.Enabled;
        L.Hot = Case.Hot;
        L.Pressed = Case.Pressed;
        const TFxFaceLayout R = Fx_Face_Layout(L, TFakeMeasure());
        EXPECT_EQ(R.Frame_Index, Case.Index);
        EXPECT_EQ(R.Frame_Width, Case.Frame_Width);
        EXPECT_EQ(R.Frame_Height, 18);
    }
}

// Face colour: hot-track blend while enabled, ColorWhenDown while pressed.
TEST(FxButtonLayout, FaceColour)
{
    struct TCase {
        const char *Name;
        TColor HotTrack, WhenDown;
        int Step;
        bool Enabled, Pressed;
        TColor Face;
    };
    const TCase Cases[] = {
        {"Plain", clNone, clNone, 8, true, false, 0x204060},
        {"HotFull", 0x0080FF, clNone, 8, true, false, 0x0080FF},
        {"HotHalf", 0x0080FF, clNone, 4, true, false, RGB_Color(175, 96, 16)},
        {"HotZero", 0x0080FF, clNone, 0, true, false, 0x204060},
        {"PressedTakesWhenDown", 0x0080FF, 0x00FF00, 8, true, true, 0x00FF00},
        {"PressedWithoutWhenDownKeepsBlend", 0x0080FF, clNone, 8, true, true, 0x0080FF},
        {"DisabledIgnoresBoth", 0x0080FF, 0x00FF00, 8, false, true, 0x204060},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFxButtonLook L = Base();
        L.Color = 0x204060;
        L.HotTrackColor = Case.HotTrack;
        L.ColorWhenDown = Case.WhenDown;
        L.HotTrackStep = Case.Step;
        L.Enabled = Case.Enabled;
        L.Pressed = Case.Pressed;
        EXPECT_EQ(Fx_Face_Layout(L, TFakeMeasure()).Face, Case.Face);
    }
}

// Text colour: the font's, gray while disabled, except bsShape keeps the font's.
TEST(FxButtonLayout, TextColourAndFont)
{
    TFxButtonLook L = Base();
    L.Font_Color = clWhite;
    EXPECT_EQ(Fx_Face_Layout(L, TFakeMeasure()).Text_Color, clWhite);
    L.Enabled = false;
    EXPECT_EQ(Fx_Face_Layout(L, TFakeMeasure()).Text_Color, clGray);
    L.Style = bsShape;
    EXPECT_EQ(Fx_Face_Layout(L, TFakeMeasure()).Text_Color, clWhite);

    // bold only for a pressed bsEncarta button
    L = Base();
    L.Style = bsEncarta;
    EXPECT_FALSE(Fx_Face_Layout(L, TFakeMeasure()).Font.bold());
    L.Pressed = true;
    EXPECT_TRUE(Fx_Face_Layout(L, TFakeMeasure()).Font.bold());
    L.Style = bsNormal;
    EXPECT_FALSE(Fx_Face_Layout(L, TFakeMeasure()).Font.bold());
}

TEST(FxButtonLayout, HotTrackBlend)
{
    struct TCase {
        const char *Name;
        TColor Color, Hot;
        int Step;
        TColor Result;
    };
    const TCase Cases[] = {
        {"StepZeroIsColor", 0x102030, 0xF0E0D0, 0, 0x102030},
        {"StepEightIsHot", 0x102030, 0xF0E0D0, 8, 0xF0E0D0},
        // channels truncated: 255 * 7/8 = 223.125
        {"Truncated", 0xFFFFFF, 0x000000, 1, 0xDFDFDF},
        // system colours are resolved before blending
        {"SystemColour", clBtnFace, clBlack, 8, 0x000000},
        {"SystemColourZero", clBtnFace, clBlack, 0, Color_To_RGB(clBtnFace)},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(GetHotTrackBlendColor(Case.Color, Case.Hot, Case.Step), Case.Result);
    }
}
