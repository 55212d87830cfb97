#include "controls/AppButton.h"
#include "update/UBoot.h"
#include "controls/WindowLook.h"
#include "controls/FxButton.h"
#include "workspace/Workspace.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBox.h"
#include "platform/StandardIcons.h"
#include "text/LangTable.h"
#include "update/JobFile.h"
#include "update/PingCheck.h"
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFrame>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>

namespace {

constexpr int Client_Width = 449;

QWidget *Make_Panel(QWidget *Parent, const char *Name, int Height)
{
    auto *P = new QWidget(Parent);
    P->setObjectName(QLatin1String(Name));
    P->resize(Client_Width, Height);
    return P;
}

template <class T>
T *Make(QWidget *Parent, const char *Name, int X, int Y, int W, int H)
{
    auto *C = new T(Parent);
    C->setObjectName(QLatin1String(Name));
    C->setGeometry(X, Y, W, H);
    return C;
}

// The configurator's button look: the shared face and light colours, Encarta
// style, orange while pressed. No modal result: the handlers decide.
TFxButton *Make_Button(QWidget *Parent, const char *Name, int X, int Y, int W, int H)
{
    return Make_App_Button(Parent, Name, X, Y, W, H);
}

} // namespace

TFBoot::TFBoot(QWidget *Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("FBoot"));
    Window_Look::Apply_Fixed_Dialog_Border(this);
    setModal(true);
    Window_Look::Apply_Background_And_Font(this);

    const Window_Look::TTitle_Layout Title{.Height = 72,
                                           .Code_Top = 4,
                                           .Code_Height = 34,
                                           .Desc_Top = 44,
                                           .Desc_Height = 18,
                                           .Label_Width = 420,
                                           .Rule = true,
                                           .Rule_Name = "P_Title_Rule"};
    P_Title = Window_Look::Make_Title_Panel(this, Client_Width, Title, L_SW_Code, L_SW_Desc);

    P_IP_Address = Make_Panel(this, "P_IP_Address", 64);
    L_IP_Address = Make<QLabel>(P_IP_Address, "L_IP_Address", 16, 6, 420, 18);
    QLineEdit **Boxes[4] = {&E_IP1, &E_IP2, &E_IP3, &E_IP4};
    static const char *const Box_Names[4] = {"E_IP1", "E_IP2", "E_IP3", "E_IP4"};
    static const char *const Dot_Names[3] = {"Label2", "Label3", "Label4"};
    QLabel **Dots[3] = {&Label2, &Label3, &Label4};
    for (int I = 0; I < 4; ++I) {
        *Boxes[I] = Make<QLineEdit>(P_IP_Address, Box_Names[I], 16 + I * 64, 28, 50, 22);
        (*Boxes[I])->setText(QStringLiteral("0"));
        (*Boxes[I])->installEventFilter(this);
        if (I < 3) {
            *Dots[I] = Make<QLabel>(P_IP_Address, Dot_Names[I], 16 + I * 64 + 54, 28, 8, 22);
            (*Dots[I])->setText(QStringLiteral("."));
        }
    }

    P_Eth_Search = Make_Panel(this, "P_Eth_Search", 200);
    L_List_Device = Make<QLabel>(P_Eth_Search, "L_List_Device", 16, 6, 320, 18);
    CG_List_Devices = Make<VIdiDidireDedu>(P_Eth_Search, "CG_List_Devices", 16, 28, 320, 140);
    CG_List_Devices->Set_ColCount(2);
    CG_List_Devices->Set_RowCount(2);
    // Built as a form would stream it: the grid takes its minimums now.
    CG_List_Devices->Loaded();
    Btn_Search = Make_Button(P_Eth_Search, "Btn_Search", 344, 28, 90, 28);
    CB_Find_All_QRX = Make<QCheckBox>(P_Eth_Search, "CB_Find_All_QRX", 16, 174, 320, 20);
    CB_Find_All_QRX->setChecked(true);

    P_Options = Make_Panel(this, "P_Options", 88);
    L_Update_Option = Make<QLabel>(P_Options, "L_Update_Option", 16, 6, 420, 18);
    CB_Update_Options = Make<QComboBox>(P_Options, "CB_Update_Options", 16, 28, 260, 22);
    CB_Update_Option_Read_Back = Make<QCheckBox>(P_Options, "CB_Update_Option_Read_Back", 16, 60, 420, 20);

    P_Serial = Make_Panel(this, "P_Serial", 60);
    L_COM_Port = Make<QLabel>(P_Serial, "L_COM_Port", 16, 6, 420, 18);
    CB_COM_Port = Make<QComboBox>(P_Serial, "CB_COM_Port", 16, 28, 140, 22);
    Btn_COM_List = Make_Button(P_Serial, "Btn_COM_List", 162, 27, 26, 24);
    Btn_COM_List->Set_Glyph(Standard_Icon_Picture(QStyle::SP_BrowserReload).toImage());

    P_Button = Make_Panel(this, "P_Button", 44);
    Btn_Cancel = Make_Button(P_Button, "Btn_Cancel", Client_Width - 190 - 128, 8, 120, 28);
    Btn_Update = Make_Button(P_Button, "Btn_Update", Client_Width - 190, 8, 182, 28);

    connect(Btn_Update, &TFxButton::clicked, this, &TFBoot::Btn_UpdateClick);
    connect(Btn_Cancel, &TFxButton::clicked, this, &TFBoot::Btn_CancelClick);
    connect(Btn_COM_List, &TFxButton::clicked, this, &TFBoot::Btn_COM_ListClick);
    FUpdate_Wait = new TProcess_Wait(this);

    Set_Lang();
    L_SW_Code->setText(SW_Code);
}

