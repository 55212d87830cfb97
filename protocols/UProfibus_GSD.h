#pragma once
#include <QString>
#include <QStringList>

// The PROFIBUS DP device description (GSD) of the TK450 gateway: a fixed
// template in which the module list, the slot list and four length keywords
// follow the gateway's byte counts. The gateway's output bytes are the DP
// input data and its input bytes the DP output data; each direction is cut
// into modules of at most 64 bytes. Negative counts are taken as 0.

// Number of 64-byte modules needed for Count bytes (0 for Count <= 0).
int GSD_Module_Count(int Count);

// A module's number is written as two hexadecimal digits, so a file holds at
// most 255 modules (16320 bytes each way); larger counts are refused rather
// than written as a file no engineering tool reads (or one of gigabytes).
constexpr int GSD_Max_Modules = 255;
bool GSD_Counts_Fit(int Nb_In, int Nb_Out);

// The file's lines, for counts that fit. Nb_In: PROFINET_NB_IN (DP output length);
// Nb_Out: PROFINET_NB_OUT (DP input length).
QStringList GSD_Lines(int Nb_In, int Nb_Out);
QByteArray GSD_File_Bytes(int Nb_In, int Nb_Out);

// Writes the file (Windows-1252, CR LF) atomically; refuses counts that do
// not fit (GSD_Counts_Fit).
bool Write_GSD_File(const QString &Path, int Nb_In, int Nb_Out, QString *Error = nullptr);

// The save dialog's answer as the file's path: kept when its first ".gsd"
// (any case) ends it, otherwise ".gsd" is appended.
QString GSD_File_Path(const QString &Chosen);
