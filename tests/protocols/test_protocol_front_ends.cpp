#include "protocols/UProfinetFileName.h"
#include "controls/FxButton.h"
#include "protocols/UProfinetXML.h"
#include "protocols/UProtocol_Front_Ends.h"
#include "workspace/Workspace.h"
#include "platform/Clock.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include "TestSupport.h"
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>

namespace {
QString Golden(const char *Name)
{
    return QStringLiteral(BC_PROTOCOLS_GOLDEN_DIR "/") + QLatin1String(Name);
}

// A project folder, fake dialogs and message boxes, and a driven clock.
class ProtocolFrontEnds : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Fill_Default_Texts();
        Clk.Current = QDateTime(QDate(2026, 3, 4), QTime(7, 8, 9));
        Project.Project_Name = "Plant1";
        Project.Project_Dir = Dir.path();
        Project.File_ParGen = Dir.filePath("ParGen.xml");
        Project.File_BACnet_Slave = Dir.filePath("BACnet_Slave.xml");
    }
    QString In_Project(const QString &Name) const { return Dir.filePath(Name); }

    QTemporaryDir Dir;
    TProtocol_Project Project;
    TDrivenClock Clk;
    TClockGuard Clock_Guard{&Clk};
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Box_Guard{&Boxes};
    TFakeFileDialogs Dialogs;
    TFileDialogGuard Dialog_Guard{&Dialogs};
};

const char *Example_Slave =
    "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T1\"/>"
    "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T2\"/></BACnet_in_Read><BACnet_in_Write>"
    "<row Data_Type=\"Analog Value\" Eng_Unit=\"98\" Mnemonic=\"SP\"/></BACnet_in_Write></BACnet_to_Modbus>";
} // namespace

// ---------------------------------------------------------------- EDE

TEST_F(ProtocolFrontEnds, EdeCancelledDialogWritesNothing)
{
    EXPECT_FALSE(BACnet_EDE_File(nullptr, Project));
    ASSERT_EQ(Dialogs.Requests.size(), 1);
    EXPECT_EQ(Dialogs.Requests[0].Initial_Dir, Dir.path());
    EXPECT_EQ(Dialogs.Requests[0].Filter, "CSV (MS-DOS) (*.csv)|*.csv");
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 0);
}

TEST_F(ProtocolFrontEnds, EdeWritesTheProjectsObjectsUnderTheChosenName)
{
    Write_File(Project.File_ParGen, "<Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE></Par_Gen>");
    Write_File(Project.File_BACnet_Slave, Example_Slave);
    Dialogs.Answers << In_Project("objects") << In_Project("other.CSV");
    EXPECT_TRUE(BACnet_EDE_File(nullptr, Project));
    EXPECT_EQ(Read_File(In_Project("objects.csv")), Read_File(Golden("ede_example.csv")));
    EXPECT_TRUE(BACnet_EDE_File(nullptr, Project));
    EXPECT_TRUE(QFileInfo::exists(In_Project("other.CSV")));
    EXPECT_FALSE(QFileInfo::exists(In_Project("other.CSV.csv")));
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Only Yes to the overwrite question replaces the file.
TEST_F(ProtocolFrontEnds, EdeOverwriteQuestionYesNoCancel)
{
    const struct
    {
        const char *Name;
        TMsgResult Answer;
        bool Replaced;
    } Cases[] = {{"Yes", TMsgResult::mrYes, true}, {"No", TMsgResult::mrNo, false}, {"Cancel", TMsgResult::mrCancel, false}};
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_File(In_Project("objects.csv"), "old");
        Boxes.Shown.clear();
        Boxes.Answers = {C.Answer};
        Dialogs.Answers = {In_Project("objects.csv")};
        EXPECT_EQ(BACnet_EDE_File(nullptr, Project), C.Replaced);
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Text, "The File already exists! Do you want to overwrite the file?");
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNoCancel);
        EXPECT_EQ(Read_File(In_Project("objects.csv")) == "old", !C.Replaced);
    }
}

// A write that fails is reported, not taken for success.
TEST_F(ProtocolFrontEnds, WriteFailuresAreReported)
{
    Write_File(Project.File_ParGen, "<Par_Gen/>");
    const QString Missing = In_Project("no/such/folder/x");
    Dialogs.Answers << Missing << Missing << Missing;
    EXPECT_FALSE(BACnet_EDE_File(nullptr, Project));
    EXPECT_FALSE(Create_GSD_File(nullptr, Project));
    EXPECT_FALSE(Save_GSDML_File(nullptr, "GSDML-V2.31-Quorix-GWTK460-20260304.xml", Project));
    ASSERT_EQ(Boxes.Shown.size(), 3);
    for (const auto &S : Boxes.Shown) {
        EXPECT_EQ(S.Kind, TMsgKind::mkError);
        EXPECT_TRUE(S.Text.startsWith("Error! The file could not be written: ")) << S.Text.toStdString();
    }
}

