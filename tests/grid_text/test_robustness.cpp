// Random inputs built from the languages' own pieces: every call finishes
// and keeps its invariants (no crash, canvas state restored, round trips).
#include "grid/model/FilterExpr.h"
#include "grid/base/MarkupRender.h"
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"
#include "toolkit/Canvas.h"
#include "toolkit/ImageList.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QString Random_Of(QRandomGenerator &R, const QStringList &Pieces, int Count)
{
    QString S;
    for (int I = 0; I < Count; ++I)
        S += Pieces[static_cast<int>(R.bounded(static_cast<quint32>(Pieces.size())))];
    return S;
}
} // namespace

TEST(Robustness, RandomMarkupRenders)
{
    const QStringList Pieces = {
        "a", "word ", " ", "<B>", "</B>", "<I>", "</I>", "<U>", "</U>", "<UL>", "</UL>", "<LI>", "</LI>", "<BR>",
        "<HR>", "<P ALIGN=\"CENTER\">", "<P ALIGN=\"RIGHT\" BGCOLOR=\"clred\">", "</P>", "<A HREF=\"x\">", "</A>",
        "<FONT SIZE=\"5\" COLOR=\"#00ff00\">", "</FONT>", "<SUB>", "</SUB>", "<SUP>", "</SUP>", "<Z>", "</Z>",
        "<E>", "</E>", "<SHAD>", "</SHAD>", "<HI>", "</HI>", "<IMG SRC=\"IDX:0\">", "<IMG SRC=\"IDX:9\" WIDTH=\"4\">",
        "<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"v\" WIDTH=\"30\">", "<CONTROL TYPE=\"CHECK\" WIDTH=\"x\">", "&amp;",
        "&lt;", "&nbsp;", "&", "<", ">", "<#t>", "\r\n", "\n", "<R a=\"90\">", "</R>", "<IND x=\"40\">", "<BODY BGCOLOR=\"clyellow\">",
        "<BLINK>", "</BLINK>", "<", "</", "<A", "<FONT SIZE=\"-3\">", "<IMG SRC=\"file://nothing.png\">"};
    TImageList L(8, 8);
    L.Add(QImage(8, 8, QImage::Format_RGB32));
    QRandomGenerator R(12345);
    const bool Saved_Rtl = Platform_Right_To_Left();
    for (int Round = 0; Round < 400; ++Round) {
        // every third round as a right-to-left control on a right-to-left platform
        Set_Platform_Right_To_Left(Round % 3 == 1);
        const QString M = Random_Of(R, Pieces, static_cast<int>(R.bounded(1, 30)));
        SCOPED_TRACE(M.toStdString());
        TRecordingCanvas Cv(160, 80);
        Cv.Font.Name = "DejaVu Sans";
        const TFont Entry = Cv.Font;
        const TPen Pen = Cv.Pen;
        const TBrush Brush = Cv.Brush;
        THTMLRenderParams P;
        P.Images = &L;
        P.WordWrap = Round % 2 == 0;
        P.XPos = static_cast<int>(R.bounded(160));
        P.YPos = static_cast<int>(R.bounded(80));
        P.FocusLink = 0;
        P.CheckHotSpot = Round % 5 == 0;
        P.BiDiMode = bdRightToLeft;
        THTMLRenderResult Res;
        RenderHTML(Cv, M, TRect(0, 0, 120 + Round % 40, 60), P, Res);
        EXPECT_GE(Res.YSize, 0);
        EXPECT_EQ(Cv.Font, Entry);
        EXPECT_EQ(Cv.Pen, Pen);
        EXPECT_EQ(Cv.Brush, Brush);
        // measuring agrees with drawing in a tall enough rectangle
        THTMLRenderParams Q = P;
        Q.CheckHeight = true;
        Q.CheckHotSpot = false;
        THTMLRenderResult A, B;
        P.CheckHotSpot = false;
        RenderHTML(Cv, M, TRect(0, 0, 140, 100000), P, A);
        RenderHTML(Cv, M, TRect(0, 0, 140, 100000), Q, B);
        EXPECT_EQ(A.XSize, B.XSize);
        EXPECT_EQ(A.YSize, B.YSize);
    }
    Set_Platform_Right_To_Left(Saved_Rtl);
}

TEST(Robustness, RandomFiltersFinish)
{
    const QStringList Pieces = {"(", ")", "&", "|", ";", "^", "!", "*", "?", ">", "<", "=", "\"", " ", "a", "1", "5",
                                "10", ".", ",", "x"};
    QRandomGenerator R(777);
    for (int Round = 0; Round < 3000; ++Round) {
        const QString C = Random_Of(R, Pieces, static_cast<int>(R.bounded(0, 25)));
        const QString V = Random_Of(R, {"a", "1", "5", "x", ".", "10"}, static_cast<int>(R.bounded(0, 6)));
        MatchFilterExpression(C, V, Round % 2 == 0);
    }
    SUCCEED();
}

TEST(Robustness, RandomTextRoundTrips)
{
    const QStringList Pieces = {"a", "<", ">", "&", "&lt;", "&amp;", "\"", " ", "\r\n", "~", "^", "\\n", QString(QChar(0)),
                                QString::fromUtf8("é"), QString::fromUtf8("€"), "<b>", "x", "&eacute;", "&quot;", "eacute;"};
    QRandomGenerator R(99);
    for (int Round = 0; Round < 2000; ++Round) {
        const QString T = Random_Of(R, Pieces, static_cast<int>(R.bounded(0, 12)));
        SCOPED_TRACE(T.toStdString());
        EXPECT_EQ(DecodeHTMLEntities(EncodeHTMLEntities(T, true), true), T);
        EXPECT_EQ(DecodeWideText(EncodeWideText(T)), T);
        // the grid's marking path: encode, mark, decode, unmark
        const QString Marked = MarkMatches(EncodeHTMLEntities(T, false), "a", "hi", false);
        EXPECT_EQ(UnmarkMatches(DecodeHTMLEntities(Marked, false), "hi"), T);
        const QString Plain = MarkMatches("p " + T, "a", "e", true);
        Q_UNUSED(Plain);
        ClassifyNumberText(T);
        NormalizeNumberText(T);
        StripHTMLTags(T);
    }
}
