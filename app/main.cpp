#include "app/Forms.h"
#include "app/StartupCatalog.h"
#include "app/UBrindelcoreFirmWare.h"
#include "grid/griddropdown/GridDarAzidDropDown.h"
#include "platform/FontConfigLoad.h"
#include "platform/SessionBus.h"
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <future>
#include <memory>
#include <system_error>

namespace {
// Fills the font database and matches the windows' font (Verdana 8, with its
// fallbacks) on a worker while the main window builds its first controls. The
// database and its fallback lists are shared by every thread under Qt's own
// lock, so the first label on the main thread finds them made; only the font
// engines, which each thread keeps for itself, are still loaded there.
std::future<void> Begin_Font_Database_Load()
{
    try {
        return std::async(std::launch::async, [] {
            QFont Font(QStringLiteral("Verdana"));
            Font.setPointSize(8);
            (void)QFontMetrics(Font).height();
        });
    } catch (const std::system_error &) {
        return {}; // no thread to be had: the first label fills it
    }
}
} // namespace

int main(int argc, char **argv)
{
    // Before any thread: where no session bus can be had, none is looked for.
    Settle_Unreachable_Session_Bus();
    // Read while the application object is built, which takes longer.
    std::future<void> Fonts = Begin_Font_Config_Load();
    QApplication App(argc, argv);
    App.setApplicationName(QStringLiteral("BrindelcoreFirmWare"));
    // The first label's text waits for the session bus; connect meanwhile.
    std::future<void> Bus = Begin_Session_Bus_Connect();
    std::future<void> Font_Database = Begin_Font_Database_Load();
    // The string grids make their grid drop-down editor through this maker.
    Register_Grid_DropDown();
    // The main window first, mapped before its labels are measured; the other
    // windows follow its first frame, in start-up order (a click that comes
    // sooner builds them before it acts).
    std::unique_ptr<TFBrindelcoreFirmWare> Main(Create_Main_Form(true));
    Create_Other_Forms_After_First_Frame(Main.get());
    Main->show();
    // The catalogue is parsed on a worker while the first frame is painted;
    // the other windows wait for it before the first one that uses it.
    Begin_Catalog_Load_At_Start();
    return App.exec();
}
