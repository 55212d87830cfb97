#include "AppTestSupport.h"
#include "TestSupport.h"
#include "app/Forms.h"
#include "app/StartupCatalog.h"
#include "workspace/Workspace.h"
#include "catalog/CatalogEnOcean.h"
#include "text/LangTable.h"
#include <QDir>

namespace {

QByteArray Catalogue_With(int Rorgs)
{
    QByteArray Xml("<profile>");
    for (int I = 1; I <= Rorgs; ++I)
        Xml += "<rorg><number>" + QByteArray::number(I) + "</number><title>R</title></rorg>";
    return Xml + "</profile>";
}

using StartupCatalogTest = AppFixture;

// The catalogue is parsed on a worker while the main window builds itself; it
// is published complete before the first window that uses it, and a program folder that changed in
// between is read afresh, never the stale one.
TEST_F(StartupCatalogTest, CatalogueIsCompleteWhenPublished)
{
    struct TCase { const char *Name; bool Begin_Early; bool Move_Folder; int Expected_Rorgs; };
    const TCase Cases[] = {
        {"ReadOnTheWorker", true, false, 3},
        {"ReadWithoutEarlyStart", false, false, 3},
        {"FolderChangedAfterEarlyStart", true, true, 5},
    };
    QTemporaryDir Other;
    QDir().mkpath(Other.filePath("CAT_EnOcean"));
    Write_File(Other.filePath("CAT_EnOcean/eep.xml"), Catalogue_With(5));
    QDir().mkpath(Path("CAT_EnOcean"));
    Write_File(Path("CAT_EnOcean/eep.xml"), Catalogue_With(3));
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Set_Program_Dir_Override(Dir.path());
        if (C.Begin_Early)
            Begin_Catalog_Load_At_Start();
        Init_Program_Folders(C.Move_Folder ? Other.path() : Dir.path());
        Load_Catalog_At_Start();
        ASSERT_NE(Catalog_EnOcean, nullptr);
        EXPECT_EQ(static_cast<int>(Catalog_EnOcean->List_Rorg.size()), C.Expected_Rorgs);
        EXPECT_EQ(Catalog_EnOcean->Rorg_SL.size(), C.Expected_Rorgs);
        EXPECT_TRUE(Boxes.Shown.isEmpty());
    }
    // The whole start-up, twice: each start publishes its own complete catalogue.
    for (int Run = 0; Run < 2; ++Run) {
        Start();
        ASSERT_NE(Catalog_EnOcean, nullptr);
        EXPECT_EQ(Catalog_EnOcean->Rorg_SL.size(), 3);
        Stop(false);
    }
}

// A broken file is still reported once, from the main window's creation.
TEST_F(StartupCatalogTest, UnreadableCatalogueFoundByTheWorkerIsReported)
{
    QDir().mkpath(Path("CAT_EnOcean"));
    Write_File(Path("CAT_EnOcean/eep.xml"), QByteArray("<a>").repeated(100000));
    Fill_Default_Texts();
    Begin_Catalog_Load_At_Start();
    Init_Program_Folders(Dir.path());
    Load_Catalog_At_Start();
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("eep.xml"))) << qPrintable(Boxes.Shown[0].Text);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains(QStringLiteral("256"))) << qPrintable(Boxes.Shown[0].Text);
    EXPECT_TRUE(Catalog_EnOcean->List_Rorg.empty());
}

} // namespace
