// The grid's small settings objects: defaults, setters that tell their
// followers only on a change, and copies that tell no one.
#include "grid/model/GridSettingsObjects.h"
#include <gtest/gtest.h>

TEST(GridSettingsObjects, DefaultsAndNotices)
{
    TDragDropSettings D;
    EXPECT_TRUE(D.OleAcceptText && D.OleAcceptFiles && D.OleAcceptURLs && D.ShowCells);
    EXPECT_FALSE(D.OleDropTarget() || D.OleDropRTF() || D.OleEntireRows || D.OleColumnsOnly);
    int Target = 0, Rtf = 0;
    bool SeenStored = false;
    D.OnDropTarget = [&](bool V) { ++Target; SeenStored = D.OleDropTarget() == V; };
    D.OnDropRTF = [&](bool V) { ++Rtf; SeenStored = SeenStored && D.OleDropRTF() != V; };
    D.Set_OleDropTarget(true);
    D.Set_OleDropTarget(true);
    D.Set_OleDropRTF(true);
    EXPECT_EQ(Target, 1);
    EXPECT_EQ(Rtf, 1);
    // the target is stored before the grid registers it; RTF is passed on before it is stored
    EXPECT_TRUE(SeenStored);
    TDragDropSettings Copy;
    Copy.OnDropTarget = [&](bool) { ++Target; };
    Copy.Assign(D);
    EXPECT_TRUE(Copy.OleDropTarget());
    EXPECT_EQ(Target, 1);

    TBalloonSettings B;
    EXPECT_EQ(B.InitialDelay, -1);
    EXPECT_EQ(B.BackgroundColor, clNone);
    int Enables = 0;
    B.OnEnableChange = [&](TBalloonSettings *) { ++Enables; };
    B.Set_Enable(true);
    B.Set_Enable(true);
    EXPECT_EQ(Enables, 1);
    B.Transparency = 50;
    B.ReshowDelay = 7;
    TBalloonSettings BC;
    BC.Assign(B);
    EXPECT_TRUE(BC.Enable());
    EXPECT_EQ(BC.ReshowDelay, 7);
    EXPECT_EQ(BC.Transparency, 0);

    TShowModified M;
    EXPECT_EQ(M.Color(), clYellow);
    int Changes = 0;
    M.OnChange = [&](TShowModified *) { ++Changes; };
    M.Set_Color(clYellow);
    M.Set_Color(0x0000FF);
    EXPECT_EQ(Changes, 1);
}

// A hidden-row item: the setters store, the text list starts empty and is the
// item's own until another is handed over, which is then only referred to.
TEST(GridSettingsObjects, GridItemStoresAndOwnsItsTexts)
{
    struct TCase { const char *Name; int Idx, Height, Level; bool Borrow; };
    const TCase Cases[] = {
        {"Defaults", 0, 0, 0, false},
        {"Stored", 7, 31, 2, false},
        {"NegativeStoredAsGiven", -1, -5, -3, false},
        {"BorrowedList", 4, 20, 1, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QStringList Outside{QStringLiteral("x")};
        {
            TGridItem Item;
            EXPECT_STREQ(Item.ClassName(), "TGridItem");
            ASSERT_NE(Item.Items(), nullptr);
            EXPECT_TRUE(Item.Items()->isEmpty());
            Item.Set_Idx(C.Idx);
            Item.Set_Height(C.Height);
            Item.Set_Level(C.Level);
            Item.Items()->append(QStringLiteral("a"));
            if (C.Borrow) {
                Item.Set_Items(&Outside);
                Item.Items()->append(QStringLiteral("y"));
            }
            EXPECT_EQ(Item.Idx(), C.Idx);
            EXPECT_EQ(Item.Height(), C.Height);
            EXPECT_EQ(Item.Level(), C.Level);
            EXPECT_EQ(*Item.Items(), C.Borrow ? (QStringList{"x", "y"}) : QStringList{"a"});
        }
        // the borrowed list outlives the item unchanged otherwise
        EXPECT_EQ(Outside.size(), C.Borrow ? 2 : 1);
    }
}
