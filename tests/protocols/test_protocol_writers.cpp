#include "protocols/Description_File.h"
#include "protocols/UBACnet_EDE_File.h"
#include "protocols/UProfibus_GSD.h"
#include "protocols/UProfinetXML.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "TestSupport.h"
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace {
QString Golden_Path(const char *Name) { return QStringLiteral(BC_PROTOCOLS_GOLDEN_DIR "/") + QLatin1String(Name); }

// Compares with the golden file; BC_REGENERATE_GOLDEN=1 rewrites it instead.
void Expect_Golden(const char *Name, const QByteArray &Actual)
{
    const QString Path = Golden_Path(Name);
    if (qEnvironmentVariableIntValue("BC_REGENERATE_GOLDEN") == 1)
        Write_File(Path, Actual);
    const QByteArray Expected = Read_File(Path);
    ASSERT_FALSE(Expected.isEmpty()) << "missing golden file " << Path.toStdString();
    EXPECT_EQ(Actual, Expected) << Name;
}

// Every line ends with CR LF, the last included, and no bare CR or LF stands elsewhere.
void Expect_Crlf_Lines(const QByteArray &Data)
{
    ASSERT_TRUE(Data.endsWith("\r\n"));
    EXPECT_EQ(Data.count("\r\n"), Data.count('\n'));
    EXPECT_EQ(Data.count("\r\n"), Data.count('\r'));
}

// Parses the file with a real XML parser; returns the error text or empty.
QString Xml_Error(const QByteArray &Data, QStringList *Station_Names = nullptr)
{
    QXmlStreamReader R(Data);
    while (!R.atEnd()) {
        R.readNext();
        if (R.isStartElement() && R.name() == QLatin1String("DeviceAccessPointItem") && Station_Names)
            *Station_Names << R.attributes().value("ImplementationType").toString()
                           << R.attributes().value("DNS_CompatibleName").toString();
    }
    return R.hasError() ? R.errorString() : QString();
}
} // namespace

// ---------------------------------------------------------------- GSD

struct TGsdGolden
{
    const char *Name;
    int Nb_In;
    int Nb_Out;
};
// Sizes on both sides of the 64-byte module boundary, and none at all.
const TGsdGolden Gsd_Goldens[] = {
    {"gsd_in20_out100.gsd", 20, 100},
    {"gsd_in64_out65.gsd", 64, 65},
    {"gsd_in129_out63.gsd", 129, 63},
    {"gsd_in0_out0.gsd", 0, 0},
};

TEST(GsdWriter, GoldenFiles)
{
    for (const TGsdGolden &G : Gsd_Goldens) {
        SCOPED_TRACE(G.Name);
        const QByteArray Data = GSD_File_Bytes(G.Nb_In, G.Nb_Out);
        Expect_Crlf_Lines(Data);
        Expect_Golden(G.Name, Data);
    }
}

// The fixed part stands at its line numbers; frame lines are 85 characters wide.
TEST(GsdWriter, FixedLinesAndLengthKeywords)
{
    const QStringList L = GSD_Lines(20, 100);
    EXPECT_EQ(L[0], ";");
    for (int I : {2, 3, 4, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19})
        EXPECT_EQ(L[I].size(), 85) << I + 1;
    EXPECT_EQ(L[20], ";" + QString(84, '*'));
    EXPECT_EQ(L[23], "#Profibus_DP");
    EXPECT_EQ(L[26], ";" + QString(84, '='));
    EXPECT_EQ(L[27], ";==== Prm-Text-Def-List " + QString(85 - 24, '='));
    EXPECT_EQ(L[90], "GSD_Revision = 5");
    EXPECT_EQ(L[149], "Min_Slave_Intervall=6");
    EXPECT_EQ(L[152], "Max_Module=3");
    EXPECT_EQ(L[154], "Max_Input_Len=100");
    EXPECT_EQ(L[155], "Max_Output_Len=20");
    EXPECT_EQ(L[156], "Max_Data_Len=120");
    EXPECT_EQ(L[187], ";" + QString(78, '='));
    EXPECT_EQ(L[188], "");
    EXPECT_EQ(L[189], "Module=\"DI  (PORT1)    \" 0x42,0x3F,0x00,0x01");
    EXPECT_EQ(L[192], "Module=\"DI  (PORT2)    \" 0x42,0x23,0x00,0x02");
    EXPECT_EQ(L[195], "Module=\"DO  (PORT3)    \" 0x82,0x13,0x00,0x03");
    EXPECT_EQ(L[196], "3");
    EXPECT_EQ(L[197], "EndModule");
    EXPECT_EQ(L[201], "SlotDefinition");
    EXPECT_EQ(L[204], "Slot(3) = \"Slot 3\" 3 3");
    EXPECT_EQ(L[205], "EndSlotDefinition");
    EXPECT_EQ(L.size(), 210);
}

