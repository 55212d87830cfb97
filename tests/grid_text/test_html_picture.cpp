#include "grid/base/HTMLPicture.h"
#include "grid/base/MarkupRender.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"
#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
struct TGifFrame {
    int Left, Top, W, H;
    int Colour; // 0 black, 1 red, 2 green, 3 blue
    int Delay;  // hundredths of a second
};

void Put16(QByteArray &B, int V)
{
    B.append(static_cast<char>(V & 0xFF));
    B.append(static_cast<char>((V >> 8) & 0xFF));
}

// A GIF with a four-colour table whose frames are solid rectangles. The
// image data resets the code table before every pixel, so every code stays
// three bits wide.
QByteArray Make_Gif(int Sw, int Sh, const std::vector<TGifFrame> &Frames)
{
    QByteArray B("GIF89a");
    Put16(B, Sw);
    Put16(B, Sh);
    B.append(static_cast<char>(0xF1));
    B.append('\0');
    B.append('\0');
    const unsigned char Table[12] = {0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255};
    B.append(reinterpret_cast<const char *>(Table), 12);
    for (const TGifFrame &F : Frames) {
        B.append("\x21\xF9\x04\x00", 4);
        Put16(B, F.Delay);
        B.append("\x00\x00", 2);
        B.append(static_cast<char>(0x2C));
        Put16(B, F.Left);
        Put16(B, F.Top);
        Put16(B, F.W);
        Put16(B, F.H);
        B.append('\0');
        B.append(static_cast<char>(2)); // minimum code size
        std::vector<int> Codes;
        for (int I = 0; I < F.W * F.H; ++I) {
            Codes.push_back(4);
            Codes.push_back(F.Colour);
        }
        Codes.push_back(5);
        QByteArray Data;
        unsigned Acc = 0;
        int Bits = 0;
        for (int C : Codes) {
            Acc |= static_cast<unsigned>(C) << Bits;
            Bits += 3;
            while (Bits >= 8) {
                Data.append(static_cast<char>(Acc & 0xFF));
                Acc >>= 8;
                Bits -= 8;
            }
        }
        if (Bits > 0)
            Data.append(static_cast<char>(Acc & 0xFF));
        for (qsizetype P = 0; P < Data.size(); P += 255) {
            const QByteArray Chunk = Data.mid(P, 255);
            B.append(static_cast<char>(Chunk.size()));
            B.append(Chunk);
        }
        B.append('\0');
    }
    B.append(static_cast<char>(0x3B));
    return B;
}

QByteArray Three_Frames()
{
    return Make_Gif(10, 8, {{0, 0, 4, 4, 1, 20}, {3, 2, 5, 3, 2, 30}, {6, 4, 4, 4, 3, 10}});
}

// A GIF of some fifty bytes whose single frame declares W x H pixels at
// (Left, Top) on a Sw x Sh screen while its data holds one pixel.
QByteArray Declared_Gif(int Sw, int Sh, int Left, int Top, int W, int H)
{
    QByteArray B("GIF89a");
    Put16(B, Sw);
    Put16(B, Sh);
    B.append("\x80\x00\x00", 3);
    B.append("\x00\x00\x00\xFF\xFF\xFF", 6);
    B.append("\x21\xF9\x04\x00\x0A\x00\x00\x00", 8);
    B.append(static_cast<char>(0x2C));
    Put16(B, Left);
    Put16(B, Top);
    Put16(B, W);
    Put16(B, H);
    B.append('\0');
    B.append("\x02\x02\x4C\x01\x00", 5); // clear, pixel 1, end
    B.append(static_cast<char>(0x3B));
    return B;
}

QByteArray Png(int W, int H)
{
    QImage I(W, H, QImage::Format_RGB32);
    I.fill(Qt::red);
    QByteArray B;
    QBuffer Buf(&B);
    Buf.open(QIODevice::WriteOnly);
    I.save(&Buf, "PNG");
    return B;
}
} // namespace

