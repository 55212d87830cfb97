#include "grid/print/GridPrinter.h"
#include "grid/base/DrawRoutines.h"
#include "grid/base/MarkupRender.h"
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"
#include "grid/print/GridPrintDevice.h"
#include "grid/print/PrintCanvas.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Printer.h"
#include "platform/RichText.h"
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <climits>
#include <cmath>

namespace {
constexpr double Units_Per_Inch = 254.0;
int Round_Even(double V) { return static_cast<int>(std::nearbyint(V)); }

QStringList Text_Lines(const QString &Text)
{
    QString T = Text;
    T.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    T.replace(QChar(u'\r'), QChar(u'\n'));
    return T.split(QChar(u'\n'));
}

// Keeps a flag set for the length of a call, whatever way it ends.
struct TFlagGuard {
    bool &Flag;
    explicit TFlagGuard(bool &F) : Flag(F) { Flag = true; }
    ~TFlagGuard() { Flag = false; }
};
// A cell's looks for printing: the grid's visual properties as printed, with
// the grid's own word wrap added.
struct TPrintVisual {
    TGridDrawState State;
    TBrush Brush;
    TColor ColorTo = clNone, Mirror = clNone, MirrorTo = clNone;
    TFont Font;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientVertical;
};

// A font of the print at the fit-to-page scale, for the painters that take
// points (markup, rich text, turned text).
TFont Scaled_Font(const TFont &F, double Scale)
{
    TFont R = F;
    R.Size = static_cast<int>(F.Size * Scale);
    return R;
}

// Markup laid out in R (page pixels) with the canvas's font as the screen
// lays it out, drawn unless Measure_Only.
THTMLRenderResult Render_Markup(RIraRevadiVizo &G, TCanvas &C, const QString &Text, const TRect &R, bool Measure_Only)
{
    THTMLRenderParams P;
    P.Images = G.GetGridImages();
    P.Print = true;
    P.CheckHeight = Measure_Only;
    P.WordWrap = !G.EnhTextSize();
    P.URLColor = G.URLColor();
    P.ShadowColor = 0x808080;
    THTMLRenderResult Res;
    RenderHTML(C, Text, R, P, Res);
    return Res;
}

TPrintVisual Print_Visual(RIraRevadiVizo &G, int DCol, int ARow)
{
    TPrintVisual V;
    G.GetVisualProperties(DCol, ARow, V.State, true, false, true, V.Brush, V.ColorTo, V.Mirror, V.MirrorTo, V.Font,
                          V.HA, V.VA, V.WW, V.GD);
    V.WW = V.WW || G.WordWrap();
    return V;
}
} // namespace

// The grid and the canvas as the paginator sees them.
class TGridPrinter::TSurface : public IPrintSurface {
public:
    TSurface(TGridPrinter &Owner, TPrintCanvas &Canvas)
        : P(Owner), G(Owner.Grid), C(Canvas), S(Owner.Grid.PrintSettings())
    {
        const int Dpi = G.logicalDpiX();
        Pixel = Units_Per_Inch / (Dpi > 0 ? Dpi : 96);
    }
    TGridPaginator *Pager = nullptr;
    TPrintMode Mode = pmCountPreview;

    int Fixed_Rows() const override { return G.FixedRows(); }
    int Fixed_Cols() const override { return G.FixedCols(); }
    int Fixed_Footers() const override { return G.FixedFooters(); }
    int Row_Count() const override { return G.RowCount(); }
    int Real_Col(int DisplayCol) const override { return G.RealColIndex(DisplayCol); }
    bool Is_X_Merged(int RealCol, int Row) const override { return G.IsXMergedCell(RealCol, Row); }
    bool Is_Y_Merged(int RealCol, int Row) const override { return G.IsYMergedCell(RealCol, Row); }
    int Col_Width_Pixels(int DisplayCol) const override { return G.ColWidths(DisplayCol); }
    int Row_Height_Pixels(int Row) const override { return G.RowHeights(Row); }
    double Pixel_To_Print() const override { return Pixel; }
    bool Disjunct_Row_Select() const override { return G.MouseActions().DisjunctRowSelect(); }
    bool Disjunct_Col_Select() const override { return G.MouseActions().DisjunctColSelect(); }
    bool Row_Flag(int Row) const override
    {
        return G.GetRowSelect(G.MouseActions().RowSelectPersistent() ? G.RealRowIndex(Row) : Row);
    }
    bool Col_Flag(int Col) const override { return G.GetColSelect(Col); }
    TRect Selection() const override
    {
        const TGridRect R = G.Selection();
        return TRect(R.Left, R.Top, R.Right, R.Bottom);
    }
    bool Is_Markup(const QString &Text) const override { return ClassifyCellText(Text, G.EnableHTML()) == ctMarkup; }

