#include "grid/base/DateTimePickerEdit.h"
#include "grid/base/GridStyle.h"
#include "platform/Locale.h"
#include "platform/SystemInfo.h"
#include "platform/ThemedParts.h"
#include <QApplication>
#include <QCalendarWidget>
#include <QMouseEvent>
#include <QPainter>

ROruDateTimePicker::ROruDateTimePicker(QWidget *Parent)
    : QDateTimeEdit(Parent), FIsThemed(System_Info().ComCtl_Major > 5), FButtonWidth(System_Info().VScroll_Width + 2),
      FIsWinXP(IsWinXPOrLater())
{
    setMouseTracking(true);
    setAttribute(Qt::WA_Hover);
    Set_Kind(dtkDate);
}

void ROruDateTimePicker::Set_Kind(TDateTimeKind V)
{
    FKind = V;
    if (V == dtkDate) {
        // The locale's short date in Qt's pattern letters.
        QString Fmt;
        for (QChar C : Format_Settings().ShortDateFormat) {
            const QChar L = C.toLower();
            if (L == u'm')
                Fmt += u'M';
            else if (L == u'd' || L == u'y')
                Fmt += L;
            else if (C == u'/')
                Fmt += QStringLiteral("'") + Format_Settings().DateSeparator + QStringLiteral("'");
            else
                Fmt += QStringLiteral("'") + C + QStringLiteral("'");
        }
        setDisplayFormat(Fmt);
        setCalendarPopup(true);
    } else {
        setDisplayFormat(QStringLiteral("HH:mm:ss"));
        setCalendarPopup(false);
    }
    update();
}

void ROruDateTimePicker::SetBorderStyle(TBorderStyle Value)
{
    if (Value == FBorderStyle)
        return;
    FBorderStyle = Value;
    update();
}

void ROruDateTimePicker::Set_BorderColor(TColor V)
{
    if (V == FBorderColor)
        return;
    FBorderColor = V;
    update();
}

void ROruDateTimePicker::Set_MetroStyle(bool V)
{
    if (V == FMetroStyle)
        return;
    FMetroStyle = V;
    update();
}

void ROruDateTimePicker::Set_Ctl3D(bool V)
{
    FCtl3D = V;
    update();
}

