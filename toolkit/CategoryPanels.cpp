#include "toolkit/CategoryPanels.h"
#include <QApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <algorithm>
#include <optional>

// ---- TCategoryPanel -------------------------------------------------------

TCategoryPanel::TCategoryPanel(TCategoryPanelGroup *Group, const QString &Object_Name, const QString &Caption)
    : QWidget(nullptr), FGroup(Group), FCaption(Caption)
{
    setObjectName(Object_Name);
    setMouseTracking(true);
    FSurface = new QWidget(this);
    FSurface->setObjectName(Object_Name + QStringLiteral("_Surface"));
    // Moving from the header down onto the controls leaves the header.
    FSurface->installEventFilter(this);
    FGroup->Add(this);
}

void TCategoryPanel::Set_Caption(const QString &Value)
{
    if (Value == FCaption)
        return;
    FCaption = Value;
    update();
}

void TCategoryPanel::Set_Panel_Height(int Value)
{
    Value = std::max(Value, FGroup->Header_Height());
    if (Value == FPanel_Height)
        return;
    FPanel_Height = Value;
    FGroup->Arrange();
}

int TCategoryPanel::Stack_Height() const
{
    return FCollapsed ? FGroup->Header_Height() : FPanel_Height;
}

void TCategoryPanel::Set_Position(int Value)
{
    FPosition = Value;
    FPosition_Stamp = ++FGroup->FStamp;
    FGroup->Arrange();
}

void TCategoryPanel::Set_Panel_Visible(bool Value)
{
    if (Value == FPanel_Visible)
        return;
    FPanel_Visible = Value;
    setVisible(Value);
    FGroup->Arrange();
}

void TCategoryPanel::Set_Collapsed(bool Value)
{
    if (Value == FCollapsed)
        return;
    FCollapsed = Value;
    FSurface->setVisible(!Value);
    FGroup->Arrange();
}

void TCategoryPanel::Set_Header_Hot(bool Value)
{
    if (Value == FHeader_Hot)
        return;
    FHeader_Hot = Value;
    update();
}

bool TCategoryPanel::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Watched == FSurface && Event->type() == QEvent::Enter)
        Set_Header_Hot(false);
    return QWidget::eventFilter(Watched, Event);
}

void TCategoryPanel::resizeEvent(QResizeEvent *)
{
    const int H = FGroup->Header_Height();
    FSurface->setGeometry(0, H, width(), std::max(0, FPanel_Height - H));
}

void TCategoryPanel::mousePressEvent(QMouseEvent *Event)
{
    if (Event->button() == Qt::LeftButton && Event->position().y() < FGroup->Header_Height()) {
        Set_Collapsed(!FCollapsed);
        Event->accept();
        return;
    }
    QWidget::mousePressEvent(Event);
}

void TCategoryPanel::mouseMoveEvent(QMouseEvent *Event)
{
    Set_Header_Hot(Event->position().y() < FGroup->Header_Height());
    QWidget::mouseMoveEvent(Event);
}

void TCategoryPanel::leaveEvent(QEvent *Event)
{
    Set_Header_Hot(false);
    QWidget::leaveEvent(Event);
}