    TPoint Measure_Cell(int RealCol, int Row, double Scale) override
    {
        const QPoint Size = P.Measure(C, RealCol, Row, Scale, L_MaxWidth(RealCol));
        return TPoint{Size.x(), Size.y()};
    }
    void Draw_Row(const TPrintLayout &L, const TPrintRowPlace &Place) override;
    int Text_Width(TPrintTextFont Font, double Scale, const QString &Text) override
    {
        Use_Font(Font, Scale);
        return C.TextWidth(Text);
    }
    void Draw_Text(TPrintTextFont Font, double Scale, int X, int Y, const QString &Text) override
    {
        Use_Font(Font, Scale);
        C.Brush.Style = bsClear;
        C.TextOut(X, Y, Text);
    }
    void Draw_Frame(const TRect &R) override
    {
        Border_Pen();
        C.Brush.Style = bsClear;
        C.Rectangle(R);
    }
    void Draw_Line(int X1, int Y1, int X2, int Y2) override
    {
        Border_Pen();
        C.MoveTo(X1, Y1);
        C.LineTo(X2, Y2);
    }
    int Markup_Height(TPrintTextFont Font, double Scale, int Width, const QString &Text) override
    {
        TPrintScreenUnits Px(C);
        Px.Canvas().Font = Scaled_Font(Font == ptHeader ? S.HeaderFont : S.FooterFont, Scale);
        const TRect R(0, 0, std::max(1, TPrintScreenUnits::To_Pixels(Width)), 65535);
        return TPrintScreenUnits::To_Units(Render_Markup(G, Px.Canvas(), Text, R, true).YSize);
    }
    void Draw_Markup(TPrintTextFont Font, double Scale, const TRect &R, const QString &Text) override
    {
        TPrintScreenUnits Px(C);
        Px.Canvas().Font = Scaled_Font(Font == ptHeader ? S.HeaderFont : S.FooterFont, Scale);
        Px.Canvas().Brush.Style = bsClear;
        Render_Markup(G, Px.Canvas(), Text, TPrintScreenUnits::To_Pixels(R), false);
    }
    void New_Device_Page() override
    {
        if (Device && Device->New_Page() && Device->Painter())
            C.Rebind(*Device->Painter());
    }
    void Export_Row(bool Whole_Range, int Row) override
    {
        G.ExportNotification(Whole_Range ? esExportNewRow : esExportSelRow, Row);
    }
    void Page_Started(int PageNr, const TPrintLayout &L) override
    {
        if (G.OnPrintPage)
            G.OnPrintPage(&G, C, PageNr, L.PageXSize, L.PageYSize);
    }
    void Page_Done(int LastRow, int LastRowOffset, int LastPage, const TPrintLayout &L) override
    {
        if (G.OnPrintPageDone)
            G.OnPrintPageDone(&G, C, LastRow, LastRowOffset, LastPage, L.PageXSize, L.PageYSize);
    }
    bool Cancel(int PageNr) override
    {
        bool Cancel = false;
        if (G.OnPrintCancel)
            G.OnPrintCancel(&G, PageNr, Cancel);
        return Cancel;
    }
    bool New_Page_Wanted(int Row) override
    {
        bool New_Page = false;
        if (G.OnPrintNewPage)
            G.OnPrintNewPage(&G, Row, New_Page);
        return New_Page;
    }
    void Page_Num_String(int PageNum, int PageColNum, QString &Text) override
    {
        if (G.OnPrintGetPageNum)
            G.OnPrintGetPageNum(&G, PageNum, PageColNum, Text);
    }
    void Column_Width(int Col, int &Width) override
    {
        if (G.OnPrintSetColumnWidth)
            G.OnPrintSetColumnWidth(&G, Col, Width);
    }
    void Row_Height(int Row, int &Height) override
    {
        if (G.OnPrintSetRowHeight)
            G.OnPrintSetRowHeight(&G, Row, Height);
    }
    bool Fit_To_Page(double &Scale) override
    {
        bool Allow = true;
        if (G.OnFitToPage)
            G.OnFitToPage(&G, Scale, Allow);
        return Allow;
    }

    IPrinter *Device = nullptr;          // the printer of a device pass

private:
    TGridPrinter &P;
    RIraRevadiVizo &G;
    TPrintCanvas &C;
    const TPrintSettings &S;
    double Pixel = 254.0 / 96;
    int L_MaxWidth(int RealCol) const
    {
        if (!Pager)
            return 0;
        const int D = G.DisplColIndex(RealCol);
        const auto &W = Pager->Layout().MaxWidths;
        return D >= 0 && D < static_cast<int>(W.size()) ? W[static_cast<size_t>(D)] : 0;
    }
    void Use_Font(TPrintTextFont Font, double Scale)
    {
        C.Font = Font == ptHeader ? S.HeaderFont : S.FooterFont;
        P.FFontScale = Scale;
        C.Font_Height = P.MapFontHeight(C.Font.Size);
        P.FFontScale = 1.0;
    }
    void Border_Pen()
    {
        C.Pen.Color = clBlack;
        C.Pen.Style = S.BorderStyle;
        C.Pen.Width = S.Borders == pbDouble ? 10 : 2;
    }
    void Draw_Cell(const TPrintLayout &L, const TPrintRowPlace &Place, int DCol);
    // Markup, rich and turned text, drawn by the screen's painters in page
    // pixels.
    void Draw_Screen_Text(const TPrintLayout &L, int Kind, int RCol, int ARow, const QString &Text, const TRect &Rect,
                          const TFont &Font, TAlignment HA, TVAlignment VA, int Angle);
};

