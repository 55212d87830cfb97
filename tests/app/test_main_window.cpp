#include "AppTestSupport.h"
#include "app/Forms.h"
#include "workspace/Settings.h"
#include "workspace/MakerWeb.h"
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "workspace/Workspace.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QApplication>
#include <QStyle>
#include <QTabWidget>
#include "app/WindowLook.h"

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
    EXPECT_EQ(FAbout->Label1->text(), "Software Brindelcor ");
    EXPECT_EQ(FAbout->Label2->text(), "EnOcean / Modbus Slave - Converter");
    EXPECT_EQ(FAbout->Label9->text(), "CFTK410");
    EXPECT_EQ(FAbout->Label10->text(), "1.000");
    EXPECT_EQ(FAbout->Label12->text(), "MNTK410");
    EXPECT_EQ(FAbout->size(), QSize(425, 148));
    FAbout->show();
    const QImage Shot(Save_Screenshot(FAbout, "app_about_box"));
    ASSERT_EQ(Shot.size(), QSize(425, 148));
    // the texts stand on the windows' shared background
    EXPECT_EQ(Shot.pixelColor(Bare_Point(FAbout)), Window_Background());
    EXPECT_GT(Dark_Pixels(Shot, FAbout->Label9->geometry()), 20);   // "CFTK410"
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
    EXPECT_EQ(Server.Request_Lines[0], "GET /home/download/GetversionSW.asp?nomesw=CFTK410 HTTP/1.0");
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