TEST(HTMLPicture, AnimatedGifFrames)
{
    THTMLPicture P;
    P.LoadFromData(Three_Frames());
    ASSERT_FALSE(P.Empty());
    EXPECT_TRUE(P.IsGIF());
    EXPECT_EQ(P.FrameCount(), 3);
    EXPECT_EQ(P.MaxWidth(), 10);
    EXPECT_EQ(P.MaxHeight(), 8);
    EXPECT_EQ(P.GetFrameTime(2), 30);
    EXPECT_EQ(P.GetFrameTime(4), -1);
    EXPECT_EQ(P.Image().size(), QSize(4, 4));
    EXPECT_EQ(P.Image().pixelColor(1, 1), QColor(Qt::red));

    int Changes = 0;
    P.OnFrameChange = [&](THTMLPicture *) { ++Changes; };
    P.SetFrame(2);
    EXPECT_EQ(Changes, 1);
    EXPECT_EQ(P.FrameXPos(), 3);
    EXPECT_EQ(P.FrameYPos(), 2);
    EXPECT_EQ(P.Image().size(), QSize(5, 3));
    EXPECT_EQ(P.Image().pixelColor(0, 0), QColor(Qt::green));

    P.SetFrame(3);
    P.FrameNext();
    EXPECT_EQ(P.Frame(), 1);
    P.FramePrev();
    EXPECT_EQ(P.Frame(), 3);
}

TEST(HTMLPicture, AnimationClock)
{
    THTMLPicture P;
    P.LoadFromData(Three_Frames());
    // Ticks of 100 ms; each frame stays for its own delay.
    std::vector<int> Frames;
    for (int I = 0; I < 10; ++I) {
        P.Step();
        Frames.push_back(P.Frame());
    }
    EXPECT_EQ(Frames, (std::vector<int>{1, 2, 2, 2, 3, 1, 1, 2, 2, 2}));

    THTMLPicture Single;
    Single.LoadFromData(Make_Gif(4, 4, {{0, 0, 4, 4, 1, 10}}));
    EXPECT_EQ(Single.FrameCount(), 1);
    for (int I = 0; I < 5; ++I)
        EXPECT_FALSE(Single.Step());
}

// Cut-off data is read only as far as it goes.
TEST(HTMLPicture, TruncatedGifIsBoundsChecked)
{
    const QByteArray Full = Three_Frames();
    const std::vector<TGifFrameInfo> Info = Gif_Frames(Full);
    ASSERT_EQ(Info.size(), 3u);
    for (qsizetype Cut = 0; Cut <= Full.size(); ++Cut) {
        const QByteArray Part = Full.left(Cut);
        const size_t N = Gif_Frames(Part).size();
        EXPECT_LE(N, 3u);
        THTMLPicture P;
        try {
            P.LoadFromData(Part);
        } catch (const std::exception &) {
            EXPECT_TRUE(P.Empty());
        }
        if (Cut < Info[1].Start) {
            EXPECT_LE(N, 1u) << Cut;
        }
    }
    EXPECT_EQ(Gif_Frames(Full.left(Info[1].Start + 10)).size(), 1u);
}

