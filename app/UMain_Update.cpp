// Update Device UDP: compile the project into its two images, write them to
// the project's bin folder and run the update dialog in Ethernet mode.
#include "app/Forms.h"
#include "app/StartupCatalog.h"
#include "app/UBrindelcoreFirmWare.h"
#include "workspace/Workspace.h"
#include "image/CatalogLookup.h"
#include "image/ImageCompiler.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include "update/UBoot.h"
#include <QFileInfo>

namespace {

// The compiler's state (parameter block, image buffers) lives for the run.
TImage_Compiler &Image_Compiler()
{
    static TImage_Compiler Compiler;
    return Compiler;
}

QString Hex2(int N)
{
    return QStringLiteral("%1").arg(N, 2, 16, QLatin1Char('0')).toUpper();
}

// At most this many unplaced variables are named; the rest are counted.
constexpr int Unplaced_Listed = 20;

QString Unplaced_List(const QList<TUnplaced_Var> &Vars)
{
    QStringList Lines;
    for (int I = 0; I < Vars.size() && I < Unplaced_Listed; ++I) {
        const TUnplaced_Var &V = Vars[I];
        Lines << Lang_Text(964)
                     .arg(V.Device + 1)
                     .arg(V.Device_Id, Hex2(V.Rorg), Hex2(V.Func), Hex2(V.Type))
                     .arg(V.Case_Index + 1)
                     .arg(V.Data);
    }
    if (Vars.size() > Unplaced_Listed)
        Lines << QStringLiteral("... (+%1)").arg(Vars.size() - Unplaced_Listed);
    return Lines.join(QLatin1Char('\n'));
}

// Create_Bin: builds both images in memory. False when the user stops or
// the compile fails (reported); nothing is written then.
bool Create_Bin(QWidget *Parent)
{
    // Without ParGen.xml the parameter block's defaults would give the
    // gateway baud rate 0 and slave address 0: ask first.
    if (!QFileInfo(File_ParGen).isFile() && !Msg_Yes_No(Lang_Text(960), Parent))
        return false;
    const TCompile_Result R =
        Image_Compiler().Compile_Configuration(File_ParGen, File_EnOcean, TCatalog_Case_Lookup(Catalog_EnOcean));
    if (!R.Ok()) {
        Msg_Error(R.Error.Message(), Parent);
        return false;
    }
    return R.Unplaced.isEmpty() || Msg_Yes_No(Lang_Text(961).arg(Unplaced_List(R.Unplaced)), Parent);
}

// Save_Bin: writes bin/bank1.bin and bin/bank2.bin, each replaced whole.
bool Save_Bin(QWidget *Parent)
{
    const TCompile_Error Saved = Image_Compiler().Save_Bin_Files(Project_Dir);
    if (Saved.Failed)
        Msg_Error(Lang_Text(962).arg(Saved.Details()), Parent);
    return !Saved.Failed;
}

} // namespace

void TFBrindelcoreFirmWare::Update_Device()
{
    if (!Create_Bin(this) || !Save_Bin(this))
        return;   // no update dialog without both images
    auto *Boot = qobject_cast<TFBoot *>(FBoot.data());
    if (!Boot) {
        // A main window made without the other windows gets its dialog now.
        Boot = new TFBoot(this);
        FBoot = Boot;
    }
    Boot->Form_Type = 1;
    Boot->exec();
}
