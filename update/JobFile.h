#pragma once
#include <QString>

class TXmlDocument;

// The job file Lanwick_Refresh.xml that tells the maker's update program what
// to transfer: the device address, its ports and protection addresses, and
// one operation per image. The element names, order and values are what the
// update program reads; only the file paths follow the platform's separators.

// The update options of the update dialog.
enum TUpdate_Option { uoFirmware_And_Configuration = 0, uoFirmware = 1, uoConfiguration = 2 };

struct TJob_Params
{
    QString IP_Address_Dev;   // the dialog's four octet texts joined with "."
    int Update_Option = uoFirmware_And_Configuration;
    bool Read_Back = true;
    QString Master_Dir;       // firmware folder
    QString Project_Dir;      // the project whose bin/ images are transferred
};

// Path of the firmware image the firmware operation transfers.
QString Firmware_File(const QString &Master_Dir);
// Paths of the two configuration images.
QString Bank1_File(const QString &Project_Dir);
QString Bank2_File(const QString &Project_Dir);
bool Option_Transfers_Firmware(int Option);
bool Option_Transfers_Configuration(int Option);

// Fills Doc (cleared first) with the job: the root Lanwick_Refresh only, no comment.
void Build_Job_Document(const TJob_Params &Params, TXmlDocument &Doc);

// Writes the job to Path atomically. False with Error set when it cannot be saved.
bool Write_Job_File(const QString &Path, const TJob_Params &Params, QString *Error = nullptr);
