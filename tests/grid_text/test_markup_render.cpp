#include "TestSupport.h"
#include "grid/base/HTMLPicture.h"
#include "grid/base/MarkupRender.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"
#include "platform/SystemInfo.h"
#include <QBuffer>
#include <QDir>
#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

namespace {
TFont Test_Font()
{
    TFont F;
    F.Name = QStringLiteral("DejaVu Sans");
    F.Size = 10;
    F.Color = clBlack;
    return F;
}

int Width_Of(const QString &S, TFontStyles Style = TFontStyles())
{
    TFont F = Test_Font();
    F.Style = Style;
    return QFontMetrics(F.To_QFont()).horizontalAdvance(S);
}

int Gh()
{
    return QFontMetrics(Test_Font().To_QFont()).height();
}

QImage Solid(int W, int H, QColor C)
{
    QImage I(W, H, QImage::Format_ARGB32);
    I.fill(C);
    return I;
}

QByteArray Png_Of(const QImage &I)
{
    QByteArray B;
    QBuffer Buf(&B);
    Buf.open(QIODevice::WriteOnly);
    I.save(&Buf, "PNG");
    return B;
}

// One call on a fresh recording canvas with the test font.
struct TCall {
    TRecordingCanvas Canvas{400, 200};
    THTMLRenderParams P;
    THTMLRenderResult R;
    bool Hit = false;
    TCall() { Canvas.Font = Test_Font(); }
    bool Run(const QString &Text, TRect Rect = TRect(0, 0, 400, 200))
    {
        Hit = RenderHTML(Canvas, Text, Rect, P, R);
        return Hit;
    }
    std::vector<TCanvasOp> Texts() const
    {
        std::vector<TCanvasOp> V;
        for (const TCanvasOp &O : Canvas.Ops())
            if (O.Kind == TCanvasOp::TextOut)
                V.push_back(O);
        return V;
    }
};
} // namespace

TEST(MarkupRender, EmptyTextMeasuresOneLine)
{
    TCall C;
    EXPECT_FALSE(C.Run(""));
    EXPECT_EQ(C.R.YSize, Gh());
    EXPECT_EQ(C.R.XSize, 0);
    EXPECT_TRUE(C.Canvas.Ops().empty());
}

TEST(MarkupRender, PlainTextOfMarkup)
{
    struct TCase { const char *Name; QString Markup; QString Strip; };
    const TCase Cases[] = {
        {"AmpersandDoubled", "a&amp;b", "a&&b"},
        {"AmpersandCapitals", "a&AMP;b", "a&&b"},
        {"LessThan", "a&lt;b", "a<b"},
        {"PerMille", "&permil;", QString::fromUtf8("‰")},
        {"SignEntities", "&sect;&reg;&copy;&para;&trade;&euro;&quot;", QString::fromUtf8("§®©¶™€\"")},
        {"RepeatedEntities", "&euro;&euro;&Euro;", QString::fromUtf8("€€€")},
        {"GreaterNbsp", "a&gt;b&nbsp;c", "a>b c"},
        {"OtherEntitiesStay", "&eacute;", "&eacute;"},
        {"HashTagInText", "x <#1> y", "x #1 y"},
        {"LineBreakTag", "a<BR>b", "a\rb"},
        {"HashTag", "<#xyz>", "#xyz"},
        {"CrLfIsOneBreak", "a\r\nb", "a\rb"},
        {"LoneLfIgnored", "a\nb", "ab"},
        {"TagsDropped", "<B>bold</B> normal", "bold normal"},
        {"HiddenTextIncluded", "a<Z>b</Z>c", "abc"},
        {"UnknownTag", "a<Q>b", "ab"},
        {"TagWithoutEnd", "a<B", "a"},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.Run(Case.Markup);
        EXPECT_EQ(C.R.StripVal, Case.Strip);
    }
}

TEST(MarkupRender, BoldRunThenNormalRunOnOneLine)
{
    TCall C;
    C.Run("<B>bold</B> normal ");
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 2u);
    EXPECT_TRUE(T[0].Font.Style.Contains(fsBold));
    EXPECT_FALSE(T[1].Font.Style.Contains(fsBold));
    EXPECT_EQ(T[0].Rect.Top, T[1].Rect.Top);
    // the trailing space does not count
    EXPECT_EQ(C.R.XSize, Width_Of("bold", {fsBold}) + Width_Of(" normal"));
    EXPECT_EQ(C.R.YSize, Gh());
    // the canvas comes back as it was
    EXPECT_EQ(C.Canvas.Font, Test_Font());
}

TEST(MarkupRender, EntityShowsOneAmpersand)
{
    TCall C;
    C.Run("a&amp;b");
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 1u);
    EXPECT_EQ(T[0].Text, "a&b");
}

TEST(MarkupRender, WordWrap)
{
    const int Space = Width_Of(" ");
    // room for "aaa bbb" but not for "ccc"
    const int W = 1 + Width_Of("aaa bbb ") + Width_Of("cc");
    {
        TCall C;
        C.P.WordWrap = true;
        C.Run("aaa bbb ccc", TRect(0, 0, W, 200));
        EXPECT_EQ(C.R.YSize, 2 * Gh());
        EXPECT_EQ(C.R.XSize, Width_Of("aaa bbb ") - Space);
        EXPECT_EQ(C.R.StripVal, "aaa bbb ccc");
    }
    {
        SCOPED_TRACE("a word longer than the line stays on its own line");
        TCall C;
        C.P.WordWrap = true;
        C.Run("abcdefghijklmnop", TRect(0, 0, 20, 200));
        EXPECT_EQ(C.R.YSize, Gh());
    }
    {
        SCOPED_TRACE("a word is never split at a tag");
        TCall C;
        C.P.WordWrap = true;
        C.Run("abc<B>def</B>", TRect(0, 0, 1 + Width_Of("abc") + 2, 200));
        EXPECT_EQ(C.R.YSize, Gh());
    }
}

TEST(MarkupRender, WithoutWordWrapOverflowIsCut)
{
    TCall C;
    const int W = 1 + Width_Of("aaaa");
    C.Run("aaaa bbbb cccc<B>dddd</B>", TRect(0, 0, W, 200));
    const auto T = C.Texts();
    ASSERT_GE(T.size(), 1u);
    EXPECT_TRUE(T[0].Text.endsWith(QString(QChar(0x2026)))) << T[0].Text.toStdString();
    for (const TCanvasOp &O : T)
        EXPECT_FALSE(O.Text.contains("dddd"));
    EXPECT_EQ(C.R.YSize, Gh());
}

