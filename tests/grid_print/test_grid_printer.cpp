#include "grid/print/GridPrinter.h"
#include "grid/model/DarAzidError.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Printer.h"
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <set>

namespace {
// A grid that counts its start and done notifications.
class TNotedGrid : public RIraRevadiVizo {
public:
    int Starts = 0, Dones = 0;
    void ExportNotification(TGridExportState AState, int ARow) override
    {
        (void)ARow;
        if (AState == esExportStart)
            ++Starts;
        if (AState == esExportDone)
            ++Dones;
    }
};

// One page of the preview on a white A4 picture at 96 dpi.
QImage Preview_Page(TGridPrinter &P, int Page)
{
    QImage Preview(794, 1123, QImage::Format_RGB32);
    Preview.setDotsPerMeterX(qRound(96 / 0.0254));
    Preview.setDotsPerMeterY(qRound(96 / 0.0254));
    Preview.fill(Qt::white);
    {
        QPainter Painter(&Preview);
        P.Set_PreviewPage(Page);
        P.PrintPreview(Painter, TRect(0, 0, 794, 1123));
    }
    return Preview;
}

int Dark_Pixels(const QImage &Image, const QRect &Area = QRect())
{
    const QRect R = Area.isNull() ? Image.rect() : Area.intersected(Image.rect());
    int N = 0;
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (qGray(Image.pixel(X, Y)) < 128)
                ++N;
    return N;
}

int Pixels_Of(const QImage &Image, QRgb Colour)
{
    int N = 0;
    for (int Y = 0; Y < Image.height(); ++Y)
        for (int X = 0; X < Image.width(); ++X)
            if ((Image.pixel(X, Y) & 0xFFFFFF) == (Colour & 0xFFFFFF))
                ++N;
    return N;
}

// Pixels of a strong red, antialiased edges included.
int Reddish(const QImage &Image, const QRect &Area = QRect())
{
    const QRect R = Area.isNull() ? Image.rect() : Area.intersected(Image.rect());
    int N = 0;
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X) {
            const QRgb P = Image.pixel(X, Y);
            if (qRed(P) > 180 && qGreen(P) < 90 && qBlue(P) < 90)
                ++N;
        }
    return N;
}

// The bounding box of the dark pixels in an area.
QRect Ink_Box(const QImage &Image, const QRect &Area)
{
    QRect Box;
    const QRect R = Area.intersected(Image.rect());
    for (int Y = R.top(); Y <= R.bottom(); ++Y)
        for (int X = R.left(); X <= R.right(); ++X)
            if (qGray(Image.pixel(X, Y)) < 128)
                Box |= QRect(X, Y, 1, 1);
    return Box;
}

// A grid of Cols x Rows cells "c:r" with one fixed row, printed on a fake
// printer of 96 dots per inch (A4: 794 x 1123 dots).
class GridPrinterTest : public ::testing::Test {
protected:
    TFakePrinter Fake;
    TPrinterGuard Guard{&Fake};
    TNotedGrid Grid;

    void Fill(int Cols, int Rows)
    {
        Grid.Set_ColCount(Cols);
        Grid.Set_RowCount(Rows);
        Grid.Set_FixedRows(1);
        Grid.Set_FixedCols(0);
        for (int C = 0; C < Cols; ++C)
            for (int R = 0; R < Rows; ++R)
                Grid.Set_Cells(C, R, QStringLiteral("%1:%2").arg(C).arg(R));
    }
    // Page number of each drawn cell's row, from the page events.
    std::map<int, std::set<int>> Rows_By_Page(TGridPrinter &P)
    {
        std::map<int, std::set<int>> Pages;
        int Page = 1;
        Grid.OnPrintPage = [&Page](QObject *, TCanvas &, int Nr, int, int) { Page = Nr; };
        Grid.OnCustomCellDraw = [&](QObject *, TCanvas &, int, int ARow, TGridDrawState, TRect, bool Printing) {
            if (Printing)
                Pages[Page].insert(ARow);
        };
        P.Print();
        Grid.OnPrintPage = nullptr;
        Grid.OnCustomCellDraw = nullptr;
        return Pages;
    }
    // The device rectangle of each printed cell (real column, row) of the last print.
    std::map<std::pair<int, int>, QRect> Cell_Rects(TGridPrinter &P)
    {
        std::map<std::pair<int, int>, QRect> Rects;
        Grid.OnCustomCellDraw = [&Rects](QObject *, TCanvas &, int ACol, int ARow, TGridDrawState, TRect R, bool) {
            Rects[{ACol, ARow}] = R.To_QRect().normalized();
        };
        P.Print();
        Grid.OnCustomCellDraw = nullptr;
        return Rects;
    }
};
} // namespace

