#include "AppTestSupport.h"
#include "app/Forms.h"
#include "app/Settings.h"
#include "app/MakerWeb.h"
#include "app/UAbout.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/Workspace.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QDir>
#include <QFileInfo>
#include <QLabel>

using MainWindowTest = AppFixture;

// With no settings file: no project, English, timer off, flags off, default address.
TEST_F(MainWindowTest, StartWithoutSettings)
{
    Start();
    for (const char *F : {"MASTER", "PROJECTS", "LANGUAGE", "CAT_EnOcean"})
        EXPECT_TRUE(QFileInfo(Path(F)).isDir()) << F;
    EXPECT_EQ(Exe_Dir, Dir.path());
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Last_IP_Address, "192.168.2.205");
    EXPECT_FALSE(Enable_Internet || Enable_Update || Enable_Jump_Field_Tables || Double_Click_Auto_Size);
    EXPECT_TRUE(Last_Read_Back);
    EXPECT_FALSE(Main->Timer_Update->isActive());
    EXPECT_EQ(Main->windowTitle(), "QuorixLabs - Configurator CFTK410 - EnOcean / Modbus Slave ");
    EXPECT_EQ(Main->L_SW_Code->text(), "CFTK410");
    EXPECT_EQ(Main->L_SW_Desc->text(), "EnOcean / Modbus Slave - Converter");
    EXPECT_EQ(Main->L_Name_Conf->text(), "None Configuration Opened ");
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), "Use Step1 to open or create new configuration");
    EXPECT_EQ(Main->size(), QSize(694, 396));
    // steps 1-4 and their buttons shown, the protocol steps hidden
    for (int I = 0; I < 8; ++I)
        EXPECT_EQ(!Main->L_Step[I]->isHidden(), I < 4) << I;
    for (TAppButton *B : {Main->Btn_New, Main->Btn_Open, Main->Btn_Prm_Gen, Main->Btn_EnOcean_Access, Main->Btn_CreateBin})
        EXPECT_FALSE(B->isHidden());
    for (TAppButton *B : {Main->Btn_MQTT_Set_Topic, Main->Btn_PROFINET_XML, Main->Btn_BACnet_SetAccess,
                          Main->Btn_BACnet_EDE_File, Main->Btn_PROFIBUS_GSD})
        EXPECT_TRUE(B->isHidden());
    EXPECT_EQ(Button_Caption(Main->Btn_CreateBin), "Update Device UDP");
    EXPECT_EQ(Main->Btn_CreateBin->geometry(), QRect(80, 244, 170, 36));
    EXPECT_EQ(Main->Shape1->geometry(), QRect(10, 295, 674, 1));
    // every window exists, in start-up order, under its name
    for (QDialog *D : {static_cast<QDialog *>(FParGen), static_cast<QDialog *>(FBoot),
                       static_cast<QDialog *>(FBACnetSlaveSetAccess)})
        ASSERT_NE(D, nullptr);
    EXPECT_EQ(FBoot->objectName(), "FBoot");
}

TEST_F(MainWindowTest, RememberedProjectAndSettingsAtStart)
{
    QDir().mkpath(Path("PROJECTS/Plant A"));
    Write_File(Path("Brindelcor.xml"),
               "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
               "<lastinternet><enable_internet>1</enable_internet><enable_update>1</enable_update></lastinternet>"
               "</Conf_Settings>");
    Start();
    EXPECT_EQ(Project_Name, "Plant A");
    EXPECT_EQ(Project_Dir, Path("PROJECTS/Plant A"));
    EXPECT_EQ(File_EnOcean, Path("PROJECTS/Plant A/EnOcean.xml"));
    EXPECT_EQ(Main->L_Name_Conf->text(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), "Plant A");
    // both options on: the check runs 60 s after start
    EXPECT_TRUE(Main->Timer_Update->isActive());
    EXPECT_EQ(Main->Timer_Update->interval(), 60000);
}

// A remembered project whose folder was deleted: no project, text 18 on every
// project step, and the settings file written at exit holds no name.
TEST_F(MainWindowTest, ProjectGuard)
{
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>Gone</projectname></lastproj></Conf_Settings>");
    Start();
    EXPECT_EQ(Main->L_Name_Conf->text(), Lang_Text(9));
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), Lang_Text(10));
    const TAppButton *Guarded[] = {Main->Btn_Prm_Gen, Main->Btn_EnOcean_Access, Main->Btn_CreateBin,
                                   Main->Btn_MQTT_Set_Topic, Main->Btn_PROFINET_XML, Main->Btn_BACnet_SetAccess,
                                   Main->Btn_BACnet_EDE_File, Main->Btn_PROFIBUS_GSD};
    for (const TAppButton *B : Guarded) {
        SCOPED_TRACE(B->objectName().toStdString());
        Boxes.Shown.clear();
        Main->Btn_Click(const_cast<TAppButton *>(B));
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Text, "Error! Project not Valid");
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbOK);
    }
    // the visible button reaches the same handler through a click
    Boxes.Shown.clear();
    Click_Button(Main->Btn_CreateBin);
    EXPECT_EQ(Boxes.Texts(), QStringList{"Error! Project not Valid"});
    Stop();
    EXPECT_TRUE(Read_File(Path("Brindelcor.xml")).contains("<projectname/>"));
}