TEST(MarkupRender, ClosingFontReturnsToEntryColour)
{
    TCall C;
    C.Run("<FONT COLOR=\"clred\">a<FONT COLOR=\"clblue\">b</FONT>c</FONT>d");
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 4u);
    EXPECT_EQ(T[0].Font.Color, clRed);
    EXPECT_EQ(T[1].Font.Color, clBlue);
    EXPECT_EQ(T[2].Font.Color, clBlack);
    EXPECT_EQ(T[3].Font.Color, clBlack);
}

TEST(MarkupRender, FontAttributes)
{
    struct TCase { const char *Name; const char *Markup; TColor Color; int Size; const char *Face; };
    const TCase Cases[] = {
        {"HexRedFirst", "<FONT COLOR=\"#ff8000\">x", RGB_Color(0xFF, 0x80, 0x00), 10, "DejaVu Sans"},
        {"UnknownNameIsBlack", "<FONT COLOR=\"clnothing\">x", clBlack, 10, "DejaVu Sans"},
        {"SizeStep", "<FONT SIZE=\"3\">x", clBlack, 12, "DejaVu Sans"},
        {"SizePoints", "<FONT SIZE=\"20\">x", clBlack, 20, "DejaVu Sans"},
        // an absurd size is clamped
        {"SizeClamped", "<FONT SIZE=\"99999\">x", clBlack, 160, "DejaVu Sans"},
        // font names are used as written
        {"FaceAsWritten", "<FONT face=\"DejaVu Serif\">x", clBlack, 10, "DejaVu Serif"},
        // attribute names are words: SIZE inside a FACE value is not an attribute
        {"NameInsideValue", "<FONT FACE=\"Sizes\" COLOR = \"clred\">x", clRed, 10, "Sizes"},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.Run(Case.Markup);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 1u);
        EXPECT_EQ(T[0].Font.Color, Case.Color);
        EXPECT_EQ(T[0].Font.Size, Case.Size);
        EXPECT_EQ(T[0].Font.Name, Case.Face);
    }
}

TEST(MarkupRender, ListItems)
{
    TCall C;
    C.Run("<UL><LI>a<LI>b</UL>");
    // the UL line, then one line per item: a second LI starts a new line
    EXPECT_EQ(C.R.YSize, 3 * Gh());
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 4u); // two bullets, two items
    EXPECT_EQ(T[0].Text, QString(QChar(0x2022)));
    EXPECT_EQ(T[1].Text, "a");
    EXPECT_EQ(T[1].Rect.Left, 1 + 12);
    EXPECT_LT(T[1].Rect.Top, T[3].Rect.Top);
}

TEST(MarkupRender, ParagraphAlignmentCarriesOn)
{
    TCall C;
    C.Run("<P ALIGN=\"CENTER\">ab</P>cd", TRect(0, 0, 201, 200));
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 2u);
    EXPECT_EQ(T[0].Rect.Left, 1 + (200 - Width_Of("ab")) / 2);
    EXPECT_EQ(T[1].Rect.Left, 1 + (200 - Width_Of("cd")) / 2);
    EXPECT_EQ(C.R.YSize, 2 * Gh());
}

TEST(MarkupRender, CheckHeightMeasuresLikeDrawing)
{
    const QString Markups[] = {"<B>bold</B> text<BR>second line", "<UL><LI>one<LI>two</UL>", "a&amp;b <I>c</I>",
                               "<FONT SIZE=\"5\">big</FONT> small"};
    for (const QString &M : Markups) {
        SCOPED_TRACE(M.toStdString());
        TCall Draw;
        Draw.P.WordWrap = true;
        Draw.Run(M, TRect(0, 0, 120, 1000));
        TCall Measure;
        Measure.P.WordWrap = true;
        Measure.P.CheckHeight = true;
        EXPECT_FALSE(Measure.Run(M, TRect(0, 0, 120, 5)));
        EXPECT_EQ(Measure.R.XSize, Draw.R.XSize);
        EXPECT_EQ(Measure.R.YSize, Draw.R.YSize);
        EXPECT_TRUE(Measure.Canvas.Ops().empty());
    }
}

TEST(MarkupRender, LinesBelowTheRectangleAreDropped)
{
    TCall C;
    C.Run("one<BR>two<BR>three", TRect(0, 0, 200, Gh() + 2));
    EXPECT_EQ(C.R.YSize, Gh());
    EXPECT_EQ(C.R.StripVal, "one\r");
}

TEST(MarkupRender, HyperlinkHit)
{
    const QString M = "go <A HREF=\"Target\" title=\"The Title\">here</A> now";
    const int X = 1 + Width_Of("go ") + 2;
    {
        TCall C;
        C.P.XPos = X;
        C.P.YPos = Gh() / 2;
        EXPECT_FALSE(C.Run(M)); // a drawing call reports the link but answers false
        EXPECT_EQ(C.R.AnchorVal, "Target");
        EXPECT_EQ(C.R.AnchorTitle, "The Title");
        EXPECT_EQ(C.R.MouseLink, 1);
        EXPECT_EQ(C.R.HyperLinks, 1);
        EXPECT_EQ(C.R.HoverRect, TRect(1 + Width_Of("go "), 0, 1 + Width_Of("go ") + Width_Of("here", {fsUnderline}), Gh()));
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 3u);
        EXPECT_EQ(T[1].Font.Color, clBlue);
        EXPECT_TRUE(T[1].Font.Style.Contains(fsUnderline));
        EXPECT_EQ(T[2].Font.Color, clBlack);
    }
    {
        TCall C;
        C.P.XPos = X;
        C.P.YPos = Gh() / 2;
        C.P.CheckHotSpot = true;
        EXPECT_TRUE(C.Run(M));
        EXPECT_TRUE(C.Canvas.Ops().empty());
    }
    {
        TCall C;
        C.P.XPos = 2;
        C.P.YPos = Gh() / 2;
        C.P.CheckHotSpot = true;
        C.R.AnchorVal = "unchanged";
        EXPECT_FALSE(C.Run(M));
        EXPECT_EQ(C.R.AnchorVal, "unchanged");
        EXPECT_EQ(C.R.MouseLink, -1);
    }
}

