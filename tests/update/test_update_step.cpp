// The Update step from the main window's button handler: compile, images,
// update dialog, echo check, job file and a fake update program.
#include "Bank2Reader.h"
#include "FakeUpdateProgram.h"
#include "app/Forms.h"
#include "app/UBrindelcoreFirmWare.h"
#include "workspace/Workspace.h"
#include "platform/FileGroup.h"
#include "platform/IcmpEcho.h"
#include "platform/MessageBox.h"
#include "platform/XmlDoc.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include "update/UBoot.h"
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class TAnsweringGateway : public IEcho_Client
{
public:
    QStringList Hosts;
    TEcho_Reply Echo(const QString &Host, const QByteArray &Data, std::uint32_t, const std::function<bool()> &) override
    {
        Hosts << Host;
        TEcho_Reply R;
        R.Status = TEcho_Reply::esReply;
        R.Bytes_Received = 8 + Data.size();
        return R;
    }
};

const char Catalogue[] =
    "<profile><rorg><number>0xA5</number><title>4BS</title><func><number>0x02</number><title>Temperature</title>"
    "<type><number>0x05</number><title>0..40</title><case><title>Temp</title>"
    "<datafield><data>TMP</data><bitoffs>16</bitoffs><bitsize>8</bitsize></datafield></case></type></func></rorg></profile>";

class UpdateStepTest : public ::testing::Test
{
protected:
    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Box_Guard{&Boxes};
    TAnsweringGateway Gateway;
    TEchoClientGuard Echo_Guard{&Gateway};
    TFBrindelcoreFirmWare *Main = nullptr;
    bool Dialog_Opened = false;

    QString Path(const QString &Rel) const { return Dir.filePath(Rel); }
    QString Project(const QString &Rel) const { return Dir.filePath(QStringLiteral("PROJECTS/Plant/") + Rel); }

    void SetUp() override
    {
        Reset_Workspace();
        Set_Program_Dir_Override(Dir.path());
        Write_File(Path("CAT_EnOcean/eep.xml"), Catalogue);
        Write_File(Path("MASTER/SimTK410.sim"), "firmware");
        QDir().mkpath(Project("bin"));
        Write_File(Path("Brindelcor.xml"),
                   "<Conf_Settings><lastproj><projectname>Plant</projectname></lastproj></Conf_Settings>");
        Write_File(Project("ParGen.xml"), "<Par_Gen/><!--SW_VERSION = 1.000-->");
        Write_Devices(QStringLiteral("<Variable CaseInd=\"0\" Data=\"TMP\" BitOffs=\"16\" BitSize=\"8\" Position=\"1\" BitStart=\"0\"/>"));
        // The fake update program: what it was started with, the job, and
        // the size and a copy of every file the job names.
        Write_Fake_Update_Program(Dir.path());
    }
    void TearDown() override
    {
        delete Main;
        Set_Program_Dir_Override(QString());
        Reset_Workspace();
    }
    void Write_Devices(const QString &Variables)
    {
        Write_File(Project("EnOcean.xml"),
                   ("<EnOcean><DevicesList><Device Id=\"0x0180ABCD\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" "
                    "RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"><UnidirectionalList>"
                    "<RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"><VariablesList>"
                    + Variables
                    + "</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList/><Remote/></Device>"
                      "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->")
                       .toUtf8());
    }
    void Start() { Main = Create_Forms(); }
    // Presses Update Device UDP; Inside runs once the update dialog is up and must close it.
    void Press_Update(const std::function<void(TFBoot *)> &Inside)
    {
        // A timer that lives only for this press: when the dialog never
        // opens it is stopped before it can fire into a later press.
        QTimer Once;
        Once.setSingleShot(true);
        QObject::connect(&Once, &QTimer::timeout, [this, Inside] {
            auto *Boot = qobject_cast<TFBoot *>(FBoot.data());
            if (!Boot || !Boot->isVisible())
                return;
            Dialog_Opened = true;
            Inside(Boot);
            // a started update program is waited for on the event loop
            EXPECT_TRUE(Wait_Until([Boot] { return !Boot->Waiting(); }));
            Boot->reject();
        });
        Once.start(0);
        Dialog_Opened = false;
        Main->Btn_Click(Main->Btn_CreateBin);
        Once.stop();
    }
};

