#include "dropdowns/BarButton.h"
#include "dropdowns/BarLayout.h"
#include "dropdowns/DropDownDraw.h"
#include "dropdowns/DropDownEdit.h"
#include "toolkit/ImageList.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void Paint_Bar_Button(TCanvas &Canvas, const VOdeButtonAppearance &Look, const TBarButtonLook &L)
{
    TColor Face = Look.Color(), Second = Look.ColorTo(), Border = Look.BorderColor();
    // The hot, pressed and checked faces are plain: their second colours are kept for the look's users only.
    switch (L.Face) {
    case TBarButtonFace::Disabled:
        Face = Look.ColorDisabled(), Second = Look.ColorDisabledTo(), Border = Look.BorderColorDisabled();
        break;
    case TBarButtonFace::Pressed:
        Face = Second = Look.ColorDown(), Border = Look.BorderColorDown();
        break;
    case TBarButtonFace::Checked:
        Face = Second = Look.ColorChecked(), Border = Look.BorderColorChecked();
        break;
    case TBarButtonFace::Hot:
        Face = Second = Look.ColorHot(), Border = Look.BorderColorHot();
        break;
    case TBarButtonFace::Normal:
        break;
    }
    const TRect R(0, 0, L.Size.width(), L.Size.height());
    DrawBackground(Canvas, R, Face, Second, Look.Gradient(), 1, Border);
    Canvas.Brush.Style = bsClear;
    Canvas.Font = Look.Font();
    DrawImageText(Canvas, R, L.Caption, L.ImageIndex, L.Images);
}

VOdeButton::VOdeButton(QWidget *Parent) : QWidget(Parent)
{
    setGeometry(0, 0, 23, 22);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
}

VOdeCustomDropDown *VOdeButton::DarAzidDropDown() const
{
    return static_cast<VOdeCustomDropDown *>(FDarAzidDropDown.data());
}

void VOdeButton::Set_DarAzidDropDown(VOdeCustomDropDown *V) { FDarAzidDropDown = V; }

void VOdeButton::Set_Appearance(VOdeButtonAppearance *V)
{
    if (FAppearance == V)
        return;
    FAppearance = V;
    update();
}

void VOdeButton::Set_ImageIndex(int V)
{
    if (FImageIndex == V)
        return;
    FImageIndex = V;
    update();
}

void VOdeButton::Set_Caption(const QString &V)
{
    if (FCaption == V)
        return;
    FCaption = V;
    update();
}

void VOdeButton::AutoSizeButton()
{
    QImage Scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter P(&Scratch);
    TPainterCanvas Canvas(P);
    if (FAppearance)
        Canvas.Font = FAppearance->Font();
    const QSize Text = GetTextSize(Canvas, FCaption);
    const QSize Image = FImages && FImageIndex >= 0 ? QSize(FImages->Width(), FImages->Height()) : QSize();
    resize(Bar_Button_Auto_Size(Text, Image));
}

TBarButtonLook VOdeButton::Make_Look() const
{
    TBarButtonLook L;
    L.Size = size();
    L.Caption = FCaption;
    L.ImageIndex = FImageIndex;
    L.Images = FImages;
    if (!isEnabled())
        L.Face = TBarButtonFace::Disabled;
    else if (FMouseDownInControl && FMouseInControl)
        L.Face = TBarButtonFace::Pressed;
    else if (FDown)
        L.Face = TBarButtonFace::Checked;
    else if (FMouseInControl || hasFocus())
        L.Face = TBarButtonFace::Hot;
    return L;
}

void VOdeButton::Update_State_For_Paint()
{
    if (!isEnabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    }
    if (FStyle == tasCheck && FDown)
        FState = absDown;
}

// No background of its own: Qt paints the parent beneath, which is the look
// the button copies under itself.
void VOdeButton::paintEvent(QPaintEvent *)
{
    Update_State_For_Paint();
    if (!FAppearance)
        return;
    QPainter P(this);
    TPainterCanvas Canvas(P);
    Paint_Bar_Button(Canvas, *FAppearance, Make_Look());
}