TEST(MarkupRender, HyperlinkSplitAcrossLines)
{
    TCall C;
    C.P.WordWrap = true;
    const int W = 1 + Width_Of("xx aaaa ") + 3;
    C.P.XPos = 3;
    C.P.YPos = Gh() + Gh() / 2;
    C.Run("xx <A HREF=\"t\">aaaa bbbb</A>", TRect(0, 0, W, 200));
    EXPECT_EQ(C.R.YSize, 2 * Gh());
    EXPECT_EQ(C.R.AnchorVal, "t");
    EXPECT_EQ(C.R.HoverRect.Left, 1);
    EXPECT_EQ(C.R.HoverRect.Top, Gh());
}

TEST(MarkupRender, FocusedHyperlink)
{
    TCall C;
    C.P.FocusLink = 1;
    C.Run("<A HREF=\"first\">a</A> <A HREF=\"second\">b</A>");
    EXPECT_EQ(C.R.FocusAnchor, "second");
    EXPECT_EQ(C.R.HyperLinks, 2);
    EXPECT_EQ(C.Canvas.Count(TCanvasOp::Rectangle), 1);
}

TEST(MarkupRender, HighlightUsesProcessColours)
{
    SetHTMLHighlightColors(clYellow, clRed);
    TCall C;
    C.Run("a<HI>b</HI>c");
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 3u);
    EXPECT_EQ(T[1].Font.Color, clRed);
    EXPECT_EQ(T[1].Brush.Color, clYellow);
    EXPECT_EQ(T[1].Brush.Style, bsSolid);
    EXPECT_EQ(T[2].Brush.Style, bsClear);
    SetHTMLHighlightColors(clHighlight, clHighlightText);
}

TEST(MarkupRender, ErrorMarkingDrawsZigzag)
{
    TCall C;
    C.Run("<E>wrong</E> right");
    EXPECT_EQ(C.Canvas.Count(TCanvasOp::Polyline), 1);
}

TEST(MarkupImages, FromImageList)
{
    TImageList L(16, 16);
    for (QColor Col : {Qt::red, Qt::green, Qt::blue})
        L.Add(Solid(16, 16, Col));
    struct TCase { const char *Name; const char *Markup; int XSize; int Draws; };
    const TCase Cases[] = {
        {"Second", "<IMG SRC=\"IDX:1\">", 16, 1},
        {"OutOfList", "<IMG SRC=\"IDX:3\">", 0, 0},
        // a negative index draws nothing
        {"Negative", "<IMG SRC=\"IDX:-1\">", 0, 0},
        {"NotANumber", "<IMG SRC=\"IDX:x\">", 0, 0},
        {"WithText", "a<IMG src=\"idx:0\">b", 16 + Width_Of("a") + Width_Of("b"), 1},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.P.Images = &L;
        C.Run(Case.Markup);
        EXPECT_EQ(C.R.XSize, Case.XSize);
        EXPECT_EQ(C.Canvas.Count(TCanvasOp::Draw), Case.Draws);
        EXPECT_EQ(C.R.YSize, Case.Draws ? std::max(16, Gh()) : Gh());
    }
    TCall C;
    C.Run("<IMG SRC=\"IDX:0\">"); // no list given
    EXPECT_EQ(C.R.XSize, 0);
    TCall Green;
    Green.P.Images = &L;
    Green.Run("<IMG SRC=\"IDX:1\">");
    EXPECT_EQ(Green.Canvas.Image().pixelColor(8, 8), QColor(Qt::green));
}

TEST(MarkupImages, RequestedSizeKeepsAspect)
{
    TPictureContainer Box;
    TPictureItem *It = Box.Items().Add();
    It->Name = "Pic";
    It->Picture->LoadFromData(Png_Of(Solid(16, 8, Qt::red)));
    struct TCase { const char *Name; const char *Markup; int W; int H; };
    const TCase Cases[] = {
        {"WidthOnly", "<IMG SRC=\"Pic\" WIDTH=\"32\">", 32, 16},
        {"HeightOnly", "<IMG SRC=\"pic\" HEIGHT=\"4\">", 8, 4},
        {"Both", "<IMG SRC=\"Pic\" WIDTH=\"5\" HEIGHT=\"30\">", 5, 30},
        {"Own", "<IMG SRC=\"Pic\">", 16, 8},
        {"Missing", "<IMG SRC=\"Other\">", 0, 0},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.P.PictureContainer = &Box;
        C.Run(Case.Markup);
        EXPECT_EQ(C.R.XSize, Case.W);
        EXPECT_EQ(C.R.YSize, std::max(Case.H, Gh()));
    }
}

TEST(MarkupImages, AltPictureWhilePointIsOver)
{
    TPictureContainer Box;
    TPictureItem *A = Box.Items().Add();
    A->Name = "a";
    A->Picture->LoadFromData(Png_Of(Solid(16, 16, Qt::red)));
    TPictureItem *B = Box.Items().Add();
    B->Name = "b";
    B->Picture->LoadFromData(Png_Of(Solid(16, 16, Qt::blue)));
    const QString M = "<A HREF=\"pic\"><IMG SRC=\"a\" ALT=\"b\"></A>";
    TCall Away;
    Away.P.PictureContainer = &Box;
    Away.Run(M);
    EXPECT_EQ(Away.Canvas.Image().pixelColor(8, 8), QColor(Qt::red));
    TCall Over;
    Over.P.PictureContainer = &Box;
    Over.P.XPos = 8;
    Over.P.YPos = 8;
    EXPECT_TRUE(Over.Run(M));
    EXPECT_EQ(Over.R.AnchorVal, "pic");
    EXPECT_EQ(Over.Canvas.Image().pixelColor(8, 8), QColor(Qt::blue));
}

TEST(MarkupImages, ByUrlThroughTheCache)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("Logo.png");
    Solid(10, 6, Qt::green).save(Path);
    THTMLPictureCache Cache;
    TCall C;
    C.P.ImageCache = &Cache;
    C.Run("<IMG SRC=\"file://" + Path + "\">");
    EXPECT_EQ(C.R.XSize, 10);
    ASSERT_EQ(Cache.Count(), 1);
    C.Run("<IMG SRC=\"file://" + Path + "\">");
    EXPECT_EQ(Cache.Count(), 1); // loaded once
    // file names are case-sensitive here and taken as written
    C.Run("<IMG SRC=\"file://" + Dir.filePath("LOGO.PNG") + "\">");
    EXPECT_EQ(C.R.XSize, 0);
}