// A full disk: each description file is reported with the system's reason
// and the file it was to replace stays as it was.
TEST_F(ProtocolFrontEnds, FullDiskKeepsTheOldDescriptionFile)
{
    TSmall_Disk Disk;
    if (!Disk.Mounted())
        GTEST_SKIP() << qPrintable(Disk.Why_Not());
    Write_File(Project.File_ParGen, "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT></Par_Gen>");
    Write_File(Project.File_BACnet_Slave, Example_Slave);
    const char *Gsdml = "GSDML-V2.31-Quorix-GWTK460-20260304.xml";
    const struct
    {
        const char *Name;
        const char *File;
        std::function<bool()> Run;
    } Cases[] = {
        {"Ede", "objects.csv", [&] { return BACnet_EDE_File(nullptr, Project); }},
        {"Gsd", "dev.gsd", [&] { return Create_GSD_File(nullptr, Project); }},
        {"Gsdml", Gsdml, [&] { return Save_GSDML_File(nullptr, Gsdml, Project); }},
    };
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString Path = Disk.File_Path(QLatin1String(C.File));
        const QByteArray Old(3000, 'o');
        Write_File(Path, Old);
        ASSERT_TRUE(Disk.Fill());
        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrYes}; // replace the existing file
        Dialogs.Answers << Path;
        EXPECT_FALSE(C.Run());
        ASSERT_EQ(Boxes.Shown.size(), 2);
        EXPECT_EQ(Boxes.Shown[1].Kind, TMsgKind::mkError);
        EXPECT_TRUE(Boxes.Shown[1].Text.startsWith("Error! The file could not be written: "));
        EXPECT_TRUE(Boxes.Shown[1].Text.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))))
            << Boxes.Shown[1].Text.toStdString();
        EXPECT_EQ(Read_File(Path), Old);
        EXPECT_EQ(Disk.Files(), QStringList{QLatin1String(C.File)});
        Disk.Empty();
        QFile::remove(Path);
    }
}

// A ParGen.xml that exists but cannot be read would give every value its
// default without a word: each front end refuses before its dialog, writes
// nothing and names the file.
TEST_F(ProtocolFrontEnds, UnreadableParameterFileIsRefusedBeforeTheDialog)
{
    const struct
    {
        const char *Name;
        std::function<bool()> Run;
    } Cases[] = {
        {"Ede", [this] { return BACnet_EDE_File(nullptr, Project); }},
        {"Gsd", [this] { return Create_GSD_File(nullptr, Project); }},
        {"Gsdml",
         [this] {
             return Save_GSDML_File(nullptr, "GSDML-V2.31-Quorix-GWTK460-20260304.xml", Project);
         }},
    };
    Write_File(Project.File_ParGen, "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN>");
    Write_File(Project.File_BACnet_Slave, Example_Slave);
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        Dialogs.Requests.clear();
        Dialogs.Answers = {In_Project("out")};
        EXPECT_FALSE(C.Run());
        EXPECT_TRUE(Dialogs.Requests.isEmpty());
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        EXPECT_TRUE(Boxes.Shown[0].Text.startsWith("Error! The file ParGen.xml could not be read, no file is created: "));
        EXPECT_TRUE(Boxes.Shown[0].Text.contains(QDir::toNativeSeparators(Project.File_ParGen)));
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 2); // ParGen.xml and BACnet_Slave.xml only
    }
}

// An object file that cannot be read stops the build with a message that
// names the input, its line and column, before the dialog and any overwrite
// question; the existing output stays as it was.
TEST_F(ProtocolFrontEnds, EdeUnreadableObjectFileIsReported)
{
    Write_File(Project.File_BACnet_Slave, "<BACnet_to_Modbus>\n<BACnet_in_Read>\n<row Data_Type=\"x\"></BACnet_in_Read>");
    Write_File(In_Project("objects.csv"), "old");
    Dialogs.Answers << In_Project("objects");
    EXPECT_FALSE(BACnet_EDE_File(nullptr, Project));
    EXPECT_EQ(Read_File(In_Project("objects.csv")), "old");
    EXPECT_TRUE(Dialogs.Requests.isEmpty());
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    const QString Text = Boxes.Shown[0].Text;
    EXPECT_TRUE(Text.startsWith("Error! The file BACnet_Slave.xml could not be read, no file is created: "))
        << Text.toStdString();
    EXPECT_TRUE(Text.contains(QDir::toNativeSeparators(Project.File_BACnet_Slave)));
    EXPECT_TRUE(Text.contains("(line 3, column ")) << Text.toStdString();
    EXPECT_FALSE(Text.contains("could not be written"));
}

