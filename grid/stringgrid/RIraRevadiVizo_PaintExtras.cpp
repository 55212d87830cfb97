// What the painter draws besides a cell's own content: a cell's scroll bar,
// the row indicator, the filter row's drop-down glyphs, the list-view header
// face of fixed cells, and the sizing lines shown while a column or row is
// sized. Qt draws the scroll bar and the header face through the grid's
// style, the way the platform's themes drew them.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/base/DrawRoutines.h"
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QStyleOptionSlider>
#include <algorithm>

namespace {
// Width of a cell's scroll bar; measuring keeps the same room (17 pixels).
constexpr int Cell_Scroll_Width = 17;

bool Toggle(std::vector<int> &Lines, int Pos)
{
    const auto It = std::find(Lines.begin(), Lines.end(), Pos);
    if (It != Lines.end()) {
        Lines.erase(It);
        return false;
    }
    Lines.push_back(Pos);
    return true;
}

// Every other pixel of the line inverted: visible on any colour, and the
// same drawing again brings the pixels back.
void Invert_Dotted(QPainter &P, int X0, int Y0, int X1, int Y1)
{
    P.save();
    P.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    P.setPen(Qt::NoPen);
    P.setBrush(Qt::white);
    if (X0 == X1)
        for (int Y = Y0; Y < Y1; Y += 2)
            P.drawRect(X0, Y, 1, 1);
    else
        for (int X = X0; X < X1; X += 2)
            P.drawRect(X, Y0, 1, 1);
    P.restore();
}
}

QImage Filter_Funnel_Glyph()
{
    QImage I(16, 16, QImage::Format_ARGB32);
    I.fill(Qt::transparent);
    QPainter P(&I);
    P.setPen(QColor(64, 64, 64));
    P.setBrush(QColor(96, 96, 96));
    // a funnel: wide top narrowing into a short stem
    const QPoint Funnel[] = {{2, 3}, {13, 3}, {9, 8}, {9, 13}, {6, 11}, {6, 8}};
    P.drawPolygon(Funnel, 6);
    return I;
}

QImage Transparent_Bitmap(const QImage &Image)
{
    if (Image.isNull())
        return Image;
    // a picture that brings its own transparency keeps it
    if (Image.hasAlphaChannel() && qAlpha(Image.pixel(0, Image.height() - 1)) < 255)
        return Image;
    QImage I = Image.convertToFormat(QImage::Format_ARGB32);
    const QRgb Key = I.pixel(0, I.height() - 1) | 0xFF000000u;
    for (int Y = 0; Y < I.height(); ++Y) {
        auto *Line = reinterpret_cast<QRgb *>(I.scanLine(Y));
        for (int X = 0; X < I.width(); ++X)
            if ((Line[X] | 0xFF000000u) == Key)
                Line[X] = 0;
    }
    return I;
}

void RIraRevadiVizo::Set_RowIndicator(const QImage &Value)
{
    FPaintExtras.RowIndicator = Value;
    Invalidate();
}

// --- cell scroll bars ------------------------------------------------------------------------------

void RIraRevadiVizo::CellTextChanged(int ACol, int ARow)
{
    TBaseGrid::CellTextChanged(ACol, ARow);
    if (!HasAutoRangeScrollBar(ACol, ARow))
        return;
    // the page is the row, the range the height the text needs beside the bar
    SetScrollProp(ACol, ARow, {RowHeights(ARow), GetCellTextSize(ACol, ARow, true, true).Y});
}

void RIraRevadiVizo::Paint_Cell_Scroll_Bar(TCanvas &Canvas, const TCellGraphic &Graphic, TRect &R)
{
    FPaintExtras.CellScrollPos = 0;
    const int Page = Graphic.CellAngle, Range = Graphic.CellErrFrom;
    if (Page >= Range)
        return;
    const int Pos = std::clamp(Graphic.CellIndex, 0, std::max(0, Range - Page));
    FPaintExtras.CellScrollPos = Pos;
    const TRect Bar(R.Right - Cell_Scroll_Width, R.Top, R.Right, R.Bottom);
    R.Right = Bar.Left;
    FillRectColor(Canvas, Bar, clBtnFace);
    if (QPainter *P = Canvas.Qt_Painter()) {
        QStyleOptionSlider O;
        O.initFrom(this);
        O.orientation = Qt::Vertical;
        O.minimum = 0;
        O.maximum = Range - Page;
        O.pageStep = Page;
        O.singleStep = 1;
        O.sliderPosition = O.sliderValue = Pos;
        // (a style places a scroll bar's parts from the origin: draw it there, moved)
        O.rect = QRect(0, 0, Bar.Width(), Bar.Height());
        O.subControls = QStyle::SC_All;
        P->save();
        P->translate(Bar.Left, Bar.Top);
        style()->drawComplexControl(QStyle::CC_ScrollBar, &O, P, this);
        P->restore();
    }
}

// --- row indicator, filter glyph, list-view header ------------------------------------------------------