TEST(MarkupControls, LayoutAndHits)
{
    const QString M = "Name <CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"60\">"
                      "<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"True\" WIDTH=\"20\">"
                      "<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"40\">";
    TCall C;
    C.Run(M);
    const int Name_W = Width_Of("Name ");
    EXPECT_EQ(C.R.XSize, Name_W + 60 + 16 + 40);
    EXPECT_EQ(C.R.YSize, std::max(25, Gh() + 10));

    TCall Hot;
    Hot.P.CheckHotSpot = true;
    Hot.P.ControlID = "b1";
    EXPECT_TRUE(Hot.Run(M));
    EXPECT_EQ(Hot.R.ControlType, "BUTTON");
    EXPECT_EQ(Hot.R.ControlValue, "Go");
    EXPECT_EQ(Hot.R.ControlID, "b1");
    EXPECT_EQ(Hot.R.AnchorVal, "ctrl");
    EXPECT_EQ(Hot.R.ControlRect, TRect(1 + Name_W + 76, 0, 1 + Name_W + 116, 25));

    TCall Point;
    Point.P.XPos = 1 + Name_W + 10;
    Point.P.YPos = 5;
    EXPECT_TRUE(Point.Run(M));
    EXPECT_EQ(Point.R.ControlID, "e1");
    EXPECT_EQ(Point.R.ControlType, "EDIT");

    TCall NoWidth;
    NoWidth.Run("<CONTROL TYPE=\"EDIT\" ID=\"e\">");
    EXPECT_EQ(NoWidth.R.XSize, 0);
}

TEST(MarkupControls, CheckedBoxAndPressedButtonDraw)
{
    TSystemInfoGuard Classic;
    System_Info().Theme_Active = false;
    auto Render = [](const QString &M, bool Down, int X, int Y) {
        TCall C;
        C.P.Down = Down;
        C.P.XPos = X;
        C.P.YPos = Y;
        C.Run(M);
        return C.Canvas.Image();
    };
    const QImage Checked = Render("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"tRuE\" WIDTH=\"20\">", false, -1, -1);
    const QImage Unchecked = Render("<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"yes\" WIDTH=\"20\">", false, -1, -1);
    EXPECT_NE(Checked, Unchecked);
    const QString Button = "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">";
    const QImage Up = Render(Button, false, 20, 10);
    const QImage DownAway = Render(Button, true, 300, 100);
    const QImage DownOver = Render(Button, true, 20, 10);
    // without visual styles a button looks pressed only with the point over it
    EXPECT_EQ(Up, DownAway);
    EXPECT_NE(Up, DownOver);
}

TEST(MarkupRender, RenderedSamplesForLooking)
{
    TImageList L(16, 16);
    L.Add(Solid(16, 16, QColor(0, 128, 255)));
    const QString Samples[] = {
        "<B>Bold</B>, <I>italic</I>, <U>underlined</U>, <S>struck</S> and <FONT COLOR=\"clred\">red</FONT> "
        "<FONT BGCOLOR=\"#FFFF00\">on yellow</FONT>",
        "<P ALIGN=\"CENTER\">Centred <A HREF=\"x\">link</A></P><UL><LI>one<LI>two</UL>H<SUB>2</SUB>O x<SUP>2</SUP>",
        "<IMG SRC=\"IDX:0\"> image, <E>erorr</E> <SHAD>shadow</SHAD> <HI>highlight</HI><HR>"
        "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"text\" WIDTH=\"60\"> <CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"TRUE\" WIDTH=\"20\"> "
        "<CONTROL TYPE=\"COMBO\" ID=\"cb\" VALUE=\"pick\" WIDTH=\"70\"> <CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"OK\" WIDTH=\"40\">",
    };
    int N = 0;
    for (const QString &S : Samples) {
        QImage Img(420, 90, QImage::Format_RGB32);
        Img.fill(Qt::white);
        {
            QPainter P(&Img);
            TPainterCanvas Cv(P);
            Cv.Font = Test_Font();
            THTMLRenderParams Par;
            Par.WordWrap = true;
            Par.Images = &L;
            THTMLRenderResult Res;
            RenderHTML(Cv, S, TRect(4, 4, 416, 86), Par, Res);
            EXPECT_GT(Res.XSize, 0);
        }
        const QString Path = QDir(Test_Output_Dir()).filePath(QStringLiteral("markup_%1.png").arg(++N));
        EXPECT_TRUE(Img.save(Path));
        // the first sample's yellow background and the third's list image show
        if (N == 1) {
            EXPECT_GT(Count_Colour(Img, Img.rect(), QColor(255, 255, 0)), 50);
        }
        if (N == 3) {
            EXPECT_GE(Count_Colour(Img, Img.rect(), QColor(0, 128, 255)), 14 * 14);
        }
    }
}

TEST(MarkupRender, PointAboveTheTextBandOfALinkRun)
{
    TImageList Tall(16, 40);
    Tall.Add(Solid(16, 40, Qt::gray));
    TCall C;
    C.P.Images = &Tall;
    C.P.CheckHotSpot = true;
    C.P.XPos = 1 + Width_Of("ab") / 2;
    C.P.YPos = 5;
    EXPECT_FALSE(C.Run("<A HREF=\"t\">ab</A><IMG SRC=\"IDX:0\">"));
    EXPECT_EQ(C.R.AnchorVal, "t");
    C.P.YPos = 40 - Gh() / 2;
    EXPECT_TRUE(C.Run("<A HREF=\"t\">ab</A><IMG SRC=\"IDX:0\">"));
}

