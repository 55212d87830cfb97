#include "protocols/BACnet_Slave_File.h"
#include "protocols/BACnet_Units.h"
#include "protocols/MQTT_Set_Topic_File.h"
#include "protocols/Protocol_Params.h"
#include "platform/XmlDoc.h"
#include "TestSupport.h"
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using MQ = TMQTT_Set_Topic_File;
using BA = TBACnet_Slave_File;

QByteArray Doc_Bytes(const MQ &F)
{
    TXmlDocument D;
    F.Build_Document(D);
    return D.Save_To_Bytes();
}
QByteArray Doc_Bytes(const BA &F)
{
    TXmlDocument D;
    F.Build_Document(D);
    return D.Save_To_Bytes();
}

void Fill_Pub(MQ &F, int Row, const QString &Prefix)
{
    for (int C = 1; C < MQ::Pub_Cols; ++C)
        F.FPublish.Set_Cell(C, Row, QStringLiteral("%1%2").arg(Prefix).arg(C));
}
void Fill_Sub(MQ &F, int Row, const QString &Prefix)
{
    for (int C = 1; C < MQ::Sub_Cols; ++C)
        F.FSubscribe.Set_Cell(C, Row, QStringLiteral("%1%2").arg(Prefix).arg(C));
}

bool Has_Issue(const TTableLoadResult &R, TTableLoadIssue::TKind Kind, const QString &List, int Row = -1,
               const QString &Attribute = QString(), int Count = -1)
{
    for (const TTableLoadIssue &I : R.Issues)
        if (I.Kind == Kind && I.List == List && (Row < 0 || I.Row == Row)
            && (Attribute.isEmpty() || I.Attribute == Attribute) && (Count < 0 || I.Count == Count))
            return true;
    return false;
}
} // namespace

// Column 0 carries the row number; everything else starts empty.
TEST(CellTable, ClearNumbersRowsAndUsedRowsStopsAtFirstBlankKey)
{
    TCellTable T(5, 3);
    EXPECT_EQ(T.Cell(0, 1), "1");
    EXPECT_EQ(T.Cell(0, 4), "4");
    EXPECT_EQ(T.Cell(0, 0), "");
    T.Set_Cell(1, 1, "a");
    T.Set_Cell(1, 2, "   ");
    T.Set_Cell(1, 3, "c");
    EXPECT_EQ(T.Used_Rows(1), 1);
    T.Set_Cell(1, 2, "b");
    EXPECT_EQ(T.Used_Rows(1), 4 - 1);
    T.Set_Cell(1, 4, "d");
    EXPECT_EQ(T.Used_Rows(1), 4);
    EXPECT_THROW(T.Cell(3, 0), std::out_of_range);
    EXPECT_THROW(T.Set_Cell(0, 5, "x"), std::out_of_range);
    T.Clear();
    EXPECT_EQ(T.Cell(1, 1), "");
    EXPECT_EQ(T.Cell(0, 2), "2");
}

// The saved MQTT file: root, both lists always, attributes in file order, comment after the root.
TEST(MQTTSetTopicFile, SavedShapeAndAttributeOrder)
{
    MQ F;
    EXPECT_EQ(F.FPublish.Row_Count(), 1025);
    EXPECT_EQ(F.FPublish.Col_Count(), 18);
    EXPECT_EQ(F.FSubscribe.Col_Count(), 15);
    EXPECT_EQ(Doc_Bytes(F), QByteArray("<MQTT_Set_Topic><MQTT_Publish/><MQTT_Subscribe/></MQTT_Set_Topic>"
                                       "<!--SW_VERSION = 1.001-->"));
    Fill_Pub(F, 1, "p");
    Fill_Sub(F, 1, "s");
    EXPECT_EQ(Doc_Bytes(F),
              QByteArray("<MQTT_Set_Topic><MQTT_Publish>"
                         "<row Topic=\"p1\" Retained=\"p2\" QoS=\"p3\" DataType=\"p4\" Dimension=\"p5\" Position=\"p6\""
                         " IPAddress=\"p7\" InputTemplate=\"p8\" Template=\"p9\" OnChange=\"p10\" OnCMD=\"p11\""
                         " OnTimer=\"p12\" Time=\"p13\" Mnemonic=\"p17\"/>"
                         "</MQTT_Publish><MQTT_Subscribe>"
                         "<row Topic=\"s1\" Retained=\"s2\" QoS=\"s3\" DataType=\"s4\" Dimension=\"s5\" Position=\"s6\""
                         " IPAddress=\"s7\" Port=\"s8\" EthType=\"s9\" InputTemplate=\"s10\" Template=\"s11\""
                         " Mnemonic=\"s14\"/>"
                         "</MQTT_Subscribe></MQTT_Set_Topic><!--SW_VERSION = 1.001-->"));
}