// What the engineer sees with a project open: the grey code in the title,
// the project's name in the white box, the buttons of steps 1 to 4 drawn,
// and nothing at all below the rule under step 4 (steps 5 to 8 are hidden).
TEST_F(MainWindowTest, PictureShowsProjectAndStepsOneToFour)
{
    QDir().mkpath(Path("PROJECTS/Plant A"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj></Conf_Settings>");
    Start();
    Main->show();
    Save_Screenshot(Main, "app_main_window");
    const QImage Shot = Main->grab().toImage();
    ASSERT_EQ(Shot.size(), Main->size());
    const QColor Back = Window_Background();
    EXPECT_EQ(Shot.pixelColor(2, 2), Back);
    EXPECT_GT(Pixels_Other_Than(Shot, Main->L_SW_Code->geometry(), Back), 100);
    // the project box: white, framed, the name written in it
    const QRect Box = Main->Shape2->geometry();
    EXPECT_EQ(Shot.pixelColor(Box.right() - 3, Box.top() + 3), QColor(Qt::white));
    EXPECT_NE(Shot.pixelColor(Box.topLeft()), QColor(Qt::white));
    EXPECT_GT(Dark_Pixels(Shot, Main->L_Name_Conf_L2->geometry().intersected(Box)), 20);
    // every shown button is drawn: its frame all round, and inside it a
    // glyph or caption (the face itself has the window's colour)
    for (TAppButton *B : {Main->Btn_New, Main->Btn_Open, Main->Btn_Prm_Gen, Main->Btn_EnOcean_Access,
                          Main->Btn_CreateBin, Main->Btn_Info, Main->Btn_Opz, Main->Btn_Close}) {
        SCOPED_TRACE(B->objectName().toStdString());
        const QRect G = B->geometry();
        for (const QPoint &Edge : {QPoint(G.center().x(), G.top()), QPoint(G.center().x(), G.bottom()),
                                   QPoint(G.left(), G.center().y()), QPoint(G.right(), G.center().y())})
            EXPECT_NE(Shot.pixelColor(Edge), Back);
        EXPECT_GT(Pixels_Other_Than(Shot, G.adjusted(4, 4, -4, -4), Back), 40);
    }
    // the rule under step 4, and below it the window's bare background
    EXPECT_EQ(Shot.pixelColor(Main->Shape1->geometry().center()), QColor(128, 128, 128));
    const int Below = Main->Shape1->geometry().bottom() + 1;
    EXPECT_EQ(Pixels_Other_Than(Shot, QRect(0, Below, Shot.width(), Shot.height() - Below), Back), 0);
    // the update link is hidden: no link colour where it would stand
    EXPECT_EQ(Pixels_Other_Than(Shot, Main->LL_Update->geometry(), Back), 0);
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

// Every push button of the main window: place, style, colours, caption and hint.
TEST_F(MainWindowTest, ButtonLayoutAndLook)
{
    Start();
    struct TButtonCase
    {
        const char *Name;
        TAppButton *Button;
        QRect Place;     // empty for the hidden protocol buttons
        TFxButtonStyle Style;
        TColor Hot;
        int Caption;     // text number, -1 for the icon buttons (no caption)
        int Hint;
        TAlignment Align;
    };
    const TButtonCase Cases[] = {
        {"Info", Main->Btn_Info, QRect(516, 8, 50, 50), bsNormal, clYellow, -1, 12, taCenter},
        {"Options", Main->Btn_Opz, QRect(574, 8, 50, 50), bsNormal, clYellow, -1, 13, taCenter},
        {"Close", Main->Btn_Close, QRect(632, 8, 50, 50), bsNormal, clYellow, -1, 14, taCenter},
        {"New", Main->Btn_New, QRect(80, 112, 170, 36), bsEncarta, clSkyBlue, 15, 22, taLeftJustify},
        {"Open", Main->Btn_Open, QRect(258, 112, 170, 36), bsEncarta, clSkyBlue, 16, 23, taLeftJustify},
        // Set Communication keeps the normal style
        {"SetCommunication", Main->Btn_Prm_Gen, QRect(80, 156, 170, 36), bsNormal, clYellow, 20, 24, taLeftJustify},
        {"EnOceanAccess", Main->Btn_EnOcean_Access, QRect(80, 200, 170, 36), bsEncarta, clYellow, 21, 25,
         taLeftJustify},
        {"UpdateDevice", Main->Btn_CreateBin, QRect(80, 244, 170, 36), bsEncarta, clSkyBlue, 17, 26, taLeftJustify},
        {"MQTT", Main->Btn_MQTT_Set_Topic, QRect(), bsEncarta, clYellow, 27, 28, taLeftJustify},
        {"PROFINET", Main->Btn_PROFINET_XML, QRect(), bsEncarta, clYellow, 29, 30, taLeftJustify},
        {"BACnetAccess", Main->Btn_BACnet_SetAccess, QRect(), bsEncarta, clYellow, 32, 33, taLeftJustify},
        {"BACnetEDE", Main->Btn_BACnet_EDE_File, QRect(), bsEncarta, clYellow, 34, 35, taLeftJustify},
        {"PROFIBUS", Main->Btn_PROFIBUS_GSD, QRect(), bsEncarta, clYellow, 36, 37, taLeftJustify},
    };
    for (const TButtonCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        if (!C.Place.isNull()) {
            EXPECT_EQ(C.Button->geometry(), C.Place);
        }
        EXPECT_EQ(C.Button->isHidden(), C.Place.isNull());
        EXPECT_EQ(C.Button->Style(), C.Style);
        EXPECT_EQ(C.Button->HotTrackColor(), C.Hot);
        EXPECT_EQ(C.Button->ColorWhenDown(), static_cast<TColor>(33023)); // RGB 255, 128, 0
        EXPECT_EQ(C.Button->Color(), static_cast<TColor>(0xEDF7F8));
        EXPECT_EQ(C.Button->LightColor(), clGray);
        EXPECT_FALSE(C.Button->UseHotTrackFont());
        EXPECT_EQ(Button_Caption(C.Button), C.Caption < 0 ? QString() : Lang_Text(C.Caption));
        EXPECT_EQ(C.Button->toolTip(), Lang_Text(C.Hint));
        if (C.Caption >= 0) {
            EXPECT_EQ(C.Button->Alignment(), C.Align);
        }
        EXPECT_FALSE(C.Button->Glyph().isNull());
    }
}

// The labels and frames of the main window at their places.
TEST_F(MainWindowTest, LabelPlaces)
{
    Start();
    struct TPlaceCase
    {
        const char *Name;
        QWidget *Widget;
        QPoint Top_Left;
        bool Shown;
    };
    const TPlaceCase Cases[] = {
        {"SwCode", Main->L_SW_Code, {16, 8}, true},
        {"SwDesc", Main->L_SW_Desc, {16, 42}, true},
        {"Begin", Main->L_Begin, {16, 84}, true},
        {"Shape2", Main->Shape2, {80, 70}, true},
        {"NameConf", Main->L_Name_Conf, {87, 75}, true},
        {"NameConfL2", Main->L_Name_Conf_L2, {87, 88}, true},
        {"Step1", Main->L_Step[0], {16, 128}, true},
        {"Step2", Main->L_Step[1], {16, 172}, true},
        {"Step3", Main->L_Step[2], {16, 216}, true},
        {"Step4", Main->L_Step[3], {16, 260}, true},
        {"Step5", Main->L_Step[4], {16, 304}, false},
        {"Step6", Main->L_Step[5], {16, 348}, false},
        {"Step7", Main->L_Step[6], {16, 392}, false},
        {"Step8", Main->L_Step[7], {16, 436}, false},
        {"UpdateLink", Main->LL_Update, {208, 19}, false},
        {"Shape1", Main->Shape1, {10, 295}, true},
    };
    for (const TPlaceCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(C.Widget->pos(), C.Top_Left);
        EXPECT_EQ(!C.Widget->isHidden(), C.Shown);
    }
    EXPECT_EQ(Main->Shape2->size(), QSize(348, 36));
    for (int I = 0; I < 8; ++I)
        EXPECT_EQ(Main->L_Step[I]->text(), QStringLiteral("Step %1").arg(I + 1));
    EXPECT_EQ(Main->L_Begin->text(), "Begin");
    // the maker's address stands at the top of step 4, inside the window
    EXPECT_EQ(Main->L_Quorix->y(), 260);
    EXPECT_LE(Main->L_Quorix->geometry().right(), 694);
    EXPECT_FALSE(Main->L_Quorix->isHidden());
    // the shared look: background RGB 248, 247, 237, Verdana 8 point
    EXPECT_EQ(Main->palette().color(QPalette::Window), QColor(248, 247, 237));
    EXPECT_EQ(Main->font().family(), "Verdana");
    EXPECT_EQ(Main->font().pointSize(), 8);
}

// The glyphs drawn from the style's icons hold either the exact key colour or
// opaque pixels: a soft icon edge blended onto magenta would show a pink fringe.
TEST(StandardGlyph, NoPinkFringe)
{
    const int Icons[] = {QStyle::SP_BrowserReload, QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon, QStyle::SP_ArrowUp};
    for (int Icon : Icons) {
        SCOPED_TRACE(Icon);
        const QImage G = Standard_Glyph(Icon);
        ASSERT_EQ(G.size(), QSize(36, 18));
        EXPECT_EQ(G.pixelColor(0, 17), QColor(255, 0, 255));
        EXPECT_EQ(G.pixelColor(18, 17), QColor(255, 0, 255));
        int Pink = 0;
        for (int Y = 0; Y < 18; ++Y)
            for (int X = 0; X < 36; ++X) {
                const QColor C = G.pixelColor(X, Y);
                if (C != QColor(255, 0, 255) && C.red() > 160 && C.blue() > 160 && C.green() < C.red() - 60)
                    ++Pink;
            }
        EXPECT_EQ(Pink, 0);
    }
}

// No control of the configurator's own windows is cut off: each named control
// lies inside its parent.
TEST_F(MainWindowTest, ControlsInsideTheirParents)
{
    QDir().mkpath(Path("PROJECTS/Plant A"));
    Start();
    for (QWidget *Window : {static_cast<QWidget *>(Main), static_cast<QWidget *>(FNew_Project.data()),
                            static_cast<QWidget *>(FOpenConf.data()), static_cast<QWidget *>(FSoftOptions.data()),
                            static_cast<QWidget *>(FAbout.data())}) {
        SCOPED_TRACE(Window->objectName().toStdString());
        Window->show();
        QApplication::processEvents();
        for (QWidget *W : Window->findChildren<QWidget *>()) {
            const QString Name = W->objectName();
            if (Name.isEmpty() || Name.startsWith(QLatin1String("qt_")) || W->isHidden() || !W->parentWidget()
                || W->window() != Window)
                continue;
            SCOPED_TRACE(Name.toStdString());
            const QRect Inside = W->parentWidget()->rect();
            EXPECT_TRUE(Inside.contains(W->geometry()))
                << "at " << W->x() << "," << W->y() << " size " << W->width() << "x" << W->height() << " in "
                << Inside.width() << "x" << Inside.height();
        }
        Window->hide();
    }
    // every page of the options dialog
    FSoftOptions->show();
    for (int Page = 0; Page < FSoftOptions->PC_Options->count(); ++Page) {
        SCOPED_TRACE(Page);
        FSoftOptions->PC_Options->setCurrentIndex(Page);
        QApplication::processEvents();
        QWidget *P = FSoftOptions->PC_Options->widget(Page);
        for (QWidget *W : P->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (W->isHidden())
                continue;
            SCOPED_TRACE(W->objectName().toStdString());
            EXPECT_TRUE(P->rect().contains(W->geometry()));
        }
    }
    FSoftOptions->hide();
}
