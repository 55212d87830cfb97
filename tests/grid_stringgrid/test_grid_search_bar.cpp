// The search bar below the string grid: its settings reach the panel (shown
// buttons, captions, hints, colours, font) and its typing and buttons reach
// the find engine with the settings' options.
#include "TestSupport.h"
#include "grid/stringgrid/GridPanels.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCoreApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {
// Five columns and six rows, one fixed of each; the texts are laid so each
// setting finds a different cell.
struct TSearchBarGrid {
    QWidget Window;
    RIraRevadiVizo *G = nullptr;
    int Actions = 0;
    TSearchBarGrid()
    {
        Window.resize(620, 300);
        G = new RIraRevadiVizo(&Window);
        G->setGeometry(10, 10, 600, 280);
        G->Set_ColCount(5);
        G->Set_RowCount(6);
        G->Set_FixedCols(1);
        G->Set_FixedRows(1);
        const char *Rows[6][5] = {{"fixed", "A", "B", "C", "D"},   {"1", "x", "cab", "x", "abz"},
                                  {"2", "ab1", "x", "ab3", "x"},   {"3", "x", "x", "x", "x"},
                                  {"4", "x", "ab", "x", "hid"},    {"5", "x", "x", "x", "x"}};
        for (int R = 0; R < 6; ++R)
            for (int C = 0; C < 5; ++C)
                G->Set_Cells(C, R, QString::fromLatin1(Rows[R][C]));
        G->OnSearchFooterAction = [this](QObject *, const QString &, int, int, TSearchAction) { ++Actions; };
        G->SearchFooter().Set_Visible(true);
        Window.show();
        QCoreApplication::processEvents();
    }
    TSearchPanel &Panel() const { return *G->SearchPanel(); }
};

// A gradient's end rows come within a few steps of its colours.
bool Near(QRgb Pixel, const QColor &Want)
{
    return std::abs(qRed(Pixel) - Want.red()) <= 6 && std::abs(qGreen(Pixel) - Want.green()) <= 6 &&
           std::abs(qBlue(Pixel) - Want.blue()) <= 6;
}
} // namespace

TEST(GridSearchBar, TypedTextFindsTheCellTheSettingsAskFor)
{
    struct TCase {
        const char *Name;
        const char *Typed;
        std::function<void(TSearchFooter &, RIraRevadiVizo &)> Set;
        TPoint Found;
        int Actions;
    };
    const TCase Cases[] = {
        {"DownColumnsFirst", "ab", [](TSearchFooter &, RIraRevadiVizo &) {}, {1, 2}, 2},
        {"AlongRowsFirst", "ab", [](TSearchFooter &S, RIraRevadiVizo &) { S.Set_SearchDirection(sdLeftRight); }, {2, 1}, 2},
        {"MatchStartAlongRows", "ab",
         [](TSearchFooter &S, RIraRevadiVizo &) {
             S.Set_SearchDirection(sdLeftRight);
             S.Set_SearchMatchStart(true);
         },
         {4, 1}, 2},
        {"OneColumn", "ab", [](TSearchFooter &S, RIraRevadiVizo &) { S.Set_SearchColumn(2); }, {2, 1}, 2},
        {"OneColumnMatchStart", "ab",
         [](TSearchFooter &S, RIraRevadiVizo &) {
             S.Set_SearchColumn(2);
             S.Set_SearchMatchStart(true);
         },
         {2, 4}, 2},
        {"ColumnOutsideTheGridMeansAll", "ab", [](TSearchFooter &S, RIraRevadiVizo &) { S.Set_SearchColumn(9); }, {1, 2}, 2},
        {"ActiveColumnOnly", "ab",
         [](TSearchFooter &S, RIraRevadiVizo &G) {
             S.Set_SearchActiveColumnOnly(true);
             G.FocusCell(3, 3);
         },
         {3, 2}, 2},
        {"FixedCellsLeftOut", "fixed", [](TSearchFooter &, RIraRevadiVizo &) {}, {-1, -1}, 5},
        {"FixedCellsSearched", "fixed", [](TSearchFooter &S, RIraRevadiVizo &) { S.Set_SearchFixedCells(true); }, {0, 0}, 5},
        {"HiddenRowLeftOut", "hid", [](TSearchFooter &, RIraRevadiVizo &G) { G.HideRow(4); }, {-1, -1}, 3},
        {"HiddenRowSearched", "hid",
         [](TSearchFooter &S, RIraRevadiVizo &G) {
             G.HideRow(4);
             S.Set_SearchHiddenRows(true);
         },
         {4, 4}, 3},
        {"CaseBlind", "AB", [](TSearchFooter &, RIraRevadiVizo &) {}, {1, 2}, 2},
        {"MatchCaseBox", "AB", [](TSearchFooter &, RIraRevadiVizo &G) { G.SearchPanel()->MatchCase()->Set_Checked(true); }, {-1, -1}, 2},
        {"NoSearchWhileTypingWithoutAutoSearch", "ab", [](TSearchFooter &S, RIraRevadiVizo &) { S.Set_AutoSearch(false); }, {-1, -1}, 0},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSearchBarGrid W;
        C.Set(W.G->SearchFooter(), *W.G);
        QTest::keyClicks(W.Panel().Edit(), QString::fromLatin1(C.Typed));
        EXPECT_EQ(W.G->SearchCell().X, C.Found.X);
        EXPECT_EQ(W.G->SearchCell().Y, C.Found.Y);
        // one first-find per typed character, and the edit shows the outcome
        EXPECT_EQ(W.Actions, C.Actions);
        const TColor Edit = C.Found.X < 0 && C.Actions > 0 ? clRed : clWindow;
        EXPECT_EQ(W.Panel().Edit()->palette().color(QPalette::Base), To_QColor(Edit));
    }
}

