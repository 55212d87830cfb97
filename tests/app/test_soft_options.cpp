#include "AppTestSupport.h"
#include "workspace/MakerWeb.h"
#include "app/UNew_Project.h"
#include "app/USoftOptions.h"
#include "workspace/Workspace.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QTabWidget>
#include <QDir>
#include <QFile>

using SoftOptionsTest = AppFixture;

namespace {
void Write_Languages(const QString &Dir, const QStringList &Names)
{
    for (const QString &N : Names)
        Write_File(Dir + "/LANGUAGE/" + N + ".lng", "STR0 = " + N.toUtf8() + "\n");
}

int Shown_Tiles(const TFSoftOptions *D)
{
    int N = 0;
    for (QLabel *L : D->L_L)
        N += !L->isHidden();
    return N;
}
} // namespace

TEST_F(SoftOptionsTest, PagesOfLanguageTiles)
{
    Write_Languages(Dir.path(), {"g", "B", "a", "F", "e", "D", "c"});
    Start();
    FSoftOptions->FormShow();
    EXPECT_EQ(FSoftOptions->SL_Languages, (QStringList{"a.lng", "B.lng", "c.lng", "D.lng", "e.lng", "F.lng", "g.lng"}));
    EXPECT_EQ(Shown_Tiles(FSoftOptions), 6);
    EXPECT_EQ(FSoftOptions->L_L[3]->text(), "D");
    EXPECT_EQ(FSoftOptions->L_Page_Lang->text(), "Page 1 / 2");
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->text(), "Selected Language : English");
    EXPECT_TRUE(FSoftOptions->Btn_Prev->isHidden());
    EXPECT_FALSE(FSoftOptions->Btn_Next->isHidden());
    FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Next);
    EXPECT_EQ(Shown_Tiles(FSoftOptions), 1);
    EXPECT_EQ(FSoftOptions->L_L[0]->text(), "g");
    EXPECT_EQ(FSoftOptions->L_Page_Lang->text(), "Page 2 / 2");
    EXPECT_FALSE(FSoftOptions->Btn_Prev->isHidden());
    EXPECT_TRUE(FSoftOptions->Btn_Next->isHidden());
    FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Next); // beyond the last page: stays
    EXPECT_EQ(FSoftOptions->Show_Page, 2);
    FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Prev);
    EXPECT_EQ(FSoftOptions->Show_Page, 1);
}

// Flag pictures: own, else DefaultFlag.bmp, else none (the label stays).
TEST_F(SoftOptionsTest, FlagPictures)
{
    Write_Languages(Dir.path(), {"A", "B"});
    QImage Flag(48, 48, QImage::Format_RGB32);
    Flag.fill(Qt::red);
    QDir().mkpath(Path("LANGUAGE"));
    Flag.save(Path("LANGUAGE/A.bmp"), "BMP");
    Start();
    FSoftOptions->FormShow();
    EXPECT_FALSE(FSoftOptions->I_L[0]->isHidden());
    EXPECT_TRUE(FSoftOptions->I_L[1]->isHidden());
    EXPECT_FALSE(FSoftOptions->L_L[1]->isHidden());
    Flag.save(Path("LANGUAGE/DefaultFlag.bmp"), "BMP");
    FSoftOptions->FormShow();
    EXPECT_FALSE(FSoftOptions->I_L[1]->isHidden());
}

// No language file: no tile, page 1 of 0, Next shown and inert.
TEST_F(SoftOptionsTest, NoLanguageFiles)
{
    Start();
    QDir().mkpath(Path("LANGUAGE/Folder.lng")); // a folder is no language
    FSoftOptions->FormShow();
    EXPECT_EQ(Shown_Tiles(FSoftOptions), 0);
    EXPECT_EQ(FSoftOptions->L_Page_Lang->text(), "Page 1 / 0");
    EXPECT_FALSE(FSoftOptions->Btn_Next->isHidden());
    FSoftOptions->Btn_NextClick(FSoftOptions->Btn_Next);
    EXPECT_EQ(FSoftOptions->Show_Page, 1);
}

