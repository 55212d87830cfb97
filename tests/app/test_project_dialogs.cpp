#include "AppTestSupport.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "workspace/Workspace.h"
#include "TestSupport.h"
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QApplication>
#include <QKeyEvent>

using ProjectDialogTest = AppFixture;

namespace {
// Runs the new project step with Name typed and OK pressed; when the dialog
// refuses, Cancel ends it.
void New_Project(TFBrindelcoreFirmWare *Main, const QString &Name)
{
    While_Modal(
        [Name] {
            FNew_Project->E_New_Proj->setText(Name);
            Click_Button(FNew_Project->Btn_OK);
            if (FNew_Project->isVisible())
                Click_Button(FNew_Project->Btn_Cancel);
        },
        [Main] { Main->Btn_Click(Main->Btn_New); });
}
} // namespace

TEST_F(ProjectDialogTest, NewProjectCreatesFolderAndBin)
{
    Start();
    EXPECT_EQ(FNew_Project->size(), QSize(331, 162));
    EXPECT_EQ(FNew_Project->windowTitle(), "Create New Configuration");
    EXPECT_EQ(FNew_Project->L_SW_Code->text(), "CFTK410");
    New_Project(Main, "Plant A");
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_TRUE(QFileInfo(Path("PROJECTS/Plant A/bin")).isDir());
    EXPECT_EQ(Project_Name, "Plant A");
    EXPECT_EQ(Project_Dir, Path("PROJECTS/Plant A"));
    EXPECT_EQ(File_ParGen, Path("PROJECTS/Plant A/ParGen.xml"));
    EXPECT_EQ(Main->L_Name_Conf->text(), "Opened Configuration of the Converter : ");
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), "Plant A");
    // a project step now passes the guard (Set BACnet Access then does nothing)
    Main->Btn_Click(Main->Btn_BACnet_SetAccess);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
}

// Refused names: the dialog stays open, the message names the reason, nothing changes.
TEST_F(ProjectDialogTest, NewProjectRefusals)
{
    struct TCase { const char *Name; QString Typed; const char *Message; };
    const TCase Cases[] = {
        {"Empty", "", "Error! Name Project is not valid"},
        {"Exists", "Old", "Error! Name project is not valid because directory already exists"},
        {"Slash", "a/b", "Error! Name project is not valid"},
        {"Backslash", "a\\b", "Error! Name project is not valid"},
        {"DotDot", "..", "Error! Name project is not valid"},
        {"Dot", ".", "Error! Name project is not valid"},
        {"ControlCharacter", QString("a") + QChar(7), "Error! Name project is not valid"},
        // the settings file could not remember it: it would be lost at the next start
        {"OnlyBlanks", "   ", "Error! Name project is not valid"},
    };
    QDir().mkpath(Path("PROJECTS/Old"));
    Start();
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        bool Open_After = false;
        While_Modal(
            [&] {
                FNew_Project->E_New_Proj->setText(C.Typed);
                Click_Button(FNew_Project->Btn_OK);
                Open_After = FNew_Project->isVisible();
                Click_Button(FNew_Project->Btn_Cancel);
            },
            [this] { Main->Btn_Click(Main->Btn_New); });
        EXPECT_TRUE(Open_After);
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Text, C.Message);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
        EXPECT_TRUE(Project_Dir.isEmpty());
    }
    EXPECT_EQ(QDir(Path("PROJECTS")).entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"Old"});
    EXPECT_FALSE(QFileInfo::exists(Path("PROJECTS/a")));
}

// Enter in the name field confirms; leading blanks are kept in the folder name.
TEST_F(ProjectDialogTest, EnterConfirmsAndBlanksKept)
{
    Start();
    While_Modal(
        [] {
            FNew_Project->E_New_Proj->setText("  Spaced");
            QKeyEvent Enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
            QApplication::sendEvent(FNew_Project->E_New_Proj, &Enter);
            if (FNew_Project->isVisible())
                FNew_Project->reject();
        },
        [this] { Main->Btn_Click(Main->Btn_New); });
    EXPECT_EQ(Project_Name, "  Spaced");
    EXPECT_TRUE(QFileInfo(Path("PROJECTS/  Spaced/bin")).isDir());
}

