// Hiding lists of rows at filter levels, cells of hidden rows, and row flags.
#include "grid/model/DarAzidError.h"
#include "grid/model/GridModel.h"
#include "grid/model/GridRowFlags.h"
#include "grid/model/SavedCellText.h"
#include <gtest/gtest.h>

namespace {
void Fill(TGridModel &M, int Rows)
{
    for (int R = 0; R < Rows; ++R)
        M.Set_Cell(0, R, QString::number(R));
}
QStringList Column(const TGridModel &M, int Rows)
{
    QStringList L;
    for (int R = 0; R < Rows; ++R)
        L << M.Cell(0, R);
    return L;
}
}

// A list hides in one pass at a level; undoing the level puts every row back
// where it was, with its height, and leaves rows of other levels hidden.
TEST(GridModelRowLists, HideAndUnhideByLevel)
{
    TGridModel M;
    Fill(M, 8);
    EXPECT_EQ(M.Hide_Rows(1, 1, [](int) { return 30; }), 1);   // plain hiding, level 0
    // display rows 1, 3 are real rows 2, 4
    EXPECT_EQ(M.Hide_Row_List({1, 3}, 1, [](int D) { return 40 + D; }), 2);
    EXPECT_EQ(M.Check_Consistency(), QString());
    EXPECT_EQ(Column(M, 4), (QStringList{"0", "3", "5", "6"}));
    EXPECT_TRUE(M.Is_Hidden_Row(2));
    EXPECT_TRUE(M.Is_Hidden_Row(4));
    EXPECT_EQ(M.Displ_To_Real_Row(1), 3);
    std::vector<std::pair<int, int>> Back;
    EXPECT_EQ(M.Unhide_Level(1, [&](int D, int H) { Back.push_back({D, H}); }), 2);
    EXPECT_EQ(Back, (std::vector<std::pair<int, int>>{{1, 41}, {3, 43}}));
    EXPECT_EQ(Column(M, 7), (QStringList{"0", "2", "3", "4", "5", "6", "7"}));
    EXPECT_TRUE(M.Is_Hidden_Row(1));
    EXPECT_EQ(M.Unhide_Level(1), 0);
    EXPECT_EQ(M.Check_Consistency(), QString());
}

// Every other row of a large table hides and comes back in one pass each.
TEST(GridModelRowLists, EveryOtherRowRoundTrip)
{
    TGridModel M;
    const int Rows = 1000;
    Fill(M, Rows);
    std::vector<int> List;
    for (int R = 1; R < Rows; R += 2)
        List.push_back(R);
    EXPECT_EQ(M.Hide_Row_List(List, 0, {}), Rows / 2);
    EXPECT_EQ(M.Cell(0, 10), "20");
    EXPECT_EQ(M.Check_Consistency(), QString());
    EXPECT_EQ(M.Unhide_Level(0), Rows / 2);
    EXPECT_EQ(Column(M, Rows).join(','), [&] {
        QStringList L;
        for (int R = 0; R < Rows; ++R)
            L << QString::number(R);
        return L.join(',');
    }());
}

TEST(GridModelRowLists, ListMustBeAscending)
{
    TGridModel M;
    EXPECT_THROW(M.Hide_Row_List({3, 1}, 0, {}), EGridError);
    EXPECT_THROW(M.Hide_Row_List({-1}, 0, {}), EGridError);
    EXPECT_EQ(M.Hidden_Row_Count(), 0);
}

// A hidden row's cells can be read and written where they wait.
TEST(GridModelRowLists, CellsOfHiddenRows)
{
    TGridModel M;
    Fill(M, 5);
    M.Hide_Rows(2, 2, {});
    EXPECT_EQ(M.Hidden_Cell(2, 0), "2");
    EXPECT_TRUE(M.Set_Hidden_Cell(2, 3, "x"));
    EXPECT_FALSE(M.Set_Hidden_Cell(1, 0, "y"));   // row 1 is not hidden
    M.Unhide_Rows(2, 2);
    EXPECT_EQ(M.Cell(3, 2), "x");
    EXPECT_EQ(M.Cell(0, 1), "1");
}

