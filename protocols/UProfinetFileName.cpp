#include "controls/AppButton.h"
#include "protocols/UProfinetFileName.h"
#include "protocols/UProfinetXML.h"
#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "controls/FxButtons.h"
#include "platform/Clock.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>

namespace {
constexpr int Client_Width = 540;
constexpr int Client_Height = 205;

QLabel *Make_Label(QWidget *Parent, const char *Name, int Left, int Top, int Width = 0)
{
    auto *L = new QLabel(Parent);
    L->setObjectName(QLatin1String(Name));
    L->move(Left, Top);
    if (Width > 0)
        L->resize(Width, L->sizeHint().height());
    return L;
}

// The configurators' button look: the shared face and light colours, Encarta
// style, orange when pressed, yellow hot-track, and the stock glyph.
TFxButton *Make_Button(QWidget *Parent, const char *Name, int Left, int Top, const char *Glyph)
{
    TAppButtonLook Look;
    Look.Glyph = Fx_Bitmap_Resource(QLatin1String(Glyph));
    return Make_App_Button(Parent, Name, Left, Top, 110, 28, Look);
}
} // namespace

TFProfinetFileName::TFProfinetFileName(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FProfinetFileName"));
    FormCreate();
}

void TFProfinetFileName::FormCreate()
{
    // The shared window look: a fixed client area on the configurators' background, Verdana 8.
    setFixedSize(Client_Width, Client_Height);
    QPalette Pal = palette();
    Pal.setColor(QPalette::Window, QColor(248, 247, 237));
    setPalette(Pal);
    setAutoFillBackground(true);
    QFont F(QStringLiteral("Verdana"));
    F.setPointSize(8);
    setFont(F);

    P_Title = new QFrame(this);
    P_Title->setObjectName(QStringLiteral("P_Title"));
    P_Title->setGeometry(0, 0, Client_Width, 69);
    L_SW_Code = Make_Label(P_Title, "L_SW_Code", 12, 6);
    QFont Big = font();
    Big.setPointSize(20);
    Big.setBold(true);
    L_SW_Code->setFont(Big);
    L_SW_Code->setStyleSheet(QStringLiteral("color: gray"));
    L_SW_Code->setText(SW_Code);
    L_SW_Code->adjustSize();
    L_SW_Desc = Make_Label(P_Title, "L_SW_Desc", 14, 46, Client_Width - 28);
    QFont Bold = font();
    Bold.setBold(true);
    L_SW_Desc->setFont(Bold);
    L_SW_Desc->setStyleSheet(QStringLiteral("color: gray"));

    Label1 = Make_Label(this, "Label1", 12, 76, 516);
    Label2 = Make_Label(this, "Label2", 12, 100, 200);
    L_XML_Fix1 = Make_Label(this, "L_XML_Fix1", 12, 120, 200);
    Label4 = Make_Label(this, "Label4", 216, 100, 180);
    E_XML_User = new QLineEdit(this);
    E_XML_User->setObjectName(QStringLiteral("E_XML_User"));
    E_XML_User->setGeometry(216, 116, 180, 21);
    Label5 = Make_Label(this, "Label5", 404, 100, 124);
    L_XML_Fix2 = Make_Label(this, "L_XML_Fix2", 404, 120, 124);

    P_Button = new QFrame(this);
    P_Button->setObjectName(QStringLiteral("P_Button"));
    P_Button->setGeometry(0, Client_Height - 40, Client_Width, 40);
    Btn_OK = Make_Button(P_Button, "Btn_OK", Client_Width / 2 - 116, 6, "FXOK");
    Btn_Cancel = Make_Button(P_Button, "Btn_Cancel", Client_Width / 2 + 6, 6, "FXCANCEL");
    connect(Btn_OK, &TFxButton::clicked, this, &TFProfinetFileName::Btn_OKClick);
    Btn_OK->Set_Default(true);
    Btn_Cancel->Set_Cancel(true);
    connect(Btn_Cancel, &TFxButton::clicked, this, &QDialog::reject);

    L_XML_Fix1->setText(GSDML_Prefix());
    // The date part stays that of the program's start, as the name it gives
    // is the one the engineer saw when the program was opened.
    FStart_Date = Clock().Now().date();
    L_XML_Fix2->setText(GSDML_Date_Part(FStart_Date));
    Set_Lang();
}

void TFProfinetFileName::Set_Lang()
{
    setWindowTitle(Lang_Text(1800));
    L_SW_Desc->setText(Lang_Text(1801));
    Btn_OK->Set_Caption(Lang_Text(1802));
    Btn_Cancel->Set_Caption(Lang_Text(1803));
    Label1->setText(Lang_Text(1804));
    Label2->setText(Lang_Text(1805));
    Label4->setText(Lang_Text(1806));
    Label5->setText(Lang_Text(1807));
    E_XML_User->setToolTip(Lang_Text(1808));
    Btn_OK->setToolTip(Lang_Text(1809));
    Btn_Cancel->setToolTip(Lang_Text(1810));
}

void TFProfinetFileName::Btn_OKClick()
{
    const QString User = E_XML_User->text();
    if (!Is_Valid_GSDML_User_Part(User)) {
        Msg_Error(Lang_Text(1812), this);
        return;
    }
    Name_File_XML = GSDML_File_Name(User, FStart_Date);
    accept();
}
