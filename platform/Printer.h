#pragma once
#include <QImage>
#include <QList>
#include <QMargins>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
class QPainter;
class QWidget;

// The printer, behind one narrow service so that tests print into pages
// they can count and look at. Sizes are in device units (printer dots) unless
// said otherwise; the painter's origin is the top-left corner of the
// printable area, as on a classic printer device context.

enum class TPageOrientation { poPortrait, poLandscape };

class IPrinter;
// Draws a whole document on Printer: Begin_Doc, pages, End_Doc. Used by the
// preview, which asks for the pages whenever it shows them afresh.
using TPrintPages = std::function<void(IPrinter &Printer)>;

class IPrinter
{
public:
    virtual ~IPrinter() = default;

    // The printers the system knows, and its default one ("" when none).
    virtual QStringList Printer_Names() const = 0;
    virtual QString Default_Printer() const = 0;
    // Chooses a printer by name; false (nothing changed) for an unknown name.
    virtual bool Select_Printer(const QString &Name) = 0;
    virtual QString Printer_Name() const = 0;
    // Print into a PDF file instead of the printer ("" prints on the printer again).
    virtual void Set_Output_File(const QString &Path) = 0;

    // Page set-up; changes apply to the next document.
    virtual TPageOrientation Orientation() const = 0;
    virtual void Set_Orientation(TPageOrientation Value) = 0;
    virtual QPageSize Paper() const = 0;
    virtual void Set_Paper(const QPageSize &Value) = 0;
    // The unprintable border of the paper, in dots (left, top, right, bottom).
    virtual QMargins Margins() const = 0;
    virtual void Set_Margins(const QMargins &Value) = 0;
    // Dots per inch across and down.
    virtual int Resolution_X() const = 0;
    virtual int Resolution_Y() const = 0;
    // The whole paper and the printable area, in dots, for the orientation set.
    virtual QSize Paper_Size() const = 0;
    virtual QSize Page_Size() const = 0;

    // A document: Begin_Doc opens it and its first page; New_Page ends a page
    // and starts the next; End_Doc sends it; Abort_Doc drops it.
    virtual void Set_Title(const QString &Title) = 0;
    // False when the document cannot be started (no printer, file not writable).
    virtual bool Begin_Doc() = 0;
    virtual bool New_Page() = 0;
    virtual void End_Doc() = 0;
    virtual void Abort_Doc() = 0;
    virtual bool Printing() const = 0;
    // The page being drawn, from 1; 0 outside a document.
    virtual int Page_Number() const = 0;
    // The painter of the current page, valid until New_Page, End_Doc or
    // Abort_Doc; every page starts with the painter's state fresh (no
    // transform, clip, pen, brush or font carried over). Null outside a document.
    virtual QPainter *Painter() = 0;

    // The system's print dialog for this printer (printer, orientation,
    // copies); false when the user cancelled.
    virtual bool Setup_Dialog(QWidget *Parent) = 0;
    // A modal preview window: Pages draws the document onto the printer it
    // is given; true when the user printed from the preview (the pages then
    // went to this printer).
    virtual bool Preview(QWidget *Parent, const TPrintPages &Pages) = 0;
    // A preview surface to place in a window of one's own; it draws the
    // pages when first shown. Owned by Parent.
    virtual QWidget *Create_Preview(QWidget *Parent, const TPrintPages &Pages) = 0;
};

IPrinter &Printer();
// Installs a printer (not owned); nullptr restores the system's.
void Set_Printer(IPrinter *P);
// A system printer object of its own (its own choice of printer, paper and
// file), apart from the one Printer() answers.
std::unique_ptr<IPrinter> Make_System_Printer();

// Records every page as an image of the paper's printable area at the
// printer's resolution (white, RGB32), every document and every dialog.
// Install with TPrinterGuard.
class TFakePrinter : public IPrinter
{
public:
    struct TDocument
    {
        QString Title;
        QList<QImage> Pages;
        bool Ended = false;       // End_Doc (not Abort_Doc) closed it
        bool Aborted = false;
    };
    // Settings a test may change before printing.
    QStringList Names = {QStringLiteral("Fake Printer"), QStringLiteral("Fake Plotter")};
    QString Default_Name = QStringLiteral("Fake Printer");
    int Dpi_X = 96, Dpi_Y = 96;
    bool Fail_Begin = false;            // Begin_Doc answers false
    bool Dialog_Answer = true;          // Setup_Dialog's and Preview's answer
    // Results.
    QList<TDocument> Documents;         // in order; the last may still be open
    int Setup_Dialogs = 0;
    int Previews = 0;                   // Preview and Create_Preview calls
    QList<QImage> Preview_Pages;        // the pages the last preview drew

    TFakePrinter();
    ~TFakePrinter() override;

    QStringList Printer_Names() const override { return Names; }
    QString Default_Printer() const override { return Default_Name; }
    bool Select_Printer(const QString &Name) override;
    QString Printer_Name() const override { return FName; }
    void Set_Output_File(const QString &Path) override { Output_File = Path; }
    QString Output_File;

    TPageOrientation Orientation() const override { return FOrientation; }
    void Set_Orientation(TPageOrientation Value) override { FOrientation = Value; }
    QPageSize Paper() const override { return FPaper; }
    void Set_Paper(const QPageSize &Value) override { FPaper = Value; }
    QMargins Margins() const override { return FMargins; }
    void Set_Margins(const QMargins &Value) override { FMargins = Value; }
    int Resolution_X() const override { return Dpi_X; }
    int Resolution_Y() const override { return Dpi_Y; }
    QSize Paper_Size() const override;
    QSize Page_Size() const override;

    void Set_Title(const QString &Title) override { FTitle = Title; }
    bool Begin_Doc() override;
    bool New_Page() override;
    void End_Doc() override;
    void Abort_Doc() override;
    bool Printing() const override { return FPainter != nullptr; }
    int Page_Number() const override;
    QPainter *Painter() override { return FPainter; }

    bool Setup_Dialog(QWidget *Parent) override;
    bool Preview(QWidget *Parent, const TPrintPages &Pages) override;
    QWidget *Create_Preview(QWidget *Parent, const TPrintPages &Pages) override;

    // The pages of the last document.
    const QList<QImage> &Pages() const;

private:
    QString FName;
    TPageOrientation FOrientation = TPageOrientation::poPortrait;
    QPageSize FPaper{QPageSize::A4};
    QMargins FMargins;
    QString FTitle;
    QPainter *FPainter = nullptr;
    void Start_Page();
    void Finish_Page();
    void Record_Preview(const TPrintPages &Pages);
};

class TPrinterGuard
{
public:
    explicit TPrinterGuard(IPrinter *P) { Set_Printer(P); }
    ~TPrinterGuard() { Set_Printer(nullptr); }
    TPrinterGuard(const TPrinterGuard &) = delete;
    TPrinterGuard &operator=(const TPrinterGuard &) = delete;
};
