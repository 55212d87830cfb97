#include "AppTestSupport.h"
#include "app/Forms.h"
#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "protocols/UMQTT_SetTopic.h"
#include "protocols/UMQTT_Template.h"
#include "protocols/UProfinetFileName.h"
#include <QTimer>
#include "TestSupport.h"
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace {
QString Golden(const char *Name) { return QStringLiteral(BC_PROTOCOLS_GOLDEN_DIR "/") + QLatin1String(Name); }

// The main window started on project "P", with file dialogs answered by a fake
// and the clock fixed.
class MainProtocolSteps : public AppFixture
{
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        Clk.Current = QDateTime(QDate(2026, 3, 4), QTime(7, 8, 9));
        QDir().mkpath(Path("PROJECTS/P"));
        Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
        Start();
        ASSERT_EQ(Project_Dir, Path("PROJECTS/P"));
        Boxes.Shown.clear(); // what the start reported (no EEP catalogue here) is not these steps' business
    }
    QString In_Project(const QString &Name) const { return QDir(Project_Dir).filePath(Name); }

    TDrivenClock Clk;
    TClockGuard Clock_Guard{&Clk};
    TFakeFileDialogs Dialogs;
    TFileDialogGuard Dialog_Guard{&Dialogs};
};
} // namespace

TEST_F(MainProtocolSteps, BACnetEdeFileWritesTheProjectsObjects)
{
    Write_File(File_ParGen, "<Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE></Par_Gen>");
    Write_File(File_BACnet_Slave,
               "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T1\"/>"
               "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T2\"/></BACnet_in_Read><BACnet_in_Write>"
               "<row Data_Type=\"Analog Value\" Eng_Unit=\"98\" Mnemonic=\"SP\"/></BACnet_in_Write></BACnet_to_Modbus>");
    // The example's project is called Plant1: name the project so for the golden file.
    Project_Name = "Plant1";
    Dialogs.Answers << In_Project("objects");
    Main->Btn_Click(Main->Btn_BACnet_EDE_File);
    ASSERT_EQ(Dialogs.Requests.size(), 1);
    EXPECT_EQ(Dialogs.Requests[0].Initial_Dir, Project_Dir);
    EXPECT_EQ(Read_File(In_Project("objects.csv")), Read_File(Golden("ede_example.csv")));
    EXPECT_TRUE(Boxes.Shown.isEmpty());

    // The overwrite question: Cancel keeps the file.
    Write_File(In_Project("objects.csv"), "old");
    Boxes.Answers = {TMsgResult::mrCancel};
    Dialogs.Answers << In_Project("objects.csv");
    Main->Btn_Click(Main->Btn_BACnet_EDE_File);
    EXPECT_EQ(Boxes.Texts(), QStringList{"The File already exists! Do you want to overwrite the file?"});
    EXPECT_EQ(Read_File(In_Project("objects.csv")), "old");
}

TEST_F(MainProtocolSteps, ProfibusGsdNeedsTheParameterFile)
{
    Main->Btn_Click(Main->Btn_PROFIBUS_GSD);
    EXPECT_EQ(Boxes.Texts(), QStringList{"Error! Please set the Set Communication Parameter before to create the GSD file"});
    EXPECT_TRUE(Dialogs.Requests.isEmpty());

    Boxes.Shown.clear();
    Write_File(File_ParGen, "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT></Par_Gen>");
    Dialogs.Answers << In_Project("gw");
    Main->Btn_Click(Main->Btn_PROFIBUS_GSD);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(Read_File(In_Project("gw.gsd")), Read_File(Golden("gsd_in20_out100.gsd")));
}

TEST_F(MainProtocolSteps, ProfinetXmlAsksTheNameThenTheFolder)
{
    Dialogs.Answers << In_Project("whatever.xml");
    While_Modal(
        [] {
            auto *D = qobject_cast<TFProfinetFileName *>(FProfinetFileName.data());
            ASSERT_NE(D, nullptr);
            D->E_XML_User->setText("Line1");
            D->Btn_OK->Click();
        },
        [this] { Main->Btn_Click(Main->Btn_PROFINET_XML); });
    ASSERT_EQ(Dialogs.Requests.size(), 1);
    EXPECT_EQ(Dialogs.Requests[0].File_Name, "GSDML-V2.31-Quorix-GWTK460_Line1-20260304.xml");
    EXPECT_EQ(Read_File(In_Project("GSDML-V2.31-Quorix-GWTK460_Line1-20260304.xml")),
              Read_File(Golden("gsdml_defaults.xml")));
    EXPECT_TRUE(Boxes.Shown.isEmpty());

    // Cancel in the name dialog: nothing further.
    While_Modal([] { qobject_cast<TFProfinetFileName *>(FProfinetFileName.data())->Btn_Cancel->Click(); },
                [this] { Main->Btn_Click(Main->Btn_PROFINET_XML); });
    EXPECT_EQ(Dialogs.Requests.size(), 1);
}

// The MQTT button opens the topic editor on the active project's file; Cancel writes nothing.
TEST_F(MainProtocolSteps, MqttSetTopicOpensTheEditorOnTheProject)
{
    const QByteArray File = "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"t/1\" Retained=\"N\" QoS=\"0\" Mnemonic=\"\"/>"
                            "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>";
    Write_File(File_MQTT_Set_Topic, File);
    auto *Editor = qobject_cast<TFMQTT_Set_Topic *>(FMQTT_Set_Topic.data());
    ASSERT_NE(Editor, nullptr);
    ASSERT_NE(Editor->Topic_Template, nullptr);
    EXPECT_EQ(static_cast<QDialog *>(Editor->Topic_Template.data()), FTopicTemplate.data());
    QString Topic;
    bool Shown = false;
    QTimer::singleShot(0, Editor, [&] {
        Shown = Editor->isVisible();
        Topic = Editor->CG_Pub->GetCellEx(1, 1);
        Click_Button(Editor->Btn_Cancel);
    });
    Main->Btn_Click(Main->Btn_MQTT_Set_Topic);
    EXPECT_TRUE(Shown);
    EXPECT_EQ(Topic, "t/1");
    EXPECT_EQ(Read_File(File_MQTT_Set_Topic), File);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_TRUE(Dialogs.Requests.isEmpty());
}
