#pragma once
#include "protocols/BACnet_Slave_File.h"
#include "protocols/Protocol_Params.h"
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <map>

// The BACnet engineering data exchange (EDE) file: a semicolon-separated
// text with seven header lines and one line per BACnet object of the
// project's BACnet_Slave.xml (read rows, then write rows).
//
// Every field is followed by ";". So that a ";" inside a text never shifts
// the columns, a field that holds a ";" (or begins with a double quote) is
// written between double quotes with its own double quotes doubled, as
// spreadsheet programs write and read CSV; a line break inside a text is
// written as a blank. All other fields are written as they stand.

// One line of the file.
struct TBACnet_EDE_Obj
{
    QString Keyname;
    QString DevObjInstance;
    QString ObjectName;
    QString ObjectType;
    QString ObjectInstance;
    QString Description;
    QString UnitCode;
};

// BACnet object type number (ASHRAE 135) of a data type text, compared
// trimmed and upper-cased; 0 (analog input) for any text not listed.
int Get_BACnet_Object_Type(const QString &Data_Type);

// One counter per object type, so instances count 0, 1, 2, ... per type.
class TEDE_Instance_Counters
{
public:
    void Reset_Instance_Counters() { FCounters.clear(); }
    // The type's counter, then adds 1.
    int Next_Object_Instance(int Type) { return FCounters[Type]++; }

private:
    std::map<int, int> FCounters;
};

// The objects of one build, counters starting from 0.
QList<TBACnet_EDE_Obj> Make_EDE_Objects(const TBACnet_EDE_Param &Param, const QList<TBACnet_Object_Row> &Rows);

// hh:mm:ss dd/mm/yyyy
QString Get_EDE_TimeStamp(const QDateTime &Now);

// A field as written (see the quoting rule above), without its ";".
QString EDE_Field(const QString &Text);

QStringList EDE_Lines(const QString &Project_Name, const QDateTime &Now, const QList<TBACnet_EDE_Obj> &Objects);
QByteArray EDE_File_Bytes(const QString &Project_Name, const QDateTime &Now, const QList<TBACnet_EDE_Obj> &Objects);

// What a build reads: the project's name and its two files.
struct TEDE_Sources
{
    QString Project_Name;
    QString File_ParGen;
    QString File_BACnet_Slave;
};

// Reads the parameters and objects afresh, stamps the file with the
// program clock's local time and writes it atomically (Windows-1252, CR LF).
// False with Error when BACnet_Slave.xml cannot be read (nothing is written
// then) or the file cannot be written.
bool Build_EDE_File(const QString &Path, const TEDE_Sources &Sources, QString *Error = nullptr);

// The save dialog's answer as the file's path: ".csv" appended unless the
// name already ends in ".csv" (any case).
QString EDE_File_Path(const QString &Chosen);