// Fonts: points to 0.1 mm (negative: a character height), truncated; and back.
TEST_F(GridPrinterTest, FontMapping)
{
    TGridPrinter P(Grid);
    const struct {
        const char *Name;
        int Points, Height;
    } Heights[] = {{"Ten", 10, -35}, {"Eight", 8, -28}, {"Zero", 0, 0}, {"Twelve", 12, -42}};
    for (const auto &C : Heights) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(P.MapFontHeight(C.Points), C.Height);
    }
    EXPECT_EQ(P.MapFontSize(35), 9);
    EXPECT_EQ(P.MapFontSize(-35), -9);
}

// A print makes one document of as many pages as counted, each with ink on
// it, and brackets the job with the start and done notifications.
TEST_F(GridPrinterTest, PrintsTheCountedPagesOnThePrinter)
{
    Fill(4, 300);
    TGridPrinter P(Grid);
    Grid.PrintSettings().PageNr = ppBottomCenter;
    P.Print();
    ASSERT_EQ(Fake.Documents.size(), 1);
    EXPECT_TRUE(Fake.Documents[0].Ended);
    const int Pages = P.PrintNrOfPages();
    EXPECT_GT(Pages, 2);
    ASSERT_EQ(Fake.Pages().size(), Pages);
    for (int I = 0; I < Pages; ++I) {
        SCOPED_TRACE(I);
        const QImage &Page = Fake.Pages()[I];
        EXPECT_GT(Dark_Pixels(Page, QRect(0, 0, Page.width(), Page.height() / 8)), 50) << "cells at the top";
        EXPECT_GT(Dark_Pixels(Page, QRect(0, Page.height() - 40, Page.width(), 40)), 5) << "the page number";
    }
    EXPECT_EQ(Grid.Starts, 1);
    EXPECT_EQ(Grid.Dones, 1);
}

// The application's page range: an empty or reversed one prints nothing,
// a single page prints that page; the done notification goes out either way.
TEST_F(GridPrinterTest, PageRangeFromPrintStart)
{
    struct TCase {
        const char *Name;
        int From, To;
        int Ended_Pages;   // -1: no document printed
    };
    const TCase Cases[] = {
        {"ReversedPrintsNothing", 2, 1, -1},
        {"ZeroPrintsNothing", 0, 3, -1},
        {"SecondPageOnly", 2, 2, 1},
        {"AllPages", 1, 3, 3},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill(3, 150);
        Fake.Documents.clear();
        Grid.Dones = 0;
        TGridPrinter P(Grid);
        int Offered = 0;
        Grid.OnPrintStart = [&](QObject *, int NrOfPages, int &From, int &To) {
            Offered = NrOfPages;
            From = C.From;
            To = C.To;
        };
        P.Print();
        EXPECT_EQ(Offered, 3);
        int Ended = -1;
        for (const auto &D : Fake.Documents)
            if (D.Ended)
                Ended = static_cast<int>(D.Pages.size());
        EXPECT_EQ(Ended, C.Ended_Pages);
        EXPECT_EQ(Grid.Dones, 1);
        // a preview draws nothing for an empty or reversed range either
        const QImage Preview = Preview_Page(P, 1);
        EXPECT_EQ(Dark_Pixels(Preview) == 0, C.Ended_Pages < 0);
        EXPECT_EQ(Grid.Dones, 2);
        Grid.OnPrintStart = nullptr;
    }
}

// PreviewPage 3 draws only the rows of page 3.
TEST_F(GridPrinterTest, PreviewPageDrawsOnlyThatPage)
{
    Fill(2, 150);
    TGridPrinter P(Grid);
    const auto Pages = Rows_By_Page(P);
    ASSERT_GE(Pages.size(), 3u);
    const std::set<int> Third = Pages.at(3);
    Grid.OnGetCellPrintColor = [&Third](QObject *, int ARow, int, TGridDrawState, TBrush &B, TFont &) {
        B.Color = Third.count(ARow) ? clRed : clBlue;
    };
    // a preview of the printer's page size breaks where the print did
    const QImage Preview = Preview_Page(P, 3);
    ASSERT_TRUE(Preview.save(QStringLiteral("grid_print_preview_page3.png")));
    EXPECT_GT(Pixels_Of(Preview, qRgb(255, 0, 0)), 1000);
    EXPECT_EQ(Pixels_Of(Preview, qRgb(0, 0, 255)), 0);
    EXPECT_FALSE(P.IsPrintPreview());
}

