#include "grid/stringgrid/GridPanels.h"
#include <QFontMetrics>
#include <QMouseEvent>
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

void TSearchPanel::Set_Gradient(const QColor &From, const QColor &To)
{
    FFrom = From;
    FTo = To;
    update();
}

void TSearchPanel::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    QLinearGradient Face(0, 0, 0, std::max(1, height() - 1));
    Face.setColorAt(0, FFrom);
    Face.setColorAt(1, FTo);
    P.fillRect(rect(), Face);
}

void TSearchPanel::Arrange()
{
    // One row, left to right, 4 pixels apart, vertically centred.
    const QFontMetrics FM(font());
    const int H = std::max(0, std::min(height() - 8, 24));
    const int Y = (height() - H) / 2;
    int X = 4;
    auto Place = [&](QWidget *W, int Width) {
        if (!W->isVisibleTo(this))
            return;
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

TScrollControl::TScrollControl(QWidget *Parent, TScrollDirection Direction) : QWidget(Parent), FDirection(Direction)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TScrollControl::Set_Range(int Max, int Page, int Pos)
{
    Max = std::max(0, Max);
    Page = std::max(1, Page);
    Pos = std::clamp(Pos, 0, Max);
    if (Max == FMax && Page == FPage && Pos == FPos)
        return;
    FMax = Max;
    FPage = Page;
    FPos = Pos;
    update();
}

QPair<int, int> TScrollControl::Thumb() const
{
    const int T = Track();
    if (FMax == 0)
        return {0, T};
    const int Len = std::max(8, static_cast<int>(static_cast<long long>(T) * FPage / (FMax + FPage)));
    const int Start = static_cast<int>(static_cast<long long>(T - Len) * FPos / FMax);
    return {Start, std::min(Len, T)};
}

int TScrollControl::Position_At(int Along) const
{
    const auto [Start, Len] = Thumb();
    const int Free = Track() - Len;
    if (Free <= 0 || FMax == 0)
        return 0;
    (void)Start;
    const double Share = static_cast<double>(Along - Len / 2) / Free;
    return std::clamp(static_cast<int>(std::lround(Share * FMax)), 0, FMax);
}

void TScrollControl::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    P.fillRect(rect(), QColor(0xF0, 0xF0, 0xF0));
    const auto [Start, Len] = Thumb();
    const QRect R = FDirection == sdVertical ? QRect(1, Start, width() - 2, Len) : QRect(Start, 1, Len, height() - 2);
    P.fillRect(R, QColor(0x80, 0x80, 0x80));
}

void TScrollControl::mousePressEvent(QMouseEvent *E)
{
    mouseMoveEvent(E);
}

void TScrollControl::mouseMoveEvent(QMouseEvent *E)
{
    if (!(E->buttons() & Qt::LeftButton))
        return;
    const QPoint P = E->position().toPoint();
    const int Pos = Position_At(FDirection == sdVertical ? P.y() : P.x());
    if (OnScroll)
        OnScroll(Pos);
}