struct TModuleCase
{
    const char *Name;
    int Count;
    QStringList Length_Bytes; // of the input modules, in order
};
// Modules of 64 bytes, the last one holding the rest; negative counts are 0.
const TModuleCase Module_Cases[] = {
    {"Zero", 0, {}},
    {"Negative", -5, {}},
    {"One", 1, {"0x00"}},
    {"JustBelow", 63, {"0x3E"}},
    {"Exact", 64, {"0x3F"}},
    {"JustAbove", 65, {"0x3F", "0x00"}},
    {"TwoExact", 128, {"0x3F", "0x3F"}},
    {"ThreeStarted", 129, {"0x3F", "0x3F", "0x00"}},
};

TEST(GsdWriter, ModulesAcrossTheBoundary)
{
    for (const TModuleCase &C : Module_Cases) {
        SCOPED_TRACE(C.Name);
        const QStringList L = GSD_Lines(0, C.Count);
        QStringList Got;
        for (const QString &Line : L)
            if (Line.startsWith("Module="))
                Got << Line.section(',', 1, 1);
        EXPECT_EQ(Got, C.Length_Bytes);
        const int Clamped = C.Count < 0 ? 0 : C.Count;
        EXPECT_TRUE(L.contains(QStringLiteral("Max_Input_Len=%1").arg(Clamped)));
        EXPECT_TRUE(L.contains(QStringLiteral("Max_Data_Len=%1").arg(Clamped)));
        EXPECT_TRUE(L.contains(QStringLiteral("Max_Module=%1").arg(C.Length_Bytes.size())));
    }
    EXPECT_EQ(GSD_File_Bytes(-7, -1), GSD_File_Bytes(0, 0));
}

// Module numbers are two hex digits: beyond 255 modules the file is refused, not written.
TEST(GsdWriter, CountsBeyond255ModulesAreRefused)
{
    const struct
    {
        int In, Out;
        bool Fits;
    } Cases[] = {{16320, 0, true}, {16321, 0, false}, {8192, 8128, true}, {8192, 8129, false},
                 {0, 2147483647, false}, {-2147483647 - 1, 16320, true}};
    for (const auto &C : Cases)
        EXPECT_EQ(GSD_Counts_Fit(C.In, C.Out), C.Fits) << C.In << " " << C.Out;
    const QStringList L = GSD_Lines(0, 16320);
    EXPECT_TRUE(L.contains("Module=\"DI  (PORT255)    \" 0x42,0x3F,0x00,0xFF"));
    QTemporaryDir Dir;
    QString Error;
    EXPECT_FALSE(Write_GSD_File(Dir.filePath("big.gsd"), 0, 2147483647, &Error));
    EXPECT_FALSE(Error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("big.gsd")));
}

TEST(GsdWriter, FilePathRule)
{
    const std::pair<const char *, const char *> Cases[] = {
        {"/p/dev", "/p/dev.gsd"}, {"/p/dev.gsd", "/p/dev.gsd"}, {"/p/DEV.GSD", "/p/DEV.GSD"},
        {"/p/dev.txt", "/p/dev.txt.gsd"}, {"/p/a.gsd.gsd", "/p/a.gsd.gsd.gsd"},
    };
    for (const auto &C : Cases)
        EXPECT_EQ(GSD_File_Path(C.first), C.second) << C.first;
}

// ---------------------------------------------------------------- EDE