// A read-only language file is listed (a packaged install is read-only).
TEST_F(SoftOptionsTest, ReadOnlyLanguageListed)
{
    Write_Languages(Dir.path(), {"Ro"});
    QFile::setPermissions(Path("LANGUAGE/Ro.lng"), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    Start();
    FSoftOptions->FormShow();
    EXPECT_EQ(FSoftOptions->SL_Languages, QStringList{"Ro.lng"});
}

TEST_F(SoftOptionsTest, CheckBoxesEnableEachOther)
{
    Start();
    FSoftOptions->FormShow();
    auto *D = FSoftOptions.data();
    // internet off: update box and check button disabled
    EXPECT_FALSE(D->CB_Update->isEnabled());
    EXPECT_FALSE(D->Btn_Check_Update->isEnabled());
    D->CB_En_Con->setChecked(true);
    EXPECT_TRUE(D->CB_Update->isEnabled());
    EXPECT_FALSE(D->Btn_Check_Update->isEnabled());
    D->CB_Update->setChecked(true);
    EXPECT_TRUE(D->Btn_Check_Update->isEnabled());
    D->CB_En_Con->setChecked(false);
    EXPECT_FALSE(D->CB_Update->isEnabled());
    EXPECT_FALSE(D->Btn_Check_Update->isEnabled());
}

// OK stores the flags (update also from a disabled box), switches the timer
// and writes the settings file; Cancel changes nothing.
TEST_F(SoftOptionsTest, OkStoresFlagsAndTimer)
{
    struct TCase { const char *Name; bool Internet, Update, Timer; };
    const TCase Cases[] = {
        {"BothOn", true, true, true},
        {"InternetOff", false, true, false},
        {"UpdateOff", true, false, false},
    };
    Start();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        While_Modal(
            [&] {
                FSoftOptions->CB_En_Con->setChecked(C.Internet);
                FSoftOptions->CB_Update->setChecked(C.Update);
                FSoftOptions->CB_Soft_Set_Jump_Table->setChecked(true);
                FSoftOptions->CB_DoubleClick_Auto_Size->setChecked(C.Internet);
                Click_Button(FSoftOptions->Btn_OK);
            },
            [this] { Main->Btn_Click(Main->Btn_Opz); });
        EXPECT_EQ(Enable_Internet, C.Internet);
        EXPECT_EQ(Enable_Update, C.Update);
        EXPECT_TRUE(Enable_Jump_Field_Tables);
        EXPECT_EQ(Double_Click_Auto_Size, C.Internet);
        EXPECT_EQ(Main->Timer_Update->isActive(), C.Timer);
        const QByteArray Xml = Read_File(Path("Brindelcor.xml"));
        EXPECT_TRUE(Xml.contains(C.Update ? "<enable_update>1</enable_update>" : "<enable_update>0</enable_update>"));
    }
    While_Modal([] { FSoftOptions->CB_Soft_Set_Jump_Table->setChecked(false); Click_Button(FSoftOptions->Btn_Cancel); },
                [this] { Main->Btn_Click(Main->Btn_Opz); });
    EXPECT_TRUE(Enable_Jump_Field_Tables);
}

// Picking a language shows it at once; Cancel keeps the stored one.
TEST_F(SoftOptionsTest, LanguageSwitchAndCancel)
{
    Write_File(Path("LANGUAGE/Deutsch.lng"),
               "STR0 = Anfang\nSTR100 = Neue Konfiguration\nSTR302 = Sprache\nSTR304 = Gewählte Sprache : \xC2\xB6\n"
               "STR305 = Seite \xC2\xB6\n");
    Write_File(Path("LANGUAGE/English.lng"), "STR0 = Begin\n");
    Start();
    Boxes.Answers = {TMsgResult::mrNo, TMsgResult::mrYes};
    While_Modal(
        [] {
            const int Tile = FSoftOptions->SL_Languages.indexOf("Deutsch.lng") + 1;
            FSoftOptions->LangClick(Tile); // No: nothing happens
            EXPECT_EQ(FSoftOptions->Language_In_Use, "English");
            FSoftOptions->LangClick(Tile); // Yes
            Click_Button(FSoftOptions->Btn_Cancel);
        },
        [this] { Main->Btn_Click(Main->Btn_Opz); });
    ASSERT_EQ(Boxes.Shown.size(), 2);
    EXPECT_EQ(Boxes.Shown[0].Text, "Do you want to change the Language from English to Deutsch?");
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkConfirmation);
    EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
    EXPECT_EQ(Main->L_Begin->text(), "Anfang");
    EXPECT_EQ(FNew_Project->windowTitle(), "Neue Konfiguration");
    EXPECT_EQ(FSoftOptions->PC_Options->tabText(0), "Sprache");
    EXPECT_EQ(FSoftOptions->L_Sel_Lang->text(), QString::fromUtf8("Gewählte Sprache : Deutsch"));
    EXPECT_EQ(FSoftOptions->L_Page_Lang->text(), "Seite 1 / 1");
    // Cancel: the stored language stays; the dialog names it on reopening
    EXPECT_EQ(Language_Name, "English");
    Stop();
    EXPECT_TRUE(Read_File(Path("Brindelcor.xml")).contains("<language>English</language>"));
    Start();
    FSoftOptions->FormShow();
    EXPECT_EQ(FSoftOptions->Language_In_Use, "English");

    // OK stores it
    Boxes.Answers = {TMsgResult::mrYes};
    While_Modal(
        [] {
            FSoftOptions->LangClick(FSoftOptions->SL_Languages.indexOf("Deutsch.lng") + 1);
            Click_Button(FSoftOptions->Btn_OK);
        },
        [this] { Main->Btn_Click(Main->Btn_Opz); });
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_TRUE(Read_File(Path("Brindelcor.xml")).contains("<language>Deutsch</language>"));
}

