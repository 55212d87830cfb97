// The main window's first step, New and Open: the project dialogs.
#include "app/UBrindelcoreFirmWare.h"
#include "app/UNew_Project.h"
#include "app/UOpenConf.h"
#include "workspace/Workspace.h"

void TFBrindelcoreFirmWare::Create_New_Project()
{
    if (!FNew_Project)
        return;
    if (FNew_Project->exec() == QDialog::Accepted)
        Show_Project_Labels(); // on Cancel the previous project stays active
}

void TFBrindelcoreFirmWare::Open_Project()
{
    if (!FOpenConf)
        return;
    if (FOpenConf->exec() != QDialog::Accepted)
        return;
    const QString Name = FOpenConf->Name_Conf;
    // Names come from the folder list of PROJECTS, so they are folder names there.
    Set_Active_Project(Name);
    Show_Project_Labels();
}
