#pragma once
#include <QString>

// The settings file Brindelcor.xml beside the program: last project, last
// device address, language and the four option flags. Root Conf_Settings,
// no declaration, no comment.

// Exe_Dir/Brindelcor.xml
QString Settings_File_Path();

// Reads the file into Project_Name, Last_IP_Address, Language_Name and the
// four flags. A missing or unreadable file gives every default; a missing or
// misspelled element gives that value's default alone. A flag is on exactly
// when its text is "1". A remembered project name that cannot be a project
// folder name counts as no project.
void Read_Settings(const QString &Path);

// Writes all eight values, replacing the file atomically. False (with a
// reason in Error) when the file could not be written; the old file is kept.
bool Save_Settings(const QString &Path, QString *Error = nullptr);
