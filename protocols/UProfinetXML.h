#pragma once
#include "protocols/Protocol_Params.h"
#include <QDate>
#include <QString>
#include <QStringList>

// The PROFINET device description (GSDML 2.31) of the TK460 gateway: a fixed
// template of 167 lines in which only the station name and the two data
// lengths follow the project. The station name is escaped for XML ("&", "<"
// and '"' as entities, CR, LF and tab as character references, characters
// XML cannot carry as "?"), so every name gives a well-formed file and a
// name that needed no escaping is written as it stands.

// "GSDML-V2.31-Quorix-GWTK460"
QString GSDML_Prefix();
// "-", the date as yyyymmdd, ".xml"
QString GSDML_Date_Part(const QDate &Date);
// A user part may not lead the file elsewhere: no "/", "\", no ".." and no
// control character.
bool Is_Valid_GSDML_User_Part(const QString &User_Part);
// Prefix, then the user part (with a leading "_" added unless it has one;
// nothing when it is empty or blank), then the date part. The user part is
// taken as typed.
QString GSDML_File_Name(const QString &User_Part, const QDate &Date);

QString GSDML_Escape(const QString &Text);

QStringList GSDML_Lines(const TPROFINET_Param &Param);
QByteArray GSDML_File_Bytes(const TPROFINET_Param &Param);

// Reads the parameters from ParGen.xml (defaults without it) and writes the
// file atomically (UTF-8 with BOM, CR LF).
bool Write_GSDML_File(const QString &Path, const QString &File_ParGen, QString *Error = nullptr);
