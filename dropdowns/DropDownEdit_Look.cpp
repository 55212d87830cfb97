// The drop-down edit's look: the highlighted value of a pick-only edit, the
// border over the platform's frame, the hot state, and the colour presets of
// the selection and component styles (the tables are in DropDownStyles).
#include "dropdowns/DropDownEdit.h"
#include "grid/base/DrawRoutines.h"
#include "toolkit/Canvas.h"
#include <QPainter>

// --- border settings -------------------------------------------------------------------------

void VOdeCustomDropDown::Set_BorderColor(TColor V)
{
    if (V == FBorderColor)
        return;
    FBorderColor = V;
    update();
    FButton->Button()->update();
}

void VOdeCustomDropDown::Set_FocusBorderColor(TColor V)
{
    if (V == FFocusBorderColor)
        return;
    FFocusBorderColor = V;
    update();
}

void VOdeCustomDropDown::Set_DisabledBorder(bool V)
{
    if (V == FDisabledBorder)
        return;
    FDisabledBorder = V;
    update();
}

// --- painting ---------------------------------------------------------------------------------

TBorderState VOdeCustomDropDown::Border_State() const
{
    TBorderState S;
    S.Enabled = isEnabled();
    S.DisabledBorder = FDisabledBorder;
    S.Flat = FFlat;
    S.Focused = hasFocus();
    S.Hot = Hot();
    S.BorderColor = FBorderColor;
    S.FocusBorderColor = FFocusBorderColor;
    const QWidget *P = parentWidget();
    S.ParentColor = P ? From_QColor(P->palette().color(P->backgroundRole())) : clBtnFace;
    return S;
}

void VOdeCustomDropDown::paintEvent(QPaintEvent *E)
{
    TCustomMaskEdit::paintEvent(E);
    QPainter P(this);
    PaintEditArea(P);
    PaintControlBorder(P);
}

void VOdeCustomDropDown::PaintEditArea(QPainter &P)
{
    if (FEditorEnabled || !hasFocus() || !FFocusDraw)
        return;
    // From (2, 2) to the button, less two pixels at the bottom; the pen
    // draws inside it.
    QRect R;
    R.setCoords(2, 2, width() - FButtonWidth - 1 - 1, height() - 2 - 1);
    if (!R.isValid())
        return;
    P.save();
    P.setPen(QPen(Qt::black, 1));
    P.setBrush(To_QColor(clHighlight));
    P.drawRect(R.adjusted(0, 0, -1, -1));
    P.setFont(font());
    P.setPen(To_QColor(clHighlightText));
    P.drawText(R.adjusted(2, 0, -3, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    P.restore();
}

void VOdeCustomDropDown::PaintControlBorder(QPainter &P)
{
    const TBorderState S = Border_State();
    if (Border_Wanted(S))
        DrawControlBorder(P);
    // The drop-down button shows its focused look while the edit is hot.
    FButton->Button()->Set_Focused(S.Hot);
}

void VOdeCustomDropDown::DrawControlBorder(QPainter &P)
{
    const TBorderPlan Plan = Control_Border_Plan(Border_State());
    if (Plan.Kind == bkNone)
        return;
    TPainterCanvas C(P);
    TRect R(0, 0, width(), height());
    auto Frame = [&C, &R](TColor Color) {
        C.Brush.Color = Color;
        C.Brush.Style = bsSolid;
        C.FrameRect(R);
        R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
    };
    switch (Plan.Kind) {
    case bkFrame: Frame(Plan.Color); break;
    case bkFlatHot: {
        // A sunken outer edge: shadow above and left, highlight below and right.
        C.Pen.Color = clBtnShadow;
        C.MoveTo(R.Left, R.Bottom - 1);
        C.LineTo(R.Left, R.Top);
        C.LineTo(R.Right, R.Top);
        C.Pen.Color = clBtnHighlight;
        C.MoveTo(R.Left, R.Bottom - 1);
        C.LineTo(R.Right - 1, R.Bottom - 1);
        C.LineTo(R.Right - 1, R.Top - 1);
        R = TRect(R.Left + 1, R.Top + 1, R.Right - 1, R.Bottom - 1);
        Frame(Plan.Color);
        break;
    }
    case bkFlatCold:
        Frame(Plan.Color);
        Frame(Plan.Color);
        break;
    case bkNone: break;
    }
}

void VOdeCustomDropDown::enterEvent(QEnterEvent *E)
{
    TCustomMaskEdit::enterEvent(E);
    if (!isEnabled())
        return;
    FMouseInControl = true;
    update();
}

void VOdeCustomDropDown::leaveEvent(QEvent *E)
{
    TCustomMaskEdit::leaveEvent(E);
    if (!isEnabled())
        return;
    FMouseInControl = false;
    update();
}

// --- selection colours and styles ----------------------------------------------------------------

void VOdeCustomDropDown::Set_SelectionColorStyle(TSelectionColorStyle V)
{
    FSelectionColorStyle = V;
    if (const auto Pair = Selection_Style_Colors(V)) {
        FSelectionColor = Pair->Color;
        FSelectionColorTo = Pair->ColorTo;
    }
}

void VOdeCustomDropDown::DrawSelection(TCanvas &Canvas, const QRect &Q, int Kind) const
{
    const TRect R(Q.left(), Q.top(), Q.right() + 1, Q.bottom() + 1);
    if (FSelectionColorStyle == scCustom) {
        Canvas.Brush.Color = FSelectionColor;
        Canvas.Brush.Style = bsSolid;
        Canvas.Pen.Color = FSelectionColor;
        Canvas.Rectangle(R);
        return;
    }
    const auto F = Selection_Frame_Colors(FSelectionColorStyle);
    DrawSegmentFrame(Canvas, FSelectionColor, FSelectionColorTo, F[4], F[5], F[3], F[2], F[1], F[0], clNone, R,
                     Kind);
}

void VOdeCustomDropDown::SetComponentStyle(TQelStyle AStyle)
{
    FStyle = AStyle;
    const auto C = DropDown_Style_Colors(AStyle);
    if (!C)
        return;
    FDropDownColor = C->DropDownColor;
    FDropDownColorTo = C->DropDownColorTo;
    if (C->DropDownBorderColor)
        FDropDownBorderColor = *C->DropDownBorderColor;
    Apply_Bar_Style(FHeader, C->Header);
    Apply_Bar_Style(FFooter, C->Footer);
}

void VOdeCustomDropDown::SetColorTones(const TColorTones &ATones)
{
    FTones = ATones;
    FButton->ButtonColor = ATones.Background.BrushColor;
    FButton->ButtonColorHot = ATones.Hover.BrushColor;
    FButton->ButtonColorDown = ATones.Selected.BrushColor;
    FButton->ButtonBorderColor = ATones.Background.BorderColor;
    Set_BorderColor(ATones.Background.BorderColor);
}
