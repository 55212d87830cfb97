// The editor steps: communication parameters and the EnOcean network.
#include "app/Forms.h"
#include "app/UBrindelcoreFirmWare.h"

void TFBrindelcoreFirmWare::Do_Set_Communication()
{
    // The parameter editor loads ParGen.xml when shown and writes it on OK.
    if (FParGen)
        FParGen->exec();
}

void TFBrindelcoreFirmWare::Do_EnOcean_Access()
{
    // The network editor loads EnOcean.xml when shown and writes it on OK.
    if (FEnOcean_SetAccess2)
        FEnOcean_SetAccess2->exec();
}
