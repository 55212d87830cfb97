#include "platform/Printer.h"
#include <QPainter>
#include <QWidget>
#include <algorithm>

IPrinter &Qt_Printer();   // PrinterQt.cpp

namespace {
IPrinter *Current = nullptr;
}

IPrinter &Printer() { return Current ? *Current : Qt_Printer(); }
void Set_Printer(IPrinter *P) { Current = P; }

TFakePrinter::TFakePrinter() : FName(Default_Name) {}

TFakePrinter::~TFakePrinter()
{
    if (FPainter)
        Abort_Doc();
}

bool TFakePrinter::Select_Printer(const QString &Name)
{
    if (!Names.contains(Name))
        return false;
    FName = Name;
    return true;
}

QSize TFakePrinter::Paper_Size() const
{
    // The paper at the printer's resolution across and down (from millimetres:
    // Qt's inch sizes are rounded to hundredths).
    const QSizeF Inches = FPaper.size(QPageSize::Millimeter) / 25.4;
    QSize S(qRound(Inches.width() * Dpi_X), qRound(Inches.height() * Dpi_Y));
    if (FOrientation == TPageOrientation::poLandscape)
        S = QSize(qRound(Inches.height() * Dpi_X), qRound(Inches.width() * Dpi_Y));
    return S;
}

QSize TFakePrinter::Page_Size() const
{
    const QSize P = Paper_Size();
    return QSize(std::max(1, P.width() - FMargins.left() - FMargins.right()),
                 std::max(1, P.height() - FMargins.top() - FMargins.bottom()));
}

bool TFakePrinter::Begin_Doc()
{
    if (FPainter || Fail_Begin)
        return false;
    TDocument D;
    D.Title = FTitle;
    Documents.append(D);
    Start_Page();
    return true;
}

bool TFakePrinter::New_Page()
{
    if (!FPainter)
        return false;
    Finish_Page();
    Start_Page();
    return true;
}

void TFakePrinter::End_Doc()
{
    if (!FPainter)
        return;
    Finish_Page();
    Documents.last().Ended = true;
}

void TFakePrinter::Abort_Doc()
{
    if (!FPainter)
        return;
    Finish_Page();
    Documents.last().Aborted = true;
}

int TFakePrinter::Page_Number() const { return FPainter ? static_cast<int>(Documents.last().Pages.size()) : 0; }

void TFakePrinter::Start_Page()
{
    QImage Page(Page_Size(), QImage::Format_RGB32);
    Page.fill(Qt::white);
    // The image tells its resolution, so fonts in points come out as on paper.
    Page.setDotsPerMeterX(qRound(Dpi_X / 0.0254));
    Page.setDotsPerMeterY(qRound(Dpi_Y / 0.0254));
    Documents.last().Pages.append(Page);
    FPainter = new QPainter(&Documents.last().Pages.last());
}

void TFakePrinter::Finish_Page()
{
    FPainter->end();
    delete FPainter;
    FPainter = nullptr;
}

const QList<QImage> &TFakePrinter::Pages() const
{
    static const QList<QImage> None;
    return Documents.isEmpty() ? None : Documents.last().Pages;
}

bool TFakePrinter::Setup_Dialog(QWidget *)
{
    ++Setup_Dialogs;
    return Dialog_Answer;
}

void TFakePrinter::Record_Preview(const TPrintPages &Pages)
{
    ++Previews;
    // The preview draws on a printer of the same set-up; its pages are kept apart.
    TFakePrinter Surface;
    Surface.Names = Names;
    Surface.Dpi_X = Dpi_X;
    Surface.Dpi_Y = Dpi_Y;
    Surface.FName = FName;
    Surface.FOrientation = FOrientation;
    Surface.FPaper = FPaper;
    Surface.FMargins = FMargins;
    Surface.FTitle = FTitle;
    Pages(Surface);
    Preview_Pages = Surface.Pages();
}

bool TFakePrinter::Preview(QWidget *, const TPrintPages &Pages)
{
    Record_Preview(Pages);
    if (!Dialog_Answer)
        return false;
    Pages(*this);
    return true;
}

QWidget *TFakePrinter::Create_Preview(QWidget *Parent, const TPrintPages &Pages)
{
    Record_Preview(Pages);
    return new QWidget(Parent);
}
