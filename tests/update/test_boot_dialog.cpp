#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "platform/Clock.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBox.h"
#include "platform/ProcessRun.h"
#include "platform/XmlDoc.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include "update/UBoot.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QKeyEvent>
#include <gtest/gtest.h>

namespace {

// Stands for the gateway: answers or stays silent, and lets a test act
// while the check runs (the dialog processes messages between tries).
class TFakeGateway : public IEcho_Client
{
public:
    enum TMode { Answers, Silent, Bad_Address, No_Socket };
    TMode Mode = Answers;
    std::function<void()> During;   // runs inside the first request
    QStringList Hosts;
    TEcho_Reply Echo(const QString &Host, const QByteArray &, std::uint32_t Timeout_Ms,
                     const std::function<bool()> &Idle) override
    {
        Hosts << Host;
        TEcho_Reply R;
        if (During) {
            auto F = std::move(During);
            During = nullptr;
            F();
            if (Idle && !Idle()) {
                R.Status = TEcho_Reply::esCancelled;
                return R;
            }
        }
        std::uint32_t Unused;
        if (Mode == Bad_Address || !Parse_IPv4(Host, Unused)) {
            R.Status = TEcho_Reply::esError;
            R.Error = QStringLiteral("\"%1\" is not a numeric IPv4 address").arg(Host);
            return R;
        }
        if (Mode == No_Socket) {
            R.Status = TEcho_Reply::esError;
            R.Error = QStringLiteral("no ICMP socket: Operation not permitted");
            return R;
        }
        if (Mode == Answers) {
            R.Status = TEcho_Reply::esReply;
            R.Bytes_Received = 17;
        } else {
            Clock().Sleep(Timeout_Ms);
        }
        return R;
    }
};

class BootDialogTest : public ::testing::Test
{
public:
    QTemporaryDir Dir;
    TDrivenClock Clk;
    TClockGuard Clock_Guard{&Clk};
    TFakeGateway Gateway;
    TEchoClientGuard Echo_Guard{&Gateway};
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Box_Guard{&Boxes};
    std::unique_ptr<TFBoot> Boot;

    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        Init_Program_Folders(Dir.path());
        SW_Code = QStringLiteral("CFTK410");
        Last_IP_Address = QStringLiteral("127.0.0.1");
        Last_Read_Back = true;
        Last_Update_Option = 0;
        Set_Active_Project(QStringLiteral("Plant"));
        Write_File(Project_Dir + "/bin/bank1.bin", QByteArray(2048, 1));
        Write_File(Project_Dir + "/bin/bank2.bin", QByteArray(8, 2));
        Write_File(Master_Dir + "/SimTK410.sim", "firmware");
        Boot = std::make_unique<TFBoot>();
        Boot->Form_Type = 1;
    }
    void TearDown() override { Reset_Workspace(); }

