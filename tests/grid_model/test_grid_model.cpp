#include "grid/model/GridModel.h"
#include <gtest/gtest.h>
#include <functional>
#include <vector>

namespace {
struct TMark : TObject {
    explicit TMark(bool *Freed) : FFreed(Freed) {}
    ~TMark() override { *FFreed = true; }
    bool *FFreed;
};

TGridModel::TPropsFactory Factory(TGridModel &M)
{
    return [&M](int C, int R) { return new TModelCellProps(&M, C, R); };
}

// Texts "c,r" in a Cols x Rows block.
void Fill(TGridModel &M, int Cols, int Rows)
{
    for (int R = 0; R < Rows; ++R)
        for (int C = 0; C < Cols; ++C)
            M.Set_Cell(C, R, QStringLiteral("%1,%2").arg(C).arg(R));
}

// One step of a sequence: what it does and what must hold afterwards (besides
// Check_Consistency, which every step must pass).
struct TStep {
    const char *Name;
    std::function<void(TGridModel &)> Do;
    std::function<void(TGridModel &)> Expect;
};
struct TSequence {
    const char *Name;
    std::vector<TStep> Steps;
};

void Run_Sequence(const TSequence &S)
{
    SCOPED_TRACE(S.Name);
    TGridModel M;
    Fill(M, 6, 10);
    EXPECT_EQ(M.Check_Consistency(), QString());
    for (const TStep &Step : S.Steps) {
        SCOPED_TRACE(Step.Name);
        Step.Do(M);
        EXPECT_EQ(M.Check_Consistency(), QString());
        if (Step.Expect)
            Step.Expect(M);
    }
}
} // namespace

// --- sequences of operations, consistent after every step --------------------------------

TEST(GridModelSequences, HideAndUnhideRowsWithMerges)
{
    Run_Sequence({"HideUnhide", {
        {"MergeAcrossAndDown", [](TGridModel &M) {
             M.Merge(1, 1, 2, 1, Factory(M));   // within row 1
             M.Merge(1, 4, 1, 3, Factory(M));   // rows 4..6
         }, {}},
        {"HideRows3To4", [](TGridModel &M) { EXPECT_EQ(M.Hide_Rows(3, 4, [](int D) { return 20 + D; }), 2); },
         [](TGridModel &M) {
             EXPECT_EQ(M.Cell(0, 3), "0,5");
             EXPECT_EQ(M.Real_To_Displ_Row(5), 3);
             EXPECT_EQ(M.Displ_To_Real_Row(3), 5);
             EXPECT_TRUE(M.Is_Hidden_Row(4));
             // the block over rows 4..6 lost a row: it is split, the one in row 1 stays
             EXPECT_EQ(M.Block_Of(1, 3), (TCellRange{1, 3, 1, 3}));
             EXPECT_EQ(M.Block_Of(2, 1), (TCellRange{1, 1, 2, 1}));
         }},
        {"HideRowOneWithItsBlock", [](TGridModel &M) { EXPECT_EQ(M.Hide_Rows(1, 1, {}), 1); },
         [](TGridModel &M) { EXPECT_EQ(M.Real_To_Displ_Row(5), 2); }},
        {"HideAgainChangesNothing", [](TGridModel &M) { EXPECT_EQ(M.Hide_Rows(3, 4, {}), 0); }, {}},
        {"UnhideFromVisibleRowChangesNothing", [](TGridModel &M) { EXPECT_EQ(M.Unhide_Rows(2, 9), 0); }, {}},
        {"UnhideThreeToFour", [](TGridModel &M) {
             std::vector<std::pair<int, int>> Restored;
             EXPECT_EQ(M.Unhide_Rows(3, 4, [&](int D, int H) { Restored.push_back({D, H}); }), 2);
             EXPECT_EQ(Restored, (std::vector<std::pair<int, int>>{{2, 23}, {3, 24}}));
         }, [](TGridModel &M) {
             EXPECT_EQ(M.Cell(0, 2), "0,3");
             EXPECT_EQ(M.Cell(0, 3), "0,4");
         }},
        {"UnhideOne", [](TGridModel &M) { EXPECT_EQ(M.Unhide_Rows(1, 1), 1); },
         [](TGridModel &M) {
             for (int R = 0; R < 10; ++R)
                 EXPECT_EQ(M.Cell(0, R), QStringLiteral("0,%1").arg(R));
             EXPECT_EQ(M.Block_Of(2, 1), (TCellRange{1, 1, 2, 1}));
             EXPECT_EQ(M.Hidden_Row_Count(), 0);
         }},
    }});
}

