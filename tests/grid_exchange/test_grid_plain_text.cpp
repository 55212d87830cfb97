// Aligned plain text, fixed-width records and a cell's number.
#include "FormatTestSupport.h"
#include "grid/exchange/GridPlainText.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>

TEST(GridPlainText, WorkedExampleIsWrittenByteForByte)
{
    TGridModel M;
    M.Set_Cell(0, 0, QStringLiteral("Name"));
    M.Set_Cell(0, 1, QStringLiteral("A"));
    M.Set_Cell(1, 0, QStringLiteral("Qty"));
    M.Set_Cell(1, 1, QStringLiteral("12"));
    const auto Align = [](int C, int) { return C == 1 ? taRightText : taLeftText; };
    QString Text;
    for (const QString &L : Write_Aligned_Lines(Model_Hooks(M), {0, 1}, 0, 1, Align, false))
        Text += L + QStringLiteral("\r\n");
    EXPECT_EQ(Encode_Text(Text, teAnsi), Golden("ascii_worked_example.txt"));
}

// A text is aligned in its column's width and takes width + 1 characters.
TEST(GridPlainText, AlignmentFillsTheColumn)
{
    struct TCase {
        const char *Name, *Text;
        int Width;
        TTextAlign Align;
        const char *Field;
    };
    const TCase Cases[] = {
        {"Left", "ab", 4, taLeftText, "ab   "},
        {"Right", "ab", 4, taRightText, "  ab "},
        {"CentreTwoInFivePasses", "ab", 5, taCenterText, "  ab  "},
        {"CentreOneInFive", "a", 5, taCenterText, "  a   "},
        {"WiderThanColumn", "abcdef", 3, taRightText, "abcdef"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Align_In_Width(QString::fromUtf8(C.Text), C.Width, C.Align), QString::fromUtf8(C.Field));
    }
}

// Further lines of a multi-line text go on continuation lines at their
// column's place; columns may be many and wide.
TEST(GridPlainText, ContinuationLinesAndWideTables)
{
    TGridModel M;
    M.Set_Cell(0, 0, QStringLiteral("a"));
    M.Set_Cell(1, 0, QStringLiteral("b1\r\nb2\nb3"));
    const QStringList L = Write_Aligned_Lines(Model_Hooks(M), {0, 1}, 0, 0, {}, true);
    EXPECT_EQ(L, (QStringList{"a b1 ", "  b2 ", "  b3 "}));

    TGridModel Wide;
    std::vector<int> Cols;
    for (int C = 0; C < 600; ++C) {
        Wide.Set_Cell(C, 0, QString(300, u'x'));
        Cols.push_back(C);
    }
    const QStringList W = Write_Aligned_Lines(Model_Hooks(Wide), Cols, 0, 0, {}, false);
    ASSERT_EQ(W.size(), 1);
    EXPECT_EQ(W[0].size(), 600 * 301);
    std::vector<int> Widths;
    const QStringList F = Write_Fixed_Lines(Model_Hooks(Wide), Cols, 0, 0, Widths);
    EXPECT_EQ(Widths.size(), 600u);
    EXPECT_EQ(Widths[599], 301);
}

TEST(GridPlainText, FixedWidthRecordsAreCutAndPadded)
{
    TGridModel M;
    M.Set_Cell(0, 0, QStringLiteral("abcd"));
    M.Set_Cell(1, 0, QStringLiteral("de"));
    M.Set_Cell(2, 0, QStringLiteral("x\r\ny"));
    std::vector<int> Widths{3, 5};
    QString Text;
    for (const QString &L : Write_Fixed_Lines(Model_Hooks(M), {0, 1}, 0, 0, Widths))
        Text += L + QStringLiteral("\r\n");
    EXPECT_EQ(Encode_Text(Text, teAnsi), Golden("fixed_worked_example.txt"));
    // A missing width is the longest line + 1; a line break is a blank.
    const QStringList L = Write_Fixed_Lines(Model_Hooks(M), {0, 1, 2}, 0, 0, Widths);
    EXPECT_EQ(Widths, (std::vector<int>{3, 5, 2}));
    EXPECT_EQ(L, QStringList{"abcde   x "});
}

TEST(GridPlainText, FixedFieldsAreTakenBetweenSortedPositions)
{
    struct TCase {
        const char *Name;
        std::vector<int> Positions;
        bool Trim;
        int MaxRows;
        std::vector<QStringList> Rows;
    };
    const QString Text = QStringLiteral("abcdefghij\r\n a  b\r\nxy");
    const TCase Cases[] = {
        {"SortedFirst", {9, 1, 4}, false, 0, {{"abc", "defgh"}, {" a ", " b"}, {"xy", ""}}},
        {"Trimmed", {1, 4, 9}, true, 0, {{"abc", "defgh"}, {"a", "b"}, {"xy", ""}}},
        {"MaxRows", {1, 4}, false, 1, {{"abc"}}},
        {"OnePositionNoField", {3}, false, 0, {{}, {}, {}}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<int> P = C.Positions;
        TParsedRows Out;
        ASSERT_TRUE(Parse_Fixed(Text, P, C.Trim, C.MaxRows, Out).Ok());
        EXPECT_TRUE(std::is_sorted(P.begin(), P.end()));
        EXPECT_EQ(Rows_Of(Out), C.Rows);
    }
}

TEST(GridPlainText, CellTextAsNumber)
{
    TFormatSettingsGuard Guard;
    Format_Settings().ThousandSeparator = u'.';
    Format_Settings().DecimalSeparator = u',';
    struct TCase {
        const char *Name, *Text;
        bool Ok;
        double Value;
        int ErrorPos;
    };
    const TCase Cases[] = {
        {"ThousandsAndDecimal", "1.234,5", true, 1234.5, 0},
        {"Empty", "", true, 0, 0},
        {"Negative", "-12", true, -12, 0},
        {"Brackets", "(7)", true, -7, 0},
        {"StopsInside", "12,5,3", false, 0, 5},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        double V = -1;
        int Pos = -1;
        EXPECT_EQ(Cell_Text_To_Real(QString::fromUtf8(C.Text), V, Pos), C.Ok);
        EXPECT_DOUBLE_EQ(V, C.Value);
        EXPECT_EQ(Pos, C.ErrorPos);
    }
}
