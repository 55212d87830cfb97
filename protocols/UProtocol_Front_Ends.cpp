#include "protocols/UProtocol_Front_Ends.h"
#include "protocols/Protocol_Params.h"
#include "protocols/UBACnet_EDE_File.h"
#include "protocols/UProfibus_GSD.h"
#include "protocols/UProfinetFileName.h"
#include "protocols/UProfinetXML.h"
#include "workspace/Workspace.h"
#include "platform/FileDialog.h"
#include "platform/MessageBox.h"
#include "text/LangTable.h"
#include <QDir>
#include <QFileInfo>

namespace {
// The writers' own reason follows the table's text.
void Report_Write_Failure(QWidget *Parent, const QString &Path, const QString &Reason)
{
    Msg_Error(Lang_Text(1706) + QDir::toNativeSeparators(Path) + QStringLiteral("\n") + Reason, Parent);
}

// A ParGen.xml that cannot be read would give every parameter its default
// silently; say so and write nothing.
bool Refuse_Unreadable_ParGen(QWidget *Parent, const TProtocol_Project &Project)
{
    QString Reason;
    if (!ParGen_Unreadable(Project.File_ParGen, &Reason))
        return false;
    Msg_Error(Lang_Text(1708) + QDir::toNativeSeparators(Project.File_ParGen) + QStringLiteral("\n") + Reason, Parent);
    return true;
}
} // namespace

TProtocol_Project TProtocol_Project::From_Workspace()
{
    return {::Project_Name, ::Project_Dir, ::File_ParGen, ::File_BACnet_Slave};
}

bool BACnet_EDE_File(QWidget *Parent, const TProtocol_Project &Project)
{
    if (Refuse_Unreadable_ParGen(Parent, Project))
        return false;
    // The object file is read only after the overwrite question; one that
    // cannot be read is named now, before any dialog.
    QString Reason;
    if (Xml_File_Unreadable(Project.File_BACnet_Slave, &Reason)) {
        Msg_Error(Lang_Text(1709) + QDir::toNativeSeparators(Project.File_BACnet_Slave) + QStringLiteral("\n") + Reason,
                  Parent);
        return false;
    }
    TFileDialogRequest Request;
    Request.Initial_Dir = Project.Project_Dir;
    Request.Filter = QStringLiteral("CSV (MS-DOS) (*.csv)|*.csv");
    const QString Chosen = File_Dialogs().Save_File(Parent, Request);
    if (Chosen.isEmpty())
        return false;
    const QString Path = EDE_File_Path(Chosen);
    if (QFileInfo::exists(Path) && Msg_Yes_No_Cancel(Lang_Text(31), Parent) != TMsgResult::mrYes)
        return false;
    QString Error;
    if (!Build_EDE_File(Path, {Project.Project_Name, Project.File_ParGen, Project.File_BACnet_Slave}, &Error)) {
        Report_Write_Failure(Parent, Path, Error);
        return false;
    }
    return true;
}

bool Create_GSD_File(QWidget *Parent, const TProtocol_Project &Project)
{
    if (!QFileInfo(Project.File_ParGen).isFile()) {
        Msg_Error(Lang_Text(1704), Parent);
        return false;
    }
    if (Refuse_Unreadable_ParGen(Parent, Project))
        return false;
    const TGSD_Counts Counts = Read_GSD_Counts(Project.File_ParGen);
    if (!GSD_Counts_Fit(Counts.Nb_In, Counts.Nb_Out)) {
        Msg_Error(Lang_Text(1707), Parent);
        return false;
    }
    TFileDialogRequest Request;
    Request.Initial_Dir = Project.Project_Dir;
    Request.Filter = QStringLiteral("Generic Station Description (*.gsd)|*.gsd");
    const QString Chosen = File_Dialogs().Save_File(Parent, Request);
    if (Chosen.isEmpty())
        return false;
    const QString Path = GSD_File_Path(Chosen);
    if (QFileInfo::exists(Path) && !Msg_Yes_No(Lang_Text(1703), Parent))
        return false;
    QString Error;
    if (!Write_GSD_File(Path, Counts.Nb_In, Counts.Nb_Out, &Error)) {
        Report_Write_Failure(Parent, Path, Error);
        return false;
    }
    return true;
}

bool PROFINET_XML(QWidget *Parent, TFProfinetFileName &Dialog, const TProtocol_Project &Project)
{
    if (Dialog.exec() != QDialog::Accepted)
        return false;
    return Save_GSDML_File(Parent, Dialog.Name_File_XML, Project);
}

bool Save_GSDML_File(QWidget *Parent, const QString &Name_File_XML, const TProtocol_Project &Project)
{
    // The name is the dialog's; it must stay a plain name in the chosen folder.
    if (Name_File_XML.isEmpty() || !Is_Valid_GSDML_User_Part(Name_File_XML)) {
        Msg_Error(Lang_Text(1812), Parent);
        return false;
    }
    if (Refuse_Unreadable_ParGen(Parent, Project))
        return false;
    TFileDialogRequest Request;
    Request.Initial_Dir = Project.Project_Dir;
    Request.File_Name = Name_File_XML;
    Request.Filter = QStringLiteral("PROFINET XML (*.xml)|") + Name_File_XML;
    const QString Chosen = File_Dialogs().Save_File(Parent, Request);
    if (Chosen.isEmpty())
        return false;
    const QString Path = QDir(QFileInfo(Chosen).absolutePath()).filePath(Name_File_XML);
    if (QFileInfo::exists(Path) && !Msg_Yes_No(Lang_Text(1811), Parent))
        return false;
    QString Error;
    if (!Write_GSDML_File(Path, Project.File_ParGen, &Error)) {
        Report_Write_Failure(Parent, Path, Error);
        return false;
    }
    return true;
}
