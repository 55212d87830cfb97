// The network editor's Ruzor AVI add flow.
#include "editors/UEnOcean_SetAccess2.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"

void TFEnOcean_SetAccess2::Add_SAck_EnOcean_Variable()
{
    Find_Selected_EEP_Var();
    // Nothing of the Ruzor AVI variables can be stored; say so rather than
    // look as if they were.
    Msg_Info(Lang_Text(1234), this);
}
