#include "dropdowns/DropDownButton.h"
#include "grid/base/GridStyle.h"
#include "platform/ThemedParts.h"
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
TThemeState Theme_State(const TDropDownButtonLook &L)
{
    if (!L.Enabled)
        return tsDisabled;
    if (L.Pressed)
        return tsPressed;
    return L.Hot ? tsHot : tsNormal;
}

void Arrow(QPainter &P, TColor C)
{
    P.setPen(To_QColor(C));
    P.setBrush(To_QColor(C));
    P.drawPolygon(Drop_Arrow, 3);
}

void Glyph_And_Caption(QPainter &P, const TDropDownButtonLook &L, QRect R, bool Themed_Layout)
{
    const QPoint Shift = L.Pressed ? QPoint(1, 1) : QPoint(0, 0);
    int Glyph_W = 0;
    if (!L.Glyph.isNull()) {
        QRect G = R.adjusted(2, 2, -2, -2);
        Glyph_W = L.Glyph.width();
        int X = G.left();
        if (L.Caption.isEmpty() && L.Glyph.width() <= G.width())
            X = G.left() + (G.width() - L.Glyph.width()) / 2;
        int Y = G.top();
        if (L.Glyph.height() <= G.height())
            Y = G.top() + (G.height() - L.Glyph.height()) / 2;
        P.drawImage(QPoint(X, Y) + Shift, L.Glyph);
    }
    if (L.Caption.isEmpty())
        return;
    P.setPen(To_QColor(L.Enabled ? clBtnText : clGrayText));
    if (L.Glyph.isNull() || !Themed_Layout)
        P.drawText(R.adjusted(3, 1, -3, -1).translated(Shift), Qt::AlignCenter, L.Caption);
    else
        P.drawText(R.adjusted(Glyph_W + 2, -1, 0, -1), Qt::AlignLeft | Qt::AlignVCenter, L.Caption);
}
} // namespace

void Paint_DropDown_Button(QPainter &P, const QWidget *W, const TDropDownButtonLook &L)
{
    const QRect R(QPoint(0, 0), L.Size);
    const int Wd = L.Size.width(), Ht = L.Size.height();
    if (L.Style == bsDropDown) {
        if (L.ButtonColor == clNone) {
            if (!L.Glyph.isNull()) {
                P.setBrush(To_QColor(clBtnFace));
                P.setPen(To_QColor(0x808080));
                P.drawRect(R.adjusted(0, 0, -1, -1));
                P.drawImage(QPoint(0, 0), L.Glyph);
                return;
            }
            if (L.Themed) {
                const QRect T = IsVistaOrLater() ? R.translated(1, 0) : R.adjusted(-1, -1, 1, 1).translated(2, 0);
                Draw_Theme_Part(P, W, tpComboDropDown, Theme_State(L), T);
                return;
            }
            Draw_Frame_Control(P, W, fcPushButton, R, L.Pressed ? DFCS_PUSHED : 0);
            P.setPen(To_QColor(clBtnFace));
            P.drawPolyline(QPolygon{QPoint(Wd - 2, 0), QPoint(0, 0), QPoint(0, Ht - 1)});
            P.setPen(To_QColor(clWhite));
            P.drawPolyline(QPolygon{QPoint(Wd - 3, 1), QPoint(1, 1), QPoint(1, Ht - 2)});
            Arrow(P, clBlack);
            return;
        }
        const TColor Face = L.Pressed ? L.ButtonColorDown : L.Hot ? L.ButtonColorHot : L.ButtonColor;
        P.fillRect(R, To_QColor(Face));
        if (L.EditBorderColor != clNone) {
            P.setPen(To_QColor(L.EditBorderColor));
            P.drawLine(0, 0, 0, Ht - 1);
        }
        Arrow(P, L.Pressed ? L.TextColorDown : L.Hot ? L.TextColorHot : L.TextColor);
        return;
    }
    if (L.Themed) {
        Draw_Theme_Part(P, W, tpPushButton, Theme_State(L), QRect(0, 0, Wd + 1, Ht + 1));
        Glyph_And_Caption(P, L, R, true);
        return;
    }
    if (L.Flat) {
        P.fillRect(R, To_QColor(clBtnFace));
        QRect E = R;
        Draw_Edge(P, E, L.Etched ? (BDR_SUNKENOUTER | BDR_RAISEDINNER) : (BDR_RAISEDOUTER | BDR_RAISEDINNER));
        Glyph_And_Caption(P, L, R.adjusted(1, 1, -1, -1), false);
        return;
    }
    Draw_Frame_Control(P, W, fcPushButton, R, L.Pressed ? DFCS_PUSHED : 0);
    Glyph_And_Caption(P, L, R, false);
}