TEST(MarkupRender, TagEffects)
{
    struct TCase { const char *Name; const char *Markup; bool Selected; int Runs; TColor Color; TFontStyles Style; };
    const TCase Cases[] = {
        {"Italic", "<I>x</I>", false, 1, clBlack, {fsItalic}},
        {"Underline", "<U>x</U>", false, 1, clBlack, {fsUnderline}},
        {"Strike", "<S>x</S>", false, 1, clBlack, {fsStrikeOut}},
        {"SelectedKeepsColour", "<FONT COLOR=\"clred\">x</FONT>", true, 1, clBlack, {}},
        {"SelectedLinkKeepsColour", "<A HREF=\"a\">x</A>", true, 1, clBlack, {fsUnderline}},
        {"HiddenNotDrawn", "<Z>x</Z>", false, 0, clBlack, {}},
        {"ShadowDrawsTwice", "<SHAD>x</SHAD>", false, 2, clGray, {}},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.P.Selected = Case.Selected;
        C.Run(Case.Markup);
        const auto T = C.Texts();
        ASSERT_EQ(static_cast<int>(T.size()), Case.Runs);
        if (!T.empty()) {
            EXPECT_EQ(T[0].Font.Color, Case.Color);
            EXPECT_EQ(T[0].Font.Style, Case.Style);
        }
    }
    TCall Blink;
    Blink.P.Blink = false;
    Blink.Canvas.Brush.Color = clWhite;
    Blink.Run("<BLINK>x</BLINK>");
    ASSERT_EQ(Blink.Texts().size(), 1u);
    EXPECT_EQ(Blink.Texts()[0].Font.Color, clWhite);

    TCall Sub;
    Sub.Run("H<SUB>2</SUB>O");
    EXPECT_EQ(Sub.R.YSize, Gh() + Gh() / 4);
    TCall Ind;
    Ind.Run("a<IND x=\"50\">b");
    EXPECT_EQ(Ind.R.XSize, 50 + Width_Of("b"));
    TCall BadInd;
    BadInd.Run("a<IND x=\"5x\">b");
    EXPECT_EQ(BadInd.R.XSize, Width_Of("a") + Width_Of("b"));
}

namespace {
// Sets the platform's reading direction for one test and puts it back.
struct TRightToLeftPlatform {
    bool Saved = Platform_Right_To_Left();
    explicit TRightToLeftPlatform(bool Value) { Set_Platform_Right_To_Left(Value); }
    ~TRightToLeftPlatform() { Set_Platform_Right_To_Left(Saved); }
};
} // namespace

TEST(MarkupReadingOrder, DrawTextFlags)
{
    struct TCase {
        const char *Name;
        bool Rtl_Platform;
        TBiDiMode Mode;
        unsigned Flags, Expected;
    };
    const TCase Cases[] = {
        {"LeftToRightPlatformUnchanged", false, bdRightToLeft, DT_LEFT | DT_SINGLELINE, DT_LEFT | DT_SINGLELINE},
        {"LeftToRightModeUnchanged", true, bdLeftToRight, DT_RIGHT, DT_RIGHT},
        {"LeftBecomesRight", true, bdRightToLeft, DT_SINGLELINE, DT_SINGLELINE | DT_RIGHT | DT_RTL_READING},
        {"RightBecomesLeft", true, bdRightToLeft, DT_RIGHT, DT_LEFT | DT_RTL_READING},
        {"CentreStays", true, bdRightToLeft, DT_CENTER, DT_CENTER | DT_RTL_READING},
        {"NoAlignReadsOnly", true, bdRightToLeftNoAlign, DT_LEFT, DT_LEFT | DT_RTL_READING},
        {"ReadingOnly", true, bdRightToLeftReadingOnly, DT_RIGHT, DT_RIGHT | DT_RTL_READING},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TRightToLeftPlatform Platform(C.Rtl_Platform);
        EXPECT_EQ(BiDiDrawTextFlags(C.Mode, C.Flags), C.Expected);
    }
}

// On a right-to-left platform a right-to-left control places its runs from
// the line's right edge leftwards; the layout sizes stay those of the text.
TEST(MarkupReadingOrder, RunsPlacedFromTheRight)
{
    struct TCase {
        const char *Name;
        bool Rtl_Platform;
        TBiDiMode Mode;
        bool From_Right;
    };
    const TCase Cases[] = {
        {"RightToLeftControl", true, bdRightToLeft, true},
        {"ReadingOnlyControl", true, bdRightToLeftReadingOnly, true},
        {"LeftToRightControl", true, bdLeftToRight, false},
        {"LeftToRightPlatform", false, bdRightToLeft, false},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TRightToLeftPlatform Platform(Case.Rtl_Platform);
        TCall C;
        C.P.BiDiMode = Case.Mode;
        C.Run("ab<B>cd</B>ef", TRect(0, 0, 300, 100));
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 3u);
        EXPECT_EQ(C.R.XSize, Width_Of("ab") + Width_Of("cd", {fsBold}) + Width_Of("ef"));
        if (Case.From_Right) {
            EXPECT_EQ(T[0].Rect.Right, 300);
            EXPECT_EQ(T[1].Rect.Right, T[0].Rect.Left);
            EXPECT_EQ(T[2].Rect.Right, T[1].Rect.Left);
        } else {
            EXPECT_EQ(T[0].Rect.Left, 1);
            EXPECT_EQ(T[1].Rect.Left, T[0].Rect.Right);
        }
    }
}

// Without word wrap a right-to-left line that is too long is cut at the
// left edge with an ellipsis, not drawn beyond it.
TEST(MarkupReadingOrder, OverflowCutAtTheLeftEdge)
{
    TRightToLeftPlatform Platform(true);
    TCall C;
    C.P.BiDiMode = bdRightToLeft;
    C.Run("a rather long text that does not fit", TRect(0, 0, 60, 100));
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 1u);
    EXPECT_GE(T[0].Rect.Left, 1);
    EXPECT_LE(T[0].Rect.Right, 60);
    EXPECT_TRUE(T[0].Text.endsWith(QChar(0x2026)));
}

// In the themed look a button shows pressed whenever the mouse button is
// down and hot while the point is over it; a drop-down button shows hot too.
// The classic look has no hot state.
TEST(MarkupControls, ThemedHotAndPressedStates)
{
    struct TThemed {
        TSystemInfoGuard Guard;
        explicit TThemed(bool V) { System_Info().Theme_Active = V; }
    };
    auto Render = [](const QString &M, bool Down, int X, int Y) {
        TCall C;
        C.P.Down = Down;
        C.P.XPos = X;
        C.P.YPos = Y;
        C.Run(M);
        return C.Canvas.Image();
    };
    const QString Button = "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"50\">";
    const QString Combo = "<CONTROL TYPE=\"COMBO\" ID=\"c\" VALUE=\"pick\" WIDTH=\"70\">";
    {
        TThemed Themed(true);
        const QImage Away = Render(Button, false, 300, 100);
        const QImage Hot = Render(Button, false, 20, 10);
        const QImage DownAway = Render(Button, true, 300, 100);
        const QImage DownOver = Render(Button, true, 20, 10);
        EXPECT_NE(Away, Hot);
        EXPECT_NE(Away, DownAway);
        EXPECT_EQ(DownAway, DownOver);
        EXPECT_NE(Hot, DownOver);
        EXPECT_NE(Render(Combo, false, 300, 100), Render(Combo, false, 30, 10));
    }
    TThemed Classic(false);
    EXPECT_EQ(Render(Button, false, 300, 100), Render(Button, false, 20, 10));
    EXPECT_EQ(Render(Combo, false, 300, 100), Render(Combo, false, 30, 10));
}