// Flag lists answer false beyond their end and refuse negative indexes.
TEST(GridRowFlags, GrowOnWriteAndRefuseNegative)
{
    TGridFlagList L;
    EXPECT_FALSE(L.Get(100, "bad"));
    EXPECT_EQ(L.Length(), 0);
    EXPECT_FALSE(L.Set(3, true, "bad"));
    EXPECT_EQ(L.Length(), 4);
    EXPECT_TRUE(L.Set(3, false, "bad"));
    EXPECT_THROW(L.Get(-1, "Invalid row accessed"), EDarAzidError);
    EXPECT_THROW(L.Set(-1, true, "Invalid row accessed"), EDarAzidError);
    L.Set(1, true, "bad");
    L.Set(5, true, "bad");
    EXPECT_EQ(L.Count_Set(), 2);
    EXPECT_EQ(L.Count_Set(3), 1);
}

// The model keeps the row flags: inserting and removing display rows keeps
// each flag beside its row; modified and disabled flags count real rows, so
// a hidden row's flag stays its own.
TEST(GridRowFlags, FollowInsertedAndRemovedRows)
{
    TGridModel M;
    Fill(M, 8);
    TGridRowFlags &F = M.Row_Flags();
    F.Modified.Set(5, true, "bad");
    F.Disabled.Set(6, true, "bad");
    F.RowSelect.Set(4, true, "bad");
    F.Add_Selected(4);
    F.Add_Selected(2);
    M.Hide_Rows(1, 1, [](int) { return 20; });   // display row d is real row d + 1 from here
    M.Insert_Display_Rows(2, 2);                 // before real row 3
    EXPECT_TRUE(F.Modified.Get(7, "bad"));
    EXPECT_TRUE(F.Disabled.Get(8, "bad"));
    EXPECT_FALSE(F.Modified.Get(5, "bad"));
    EXPECT_TRUE(F.RowSelect.Get(6, "bad"));
    EXPECT_EQ(F.SelectedRows, (std::vector<int>{6, 4}));
    M.Delete_Display_Rows(2, 3);   // the two new rows and real row 5 (display 4)
    EXPECT_TRUE(F.Modified.Get(4, "bad"));
    EXPECT_TRUE(F.Disabled.Get(5, "bad"));
    EXPECT_TRUE(F.RowSelect.Get(3, "bad"));
    EXPECT_EQ(F.SelectedRows, (std::vector<int>{3}));   // display row 4 went
    EXPECT_EQ(F.Modified.Count_Set() + F.Disabled.Count_Set(), 2);
    EXPECT_EQ(M.Check_Consistency(), QString());
}

// Only well-formed markup loses its tags when saved as plain text.
TEST(SavedCellText, ReducesOnlyWellFormedMarkup)
{
    struct TCase { const char *Name; const char *Text; bool KeepHTML; bool KeepRTF; const char *Want; };
    const TCase Cases[] = {
        {"BoldWordLosesTags", "<B>word</B>", false, false, "word"},
        {"KeptWithHTML", "<B>word</B>", true, false, "<B>word</B>"},
        {"LessThanInPlainTextStays", "A<B", false, false, "A<B"},
        {"UnclosedTagStays", "<B word", false, false, "<B word"},
        {"ComparisonStays", "1 < 2 </ 3", false, false, "1 < 2 </ 3"},
        {"PlainUnchanged", "plain", false, false, "plain"},
        {"RichTextKeptOnOneLine", "{\\rtf1 a\r\nb}", false, true, "{\\rtf1 ab}"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Saved_Cell_Text(QString::fromUtf8(C.Text), C.KeepHTML, C.KeepRTF), QString::fromUtf8(C.Want));
    }
}
