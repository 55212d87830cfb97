// Painting of the push button: the rendered face checked at the pixels that
// matter for each style and state, plus screenshots of all of them.
#include "TestSupport.h"
#include "controls/FxButton.h"
#include <QDir>
#include <QApplication>
#include <QEnterEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int W = 100;
constexpr int H = 23;
constexpr TColor Face = 0xEDF7F8;
constexpr TColor Light = 0x00FF00;
constexpr TColor Shadow = 0x0000FF;
constexpr TColor WhenDown = 0x0080FF;
constexpr TColor HotTrack = 0x00FFFF;
constexpr TColor Transparent = -1;   // expected: fully transparent pixel
const TColor DkShadow = Color_To_RGB(cl3DDkShadow);
constexpr TColor Inverted_Face = Face ^ 0xFFFFFF;   // focus-rectangle dot on the face

// Colour of band I of a gradient from A to B (what DrawFxGradient fills).
TColor Band(TColor A, TColor B, int I)
{
    auto C = [I](int F, int T) { return (F * 31 + (T - F) * I) / 31; };
    return RGB_Color(C(Get_R_Value(A), Get_R_Value(B)), C(Get_G_Value(A), Get_G_Value(B)),
                     C(Get_B_Value(A), Get_B_Value(B)));
}

TColor Pixel(const QImage &Img, int X, int Y)
{
    const QRgb P = Img.pixel(X, Y);
    if (qAlpha(P) == 0)
        return Transparent;
    return RGB_Color(qRed(P), qGreen(P), qBlue(P));
}

TFxButtonLook Plain()
{
    TFxButtonLook L;
    L.Width = W;
    L.Height = H;
    L.Color = Face;
    L.LightColor = Light;
    L.ShadowColor = Shadow;
    L.ColorWhenDown = WhenDown;
    L.HotTrackColor = HotTrack;
    return L;
}

// A two-frame 10 x 10 strip: frame 0 red, frame 1 blue, bottom-left of each green (transparent).
QImage Test_Glyph(int Frames = 2)
{
    QImage G(10 * Frames, 10, QImage::Format_RGB32);
    for (int F = 0; F < Frames; ++F) {
        for (int Y = 0; Y < 10; ++Y)
            for (int X = 0; X < 10; ++X)
                G.setPixel(F * 10 + X, Y, F == 0 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
        G.setPixel(F * 10, 9, qRgb(0, 255, 0));
    }
    return G;
}

struct TPixelCheck {
    int X, Y;
    TColor Color;
};

struct TPaintCase {
    const char *Name;
    std::function<void(TFxButtonLook &)> Setup;
    std::vector<TPixelCheck> Checks;
};

int Count_Pixels(const QImage &Img, const QRect &Area, const std::function<bool(QRgb)> &Match)
{
    int N = 0;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            if (Match(Img.pixel(X, Y)))
                ++N;
    return N;
}

} // namespace

