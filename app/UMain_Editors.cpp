// The editor steps: communication parameters and the EnOcean network.
#include "app/Forms.h"
#include "app/UBrindelcoreFirmWare.h"

void TFBrindelcoreFirmWare::Do_Set_Communication()
{
    // The parameter editor loads ParGen.xml when shown and writes it on OK;
    // how it closes does not matter here.
    if (FParGen)
        FParGen->exec();
}

void TFBrindelcoreFirmWare::Do_EnOcean_Access()
{
}