namespace {
QList<TBACnet_Object_Row> Rows(std::initializer_list<TBACnet_Object_Row> R) { return QList<TBACnet_Object_Row>(R); }
const QDateTime Fixed_Time(QDate(2026, 3, 4), QTime(7, 8, 9));
} // namespace

// Two read rows "Analog Input" and one write row "Analog Value", device 77.
TEST(EdeWriter, ExampleGolden)
{
    TBACnet_EDE_Param P;
    P.Dev_Instance = "77";
    const auto Objects = Make_EDE_Objects(P, Rows({{"Analog Input", "62", "T1"}, {"Analog Input", "62", "T2"},
                                                  {"Analog Value", "98", "SP"}}));
    const QByteArray Data = EDE_File_Bytes("Plant1", Fixed_Time, Objects);
    Expect_Crlf_Lines(Data);
    Expect_Golden("ede_example.csv", Data);
    const QStringList L = QString::fromLatin1(Data).split("\r\n");
    EXPECT_EQ(L[0], "PROJECT_NAME; QuorixLabs--Plant1;;;;;;");
    EXPECT_EQ(L[2], "TIMESTAMP_OF_LAST_CHANGE;07:08:09 04/03/2026;;;;;;");
    EXPECT_EQ(L[7], "77_T1_0;77;T1;0;0;T1;62;");
    EXPECT_EQ(L[8], "77_T2_1;77;T2;0;1;T2;62;");
    EXPECT_EQ(L[9], "77_SP_0;77;SP;2;0;SP;98;");
}

// Names cut at 16 (or 32) characters, the keyname whole; unknown types count
// as analog inputs; each type counts its own instances across both lists.
TEST(EdeWriter, MixedGoldenAt16And32)
{
    const QString Long40 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd";
    const auto Input = Rows({{"Multi State Value", "95", "MS1"},
                             {" analog input ", "62", Long40},
                             {"Thermostat", "", "Unknown"},
                             {"Multi State Value", "95", "MS2"},
                             {"", "0", "Empty type"},
                             {"LARGE ANALOG VALUE", "19", "Energy;total"},
                             {"Binary Out", "95", "Pump \"A\""},
                             {"Access Door", "95", "Tür €"},
                             {"Analog Input", "62", "Wide \u4E2D"}});
    for (int Length : {16, 32}) {
        SCOPED_TRACE(Length);
        TBACnet_EDE_Param P{"1200", Length};
        const auto Objects = Make_EDE_Objects(P, Input);
        ASSERT_EQ(Objects.size(), 9);
        EXPECT_EQ(Objects[0].ObjectType, "19");
        EXPECT_EQ(Objects[3].ObjectInstance, "1");
        EXPECT_EQ(Objects[1].ObjectType, "0");
        EXPECT_EQ(Objects[1].ObjectInstance, "0");
        EXPECT_EQ(Objects[2].ObjectType, "0");
        EXPECT_EQ(Objects[2].ObjectInstance, "1");
        EXPECT_EQ(Objects[4].ObjectInstance, "2");
        EXPECT_EQ(Objects[8].ObjectInstance, "3");
        EXPECT_EQ(Objects[1].ObjectName, Long40.left(Length));
        EXPECT_EQ(Objects[1].Description, Long40.left(Length));
        EXPECT_EQ(Objects[1].Keyname, "1200_" + Long40 + "_0");
        Expect_Golden(Length == 16 ? "ede_mixed_16.csv" : "ede_mixed_32.csv",
                      EDE_File_Bytes("Hall 2", Fixed_Time, Objects));
    }
}

// A ";" inside a text never shifts the columns: such a field is quoted.
TEST(EdeWriter, SemicolonsAndLineBreaksKeepTheColumns)
{
    const std::pair<const char *, const char *> Fields[] = {
        {"plain", "plain"},
        {"a;b", "\"a;b\""},
        {"say \"hi\"", "say \"hi\""},
        {"\"q\";x", "\"\"\"q\"\";x\""},
        {"\"lead", "\"\"\"lead\""},
        {"two\r\nlines\nhere", "two lines here"},
    };
    for (const auto &F : Fields)
        EXPECT_EQ(EDE_Field(F.first), F.second) << F.first;

    TBACnet_EDE_Param P{"7;1", 16};
    const auto Objects = Make_EDE_Objects(P, Rows({{"Analog Input", "6;2", "a;b\nc"}}));
    const QStringList L = EDE_Lines("x;y", Fixed_Time, Objects);
    EXPECT_EQ(L[0], "PROJECT_NAME;\" QuorixLabs--x;y\";;;;;;");
    EXPECT_EQ(L[7], "\"7;1_a;b c_0\";\"7;1\";\"a;b c\";0;0;\"a;b c\";\"6;2\";");
}