// PrintDraw draws what fits the first page into the rectangle, without
// counting; a fast preview counts nothing either and keeps the last count.
TEST_F(GridPrinterTest, DrawAndFastPreviewDoNotCount)
{
    Fill(2, 150);
    TGridPrinter P(Grid);
    const auto Pages = Rows_By_Page(P);
    ASSERT_EQ(P.PrintNrOfPages(), 3);
    std::set<int> Rows;
    Grid.OnCustomCellDraw = [&Rows](QObject *, TCanvas &, int, int ARow, TGridDrawState, TRect, bool) {
        Rows.insert(ARow);
    };
    QImage Image(794, 1123, QImage::Format_RGB32);
    Image.setDotsPerMeterX(qRound(96 / 0.0254));
    Image.setDotsPerMeterY(qRound(96 / 0.0254));
    Image.fill(Qt::white);
    {
        QPainter Painter(&Image);
        P.PrintDraw(Painter, TRect(0, 0, 794, 1123));
    }
    EXPECT_EQ(Rows, Pages.at(1));
    EXPECT_GT(Dark_Pixels(Image), 1000);

    Rows.clear();
    P.Set_FastPrint(true);
    P.Set_PreviewPage(1);
    int Offered = 0;
    Grid.OnPrintStart = [&Offered](QObject *, int NrOfPages, int &, int &) { Offered = NrOfPages; };
    {
        QPainter Painter(&Image);
        P.PrintPreview(Painter, TRect(0, 0, 794, 1123));
    }
    EXPECT_EQ(Offered, 1);
    EXPECT_EQ(P.PrintNrOfPages(), 1) << "PrintDraw set it to one; the fast preview left it";
    EXPECT_FALSE(Rows.empty());
}

// Repeated fixed rows head every page; the column bands split wide grids
// unless fit to page shrinks them into one.
TEST_F(GridPrinterTest, RepeatedRowsAndBands)
{
    Fill(3, 150);
    Grid.PrintSettings().RepeatFixedRows = true;
    TGridPrinter P(Grid);
    const auto Pages = Rows_By_Page(P);
    ASSERT_EQ(Pages.size(), 3u);
    for (const auto &[Page, Rows] : Pages) {
        SCOPED_TRACE(Page);
        EXPECT_EQ(Rows.count(0), 1u);
    }

    const struct {
        const char *Name;
        TFitToPage Fit;
        bool One_Band;
    } Fits[] = {{"NeverTwoBands", fpNever, false}, {"ShrinkOneBand", fpShrink, true}};
    for (const auto &C : Fits) {
        SCOPED_TRACE(C.Name);
        Fill(12, 20);
        for (int Col = 0; Col < 12; ++Col)
            Grid.Set_Cells(Col, 1, QStringLiteral("a rather long text in column %1").arg(Col));
        Grid.PrintSettings().FitToPage = C.Fit;
        std::set<int> Band_Starts;
        Grid.OnPrintPage = [&](QObject *, TCanvas &, int, int, int) { Band_Starts.insert(P.PrintColStart()); };
        P.Print();
        Grid.OnPrintPage = nullptr;
        EXPECT_EQ(P.PrintColEnd() == 11 && P.PrintColStart() == 0, C.One_Band);
    }
}

// Fit to page with fpAlways stretches a narrow grid over the page between
// the margins.
TEST_F(GridPrinterTest, FitAlwaysFillsThePage)
{
    Fill(2, 5);
    Grid.PrintSettings().FitToPage = fpAlways;
    Grid.PrintSettings().LeftSize = 100;
    Grid.PrintSettings().RightSize = 100;
    TGridPrinter P(Grid);
    P.Print();
    // page 2101 wide; columns of two cells with 20 spacing each
    EXPECT_NEAR(P.PrintPageWidth(), 2101 - 200, 4);
    EXPECT_NEAR(Grid.GetPrintColWidth(0) + Grid.GetPrintColWidth(1) + 40, 2101 - 200, 4);
}

