// Presses on cells that act by where they land: the spin buttons drawn at a
// spin cell's right edge step the editor the press opens, and a press on a
// rating cell sets the rating by its distance from the cell's left edge.
#include "GridEditFixture.h"

namespace {
struct TCellPressFixture : TGridEditFixture {
    void Press(int C, int R, int DX, int DY)
    {
        const TRect CR = G->CellRect(C, R);
        QTest::mousePress(G->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(CR.Left + DX, CR.Top + DY));
        QTest::mouseRelease(G->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(CR.Left + DX, CR.Top + DY));
        Flush();
    }
};
} // namespace

// With the look's always-visible spin buttons, a press on their upper or
// lower half makes the spin editor that opens next step once up or down;
// elsewhere in the cell, or without the look, the value stays.
TEST_F(TCellPressFixture, SpinButtonPressStepsTheOpeningEditor)
{
    struct TCase {
        const char *Name;
        bool Look;
        bool Strip;   // press inside the 18-pixel strip at the right edge
        bool Upper;   // upper half of the cell
        const char *Want;
    };
    const TCase Cases[] = {
        {"UpperHalf", true, true, true, "6"},
        {"LowerHalf", true, true, false, "4"},
        {"LeftOfTheStrip", true, false, true, "5"},
        {"WithoutTheLook", false, true, true, "5"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        SetUp();
        Kind(edSpinEdit);
        G->MouseActions().Set_DirectEdit(true);
        G->ControlLook().SpinButtonsAlwaysVisible = C.Look;
        G->Set_Cells(2, 2, "5");
        const TRect CR = G->CellRect(2, 2);
        const int W = CR.Right - CR.Left, H = CR.Bottom - CR.Top;
        Go(2, 2);
        Press(2, 2, C.Strip ? W - 4 : 4, C.Upper ? 2 : H - 3);
        F2();
        ASSERT_TRUE(G->EditMode());
        EXPECT_EQ(G->SpinEdit()->Text(), QString::fromLatin1(C.Want));
        Key(Qt::Key_Return);
        EXPECT_EQ(G->Cells(2, 2), QString::fromLatin1(C.Want));
        // Opening the editor again by key takes no further step.
        F2();
        ASSERT_TRUE(G->EditMode());
        EXPECT_EQ(G->SpinEdit()->Text(), QString::fromLatin1(C.Want));
        Key(Qt::Key_Escape);
    }
}

// The step belongs to the pressed cell: moving away by key before the
// editor opens leaves the next cell's value as it is.
TEST_F(TCellPressFixture, SpinButtonPressNeverStepsAnotherCell)
{
    Kind(edSpinEdit);
    G->MouseActions().Set_DirectEdit(true);
    G->ControlLook().SpinButtonsAlwaysVisible = true;
    G->Set_Cells(2, 2, "5");
    G->Set_Cells(2, 3, "5");
    const TRect CR = G->CellRect(2, 2);
    Go(2, 2);
    Press(2, 2, CR.Right - CR.Left - 4, 2);
    Key(Qt::Key_Down);
    ASSERT_EQ(G->Row(), 3);
    F2();
    ASSERT_TRUE(G->EditMode());
    EXPECT_EQ(G->SpinEdit()->Text(), QStringLiteral("5"));
    Key(Qt::Key_Return);
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("5"));
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("5"));
}

// Half a point per 9 pixels from the left edge; the handler sees the cell
// and the new rate, may change it or veto; a cell that cannot be edited
// keeps its rating and asks nobody.
TEST_F(TCellPressFixture, RatingPressSetsTheRate)
{
    struct TCase {
        const char *Name;
        int DX;
        bool Editing;
        int Handler;   // 0 none, 1 record, 2 veto, 3 raise to 5
        double Want;
        double WantSeen;   // rate handed to the handler (-1: not called)
    };
    const TCase Cases[] = {
        {"FourHalfSteps", 40, true, 0, 2.0, -1},
        {"ThreeHalfSteps", 31, true, 1, 1.5, 1.5},
        {"LeftEdgeIsZero", 4, true, 1, 0.0, 0.0},
        {"Vetoed", 40, true, 2, 1.0, 2.0},
        {"HandlerChangesTheRate", 40, true, 3, 5.0, 2.0},
        {"NotEditable", 40, false, 1, 1.0, -1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        SetUp();
        if (!C.Editing)
            G->Set_Options(G->Options() - goEditing);
        G->AddRating(2, 2, 5, clYellow, clGray);
        G->Set_Cells(2, 2, "1");
        double Seen = -1;
        int Calls = 0;
        if (C.Handler)
            G->OnRatingChange = [&, H = C.Handler](QObject *, int ACol, int ARow, double &Rate, bool &Allow) {
                ++Calls;
                EXPECT_EQ(ACol, 2);
                EXPECT_EQ(ARow, 2);
                EXPECT_TRUE(Allow);
                Seen = Rate;
                Allow = H != 2;
                if (H == 3)
                    Rate = 5;
            };
        Press(2, 2, C.DX, 4);
        EXPECT_DOUBLE_EQ(G->GetFloats(2, 2), C.Want);
        EXPECT_DOUBLE_EQ(Seen, C.WantSeen);
        EXPECT_EQ(Calls, C.WantSeen < 0 ? 0 : 1);
        EXPECT_FALSE(G->EditMode());
    }
}