// Sizes a file declares are bounded by the decoded picture and by a sane
// limit; a picture too large is refused like an unreadable one.
TEST(HTMLPicture, DeclaredSizesAreBounded)
{
    struct TCase {
        const char *Name;
        QByteArray Data;
        bool Refused;
    };
    const TCase Cases[] = {
        {"HugeFrameOnSmallScreen", Declared_Gif(2, 2, 0, 0, 65534, 65535), true},
        {"HugeScreen", Declared_Gif(65535, 65535, 0, 0, 1, 1), true},
        // a one-row screen with a huge frame once had the frame copied at its declared size
        {"OneRowScreenHugeFrame", Declared_Gif(65535, 1, 0, 0, 65534, 65535), true},
        {"TallFrameOnShortScreen", Declared_Gif(100, 1, 0, 0, 50, 16000), false},
        {"WideScreen", Declared_Gif(Max_Picture_Side + 1, 1, 0, 0, 1, 1), true},
        {"ScreenAtTheLimit", Declared_Gif(Max_Picture_Side, 4, 0, 0, 1, 1), false},
        {"FrameOverTheScreenEdge", Declared_Gif(10, 8, 6, 4, 9, 9), false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        ASSERT_LT(C.Data.size(), 64);
        THTMLPicture P;
        if (C.Refused) {
            try {
                P.LoadFromData(C.Data);
                ADD_FAILURE() << "loaded";
            } catch (const std::runtime_error &E) {
                EXPECT_STREQ(E.what(), "Could not load image. Invalid format");
            }
            EXPECT_TRUE(P.Empty());
            EXPECT_EQ(P.MaxWidth(), 0);
            continue;
        }
        ASSERT_NO_THROW(P.LoadFromData(C.Data));
        ASSERT_FALSE(P.Empty());
        // the frame lies on the screen the decoder made, never beyond it
        EXPECT_LE(P.MaxWidth(), Max_Picture_Side);
        EXPECT_LE(P.FrameXPos() + P.Width(), std::max(P.MaxWidth(), P.Width()));
        EXPECT_LE(P.FrameYPos() + P.Height(), std::max(P.MaxHeight(), P.Height()));
    }
    // a file that is too large leaves an empty picture, without an error
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("huge.gif");
    QFile F(Path);
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    F.write(Cases[0].Data);
    F.close();
    THTMLPicture FromFile;
    FromFile.LoadFromFile(Path);
    EXPECT_TRUE(FromFile.Empty());
}

// The same GIF without graphic control extension: a picture of one image,
// which no frame count covers.
QByteArray Static_Gif(int Sw, int Sh, int Left, int Top, int W, int H)
{
    QByteArray B = Declared_Gif(Sw, Sh, Left, Top, W, H);
    return B.remove(19, 8);
}

// Every frame is decoded at the size of the part of it that the logical
// screen shows, not composed onto the whole screen: some hundred bytes that
// declare a 4096 x 4096 screen once cost 16 M pixels (64 MB) per frame.
TEST(HTMLPicture, FramesDecodeAtTheirVisibleSize)
{
    struct TCase {
        const char *Name;
        QByteArray Data;
        qint64 Pixels;           // decoded in all
        std::vector<QSize> Sizes; // of each frame's image; an empty size: the frame shows nothing
        QPoint Last_Pos;          // of the last frame
        QColor Last_Colour;       // its top-left pixel
        int Max_W, Max_H;         // the layout's area: the logical screen
    };
    const TCase Cases[] = {
        {"TinyFramesOnAHugeScreen",
         Make_Gif(4096, 4096, {{0, 0, 1, 1, 1, 10}, {5, 5, 2, 1, 2, 10}, {4095, 4095, 1, 1, 3, 10}}), 4,
         {{1, 1}, {2, 1}, {1, 1}}, {4095, 4095}, Qt::blue, 4096, 4096},
        {"ScreenAtTheBoundWithThreeFrames",
         Make_Gif(Max_Picture_Side, 4096, {{0, 0, 1, 1, 1, 10}, {1, 0, 1, 1, 2, 10}, {2, 0, 1, 1, 3, 10}}), 3,
         {{1, 1}, {1, 1}, {1, 1}}, {2, 0}, Qt::blue, Max_Picture_Side, 4096},
        // only the part on the screen is decoded and kept
        {"FrameOverTheScreenEdge", Make_Gif(10, 8, {{6, 4, 9, 9, 2, 10}}), 16, {{4, 4}}, {6, 4}, Qt::green, 10, 8},
        {"FrameWhollyOffTheScreen", Make_Gif(10, 8, {{0, 0, 2, 2, 1, 10}, {10, 2, 3, 3, 2, 10}}), 4,
         {{2, 2}, {}}, {10, 2}, QColor(), 10, 8},
        // a screen of 0 x 0 reaches as far as each frame; the layout takes the image
        {"NoScreen", Make_Gif(0, 0, {{3, 2, 2, 2, 1, 10}}), 4, {{2, 2}}, {3, 2}, Qt::red, 2, 2},
        // a picture without frame count: its one image, at its place on the screen
        {"StaticImageOnAHugeScreen", Static_Gif(4096, 4096, 7, 9, 1, 1), 1, {{1, 1}}, {7, 9}, Qt::white, 4096, 4096},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        THTMLPicture P;
        const qint64 Before = Picture_Decoded_Pixels();
        ASSERT_NO_THROW(P.LoadFromData(C.Data));
        EXPECT_EQ(Picture_Decoded_Pixels() - Before, C.Pixels);
        EXPECT_EQ(P.MaxWidth(), C.Max_W);
        EXPECT_EQ(P.MaxHeight(), C.Max_H);
        const int Frames = static_cast<int>(C.Sizes.size());
        for (int F = 1; F <= Frames; ++F) {
            SCOPED_TRACE(F);
            P.SetFrame(F);
            const QSize Want = C.Sizes[static_cast<size_t>(F - 1)];
            EXPECT_EQ(P.Empty(), Want.isEmpty());
            if (!Want.isEmpty()) {
                EXPECT_EQ(P.Image().size(), Want);
            }
        }
        EXPECT_EQ(QPoint(P.FrameXPos(), P.FrameYPos()), C.Last_Pos);
        if (C.Last_Colour.isValid()) {
            ASSERT_FALSE(P.Empty());
            EXPECT_EQ(P.Image().pixelColor(0, 0), C.Last_Colour);
        }
    }
}

// The frames are decoded once, at load; animating only shows them.
TEST(HTMLPicture, AnimationDecodesOnce)
{
    THTMLPicture P;
    const qint64 Before = Picture_Decode_Count();
    P.LoadFromData(Three_Frames());
    EXPECT_EQ(Picture_Decode_Count() - Before, 3);
    for (int I = 0; I < 30; ++I)
        P.Step();
    for (int F = 1; F <= 3; ++F)
        P.SetFrame(F);
    EXPECT_EQ(Picture_Decode_Count() - Before, 3);
    EXPECT_EQ(P.Image().pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(P.FrameXPos(), 6);
}

TEST(HTMLPicture, OtherFormatsAndFailures)
{
    THTMLPicture P;
    P.LoadFromData(Png(7, 5));
    EXPECT_FALSE(P.IsGIF());
    EXPECT_EQ(P.FrameCount(), -1);
    EXPECT_EQ(P.Width(), 7);
    EXPECT_EQ(P.MaxHeight(), 5);

    THTMLPicture Bad;
    EXPECT_THROW(Bad.LoadFromData("not a picture"), std::runtime_error);
    EXPECT_TRUE(Bad.Empty());

    QTemporaryDir Dir;
    THTMLPicture FromFile;
    FromFile.LoadFromFile(Dir.filePath("missing.png"));
    EXPECT_TRUE(FromFile.Empty());

    THTMLPicture Copy;
    int Changed = 0;
    Copy.OnChange = [&](THTMLPicture *) { ++Changed; };
    Copy.Assign(&P);
    EXPECT_EQ(Copy.Width(), 7);
    EXPECT_EQ(Changed, 1);
    Copy.Assign(nullptr);
    EXPECT_TRUE(Copy.Empty());
}

TEST(HTMLPicture, LoadFromUrl)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("p.png");
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write(Png(3, 3));
    }
    THTMLPicture File;
    File.LoadFromURL("file://" + Path);
    EXPECT_FALSE(File.Empty());
    EXPECT_EQ(File.ID(), "file://" + Path);

    THTMLPicture Web;
    Web.SetAsynch(false);
    Web.LoadFromURL("http://example.invalid/x.png");
    EXPECT_TRUE(Web.Empty());
    EXPECT_EQ(Web.ID(), "http://example.invalid/x.png");
    THTMLPicture Asynch;
    Asynch.LoadFromURL("http://example.invalid/x.png");
    EXPECT_TRUE(Asynch.Busy());
    EXPECT_TRUE(Asynch.Empty());

    Register_Raw_Resource("LOGO", Png(2, 2));
    THTMLPicture Res;
    Res.LoadFromURL("RES://logo");
    EXPECT_EQ(Res.Width(), 2);
    Unregister_Raw_Resource("LOGO");
    THTMLPicture Missing;
    Missing.LoadFromResourceName("NOSUCH");
    EXPECT_TRUE(Missing.Empty());
}

