#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include "protocols/Grid_Rows.h"
#include "text/LangTable.h"
#include "workspace/Workspace.h"
#include <gtest/gtest.h>
#include <set>

namespace {

// A table of Rows rows (header included) and Cols columns whose data cells
// read "r<row>c<col>"; columns in Check are check boxes holding "N".
struct TFilled
{
    TCellTable Table;
    std::set<int> Check;
    TTable_Rows Rows;

    TFilled(int Row_Count, int Col_Count, std::set<int> Check_Cols = {})
        : Table(Row_Count, Col_Count), Check(std::move(Check_Cols)),
          Rows(Table, [this](int C) { return Check.count(C) > 0; })
    {
        Table.Clear();
        for (int R = 1; R < Row_Count; ++R)
            for (int C = 1; C < Col_Count; ++C)
                Table.Set_Cell(C, R, Check.count(C) ? QStringLiteral("N") : Text(R, C));
    }
    static QString Text(int R, int C) { return QStringLiteral("r%1c%2").arg(R).arg(C); }
    // The data cells of a row joined by "|".
    QString Row_Text(int R) const
    {
        QStringList Out;
        for (int C = 1; C < Table.Col_Count(); ++C)
            Out << Table.Cell(C, R);
        return Out.join(QLatin1Char('|'));
    }
    void Empty_Row(int R)
    {
        for (int C = 1; C < Table.Col_Count(); ++C)
            if (!Check.count(C))
                Table.Set_Cell(C, R, QString());
    }
};

class RowOpsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        Row_Clipboard.clear();
    }
    void TearDown() override
    {
        Row_Clipboard.clear();
        Reset_Workspace();
    }
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
};