// ---------------------------------------------------------------- GSD

TEST_F(ProtocolFrontEnds, GsdWithoutParameterFileIsRefusedBeforeTheDialog)
{
    EXPECT_FALSE(Create_GSD_File(nullptr, Project));
    EXPECT_TRUE(Dialogs.Requests.isEmpty());
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_EQ(Boxes.Shown[0].Text, "Error! Please set the Set Communication Parameter before to create the GSD file");
}

TEST_F(ProtocolFrontEnds, GsdCountsTooLargeAreRefusedBeforeTheDialog)
{
    Write_File(Project.File_ParGen, "<Par_Gen><PROFINET_NB_IN>20000</PROFINET_NB_IN></Par_Gen>");
    EXPECT_FALSE(Create_GSD_File(nullptr, Project));
    EXPECT_TRUE(Dialogs.Requests.isEmpty());
    EXPECT_EQ(Boxes.Texts(),
              QStringList{"Error! The Number of Bytes is too large for the GSD file (at most 255 modules of 64 bytes)"});
}

TEST_F(ProtocolFrontEnds, GsdWritesTheCountsOfTheParameterFile)
{
    Write_File(Project.File_ParGen, "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT></Par_Gen>");
    Dialogs.Answers << In_Project("dev") << In_Project("DEV2.GSD");
    EXPECT_TRUE(Create_GSD_File(nullptr, Project));
    EXPECT_EQ(Dialogs.Requests[0].Filter, "Generic Station Description (*.gsd)|*.gsd");
    EXPECT_EQ(Dialogs.Requests[0].Initial_Dir, Dir.path());
    EXPECT_EQ(Read_File(In_Project("dev.gsd")), Read_File(Golden("gsd_in20_out100.gsd")));
    EXPECT_TRUE(Create_GSD_File(nullptr, Project));
    EXPECT_TRUE(QFileInfo::exists(In_Project("DEV2.GSD")));

    // Overwrite: Yes and No only; No keeps the old file.
    Write_File(In_Project("dev.gsd"), "old");
    Boxes.Answers = {TMsgResult::mrNo, TMsgResult::mrYes};
    Dialogs.Answers << In_Project("dev.gsd") << In_Project("dev.gsd");
    EXPECT_FALSE(Create_GSD_File(nullptr, Project));
    EXPECT_EQ(Read_File(In_Project("dev.gsd")), "old");
    EXPECT_TRUE(Create_GSD_File(nullptr, Project));
    EXPECT_EQ(Read_File(In_Project("dev.gsd")), Read_File(Golden("gsd_in20_out100.gsd")));
    ASSERT_EQ(Boxes.Shown.size(), 2);
    EXPECT_EQ(Boxes.Shown[0].Text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
}

// ---------------------------------------------------------------- GSDML

// The dialog builds the name from the prefix, the user part and the date of its creation.
TEST_F(ProtocolFrontEnds, FileNameDialogBuildsTheName)
{
    SW_Code = "CFTK410";
    TFProfinetFileName D;
    EXPECT_EQ(D.L_SW_Code->text(), "CFTK410");
    EXPECT_EQ(D.L_XML_Fix1->text(), "GSDML-V2.31-Quorix-GWTK460");
    EXPECT_EQ(D.L_XML_Fix2->text(), "-20260304.xml");
    EXPECT_EQ(D.windowTitle(), "PROFINET XML File Name");
    EXPECT_EQ(D.Btn_OK->Caption(), "OK");
    EXPECT_EQ(D.E_XML_User->toolTip(), "Insert here the User part of GSDML file");
    // The configurators' button look, with the stock glyphs.
    for (const TFxButton *B : {D.Btn_OK, D.Btn_Cancel}) {
        EXPECT_EQ(B->Color(), static_cast<TColor>(0xEDF7F8));
        EXPECT_EQ(B->LightColor(), clGray);
        EXPECT_EQ(B->Style(), bsEncarta);
        EXPECT_FALSE(B->Glyph().isNull());
    }
    Clk.Current = Clk.Current.addDays(1); // across midnight the name keeps the start date
    const struct
    {
        const char *User;
        const char *Name;
    } Cases[] = {{"", "GSDML-V2.31-Quorix-GWTK460-20260304.xml"},
                 {"  ", "GSDML-V2.31-Quorix-GWTK460-20260304.xml"},
                 {"Line1", "GSDML-V2.31-Quorix-GWTK460_Line1-20260304.xml"},
                 {"_Line1", "GSDML-V2.31-Quorix-GWTK460_Line1-20260304.xml"}};
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.User);
        D.setResult(0);
        D.E_XML_User->setText(C.User);
        D.Btn_OK->Click();
        EXPECT_EQ(D.result(), QDialog::Accepted);
        EXPECT_EQ(D.Name_File_XML, C.Name);
    }
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    D.E_XML_User->setText("Line1");
    Expect_Window_Picture(QImage(Save_Screenshot(&D, "protocols_profinet_file_name")), &D);
}

