#include "dropdowns/DropDownDraw.h"
#include "TestSupport.h"
#include "toolkit/ImageList.h"
#include <QDir>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
TColor Pixel(const QImage &Img, int X, int Y) { return From_QColor(QColor(Img.pixel(X, Y))); }

std::vector<TCanvasOp> Ops_Of(const TRecordingCanvas &C, TCanvasOp::TKind Kind)
{
    std::vector<TCanvasOp> R;
    for (const TCanvasOp &Op : C.Ops())
        if (Op.Kind == Kind)
            R.push_back(Op);
    return R;
}

struct TBand {
    TRect Rect;
    TColor Color;
};
} // namespace

struct TBandsCase {
    const char *Name;
    TColor From, To;
    bool LeftToRight;
    TRect R;
    int Steps;
    std::vector<TBand> Bands;
};
const TBandsCase Bands_Cases[] = {
    // no steps: one band in the start colour over the whole rectangle
    {"ZeroStepsIsOneBand", clRed, clBlue, true, TRect(2, 3, 12, 8), 0, {{TRect(2, 3, 12, 8), clRed}}},
    {"NegativeStepsIsOneBand", clRed, clBlue, false, TRect(2, 3, 12, 8), -4, {{TRect(2, 3, 12, 8), clRed}}},
    // 20 pixels of extent in 4 bands of 5 (+1 overlap); the last band stops one step short of the end colour
    {"LeftToRightLastStepShort", clBlack, clWhite, true, TRect(0, 0, 21, 10), 4,
     {{TRect(0, 0, 6, 10), RGB_Color(0, 0, 0)},
      {TRect(5, 0, 11, 10), RGB_Color(64, 64, 64)},
      {TRect(10, 0, 16, 10), RGB_Color(128, 128, 128)},
      {TRect(15, 0, 21, 10), RGB_Color(191, 191, 191)}}},
    // positions 0, 1.25, 2.5, 3.75 and colours 0, 2.5, 5, 7.5 round half to even
    {"TopToBottomHalvesToEven", RGB_Color(0, 0, 0), RGB_Color(10, 0, 20), false, TRect(1, 1, 9, 7), 4,
     {{TRect(1, 1, 9, 3), RGB_Color(0, 0, 0)},
      {TRect(1, 2, 9, 4), RGB_Color(2, 0, 5)},
      {TRect(1, 3, 9, 5), RGB_Color(5, 0, 10)},
      {TRect(1, 5, 9, 7), RGB_Color(8, 0, 15)}}},
    // falling channels round the same way
    {"FallingColour", RGB_Color(10, 0, 0), RGB_Color(0, 0, 0), false, TRect(0, 0, 5, 5), 4,
     {{TRect(0, 0, 5, 2), RGB_Color(10, 0, 0)},
      {TRect(0, 1, 5, 3), RGB_Color(8, 0, 0)},
      {TRect(0, 2, 5, 4), RGB_Color(5, 0, 0)},
      {TRect(0, 3, 5, 5), RGB_Color(2, 0, 0)}}},
    {"EmptyRectangleDrawsNothing", clRed, clBlue, true, TRect(5, 5, 5, 9), 4, {}},
};

TEST(DrawGradientBands, BandRectanglesAndColours)
{
    for (const TBandsCase &Case : Bands_Cases) {
        SCOPED_TRACE(Case.Name);
        TRecordingCanvas C(30, 20);
        C.Pen.Width = 3;   // a wide pen left over from a border must not widen the bands
        DrawGradientBands(C, Case.From, Case.To, Case.LeftToRight, Case.R, Case.Steps);
        const auto Ops = Ops_Of(C, TCanvasOp::Rectangle);
        ASSERT_EQ(Ops.size(), Case.Bands.size());
        ASSERT_EQ(C.Ops().size(), Case.Bands.size());
        for (size_t I = 0; I < Ops.size(); ++I) {
            SCOPED_TRACE(I);
            EXPECT_EQ(Ops[I].Rect, Case.Bands[I].Rect);
            EXPECT_EQ(Ops[I].Brush.Color, Case.Bands[I].Color);
            EXPECT_EQ(Ops[I].Pen.Color, Case.Bands[I].Color);
            EXPECT_EQ(Ops[I].Pen.Width, 1);
            EXPECT_EQ(Ops[I].Brush.Style, bsSolid);
        }
    }
}