// Cell graphics print only with PrintGraphics; a merged area is drawn once.
TEST_F(GridPrinterTest, GraphicsAndMergedCells)
{
    Fill(3, 4);
    Grid.Set_Cells(1, 2, QString());
    Grid.AddCheckBox(1, 2, true, false);
    int Ink[2] = {};
    for (bool Graphics : {false, true}) {
        SCOPED_TRACE(Graphics);
        Grid.PrintSettings().PrintGraphics = Graphics;
        TGridPrinter P(Grid);
        P.Print();
        ASSERT_EQ(Fake.Pages().size(), 1);
        Ink[Graphics] = Dark_Pixels(Fake.Pages()[0]);
    }
    EXPECT_GT(Ink[1], Ink[0] + 10) << "the check box shows only with graphics on";

    Grid.MergeCells(0, 1, 2, 2);
    Grid.Set_Cells(0, 1, QStringLiteral("merged"));
    int Drawn_In_Area = 0;
    Grid.OnCustomCellDraw = [&](QObject *, TCanvas &, int ACol, int ARow, TGridDrawState, TRect, bool Printing) {
        if (Printing && ACol <= 1 && ARow >= 1 && ARow <= 2)
            ++Drawn_In_Area;
    };
    TGridPrinter P(Grid);
    P.Print();
    EXPECT_EQ(Drawn_In_Area, 1);
}

// A row taller than the page is printed cut on a page of its own, and the
// print ends.
TEST_F(GridPrinterTest, RowTallerThanThePageEnds)
{
    Fill(2, 6);
    Grid.PrintSettings().NoAutoSizeRow = true;
    Grid.Set_RowHeights(3, 3000);
    TGridPrinter P(Grid);
    P.Print();
    EXPECT_EQ(P.PrintNrOfPages(), 3);
    EXPECT_EQ(Fake.Pages().size(), 3);
}

// The selected rows and the selected columns variants print the same pages
// for one selection: only what the selection covers.
TEST_F(GridPrinterTest, SelectedRowsAndColsPrintTheSame)
{
    Fill(4, 150);
    Grid.Set_Selection(TGridRect{1, 10, 2, 20});
    TGridPrinter P(Grid);
    P.PrintSelectedRows();
    const QList<QImage> Rows = Fake.Pages();
    P.PrintSelectedCols();
    const QList<QImage> Cols = Fake.Pages();
    ASSERT_EQ(Rows.size(), 1);
    ASSERT_EQ(Cols.size(), 1);
    EXPECT_EQ(Rows[0], Cols[0]);
    P.Print();
    EXPECT_EQ(Fake.Pages().size(), 3);
    EXPECT_LT(Dark_Pixels(Rows[0]), Dark_Pixels(Fake.Pages()[0]) / 4);
}

// Every column has its print width, however many the grid has.
TEST_F(GridPrinterTest, GridOfManyColumnsPrintsThemAll)
{
    Fill(600, 3);
    TGridPrinter P(Grid);
    P.Print();
    EXPECT_EQ(P.PrintColEnd(), 599);
    EXPECT_GT(Grid.GetPrintColWidth(599), 0);
    EXPECT_GT(Grid.GetPrintColOffset(599), 0);
    EXPECT_THROW(Grid.GetPrintColWidth(600), EDarAzidError);
    EXPECT_GT(Fake.Pages().size(), 20);
}

// Through Qt's PDF writer: a real file with as many pages as counted.
TEST_F(GridPrinterTest, PrintsToPdf)
{
    QTemporaryDir Dir;
    ASSERT_TRUE(Dir.isValid());
    const QString Path = Dir.filePath(QStringLiteral("grid.pdf"));
    std::unique_ptr<IPrinter> Pdf = Make_System_Printer();
    Pdf->Set_Output_File(Path);
    TPrinterGuard On_Pdf(Pdf.get());
    // three pages down, two bands across
    Fill(12, 130);
    for (int C = 0; C < 12; ++C)
        for (int R = 1; R < 130; ++R)
            Grid.Set_Cells(C, R, QStringLiteral("cell %1 of row %2").arg(C).arg(R));
    // the looks the screen's painters print: markup, rich text, a gradient
    Grid.Set_Cells(1, 1, QStringLiteral("<b>bold</b> <font color=\"clRed\">red</font>"));
    Grid.Set_Cells(2, 1, QStringLiteral("{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;}\\cf1 blue rich}"));
    Grid.SetColors(3, 1, clYellow);
    Grid.SetColorsTo(3, 1, clLime);
    Grid.PrintSettings().PageNr = ppBottomRight;
    Grid.PrintSettings().Title = ppTopCenter;
    Grid.PrintSettings().TitleText = QStringLiteral("Sample grid");
    Grid.PrintSettings().RepeatFixedRows = true;
    QStringList Numbers;
    Grid.OnPrintGetPageNum = [&Numbers](QObject *, int, int, QString &Text) { Numbers << Text; };
    TGridPrinter P(Grid);
    P.Print();
    Grid.OnPrintGetPageNum = nullptr;
    EXPECT_EQ(Numbers, (QStringList{"1-1", "2-1", "3-1", "1-2", "2-2", "3-2"}));
    QFile F(Path);
    ASSERT_TRUE(F.open(QIODevice::ReadOnly));
    const QByteArray Bytes = F.readAll();
    EXPECT_TRUE(Bytes.startsWith("%PDF"));
    const int Pages = static_cast<int>(Bytes.count("/Type /Page\n")) + static_cast<int>(Bytes.count("/Type /Page\r"));
    EXPECT_EQ(P.PrintNrOfPages(), 6);
    EXPECT_EQ(Pages, P.PrintNrOfPages());
    if (qEnvironmentVariableIsSet("BC_KEEP_PRINT_PDF"))
        QFile::copy(Path, qEnvironmentVariable("BC_KEEP_PRINT_PDF"));
}

