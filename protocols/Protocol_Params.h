#pragma once
#include <QString>

// The few ParGen.xml elements that the protocol tables and the description
// writers read. ParGen.xml is the parameter editor's file; like its other
// readers these take the document's first node as the root and give each
// value its default when the file, the root or the element is missing or
// unreadable, without a message.

// BACnet_Desc_Chars_Limit is exactly "1": 32-character object names and
// 1000-row BACnet tables.
bool Read_BACnet_Desc_Chars_Limit(const QString &File_ParGen);

struct TBACnet_EDE_Param
{
    QString Dev_Instance; // BACnet_Ser_DEV_IDE for MS/TP (BACnet_Type 1), else BACnet_DEV_IDE
    int Name_Length = 16; // 32 with BACnet_Desc_Chars_Limit "1"
};
TBACnet_EDE_Param Read_BACnet_Param(const QString &File_ParGen);

struct TPROFINET_Param
{
    int Nb_In = 1438;
    int Nb_Out = 1438;
    QString Station_Name = QStringLiteral("SERIAL"); // never empty or blank
};
TPROFINET_Param Read_PROFINET_Param(const QString &File_ParGen);

// The PROFIBUS byte counts: PROFINET_NB_IN and PROFINET_NB_OUT, 0 when
// missing or not a number.
struct TGSD_Counts
{
    int Nb_In = 0;
    int Nb_Out = 0;
};
TGSD_Counts Read_GSD_Counts(const QString &File_ParGen);

// ParGen.xml exists but is no XML document that can be read (Reason says
// why). The readers above then give every value its default, which a
// description file must not carry without a word: its front end refuses.
bool ParGen_Unreadable(const QString &File_ParGen, QString *Reason = nullptr);
// The same test for any XML input file (BACnet_Slave.xml): it exists but cannot
// be parsed; Reason gives why, with line and column.
bool Xml_File_Unreadable(const QString &Path, QString *Reason = nullptr);
