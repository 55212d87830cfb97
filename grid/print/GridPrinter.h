#pragma once
#include "grid/model/GridPagination.h"
#include "platform/Rect.h"
#include "toolkit/StringGrid.h"
#include <QPoint>

class IPrinter;
class QPainter;
class QWidget;
class RIraRevadiVizo;
class TPrintCanvas;

// Printing of a string grid: on the current printer (Printer()), as a
// preview onto any painter, or one page into a rectangle. It sits above the
// string grid and reads its cells, looks, print settings (PrintSettings())
// and print events (OnPrintStart ... OnFitToPage); the pages are laid out by
// TGridPaginator and each cell is drawn with the grid's own look and cell
// graphics painters. One printer object per grid is enough; it keeps what a
// print leaves to read afterwards (page count, page and band of the last run).
class TGridPrinter {
public:
    explicit TGridPrinter(RIraRevadiVizo &Grid);
    ~TGridPrinter();

    // --- on the printer; whole grid means every column and row, fixed ones included
    void Print();
    void PrintSelection();
    void PrintRect(const TGridRect &Gridrect);
    void PrintSelectedRows();
    void PrintSelectedCols();
    // The printer's preview window of the whole grid; true when the user
    // printed from it.
    bool PrintPreviewDialog(QWidget *Parent);

    // --- a preview onto a painter: every drawn page lands on Displayrect
    // (device coordinates of the painter); PreviewPage chooses the page.
    void PrintPreview(QPainter &Canvas, const TRect &Displayrect);
    void PrintPreviewRect(QPainter &Canvas, const TRect &Displayrect, const TGridRect &Gridrect);
    void PrintPreviewSelection(QPainter &Canvas, const TRect &Displayrect);
    void PrintPreviewSelectedRows(QPainter &Canvas, const TRect &Displayrect);
    void PrintPreviewSelectedCols(QPainter &Canvas, const TRect &Displayrect);

    // --- the first page into a rectangle of a painter, without counting
    void PrintDraw(QPainter &Canvas, const TRect &DrawRect);
    void PrintDrawRect(QPainter &Canvas, const TRect &DrawRect, const TGridRect &Gridrect);

    // --- font sizes: points to a height in 0.1 mm (negative: character
    // height), scaled by the fit-to-page factor while a page is laid out; and back.
    int MapFontHeight(int PointSize) const;
    int MapFontSize(int Height) const;

    // --- state
    bool FastPrint() const { return FFastPrint; }
    void Set_FastPrint(bool Value) { FFastPrint = Value; }
    int PreviewPage() const { return FPrintPageFrom; }
    void Set_PreviewPage(int Value);
    int PrintNrOfPages() const { return FPrintPageNum; }
    int PrintPageWidth() const { return FPrintPageWidth; }
    TRect PrintPageRect() const { return FPrintPageRect; }
    int PrintColStart() const { return FPrintColStart; }
    int PrintColEnd() const { return FPrintColEnd; }
    bool IsPrintPreview() const { return FIsPrintPreview; }
    double Fontscalefactor() const { return FFontScale; }
    // Rotation between portrait and landscape as the printer driver reports
    // it; taken as 90 degrees (no driver to ask).
    static constexpr int PrinterOrientationDegrees = 90;

    // --- cells on paper (real column): the size a cell needs (0.1 mm)
    QPoint MeasureCellForPrint(int ACol, int ARow);

private:
    class TSurface;
    friend class TSurface;
    RIraRevadiVizo &Grid;
    bool FFastPrint = false;
    TGridRect FPrintRect;
    int FPrintPageFrom = 1, FPrintPageTo = 1, FPrintPageNum = 0;
    int FPrintPageWidth = 0;
    TRect FPrintPageRect;
    int FPrintColStart = 0, FPrintColEnd = 0;
    bool FIsPrintPreview = false;
    double FFontScale = 1.0;
    TPrintCanvas *FCanvas = nullptr;     // while a run measures or draws

    TGridRect Whole_Grid() const;
    void Print_To_Printer(const TGridRect &Gridrect, bool SelectedOnly);
    void Print_Document(IPrinter &P, const TGridRect &Gridrect, bool SelectedOnly);
    void Preview_To_Canvas(QPainter &Canvas, const TRect &Displayrect, bool SelectedOnly, const TGridRect &Gridrect);
    // The paginator on a canvas whose page is PageXSize wide and reaches
    // down to PageYSize (< 0).
    int Print_Pages(TPrintCanvas &Canvas, TPrintMode Mode, int PageCount, bool SelectedOnly, int PageXSize,
                    int PageYSize, IPrinter *Device = nullptr);
    // The size of a cell on paper at Scale; MaxWidth: its column's print
    // width (for word-wrapped text).
    QPoint Measure(TPrintCanvas &Canvas, int ACol, int ARow, double Scale, int MaxWidth);
    // The cell's text as printed (a rich text's plain text) and its kind:
    // ctPlain, ctMarkup or ctRichText.
    QString Print_Text(int ACol, int ARow, int &Kind);
};
