// The main window is shown before the other windows are built; they follow
// its first frame in start-up order, or come first when a click is sooner.
#include "AppTestSupport.h"
#include "app/Forms.h"
#include "app/StartupCatalog.h"
#include "app/UAbout.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "catalog/CatalogEnOcean.h"
#include "text/LangTable.h"
#include "workspace/MakerWeb.h"
#include <QLabel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTest>

namespace {
const QStringList Start_Order = {"FNew_Project",        "FOpenConf",         "FAbout",
                                 "FSoftOptions",        "Form1",             "FEnOcean_SetAccess",
                                 "FParGen",             "FBoot",             "FEnOcean_SetAccess2",
                                 "FEnOcean_Device",     "FEnOcean_Variable", "FMQTT_Set_Topic",
                                 "FTopicTemplate",      "FEnOcean_Variable_SAck", "FProfinetFileName",
                                 "FBACnet_Eng_Unit",    "FBACnetSlaveSetAccess"};

// The start-up windows among the main window's children, in the order they were made.
QStringList Windows_Made(const QWidget *Main)
{
    QStringList Names;
    for (const QObject *C : Main->children())
        if (qobject_cast<const QDialog *>(C) && Start_Order.contains(C->objectName()))
            Names << C->objectName();
    return Names;
}

bool Other_Windows_Absent()
{
    return !FNew_Project && !FOpenConf && !FAbout && !FSoftOptions && !Form1 && !FParGen && !FBoot
           && !FEnOcean_Variable && !FBACnetSlaveSetAccess;
}

// Every label of the main window itself with its place and size.
QMap<QString, QRect> Label_Geometries(const QWidget *Main)
{
    QMap<QString, QRect> Places;
    for (const QLabel *L : Main->findChildren<QLabel *>())
        if (L->window() == Main)
            Places.insert(L->objectName(), L->geometry());
    return Places;
}

// Two RORGs, as the catalogue file holds them.
const char *const Small_Catalogue = "<profile><rorg><number>1</number><title>R</title></rorg>"
                                    "<rorg><number>2</number><title>S</title></rorg></profile>";
} // namespace

using StartOrderTest = AppFixture;

// Shown alone, the main window builds the others after its first frame: every
// one of them, in start-up order, with the catalogue complete before them.
TEST_F(StartOrderTest, OtherWindowsFollowTheFirstFrameInOrder)
{
    for (const bool With_Catalogue : {true, false}) {
        SCOPED_TRACE(With_Catalogue ? "catalogue present" : "catalogue missing");
        QDir(Dir.path()).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(Path("CAT_EnOcean")));
        if (With_Catalogue)
            Write_File(Path("CAT_EnOcean/eep.xml"), Small_Catalogue);
        Boxes.Shown.clear();
        Main = Create_Main_Form();
        EXPECT_TRUE(Other_Windows_Absent());
        EXPECT_TRUE(Boxes.Shown.isEmpty()); // nothing reported before the main window shows
        Create_Other_Forms_After_First_Frame(Main);
        Main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main));
        ASSERT_TRUE(QTest::qWaitFor([] { return !FBACnetSlaveSetAccess.isNull(); }));
        EXPECT_EQ(Windows_Made(Main), Start_Order);
        // The variable dialog read the whole catalogue when it was made.
        auto *RORG = FEnOcean_Variable->findChild<QComboBox *>(QStringLiteral("CB_EEP_Rorg"));
        ASSERT_NE(RORG, nullptr);
        ASSERT_NE(Catalog_EnOcean, nullptr);
        EXPECT_EQ(RORG->count(), With_Catalogue ? 2 : 0);
        EXPECT_EQ(static_cast<int>(Catalog_EnOcean->List_Rorg.size()), With_Catalogue ? 2 : 0);
        // A missing catalogue is reported once, as the other windows are made.
        EXPECT_EQ(Boxes.Shown.size(), With_Catalogue ? 0 : 1);
        // Painting again makes nothing twice.
        const QDialog *Editor = FParGen;
        Main->repaint();
        QApplication::processEvents();
        EXPECT_EQ(FParGen.data(), Editor);
        EXPECT_EQ(Windows_Made(Main), Start_Order);
        Stop();
        EXPECT_TRUE(Other_Windows_Absent());
    }
}

