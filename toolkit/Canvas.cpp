#include "toolkit/Canvas.h"
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QRegion>
#include <QTransform>
#include <cmath>

// --- font ------------------------------------------------------------------

int TFont::Pixel_Height() const { return std::max(1, static_cast<int>(std::lround(Size * 96.0 / 72.0))); }

QFont TFont::To_QFont() const
{
    QFont F(Name);
    F.setPixelSize(Pixel_Height());
    F.setBold(Style.Contains(fsBold));
    F.setItalic(Style.Contains(fsItalic));
    F.setUnderline(Style.Contains(fsUnderline));
    F.setStrikeOut(Style.Contains(fsStrikeOut));
    F.setStyleStrategy(QFont::NoSubpixelAntialias);
    return F;
}

int TCanvas::TextWidth(const QString &Text) const { return QFontMetrics(Font.To_QFont()).horizontalAdvance(Text); }
int TCanvas::TextHeight(const QString &Text) const { return QFontMetrics(Font.To_QFont()).height(); }

namespace {

Qt::BrushStyle Qt_Brush_Style(TBrushStyle S)
{
    switch (S) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::BDiagPattern;
    case bsBDiagonal: return Qt::FDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
    }
    return Qt::SolidPattern;
}

Qt::PenStyle Qt_Pen_Style(TPenStyle S)
{
    switch (S) {
    case psSolid: case psInsideFrame: return Qt::SolidLine;
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    }
    return Qt::SolidLine;
}

bool Solid_Pen(const TPen &P) { return P.Style == psSolid || P.Style == psInsideFrame; }

// The text layout of DrawText, shared by the painter and the recording canvas.
struct TTextLayout {
    int Flags = 0;
    QString Text;
};

TTextLayout Layout_Text(const QString &Text, unsigned Format)
{
    TTextLayout L;
    L.Text = Text;
    if (Format & DT_CENTER)
        L.Flags |= Qt::AlignHCenter;
    else if (Format & DT_RIGHT)
        L.Flags |= Qt::AlignRight;
    else
        L.Flags |= Qt::AlignLeft;
    if (Format & DT_SINGLELINE) {
        // Line breaks do not break a single line; the platform showed them as blanks.
        L.Text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
        L.Text.replace(u'\r', u' ');
        L.Text.replace(u'\n', u' ');
        if (Format & DT_VCENTER)
            L.Flags |= Qt::AlignVCenter;
        else if (Format & DT_BOTTOM)
            L.Flags |= Qt::AlignBottom;
        else
            L.Flags |= Qt::AlignTop;
    } else {
        L.Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        L.Text.replace(u'\r', u'\n');
        L.Flags |= Qt::AlignTop;
        if (Format & DT_WORDBREAK)
            L.Flags |= Qt::TextWordWrap;
    }
    if (Format & DT_EXPANDTABS)
        L.Flags |= Qt::TextExpandTabs;
    if (!(Format & DT_NOPREFIX))
        L.Flags |= Qt::TextShowMnemonic;
    return L;
}

// Extent the text needs: DT_CALCRECT semantics (width kept for word wrap).
TRect Calc_Text_Rect(const QFont &F, const TRect &R, const TTextLayout &L, unsigned Format)
{
    const QFontMetrics M(F);
    const int W = (Format & DT_WORDBREAK) && !(Format & DT_SINGLELINE) ? std::max(1, R.Width()) : 1 << 20;
    const QRect B = M.boundingRect(QRect(0, 0, W, 1 << 20), (L.Flags & ~(Qt::AlignHCenter | Qt::AlignRight | Qt::AlignVCenter | Qt::AlignBottom)) | Qt::AlignLeft | Qt::AlignTop, L.Text);
    const int H = L.Text.isEmpty() ? M.height() : B.height();
    return {R.Left, R.Top, R.Left + B.width(), R.Top + H};
}

} // namespace

// --- painter canvas ----------------------------------------------------------

TPainterCanvas::TPainterCanvas(QPainter &Painter) : FPainter(Painter)
{
    FPainter.setRenderHint(QPainter::Antialiasing, false);
    FBaseClipped = FPainter.hasClipping();
    if (FBaseClipped)
        FBaseClip = FPainter.clipRegion();
}

void TPainterCanvas::Apply_Pen()
{
    if (Pen.Style == psClear) {
        FPainter.setPen(Qt::NoPen);
        return;
    }
    QPen P(To_QColor(Pen.Color), std::max(1, Pen.Width), Qt_Pen_Style(Pen.Style), Qt::SquareCap, Qt::MiterJoin);
    FPainter.setPen(P);
}