// 80 bands in a 22-pixel bar: the ends and the middle of the painted strip.
TEST(DrawGradientBands, PixelsAtEndsAndMiddle)
{
    TRecordingCanvas C(40, 30);
    DrawGradientBands(C, clSilver, clWhite, false, TRect(0, 0, 40, 22), 80);
    const QImage Img = C.Image();
    // each row shows the last band that starts on it: band n starts at
    // nearest(n * 21 / 80) and has 192 + nearest(n * 63 / 80)
    // row 0: n = 1 (0.2625 -> 0), 192 + nearest(0.7875)
    EXPECT_EQ(Pixel(Img, 10, 0), RGB_Color(193, 193, 193));
    // row 11: n = 43 (11.2875 -> 11; n = 40 gives 10.5 -> 10), 192 + nearest(33.8625)
    EXPECT_EQ(Pixel(Img, 10, 11), RGB_Color(226, 226, 226));
    // row 21: the last band n = 79, 192 + nearest(62.2125): one step short of white
    EXPECT_EQ(Pixel(Img, 10, 21), RGB_Color(254, 254, 254));
    EXPECT_EQ(Pixel(Img, 10, 22), clWhite);   // the canvas's own background below
}

// System colours are resolved before the arithmetic.
TEST(DrawGradientBands, ResolvesSystemColours)
{
    TRecordingCanvas C(10, 10);
    DrawGradientBands(C, clBtnFace, clBtnFace, true, TRect(0, 0, 10, 10), 2);
    ASSERT_EQ(C.Ops().size(), 2u);
    EXPECT_EQ(C.Ops()[1].Brush.Color, Color_To_RGB(clBtnFace));
}

struct TBlendCase {
    const char *Name;
    TColor Color1, Color2;
    int Percent;
    TColor Result;
};
const TBlendCase Blend_Cases[] = {
    // 127.5 rounds to the even 128
    {"HalfWhiteHalfBlack", clWhite, clBlack, 50, 0x808080},
    {"HundredIsFirst", clRed, clBlue, 100, clRed},
    {"AboveHundredIsFirst", clRed, clBlue, 150, clRed},
    {"ZeroIsSecond", clRed, clBlue, 0, clBlue},
    {"NegativeIsSecond", clRed, clBlue, -5, clBlue},
    // 0.25 * 3 + 0.75 * 1 = 1.5 -> 2, computed as a whole and not as 1 + round(0.5)
    {"HalfRoundsToEven", RGB_Color(5, 0, 0), clBlack, 50, RGB_Color(2, 0, 0)},
    {"HalfToEvenOfTheWhole", RGB_Color(3, 0, 0), RGB_Color(1, 0, 0), 25, RGB_Color(2, 0, 0)},
    // the header's light inner frame: 20 % border colour, 80 % white
    {"LightFrameOfBlack", clBlack, clWhite, 20, RGB_Color(204, 204, 204)},
    {"ChannelsApart", RGB_Color(200, 100, 0), RGB_Color(0, 50, 255), 40, RGB_Color(80, 70, 153)},
};

TEST(ColourArithmetic, BlendColor)
{
    for (const TBlendCase &Case : Blend_Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(BlendColor(Case.Color1, Case.Color2, Case.Percent), Case.Result);
    }
    const TColor Face = Color_To_RGB(clBtnFace);
    EXPECT_EQ(BlendColor(clBtnFace, Face, 30), Face);
}

struct TAdjustCase {
    const char *Name;
    TColor Color;
    int DR, DG, DB;
    TColor Result;
};
const TAdjustCase Adjust_Cases[] = {
    // the bar button's checked colours from its hot ones (202.5 -> 202)
    {"CheckedFromHot", 0xF5F0E1, -10, -10, 0, 0xF5D8CA},
    {"CheckedFromHotTo", 0xF9D2B2, -10, -10, 0, 0xF9BDA0},
    {"NeverBrightens", RGB_Color(100, 100, 100), 30, 1, 0, RGB_Color(100, 100, 100)},
    {"ZeroChannelTakesDelta", RGB_Color(0, 0, 0), 20, -5, 0, RGB_Color(20, 0, 0)},
    {"ZeroChannelStaysInByte", RGB_Color(0, 0, 0), 300, 0, 0, RGB_Color(255, 0, 0)},
    {"BeyondMinusHundredIsBlack", RGB_Color(100, 50, 10), -150, -100, -99, RGB_Color(0, 0, 0)},
};

TEST(ColourArithmetic, AdjustColorChannels)
{
    for (const TAdjustCase &Case : Adjust_Cases) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(AdjustColorChannels(Case.Color, Case.DR, Case.DG, Case.DB), Case.Result);
    }
}

