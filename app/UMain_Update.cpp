// Update Device UDP: compile the project into its two images and run the
// update dialog.
#include "app/UBrindelcoreFirmWare.h"

void TFBrindelcoreFirmWare::Do_Update()
{
}