TGridPrinter::TGridPrinter(RIraRevadiVizo &AGrid) : Grid(AGrid) {}
TGridPrinter::~TGridPrinter() = default;

int TGridPrinter::MapFontHeight(int PointSize) const
{
    return -static_cast<int>(PointSize * Units_Per_Inch / 72.0 * FFontScale);
}

int TGridPrinter::MapFontSize(int Height) const { return static_cast<int>(Height * 72.0 / Units_Per_Inch); }

void TGridPrinter::Set_PreviewPage(int Value)
{
    FPrintPageFrom = Value;
    FPrintPageTo = Value;
    Grid.Set_PreviewPage(Value);
}

TGridRect TGridPrinter::Whole_Grid() const { return TGridRect{0, 0, Grid.ColCount() - 1, Grid.RowCount() - 1}; }

void TGridPrinter::Print() { Print_To_Printer(Whole_Grid(), false); }
void TGridPrinter::PrintSelection() { Print_To_Printer(Grid.Selection(), false); }
void TGridPrinter::PrintRect(const TGridRect &Gridrect) { Print_To_Printer(Gridrect, false); }
void TGridPrinter::PrintSelectedRows() { Print_To_Printer(Whole_Grid(), true); }
void TGridPrinter::PrintSelectedCols() { Print_To_Printer(Whole_Grid(), true); }

void TGridPrinter::PrintPreview(QPainter &Canvas, const TRect &Displayrect)
{
    Preview_To_Canvas(Canvas, Displayrect, false, Whole_Grid());
}
void TGridPrinter::PrintPreviewRect(QPainter &Canvas, const TRect &Displayrect, const TGridRect &Gridrect)
{
    Preview_To_Canvas(Canvas, Displayrect, false, Gridrect);
}
void TGridPrinter::PrintPreviewSelection(QPainter &Canvas, const TRect &Displayrect)
{
    Preview_To_Canvas(Canvas, Displayrect, false, Grid.Selection());
}
void TGridPrinter::PrintPreviewSelectedRows(QPainter &Canvas, const TRect &Displayrect)
{
    Preview_To_Canvas(Canvas, Displayrect, true, Whole_Grid());
}
void TGridPrinter::PrintPreviewSelectedCols(QPainter &Canvas, const TRect &Displayrect)
{
    Preview_To_Canvas(Canvas, Displayrect, true, Whole_Grid());
}

void TGridPrinter::PrintDraw(QPainter &Canvas, const TRect &DrawRect) { PrintDrawRect(Canvas, DrawRect, Whole_Grid()); }

void TGridPrinter::PrintDrawRect(QPainter &Canvas, const TRect &DrawRect, const TGridRect &Gridrect)
{
    FPrintRect = Gridrect;
    FPrintPageFrom = FPrintPageTo = FPrintPageNum = 1;
    const QPaintDevice *D = Canvas.device();
    TPrintCanvas PC(Canvas, D->logicalDpiX(), D->logicalDpiY(), QPointF(DrawRect.Left, DrawRect.Top));
    const TRect Page = PC.From_Device(DrawRect);
    Canvas.save();
    Canvas.setClipRect(DrawRect.To_QRect(), Qt::IntersectClip);
    Print_Pages(PC, pmDeviceDraw, 1, false, Page.Right - Page.Left, Page.Bottom - Page.Top);
    Canvas.restore();
}

void TGridPrinter::Print_To_Printer(const TGridRect &Gridrect, bool SelectedOnly)
{
    Print_Document(::Printer(), Gridrect, SelectedOnly);
}

bool TGridPrinter::PrintPreviewDialog(QWidget *Parent)
{
    const TGridRect R = Whole_Grid();
    return ::Printer().Preview(Parent, [this, R](IPrinter &P) { Print_Document(P, R, false); });
}

