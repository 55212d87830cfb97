#include "dropdowns/DropDownBars.h"
#include "dropdowns/BarButton.h"
#include "dropdowns/BarLayout.h"
#include "dropdowns/DropDownDraw.h"
#include "dropdowns/DropDownEdit.h"
#include "dropdowns/DropDownForm.h"
#include "toolkit/ImageList.h"
#include <QMouseEvent>
#include <QPainter>

TDropDownBar::TDropDownBar(QWidget *Parent, bool Footer) : QWidget(Parent), FFooter(Footer)
{
    setMouseTracking(Footer);
}

TDropDownBar::~TDropDownBar() = default;

VOdeCustomDropDown *TDropDownBar::DarAzidDropDown() const
{
    return static_cast<VOdeCustomDropDown *>(FDarAzidDropDown.data());
}

void TDropDownBar::SetDarAzidDropDown(VOdeCustomDropDown *ADropDown)
{
    FDarAzidDropDown = ADropDown;
    FImages = ADropDown ? ADropDown->Images() : nullptr;
}

void TDropDownBar::UpdateButtons()
{
    if (DarAzidDropDown())
        CreateButtons();
}

void TDropDownBar::ClearButtons()
{
    for (int I = FButtonList.Count() - 1; I >= 0; --I) {
        VOdeButton *B = FButtonList.GetItemsEx(I);
        // A click handler that rebuilds the bar must not free the button it runs in.
        if (FIn_Click) {
            B->hide();
            B->deleteLater();
        } else {
            delete B;
        }
    }
    FButtonList.Clear();
}

void TDropDownBar::CreateButtons()
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    if (!D)
        return;
    ClearButtons();
    const int H = GetButtonArea().Height();
    for (int I = 0; I < Item_Count(); ++I) {
        const TBarButton &It = Item(I);
        auto *B = new VOdeButton(this);
        if (FFooter) {
            B->Set_DarAzidDropDown(D);
            B->Set_ModalResult(static_cast<const TFooterButton &>(It).ModalResult());
        }
        B->Set_Appearance(&D->ButtonAppearance());
        B->Set_Caption(It.Caption());
        B->Set_Images(FImages);
        B->Set_ImageIndex(It.ImageIndex());
        B->setEnabled(It.Enabled());
        B->AutoSizeButton();
        B->resize(Bar_Button_Size(B->size(), It.Width(), It.Height(), H));
        B->Set_Tag(I);
        B->OnClick = [this](VOdeButton *Sender) {
            QPointer<TDropDownBar> Self(this);
            ++FIn_Click;
            Button_Click(Sender);
            if (Self)
                --FIn_Click;
        };
        B->show();
        FButtonList.Add(B);
    }
    ArrangeButtons();
}

void TDropDownBar::RefreshButtons()
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    if (!D)
        return;
    for (int I = 0; I < FButtonList.Count(); ++I) {
        VOdeButton *B = FButtonList.GetItemsEx(I);
        B->Set_Appearance(&D->ButtonAppearance());
        B->Set_Images(FImages);
        if (I < Item_Count()) {
            B->Set_Caption(Item(I).Caption());
            B->Set_ImageIndex(Item(I).ImageIndex());
            B->setEnabled(Item(I).Enabled());
        }
        B->AutoSizeButton();
    }
    ArrangeButtons();
}

void TDropDownBar::ArrangeButtons()
{
    if (FButtonList.Count() == 0)
        return;
    std::vector<QSize> Sizes;
    for (VOdeButton *B : FButtonList)
        Sizes.push_back(B->size());
    const std::vector<TRect> Rects = Arrange_Bar_Buttons(GetButtonArea(), Look().ButtonAlignment(), Sizes);
    for (int I = 0; I < FButtonList.Count(); ++I)
        FButtonList.GetItemsEx(I)->setGeometry(Rects[I].To_QRect());
}

TRect TDropDownBar::GetButtonArea() const
{
    return Bar_Button_Area(TRect::From_QRect(rect()), FFooter, Grip_Shown());
}