TEST(EdeWriter, ObjectTypeTable)
{
    const std::pair<const char *, int> Types[] = {
        {"ANALOG INPUT", 0}, {"analog out", 1}, {"Analog Value", 2}, {"BINARY INPUT", 3}, {"BINARY OUT", 4},
        {"BINARY VALUE", 5}, {"MULTI STATE INPUT", 13}, {"MULTI STATE OUTPUT", 14}, {"MULTI STATE VALUE", 19},
        {"LIFE SAFETY POINT", 21}, {"LIFE SAFETY ZONE", 22}, {"ACCUMULATOR", 23}, {"ACCESS DOOR", 30},
        {"CHARACTERSTRING VALUE", 40}, {"DATETIME VALUE", 44}, {"INTEGER VALUE", 45}, {"LARGE ANALOG VALUE", 46},
        {"  Positive Integer Value\t", 48}, {"Analog  Input", 0}, {"", 0}, {"Binary Output", 0},
        // only blanks and control characters are trimmed, never a no-break space
        {"\r\n\x01" "BINARY VALUE\x1f ", 5}, {"BINARY VALUE\u00a0", 0}, {"\u00a0BINARY VALUE", 0},
    };
    for (const auto &T : Types)
        EXPECT_EQ(Get_BACnet_Object_Type(T.first), T.second) << T.first;
    TEDE_Instance_Counters C;
    EXPECT_EQ(C.Next_Object_Instance(5), 0);
    EXPECT_EQ(C.Next_Object_Instance(5), 1);
    EXPECT_EQ(C.Next_Object_Instance(0), 0);
    C.Reset_Instance_Counters();
    EXPECT_EQ(C.Next_Object_Instance(5), 0);
}

// A build reads both files afresh and stamps the driven clock's time.
TEST(EdeWriter, BuildFromProjectFiles)
{
    QTemporaryDir Dir;
    const QString ParGen = Dir.filePath("ParGen.xml"), Slave = Dir.filePath("BACnet_Slave.xml"),
                  Out = Dir.filePath("objects.csv");
    TDrivenClock Clk;
    Clk.Current = Fixed_Time;
    TClockGuard G(&Clk);
    TEDE_Sources S{"Plant1", ParGen, Slave};

    // No project files: the seven header lines only.
    ASSERT_TRUE(Build_EDE_File(Out, S));
    EXPECT_EQ(Read_File(Out), EDE_File_Bytes("Plant1", Fixed_Time, {}));
    EXPECT_EQ(Read_File(Out).count("\r\n"), 7);

    Write_File(ParGen, "<Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit>"
                       "</Par_Gen>");
    Write_File(Slave, "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T1\"/>"
                      "<row Data_Type=\"Analog Input\" Eng_Unit=\"62\" Mnemonic=\"T2\"/></BACnet_in_Read><BACnet_in_Write>"
                      "<row Data_Type=\"Analog Value\" Eng_Unit=\"98\" Mnemonic=\"SP\"/></BACnet_in_Write></BACnet_to_Modbus>");
    ASSERT_TRUE(Build_EDE_File(Out, S));
    EXPECT_EQ(Read_File(Out), Read_File(Golden_Path("ede_example.csv")));

    // A parameter file without the option right after one with it cuts at 16 again.
    const QString Long = QString(20, 'x');
    Write_File(Slave, ("<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Analog Input\" Eng_Unit=\"1\" Mnemonic=\"" + Long
                       + "\"/></BACnet_in_Read></BACnet_to_Modbus>").toUtf8());
    ASSERT_TRUE(Build_EDE_File(Out, S));
    EXPECT_TRUE(Read_File(Out).contains(";" + Long.toLatin1() + ";0;0;"));
    Write_File(ParGen, "<Par_Gen><BACnet_DEV_IDE>77</BACnet_DEV_IDE></Par_Gen>");
    ASSERT_TRUE(Build_EDE_File(Out, S));
    EXPECT_TRUE(Read_File(Out).contains(";" + Long.left(16).toLatin1() + ";0;0;"));

    // An unreadable object file writes nothing and says why.
    const QByteArray Before = Read_File(Out);
    Write_File(Slave, "<BACnet_to_Modbus><BACnet_in_Read>");
    QString Error;
    EXPECT_FALSE(Build_EDE_File(Out, S, &Error));
    EXPECT_FALSE(Error.isEmpty());
    EXPECT_EQ(Read_File(Out), Before);
}