// Delete and insert move the texts of every data column; the row count stays.
TEST_F(RowOpsTest, DeleteAndInsertMoveRows)
{
    struct TCase
    {
        const char *Name;
        bool Insert;
        int Row;
        // expected rows 1..4 afterwards, "" for an empty row
        const char *Expected[4];
    };
    const TCase Cases[] = {
        {"DeleteFirstRowMovesAllUp", false, 1, {"r2", "r3", "r4", ""}},
        {"DeleteMiddleRow", false, 2, {"r1", "r3", "r4", ""}},
        {"DeleteLastRowOnlyEmptiesIt", false, 4, {"r1", "r2", "r3", ""}},
        {"InsertFirstRowMovesAllDown", true, 1, {"", "r1", "r2", "r3"}},
        {"InsertAtLastRowEmptiesIt", true, 4, {"r1", "r2", "r3", ""}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFilled T(5, 4);
        if (C.Insert)
            EXPECT_TRUE(Grid_Insert_Row(C.Row, T.Rows));
        else
            Grid_Delete_Row(C.Row, T.Rows);
        EXPECT_EQ(T.Table.Row_Count(), 5);
        for (int R = 1; R <= 4; ++R) {
            const QString Prefix = QString::fromLatin1(C.Expected[R - 1]);
            const QString Want = Prefix.isEmpty() ? QStringLiteral("||")
                                                  : QStringLiteral("%1c1|%1c2|%1c3").arg(Prefix);
            EXPECT_EQ(T.Row_Text(R), Want) << "row " << R;
            EXPECT_EQ(T.Table.Cell(0, R), QString::number(R)) << "row number of row " << R;
        }
    }
}

// Inserting pushes the last row out: when it is in use the user decides first.
TEST_F(RowOpsTest, InsertAsksBeforeLosingTheLastRow)
{
    struct TCase
    {
        const char *Name;
        bool Last_In_Use;
        bool Last_Only_Checks; // the last row holds only check-box texts
        TMsgResult Answer;
        bool Asked;
        bool Inserted;
    };
    const TCase Cases[] = {
        {"LastRowEmptyNoQuestion", false, false, TMsgResult::mrNo, false, true},
        {"LastRowOnlyCheckBoxesNoQuestion", false, true, TMsgResult::mrNo, false, true},
        {"LastRowUsedNoKeepsAll", true, false, TMsgResult::mrNo, true, false},
        {"LastRowUsedYesInserts", true, false, TMsgResult::mrYes, true, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        Boxes.Answers = {C.Answer};
        TFilled T(5, 4, {2});
        if (!C.Last_In_Use) {
            T.Empty_Row(4);
            if (C.Last_Only_Checks)
                T.Table.Set_Cell(2, 4, QStringLiteral("Y"));
        }
        const QString Before_Row2 = T.Row_Text(2);
        EXPECT_EQ(Grid_Insert_Row(2, T.Rows), C.Inserted);
        ASSERT_EQ(Boxes.Shown.size(), C.Asked ? 1 : 0);
        if (C.Asked) {
            EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(1710));
            EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
        }
        if (C.Inserted) {
            EXPECT_EQ(T.Row_Text(3), Before_Row2);
            EXPECT_EQ(T.Row_Text(2), QStringLiteral("||"));
        } else {
            EXPECT_EQ(T.Row_Text(2), Before_Row2);
            EXPECT_EQ(T.Row_Text(4), QStringLiteral("r4c1|N|r4c3"));
        }
    }
}

// Paste: refused without a copy from this grid (1702) or with a copy of
// another shape (1701); a row in use is overwritten only after Yes (1700).
TEST_F(RowOpsTest, PasteDecisions)
{
    struct TCase
    {
        const char *Name;
        int Source_Cols;   // columns of the grid copied from
        bool Do_Copy;
        bool Target_Used;  // the target row holds data (else only check boxes)
        TMsgResult Answer;
        int Message;       // 0: no box
        TMsgKind Kind;
        bool Written;
    };
    const TCase Cases[] = {
        {"NoCopyFromThisGrid", 4, false, false, TMsgResult::mrOK, 1702, TMsgKind::mkError, false},
        {"OtherShape", 5, true, false, TMsgResult::mrOK, 1701, TMsgKind::mkError, false},
        {"FreeRowWithoutQuestion", 4, true, false, TMsgResult::mrNo, 0, TMsgKind::mkError, true},
        {"UsedRowNoKeeps", 4, true, true, TMsgResult::mrNo, 1700, TMsgKind::mkConfirmation, false},
        {"UsedRowYesWrites", 4, true, true, TMsgResult::mrYes, 1700, TMsgKind::mkConfirmation, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        Boxes.Answers = {C.Answer};
        TFilled Source(5, C.Source_Cols, {2});
        Source.Table.Set_Cell(2, 1, QStringLiteral("Y"));
        Grid_Copy_Row(Source.Rows, 1);
        TFilled Target(5, 4, {2});
        if (!C.Target_Used)
            Target.Empty_Row(3);
        const QString Before = Target.Row_Text(3);
        EXPECT_EQ(Grid_Paste_Row(Target.Rows, 3, C.Do_Copy), C.Written);
        if (C.Message == 0) {
            EXPECT_TRUE(Boxes.Shown.isEmpty());
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(C.Message));
            EXPECT_EQ(Boxes.Shown[0].Kind, C.Kind);
        }
        // Check-box columns are pasted too.
        EXPECT_EQ(Target.Row_Text(3), C.Written ? QStringLiteral("r1c1|Y|r1c3") : Before);
        EXPECT_EQ(Row_Clipboard.size(), C.Source_Cols - 1);
    }
}

// One copy can be pasted many times; a later copy replaces it.
TEST_F(RowOpsTest, ClipboardKeepsItsCopy)
{
    TFilled T(6, 4);
    Grid_Copy_Row(T.Rows, 2);
    EXPECT_EQ(Row_Clipboard, QStringList({"r2c1", "r2c2", "r2c3"}));
    T.Empty_Row(4);
    T.Empty_Row(5);
    EXPECT_TRUE(Grid_Paste_Row(T.Rows, 4, true));
    EXPECT_TRUE(Grid_Paste_Row(T.Rows, 5, true));
    EXPECT_EQ(T.Row_Text(5), QStringLiteral("r2c1|r2c2|r2c3"));
    Grid_Copy_Row(T.Rows, 1);
    EXPECT_EQ(Row_Clipboard.first(), QStringLiteral("r1c1"));
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Enter moves to the next cell only with the option on, and is then swallowed.
TEST_F(RowOpsTest, EnterMovesToTheNextCell)
{
    struct TCase
    {
        const char *Name;
        bool Option;
        ushort Key;
        int Col, Row;         // current cell before
        int New_Col, New_Row; // after
        ushort New_Key;
    };
    const TCase Cases[] = {
        {"OptionOffKeepsEnter", false, 13, 1, 1, 1, 1, 13},
        {"NextColumn", true, 13, 1, 2, 2, 2, 0},
        {"LastColumnWrapsToNextRow", true, 13, 3, 2, 1, 3, 0},
        {"LastCellWrapsToRowOne", true, 13, 3, 4, 1, 1, 0},
        {"HeaderCellSwallowedWithoutMove", true, 13, 2, 0, 2, 0, 0},
        {"FixedColumnSwallowedWithoutMove", true, 13, 0, 2, 0, 2, 0},
        {"OtherKeyUntouched", true, 'a', 1, 1, 1, 1, 'a'},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Enable_Jump_Field_Tables = C.Option;
        TFilled T(5, 4);
        T.Rows.Move_To(C.Col, C.Row);
        QChar Key(C.Key);
        Grid_Enter_Next_Cell(T.Rows, Key);
        EXPECT_EQ(Key, QChar(C.New_Key));
        EXPECT_EQ(T.Rows.Col(), C.New_Col);
        EXPECT_EQ(T.Rows.Row(), C.New_Row);
    }
}

// On a string grid with hidden columns: every stored column moves, Enter
// walks the shown columns only, and a header double click sizes with the option.
TEST_F(RowOpsTest, StringGridHiddenColumnsTakePart)
{
    RIraRevadiVizo G;
    G.Set_ColCount(5);
    G.Set_RowCount(4);
    for (int R = 1; R < 4; ++R)
        for (int C = 1; C < 5; ++C)
            G.SetCellEx(C, R, TFilled::Text(R, C));
    G.HideColumn(3);
    std::vector<int> Sized;
    TGrid_Rows<RIraRevadiVizo> Rows(G, {}, [&Sized](int C) { Sized.push_back(C); });
    ASSERT_EQ(Rows.Shown_Col_Count(), 4);
    ASSERT_EQ(Rows.Stored_Col_Count(), 5);

    Grid_Copy_Row(Rows, 1);
    EXPECT_EQ(Row_Clipboard, QStringList({"r1c1", "r1c2", "r1c3", "r1c4"}));
    Grid_Delete_Row(1, Rows);
    EXPECT_EQ(G.GetCellEx(3, 1), QStringLiteral("r2c3"));
    EXPECT_EQ(G.GetCellEx(3, 3), QString());
    EXPECT_TRUE(Grid_Paste_Row(Rows, 3, true));
    EXPECT_EQ(G.GetCellEx(3, 3), QStringLiteral("r1c3"));
    EXPECT_TRUE(G.IsHiddenColumn(3));

    Enable_Jump_Field_Tables = true;
    Rows.Move_To(3, 1); // display column 3 is real column 4, the last shown
    QChar Key(13);
    Grid_Enter_Next_Cell(Rows, Key);
    EXPECT_EQ(G.Col(), 1);
    EXPECT_EQ(G.Row(), 2);

    Double_Click_Auto_Size = false;
    Grid_Auto_Size_Col(Rows, 0, 2);
    Double_Click_Auto_Size = true;
    Grid_Auto_Size_Col(Rows, 1, 2);
    Grid_Auto_Size_Col(Rows, 0, 4);
    EXPECT_EQ(Sized, std::vector<int>({4}));
}

} // namespace
