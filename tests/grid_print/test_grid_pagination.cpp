#include "grid/model/GridPagination.h"
#include "platform/Clock.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"
#include <gtest/gtest.h>
#include <map>

namespace {
// A grid of fixed cell sizes: column widths by column, one row height (or
// one per row), and what the paginator drew, page by page.
struct TFakeSurface : IPrintSurface {
    std::vector<int> Col_Widths{300, 300, 300};
    int Row_Height = 80;
    std::map<int, int> Row_Heights;
    int Fixed_R = 0, Fixed_C = 0, Rows = 20;
    struct TDrawn {
        int Page, Row, First, Last, Y;
        bool Clipped;
    };
    std::vector<TDrawn> Drawn;
    std::vector<std::pair<int, QString>> Texts;   // page, text
    int Page = 0;
    int Device_Pages = 0;
    int Markup_H = 0;                             // height of a markup title
    std::vector<std::pair<int, TRect>> Markups;   // page, rectangle

    bool Is_Markup(const QString &T) const override { return T.startsWith(u'<'); }
    int Markup_Height(TPrintTextFont, double, int, const QString &) override { return Markup_H; }
    void Draw_Markup(TPrintTextFont, double, const TRect &R, const QString &) override { Markups.emplace_back(Page, R); }

    int Fixed_Rows() const override { return Fixed_R; }
    int Fixed_Cols() const override { return Fixed_C; }
    int Fixed_Footers() const override { return 0; }
    int Row_Count() const override { return Rows; }
    int Real_Col(int C) const override { return C; }
    bool Is_X_Merged(int, int) const override { return false; }
    bool Is_Y_Merged(int, int) const override { return false; }
    int Col_Width_Pixels(int C) const override { return Col_Widths[static_cast<size_t>(C)]; }
    int Row_Height_Pixels(int) const override { return Row_Height; }
    double Pixel_To_Print() const override { return 1.0; }
    TPoint Measure_Cell(int C, int R, double) override
    {
        const auto It = Row_Heights.find(R);
        return TPoint{Col_Widths[static_cast<size_t>(C)], It == Row_Heights.end() ? Row_Height : It->second};
    }
    void Draw_Row(const TPrintLayout &, const TPrintRowPlace &P) override
    {
        Drawn.push_back({Page, P.Row, P.FirstCol, P.LastCol, P.Y, P.Clipped});
    }
    int Text_Width(TPrintTextFont, double, const QString &T) override { return 10 * static_cast<int>(T.size()); }
    void Draw_Text(TPrintTextFont, double, int, int, const QString &T) override { Texts.emplace_back(Page, T); }
    void Draw_Frame(const TRect &) override {}
    void Draw_Line(int, int, int, int) override {}
    void New_Device_Page() override { ++Device_Pages; }
    void Page_Started(int PageNr, const TPrintLayout &) override { Page = PageNr; }

    std::vector<int> Rows_Of_Page(int P) const
    {
        std::vector<int> R;
        for (const TDrawn &D : Drawn)
            if (D.Page == P)
                R.push_back(D.Row);
        return R;
    }
};

// Page 1000 wide and 1000 high; "gh" 40 high (line spacing 5); rows of 80
// take 2 x 5 + 80 + 80 / 8 = 100, and 9 of them fit above the footer area.
TPaginatorInput Page_Input(int Rows, int Cols, TPrintMode Mode = pmCountPreview)
{
    TPaginatorInput In;
    In.Range = TRect(0, 0, Cols - 1, Rows - 1);
    In.Mode = Mode;
    In.PageXSize = 1000;
    In.PageYSize = -1000;
    In.LineHeight = 40;
    In.CharWidth_g = 20;
    In.HeaderTextHeight = 40;
    In.FooterTextHeight = 40;
    return In;
}

// Counts, then draws with the count, as a print does.
int Count_Then_Draw(const TPrintSettings &S, TFakeSurface &F, TPaginatorInput In)
{
    TGridPaginator Counter(S, F);
    const int Pages = Counter.Run(In);
    In.Mode = pmDeviceDraw;
    In.PageCount = Pages;
    F.Page = 1;
    TGridPaginator Drawer(S, F);
    EXPECT_EQ(Drawer.Run(In), Pages) << "counting and drawing walk the same breaks";
    return Pages;
}
} // namespace

