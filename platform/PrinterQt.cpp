#include "platform/Printer.h"
#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <memory>

namespace {
// The system's printers through Qt PrintSupport. Printing to a file writes PDF.
class TQtPrinter : public IPrinter
{
public:
    TQtPrinter() : FOwned(std::make_unique<QPrinter>(QPrinter::HighResolution)), FPrinter(FOwned.get())
    {
        FPrinter->setFullPage(false);
    }
    // Borrows a printer Qt hands over (a preview's).
    explicit TQtPrinter(QPrinter *Borrowed) : FPrinter(Borrowed) {}
    ~TQtPrinter() override
    {
        if (FPainter)
            Abort_Doc();
    }

    QStringList Printer_Names() const override { return QPrinterInfo::availablePrinterNames(); }
    QString Default_Printer() const override { return QPrinterInfo::defaultPrinterName(); }
    bool Select_Printer(const QString &Name) override
    {
        if (Name.isEmpty() || QPrinterInfo::printerInfo(Name).isNull())
            return false;
        FPrinter->setOutputFileName(QString());
        FPrinter->setPrinterName(Name);
        return true;
    }
    QString Printer_Name() const override { return FPrinter->printerName(); }
    void Set_Output_File(const QString &Path) override
    {
        if (!Path.isEmpty())
            FPrinter->setOutputFormat(QPrinter::PdfFormat);
        FPrinter->setOutputFileName(Path);
        if (Path.isEmpty())
            FPrinter->setOutputFormat(QPrinter::NativeFormat);
    }

    TPageOrientation Orientation() const override
    {
        return FPrinter->pageLayout().orientation() == QPageLayout::Landscape ? TPageOrientation::poLandscape
                                                                               : TPageOrientation::poPortrait;
    }
    void Set_Orientation(TPageOrientation Value) override
    {
        FPrinter->setPageOrientation(Value == TPageOrientation::poLandscape ? QPageLayout::Landscape
                                                                               : QPageLayout::Portrait);
    }
    QPageSize Paper() const override { return FPrinter->pageLayout().pageSize(); }
    void Set_Paper(const QPageSize &Value) override { FPrinter->setPageSize(Value); }
    QMargins Margins() const override { return FPrinter->pageLayout().marginsPixels(FPrinter->resolution()); }
    void Set_Margins(const QMargins &Value) override
    {
        // Qt keeps margins in points; dots convert at the printer's resolution.
        const double K = 72.0 / FPrinter->resolution();
        FPrinter->setPageMargins(QMarginsF(Value.left() * K, Value.top() * K, Value.right() * K, Value.bottom() * K),
                                 QPageLayout::Point);
    }
    int Resolution_X() const override { return FPrinter->logicalDpiX(); }
    int Resolution_Y() const override { return FPrinter->logicalDpiY(); }
    QSize Paper_Size() const override { return FPrinter->pageLayout().fullRectPixels(FPrinter->resolution()).size(); }
    QSize Page_Size() const override { return FPrinter->pageLayout().paintRectPixels(FPrinter->resolution()).size(); }

    void Set_Title(const QString &Title) override { FPrinter->setDocName(Title); }
    bool Begin_Doc() override
    {
        if (FPainter)
            return false;
        auto P = std::make_unique<QPainter>();
        if (!P->begin(FPrinter))
            return false;
        FPainter = std::move(P);
        FPainter->save();
        FPage = 1;
        return true;
    }
    bool New_Page() override
    {
        if (!FPainter)
            return false;
        // Each page starts from the painter's state at the document's start.
        FPainter->restore();
        const bool Ok = FPrinter->newPage();
        FPainter->save();
        if (Ok)
            ++FPage;
        return Ok;
    }
    void End_Doc() override
    {
        if (!FPainter)
            return;
        FPainter->restore();
        FPainter->end();
        FPainter.reset();
        FPage = 0;
    }
    void Abort_Doc() override
    {
        if (!FPainter)
            return;
        // Qt's PDF writer cannot abort: what it wrote is removed instead.
        const bool Aborted = FPrinter->abort();
        FPainter->restore();
        FPainter->end();
        FPainter.reset();
        FPage = 0;
        if (!Aborted && FPrinter->outputFormat() == QPrinter::PdfFormat && !FPrinter->outputFileName().isEmpty())
            QFile::remove(FPrinter->outputFileName());
    }
    bool Printing() const override { return FPainter != nullptr; }
    int Page_Number() const override { return FPage; }
    QPainter *Painter() override { return FPainter.get(); }

    bool Setup_Dialog(QWidget *Parent) override
    {
        QPrintDialog D(FPrinter, Parent);
        return D.exec() == QDialog::Accepted;
    }
    bool Preview(QWidget *Parent, const TPrintPages &Pages) override
    {
        QPrintPreviewDialog D(FPrinter, Parent);
        QObject::connect(&D, &QPrintPreviewDialog::paintRequested, &D, [&Pages](QPrinter *P) {
            TQtPrinter On(P);
            Pages(On);
        });
        return D.exec() == QDialog::Accepted;
    }
    QWidget *Create_Preview(QWidget *Parent, const TPrintPages &Pages) override
    {
        auto *W = new QPrintPreviewWidget(FPrinter, Parent);
        QObject::connect(W, &QPrintPreviewWidget::paintRequested, W, [Pages](QPrinter *P) {
            TQtPrinter On(P);
            Pages(On);
        });
        return W;
    }

private:
    std::unique_ptr<QPrinter> FOwned;
    QPrinter *FPrinter;
    std::unique_ptr<QPainter> FPainter;
    int FPage = 0;
};
} // namespace

std::unique_ptr<IPrinter> Make_System_Printer() { return std::make_unique<TQtPrinter>(); }

IPrinter &Qt_Printer()
{
    // Made on first use and never destroyed: a QPrinter must not outlive the
    // application object at exit.
    static TQtPrinter *P = new TQtPrinter;
    return *P;
}