TEST(DrawBackground, GradientPlainAndBorder)
{
    const TRect R(0, 0, 30, 20);
    {
        SCOPED_TRACE("HorizontalGradientWithBorder");
        TRecordingCanvas C(40, 30);
        DrawBackground(C, R, clRed, clBlue, gdHorizontal, 2, clBlack);
        const auto Bands = Ops_Of(C, TCanvasOp::Rectangle);
        ASSERT_EQ(Bands.size(), 81u);
        EXPECT_EQ(Bands[0].Rect.Top, 0);
        EXPECT_EQ(Bands[0].Rect.Bottom, 20);   // a vertical strip: the colour runs left to right
        EXPECT_EQ(Bands.back().Rect, R);
        EXPECT_EQ(Bands.back().Pen.Width, 2);
        EXPECT_EQ(Bands.back().Pen.Color, clBlack);
        EXPECT_EQ(Bands.back().Brush.Style, bsClear);
    }
    {
        SCOPED_TRACE("VerticalGradient");
        TRecordingCanvas C(40, 30);
        DrawBackground(C, R, clRed, clBlue, gdVertical, 1, clNone);
        const auto Bands = Ops_Of(C, TCanvasOp::Rectangle);
        ASSERT_EQ(Bands.size(), 80u);
        EXPECT_EQ(Bands[0].Rect.Left, 0);
        EXPECT_EQ(Bands[0].Rect.Right, 30);
    }
    {
        SCOPED_TRACE("PlainFillNoBorderWidth");
        TRecordingCanvas C(40, 30);
        DrawBackground(C, R, clRed, clNone, gdVertical, 0, clBlack);
        ASSERT_EQ(C.Ops().size(), 1u);
        EXPECT_EQ(C.Ops()[0].Kind, TCanvasOp::FillRect);
        EXPECT_EQ(C.Ops()[0].Brush.Color, clRed);
        EXPECT_EQ(Pixel(C.Image(), 29, 19), clRed);
    }
    {
        SCOPED_TRACE("NoColoursNoBorder");
        TRecordingCanvas C(40, 30);
        DrawBackground(C, R, clNone, clNone, gdVertical, 1, clNone);
        EXPECT_TRUE(C.Ops().empty());
    }
}

TEST(DrawImageText, PictureThenLeftTextOrCentredText)
{
    TImageList Images(16, 12);
    QImage Pic(16, 12, QImage::Format_ARGB32);
    Pic.fill(Qt::red);
    Images.Add(Pic);
    const TRect R(10, 0, 110, 24);
    const struct {
        const char *Name;
        QString Text;
        int ImageIndex;
        const TImageList *List;
        bool Picture;
        TRect Text_Rect;
        unsigned Align;
    } Cases[] = {
        {"PictureAndText", "Caption", 0, &Images, true, TRect(34, 0, 110, 24), DT_LEFT},
        {"TextOnlyIsCentred", "Caption", 0, nullptr, false, R, DT_CENTER},
        {"NoIndexIsCentred", "Caption", -1, &Images, false, R, DT_CENTER},
        // an index beyond the list draws nothing but still makes room
        {"IndexBeyondList", "Caption", 5, &Images, false, TRect(34, 0, 110, 24), DT_LEFT},
        {"EmptyText", "", 0, &Images, true, TRect(), 0},
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TRecordingCanvas C(120, 30);
        DrawImageText(C, R, Case.Text, Case.ImageIndex, Case.List);
        const auto Draws = Ops_Of(C, TCanvasOp::Draw);
        ASSERT_EQ(Draws.size(), Case.Picture ? 1u : 0u);
        if (Case.Picture) {
            EXPECT_EQ(Draws[0].Rect, TRect(14, 6, 30, 18));
        }
        const auto Texts = Ops_Of(C, TCanvasOp::DrawText);
        ASSERT_EQ(Texts.size(), Case.Text.isEmpty() ? 0u : 1u);
        if (Texts.empty())
            continue;
        EXPECT_EQ(Texts[0].Rect, Case.Text_Rect);
        EXPECT_EQ(Texts[0].Format, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | Case.Align);
    }
}

// The corner colour becomes the background; the bitmap fills the rectangle.
TEST(DrawBitmapOnColor, ReplacesCornerColourAndStretches)
{
    QImage Bmp(2, 2, QImage::Format_RGB32);
    Bmp.fill(Qt::magenta);
    Bmp.setPixel(1, 1, qRgb(0, 0, 255));
    TRecordingCanvas C(10, 10);
    DrawBitmapOnColor(C, Bmp, clLime, TRect(2, 2, 6, 6));
    ASSERT_EQ(C.Ops().size(), 1u);
    EXPECT_EQ(C.Ops()[0].Kind, TCanvasOp::StretchDraw);
    const QImage Img = C.Image();
    EXPECT_EQ(Pixel(Img, 2, 2), clLime);
    EXPECT_EQ(Pixel(Img, 5, 2), clLime);
    EXPECT_EQ(Pixel(Img, 5, 5), clBlue);
    EXPECT_EQ(Pixel(Img, 1, 1), clWhite);
    C.Clear_Ops();
    DrawBitmapOnColor(C, QImage(), clLime, TRect(0, 0, 4, 4));
    EXPECT_TRUE(C.Ops().empty());
}

