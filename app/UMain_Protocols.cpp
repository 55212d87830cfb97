// The protocol steps of the other gateway models (buttons hidden in this build).
// The step guard in Btn_Click has already checked that a project is active.
#include "app/UBrindelcoreFirmWare.h"
#include "app/Forms.h"
#include "protocols/UMQTT_SetTopic.h"
#include "protocols/UProfinetFileName.h"
#include "protocols/UProtocol_Front_Ends.h"

namespace {
// The GSDML file name dialog made at start. Should start-up have left a plain
// stand-in in its place, the real dialog takes its place on first use, so
// the step never silently does nothing.
TFProfinetFileName *Profinet_File_Name_Dialog(QWidget *Owner)
{
    if (auto *D = qobject_cast<TFProfinetFileName *>(FProfinetFileName.data()))
        return D;
    if (FProfinetFileName)
        FProfinetFileName->deleteLater();
    auto *D = new TFProfinetFileName(Owner);
    FProfinetFileName = D;
    return D;
}
} // namespace

void TFBrindelcoreFirmWare::PROFINET_XML()
{
    ::PROFINET_XML(this, *Profinet_File_Name_Dialog(this), TProtocol_Project::From_Workspace());
}

void TFBrindelcoreFirmWare::BACnet_EDE_File()
{
    ::BACnet_EDE_File(this, TProtocol_Project::From_Workspace());
}

void TFBrindelcoreFirmWare::Do_Profibus_GSD()
{
    Create_GSD_File(this, TProtocol_Project::From_Workspace());
}

void TFBrindelcoreFirmWare::Do_MQTT_Set_Topic()
{
    // The editor loads the active project's file when shown; its result is not used here.
    if (auto *D = qobject_cast<TFMQTT_Set_Topic *>(FMQTT_Set_Topic.data()))
        D->exec();
}
