#include "grid/base/EditBtn.h"
#include "grid/base/GridButtons.h"
#include "platform/ThemedParts.h"
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

// --- VOdeSpeedButton ---------------------------------------------------------------------

VOdeSpeedButton::VOdeSpeedButton(QWidget *Parent) : QWidget(Parent) { setAttribute(Qt::WA_Hover); }

void VOdeSpeedButton::Set_IsWinXP(bool V)
{
    FIsWinXP = V;
    update();
}

void VOdeSpeedButton::Set_Flat(bool V)
{
    FFlat = V;
    update();
}

void VOdeSpeedButton::Set_Caption(const QString &V)
{
    FCaption = V;
    update();
}

void VOdeSpeedButton::Set_Glyph(const QImage &V)
{
    FGlyph = V;
    // Drawn transparent: the bottom-left pixel's colour is the see-through
    // colour, as for every glyph of the family; worked out once here.
    FDrawGlyph = Transparent_Glyph(V);
    update();
}

void VOdeSpeedButton::mousePressEvent(QMouseEvent *E)
{
    if (E->button() == Qt::LeftButton && isEnabled()) {
        FPressed = true;
        update();
    }
}

void VOdeSpeedButton::mouseReleaseEvent(QMouseEvent *E)
{
    if (E->button() != Qt::LeftButton)
        return;
    const bool Was = FPressed;
    FPressed = false;
    update();
    if (Was && OnLeftRelease)
        OnLeftRelease(this);
}

void VOdeSpeedButton::enterEvent(QEnterEvent *)
{
    FHot = true;
    update();
}

void VOdeSpeedButton::leaveEvent(QEvent *)
{
    FHot = false;
    update();
}

void VOdeSpeedButton::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    P.setFont(font());
    QRect R = rect();
    auto *Box = qobject_cast<ROruEditButton *>(parentWidget());
    if (Box && Box->ButtonColor != clNone) {
        FFlat = true;
        TColor C = Box->ButtonColor;
        if (FHot && Box->ButtonColorHot != clNone)
            C = Box->ButtonColorHot;
        if (FPressed && Box->ButtonColorDown != clNone)
            C = Box->ButtonColorDown;
        P.fillRect(R, To_QColor(C));
    } else if (FIsWinXP && Themes_Available()) {
        Draw_Theme_Part(P, this, tpPushButton, !isEnabled() ? tsDisabled : FPressed ? tsPressed : FHot ? tsHot : tsNormal, R);
    } else if (FFlat) {
        // Raised while up, sunken while pressed: one edge or the other.
        Draw_Edge(P, R, FPressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, true);
    } else {
        Draw_Frame_Control(P, this, fcPushButton, R, FPressed ? DFCS_PUSHED : 0);
        R.adjust(2, 2, -2, -2);
    }
    if (!FGlyph.isNull()) {
        const int Gw = FNumGlyphs > 1 ? FGlyph.width() / FNumGlyphs : FGlyph.width();
        QPoint At(Gw < width() ? (width() - Gw) >> 1 : 0,
                  FGlyph.height() < height() ? (height() - FGlyph.height()) >> 1 : 0);
        if (FPressed)
            At += QPoint(1, 1);
        P.drawImage(At, FDrawGlyph, QRect(0, 0, Gw, FGlyph.height()));
    }
    if (!FCaption.isEmpty()) {
        QRect T = R;
        if (FPressed)
            T.translate(1, 1);
        P.setPen(Qt::black);
        P.drawText(T, Qt::AlignCenter | Qt::TextSingleLine, FCaption);
    }
}

// --- ROruEditButton -----------------------------------------------------------------------

ROruEditButton::ROruEditButton(QWidget *Parent) : QWidget(Parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    FButton = new VOdeSpeedButton(this);
    FButton->OnLeftRelease = [this](VOdeSpeedButton *) { Released(); };
    resize(20, 25);
    FButton->setGeometry(0, 0, width(), height());
}

void ROruEditButton::resizeEvent(QResizeEvent *)
{
    FButton->setGeometry(0, 0, width(), height());
}