void TFBoot::Set_Lang()
{
    const int Title = Form_Type == 0 ? 900 : Form_Type == 2 ? 904 : 902;
    setWindowTitle(Lang_Text(Title));
    L_SW_Desc->setText(Lang_Text(Title + 1));
    L_IP_Address->setText(Lang_Text(906));
    E_IP1->setToolTip(Lang_Text(921));
    E_IP2->setToolTip(Lang_Text(922));
    E_IP3->setToolTip(Lang_Text(923));
    E_IP4->setToolTip(Lang_Text(924));
    L_Update_Option->setText(Lang_Text(914));
    CB_Update_Options->clear();
    CB_Update_Options->addItems({Lang_Text(915), Lang_Text(916), Lang_Text(917)});
    CB_Update_Options->setCurrentIndex(0);
    CB_Update_Options->setToolTip(Lang_Text(932));
    CB_Update_Option_Read_Back->setText(Lang_Text(918));
    CB_Update_Option_Read_Back->setToolTip(Lang_Text(933));
    L_COM_Port->setText(Lang_Text(926));   // 908 is replaced by 926 at once
    Btn_COM_List->setToolTip(Lang_Text(928));
    L_List_Device->setText(Lang_Text(909));
    Btn_Search->Set_Caption(Lang_Text(910));
    Btn_Search->setToolTip(Lang_Text(929));
    CG_List_Devices->Columns().Items(0)->Set_Header(Lang_Text(911));
    CG_List_Devices->Columns().Items(1)->Set_Header(Lang_Text(912));
    CG_List_Devices->setToolTip(Lang_Text(930));
    CB_Find_All_QRX->setText(Lang_Text(913));
    CB_Find_All_QRX->setToolTip(Lang_Text(931));
    Btn_Cancel->Set_Caption(Lang_Text(919));
    Btn_Cancel->setToolTip(Lang_Text(934));
    Btn_Update->Set_Caption(Lang_Text(920));
    Btn_Update->setToolTip(Lang_Text(935));
}

void TFBoot::Stack_Panels(const QList<QWidget *> &Panels)
{
    int Y = P_Title->height();
    for (QWidget *P : Panels) {
        P->move(0, Y);
        if (!P->isHidden())
            Y += P->height();
    }
}

void TFBoot::showEvent(QShowEvent *Event)
{
    QDialog::showEvent(Event);
    if (!Event->spontaneous())
        FormShow();
}

