#include "app/UAbout.h"
#include "workspace/MakerWeb.h"
#include "app/WindowLook.h"
#include "workspace/Workspace.h"
#include "platform/OpenUrl.h"
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>

QPointer<TFAbout> FAbout;

namespace {
// The logo: the maker's initial in a rounded square, drawn here.
QPixmap Draw_Logo(int Size)
{
    QPixmap P(Size, Size);
    P.fill(Qt::transparent);
    QPainter G(&P);
    G.setRenderHint(QPainter::Antialiasing);
    QPainterPath Box;
    Box.addRoundedRect(QRectF(2, 2, Size - 4, Size - 4), 12, 12);
    QLinearGradient Grad(0, 0, 0, Size);
    Grad.setColorAt(0, QColor(255, 160, 64));
    Grad.setColorAt(1, QColor(255, 128, 0));
    G.fillPath(Box, Grad);
    G.setPen(QPen(QColor(128, 128, 128), 2));
    G.drawPath(Box);
    QFont F(QStringLiteral("Verdana"));
    F.setPixelSize(Size * 3 / 5);
    F.setBold(true);
    G.setFont(F);
    G.setPen(Qt::white);
    G.drawText(QRect(0, 0, Size, Size), Qt::AlignCenter, QStringLiteral("Q"));
    return P;
}
} // namespace

TFAbout::TFAbout(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FAbout"));
    setWindowTitle(QStringLiteral("About"));
    Apply_Window_Look(this, 425, 148);
    Logo = new QLabel(this);
    Logo->setObjectName(QStringLiteral("Image1"));
    Logo->setGeometry(12, 12, 96, 96);
    Logo->setPixmap(Draw_Logo(96));
    Logo->setCursor(Qt::PointingHandCursor);
    Logo->installEventFilter(this);

    constexpr int X = 124, X2 = 240;
    Label1 = Make_Label(this, "Label1", X, 12, QStringLiteral("Software Brindelcor "));
    QFont Bold = font();
    Bold.setBold(true);
    Label1->setFont(Bold);
    Label1->adjustSize();
    Label2 = Make_Label(this, "Label2", X, 30);
    Label6 = Make_Label(this, "Label6", X, 54, QStringLiteral("Software Code : "));
    Label9 = Make_Label(this, "Label9", X2, 54);
    Label3 = Make_Label(this, "Label3", X, 72, QStringLiteral("Version :"));
    Label10 = Make_Label(this, "Label10", X2, 72);
    Label8 = Make_Label(this, "Label8", X, 90, QStringLiteral("Document Code :"));
    Label12 = Make_Label(this, "Label12", X2, 90);
    Label4 = Make_Label(this, "Label4", X, 120, Maker_Web_Address());
    Label4->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    Label4->setCursor(Qt::PointingHandCursor);
    Label4->installEventFilter(this);

    TAppButtonLook Look;
    Look.Glyph = Fx_Bitmap_Resource(QStringLiteral("FXOK"));
    FxButton1 = Make_App_Button(this, "FxButton1", 425 - 96 - 12, 148 - 28 - 10, 96, 28, Look);
    Set_Button_Caption(FxButton1, QStringLiteral("OK"));
    connect(FxButton1, &TAppButton::clicked, this, [this] { accept(); });
    FormShow();
}

void TFAbout::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    FormShow();
}

void TFAbout::FormShow()
{
    Label2->setText(SW_Desc_Const);
    Label9->setText(SW_Code_Const);
    Label10->setText(SW_Version_Const);
    Label12->setText(SW_Manual_Const);
    for (QLabel *L : {Label2, Label9, Label10, Label12})
        L->adjustSize();
    setFixedSize(425, 148);
}

bool TFAbout::eventFilter(QObject *Watched, QEvent *Event)
{
    if ((Watched == Label4 || Watched == Logo) && Event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(Event)->button() == Qt::LeftButton) {
        Label4Click();
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}

void TFAbout::Label4Click()
{
    Open_Url(Maker_Home_Page_Url()); // a missing browser is not reported
}
