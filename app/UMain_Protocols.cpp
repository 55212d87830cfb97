// The protocol steps of the other gateway models (buttons hidden in this build).
// The step guard in Btn_Click has already checked that a project is active.
#include "app/UBrindelcoreFirmWare.h"
#include "app/Forms.h"
#include "protocols/UProfinetFileName.h"
#include "protocols/UProtocol_Front_Ends.h"

void TFBrindelcoreFirmWare::Do_Profinet_Xml()
{
    // The file name dialog is created at start, so its date part is the start date.
    auto *Dialog = qobject_cast<TFProfinetFileName *>(FProfinetFileName.data());
    if (!Dialog)
        return;
    PROFINET_XML(this, *Dialog, TProtocol_Project::From_Workspace());
}

void TFBrindelcoreFirmWare::Do_BACnet_EDE()
{
    BACnet_EDE_File(this, TProtocol_Project::From_Workspace());
}

void TFBrindelcoreFirmWare::Do_Profibus_GSD()
{
    Create_GSD_File(this, TProtocol_Project::From_Workspace());
}

void TFBrindelcoreFirmWare::Do_MQTT_Set_Topic()
{
    // Opens the MQTT topic editor, which a later step of the work builds.
}