TRect TDropDownBar::GetCaptionArea() const
{
    std::vector<TRect> Buttons;
    for (VOdeButton *B : FButtonList)
        Buttons.push_back(TRect::From_QRect(B->geometry()));
    return Bar_Caption_Area(GetButtonArea(), Buttons);
}

void TDropDownBar::AppearanceChanged()
{
    setVisible(Look().Visible());
    setFixedHeight(Look().Height());
}

void TDropDownBar::resizeEvent(QResizeEvent *E)
{
    QWidget::resizeEvent(E);
    ArrangeButtons();
}

void TDropDownBar::paintEvent(QPaintEvent *)
{
    QPainter P(this);
    TPainterCanvas Canvas(P);
    Paint_Bar(Canvas);
}

// The full-width line faces the content (bottom of the header, top of the
// footer); the other three sides only when the popup draws no frame itself.
void TDropDownBar::Paint_Border(TCanvas &Canvas, const TRect &R)
{
    TBarAppearance &L = Look();
    if (L.BorderColor() == clNone || L.BorderWidth() <= 0)
        return;
    Canvas.Pen.Style = psSolid;
    Canvas.Pen.Width = L.BorderWidth();
    Canvas.Pen.Color = L.BorderColor();
    const int Near = FFooter ? R.Top : R.Bottom - 1, Far = FFooter ? R.Bottom : R.Top;
    Canvas.MoveTo(R.Left, Near);
    Canvas.LineTo(R.Right, Near);
    VOdeCustomDropDown *D = DarAzidDropDown();
    if (!D || D->DropDownBorderWidth() <= 0 || D->DropDownBorderColor() == clNone) {
        Canvas.MoveTo(R.Left, Near);
        Canvas.LineTo(R.Left, Far);
        Canvas.LineTo(R.Right, Far);
        Canvas.LineTo(R.Right, Near);
    }
    Canvas.Pen.Width = 1;
    Canvas.Pen.Color = BlendColor(L.BorderColor(), clWhite, 20);
    Canvas.Brush.Style = bsClear;
    Canvas.Rectangle(FFooter ? TRect(R.Left, R.Top + L.BorderWidth(), R.Right, R.Bottom)
                             : TRect(R.Left, R.Top, R.Right, R.Bottom - L.BorderWidth()));
}

void TDropDownBar::Paint_Bar(TCanvas &Canvas)
{
    const TRect R = TRect::From_QRect(rect());
    if (OnDrawBackGround) {
        OnDrawBackGround(this, Canvas, rect());
        return;
    }
    TBarAppearance &L = Look();
    if (L.ColorTo() == clNone) {
        if (L.Color() != clNone) {
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = L.Color();
            Canvas.FillRect(R);
        }
    } else {
        DrawGradientBands(Canvas, L.Color(), L.ColorTo(), L.GradientDirection() == gdHorizontal, R, 80);
    }
    Paint_Border(Canvas, R);
    const int BW = std::max(0, L.BorderWidth());
    TRect T = R.Inflate(-BW, -BW);
    if (L.ImageIndex() >= 0 && FImages) {
        FImages->Draw(Canvas, T.Left + 4, T.Top + (T.Height() - FImages->Height()) / 2, L.ImageIndex());
        T.Left += FImages->Width() + 8;
    }
    QString Text = L.Caption();
    if (OnGetText)
        OnGetText(this, Text);
    if (!Text.isEmpty()) {
        if (FButtonList.Count() > 0)
            T.Right = GetCaptionArea().Right;
        Canvas.Font = L.Font();
        Canvas.Brush.Style = bsClear;
        const QSize Need = DrawMarkupText(Canvas, Text, T, nullptr, false, FImages);
        if (Need.height() < T.Height())
            T.Top += (T.Height() - Need.height()) / 2;
        DrawMarkupText(Canvas, Text, T, nullptr, true, FImages);
    }
    if (Grip_Shown()) {
        const TRect G = Size_Grip_Rect(R, L.BorderWidth());
        for (const bool Dark : {false, true}) {
            const TColor C = Dark ? L.BorderColor() : clWhite;
            Canvas.Pen.Width = 1;
            Canvas.Pen.Style = psSolid;
            Canvas.Pen.Color = C;
            Canvas.Brush.Style = bsSolid;
            Canvas.Brush.Color = C;
            for (const TRect &Dot : Size_Grip_Dots(G, Dark))
                Canvas.Rectangle(Dot);
        }
    }
}

