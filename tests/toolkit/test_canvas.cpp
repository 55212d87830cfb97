#include "toolkit/Canvas.h"
#include <QFontMetrics>
#include "platform/Locale.h"
#include <gtest/gtest.h>

namespace {
TColor Pixel(const QImage &Img, int X, int Y) { return From_QColor(QColor(Img.pixel(X, Y))); }
} // namespace

// Rectangle outlines inside its rectangle and fills the inside; Right/Bottom are exclusive.
TEST(Canvas, RectangleOutlinesInsideAndFills)
{
    TRecordingCanvas C(20, 20);
    C.Pen.Color = clRed;
    C.Brush.Color = clBlue;
    C.Rectangle(2, 2, 10, 8);
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 2, 2), clRed);
    EXPECT_EQ(Pixel(Img, 9, 7), clRed);
    EXPECT_EQ(Pixel(Img, 5, 5), clBlue);
    EXPECT_EQ(Pixel(Img, 10, 5), clWhite);
    EXPECT_EQ(Pixel(Img, 5, 8), clWhite);
}

// LineTo stops before its end point; a wide pen covers y - w/2 .. y - w/2 + w - 1.
TEST(Canvas, LineToExcludesEndPointAndCentresWidePens)
{
    TRecordingCanvas C(20, 20);
    C.Pen.Color = clBlack;
    C.MoveTo(1, 3);
    C.LineTo(10, 3);
    C.Pen.Width = 3;
    C.MoveTo(1, 10);
    C.LineTo(10, 10);
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 1, 3), clBlack);
    EXPECT_EQ(Pixel(Img, 9, 3), clBlack);
    EXPECT_EQ(Pixel(Img, 10, 3), clWhite);
    EXPECT_EQ(Pixel(Img, 5, 8), clWhite);
    EXPECT_EQ(Pixel(Img, 5, 9), clBlack);
    EXPECT_EQ(Pixel(Img, 5, 11), clBlack);
    EXPECT_EQ(Pixel(Img, 5, 12), clWhite);
    EXPECT_EQ(C.PenPos(), TPoint(10, 10));
}

// Every call is recorded with the pen, brush and clip it was made with.
TEST(Canvas, RecordsCallsWithTheirState)
{
    TRecordingCanvas C(30, 30);
    C.Brush.Color = clYellow;
    C.Set_Clip_Rect(TRect(0, 0, 10, 10));
    C.FillRect(TRect(0, 0, 20, 20));
    C.Clear_Clip();
    C.Brush.Style = bsClear;
    C.TextOut(1, 1, QStringLiteral("ab"));
    ASSERT_EQ(C.Ops().size(), 4u);
    EXPECT_EQ(C.Ops()[1].Kind, TCanvasOp::FillRect);
    EXPECT_TRUE(C.Ops()[1].Clipped);
    EXPECT_EQ(C.Ops()[1].Clip, TRect(0, 0, 10, 10));
    EXPECT_EQ(C.Ops()[1].Brush.Color, clYellow);
    EXPECT_EQ(C.Ops()[3].Text, QStringLiteral("ab"));
    EXPECT_FALSE(C.Ops()[3].Clipped);
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 0, 9), clYellow);
    EXPECT_EQ(Pixel(Img, 15, 15), clWhite);
}

// DT_CALCRECT measures without drawing; word wrap keeps the width.
TEST(Canvas, DrawTextCalcRectMeasures)
{
    TRecordingCanvas C(100, 100);
    TRect R(0, 0, 1000, 0);
    const int H = C.DrawText(R, QStringLiteral("one\r\ntwo"), DT_CALCRECT);
    EXPECT_EQ(H, R.Height());
    EXPECT_GE(R.Height(), 2 * C.TextHeight(QStringLiteral("x")) - 2);
    EXPECT_EQ(C.TextHeight(QStringLiteral("x")), QFontMetrics(C.Font.To_QFont()).height());
    EXPECT_EQ(C.Font.Pixel_Height(), 11);  // 8 points at 96 pixels per inch
}

// The locale settings are process-wide and a guard restores them.
TEST(Locale, GuardRestoresSettings)
{
    EXPECT_EQ(Format_Settings().DecimalSeparator, u'.');
    {
        TFormatSettings S;
        S.DecimalSeparator = u',';
        S.DateSeparator = u'.';
        S.ShortDateFormat = QStringLiteral("dd.MM.yyyy");
        TFormatSettingsGuard Guard(S);
        EXPECT_EQ(Format_Settings().DecimalSeparator, u',');
        EXPECT_EQ(Format_Settings().DateSeparator, u'.');
    }
    EXPECT_EQ(Format_Settings().DecimalSeparator, u'.');
    EXPECT_EQ(Format_Settings().ShortDateFormat, QStringLiteral("M/d/yyyy"));
}

// Text backgrounds: TextOut and TextRect fill with the brush unless bsClear; DrawText never fills.
TEST(Canvas, TextBackgrounds)
{
    struct TCase { const char *Name; TBrushStyle Style; int Call; TColor Want; };
    const TCase Cases[] = {
        {"TextOutOpaque", bsSolid, 0, clYellow},
        {"TextOutClear", bsClear, 0, clWhite},
        {"TextRectOpaque", bsSolid, 1, clYellow},
        {"DrawTextNeverFills", bsSolid, 2, clWhite},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        TRecordingCanvas C(60, 30);
        C.Brush.Color = clYellow;
        C.Brush.Style = K.Style;
        TRect R(0, 0, 60, 30);
        if (K.Call == 0)
            C.TextOut(2, 2, QStringLiteral("   "));
        else if (K.Call == 1)
            C.TextRect(R, 2, 2, QStringLiteral(" "));
        else
            C.DrawText(R, QStringLiteral("   "), DT_SINGLELINE);
        EXPECT_EQ(Pixel(C.Image(), 3, 4), K.Want);
    }
}

// FrameRect is one pixel in the brush colour; a clear pen fills one pixel less.
TEST(Canvas, FrameRectAndClearPenRectangle)
{
    TRecordingCanvas C(20, 20);
    C.Brush.Color = clRed;
    C.FrameRect(TRect(0, 0, 10, 10));
    C.Pen.Style = psClear;
    C.Brush.Color = clBlue;
    C.Rectangle(TRect(10, 10, 20, 20));
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 0, 5), clRed);
    EXPECT_EQ(Pixel(Img, 9, 5), clRed);
    EXPECT_EQ(Pixel(Img, 5, 5), clWhite);
    EXPECT_EQ(Pixel(Img, 18, 18), clBlue);
    EXPECT_EQ(Pixel(Img, 19, 15), clWhite);
}
