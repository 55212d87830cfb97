#include "TestSupport.h"
#include "toolkit/RichEdit.h"
#include "platform/RichText.h"
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The cell road: bytes into the edit through a stream, and out again.
bool Load(TRichEdit &E, const QByteArray &Bytes)
{
    QByteArray Copy = Bytes;
    QBuffer B(&Copy);
    B.open(QIODevice::ReadOnly);
    return E.Lines().Load_From_Stream(B);
}

QByteArray Save(const TRichEdit &E, TStreamEncoding Encoding)
{
    QByteArray Out;
    QBuffer B(&Out);
    B.open(QIODevice::WriteOnly);
    E.Lines().Save_To_Stream(B, Encoding);
    return Out;
}

void Select(TRichEdit &E, int Start, int Length)
{
    E.Set_SelStart(Start);
    E.Set_SelLength(Length);
}

const QByteArray Own_Form =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fnil Tahoma;}}"
    "{\\colortbl ;\\red255\\green0\\blue0;}"
    "\\pard\\f0\\fs16 H\\dn4 2\\up0 O \\cf1\\b bold\\par\\cf0\\b0\\super x\\nosupersub\\tab\\'e9\\u20013?}";

} // namespace

// Sub- and superscript of the selection: the offset is set on the selected
// characters only, read back, and kept through RTF.
TEST(RichEdit, SelectionOffset)
{
    struct TCase { const char *Name; int Twips; const char *Word; };
    const TCase Cases[] = {
        {"Superscript", 40, "\\up4 "},
        {"Subscript", -40, "\\dn4 "},
        {"Normal", 0, nullptr},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TRichEdit E;
        E.Set_Text("abc");
        Select(E, 1, 1);
        E.Set_Sel_Offset(C.Twips);
        EXPECT_EQ(E.Sel_Offset(), C.Twips);
        Select(E, 0, 1);
        EXPECT_EQ(E.Sel_Offset(), 0);
        Select(E, 2, 1);
        EXPECT_EQ(E.Sel_Offset(), 0);
        // a selection reads its first character
        Select(E, 1, 2);
        EXPECT_EQ(E.Sel_Offset(), C.Twips);

        const QByteArray Rtf = Save(E, TStreamEncoding::Unicode);
        if (C.Word) {
            EXPECT_TRUE(Rtf.contains(C.Word)) << Rtf.constData();
        }
        TRichEdit Back;
        ASSERT_TRUE(Load(Back, Rtf));
        Select(Back, 1, 1);
        EXPECT_EQ(Back.Sel_Offset(), C.Twips);
        EXPECT_EQ(Back.Text(), "abc");
    }
}

// Back to normal after a raise; with nothing selected the offset applies to
// what is typed next.
TEST(RichEdit, OffsetResetAndTyping)
{
    TRichEdit E;
    E.Set_Text("ab");
    Select(E, 0, 2);
    E.Set_Sel_Offset(40);
    E.Set_Sel_Offset(0);
    EXPECT_EQ(E.Sel_Offset(), 0);
    EXPECT_FALSE(Save(E, TStreamEncoding::Ansi).contains("\\up"));

    E.Set_SelStart(2);
    E.Set_Sel_Offset(-40);
    EXPECT_EQ(E.Sel_Offset(), -40);
    QTest::keyClicks(&E, "x");
    EXPECT_EQ(E.Text(), "abx");
    Select(E, 2, 1);
    EXPECT_EQ(E.Sel_Offset(), -40);
    Select(E, 1, 1);
    EXPECT_EQ(E.Sel_Offset(), 0);
}