// Loading what was saved gives every stored cell back, hidden columns included;
// the unstored columns start as "", "N", "N" on loaded rows only.
TEST(MQTTSetTopicFile, RoundTripKeepsEveryStoredCell)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("MQTT_Set_Topic.xml");
    MQ F;
    for (int R = 1; R <= 3; ++R) {
        Fill_Pub(F, R, QStringLiteral(" p%1 <&\" ").arg(R));
        Fill_Sub(F, R, QStringLiteral("s%1_").arg(R));
    }
    ASSERT_TRUE(F.Save(Path));
    MQ G;
    const TTableLoadResult Res = G.Load(Path);
    EXPECT_EQ(Res.Status, TTableLoadStatus::lsLoaded);
    EXPECT_TRUE(Res.Complete()) << Res.Describe().join('\n').toStdString();
    for (int R = 1; R <= 3; ++R) {
        SCOPED_TRACE(R);
        for (int C : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 17})
            EXPECT_EQ(G.FPublish.Cell(C, R), F.FPublish.Cell(C, R)) << C;
        EXPECT_EQ(G.FPublish.Cell(MQ::pcChannel, R), "");
        EXPECT_EQ(G.FPublish.Cell(MQ::pcSwap, R), "N");
        EXPECT_EQ(G.FPublish.Cell(MQ::pcSwapWord, R), "N");
        for (int C : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14})
            EXPECT_EQ(G.FSubscribe.Cell(C, R), F.FSubscribe.Cell(C, R)) << C;
        EXPECT_EQ(G.FSubscribe.Cell(MQ::scSwap, R), "N");
        EXPECT_EQ(G.FSubscribe.Cell(MQ::scSwapWord, R), "N");
    }
    for (int C = 1; C < MQ::Pub_Cols; ++C)
        EXPECT_EQ(G.FPublish.Cell(C, 4), "") << C;
    EXPECT_EQ(G.FPublish.Cell(0, 4), "4");
    EXPECT_EQ(Doc_Bytes(G), Doc_Bytes(F));
}

// A topic of blanks ends its table: it and every row after it are not saved.
TEST(MQTTSetTopicFile, BlankTopicEndsTheTableOnSave)
{
    MQ F;
    Fill_Pub(F, 1, "a");
    F.FPublish.Set_Cell(MQ::pcTopic, 2, "   ");
    Fill_Pub(F, 3, "c");
    F.FPublish.Set_Cell(MQ::pcTopic, 3, "c");
    TXmlDocument D;
    F.Build_Document(D);
    EXPECT_EQ(D.First_Node()->Must_Child("MQTT_Publish")->Child_Count(), 1);
}

struct TLoadCase
{
    const char *Name;
    const char *Xml; // nullptr: no file
    TTableLoadStatus Status;
    int Pub_Rows;    // rows whose Topic is not empty
    int Sub_Rows;
};

// What the loader makes of damaged or unusual files: it never stops part-way.
const TLoadCase Mqtt_Load_Cases[] = {
    {"NoFileGivesEmptyTables", nullptr, TTableLoadStatus::lsNoFile, 0, 0},
    {"MalformedGivesEmptyTables", "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\"", TTableLoadStatus::lsNotReadable, 0, 0},
    {"NoCommentLoadsTheSame",
     "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/></MQTT_Publish>"
     "<MQTT_Subscribe/></MQTT_Set_Topic>", TTableLoadStatus::lsLoaded, 1, 0},
    {"ListsFoundByNameAfterOtherElements",
     "<MQTT_Set_Topic><Other/><MQTT_Subscribe><row Topic=\"s\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/></MQTT_Subscribe>"
     "<MQTT_Publish><row Topic=\"a\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/></MQTT_Publish></MQTT_Set_Topic>",
     TTableLoadStatus::lsLoaded, 1, 1},
    {"LeadingCommentBeforeRootIsSkipped",
     "<?xml version=\"1.0\"?><!--c--><MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/>"
     "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>", TTableLoadStatus::lsLoaded, 1, 0},
};