TEST(GridModelSequences, DeleteInsertAndMoveWithProperties)
{
    Run_Sequence({"DeleteMove", {
        {"PropsAndBlock", [](TGridModel &M) {
             M.Adopt_Object(5, 8, new TModelCellProps(&M, 0, 0));   // position corrected on adoption
             M.Merge(2, 2, 2, 2, Factory(M));
         }, [](TGridModel &M) { EXPECT_EQ(M.Props(5, 8)->OwnerRow(), 8); }},
        {"DeleteRowAbove", [](TGridModel &M) { M.Delete_Rows(0, 1); },
         [](TGridModel &M) {
             EXPECT_EQ(M.Cell(0, 0), "0,1");
             EXPECT_EQ(M.Props(5, 7)->OwnerRow(), 7);
             EXPECT_EQ(M.Block_Of(3, 2), (TCellRange{2, 1, 3, 2}));
         }},
        {"DeleteRowThroughBlockSplitsIt", [](TGridModel &M) { M.Delete_Rows(2, 1); },
         [](TGridModel &M) { EXPECT_EQ(M.Block_Of(3, 1), (TCellRange{3, 1, 3, 1})); }},
        {"MergeAgainAndInsertInside", [](TGridModel &M) {
             M.Merge(1, 4, 1, 3, Factory(M));
             M.Insert_Rows(5, 2);
         }, [](TGridModel &M) {
             EXPECT_EQ(M.Block_Of(1, 4), (TCellRange{1, 4, 1, 4}));
             EXPECT_EQ(M.Cell(0, 7), "0,7");   // rows 0 and 2 are gone
             EXPECT_EQ(M.Props(5, 8)->OwnerRow(), 8);
         }},
        {"MoveRowThroughBlockSplitsIt", [](TGridModel &M) {
             M.Merge(0, 2, 1, 3, Factory(M));   // rows 2..4
             M.Move_Row(3, 8);
         }, [](TGridModel &M) { EXPECT_EQ(M.Block_Of(0, 2), (TCellRange{0, 2, 0, 2})); }},
        {"MoveBlockRowsTogether", [](TGridModel &M) {
             M.Merge(4, 2, 1, 2, Factory(M));   // rows 2..3, wholly inside the shifted range
             M.Move_Row(1, 6);
         }, [](TGridModel &M) { EXPECT_EQ(M.Block_Of(4, 1), (TCellRange{4, 1, 4, 2})); }},
        {"MoveAndDeleteColumns", [](TGridModel &M) {
             M.Merge(1, 0, 3, 1, Factory(M));
             M.Move_Col(5, 0);
             M.Delete_Cols(2, 1);
         }, [](TGridModel &M) { EXPECT_EQ(M.Block_Of(2, 0), (TCellRange{2, 0, 2, 0})); }},
        {"InsertColumns", [](TGridModel &M) { M.Insert_Cols(0, 2); },
         [](TGridModel &M) {
             EXPECT_EQ(M.Cell(0, 1), QString());
             EXPECT_TRUE(M.Cell(2, 1).startsWith("5,"));   // the column moved to the front
         }},
    }});
}

TEST(GridModelSequences, CountsReducedAndGrownBack)
{
    Run_Sequence({"Counts", {
        {"StoreBeyondNarrowRows", [](TGridModel &M) {
             M.Set_Row_Width_Hint(3);
             M.Set_Cell(1, 20, QStringLiteral("late"));
             M.Merge(4, 12, 2, 2, Factory(M));
         }, [](TGridModel &M) {
             EXPECT_EQ(M.Stored_Cols(20), 3);   // sized to the hint at once
             EXPECT_EQ(M.Stored_Rows(), 21);
         }},
        {"DeleteAllButTwoRows", [](TGridModel &M) { M.Delete_Rows(2, 1000); },
         [](TGridModel &M) { EXPECT_EQ(M.Stored_Rows(), 2); EXPECT_EQ(M.Cell(1, 20), QString()); }},
        {"GrowBack", [](TGridModel &M) { M.Insert_Rows(1, 5); M.Set_Cell(0, 30, QStringLiteral("x")); },
         [](TGridModel &M) { EXPECT_EQ(M.Cell(0, 6), "0,1"); EXPECT_EQ(M.Cell(0, 30), "x"); }},
        {"Clear", [](TGridModel &M) { M.Clear(); }, [](TGridModel &M) { EXPECT_EQ(M.Stored_Rows(), 0); }},
    }});
}