// Markup and rich text print through the screen's painters, with their own
// colours (a plain print of the text would be black), also when the cell is
// selected; at a printer's resolution they keep their size on paper.
TEST_F(GridPrinterTest, MarkupAndRichTextPrintWithTheirLooks)
{
    struct TCase {
        const char *Name;
        QString Text;
        bool Selected;
    };
    const TCase Cases[] = {
        {"Markup", QStringLiteral("<font color=\"clRed\"><b>Gateway 0815</b></font>"), false},
        {"RichText", QStringLiteral("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\cf1\\b Gateway 0815\\par}"),
         false},
        {"SelectedRichText",
         QStringLiteral("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\cf1\\b Gateway 0815\\par}"), true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        int Red[2] = {};
        for (int Dpi : {96, 300}) {
            Fill(3, 4);
            Grid.Set_Cells(1, 2, C.Text);
            Grid.Set_Selection(C.Selected ? TGridRect{0, 1, 2, 3} : TGridRect{0, 3, 0, 3});
            Grid.Set_SelectionTextColor(clWhite);
            Fake.Dpi_X = Fake.Dpi_Y = Dpi;
            TGridPrinter P(Grid);
            const QRect Cell = Cell_Rects(P).at({1, 2});
            ASSERT_EQ(Fake.Pages().size(), 1);
            const QImage &Page = Fake.Pages()[0];
            Red[Dpi == 300] = Reddish(Page);
            // the cell is measured for the text as drawn: one line
            QRect Box;
            for (int Y = Cell.top(); Y <= Cell.bottom(); ++Y)
                for (int X = Cell.left(); X <= Cell.right(); ++X)
                    if (Reddish(Page, QRect(X, Y, 1, 1)))
                        Box |= QRect(X, Y, 1, 1);
            EXPECT_GT(Box.width(), Box.height() * 5) << Dpi;
            if (Dpi == 300)
                Page.save(QStringLiteral("grid_print_%1.png").arg(QLatin1String(C.Name)));
        }
        EXPECT_GT(Red[0], 40);
        // (300 / 96)^2 = 9.8 times the pixels for the same size on paper
        EXPECT_GT(Red[1], Red[0] * 5);
        EXPECT_LT(Red[1], Red[0] * 20);
    }
    Fake.Dpi_X = Fake.Dpi_Y = 96;
}

// A markup title at the top is drawn by the markup renderer and the cells
// start below it; the pages counted are the pages printed.
TEST_F(GridPrinterTest, MarkupTitleMovesTheCellsDown)
{
    Fill(3, 150);
    Grid.PrintSettings().Title = ppTopLeft;
    TGridPrinter P(Grid);
    const int Plain_Top = Cell_Rects(P).at({0, 0}).top();
    Grid.PrintSettings().TitleLines =
        QStringList{QStringLiteral("<font color=\"clRed\"><b>Gateway list</b></font><br>second<br>third<br>fourth")};
    const auto Rects = Cell_Rects(P);
    EXPECT_GT(Rects.at({0, 0}).top(), Plain_Top + 40) << "four lines of title above the cells";
    EXPECT_GT(Reddish(Fake.Pages()[0], QRect(0, 0, 794, Rects.at({0, 0}).top())), 40);
    EXPECT_EQ(Fake.Pages().size(), P.PrintNrOfPages());
}

// A cell's gradient runs from its colour at the top to ColorTo at the foot.
TEST_F(GridPrinterTest, GradientBackground)
{
    Fill(3, 4);
    Grid.SetColors(1, 2, clRed);
    Grid.SetColorsTo(1, 2, clBlue);
    TGridPrinter P(Grid);
    const QRect R = Cell_Rects(P).at({1, 2});
    const QImage &Page = Fake.Pages()[0];
    const QRgb Top = Page.pixel(R.right() - 3, R.top() + 2), Foot = Page.pixel(R.right() - 3, R.bottom() - 2);
    EXPECT_GT(qRed(Top), 200);
    EXPECT_LT(qBlue(Top), 60);
    EXPECT_GT(qBlue(Foot), 200);
    EXPECT_LT(qRed(Foot), 60);
}

// Turned text is measured turned (a tall cell) and printed turned; the
// printer-driver fix turns it the other way on the printer only.
TEST_F(GridPrinterTest, RotatedText)
{
    Fill(3, 4);
    Grid.AddRotated(1, 2, 90, QStringLiteral("Gateway 0815 turned"));
    auto Print_Cell = [this](bool Fix, bool Preview) {
        Grid.Set_PrinterDriverFix(Fix);
        TGridPrinter P(Grid);
        const QRect R = Cell_Rects(P).at({1, 2});
        if (!Preview)
            return Fake.Pages()[0].copy(R);
        QImage Image(794, 1123, QImage::Format_RGB32);
        Image.setDotsPerMeterX(qRound(96 / 0.0254));
        Image.setDotsPerMeterY(qRound(96 / 0.0254));
        Image.fill(Qt::white);
        QPainter Painter(&Image);
        P.Set_PreviewPage(1);
        P.PrintPreview(Painter, TRect(0, 0, 794, 1123));
        return Image.copy(R);
    };
    const QImage Plain = Print_Cell(false, false);
    const QRect Ink = Ink_Box(Plain, Plain.rect().adjusted(2, 2, -2, -2));
    EXPECT_GT(Plain.height(), Plain.width() * 2) << "the cell is measured for the turned text";
    EXPECT_GT(Ink.height(), Ink.width() * 3);
    EXPECT_NE(Print_Cell(true, false), Plain) << "turned back on the printer";
    EXPECT_EQ(Print_Cell(true, true), Print_Cell(false, true)) << "a preview always turns one way";
    Grid.Set_PrinterDriverFix(false);
}

// OnCustomCellSize gets the printed size of each cell and may change it:
// the column and the row take the size it gives.
TEST_F(GridPrinterTest, CustomCellSizeWidensColumnAndRow)
{
    Fill(3, 4);
    int Calls = 0;
    Grid.OnCustomCellSize = [&Calls](QObject *, TCanvas &, int ACol, int ARow, TPoint &Size, bool Printing) {
        ++Calls;
        EXPECT_TRUE(Printing);
        if (ACol == 2 && ARow == 3)
            Size = TPoint{1200, 400};
    };
    TGridPrinter P(Grid);
    const auto Rects = Cell_Rects(P);
    Grid.OnCustomCellSize = nullptr;
    EXPECT_GT(Calls, 0);
    EXPECT_GE(Grid.GetPrintColWidth(2), 1200);
    // 400 units of 0.1 mm at 96 dots per inch: 151 dots
    EXPECT_GE(Rects.at({2, 3}).height(), 151);
    EXPECT_LT(Rects.at({2, 2}).height(), 60);
}

// The page-number texts a print hands to OnPrintGetPageNum: page/total in
// one band, page-band across two.
TEST_F(GridPrinterTest, PageNumberStrings)
{
    struct TCase {
        const char *Name;
        int Cols;
        QStringList Texts;
    };
    const TCase Cases[] = {
        {"OneBand", 3, {"1/3", "2/3", "3/3"}},
        {"TwoBands", 7, {"1-1", "2-1", "3-1", "1-2", "2-2", "3-2"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill(C.Cols, 150);
        if (C.Cols > 3)
            for (int Col = 0; Col < C.Cols; ++Col)
                Grid.Set_Cells(Col, 1, QStringLiteral("a rather long text in column %1").arg(Col));
        Grid.PrintSettings().PageNr = ppBottomCenter;
        QStringList Texts;
        Grid.OnPrintGetPageNum = [&Texts](QObject *, int, int, QString &Text) { Texts << Text; };
        TGridPrinter P(Grid);
        P.Print();
        Grid.OnPrintGetPageNum = nullptr;
        EXPECT_EQ(Texts, C.Texts);
        EXPECT_EQ(Fake.Pages().size(), C.Texts.size());
    }
}
