// The editor steps: communication parameters and the EnOcean network.
#include "app/UBrindelcoreFirmWare.h"

void TFBrindelcoreFirmWare::Do_Set_Communication()
{
}

void TFBrindelcoreFirmWare::Do_EnOcean_Access()
{
}