TEST(GridModelSequences, SortKeepsRowBlocksAndSplitsTallOnes)
{
    Run_Sequence({"Sort", {
        {"Blocks", [](TGridModel &M) {
             M.Set_Cell(0, 1, QStringLiteral("c"));
             M.Set_Cell(0, 2, QStringLiteral("a"));
             M.Set_Cell(0, 3, QStringLiteral("b"));
             M.Merge(1, 1, 3, 1, Factory(M));   // row 1 only
             M.Merge(5, 2, 1, 2, Factory(M));   // rows 2..3
         }, {}},
        {"SortByFirstColumn", [](TGridModel &M) {
             M.Sort_Rows(1, 3, [&M](int A, int B) { return M.Cell(0, A) < M.Cell(0, B); });
         }, [](TGridModel &M) {
             EXPECT_EQ(M.Cell(0, 1), "a");
             EXPECT_EQ(M.Cell(0, 2), "b");
             EXPECT_EQ(M.Cell(0, 3), "c");
             EXPECT_EQ(M.Block_Of(2, 3), (TCellRange{1, 3, 3, 3}));
             EXPECT_EQ(M.Block_Of(5, 2), (TCellRange{5, 2, 5, 2}));
         }},
        {"NotAPermutationIsRefused", [](TGridModel &M) {
             EXPECT_THROW(M.Permute_Rows(1, {1, 1, 2}), EGridError);
         }, [](TGridModel &M) { EXPECT_EQ(M.Cell(0, 1), "a"); }},
    }});
}

// --- objects and ownership --------------------------------------------------------------------

// Owned objects are freed with their cells and the model; objects set without
// ownership, and objects handed back, are never freed by the model.
TEST(GridModelObjects, OwnershipFollowsTheSlot)
{
    bool Owned = false, Foreign = false, Released = false, Deleted = false, Replaced = false;
    TMark ForeignMark(&Foreign);
    TObject *Back = nullptr;
    {
        TGridModel M;
        M.Adopt_Object(1, 1, new TMark(&Owned));
        M.Set_Object(2, 2, &ForeignMark);
        M.Adopt_Object(3, 3, new TMark(&Released));
        Back = M.Release_Object(3, 3);
        M.Adopt_Object(4, 4, new TMark(&Deleted));
        M.Delete_Rows(4, 1);
        M.Adopt_Object(5, 5, new TMark(&Replaced));
        M.Adopt_Object(5, 5, M.Object(5, 5));   // the same object again stays alive
        EXPECT_FALSE(Replaced);
        M.Set_Object(0, 9, Object_From_Int(-7));
        EXPECT_EQ(Int_From_Object(M.Object(0, 9)), -7);
        EXPECT_TRUE(Deleted);
        EXPECT_EQ(M.Check_Consistency(), QString());
        EXPECT_FALSE(Owned);
    }
    EXPECT_TRUE(Owned);
    EXPECT_TRUE(Replaced);
    EXPECT_FALSE(Foreign);
    EXPECT_FALSE(Released);
    delete Back;
    EXPECT_TRUE(Released);
}

// --- hidden columns ---------------------------------------------------------------------------------

TEST(GridModelHiddenColumns, MappingsBothWays)
{
    TGridModel M;
    EXPECT_EQ(M.Real_To_Displ_Col(7), 7);   // nothing hidden: identity
    EXPECT_TRUE(M.Hide_Col(2, 64));
    EXPECT_FALSE(M.Hide_Col(2, 10));
    EXPECT_FALSE(M.Hide_Col(TGridModel::Max_Cols, 10));   // outside the storage
    struct TCase { const char *Name; int Got, Want; };
    const TCase Cases[] = {
        {"RealOfDisplay2", M.Displ_To_Real_Col(2), 3},
        {"DisplayOfReal3", M.Real_To_Displ_Col(3), 2},
        {"HiddenMapsToNext", M.Real_To_Displ_Col(2), 2},
        {"BeyondFiveHundredTwelveShiftsToo", M.Displ_To_Real_Col(600), 601},
        {"KeptWidth", M.Hidden_Col_Width(2), 64},
        {"Count", M.Hidden_Col_Count(), 1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Got, C.Want);
    }
    EXPECT_FALSE(M.Is_Hidden_Col(600));
    EXPECT_EQ(M.Check_Consistency(), QString());
    // hiding is not bounded by a fixed table: a column far right maps both ways
    EXPECT_TRUE(M.Hide_Col(1000, 30));
    EXPECT_TRUE(M.Is_Hidden_Col(1000));
    EXPECT_EQ(M.Real_To_Displ_Col(1001), 999);
    EXPECT_EQ(M.Displ_To_Real_Col(999), 1001);
    EXPECT_EQ(M.Hidden_Col_Width(1000), 30);
    EXPECT_EQ(M.Check_Consistency(), QString());
    EXPECT_TRUE(M.Unhide_Col(1000));
    EXPECT_TRUE(M.Unhide_Col(2));
    EXPECT_FALSE(M.Unhide_Col(2));
    EXPECT_EQ(M.Displ_To_Real_Col(2), 2);
}

// --- texts ------------------------------------------------------------------------------------------------

