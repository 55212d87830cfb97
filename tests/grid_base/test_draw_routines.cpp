#include "grid/base/DrawRoutines.h"
#include "platform/SystemInfo.h"
#include "TestSupport.h"
#include <QPainter>
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

// A platform without layered-window calls answers true: the window stays opaque.
TEST(LayeredWindows, MissingCallsCountAsSuccess)
{
    EXPECT_EQ(Set_Layered_Window_Attributes(nullptr, clNone, 128, LWA_ALPHA), lcMissing);
    EXPECT_TRUE(DynSetLayeredWindowAttributes(nullptr, clNone, 128, LWA_ALPHA));
    const TBlendFunction Blend{0, 0, 200, 1};
    const TPoint Pos(10, 20), Size(30, 40), Src(0, 0);
    EXPECT_TRUE(DynUpdateLayeredWindow(nullptr, nullptr, &Pos, &Size, nullptr, &Src, clNone, &Blend, ULW_ALPHA));
}

// The themed look draws through Qt's style while the system reports a theme, and as
// the classic look without one; colour tones draw the state's tone.
TEST(ButtonFaces, ThemedClassicAndTones)
{
    using TDraw = void (*)(TCanvas &, const QWidget *, const TRect &, int, int, const TColorTones &);
    struct TCase { const char *Name; TDraw Draw; };
    const TCase Cases[] = {
        {"PushButton", DrawButtonFace},
        {"ComboButton", DrawComboButton},
        {"SpinButtons", DrawSpinButtons},
    };
    TColorTones Tones;
    Tones.Hover = {clYellow, clRed, clBlack};
    Tones.Background = {clAqua, clBlue, clBlack};
    const TRect R(0, 0, 40, 22);
    auto Image = [&](TDraw Draw, int Look, int State, int *Ops = nullptr) {
        TRecordingCanvas C(40, 22);
        Draw(C, nullptr, R, Look, State, Tones);
        if (Ops)
            *Ops = static_cast<int>(C.Ops().size());
        return C.Image();
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        {
            TSystemInfoGuard Guard;
            System_Info().Theme_Active = false;
            EXPECT_EQ(Image(C.Draw, 0, 0), Image(C.Draw, 1, 0));
        }
        {
            TSystemInfoGuard Guard;
            System_Info().Theme_Active = true;
            System_Info().ComCtl_Major = 6;
            int Ops = -1;
            const QImage Themed = Image(C.Draw, 0, 0, &Ops);
            EXPECT_EQ(Ops, 0);   // nothing through the canvas primitives
            TRecordingCanvas Blank(40, 22);
            EXPECT_NE(Themed, Blank.Image());
        }
        // Looks outside 0..3 draw nothing.
        int Ops = -1;
        Image(C.Draw, 4, 0, &Ops);
        EXPECT_EQ(Ops, 0);
    }
    // A picture for the eye: rows push button, combo button, spin buttons; columns
    // themed, classic, flat, colour tones (hot).
    {
        TSystemInfoGuard Guard;
        System_Info().Theme_Active = true;
        System_Info().ComCtl_Major = 6;
        QImage Sheet(4 * 50, 3 * 30, QImage::Format_RGB32);
        Sheet.fill(Qt::white);
        QPainter P(&Sheet);
        TPainterCanvas Canvas(P);
        for (int Row = 0; Row < 3; ++Row)
            for (int Look = 0; Look < 4; ++Look)
                Cases[Row].Draw(Canvas, nullptr, TRect(Look * 50 + 4, Row * 30 + 4, Look * 50 + 44, Row * 30 + 26),
                                Look, Look == 3 ? 1 : 0, Tones);
        P.end();
        Sheet.save(Test_Output_Dir() + QStringLiteral("/button_faces.png"));
    }
    // The colour-tones push button: the hover tone's brush and border.
    const QImage Hot = Image(DrawButtonFace, 3, 1);
    EXPECT_EQ(Pixel(Hot, 10, 10), clYellow);
    EXPECT_EQ(Pixel(Hot, 0, 10), clRed);
}