// Rows go down the page until the next one would reach into the footer
// area; columns go across until the next one would pass the right margin.
TEST(GridPagination, PagesAndBands)
{
    struct TCase {
        const char *Name;
        std::vector<int> Widths;
        int Rows;
        int Pages;
        std::vector<std::pair<int, int>> Bands;   // first and last column of each band
    };
    const TCase Cases[] = {
        {"OneBandThreePages", {300, 300, 300}, 20, 3, {{0, 2}}},
        {"ExactlyOnePage", {300}, 9, 1, {{0, 0}}},
        {"TenthRowStartsPageTwo", {300}, 10, 2, {{0, 0}}},
        // 3 x (300 + 20) = 960 fits 1000, a fourth column does not
        {"TwoBands", {300, 300, 300, 300, 300}, 9, 2, {{0, 2}, {3, 4}}},
        // a column wider than the page still takes its neighbour along
        {"WideColumnSharesItsBand", {2000, 100, 100}, 9, 2, {{0, 1}, {2, 2}}},
        {"EmptyRange", {300}, 0, 0, {}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeSurface F;
        F.Col_Widths = C.Widths;
        TPrintSettings S;
        const TPaginatorInput In = Page_Input(C.Rows, static_cast<int>(C.Widths.size()));
        EXPECT_EQ(Count_Then_Draw(S, F, In), C.Pages);
        std::vector<std::pair<int, int>> Bands;
        for (const auto &D : F.Drawn)
            if (Bands.empty() || Bands.back().first != D.First)
                Bands.emplace_back(D.First, D.Last);
        EXPECT_EQ(Bands, C.Bands);
    }
}

// Page one holds rows 0..8; a row that does not fit moves whole to the next page.
TEST(GridPagination, RowsMoveWholeToTheNextPage)
{
    TFakeSurface F;
    TPrintSettings S;
    EXPECT_EQ(Count_Then_Draw(S, F, Page_Input(20, 3)), 3);
    EXPECT_EQ(F.Rows_Of_Page(1), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(F.Rows_Of_Page(3), (std::vector<int>{18, 19}));
    EXPECT_EQ(F.Drawn[1].Y, -100);
}

// A row taller than the whole page is printed, cut, on a page of its own and
// printing moves on: a finite number of pages, every row printed once.
TEST(GridPagination, RowTallerThanThePageGetsAPageOfItsOwn)
{
    struct TCase {
        const char *Name;
        std::map<int, int> Heights;
        int Rows, Pages;
        std::vector<int> Clipped_Rows;
    };
    const TCase Cases[] = {
        {"InTheMiddle", {{1, 5000}}, 3, 3, {1}},
        {"First", {{0, 5000}}, 2, 2, {0}},
        {"Two", {{0, 5000}, {1, 9000}}, 2, 2, {0, 1}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeSurface F;
        F.Row_Heights = C.Heights;
        TPrintSettings S;
        EXPECT_EQ(Count_Then_Draw(S, F, Page_Input(C.Rows, 1)), C.Pages);
        std::vector<int> All, Clipped;
        for (const auto &D : F.Drawn) {
            All.push_back(D.Row);
            if (D.Clipped)
                Clipped.push_back(D.Row);
        }
        std::vector<int> Expected(static_cast<size_t>(C.Rows));
        for (int I = 0; I < C.Rows; ++I)
            Expected[static_cast<size_t>(I)] = I;
        EXPECT_EQ(All, Expected);
        EXPECT_EQ(Clipped, C.Clipped_Rows);
    }
}

// Page numbers: page/total in one band, page-band across several.
TEST(GridPagination, PageNumberTexts)
{
    struct TCase {
        const char *Name;
        int Cols, Rows;
        int Offset, Max_Offset;
        bool Fast;
        QString Sep;
        QStringList Numbers;   // the page-number text of each drawn page, in order
    };
    const TCase Cases[] = {
        // at the centre a piece goes behind a blank; the number keeps its own blanks
        {"OneBand", 1, 45, 0, 0, false, "/", {"  1/5 ", "  2/5 ", "  3/5 ", "  4/5 ", "  5/5 "}},
        {"Offsets", 1, 18, 10, 3, false, "/", {"  11/5 ", "  12/5 "}},
        {"NoSeparatorNoTotal", 1, 18, 0, 0, false, "", {"  1 ", "  2 "}},
        {"TwoBands", 5, 18, 0, 0, false, "/", {"  1-1 ", "  2-1 ", "  1-2 ", "  2-2 "}},
        // a print that did not count leaves the total out
        {"UnknownTotal", 1, 18, 0, 0, true, "/", {"  1 ", "  2 "}},
        // the offset is the application's: a huge one shows, it does not wrap
        {"HugeOffset", 1, 9, 2147483647, 0, false, "/", {"  2147483648 "}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeSurface F;
        F.Col_Widths.assign(static_cast<size_t>(C.Cols), 300);
        TPrintSettings S;
        S.PageNr = ppTopCenter;
        S.PageNumSep = C.Sep;
        S.PageNumberOffset = C.Offset;
        S.MaxPagesOffset = C.Max_Offset;
        TPaginatorInput In = Page_Input(C.Rows, C.Cols, pmDeviceDraw);
        if (C.Fast) {
            In.PageCount = Unknown_Page_Total;
        } else {
            TGridPaginator Counter(S, F);
            In.PageCount = Counter.Run(Page_Input(C.Rows, C.Cols));
        }
        F.Page = 1;
        TGridPaginator Drawer(S, F);
        Drawer.Run(In);
        QStringList Numbers;
        for (const auto &T : F.Texts)
            Numbers << T.second;
        EXPECT_EQ(Numbers, C.Numbers);
    }
}

// Texts of the six positions: pieces join with one blank (in front at the
// left, behind elsewhere), the page number keeps the blanks around it, the
// time reads hh:nn and the date follows DateFormat.
TEST(GridPagination, HeaderAndFooterTexts)
{
    TFormatSettingsGuard Guard;
    Format_Settings().DateSeparator = QChar(u'/');
    Format_Settings().TimeSeparator = QChar(u':');
    const double Now = Encode_Date(2026, 1, 15) + Encode_Time(9, 5, 0, 0);
    struct TCase {
        const char *Name;
        TPrintPosition Time, Date, PageNr, Title;
        QString Prefix, Suffix, TitleText;
        QStringList Lines;
        TPrintPosition Where;
        QString Text;
    };
    const TCase Cases[] = {
        {"TimeAlone", ppTopRight, ppNone, ppNone, ppNone, "", "", "", {}, ppTopRight, " 09:05"},
        {"DateAlone", ppNone, ppBottomCenter, ppNone, ppNone, "", "", "", {}, ppBottomCenter, " 15/01/2026"},
        {"TimeThenDateRight", ppTopRight, ppTopRight, ppNone, ppNone, "", "", "", {}, ppTopRight, " 09:05 15/01/2026"},
        {"TimeThenDateLeft", ppTopLeft, ppTopLeft, ppNone, ppNone, "", "", "", {}, ppTopLeft, "15/01/2026 09:05 "},
        {"PrefixAndSuffix", ppNone, ppNone, ppBottomRight, ppNone, "Page", "of 5", "", {}, ppBottomRight,
         " Page 3 of 5"},
        {"EmptyPrefixKeepsBlanks", ppNone, ppNone, ppBottomLeft, ppNone, "", "", "", {}, ppBottomLeft, " 3  "},
        // a title joins with a blank only when both parts have text
        {"TitleAlone", ppNone, ppNone, ppNone, ppTopCenter, "", "", "Report", {}, ppTopCenter, "Report"},
        {"TitleBeforeTime", ppTopLeft, ppNone, ppNone, ppTopLeft, "", "", "Report", {}, ppTopLeft, "Report 09:05 "},
        {"TitleFromFirstLine", ppNone, ppNone, ppNone, ppTopCenter, "", "", "", {"One", "Two"}, ppTopCenter, "One"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TPrintSettings S;
        S.Time = C.Time;
        S.Date = C.Date;
        S.PageNr = C.PageNr;
        S.Title = C.Title;
        S.PagePrefix = C.Prefix;
        S.PageSuffix = C.Suffix;
        S.TitleText = C.TitleText;
        S.TitleLines = C.Lines;
        const auto T = TGridPaginator::Header_Texts(S, QStringLiteral("3"), Now, false);
        EXPECT_EQ(T.Text[C.Where], C.Text);
    }
}

// With RepeatFixedRows the fixed rows head every page after the first, and
// the first page too when the range starts below them.
TEST(GridPagination, RepeatedFixedRows)
{
    struct TCase {
        const char *Name;
        int Top;
        std::vector<int> Page1_Start, Page2_Start;
    };
    const TCase Cases[] = {
        {"FromTheTop", 0, {0, 1}, {0, 9}},
        {"RangeBelowFixedRows", 5, {0, 5}, {0, 13}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeSurface F;
        F.Fixed_R = 1;
        TPrintSettings S;
        S.RepeatFixedRows = true;
        TPaginatorInput In = Page_Input(30, 3);
        In.Range.Top = C.Top;
        Count_Then_Draw(S, F, In);
        const std::vector<int> P1 = F.Rows_Of_Page(1), P2 = F.Rows_Of_Page(2);
        ASSERT_GE(P1.size(), 2u);
        ASSERT_GE(P2.size(), 2u);
        EXPECT_EQ(std::vector<int>(P1.begin(), P1.begin() + 2), C.Page1_Start);
        EXPECT_EQ(std::vector<int>(P2.begin(), P2.begin() + 2), C.Page2_Start);
    }
}

// Fit to page: shrink never enlarges, always fills the page between the
// margins, never leaves the widths alone.
TEST(GridPagination, FitToPage)
{
    struct TCase {
        const char *Name;
        TFitToPage Fit;
        std::vector<int> Widths;
        double Scale;
        int Bands;
    };
    const TCase Cases[] = {
        {"NeverLeavesWide", fpNever, {600, 600, 600}, 1.0, 2},
        {"ShrinkNarrowStays", fpShrink, {100, 100, 100}, 1.0, 1},
        // (1000 - 100 - 100 - 3 x 20) / 1800
        {"ShrinkWideFitsOneBand", fpShrink, {600, 600, 600}, 740.0 / 1800, 1},
        {"AlwaysStretchesNarrow", fpAlways, {100, 100, 100}, 740.0 / 300, 1},
        {"GrowLeavesWide", fpGrow, {600, 600, 600}, 1.0, 2},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakeSurface F;
        F.Col_Widths = C.Widths;
        TPrintSettings S;
        S.FitToPage = C.Fit;
        S.LeftSize = 100;
        S.RightSize = 100;
        TGridPaginator P(S, F);
        P.Run(Page_Input(5, 3, pmDeviceDraw));
        EXPECT_DOUBLE_EQ(P.Layout().Scale, C.Scale);
        EXPECT_EQ(P.Layout().BandIndex, C.Bands);
        for (size_t I = 0; I < C.Widths.size(); ++I)
            EXPECT_EQ(P.Layout().MaxWidths[I], static_cast<int>(C.Widths[I] * C.Scale));
    }
}

// A narrow centred band sits in the middle of the page whatever the margins;
// uncentred it starts at the left margin.
TEST(GridPagination, BandPosition)
{
    for (bool Centered : {true, false}) {
        SCOPED_TRACE(Centered ? "Centered" : "Left");
        TFakeSurface F;
        F.Col_Widths = {180, 180};
        TPrintSettings S;
        S.Centered = Centered;
        S.LeftSize = 150;
        TGridPaginator P(S, F);
        P.Run(Page_Input(3, 2));
        // used width 2 x (180 + 20) = 400
        EXPECT_EQ(P.Layout().Indents[0], Centered ? 300 : 150);
        EXPECT_EQ(P.Layout().Indents[2], Centered ? 700 : 550);
    }
}

// Only pages within From..To are drawn; the layout of the others is walked.
TEST(GridPagination, DrawsOnlyThePagesAsked)
{
    TFakeSurface F;
    TPrintSettings S;
    TPaginatorInput In = Page_Input(45, 1, pmPreviewDraw);
    In.PageFrom = In.PageTo = 3;
    TGridPaginator P(S, F);
    EXPECT_EQ(P.Run(In), 5);
    ASSERT_FALSE(F.Drawn.empty());
    for (const auto &D : F.Drawn)
        EXPECT_EQ(D.Page, 3);
    EXPECT_EQ(F.Drawn.front().Row, 18);
}

// A markup title at the top takes its measured room on every page, in the
// counting pass too, so a print counts the pages it draws and a preview of
// one page shows the rows the whole print puts there.
TEST(GridPagination, MarkupTitleTakesItsRoomInEveryPass)
{
    TPrintSettings S;
    S.Title = ppTopLeft;
    S.TitleLines = QStringList{QStringLiteral("<b>Gateway</b>"), QStringLiteral("list")};
    TFakeSurface F;
    F.Markup_H = 250;
    // page: 1000 less the header line (45) and the footer area (45): rows of
    // 100 fit six to a page below a title of 250
    EXPECT_EQ(Count_Then_Draw(S, F, Page_Input(20, 1)), 4);
    EXPECT_EQ(F.Rows_Of_Page(2), (std::vector<int>{6, 7, 8, 9, 10, 11}));
    EXPECT_EQ(F.Drawn.front().Y, -45 - 250);
    ASSERT_EQ(F.Markups.size(), 4u);
    EXPECT_EQ(F.Markups[1].first, 2);
    EXPECT_EQ(F.Markups[1].second, TRect(0, 0, 1000, -250)) << "on the header line, which holds nothing else";

    TFakeSurface One;
    One.Markup_H = 250;
    TPaginatorInput In = Page_Input(20, 1, pmPreviewDraw);
    In.PageFrom = In.PageTo = 2;
    TGridPaginator P(S, One);
    EXPECT_EQ(P.Run(In), 4);
    EXPECT_EQ(One.Rows_Of_Page(2), F.Rows_Of_Page(2));

    // with a page number on the header line the title goes under it
    S.PageNr = ppTopRight;
    TFakeSurface Under;
    Under.Markup_H = 250;
    Count_Then_Draw(S, Under, Page_Input(20, 1));
    ASSERT_FALSE(Under.Markups.empty());
    EXPECT_EQ(Under.Markups[0].second, TRect(0, -45, 1000, -295));
}