TEST(FxButtonPaint, FramesAndFaces)
{
    const TPaintCase Cases[] = {
        // raised frame: light top and left, shadow right and bottom
        {"NormalIdle", [](TFxButtonLook &) {},
         {{0, 0, Light}, {50, 0, Light}, {W - 1, 0, Shadow}, {0, H - 1, Light}, {50, H - 1, Shadow},
          {W - 1, H - 1, Shadow}, {0, 10, Light}, {W - 1, 10, Shadow}, {1, 1, Face}, {50, 11, Face}}},
        // sunken frame and the pressed colour
        {"NormalPressed", [](TFxButtonLook &L) { L.Pressed = true; },
         {{0, 0, Shadow}, {W - 1, 0, Light}, {0, H - 1, Shadow}, {W - 1, H - 1, Light}, {50, 11, WhenDown}}},
        // hot: the face blends toward the hot-track colour by the step
        {"NormalHotFull", [](TFxButtonLook &L) { L.Hot = true; L.HotTrackStep = 8; },
         {{0, 0, Light}, {50, 11, HotTrack}}},
        {"NormalHotHalf", [](TFxButtonLook &L) { L.Hot = true; L.HotTrackStep = 4; },
         {{50, 11, GetHotTrackBlendColor(Face, HotTrack, 4)}}},
        {"DisabledNoBlendNoPress", [](TFxButtonLook &L) { L.Enabled = false; L.HotTrackStep = 8; L.Pressed = true; },
         {{0, 0, Light}, {W - 1, H - 1, Shadow}, {50, 11, Face}}},
        // a flat button shows its frame only while hot or pressed, never while disabled
        {"FlatIdle", [](TFxButtonLook &L) { L.Flat = true; }, {{0, 0, Face}, {W - 1, H - 1, Face}}},
        {"FlatHot", [](TFxButtonLook &L) { L.Flat = true; L.Hot = true; }, {{0, 0, Light}, {W - 1, H - 1, Shadow}}},
        {"FlatPressed", [](TFxButtonLook &L) { L.Flat = true; L.Pressed = true; }, {{0, 0, Shadow}}},
        {"FlatDisabledHot", [](TFxButtonLook &L) { L.Flat = true; L.Hot = true; L.Enabled = false; },
         {{0, 0, Face}, {W - 1, H - 1, Face}}},
        {"EncartaPressed", [](TFxButtonLook &L) { L.Style = bsEncarta; L.Pressed = true; },
         {{0, 0, Shadow}, {W - 1, H - 1, Light}, {50, 11, WhenDown}}},
        // old style: inner shadow line, dark outer shadow
        {"OldIdle", [](TFxButtonLook &L) { L.Style = bsOld; },
         {{0, 0, Light}, {W - 2, 0, Light}, {W - 1, 0, DkShadow}, {W - 2, 5, Shadow}, {W - 1, 5, DkShadow},
          {5, H - 2, Shadow}, {5, H - 1, DkShadow}, {0, H - 1, DkShadow}, {0, H - 2, Light}, {1, 1, Face}}},
        {"OldPressed", [](TFxButtonLook &L) { L.Style = bsOld; L.Pressed = true; },
         {{1, 5, Shadow}, {5, 1, Shadow}, {0, 0, DkShadow}, {5, 0, DkShadow}, {W - 1, 5, Light},
          {5, H - 1, Light}, {0, H - 1, Light}, {50, 11, WhenDown}}},
        // focused old style: black outer frame, face inset by one pixel, focus dots still at (4, 4)
        {"OldFocused", [](TFxButtonLook &L) { L.Style = bsOld; L.Focused = true; },
         {{0, 0, clBlack}, {50, 0, clBlack}, {W - 1, H - 1, clBlack}, {0, 11, clBlack}, {1, 1, Light},
          {W - 2, 5, DkShadow}, {W - 3, 5, Shadow}, {4, 4, Inverted_Face}, {5, 4, Face}}},
        // focused old style pressed: the face gets the shadow colour as its light colour
        {"OldFocusedPressed", [](TFxButtonLook &L) { L.Style = bsOld; L.Focused = true; L.Pressed = true; },
         {{0, 0, clBlack}, {1, 1, DkShadow}, {W - 2, 5, Shadow}}},
        // focus rectangle: every other pixel of (4, 4, W - 4, H - 4) inverted
        {"NormalFocused", [](TFxButtonLook &L) { L.Focused = true; },
         {{4, 4, Inverted_Face}, {5, 4, Face}, {6, 4, Inverted_Face}, {3, 3, Face}, {94, 4, Inverted_Face},
          {95, 4, Face}, {4, 18, Inverted_Face}, {4, 19, Face}, {0, 0, Light}}},
        {"DisabledFocusedHasNoFocusRect", [](TFxButtonLook &L) { L.Focused = true; L.Enabled = false; },
         {{4, 4, Face}, {6, 4, Face}}},
        // modern: gradient from the light colour at the top to the face at a quarter and back, rounded
        // outline; in a short span later bands overwrite earlier ones (row 2 is band 10 of 3 rows)
        {"Modern", [](TFxButtonLook &L) { L.Style = bsModern; },
         {{0, 0, Transparent}, {50, 0, Shadow}, {50, 1, Face}, {50, 2, Band(Light, Face, 10)}, {50, 5, Band(Face, Light, 1)},
          {50, 20, Band(Face, Light, 29)}, {50, 21, Face},
          {50, H - 1, Shadow}, {W - 1, 11, Shadow}, {W - 2, 11, Face}, {0, 11, Shadow}, {1, 11, Face}}},
        {"ModernPressed", [](TFxButtonLook &L) { L.Style = bsModern; L.Pressed = true; },
         {{50, 1, Shadow}, {50, 6, Band(WhenDown, Light, 1)}}},
        // Quicken: filled rounded face, shadow lines along the top and bottom edges
        {"Quicken", [](TFxButtonLook &L) { L.Style = bsQuicken; },
         {{0, 0, Transparent}, {3, 0, Transparent}, {4, 0, Shadow}, {50, 0, Shadow}, {W - 6, 0, Shadow},
          {W - 5, 0, Transparent}, {50, 1, Face}, {0, 11, Face}, {W - 1, 11, Face}, {50, H - 1, Shadow}}},
        // shape: everything transparent, no frame, no focus rectangle
        {"Shape", [](TFxButtonLook &L) { L.Style = bsShape; L.Focused = true; },
         {{0, 0, Transparent}, {4, 4, Transparent}, {50, 11, Transparent}, {W - 1, H - 1, Transparent}}},
        // glyph: the frame's bottom-left colour is transparent
        {"GlyphNormal", [](TFxButtonLook &L) { L.Glyph = Test_Glyph(); L.NumGlyphs = 2; },
         {{47, 8, 0x0000FF}, {45, 15, Face}, {46, 15, 0x0000FF}, {44, 8, Face}, {55, 8, Face}}},
        {"GlyphDisabled", [](TFxButtonLook &L) { L.Glyph = Test_Glyph(); L.NumGlyphs = 2; L.Enabled = false; },
         {{47, 8, 0xFF0000}, {45, 15, Face}}},
        // a disabled one-frame glyph shows frame 0 (frame 1 lies beyond the strip)
        {"GlyphDisabledOneFrame", [](TFxButtonLook &L) { L.Glyph = Test_Glyph(1); L.NumGlyphs = 1; L.Enabled = false; },
         {{47, 8, 0x0000FF}}},
        // NumGlyphs 0 draws no glyph
        {"GlyphNoFrames", [](TFxButtonLook &L) { L.Glyph = Test_Glyph(); L.NumGlyphs = 0; }, {{47, 8, Face}}},
        // popup arrow: black triangle 5, 3, 1 at (W - 11, H div 2 - 1), white shown transparent
        {"PopupArrow", [](TFxButtonLook &L) { L.Has_Popup_Menu = true; },
         {{89, 10, clBlack}, {93, 10, clBlack}, {90, 11, clBlack}, {92, 11, clBlack}, {89, 11, Face},
          {91, 12, clBlack}, {90, 12, Face}, {88, 10, Face}}},
    };
    for (const TPaintCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TFxButtonLook L = Plain();
        Case.Setup(L);
        const QImage Img = Render_FxButton(L);
        ASSERT_EQ(Img.size(), QSize(L.Width, L.Height));
        for (const TPixelCheck &C : Case.Checks) {
            SCOPED_TRACE(QString("pixel (%1, %2)").arg(C.X).arg(C.Y).toStdString());
            EXPECT_EQ(Pixel(Img, C.X, C.Y), C.Color);
        }
    }
}