// The wave runs from the first character's left edge to the last one's, one step beyond.
TEST(DrawErrorWave, RunsUnderTheRange)
{
    struct TCase { const char *Name; int First, Length; };
    const TCase Cases[] = {
        {"InsideTheText", 1, 2},
        {"ReachesTheEnd", 2, 9},
        {"StartsPastTheEnd", 7, 1},
    };
    const QString Text = QStringLiteral("abcdef");
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TRecordingCanvas Canvas(200, 40);
        const TRect R(10, 5, 190, 35);
        DrawErrorWave(Canvas, Text, R, 12, C.First, C.Length);
        auto Left_Of = [&](int I) { return Canvas.TextWidth(Text.left(I)); };
        const int X0 = C.First >= Text.size() ? Canvas.TextWidth(Text) + 4 : Left_Of(C.First);
        const int Last = C.First + C.Length - 1;
        const int X1 = std::max(X0, Last >= Text.size() - 1 ? Left_Of(Text.size() - 1) + 4 : Left_Of(Last));
        std::vector<TCanvasOp> Lines;
        for (const TCanvasOp &Op : Canvas.Ops())
            if (Op.Kind == TCanvasOp::LineTo)
                Lines.push_back(Op);
        ASSERT_FALSE(Lines.empty());
        EXPECT_EQ(Lines.front().Rect.Left, R.Left + X0);
        EXPECT_EQ(Lines.front().Rect.Top, R.Top + 12 + 3);
        EXPECT_GT(Lines.back().Rect.Right, R.Left + X1);
        EXPECT_LE(Lines.back().Rect.Right, R.Left + X1 + 3);
        for (const TCanvasOp &Op : Lines) {
            EXPECT_EQ(Op.Pen.Width, 2);
            EXPECT_EQ(Op.Pen.Color, clRed);
            EXPECT_EQ(Op.Rect.Right - Op.Rect.Left, 3);
        }
    }
}

// The pie: the sector clockwise from twelve o'clock is filled up to the grey border,
// the rest keeps the brush; drawn as a polygon in place of a flood fill.
TEST(DrawProgressPie, SectorFilledClockwise)
{
    struct TCase { const char *Name; int Percent; bool TopRight, BottomRight, BottomLeft, TopLeft; };
    const TCase Cases[] = {
        {"Zero", 0, false, false, false, false},
        {"Quarter", 25, true, false, false, false},
        {"Half", 50, true, true, false, false},
        {"ThreeQuarters", 75, true, true, true, false},
        {"Full", 100, true, true, true, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TRecordingCanvas Canvas(60, 60);
        Canvas.Brush.Color = clWhite;
        DrawProgressPie(Canvas, TRect(5, 5, 55, 55), clLime, C.Percent, false);
        const QImage Img = Canvas.Image();
        EXPECT_EQ(Pixel(Img, 40, 15) == clLime, C.TopRight);
        EXPECT_EQ(Pixel(Img, 40, 40) == clLime, C.BottomRight);
        EXPECT_EQ(Pixel(Img, 15, 40) == clLime, C.BottomLeft);
        EXPECT_EQ(Pixel(Img, 15, 15) == clLime, C.TopLeft);
        EXPECT_EQ(Pixel(Img, 30, 5), clGray);   // the border stays grey
        EXPECT_NE(Pixel(Img, 1, 1), clLime);    // nothing outside the ellipse
    }
    // A picture of the four quarters for the eye.
    QImage Sheet(240, 60, QImage::Format_RGB32);
    Sheet.fill(Qt::white);
    {
        QPainter P(&Sheet);
        TPainterCanvas Canvas(P);
        for (int I = 0; I < 4; ++I) {
            Canvas.Brush.Color = clWhite;
            DrawProgressPie(Canvas, TRect(5 + I * 60, 5, 55 + I * 60, 55), clLime, 10 + I * 30, false);
        }
    }
    Sheet.save(Test_Output_Dir() + QStringLiteral("/progress_pie.png"));
}