// Hover style: only the hovered hyperlink is underlined and takes the hover
// colours; every hyperlink takes the URL colour; what follows gets the entry
// colours back.
TEST(MarkupRender, HoverStyleColoursOnlyTheHoveredLink)
{
    TCall C;
    C.P.HoverStyle = true;
    C.P.HoverLink = 2;
    C.P.URLColor = clBlue;
    C.P.HoverColor = clYellow;
    C.P.HoverFontColor = clRed;
    C.Run("<A HREF=\"a\">one</A> <A HREF=\"b\">two</A>x");
    const auto T = C.Texts();
    ASSERT_EQ(T.size(), 4u);
    EXPECT_EQ(T[0].Text, "one");
    EXPECT_EQ(T[0].Font.Color, clBlue);
    EXPECT_FALSE(T[0].Font.Style.Contains(fsUnderline));
    EXPECT_EQ(T[0].Brush.Style, bsClear);
    EXPECT_EQ(T[2].Text, "two");
    EXPECT_EQ(T[2].Font.Color, clRed);
    EXPECT_TRUE(T[2].Font.Style.Contains(fsUnderline));
    EXPECT_EQ(T[2].Brush.Style, bsSolid);
    EXPECT_EQ(T[2].Brush.Color, clYellow);
    EXPECT_EQ(T[3].Text, "x");
    EXPECT_EQ(T[3].Font.Color, clBlack);
    EXPECT_FALSE(T[3].Font.Style.Contains(fsUnderline));
    EXPECT_EQ(T[3].Brush.Style, bsClear);
    EXPECT_EQ(C.R.HyperLinks, 2);
}

// Backgrounds, rules, rotation, paragraph alignment and indent.
TEST(MarkupRender, BlockTags)
{
    const TRect Area(0, 0, 400, 200);
    auto Fills = [](const TCall &C) {
        std::vector<TCanvasOp> V;
        for (const TCanvasOp &O : C.Canvas.Ops())
            if (O.Kind == TCanvasOp::FillRect)
                V.push_back(O);
        return V;
    };
    {
        SCOPED_TRACE("BodyColourFillsTheRectangle");
        TCall C;
        C.Run("<BODY BGCOLOR=\"clred\">x", Area);
        const auto F = Fills(C);
        ASSERT_EQ(F.size(), 1u);
        EXPECT_EQ(F[0].Rect, Area);
        EXPECT_EQ(F[0].Brush.Color, clRed);
        EXPECT_EQ(C.Canvas.Brush, TCall().Canvas.Brush);
    }
    {
        SCOPED_TRACE("ParagraphColourFillsTheLineBand");
        TCall C;
        C.Run("<P BGCOLOR=\"#00FF00\">x</P>y", Area);
        const auto F = Fills(C);
        ASSERT_FALSE(F.empty());
        EXPECT_EQ(F[0].Rect, TRect(0, 0, 400, Gh()));
        EXPECT_EQ(F[0].Brush.Color, clLime);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 2u);
        EXPECT_EQ(T[1].Brush.Style, bsClear); // the paragraph's background ends with it
    }
    {
        SCOPED_TRACE("RuleEndsTheLine");
        TCall C;
        C.Run("a<HR>b", Area);
        int Lines = 0;
        for (const TCanvasOp &O : C.Canvas.Ops())
            if (O.Kind == TCanvasOp::LineTo && O.Pen.Color == clBlack) {
                ++Lines;
                EXPECT_EQ(O.Rect.Left, 1);
                EXPECT_EQ(O.Rect.Right, 400);
                EXPECT_EQ(O.Rect.Top, Gh() + 1);
            }
        EXPECT_EQ(Lines, 1);
        EXPECT_EQ(C.R.YSize, 2 * Gh());
    }
    {
        SCOPED_TRACE("RotatedRun");
        TCall C;
        C.Run("<R a=\"90\">x</R>y", Area);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 2u);
        EXPECT_EQ(T[0].Font.Orientation, 900);
        EXPECT_EQ(T[1].Font.Orientation, 0);
    }
    {
        SCOPED_TRACE("RightAlignedParagraph");
        TCall C;
        C.Run("<P ALIGN=\"RIGHT\">ab</P>cd", Area);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 2u);
        EXPECT_EQ(T[0].Rect.Right, 400);
        EXPECT_EQ(T[1].Rect.Right, 400); // the alignment carries on
    }
    {
        SCOPED_TRACE("ParagraphIndent");
        TCall C;
        C.Run("<P INDENT=\"20\">ab", Area);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 1u);
        EXPECT_EQ(T[0].Rect.Left, 1 + 20);
    }
}