TEST(MQTTSetTopicFile, LoadCases)
{
    for (const TLoadCase &C : Mqtt_Load_Cases) {
        SCOPED_TRACE(C.Name);
        QTemporaryDir Dir;
        const QString Path = Dir.filePath("MQTT_Set_Topic.xml");
        if (C.Xml)
            Write_File(Path, C.Xml);
        MQ F;
        Fill_Pub(F, 5, "stale"); // a load starts from cleared tables
        const TTableLoadResult R = F.Load(Path);
        EXPECT_EQ(R.Status, C.Status);
        EXPECT_EQ(F.FPublish.Used_Rows(MQ::pcTopic), C.Pub_Rows);
        EXPECT_EQ(F.FSubscribe.Used_Rows(MQ::scTopic), C.Sub_Rows);
        EXPECT_EQ(F.FPublish.Cell(MQ::pcTopic, 5), "");
        if (C.Status == TTableLoadStatus::lsNotReadable) {
            EXPECT_GT(R.Line, 0);
        }
    }
}

// A row lacking an attribute loads with that cell empty and the load goes on;
// the check boxes without attribute read "N"; missing lists are empty tables.
TEST(MQTTSetTopicFile, MissingAttributesAndListsAreReportedAndLoadGoesOn)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("MQTT_Set_Topic.xml");
    Write_File(Path, "<MQTT_Set_Topic><MQTT_Publish>"
                     "<row Topic=\"t1\" QoS=\"1\" Mnemonic=\"m1\"/>"
                     "<row Retained=\"Y\" QoS=\"2\" Mnemonic=\"m2\"/>"
                     "<row Topic=\"t3\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m3\" OnChange=\"Y\"/>"
                     "</MQTT_Publish></MQTT_Set_Topic>");
    MQ F;
    const TTableLoadResult R = F.Load(Path);
    EXPECT_EQ(R.Status, TTableLoadStatus::lsLoaded);
    EXPECT_FALSE(R.Complete());
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikMissingAttribute, "MQTT_Publish", 1, "Retained"));
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikMissingAttribute, "MQTT_Publish", 2, "Topic"));
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikNoList, "MQTT_Subscribe"));
    // Row 2's empty topic would make a save drop row 3: that is said too.
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikRowsAfterEmptyKey, "MQTT_Publish", 2, QString(), 1));
    EXPECT_EQ(R.Issues.size(), 4);
    EXPECT_EQ(F.FPublish.Cell(MQ::pcRetained, 1), "");
    EXPECT_EQ(F.FPublish.Cell(MQ::pcTopic, 2), "");
    EXPECT_EQ(F.FPublish.Cell(MQ::pcMnemonic, 2), "m2");
    EXPECT_EQ(F.FPublish.Cell(MQ::pcTopic, 3), "t3");
    EXPECT_EQ(F.FPublish.Cell(MQ::pcOnChange, 3), "Y");
    EXPECT_EQ(F.FPublish.Cell(MQ::pcOnCMD, 3), "N");
    EXPECT_EQ(F.FPublish.Cell(MQ::pcDataType, 3), "");
    EXPECT_FALSE(R.Describe().isEmpty());
}

// More rows than the grid holds: the first 1024 load, the rest are reported.
TEST(MQTTSetTopicFile, RowsBeyondTheGridAreIgnoredAndReported)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("MQTT_Set_Topic.xml");
    QByteArray Xml = "<MQTT_Set_Topic><MQTT_Publish>";
    for (int I = 1; I <= 1030; ++I)
        Xml += QStringLiteral("<row Topic=\"t%1\" Retained=\"N\" QoS=\"0\" Mnemonic=\"\"/>").arg(I).toUtf8();
    Xml += "</MQTT_Publish><MQTT_Subscribe/></MQTT_Set_Topic>";
    Write_File(Path, Xml);
    MQ F;
    const TTableLoadResult R = F.Load(Path);
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikRowsIgnored, "MQTT_Publish", -1, QString(), 6));
    EXPECT_EQ(R.Issues.size(), 1);
    EXPECT_EQ(F.FPublish.Cell(MQ::pcTopic, 1024), "t1024");
    EXPECT_EQ(F.FPublish.Used_Rows(MQ::pcTopic), 1024);
}

