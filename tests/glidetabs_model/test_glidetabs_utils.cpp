#include "controls/GlideTabsUtils.h"
#include <gtest/gtest.h>

namespace {

// Every curve at its start, a quarter, three quarters and its end (b = 10, c = 100, d = 200).
struct TEaseCase
{
    const char *Name;
    TGlideTabsEaseType Type;
    double Start, Quarter, ThreeQuarters, End;
};
const TEaseCase Ease_Cases[] = {
    {"LinearTween", ttLinearTween, 10, 35, 85, 110},
    {"EaseInQuad", ttEaseInQuad, 10, 16.25, 66.25, 110},
    {"EaseOutQuad", ttEaseOutQuad, 10, 53.75, 103.75, 110},
    {"EaseInOutQuad", ttEaseInOutQuad, 10, 22.5, 97.5, 110},
    {"EaseInCubic", ttEaseInCubic, 10, 11.5625, 52.1875, 110},
    {"EaseOutCubic", ttEaseOutCubic, 10, 67.8125, 108.4375, 110},
    {"EaseInOutCubic", ttEaseInOutCubic, 10, 16.25, 103.75, 110},
    {"EaseInQuart", ttEaseInQuart, 10, 10.390625, 41.640625, 110},
    {"EaseOutQuart", ttEaseOutQuart, 10, 78.359375, 109.609375, 110},
    {"EaseInOutQuart", ttEaseInOutQuart, 10, 13.125, 106.875, 110},
    {"EaseInQuint", ttEaseInQuint, 10, 10.09765625, 33.73046875, 110},
    {"EaseOutQuint", ttEaseOutQuint, 10, 86.26953125, 109.9023438, 110},
    {"EaseInOutQuint", ttEaseInOutQuint, 10, 11.5625, 108.4375, 110},
    {"EaseInSine", ttEaseInSine, 10, 17.61204675, 71.73165676, 110},
    {"EaseOutSine", ttEaseOutSine, 10, 48.26834324, 102.3879533, 110},
    {"EaseInOutSine", ttEaseInOutSine, 10, 24.64466094, 95.35533906, 110},
    {"EaseInExpo", ttEaseInExpo, 10.09765625, 10.55242717, 27.67766953, 110},
    {"EaseOutExpo", ttEaseOutExpo, 10, 92.32233047, 109.4475728, 109.9023438},
    {"EaseInOutExpo", ttEaseInOutExpo, 10.04882812, 11.5625, 108.4375, 109.9511719},
    {"EaseInCirc", ttEaseInCirc, 10, 13.17541634, 43.85621722, 110},
    {"EaseOutCirc", ttEaseOutCirc, 10, 76.14378278, 106.8245837, 110},
    {"EaseInOutCirc", ttEaseInOutCirc, 10, 16.69872981, 103.3012702, 110},
};

TEST(GlideTabsEase, EveryCurveAtStartMiddleAndEnd)
{
    for (const TEaseCase &C : Ease_Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_NEAR(EaseValue(0, 10, 100, 200, C.Type), C.Start, 1e-7);
        EXPECT_NEAR(EaseValue(50, 10, 100, 200, C.Type), C.Quarter, 1e-7);
        EXPECT_NEAR(EaseValue(150, 10, 100, 200, C.Type), C.ThreeQuarters, 1e-7);
        EXPECT_NEAR(EaseValue(200, 10, 100, 200, C.Type), C.End, 1e-7);
    }
}

// Exponential curves have no special case at their ends.
TEST(GlideTabsEase, ExponentialCurvesKeepTheirOffsetAtTheEnds)
{
    EXPECT_DOUBLE_EQ(EaseValue(0, 0, 1024, 100, ttEaseInExpo), 1.0);
    EXPECT_DOUBLE_EQ(EaseValue(100, 0, 1024, 100, ttEaseOutExpo), 1023.0);
}

TEST(GlideTabsEase, NoneAnswersZero) { EXPECT_EQ(EaseValue(50, 10, 100, 200, ttNone), 0.0); }

// A zero or negative duration is an animation that is already over.
TEST(GlideTabsEase, ZeroDurationAnswersTheEndValue)
{
    for (const TEaseCase &C : Ease_Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(EaseValue(0, 10, 100, 0, C.Type), 110.0);
        EXPECT_EQ(EaseValue(5, 10, 100, -3, C.Type), 110.0);
    }
}

TEST(GlideTabsEase, UnknownTypeFailsWithInvalidEaseType)
{
    try {
        EaseValue(1, 0, 1, 2, static_cast<TGlideTabsEaseType>(23));
        FAIL() << "no error";
    } catch (const EGlideTabsError &E) {
        EXPECT_STREQ(E.what(), "Invalid Ease Type");
    }
}

TEST(GlideTabsEase, EaseRectRoundsEachEdgeHalfToEven)
{
    const TGlideRect S{0, 0, 10, 10};
    const TGlideRect E{5, 1, 15, 30};
    // Linear at half time: 2.5 -> 2, 0.5 -> 0, 12.5 -> 12, 20 -> 20.
    EXPECT_EQ(EaseRect(S, E, 50, 100, ttLinearTween), TGlideRect(2, 0, 12, 20));
    EXPECT_EQ(EaseRect(S, E, 100, 100, ttLinearTween), E);
    for (std::uint32_t T : {0u, 37u, 100u})
        EXPECT_EQ(EaseRect(E, E, T, 100, ttEaseOutExpo), E);
}

TEST(GlideTabsGeometry, MirroringAndPlacement)
{
    const TGlideRect C{0, 0, 400, 30};
    EXPECT_EQ(MirrorRectInRect(C, {10, 2, 60, 28}), TGlideRect(340, 2, 390, 28));
    const TPolygon P{{1, 2}, {50, 7}, {13, 30}};
    const TGlideRect R{10, 0, 110, 30};
    EXPECT_EQ(MirrorPolygonInRect(R, MirrorPolygonInRect(R, P)), P);
    EXPECT_EQ(MirrorPolygonInRect(R, P)[0], QPoint(119, 2));
    const TGlideRect Place{100, 4, 160, 34};
    EXPECT_EQ(PlacePolygonPoints(Place, {{0, 0}, {60, 30}}, toTop), (TPolygon{{100, 4}, {160, 34}}));
    // Bottom tabs are flipped: y becomes height - y.
    EXPECT_EQ(PlacePolygonPoints(Place, {{0, 0}, {60, 30}}, toBottom), (TPolygon{{100, 34}, {160, 4}}));
    EXPECT_EQ(ShrinkRect({0, 0, 14, 14}, 4), TGlideRect(4, 4, 10, 10));
}

// Containment of an axis-aligned 10 x 10 box: left and top edges in, right and bottom edges out.
struct TContainsCase
{
    const char *Name;
    int X, Y;
    bool Inside;
};
const TContainsCase Contains_Cases[] = {
    {"Centre", 5, 5, true},         {"LeftEdge", 0, 5, true},       {"TopEdge", 5, 0, true},
    {"TopLeftCorner", 0, 0, true},  {"RightEdge", 10, 5, false},    {"BottomEdge", 5, 10, false},
    {"LeftOutside", -1, 5, false},  {"AboveOutside", 5, -1, false}, {"BottomRightCorner", 10, 10, false},
};

TEST(GlideTabsGeometry, PolygonContainmentEdges)
{
    const TPolygon Box{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (const TContainsCase &C : Contains_Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(PolygonContainsPoint(Box, C.X, C.Y), C.Inside);
    }
    EXPECT_FALSE(PolygonContainsPoint({}, 0, 0));
    // A notched outline: the notch is outside.
    const TPolygon Concave{{0, 0}, {20, 0}, {20, 20}, {10, 5}, {0, 20}};
    EXPECT_TRUE(PolygonContainsPoint(Concave, 3, 10));
    EXPECT_FALSE(PolygonContainsPoint(Concave, 10, 15));
}

// Percent stepping of numbers and colours.
struct TColorStepCase
{
    const char *Name;
    TColor Start, Stop;
    int Percent;
    TColor Expected;
};
const TColorStepCase Color_Step_Cases[] = {
    {"BlackToWhiteHalf", 0x000000, 0xFFFFFF, 50, 0x7F7F7F},
    {"Start", 0x102030, 0x405060, 0, 0x102030},
    {"Stop", 0x102030, 0x405060, 100, 0x405060},
    {"Downwards", 0xFF0000, 0x000000, 25, 0xC00000},
    {"EachByteTruncatesTowardZero", 0x0000FF, 0xFF0000, 50, 0x7F0080},
    // A system colour is looked up first instead of stepping its index byte as red.
    {"SystemColourResolved", clGradientActiveCaption, clGradientActiveCaption, 50, RGB_Color(185, 209, 234)},
    // clNone has no colour of its own: it takes the other end's.
    {"NoneTakesOtherEnd", 0x3535C1, clNone, 50, 0x3535C1},
    {"BothNone", clNone, clNone, 50, clNone},
};

TEST(GlideTabsStep, ColourStepping)
{
    for (const TColorStepCase &C : Color_Step_Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(StepColor(C.Start, C.Stop, C.Percent), C.Expected);
    }
}

TEST(GlideTabsStep, NumbersTruncateTowardZero)
{
    EXPECT_EQ(StepInteger(0, 255, 50), 127);
    EXPECT_EQ(StepInteger(255, 0, 50), 128);
    EXPECT_EQ(StepInteger(10, 20, 100), 20);
    EXPECT_FLOAT_EQ(StepSingle(1.0f, 2.0f, 25), 1.25f);
}

TEST(GlideTabsStep, FadeToNoColourFadesTheAlpha)
{
    TColor C = 0;
    int A = 0;
    StepColorAlpha(0x3535C1, 255, clNone, 255, 50, C, A);
    EXPECT_EQ(C, 0x3535C1);
    EXPECT_EQ(A, 128);
    StepColorAlpha(clNone, 0, 0x102030, 200, 100, C, A);
    EXPECT_EQ(C, 0x102030);
    EXPECT_EQ(A, 200);
}

TEST(GlideTabsStep, ToArgbJoinsColourAndAlpha)
{
    EXPECT_EQ(ToArgb(RGB_Color(0x12, 0x34, 0x56), 0x80), 0x80123456u);
    EXPECT_EQ(ToArgb(clGradientActiveCaption, 255), Make_Argb(255, 185, 209, 234));
    EXPECT_EQ(ToArgb(clNone, 255), 0u);
    EXPECT_EQ(ToArgb(0xFFFFFF, 300), 0xFFFFFFFFu);
    EXPECT_EQ(ToArgb(0xFFFFFF, -5), 0x00FFFFFFu);
}

TEST(GlideTabsDragImage, KeyColourBecomesTransparent)
{
    QImage Image(4, 1, QImage::Format_RGB32);
    Image.fill(QColor(10, 20, 30));
    Image.setPixel(1, 0, 0xFFFFFEFF); // the key colour, red FF green FE blue FF
    ConvertToArgbBitmap(Image);
    SetKeyColorAlpha(Image, 0xFFFEFF, 0);
    EXPECT_EQ(qAlpha(Image.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(Image.pixel(0, 0)), 255);
    EXPECT_EQ(QColor(Image.pixel(0, 0)), QColor(10, 20, 30));

    QImage Source(10, 4, QImage::Format_ARGB32), Target;
    Source.fill(Qt::red);
    ScaleBitmapBy(Source, Target, 0.5);
    EXPECT_EQ(Target.size(), QSize(5, 2));
    EXPECT_EQ(Target.format(), QImage::Format_RGB888);
}

} // namespace
