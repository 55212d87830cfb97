// Marking and highlighting kept apart from the grid: a table of texts stands
// for the cells, so each rule of remembering and restoring is seen directly.
#include "grid/stringgrid/GridMarks.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <functional>
#include <set>
#include <vector>

namespace {

class TTableCells final : public IGridMarkCells {
public:
    TTableCells(int Cols, int Rows) : FCols(Cols), FText(Rows, std::vector<QString>(Cols)) {}
    int Row_Count() const override { return static_cast<int>(FText.size()); }
    int Col_Count() const override { return FCols; }
    bool Is_Base_Cell(int C, int R) const override { return !Covered.count({C, R}); }
    QString Cell_Text(int C, int R) override { return FText[R][C]; }
    void Set_Cell_Text(int C, int R, const QString &V) override
    {
        FText[R][C] = V;
        ++Writes;
    }
    int Real_Row(int R) const override { return R + RealOffset; }
    void Begin_Pass() override { ++Depth; }
    void End_Pass() override { --Depth; }
    QString &At(int C, int R) { return FText[R][C]; }
    // The rows change as the grid's do when rows are inserted, deleted or sorted.
    void Insert_Row(int At) { FText.insert(FText.begin() + At, std::vector<QString>(FCols)); }
    void Delete_Row(int At) { FText.erase(FText.begin() + At); }
    void Reverse_Rows() { std::reverse(FText.begin(), FText.end()); }

    std::set<std::pair<int, int>> Covered;   // cells inside a merged range
    int RealOffset = 0;
    int Writes = 0;
    int Depth = 0;

private:
    int FCols;
    std::vector<std::vector<QString>> FText;
};

const TMarkRange All{0, 0, 9, 9};

// Whatever a cell held, marking and unmarking gives exactly that back.
struct TRoundTripCase {
    const char *Name;
    const char *Text;
    const char *Search;
    bool DoCase;
    bool Marks;   // the search text occurs, so the cell is written and remembered
};
const TRoundTripCase RoundTrip_Cases[] = {
    {"PlainMatch", "abcab", "ab", false, true},
    {"CaseIgnored", "ABC", "ab", false, true},
    {"CaseKept", "ABC", "ab", true, false},
    {"LiteralSigns", "a<b>c & d", "b", false, true},
    {"OwnMarkupKept", "<b>bold</b> ab", "ab", false, true},
    {"NoMatch", "xyz", "ab", false, false},
    {"EmptyCell", "", "ab", false, false},
};

TEST(GridMarks, MarkThenUnmarkRestoresTheText)
{
    for (const auto &C : RoundTrip_Cases) {
        SCOPED_TRACE(C.Name);
        TTableCells Cells(1, 1);
        Cells.At(0, 0) = QString::fromUtf8(C.Text);
        TGridMarks Marks;
        Marks.Mark(Cells, C.Search, "hi", C.DoCase, All);
        EXPECT_EQ(Marks.Is_Marked("hi", 0, 0), C.Marks);
        EXPECT_EQ(Cells.At(0, 0).contains("<hi>"), C.Marks);
        Marks.Unmark(Cells, "hi", All);
        EXPECT_EQ(Cells.At(0, 0), QString::fromUtf8(C.Text));
        EXPECT_TRUE(Marks.Empty());
        EXPECT_EQ(Cells.Depth, 0);
    }
}

// Marking again starts from what the cell held before the first marking,
// and a second search that no longer matches gives the old text back.
TEST(GridMarks, MarkingAgainStartsFromTheOldText)
{
    TTableCells Cells(1, 1);
    Cells.At(0, 0) = "abc";
    TGridMarks Marks;
    Marks.Mark(Cells, "a", "hi", false, All);
    const QString OnlyA = Cells.At(0, 0);
    Marks.Mark(Cells, "c", "hi", false, All);
    EXPECT_FALSE(Cells.At(0, 0).contains("<hi>a"));
    EXPECT_TRUE(Cells.At(0, 0).contains("<hi>c</hi>"));
    Marks.Mark(Cells, "a", "hi", false, All);
    EXPECT_EQ(Cells.At(0, 0), OnlyA);
    Marks.Mark(Cells, "zz", "hi", false, All);
    EXPECT_EQ(Cells.At(0, 0), "abc");
    EXPECT_TRUE(Marks.Empty());
}

// Unmarking touches only cells it marked, by the tag it marked them with;
// a cell edited since keeps its new text without the tags.
TEST(GridMarks, UnmarkLeavesOtherCellsAndTagsAlone)
{
    TTableCells Cells(3, 1);
    Cells.At(0, 0) = "<hi>own</hi>";   // the user's own highlight, never marked
    Cells.At(1, 0) = "ab";
    Cells.At(2, 0) = "ab";
    TGridMarks Marks;
    Marks.Mark(Cells, "ab", "hi", false, {1, 0, 1, 0});
    Marks.Mark(Cells, "ab", "e", false, {2, 0, 2, 0});
    Marks.Unmark(Cells, "e", All);
    EXPECT_EQ(Cells.At(0, 0), "<hi>own</hi>");
    EXPECT_TRUE(Cells.At(1, 0).contains("<hi>"));
    EXPECT_EQ(Cells.At(2, 0), "ab");
    Cells.At(1, 0) = Cells.At(1, 0) + " more";
    Marks.Unmark(Cells, "hi", All);
    EXPECT_EQ(Cells.At(0, 0), "<hi>own</hi>");
    EXPECT_EQ(Cells.At(1, 0), "ab more");
    EXPECT_TRUE(Marks.Empty());
}

// A mark belongs to the real row: after rows above were hidden, the same
// cell at its new display row is unmarked, and no other.
TEST(GridMarks, MarksFollowTheRealRow)
{
    TTableCells Cells(1, 3);
    Cells.At(0, 2) = "ab";
    TGridMarks Marks;
    Marks.Mark(Cells, "ab", "hi", false, All);
    EXPECT_TRUE(Marks.Is_Marked("hi", 0, 2));
    // One row above is hidden: real row 2 now shows at display row 1.
    Cells.RealOffset = 1;
    Cells.At(0, 1) = Cells.At(0, 2);
    Cells.At(0, 2) = "ab";
    Marks.Unmark(Cells, "hi", {0, 2, 0, 2});   // real row 3: never marked
    EXPECT_EQ(Cells.At(0, 2), "ab");
    EXPECT_EQ(Marks.Count(), 1);
    Marks.Unmark(Cells, "hi", {0, 1, 0, 1});
    EXPECT_EQ(Cells.At(0, 1), "ab");
    EXPECT_TRUE(Marks.Empty());
}

// Parts of a range outside the cells and cells covered by a merge are skipped.
TEST(GridMarks, RangeOutsideAndMergedCellsSkipped)
{
    TTableCells Cells(2, 2);
    for (int C = 0; C < 2; ++C)
        for (int R = 0; R < 2; ++R)
            Cells.At(C, R) = "ab";
    Cells.Covered.insert({1, 1});
    TGridMarks Marks;
    Marks.Mark(Cells, "ab", "hi", false, {-5, -5, 50, 50});
    EXPECT_EQ(Marks.Count(), 3);
    EXPECT_EQ(Cells.At(1, 1), "ab");
    EXPECT_EQ(Cells.Writes, 3);
    EXPECT_EQ(Cells.Depth, 0);
    TGridMarks Nothing;
    Nothing.Unmark(Cells, "hi", All);   // nothing marked: no pass, no write
    EXPECT_EQ(Cells.Writes, 3);
}

} // namespace