TEST_F(UpdateStepTest, FullUpdateRunsTheProgramWithTheCompiledImages)
{
    Start();
    ASSERT_TRUE(Boxes.Shown.isEmpty()) << qPrintable(Boxes.Texts().join('|'));
    Press_Update([](TFBoot *Boot) {
        EXPECT_EQ(Boot->Form_Type, 1);
        Boot->E_IP1->setText(QStringLiteral("127"));
        Boot->E_IP2->setText(QStringLiteral("0"));
        Boot->E_IP3->setText(QStringLiteral("0"));
        Boot->E_IP4->setText(QStringLiteral("1"));
        Boot->CB_Update_Options->setCurrentIndex(0);
        Boot->Btn_UpdateClick();
    });
    ASSERT_TRUE(Dialog_Opened);
    EXPECT_TRUE(Boxes.Shown.isEmpty()) << qPrintable(Boxes.Texts().join('|'));
    EXPECT_EQ(Gateway.Hosts.value(0), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(Last_IP_Address, QStringLiteral("127.0.0.1"));
    // bank1 from <Par_Gen/>, bank2 one device, one case, one variable
    const QByteArray Bank1 = Read_File(Project("bin/bank1.bin"));
    ASSERT_EQ(Bank1.size(), 2048);
    EXPECT_EQ(Bank1.mid(2044, 4), QByteArray::fromHex("8F110000"));   // 4495
    EXPECT_EQ(Read_File(Project("bin/bank2.bin")).size(), 8 + 72 + 12 + 40 + 16);
    EXPECT_EQ(Read_File(Path("seen_argc")), QByteArray("0\n"));
    EXPECT_EQ(Read_File(Path("seen_sizes")), QByteArray("8\n2048\n148\n"));
    // The bank2 the program was handed holds the project's device.
    std::vector<TBank2_Device> Devices;
    QString Error;
    ASSERT_TRUE(Read_Bank2(Seen_File(Dir.path(), QStringLiteral("bank2.bin")), Devices, Error)) << qPrintable(Error);
    ASSERT_EQ(Devices.size(), 1u);
    EXPECT_EQ(Devices[0].Id, 0x0180ABCDu);
    ASSERT_EQ(Devices[0].Uni.size(), 1u);
    EXPECT_EQ(Devices[0].Uni[0].Rorg, 0xA5u);
    ASSERT_EQ(Devices[0].Uni[0].Cases.size(), 1u);
    ASSERT_EQ(Devices[0].Uni[0].Cases[0].In.size(), 1u);
    EXPECT_EQ(Devices[0].Uni[0].Cases[0].In[0].Position, 1u);
    TXmlDocument Job;
    Job.Load_From_File(Path("seen_job.xml"));
    EXPECT_EQ(Job.First_Node()->Must_Child(QStringLiteral("IP_Address_Dev"))->Text(), QStringLiteral("127.0.0.1"));
}

TEST_F(UpdateStepTest, NoParGenAsksBeforeCompiling)
{
    QFile::remove(Project("ParGen.xml"));
    Start();
    Boxes.Answers << TMsgResult::mrNo;
    Press_Update([](TFBoot *) {});
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
    EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(960));
    EXPECT_FALSE(Dialog_Opened);
    EXPECT_FALSE(QFile::exists(Project("bin/bank1.bin")));

    // Yes compiles the defaults (checksum 3467)
    Boxes.Shown.clear();
    Boxes.Answers << TMsgResult::mrYes;
    Press_Update([](TFBoot *) {});
    EXPECT_TRUE(Dialog_Opened);
    EXPECT_EQ(Read_File(Project("bin/bank1.bin")).mid(2044, 4), QByteArray::fromHex("8B0D0000"));
}

