#include "grid/core/GridPanels.h"
#include <QFontMetrics>
#include <QPainter>

TFooterPanel::TFooterPanel(QWidget *Parent) : QWidget(Parent)
{
    setAutoFillBackground(true);
    hide();
}

void TFooterPanel::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    if (OnPaint)
        OnPaint(this, P);
}

TSearchPanel::TSearchPanel(QWidget *Parent) : QWidget(Parent)
{
    setAutoFillBackground(true);
    FClose = new VOdeGridButton(this);
    FClose->Set_Caption(QStringLiteral("X"));
    FClose->Set_Flat(true);
    FEdit = new QLineEdit(this);
    FForward = new VOdeGridButton(this);
    FForward->Set_Caption(QStringLiteral("Find &next"));
    FBackward = new VOdeGridButton(this);
    FBackward->Set_Caption(QStringLiteral("Find &previous"));
    FMatchCase = new VOdeCheckBox(this);
    FMatchCase->Set_Caption(QStringLiteral("Match case"));
    FHilite = new VOdeGridButton(this);
    FHilite->Set_Caption(QStringLiteral("Highlight"));
    FHilite->Set_Style(tasCheck);
    FHilite->Set_AllowAllUp(true);
    FClose->OnClick = [this](QObject *) { if (OnClose) OnClose(); };
    FForward->OnClick = [this](QObject *) { if (OnFindNext) OnFindNext(); };
    FBackward->OnClick = [this](QObject *) { if (OnFindPrevious) OnFindPrevious(); };
    FHilite->OnClick = [this](QObject *) { if (OnHighlight) OnHighlight(); };
    connect(FEdit, &QLineEdit::textEdited, this, [this](const QString &T) { if (OnEditChange) OnEditChange(T); });
    hide();
}

void TSearchPanel::resizeEvent(QResizeEvent *) { Arrange(); }

void TSearchPanel::Arrange()
{
    // One row, left to right, 4 pixels apart, vertically centred.
    const QFontMetrics FM(font());
    const int H = std::max(0, std::min(height() - 8, 24));
    const int Y = (height() - H) / 2;
    int X = 4;
    auto Place = [&](QWidget *W, int Width) {
        W->setGeometry(X, Y, Width, H);
        X += Width + 4;
    };
    auto Text_Width = [&](const QString &T) { return FM.horizontalAdvance(QString(T).remove(QLatin1Char('&'))) + 16; };
    Place(FClose, H);
    Place(FEdit, 140);
    Place(FForward, Text_Width(FForward->Caption()));
    Place(FBackward, Text_Width(FBackward->Caption()));
    Place(FMatchCase, Text_Width(FMatchCase->Caption()) + 16);
    Place(FHilite, Text_Width(FHilite->Caption()));
}