void TPainterCanvas::Apply_Brush()
{
    if (Brush.Style == bsClear) {
        FPainter.setBrush(Qt::NoBrush);
        return;
    }
    FPainter.setBrush(QBrush(To_QColor(Brush.Color), Qt_Brush_Style(Brush.Style)));
}

void TPainterCanvas::Apply_Font()
{
    FPainter.setFont(Font.To_QFont());
    FPainter.setPen(To_QColor(Font.Color));
}

void TPainterCanvas::LineTo(int X, int Y)
{
    const TPoint From = FPenPos;
    FPenPos = {X, Y};
    if (Pen.Style == psClear || (From.X == X && From.Y == Y))
        return;
    const int W = std::max(1, Pen.Width);
    const QColor C = To_QColor(Pen.Color);
    if (Solid_Pen(Pen) && (From.Y == Y || From.X == X)) {
        // Axis lines are filled exactly: the end point is not part of the line.
        if (From.Y == Y) {
            const int X1 = X > From.X ? From.X : X + 1;
            const int X2 = X > From.X ? X : From.X + 1;
            FPainter.fillRect(QRect(X1, Y - W / 2, X2 - X1, W), C);
        } else {
            const int Y1 = Y > From.Y ? From.Y : Y + 1;
            const int Y2 = Y > From.Y ? Y : From.Y + 1;
            FPainter.fillRect(QRect(X - W / 2, Y1, W, Y2 - Y1), C);
        }
        return;
    }
    Apply_Pen();
    if (W == 1)
        FPainter.setPen(QPen(C, 0, Qt_Pen_Style(Pen.Style)));
    FPainter.drawLine(From.X, From.Y, X, Y);
}

void TPainterCanvas::FillRect(const TRect &R)
{
    if (Brush.Style == bsClear || R.Is_Empty())
        return;
    FPainter.fillRect(R.To_QRect(), QBrush(To_QColor(Brush.Color), Qt_Brush_Style(Brush.Style)));
}

void TPainterCanvas::FrameRect(const TRect &R)
{
    if (R.Is_Empty())
        return;
    const QColor C = To_QColor(Brush.Color);
    FPainter.fillRect(QRect(R.Left, R.Top, R.Width(), 1), C);
    FPainter.fillRect(QRect(R.Left, R.Bottom - 1, R.Width(), 1), C);
    FPainter.fillRect(QRect(R.Left, R.Top, 1, R.Height()), C);
    FPainter.fillRect(QRect(R.Right - 1, R.Top, 1, R.Height()), C);
}

void TPainterCanvas::Rectangle(const TRect &R)
{
    if (R.Is_Empty())
        return;
    if (Pen.Style == psClear) {
        FillRect(TRect(R.Left, R.Top, R.Right - 1, R.Bottom - 1));
        return;
    }
    FillRect(R);
    const TPoint Saved = FPenPos;
    MoveTo(R.Left, R.Top);
    LineTo(R.Right - 1, R.Top);
    LineTo(R.Right - 1, R.Bottom - 1);
    LineTo(R.Left, R.Bottom - 1);
    LineTo(R.Left, R.Top);
    FPenPos = Saved;
}

void TPainterCanvas::RoundRect(const TRect &R, int EllipseW, int EllipseH)
{
    Apply_Pen();
    Apply_Brush();
    FPainter.drawRoundedRect(QRectF(R.Left, R.Top, R.Width() - 1, R.Height() - 1), EllipseW / 2.0, EllipseH / 2.0);
}

void TPainterCanvas::Ellipse(const TRect &R)
{
    Apply_Pen();
    Apply_Brush();
    FPainter.drawEllipse(QRectF(R.Left, R.Top, R.Width() - 1, R.Height() - 1));
}

void TPainterCanvas::Polygon(const QVector<TPoint> &Points)
{
    QPolygon P;
    for (const TPoint &Pt : Points)
        P << Pt.To_QPoint();
    Apply_Pen();
    Apply_Brush();
    FPainter.drawPolygon(P);
}

void TPainterCanvas::Polyline(const QVector<TPoint> &Points)
{
    if (Points.isEmpty())
        return;
    MoveTo(Points[0].X, Points[0].Y);
    for (int I = 1; I < Points.size(); ++I)
        LineTo(Points[I].X, Points[I].Y);
}

