// The cell text file and stream: the worked example byte for byte, the line
// break coding, lenient and strict numbers, where a stream block ends, and
// the bounds on sizes read from a file.
#include "FormatTestSupport.h"
#include "grid/exchange/GridCellFile.h"
#include <QBuffer>
#include <gtest/gtest.h>

namespace {
// 3 x 3 with one fixed column and row, widths 64, 64, 100.
struct TWorkedExample : ::testing::Test {
    TGridModel M;
    std::function<int(int)> Width = [](int C) { return C == 2 ? 100 : 64; };
    void SetUp() override
    {
        M.Set_Cell(1, 1, QStringLiteral("A"));
        M.Set_Cell(2, 2, QStringLiteral("x\r\ny"));
    }
};
} // namespace

TEST_F(TWorkedExample, FileAndStreamAreWrittenByteForByte)
{
    TCellFileLayout File;
    File.Size_Cols = 2;
    File.Size_Rows = 2;
    File.Width_From = 1;
    File.Width_To = 2;
    File.Cells = {1, 1, 2, 2};
    EXPECT_EQ(Cell_File_Bytes(Write_Cell_Lines(Model_Hooks(M), File, Width), false),
              Golden("cell_file_worked_example.txt"));

    TCellFileLayout Stream = File;
    Stream.Width_From = 0;
    Stream.Origin_Col = 1;
    Stream.Origin_Row = 1;
    EXPECT_EQ(Cell_Stream_Bytes(Write_Cell_Lines(Model_Hooks(M), Stream, Width)),
              Golden("cell_stream_worked_example.bin"));
}

TEST_F(TWorkedExample, FileAndStreamReadBack)
{
    for (const bool Multi : {true, false}) {
        SCOPED_TRACE(Multi ? "MultiLine" : "FirstLineOnly");
        const QString Y = Multi ? QStringLiteral("x\r\ny") : QStringLiteral("x");
        TCellFileDoc F;
        ASSERT_TRUE(Parse_Cell_File(Decode_Text_Bytes(Golden("cell_file_worked_example.txt")), Multi, F).Ok());
        EXPECT_TRUE(F.Has_Size);
        EXPECT_EQ(F.Cols, 2);
        EXPECT_EQ(F.Rows, 2);
        EXPECT_EQ(F.Widths, (std::vector<std::pair<int, int>>{{1, 64}, {2, 100}}));
        ASSERT_EQ(F.Cells.size(), 2u);
        EXPECT_EQ(F.Cells[1].Col, 2);
        EXPECT_EQ(F.Cells[1].Row, 2);
        EXPECT_EQ(F.Cells[1].Text, Y);

        QByteArray Bytes = Golden("cell_stream_worked_example.bin");
        QBuffer B(&Bytes);
        B.open(QIODevice::ReadOnly);
        TCellFileDoc S;
        ASSERT_TRUE(Read_Cell_Stream(B, Multi, S).Ok());
        EXPECT_EQ(S.Widths.size(), 3u);
        ASSERT_EQ(S.Cells.size(), 2u);
        EXPECT_EQ(S.Cells[0].Col, 0);
        EXPECT_EQ(S.Cells[0].Text, QStringLiteral("A"));
        EXPECT_EQ(S.Cells[1].Text, Y);
        EXPECT_TRUE(B.atEnd());
    }
}

