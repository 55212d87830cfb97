#include "platform/Printer.h"
#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>

namespace {
// Pages in a PDF file (Qt writes one page object per page).
int Pdf_Pages(const QString &Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return -1;
    const QString Text = QString::fromLatin1(F.readAll());
    return static_cast<int>(Text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?!s)"))));
}
} // namespace

// The fake keeps each page as an image of the printable area at the
// printer's resolution: a test counts pages and reads their pixels.
TEST(FakePrinter, RecordsEachPageAsAPicture)
{
    TFakePrinter P;
    TPrinterGuard Guard(&P);
    IPrinter &Pr = Printer();
    Pr.Set_Margins(QMargins(10, 20, 30, 40));
    Pr.Set_Title(QStringLiteral("Job"));
    EXPECT_EQ(Pr.Page_Number(), 0);
    EXPECT_EQ(Pr.Painter(), nullptr);
    ASSERT_TRUE(Pr.Begin_Doc());
    EXPECT_TRUE(Pr.Printing());
    EXPECT_EQ(Pr.Page_Number(), 1);
    Pr.Painter()->fillRect(0, 0, 10, 10, Qt::red);
    ASSERT_TRUE(Pr.New_Page());
    Pr.Painter()->fillRect(5, 5, 2, 2, Qt::blue);
    ASSERT_TRUE(Pr.New_Page());
    EXPECT_EQ(Pr.Page_Number(), 3);
    Pr.End_Doc();
    EXPECT_FALSE(Pr.Printing());

    ASSERT_EQ(P.Documents.size(), 1);
    EXPECT_EQ(P.Documents[0].Title, QStringLiteral("Job"));
    EXPECT_TRUE(P.Documents[0].Ended);
    EXPECT_FALSE(P.Documents[0].Aborted);
    ASSERT_EQ(P.Pages().size(), 3);
    for (const QImage &Page : P.Pages())
        EXPECT_EQ(Page.size(), QSize(794 - 40, 1123 - 60));   // A4 at 96 dpi less the margins
    EXPECT_EQ(P.Pages()[0].pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(P.Pages()[0].pixelColor(10, 10), QColor(Qt::white));
    EXPECT_EQ(P.Pages()[1].pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(P.Pages()[1].pixelColor(6, 6), QColor(Qt::blue));
    EXPECT_EQ(P.Pages()[2].pixelColor(6, 6), QColor(Qt::white));
    // The page image tells the printer's resolution, so fonts size as on paper.
    EXPECT_EQ(qRound(P.Pages()[0].dotsPerMeterX() * 0.0254), 96);
}

// Paper and printable area in dots follow paper, orientation, resolution and margins.
TEST(FakePrinter, PageGeometry)
{
    struct TCase
    {
        const char *Name;
        QPageSize::PageSizeId Paper;
        TPageOrientation Orientation;
        int Dpi_X, Dpi_Y;
        QMargins Margins;
        QSize Paper_Size, Page_Size;
    };
    const TCase Cases[] = {
        {"A4Portrait", QPageSize::A4, TPageOrientation::poPortrait, 96, 96, {}, {794, 1123}, {794, 1123}},
        {"A4Landscape", QPageSize::A4, TPageOrientation::poLandscape, 96, 96, {}, {1123, 794}, {1123, 794}},
        {"Letter300", QPageSize::Letter, TPageOrientation::poPortrait, 300, 300, {50, 50, 50, 50}, {2550, 3300},
         {2450, 3200}},
        // across and down at their own resolutions
        {"UnevenDots", QPageSize::A4, TPageOrientation::poLandscape, 100, 200, {1, 2, 3, 4}, {1169, 1654},
         {1165, 1648}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFakePrinter P;
        P.Dpi_X = C.Dpi_X;
        P.Dpi_Y = C.Dpi_Y;
        P.Set_Paper(QPageSize(C.Paper));
        P.Set_Orientation(C.Orientation);
        P.Set_Margins(C.Margins);
        EXPECT_EQ(P.Paper_Size(), C.Paper_Size);
        EXPECT_EQ(P.Page_Size(), C.Page_Size);
        ASSERT_TRUE(P.Begin_Doc());
        P.End_Doc();
        EXPECT_EQ(P.Pages().at(0).size(), C.Page_Size);
    }
}

// Calls out of order change nothing; a failed start opens no document.
TEST(FakePrinter, Errors)
{
    TFakePrinter P;
    EXPECT_FALSE(P.New_Page());
    P.End_Doc();
    P.Abort_Doc();
    EXPECT_TRUE(P.Documents.isEmpty());
    EXPECT_FALSE(P.Select_Printer(QStringLiteral("No Such Printer")));
    EXPECT_EQ(P.Printer_Name(), QStringLiteral("Fake Printer"));
    EXPECT_TRUE(P.Select_Printer(QStringLiteral("Fake Plotter")));
    EXPECT_EQ(P.Printer_Name(), QStringLiteral("Fake Plotter"));

    ASSERT_TRUE(P.Begin_Doc());
    EXPECT_FALSE(P.Begin_Doc());   // one document at a time
    P.Abort_Doc();
    EXPECT_FALSE(P.Printing());
    ASSERT_EQ(P.Documents.size(), 1);
    EXPECT_TRUE(P.Documents[0].Aborted);
    EXPECT_FALSE(P.Documents[0].Ended);

    P.Fail_Begin = true;
    EXPECT_FALSE(P.Begin_Doc());
    EXPECT_FALSE(P.Printing());
    EXPECT_EQ(P.Documents.size(), 1);
}

// The preview draws its pages apart from the printer's documents; the
// answer "printed" sends them to the printer as well.
TEST(FakePrinter, PreviewAndDialog)
{
    const TPrintPages Two = [](IPrinter &Pr) {
        Pr.Begin_Doc();
        Pr.Painter()->fillRect(0, 0, 4, 4, Qt::black);
        Pr.New_Page();
        Pr.End_Doc();
    };
    TFakePrinter P;
    P.Dialog_Answer = false;
    EXPECT_FALSE(P.Setup_Dialog(nullptr));
    EXPECT_FALSE(P.Preview(nullptr, Two));
    EXPECT_EQ(P.Previews, 1);
    EXPECT_EQ(P.Preview_Pages.size(), 2);
    EXPECT_EQ(P.Preview_Pages[0].pixelColor(1, 1), QColor(Qt::black));
    EXPECT_TRUE(P.Documents.isEmpty());

    P.Dialog_Answer = true;
    EXPECT_TRUE(P.Setup_Dialog(nullptr));
    EXPECT_EQ(P.Setup_Dialogs, 2);
    EXPECT_TRUE(P.Preview(nullptr, Two));
    ASSERT_EQ(P.Documents.size(), 1);
    EXPECT_EQ(P.Pages().size(), 2);

    QWidget Parent;
    QWidget *Surface = P.Create_Preview(&Parent, Two);
    ASSERT_NE(Surface, nullptr);
    EXPECT_EQ(Surface->parent(), &Parent);
    EXPECT_EQ(P.Previews, 3);
}

// Printing to a PDF file through Qt, and the same painter rule on both
// printers: every page starts with the painter's state fresh.
class TPrinterKinds : public ::testing::TestWithParam<bool>
{
protected:
    QTemporaryDir Dir;
    TFakePrinter Fake;
    std::unique_ptr<IPrinter> Qt_Printer;
    IPrinter &P()
    {
        if (!GetParam())
            return Fake;
        if (!Qt_Printer) {
            Qt_Printer = Make_System_Printer();
            Qt_Printer->Set_Output_File(Dir.filePath(QStringLiteral("out.pdf")));
        }
        return *Qt_Printer;
    }
};

TEST_P(TPrinterKinds, EveryPageStartsFresh)
{
    ASSERT_TRUE(P().Begin_Doc());
    for (int Page = 1; Page <= 3; ++Page) {
        SCOPED_TRACE(Page);
        QPainter *Pa = P().Painter();
        ASSERT_NE(Pa, nullptr);
        EXPECT_TRUE(Pa->transform().isIdentity());
        EXPECT_FALSE(Pa->hasClipping());
        EXPECT_NE(Pa->pen().color(), QColor(Qt::red));
        EXPECT_EQ(P().Page_Number(), Page);
        Pa->translate(100, 100);
        Pa->setClipRect(0, 0, 10, 10);
        Pa->setPen(Qt::red);
        Pa->drawText(0, 50, QStringLiteral("Page %1").arg(Page));
        if (Page < 3) {
            ASSERT_TRUE(P().New_Page());
        }
    }
    P().End_Doc();
    EXPECT_FALSE(P().Printing());
    EXPECT_EQ(P().Painter(), nullptr);
    if (GetParam()) {
        EXPECT_EQ(Pdf_Pages(Dir.filePath(QStringLiteral("out.pdf"))), 3);
    } else {
        EXPECT_EQ(Fake.Pages().size(), 3);
    }
}

TEST_P(TPrinterKinds, GeometryInDots)
{
    P().Set_Paper(QPageSize(QPageSize::A4));
    P().Set_Orientation(TPageOrientation::poLandscape);
    const int Dpi = P().Resolution_X();
    ASSERT_GT(Dpi, 0);
    EXPECT_EQ(P().Resolution_Y(), Dpi);
    // A4 is 297 x 210 mm lying down (Qt rounds the paper to whole points).
    EXPECT_NEAR(P().Paper_Size().width(), 297 / 25.4 * Dpi, Dpi / 72.0);
    EXPECT_NEAR(P().Paper_Size().height(), 210 / 25.4 * Dpi, Dpi / 72.0);
    EXPECT_EQ(P().Orientation(), TPageOrientation::poLandscape);
    const QMargins M(Dpi / 4, Dpi / 2, Dpi / 4, Dpi);
    P().Set_Margins(M);
    EXPECT_NEAR(P().Margins().left(), M.left(), 1);
    EXPECT_NEAR(P().Margins().bottom(), M.bottom(), 1);
    EXPECT_NEAR(P().Page_Size().width(), P().Paper_Size().width() - M.left() - M.right(), 2);
    EXPECT_NEAR(P().Page_Size().height(), P().Paper_Size().height() - M.top() - M.bottom(), 2);
    P().Set_Orientation(TPageOrientation::poPortrait);
    EXPECT_LT(P().Paper_Size().width(), P().Paper_Size().height());
}

TEST_P(TPrinterKinds, PreviewSurfaceDrawsThePages)
{
    int Calls = 0, Pages = 0;
    const TPrintPages Two = [&](IPrinter &Pr) {
        ++Calls;
        ASSERT_TRUE(Pr.Begin_Doc());
        Pr.Painter()->drawRect(10, 10, 100, 100);
        Pr.New_Page();
        Pages = Pr.Page_Number();
        Pr.End_Doc();
    };
    QWidget Parent;
    QWidget *Surface = P().Create_Preview(&Parent, Two);
    ASSERT_NE(Surface, nullptr);
    Parent.resize(400, 300);
    Surface->resize(400, 300);
    Parent.show();
    Surface->show();
    QCoreApplication::processEvents();
    EXPECT_GE(Calls, 1);
    EXPECT_EQ(Pages, 2);
    if (GetParam()) {
        EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("out.pdf"))));   // a preview writes no file
    }
}

INSTANTIATE_TEST_SUITE_P(Printers, TPrinterKinds, ::testing::Values(false, true),
                         [](const auto &Info) { return Info.param ? "QtPdf" : "Fake"; });

// An aborted PDF document leaves no file; an unwritable file opens no document.
TEST(QtPrinter, AbortAndUnwritableFile)
{
    QTemporaryDir Dir;
    auto P = Make_System_Printer();
    const QString Path = Dir.filePath(QStringLiteral("aborted.pdf"));
    P->Set_Output_File(Path);
    ASSERT_TRUE(P->Begin_Doc());
    P->Painter()->drawText(10, 10, QStringLiteral("x"));
    P->Abort_Doc();
    EXPECT_FALSE(P->Printing());
    EXPECT_FALSE(QFile::exists(Path));

    P->Set_Output_File(Dir.filePath(QStringLiteral("no/such/folder/x.pdf")));
    EXPECT_FALSE(P->Begin_Doc());
    EXPECT_FALSE(P->Printing());
    EXPECT_EQ(P->Painter(), nullptr);
    EXPECT_FALSE(P->Select_Printer(QStringLiteral("No Such Printer \u00e4")));
}
