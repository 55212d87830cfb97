// The panels below the string grid's cells: their life cycle, the search
// footer's accelerators, the last row kept clear of the search footer, and
// the height that holds whole rows.
#include "TestSupport.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QWidget>
#include <gtest/gtest.h>

namespace {
struct TWindowGrid {
    QWidget Window;
    RIraRevadiVizo *G = nullptr;
    TWindowGrid(int Rows = 10)
    {
        Window.resize(420, 280);
        G = new RIraRevadiVizo(&Window);
        G->setGeometry(10, 10, 400, 250);
        G->Set_RowCount(Rows);
        Window.show();
        QCoreApplication::processEvents();
    }
};
} // namespace

TEST(StringGridPanels, LifeCycle)
{
    TWindowGrid W;
    RIraRevadiVizo &G = *W.G;
    // Created with the grid, hidden and without height.
    ASSERT_NE(G.SearchPanel(), nullptr);
    ASSERT_NE(G.FooterPanel(), nullptr);
    EXPECT_FALSE(G.Search_Footer_Visible());
    EXPECT_FALSE(G.Floating_Footer_Visible());
    EXPECT_EQ(G.SearchPanel()->height(), 0);
    EXPECT_EQ(G.FooterPanel()->height(), 0);
    const int CellsH = G.viewport()->height();

    // Shown: 32 pixels right below the cells, which end higher.
    G.Set_Search_Panel_Visible(true);
    EXPECT_TRUE(G.Search_Footer_Visible());
    EXPECT_EQ(G.Search_Panel_Height(), 32);
    EXPECT_EQ(G.SearchPanel()->height(), 32);
    EXPECT_EQ(G.viewport()->height(), CellsH - 32);
    EXPECT_EQ(G.SearchPanel()->y(), G.viewport()->geometry().bottom() + 1);
    EXPECT_EQ(G.SearchPanel()->width(), G.viewport()->width());

    // The floating footer's panel stands above the search panel.
    G.Set_Footer_Panel(true, 21);
    EXPECT_EQ(G.viewport()->height(), CellsH - 32 - 21);
    EXPECT_EQ(G.FooterPanel()->y(), G.viewport()->geometry().bottom() + 1);
    EXPECT_EQ(G.SearchPanel()->y(), G.FooterPanel()->y() + 21);

    G.Set_Footer_Panel(false, 21);
    G.Set_Search_Panel_Visible(false);
    EXPECT_EQ(G.viewport()->height(), CellsH);
    EXPECT_EQ(G.SearchPanel()->height(), 0);
    EXPECT_EQ(G.Search_Panel_Height(), 0);
}

