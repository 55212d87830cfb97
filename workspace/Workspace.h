#pragma once
#include <QString>
#include <QStringList>

// The workspace state: the few values every window reads. They live for the
// whole run and are touched on the user-interface thread only. There is no
// shared in-memory project model; editors exchange data through the project
// files whose paths live here.
//
// Paths use '/' as separator; a folder never ends with a separator.

// ---- Program folders (set by Init_Program_Folders) ------------------------
extern QString Exe_Dir;          // folder of the program file
extern QString Master_Dir;       // Exe_Dir/MASTER: firmware images
extern QString Projects_Dir;     // Exe_Dir/PROJECTS: one folder per project
extern QString Language_Dir;     // Exe_Dir/LANGUAGE: .lng files and flag pictures
extern QString Cat_EnOcean_Dir;  // Exe_Dir/CAT_EnOcean: eep.xml

// ---- Active project --------------------------------------------------------
extern QString Project_Name;     // name of the project folder; empty = none
extern QString Project_Dir;      // Projects_Dir/Project_Name; empty = no project active
extern QString File_ParGen;      // Project_Dir/ParGen.xml
extern QString File_EnOcean;     // Project_Dir/EnOcean.xml
extern QString File_MQTT_Set_Topic; // Project_Dir/MQTT_Set_Topic.xml
extern QString File_BACnet_Slave;   // Project_Dir/BACnet_Slave.xml

// ---- Build identity ----------------------------------------------------------
extern const QString SW_Code_Const;     // "CFTK410"
extern const QString SW_Desc_Const;     // "EnOcean / Modbus Slave - Converter"
extern const QString SW_Caption_Const;  // main window caption (trailing blank included)
extern const QString SW_Version_Const;  // "1.000": compared with the offered version
extern const QString SW_Manual_Const;   // "MNTK410": the manual's document code
extern QString SW_Code;
extern QString SW_Desc;
extern QString SW_Caption;

// ---- User settings and remembered values ------------------------------------
extern QString Language_Name;        // base name of the language file; default "English"
extern QString Last_IP_Address;      // default "192.168.2.205"
extern int Last_Update_Option;       // 0 firmware+configuration, 1 firmware, 2 configuration (not stored)
extern bool Last_Read_Back;          // true at start (not stored)
extern bool Enable_Internet;
extern bool Enable_Update;
extern bool Enable_Jump_Field_Tables;
extern bool Double_Click_Auto_Size;

// Default values of the settings file.
extern const QString Default_IP_Address;  // "192.168.2.205"
extern const QString Default_Language;    // "English"

// ---- Operations ------------------------------------------------------------------

// Every value back to empty/zero/false, as before the main window exists (tests).
void Reset_Workspace();

// Sets Exe_Dir and the four folders beneath it and creates the missing ones
// (one level; a failure is not reported: later reads and writes fail where
// they happen). Existing folders and their content are left alone.
void Init_Program_Folders(const QString &Program_Dir);

// The folder of the running program, unless tests pointed it elsewhere with
// Set_Program_Dir_Override (an empty text removes the override).
QString Program_Dir();
void Set_Program_Dir_Override(const QString &Dir);

// The four project file paths from the current Project_Dir. Run after every
// change of Project_Dir.
void Set_Files();

// Makes the named project active (Project_Name, Project_Dir, file paths); an
// empty name makes no project active.
void Set_Active_Project(const QString &Name);

// A project name is used as one folder name beneath PROJECTS. Refused: empty,
// "." and "..", names of blanks alone, names holding "/" or "\", and names
// holding control characters.
// Leading and trailing blanks are kept (the folder gets them).
bool Is_Valid_Project_Name(const QString &Name);

// Removes characters up to U+0020 (blanks and control characters) at both ends.
QString Trim_Blanks(const QString &Text);

// Splits a dotted IPv4 address into its four parts (trimmed) and says whether
// each is a whole number in 0..255. The parts are filled as far as the
// splitting got, also when the result is false. Everything after the third
// dot is the fourth part, so "1.2.3.4.5" fails on its fourth part "4.5".
bool Check_IP_Address(const QString &Text, QString &Part1, QString &Part2, QString &Part3, QString &Part4);

// Numbers of the serial ports present, ascending, as decimal texts ("1", "3").
// Port n is the device ttyS<n-1> that has hardware behind it (a "device"
// entry in its sysfs folder), whether or not another program holds it open.
// Ports 1..256 are tried. Never fails; no ports give an empty list.
QStringList Get_Com_Ports(const QString &Sys_Tty_Root = QStringLiteral("/sys/class/tty"));