// ---- header ----------------------------------------------------------------

VOdeHeader::VOdeHeader(QWidget *Parent) : TDropDownBar(Parent, false), FAppearance(this)
{
    FAppearance.OnChange = [this](TObject *) { AppearanceChanged(); };
}

void VOdeHeader::SetDarAzidDropDown(VOdeCustomDropDown *ADropDown)
{
    TDropDownBar::SetDarAzidDropDown(ADropDown);
    if (ADropDown)
        FAppearance.Assign(ADropDown->DropDownHeader());
}

const THeaderButtons *VOdeHeader::Buttons() const
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    return D ? &D->DropDownHeader().Buttons() : nullptr;
}

int VOdeHeader::Item_Count() const { return Buttons() ? Buttons()->Count() : 0; }
const TBarButton &VOdeHeader::Item(int Index) const { return Buttons()->Items(Index); }

void VOdeHeader::Button_Click(VOdeButton *Sender)
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    if (D && D->OnDropDownHeaderButtonClick)
        D->OnDropDownHeaderButtonClick(D, Sender->Tag());
}

// ---- footer ----------------------------------------------------------------

VOdeFooter::VOdeFooter(QWidget *Parent) : TDropDownBar(Parent, true), FAppearance(this)
{
    FAppearance.OnChange = [this](TObject *) { AppearanceChanged(); };
}

void VOdeFooter::SetDarAzidDropDown(VOdeCustomDropDown *ADropDown)
{
    TDropDownBar::SetDarAzidDropDown(ADropDown);
    if (ADropDown)
        FAppearance.Assign(ADropDown->DropDownFooter());
}

const TFooterButtons *VOdeFooter::Buttons() const
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    return D ? &D->DropDownFooter().Buttons() : nullptr;
}

int VOdeFooter::Item_Count() const { return Buttons() ? Buttons()->Count() : 0; }
const TBarButton &VOdeFooter::Item(int Index) const { return Buttons()->Items(Index); }

bool VOdeFooter::Grip_Shown() const
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    return FAppearance.SizeGrip() && D && D->DropDownSizeable();
}

void VOdeFooter::Button_Click(VOdeButton *Sender)
{
    VOdeCustomDropDown *D = DarAzidDropDown();
    if (D && D->OnDropDownFooterButtonClick)
        D->OnDropDownFooterButtonClick(D, Sender->Tag());
}

// A press in the grip's corner sizes the popup while the mouse moves.
void VOdeFooter::mousePressEvent(QMouseEvent *E)
{
    const QPoint At = E->position().toPoint();
    if (E->button() == Qt::LeftButton && Grip_Shown() && parentWidget()
        && In_Size_Grip_Zone(At.x(), At.y(), width(), height())) {
        FSizing = true;
        FSizeFrom = E->globalPosition().toPoint();
        FSizeStart = window()->size();
        E->accept();
        return;
    }
    QWidget::mousePressEvent(E);
}

void VOdeFooter::mouseMoveEvent(QMouseEvent *E)
{
    const QPoint At = E->position().toPoint();
    if (FSizing) {
        const QPoint D = E->globalPosition().toPoint() - FSizeFrom;
        if (auto *Form = qobject_cast<TDropDownForm *>(window()))
            Form->User_Resize(FSizeStart + QSize(D.x(), D.y()));
        else
            window()->resize(FSizeStart + QSize(D.x(), D.y()));
        return;
    }
    if (Grip_Shown() && In_Size_Grip_Zone(At.x(), At.y(), width(), height()))
        setCursor(Qt::SizeFDiagCursor);
    else
        unsetCursor();
}

void VOdeFooter::mouseReleaseEvent(QMouseEvent *E)
{
    FSizing = false;
    unsetCursor();
    QWidget::mouseReleaseEvent(E);
}

void VOdeFooter::leaveEvent(QEvent *E)
{
    if (!FSizing)
        unsetCursor();
    QWidget::leaveEvent(E);
}