void TGridPrinter::Print_Document(IPrinter &P, const TGridRect &Gridrect, bool SelectedOnly)
{
    const TPrintSettings &S = Grid.PrintSettings();
    Grid.ExportNotification(esExportStart, -1);
    // The done notification goes out however the print ends.
    struct TDone {
        RIraRevadiVizo &G;
        ~TDone() { G.ExportNotification(esExportDone, -1); }
    } Done{Grid};
    FPrintRect = Gridrect;
    if (!S.UseDefaultOrientation)
        P.Set_Orientation(S.Orientation == poLandscape ? TPageOrientation::poLandscape
                                                       : TPageOrientation::poPortrait);
    const TRect Page = Print_Page_Area(P);
    P.Set_Title(S.JobName);
    if (!P.Begin_Doc())
        return;
    auto Run = [&](TPrintMode Mode, int Count) {
        TPrintCanvas PC(*P.Painter(), P.Resolution_X(), P.Resolution_Y());
        return Print_Pages(PC, Mode, Count, SelectedOnly, Page.Right - Page.Left, -Page.Bottom - Page.Top, &P);
    };
    int Pages = Unknown_Page_Total;
    if (!FFastPrint) {
        try {
            Pages = Run(pmCountPrinter, -1);
        } catch (...) {
            P.Abort_Doc();
            throw;
        }
    }
    FPrintPageFrom = 1;
    FPrintPageTo = Pages;
    FPrintPageNum = Pages;
    if (Grid.OnPrintStart) {
        P.Abort_Doc();
        Grid.OnPrintStart(&Grid, Pages, FPrintPageFrom, FPrintPageTo);
        if (FPrintPageFrom == 0 || FPrintPageTo == 0 || FPrintPageFrom > FPrintPageTo)
            return;
        if (!P.Begin_Doc())
            return;
    }
    FPrintPageNum = FPrintPageTo;
    try {
        Run(pmDeviceDraw, Pages);
    } catch (...) {
        P.End_Doc();
        throw;
    }
    P.End_Doc();
}

void TGridPrinter::Preview_To_Canvas(QPainter &Canvas, const TRect &Displayrect, bool SelectedOnly,
                                     const TGridRect &Gridrect)
{
    Grid.ExportNotification(esExportStart, -1);
    TFlagGuard Preview(FIsPrintPreview);
    struct TDone {
        RIraRevadiVizo &G;
        ~TDone() { G.ExportNotification(esExportDone, -1); }
    } Done{Grid};
    FPrintRect = Gridrect;
    const QPaintDevice *D = Canvas.device();
    TPrintCanvas PC(Canvas, D->logicalDpiX(), D->logicalDpiY(), QPointF(Displayrect.Left, Displayrect.Top));
    const TRect Page = PC.From_Device(Displayrect);
    const int X_Size = Page.Right - Page.Left, Y_Size = Page.Bottom - Page.Top;
    int Pages = 1;
    if (!FFastPrint) {
        // The count must not draw: the page range is kept aside meanwhile.
        Pages = Print_Pages(PC, pmCountPreview, -1, SelectedOnly, X_Size, Y_Size);
        FPrintPageNum = Pages;
    }
    int From = 1, To = Pages;
    if (Grid.OnPrintStart)
        Grid.OnPrintStart(&Grid, Pages, From, To);
    if (From > 0 && To > 0 && To >= From) {
        Canvas.save();
        Canvas.setClipRect(Displayrect.To_QRect(), Qt::IntersectClip);
        Print_Pages(PC, pmPreviewDraw, Pages, SelectedOnly, X_Size, Y_Size);
        Canvas.restore();
    }
}

int TGridPrinter::Print_Pages(TPrintCanvas &Canvas, TPrintMode Mode, int PageCount, bool SelectedOnly, int PageXSize,
                              int PageYSize, IPrinter *Device)
{
    const TPrintSettings &S = Grid.PrintSettings();
    FFontScale = 1.0;
    FCanvas = &Canvas;
    struct TReset {
        TGridPrinter &P;
        ~TReset()
        {
            P.FCanvas = nullptr;
            P.FFontScale = 1.0;
        }
    } Reset{*this};
    auto Text_Height = [&](const TFont &F) {
        Canvas.Font = F;
        Canvas.Font_Height = MapFontHeight(F.Size);
        return Canvas.TextHeight(QStringLiteral("gh"));
    };
    TPaginatorInput In;
    In.Range = TRect(FPrintRect.Left, FPrintRect.Top, FPrintRect.Right, FPrintRect.Bottom);
    In.Mode = Mode;
    In.PageCount = PageCount;
    In.SelectedOnly = SelectedOnly;
    In.PageFrom = FPrintPageFrom;
    In.PageTo = FPrintPageTo;
    In.FastPrint = FFastPrint;
    In.PageXSize = PageXSize;
    In.PageYSize = PageYSize;
    In.HeaderTextHeight = Text_Height(S.HeaderFont);
    In.FooterTextHeight = Text_Height(S.FooterFont);
    In.LineHeight = Text_Height(S.Font);
    In.CharWidth_g = Canvas.TextWidth(QStringLiteral("g"));
    FPrintPageRect = TRect(0, 0, PageXSize, PageYSize);

    TSurface Surface(*this, Canvas);
    Surface.Mode = Mode;
    Surface.Device = Mode == pmDeviceDraw ? Device : nullptr;
    TGridPaginator Pager(S, Surface);
    Surface.Pager = &Pager;
    const int Pages = Pager.Run(In);
    const TPrintLayout &L = Pager.Layout();
    FPrintPageWidth = L.Used_Width;
    FPrintColStart = L.BandFirst;
    FPrintColEnd = L.BandLast;
    // The grid keeps the last run's column widths and left edges.
    const int Cols = std::min(static_cast<int>(L.MaxWidths.size()), Grid.TotalColCount());
    for (int C = 0; C < Cols; ++C)
        Grid.Set_PrintColLayout(C, L.MaxWidths[static_cast<size_t>(C)], L.Indents[static_cast<size_t>(C)]);
    return Pages;
}