// Cancel in either dialog keeps the active project and its labels.
TEST_F(ProjectDialogTest, CancelKeepsProject)
{
    QDir().mkpath(Path("PROJECTS/Keep"));
    QDir().mkpath(Path("PROJECTS/Other"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>Keep</projectname></lastproj></Conf_Settings>");
    Start();
    While_Modal([] { FNew_Project->E_New_Proj->setText("X"); Click_Button(FNew_Project->Btn_Cancel); },
                [this] { Main->Btn_Click(Main->Btn_New); });
    While_Modal([] { FOpenConf->ListBox1->setCurrentRow(1); Click_Button(FOpenConf->Btn_Cancel); },
                [this] { Main->Btn_Click(Main->Btn_Open); });
    EXPECT_EQ(Project_Name, "Keep");
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), "Keep");
    EXPECT_FALSE(QFileInfo::exists(Path("PROJECTS/X")));
}

TEST_F(ProjectDialogTest, OpenProjectListAndChoice)
{
    for (const char *P : {"Beta", "alpha", "Gamma"})
        QDir().mkpath(Path(QString("PROJECTS/") + P));
    Write_File(Path("PROJECTS/not_a_folder.txt"), "x");
    QDir().mkpath(Path("PROJECTS/.hidden"));
    Start();
    EXPECT_EQ(FOpenConf->size(), QSize(377, 351));
    QStringList Listed;
    QString Preselected;
    While_Modal(
        [&] {
            for (int I = 0; I < FOpenConf->ListBox1->count(); ++I)
                Listed << FOpenConf->ListBox1->item(I)->text();
            Preselected = FOpenConf->Name_Conf;
            FOpenConf->ListBox1->setCurrentRow(FOpenConf->SL.indexOf("Gamma"));
            FOpenConf->ListBox1Click();
            Click_Button(FOpenConf->Btn_OK);
        },
        [this] { Main->Btn_Click(Main->Btn_Open); });
    Listed.sort(Qt::CaseInsensitive);
    EXPECT_EQ(Listed, (QStringList{"alpha", "Beta", "Gamma"}));
    // no project active: the first listed folder is preselected
    EXPECT_EQ(Preselected, FOpenConf->SL.value(0));
    EXPECT_EQ(Project_Name, "Gamma");
    EXPECT_EQ(Project_Dir, Path("PROJECTS/Gamma"));
    EXPECT_EQ(File_BACnet_Slave, Path("PROJECTS/Gamma/BACnet_Slave.xml"));
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), "Gamma");
}

// The active project is preselected even when its folder name differs in letter case.
TEST_F(ProjectDialogTest, OpenPreselectsActiveIgnoringCase)
{
    for (const char *P : {"One", "PLANT", "Two", "\xC3\x9C" "BER"})
        QDir().mkpath(Path(QString("PROJECTS/") + QString::fromUtf8(P)));
    Start();
    Project_Name = "plant";
    Project_Dir = Projects_Dir + "/plant";
    FOpenConf->FormShow();
    EXPECT_EQ(FOpenConf->Name_Conf, "PLANT");
    EXPECT_EQ(FOpenConf->ListBox1->currentItem()->text(), "PLANT");
    EXPECT_EQ(FOpenConf->Search_Open_Conf("two"), FOpenConf->SL.indexOf("Two"));
    EXPECT_EQ(FOpenConf->Search_Open_Conf("three"), -1);
    // only the letters a to z count as equal to their capitals
    EXPECT_EQ(FOpenConf->Search_Open_Conf(QString::fromUtf8("\xC3\x9C" "ber")), FOpenConf->SL.indexOf(QString::fromUtf8("\xC3\x9C" "BER")));
    EXPECT_EQ(FOpenConf->Search_Open_Conf(QString::fromUtf8("\xC3\xBC" "ber")), -1);
}