void TFBoot::FormShow()
{
    Set_Lang();
    L_SW_Code->setText(SW_Code);
    P_Title->move(0, 0);
    for (QWidget *P : {P_IP_Address, P_Eth_Search, P_Options, P_Serial})
        P->hide();
    int Height = P_Title->height() + P_Button->height();
    if (Form_Type == 0) {
        P_Serial->show();
        P_Options->show();
        Stack_Panels({P_Serial, P_Options});
        Height += P_Serial->height() + P_Options->height();
        setTabOrder(P_Title, P_Serial);
        setTabOrder(P_Serial, P_Options);
        setTabOrder(P_Options, P_Button);
        setTabOrder(P_Button, P_IP_Address);
        setTabOrder(P_IP_Address, P_Eth_Search);
        Select_Update_Option();
        CB_Update_Option_Read_Back->setChecked(Last_Read_Back);
        update_ComPort();
        if (CB_COM_Port->isEnabled())
            CB_COM_Port->setFocus();
    } else if (Form_Type == 1) {
        P_IP_Address->show();
        P_Options->show();
        Stack_Panels({P_IP_Address, P_Eth_Search, P_Options});
        Height += P_IP_Address->height() + P_Options->height();
        setTabOrder(P_Title, P_IP_Address);
        setTabOrder(P_IP_Address, P_Eth_Search);
        setTabOrder(P_Eth_Search, P_Options);
        setTabOrder(P_Options, P_Button);
        setTabOrder(P_Button, P_Serial);
        QString A, B, C, D;
        if (!Last_IP_Address.isEmpty() && Check_IP_Address(Last_IP_Address, A, B, C, D)) {
            E_IP1->setText(A);
            E_IP2->setText(B);
            E_IP3->setText(C);
            E_IP4->setText(D);
        }
        Select_Update_Option();
        CB_Update_Option_Read_Back->setChecked(Last_Read_Back);
        if (E_IP1->isEnabled())
            E_IP1->setFocus();
    }
    P_Button->move(0, Height - P_Button->height());
    setFixedSize(Client_Width, Height);
}

void TFBoot::Select_Update_Option()
{
    // A remembered option outside the list would leave no option chosen and
    // a job without operations: the first option stands instead.
    const int Option = Last_Update_Option;
    CB_Update_Options->setCurrentIndex(Option >= 0 && Option < CB_Update_Options->count() ? Option : 0);
}

void TFBoot::KeyPress(QObject *Sender, QChar &Key)
{
    if (Key != QLatin1Char('.'))
        return;   // every other key is left to the box: the boxes do not filter digits
    if (Sender != E_IP1 && Sender != E_IP2 && Sender != E_IP3 && Sender != E_IP4)
        return;
    // "." moves on to the next octet box and is never inserted.
    QLineEdit *Next = Sender == E_IP1 ? E_IP2 : Sender == E_IP2 ? E_IP3 : Sender == E_IP3 ? E_IP4 : nullptr;
    if (Next && Next->isEnabled() && Next->isVisible())
        Next->setFocus();
    Key = QChar();
}

bool TFBoot::eventFilter(QObject *Watched, QEvent *Event)
{
    if (Event->type() == QEvent::KeyPress) {
        const QString Text = static_cast<QKeyEvent *>(Event)->text();
        if (Text.size() == 1) {
            QChar Key = Text[0];
            KeyPress(Watched, Key);
            if (Key.isNull())
                return true;   // swallowed
        }
    }
    return QDialog::eventFilter(Watched, Event);
}

void TFBoot::Btn_COM_ListClick()
{
    update_ComPort();
}

void TFBoot::update_ComPort()
{
    CB_COM_Port->clear();
    for (const QString &N : Get_Com_Ports())
        CB_COM_Port->addItem(QStringLiteral("COM") + N);
    CB_COM_Port->setCurrentIndex(CB_COM_Port->count() > 0 ? 0 : -1);
}

QString TFBoot::Target_Address() const
{
    return E_IP1->text() + QLatin1Char('.') + E_IP2->text() + QLatin1Char('.') + E_IP3->text() + QLatin1Char('.')
           + E_IP4->text();
}

void TFBoot::Set_Busy(bool Busy)
{
    Btn_Update->setEnabled(!Busy);
    P_IP_Address->setEnabled(!Busy);
    P_Options->setEnabled(!Busy);
    P_Serial->setEnabled(!Busy);
}

bool TFBoot::Send_Ping()
{
    ping_res = 0;
    FPing_Error.clear();
    const TPing_Check R = Run_Ping_Check(Echo_Client(), Target_Address(), [this] {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return !FCancel_Requested;
    });
    ping_res = R.Ping_Res;
    FPing_Error = R.Error;
    if (R.Cancelled)
        FCancel_Requested = true;
    return R.Found;
}

void TFBoot::Btn_CancelClick()
{
    reject();
}

void TFBoot::reject()
{
    if (FChecking) {
        FCancel_Requested = true;   // the check ends at its next poll, then the dialog closes
        return;
    }
    if (FWaiting)
        return;                     // input is blocked while the update program runs
    QDialog::reject();
}

void TFBoot::closeEvent(QCloseEvent *Event)
{
    if (FChecking || FWaiting) {
        if (FChecking)
            FCancel_Requested = true;
        Event->ignore();
        return;
    }
    QDialog::closeEvent(Event);
}