// A button pressed before the first frame finds every window made: the about
// box opens, and the windows exist once and in order.
TEST_F(StartOrderTest, ClickBeforeTheFirstFrameMakesTheWindowsFirst)
{
    Main = Create_Main_Form();
    Create_Other_Forms_After_First_Frame(Main);
    ASSERT_TRUE(Other_Windows_Absent());
    bool About_Shown = false;
    While_Modal(
        [&] {
            About_Shown = FAbout && FAbout->isVisible();
            if (FAbout)
                FAbout->reject();
        },
        [&] { Main->Btn_Click(Main->Btn_Info); });
    EXPECT_TRUE(About_Shown);
    EXPECT_EQ(Windows_Made(Main), Start_Order);
    // The first frame that follows makes nothing again.
    Main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Main));
    QApplication::processEvents();
    EXPECT_EQ(Windows_Made(Main), Start_Order);
}

// The program's main window is mapped before its labels are measured: they
// are sized once the event loop turns, before the first frame, to exactly the
// sizes and places a window sized at once has, and the frame is the same
// picture; with a project's name, the built-in texts and a maker's address
// long enough to be moved inside the window alike.
TEST_F(StartOrderTest, LabelsSizedAfterShowAsAtOnce)
{
    struct TOrder_Case
    {
        const char *Name;
        const char *Project;
        const char *Maker_Host;
    };
    const TOrder_Case Cases[] = {
        {"NoProject", nullptr, nullptr},
        {"RememberedProject", "Plant A with a long name", nullptr},
        {"LongMakerAddress", nullptr, "http://configurator-downloads.example-manufacturer-of-gateways.com"},
    };
    for (const TOrder_Case &C : Cases) {
        SCOPED_TRACE(C.Name);
        if (C.Project) {
            QDir().mkpath(Path(QStringLiteral("PROJECTS/") + C.Project));
            Write_File(Path("Brindelcor.xml"), QByteArray("<Conf_Settings><lastproj><projectname>") + C.Project
                                                   + "</projectname></lastproj></Conf_Settings>");
        } else {
            QFile::remove(Path("Brindelcor.xml"));
        }
        Set_Maker_Web_Host(C.Maker_Host ? QString::fromLatin1(C.Maker_Host) : QString());

        Main = Create_Main_Form();
        const QMap<QString, QRect> At_Once = Label_Geometries(Main);
        Main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main));
        const QImage At_Once_Picture = Main->grab().toImage();
        Stop(false);

        Main = Create_Main_Form(true);
        // Not measured yet: the title's label still has the size of a new label.
        EXPECT_NE(Main->L_SW_Code->size(), At_Once.value("L_SW_Code").size());
        Main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Main));
        QApplication::processEvents();
        EXPECT_EQ(Label_Geometries(Main), At_Once);
        const QString Shot = Save_Screenshot(Main, QStringLiteral("main_window_labels_after_show_") + C.Name);
        const QImage After_Show_Picture(Shot);
        ASSERT_FALSE(After_Show_Picture.isNull());
        EXPECT_EQ(After_Show_Picture.convertToFormat(QImage::Format_RGB32),
                  At_Once_Picture.convertToFormat(QImage::Format_RGB32));
        if (C.Maker_Host) {
            EXPECT_EQ(Main->L_Quorix->geometry().right(), 694 - 8 - 1);
        }
        Stop(false);
    }
}

// A click that comes before the event loop turns finds the labels sized.
TEST_F(StartOrderTest, ClickBeforeLabelsAreSizedSizesThemFirst)
{
    Main = Create_Main_Form();
    const QMap<QString, QRect> At_Once = Label_Geometries(Main);
    Stop(false);
    Main = Create_Main_Form(true);
    QMap<QString, QRect> Seen_In_Click;
    While_Modal(
        [&] {
            Seen_In_Click = Label_Geometries(Main);
            if (FAbout)
                FAbout->reject();
        },
        [&] { Main->Btn_Click(Main->Btn_Info); });
    EXPECT_EQ(Seen_In_Click, At_Once);
}
