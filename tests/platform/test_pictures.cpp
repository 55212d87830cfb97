#include "MetafileFixtures.h"
#include "TestSupport.h"
#include "grid/base/HTMLPicture.h"
#include "grid/base/MarkupRender.h"
#include "toolkit/Canvas.h"
#include "platform/Metafile.h"
#include "platform/PictureLoader.h"
#include <QDir>
#include <QPainter>
#include <QTemporaryDir>
#include <QWidget>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>

using namespace metafile_fixture;

extern "C" void FcFini(void);

namespace {

bool Is_Red(QRgb C)
{
    return qAlpha(C) > 200 && qRed(C) > 200 && qGreen(C) < 60 && qBlue(C) < 60;
}

bool Is_Dark(QRgb C)
{
    return qAlpha(C) > 128 && qRed(C) < 110 && qGreen(C) < 110 && qBlue(C) < 110;
}

int Count(const QImage &I, const QRect &Area, const std::function<bool(QRgb)> &Test)
{
    int N = 0;
    for (int Y = Area.top(); Y <= Area.bottom(); ++Y)
        for (int X = Area.left(); X <= Area.right(); ++X)
            N += Test(I.pixel(X, Y)) ? 1 : 0;
    return N;
}

// Offset of the Nth record (from 0) of a kind, counting past the header.
qsizetype Wmf_Record_At(const QByteArray &D, int Function, int Nth = 0)
{
    for (qsizetype At = 40; At + 6 <= D.size();) {
        const int Words = static_cast<unsigned char>(D[At]) | (static_cast<unsigned char>(D[At + 1]) << 8);
        const int F = static_cast<unsigned char>(D[At + 4]) | (static_cast<unsigned char>(D[At + 5]) << 8);
        if (F == Function && Nth-- == 0)
            return At;
        if (Words < 3)
            break;
        At += 2 * Words;
    }
    ADD_FAILURE() << "no record " << Function;
    return 0;
}

qsizetype Emf_Record_At(const QByteArray &D, int Type, int Nth = 0)
{
    for (qsizetype At = 0; At + 8 <= D.size();) {
        const int T = static_cast<unsigned char>(D[At]);
        const int Size = static_cast<unsigned char>(D[At + 4]) | (static_cast<unsigned char>(D[At + 5]) << 8);
        if (T == Type && Nth-- == 0)
            return At;
        if (Size < 8)
            break;
        At += Size;
    }
    ADD_FAILURE() << "no record " << Type;
    return 0;
}

void Set16(QByteArray &B, qsizetype At, int V)
{
    B[At] = static_cast<char>(V & 0xFF);
    B[At + 1] = static_cast<char>((V >> 8) & 0xFF);
}

struct TKindCase {
    const char *Name;
    QByteArray Data;
    TMetafileKind Kind;
};

std::vector<TKindCase> Fixtures()
{
    return {{"Wmf", Make_Wmf(), TMetafileKind::Wmf}, {"Emf", Make_Emf(), TMetafileKind::Emf}};
}

} // namespace

// Both fixtures (a red rectangle on the left half, a black "Hi" on the right)
// load at their frame's size and draw what they hold, transparent elsewhere.
TEST(Metafiles, LoadReportTheirFrameAndDraw)
{
    for (const TKindCase &Case : Fixtures()) {
        SCOPED_TRACE(Case.Name);
        EXPECT_EQ(Metafile_Kind(Case.Data), Case.Kind);
        TDecodedPicture P;
        ASSERT_TRUE(Decode_Picture(Case.Data, P));
        EXPECT_TRUE(P.Metafile);
        EXPECT_EQ(P.Image.size(), QSize(80, 24));
        EXPECT_NEAR(P.Width_Himetric, 80 * 2540 / 96, 1);
        EXPECT_NEAR(P.Height_Himetric, 24 * 2540 / 96, 1);
        P.Image.save(QDir(Test_Output_Dir()).filePath(QStringLiteral("metafile_%1.png").arg(Case.Name)));
        // the rectangle (2,2)-(40,22)
        EXPECT_TRUE(Is_Red(P.Image.pixel(20, 12)));
        EXPECT_TRUE(Is_Red(P.Image.pixel(5, 19)));
        EXPECT_EQ(qAlpha(P.Image.pixel(0, 12)), 0);
        // the text from (42,2), and nothing at the right-hand bottom corner
        EXPECT_GT(Count(P.Image, QRect(42, 2, 38, 22), Is_Dark), 15);
        EXPECT_EQ(Count(P.Image, QRect(42, 2, 38, 22), Is_Red), 0);
        EXPECT_EQ(qAlpha(P.Image.pixel(79, 23)), 0);
    }
}