// A rich-text cell put into the edit and taken out again (saved with the
// Unicode encoding, as the grid does) is unchanged when it is 7-bit RTF of
// the edit's own form; any other RTF settles after one pass.
TEST(RichEdit, CellRoadKeepsRtf)
{
    TRichEdit E;
    ASSERT_TRUE(Load(E, Own_Form));
    EXPECT_EQ(Save(E, TStreamEncoding::Unicode), Own_Form);
    EXPECT_EQ(E.Text(), QString::fromUtf16(u"H2O bold\r\nx\t\u00E9\u4E2D"));

    const QByteArray Foreign = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
                               "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
                               "\\pard\\sa200\\sl276\\slmult1\\b\\f0\\fs22\\lang7 Fett\\b0  normal\\par\r\n}\r\n";
    ASSERT_TRUE(Load(E, Foreign));
    const QByteArray Once = Save(E, TStreamEncoding::Unicode);
    EXPECT_EQ(E.Text(), "Fett normal\r\n");
    ASSERT_TRUE(Load(E, Once));
    EXPECT_EQ(Save(E, TStreamEncoding::Unicode), Once);
}

// Streams: bytes that are no RTF, and everything in plain-text mode, are
// plain text; a byte-order mark picks the encoding.
TEST(RichEdit, PlainTextStreams)
{
    struct TLoad { const char *Name; bool Plain_Mode; QByteArray Bytes; QString Text; };
    const TLoad Loads[] = {
        {"Windows1252", false, "a\r\nb\x80", QString::fromUtf16(u"a\r\nb\u20AC")},
        {"Utf16WithMark", false, QByteArray("\xFF\xFE" "a\0\n\0", 6), "a\r\n"},
        {"Utf8WithMark", false, "\xEF\xBB\xBF\xC3\xA4\rx", QString::fromUtf16(u"\u00E4\r\nx")},
        {"RtfInPlainMode", true, "{\\rtf1 a}", "{\\rtf1 a}"},
    };
    for (const TLoad &C : Loads) {
        SCOPED_TRACE(C.Name);
        TRichEdit E;
        E.Set_PlainText(C.Plain_Mode);
        EXPECT_TRUE(Load(E, C.Bytes));
        EXPECT_EQ(E.Text(), C.Text);
    }

    struct TSave { const char *Name; TStreamEncoding Encoding; QByteArray Bytes; };
    const TSave Saves[] = {
        {"Ansi", TStreamEncoding::Ansi, "a\r\nb\x80"},
        {"Unicode", TStreamEncoding::Unicode, QByteArray("\xFF\xFE" "a\0\r\0\n\0b\0\xAC\x20", 12)},
        {"Utf8", TStreamEncoding::Utf8, "\xEF\xBB\xBF" "a\r\nb\xE2\x82\xAC"},
    };
    for (const TSave &C : Saves) {
        SCOPED_TRACE(C.Name);
        TRichEdit E;
        E.Set_PlainText(true);
        E.Set_Text(QString::fromUtf16(u"a\r\nb\u20AC"));
        EXPECT_EQ(Save(E, C.Encoding), C.Bytes);
    }
}

// Broken RTF: the load says so, with a reason, and shows what could be read.
TEST(RichEdit, BrokenRtfReported)
{
    TRichEdit E;
    EXPECT_FALSE(Load(E, "{\\rtf1 abc{\\b de"));
    EXPECT_FALSE(E.Lines().Last_Error().isEmpty());
    EXPECT_EQ(E.Text(), "abcde");
    EXPECT_TRUE(Load(E, "{\\rtf1 ok}"));
    EXPECT_TRUE(E.Lines().Last_Error().isEmpty());
}

// Lines are the paragraphs; a line break inside one reads as CR LF.
TEST(RichEdit, Lines)
{
    TRichEdit E;
    EXPECT_EQ(E.Lines().Count(), 0);
    ASSERT_TRUE(Load(E, "{\\rtf1 one\\line more\\par two\\par}"));
    EXPECT_EQ(E.Lines().Count(), 2);
    EXPECT_EQ(E.Lines().Strings(0), "one\r\nmore");
    EXPECT_EQ(E.Lines().Strings(1), "two");
    EXPECT_EQ(E.Lines().Strings(2), "");
    EXPECT_EQ(E.Lines().Strings(-1), "");
    EXPECT_EQ(E.Text(), "one\r\nmore\r\ntwo\r\n");
    E.Lines().Clear();
    EXPECT_EQ(E.Lines().Count(), 0);
    EXPECT_EQ(E.Text(), "");
}

