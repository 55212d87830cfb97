// Start-up step 13: the EEP catalogue.
#include "app/Forms.h"
#include "app/Workspace.h"

void Load_Catalog_At_Start()
{
    // CALL SITE: create Catalog_EnOcean and load Cat_EnOcean_Dir + "/eep.xml"
    // here (catalog/Catalog_EnOcean.h). The result is deliberately ignored.
}