// The visual-style look follows the system answers: from Windows XP (5.1)
// on, and only while a theme is active.
TEST(MarkupControls, ThemedLookFollowsTheSystem)
{
    struct TCase { const char *Name; int Major, Minor; bool Active, Themed; };
    const TCase Cases[] = {
        {"Seven", 6, 1, true, true}, {"Xp", 5, 1, true, true}, {"TwoThousand", 5, 0, true, false},
        {"ThemeOff", 6, 1, false, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSystemInfoGuard G;
        System_Info().Win_Major = C.Major;
        System_Info().Win_Minor = C.Minor;
        System_Info().Theme_Active = C.Active;
        EXPECT_EQ(Markup_Themed(), C.Themed);
        TCall Call;
        Call.Run("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"40\">");
        bool Frame_Found = false;
        for (const TCanvasOp &O : Call.Canvas.Ops())
            if (O.Kind == TCanvasOp::Rectangle) {
                EXPECT_EQ(O.Pen.Color, C.Themed ? static_cast<TColor>(0xB99D7F) : clGray);
                Frame_Found = true;
            }
        EXPECT_TRUE(Frame_Found);
    }
}

// Printing draws image-list pictures as bitmaps stretched by the resolution
// factor; the layout keeps the list's size.
TEST(MarkupImages, PrintStretchesByResolution)
{
    TImageList L(16, 16);
    L.Add(Solid(16, 16, Qt::red));
    struct TCase { const char *Name; bool Print; double Res; int Draws, Stretches, Drawn_W; };
    const TCase Cases[] = {
        {"Screen", false, 3.0, 1, 0, 16},
        {"PrintDouble", true, 2.0, 0, 1, 32},
        {"PrintRounded", true, 1.55, 0, 1, 25},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.P.Images = &L;
        C.P.Print = Case.Print;
        C.P.ResFactor = Case.Res;
        C.Run("a<IMG SRC=\"IDX:0\">");
        EXPECT_EQ(C.R.XSize, Width_Of("a") + 16);
        EXPECT_EQ(C.Canvas.Count(TCanvasOp::Draw), Case.Draws);
        EXPECT_EQ(C.Canvas.Count(TCanvasOp::StretchDraw), Case.Stretches);
        for (const TCanvasOp &O : C.Canvas.Ops())
            if (O.Kind == TCanvasOp::StretchDraw) {
                EXPECT_EQ(O.Rect.Left, 1 + Width_Of("a"));
                EXPECT_EQ(O.Rect.Width(), Case.Drawn_W);
                EXPECT_EQ(O.Rect.Height(), Case.Drawn_W);
            }
    }
}

// System icons keep their place (small 16, large 32); the shell's numbered
// icons have nothing to draw here.
TEST(MarkupImages, SystemIconsKeepTheirPlace)
{
    struct TCase { const char *Name; const char *Markup; int Size; };
    const TCase Cases[] = {
        {"SmallNumbered", "<IMG SRC=\"SSYS:3\">", 16},
        {"LargeNumbered", "<IMG SRC=\"lsys:3\">", 32},
        {"SmallOfFile", "<IMG SRC=\"SSYS:/no/such/file.txt\">", 16},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TCall C;
        C.Run(Case.Markup);
        EXPECT_EQ(C.R.XSize, Case.Size);
        EXPECT_EQ(C.R.YSize, std::max(Case.Size, Gh()));
        if (QString(Case.Markup).contains(":3")) {
            EXPECT_EQ(C.Canvas.Count(TCanvasOp::Draw) + C.Canvas.Count(TCanvasOp::StretchDraw), 0);
        }
    }
}

// A BODY background picture is tiled over the rectangle from its top-left
// corner, clipped to it; the clip is lifted afterwards.
TEST(MarkupImages, BodyBackgroundTiles)
{
    TPictureContainer Box;
    TPictureItem *It = Box.Items().Add();
    It->Name = "Tile";
    It->Picture->LoadFromData(Png_Of(Solid(10, 10, Qt::green)));
    TCall C;
    C.P.PictureContainer = &Box;
    C.Run("<BODY BACKGROUND=\"Tile\">x", TRect(5, 5, 30, 30));
    std::vector<TPoint> At;
    for (const TCanvasOp &O : C.Canvas.Ops())
        if (O.Kind == TCanvasOp::Draw)
            At.push_back(TPoint(O.Rect.Left, O.Rect.Top));
    ASSERT_EQ(At.size(), 9u);
    EXPECT_EQ(At.front(), TPoint(5, 5));
    EXPECT_EQ(At.back(), TPoint(25, 25));
    EXPECT_EQ(C.Canvas.Count(TCanvasOp::SetClip), 1);
    EXPECT_EQ(C.Canvas.Count(TCanvasOp::ClearClip), 1);
    EXPECT_FALSE(C.Canvas.Has_Clip());
    const QImage I = C.Canvas.Image();
    EXPECT_EQ(I.pixelColor(29, 29), QColor(Qt::green));
    EXPECT_EQ(I.pixelColor(31, 31), QColor(Qt::white));
    // the name reaches the container as written; the container's own lookup ignores case
    TCall Other;
    Other.P.PictureContainer = &Box;
    Other.Run("<BODY BACKGROUND=\"tile\">x", TRect(5, 5, 30, 30));
    EXPECT_EQ(Other.Canvas.Count(TCanvasOp::Draw), 9);
}

// With right-to-left reading the whole line is mirrored: pictures, embedded
// controls, hyperlink hits and their rectangles stand where they are drawn,
// counted from the line's right edge; paragraph alignment mirrors too.
TEST(MarkupReadingOrder, LineMirrored)
{
    TRightToLeftPlatform Platform(true);
    const TRect Area(0, 0, 300, 100);
    TImageList L(16, 16);
    L.Add(Solid(16, 16, Qt::red));
    {
        SCOPED_TRACE("PictureAfterText");
        TCall C;
        C.P.BiDiMode = bdRightToLeft;
        C.P.Images = &L;
        C.Run("ab<IMG SRC=\"IDX:0\">", Area);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 1u);
        EXPECT_EQ(T[0].Rect.Right, 300);
        int Drawn_At = -1;
        for (const TCanvasOp &O : C.Canvas.Ops())
            if (O.Kind == TCanvasOp::Draw)
                Drawn_At = O.Rect.Left;
        EXPECT_EQ(Drawn_At, 300 - Width_Of("ab") - 16);
    }
    {
        SCOPED_TRACE("HyperlinkHitWhereDrawn");
        const int W = Width_Of("link");
        TCall On;
        On.P.BiDiMode = bdRightToLeft;
        On.P.XPos = 300 - W / 2;
        On.P.YPos = Gh() / 2;
        On.Run("<A HREF=\"t\">link</A>", Area);
        EXPECT_EQ(On.R.AnchorVal, "t");
        EXPECT_EQ(On.R.MouseLink, 1);
        EXPECT_EQ(On.R.HoverRect, TRect(300 - W, 0, 300, Gh()));
        TCall Off;
        Off.P.BiDiMode = bdRightToLeft;
        Off.P.XPos = 10;
        Off.P.YPos = Gh() / 2;
        Off.Run("<A HREF=\"t\">link</A>", Area);
        EXPECT_EQ(Off.R.AnchorVal, "");
        EXPECT_EQ(Off.R.MouseLink, -1);
    }
    {
        SCOPED_TRACE("ControlAtTheRight");
        TCall C;
        C.P.BiDiMode = bdRightToLeft;
        C.P.XPos = 280;
        C.P.YPos = 5;
        EXPECT_TRUE(C.Run("<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"40\">", Area));
        EXPECT_EQ(C.R.ControlID, "e");
        EXPECT_EQ(C.R.ControlRect, TRect(260, 0, 300, Gh() + 10));
    }
    {
        SCOPED_TRACE("TrailingBlankStandsLeft");
        TCall C;
        C.P.BiDiMode = bdRightToLeft;
        C.P.WordWrap = true;
        C.Run("first <B>bold</B>", Area);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 2u);
        EXPECT_EQ(T[0].Text, " first");
        EXPECT_EQ(T[0].Rect.Right, 300);
        EXPECT_EQ(T[1].Rect.Right, T[0].Rect.Left);
    }
    {
        SCOPED_TRACE("RightAlignmentMirrored");
        TCall C;
        C.P.BiDiMode = bdRightToLeft;
        C.Run("<P ALIGN=\"RIGHT\">ab", Area);
        const auto T = C.Texts();
        ASSERT_EQ(T.size(), 1u);
        EXPECT_EQ(T[0].Rect.Left, 1);
    }
}