QString TGridPrinter::Print_Text(int ACol, int ARow, int &Kind)
{
    Kind = ctPlain;
    if (Grid.IsDataGraphicCell(ACol, ARow))
        return QString();
    QString S = Grid.GetFormattedCell(ACol, ARow);
    Kind = ClassifyCellText(S, Grid.EnableHTML());
    if (Kind == ctFormula) {
        Grid.GetFormulaResult(ACol, ARow, S);
        Kind = ClassifyCellText(S, Grid.EnableHTML());
    }
    if (Kind == ctWideEscaped)
        S = DecodeWideText(S);
    if (Kind == ctRichText) {
        // Measured by its plain text; drawn by the grid's rich-text painter.
        QTextDocument Doc;
        Rtf_To_Document(S.toLatin1(), Doc);
        S = Doc.toPlainText();
    }
    if (Kind != ctMarkup && Kind != ctRichText)
        Kind = ctPlain;
    return S;
}

QPoint TGridPrinter::MeasureCellForPrint(int ACol, int ARow)
{
    if (FCanvas)
        return Measure(*FCanvas, ACol, ARow, FFontScale, Grid.GetPrintColWidth(Grid.DisplColIndex(ACol)));
    // Outside a print: on a page of the screen's resolution.
    QImage Scratch(1, 1, QImage::Format_RGB32);
    const int Dpi = Grid.logicalDpiX() > 0 ? Grid.logicalDpiX() : 96;
    Scratch.setDotsPerMeterX(qRound(Dpi / 0.0254));
    Scratch.setDotsPerMeterY(qRound(Dpi / 0.0254));
    QPainter P(&Scratch);
    TPrintCanvas C(P, Dpi, Dpi);
    return Measure(C, ACol, ARow, 1.0, Grid.GetPrintColWidth(Grid.DisplColIndex(ACol)));
}

