// The focus frame around an edited cell (a window of its own above the grid)
// and the background of the grid's empty area.
#include "grid/base/DrawRoutines.h"
#include "grid/base/GridAuxWindows.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Translucency.h"
#include <QPointer>
#include <QRegion>

namespace {
// The grid whose frame shows: one at a time in the whole program.
QPointer<RIraRevadiVizo> &Frame_Grid()
{
    static QPointer<RIraRevadiVizo> Grid;
    return Grid;
}

// The frame: a band of this width around the cell, in this colour and opacity.
constexpr int Frame_Band = 4;
constexpr TColor Frame_Color = 0xFDD397;
constexpr int Frame_Opacity = 230;
} // namespace

RIraRevadiVizo *RIraRevadiVizo::Focus_Window_Grid() { return Frame_Grid().data(); }

void RIraRevadiVizo::SetLayeredMask(QWidget *Wnd, const TGridAlphaMask &Mask)
{
    if (Mask.Image.height() == 0)
        return;
    if (auto *Overlay = qobject_cast<TTranslucentOverlay *>(Wnd))
        Overlay->Set_Image(Mask.Image, Mask.Opacity);
    else if (Wnd)
        Wnd->resize(Mask.Image.size());
}

void RIraRevadiVizo::ShowFocusWindow(const TRect &R)
{
    if (!FFocusWindow)
        FFocusWindow = new TGridFocusWindow(this);
    FFocusWindow->hide();
    Frame_Grid() = this;
    const int W = R.Width() + 9, H = R.Height() + 9;
    FFocusWindow->resize(W, H);
    QImage Colour(W, H, QImage::Format_RGB888);
    Colour.fill(To_QColor(Frame_Color));
    TGridAlphaMask Mask;
    if (Translucent_Windows()) {
        // A soft glow: a blurred white rounded band is the alpha of the colour.
        QImage Alpha;
        DrawFocusMask(Alpha, W, H, 4, 5, 3);
        Mask.MergeMask(Alpha, Colour, clNone);
        Mask.Opacity = Frame_Opacity;
    } else {
        // Without a compositor transparent pixels would be black: the frame
        // is the band in plain colour.
        Mask.Assign(Colour);
        Mask.Opacity = 255;
    }
    SetLayeredMask(FFocusWindow, Mask);
    // Only the band around the cell belongs to the window.
    FFocusWindow->setMask(QRegion(0, 0, W, H).xored(QRegion(Frame_Band, Frame_Band, R.Width(), R.Height())));
    const QPoint G = viewport()->mapToGlobal(QPoint(R.Left, R.Top));
    FFocusWindow->move(G - QPoint(Frame_Band, Frame_Band));
    FFocusWindow->show();
}

void RIraRevadiVizo::MoveFocusWindow()
{
    if (!FFocusWindow)
        return;
    const TRect R = CellRect(Col(), Row());
    // A cell out of view shows no frame (it comes back with the cell); a cell
    // of another size gets a frame drawn for it.
    if (R.Is_Empty()) {
        FFocusWindow->hide();
        return;
    }
    if (FFocusWindow->isHidden() || FFocusWindow->size() != QSize(R.Width() + 9, R.Height() + 9)) {
        ShowFocusWindow(R);
        return;
    }
    const QPoint G = viewport()->mapToGlobal(QPoint(R.Left, R.Top));
    FFocusWindow->move(G.x() - Frame_Band, G.y() - Frame_Band);
    FFocusWindow->update();
}

void RIraRevadiVizo::HideFocusWindow()
{
    if (Frame_Grid() == this)
        Frame_Grid() = nullptr;
    if (FFocusWindow)
        FFocusWindow->hide();
}

// --- the empty area --------------------------------------------------------------------------------

void RIraRevadiVizo::PaintEmptyArea()
{
    TBaseGrid::PaintEmptyArea();
    if (TopRow() + VisibleRowCount() < RowCount() && LeftCol() + VisibleColCount() < ColCount())
        return;
    const bool Gradient = FBackGround.Display == bdGradientHorz || FBackGround.Display == bdGradientVert;
    if (Gradient && FBackGround.ColorTo == clNone)
        return;
    if (!Gradient && FBackGround.Bitmap.isNull())
        return;
    const int LW = TBaseGrid::GridLineWidth();
    int ClientW = Client_Width();
    int ClientH = Client_Height();
    std::vector<TRect> Strips;
    const int LastC = ColCount() - 1, LastR = RowCount() - 1;
    const TRect RC = CellRect(LastC, TopRow());
    if (!RC.Is_Empty() && RC.Right + LW < ClientW)
        Strips.push_back(TRect(RC.Right + LW, 0, ClientW, ClientH));
    const TRect RR = CellRect(LeftCol(), LastR);
    if (!RR.Is_Empty() && RR.Bottom + LW < ClientH)
        Strips.push_back(TRect(0, RR.Bottom + LW, ClientW, ClientH));
    if (Strips.empty())
        return;
    const TRect Client(0, 0, ClientW, ClientH);
    TCanvas &C = Canvas();
    for (const TRect &S : Strips) {
        C.Set_Clip_Rect(Mirror_Rect(S));
        if (FBackGround.Bitmap.isNull()) {
            DrawGradient(C, FBackGround.Color, FBackGround.ColorTo, 128, Client, FBackGround.Display == bdGradientHorz);
        } else if (FBackGround.Display != bdTile) {
            C.Draw(FBackGround.Left, FBackGround.Top, FBackGround.Bitmap);
        } else if (FBackGround.Cells != bcFixed) {
            int X0 = 0, Y0 = 0;
            if (FBackGround.Cells == bcNormal) {
                X0 = FixedColsWidth() + FXYOffset.X;
                Y0 = FixedRowsHeight() + FXYOffset.Y;
            }
            const int BW = FBackGround.Bitmap.width(), BH = FBackGround.Bitmap.height();
            for (int Y = Y0; Y < ClientH; Y += BH)
                for (int X = X0; X < ClientW; X += BW)
                    C.Draw(X, Y, FBackGround.Bitmap);
        }
        C.Clear_Clip();
    }
}