TEST(PictureLists, FindByIdAndName)
{
    THTMLPictureCache Cache;
    Cache.AddPicture()->SetID("a://One");
    EXPECT_NE(Cache.FindPicture("a://One"), nullptr);
    EXPECT_EQ(Cache.FindPicture("a://ONE"), nullptr);

    TPictureContainer Box;
    TPictureItem *It = Box.Items().Add();
    It->Name = "Logo";
    It->Picture->LoadFromData(Png(2, 2));
    EXPECT_EQ(Box.FindPicture("LOGO"), It->Picture.get());
    EXPECT_EQ(Box.FindPicture("Other"), nullptr);

    TPictureContainer Copy;
    Copy.SetItems(Box.Items());
    ASSERT_NE(Copy.FindPicture("logo"), nullptr);
    EXPECT_NE(Copy.FindPicture("logo"), It->Picture.get());
    EXPECT_EQ(Copy.FindPicture("logo")->Width(), 2);
}

TEST(MarkupImages, AnimatedGifUsesLogicalScreen)
{
    TPictureContainer Box;
    TPictureItem *It = Box.Items().Add();
    It->Name = "anim";
    It->Picture->LoadFromData(Three_Frames());
    It->Picture->SetFrame(2);
    TRecordingCanvas Cv(100, 50);
    Cv.Font.Name = "DejaVu Sans";
    THTMLRenderParams P;
    P.PictureContainer = &Box;
    THTMLRenderResult R;
    RenderHTML(Cv, "<IMG SRC=\"anim\">", TRect(0, 0, 100, 50), P, R);
    EXPECT_EQ(R.XSize, 10);
    bool Drawn = false;
    for (const TCanvasOp &O : Cv.Ops())
        if (O.Kind == TCanvasOp::Draw) {
            EXPECT_EQ(O.Rect, TRect(1 + 3, 0 + 2, 1 + 3 + 5, 2 + 3));
            Drawn = true;
        }
    EXPECT_TRUE(Drawn);
    EXPECT_EQ(Cv.Count(TCanvasOp::FillRect), 1); // the frame area is cleared first
}

// Damaged picture data (every byte of a GIF changed in turn, and random
// cuts) is read without reading past its end.
TEST(HTMLPicture, DamagedGifData)
{
    const QByteArray Full = Three_Frames();
    for (qsizetype I = 0; I < Full.size(); ++I) {
        for (unsigned char V : {0x00, 0x21, 0x2C, 0xF9, 0xFF}) {
            QByteArray D = Full;
            D[I] = static_cast<char>(V);
            THTMLPicture P;
            try {
                P.LoadFromData(D);
                for (int F = 1; F <= std::max(1, P.FrameCount()); ++F)
                    P.SetFrame(F);
                P.Step();
                P.Step();
            } catch (const std::exception &) {
                EXPECT_TRUE(P.Empty());
            }
        }
    }
}