void TFBoot::Btn_UpdateClick()
{
    if (FChecking || FWaiting)
        return;
    if (Form_Type == 1) {
        QPointer<TFBoot> Self(this);
        FChecking = true;
        FCancel_Requested = false;
        Set_Busy(true);
        const bool Found = Send_Ping();
        if (!Self)
            return;
        FChecking = false;
        Set_Busy(false);
        if (FCancel_Requested) {
            FCancel_Requested = false;
            QDialog::reject();
            return;
        }
        if (Found) {
            Last_IP_Address = Target_Address();
            Last_Update_Option = CB_Update_Options->currentIndex();
            Last_Read_Back = CB_Update_Option_Read_Back->isChecked();
            Run_Update_Program();
        } else if (ping_res == 2) {
            Msg_Warning(Lang_Text(936), this);
        } else {
            // When the address itself is sound, the echo could not be sent for
            // another reason (the system refuses ICMP, no route): say which.
            QString Text = Lang_Text(937);
            std::uint32_t Address;
            if (!FPing_Error.isEmpty() && Parse_IPv4(Target_Address(), Address))
                Text += QLatin1Char('\n') + FPing_Error;
            Msg_Error(Text, this);
        }
    } else if (Form_Type == 0) {
        Last_Update_Option = CB_Update_Options->currentIndex();
        Last_Read_Back = CB_Update_Option_Read_Back->isChecked();
    }
}

bool TFBoot::Compile_XML_Parameter_New_Boot(QString *Error)
{
    TJob_Params P;
    P.IP_Address_Dev = Target_Address();
    P.Update_Option = CB_Update_Options->currentIndex();
    P.Read_Back = CB_Update_Option_Read_Back->isChecked();
    P.Master_Dir = Master_Dir;
    P.Project_Dir = Project_Dir;
    return Write_Job_File(Exe_Dir + QStringLiteral("/Lanwick_Refresh.xml"), P, Error);
}

void TFBoot::Run_Update_Program()
{
    const QString Program = Exe_Dir + QStringLiteral("/Lanwick_Refresh.exe");
    const int Option = CB_Update_Options->currentIndex();
    // Everything the job names must be there before anything starts.
    if (!QFileInfo(Program).isFile()) {
        Msg_Error(Lang_Text(950).arg(QDir::toNativeSeparators(Program)), this);
        return;
    }
    if (Option_Transfers_Firmware(Option) && !QFileInfo(Firmware_File(Master_Dir)).isFile()) {
        Msg_Error(Lang_Text(951).arg(Firmware_File(Master_Dir)), this);
        return;
    }
    if (Option_Transfers_Configuration(Option))
        for (const QString &Image : {Bank1_File(Project_Dir), Bank2_File(Project_Dir)})
            if (!QFileInfo(Image).isFile()) {
                Msg_Error(Lang_Text(952).arg(Image), this);
                return;
            }
    QString Why;
    if (!Compile_XML_Parameter_New_Boot(&Why)) {
        Msg_Error(Lang_Text(953).arg(QDir::toNativeSeparators(Exe_Dir + QStringLiteral("/Lanwick_Refresh.xml")), Why),
                  this);
        return;
    }

    // The dialog returns to the event loop while the program runs, so every
    // window keeps painting; the dialog takes no input meanwhile (disabled,
    // Cancel, Escape and closing refused) and Update_Program_Ended reports.
    FWaiting = true;
    setEnabled(false);
    const TProcess_Run R = Start_Program(Program, QString(), 0);
    if (!R.Started)
        Update_Program_Ended(R);
}

void TFBoot::Update_Program_Ended(const TProcess_Run &R)
{
    const QString Program = Exe_Dir + QStringLiteral("/Lanwick_Refresh.exe");
    setEnabled(true);
    FWaiting = false;
    if (!R.Started)
        Msg_Error(Lang_Text(954).arg(QDir::toNativeSeparators(Program), R.Error), this);
    else if (R.Finished && R.Exit_Code != 0)
        Msg_Error(Lang_Text(955).arg(R.Exit_Code), this);
    else if (!R.Finished)
        Msg_Warning(Lang_Text(956), this);
}

TProcess_Run TFBoot::Start_Program(const QString &NomeSW, const QString &Parameter, int tipo)
{
    QStringList Args;
    if (!Parameter.isEmpty())
        Args << Parameter;
    QPointer<TFBoot> Self(this);
    FUpdate_Wait->Start(NomeSW, Args, tipo == 0, Update_Program_Bound_Ms, [Self](const TProcess_Run &R) {
        if (Self)
            Self->Update_Program_Ended(R);
    });
    return FUpdate_Wait->Result();
}
