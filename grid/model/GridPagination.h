#pragma once
#include "grid/model/GridOutputSettings.h"
#include "platform/Rect.h"
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The grid's print layout without a printer: columns measured in 0.1 mm,
// cut into bands that fit the page width, each band's rows cut into pages
// that fit the page height, header and footer texts and the page borders.
// Coordinates: x grows to the right from the page's left edge, y grows
// upward, the page's top edge is y = 0 and its bottom edge PageYSize (< 0).
// What needs the grid or a canvas (measuring a cell, drawing a row or a
// text) is asked of an IPrintSurface, so that a counting pass, a drawing
// pass and the tests walk the very same breaks.

// The page total of a print that did not count its pages first.
inline constexpr int Unknown_Page_Total = 2147483647;

enum TPrintMode : std::uint8_t {
    pmPreviewDraw = 0,    // draw a preview
    pmDeviceDraw = 1,     // draw on a device (printer, or a canvas rectangle)
    pmCountPrinter = 2,   // count pages for the printer
    pmCountPreview = 3,   // count pages for a preview
};
inline bool Print_Mode_Draws(TPrintMode M) { return M == pmPreviewDraw || M == pmDeviceDraw; }

// Which font a header or footer text is drawn in.
enum TPrintTextFont { ptHeader, ptFooter };

// The layout values of one run, filled in by the paginator and read by the
// cell rendering while a row is drawn.
struct TPrintLayout {
    TPrintMode Mode = pmCountPreview;
    int PageCount = -1;            // total from the counting pass; -1 while counting
    int PageXSize = 0, PageYSize = 0;
    int Spacing = 0;
    double Scale = 1.0;
    int LineHeight = 0;            // height of "gh" in the print font
    int LineSpacing = 0;
    int CharPad = 0;
    int HeaderTextHeight = 0, FooterTextHeight = 0;
    int TopArea = 0, BottomArea = 0;
    int BandFirst = 0, BandLast = 0;
    bool RepeatCols = false;
    int FixedColsWidth = 0;
    int PageIndex = 0;             // pages finished so far
    int BandIndex = 0;             // from 1
    int BandPage = 0;              // pages finished in the band
    bool MultiBand = false;
    int Used_Width = 0;            // width of the current band
    // By display column, one entry per column of the grid (and one more for
    // the right edge of the last one).
    std::vector<int> MaxWidths;
    std::vector<int> Indents;
};

// A row's place on the page, as the drawing gets it.
struct TPrintRowPlace {
    int Y = 0;                     // top of the row
    int FirstCol = 0, LastCol = 0; // display columns
    int Row = 0;
    int RowTotal = 0;              // the row's height including its spacing
    // A row taller than the page is drawn cut at this y (no cut: INT_MIN).
    int Clip_Bottom = 0;
    bool Clipped = false;
};

// What the paginator needs from the grid and the canvas.
class IPrintSurface {
public:
    virtual ~IPrintSurface() = default;
    // The grid's shape (display indexes unless said otherwise).
    virtual int Fixed_Rows() const = 0;
    virtual int Fixed_Cols() const = 0;
    virtual int Fixed_Footers() const = 0;
    virtual int Row_Count() const = 0;
    virtual int Real_Col(int DisplayCol) const = 0;
    virtual bool Is_X_Merged(int RealCol, int Row) const = 0;
    virtual bool Is_Y_Merged(int RealCol, int Row) const = 0;
    virtual int Col_Width_Pixels(int DisplayCol) const = 0;
    virtual int Row_Height_Pixels(int Row) const = 0;
    // The size of a screen pixel in 0.1 mm.
    virtual double Pixel_To_Print() const = 0;
    // Selection for a print of the selected rows or columns only.
    virtual bool Disjunct_Row_Select() const { return false; }
    virtual bool Disjunct_Col_Select() const { return false; }
    virtual bool Row_Flag(int /*Row*/) const { return false; }
    virtual bool Col_Flag(int /*Col*/) const { return false; }
    virtual TRect Selection() const { return TRect(); }
    // Whether a markup text is markup for this grid.
    virtual bool Is_Markup(const QString & /*Text*/) const { return false; }

    // The size a cell needs on paper (real column), measured at Scale.
    virtual TPoint Measure_Cell(int RealCol, int Row, double Scale) = 0;

