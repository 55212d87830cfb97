#include "grid/model/TextRoutines.h"
#include "platform/Clipboard.h"
#include "platform/HtmlEnvelope.h"
#include <gtest/gtest.h>
#include <cstdlib>

namespace {
// A header of the given offsets in front of Body (the offsets count from the
// header's first byte, which is 97 bytes long as the grid writes it).
QByteArray Envelope(int Start_Html, int End_Html, int Start_Fragment, int End_Fragment, const QByteArray &Body)
{
    auto Line = [](const char *Name, int V) {
        // eight characters, sign included, so the header stays 97 bytes long
        const QByteArray Digits = QByteArray::number(std::abs(V)).rightJustified(V < 0 ? 7 : 8, '0');
        return QByteArray(Name) + (V < 0 ? "-" : "") + Digits + "\r\n";
    };
    return "Version:1.0\r\n" + Line("StartHTML:", Start_Html) + Line("EndHTML:", End_Html)
           + Line("StartFragment:", Start_Fragment) + Line("EndFragment:", End_Fragment) + Body;
}
} // namespace

// The header's offsets cut the document and the fragment out of the bytes;
// anything incomplete or inconsistent is not an envelope and is read as it is.
TEST(HtmlEnvelope, Parse)
{
    const QByteArray Body = "<html><body><!--StartFragment--><b>x</b><!--EndFragment--></body></html>";
    const int Doc = 97, Frag = Doc + Body.indexOf("<b>"), Frag_End = Frag + 8, Doc_End = Doc + Body.size();
    struct TCase
    {
        const char *Name;
        QByteArray Text;
        bool Valid;
        QByteArray Document, Fragment;
    };
    const TCase Cases[] = {
        {"DocumentAndFragment", Envelope(Doc, Doc_End, Frag, Frag_End, Body), true, Body, "<b>x</b>"},
        // -1 for both document offsets: the fragment alone
        {"FragmentOnly", Envelope(-1, -1, Frag, Frag_End, Body), true, "", "<b>x</b>"},
        {"PlainHtmlIsNoEnvelope", Body, false, "", ""},
        {"EndBeyondTheText", Envelope(Doc, Doc_End + 1, Frag, Frag_End, Body), false, "", ""},
        {"FragmentOutsideTheDocument", Envelope(Frag, Doc_End, Doc, Frag_End, Body), false, "", ""},
        {"FragmentReversed", Envelope(Doc, Doc_End, Frag_End, Frag, Body), false, "", ""},
        // an offset inside the header would hand out header bytes as HTML
        {"StartInsideTheHeader", Envelope(10, Doc_End, Frag, Frag_End, Body), false, "", ""},
        {"NumberMissing", QByteArray(Envelope(Doc, Doc_End, Frag, Frag_End, Body)).replace("EndHTML:", "EndHTML:x"),
         false, "", ""},
        {"NoVersionLine", Envelope(Doc, Doc_End, Frag, Frag_End, Body).mid(13), false, "", ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const THtmlEnvelope E = Parse_Html_Envelope(C.Text);
        EXPECT_EQ(E.Valid, C.Valid);
        EXPECT_EQ(E.Document, C.Document);
        EXPECT_EQ(E.Fragment, C.Fragment);
        EXPECT_EQ(Html_Without_Envelope(C.Text), C.Valid ? (C.Document.isEmpty() ? C.Fragment : C.Document) : C.Text);
    }
}

// What the grid's envelope builder writes reads back to its fragment, also
// when the fragment holds characters of more than one UTF-8 byte.
TEST(HtmlEnvelope, ReadsTheGridsOwnEnvelope)
{
    for (const QString &Fragment : {QStringLiteral("<td>abc</td>"), QStringLiteral("<td>\u00e4\u20ac\U0001F600</td>")}) {
        SCOPED_TRACE(Fragment.toStdString());
        QString Wrapped = Fragment;
        MakeHTMLClipboardData(Wrapped);
        const THtmlEnvelope E = Parse_Html_Envelope(Wrapped.toUtf8());
        ASSERT_TRUE(E.Valid);
        EXPECT_EQ(QString::fromUtf8(E.Fragment), Fragment);
        EXPECT_TRUE(E.Document.startsWith("<!DOCTYPE"));
        EXPECT_TRUE(E.Document.endsWith("</html>"));
    }
}

// Clipboard() is the desktop's until a fake is installed, and again after.
TEST(ClipboardService, GuardInstallsAndRestores)
{
    EXPECT_EQ(&Clipboard(), &System_Clipboard());
    {
        TFakeClipboard Fake;
        TClipboardGuard Guard(&Fake);
        EXPECT_EQ(&Clipboard(), &Fake);
        Clipboard().Put_Text(QStringLiteral("in the fake"));
        EXPECT_EQ(Fake.Text(), QStringLiteral("in the fake"));
    }
    EXPECT_EQ(&Clipboard(), &System_Clipboard());
}

// The same steps on the fake and on Qt's clipboard give the same content:
// Set replaces everything, Add keeps what is there, formats keep their bytes.
class TClipboardRoundTrip : public ::testing::TestWithParam<bool>
{
protected:
    TFakeClipboard Fake;
    IClipboard &Board() { return GetParam() ? System_Clipboard() : static_cast<IClipboard &>(Fake); }
    void TearDown() override { System_Clipboard().Clear(); }
};

TEST_P(TClipboardRoundTrip, FormatsSideBySide)
{
    // A binary stream with zero and high bytes, as the grid's cell block has.
    const QByteArray Cells = QByteArray::fromHex("0200000000ff7f800a0d09");
    const QString Text = QStringLiteral("a\tb\r\nc\t\u00e4\u20ac\r\n");
    TClipData D;
    D.Set_Text(Text);
    Board().Set(D);
    TClipData More;
    More.Set_Rtf(QByteArray("{\\rtf1 x}") + '\0');
    More.Set_Grid_Cells(Cells);
    Board().Add(More);

    EXPECT_TRUE(Board().Has_Text());
    EXPECT_EQ(Board().Text(), Text);
    EXPECT_TRUE(Board().Has_Rtf());
    EXPECT_EQ(Board().Rtf(), QByteArray("{\\rtf1 x}"));   // up to the zero
    EXPECT_TRUE(Board().Has_Grid_Cells());
    EXPECT_EQ(Board().Grid_Cells(), Cells);
    EXPECT_EQ(Board().Data(Mime_Grid_Cells()), Cells);
    EXPECT_FALSE(Board().Has_Html());
    EXPECT_TRUE(Board().Formats().contains(Mime_Grid_Cells()));

    // Adding a format that is there replaces it and keeps the others.
    TClipData Again;
    Again.Set_Grid_Cells("\x01");
    Board().Add(Again);
    EXPECT_EQ(Board().Grid_Cells(), QByteArray("\x01"));
    EXPECT_EQ(Board().Text(), Text);

    // Put_Text replaces everything, as a plain text copy does.
    Board().Put_Text(QStringLiteral("only"));
    EXPECT_EQ(Board().Text(), QStringLiteral("only"));
    EXPECT_FALSE(Board().Has_Grid_Cells());
    EXPECT_FALSE(Board().Has_Rtf());
    EXPECT_TRUE(Board().Grid_Cells().isEmpty());

    Board().Clear();
    EXPECT_FALSE(Board().Has_Text());
    EXPECT_TRUE(Board().Text().isEmpty());
}

// HTML is read without a Windows header, whether or not it came with one.
TEST_P(TClipboardRoundTrip, HtmlWithAndWithoutHeader)
{
    QString Wrapped = QStringLiteral("<td>\u00e4</td>");
    MakeHTMLClipboardData(Wrapped);
    struct TCase { const char *Name; QString Put; bool Document; };
    const TCase Cases[] = {{"Plain", QStringLiteral("<p>plain \u00e4</p>"), false}, {"Enveloped", Wrapped, true}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TClipData D;
        D.Set_Html(C.Put);
        D.Set_Text(QStringLiteral("beside"));
        Board().Set(D);
        ASSERT_TRUE(Board().Has_Html());
        if (C.Document) {
            EXPECT_TRUE(Board().Html().startsWith(QStringLiteral("<!DOCTYPE")));
            EXPECT_TRUE(Board().Html().contains(QStringLiteral("<td>\u00e4</td>")));
            EXPECT_FALSE(Board().Html().contains(QStringLiteral("Version:")));
        } else {
            EXPECT_EQ(Board().Html(), C.Put);
        }
        EXPECT_EQ(Board().Text(), QStringLiteral("beside"));
    }
}

INSTANTIATE_TEST_SUITE_P(Boards, TClipboardRoundTrip, ::testing::Values(false, true),
                         [](const auto &Info) { return Info.param ? "Qt" : "Fake"; });