// The check button against a local server: each reply gives the link or text 315.
TEST_F(SoftOptionsTest, VersionCheckAgainstLocalServer)
{
    struct TCase { const char *Name; QByteArray Body; int Status; bool Newer; };
    const TCase Cases[] = {
        {"Newer", "VER. 1.001", 200, true},
        {"Same", "VER. 1.000", 200, false},
        {"NoneOffered", "VER. 0.000", 200, false},
        {"Empty", "", 200, false},
        {"LowerCasePrefix", "ver. 2.000", 200, true},
        {"ErrorStatus", "VER. 9.000", 500, false},
    };
    TLocalHttpServer Server;
    Set_Maker_Web_Host(Server.Host());
    Start();
    FSoftOptions->FormShow();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Server.Body = C.Body;
        Server.Status = C.Status;
        FSoftOptions->LL_Check_Update->hide();
        FSoftOptions->Btn_Check_UpdateClick();
        ASSERT_TRUE(Wait_Until([] { return !FSoftOptions->Check_Running(); }));
        EXPECT_FALSE(FSoftOptions->LL_Check_Update->isHidden());
        const QString Text = FSoftOptions->LL_Check_Update->text();
        if (C.Newer) {
            EXPECT_TRUE(Text.contains("New Version Available. Click Here for more Details"));
            EXPECT_TRUE(Text.contains("/Home/download/download.asp#GWTK410"));
        } else {
            EXPECT_EQ(Text, "No Update Available");
        }
    }
    ASSERT_FALSE(Server.Request_Lines.isEmpty());
    EXPECT_EQ(Server.Request_Lines[0], "GET /home/download/GetversionSW.asp?nomesw=CFTK410 HTTP/1.0");
    FSoftOptions->LL_Check_UpdateLinkClick();
    ASSERT_EQ(Pages.Opened.size(), 1);
    EXPECT_EQ(Pages.Opened[0].fragment(), "GWTK410");
}

// A server that never answers: the request ends at its time-out, silently, as "no update".
TEST_F(SoftOptionsTest, VersionCheckTimeOut)
{
    TLocalHttpServer Server;
    Server.Silent = true;
    Set_Maker_Web_Host(Server.Host());
    Version_Check_Timeout_Ms = 300;
    Start();
    FSoftOptions->FormShow();
    FSoftOptions->Btn_Check_UpdateClick();
    EXPECT_TRUE(FSoftOptions->Check_Running());
    FSoftOptions->Btn_Check_UpdateClick(); // a second press while waiting starts nothing
    ASSERT_TRUE(Wait_Until([] { return !FSoftOptions->Check_Running(); }));
    EXPECT_EQ(FSoftOptions->LL_Check_Update->text(), "No Update Available");
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(Server.Request_Lines.size(), 1);
}