// The caption's colour: font colour, gray when disabled, bold when an Encarta button is pressed.
TEST(FxButtonPaint, CaptionColours)
{
    TFxButtonLook L = Plain();
    L.Caption = "Save";
    L.Font_Color = clBlack;
    const QRect Text_Area(20, 2, 60, 19);
    auto Exact = [](TColor C) {
        return [C](QRgb P) { return qAlpha(P) != 0 && RGB_Color(qRed(P), qGreen(P), qBlue(P)) == C; };
    };
    const QImage Normal = Render_FxButton(L);
    EXPECT_GT(Count_Pixels(Normal, Text_Area, Exact(clBlack)), 5);

    L.Enabled = false;
    const QImage Disabled = Render_FxButton(L);
    EXPECT_GT(Count_Pixels(Disabled, Text_Area, Exact(clGray)), 5);
    EXPECT_EQ(Count_Pixels(Disabled, Text_Area, Exact(clBlack)), 0);

    // a pressed Encarta caption is bold: more ink than the plain one
    L = Plain();
    L.Caption = "Save";
    L.Style = bsEncarta;
    L.ColorWhenDown = clNone;
    auto Ink = [](QRgb P) { return qGray(P) < 100; };
    const int Plain_Ink = Count_Pixels(Render_FxButton(L), Text_Area, Ink);
    L.Pressed = true;
    const int Bold_Ink = Count_Pixels(Render_FxButton(L), Text_Area, Ink);
    EXPECT_GT(Bold_Ink, Plain_Ink);
}

