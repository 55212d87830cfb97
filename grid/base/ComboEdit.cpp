#include "grid/base/ComboEdit.h"
#include "platform/SystemInfo.h"
#include "platform/ThemedParts.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionComboBox>

QPoint Combo_Label_Pos(TLabelPosition Pos, const QRect &C, const QSize &Lb, int TW, int M)
{
    return Place_Label(Pos, C, Lb, TW, M);
}

TComboBorderLook Own_Border_Look(bool Focus_Look, bool Themed_Disabled, TColor Border_Color,
                                 TColor Focus_Border_Color, bool Has_Focus)
{
    TComboBorderLook L;
    L.FocusLook = Focus_Look;
    if (Themed_Disabled) {
        L.Draw = true;
        L.Frame = 0xB99D7F;
        return L;
    }
    TColor K = Border_Color;
    if (K == clNone || (Has_Focus && Focus_Border_Color != clNone)) {
        K = Focus_Border_Color;
        if (K == clNone) {
            L.Draw = true;
            L.ThreeD = true;
            return L;
        }
        if (!Has_Focus)
            return L;
    }
    L.Draw = true;
    L.Frame = K;
    return L;
}

QRect Drop_Button_Rect(const QSize &Size, int Button_Width)
{
    return QRect(QPoint(Size.width() - Button_Width + 2, 0), QPoint(Size.width() - 1, Size.height() - 1))
        .adjusted(1, 1, -1, -1);
}

bool Track_Button_Hover(bool &Hover, int X, int Width, int Button_Width)
{
    const bool Now = Width - Button_Width < X && X < Width;
    if (Now == Hover)
        return false;
    Hover = Now;
    return true;
}

ROruCustomCombo::ROruCustomCombo(QWidget *Parent)
    : QComboBox(Parent), FButtonWidth(System_Info().VScroll_Width + 2), FIsThemed(System_Info().ComCtl_Major > 5)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    FLabelFont = font();
    setMaxVisibleItems(8);
    Set_Style(csDropDown);
    Apply_Color(FColor);
    Init();
}

ROruCustomCombo::~ROruCustomCombo()
{
    FDestroying = true;
    delete FLabel.data();
}

bool ROruCustomCombo::Themed() const { return FIsThemed && System_Info().Theme_Active; }

bool ROruCustomCombo::Hot() const { return FMouseInControl || hasFocus() || (lineEdit() && lineEdit()->hasFocus()); }

void ROruCustomCombo::Set_Style(TComboBoxStyle V)
{
    FStyle = V;
    setEditable(V == csDropDown || V == csSimple);
    update();
}

void ROruCustomCombo::Set_Flat(bool V)
{
    if (V == FFlat)
        return;
    FFlat = V;
    FCtl3D = !V;
    if (FFlatParentColor && V && parentWidget())
        Set_Color(From_QColor(parentWidget()->palette().color(QPalette::Window)));
    else
        Set_Color(FLoadedColor);
    update();
}

void ROruCustomCombo::Set_Etched(bool V)
{
    FEtched = V;
    update();
}

void ROruCustomCombo::Set_ButtonWidth(int V)
{
    if (V < 14 || V > 32)
        return;
    FButtonWidth = V;
    update();
}

void ROruCustomCombo::Set_FocusBorder(bool V)
{
    FFocusBorder = V;
    update();
}

void ROruCustomCombo::Set_DropWidth(int V)
{
    FDropWidth = V;
    if (V > 0)
        view()->setMinimumWidth(V);
}

void ROruCustomCombo::Set_IsWinXP(bool V)
{
    FIsWinXP = V;
    update();
}

void ROruCustomCombo::Set_IsVista(bool V)
{
    FIsVista = V;
    update();
}

void ROruCustomCombo::Set_FlatLineColor(TColor V)
{
    FFlatLineColor = V;
    update();
}

void ROruCustomCombo::Set_FlatParentColor(bool V)
{
    FFlatParentColor = V;
    update();
}

void ROruCustomCombo::Set_FocusBorderColor(TColor V)
{
    FFocusBorderColor = V;
    update();
}

void ROruCustomCombo::Set_BorderColor(TColor V)
{
    if (V == FBorderColor)
        return;
    FBorderColor = V;
    update();
}

void ROruCustomCombo::Set_DisabledBorder(bool V)
{
    FDisabledBorder = V;
    update();
}