// A text given as glyph indexes makes the EMF converter finalise fontconfig,
// which Qt still uses: the finaliser it reaches must be the program's own
// (doing nothing), and fonts keep working after such a picture.
TEST(Metafiles, GlyphIndexTextLeavesFontsWorking)
{
    Dl_info Info{};
    ASSERT_NE(dladdr(dlsym(RTLD_DEFAULT, "FcFini"), &Info), 0);
    EXPECT_FALSE(QString::fromLocal8Bit(Info.dli_fname).contains(QStringLiteral("fontconfig")));
    EXPECT_EQ(dlsym(RTLD_DEFAULT, "FcFini"), reinterpret_cast<void *>(&FcFini));

    const QByteArray Glyph_Text = Glyph_Index_Text_Emf();
    for (int Pass = 0; Pass < 2; ++Pass) {
        SCOPED_TRACE(Pass);
        TDecodedPicture P;
        EXPECT_TRUE(Decode_Picture(Glyph_Text, P));
        QImage I(60, 20, QImage::Format_ARGB32);
        I.fill(Qt::white);
        QPainter Painter(&I);
        Painter.setFont(QFont(QStringLiteral("DejaVu Serif"), 12));
        Painter.drawText(2, 16, QStringLiteral("Fonts"));
        Painter.end();
        EXPECT_GT(Count(I, I.rect(), Is_Dark), 20);
    }
}

// Stretched, a metafile is drawn anew at the requested size.
TEST(Metafiles, StretchedPictureIsDrawnAtTheNewSize)
{
    for (const TKindCase &Case : Fixtures()) {
        SCOPED_TRACE(Case.Name);
        const QImage I = Render_Metafile(Case.Data, 160, 48);
        ASSERT_EQ(I.size(), QSize(160, 48));
        EXPECT_TRUE(Is_Red(I.pixel(40, 24)));
        EXPECT_TRUE(Is_Red(I.pixel(78, 40)));
        EXPECT_FALSE(Is_Red(I.pixel(86, 24)));
        EXPECT_GT(Count(I, QRect(84, 4, 76, 44), Is_Dark), 60);
        EXPECT_TRUE(Render_Metafile(Case.Data, 0, 10).isNull());
        EXPECT_TRUE(Render_Metafile(Case.Data, 100000, 100000).isNull());
    }
}