TEST(GridSearchBar, ButtonsGoOnFromTheLastFind)
{
    TSearchBarGrid W;
    W.G->SearchFooter().Set_AutoSearch(false);
    W.Panel().Edit()->setText(QStringLiteral("ab"));
    const TPoint Walk[] = {{1, 2}, {2, 1}, {2, 4}, {3, 2}, {4, 1}};
    for (const TPoint &P : Walk) {
        QTest::mouseClick(W.Panel().ForwardButton(), Qt::LeftButton);
        EXPECT_EQ(W.G->SearchCell().X, P.X);
        EXPECT_EQ(W.G->SearchCell().Y, P.Y);
    }
    QTest::mouseClick(W.Panel().BackwardButton(), Qt::LeftButton);
    EXPECT_EQ(W.G->SearchCell().X, 3);
    EXPECT_EQ(W.G->SearchCell().Y, 2);
    // Highlight marks every match; closing the bar with it down takes the marks away.
    QTest::mouseClick(W.Panel().HiliteButton(), Qt::LeftButton);
    ASSERT_TRUE(W.Panel().HiliteButton()->Down());
    EXPECT_NE(W.G->Cells(1, 2), QStringLiteral("ab1"));
    // Close hides the bar through its settings.
    QTest::mouseClick(W.Panel().CloseButton(), Qt::LeftButton);
    EXPECT_FALSE(W.G->SearchFooter().Visible());
    EXPECT_FALSE(W.G->Search_Footer_Visible());
    EXPECT_EQ(W.G->Cells(1, 2), QStringLiteral("ab1"));
    W.G->SearchFooter().Set_Visible(true);
    EXPECT_TRUE(W.G->Search_Footer_Visible());
}

TEST(GridSearchBar, AlwaysHighLightMarksWhatIsTyped)
{
    TSearchBarGrid W;
    W.G->SearchFooter().Set_AlwaysHighLight(true);
    QTest::keyClicks(W.Panel().Edit(), QStringLiteral("ab"));
    EXPECT_NE(W.G->Cells(1, 2), QStringLiteral("ab1"));
    EXPECT_TRUE(W.G->Cells(1, 2).contains(QStringLiteral("ab")));
    // a new search starts from clean texts
    QTest::keyClick(W.Panel().Edit(), Qt::Key_Backspace);
    QTest::keyClick(W.Panel().Edit(), Qt::Key_Backspace);
    EXPECT_EQ(W.G->Cells(1, 2), QStringLiteral("ab1"));
}

