// The grid drop-down: its lookup, and how the string grid, which cannot name
// it, makes it through the registered maker.
#include "grid/griddropdown/GridDarAzidDropDown.h"
#include "grid/stringgrid/GridDropDownMaker.h"
#include "grid_edit/GridEditFixture.h"

// The lookup column, with and without regard to case.
TEST(GridDropDown, LookupByTheLookupColumn)
{
    TCustomDarAzidDropDown G;
    G.Items() = {{QStringLiteral("1"), QStringLiteral("Apple")}, {QStringLiteral("2"), QStringLiteral("Pear")}};
    G.Set_LookupColumn(1);
    int Row = -2;
    EXPECT_TRUE(G.Lookup(QStringLiteral("pear"), Row));
    EXPECT_EQ(Row, 1);
    G.Set_CaseSensitive(true);
    EXPECT_FALSE(G.Lookup(QStringLiteral("pear"), Row));
    EXPECT_EQ(Row, -1);
    EXPECT_EQ(G.GetItemIndex(QStringLiteral("Pear")), 1);
    G.SetItemIndex(0);
    EXPECT_EQ(G.Text(), QStringLiteral("Apple"));
    G.Set_LookupColumn(4);
    G.SetItemIndex(1);
    EXPECT_EQ(G.Text(), QString());
}

namespace {
int Made = 0;
VOdeCustomDropDown *Counting_Maker(RIraRevadiVizo *Grid)
{
    ++Made;
    return new TGridDarAzidDropDown(Grid);
}

// Each case sets its own maker; the one before comes back afterwards.
struct TMakerGuard {
    TGridDropDownMaker Saved = Grid_DropDown_Maker();
    ~TMakerGuard() { Set_Grid_DropDown_Maker(Saved); }
};
} // namespace

// The grid makes its grid drop-down with the registered maker, once, and
// fills it from the cell; with no maker the kind opens no editor control and
// the cell keeps its text.
TEST_F(TGridEditFixture, GridDropDownComesFromTheRegisteredMaker)
{
    struct TCase { const char *Name; TGridDropDownMaker Maker; int Made; bool Opens; };
    const TCase Cases[] = {
        {"Registered", Counting_Maker, 1, true},
        {"NoMaker", nullptr, 0, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TMakerGuard Guard;
        Set_Grid_DropDown_Maker(C.Maker);
        Made = 0;
        SetUp();   // a fresh grid, which has made no grid drop-down yet
        Kind(edDarAzidDropDown);
        G->OnGetEditorProp = [this](QObject *, int, int, QObject *) {
            if (TGridDarAzidDropDown *D = G->DarAzidDropDown()) {
                D->Items() = {{QStringLiteral("1"), QStringLiteral("Apple")}, {QStringLiteral("2"), QStringLiteral("Pear")}};
                D->Set_LookupColumn(1);
                D->Set_UseItems(true);
            }
        };
        G->Set_Cells(2, 2, QStringLiteral("pear"));
        for (int Round = 0; Round < 2; ++Round) {
            Go(2, 2);
            F2();
            // (without a maker the edit flags stay set, as for any kind
            // without a control, and the grid keeps the focus)
            EXPECT_TRUE(G->EditMode());
            auto *D = G->DarAzidDropDown();
            EXPECT_EQ(D != nullptr, C.Opens);
            if (D) {
                EXPECT_EQ(QApplication::focusWidget(), D);
                EXPECT_EQ(D->ItemIndex(), 1);
                EXPECT_EQ(D->Text(), QStringLiteral("pear"));
                // Grid is the popup's inner grid (none while the popup has
                // none); the grid edited for is the owner
                EXPECT_EQ(D->Grid(), nullptr);
                EXPECT_EQ(D->Owner_Grid(), G.get());
            } else {
                EXPECT_EQ(QApplication::focusWidget(), G.get());
            }
            Key(Qt::Key_Escape);
            if (D) {
                EXPECT_FALSE(G->EditMode());
            }
            EXPECT_EQ(G->Cells(2, 2), QStringLiteral("pear"));
        }
        EXPECT_EQ(Made, C.Made);
    }
}
