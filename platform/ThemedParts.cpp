#include "platform/ThemedParts.h"
#include "platform/Colors.h"
#include "platform/SystemInfo.h"
#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <QtWidgets/qdrawutil.h>

namespace {
QStyle *Style_Of(const QWidget *W) { return W ? W->style() : QApplication::style(); }

void Init_Option(QStyleOption &O, const QWidget *W, const QRect &R, TThemeState State)
{
    if (W)
        O.initFrom(W);
    O.rect = R;
    O.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken | QStyle::State_HasFocus);
    if (State == tsDisabled)
        O.state &= ~QStyle::State_Enabled;
    else
        O.state |= QStyle::State_Enabled;
    if (State == tsHot)
        O.state |= QStyle::State_MouseOver;
    if (State == tsPressed)
        O.state |= QStyle::State_Sunken;
    else
        O.state |= QStyle::State_Raised;
}

void Arrow(QPainter &P, const QWidget *W, QStyle::PrimitiveElement E, const QRect &R, bool Enabled)
{
    QStyleOption O;
    if (W)
        O.initFrom(W);
    O.rect = R;
    O.state = Enabled ? QStyle::State_Enabled : QStyle::State_None;
    Style_Of(W)->drawPrimitive(E, &O, &P, W);
}
} // namespace

bool Themes_Available() { return System_Info().Theme_Active && System_Info().ComCtl_Major > 5; }

void Draw_Theme_Part(QPainter &P, const QWidget *W, TThemePart Part, TThemeState State, const QRect &R, TThemeCheck Check)
{
    QStyle *S = Style_Of(W);
    const bool En = State != tsDisabled;
    switch (Part) {
    case tpPushButton: {
        QStyleOptionButton O;
        Init_Option(O, W, R, State);
        S->drawPrimitive(QStyle::PE_PanelButtonCommand, &O, &P, W);
        break;
    }
    case tpCheckBox: {
        QStyleOptionButton O;
        Init_Option(O, W, R, State);
        O.state |= Check == tcChecked ? QStyle::State_On : Check == tcMixed ? QStyle::State_NoChange : QStyle::State_Off;
        S->drawPrimitive(QStyle::PE_IndicatorCheckBox, &O, &P, W);
        break;
    }
    case tpSpinUp:
    case tpSpinDown:
    case tpSpinUpHorz:
    case tpSpinDownHorz:
    case tpComboDropDown: {
        QStyleOptionButton O;
        Init_Option(O, W, R, State);
        S->drawPrimitive(QStyle::PE_PanelButtonBevel, &O, &P, W);
        const QStyle::PrimitiveElement E = Part == tpSpinUp ? QStyle::PE_IndicatorArrowUp
                                           : Part == tpSpinDown ? QStyle::PE_IndicatorArrowDown
                                           : Part == tpSpinUpHorz ? QStyle::PE_IndicatorArrowRight
                                           : Part == tpSpinDownHorz ? QStyle::PE_IndicatorArrowLeft
                                                                     : QStyle::PE_IndicatorArrowDown;
        QRect A = R.adjusted(2, 2, -2, -2);
        if (State == tsPressed)
            A.translate(1, 1);
        Arrow(P, W, E, A, En);
        break;
    }
    }
}

void Draw_Frame_Control(QPainter &P, const QWidget *W, TFrameControl Kind, const QRect &R, unsigned Flags)
{
    const QPalette Pal = W ? W->palette() : QApplication::palette();
    const bool Pushed = Flags & DFCS_PUSHED;
    const bool Inactive = Flags & DFCS_INACTIVE;
    const bool Flat = Flags & DFCS_FLAT;
    switch (Kind) {
    case fcCheckBox: {
        qDrawWinPanel(&P, R, Pal, true, nullptr);
        P.fillRect(R.adjusted(2, 2, -2, -2), Inactive ? To_QColor(clBtnFace) : To_QColor(clWindow));
        if (Flags & DFCS_CHECKED) {
            P.save();
            P.setPen(QPen(Inactive ? To_QColor(clGrayText) : To_QColor(clWindowText), 2));
            const QRect I = R.adjusted(3, 3, -3, -3);
            P.drawPolyline(QPolygon({QPoint(I.left(), I.center().y()), QPoint(I.left() + I.width() / 3, I.bottom() - 1),
                                     QPoint(I.right(), I.top() + 1)}));
            P.restore();
        }
        break;
    }
    default: {
        if (Flat) {
            P.fillRect(R, To_QColor(clBtnFace));
            P.save();
            P.setPen(To_QColor(Pushed ? clBtnShadow : clBtnHighlight));
            P.drawLine(R.topLeft(), R.topRight());
            P.drawLine(R.topLeft(), R.bottomLeft());
            P.setPen(To_QColor(Pushed ? clBtnHighlight : clBtnShadow));
            P.drawLine(R.bottomLeft(), R.bottomRight());
            P.drawLine(R.topRight(), R.bottomRight());
            P.restore();
        } else {
            QBrush Fill(To_QColor(clBtnFace));
            qDrawWinButton(&P, R, Pal, Pushed, &Fill);
        }
        if (Kind == fcPushButton)
            break;
        const QStyle::PrimitiveElement E = Kind == fcScrollLeft ? QStyle::PE_IndicatorArrowLeft
                                           : Kind == fcScrollRight ? QStyle::PE_IndicatorArrowRight
                                           : Kind == fcScrollUp ? QStyle::PE_IndicatorArrowUp
                                                                 : QStyle::PE_IndicatorArrowDown;
        QRect A = R.adjusted(2, 2, -2, -2);
        if (Pushed)
            A.translate(1, 1);
        Arrow(P, W, E, A, !Inactive);
        break;
    }
    }
}

void Draw_Edge(QPainter &P, QRect &R, unsigned Edges, bool FillMiddle)
{
    auto Ring = [&](TColor TopLeft, TColor BottomRight) {
        P.save();
        P.setPen(To_QColor(TopLeft));
        P.drawLine(R.left(), R.bottom(), R.left(), R.top());
        P.drawLine(R.left(), R.top(), R.right(), R.top());
        P.setPen(To_QColor(BottomRight));
        P.drawLine(R.right(), R.top(), R.right(), R.bottom());
        P.drawLine(R.right(), R.bottom(), R.left(), R.bottom());
        P.restore();
        R.adjust(1, 1, -1, -1);
    };
    if (Edges & BDR_RAISEDOUTER)
        Ring(cl3DLight, cl3DDkShadow);
    else if (Edges & BDR_SUNKENOUTER)
        Ring(clBtnShadow, clBtnHighlight);
    if (Edges & BDR_RAISEDINNER)
        Ring(clBtnHighlight, clBtnShadow);
    else if (Edges & BDR_SUNKENINNER)
        Ring(cl3DDkShadow, cl3DLight);
    if (FillMiddle)
        P.fillRect(R, To_QColor(clBtnFace));
}

void Frame_Rect(QPainter &P, const QRect &R, unsigned Rgb)
{
    P.save();
    P.setPen(To_QColor(static_cast<TColor>(Rgb)));
    P.setBrush(Qt::NoBrush);
    P.drawRect(R.adjusted(0, 0, -1, -1));
    P.restore();
}

void Draw_Focus_Rect(QPainter &P, const QRect &R)
{
    P.save();
    QPen Pen(To_QColor(clWindowText));
    Pen.setStyle(Qt::DotLine);
    P.setPen(Pen);
    P.setBrush(Qt::NoBrush);
    P.drawRect(R.adjusted(0, 0, -1, -1));
    P.restore();
}
