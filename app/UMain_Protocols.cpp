// The protocol steps of the other gateway models (buttons hidden in this build).
#include "app/UBrindelcoreFirmWare.h"

void TFBrindelcoreFirmWare::Do_Profinet_Xml()
{
}

void TFBrindelcoreFirmWare::Do_BACnet_EDE()
{
}

void TFBrindelcoreFirmWare::Do_Profibus_GSD()
{
}

void TFBrindelcoreFirmWare::Do_MQTT_Set_Topic()
{
}
