#include "workspace/MakerWeb.h"
#include "workspace/Settings.h"
#include "workspace/Workspace.h"
#include "TestSupport.h"
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {
class WorkspaceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Reset_Workspace();
    }
    void TearDown() override { Reset_Workspace(); }
    QString Path(const QString &Rel) const { return Dir.filePath(Rel); }
    QTemporaryDir Dir;
};
} // namespace

// A program folder without the four sub-folders gains them; existing ones keep their content.
TEST_F(WorkspaceTest, ProgramFoldersAreCreatedAndKept)
{
    Write_File(Path("PROJECTS/Plant A/ParGen.xml"), "<Par_Gen/>");
    Init_Program_Folders(Dir.path() + "/");
    EXPECT_EQ(Exe_Dir, Dir.path());
    EXPECT_EQ(Master_Dir, Dir.path() + "/MASTER");
    EXPECT_EQ(Projects_Dir, Dir.path() + "/PROJECTS");
    EXPECT_EQ(Language_Dir, Dir.path() + "/LANGUAGE");
    EXPECT_EQ(Cat_EnOcean_Dir, Dir.path() + "/CAT_EnOcean");
    for (const char *F : {"MASTER", "PROJECTS", "LANGUAGE", "CAT_EnOcean"})
        EXPECT_TRUE(QFileInfo(Path(F)).isDir()) << F;
    EXPECT_EQ(Read_File(Path("PROJECTS/Plant A/ParGen.xml")), "<Par_Gen/>");
}

TEST_F(WorkspaceTest, ProjectFilePathsFollowTheProject)
{
    Init_Program_Folders(Dir.path());
    Set_Active_Project("Plant A");
    EXPECT_EQ(Project_Dir, Dir.path() + "/PROJECTS/Plant A");
    EXPECT_EQ(File_EnOcean, Dir.path() + "/PROJECTS/Plant A/EnOcean.xml");
    EXPECT_EQ(File_ParGen, Dir.path() + "/PROJECTS/Plant A/ParGen.xml");
    EXPECT_EQ(File_MQTT_Set_Topic, Dir.path() + "/PROJECTS/Plant A/MQTT_Set_Topic.xml");
    EXPECT_EQ(File_BACnet_Slave, Dir.path() + "/PROJECTS/Plant A/BACnet_Slave.xml");
    Set_Active_Project("");
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_EQ(File_ParGen, "/ParGen.xml");
}