    // Drawing; called only while drawing a page within the drawn range.
    virtual void Draw_Row(const TPrintLayout &Layout, const TPrintRowPlace &Place) = 0;
    virtual int Text_Width(TPrintTextFont Font, double Scale, const QString &Text) = 0;
    virtual void Draw_Text(TPrintTextFont Font, double Scale, int X, int Y, const QString &Text) = 0;
    virtual void Draw_Frame(const TRect &R) = 0;      // Left, Top (upper y), Right, Bottom (lower y)
    virtual void Draw_Line(int X1, int Y1, int X2, int Y2) = 0;
    // A markup title: the height it needs when laid out Width wide, and
    // drawing it into R (Left, Top (upper y), Right, Bottom (lower y)).
    virtual int Markup_Height(TPrintTextFont Font, double Scale, int Width, const QString &Text)
    {
        (void)Font; (void)Scale; (void)Width; (void)Text;
        return 0;
    }
    virtual void Draw_Markup(TPrintTextFont Font, double Scale, const TRect &R, const QString &Text)
    {
        (void)Font; (void)Scale; (void)R; (void)Text;
    }
    // Ends the device page and starts the next (device drawing only).
    virtual void New_Device_Page() {}

    // Notifications and the application's say (the grid's print events).
    virtual void Export_Row(bool Whole_Range, int Row) { (void)Whole_Range; (void)Row; }
    virtual void Page_Started(int PageNr, const TPrintLayout &) { (void)PageNr; }
    virtual void Page_Done(int LastRow, int LastRowOffset, int LastPage, const TPrintLayout &)
    {
        (void)LastRow; (void)LastRowOffset; (void)LastPage;
    }
    virtual bool Cancel(int PageNr) { (void)PageNr; return false; }
    virtual bool New_Page_Wanted(int Row) { (void)Row; return false; }
    virtual void Page_Num_String(int PageNum, int PageColNum, QString &Text) { (void)PageNum; (void)PageColNum; (void)Text; }
    virtual void Column_Width(int Col, int &Width) { (void)Col; (void)Width; }
    virtual void Row_Height(int Row, int &Height) { (void)Row; (void)Height; }
    // fpCustom: false keeps the columns at their size.
    virtual bool Fit_To_Page(double &Scale) { (void)Scale; return true; }
};

// One pass over a cell range: counts the pages and, in the drawing modes,
// draws those within From..To.
struct TPaginatorInput {
    TRect Range;                   // display columns Left..Right, rows Top..Bottom, inclusive
    TPrintMode Mode = pmCountPreview;
    int PageCount = -1;
    bool SelectedOnly = false;
    int PageFrom = 1, PageTo = Unknown_Page_Total;
    bool FastPrint = false;
    int PageXSize = 0, PageYSize = 0;   // PageYSize < 0
    // Measured on the canvas with the fonts' mapped heights.
    int LineHeight = 0, CharWidth_g = 0, HeaderTextHeight = 0, FooterTextHeight = 0;
};

class TGridPaginator {
public:
    TGridPaginator(const TPrintSettings &Settings, IPrintSurface &Surface);
    // Returns the number of pages over all bands.
    int Run(const TPaginatorInput &In);
    const TPrintLayout &Layout() const { return L; }

    bool Is_Print_Row(int ARow) const;
    bool Is_Print_Col(int ACol) const;
    int Print_Row_Height(int ARow);

    // "1/5", "2-1" ... for the page being laid out (the hook may replace it).
    QString Format_Page_Number();

    // The texts of the six header and footer positions (index TPrintPosition)
    // for a page whose number text is PageNumber, at the local time Now.
    struct THeaderTexts {
        QString Text[7];
        QStringList More_Title_Lines;  // title lines after the first, plain only
    };
    static THeaderTexts Header_Texts(const TPrintSettings &S, const QString &PageNumber, double Now,
                                     bool Title_Is_Markup);

private:
    const TPrintSettings &S;
    IPrintSurface &Surf;
    TPaginatorInput In;
    TPrintLayout L;
    int Cached_Row = -1, Cached_Height = 0;
    bool Drawing() const { return Print_Mode_Draws(In.Mode); }
    bool Page_In_Range(int PageNr) const { return PageNr >= In.PageFrom && PageNr <= In.PageTo; }
    void Compute_Column_Widths();
    void Fit_Columns();
    void Lay_Band(int Start);
    void Compute_Areas(bool After_Break);
    int Draw_Header_Footer();
    void Draw_Page_Borders(int FirstCol, int LastCol, int Bottom);
    void Start_Next_Page();
    int Row_Total(int ARow);
    int Place_Row(int &Y, int FirstCol, int LastCol, int ARow, bool Clip);
    bool Title_Markup() const;
};