// Instances of one type count on from the read list into the write list.
TEST(EdeWriter, InstanceCountersRunAcrossBothLists)
{
    QTemporaryDir Dir;
    const QString Slave = Dir.filePath("BACnet_Slave.xml"), Out = Dir.filePath("o.csv");
    Write_File(Slave, "<BACnet_to_Modbus><BACnet_in_Read>"
                      "<row Data_Type=\"Analog Value\" Eng_Unit=\"1\" Mnemonic=\"R1\"/>"
                      "<row Data_Type=\"Binary Value\" Eng_Unit=\"1\" Mnemonic=\"R2\"/>"
                      "</BACnet_in_Read><BACnet_in_Write>"
                      "<row Data_Type=\"Analog Value\" Eng_Unit=\"1\" Mnemonic=\"W1\"/>"
                      "<row Data_Type=\"Binary Value\" Eng_Unit=\"1\" Mnemonic=\"W2\"/>"
                      "<row Data_Type=\"Analog Value\" Eng_Unit=\"1\" Mnemonic=\"W3\"/>"
                      "</BACnet_in_Write></BACnet_to_Modbus>");
    ASSERT_TRUE(Build_EDE_File(Out, {"P", Dir.filePath("ParGen.xml"), Slave}));
    const QStringList L = QString::fromLatin1(Read_File(Out)).split("\r\n");
    EXPECT_EQ(L.mid(7, 5), QStringList({"_R1_0;;R1;2;0;R1;1;", "_R2_0;;R2;5;0;R2;1;", "_W1_1;;W1;2;1;W1;1;",
                                        "_W2_1;;W2;5;1;W2;1;", "_W3_2;;W3;2;2;W3;1;"}));
}

TEST(EdeWriter, FilePathRule)
{
    const std::pair<const char *, const char *> Cases[] = {
        {"/p/objects", "/p/objects.csv"}, {"/p/objects.CSV", "/p/objects.CSV"}, {"/p/o.csv", "/p/o.csv"},
        {"/p/o.txt", "/p/o.txt.csv"},
    };
    for (const auto &C : Cases)
        EXPECT_EQ(EDE_File_Path(C.first), C.second) << C.first;
}

// ---------------------------------------------------------------- GSDML

TEST(GsdmlWriter, DefaultsGolden)
{
    const QByteArray Data = GSDML_File_Bytes(TPROFINET_Param());
    ASSERT_TRUE(Data.startsWith("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"));
    Expect_Crlf_Lines(Data);
    EXPECT_EQ(Data.count("\r\n"), 167);
    QStringList Names;
    EXPECT_EQ(Xml_Error(Data, &Names), QString());
    EXPECT_EQ(Names, QStringList({"SERIAL", "SERIAL"}));
    Expect_Golden("gsdml_defaults.xml", Data);
}

// The station name is escaped; a real parser reads it back unchanged.
TEST(GsdmlWriter, StationNameWithAmpersandAndLessThanGolden)
{
    TPROFINET_Param P;
    P.Nb_In = 20;
    P.Nb_Out = 100;
    P.Station_Name = "A&B <gw> \"1\"";
    const QByteArray Data = GSDML_File_Bytes(P);
    EXPECT_EQ(Data.count("\r\n"), 167);
    QStringList Names;
    EXPECT_EQ(Xml_Error(Data, &Names), QString());
    EXPECT_EQ(Names, QStringList({P.Station_Name, P.Station_Name}));
    EXPECT_TRUE(Data.contains("<Input><DataItem DataType=\"OctetString\" Length=\"100\" TextId=\"IDT_Input_1\"/></Input>"));
    EXPECT_TRUE(Data.contains("<Output><DataItem DataType=\"OctetString\" Length=\"20\" TextId=\"IDT_Output_1\"/></Output>"));
    Expect_Golden("gsdml_station_escaped.xml", Data);
}