void ROruCustomCombo::Apply_Color(TColor V)
{
    FColor = V;
    QPalette P = palette();
    const QColor Q = To_QColor(V);
    P.setColor(QPalette::Base, Q);
    P.setColor(QPalette::Button, Q);
    setPalette(P);
    if (lineEdit()) {
        QPalette LP = lineEdit()->palette();
        LP.setColor(QPalette::Base, Q);
        lineEdit()->setPalette(LP);
    }
    update();
}

void ROruCustomCombo::Set_Color(TColor V)
{
    if (FLoading)
        FLoadedColor = V;
    FParentColor = false;
    // Without streaming, the colour the owner sets while the combo is not
    // focused is the one to come back to after a focus change.
    if (!FHasFocus)
        FNormalColor = V;
    Apply_Color(V);
}

void ROruCustomCombo::Set_ParentColor(bool V)
{
    FParentColor = V;
    if (V && parentWidget())
        Apply_Color(From_QColor(parentWidget()->palette().color(QPalette::Window)));
}

void ROruCustomCombo::Set_Enabled(bool V)
{
    const bool Changed = V != isEnabled();
    setEnabled(V);
    if (!FLoading && Changed && FLabel) {
        if (!FLabelAlwaysEnabled)
            FLabel->setEnabled(V);
        Place_Label();
    }
}

void ROruCustomCombo::Set_Visible(bool V)
{
    setVisible(V);
    if (FLabel)
        FLabel->setVisible(V);
}

void ROruCustomCombo::Set_ParentFont(bool V)
{
    FParentFont = V;
    if (FLabel)
        Place_Label();
}

void ROruCustomCombo::Set_LabelCaption(const QString &V)
{
    if (!FLabel) {
        FLabel = new QLabel(parentWidget());
        FLabel->setBuddy(this);
        FLabel->setFont(FParentFont ? font() : FLabelFont);
    }
    FLabel->setText(V);
    FLabel->adjustSize();
    Place_Label();
}

void ROruCustomCombo::Set_LabelPosition(TLabelPosition V)
{
    FLabelPosition = V;
    Place_Label();
}

void ROruCustomCombo::Set_LabelMargin(int V)
{
    FLabelMargin = V;
    Place_Label();
}

void ROruCustomCombo::Set_LabelTransparent(bool V)
{
    FLabelTransparent = V;
    Place_Label();
}

void ROruCustomCombo::Set_LabelAlwaysEnabled(bool V)
{
    FLabelAlwaysEnabled = V;
    Place_Label();
}

void ROruCustomCombo::Set_LabelFont(const QFont &V)
{
    FLabelFont = V;
    if (FLabel && !FParentFont)
        FLabel->setFont(V);
    Place_Label();
}

void ROruCustomCombo::Place_Label()
{
    if (!FLabel || FDestroying)
        return;
    FLabel->setAutoFillBackground(!FLabelTransparent);
    if (!FParentFont)
        FLabel->setFont(FLabelFont);
    FLabel->adjustSize();
    const int TW = FLabel->fontMetrics().boundingRect(QRect(0, 0, 1000, 255), Qt::TextHideMnemonic, FLabel->text()).width();
    FLabel->move(Combo_Label_Pos(FLabelPosition, geometry(), FLabel->size(), TW, FLabelMargin));
    FLabel->setVisible(!isHidden());
}

void ROruCustomCombo::Label_Bold(bool On)
{
    if (!FLabel)
        return;
    QFont F = FLabel->font();
    F.setBold(On);
    FLabel->setFont(F);
    FLabel->adjustSize();
}

void ROruCustomCombo::Init() { FNormalColor = FColor; }

void ROruCustomCombo::Loaded()
{
    FLoading = false;
    if (FDropWidth > 0)
        Set_DropWidth(FDropWidth);
    FOldColor = FLoadedColor;
    if (!(FFlatParentColor && !FFlat))
        Apply_Color(FLoadedColor);
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->setEnabled(isEnabled());
    if (FLabel && FParentFont)
        FLabel->setFont(font());
    Place_Label();
    Init();
}