// The gradient fills its rectangle exactly, in 32 bands from the from colour.
TEST(FxButtonPaint, Gradient)
{
    QImage Img(10, 80, QImage::Format_ARGB32);
    Img.fill(Qt::transparent);
    {
        QPainter P(&Img);
        DrawFxGradient(P, RGB_Color(0, 0, 0), RGB_Color(248, 124, 31), 2, 5, 8, 67);
    }
    // span 62: band i starts at 5 + 2i, 3 rows high (clipped by the next band)
    EXPECT_EQ(Pixel(Img, 2, 5), RGB_Color(0, 0, 0));
    EXPECT_EQ(Pixel(Img, 2, 7), RGB_Color(8, 4, 1));
    EXPECT_EQ(Pixel(Img, 7, 65), RGB_Color(240, 120, 30));   // band 30
    EXPECT_EQ(Pixel(Img, 1, 30), Transparent);
    EXPECT_EQ(Pixel(Img, 8, 30), Transparent);
    EXPECT_EQ(Pixel(Img, 5, 4), Transparent);
    EXPECT_EQ(Pixel(Img, 5, 67), Transparent);
    // an empty span draws nothing
    QImage Empty(10, 10, QImage::Format_ARGB32);
    Empty.fill(Qt::transparent);
    {
        QPainter P(&Empty);
        DrawFxGradient(P, clBlack, clWhite, 0, 5, 10, 5);
        DrawFxGradient(P, clBlack, clWhite, 0, 6, 10, 2);
    }
    EXPECT_EQ(Count_Pixels(Empty, Empty.rect(), [](QRgb P) { return qAlpha(P) != 0; }), 0);
}