void ROruEditButton::Released()
{
    QPointer<ROruEditButton> Self(this);
    if (OnClick)
        OnClick(this);
    if (!Self)
        return;
    if (FFocusControl && (FFocusControl->focusPolicy() & Qt::TabFocus) && FFocusControl->isEnabled()
        && !FFocusControl->hasFocus())
        FFocusControl->setFocus(Qt::MouseFocusReason);
    else if (!FFocusControl && (focusPolicy() & Qt::TabFocus) && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

// --- ROruEditBtn ---------------------------------------------------------------------------

ROruEditBtn::ROruEditBtn(QWidget *Parent) : TCustomMaskEdit(Parent)
{
    FButton = new ROruEditButton(this);
    FButton->resize(18, 18);
    FButton->Set_FocusControl(this);
    FButton->OnClick = [this](QObject *) { ClickBtn(); };
    FButton->show();
    setText(QStringLiteral("0"));
    Layout_Editor();
}

void ROruEditBtn::Set_RightAlign(bool V)
{
    if (V == FRightAlign)
        return;
    FRightAlign = V;
    setAlignment((V ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void ROruEditBtn::Set_ButtonWidth(int V)
{
    FButtonWidth = V;
    FButton->resize(V, FButton->height());
    Layout_Editor();
}

void ROruEditBtn::Set_IsWinXP(bool V)
{
    FIsWinXP = V;
    FButton->Button()->Set_IsWinXP(V);
}

void ROruEditBtn::Set_Unit_Size(int V)
{
    FUnitSize = V;
    Layout_Editor();
    update();
}

void ROruEditBtn::ClickBtn()
{
    if (OnClickBtn)
        OnClickBtn(this);
}

void ROruEditBtn::KeyDown(TKey &Key, TShiftState Shift)
{
    // The Delete key changes the text as typing does: refused with typing.
    if (Key == VK_DELETE && !FEditorEnabled) {
        Key = 0;
        return;
    }
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt))
        ClickBtn();
}

void ROruEditBtn::KeyPress(QChar &Key)
{
    if (!FEditorEnabled)
        Key = QChar();
}

bool ROruEditBtn::Can_Cut_Paste() const { return FEditorEnabled && !ReadOnly(); }

void ROruEditBtn::DoEnter(bool ByMouse)
{
    if (AutoSelect() && !(ByMouse && (QApplication::mouseButtons() & Qt::LeftButton)))
        selectAll();
}

int ROruEditBtn::Min_Height() const
{
    const int Hf = fontMetrics().height();
    const int Hs = QFontMetrics(QApplication::font()).height();
    return Hf + std::min(Hf, Hs) / 4;
}

QRect ROruEditBtn::Button_Rect() const
{
    const int W = FButton->width();
    if (hasFrame())
        return QRect(width() - W - 2, 2, W, height() - 4);
    return QRect(width() - W, 1, W, height() - 3);
}

QRect ROruEditBtn::Edit_Rect() const
{
    const int Inset = hasFrame() ? 1 : 3;
    int Right = width() - FButton->width() - 5 - FUnitSize;
    if (FUnitSize > 0)
        Right -= 3;
    return QRect(QPoint(Inset, Inset), QPoint(Right, height()));
}

void ROruEditBtn::Layout_Editor()
{
    FButton->setGeometry(Button_Rect());
    Set_Text_Rect(Edit_Rect());
}

void ROruEditBtn::resizeEvent(QResizeEvent *E)
{
    TCustomMaskEdit::resizeEvent(E);
    if (height() < Min_Height()) {
        // The button moves in the pass that follows the raised height.
        resize(width(), Min_Height());
        if (height() < Min_Height())
            Layout_Editor();   // held lower by a layout: place the parts anyway
        return;
    }
    Layout_Editor();
}

// --- ROruUnitEditBtn ------------------------------------------------------------------------

ROruUnitEditBtn::ROruUnitEditBtn(QWidget *Parent) : ROruEditBtn(Parent)
{
    Set_RightAlign(true);
    Set_Unit_Size(20);
}

void ROruUnitEditBtn::Set_UnitID(const QString &V)
{
    FUnitID = V;
    update();
}

void ROruUnitEditBtn::Set_UnitSpace(int V) { Set_Unit_Size(V); }

void ROruUnitEditBtn::Set_TextAndUnit(const QString &V)
{
    for (const QString &U : FUnits) {
        if (U.isEmpty())
            continue;
        const int P = V.indexOf(U);   // the first occurrence must end the text
        if (P >= 0 && P == V.size() - U.size()) {
            setText(V.left(P));
            Set_UnitID(V.mid(P));
            return;
        }
    }
}

void ROruUnitEditBtn::ClickBtn()
{
    QPointer<ROruUnitEditBtn> Self(this);
    ROruEditBtn::ClickBtn();
    if (!Self || FUnits.isEmpty())
        return;
    QMenu Menu(this);
    for (int I = 0; I < FUnits.size(); ++I)
        Menu.addAction(FUnits[I])->setData(I + 1);
    QAction *A = Menu.exec(mapToGlobal(QPoint(width() - 15, height())));
    if (Self && A)
        Choose_Unit(A->data().toInt());
}

void ROruUnitEditBtn::Choose_Unit(int Id)
{
    if (Id < 1 || Id > FUnits.size())
        return;
    const bool Changed = FUnitID != FUnits[Id - 1];
    Set_UnitID(FUnits[Id - 1]);
    if (Changed && OnUnitChanged)
        OnUnitChanged(this, FUnitID);
}

QRect ROruUnitEditBtn::Unit_Rect() const
{
    // Between the text and the button part.
    const int Right = Button_Rect().left() - 3;
    return QRect(Right - Unit_Size(), 2, Unit_Size(), height() - 2);
}

void ROruUnitEditBtn::paintEvent(QPaintEvent *E)
{
    ROruEditBtn::paintEvent(E);
    QPainter P(this);
    P.setFont(font());
    P.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    P.drawText(Unit_Rect(), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FUnitID);
}