// With a project active, Set BACnet Access does nothing at all.
TEST_F(MainWindowTest, BACnetSetAccessDoesNothingWithProject)
{
    QDir().mkpath(Path("PROJECTS/P"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    Start();
    Main->Btn_Click(Main->Btn_BACnet_SetAccess);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

TEST_F(MainWindowTest, CloseWritesSettings)
{
    Start();
    Last_IP_Address = "10.1.2.3";
    Click_Button(Main->Btn_Close);
    EXPECT_TRUE(Read_File(Path("Brindelcor.xml")).contains("<ipaddress>10.1.2.3</ipaddress>"));
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// A settings file that cannot be written is reported; closing still goes on.
TEST_F(MainWindowTest, SettingsWriteFailureIsReported)
{
    Start();
    QDir().mkpath(Path("Brindelcor.xml/blocker")); // a folder where the file should go
    Stop();
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains("Brindelcor.xml"));
}

TEST_F(MainWindowTest, LanguageFileAtStart)
{
    Write_File(Path("LANGUAGE/Deutsch.lng"), "STR0 = Anfang\nSTR15 = Neue Konfiguration\nSTR200 = Offnen\n");
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastlang><language>Deutsch</language></lastlang></Conf_Settings>");
    Start();
    EXPECT_EQ(Main->L_Begin->text(), "Anfang");
    EXPECT_EQ(Button_Caption(Main->Btn_New), "Neue Konfiguration");
    EXPECT_EQ(FOpenConf->windowTitle(), "Offnen");
}

// A language whose file vanished falls back to English, also in the file written at exit.
TEST_F(MainWindowTest, MissingLanguageFallsBackToEnglish)
{
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastlang><language>Klingon</language></lastlang></Conf_Settings>");
    Start();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Main->L_Begin->text(), "Begin");
    Stop();
    EXPECT_TRUE(Read_File(Path("Brindelcor.xml")).contains("<language>English</language>"));
}

TEST_F(MainWindowTest, MakerPagesOpen)
{
    Set_Maker_Web_Host("http://127.0.0.1:9");
    Start();
    Main->L_QuorixClick();
    ASSERT_EQ(Pages.Opened.size(), 1);
    EXPECT_EQ(Pages.Opened[0].toString(), "http://127.0.0.1:9/HOME/default.asp?frompg=CFTK410");
    FAbout->Label4Click();
    EXPECT_EQ(Pages.Opened.size(), 2);
}

TEST_F(MainWindowTest, AboutBox)
{
    Start();
    While_Modal([] { Click_Button(FAbout->FxButton1); }, [this] { Main->Btn_Click(Main->Btn_Info); });
    EXPECT_EQ(FAbout->Label2->text(), "EnOcean / Modbus Slave - Converter");
    EXPECT_EQ(FAbout->Label9->text(), "CFTK410");
    EXPECT_EQ(FAbout->Label10->text(), "1.000");
    EXPECT_EQ(FAbout->Label12->text(), "MNTK410");
    EXPECT_EQ(FAbout->size(), QSize(425, 148));
    FAbout->show();
    Save_Screenshot(FAbout, "app_about_box");
    FAbout->hide();
}

// The periodic check: against a local server, newer version shows the link;
// afterwards the timer runs every 2 hours.
TEST_F(MainWindowTest, TimerVersionCheck)
{
    TLocalHttpServer Server;
    Server.Body = "VER. 1.001";
    Set_Maker_Web_Host(Server.Host());
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastinternet><enable_internet>1</enable_internet>"
                                       "<enable_update>1</enable_update></lastinternet></Conf_Settings>");
    Start();
    Main->Timer_UpdateTimer();
    EXPECT_FALSE(Main->Timer_Update->isActive()); // waiting for the answer without blocking
    ASSERT_TRUE(Wait_Until([this] { return Main->Timer_Update->isActive(); }));
    EXPECT_FALSE(Main->LL_Update->isHidden());
    EXPECT_TRUE(Main->LL_Update->text().contains("New Version Available. Click Here for more Details"));
    EXPECT_EQ(Main->Timer_Update->interval(), 7200000);
    ASSERT_EQ(Server.Request_Lines.size(), 1);
    EXPECT_EQ(Server.Request_Lines[0], "GET /home/download/GetversionSW.asp?nomesw=CFTK410 HTTP/1.1");
    Main->LL_UpdateLinkClick();
    ASSERT_EQ(Pages.Opened.size(), 1);
    EXPECT_EQ(Pages.Opened[0].path(), "/Home/download/download.asp");
    EXPECT_EQ(Pages.Opened[0].fragment(), "GWTK410");

    // "no update" hides the link again
    Server.Body = "VER. 0.000";
    Main->Timer_UpdateTimer();
    ASSERT_TRUE(Wait_Until([this] { return Main->Timer_Update->isActive(); }));
    EXPECT_TRUE(Main->LL_Update->isHidden());
}

TEST_F(MainWindowTest, Screenshot)
{
    QDir().mkpath(Path("PROJECTS/Plant A"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj></Conf_Settings>");
    Start();
    Main->show();
    Save_Screenshot(Main, "app_main_window");
}

// With a project, Set Communication shows the parameter editor modally.
TEST_F(MainWindowTest, SetCommunicationShowsParameterEditor)
{
    QDir().mkpath(Path("PROJECTS/P"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    Start();
    bool Shown = false;
    While_Modal(
        [&] {
            Shown = FParGen->isVisible();
            FParGen->reject();
        },
        [this] { Main->Btn_Click(Main->Btn_Prm_Gen); });
    EXPECT_TRUE(Shown);
}