void VOdeButton::SetDown(bool Value)
{
    if (FGroupIndex == 0 && FStyle == tasButton)
        Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        FState = Value ? absDown : absUp;
        update();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = Value;
    if (Value) {
        FState = absExclusive;
        if (QWidget *Owner = parentWidget())
            for (VOdeButton *B : Owner->findChildren<VOdeButton *>(Qt::FindDirectChildrenOnly))
                if (B != this)
                    B->Button_Pressed(this);
    } else {
        FState = absUp;
    }
    update();
}

void VOdeButton::Button_Pressed(VOdeButton *Sender)
{
    if (Sender->FGroupIndex != FGroupIndex || FGroupIndex == 0)
        return;
    if (Sender->FDown && FDown) {
        FDown = false;
        FState = absUp;
        update();
    }
    FAllowAllUp = Sender->FAllowAllUp;
}

void VOdeButton::Click()
{
    QPointer<VOdeButton> Self(this);
    bool Cancelled = false;
    if (VOdeCustomDropDown *D = DarAzidDropDown(); D && Modal_Result_Closes(FModalResult, Cancelled))
        D->ClosePopup(Cancelled);
    // Closing the popup may have run handlers that freed this button.
    if (Self && OnClick)
        OnClick(this);
}

void VOdeButton::enterEvent(QEnterEvent *)
{
    FMouseInControl = true;
    if (isEnabled())
        update();
    if (OnMouseEnter)
        OnMouseEnter(this);
}

void VOdeButton::leaveEvent(QEvent *)
{
    FMouseInControl = false;
    if (isEnabled())
        update();
    if (OnMouseLeave)
        OnMouseLeave(this);
}

void VOdeButton::mousePressEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton || !isEnabled())
        return;
    FMouseDownInControl = true;
    FMouseInControl = true;
    if (!FDown || FStyle == tasCheck)
        FState = absDown;
    FDragging = true;
    update();
}

void VOdeButton::mouseMoveEvent(QMouseEvent *E)
{
    if (!FDragging)
        return;
    const QPoint At = E->position().toPoint();
    // While the press is tracked Qt sends no enter or leave: the move tells.
    const bool Inside = At.x() >= 0 && At.x() < width() && At.y() >= 0 && At.y() <= height();
    VOdeButtonState New = FDown ? absExclusive : Inside ? absDown : absUp;
    if (FStyle == tasCheck && FDown)
        New = absDown;
    if (New != FState || Inside != FMouseInControl) {
        FState = New;
        FMouseInControl = Inside;
        update();
    }
}

void VOdeButton::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    const bool Was_Tracking = FDragging;
    FMouseDownInControl = false;
    FDragging = false;
    const bool Inside = rect().contains(E->position().toPoint());
    FMouseInControl = Inside;
    if (FGroupIndex != 0) {
        if (Inside)
            SetDown(!FDown);
        else if (FDown)
            FState = absExclusive;
    } else {
        FState = absUp;
        if (FStyle == tasCheck) {
            SetDown(!FDown);
            FState = absUp;
        }
    }
    update();
    if (Was_Tracking && Inside && isEnabled())
        Click();
}

// Enter and Space are a click, OnClick included, so that a bar works from
// the keyboard as it does with the mouse.
void VOdeButton::keyPressEvent(QKeyEvent *E)
{
    const int K = E->key();
    if ((K != Qt::Key_Return && K != Qt::Key_Enter && K != Qt::Key_Space) || E->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(E);
        return;
    }
    E->accept();
    if (!isEnabled())
        return;
    if (!FDown || FStyle == tasCheck)
        FState = absDown;
    update();
    QPointer<VOdeButton> Self(this);
    Click();
    if (Self && !FDown)
        FState = absUp;
}

void VOdeButton::focusInEvent(QFocusEvent *E)
{
    QWidget::focusInEvent(E);
    update();
}

void VOdeButton::focusOutEvent(QFocusEvent *E)
{
    QWidget::focusOutEvent(E);
    update();
}

void VOdeButton::changeEvent(QEvent *E)
{
    QWidget::changeEvent(E);
    if (E->type() == QEvent::EnabledChange)
        update();
}