void TPainterCanvas::SetPixel(int X, int Y, TColor Color) { FPainter.fillRect(QRect(X, Y, 1, 1), To_QColor(Color)); }

void TPainterCanvas::TextOut(int X, int Y, const QString &Text)
{
    const QFont F = Font.To_QFont();
    const QFontMetrics M(F);
    const int W = M.horizontalAdvance(Text);
    FPainter.save();
    if (Font.Orientation != 0) {
        FPainter.translate(X, Y);
        FPainter.rotate(-Font.Orientation / 10.0);
        FPainter.translate(-X, -Y);
    }
    if (Brush.Style != bsClear)
        FPainter.fillRect(QRect(X, Y, W, M.height()), To_QColor(Brush.Color));
    Apply_Font();
    FPainter.drawText(QPoint(X, Y + M.ascent()), Text);
    FPainter.restore();
    FPenPos = {X + W, Y};
}

void TPainterCanvas::TextRect(const TRect &R, int X, int Y, const QString &Text)
{
    FPainter.save();
    FPainter.setClipRect(R.To_QRect(), FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    if (Brush.Style != bsClear)
        FPainter.fillRect(R.To_QRect(), To_QColor(Brush.Color));
    const QFont F = Font.To_QFont();
    Apply_Font();
    FPainter.drawText(QPoint(X, Y + QFontMetrics(F).ascent()), Text);
    FPainter.restore();
}

int TPainterCanvas::DrawText(TRect &R, const QString &Text, unsigned Format)
{
    const QFont F = Font.To_QFont();
    const TTextLayout L = Layout_Text(Text, Format);
    if (Format & DT_CALCRECT) {
        R = Calc_Text_Rect(F, R, L, Format);
        return R.Height();
    }
    QString Shown = L.Text;
    if ((Format & DT_END_ELLIPSIS) && (Format & DT_SINGLELINE))
        Shown = QFontMetrics(F).elidedText(Shown, Qt::ElideRight, R.Width());
    FPainter.save();
    if (!(Format & DT_NOCLIP))
        FPainter.setClipRect(R.To_QRect(), FPainter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    Apply_Font();
    QRect Bound;
    FPainter.drawText(R.To_QRect(), L.Flags, Shown, &Bound);
    FPainter.restore();
    return Bound.height();
}

void TPainterCanvas::Draw(int X, int Y, const QImage &Image) { FPainter.drawImage(QPoint(X, Y), Image); }
void TPainterCanvas::StretchDraw(const TRect &R, const QImage &Image) { FPainter.drawImage(R.To_QRect(), Image); }

void TPainterCanvas::Set_Clip_Rect(const TRect &R)
{
    if (FBaseClipped) {
        FPainter.setClipRegion(FBaseClip);
        FPainter.setClipRect(R.To_QRect(), Qt::IntersectClip);
    } else {
        FPainter.setClipRect(R.To_QRect());
    }
    FHasClip = true;
    FClip = R;
}

void TPainterCanvas::Clear_Clip()
{
    if (FBaseClipped)
        FPainter.setClipRegion(FBaseClip);
    else
        FPainter.setClipping(false);
    FHasClip = false;
    FClip = TRect();
}

// --- recording canvas ------------------------------------------------------------

struct TRecordingCanvas::TImpl {
    QImage Img;
    std::unique_ptr<QPainter> Painter;
    std::unique_ptr<TPainterCanvas> Canvas;
};

TRecordingCanvas::TRecordingCanvas(int Width, int Height) : FImpl(std::make_unique<TImpl>())
{
    FImpl->Img = QImage(std::max(1, Width), std::max(1, Height), QImage::Format_RGB32);
    FImpl->Img.fill(Qt::white);
    FImpl->Painter = std::make_unique<QPainter>(&FImpl->Img);
    FImpl->Canvas = std::make_unique<TPainterCanvas>(*FImpl->Painter);
}

TRecordingCanvas::~TRecordingCanvas()
{
    FImpl->Canvas.reset();
    FImpl->Painter.reset();
}

QImage TRecordingCanvas::Image() { return FImpl->Img.copy(); }

int TRecordingCanvas::Count(TCanvasOp::TKind Kind) const
{
    return static_cast<int>(std::count_if(FOps.begin(), FOps.end(), [Kind](const TCanvasOp &O) { return O.Kind == Kind; }));
}

TCanvasOp &TRecordingCanvas::Record(TCanvasOp::TKind Kind)
{
    TCanvasOp Op{Kind, {}, {}, {}, 0, Pen, Brush, Font, FHasClip, FClip};
    FOps.push_back(Op);
    return FOps.back();
}

QPainter *TRecordingCanvas::Qt_Painter() { return FImpl->Painter.get(); }

TPainterCanvas &TRecordingCanvas::Inner()
{
    TPainterCanvas &C = *FImpl->Canvas;
    C.Pen = Pen;
    C.Brush = Brush;
    C.Font = Font;
    C.MoveTo(FPenPos.X, FPenPos.Y);
    return C;
}

void TRecordingCanvas::LineTo(int X, int Y)
{
    Record(TCanvasOp::LineTo).Rect = TRect(FPenPos.X, FPenPos.Y, X, Y);
    Inner().LineTo(X, Y);
    FPenPos = {X, Y};
}
void TRecordingCanvas::FillRect(const TRect &R) { Record(TCanvasOp::FillRect).Rect = R; Inner().FillRect(R); }
void TRecordingCanvas::FrameRect(const TRect &R) { Record(TCanvasOp::FrameRect).Rect = R; Inner().FrameRect(R); }
void TRecordingCanvas::Rectangle(const TRect &R) { Record(TCanvasOp::Rectangle).Rect = R; Inner().Rectangle(R); }
void TRecordingCanvas::RoundRect(const TRect &R, int EllipseW, int EllipseH)
{
    Record(TCanvasOp::RoundRect).Rect = R;
    Inner().RoundRect(R, EllipseW, EllipseH);
}
void TRecordingCanvas::Ellipse(const TRect &R) { Record(TCanvasOp::Ellipse).Rect = R; Inner().Ellipse(R); }
void TRecordingCanvas::Polygon(const QVector<TPoint> &Points)
{
    Record(TCanvasOp::Polygon).Points = Points;
    Inner().Polygon(Points);
}
void TRecordingCanvas::Polyline(const QVector<TPoint> &Points)
{
    Record(TCanvasOp::Polyline).Points = Points;
    Inner().Polyline(Points);
    if (!Points.isEmpty())
        FPenPos = Points.back();
}
void TRecordingCanvas::SetPixel(int X, int Y, TColor Color)
{
    TCanvasOp &Op = Record(TCanvasOp::SetPixel);
    Op.Rect = TRect(X, Y, X + 1, Y + 1);
    Op.Format = static_cast<unsigned>(Color);
    Inner().SetPixel(X, Y, Color);
}
void TRecordingCanvas::TextOut(int X, int Y, const QString &Text)
{
    TCanvasOp &Op = Record(TCanvasOp::TextOut);
    Op.Rect = TRect(X, Y, X + TextWidth(Text), Y + TextHeight(Text));
    Op.Text = Text;
    Inner().TextOut(X, Y, Text);
    FPenPos = {X + TextWidth(Text), Y};
}
void TRecordingCanvas::TextRect(const TRect &R, int X, int Y, const QString &Text)
{
    TCanvasOp &Op = Record(TCanvasOp::TextRect);
    Op.Rect = R;
    Op.Points = {TPoint(X, Y)};
    Op.Text = Text;
    Inner().TextRect(R, X, Y, Text);
}
int TRecordingCanvas::DrawText(TRect &R, const QString &Text, unsigned Format)
{
    TCanvasOp &Op = Record(TCanvasOp::DrawText);
    Op.Rect = R;
    Op.Text = Text;
    Op.Format = Format;
    return Inner().DrawText(R, Text, Format);
}
void TRecordingCanvas::Draw(int X, int Y, const QImage &Image)
{
    Record(TCanvasOp::Draw).Rect = TRect(X, Y, X + Image.width(), Y + Image.height());
    Inner().Draw(X, Y, Image);
}
void TRecordingCanvas::StretchDraw(const TRect &R, const QImage &Image)
{
    Record(TCanvasOp::StretchDraw).Rect = R;
    Inner().StretchDraw(R, Image);
}
void TRecordingCanvas::Set_Clip_Rect(const TRect &R)
{
    FHasClip = true;
    FClip = R;
    Record(TCanvasOp::SetClip).Rect = R;
    Inner().Set_Clip_Rect(R);
}
void TRecordingCanvas::Clear_Clip()
{
    FHasClip = false;
    FClip = TRect();
    Record(TCanvasOp::ClearClip);
    Inner().Clear_Clip();
}
