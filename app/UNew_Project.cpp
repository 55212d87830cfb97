#include "app/UNew_Project.h"
#include "app/UBrindelcoreFirmWare.h"
#include "app/WindowLook.h"
#include "workspace/Workspace.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

QPointer<TFNew_Project> FNew_Project;

TFNew_Project::TFNew_Project(QWidget *Parent)
    : QDialog(Parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FNew_Project"));
    constexpr int W = 331, H = 162;
    Apply_Window_Look(this, W, H);
    Make_Title_Panel(this, W, &L_SW_Code, &L_SW_Desc);
    L_SW_Code->setText(SW_Code);
    L_SW_Code->adjustSize();
    Label1 = Make_Label(this, "Label1", 16, Title_Panel_Height + 8);
    E_New_Proj = new QLineEdit(this);
    E_New_Proj->setObjectName(QStringLiteral("E_New_Proj"));
    E_New_Proj->setGeometry(16, Title_Panel_Height + 26, W - 32, 21);
    E_New_Proj->installEventFilter(this);
    Make_OK_Cancel_Buttons(Make_Button_Panel(this, W, H), W, Btn_OK, Btn_Cancel);
    connect(Btn_OK, &TAppButton::clicked, this, [this] { Btn_OKClick(); });
    connect(Btn_Cancel, &TAppButton::clicked, this, [this] { reject(); });
    Set_Lang();
}

void TFNew_Project::Set_Lang()
{
    setWindowTitle(Lang_Text(100));
    L_SW_Desc->setText(Lang_Text(101));
    L_SW_Desc->adjustSize();
    Label1->setText(Lang_Text(102));
    Label1->adjustSize();
    Set_Button_Caption(Btn_OK, Lang_Text(103));
    Set_Button_Caption(Btn_Cancel, Lang_Text(104));
    E_New_Proj->setToolTip(Lang_Text(108));
    Btn_OK->setToolTip(Lang_Text(109));
    Btn_Cancel->setToolTip(Lang_Text(110));
}

void TFNew_Project::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    FormShow();
}

void TFNew_Project::FormShow()
{
    E_New_Proj->clear();
    if (E_New_Proj->isEnabled() && E_New_Proj->isVisible())
        E_New_Proj->setFocus();
}

bool TFNew_Project::eventFilter(QObject *Watched, QEvent *Event)
{
    // Enter in the name field confirms like OK.
    if (Watched == E_New_Proj && Event->type() == QEvent::KeyPress) {
        const int Key = static_cast<QKeyEvent *>(Event)->key();
        if (Key == Qt::Key_Return || Key == Qt::Key_Enter) {
            Btn_OKClick();
            return true;
        }
    }
    return QDialog::eventFilter(Watched, Event);
}

void TFNew_Project::Btn_OKClick()
{
    const QString Name = E_New_Proj->text(); // as typed: blanks are part of the name
    if (Name.isEmpty()) {
        Msg_Error(Lang_Text(107), this);
        return;
    }
    // A name that is not one plain folder name would leave PROJECTS.
    if (!Is_Valid_Project_Name(Name)) {
        Msg_Error(Lang_Text(105), this);
        return;
    }
    const QString Dir = Projects_Dir + QLatin1Char('/') + Name;
    if (QFileInfo::exists(Dir)) {
        Msg_Error(Lang_Text(106), this);
        return;
    }
    if (!QDir().mkdir(Dir)) {
        Msg_Error(Lang_Text(105), this);
        return;
    }
    QDir().mkpath(Dir + QStringLiteral("/bin")); // a failure shows when the images are written
    Project_Name = Name;
    Project_Dir = Dir;
    if (FBrindelcoreFirmWare)
        FBrindelcoreFirmWare->Set_Files();
    else
        ::Set_Files();
    accept();
}