void TCategoryPanel::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    const int H = FGroup->Header_Height();
    const QRect Header(0, 0, width(), H);
    QLinearGradient G(Header.topLeft(), Header.bottomLeft());
    G.setColorAt(0, To_QColor(FGroup->Gradient_Base_Color));
    G.setColorAt(1, To_QColor(FGroup->Gradient_Color));
    P.fillRect(Header, G);
    P.setPen(To_QColor(FGroup->Gradient_Color).darker(115));
    P.drawLine(Header.bottomLeft(), Header.bottomRight());

    // Caption on the left, chevron (two carets) on the right: pointing up
    // while expanded (a click collapses), down while collapsed.
    P.setFont(FGroup->Header_Font);
    P.setPen(To_QColor(FGroup->Header_Font_Color));
    P.drawText(Header.adjusted(6, 0, -28, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, FCaption);

    P.setRenderHint(QPainter::Antialiasing);
    QPen Pen(To_QColor(FHeader_Hot ? FGroup->Chevron_Hot_Color : FGroup->Chevron_Color), 1.6);
    P.setPen(Pen);
    const double Cx = width() - 16, Cy = H / 2.0;
    for (int I = 0; I < 2; ++I) {
        const double Y = Cy - 3 + I * 5;
        QPainterPath Path;
        if (FCollapsed) {
            Path.moveTo(Cx - 4, Y - 1);
            Path.lineTo(Cx, Y + 2);
            Path.lineTo(Cx + 4, Y - 1);
        } else {
            Path.moveTo(Cx - 4, Y + 2);
            Path.lineTo(Cx, Y - 1);
            Path.lineTo(Cx + 4, Y + 2);
        }
        P.drawPath(Path);
    }
}

// ---- TCategoryPanelGroup --------------------------------------------------

TCategoryPanelGroup::TCategoryPanelGroup(QWidget *Parent) : QScrollArea(Parent)
{
    FContent = new QWidget;
    FContent->setObjectName(QStringLiteral("CPG_Content"));
    setWidget(FContent);
    setWidgetResizable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verticalScrollBar()->setSingleStep(Default_Line_Step);
    verticalScrollBar()->setTracking(true);
    Header_Font = font();
    Header_Font.setBold(true);
}

void TCategoryPanelGroup::Add(TCategoryPanel *APanel)
{
    APanel->setParent(FContent);
    APanel->FPosition = FStack_Height;
    APanel->FPosition_Stamp = ++FStamp;
    FPanels.append(APanel);
    APanel->show();
    Arrange();
}

QList<TCategoryPanel *> TCategoryPanelGroup::Stacked_Panels() const
{
    QList<TCategoryPanel *> L;
    for (TCategoryPanel *P : FPanels)
        if (P->FPanel_Visible)
            L.append(P);
    // A panel placed at the top of another one goes above it.
    std::stable_sort(L.begin(), L.end(), [](const TCategoryPanel *A, const TCategoryPanel *B) {
        if (A->FPosition != B->FPosition)
            return A->FPosition < B->FPosition;
        return A->FPosition_Stamp > B->FPosition_Stamp;
    });
    return L;
}

void TCategoryPanelGroup::Arrange()
{
    if (FArranging)
        return;
    FArranging = true;
    const int Width = viewport()->width();
    int Y = 0;
    for (TCategoryPanel *P : Stacked_Panels()) {
        P->FPosition = Y;
        P->setGeometry(0, Y, Width, P->Stack_Height());
        P->FSurface->setGeometry(0, FHeader_Height, Width, std::max(0, P->FPanel_Height - FHeader_Height));
        Y += P->Stack_Height();
    }
    FStack_Height = Y;
    FContent->resize(Width, Y);
    FArranging = false;
}

void TCategoryPanelGroup::resizeEvent(QResizeEvent *Event)
{
    QScrollArea::resizeEvent(Event);
    Arrange();
}

void TCategoryPanelGroup::Scroll_Line(bool Up)
{
    verticalScrollBar()->triggerAction(Up ? QAbstractSlider::SliderSingleStepSub : QAbstractSlider::SliderSingleStepAdd);
}

int TCategoryPanelGroup::Scroll_Pos() const
{
    return verticalScrollBar()->value();
}

namespace {
std::optional<int> Wheel_Lines_Override;
}

int Wheel_Scroll_Lines()
{
    return Wheel_Lines_Override ? *Wheel_Lines_Override : QApplication::wheelScrollLines();
}

void Set_Wheel_Scroll_Lines(int Lines)
{
    Wheel_Lines_Override = Lines;
}

void Clear_Wheel_Scroll_Lines()
{
    Wheel_Lines_Override.reset();
}
