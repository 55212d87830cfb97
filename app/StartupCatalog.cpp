// The EEP catalogue, loaded once when the main window is created.
#include "app/StartupCatalog.h"
#include "app/Forms.h"
#include "workspace/Workspace.h"
#include "catalog/CatalogEnOcean.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QDir>
#include <future>
#include <memory>
#include <system_error>

TCatalog_EnOcean *Catalog_EnOcean = nullptr;

namespace {
std::unique_ptr<TCatalog_EnOcean> Catalog_Instance;

// A load running on a worker. The worker touches only this record until
// Load_Catalog_At_Start has waited for it.
struct TEarly_Load
{
    QString Path;
    std::unique_ptr<TCatalog_EnOcean> Catalog = std::make_unique<TCatalog_EnOcean>();
    TCatalog_Load_Status Status;
    std::future<void> Done;
};
std::unique_ptr<TEarly_Load> Early_Load;

QString Catalog_Path(const QString &Folder)
{
    return Folder + QStringLiteral("/eep.xml");
}

// The catalogue folder as Init_Program_Folders will name it.
QString Expected_Catalog_Folder()
{
    QString Dir = QDir::fromNativeSeparators(Program_Dir());
    while (Dir.size() > 1 && Dir.endsWith(QLatin1Char('/')))
        Dir.chop(1);
    return Dir + QStringLiteral("/CAT_EnOcean");
}

// Waits for a worker still running (so none outlives its record) and hands its record over.
std::unique_ptr<TEarly_Load> Take_Early_Load()
{
    std::unique_ptr<TEarly_Load> Load = std::move(Early_Load);
    if (Load && Load->Done.valid())
        Load->Done.wait();
    return Load;
}
} // namespace

void Begin_Catalog_Load_At_Start()
{
    Take_Early_Load();
    auto Load = std::make_unique<TEarly_Load>();
    Load->Path = Catalog_Path(Expected_Catalog_Folder());
    TEarly_Load *Record = Load.get();
    try {
        Load->Done = std::async(std::launch::async,
                                [Record] { Record->Catalog->Read_Cat_EnOcean_XML(Record->Path, &Record->Status); });
    } catch (const std::system_error &) {
        return; // no thread to be had: Load_Catalog_At_Start reads the file itself
    }
    Early_Load = std::move(Load);
}

void Load_Catalog_At_Start()
{
    const QString Path = Catalog_Path(Cat_EnOcean_Dir);
    std::unique_ptr<TEarly_Load> Load = Take_Early_Load();
    TCatalog_Load_Status Status;
    // A fresh catalogue for every start (tests create the windows more than once).
    if (Load && Load->Path == Path) {
        Catalog_Instance = std::move(Load->Catalog);
        Status = Load->Status;
    } else {
        Catalog_Instance = std::make_unique<TCatalog_EnOcean>();
        Catalog_Instance->Read_Cat_EnOcean_XML(Path, &Status);
    }
    Catalog_EnOcean = Catalog_Instance.get();
    // A missing or unreadable catalogue leaves the editors without profiles
    // and the compiler unable to place variables: say so once, now. Errors
    // inside single entries only drop those entries and are not reported.
    if (Status.Kind != TCatalog_Load_Status::clsRead) {
        QString Why = QDir::toNativeSeparators(Path);
        if (Status.Kind == TCatalog_Load_Status::clsUnreadable && !Status.Reason.isEmpty())
            Why += QStringLiteral("\n") + Status.Reason;
        Msg_Error(Lang_Text(963).arg(Why));
    }
}