// BACnet_Slave.xml: root BACnet_to_Modbus, both lists, seven attributes in order.
TEST(BACnetSlaveFile, SavedShapeAndAttributeOrder)
{
    BA F;
    EXPECT_EQ(F.FRead.Row_Count(), 2001);
    EXPECT_EQ(BA(true).FWrite.Row_Count(), 1001);
    EXPECT_EQ(F.FRead.Col_Count(), 8);
    EXPECT_EQ(Doc_Bytes(F), QByteArray("<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write/></BACnet_to_Modbus>"
                                       "<!--SW_VERSION = 1.000-->"));
    const char *Cells[] = {"", "Analog Input", "62", "10", "", "2", "N", "Temp 1"};
    for (int C = 1; C < 8; ++C)
        F.FWrite.Set_Cell(C, 1, Cells[C]);
    EXPECT_EQ(Doc_Bytes(F),
              QByteArray("<BACnet_to_Modbus><BACnet_in_Read/><BACnet_in_Write>"
                         "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Position=\"10\" Bit=\"\" Length=\"2\""
                         " Swap=\"N\" Mnemonic=\"Temp 1\"/>"
                         "</BACnet_in_Write></BACnet_to_Modbus><!--SW_VERSION = 1.000-->"));
}

TEST(BACnetSlaveFile, RoundTripAndMissingSwapReadsN)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("BACnet_Slave.xml");
    BA F;
    for (int R = 1; R <= 2; ++R)
        for (int C = 1; C < 8; ++C) {
            F.FRead.Set_Cell(C, R, QStringLiteral("r%1c%2").arg(R).arg(C));
            F.FWrite.Set_Cell(C, R, QStringLiteral("w%1c%2").arg(R).arg(C));
        }
    ASSERT_TRUE(F.Save(Path));
    BA G;
    EXPECT_TRUE(G.Load(Path).Complete());
    EXPECT_EQ(Doc_Bytes(G), Doc_Bytes(F));

    Write_File(Path, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Binary Input\" Eng_Unit=\"95\" Position=\"0\""
                     " Bit=\"3\" Length=\"\" Mnemonic=\"B\"/></BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
    const TTableLoadResult R = G.Load(Path);
    EXPECT_TRUE(R.Complete());
    EXPECT_EQ(G.FRead.Cell(BA::bcSwap, 1), "N");
    EXPECT_EQ(G.FWrite.Used_Rows(BA::bcDataType), 0);
}

// With 32-character descriptions a table holds 1000 objects; the surplus is reported.
TEST(BACnetSlaveFile, LoadFailureCases)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("BACnet_Slave.xml");
    QByteArray Xml = "<BACnet_to_Modbus><BACnet_in_Write>";
    for (int I = 1; I <= 1002; ++I)
        Xml += QStringLiteral("<row Data_Type=\"Analog Out\" Eng_Unit=\"1\" Position=\"%1\" Bit=\"\" Length=\"1\""
                              " Swap=\"N\" Mnemonic=\"o%1\"/>").arg(I).toUtf8();
    Xml += "<row/></BACnet_in_Write></BACnet_to_Modbus>";
    Write_File(Path, Xml);
    BA Short(true);
    const TTableLoadResult R = Short.Load(Path);
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikNoList, "BACnet_in_Read"));
    EXPECT_TRUE(Has_Issue(R, TTableLoadIssue::ikRowsIgnored, "BACnet_in_Write", -1, QString(), 3));
    EXPECT_EQ(Short.FWrite.Used_Rows(BA::bcDataType), 1000);
    EXPECT_EQ(Short.FWrite.Cell(BA::bcMnemonic, 1000), "o1000");

    BA Long;
    const TTableLoadResult L = Long.Load(Path);
    EXPECT_EQ(Long.FWrite.Used_Rows(BA::bcDataType), 1002);
    // The empty last row lacks every attribute but Swap.
    for (const char *A : {"Data_Type", "Eng_Unit", "Position", "Bit", "Length", "Mnemonic"})
        EXPECT_TRUE(Has_Issue(L, TTableLoadIssue::ikMissingAttribute, "BACnet_in_Write", 1003, A)) << A;
    EXPECT_FALSE(Has_Issue(L, TTableLoadIssue::ikMissingAttribute, "BACnet_in_Write", 1003, "Swap"));
    EXPECT_EQ(Long.FWrite.Cell(BA::bcSwap, 1003), "N");

    Write_File(Path, "not xml");
    EXPECT_EQ(Long.Load(Path).Status, TTableLoadStatus::lsNotReadable);
    EXPECT_EQ(Long.FWrite.Used_Rows(BA::bcDataType), 0);
}