// Any station name gives a well-formed file with the same line count.
TEST(GsdmlWriter, AnyStationNameStaysWellFormed)
{
    const QString Names[] = {"plain-name", "tab\there", "line\r\nbreak", QString("nul") + QChar(1) + "x",
                             "apos ' and > kept", "\u00E9\u4E2D\U0001F600", QString("lone") + QChar(0xD800)};
    for (const QString &N : Names) {
        SCOPED_TRACE(N.toStdString());
        TPROFINET_Param P;
        P.Station_Name = N;
        const QByteArray Data = GSDML_File_Bytes(P);
        EXPECT_EQ(Data.count("\r\n"), 167);
        EXPECT_EQ(Xml_Error(Data), QString());
    }
    EXPECT_EQ(GSDML_Escape("apos ' and > kept"), "apos ' and > kept");
}

struct TNameCase
{
    const char *Name;
    const char *User;
    const char *Expected;
};
// Prefix, the user part with one leading underscore, "-", the start date, ".xml".
const TNameCase Name_Cases[] = {
    {"Empty", "", "GSDML-V2.31-Quorix-GWTK460-20260105.xml"},
    {"Blanks", "   ", "GSDML-V2.31-Quorix-GWTK460-20260105.xml"},
    {"Plain", "Line1", "GSDML-V2.31-Quorix-GWTK460_Line1-20260105.xml"},
    {"LeadingUnderscore", "_Line1", "GSDML-V2.31-Quorix-GWTK460_Line1-20260105.xml"},
    {"TakenAsTyped", " Line 1 ", "GSDML-V2.31-Quorix-GWTK460_ Line 1 -20260105.xml"},
    // a no-break space is a user part, not a blank
    {"NoBreakSpace", "\u00a0", "GSDML-V2.31-Quorix-GWTK460_\u00a0-20260105.xml"},
};

TEST(GsdmlFileName, Rule)
{
    for (const TNameCase &C : Name_Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(GSDML_File_Name(C.User, QDate(2026, 1, 5)), C.Expected);
    }
    const std::pair<const char *, bool> Parts[] = {
        {"Line1", true}, {"", true}, {"a.b", true}, {"a/b", false}, {"a\\b", false}, {"..", false}, {"x..y", false},
        // control characters are refused like path characters; a no-break space is not one
        {"a\tb", false}, {"\x01", false}, {"a\x7f", false}, {"a\u0085", false}, {"a\u00a0b", true},
    };
    for (const auto &P : Parts)
        EXPECT_EQ(Is_Valid_GSDML_User_Part(P.first), P.second) << P.first;
}

TEST(GsdmlWriter, WriteReadsParGen)
{
    QTemporaryDir Dir;
    const QString ParGen = Dir.filePath("ParGen.xml"), Out = Dir.filePath("g.xml");
    ASSERT_TRUE(Write_GSDML_File(Out, ParGen));
    EXPECT_EQ(Read_File(Out), Read_File(Golden_Path("gsdml_defaults.xml")));
    Write_File(ParGen, "<Par_Gen><PROFINET_NB_IN>20</PROFINET_NB_IN><PROFINET_NB_OUT>100</PROFINET_NB_OUT>"
                       "<PROFINET_NAME_STA>A&amp;B &lt;gw&gt; \"1\"</PROFINET_NAME_STA></Par_Gen>");
    ASSERT_TRUE(Write_GSDML_File(Out, ParGen));
    EXPECT_EQ(Read_File(Out), Read_File(Golden_Path("gsdml_station_escaped.xml")));
    QString Error;
    EXPECT_FALSE(Write_GSDML_File(Dir.filePath("no/such/dir/g.xml"), ParGen, &Error));
    EXPECT_FALSE(Error.isEmpty());
}