// Hostile or broken metafiles are refused like any unreadable picture.
TEST(Metafiles, BrokenAndHostileDataIsRefused)
{
    const QByteArray W = Make_Wmf();
    const QByteArray E = Make_Emf();
    struct TCase {
        const char *Name;
        QByteArray Data;
        bool Found_In_Drawing = false; // records are sound; the converted drawing is refused
    };
    std::vector<TCase> Cases;
    auto Wmf = [&](const char *Name, const std::function<void(QByteArray &)> &Change) {
        QByteArray D = W;
        Change(D);
        Cases.push_back({Name, D});
    };
    auto Emf = [&](const char *Name, const std::function<void(QByteArray &)> &Change) {
        QByteArray D = E;
        Change(D);
        Cases.push_back({Name, D});
    };
    // cut short: the chain ends without its last record
    Wmf("WmfTruncated", [](QByteArray &D) { D.truncate(D.size() / 2); });
    Wmf("WmfWithoutLastRecord", [](QByteArray &D) { D.chop(6); });
    // a frame of absurd size (32000 units at one unit per inch)
    Wmf("WmfOversizedFrame", [](QByteArray &D) { Set16(D, 10, 32000); Set16(D, 14, 1); });
    Wmf("WmfNoUnitSize", [](QByteArray &D) { Set16(D, 14, 0); });
    Wmf("WmfEmptyFrame", [](QByteArray &D) { Set16(D, 10, 0); });
    // record sizes that run past the data, or never advance
    Wmf("WmfRecordPastData", [](QByteArray &D) { Set32(D, 40, 0x7FFFFFFF); });
    Wmf("WmfZeroSizeRecord", [](QByteArray &D) { Set32(D, 40, 0); });
    Wmf("WmfRecordAboveHeaderMaximum", [](QByteArray &D) { Set32(D, 22 + 12, 5); });
    Wmf("WmfBadHeader", [](QByteArray &D) { Set16(D, 24, 7); });
    // contents that the converter would read past their record
    Wmf("WmfTextPastRecord", [](QByteArray &D) { Set16(D, Wmf_Record_At(D, 0x0521) + 6, 0x7FFF); });
    Wmf("WmfUnknownRecord", [](QByteArray &D) { Set16(D, Wmf_Record_At(D, 0x041B) + 4, 0x0999); });
    Wmf("WmfObjectNotCreated", [](QByteArray &D) { Set16(D, Wmf_Record_At(D, 0x012D) + 6, 2); });
    Wmf("WmfFontNameNotEnded", [](QByteArray &D) {
        const qsizetype F = Wmf_Record_At(D, 0x02FB);
        for (int I = 0; I < 32; ++I)
            D[F + 6 + 18 + I] = 'A';
    });
    // a chain longer than any picture needs: a million and one SAVEDC records
    Wmf("WmfTooManyRecords", [](QByteArray &D) {
        QByteArray Many;
        for (int I = 0; I < 1000001; ++I)
            Wmf_Record(Many, 0x001E, {});
        D.insert(40, Many);
        Set32(D, 22 + 6, D.size() / 2 - 11);
    });
    Emf("EmfTruncated", [](QByteArray &D) { D.truncate(D.size() / 2); });
    Emf("EmfWithoutLastRecord", [](QByteArray &D) { D.chop(20); Set32(D, 48, D.size()); });
    Emf("EmfShorterThanHeaderSays", [](QByteArray &D) { Set32(D, 48, D.size() + 4); });
    Emf("EmfOversizedFrame", [](QByteArray &D) { Set32(D, 32, 100000000); });
    Emf("EmfInvertedFrame", [](QByteArray &D) { Set32(D, 24, 5000); });
    Emf("EmfBadReferenceDevice", [](QByteArray &D) { Set32(D, 80, 0); });
    Emf("EmfRecordPastData", [](QByteArray &D) { Set32(D, 88 + 4, 0x7FFFFFF0); });
    Emf("EmfZeroSizeRecord", [](QByteArray &D) { Set32(D, 88 + 4, 0); });
    Emf("EmfOddSizeRecord", [](QByteArray &D) { Set32(D, 88 + 4, 23); });
    Emf("EmfSecondHeader", [](QByteArray &D) { Set32(D, 88, 1); });
    Emf("EmfUnknownRecord", [](QByteArray &D) { Set32(D, Emf_Record_At(D, 43), 200); });
    Emf("EmfObjectNotCreated", [](QByteArray &D) { Set32(D, Emf_Record_At(D, 37) + 8, 2); });
    Emf("EmfObjectOutsideTable", [](QByteArray &D) { Set32(D, Emf_Record_At(D, 39) + 8, 9); });
    Emf("EmfUnknownStockObject", [](QByteArray &D) { Set32(D, Emf_Record_At(D, 37, 1) + 8, 0x80000100); });
    Emf("EmfTextPastRecord", [](QByteArray &D) { Set32(D, Emf_Record_At(D, 84) + 44, 1000); });
    Emf("EmfTextSpacingPastRecord", [](QByteArray &D) { Set32(D, Emf_Record_At(D, 84) + 72, 4000); });
    Emf("EmfFontNameNotEnded", [](QByteArray &D) {
        const qsizetype F = Emf_Record_At(D, 82);
        for (int I = 0; I < 32; ++I)
            Set16(D, F + 40 + 2 * I, 'A');
    });
    // texts that would smuggle elements into the converted drawing (here an
    // image read from a local file) are refused, well-formed or not
    Cases.push_back({"WmfTextAddsOutsideImage",
                     Make_Wmf(80, 24, "</text><image width=\"9\" height=\"9\" href=\"/tmp/x.png\"/><text>"), true});
    Cases.push_back({"WmfTextBreaksDrawing", Make_Wmf(80, 24, "]]></text><image/><text><![CDATA["), true});
    Cases.push_back({"EmfTextAddsOutsideImage",
                     Make_Emf(80, 24, QStringLiteral("]]></text><image width=\"9\" height=\"9\" "
                                                     "xlink:href=\"/tmp/x.png\"/><text><![CDATA[")), true});
    Cases.push_back({"EmfTextAddsStyleSheet",
                     Make_Emf(80, 24, QStringLiteral("]]></text><style>@import url(/tmp/x.css);</style><text><![CDATA[")), true});
    Cases.push_back({"Empty", QByteArray()});
    Cases.push_back({"NotAPicture", QByteArray("hello, world")});

    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TMetafileInfo Info;
        QString Error;
        EXPECT_EQ(Check_Metafile(Case.Data, Info, Error), Case.Found_In_Drawing);
        QByteArray Svg;
        EXPECT_FALSE(Metafile_To_Svg(Case.Data, Svg, Info, Error));
        EXPECT_FALSE(Error.isEmpty());
        EXPECT_TRUE(Svg.isEmpty());
        TDecodedPicture P;
        EXPECT_FALSE(Decode_Picture(Case.Data, P));
        EXPECT_TRUE(P.Image.isNull());
        THTMLPicture Pic;
        EXPECT_THROW(Pic.LoadFromData(Case.Data), std::runtime_error);
        EXPECT_TRUE(Pic.Empty());
    }
}

