#pragma once
#include <QString>
class QWidget;
class TFProfinetFileName;

// The front ends of the three description writers, as the main window's
// protocol buttons run them: they ask for the file (through the file-dialog
// service), ask before replacing one (through the message-box service),
// call the writer and report a failure. Each returns true when it wrote a
// file. Texts come from the UI text table.

// The project a front end works on (the workspace's active project).
struct TProtocol_Project
{
    QString Project_Name;
    QString Project_Dir;
    QString File_ParGen;
    QString File_BACnet_Slave;

    static TProtocol_Project From_Workspace();
};

// BACnet EDE: save dialog on the project folder ("CSV (MS-DOS)"), ".csv"
// added unless present, overwrite question with Yes, No and Cancel (text 31).
// All three front ends refuse before their dialog, with text 1708, when the
// project's ParGen.xml exists but cannot be read.
bool BACnet_EDE_File(QWidget *Parent, const TProtocol_Project &Project);

// PROFIBUS GSD: refused with text 1704 without ParGen.xml, and with text
// 1707 when its byte counts need more modules than a GSD file holds; save dialog,
// ".gsd" rule, overwrite question with Yes and No (text 1703).
bool Create_GSD_File(QWidget *Parent, const TProtocol_Project &Project);

// PROFINET GSDML: shows the file name dialog modally and, on OK, saves the
// file under the name it built (Save_GSDML_File).
bool PROFINET_XML(QWidget *Parent, TFProfinetFileName &Dialog, const TProtocol_Project &Project);
// Asks for the folder only: the file keeps the generated name whatever name
// the user typed; overwrite question with Yes and No (text 1811).
bool Save_GSDML_File(QWidget *Parent, const QString &Name_File_XML, const TProtocol_Project &Project);