int RIraRevadiVizo::Paint_Row_Indicator(TCanvas &Canvas, int RCol, int ARow, TRect &R)
{
    const QImage &I = FPaintExtras.RowIndicator;
    if (RCol != 0 || ARow != Row() || FixedCols() <= 0 || I.isNull()
        || (RowCount() == FixedRows() && FixedRowAlways()))
        return 0;
    int Y = R.Top;
    if (VAlignment() == vtaCenter)
        Y = R.Top + (R.Height() - I.height()) / 2;
    else if (VAlignment() == vtaBottom)
        Y = R.Bottom - I.height();
    Canvas.Draw(R.Left + 2, Y, Transparent_Bitmap(I));
    const int Taken = I.width() + 2;
    R.Left += Taken;
    return Taken;
}

bool RIraRevadiVizo::Shows_Filter_Glyph(int RCol, int ARow)
{
    return ARow == FilterDropDownRow() && BuildFilterList(RCol);
}

void RIraRevadiVizo::Paint_Filter_Glyph(TCanvas &Canvas, int RCol, const TRect &T)
{
    const TFilterDropDown &F = FPaintExtras.FilterDropDown;
    const QImage &Own = Filter().HasColFilter(RCol) ? F.GlyphActive : F.Glyph;
    const int X = T.Right - 16, Y = T.Top;
    if (!Own.isNull()) {
        Canvas.Draw(X, Y, Transparent_Bitmap(Own));
        return;
    }
    // the grid's own funnel, on the fixed colour
    FillRectColor(Canvas, TRect(X, Y, X + 16, Y + 16), FixedColor());
    Canvas.Draw(X, Y, Filter_Funnel_Glyph());
}

void RIraRevadiVizo::Paint_ListView_Header(TCanvas &Canvas, int DCol, int ARow, TRect R)
{
    R.Bottom += 1;
    // the face of a list view's header item: pressed while the pointer holds
    // it down, hot while the pointer is over it
    const bool Over = FHoverFixed == TPoint(DCol, ARow);
    FillRectColor(Canvas, R, clBtnFace);
    if (QPainter *P = Canvas.Qt_Painter()) {
        QStyleOptionHeader O;
        O.initFrom(this);
        O.rect = R.To_QRect();
        O.position = QStyleOptionHeader::Middle;
        O.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_HasFocus);
        O.state |= QStyle::State_Raised;
        if (Over)
            O.state |= FHoverFixedDown ? QStyle::State_Sunken : QStyle::State_MouseOver;
        style()->drawControl(QStyle::CE_HeaderSection, &O, P, this);
    }
    Canvas.Pen.Color = clWhite;
    Canvas.Pen.Width = 1;
    Canvas.MoveTo(R.Left, R.Top);
    Canvas.LineTo(R.Right, R.Top);
}

// --- sizing lines ---------------------------------------------------------------------------------------

void RIraRevadiVizo::DrawColSizingLine(int X)
{
    Toggle(FPaintExtras.ColSizingLines, X);
    viewport()->update(QRect(X, 0, 1, std::max(viewport()->height(), Client_Height())));
}

void RIraRevadiVizo::DrawRowSizingLine(int Y)
{
    Toggle(FPaintExtras.RowSizingLines, Y);
    viewport()->update(QRect(0, Y, std::max(viewport()->width(), Client_Width()), 1));
}

void RIraRevadiVizo::DrawColSizingLine(int OldX, int NewX)
{
    if (OldX >= 0)
        DrawColSizingLine(OldX);
    if (NewX >= 0)
        DrawColSizingLine(NewX);
}

void RIraRevadiVizo::DrawRowSizingLine(int OldY, int NewY)
{
    if (OldY >= 0)
        DrawRowSizingLine(OldY);
    if (NewY >= 0)
        DrawRowSizingLine(NewY);
}

bool RIraRevadiVizo::ColSizingLineShown(int X) const
{
    const auto &L = FPaintExtras.ColSizingLines;
    return std::find(L.begin(), L.end(), X) != L.end();
}

bool RIraRevadiVizo::RowSizingLineShown(int Y) const
{
    const auto &L = FPaintExtras.RowSizingLines;
    return std::find(L.begin(), L.end(), Y) != L.end();
}

void RIraRevadiVizo::Paint_Sizing_Line()
{
    QPainter *P = Canvas().Qt_Painter();
    if (!P || (FPaintExtras.ColSizingLines.empty() && FPaintExtras.RowSizingLines.empty()))
        return;
    TGridDrawInfo Info;
    CalcDrawInfo(Info);
    const int Bottom = std::max(Client_Height(), Info.Vert.GridBoundary);
    const int Right = std::max(Client_Width(), Info.Horz.GridBoundary);
    for (int X : FPaintExtras.ColSizingLines)
        Invert_Dotted(*P, X, 0, X, Bottom);
    for (int Y : FPaintExtras.RowSizingLines)
        Invert_Dotted(*P, 0, Y, Right, Y);
}