TEST_F(UpdateStepTest, CompileErrorNamesFileDeviceAndAttributeAndWritesNothing)
{
    Write_File(Project("bin/bank1.bin"), "old");
    Write_Devices(QStringLiteral("<Variable CaseInd=\"0\" Data=\"TMP\" BitOffs=\"16\" BitSize=\"eight\" Position=\"1\" BitStart=\"0\"/>"));
    Start();
    Press_Update([](TFBoot *) {});
    EXPECT_FALSE(Dialog_Opened);
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    const QString M = Boxes.Shown[0].Text;
    EXPECT_TRUE(M.contains(QStringLiteral("EnOcean.xml")) && M.contains(QStringLiteral("BitSize"))
                && M.contains(QStringLiteral("0x0180ABCD")))
        << qPrintable(M);
    EXPECT_EQ(Read_File(Project("bin/bank1.bin")), QByteArray("old"));
    EXPECT_FALSE(QFile::exists(Project("bin/bank2.bin")));
}

TEST_F(UpdateStepTest, UnplacedVariablesAreListedBeforeAnythingIsWritten)
{
    Write_Devices(QStringLiteral("<Variable CaseInd=\"3\" Data=\"Lost\" BitOffs=\"0\" BitSize=\"1\" Position=\"1\" BitStart=\"0\"/>"));
    Start();
    Boxes.Answers << TMsgResult::mrNo;
    Press_Update([](TFBoot *) {});
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("Lost"))) << qPrintable(Boxes.Shown[0].Text);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("A5-02-05"))) << qPrintable(Boxes.Shown[0].Text);
    EXPECT_FALSE(Dialog_Opened);
    EXPECT_FALSE(QFile::exists(Project("bin/bank1.bin")));
}

TEST_F(UpdateStepTest, ImagesThatCannotBeWrittenKeepTheDialogClosed)
{
    QDir(Project("bin")).removeRecursively();
    Write_File(Project("bin"), "a file where the folder belongs");
    Start();
    Press_Update([](TFBoot *) {});
    EXPECT_FALSE(Dialog_Opened);
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
}

// bank2 cannot be put in place: the old pair stays, the error says so and names it.
TEST_F(UpdateStepTest, ImagesAreReplacedAsAPairOrNotAtAll)
{
    Write_File(Project("bin/bank1.bin"), "old bank1");
    Write_File(Project("bin/bank2.bin"), "old bank2");
    Set_File_Group_Fault(Project("bin/bank2.bin"));
    Start();
    Press_Update([](TFBoot *) {});
    Set_File_Group_Fault(QString());
    EXPECT_FALSE(Dialog_Opened);
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QLatin1String("bank2.bin"))) << Boxes.Shown[0].Text.toStdString();
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QLatin1String("unchanged"))) << Boxes.Shown[0].Text.toStdString();
    EXPECT_EQ(Read_File(Project("bin/bank1.bin")), QByteArray("old bank1"));
    EXPECT_EQ(Read_File(Project("bin/bank2.bin")), QByteArray("old bank2"));
}

TEST_F(UpdateStepTest, MissingBinFolderIsCreated)
{
    QDir(Project("bin")).removeRecursively();
    Start();
    Press_Update([](TFBoot *) {});
    EXPECT_TRUE(Dialog_Opened) << qPrintable(Boxes.Texts().join('|'));
    EXPECT_EQ(Read_File(Project("bin/bank1.bin")).size(), 2048);
}

TEST_F(UpdateStepTest, MissingOrBrokenCatalogueIsReportedOnceAtStart)
{
    for (const char *Content : {static_cast<const char *>(nullptr), "<profile><rorg>"}) {
        SCOPED_TRACE(Content ? "Broken" : "Missing");
        delete Main;
        Main = nullptr;
        Boxes.Shown.clear();
        QFile::remove(Path("CAT_EnOcean/eep.xml"));
        if (Content)
            Write_File(Path("CAT_EnOcean/eep.xml"), Content);
        Start();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("eep.xml"))) << qPrintable(Boxes.Shown[0].Text);
    }
    // without a catalogue the variable cannot be placed: listed, then compiled without it on Yes
    Boxes.Shown.clear();
    Boxes.Answers << TMsgResult::mrYes;
    Press_Update([](TFBoot *) {});
    EXPECT_TRUE(Dialog_Opened);
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("TMP")));
    EXPECT_EQ(Read_File(Project("bin/bank2.bin")).size(), 8 + 72 + 12);
}

} // namespace