TEST(BACnetObjectRows, EveryRowOfBothListsInOrderUnbounded)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("BACnet_Slave.xml");
    QList<TBACnet_Object_Row> Rows;
    EXPECT_TRUE(Read_BACnet_Object_Rows(Path, Rows));
    EXPECT_TRUE(Rows.isEmpty());
    Write_File(Path, "<BACnet_to_Modbus><BACnet_in_Write><row Data_Type=\"W\" Eng_Unit=\"1\" Mnemonic=\"w\"/></BACnet_in_Write>"
                     "<BACnet_in_Read><row Data_Type=\"R\" Eng_Unit=\"2\" Mnemonic=\"r\"/><row Data_Type=\"\"/>"
                     "<row Mnemonic=\"x\"/></BACnet_in_Read></BACnet_to_Modbus>");
    ASSERT_TRUE(Read_BACnet_Object_Rows(Path, Rows));
    ASSERT_EQ(Rows.size(), 4);
    EXPECT_EQ(Rows[0].Data_Type, "R");
    EXPECT_EQ(Rows[0].Eng_Unit, "2");
    EXPECT_EQ(Rows[2].Mnemonic, "x");
    EXPECT_EQ(Rows[2].Data_Type, "");
    EXPECT_EQ(Rows[3].Data_Type, "W");
    Write_File(Path, "<BACnet_to_Modbus>");
    QString Error;
    EXPECT_FALSE(Read_BACnet_Object_Rows(Path, Rows, &Error));
    EXPECT_FALSE(Error.isEmpty());
}

TEST(BACnetUnits, NamesAndUnknownCodes)
{
    EXPECT_EQ(Desc_Unit(0), "square-meters");
    EXPECT_EQ(Desc_Unit(62), "degrees-Celsius");
    EXPECT_EQ(Desc_Unit(172), "ohm-meters");
    EXPECT_EQ(Desc_Unit(236), "minutes-per-degree-kelvin");
    EXPECT_EQ(Desc_Unit(237), "unknown");
    EXPECT_EQ(Desc_Unit(-1), "unknown");
}

// Every code is offered exactly once; three items are worded apart from the names.
TEST(BACnetUnits, CategoriesOfferEveryCodeOnce)
{
    const auto &Cats = BACnet_Unit_Categories();
    ASSERT_EQ(Cats.size(), 23);
    EXPECT_EQ(Cats.first().Name, "Acceleration");
    EXPECT_EQ(Cats.last().Name, "Other");
    QSet<int> Seen;
    int Count = 0;
    for (const auto &C : Cats)
        for (const auto &U : C.Units) {
            Seen.insert(U.Code);
            ++Count;
        }
    EXPECT_EQ(Count, 237);
    EXPECT_EQ(Seen.size(), 237);
    EXPECT_EQ(Cats[22].Units[29].Code, 207);
    EXPECT_EQ(Cats[22].Units[29].Name, "per-mille");
    EXPECT_EQ(Cats[3].Units[11].Code, 172);
    EXPECT_EQ(Cats[3].Units[11].Name, "ohms-meters");
    EXPECT_EQ(Cats[22].Units[9].Name, "megajoules-per-square-meter");
    EXPECT_EQ(Cats[22].Units[10].Name, "megajoules-per-square-foot");
    for (int I : {0, 7, 18})
        EXPECT_EQ(Cats[I].Units.size(), 1) << Cats[I].Name.toStdString();
}

struct TParamCase
{
    const char *Name;
    const char *ParGen; // nullptr: no file
    const char *Dev;
    int Name_Length;
    int Nb_In, Nb_Out; // GSDML reading
    const char *Station;
    int Gsd_In, Gsd_Out;
};