// Nothing listens: a refused connection is a silent "no update".
TEST_F(SoftOptionsTest, VersionCheckNoServer)
{
    QString Host;
    {
        TLocalHttpServer Closed;
        Host = Closed.Host();
    }
    Set_Maker_Web_Host(Host);
    Start();
    bool Done = false, Newer = true;
    TFSoftOptions::Check_Version(Main, [&](bool N) { Done = true; Newer = N; });
    ASSERT_TRUE(Wait_Until([&] { return Done; }));
    EXPECT_FALSE(Newer);
}

TEST_F(SoftOptionsTest, Screenshots)
{
    Write_Languages(Dir.path(), {"Deutsch", "English", "Espanol", "Francais", "Italiano", "Nederlands", "Polski"});
    QImage Flag(48, 48, QImage::Format_RGB32);
    Flag.fill(QColor(0, 80, 160));
    QDir().mkpath(Path("LANGUAGE"));
    Flag.save(Path("LANGUAGE/DefaultFlag.bmp"), "BMP");
    Start();
    FSoftOptions->show();
    // each picture shows the dialog at its size with the shared background
    // where no control stands
    const auto Check_Shot = [&](const char *Name) {
        SCOPED_TRACE(Name);
        const QImage Shot(Save_Screenshot(FSoftOptions, QString::fromLatin1(Name)));
        ASSERT_EQ(Shot.size(), FSoftOptions->size());
        EXPECT_EQ(Shot.pixelColor(Bare_Point(FSoftOptions)), Window_Background());
    };
    Check_Shot("app_options_language");
    // every control of the language page lies inside the page, none on another
    const QRect Page = FSoftOptions->TS_Language->rect();
    QList<QWidget *> Shown;
    for (QWidget *W : FSoftOptions->TS_Language->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!W->isHidden()) {
            SCOPED_TRACE(W->objectName().toStdString());
            EXPECT_TRUE(Page.contains(W->geometry())) << W->geometry().bottom() << " > " << Page.bottom();
            for (QWidget *Other : Shown)
                EXPECT_FALSE(Other->geometry().intersects(W->geometry())) << Other->objectName().toStdString();
            Shown.append(W);
        }
    Click_Button(FSoftOptions->Btn_Next);
    Check_Shot("app_options_language_page2");
    FSoftOptions->PC_Options->setCurrentIndex(1);
    FSoftOptions->CB_En_Con->setChecked(true);
    Check_Shot("app_options_connection");
    FSoftOptions->PC_Options->setCurrentIndex(2);
    Check_Shot("app_options_settings");
    FSoftOptions->hide();
}

// Every page shows the windows' shared background (RGB 248, 247, 237) where
// no control stands, and the Cancel button that closed the dialog comes back
// without its hot-track colour.
TEST_F(SoftOptionsTest, PagesOnTheSharedBackgroundAndCancelNotHotAgain)
{
    Start();
    FSoftOptions->show();
    for (QWidget *Page : {FSoftOptions->TS_Language, FSoftOptions->TS_Con_Options, FSoftOptions->TS_Soft_Settings}) {
        SCOPED_TRACE(Page->objectName().toStdString());
        FSoftOptions->PC_Options->setCurrentWidget(Page);
        const QImage Shot = FSoftOptions->grab().toImage();
        // the page's bottom-right corner area holds no control on any page
        const QPoint Spot = Page->mapTo(FSoftOptions, QPoint(Page->width() - 6, Page->height() - 6));
        EXPECT_EQ(Shot.pixelColor(Spot), QColor(248, 247, 237));
    }
    FSoftOptions->hide();

    // Cancel pressed with the pointer over it closes the dialog.
    FSoftOptions->show();
    QEnterEvent Enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(FSoftOptions->Btn_Cancel, &Enter);
    ASSERT_EQ(FSoftOptions->Btn_Cancel->HotTrackStep(), 8);
    Click_Button(FSoftOptions->Btn_Cancel);
    ASSERT_FALSE(FSoftOptions->isVisible());
    FSoftOptions->show();
    EXPECT_EQ(FSoftOptions->Btn_Cancel->HotTrackStep(), 0);
    const QImage Shot = FSoftOptions->Btn_Cancel->grab().toImage();
    // the face's middle column below the caption shows the face colour, not yellow
    const QColor Face = Shot.pixelColor(Shot.width() / 2, Shot.height() - 5);
    EXPECT_NE(Face, QColor(255, 255, 0));
    FSoftOptions->hide();
}