TEST(GridSearchBar, SettingsShowButtonsCaptionsAndHints)
{
    struct TCase {
        const char *Name;
        std::function<void(TSearchFooter &)> Set;
        bool Close, Next, Prev, Hilite, Match;
        const char *NextCaption;
        const char *MatchCaption;
        const char *NextHint;
    };
    const TCase Cases[] = {
        {"Defaults", [](TSearchFooter &) {}, true, true, true, true, true, "Find &next", "Match case", ""},
        {"NoPrevNoHighlight",
         [](TSearchFooter &S) {
             S.Set_ShowFindPrev(false);
             S.Set_ShowHighLight(false);
         },
         true, true, false, false, true, "Find &next", "Match case", ""},
        {"OnlyTheEdit",
         [](TSearchFooter &S) {
             S.Set_ShowClose(false);
             S.Set_ShowFindNext(false);
             S.Set_ShowFindPrev(false);
             S.Set_ShowHighLight(false);
             S.Set_ShowMatchCase(false);
         },
         false, false, false, false, false, "Find &next", "Match case", ""},
        {"OwnCaptionsAndHints",
         [](TSearchFooter &S) {
             S.Set_FindNextCaption(QStringLiteral("&Weiter"));
             S.Set_MatchCaseCaption(QStringLiteral("Gross/klein"));
             S.Set_HintFindNext(QStringLiteral("Nächster Treffer"));
         },
         true, true, true, true, true, "&Weiter", "Gross/klein", "Nächster Treffer"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSearchBarGrid W;
        C.Set(W.G->SearchFooter());
        TSearchPanel &P = W.Panel();
        EXPECT_EQ(P.CloseButton()->isVisibleTo(&P), C.Close);
        EXPECT_EQ(P.ForwardButton()->isVisibleTo(&P), C.Next);
        EXPECT_EQ(P.BackwardButton()->isVisibleTo(&P), C.Prev);
        EXPECT_EQ(P.HiliteButton()->isVisibleTo(&P), C.Hilite);
        EXPECT_EQ(P.MatchCase()->isVisibleTo(&P), C.Match);
        EXPECT_EQ(P.ForwardButton()->Caption(), QString::fromUtf8(C.NextCaption));
        EXPECT_EQ(P.MatchCase()->Caption(), QString::fromUtf8(C.MatchCaption));
        EXPECT_EQ(P.ForwardButton()->toolTip(), QString::fromUtf8(C.NextHint));
        // the shown controls stand in one row without gaps for hidden ones
        int X = 4;
        for (QWidget *B : std::initializer_list<QWidget *>{P.CloseButton(), P.Edit(), P.ForwardButton(), P.BackwardButton(),
                                                           P.MatchCase(), P.HiliteButton()}) {
            if (!B->isVisibleTo(&P))
                continue;
            EXPECT_EQ(B->x(), X);
            X = B->geometry().right() + 1 + 4;
        }
    }
}

// The bar in its default colours, then in a green-to-navy face with fewer
// buttons and a larger font.
TEST(GridSearchBar, Screenshot)
{
    struct TCase {
        const char *Name;
        std::function<void(TSearchFooter &)> Set;
        TColor Top, Bottom;
    };
    const TCase Cases[] = {
        {"string_grid_search_bar_default", [](TSearchFooter &) {}, clWhite, clBtnFace},
        {"string_grid_search_bar_custom",
         [](TSearchFooter &S) {
             S.Set_Color(clLime);
             S.Set_ColorTo(clNavy);
             S.Set_ShowFindPrev(false);
             S.Set_ShowHighLight(false);
             TFont F = S.Font();
             F.Size = 12;
             S.Set_Font(F);
         },
         clLime, clNavy},
    };
    int DefaultMatchX = 0;
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TSearchBarGrid W;
        C.Set(W.G->SearchFooter());
        QCoreApplication::processEvents();
        TSearchPanel &P = W.Panel();
        const QImage Shot(Save_Screenshot(&P, QString::fromLatin1(C.Name)));
        ASSERT_EQ(Shot.size(), P.size());
        // the left margin shows the face: Color at the top, ColorTo at the bottom
        EXPECT_TRUE(Near(Shot.pixel(1, 0), To_QColor(C.Top)));
        EXPECT_TRUE(Near(Shot.pixel(1, Shot.height() - 1), To_QColor(C.Bottom)));
        EXPECT_FALSE(Near(Shot.pixel(1, Shot.height() / 2), To_QColor(C.Top)));
        if (!DefaultMatchX)
            DefaultMatchX = P.MatchCase()->x();
        else
            EXPECT_LT(P.MatchCase()->x(), DefaultMatchX); // Find previous left no gap
    }
}