// OK with an empty list: no project; every project step then reports text 18.
TEST_F(ProjectDialogTest, OpenWithEmptyList)
{
    QDir().mkpath(Path("PROJECTS/P"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>P</projectname></lastproj></Conf_Settings>");
    Start();
    QDir(Path("PROJECTS/P")).removeRecursively();
    While_Modal([] { Click_Button(FOpenConf->Btn_OK); }, [this] { Main->Btn_Click(Main->Btn_Open); });
    EXPECT_TRUE(Project_Dir.isEmpty());
    EXPECT_TRUE(Project_Name.isEmpty());
    EXPECT_EQ(Main->L_Name_Conf->text(), "None Configuration Opened ");
    EXPECT_EQ(Main->L_Name_Conf_L2->text(), "Use Step1 to open or create new configuration");
    Main->Btn_Click(Main->Btn_Prm_Gen);
    EXPECT_EQ(Boxes.Texts(), QStringList{"Error! Project not Valid"});
}

// The two dialogs as the engineer sees them: the shared frame (rules under
// the title and above the buttons), the typed name in the edit, and in the
// open dialog the active project's row highlighted, the other one not.
TEST_F(ProjectDialogTest, PicturesShowFrameNameAndChoice)
{
    QDir().mkpath(Path("PROJECTS/Plant A"));
    QDir().mkpath(Path("PROJECTS/Plant B"));
    Write_File(Path("Brindelcor.xml"), "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj></Conf_Settings>");
    Start();
    const QColor Back = Window_Background();
    const QColor Rule(200, 200, 190);
    auto Frame_Checks = [&](QDialog *D, const QImage &Shot) {
        SCOPED_TRACE(D->objectName().toStdString());
        ASSERT_EQ(Shot.size(), D->size());
        for (int X : {0, Shot.width() / 2, Shot.width() - 1}) {
            EXPECT_EQ(Shot.pixelColor(X, 63), Rule);                   // under the title panel
            EXPECT_EQ(Shot.pixelColor(X, Shot.height() - 44), Rule);   // above the button panel
            EXPECT_EQ(Shot.pixelColor(X, Shot.height() - 2), Back);
        }
    };

    FNew_Project->show();
    FNew_Project->E_New_Proj->setText("Plant C");
    Save_Screenshot(FNew_Project, "app_new_project");
    QImage Shot = FNew_Project->grab().toImage();
    Frame_Checks(FNew_Project, Shot);
    const QRect Edit = FNew_Project->E_New_Proj->geometry();
    EXPECT_GT(Dark_Pixels(Shot, Edit.adjusted(3, 3, -Edit.width() / 2, -3)), 20);      // "Plant C"
    EXPECT_EQ(Dark_Pixels(Shot, Edit.adjusted(Edit.width() / 2, 3, -3, -3)), 0);       // nothing more
    FNew_Project->hide();

    FOpenConf->show();
    Save_Screenshot(FOpenConf, "app_open_project");
    Shot = FOpenConf->grab().toImage();
    Frame_Checks(FOpenConf, Shot);
    QListWidget *List = FOpenConf->ListBox1;
    ASSERT_EQ(List->count(), 2);
    const QPoint Origin = List->viewport()->mapTo(FOpenConf, QPoint(0, 0));
    const QRect Row_A = List->visualItemRect(List->item(0)).translated(Origin);
    const QRect Row_B = List->visualItemRect(List->item(1)).translated(Origin);
    const QColor Highlight = List->palette().color(QPalette::Highlight);
    EXPECT_EQ(Shot.pixelColor(Row_A.right() - 4, Row_A.center().y()), Highlight);
    EXPECT_NE(Shot.pixelColor(Row_B.right() - 4, Row_B.center().y()), Highlight);
    EXPECT_GT(Dark_Pixels(Shot, Row_B), 10);   // "Plant B" written
    FOpenConf->hide();
}