// Short texts are kept inside the cell; longer and wider ones on the heap; all read back exactly.
TEST(GridModelTexts, RoundTripEveryStorageForm)
{
    struct TCase { const char *Name; QString Text; bool Heap; };
    const TCase Cases[] = {
        {"Empty", QString(), false},
        {"Latin1Fourteen", QStringLiteral("abcdefghijklm\u00e9"), false},
        {"Latin1Fifteen", QStringLiteral("abcdefghijklmno"), true},
        {"WideSeven", QStringLiteral("\u20ac1234567").left(7), false},
        {"WideEight", QStringLiteral("\u20ac1234567"), true},
        {"NulInside", QString(QChar(0)) + QStringLiteral("x"), false},
    };
    TGridModel M;
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TCellText T(C.Text);
        EXPECT_EQ(T.To_String(), C.Text);
        EXPECT_TRUE(T.Equals(C.Text));
        EXPECT_EQ(T.On_Heap(), C.Heap);
        TCellText Copy(T);
        TCellText Moved(std::move(Copy));
        EXPECT_EQ(Moved.To_String(), C.Text);
        M.Set_Cell(1, 1, C.Text);
        EXPECT_EQ(M.Cell(1, 1), C.Text);
    }
    EXPECT_THROW(M.Set_Cell(TGridModel::Max_Cols, 0, QStringLiteral("x")), EGridError);
}

// --- notices -------------------------------------------------------------------------------------------------

namespace {
struct TRecorder : IGridModelListener {
    std::vector<TCellRange> Ranges;
    int Structure = 0;
    void Model_Cells_Changed(const TCellRange &R) override { Ranges.push_back(R); }
    void Model_Structure_Changed() override { ++Structure; }
};
} // namespace

// Every change is told; a batch is told once, as the bounding range or one structural change.
TEST(GridModelNotices, ChangesAndBatches)
{
    TGridModel M;
    TRecorder Rec;
    M.Add_Listener(&Rec);
    M.Set_Cell(2, 3, QStringLiteral("a"));
    ASSERT_EQ(Rec.Ranges.size(), 1u);
    EXPECT_EQ(Rec.Ranges[0], (TCellRange{2, 3, 2, 3}));
    M.Begin_Update();
    M.Set_Cell(1, 1, QStringLiteral("b"));
    M.Set_Cell(4, 6, QStringLiteral("c"));
    EXPECT_EQ(Rec.Ranges.size(), 1u);
    M.End_Update();
    ASSERT_EQ(Rec.Ranges.size(), 2u);
    EXPECT_EQ(Rec.Ranges[1], (TCellRange{1, 1, 4, 6}));
    M.Begin_Update();
    M.Set_Cell(1, 1, QStringLiteral("d"));
    M.Move_Row(1, 2);
    M.End_Update();
    EXPECT_EQ(Rec.Ranges.size(), 2u);
    EXPECT_EQ(Rec.Structure, 1);
    // Properties changed in place are told for their cell.
    auto *P = new TModelCellProps(&M, 0, 0);
    M.Adopt_Object(5, 5, P);
    M.Cell_Changed(P->OwnerCol(), P->OwnerRow());
    EXPECT_EQ(Rec.Ranges.back(), (TCellRange{5, 5, 5, 5}));
    M.Remove_Listener(&Rec);
}

// Hiding is bounded by the real rows: rows beyond them are not hidden, and a
// state with a hidden row beyond them is reported as inconsistent.
TEST(GridModelHidden, HidingStopsAtTheLastRealRow)
{
    struct TCase { const char *Name; int From, To, Hidden; std::vector<int> Shown; };
    const TCase Cases[] = {
        {"WhollyBeyond", 20, 25, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
        {"ReachingBeyond", 8, 15, 2, {0, 1, 2, 3, 4, 5, 6, 7}},
        {"LastRowOnly", 9, 9, 1, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridModel M;
        Fill(M, 2, 10);
        EXPECT_EQ(M.Hide_Rows(C.From, C.To, {}, hrExplicit, 10), C.Hidden);
        const int Displ = 10 - C.Hidden;
        EXPECT_EQ(M.Check_Consistency(Displ), QString());
        for (size_t D = 0; D < C.Shown.size(); ++D)
            EXPECT_EQ(M.Cell(0, static_cast<int>(D)), QStringLiteral("0,%1").arg(C.Shown[D]));
        EXPECT_EQ(M.Unhide_Rows(0, 100) + M.Unhide_Rows(C.From, 100), C.Hidden);
        EXPECT_EQ(M.Check_Consistency(10), QString());
    }
    // without the bound the rows beyond are recorded; the check sees it
    TGridModel M;
    Fill(M, 2, 10);
    EXPECT_EQ(M.Hide_Rows(20, 25, {}), 6);
    EXPECT_NE(M.Check_Consistency(4), QString());
}