TEST(TextFitting, GetTextSize)
{
    TRecordingCanvas C(10, 10);
    EXPECT_EQ(GetTextSize(C, ""), QSize(0, 0));
    const QSize S = GetTextSize(C, "Hello");
    EXPECT_EQ(S.width(), C.TextWidth("Hello"));
    EXPECT_EQ(S.height(), C.TextHeight("Hello"));
    // one line, whatever the breaks
    EXPECT_EQ(GetTextSize(C, "Hello\nWorld").height(), S.height());
}

namespace {
// Measures every character 10 pixels wide and a lone half of a surrogate
// pair as nothing, as some fonts do.
class TTenPixelCanvas : public TRecordingCanvas {
public:
    int DrawText(TRect &R, const QString &Text, unsigned Format) override
    {
        if (!(Format & DT_CALCRECT))
            return TRecordingCanvas::DrawText(R, Text, Format);
        int Width = 0;
        for (qsizetype I = 0; I < Text.size(); ++I) {
            if (Text[I].isHighSurrogate() && I + 1 < Text.size() && Text[I + 1].isLowSurrogate()) {
                Width += 10;
                ++I;
            } else if (!Text[I].isSurrogate()) {
                Width += 10;
            }
        }
        R = TRect(R.Left, R.Top, R.Left + Width, R.Top + 10);
        return 10;
    }
};
} // namespace

TEST(TextFitting, FitText)
{
    TTenPixelCanvas C;
    const QString Text = "Hello World";   // 110 pixels
    const struct {
        const char *Name;
        QString Text;
        int Max;
        bool Ellipsis;
        QString Fitted;
    } Cases[] = {
        // a text that fits stays as it is, even with an ellipsis wanted
        {"FitsExactly", Text, 110, true, Text},
        {"FitsWithRoom", Text, 200, false, Text},
        // the first shorter candidate that is narrower than the limit
        {"CutWithoutEllipsis", Text, 71, false, "Hello W"},
        {"CutWithEllipsis", Text, 81, true, "Hello..."},
        // a candidate as wide as the limit is not narrower than it
        {"EqualWidthIsNotEnough", Text, 70, false, "Hello "},
        {"DownToTheEllipsis", Text, 31, true, "..."},
        // nothing fits: the whole text stays
        {"NothingFits", Text, 0, true, Text},
        {"NothingFitsEllipsisTooWide", Text, 30, true, Text},
        // a character outside the basic plane is cut whole, never half of it
        {"SurrogatePairCutWhole", QStringLiteral("ab\U0001F600\U0001F600"), 39, false,
         QStringLiteral("ab\U0001F600")},
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QString Fitted = "junk";
        FitText(C, Case.Text, Case.Max, Fitted, Case.Ellipsis);
        EXPECT_EQ(Fitted, Case.Fitted);
    }
}

TEST(DrawMarkupText, MeasuresOrDraws)
{
    TRecordingCanvas C(200, 40);
    EXPECT_EQ(DrawMarkupText(C, "", TRect(0, 0, 200, 40), nullptr, true, nullptr), QSize(0, 0));
    EXPECT_TRUE(C.Ops().empty());
    const QSize Measured = DrawMarkupText(C, "<b>Bold</b> text", TRect(0, 0, 200, 40), nullptr, false, nullptr);
    EXPECT_GT(Measured.width(), C.TextWidth("Bold text") - 1);
    EXPECT_GT(Measured.height(), 0);
    const QImage Before = C.Image();
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 200; ++X)
            ASSERT_EQ(Pixel(Before, X, Y), clWhite) << X << "," << Y;
    const QSize Drawn = DrawMarkupText(C, "<b>Bold</b> text", TRect(0, 0, 200, 40), nullptr, true, nullptr);
    EXPECT_EQ(Drawn, Measured);
    const QImage After = C.Image();
    int Dark = 0;
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 200; ++X)
            Dark += Pixel(After, X, Y) != clWhite;
    EXPECT_GT(Dark, 10);
}