// --- speed button ---------------------------------------------------------------------------------

VOdeDropDownSpeedButton::VOdeDropDownSpeedButton(TDropDownEditButton *Owner) : QWidget(Owner), FOwner(Owner)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void VOdeDropDownSpeedButton::Set_Etched(bool V)
{
    if (V == FEtched)
        return;
    FEtched = V;
    update();
}

void VOdeDropDownSpeedButton::Set_Focused(bool V)
{
    if (V == FFocused)
        return;
    FFocused = V;
    update();
}

void VOdeDropDownSpeedButton::Set_ButtonStyle(TButtonStyle V)
{
    FButtonStyle = V;
    update();
}

void VOdeDropDownSpeedButton::Set_Flat(bool V)
{
    if (V == FFlat)
        return;
    FFlat = V;
    update();
}

void VOdeDropDownSpeedButton::SetUp()
{
    FUp = true;
    update();
}

TDropDownButtonLook VOdeDropDownSpeedButton::Make_Look() const
{
    TDropDownButtonLook L;
    L.Style = FButtonStyle;
    L.Size = size();
    L.Themed = Themes_Available();
    const IDropDownButtonOwner *Edit = FOwner->Edit();
    L.Enabled = FOwner->isEnabled() && (!Edit || Edit->Button_Usable());
    L.Pressed = FDown && !FUp;
    L.Hot = FHot;
    L.Flat = FFlat;
    L.Etched = FEtched;
    L.Glyph = Glyph;
    L.Caption = Caption;
    L.ButtonColor = FOwner->ButtonColor;
    L.ButtonColorHot = FOwner->ButtonColorHot;
    L.ButtonColorDown = FOwner->ButtonColorDown;
    L.TextColor = FOwner->ButtonTextColor;
    L.TextColorHot = FOwner->ButtonTextColorHot;
    L.TextColorDown = FOwner->ButtonTextColorDown;
    L.EditBorderColor = Edit ? Edit->Button_Border_Color() : clNone;
    return L;
}

void VOdeDropDownSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    Paint_DropDown_Button(P, this, Make_Look());
}

void VOdeDropDownSpeedButton::enterEvent(QEnterEvent *)
{
    FHot = true;
    update();
}

void VOdeDropDownSpeedButton::leaveEvent(QEvent *)
{
    FHot = false;
    update();
}

void VOdeDropDownSpeedButton::mousePressEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    FDown = true;
    update();
}

void VOdeDropDownSpeedButton::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    FDown = false;
    update();
    // The speed button's own click does nothing; the release is the container's click.
    FOwner->Click();
}

// --- container ---------------------------------------------------------------------------------------

TDropDownEditButton::TDropDownEditButton(QWidget *Parent, IDropDownButtonOwner *Edit)
    : QWidget(Parent), FButton(new VOdeDropDownSpeedButton(this)), FEdit(Edit)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    resize(16, 25);
    FButton->setGeometry(0, 0, FBWidth, height());
}

void TDropDownEditButton::Set_BWidth(int V)
{
    if (V == FBWidth)
        return;
    FBWidth = V;
    resize(FBWidth, height());
}

void TDropDownEditButton::Set_Glyph(const QImage &G)
{
    FButton->Glyph = G;
    FButton->update();
}

void TDropDownEditButton::Set_ButtonCaption(const QString &C)
{
    FButton->Caption = C;
    FButton->update();
}

void TDropDownEditButton::Click()
{
    if (OnClick)
        OnClick();
}

void TDropDownEditButton::resizeEvent(QResizeEvent *E)
{
    QWidget::resizeEvent(E);
    // Whatever width the bounds ask for, the container keeps its own.
    if (width() != FBWidth) {
        resize(FBWidth, height());
        return;
    }
    FButton->setGeometry(0, 0, FBWidth, height());
}

void TDropDownEditButton::changeEvent(QEvent *E)
{
    QWidget::changeEvent(E);
    if (E->type() == QEvent::EnabledChange)
        FButton->update();
}
