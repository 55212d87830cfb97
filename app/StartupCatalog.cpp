// Start-up step 13: the EEP catalogue.
#include "app/StartupCatalog.h"
#include "app/Forms.h"
#include "app/Workspace.h"
#include "catalog/CatalogEnOcean.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QDir>
#include <memory>

TCatalog_EnOcean *Catalog_EnOcean = nullptr;

namespace {
std::unique_ptr<TCatalog_EnOcean> Catalog_Instance;
}

void Load_Catalog_At_Start()
{
    // A fresh catalogue for every start (tests create the windows more than once).
    Catalog_Instance = std::make_unique<TCatalog_EnOcean>();
    Catalog_EnOcean = Catalog_Instance.get();
    const QString Path = Cat_EnOcean_Dir + QStringLiteral("/eep.xml");
    TCatalog_Load_Status Status;
    Catalog_EnOcean->Read_Cat_EnOcean_XML(Path, &Status);
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