void ROruCustomCombo::SelectItem(const QString &S)
{
    const int I = findText(S, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (I >= 0)
        setCurrentIndex(I);
}

void ROruCustomCombo::SetBounds(int L, int T, int W, int H)
{
    setGeometry(L, T, W, H);
    Place_Label();
}

void ROruCustomCombo::moveEvent(QMoveEvent *E)
{
    QComboBox::moveEvent(E);
    Place_Label();
}

void ROruCustomCombo::resizeEvent(QResizeEvent *E)
{
    QComboBox::resizeEvent(E);
    Place_Label();
}

// --- focus, mouse, list ------------------------------------------------------------------

void ROruCustomCombo::focusInEvent(QFocusEvent *E)
{
    QComboBox::focusInEvent(E);
    FHasFocus = true;
    if (FFocusColor != clNone)
        Apply_Color(FFocusColor);
    if (FFocusLabel)
        Label_Bold(true);
    update();
}

void ROruCustomCombo::focusOutEvent(QFocusEvent *E)
{
    QComboBox::focusOutEvent(E);
    FHasFocus = false;
    if (FFocusColor != clNone && FNormalColor != clNone)
        Apply_Color(FNormalColor);
    Label_Bold(false);
    update();
}

void ROruCustomCombo::enterEvent(QEnterEvent *E)
{
    QComboBox::enterEvent(E);
    if (FMouseInControl || !isEnabled())
        return;
    FMouseInControl = true;
    if (FAutoFocus && (!window() || window()->isActiveWindow() || window() == this))
        setFocus(Qt::MouseFocusReason);
    update();
}

void ROruCustomCombo::leaveEvent(QEvent *E)
{
    QComboBox::leaveEvent(E);
    if (FMouseInControl && isEnabled())
        FMouseInControl = false;
    FButtonHover = false;
    update();
}

void ROruCustomCombo::mouseMoveEvent(QMouseEvent *E)
{
    QComboBox::mouseMoveEvent(E);
    if (Track_Button_Hover(FButtonHover, static_cast<int>(E->position().x()), width(), FButtonWidth))
        update();
}

void ROruCustomCombo::changeEvent(QEvent *E)
{
    if (E->type() == QEvent::EnabledChange && FFlat && !FLoading) {
        // A disabled flat combo takes its parent's colour; enabling restores it.
        if (!isEnabled()) {
            FOldParentColor = FParentColor;
            FOldColor = FColor;
            Set_ParentColor(true);
        } else {
            FParentColor = FOldParentColor;
            Apply_Color(FOldColor);
        }
    }
    if (E->type() == QEvent::FontChange && FLabel && FParentFont) {
        FLabel->setFont(font());
        Place_Label();
    }
    QComboBox::changeEvent(E);
}

void ROruCustomCombo::showPopup()
{
    if (OnDropDown)
        OnDropDown(this);
    FDroppedDown = true;
    QComboBox::showPopup();
    update(Button_Rect());
}

void ROruCustomCombo::hidePopup()
{
    const bool Was = FDroppedDown;
    FDroppedDown = false;
    QComboBox::hidePopup();
    update(Button_Rect());
    if (Was && OnDropUp)
        OnDropUp(this);
}

// --- painting -------------------------------------------------------------------------------

bool ROruCustomCombo::Uses_Own_Painting() const
{
    if (FIsVista && ButtonColor == clNone)
        return false;
    return FFlat || ButtonColor != clNone || FBorderColor != clNone || (FFocusBorderColor != clNone && FHasFocus)
           || (!isEnabled() && Themed() && !FDisabledBorder);
}

TComboBorderLook ROruCustomCombo::Border_Look() const
{
    if ((isEnabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone)
        || (FIsVista && FBorderColor == clNone))
        return TComboBorderLook();
    return Own_Border_Look(Hot() && FFocusBorder, !isEnabled() && FIsThemed && !FDisabledBorder, FBorderColor,
                           FFocusBorderColor, FHasFocus);
}

QRect ROruCustomCombo::Button_Rect() const
{
    return Drop_Button_Rect(size(), FButtonWidth);
}

void ROruCustomCombo::Paint_Button(QPainter &P)
{
    QRect R = Button_Rect();
    const bool MouseDown = QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
    if (ButtonColor == clNone && Themed()) {
        TThemeState S = tsHot;
        if (!isEnabled())
            S = tsDisabled;
        else if (MouseDown && FDroppedDown)
            S = tsPressed;
        else if (MouseDown || !FButtonHover || FDroppedDown)
            S = tsNormal;
        Draw_Theme_Part(P, this, tpComboDropDown, S, R);
    } else if (ButtonColor == clNone) {
        R.adjust(-4, 1, 0, -1);
        Draw_Frame_Control(P, this, fcComboButton, R, isEnabled() ? DFCS_FLAT : DFCS_INACTIVE);
    } else {
        TColor C = ButtonColor;
        if (FButtonHover && ButtonColorHot != clNone)
            C = ButtonColorHot;
        if (FButtonHover && MouseDown && ButtonColorDown != clNone)
            C = ButtonColorDown;
        R = R.adjusted(-1, 1, -1, -1);
        P.fillRect(R, To_QColor(C));
        if (ButtonBorderColor != clNone) {
            P.setPen(To_QColor(ButtonBorderColor));
            P.drawLine(R.topLeft(), R.bottomLeft());
        }
        TColor T = MouseDown && ButtonTextColorDown != clNone ? ButtonTextColorDown : ButtonTextColor;
        if (T == clNone)
            T = clBlack;
        P.setPen(Qt::NoPen);
        P.setBrush(To_QColor(T));
        P.drawPolygon(QPolygon({{R.left() + 4, R.top() + 7}, {R.left() + 10, R.top() + 7}, {R.left() + 7, R.top() + 10}}));
        P.setBrush(Qt::NoBrush);
    }
}

void ROruCustomCombo::Paint_Border(QPainter &P)
{
    const TComboBorderLook L = Border_Look();
    if (!L.Draw)
        return;
    QRect R = rect();
    if (!L.ThreeD) {
        Frame_Rect(P, R, static_cast<unsigned>(L.Frame));
    } else {
        const TColor B1 = L.FocusLook ? clBtnFace
                          : parentWidget() ? From_QColor(parentWidget()->palette().color(QPalette::Window))
                                           : clBtnFace;
        const TColor B2 = FColor;
        if (L.FocusLook) {
            Draw_Edge(P, R, BDR_SUNKENOUTER);
            Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(B1)));
            R.adjust(1, 1, -1, -1);
            Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(B2)));
        } else {
            Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(B1)));
            R.adjust(1, 1, -1, -1);
            Frame_Rect(P, R.adjusted(0, 0, -FButtonWidth, 0), static_cast<unsigned>(Color_To_RGB(B1)));
            R.adjust(1, 1, -1, -1);
            Frame_Rect(P, R.adjusted(0, 0, -FButtonWidth, 0), static_cast<unsigned>(Color_To_RGB(B2)));
        }
        if (FFlat && FFlatLineColor != clNone) {
            P.setPen(To_QColor(FFlatLineColor));
            P.drawLine(R.left() - 2, height() - 1, R.right() - FButtonWidth, height() - 1);
        }
    }
    if (FStyle != csSimple && !(FIsWinXP && System_Info().Theme_Active) && !Hot()) {
        // A button-face ring around the button while the combo is not hot.
        QRect B(QPoint(width() - FButtonWidth - 2 + 2, 2), QPoint(width() - 3, height() - 3));
        B.adjust(0, 1, 1, -1);
        QRegion Ring = QRegion(B) - QRegion(QRect(QPoint(width() - FButtonWidth + 4, 4), QPoint(width() - 5, height() - 5)));
        P.save();
        P.setClipRegion(Ring);
        P.fillRect(B, To_QColor(clBtnFace));
        P.restore();
    }
}

void ROruCustomCombo::paintEvent(QPaintEvent *E)
{
    if (!Uses_Own_Painting()) {
        QComboBox::paintEvent(E);
        return;
    }
    QPainter P(this);
    if (FStyle != csSimple) {
        P.fillRect(rect(), To_QColor(FColor));
        if (layoutDirection() == Qt::LeftToRight)
            Paint_Button(P);
    }
    // The edit part: an editable combo's line edit paints itself.
    if (!isEditable()) {
        QStyleOptionComboBox O;
        initStyleOption(&O);
        O.rect = rect().adjusted(3, 0, -FButtonWidth - 2, 0);
        O.palette.setColor(QPalette::ButtonText, isEnabled() ? Qt::black : To_QColor(clGrayText));
        style()->drawControl(QStyle::CE_ComboBoxLabel, &O, &P, this);
    }
    if (layoutDirection() == Qt::LeftToRight)
        Paint_Border(P);
}