// ParGen.xml elements the writers read, and their defaults.
const TParamCase Param_Cases[] = {
    {"NoFile", nullptr, "", 16, 1438, 1438, "SERIAL", 0, 0},
    {"IpDevice",
     "<Par_Gen><BACnet_Type>0</BACnet_Type><BACnet_DEV_IDE>77</BACnet_DEV_IDE><BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE>"
     "<BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit><PROFINET_NB_IN>20</PROFINET_NB_IN>"
     "<PROFINET_NB_OUT>100</PROFINET_NB_OUT><PROFINET_NAME_STA> gw-1 </PROFINET_NAME_STA></Par_Gen><!--SW_VERSION = 1.000-->",
     "77", 32, 20, 100, " gw-1 ", 20, 100},
    {"MstpDevice", "<Par_Gen><BACnet_Type>1</BACnet_Type><BACnet_DEV_IDE>77</BACnet_DEV_IDE>"
                   "<BACnet_Ser_DEV_IDE>9</BACnet_Ser_DEV_IDE><BACnet_Desc_Chars_Limit>Y</BACnet_Desc_Chars_Limit></Par_Gen>",
     "9", 16, 1438, 1438, "SERIAL", 0, 0},
    {"BadNumbersAndBlankStation", "<Par_Gen><BACnet_Type>x</BACnet_Type><BACnet_DEV_IDE>5</BACnet_DEV_IDE>"
                                  "<PROFINET_NB_IN>12 </PROFINET_NB_IN><PROFINET_NB_OUT>-3</PROFINET_NB_OUT>"
                                  "<PROFINET_NAME_STA>   </PROFINET_NAME_STA></Par_Gen>",
     "5", 16, 1438, -3, "SERIAL", 0, -3},
    {"CommentBeforeRootGivesDefaults", "<!--c--><Par_Gen><BACnet_DEV_IDE>5</BACnet_DEV_IDE></Par_Gen>",
     "", 16, 1438, 1438, "SERIAL", 0, 0},
    {"Malformed", "<Par_Gen><BACnet_DEV_IDE>5", "", 16, 1438, 1438, "SERIAL", 0, 0},
    // trimming takes blanks and control characters only: a no-break space is a name
    {"NoBreakSpaceStation", "<Par_Gen><PROFINET_NAME_STA>\u00a0</PROFINET_NAME_STA></Par_Gen>", "", 16, 1438, 1438,
     "\u00a0", 0, 0},
    {"ControlCharactersStation", "<Par_Gen><PROFINET_NAME_STA>&#9; &#13;</PROFINET_NAME_STA></Par_Gen>", "", 16,
     1438, 1438, "SERIAL", 0, 0},
};

TEST(ProtocolParams, ReadFromParGen)
{
    for (const TParamCase &C : Param_Cases) {
        SCOPED_TRACE(C.Name);
        QTemporaryDir Dir;
        const QString Path = Dir.filePath("ParGen.xml");
        if (C.ParGen)
            Write_File(Path, C.ParGen);
        const TBACnet_EDE_Param B = Read_BACnet_Param(Path);
        EXPECT_EQ(B.Dev_Instance, C.Dev);
        EXPECT_EQ(B.Name_Length, C.Name_Length);
        EXPECT_EQ(Read_BACnet_Desc_Chars_Limit(Path), C.Name_Length == 32);
        const TPROFINET_Param P = Read_PROFINET_Param(Path);
        EXPECT_EQ(P.Nb_In, C.Nb_In);
        EXPECT_EQ(P.Nb_Out, C.Nb_Out);
        EXPECT_EQ(P.Station_Name, C.Station);
        const TGSD_Counts G = Read_GSD_Counts(Path);
        EXPECT_EQ(G.Nb_In, C.Gsd_In);
        EXPECT_EQ(G.Nb_Out, C.Gsd_Out);
    }
}

// A file cut short anywhere never throws and never half-loads: it is either
// read or reported unreadable with both tables empty.
TEST(TableFiles, TruncatedFilesAreReportedNotHalfLoaded)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("t.xml");
    MQ M;
    Fill_Pub(M, 1, "p");
    Fill_Sub(M, 1, "s");
    BA B;
    for (int C = 1; C < 8; ++C)
        B.FRead.Set_Cell(C, 1, "r");
    for (const QByteArray &Whole : {Doc_Bytes(M), Doc_Bytes(B)}) {
        for (qsizetype Cut = 0; Cut < Whole.size(); ++Cut) {
            Write_File(Path, Whole.left(Cut));
            MQ M2;
            BA B2;
            TTableLoadResult R1, R2;
            ASSERT_NO_THROW(R1 = M2.Load(Path));
            ASSERT_NO_THROW(R2 = B2.Load(Path));
            // The root's end tag and the comment may go; everything before decides.
            if (R1.Status == TTableLoadStatus::lsNotReadable) {
                EXPECT_EQ(M2.FPublish.Used_Rows(MQ::pcTopic) + M2.FSubscribe.Used_Rows(MQ::scTopic), 0) << Cut;
            }
            if (R2.Status == TTableLoadStatus::lsNotReadable) {
                EXPECT_EQ(B2.FRead.Used_Rows(BA::bcDataType), 0) << Cut;
            }
        }
    }
}
