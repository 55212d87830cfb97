#include "grid/base/DrawRoutines.h"
#include <gtest/gtest.h>

namespace {
TColor Pixel(const QImage &Img, int X, int Y) { return From_QColor(QColor(Img.pixel(X, Y))); }
} // namespace

// 128 steps over 20 pixels: steps limited to 19, 20 bands, the last in the end colour.
TEST(DrawGradient, BandsLimitedBySize)
{
    TRecordingCanvas C(40, 40);
    DrawGradient(C, clBlack, clWhite, 128, TRect(0, 0, 20, 10), true);
    ASSERT_EQ(C.Count(TCanvasOp::Rectangle), 20);
    EXPECT_EQ(C.Ops().back().Brush.Color, clWhite);
    EXPECT_EQ(C.Ops().front().Brush.Color, clBlack);
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 0, 5), clBlack);
    EXPECT_EQ(Pixel(Img, 19, 5), clWhite);
    EXPECT_EQ(Pixel(Img, 20, 5), clWhite);   // background, outside
}

// One colour clNone: a plain fill in the other; a zero-height rectangle draws nothing.
TEST(DrawGradient, NoneColourFillsPlain)
{
    TRecordingCanvas C(40, 40);
    DrawGradient(C, clNone, clRed, 64, TRect(0, 0, 10, 10), false);
    ASSERT_EQ(C.Count(TCanvasOp::Rectangle), 1);
    EXPECT_EQ(Pixel(C.Image(), 5, 5), clRed);
    C.Clear_Ops();
    DrawGradient(C, clRed, clBlue, 64, TRect(0, 5, 10, 5), false);
    EXPECT_TRUE(C.Ops().empty());
}

// Mirrored fill: upper half from -> to, lower half mirror from -> mirror to.
TEST(FillGradientMirror, VerticalHalves)
{
    TRecordingCanvas C(20, 40);
    FillGradientMirror(C, TRect(0, 0, 20, 40), clRed, clRed, clBlue, clBlue, true, clNone, false, true);
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 10, 5), clRed);
    EXPECT_EQ(Pixel(Img, 10, 19), clRed);
    EXPECT_EQ(Pixel(Img, 10, 20), clBlue);
    EXPECT_EQ(Pixel(Img, 10, 39), clBlue);
}

// Colour arithmetic, including an empty blend range (no division by zero).
TEST(ColorArithmetic, BlendHalveScale)
{
    EXPECT_EQ(BlendColorAt(clBlack, clNone, 0, 10, 5), clBlack);
    EXPECT_EQ(BlendColorAt(clBlack, clWhite, 0, 10, 5), RGB_Color(128, 128, 128));
    EXPECT_EQ(BlendColorAt(clRed, clWhite, 4, 4, 4), clRed);
    EXPECT_EQ(HalveColor(clWhite), RGB_Color(127, 127, 127));
    EXPECT_EQ(ScaleColorPercent(RGB_Color(100, 250, 0), 7), RGB_Color(107, 255, 0));
    EXPECT_EQ(ScaleColorPercent(RGB_Color(100, 200, 50), -20), RGB_Color(80, 160, 40));
}

// Progress bar: 150 % with an empty format fills the whole bar; equal bounds do not divide by zero.
TEST(DrawProgressBar, ClampsAndSurvivesEqualBounds)
{
    TRecordingCanvas C(120, 30);
    DrawProgressBar(C, TRect(2, 2, 102, 22), clLime, clBlack, clWhite, clBlack, 150, 0, 0, 0, 100, QString(), clNone,
                    false);
    bool Text = false;
    for (const TCanvasOp &Op : C.Ops())
        Text = Text || (Op.Kind == TCanvasOp::TextRect && Op.Text == "150%" && Op.Rect == TRect(2, 2, 102, 22));
    EXPECT_TRUE(Text);
    EXPECT_EQ(Pixel(C.Image(), 99, 20), clLime);
    TRecordingCanvas D(120, 30);
    DrawProgressBar(D, TRect(2, 2, 102, 22), clLime, clBlack, clWhite, clBlack, 5, 0, 0, 5, 5, QStringLiteral("%d V"),
                    clNone, false);
    bool Formatted = false;
    for (const TCanvasOp &Op : D.Ops())
        Formatted = Formatted || (Op.Kind == TCanvasOp::TextRect && Op.Text == "5 V");
    EXPECT_TRUE(Formatted);
    EXPECT_EQ(Pixel(D.Image(), 99, 20), clLime);   // value reached the (empty) range: complete
}

// Shapes: a circle in a 30 x 20 box is 20 x 20.
TEST(DrawCellShape, CircleIsSquare)
{
    TRecordingCanvas C(40, 40);
    DrawCellShape(C, 0, 0, 30, 20, csCircle, clRed, clBlack);
    ASSERT_EQ(C.Count(TCanvasOp::Ellipse), 1);
    EXPECT_EQ(C.Ops()[0].Rect, TRect(0, 0, 20, 20));
    C.Clear_Ops();
    DrawCellShape(C, 0, 0, 30, 20, 19, clRed, clBlack);
    EXPECT_TRUE(C.Ops().empty());
}

// Centred bar: -200 of 100 fills the whole left half.
TEST(DrawCenteredBar, ClampsToTheHalf)
{
    TRecordingCanvas C(60, 20);
    DrawCenteredBar(C, TRect(0, 0, 44, 14), -200, 100, false, clRed, clGreen);
    ASSERT_EQ(C.Count(TCanvasOp::Rectangle), 1);
    EXPECT_EQ(C.Ops()[0].Rect, TRect(2, 2, 22, 12));
}

// Styled progress: not stacked, 100 % uses level 3, 95 % with Level2Perc 90 level 2.
TEST(DrawProgressBarStyled, LevelColours)
{
    TStyledProgress S;
    S.ShowGradient = false;
    S.ShowPercentage = false;
    struct TCase { const char *Name; int Percent; TColor Want; };
    const TCase Cases[] = {{"Full", 100, S.Level3Color}, {"AboveLevel2", 95, S.Level2Color},
                           {"Low", 10, S.Level0Color}, {"Middle", 80, S.Level1Color}};
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        TRecordingCanvas C(120, 20);
        DrawProgressBarStyled(C, TRect(0, 0, 102, 16), K.Percent, S);
        EXPECT_EQ(Pixel(C.Image(), 5, 8), K.Want);
    }
}