// Links in the drop-down family's markup are grey.
TEST(DrawMarkupText, LinksAreGrey)
{
    TRecordingCanvas C(200, 40);
    C.Font.Color = clBlack;
    DrawMarkupText(C, "<a href=\"x\">Link Link</a>", TRect(0, 0, 200, 40), nullptr, true, nullptr);
    const QImage Img = C.Image();
    int Grey = 0, Black = 0;
    for (int Y = 0; Y < 40; ++Y)
        for (int X = 0; X < 200; ++X) {
            Grey += Pixel(Img, X, Y) == clGray;
            Black += Pixel(Img, X, Y) == clBlack;
        }
    EXPECT_GT(Grey, 5);
    EXPECT_EQ(Black, 0);
}

TEST(PaintCtrls, PaintsChildrenFromFirstOn)
{
    QWidget Parent;
    Parent.resize(60, 20);
    auto Child = [&](int X, Qt::GlobalColor Colour) {
        auto *W = new QWidget(&Parent);
        W->setGeometry(X, 0, 20, 20);
        W->setAutoFillBackground(true);
        QPalette P = W->palette();
        P.setColor(QPalette::Window, Colour);
        W->setPalette(P);
        return W;
    };
    QWidget *Red = Child(0, Qt::red);
    QWidget *Green = Child(20, Qt::green);
    QWidget *Blue = Child(40, Qt::blue);
    Blue->hide();
    const struct {
        const char *Name;
        QWidget *First;
        TColor At0, At20, At40;
    } Cases[] = {
        {"AllVisible", nullptr, clRed, clLime, clWhite},
        {"FromSecond", Green, clWhite, clLime, clWhite},
        {"FromFirst", Red, clRed, clLime, clWhite},
    };
    for (const auto &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        QImage Img(60, 20, QImage::Format_RGB32);
        Img.fill(Qt::white);
        {
            QPainter P(&Img);
            TWinCtrl::PaintCtrls(P, &Parent, Case.First);
        }
        EXPECT_EQ(Pixel(Img, 5, 5), Case.At0);
        EXPECT_EQ(Pixel(Img, 25, 5), Case.At20);
        EXPECT_EQ(Pixel(Img, 45, 5), Case.At40);
    }
}

// A picture to look at: bands both ways, faces with borders, fitted captions.
TEST(DropDownDrawScreenshot, BandsFacesAndTexts)
{
    QImage Img(260, 150, QImage::Format_RGB32);
    Img.fill(Qt::white);
    {
        QPainter P(&Img);
        TPainterCanvas C(P);
        DrawGradientBands(C, clSilver, clWhite, false, TRect(5, 5, 125, 27), 80);
        DrawGradientBands(C, RGB_Color(0, 64, 160), RGB_Color(255, 220, 120), true, TRect(135, 5, 255, 27), 80);
        DrawBackground(C, TRect(5, 35, 125, 60), RGB_Color(225, 240, 245), RGB_Color(180, 210, 230), gdVertical, 1,
                       RGB_Color(70, 90, 120));
        DrawBackground(C, TRect(135, 35, 255, 60), clYellow, clNone, gdVertical, 2,
                       BlendColor(clBlack, clWhite, 20));
        TImageList Images(16, 16);
        QImage Pic(16, 16, QImage::Format_ARGB32);
        Pic.fill(Qt::darkGreen);
        Images.Add(Pic);
        C.Brush.Style = bsClear;
        C.Font.Color = clBlack;
        DrawImageText(C, TRect(5, 35, 125, 60), "Picture and a long caption", 0, &Images);
        DrawImageText(C, TRect(135, 35, 255, 60), "Centred", -1, nullptr);
        QString Fitted;
        FitText(C, "A caption much too long for its box", 110, Fitted, true);
        DrawBackground(C, TRect(5, 70, 125, 95), clWhite, clNone, gdVertical, 1, clGray);
        C.Brush.Style = bsClear;
        TRect T(8, 70, 125, 95);
        C.DrawText(T, Fitted, DT_SINGLELINE | DT_VCENTER);
        DrawMarkupText(C, "<b>Header</b> <i>caption</i>", TRect(135, 74, 255, 95), nullptr, true, nullptr);
        DrawGradientBands(C, clBlack, clWhite, true, TRect(5, 105, 255, 145), 0);
        DrawGradientBands(C, clRed, clBlue, true, TRect(5, 125, 255, 145), 8);
    }
    const QString Path = QDir(Test_Output_Dir()).filePath("dropdown_draw.png");
    ASSERT_TRUE(Img.save(Path));
    EXPECT_EQ(Pixel(Img, 10, 110), clBlack);   // one band of no steps: the start colour
}