QPoint TGridPrinter::Measure(TPrintCanvas &Canvas, int ACol, int ARow, double Scale, int MaxWidth)
{
    const TPrintSettings &S = Grid.PrintSettings();
    int Kind = ctPlain;
    QString Text = Print_Text(ACol, ARow, Kind);
    const TPrintVisual V = Print_Visual(Grid, Grid.DisplColIndex(ACol), ARow);
    const TFont &Font = V.Font;
    const bool WW = V.WW;
    if (Kind == ctMarkup) {
        // As the screen lays it out, in page pixels; as wide as the column
        // (plus its padding) when columns keep their screen widths.
        TPrintScreenUnits Px(Canvas);
        Px.Canvas().Font = Scaled_Font(Font, Scale);
        const int DCol = Grid.DisplColIndex(ACol);
        const int Limit = S.NoAutoSize && DCol >= 0 ? Grid.ColWidths(DCol) + 12 : 65535;
        const THTMLRenderResult R = Render_Markup(Grid, Px.Canvas(), Text, TRect(0, 0, Limit, 65535), true);
        // Two pixels more, as the screen sizes a markup cell: a line must not
        // wrap for a pixel lost to rounding.
        return QPoint(TPrintScreenUnits::To_Units(R.XSize + 2), TPrintScreenUnits::To_Units(R.YSize));
    }
    if (Kind == ctRichText) {
        // Laid out as the rich-text painter draws it (its own fonts and
        // paragraphs), in page pixels, inside the cell's offsets.
        QTextDocument Doc;
        Doc.setDefaultFont(Scaled_Font(Font, Scale).To_QFont());
        Doc.setDocumentMargin(0);
        Rtf_To_Document(Grid.GetCellEx(ACol, ARow).toLatin1(), Doc);
        const int W = static_cast<int>(std::ceil(Doc.idealWidth())) + 2 * Grid.XYOffset().X + 2;
        const int H = static_cast<int>(std::ceil(Doc.size().height())) + Grid.XYOffset().Y;
        TPoint Size{TPrintScreenUnits::To_Units(W), TPrintScreenUnits::To_Units(H)};
        if (Grid.OnCustomCellSize)
            Grid.OnCustomCellSize(&Grid, Canvas, ACol, ARow, Size, true);
        return QPoint(Size.X, Size.Y);
    }
    const TFont Saved = Canvas.Font;
    const int Saved_Height = Canvas.Font_Height;
    FFontScale = Scale;
    Canvas.Font = Font;
    Canvas.Font_Height = MapFontHeight(Font.Size);
    FFontScale = 1.0;
    const double Pixel = Units_Per_Inch / (Grid.logicalDpiX() > 0 ? Grid.logicalDpiX() : 96);
    int GW = 0, GH = 0;
    if (S.PrintGraphics && Grid.GetCellGraphic(ACol, ARow)) {
        const TPoint G = Grid.GetCellGraphicSize(ACol, ARow);
        GW = Round_Even(G.X * Pixel);
        GH = Round_Even(G.Y * Pixel);
    }
    if (Text.isEmpty())
        Text = QStringLiteral("gh");
    int Angle = 0;
    const bool Rotated = Grid.IsRotated(ACol, ARow, Angle);
    int W = 0, H = 0, Widest = 0;
    const int Line = Canvas.TextHeight(QStringLiteral("gh"));
    if (WW && S.NoAutoSize && !Rotated) {
        const int Width = Grid.IsXMergedCell(ACol, ARow) ? 65535 : MaxWidth;
        TRect R(0, 0, Width, -65535);
        H = Canvas.DrawText(R, Text, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        W = Width;
    } else {
        const QStringList Lines = Text_Lines(Text);
        for (const QString &L : Lines)
            Widest = std::max(Widest, Canvas.TextWidth(L));
        W = Widest + GW;
        H = Line * static_cast<int>(Lines.size());
    }
    if (Rotated) {
        // The turned text's box.
        const double A = Angle * M_PI / 180.0;
        const int TW = std::abs(Round_Even(std::cos(A) * W)) + std::abs(Round_Even(std::sin(A) * H));
        H = std::abs(Round_Even(std::sin(A) * Widest)) + std::abs(Round_Even(std::cos(A) * H));
        W = TW;
    }
    W = std::max(W, GW);
    H = std::max(H, GH);
    Canvas.Font = Saved;
    Canvas.Font_Height = Saved_Height;
    TPoint Size{W, H};
    if (Grid.OnCustomCellSize)
        Grid.OnCustomCellSize(&Grid, Canvas, ACol, ARow, Size, true);
    return QPoint(Size.X, Size.Y);
}

void TGridPrinter::TSurface::Draw_Row(const TPrintLayout &L, const TPrintRowPlace &Place)
{
    P.FFontScale = L.Scale;
    if (Place.Clipped) {
        // A row taller than the page: cut at the page's foot.
        C.Set_Clip_Rect(TRect(0, Place.Y, L.PageXSize, Place.Clip_Bottom));
    }
    for (int DCol = Place.FirstCol; DCol <= Place.LastCol; ++DCol)
        if (Pager->Is_Print_Col(DCol))
            Draw_Cell(L, Place, DCol);
    if (Place.Clipped)
        C.Clear_Clip();
    P.FFontScale = 1.0;
}

void TGridPrinter::TSurface::Draw_Cell(const TPrintLayout &L, const TPrintRowPlace &Place, int DCol)
{
    const int ARow = Place.Row;
    const int RCol = G.RealColIndex(DCol);
    const auto Width_Of = [&L](int Col) {
        return Col >= 0 && Col < static_cast<int>(L.MaxWidths.size()) ? L.MaxWidths[static_cast<size_t>(Col)] : 0;
    };
    // The merged area starting here, or the cell alone.
    const bool Base = G.IsBaseCell(RCol, ARow);
    const TPoint Span = Base && G.IsMergedCell(RCol, ARow) ? G.CellSpan(RCol, ARow) : TPoint{0, 0};
    int Cell_Width = 0;
    for (int K = DCol; K <= DCol + Span.X; ++K)
        Cell_Width += Width_Of(K) + L.Spacing;
    int Cell_Height = Place.RowTotal;
    if (S.NoAutoSizeRow && Span.Y > 0) {
        Cell_Height = 0;
        for (int R = ARow; R <= ARow + Span.Y; ++R) {
            const int H = static_cast<int>((G.RowHeights(R) - 4) * Pixel);
            Cell_Height += H + H / 8 + 2 * L.LineSpacing + S.RowSpacing;
        }
    } else if (!S.NoAutoSizeRow) {
        for (int R = ARow + 1; R <= ARow + Span.Y && R < G.RowCount(); ++R)
            Cell_Height += 2 * L.LineSpacing + Pager->Print_Row_Height(R) + S.RowSpacing;
    }
    const int Left = DCol < static_cast<int>(L.Indents.size()) ? L.Indents[static_cast<size_t>(DCol)] : 0;
    TRect Rect(Left, Place.Y, Left + Cell_Width, Place.Y - Cell_Height);

    // Which sides get a line.
    TCellBorders Borders;
    switch (S.Borders) {
    case pbSingle:
    case pbDouble:
        Borders = TCellBorders{cbTop, cbLeft, cbRight, cbBottom};
        break;
    case pbHorizontal:
    case pbAroundHorizontal:
        Borders = TCellBorders{cbTop, cbBottom};
        break;
    case pbVertical:
    case pbAroundVertical:
        Borders = TCellBorders{cbLeft, cbRight};
        break;
    default:
        break;
    }
    TPen Pen;
    Pen.Width = 1;
    Pen.Color = S.BorderColor;
    G.GetCellPrintBorder(RCol, ARow, Pen, Borders);

    if (Base) {
        TPrintVisual V = Print_Visual(G, DCol, ARow);
        TGridDrawState &State = V.State;
        const TBrush &Brush = V.Brush;
        const TFont &Font = V.Font;
        TAlignment &HA = V.HA;
        TVAlignment &VA = V.VA;
        const bool WW = V.WW;
        G.CalcCellAlignment(RCol, ARow, HA, VA);
        int Kind = ctPlain;
        const QString Text = P.Print_Text(RCol, ARow, Kind);
        int Angle = 0;
        const bool Rotated = Kind == ctPlain && G.IsRotated(RCol, ARow, Angle);
        // Background, kept clear of the lines the cell draws itself.
        TRect Back = Rect;
        if (!Borders.Contains(cbLeft))
            Back.Left += 2 * Pen.Width;
        if (!Borders.Contains(cbTop))
            Back.Top -= 2 * Pen.Width;
        if (Brush.Color != clNone && V.ColorTo != clNone) {
            // From the brush colour at the top to ColorTo at the foot; the
            // routine runs from the lower y, which is the foot here.
            C.Pen.Width = 1;
            DrawGradient(C, V.ColorTo, Brush.Color, 64, Back, false);
        } else if (Brush.Color != clNone) {
            C.Brush.Style = bsSolid;
            C.Brush.Color = Brush.Color;
            C.FillRect(Back);
        }
        C.Font = Font;
        C.Font_Height = P.MapFontHeight(Font.Size);
        const int Line_Height = C.TextHeight(QStringLiteral("gh")) + S.RowSpacing;
        const int M = Line_Height + Line_Height / 8;

        // The cell graphic, drawn by the grid's own painter onto a picture of
        // its screen size and stretched onto the paper.
        TRect Text_Rect = Rect;
        TCellGraphic *Graphic = G.GetCellGraphic(RCol, ARow);
        if (S.PrintGraphics && Graphic) {
            const TPoint GS = G.GetCellGraphicSize(RCol, ARow);
            if (GS.X > 0 && GS.Y > 0) {
                const int GW = Round_Even(GS.X * Pixel), GH = Round_Even(GS.Y * Pixel);
                QImage Pic(GS.X + 2, GS.Y + 2, QImage::Format_ARGB32_Premultiplied);
                Pic.fill(Qt::transparent);
                {
                    QPainter QP(&Pic);
                    TPainterCanvas PC(QP);
                    PC.Brush.Color = Brush.Color == clNone ? clWhite : Brush.Color;
                    PC.Font = Font;
                    G.DrawCellGraphic(PC, RCol, ARow, TRect(0, 0, GS.X + 2, GS.Y + 2), Graphic, State, 0);
                }
                int GX;
                const TCellHAlign HAl = Graphic->CellHAlign;
                const bool No_Text = Text.isEmpty();
                if (HAl == haRight || HAl == haAfterText || (No_Text && HA == taRightJustify)) {
                    GX = Rect.Right - GW - L.CharPad;
                    Text_Rect.Right = GX;
                } else if (HAl == haCenter || (No_Text && HA == taCenter)) {
                    GX = Rect.Left + (Rect.Width() - GW) / 2;
                } else {
                    GX = Rect.Left + Round_Even(Pixel);
                    Text_Rect.Left = GX + GW;
                }
                const int Top = Rect.Top - (Cell_Height - GH) / 2;
                C.StretchDraw(TRect(GX, Top, GX + GW, Top - GH), Pic);
            }
        }
        // The text.
        C.Brush.Style = bsClear;
        const QStringList Lines = Text_Lines(Text);
        const unsigned H_Flag = HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : DT_LEFT;
        TRect T = Text_Rect;
        if (T.Right > L.PageXSize && L.BandLast + 1 < static_cast<int>(L.Indents.size()))
            T.Right = L.Indents[static_cast<size_t>(L.BandLast) + 1];
        T.Left += L.CharPad;
        T.Right -= L.CharPad;
        if (Text.isEmpty()) {
        } else if (Kind == ctMarkup || Kind == ctRichText || Rotated) {
            Draw_Screen_Text(L, Kind, RCol, ARow, Text, Text_Rect, V.Font, HA, VA, Angle);
        } else if (WW && S.NoAutoSize) {
            T.Left += Round_Even(2 * Pixel) - L.CharPad;
            C.DrawText(T, Text, DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | H_Flag);
        } else if (Lines.size() == 1) {
            const unsigned V_Flag = VA == vtaCenter ? DT_VCENTER : VA == vtaBottom ? DT_BOTTOM : DT_TOP;
            C.DrawText(T, Text, DT_SINGLELINE | DT_NOPREFIX | H_Flag | V_Flag);
        } else {
            const int Block = (M - S.RowSpacing) * static_cast<int>(Lines.size());
            int Y = T.Top;
            if (Span.Y == 0) {
                if (VA == vtaCenter)
                    Y -= (Place.RowTotal - Block) / 2;
                else if (VA == vtaBottom)
                    Y -= Place.RowTotal - Block;
            }
            for (const QString &Ln : Lines) {
                TRect LR(T.Left, Y, T.Right, Y - (M - S.RowSpacing));
                C.DrawText(LR, Ln, DT_SINGLELINE | DT_NOPREFIX | H_Flag);
                Y -= M - S.RowSpacing;
            }
        }
        if (G.OnCustomCellDraw) {
            const TRect Device_Rect = C.To_Device(Rect);
            G.OnCustomCellDraw(&G, C, RCol, ARow, State, Device_Rect, true);
        }
    }

    // The cell's lines, for every printed cell of a merged area as well.
    C.Pen = Pen;
    C.Pen.Style = psSolid;
    C.Pen.Width = Mode == pmDeviceDraw ? Pen.Width * Round_Even(Pixel) : Pen.Width;
    if (!Base) {
        const TPoint Ext = G.CellExt(RCol, ARow);
        if (Ext.X > 0)
            Borders = Borders - cbLeft - cbRight;
        if (Ext.Y > 0)
            Borders = Borders - cbTop - cbBottom;
    }
    if (G.IsYMergedCell(RCol, ARow) && G.CellExt(RCol, ARow).Y == 0 && !Base)
        Borders = Borders - cbTop;
    if (G.IsXMergedCell(RCol, ARow) && G.CellExt(RCol, ARow).X == 0 && !Base)
        Borders = Borders - cbLeft;
    if (Rect.Bottom < L.PageYSize + S.FooterSize) {
        Rect.Bottom = Place.Y - Place.RowTotal;
        Borders = Borders - cbBottom;
    }
    if (Rect.Right > L.PageXSize && L.BandLast + 1 < static_cast<int>(L.Indents.size()))
        Rect.Right = L.Indents[static_cast<size_t>(L.BandLast) + 1];
    auto Line = [this](int X1, int Y1, int X2, int Y2) {
        C.MoveTo(X1, Y1);
        C.LineTo(X2, Y2);
    };
    const int LX = DCol > Place.FirstCol ? Rect.Left - C.Pen.Width : Rect.Left;
    if (Borders.Contains(cbLeft))
        Line(LX, Rect.Top, LX, Rect.Bottom);
    if (Borders.Contains(cbRight))
        Line(Rect.Right, Rect.Top, Rect.Right, Rect.Bottom);
    if (Borders.Contains(cbTop))
        Line(Rect.Left, Rect.Top, Rect.Right, Rect.Top);
    if (Borders.Contains(cbBottom))
        Line(Rect.Left, Rect.Bottom, Rect.Right, Rect.Bottom);
}

void TGridPrinter::TSurface::Draw_Screen_Text(const TPrintLayout &L, int Kind, int RCol, int ARow, const QString &Text,
                                              const TRect &Rect, const TFont &Font, TAlignment HA, TVAlignment VA,
                                              int Angle)
{
    TPrintScreenUnits Px(C);
    TCanvas &SC = Px.Canvas();
    SC.Font = Scaled_Font(Font, L.Scale);
    SC.Brush.Style = bsClear;
    // The cell less its padding, and at the band's right edge.
    TRect R = Rect;
    if (R.Right > L.PageXSize && L.BandLast + 1 < static_cast<int>(L.Indents.size()))
        R.Right = L.Indents[static_cast<size_t>(L.BandLast) + 1];
    TRect D = TPrintScreenUnits::To_Pixels(R);
    if (Kind == ctRichText) {
        G.PaintRichTextCell(RCol, ARow, SC, D, true);
        return;
    }
    const int Pad = TPrintScreenUnits::To_Pixels(L.CharPad);
    if (Kind == ctMarkup) {
        // The column's spacing holds the padding on both sides.
        D.Left += Pad;
        D.Right -= Pad;
        Render_Markup(G, SC, Text, D, false);
        return;
    }
    // Turned text: the screen turns it counter-clockwise by the angle. A
    // printer driver that turns landscape pages the other way round turns it
    // back when asked to (PrinterDriverFix), on the printer only.
    const bool Reverse = Device && G.PrinterDriverFix() && PrinterOrientationDegrees != 270;
    const int Turn = Reverse ? (360 - Angle % 360) % 360 : Angle;
    const int W = SC.TextWidth(Text), H = SC.TextHeight(Text);
    const double A = Turn * M_PI / 180.0;
    const int HC = std::abs(static_cast<int>(std::trunc(std::cos(A) * H)));
    const int WS = std::abs(static_cast<int>(std::trunc(std::sin(A) * W)));
    const int HS = std::abs(static_cast<int>(std::trunc(std::sin(A) * H)));
    const int WC = std::abs(static_cast<int>(std::trunc(std::cos(A) * W)));
    D = D.Inflate(-2, -2);
    RotatedTextRect(D, HA == taLeftJustify ? 0 : HA == taRightJustify ? 1 : 2,
                    VA == vtaTop ? 0 : VA == vtaCenter ? 1 : 2, Turn, HC, WS, HS, WC);
    SC.Font.Orientation = Turn * 10;
    SC.TextOut(D.Left, D.Top, Text);
}