    QString Program() const { return Exe_Dir + "/Lanwick_Refresh.exe"; }
    // The fake update program: records its arguments and the job, exits with the given code.
    void Install_Program(int Exit_Code)
    {
        Write_File(Program(), QStringLiteral("#!/bin/sh\nd=$(dirname \"$0\")\necho \"$#\" > \"$d/seen_argc\"\n"
                                             "cp \"$d/Lanwick_Refresh.xml\" \"$d/seen_job.xml\"\nexit %1\n")
                                  .arg(Exit_Code)
                                  .toUtf8());
        QFile::setPermissions(Program(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    void Show()
    {
        Boot->show();
        QCoreApplication::processEvents();
    }
    void Set_Address(const char *A, const char *B, const char *C, const char *D)
    {
        Boot->E_IP1->setText(QLatin1String(A));
        Boot->E_IP2->setText(QLatin1String(B));
        Boot->E_IP3->setText(QLatin1String(C));
        Boot->E_IP4->setText(QLatin1String(D));
    }
    bool Program_Ran() const { return QFile::exists(Exe_Dir + "/seen_argc"); }
};

TEST_F(BootDialogTest, EthernetModeShowsAddressAndOptions)
{
    Last_IP_Address = QStringLiteral("192.168.2.205");
    Last_Update_Option = 2;
    Last_Read_Back = false;
    Show();
    EXPECT_EQ(Boot->width(), 449);
    EXPECT_EQ(Boot->windowTitle(), QStringLiteral("Update Device by Ethernet (UDP)"));
    EXPECT_TRUE(Boot->P_IP_Address->isVisible());
    EXPECT_TRUE(Boot->P_Options->isVisible());
    EXPECT_FALSE(Boot->P_Eth_Search->isVisible());
    EXPECT_FALSE(Boot->P_Serial->isVisible());
    EXPECT_EQ(Boot->height(), Boot->P_Title->height() + Boot->P_IP_Address->height() + Boot->P_Options->height()
                                  + Boot->P_Button->height());
    EXPECT_EQ(Boot->E_IP1->text() + Boot->E_IP2->text() + Boot->E_IP3->text() + Boot->E_IP4->text(),
              QStringLiteral("1921682205"));
    EXPECT_EQ(Boot->CB_Update_Options->currentIndex(), 2);
    EXPECT_FALSE(Boot->CB_Update_Option_Read_Back->isChecked());
    Save_Screenshot(Boot.get(), QStringLiteral("update_dialog_ethernet"));
    // a rule runs under the title panel from edge to edge, on the window's background
    const QImage Shot = Boot->grab().toImage();
    const int Rule_Y = Boot->P_Title->height() - 1;
    for (int X : {0, Boot->width() / 2, Boot->width() - 1}) {
        SCOPED_TRACE(X);
        EXPECT_EQ(Shot.pixelColor(X, Rule_Y), QColor(200, 200, 190));
        EXPECT_EQ(Shot.pixelColor(X, Rule_Y - 1), QColor(248, 247, 237));
        EXPECT_EQ(Shot.pixelColor(X, Rule_Y + 1), QColor(248, 247, 237));
    }
}

TEST_F(BootDialogTest, MalformedRememberedAddressKeepsTheBoxes)
{
    Set_Address("10", "0", "0", "7");
    Last_IP_Address = QStringLiteral("999.1.1.1");
    Show();
    EXPECT_EQ(Boot->E_IP1->text(), QStringLiteral("10"));
    EXPECT_EQ(Boot->E_IP4->text(), QStringLiteral("7"));
}

// A remembered option outside the list selects the first one, never none
// (a job without operations), in both modes that show the options.
TEST_F(BootDialogTest, RememberedOptionOutsideTheListSelectsTheFirst)
{
    for (int Mode : {0, 1})
        for (int Option : {-1, 3, 99}) {
            SCOPED_TRACE(QStringLiteral("mode %1, option %2").arg(Mode).arg(Option).toStdString());
            Boot->hide();
            Boot->Form_Type = Mode;
            Last_Update_Option = Option;
            Show();
            EXPECT_EQ(Boot->CB_Update_Options->currentIndex(), 0);
        }
}

TEST_F(BootDialogTest, SerialModeListsPortsAndOnlyRemembersOptions)
{
    Boot->Form_Type = 0;
    Show();
    EXPECT_EQ(Boot->windowTitle(), QStringLiteral("Update Device by Serial"));
    EXPECT_TRUE(Boot->P_Serial->isVisible());
    EXPECT_FALSE(Boot->P_IP_Address->isVisible());
    EXPECT_EQ(Boot->CB_COM_Port->count(), Get_Com_Ports().size());
    Boot->CB_Update_Options->setCurrentIndex(1);
    Boot->CB_Update_Option_Read_Back->setChecked(false);
    Boot->Btn_UpdateClick();
    EXPECT_EQ(Last_Update_Option, 1);
    EXPECT_FALSE(Last_Read_Back);
    EXPECT_TRUE(Gateway.Hosts.isEmpty());
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

TEST_F(BootDialogTest, UsbModeHasTitlesOnly)
{
    Boot->Form_Type = 2;
    Show();
    EXPECT_EQ(Boot->windowTitle(), QStringLiteral("Update Device by USB"));
    for (QWidget *P : {Boot->P_IP_Address, Boot->P_Options, Boot->P_Serial, Boot->P_Eth_Search})
        EXPECT_FALSE(P->isVisible()) << qPrintable(P->objectName());
    Boot->Btn_UpdateClick();
    EXPECT_TRUE(Gateway.Hosts.isEmpty());
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// The hidden search panel holds the device grid: two columns with the
// language's headers and hint, and no device rows filled in.
TEST_F(BootDialogTest, DeviceSearchGridHasTwoTitledEmptyColumns)
{
    Show();
    VIdiDidireDedu *G = Boot->CG_List_Devices;
    ASSERT_NE(G, nullptr);
    EXPECT_EQ(G->ColCount(), 2);
    EXPECT_EQ(G->Columns().Count(), 2);
    EXPECT_EQ(G->Columns().Items(0)->Header(), Lang_Text(911));
    EXPECT_EQ(G->Columns().Items(1)->Header(), Lang_Text(912));
    EXPECT_EQ(G->Cells(1, 0), Lang_Text(912));
    EXPECT_EQ(G->toolTip(), Lang_Text(930));
    // built as a form is loaded: the grid has its minimum sizes
    EXPECT_TRUE(G->IsLoaded());
    EXPECT_EQ(G->MinColWidth(), 10);
    EXPECT_EQ(G->MinRowHeight(), G->DefaultRowHeight());
    for (int R = G->FixedRows(); R < G->RowCount(); ++R)
        EXPECT_TRUE(G->Cells(1, R).isEmpty());
}

TEST_F(BootDialogTest, DotJumpsToTheNextBoxAndIsNeverInserted)
{
    Show();
    Boot->activateWindow();
    Boot->E_IP2->setFocus();
    Boot->E_IP2->setText(QStringLiteral("16"));
    QTest::keyClick(Boot->E_IP2, '.');
    EXPECT_EQ(Boot->E_IP2->text(), QStringLiteral("16"));
    EXPECT_TRUE(Boot->E_IP3->hasFocus());
    Boot->E_IP4->setText(QStringLiteral("5"));
    QTest::keyClick(Boot->E_IP4, '.');
    EXPECT_EQ(Boot->E_IP4->text(), QStringLiteral("5"));
}

TEST_F(BootDialogTest, FailedChecksReportAndLaunchNothing)
{
    Install_Program(0);
    struct TCase
    {
        const char *Name;
        TFakeGateway::TMode Mode;
        const char *Octet1;
        TMsgKind Kind;
        const char *Text;
    };
    const TCase Cases[] = {
        {"Silent", TFakeGateway::Silent, "127", TMsgKind::mkWarning, "Device Not Found!"},
        {"OctetAbove255", TFakeGateway::Answers, "999", TMsgKind::mkError, "Error!!! Check the Ip Address"},
        {"Letters", TFakeGateway::Answers, "abc", TMsgKind::mkError, "Error!!! Check the Ip Address"},
        // a sound address that cannot be pinged at all: the reason is added to the text
        {"SystemRefusesIcmp", TFakeGateway::No_Socket, "127", TMsgKind::mkError,
         "Error!!! Check the Ip Address\nno ICMP socket: Operation not permitted"},
    };
    Show();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        Gateway.Mode = C.Mode;
        Last_IP_Address = QStringLiteral("127.0.0.1");
        Set_Address(C.Octet1, "0", "0", "1");
        Boot->Btn_UpdateClick();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, C.Kind);
        EXPECT_EQ(Boxes.Shown[0].Text, QLatin1String(C.Text));
        EXPECT_EQ(Last_IP_Address, QStringLiteral("127.0.0.1"));
        EXPECT_FALSE(QFile::exists(Exe_Dir + "/Lanwick_Refresh.xml"));
        EXPECT_FALSE(Program_Ran());
    }
}

TEST_F(BootDialogTest, UpdateIsDisabledWhileCheckingAndCancelEndsTheCheck)
{
    Install_Program(0);
    Show();
    Set_Address("127", "0", "0", "1");
    bool Update_Enabled = true;
    Gateway.During = [&] {
        Update_Enabled = Boot->Btn_Update->isEnabled();
        QTest::mouseClick(Boot->Btn_Cancel, Qt::LeftButton);
    };
    Boot->Btn_UpdateClick();
    EXPECT_FALSE(Update_Enabled);
    EXPECT_FALSE(Boot->isVisible());
    EXPECT_EQ(Boot->result(), int(QDialog::Rejected));
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_FALSE(Program_Ran());
    EXPECT_FALSE(QFile::exists(Exe_Dir + "/Lanwick_Refresh.xml"));
    EXPECT_TRUE(Boot->Btn_Update->isEnabled());
}

TEST_F(BootDialogTest, FoundDeviceWritesTheJobAndRunsTheProgram)
{
    Install_Program(0);
    Show();
    Set_Address("127", "0", "0", "1");
    Boot->CB_Update_Options->setCurrentIndex(2);
    Boot->CB_Update_Option_Read_Back->setChecked(false);
    Boot->Btn_UpdateClick();
    // the update program is waited for on the event loop
    EXPECT_TRUE(Boot->Waiting());
    EXPECT_FALSE(Boot->isEnabled());
    ASSERT_TRUE(Wait_Until([this] { return !Boot->Waiting(); }));
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << qPrintable(Boxes.Texts().join('|'));
    EXPECT_EQ(Last_IP_Address, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(Last_Update_Option, 2);
    EXPECT_FALSE(Last_Read_Back);
    EXPECT_EQ(Read_File(Exe_Dir + "/seen_argc"), QByteArray("0\n"));
    TXmlDocument Job;
    Job.Load_From_File(Exe_Dir + "/seen_job.xml");
    const TXmlNode *Ops = Job.First_Node()->Must_Child(QStringLiteral("Operations"));
    ASSERT_EQ(Ops->Child_Elements().size(), 2);
    EXPECT_EQ(Ops->Child_Elements()[0]->Must_Child(QStringLiteral("Ope_FileName"))->Text(),
              QDir::toNativeSeparators(Project_Dir + "/bin/bank1.bin"));
    EXPECT_EQ(Ops->Child_Elements()[1]->Must_Child(QStringLiteral("Ope_Read_Back"))->Text(), QStringLiteral("0"));
    EXPECT_TRUE(Boot->isVisible());   // the dialog stays open
    EXPECT_TRUE(Boot->isEnabled());
}

TEST_F(BootDialogTest, MissingFilesAndFailingProgramsAreReported)
{
    struct TCase
    {
        const char *Name;
        int Option;
        std::function<void(BootDialogTest &)> Prepare;
        int Text;
        bool Ran;
    };
    const TCase Cases[] = {
        {"NoUpdateProgram", 0, [](BootDialogTest &T) { QFile::remove(T.Program()); }, 950, false},
        {"NoFirmware", 1, [](BootDialogTest &) { QFile::remove(Master_Dir + "/SimTK410.sim"); }, 951, false},
        // the firmware-free option does not need it
        {"NoFirmwareConfigurationOnly", 2, [](BootDialogTest &) { QFile::remove(Master_Dir + "/SimTK410.sim"); }, 0, true},
        {"NoImage", 2, [](BootDialogTest &) { QFile::remove(Project_Dir + "/bin/bank2.bin"); }, 952, false},
        {"NonZeroExit", 0, [](BootDialogTest &T) { T.Install_Program(4); }, 955, true},
        {"NotExecutable", 0, [](BootDialogTest &T) { QFile::setPermissions(T.Program(), QFile::ReadOwner); }, 954, false},
    };
    Show();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Install_Program(0);
        Write_File(Master_Dir + "/SimTK410.sim", "firmware");
        Write_File(Project_Dir + "/bin/bank2.bin", QByteArray(8, 2));
        QFile::remove(Exe_Dir + "/seen_argc");
        Boxes.Shown.clear();
        C.Prepare(*this);
        Set_Address("127", "0", "0", "1");
        Boot->CB_Update_Options->setCurrentIndex(C.Option);
        Boot->Btn_UpdateClick();
        ASSERT_TRUE(Wait_Until([this] { return !Boot->Waiting(); }));
        if (C.Text == 0) {
            EXPECT_TRUE(Boxes.Shown.isEmpty());
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
            EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(C.Text).left(20))) << qPrintable(Boxes.Shown[0].Text);
        }
        EXPECT_EQ(Program_Ran(), C.Ran);
    }
}

TEST_F(BootDialogTest, ProgramOutlivingTheBoundIsReportedNotStopped)
{
    // A program that never ends: the wait stops at the 150 s bound. Meanwhile
    // the dialog is disabled and refuses to close, timers and painting go on,
    // and a key typed during the wait never reaches the address boxes.
    struct TNeverEnds : IProcess_Launcher
    {
        bool Started = false;
        int Released = 0;
        std::unique_ptr<IRunning_Process> Start(const QString &, const QStringList &Args, bool, QString &) override
        {
            Started = Args.isEmpty();
            struct TProc : IRunning_Process
            {
                TNeverEnds *L;
                explicit TProc(TNeverEnds *O) : L(O) {}
                ~TProc() override { ++L->Released; }
                void On_Ended(std::function<void(int)>) override {}
            };
            return std::make_unique<TProc>(this);
        }
    } Launcher;
    TProcessLauncherGuard LG(&Launcher);
    // Counts the dialog's paints.
    struct TPaints : QObject
    {
        int Count = 0;
        bool eventFilter(QObject *, QEvent *E) override
        {
            if (E->type() == QEvent::Paint)
                ++Count;
            return false;
        }
    } Paints;
    Install_Program(0);
    Show();
    Set_Address("127", "0", "0", "1");
    Boot->E_IP1->setFocus();
    Boot->installEventFilter(&Paints);
    Boot->Btn_UpdateClick();
    EXPECT_TRUE(Launcher.Started);
    ASSERT_TRUE(Boot->Waiting());
    EXPECT_FALSE(Boot->isEnabled());
    EXPECT_EQ(Boot->Update_Wait()->Bound_Timer()->interval(), 150000);

    bool Timer_Fired = false;
    QTimer::singleShot(0, Boot.get(), [&Timer_Fired] { Timer_Fired = true; });
    QCoreApplication::postEvent(Boot->E_IP1, new QKeyEvent(QEvent::KeyPress, Qt::Key_9, Qt::NoModifier, QStringLiteral("9")));
    Paints.Count = 0;
    Boot->update();
    EXPECT_TRUE(Wait_Until([&] { return Timer_Fired && Paints.Count > 0; }));
    Boot->reject();
    Boot->close();
    EXPECT_TRUE(Boot->isVisible());
    EXPECT_TRUE(Boxes.Shown.isEmpty());

    // the bound is reached
    Boot->Update_Wait()->Bound_Timer()->start(0);
    ASSERT_TRUE(Wait_Until([this] { return !Boot->Waiting(); }));
    EXPECT_EQ(Launcher.Released, 1);   // let go, never stopped
    EXPECT_EQ(Boot->E_IP1->text(), QStringLiteral("127"));
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(956));
    EXPECT_TRUE(Boot->isEnabled());
    EXPECT_TRUE(Boot->isVisible());
}

TEST_F(BootDialogTest, EachShowingTakesTheCurrentTexts)
{
    Show();
    Boot->hide();
    Lang_Table[902] = QStringLiteral("Aggiornamento via Ethernet");
    Lang_Table[917] = QStringLiteral("Configurazione");
    Lang_Table[920] = QStringLiteral("Esegui aggiornamento");
    Lang_Table[919] = QStringLiteral("Annulla");
    Last_Update_Option = 2;
    Show();
    // the styled buttons take their captions through the caption setter
    EXPECT_EQ(Boot->Btn_Update->Caption(), QStringLiteral("Esegui aggiornamento"));
    EXPECT_EQ(Boot->Btn_Cancel->Caption(), QStringLiteral("Annulla"));
    EXPECT_EQ(Boot->windowTitle(), QStringLiteral("Aggiornamento via Ethernet"));
    EXPECT_EQ(Boot->CB_Update_Options->count(), 3);
    EXPECT_EQ(Boot->CB_Update_Options->currentText(), QStringLiteral("Configurazione"));
}

} // namespace
