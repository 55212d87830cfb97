#include "dropdowns/DropDownForm.h"
#include "dropdowns/DropDownBars.h"
#include "dropdowns/DropDownEdit.h"
#include "platform/Clock.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>
#include <type_traits>

namespace {
// Steps bands from From towards To (the last one step short of To), left to
// right or top to bottom, each overlapping the next by one pixel.
void Paint_Bands(QPainter &P, TColor From, TColor To, bool LeftToRight, const QRect &R, int Steps)
{
    const unsigned A = Color_To_RGB(From), B = Color_To_RGB(To);
    const int Extent = LeftToRight ? R.width() : R.height();
    const double D = double(Extent) / Steps;
    auto Ch = [](unsigned C, int Shift) { return int((C >> Shift) & 0xFF); };
    for (int N = 0; N < Steps; ++N) {
        auto Mix = [&](int Shift) {
            return Ch(A, Shift) + int(std::nearbyint(double(N) * (Ch(B, Shift) - Ch(A, Shift)) / Steps));
        };
        const QColor C(Mix(0), Mix(8), Mix(16));
        const int Start = int(std::nearbyint(N * D));
        const int Len = int(std::nearbyint(D)) + 1;
        P.fillRect(LeftToRight ? QRect(R.left() + Start, R.top(), Len, R.height())
                               : QRect(R.left(), R.top() + Start, R.width(), Len),
                   C);
    }
}
} // namespace

TDropDownForm::TDropDownForm(VOdeCustomDropDown *Edit) : QWidget(Edit, Qt::Popup | Qt::FramelessWindowHint), FEdit(Edit)
{
    setAttribute(Qt::WA_NoMouseReplay);
    setMinimumSize(80, 50);
    setMouseTracking(true);
}

VOdeHeader *TDropDownForm::Header() const { return FHeader; }
VOdeFooter *TDropDownForm::Footer() const { return FFooter; }

void TDropDownForm::InitializeAndUpdate()
{
    // The bars copy the edit's looks each time; one never needed stays unmade.
    auto Prepare = [this](auto &Bar, const TBarAppearance &Look, const TDrawBackGroundEvent &Draw,
                          const TGetTextEvent &Get_Text) {
        if (!Bar && !Look.Visible())
            return;
        if (!Bar)
            Bar = new std::remove_reference_t<decltype(*Bar)>(this);
        Bar->SetDarAzidDropDown(FEdit);
        Bar->setFixedHeight(Look.Height());
        Bar->UpdateButtons();
        Bar->setVisible(Look.Visible());
        Bar->OnDrawBackGround = Draw;
        Bar->OnGetText = Get_Text;
        Bar->update();
    };
    Prepare(FHeader, FEdit->DropDownHeader(), FEdit->OnDrawHeader, FEdit->OnGetHeaderText);
    Prepare(FFooter, FEdit->DropDownFooter(), FEdit->OnDrawFooter, FEdit->OnGetFooterText);
    Layout_Children();
}

QRect TDropDownForm::Client_Rect() const
{
    const int B = FEdit->DropDownBorderWidth();
    return rect().adjusted(B, B, -B, -B);
}

void TDropDownForm::Layout_Children()
{
    QRect R = Client_Rect();
    if (FHeader && FHeader->isVisibleTo(this)) {
        FHeader->setGeometry(R.left(), R.top(), R.width(), FHeader->height());
        R.setTop(R.top() + FHeader->height());
    }
    if (FFooter && FFooter->isVisibleTo(this)) {
        FFooter->setGeometry(R.left(), R.bottom() + 1 - FFooter->height(), R.width(), FFooter->height());
        R.setBottom(R.bottom() - FFooter->height());
    }
    // The content keeps its own size while the popup is closed: the next
    // opening computes the popup's size from it.
    if (QWidget *C = FEdit->Control(); C && C->parentWidget() == this && isVisible())
        C->setGeometry(R);
}

void TDropDownForm::User_Resize(QSize S)
{
    resize(S.expandedTo(minimumSize()));
    FEdit->Popup_User_Sized(size());
    if (OnSizing)
        OnSizing();
}

void TDropDownForm::Deactivate(std::uint32_t Now)
{
    if (FBlockActivate || !isVisible())
        return;
    FDeActivate = Now;
    FEdit->ClosePopup(FCancelOnDeActivate);
    if (isVisible())
        hide();
}

void TDropDownForm::paintEvent(QPaintEvent *)
{
    QPainter Painter(this);
    const int W = FEdit->DropDownBorderWidth();
    const QRect R = Client_Rect();
    const TColor From = FEdit->DropDownColor(), To = FEdit->DropDownColorTo();
    if (From != clNone && To != clNone)
        Paint_Bands(Painter, From, To, FEdit->DropDownGradient() == gdHorizontal, R, 80);
    else if (From != clNone)
        Painter.fillRect(R, To_QColor(From));
    if (W > 0) {
        QPen Pen(To_QColor(FEdit->DropDownBorderColor()));
        Pen.setWidth(W);
        Pen.setJoinStyle(Qt::MiterJoin);
        Painter.setPen(Pen);
        Painter.setBrush(Qt::NoBrush);
        // The pen straddles its line: the outer edge meets the window's edge.
        const qreal H = W / 2.0;
        Painter.drawRect(QRectF(H, H, width() - W, height() - W));
    }
}

void TDropDownForm::resizeEvent(QResizeEvent *E)
{
    QWidget::resizeEvent(E);
    Layout_Children();
    update();
}

void TDropDownForm::showEvent(QShowEvent *E)
{
    QWidget::showEvent(E);
    Layout_Children();
}

void TDropDownForm::hideEvent(QHideEvent *E)
{
    QWidget::hideEvent(E);
    FSizing = false;
    FEdit->PopupClosed();
}

void TDropDownForm::mousePressEvent(QMouseEvent *E)
{
    const QPoint At = E->position().toPoint();
    if (!rect().contains(At)) {
        Deactivate(Tick_Count());
        E->accept();
        return;
    }
    if (FSizeable && E->button() == Qt::LeftButton && At.x() > width() - 10 && At.y() > height() - 10) {
        FSizing = true;
        FSizeFrom = E->globalPosition().toPoint();
        FSizeStart = size();
    }
    E->accept();
}

void TDropDownForm::mouseMoveEvent(QMouseEvent *E)
{
    if (FSizing)
        User_Resize(FSizeStart + QSize(E->globalPosition().toPoint().x() - FSizeFrom.x(),
                                       E->globalPosition().toPoint().y() - FSizeFrom.y()));
    else if (FSizeable)
        setCursor(E->position().x() > width() - 10 && E->position().y() > height() - 10 ? Qt::SizeFDiagCursor
                                                                                      : Qt::ArrowCursor);
}

void TDropDownForm::mouseReleaseEvent(QMouseEvent *E)
{
    FSizing = false;
    E->accept();
}

// Keys and wheel turns that reach the popup act on the edit.
void TDropDownForm::keyPressEvent(QKeyEvent *E)
{
    FEdit->PopupKeyDown(E);
    E->accept();
}

void TDropDownForm::keyReleaseEvent(QKeyEvent *E)
{
    FEdit->PopupKeyUp(E);
    E->accept();
}

void TDropDownForm::wheelEvent(QWheelEvent *E)
{
    if (E->angleDelta().y() < 0)
        FEdit->PopupWheelDown();
    else if (E->angleDelta().y() > 0)
        FEdit->PopupWheelUp();
    E->accept();
}