// The markup picture takes metafiles from its loader: size at 96 pixels per
// inch, drawn at its own size or stretched; a broken file stays empty.
TEST(Metafiles, MarkupPictureLoadsThem)
{
    QTemporaryDir Dir;
    for (const TKindCase &Case : Fixtures()) {
        SCOPED_TRACE(Case.Name);
        THTMLPicture Pic;
        Pic.LoadFromData(Case.Data);
        ASSERT_FALSE(Pic.Empty());
        EXPECT_TRUE(Pic.IsMetafile());
        EXPECT_FALSE(Pic.IsGIF());
        EXPECT_EQ(Pic.FrameCount(), -1);
        EXPECT_EQ(Pic.Width(), 80);
        EXPECT_EQ(Pic.Height(), 24);

        TRecordingCanvas C(200, 60);
        Pic.Draw(C, TRect(10, 10, 10, 10));
        Pic.SetStretch(true);
        Pic.Draw(C, TRect(100, 0, 200, 60));
        const QImage I = C.Image();
        EXPECT_TRUE(Is_Red(I.pixel(10 + 20, 10 + 12)));
        EXPECT_TRUE(Is_Red(I.pixel(100 + 25, 30)));
        EXPECT_EQ(Pic.Image_For(100, 60).size(), QSize(100, 60));
        // the next paint at the same size reuses that drawing
        EXPECT_EQ(Pic.Image_For(100, 60).cacheKey(), Pic.Image_For(100, 60).cacheKey());
        EXPECT_EQ(Pic.Image_For(80, 24).cacheKey(), Pic.Image().cacheKey());

        const QString Path = Dir.filePath(QStringLiteral("broken.%1").arg(Case.Name));
        Write_File(Path, Case.Data.left(Case.Data.size() - 8));
        THTMLPicture Broken;
        Broken.LoadFromFile(Path);
        EXPECT_TRUE(Broken.Empty());
    }
}

// System icons: a file's or folder's icon at 16 or 32 pixels; a numbered
// icon has none.
TEST(SystemIcons, FileAndFolderIconsAtTheSystemSizes)
{
    QTemporaryDir Dir;
    Write_File(Dir.filePath("notes.txt"), "x");
    struct TCase {
        const char *Name;
        QString File;
        bool Large;
        int Size; // 0: no icon
    };
    const TCase Cases[] = {
        {"SmallFolder", Dir.path(), false, 16},
        {"LargeFolder", Dir.path(), true, 32},
        {"SmallFile", Dir.filePath("notes.txt"), false, 16},
        {"MissingFileByType", Dir.filePath("missing.txt"), true, 32},
        {"Numbered", QStringLiteral("3"), false, 0},
    };
    EXPECT_EQ(System_Icon_Size(false), 16);
    EXPECT_EQ(System_Icon_Size(true), 32);
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        const QImage I = System_Icon(Case.File, Case.Large);
        if (Case.Size == 0) {
            EXPECT_TRUE(I.isNull());
        } else {
            ASSERT_FALSE(I.isNull());
            EXPECT_EQ(I.size(), QSize(Case.Size, Case.Size));
        }
    }
}

namespace {
// A cell that draws one markup text, as a grid cell does.
class TMarkupCell : public QWidget {
public:
    QString Text;
    THTMLPictureCache Cache;
    void paintEvent(QPaintEvent *) override
    {
        QPainter P(this);
        P.fillRect(rect(), Qt::white);
        TPainterCanvas C(P);
        C.Font.Name = QStringLiteral("DejaVu Sans");
        C.Font.Size = 9;
        THTMLRenderParams Par;
        Par.ImageCache = &Cache;
        THTMLRenderResult Res;
        RenderHTML(C, Text, TRect(2, 2, width() - 2, height() - 2), Par, Res);
    }
};
} // namespace

// A markup cell with a WMF, an EMF (one stretched) and system icons, grabbed to PNG.
TEST(SystemIcons, MarkupCellWithMetafilesAndIcons)
{
    QTemporaryDir Dir;
    const QString Wmf = Dir.filePath("logo.wmf"), Emf = Dir.filePath("logo.emf");
    Write_File(Wmf, Make_Wmf());
    Write_File(Emf, Make_Emf());
    TMarkupCell Cell;
    Cell.resize(420, 60);
    Cell.Text = QStringLiteral("WMF <IMG SRC=\"FILE://%1\"> EMF <IMG SRC=\"FILE://%2\"> "
                               "<IMG SRC=\"FILE://%2\" WIDTH=\"40\"> <IMG SRC=\"SSYS:%3\"> <IMG SRC=\"LSYS:%3\">")
                    .arg(Wmf, Emf, Dir.path());
    const QString Png = Save_Screenshot(&Cell, QStringLiteral("markup_metafiles_icons"));
    const QImage I(Png);
    ASSERT_FALSE(I.isNull());
    // both metafiles and the stretched copy drew their red rectangles
    EXPECT_GT(Count(I, I.rect(), Is_Red), 3 * 500);
    EXPECT_EQ(Cell.Cache.Count(), 2);
}