// A user part that would lead out of the chosen folder is refused; the dialog stays open.
TEST_F(ProtocolFrontEnds, FileNameDialogRefusesPathsInTheUserPart)
{
    TFProfinetFileName D;
    for (const char *User : {"a/b", "..\\x", "..", "x..y"}) {
        SCOPED_TRACE(User);
        Boxes.Shown.clear();
        D.setResult(0);
        D.Name_File_XML = "kept";
        D.E_XML_User->setText(User);
        D.Btn_OKClick();
        EXPECT_EQ(D.result(), 0);
        EXPECT_EQ(D.Name_File_XML, "kept");
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        EXPECT_EQ(Boxes.Shown[0].Text, "Error! The User Part may not contain \"/\", \"\\\" or \"..\"");
    }
}

// Only the folder of the chosen file counts: the file keeps the generated name.
TEST_F(ProtocolFrontEnds, GsdmlSaveUsesOnlyTheChosenFolder)
{
    const QString Name = "GSDML-V2.31-Quorix-GWTK460_Line1-20260304.xml";
    QDir(Dir.path()).mkdir("out");
    Dialogs.Answers << In_Project("out/typed-other-name.txt");
    EXPECT_TRUE(Save_GSDML_File(nullptr, Name, Project));
    ASSERT_EQ(Dialogs.Requests.size(), 1);
    EXPECT_EQ(Dialogs.Requests[0].File_Name, Name);
    EXPECT_EQ(Dialogs.Requests[0].Filter, "PROFINET XML (*.xml)|" + Name);
    EXPECT_EQ(Dialogs.Requests[0].Initial_Dir, Dir.path());
    EXPECT_EQ(Read_File(In_Project("out/" + Name)), Read_File(Golden("gsdml_defaults.xml")));
    EXPECT_FALSE(QFileInfo::exists(In_Project("out/typed-other-name.txt")));

    // Overwrite question with Yes and No; No keeps the file.
    Write_File(In_Project("out/" + Name), "old");
    Boxes.Answers = {TMsgResult::mrNo};
    Dialogs.Answers << In_Project("out/x.xml");
    EXPECT_FALSE(Save_GSDML_File(nullptr, Name, Project));
    EXPECT_EQ(Read_File(In_Project("out/" + Name)), "old");
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Text, "File already exists! Do you want to overwrite the file?");
    EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);

    // Cancelled folder choice: nothing happens.
    EXPECT_FALSE(Save_GSDML_File(nullptr, Name, Project));
    EXPECT_EQ(Boxes.Shown.size(), 1);
}

// The whole road: the modal dialog confirmed with OK, then the folder.
TEST_F(ProtocolFrontEnds, ProfinetXmlRunsDialogThenSaves)
{
    Write_File(Project.File_ParGen, "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>"
                                    "<PROFINET_NAME_STA>A&amp;B &lt;gw&gt; \"1\"</PROFINET_NAME_STA></Par_Gen>");
    TFProfinetFileName D;
    Dialogs.Answers << In_Project("anything.xml");
    QTimer::singleShot(0, &D, [&D] {
        D.E_XML_User->setText("Line1");
        D.Btn_OK->Click();
    });
    EXPECT_TRUE(PROFINET_XML(nullptr, D, Project));
    EXPECT_EQ(Read_File(In_Project("GSDML-V2.31-Quorix-GWTK460_Line1-20260304.xml")),
              Read_File(Golden("gsdml_station_escaped.xml")));

    // Cancel in the dialog: no folder is asked for.
    QTimer::singleShot(0, &D, [&D] { D.Btn_Cancel->Click(); });
    EXPECT_FALSE(PROFINET_XML(nullptr, D, Project));
    EXPECT_EQ(Dialogs.Requests.size(), 1);
}

TEST(FileDialogFilters, DescriptionBarPatternBecomesQtFilter)
{
    EXPECT_EQ(Qt_Name_Filters("CSV (MS-DOS) (*.csv)|*.csv"), "CSV (MS-DOS) (*.csv) (*.csv)");
    EXPECT_EQ(Qt_Name_Filters("PROFINET XML (*.xml)|G-1.xml"), "PROFINET XML (*.xml) (G-1.xml)");
    EXPECT_EQ(Qt_Name_Filters("A|*.a;*.b|B|*.b"), "A (*.a *.b);;B (*.b)");
}