// Only the search footer's buttons answer accelerators, and only while the
// footer shows and the button is visible and enabled.
TEST(StringGridPanels, Accelerators)
{
    struct TCase {
        const char *Name;
        bool FooterShown;
        QChar Key;
        bool DisableForward;
        bool HideBackward;
        const char *Want;   // the action that ran, empty: none
    };
    const TCase Cases[] = {
        {"ForwardLower", true, u'n', false, false, "next"},
        {"ForwardUpper", true, u'N', false, false, "next"},
        {"Backward", true, u'p', false, false, "previous"},
        {"HighlightHasNoAccelerator", true, u'h', false, false, ""},
        {"OtherLetter", true, u'x', false, false, ""},
        {"FooterHidden", false, u'n', false, false, ""},
        {"ForwardDisabled", true, u'n', true, false, ""},
        {"BackwardHidden", true, u'p', false, true, ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TWindowGrid W;
        RIraRevadiVizo &G = *W.G;
        TSearchPanel *P = G.SearchPanel();
        QString Ran;
        P->OnFindNext = [&] { Ran = QStringLiteral("next"); };
        P->OnFindPrevious = [&] { Ran = QStringLiteral("previous"); };
        P->OnHighlight = [&] { Ran = QStringLiteral("highlight"); };
        G.Set_Search_Panel_Visible(C.FooterShown);
        P->ForwardButton()->setEnabled(!C.DisableForward);
        P->BackwardButton()->setVisible(!C.HideBackward);
        EXPECT_EQ(G.CMDialogChar(C.Key), *C.Want != 0);
        EXPECT_EQ(Ran, QString::fromLatin1(C.Want));
    }
    // A caption with an accelerator makes the highlight button answer too.
    TWindowGrid W;
    W.G->Set_Search_Panel_Visible(true);
    bool Hilite = false;
    W.G->SearchPanel()->OnHighlight = [&] { Hilite = true; };
    W.G->SearchPanel()->HiliteButton()->Set_Caption(QStringLiteral("&Highlight"));
    EXPECT_TRUE(W.G->CMDialogChar(u'h'));
    EXPECT_TRUE(Hilite);
}

TEST(StringGridPanels, LastRowStaysClearOfTheSearchFooter)
{
    TWindowGrid W(60);
    RIraRevadiVizo &G = *W.G;
    G.Set_Search_Panel_Visible(true);
    // At the bottom a line down is refused (the last row shows above the footer).
    G.Scroll_Message(Qt::Vertical, SB_BOTTOM);
    const int Bottom = G.TopRow();
    const TRect Last = G.CellRect(G.LeftCol(), G.RowCount() - 1);
    EXPECT_LE(Last.Bottom, G.SearchPanel()->y() - G.viewport()->y() + 2);
    EXPECT_TRUE(G.IsLastRowAboveSearchFooter());
    EXPECT_EQ(G.Scroll_Message(Qt::Vertical, SB_LINEDOWN), 1);
    EXPECT_EQ(G.TopRow(), Bottom);
    // Clearing the footer never runs on past the last possible top row.
    G.ScrollAboveSearchFooter();
    EXPECT_EQ(G.TopRow(), Bottom);
    // A cell brought into view ends above the footer.
    G.Set_TopRow(1);
    G.ScrollInView(2, 58);
    const TRect R = G.CellRect(2, 58);
    ASSERT_FALSE(R.Is_Empty());
    EXPECT_LE(R.Bottom, G.viewport()->height());
    // Without the footer the line down scrolls as usual.
    G.Set_Search_Panel_Visible(false);
    G.Set_TopRow(1);
    EXPECT_EQ(G.Scroll_Message(Qt::Vertical, SB_LINEDOWN), 0);
    EXPECT_EQ(G.TopRow(), 2);
}

TEST(StringGridPanels, IntegralHeight)
{
    struct TCase { const char *Name; bool Integral; TGridBorderStyle Border; int Asked, Want; };
    const TCase Cases[] = {
        {"WholeRowsWithoutBorder", true, bsNone, 100, 88},
        {"WholeRowsWithBorder", true, bsSingle, 100, 92},
        {"ExactMultipleStays", true, bsNone, 110, 110},
        {"OffKeepsTheHeight", false, bsNone, 100, 100},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        RIraRevadiVizo G;
        G.Set_BorderStyle(C.Border);
        G.Set_IntegralHeight(C.Integral);
        G.SetBounds(5, 6, 400, C.Asked);
        EXPECT_EQ(G.geometry(), QRect(5, 6, 400, C.Want));
    }
    // While updates are batched the height is taken as asked.
    RIraRevadiVizo G;
    G.Set_BorderStyle(bsNone);
    G.Set_IntegralHeight(true);
    G.BeginUpdate();
    G.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(G.height(), 100);
    G.EndUpdate();
}

// The search footer below the cells, with the thin metro bars.
TEST(StringGridPanels, Screenshot)
{
    QWidget Window;
    Window.resize(460, 300);
    auto *G = new RIraRevadiVizo(&Window);
    G->setGeometry(10, 10, 440, 280);
    G->Set_ColCount(8);
    G->Set_RowCount(30);
    for (int R = 0; R < 30; ++R)
        for (int C = 0; C < 8; ++C)
            G->Set_Cells(C, R, R == 0 ? QStringLiteral("Col %1").arg(C) : QStringLiteral("%1.%2").arg(C).arg(R));
    G->Set_ScrollType(ssMetro);
    Window.show();
    QCoreApplication::processEvents();
    G->Set_Search_Panel_Visible(true);
    G->Set_TopRow(5);
    QCoreApplication::processEvents();
    const QImage Shot(Save_Screenshot(&Window, QStringLiteral("string_grid_search_footer")));
    ASSERT_EQ(Shot.size(), Window.size());
    // the footer spans the grid's bottom edge and draws its controls on its face
    ASSERT_TRUE(G->SearchPanel()->isVisible());
    const QRect Footer(G->SearchPanel()->mapTo(&Window, QPoint(0, 0)), G->SearchPanel()->size());
    EXPECT_TRUE(G->geometry().contains(Footer));
    EXPECT_GE(Footer.bottom(), G->geometry().bottom() - 2);
    EXPECT_GT(Distinct_Colours(Shot, Footer), 3);
}