// The resize request follows the content: a hidden edit (the grid's
// measuring engine) asks for its own width and the height of its lines.
TEST(RichEdit, ResizeRequest)
{
    TRichEdit E;
    E.resize(200, 100);
    std::vector<QRect> Requests;
    E.OnResizeRequest = [&](TRichEdit *Sender, const QRect &R) {
        EXPECT_EQ(Sender, &E);
        Requests.push_back(R);
    };
    E.Set_Text("one");
    ASSERT_FALSE(Requests.empty());
    const QRect One = Requests.back();
    EXPECT_EQ(One.topLeft(), QPoint(0, 0));
    EXPECT_EQ(One.width(), 200 - 2 * E.frameWidth());
    EXPECT_GT(One.height(), 0);

    E.Set_Text("one\rtwo");
    EXPECT_GT(Requests.back().height(), One.height());
    EXPECT_EQ(E.Content_Size(), Requests.back().size());

    // an explicit request answers even when nothing changed
    const size_t Before = Requests.size();
    E.Request_Resize();
    ASSERT_EQ(Requests.size(), Before + 1);
    EXPECT_EQ(Requests.back(), Requests[Before - 1]);

    // without word wrap a long line asks for more width than the edit has
    E.Set_WordWrap(false);
    E.Set_Text(QString(80, u'W'));
    EXPECT_GT(Requests.back().width(), 200);
    EXPECT_EQ(Requests.back().height(), One.height());
}

// Drawing a rich-text cell: the content is laid out in the rectangle and
// nothing lands outside it.
TEST(RichEdit, DrawsInsideRectangleOnly)
{
    TRichEdit E;
    ASSERT_TRUE(Load(E, "{\\rtf1\\fs40\\b WWWWWWWWWWWWWWWW\\par WWWWWWWW\\par WWWWW}"));
    QImage Img(240, 160, QImage::Format_RGB32);
    Img.fill(Qt::white);
    const QRect Cell(50, 20, 90, 40);
    {
        QPainter P(&Img);
        E.Draw_To(P, Cell);
    }
    int Inside = 0, Outside = 0;
    for (int Y = 0; Y < Img.height(); ++Y)
        for (int X = 0; X < Img.width(); ++X)
            if (Img.pixel(X, Y) != qRgb(255, 255, 255))
                ++(Cell.contains(X, Y) ? Inside : Outside);
    EXPECT_GT(Inside, 0);
    EXPECT_EQ(Outside, 0);
}

// A sample with bold, italic, colours, super- and subscript, shown in the
// edit; the picture goes to the test-output folder.
TEST(RichEdit, ShowsSample)
{
    TRichEdit E;
    E.resize(460, 150);
    ASSERT_TRUE(Load(E, "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                        "{\\colortbl ;\\red200\\green0\\blue0;\\red0\\green110\\blue0;\\red0\\green0\\blue220;}"
                        "\\fs28 Plain, \\b bold\\b0 , \\i italic\\i0 , \\ul underlined\\ulnone\\par "
                        "\\cf1 red \\cf2 green \\cf3 blue\\cf0  and H\\sub 2\\nosupersub O, "
                        "x\\super 2\\nosupersub  + y\\up6 n\\up0  - z\\dn6 k\\dn0\\par "
                        "\\fs20 caf\\'e9 \\u8364? \\u20013?\\tab tab}"));
    E.show();
    const QString Path = Save_Screenshot(&E, "rich_edit_sample");
    const QImage Shot(Path);
    ASSERT_FALSE(Shot.isNull());
    // the coloured words are there
    bool Red = false, Green = false, Blue = false;
    for (int Y = 0; Y < Shot.height(); ++Y)
        for (int X = 0; X < Shot.width(); ++X) {
            const QColor C = Shot.pixelColor(X, Y);
            Red |= C.red() > 150 && C.green() < 80 && C.blue() < 80;
            Green |= C.green() > 80 && C.red() < 60 && C.blue() < 60;
            Blue |= C.blue() > 150 && C.red() < 80 && C.green() < 80;
        }
    EXPECT_TRUE(Red && Green && Blue);
}