// The stock pictures: two 18-pixel frames (FXALL 19 high), background in the bottom-left corner.
TEST(FxButtonPaint, BitmapResources)
{
    const char *Names[] = {"FXOK", "FXCANCEL", "FXHELP", "FXYES", "FXNO", "FXCLOSE", "FXABORT", "FXRETRY",
                           "FXIGNORE", "FXALL"};
    for (const char *Name : Names) {
        SCOPED_TRACE(Name);
        const QImage G = Fx_Bitmap_Resource(Name);
        ASSERT_FALSE(G.isNull());
        EXPECT_EQ(G.width(), 36);
        EXPECT_EQ(G.height(), QString(Name) == "FXALL" ? 19 : 18);
        const QRgb Key = G.pixel(0, G.height() - 1);
        EXPECT_EQ(G.pixel(18, G.height() - 1), Key);
        // both frames carry a picture, and they differ
        const QImage F0 = G.copy(0, 0, 18, G.height());
        const QImage F1 = G.copy(18, 0, 18, G.height());
        EXPECT_GT(Count_Pixels(F0, F0.rect(), [Key](QRgb P) { return P != Key; }), 10);
        EXPECT_GT(Count_Pixels(F1, F1.rect(), [Key](QRgb P) { return P != Key; }), 10);
        EXPECT_NE(F0, F1);
    }
    const QImage Arrow = Fx_Bitmap_Resource("FXARROW");
    ASSERT_EQ(Arrow.size(), QSize(5, 3));
    EXPECT_EQ(Arrow.pixel(0, 2), qRgb(255, 255, 255));
    EXPECT_EQ(Arrow.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_TRUE(Fx_Bitmap_Resource("FXNOSUCH").isNull());
}

// A sheet of every style in every state, and the stock kinds, for a person to look at.
TEST(FxButtonPaint, Screenshots)
{
    const TFxButtonStyle Styles[] = {bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken};
    struct TState {
        const char *Name;
        std::function<void(TFxButtonLook &)> Setup;
    };
    const TState States[] = {
        {"normal", [](TFxButtonLook &) {}},
        {"hot", [](TFxButtonLook &L) { L.Hot = true; L.HotTrackStep = 8; }},
        {"pressed", [](TFxButtonLook &L) { L.Pressed = true; L.Hot = true; L.HotTrackStep = 8; }},
        {"focused", [](TFxButtonLook &L) { L.Focused = true; L.Hot = true; }},
        {"disabled", [](TFxButtonLook &L) { L.Enabled = false; }},
    };
    QImage Sheet(5 * 110 + 10, 6 * 33 + 10, QImage::Format_ARGB32);
    Sheet.fill(QColor(248, 247, 237));
    {
        QPainter P(&Sheet);
        int Row = 0;
        for (TFxButtonStyle S : Styles) {
            int Col = 0;
            for (const TState &St : States) {
                TFxButtonLook L;
                L.Width = 100;
                L.Height = 25;
                L.Caption = "&Speichern";
                L.Color = 0xEDF7F8;
                L.LightColor = clGray;
                L.HotTrackColor = clYellow;
                L.ColorWhenDown = 0x0080FF;
                L.Style = S;
                L.Glyph = Fx_Bitmap_Resource("FXOK");
                L.NumGlyphs = 2;
                St.Setup(L);
                P.drawImage(10 + Col * 110, 10 + Row * 33, Render_FxButton(L));
                ++Col;
            }
            ++Row;
        }
    }
    const QString Path = QDir(Test_Output_Dir()).filePath("fxbutton_styles.png");
    ASSERT_TRUE(Sheet.save(Path));

    // the stock kinds and the presets on real buttons
    QWidget Panel;
    Panel.resize(5 * 110 + 10, 5 * 33 + 10);
    Panel.setStyleSheet("background: rgb(248, 247, 237)");
    Panel.setAutoFillBackground(true);
    int I = 0;
    for (int K = bkOK; K <= bkAll; ++K, ++I) {
        auto *B = new TFxButton(&Panel);
        B->setGeometry(10 + (I % 5) * 110, 10 + (I / 5) * 33, 100, 25);
        B->Set_Style(bsEncarta);
        B->Set_Kind(static_cast<TFxButtonKind>(K));
        if (K == bkHelp)
            B->setEnabled(false);
    }
    I = 10;
    for (int C = lcsGold; C <= lcsQuicken; ++C, ++I) {
        auto *B = new TFxButton(&Panel);
        B->setGeometry(10 + (I % 5) * 110, 10 + (I / 5) * 33, 100, 25);
        B->Set_ColorStyle(static_cast<TFxColorStyle>(C));
        B->Set_Caption(QString("Preset %1").arg(C));
    }
    const QImage Shot(Save_Screenshot(&Panel, "fxbutton_kinds_presets"));
    Expect_Window_Picture(Shot, &Panel);
    // every button draws its face, frame and caption on its own rectangle
    for (const TFxButton *B : Panel.findChildren<TFxButton *>()) {
        SCOPED_TRACE(B->Caption().toStdString());
        EXPECT_GT(Distinct_Colours(Shot, B->geometry()), 2);
    }
}

// A preset on a real button: white text on the dark Quicken face.
TEST(FxButtonPaint, QuickenPresetOnWidget)
{
    QWidget Parent;
    Parent.resize(120, 40);
    auto *B = new TFxButton(&Parent);
    B->setGeometry(0, 0, 100, 23);
    B->Set_Caption("OK");
    B->Set_ColorStyle(lcsQuicken);
    const QImage Img = B->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(Img.size(), QSize(100, 23));
    EXPECT_EQ(Pixel(Img, 50, 3), RGB_Color(0x00, 0x30, 0x60));   // 0x603000 is blue-ish
    EXPECT_GT(Count_Pixels(Img, QRect(35, 4, 30, 15), [](QRgb P) { return qGray(P) > 200; }), 5);
}

// A real button driven through its events, its window grabbed after each step:
// the states reach the picture.
TEST(FxButtonPaint, WidgetStatesOnGrabbedWindow)
{
    const QColor Back(248, 247, 237);
    const TColor Back_Color = RGB_Color(248, 247, 237);
    QWidget Window;
    Window.resize(200, 60);
    QPalette Pal = Window.palette();
    Pal.setColor(QPalette::Window, Back);
    Window.setPalette(Pal);
    Window.setAutoFillBackground(true);
    auto *B = new TFxButton(&Window);
    B->setGeometry(10, 10, W, H);
    B->Set_Style(bsEncarta);
    B->Set_Color(Face);
    B->Set_LightColor(Light);
    B->Set_ShadowColor(Shadow);
    B->Set_HotTrackColor(HotTrack);
    B->Set_ColorWhenDown(WhenDown);
    auto *Other = new QWidget(&Window);   // takes the focus away when asked
    Other->setFocusPolicy(Qt::StrongFocus);
    Other->setGeometry(150, 10, 20, 20);
    Window.show();
    Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Window));
    Other->setFocus();

    struct TStep {
        const char *Name;
        std::function<void()> Act;
        std::vector<TPixelCheck> Checks;   // in button coordinates
    };
    const TStep Steps[] = {
        {"Normal", [] {}, {{0, 0, Light}, {W - 1, H - 1, Shadow}, {50, 11, Face}, {4, 4, Face}}},
        {"Hot",
         [&] {
             QEnterEvent E(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
             QApplication::sendEvent(B, &E);
         },
         {{0, 0, Light}, {50, 11, HotTrack}}},
        {"Pressed", [&] { QTest::mousePress(B, Qt::LeftButton, {}, QPoint(5, 5)); },
         {{0, 0, Shadow}, {W - 1, H - 1, Light}, {50, 11, WhenDown}}},
        {"ReleasedFocused", [&] { QTest::mouseRelease(B, Qt::LeftButton, {}, QPoint(5, 5)); },
         {{0, 0, Light}, {50, 11, HotTrack}, {4, 4, HotTrack ^ 0xFFFFFF}, {5, 4, HotTrack}}},
        {"Left",
         [&] {
             QEvent E(QEvent::Leave);
             QApplication::sendEvent(B, &E);
         },
         {{50, 11, Face}, {4, 4, Inverted_Face}}},
        {"Disabled", [&] { B->setEnabled(false); }, {{0, 0, Light}, {50, 11, Face}, {4, 4, Face}}},
        {"ModernShowsParent", [&] { B->setEnabled(true); Other->setFocus(); B->Set_Style(bsModern); },
         {{0, 0, Back_Color}, {50, 0, Shadow}, {50, 1, Face}}},
        {"QuickenPreset", [&] { B->Set_ColorStyle(lcsQuicken); },
         {{0, 0, Back_Color}, {50, 0, 0xC0C0C0}, {50, 11, 0x603000}}},
    };
    for (const TStep &Step : Steps) {
        SCOPED_TRACE(Step.Name);
        Step.Act();
        QApplication::processEvents();
        const QImage Img = Window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
        for (const TPixelCheck &C : Step.Checks) {
            SCOPED_TRACE(QString("pixel (%1, %2)").arg(C.X).arg(C.Y).toStdString());
            EXPECT_EQ(Pixel(Img, 10 + C.X, 10 + C.Y), C.Color);
        }
        Save_Screenshot(&Window, QString("fxbutton_state_%1").arg(Step.Name));
    }
}
