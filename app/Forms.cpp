#include "app/Forms.h"
#include "app/UAbout.h"
#include "app/UBrindelcoreFirmWare.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "app/USoftOptions.h"
#include "app/StartupCatalog.h"
#include "editors/UEnOcean_Device.h"
#include "editors/UEnOcean_RuzorAVI.h"
#include "editors/UEnOcean_SetAccess.h"
#include "editors/UEnOcean_SetAccess2.h"
#include "editors/UEnOcean_Variable.h"
#include "protocols/UBACnet_Eng_Unit.h"
#include "protocols/UBACnet_Slave.h"
#include "protocols/UMQTT_SetTopic.h"
#include "protocols/UMQTT_Template.h"
#include "editors/UParGen.h"
#include "protocols/UProfinetFileName.h"
#include "update/UBoot.h"

QPointer<QDialog> Form1;
QPointer<QDialog> FEnOcean_SetAccess;
QPointer<QDialog> FParGen;
QPointer<QDialog> FBoot;
QPointer<QDialog> FEnOcean_SetAccess2;
QPointer<QDialog> FEnOcean_Device;
QPointer<QDialog> FEnOcean_Variable;
QPointer<QDialog> FMQTT_Set_Topic;
QPointer<QDialog> FTopicTemplate;
QPointer<QDialog> FEnOcean_Variable_SAck;
QPointer<QDialog> FProfinetFileName;
QPointer<QDialog> FBACnet_Eng_Unit;
QPointer<QDialog> FBACnetSlaveSetAccess;

namespace {
// An empty window standing in for one that a later step of the work builds.
QDialog *Make_Shell(QWidget *Owner, const char *Name)
{
    auto *D = new QDialog(Owner);
    D->setObjectName(QLatin1String(Name));
    return D;
}
} // namespace

TFBrindelcoreFirmWare *Create_Forms()
{
    TFBrindelcoreFirmWare *Main = Create_Main_Form();
    Create_Other_Forms(Main);
    return Main;
}

TFBrindelcoreFirmWare *Create_Main_Form(bool Size_Labels_After_Show)
{
    using TSizing = TFBrindelcoreFirmWare::TLabel_Sizing;
    return new TFBrindelcoreFirmWare(nullptr, Size_Labels_After_Show ? TSizing::After_Show : TSizing::At_Once);
}

void Create_Other_Forms(TFBrindelcoreFirmWare *Main)
{
    // Once per main window; a deleted main window takes its windows with it.
    static QPointer<TFBrindelcoreFirmWare> Made_For;
    if (!Main || Made_For == Main)
        return;
    Made_For = Main;
    // The catalogue is complete before the first window that uses it.
    Load_Catalog_At_Start();
    FNew_Project = new TFNew_Project(Main);
    FOpenConf = new TFOpenConf(Main);
    FAbout = new TFAbout(Main);
    FSoftOptions = new TFSoftOptions(Main);
    Form1 = Make_Shell(Main, "Form1");
    auto *Older_Editor = new TFEnOcean_SetAccess(Main);
    Older_Editor->Catalog = Catalog_EnOcean;
    FEnOcean_SetAccess = Older_Editor;
    FParGen = new TFParGen(Main);
    FBoot = new TFBoot(Main);
    auto *Network_Editor = new TFEnOcean_SetAccess2(Main);
    FEnOcean_SetAccess2 = Network_Editor;
    FEnOcean_Device = new TFEnOcean_Device(Main);
    // The main window has loaded the catalogue by now.
    FEnOcean_Variable = new TFEnOcean_Variable(Catalog_EnOcean, Main);
    auto *MQTT = new TFMQTT_Set_Topic(Main);
    FMQTT_Set_Topic = MQTT;
    MQTT->Topic_Template = new TFTopicTemplate(Main);
    FTopicTemplate = MQTT->Topic_Template.data();
    FEnOcean_Variable_SAck = new TFEnOcean_Variable_SAck(Catalog_EnOcean, Main);
    FProfinetFileName = new TFProfinetFileName(Main);
    auto *Eng_Unit = new TFBACnet_Eng_Unit(Main);
    FBACnet_Eng_Unit = Eng_Unit;
    FBACnetSlaveSetAccess = new TFBACnetSlaveSetAccess(Main, Eng_Unit);
    // The network editor opens the dialogs created after it.
    Network_Editor->Device_Dialog = qobject_cast<TFEnOcean_Device *>(FEnOcean_Device.data());
    Network_Editor->Variable_Dialog = qobject_cast<TFEnOcean_Variable *>(FEnOcean_Variable.data());
    Network_Editor->SAck_Dialog = qobject_cast<TFEnOcean_Variable_SAck *>(FEnOcean_Variable_SAck.data());
    Network_Editor->Catalog = Catalog_EnOcean;
}

void Change_Language_Of_Other_Forms()
{
    // In this order: update dialog, parameter editor, older EnOcean editor,
    // MQTT editor, GSDML file name dialog, BACnet access editor and
    // engineering-unit chooser; shells have no texts.
    if (auto *D = qobject_cast<TFBoot *>(FBoot.data()))
        D->Set_Lang();
    if (auto *D = qobject_cast<TFParGen *>(FParGen.data()))
        D->Set_Lang();
    if (auto *D = qobject_cast<TFEnOcean_SetAccess *>(FEnOcean_SetAccess.data()))
        D->Set_Lang();
    if (auto *D = qobject_cast<TFMQTT_Set_Topic *>(FMQTT_Set_Topic.data()))
        D->Set_Lang();
    if (auto *D = qobject_cast<TFProfinetFileName *>(FProfinetFileName.data()))
        D->Set_Lang();
    if (auto *D = qobject_cast<TFBACnetSlaveSetAccess *>(FBACnetSlaveSetAccess.data()))
        D->Set_Lang();
    if (auto *D = qobject_cast<TFBACnet_Eng_Unit *>(FBACnet_Eng_Unit.data()))
        D->Set_Lang();
}