// Every text with a line break stays on one line and comes back with CR LF
// breaks; texts without breaks are written as they are.
TEST(GridCellFile, LineBreaksAreCodedWhateverTheirForm)
{
    struct TCase {
        const char *Name, *Text, *Written, *ReadBack;
    };
    const TCase Cases[] = {
        {"CRLF", "x\r\ny", "x\t\by", "x\r\ny"},
        {"LoneLF", "x\ny", "x\t\by", "x\r\ny"},
        {"LoneCR", "x\ry", "x\t\by", "x\r\ny"},
        {"NulInMultiLine", "a\r\nb", "a\t\bb", "a\r\nb"},
        {"TabWithoutBreakStays", "a\tb", "a\tb", "a\tb"},
        {"CommasStay", "1,2,3", "1,2,3", "1,2,3"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString Enc = Encode_Cell_Text(QString::fromUtf8(C.Text));
        EXPECT_EQ(Enc, QString::fromUtf8(C.Written));
        TCellFileDoc D;
        ASSERT_TRUE(Parse_Cell_File(QStringLiteral("1,1\r\n0,0,") + Enc, true, D).Ok());
        ASSERT_EQ(D.Cells.size(), 1u);
        EXPECT_EQ(D.Cells[0].Text, QString::fromUtf8(C.ReadBack));
    }
}

// The file variant reads numbers leniently and never fails on a cell line;
// sizes and widths beyond the grid's limits are refused.
TEST(GridCellFile, FileLinesAreReadLenientlyWithinLimits)
{
    struct TCase {
        const char *Name, *Text;
        TExchangeStatus Status;
        int Cols, Rows, Col, Row;
        const char *CellText;
    };
    const TCase Cases[] = {
        {"NoCommaIsCellZeroZero", "2,2\r\nwhole line", esOk, 2, 2, 0, 0, "whole line"},
        {"OneFieldLeavesRest", "2,2\r\n1,rest", esOk, 2, 2, 1, 0, "rest"},
        {"LenientDigits", " 3x,4y\r\n 2z,1,t", esOk, 3, 4, 2, 1, "t"},
        {"NoDigitsIsZero", "a,b\r\n0,0,t", esOk, 0, 0, 0, 0, "t"},
        {"SizeBeyondRows", "1,99999999999\r\n", esOutOfRange, 0, 0, -1, -1, ""},
        {"SizeBeyondCols", "65537,1\r\n", esOutOfRange, 0, 0, -1, -1, ""},
        {"WidthBeyondLimit", "1,1\r\ncw 0,40000\r\n", esOutOfRange, 1, 1, -1, -1, ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TCellFileDoc D;
        const TExchangeResult R = Parse_Cell_File(QString::fromUtf8(C.Text), true, D);
        EXPECT_EQ(R.Status, C.Status);
        if (C.Status != esOk)
            continue;
        EXPECT_EQ(D.Cols, C.Cols);
        EXPECT_EQ(D.Rows, C.Rows);
        ASSERT_EQ(D.Cells.size(), 1u);
        EXPECT_EQ(D.Cells[0].Col, C.Col);
        EXPECT_EQ(D.Cells[0].Row, C.Row);
        EXPECT_EQ(D.Cells[0].Text, QString::fromUtf8(C.CellText));
    }
}

// A stream block ends at the first line that is no cell, and the stream is
// left there; a bad number leaves it where it was.
TEST(GridCellFile, StreamBlockEndsAtTheFirstLineThatIsNoCell)
{
    struct TCase {
        const char *Name;
        QStringList Lines;
        TExchangeStatus Status;
        int Cells;
        const char *Next;   // the line the stream is left at
    };
    const TCase Cases[] = {
        {"FollowedByOtherData", {"1,1", "0,0,a", "after the block"}, esOk, 1, "after the block"},
        {"EmptyFirstField", {"2,1", "0,0,a", ",1,b"}, esOk, 1, ",1,b"},
        {"EmptySecondField", {"2,1", "0,,b"}, esOk, 0, "0,,b"},
        {"BadSize", {"x,1", "0,0,a"}, esBadValue, 0, "x,1"},
        {"BadCellNumber", {"1,1", "0,0,a", "0x,1,b"}, esBadValue, 0, "1,1"},
        {"BadWidth", {"1,1", "cw 0,wide"}, esBadValue, 0, "1,1"},
        {"NegativeWidth", {"1,1", "cw 0,-5"}, esOutOfRange, 0, "1,1"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QByteArray Bytes = QByteArray("prefix") + Cell_Stream_Bytes(C.Lines);
        QBuffer B(&Bytes);
        B.open(QIODevice::ReadOnly);
        B.seek(6);
        TCellFileDoc D;
        EXPECT_EQ(Read_Cell_Stream(B, true, D).Status, C.Status);
        if (C.Status == esOk) {
            EXPECT_EQ(D.Cells.size(), size_t(C.Cells));
        }
        const QByteArray Rest = B.readAll();
        EXPECT_TRUE(Rest.startsWith(Cell_Stream_Bytes({QString::fromUtf8(C.Next)}))) << Rest.toHex().constData();
    }
}

TEST(GridCellFile, UnicodeFileRoundTripsNonLatinTexts)
{
    TGridModel M;
    M.Set_Cell(0, 0, QStringLiteral("日本語"));
    M.Set_Cell(1, 0, QStringLiteral("Ελλάδα\r\nδύο"));
    TCellFileLayout L;
    L.Size_Cols = 2;
    L.Size_Rows = 1;
    L.Cells = {0, 0, 1, 0};
    const QByteArray Bytes = Cell_File_Bytes(Write_Cell_Lines(Model_Hooks(M), L, {}), true);
    EXPECT_TRUE(Bytes.startsWith("\xFF\xFE"));
    TCellFileDoc D;
    ASSERT_TRUE(Parse_Cell_File(Decode_Text_Bytes(Bytes), true, D).Ok());
    ASSERT_EQ(D.Cells.size(), 2u);
    EXPECT_EQ(D.Cells[0].Text, M.Cell(0, 0));
    EXPECT_EQ(D.Cells[1].Text, M.Cell(1, 0));
}