TEST(MarkupReadingOrder, RenderedSampleForLooking)
{
    TRightToLeftPlatform Platform(true);
    TImageList L(16, 16);
    L.Add(Solid(16, 16, QColor(0, 128, 255)));
    QImage Img(420, 90, QImage::Format_RGB32);
    Img.fill(Qt::white);
    {
        QPainter P(&Img);
        TPainterCanvas Cv(P);
        Cv.Font = Test_Font();
        THTMLRenderParams Par;
        Par.WordWrap = true;
        Par.Images = &L;
        Par.BiDiMode = bdRightToLeft;
        Par.FocusLink = 0;
        THTMLRenderResult Res;
        RenderHTML(Cv,
                   "<IMG SRC=\"IDX:0\"> first <B>bold</B> <A HREF=\"x\">link</A><BR><UL><LI>one<LI>two</UL>"
                   "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"text\" WIDTH=\"60\"> <CONTROL TYPE=\"CHECK\" ID=\"c\" "
                   "VALUE=\"TRUE\" WIDTH=\"20\"> end",
                   TRect(4, 4, 416, 86), Par, Res);
        EXPECT_GT(Res.XSize, 0);
    }
    EXPECT_TRUE(Img.save(QDir(Test_Output_Dir()).filePath(QStringLiteral("markup_rtl.png"))));
    // read from the right: the leading image stands in the right half
    EXPECT_GE(Count_Colour(Img, QRect(210, 0, 210, 90), QColor(0, 128, 255)), 14 * 14);
    EXPECT_EQ(Count_Colour(Img, QRect(0, 0, 210, 90), QColor(0, 128, 255)), 0);
}

TEST(MarkupColours, NamesAndHexadecimal)
{
    struct TCase { const char *Name; TColor (*Parse)(const QString &); const char *Text; TColor Expected; };
    const TCase Cases[] = {
        {"Red", ColorFromName, "clred", 0x0000FF},
        {"NameAnyCase", ColorFromName, "ClBlue", 0xFF0000},
        {"Navy", ColorFromName, "clnavy", 0x800000},
        {"Teal", ColorFromName, "clteal", 0x808000},
        {"Maroon", ColorFromName, "clmaroon", 0x000080},
        {"SystemBackground", ColorFromName, "clbackground", System_Color(1)},
        {"SystemBtnFace", ColorFromName, "clBtnFace", System_Color(15)},
        {"SystemInfoBk", ColorFromName, "clinfobk", System_Color(24)},
        {"Unknown", ColorFromName, "clnothing", clBlack},
        {"HexRedFirst", ColorFromHex, "#FF8000", RGB_Color(0xFF, 0x80, 0x00)},
        {"HexLowerCase", ColorFromHex, "#0a0b0c", RGB_Color(0x0A, 0x0B, 0x0C)},
        {"HexShort", ColorFromHex, "#FF", RGB_Color(0xFF, 0, 0)},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Parse(C.Text), C.Expected);
    }
    EXPECT_EQ(HexPairToInt("7F"), 0x7F);
    EXPECT_EQ(HexPairToInt("F"), 0);
    EXPECT_EQ(HexPairToInt(""), 0);
}

TEST(MarkupPreparation, HashTagsAndLineBreaks)
{
    EXPECT_EQ(UnwrapHashTags("<#abc> and <#d>"), "#abc and #d");
    EXPECT_EQ(UnwrapHashTags("<#open"), "#open");
    EXPECT_EQ(UnwrapHashTags("<B>x</B>"), "<B>x</B>");
    EXPECT_EQ(ConvertLineBreaks("a\r\nb\rc\nd"), "a<BR>b<BR>cd");
    EXPECT_EQ(ConvertLineBreaks("plain"), "plain");
}

// Sizes, indents and angles written in a cell are kept within the drawing
// coordinates (at most 32767 pixels), so no layout sum overflows and no
// picture is scaled to an impossible size.
TEST(MarkupRender, HugeAttributeValuesAreBounded)
{
    TPictureContainer Box;
    TPictureItem *It = Box.Items().Add();
    It->Name = "Pic";
    It->Picture->LoadFromData(Png_Of(Solid(4, 2, Qt::red)));
    struct TCase { const char *Name; const char *Markup; int Max_X; int Max_Y; };
    const TCase Cases[] = {
        {"PictureWidth", "<IMG SRC=\"Pic\" WIDTH=\"99999999999\">", 32767, 32767},
        {"PictureHeight", "<IMG SRC=\"Pic\" HEIGHT=\"4294967296\">", 32767, 32767},
        {"PictureBoth", "<IMG SRC=\"Pic\" WIDTH=\"2147483647\" HEIGHT=\"2147483647\">", 32767, 32767},
        {"ControlSize", "<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"v\" WIDTH=\"999999999\" HEIGHT=\"999999999\">", 32767, 32767},
        {"Indent", "<P INDENT=\"2147483647\">x<BR>y", 32767, 1000},
        {"IndTag", "a<IND x=\"999999999\">b", 32767 + 100, 1000},
        {"Rotation", "<R a=\"2147483647\">x</R>", 1000, 1000},
    };
    for (const TCase &Case : Cases) {
        SCOPED_TRACE(Case.Name);
        for (bool Height_Only : {false, true}) {
            TCall C;
            C.P.PictureContainer = &Box;
            C.P.CheckHeight = Height_Only;
            C.Run(Case.Markup, TRect(0, 0, 400, 100000));
            EXPECT_GE(C.R.XSize, 0);
            EXPECT_LE(C.R.XSize, Case.Max_X);
            EXPECT_GT(C.R.YSize, 0);
            EXPECT_LE(C.R.YSize, Case.Max_Y);
        }
    }
}
