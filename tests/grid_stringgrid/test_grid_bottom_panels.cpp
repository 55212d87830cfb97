// The panels below a string grid's cells kept apart from the grid: where
// they go, the heights they take, the search footer's accelerators and the
// height that holds whole rows.
#include "grid/stringgrid/GridBottomPanels.h"
#include "grid/stringgrid/GridPanels.h"
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// The panels stack under the cells, footer first, as wide as the cells.
TEST(GridBottomPanels, Places)
{
    struct TCase {
        const char *Name;
        int FooterH, SearchH;
        QRect Footer, Search;
    };
    const QRect Cells(2, 3, 300, 200);   // bottom row 202
    const TCase Cases[] = {
        {"Both", 20, 32, {2, 203, 300, 20}, {2, 223, 300, 32}},
        {"SearchOnly", 0, 32, {2, 203, 300, 0}, {2, 203, 300, 32}},
        {"FooterOnly", 20, 0, {2, 203, 300, 20}, {2, 223, 300, 0}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TBottomPanelPlaces P = TGridBottomPanels::Places(Cells, C.FooterH, C.SearchH);
        EXPECT_EQ(P.Footer, C.Footer);
        EXPECT_EQ(P.Search, C.Search);
    }
}

// A panel takes its height only while it shows; a footer of no height hides.
TEST(GridBottomPanels, HeightsFollowVisibility)
{
    QWidget Grid;
    Grid.resize(320, 260);
    TGridBottomPanels P;
    EXPECT_FALSE(P.Search_Visible());   // before Create: nothing
    P.Create(&Grid);
    Grid.show();
    EXPECT_EQ(P.Bottom_Margin(), 0);
    EXPECT_TRUE(P.Set_Search_Visible(true));
    EXPECT_FALSE(P.Set_Search_Visible(true));
    P.Set_Footer(true, 24);
    EXPECT_EQ(P.Footer_Height(), 24);
    EXPECT_EQ(P.Bottom_Margin(), 24 + TGridBottomPanels::Search_Shown_Height);
    P.Place(QRect(0, 0, 320, 180));
    EXPECT_EQ(P.Footer()->geometry(), QRect(0, 180, 320, 24));
    EXPECT_EQ(P.Search()->geometry(), QRect(0, 204, 320, 32));
    P.Set_Footer(true, 0);
    EXPECT_FALSE(P.Footer_Visible());
    P.Set_Footer(false, 40);
    EXPECT_EQ(P.Bottom_Margin(), TGridBottomPanels::Search_Shown_Height);
    EXPECT_TRUE(P.Set_Search_Visible(false));
    EXPECT_EQ(P.Bottom_Margin(), 0);
}

// Alt + the letter after "&" presses the search footer's button, in any
// case, only while the panel shows and the button is shown and enabled.
TEST(GridBottomPanels, Accelerators)
{
    struct TCaption {
        const char *Name;
        const char *Caption;
        QChar Key;
    };
    const TCaption Captions[] = {
        {"Letter", "Find &next", u'N'},
        {"LowerCaseBecomesUpper", "&previous", u'P'},
        {"NoAmpersand", "Highlight", QChar()},
        {"AmpersandLast", "Find&", QChar()},
    };
    for (const TCaption &C : Captions) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(TGridBottomPanels::Accelerator(QString::fromUtf8(C.Caption)), C.Key);
    }

    QWidget Grid;
    TGridBottomPanels P;
    P.Create(&Grid);
    Grid.show();
    EXPECT_EQ(P.Accelerated(u'n'), nullptr);   // panel hidden
    P.Set_Search_Visible(true);
    EXPECT_EQ(P.Accelerated(u'n'), P.Search()->ForwardButton());
    EXPECT_EQ(P.Accelerated(u'P'), P.Search()->BackwardButton());
    EXPECT_EQ(P.Accelerated(u'h'), nullptr);   // "Highlight" has none
    P.Search()->ForwardButton()->setEnabled(false);
    EXPECT_EQ(P.Accelerated(u'n'), nullptr);
    P.Search()->BackwardButton()->hide();
    EXPECT_EQ(P.Accelerated(u'p'), nullptr);
}

// Whole rows below the bar and the border: the height rounds down.
TEST(GridBottomPanels, IntegralHeight)
{
    struct TCase {
        const char *Name;
        int Height, Row, Bar, Border, Expected;
    };
    const TCase Cases[] = {
        {"Exact", 100, 20, 0, 0, 100},
        {"RoundsDown", 119, 20, 0, 0, 100},
        {"BarKept", 137, 20, 17, 0, 137},
        {"BorderTwice", 101, 20, 0, 2, 84},
        {"BarAndBorder", 150, 20, 17, 2, 141},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(TGridBottomPanels::Integral_Height(C.Height, C.Row, C.Bar, C.Border), C.Expected);
    }
}

} // namespace