// Marks follow their cells when the rows change under them: unmarking gives
// every cell exactly its text back, wherever it went.
TEST(GridMarks, MarksFollowRowsThatMove)
{
    struct TCase { const char *Name; std::function<void(TTableCells &)> Change; std::vector<QString> Want; };
    const TCase Cases[] = {
        {"InsertAbove", [](TTableCells &T) { T.Insert_Row(0); }, {"", "ab1", "ab2", "ab3", "ab4", "ab5"}},
        {"DeleteFirst", [](TTableCells &T) { T.Delete_Row(0); }, {"ab2", "ab3", "ab4", "ab5"}},
        {"Sorted", [](TTableCells &T) { T.Reverse_Rows(); }, {"ab5", "ab4", "ab3", "ab2", "ab1"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TTableCells Cells(1, 5);
        for (int R = 0; R < 5; ++R)
            Cells.At(0, R) = QStringLiteral("ab%1").arg(R + 1);
        TGridMarks Marks;
        Marks.Mark(Cells, "b", "hi", false, All);
        C.Change(Cells);
        Marks.Unmark(Cells, "hi", All);
        ASSERT_EQ(Cells.Row_Count(), static_cast<int>(C.Want.size()));
        for (int R = 0; R < Cells.Row_Count(); ++R)
            EXPECT_EQ(Cells.At(0, R), C.Want[static_cast<size_t>(R)]) << "row " << R;
        // marking again after the change starts from the plain texts
        Marks.Mark(Cells, "a", "hi", false, All);
        EXPECT_EQ(Cells.At(0, Cells.Row_Count() - 1), QStringLiteral("<hi>a</hi>") + C.Want.back().mid(1));
    }
}

// A cell that reads like a marked one but was never marked keeps its text.
TEST(GridMarks, UnmarkLeavesCellsItDidNotMark)
{
    TTableCells Cells(1, 2);
    Cells.At(0, 0) = "ab";
    Cells.At(0, 1) = "<hi>x</hi>";
    TGridMarks Marks;
    Marks.Mark(Cells, "b", "hi", false, All);
    Cells.Insert_Row(0);
    Marks.Unmark(Cells, "hi", All);
    EXPECT_EQ(Cells.At(0, 0), "");
    EXPECT_EQ(Cells.At(0, 1), "ab");
    EXPECT_EQ(Cells.At(0, 2), "<hi>x</hi>");
    EXPECT_TRUE(Marks.Empty());
}