TEST(CheckIpAddress, Table)
{
    struct TCase { const char *Name; const char *Text; bool Valid; const char *Parts[4]; };
    const TCase Cases[] = {
        {"DefaultAddress", "192.168.2.205", true, {"192", "168", "2", "205"}},
        {"BlanksAroundParts", " 192 . 168 .2 . 205 ", true, {"192", "168", "2", "205"}},
        {"AllZero", "0.0.0.0", true, {"0", "0", "0", "0"}},
        {"AllMax", "255.255.255.255", true, {"255", "255", "255", "255"}},
        {"Empty", "", false, {"", "", "", ""}},
        {"ThreeParts", "192.168.1", false, {"192", "168", "", ""}},
        {"FiveParts", "1.2.3.4.5", false, {"1", "2", "3", "4.5"}},
        {"PartTooBig", "192.168.1.256", false, {"192", "168", "1", "256"}},
        {"NotANumber", "192.168.1.x", false, {"192", "168", "1", "x"}},
        {"EmptyPart", "192..1.1", false, {"192", "", "1", "1"}},
        {"Negative", "192.168.-1.1", false, {"192", "168", "-1", "1"}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QString P[4];
        EXPECT_EQ(Check_IP_Address(C.Text, P[0], P[1], P[2], P[3]), C.Valid);
        for (int I = 0; I < 4; ++I)
            EXPECT_EQ(P[I], QString::fromLatin1(C.Parts[I])) << I;
    }
}

TEST(ProjectName, Table)
{
    struct TCase { const char *Name; QString Text; bool Valid; };
    const TCase Cases[] = {
        {"Plain", "Plant A", true},
        {"LeadingBlanks", "  Plant", true},
        {"Empty", "", false},
        {"Dot", ".", false},
        {"DotDot", "..", false},
        {"Slash", "a/b", false},
        {"Backslash", "a\\b", false},
        {"Tab", "a\tb", false},
        {"NewLine", "a\nb", false},
        {"DotsInside", "v1.2", true},
        {"OnlyBlanks", "   ", false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Is_Valid_Project_Name(C.Text), C.Valid);
    }
}

TEST_F(WorkspaceTest, ComPortsFromSysfs)
{
    EXPECT_TRUE(Get_Com_Ports(Path("tty")).isEmpty());
    Write_File(Path("tty/ttyS0/device/x"), "");
    Write_File(Path("tty/ttyS2/device/x"), "");
    Write_File(Path("tty/ttyS1/dev"), ""); // no hardware behind it
    EXPECT_EQ(Get_Com_Ports(Path("tty")), (QStringList{"1", "3"}));
}

// ---- Settings file ----

TEST_F(WorkspaceTest, SettingsMissingFileGivesDefaults)
{
    Project_Name = "Old";
    Language_Name = "Deutsch";
    Enable_Internet = true;
    Read_Settings(Path("Brindelcor.xml"));
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_EQ(Language_Name, "English");
    EXPECT_FALSE(Enable_Internet);
    EXPECT_FALSE(Enable_Update);
    EXPECT_FALSE(Enable_Jump_Field_Tables);
    EXPECT_FALSE(Double_Click_Auto_Size);
}

TEST_F(WorkspaceTest, SettingsRoundTrip)
{
    Project_Name = "Plant A";
    Last_IP_Address = "10.0.0.7";
    Language_Name = "Deutsch";
    Enable_Internet = true;
    Enable_Update = false;
    Enable_Jump_Field_Tables = true;
    Double_Click_Auto_Size = true;
    ASSERT_TRUE(Save_Settings(Path("Brindelcor.xml")));
    EXPECT_EQ(Read_File(Path("Brindelcor.xml")),
              "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
              "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
              "<lastlang><language>Deutsch</language></lastlang>"
              "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
              "<enable_jump_field_tables>1</enable_jump_field_tables>"
              "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
    Reset_Workspace();
    Read_Settings(Path("Brindelcor.xml"));
    EXPECT_EQ(Project_Name, "Plant A");
    EXPECT_EQ(Last_IP_Address, "10.0.0.7");
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_TRUE(Enable_Internet);
    EXPECT_FALSE(Enable_Update);
    EXPECT_TRUE(Enable_Jump_Field_Tables);
    EXPECT_TRUE(Double_Click_Auto_Size);
}

// Texts come back exactly as written: blanks at the ends, markup signs, non-ASCII.
TEST_F(WorkspaceTest, SettingsTextsRoundTripExactly)
{
    struct TCase { const char *Name; QString Project; QString Language; };
    const TCase Cases[] = {
        {"OuterBlanks", "  Plant B  ", "Deutsch"},
        {"MarkupSigns", "A&B <x> \"q\" 'a'", "Fran\u00e7ais"},
        {"NonAscii", QString::fromUtf8("Anlage \xC3\x9C\xE2\x82\xAC"), QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC")},
        {"BlankBeforeSign", " &B ", " <L>"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Reset_Workspace();
        Project_Name = C.Project;
        Language_Name = C.Language;
        ASSERT_TRUE(Save_Settings(Path("Brindelcor.xml")));
        Reset_Workspace();
        Read_Settings(Path("Brindelcor.xml"));
        EXPECT_EQ(Project_Name, C.Project);
        EXPECT_EQ(Language_Name, C.Language);
    }
}

// A project folder made outside the program whose name holds a control
// character cannot be remembered (the XML text would drop the character and
// could name another project), and it costs none of the other settings.
TEST_F(WorkspaceTest, SettingsSurviveUnstorableProjectName)
{
    Project_Name = QString("a") + QChar(1) + "b";
    Language_Name = "Deutsch";
    Enable_Internet = true;
    ASSERT_TRUE(Save_Settings(Path("Brindelcor.xml")));
    Reset_Workspace();
    Read_Settings(Path("Brindelcor.xml"));
    EXPECT_EQ(Project_Name, "");
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_TRUE(Enable_Internet);
}

TEST_F(WorkspaceTest, SettingsBadValues)
{
    struct TCase
    {
        const char *Name;
        const char *Xml;
        const char *Project, *Ip, *Language;
        bool Internet, Update, Jump, Auto_Size;
    };
    const TCase Cases[] = {
        // each flag is its own: one present child, the rest false
        {"OnlyUpdateFlag", "<Conf_Settings><lastinternet><enable_update>1</enable_update></lastinternet></Conf_Settings>",
         "", "192.168.2.205", "English", false, true, false, false},
        // only the exact text "1" is true
        {"FlagWordTrue", "<Conf_Settings><lastinternet><enable_internet>true</enable_internet></lastinternet></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
        {"FlagBlankBefore", "<Conf_Settings><lastinternet><enable_internet> 1</enable_internet></lastinternet></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
        {"FlagLeadingZero", "<Conf_Settings><lastinternet><enable_internet>01</enable_internet></lastinternet></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
        // element names are case-sensitive
        {"MisspelledFlag", "<Conf_Settings><lastinternet><double_click_auto_size>1</double_click_auto_size></lastinternet></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
        // the root may be named otherwise
        {"OtherRootName", "<Other><lastproj><projectname>P</projectname></lastproj><lastlang><language>X</language></lastlang></Other>",
         "P", "192.168.2.205", "X", false, false, false, false},
        // a comment before the root: the first node is no root, all defaults
        {"CommentBeforeRoot", "<!--c--><Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
        // present but empty texts are taken as they are
        {"EmptyTexts", "<Conf_Settings><lastproj><projectname/></lastproj><lastipadd><ipaddress></ipaddress></lastipadd>"
                       "<lastlang><language/></lastlang></Conf_Settings>",
         "", "", "", false, false, false, false},
        // a damaged file counts as missing
        {"Damaged", "<Conf_Settings><lastproj>", "", "192.168.2.205", "English", false, false, false, false},
        {"EmptyFile", "", "", "192.168.2.205", "English", false, false, false, false},
        // a remembered name that is no plain folder name counts as no project
        {"ProjectNameEscapes", "<Conf_Settings><lastproj><projectname>../../etc</projectname></lastproj></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
        {"ProjectNameDotDot", "<Conf_Settings><lastproj><projectname>..</projectname></lastproj></Conf_Settings>",
         "", "192.168.2.205", "English", false, false, false, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_File(Path("Brindelcor.xml"), C.Xml);
        Project_Name = "stale";
        Read_Settings(Path("Brindelcor.xml"));
        EXPECT_EQ(Project_Name, QString::fromLatin1(C.Project));
        EXPECT_EQ(Last_IP_Address, QString::fromLatin1(C.Ip));
        EXPECT_EQ(Language_Name, QString::fromLatin1(C.Language));
        EXPECT_EQ(Enable_Internet, C.Internet);
        EXPECT_EQ(Enable_Update, C.Update);
        EXPECT_EQ(Enable_Jump_Field_Tables, C.Jump);
        EXPECT_EQ(Double_Click_Auto_Size, C.Auto_Size);
    }
}

// A file missing values is written back with all eight.
TEST_F(WorkspaceTest, SettingsWrittenComplete)
{
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings/>");
    Read_Settings(Path("Brindelcor.xml"));
    ASSERT_TRUE(Save_Settings(Path("Brindelcor.xml")));
    const QByteArray Xml = Read_File(Path("Brindelcor.xml"));
    for (const char *Tag : {"<projectname/>", "<ipaddress>192.168.2.205</ipaddress>", "<language>English</language>",
                            "<enable_internet>0</enable_internet>", "<enable_update>0</enable_update>",
                            "<enable_jump_field_tables>0</enable_jump_field_tables>",
                            "<Double_Click_Auto_Size>0</Double_Click_Auto_Size>"})
        EXPECT_TRUE(Xml.contains(Tag)) << Tag;
    EXPECT_FALSE(Xml.startsWith("<?xml"));
}

TEST_F(WorkspaceTest, SettingsWriteFailureKeepsOldFile)
{
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings/>");
    QString Error;
    // the folder of the file does not exist: nothing can be written
    EXPECT_FALSE(Save_Settings(Path("missing/Brindelcor.xml"), &Error));
    EXPECT_FALSE(Error.isEmpty());
    EXPECT_EQ(Read_File(Path("Brindelcor.xml")), "<Conf_Settings/>");
}

// ---- Version numbers ----

TEST(Version, ConvVersion)
{
    struct TCase { const char *Name; const char *Text; int Want; };
    const TCase Cases[] = {
        {"Own", "1.000", 1000},
        {"WithPrefix", "VER. 2.015", 2015},
        {"Blanks", "VER.   1.001  ", 1001},
        {"TooShort", "1.00", -1},
        {"NoNumber", "VER. a.bcd", -1},
        {"Empty", "", -1},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Conv_Version(C.Text), C.Want);
    }
}

TEST(Version, NewerVersion)
{
    struct TCase { const char *Name; const char *Reply; bool Newer; };
    const TCase Cases[] = {
        {"NoneOffered", "VER. 0.000", false},
        {"NoneOfferedLowerCase", "ver. 0.000", false},
        {"Empty", "", false},
        {"OnlyBlanks", "  \r\n", false},
        {"Newer", "VER. 1.001", true},
        {"Same", "VER. 1.000", false},
        {"Older", "VER. 0.900", false},
        {"NewerLowerCasePrefix", "ver. 2.000", true},
        {"NewerWithLineEnd", "VER. 2.000\r\n", true},
        {"Garbage", "<html>error</html>", false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(Is_Newer_Version(C.Reply), C.Newer);
    }
}

TEST(Version, MakerUrls)
{
    Set_Maker_Web_Host("http://127.0.0.1:8080/");
    EXPECT_EQ(Version_Query_Url().toString(), "http://127.0.0.1:8080/home/download/GetversionSW.asp?nomesw=CFTK410");
    EXPECT_EQ(Maker_Home_Page_Url().toString(), "http://127.0.0.1:8080/HOME/default.asp?frompg=CFTK410");
    EXPECT_EQ(Maker_Download_Page_Url().toString(), "http://127.0.0.1:8080/Home/download/download.asp#GWTK410");
    EXPECT_EQ(Maker_Web_Address(), "127.0.0.1");
    Set_Maker_Web_Host("");
}