QString ROruDateTimePicker::Version() const
{
    const unsigned N = static_cast<unsigned>(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4").arg(N >> 24).arg((N >> 16) & 0xFF).arg((N >> 8) & 0xFF).arg(N & 0xFF);
}

bool ROruDateTimePicker::Themed() const { return FIsThemed && System_Info().Theme_Active; }
bool ROruDateTimePicker::Hot() const { return FMouseInControl || hasFocus(); }

bool ROruDateTimePicker::Paints_Own_Button() const
{
    return !(FCtl3D && !FMetroStyle) && IsVistaOrLater() && FMetroStyle && FKind != dtkTime;
}

TComboBorderLook ROruDateTimePicker::Border_Look() const
{
    if (!FMetroStyle || !IsVistaOrLater() || (isEnabled() && FBorderColor == clNone && FFocusBorderColor == clNone))
        return TComboBorderLook();
    return Own_Border_Look(Hot() && FFocusBorder, !isEnabled() && FIsThemed && !FDisabledBorder, FBorderColor,
                           FFocusBorderColor, FHasFocus);
}

QRect ROruDateTimePicker::Button_Rect() const
{
    return Drop_Button_Rect(size(), FButtonWidth);
}

void ROruDateTimePicker::paintEvent(QPaintEvent *E)
{
    QDateTimeEdit::paintEvent(E);
    if ((FCtl3D && !FMetroStyle) || !IsVistaOrLater())
        return;
    QPainter P(this);
    const bool MouseDown = QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
    const bool Open = calendarWidget() && calendarWidget()->isVisible();
    if (Paints_Own_Button()) {
        // Cover the platform's own button, then draw ours.
        P.fillRect(QRect(QPoint(width() - FButtonWidth - 4, 0), QPoint(width(), height())), palette().color(QPalette::Base));
        QRect R = Button_Rect();
        if (ButtonColor != clNone) {
            TColor C = ButtonColor;
            if (FButtonHover && ButtonColorHot != clNone)
                C = ButtonColorHot;
            if (FButtonHover && MouseDown && ButtonColorDown != clNone)
                C = ButtonColorDown;
            P.fillRect(R.adjusted(2, 0, 0, 0), To_QColor(C));
            if (ButtonBorderColor != clNone) {
                P.setPen(To_QColor(ButtonBorderColor));
                P.drawLine(R.topLeft(), R.bottomLeft());
            }
            TColor T = MouseDown && ButtonTextColorDown != clNone ? ButtonTextColorDown : ButtonTextColor;
            P.setPen(Qt::NoPen);
            P.setBrush(To_QColor(T == clNone ? clBlack : T));
            P.drawPolygon(QPolygon({{R.left() + 5, R.top() + 7}, {R.left() + 11, R.top() + 7}, {R.left() + 8, R.top() + 10}}));
            P.setBrush(Qt::NoBrush);
        } else if (Themed()) {
            TThemeState S = tsHot;
            if (!isEnabled())
                S = tsDisabled;
            else if (MouseDown && Open)
                S = tsPressed;
            else if (MouseDown || !FButtonHover || Open)
                S = tsNormal;
            Draw_Theme_Part(P, this, tpComboDropDown, S, R);
        } else {
            Draw_Frame_Control(P, this, fcComboButton, R, isEnabled() ? DFCS_FLAT : DFCS_INACTIVE);
        }
    }
    // The border lines come first: the border drawn after them has the last word.
    if (!FCtl3D && FBorderColor != clNone) {
        // Border lines in the parent's colour, the disabled-theme colour or BorderColor.
        TColor Pen = FBorderStyle == bsNone_Border && parentWidget()
                         ? From_QColor(parentWidget()->palette().color(QPalette::Window))
                         : FIsThemed ? 0xB99D7F : FBorderColor;
        P.setPen(To_QColor(Pen));
        P.drawPolyline(QPolygon({{0, height() - 1}, {0, 0}, {width() - 1, 0}, {width() - 1, height() - 1}, {0, height() - 1}}));
        if (parentWidget() && FBorderStyle == bsSingle_Border) {
            P.setPen(parentWidget()->palette().color(QPalette::Window));
            P.drawPolyline(QPolygon({{1, height() - 2}, {1, 1}, {width() - 1, 1}}));
        }
    }
    const TComboBorderLook L = Border_Look();
    if (L.Draw) {
        QRect R = rect();
        if (!L.ThreeD)
            Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(L.Frame)));
        else {
            const TColor B1 = L.FocusLook ? clBtnFace
                              : parentWidget() ? From_QColor(parentWidget()->palette().color(QPalette::Window))
                                               : clBtnFace;
            const TColor B2 = From_QColor(palette().color(QPalette::Base));
            if (L.FocusLook) {
                Draw_Edge(P, R, BDR_SUNKENOUTER);
                Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(B1)));
                Frame_Rect(P, R.adjusted(1, 1, -1, -1), static_cast<unsigned>(Color_To_RGB(B2)));
            } else {
                Frame_Rect(P, R, static_cast<unsigned>(Color_To_RGB(B1)));
                R.adjust(1, 1, -1, -1);
                Frame_Rect(P, R.adjusted(0, 0, -FButtonWidth, 0), static_cast<unsigned>(Color_To_RGB(B1)));
                R.adjust(1, 1, -1, -1);
                Frame_Rect(P, R.adjusted(0, 0, -FButtonWidth, 0), static_cast<unsigned>(Color_To_RGB(B2)));
            }
        }
        // Without a visual theme the button gets a ring around it: raised
        // while hot (flat while the calendar is open), button face otherwise.
        // A disabled themed picker shows only its one-pixel frame.
        const bool DisabledFrameOnly = !isEnabled() && FIsThemed && !FDisabledBorder;
        if (!DisabledFrameOnly && !(FIsWinXP && System_Info().Theme_Active)) {
            QRect B = Button_Ring_Rect();
            P.save();
            P.setClipRegion(QRegion(rect()) - QRegion(Button_Inner_Rect()));
            if (Hot()) {
                if (Open)
                    Frame_Rect(P, B, static_cast<unsigned>(Color_To_RGB(clBtnShadow)));
                else
                    Draw_Edge(P, B, BDR_RAISEDOUTER | BDR_RAISEDINNER);
            } else {
                P.fillRect(B.adjusted(0, 1, 1, -1), To_QColor(clBtnFace));
            }
            P.restore();
        }
    }
}

QRect ROruDateTimePicker::Button_Ring_Rect() const
{
    // The window rectangle from ClientWidth - ButtonWidth - 2, shrunk by 2.
    return QRect(QPoint(width() - FButtonWidth - 2, 0), QPoint(width() - 1, height() - 1)).adjusted(2, 2, -2, -2);
}

QRect ROruDateTimePicker::Button_Inner_Rect() const
{
    return QRect(QPoint(width() - FButtonWidth + 4, 4), QPoint(width() - 5, height() - 5));
}

void ROruDateTimePicker::focusInEvent(QFocusEvent *E)
{
    QDateTimeEdit::focusInEvent(E);
    FHasFocus = true;
    update();
}

void ROruDateTimePicker::focusOutEvent(QFocusEvent *E)
{
    QDateTimeEdit::focusOutEvent(E);
    FHasFocus = false;
    update();
}

void ROruDateTimePicker::enterEvent(QEnterEvent *E)
{
    QDateTimeEdit::enterEvent(E);
    if (!FMouseInControl && isEnabled()) {
        FMouseInControl = true;
        update();
    }
}

void ROruDateTimePicker::leaveEvent(QEvent *E)
{
    QDateTimeEdit::leaveEvent(E);
    if (FMouseInControl && isEnabled())
        FMouseInControl = false;
    FButtonHover = false;
    update();
}

void ROruDateTimePicker::mouseMoveEvent(QMouseEvent *E)
{
    QDateTimeEdit::mouseMoveEvent(E);
    if (Track_Button_Hover(FButtonHover, static_cast<int>(E->position().x()), width(), FButtonWidth))
        update();
}
