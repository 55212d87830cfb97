#include "Bank2Reader.h"
#include "image/ImageCompiler.h"
#include "platform/FileGroup.h"
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

// A catalogue stand-in: (rorg, func, type, case position) -> identifier triple.
class TFakeCatalog : public ICase_Lookup
{
public:
    std::map<std::tuple<int, int, int, int>, TCase_Key> Cases;
    bool Get_Case(int R, int F, int T, int C, TCase_Key &Key) const override
    {
        auto It = Cases.find({R, F, T, C});
        if (It == Cases.end())
            return false;
        Key = It->second;
        return true;
    }
};

std::uint32_t U32(const QByteArray &B, int Offset)
{
    std::uint32_t V = 0;
    for (int I = 3; I >= 0; --I)
        V = (V << 8) | static_cast<std::uint8_t>(B[Offset + I]);
    return V;
}

std::uint8_t U8(const QByteArray &B, int Offset) { return static_cast<std::uint8_t>(B[Offset]); }

QByteArray Le32(std::initializer_list<std::uint32_t> Values)
{
    QByteArray B;
    for (std::uint32_t V : Values)
        for (int I = 0; I < 4; ++I)
            B.append(static_cast<char>((V >> (8 * I)) & 0xFF));
    return B;
}

std::uint32_t Byte_Sum(const QByteArray &B, int N)
{
    std::uint32_t S = 0;
    for (int I = 0; I < N; ++I)
        S += static_cast<std::uint8_t>(B[I]);
    return S;
}

class ImageCompilerTest : public ::testing::Test
{
protected:
    QTemporaryDir Dir;
    TFakeCatalog Catalog;
    TImage_Compiler Compiler;
    QString ParGen() const { return Dir.filePath(QStringLiteral("ParGen.xml")); }
    QString EnOcean() const { return Dir.filePath(QStringLiteral("EnOcean.xml")); }

    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        // A5-02-05 (one case, no identifier), D2-01-00 with two cases told apart
        // by a 4-bit field at offset 4, and a case sharing case 0's triple.
        Catalog.Cases[{0xA5, 0x02, 0x05, 0}] = {0, 0, 0};
        Catalog.Cases[{0xD2, 0x01, 0x00, 0}] = {4, 4, 3};
        Catalog.Cases[{0xD2, 0x01, 0x00, 1}] = {4, 4, 4};
        Catalog.Cases[{0xD2, 0x01, 0x00, 2}] = {4, 4, 3};
        Catalog.Cases[{0xF6, 0x02, 0x01, 0}] = {0, 0, 48};
    }
    void Write_ParGen(const QString &Children)
    {
        Write_File(ParGen(), ("<Par_Gen>" + Children + "</Par_Gen><!--SW_VERSION = 1.000-->").toUtf8());
    }
    void Write_EnOcean(const QString &Devices)
    {
        Write_File(EnOcean(), ("<EnOcean><DevicesList>" + Devices + "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->").toUtf8());
    }
    TCompile_Result Compile() { return Compiler.Compile_Configuration(ParGen(), EnOcean(), Catalog); }
};

QString Device(const QString &Attrs, const QString &Eeps)
{
    return QStringLiteral("<Device %1><UnidirectionalList>%2</UnidirectionalList><SmartACKList/><Remote/></Device>")
        .arg(Attrs, Eeps);
}
QString Plain_Device(const QString &Id, const QString &Eeps)
{
    return Device(QStringLiteral("Id=\"%1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
                                 "CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"")
                      .arg(Id),
                  Eeps);
}
QString Eep(int R, int F, int T, const QString &Vars)
{
    return QStringLiteral("<RorgFuncType RorgNum=\"%1\" FuncNum=\"%2\" TypeNum=\"%3\"><VariablesList>%4</VariablesList></RorgFuncType>")
        .arg(R).arg(F).arg(T).arg(Vars);
}
QString Var(int Case, const char *Data, int Offs, int Size, int Pos, int Start)
{
    return QStringLiteral("<Variable CaseInd=\"%1\" Data=\"%2\" BitOffs=\"%3\" BitSize=\"%4\" Position=\"%5\" BitStart=\"%6\"/>")
        .arg(Case).arg(QLatin1String(Data)).arg(Offs).arg(Size).arg(Pos).arg(Start);
}

// ---- bank1: the parameter block -------------------------------------------------

TEST_F(ImageCompilerTest, NoParGenCompilesTheDefaults)
{
    ASSERT_TRUE(Compile().Ok());
    const QByteArray B = Compiler.Bank1();
    ASSERT_EQ(B.size(), 2048);
    EXPECT_EQ(B.mid(40, 12), QByteArray::fromHex("C0A802CD" "FFFFFF00" "FFFFFFFF"));
    EXPECT_EQ(B.mid(1420, 4), QByteArray(4, 0));
    EXPECT_EQ(U32(B, 400), 0u);
    EXPECT_EQ(U32(B, 24), 0u);
    EXPECT_EQ(U8(B, 97), 0);
    EXPECT_EQ(B.mid(0, 16), Le32({250000, 250000, 0, 9600}));
    EXPECT_EQ(B.mid(52, 6), QByteArray::fromHex("1027" "1127" "1127"));
    EXPECT_EQ(B.mid(436, 8), QByteArray(8, 8));
    EXPECT_EQ(B.mid(1540, 8), Le32({0x80000, 1}));
    EXPECT_EQ(B.mid(2044, 4), QByteArray::fromHex("8B0D0000"));   // 3467
}

TEST_F(ImageCompilerTest, EmptyParGenTakesTheCompilersFallbacks)
{
    Write_File(ParGen(), "<Par_Gen/>");
    ASSERT_TRUE(Compile().Ok());
    const QByteArray B = Compiler.Bank1();
    EXPECT_EQ(U32(B, 24), 10u);
    EXPECT_EQ(B.mid(40, 8), QByteArray::fromHex("C0A8000A" "FFFFFF00"));
    EXPECT_EQ(B.mid(48, 4), QByteArray(4, char(0xFF)));
    EXPECT_EQ(B.mid(1420, 4), QByteArray(4, char(0xFF)));
    EXPECT_EQ(U32(B, 400), 115200u);
    EXPECT_EQ(U8(B, 97), 0);
    EXPECT_EQ(U32(B, 2044), 4495u);
}

struct TParCase
{
    const char *Name;
    const char *Children;
    int Offset;
    int Width;           // 1 or 4
    std::uint32_t Expected;
};

const TParCase Par_Cases[] = {
    // the baud index maps to bit/s; anything outside 0..7 gives 9600, no number gives the fallback 115200
    {"BaudIndex3", "<MODBUS_SLAVE_BAUDRATE>3</MODBUS_SLAVE_BAUDRATE>", 400, 4, 9600},
    {"BaudIndex0", "<MODBUS_SLAVE_BAUDRATE>0</MODBUS_SLAVE_BAUDRATE>", 400, 4, 1200},
    {"BaudBeyondList", "<MODBUS_SLAVE_BAUDRATE>8</MODBUS_SLAVE_BAUDRATE>", 400, 4, 9600},
    {"BaudNegative", "<MODBUS_SLAVE_BAUDRATE>-1</MODBUS_SLAVE_BAUDRATE>", 400, 4, 9600},
    {"BaudNoNumber", "<MODBUS_SLAVE_BAUDRATE>abc</MODBUS_SLAVE_BAUDRATE>", 400, 4, 115200},
    {"BaudWithChildElement", "<MODBUS_SLAVE_BAUDRATE><x/></MODBUS_SLAVE_BAUDRATE>", 400, 4, 115200},
    // the "2 Stop Bits" item (index 1) is stored as 2
    {"StopBitsTwo", "<MODBUS_SLAVE_STOPBITS>1</MODBUS_SLAVE_STOPBITS>", 430, 1, 2},
    {"StopBitsOne", "<MODBUS_SLAVE_STOPBITS>0</MODBUS_SLAVE_STOPBITS>", 430, 1, 0},
    {"ParityEven", "<MODBUS_SLAVE_PARITY>2</MODBUS_SLAVE_PARITY>", 424, 1, 2},
    // serial flags: bit 0 RS232, bit 6 input-register reading off
    {"Rs485InputOff", "<MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL><MODBUS_SLAVE_READ_INPUT_REGISTER>0</MODBUS_SLAVE_READ_INPUT_REGISTER>", 97, 1, 0x40},
    {"Rs232InputOn", "<MODBUS_SLAVE_SERIAL>0</MODBUS_SLAVE_SERIAL><MODBUS_SLAVE_READ_INPUT_REGISTER>1</MODBUS_SLAVE_READ_INPUT_REGISTER>", 97, 1, 0x01},
    {"Rs232InputOff", "<MODBUS_SLAVE_SERIAL>0</MODBUS_SLAVE_SERIAL><MODBUS_SLAVE_READ_INPUT_REGISTER>0</MODBUS_SLAVE_READ_INPUT_REGISTER>", 97, 1, 0x41},
    {"SerialTextOtherThanZero", "<MODBUS_SLAVE_SERIAL>00</MODBUS_SLAVE_SERIAL>", 97, 1, 0},
    {"SlaveAddress", "<MODBUS_SLAVE_IDDEVICE>247</MODBUS_SLAVE_IDDEVICE>", 24, 4, 247},
    // byte fields keep the low 8 bits
    {"OctetAbove255", "<Ethernet_IP1>300</Ethernet_IP1>", 40, 1, 44},
    {"MaskOctet", "<Ethernet_SM4>128</Ethernet_SM4>", 47, 1, 128},
    // gateway and DNS only when enabled with exactly "1"
    {"GatewayDisabled", "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_EN_GAT>0</Ethernet_EN_GAT>", 48, 1, 255},
    {"GatewayEnabled", "<Ethernet_GAT1>10</Ethernet_GAT1><Ethernet_EN_GAT>1</Ethernet_EN_GAT>", 48, 1, 10},
    {"GatewayEnabledFallback", "<Ethernet_EN_GAT>1</Ethernet_EN_GAT>", 48, 4, 0x0100A8C0},
    {"DnsDisabled", "<Ethernet_DNS1>1</Ethernet_DNS1><Ethernet_EN_DNS>true</Ethernet_EN_DNS>", 1420, 1, 255},
    {"DnsEnabledFallback", "<Ethernet_EN_DNS>1</Ethernet_EN_DNS>", 1420, 4, 0x08080808},
    // the first element of a name counts
    {"FirstOfTwoCounts", "<Ethernet_IP4>7</Ethernet_IP4><Ethernet_IP4>9</Ethernet_IP4>", 43, 1, 7},
};

TEST_F(ImageCompilerTest, ParGenElementsFillTheirFields)
{
    for (const TParCase &C : Par_Cases) {
        SCOPED_TRACE(C.Name);
        Write_ParGen(QString::fromUtf8(C.Children));
        ASSERT_TRUE(Compile().Ok());
        const QByteArray B = Compiler.Bank1();
        ASSERT_EQ(B.size(), 2048);
        EXPECT_EQ(C.Width == 1 ? U8(B, C.Offset) : U32(B, C.Offset), C.Expected);
        // the checksum always equals the byte sum of the first 2044 bytes
        EXPECT_EQ(U32(B, 2044), Byte_Sum(B, 2044));
    }
}

TEST_F(ImageCompilerTest, CommentBeforeRootMakesEveryElementFallBack)
{
    Write_File(ParGen(), "<!--x--><Par_Gen><Ethernet_IP1>10</Ethernet_IP1></Par_Gen>");
    ASSERT_TRUE(Compile().Ok());
    EXPECT_EQ(U8(Compiler.Bank1(), 40), 192);
    EXPECT_EQ(U32(Compiler.Bank1(), 2044), 4495u);
}

TEST_F(ImageCompilerTest, MalformedParGenIsAnErrorNamingTheFile)
{
    Write_File(ParGen(), "<Par_Gen><Ethernet_IP1>10</Par_Gen>");
    const TCompile_Result R = Compile();
    ASSERT_FALSE(R.Ok());
    EXPECT_EQ(R.Error.File, ParGen());
    EXPECT_GT(R.Error.Line, 0);
    EXPECT_TRUE(R.Error.Message().contains(QStringLiteral("ParGen.xml")));
    EXPECT_TRUE(Compiler.Bank1().isEmpty());
}

// ---- bank2: the EnOcean tables --------------------------------------------------

TEST_F(ImageCompilerTest, NoEnOceanFileGivesAnEmptyTableImage)
{
    ASSERT_TRUE(Compile().Ok());
    EXPECT_EQ(Compiler.Bank2(), QByteArray::fromHex("0000000008000800"));
}

TEST_F(ImageCompilerTest, RootOrListMissingGivesAnEmptyTableImage)
{
    for (const char *Content : {"<Other><DevicesList/></Other>", "<EnOcean><Other/></EnOcean>"}) {
        SCOPED_TRACE(Content);
        Write_File(EnOcean(), Content);
        ASSERT_TRUE(Compile().Ok());
        EXPECT_EQ(Compiler.Bank2(), QByteArray::fromHex("0000000008000800"));
    }
}

TEST_F(ImageCompilerTest, OneDeviceOneCaseTwoVariablesIs164BytesByteForByte)
{
    Write_EnOcean(Plain_Device(QStringLiteral("0x0180ABCD"),
                               Eep(0xA5, 0x02, 0x05, Var(0, "TMP", 16, 8, 3, 0) + Var(0, "TMP2", 8, 8, 4, 2))));
    ASSERT_TRUE(Compile().Ok());
    const QByteArray B = Compiler.Bank2();
    ASSERT_EQ(B.size(), 164);
    QByteArray Expected;
    Expected += Le32({1, 0x80008});
    Expected += Le32({0x0180ABCD, 0, 0x80024, 1, 0x80050, 0, 0x8005C});
    Expected += QByteArray(44, 0);
    Expected += Le32({0xA5, 1, 0x8005C});
    Expected += Le32({0, 0, 0, 2, 0x80084, 0, 0, 0, 0, 0x800A4});
    Expected += Le32({8, 16, 3, 0});
    Expected += Le32({8, 8, 4, 2});
    EXPECT_EQ(B.toHex(' '), Expected.toHex(' '));
}

TEST_F(ImageCompilerTest, CasesAreGroupedByTripleInOrderOfFirstUse)
{
    // cases 0 (A), 1 (B), 0 (A), 2 (same triple as A)
    Write_EnOcean(Plain_Device(QStringLiteral("1"),
                               Eep(0xD2, 0x01, 0x00, Var(0, "a1", 8, 1, 1, 0) + Var(1, "b", 9, 1, 2, 0)
                                                         + Var(0, "a2", 10, 1, 3, 0) + Var(2, "a3", 11, 1, 4, 0))));
    ASSERT_TRUE(Compile().Ok());
    const auto &Eeps = Compiler.Devices().at(0).UniEepTable;
    ASSERT_EQ(Eeps.size(), 1u);
    ASSERT_EQ(Eeps[0].CaseNum, 2u);
    const auto &A = Eeps[0].CaseTable[0];
    const auto &Bc = Eeps[0].CaseTable[1];
    EXPECT_EQ(A.InCase, 3u);
    EXPECT_EQ(A.InCaseIdOffset, 4u);
    EXPECT_EQ(A.InCaseIdSize, 4u);
    ASSERT_EQ(A.InVarNum, 3u);
    EXPECT_EQ(A.InVarTable[0].Position, 1u);
    EXPECT_EQ(A.InVarTable[1].Position, 3u);
    EXPECT_EQ(A.InVarTable[2].Position, 4u);
    EXPECT_EQ(Bc.InCase, 4u);
    EXPECT_EQ(Bc.InVarNum, 1u);
    // in the image: case A's variables come first, then case B's
    const QByteArray B = Compiler.Bank2();
    const int Case_Table = 8 + 28 + 44 + 12;
    EXPECT_EQ(U32(B, Case_Table + 16), 0x80000u + Case_Table + 80);
    EXPECT_EQ(U32(B, Case_Table + 40 + 16), 0x80000u + Case_Table + 80 + 48);
    EXPECT_EQ(B.size(), Case_Table + 80 + 64);
}

TEST_F(ImageCompilerTest, SecurityBlocksFollowTheSecurityType)
{
    struct TSecCase
    {
        const char *Name;
        const char *Attrs;
        QByteArray Block;
    };
    const QByteArray Zero16(16, 0);
    const TSecCase Cases[] = {
        // pre-shared key: the key only, zero padded
        {"PreSharedKey", "Secure_Type=\"1\" Key=\"ABCDE\" RollCode=\"5\" RollCodeAlg=\"1\" RollCodeTx=\"1\" CMACAlg=\"1\" DataCript=\"1\" PTM=\"1\"",
         QByteArray("ABCDE") + QByteArray(11, 0) + Zero16 + QByteArray(12, 0)},
        // manual settings: private key, rolling code, algorithm bytes, encryption code 1 -> 3
        {"ManualVaes", "Secure_Type=\"2\" Key=\"0123456789ABCDEFXYZ\" RollCode=\"0x01020304\" RollCodeAlg=\"2\" RollCodeTx=\"1\" CMACAlg=\"2\" DataCript=\"1\" PTM=\"1\"",
         Zero16 + QByteArray("0123456789ABCDEF") + Le32({0x01020304}) + QByteArray::fromHex("0201020301000000")},
        {"ManualCbc", "Secure_Type=\"2\" Key=\"k\" RollCode=\"1\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"2\" PTM=\"0\"",
         Zero16 + QByteArray("k") + QByteArray(15, 0) + Le32({1}) + QByteArray::fromHex("0000000400000000")},
        {"ManualNoEncryption", "Secure_Type=\"2\" Key=\"\" RollCode=\"0\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"",
         QByteArray(44, 0)},
        // unsecured: the block is there, all zero, whatever the attributes hold
        {"Unsecured", "Secure_Type=\"0\" Key=\"secret\" RollCode=\"9\" RollCodeAlg=\"1\" RollCodeTx=\"1\" CMACAlg=\"1\" DataCript=\"1\" PTM=\"1\"",
         QByteArray(44, 0)},
    };
    for (const TSecCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_EnOcean(Device(QStringLiteral("Id=\"7\" ") + QLatin1String(C.Attrs), QString()));
        const TCompile_Result R = Compile();
        ASSERT_TRUE(R.Ok()) << qPrintable(R.Error.Message());
        const QByteArray B = Compiler.Bank2();
        ASSERT_EQ(B.size(), 8 + 28 + 44);
        EXPECT_EQ(B.mid(36, 44).toHex(' '), C.Block.toHex(' '));
    }
}

TEST_F(ImageCompilerTest, TwoDevicesAreLaidOutSectionBySection)
{
    Write_EnOcean(Plain_Device(QStringLiteral("4294967295"), Eep(0xA5, 2, 5, Var(0, "T", 16, 8, 0, 0)))
                  + Plain_Device(QStringLiteral("4294967296"), Eep(0xF6, 2, 1, Var(0, "R", 0, 1, 1, 0))
                                                                   + Eep(0xA5, 2, 5, QString())));
    ASSERT_TRUE(Compile().Ok());
    const QByteArray B = Compiler.Bank2();
    const std::uint32_t Base = 0x80000;
    EXPECT_EQ(U32(B, 0), 2u);
    EXPECT_EQ(U32(B, 8), 0xFFFFFFFFu);        // low 32 bits of the ID
    EXPECT_EQ(U32(B, 8 + 28), 0u);            // 4294967296 keeps its low 32 bits: 0
    const std::uint32_t Sec = Base + 8 + 56;
    EXPECT_EQ(U32(B, 8 + 8), Sec);
    EXPECT_EQ(U32(B, 36 + 8), Sec + 44);      // the second block follows directly
    const std::uint32_t Eeps = Sec + 88;
    EXPECT_EQ(U32(B, 8 + 16), Eeps);          // device 1's EEP first
    EXPECT_EQ(U32(B, 36 + 12), 2u);
    EXPECT_EQ(U32(B, 36 + 16), Eeps + 12);    // then device 2's two EEPs
    EXPECT_EQ(U32(B, 36 + 24), Eeps + 36);    // SAEepAdd: where the empty table would begin
    // the EEP without variables stays, with no cases, pointing at what follows
    const int Eep3 = static_cast<int>(Eeps - Base) + 24;
    EXPECT_EQ(U32(B, Eep3), 0xA5u);
    EXPECT_EQ(U32(B, Eep3 + 4), 0u);
    EXPECT_EQ(U32(B, Eep3 + 8), Base + Eep3 + 12 + 80);
    EXPECT_EQ(U32(B, Eep3 - 12 + 4), 1u);     // F6 case, identifier 48 from the catalogue
    EXPECT_EQ(U32(B, Eep3 + 12 + 40 + 8), 48u);
    EXPECT_EQ(B.size(), Eep3 + 12 + 80 + 32);

    // Walked through its links, as the gateway reads it, the image holds
    // exactly what was entered; a broken link is found.
    std::vector<TBank2_Device> Devices;
    QString Error;
    ASSERT_TRUE(Read_Bank2(B, Devices, Error)) << qPrintable(Error);
    ASSERT_EQ(Devices.size(), 2u);
    EXPECT_EQ(Devices[0].Id, 0xFFFFFFFFu);
    ASSERT_EQ(Devices[0].Uni.size(), 1u);
    ASSERT_EQ(Devices[0].Uni[0].Cases.size(), 1u);
    ASSERT_EQ(Devices[0].Uni[0].Cases[0].In.size(), 1u);
    EXPECT_EQ(Devices[0].Uni[0].Cases[0].In[0].BitOffset, 16u);
    ASSERT_EQ(Devices[1].Uni.size(), 2u);
    EXPECT_EQ(Devices[1].Uni[0].Rorg, 0xF6u);
    EXPECT_EQ(Devices[1].Uni[0].Cases.at(0).Id, 48u);
    EXPECT_EQ(Devices[1].Uni[0].Cases.at(0).In.at(0).Position, 1u);
    EXPECT_TRUE(Devices[1].Uni[1].Cases.empty());
    EXPECT_TRUE(Devices[1].SAck.empty());
    QByteArray Broken = B;
    Broken[Eep3 - 12 + 8 + 2] = 0x09; // the F6 EEP's case address now lies beyond the image
    EXPECT_FALSE(Read_Bank2(Broken, Devices, Error));
    EXPECT_FALSE(Read_Bank2(B + QByteArray(4, 0), Devices, Error)); // bytes no table reaches
}

TEST_F(ImageCompilerTest, VariablesTheCatalogueCannotPlaceAreListedAndLeftOut)
{
    Write_EnOcean(Plain_Device(QStringLiteral("0x10"),
                               Eep(0xA5, 0x02, 0x05, Var(5, "Beyond", 0, 1, 0, 0) + Var(0, "Ok", 0, 1, 0, 0))
                                   + Eep(0xA5, 0x99, 0x01, Var(0, "Unknown", 0, 1, 0, 0))));
    const TCompile_Result R = Compile();
    ASSERT_TRUE(R.Ok());
    ASSERT_EQ(R.Unplaced.size(), 2);
    EXPECT_EQ(R.Unplaced[0].Data, QStringLiteral("Beyond"));
    EXPECT_EQ(R.Unplaced[0].Case_Index, 5);
    EXPECT_EQ(R.Unplaced[1].Func, 0x99);
    const auto &D = Compiler.Devices().at(0);
    EXPECT_EQ(D.UniEepNum, 2u);
    EXPECT_EQ(D.UniEepTable[0].CaseTable.at(0).InVarNum, 1u);
    EXPECT_EQ(D.UniEepTable[1].CaseNum, 0u);
}

TEST_F(ImageCompilerTest, CaseIndexThatIsNoNumberMeansTheFirstCase)
{
    Write_EnOcean(Plain_Device(QStringLiteral("1"),
                               Eep(0xA5, 2, 5, QStringLiteral("<Variable CaseInd=\"x\" BitOffs=\"1\" BitSize=\"2\" Position=\"3\" BitStart=\"4\"/>"))));
    ASSERT_TRUE(Compile().Ok());
    EXPECT_EQ(Compiler.Devices().at(0).UniEepTable.at(0).CaseNum, 1u);
}

struct TErrCase
{
    const char *Name;
    QString Devices;
    int Device;
    const char *Attribute;
};

TEST_F(ImageCompilerTest, BadAttributesStopTheCompileWithTheirPlace)
{
    const QString Good = Plain_Device(QStringLiteral("1"), QString());
    const TErrCase Cases[] = {
        {"IdNoNumber", Good + Plain_Device(QStringLiteral("12AB"), QString()), 1, "Id"},
        {"SecureTypeMissing", Device(QStringLiteral("Id=\"3\""), QString()), 0, "Secure_Type"},
        {"RollCodeEmptyWithManualSecurity",
         Good + Device(QStringLiteral("Id=\"3\" Secure_Type=\"2\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\""), QString()),
         1, "RollCode"},
        {"BitSizeNoNumber", Plain_Device(QStringLiteral("1"), Eep(0xA5, 2, 5, QStringLiteral("<Variable CaseInd=\"0\" BitOffs=\"1\" BitSize=\"z\" Position=\"3\" BitStart=\"4\"/>"))), 0, "BitSize"},
        {"FuncNumMissing", Plain_Device(QStringLiteral("1"), QStringLiteral("<RorgFuncType RorgNum=\"165\" TypeNum=\"5\"><VariablesList/></RorgFuncType>")), 0, "FuncNum"},
        {"VariablesListMissing", Plain_Device(QStringLiteral("1"), QStringLiteral("<RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"/>")), 0, "VariablesList"},
    };
    for (const TErrCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_EnOcean(C.Devices);
        const TCompile_Result R = Compile();
        ASSERT_FALSE(R.Ok());
        EXPECT_EQ(R.Error.File, EnOcean());
        EXPECT_EQ(R.Error.Device, C.Device);
        EXPECT_EQ(R.Error.Attribute, QLatin1String(C.Attribute));
        const QString M = R.Error.Message();
        EXPECT_TRUE(M.contains(QStringLiteral("EnOcean.xml")) && M.contains(QLatin1String(C.Attribute))) << qPrintable(M);
        EXPECT_TRUE(Compiler.Bank1().isEmpty());
        EXPECT_TRUE(Compiler.Bank2().isEmpty());
    }
}

TEST_F(ImageCompilerTest, MalformedEnOceanFileIsAnError)
{
    Write_File(EnOcean(), "<EnOcean><DevicesList>");
    const TCompile_Result R = Compile();
    ASSERT_FALSE(R.Ok());
    EXPECT_EQ(R.Error.File, EnOcean());
    EXPECT_EQ(R.Error.Device, -1);
}

TEST_F(ImageCompilerTest, TablesThatDoNotFitAreRefusedNotCut)
{
    // 72 + 12 + 40 + 16 * n bytes per device; a single device with 8200 variables needs 131,332 bytes
    QString Vars;
    for (int I = 0; I < 8200; ++I)
        Vars += Var(0, "v", 0, 1, I, 0);
    Write_EnOcean(Plain_Device(QStringLiteral("1"), Eep(0xA5, 2, 5, Vars)));
    const TCompile_Result R = Compile();
    ASSERT_FALSE(R.Ok());
    EXPECT_TRUE(R.Error.Message().contains(QStringLiteral("131072")));
    EXPECT_TRUE(Compiler.Bank2().isEmpty());
    // just below the limit it still compiles: 132 + 16 * 8183 = 131,060 bytes
    Vars.clear();
    for (int I = 0; I < 8183; ++I)
        Vars += Var(0, "v", 0, 1, I, 0);
    Write_EnOcean(Plain_Device(QStringLiteral("1"), Eep(0xA5, 2, 5, Vars)));
    ASSERT_TRUE(Compile().Ok());
    EXPECT_EQ(Compiler.Bank2().size(), 8 + 72 + 12 + 40 + 16 * 8183);
}

// Damaged files (every truncation of a good one) end in an image or in an
// error value, never in a crash or a half-built image.
TEST_F(ImageCompilerTest, EveryTruncationOfTheFilesIsHandled)
{
    Write_EnOcean(Plain_Device(QStringLiteral("0x10"), Eep(0xD2, 1, 0, Var(0, "a", 8, 1, 1, 0) + Var(1, "b", 9, 1, 2, 0)))
                  + Device(QStringLiteral("Id=\"2\" Secure_Type=\"2\" Key=\"k\" RollCode=\"1\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
                                          "CMACAlg=\"0\" DataCript=\"1\" PTM=\"0\""),
                           QString()));
    Write_ParGen(QStringLiteral("<Ethernet_IP1>10</Ethernet_IP1><Ethernet_EN_GAT>1</Ethernet_EN_GAT>"));
    const QByteArray Good_EnOcean = Read_File(EnOcean());
    const QByteArray Good_ParGen = Read_File(ParGen());
    for (const auto &[Path, Good] : {std::pair{EnOcean(), Good_EnOcean}, std::pair{ParGen(), Good_ParGen}}) {
        for (int N = 0; N < Good.size(); ++N) {
            Write_File(Path, Good.left(N));
            const TCompile_Result R = Compile();
            if (R.Ok()) {
                EXPECT_EQ(Compiler.Bank1().size(), 2048);
                EXPECT_EQ(Compiler.Bank2().size(), Compiler.Tables_Size());
            } else {
                EXPECT_TRUE(Compiler.Bank2().isEmpty());
                EXPECT_EQ(R.Error.File, Path);
            }
        }
        Write_File(Path, Good);
    }
}

// ---- writing the files ------------------------------------------------------------

TEST_F(ImageCompilerTest, SaveCreatesBinAndWritesBothImages)
{
    Write_File(ParGen(), "<Par_Gen/>");
    ASSERT_TRUE(Compile().Ok());
    const QString Project = Dir.filePath(QStringLiteral("Plant A"));
    ASSERT_TRUE(QDir().mkpath(Project));
    ASSERT_FALSE(Compiler.Save_Bin_Files(Project).Failed);
    EXPECT_EQ(Read_File(Project + "/bin/bank1.bin"), Compiler.Bank1());
    EXPECT_EQ(Read_File(Project + "/bin/bank2.bin"), Compiler.Bank2());
}

TEST_F(ImageCompilerTest, SaveFailureIsReportedAndKeepsOldFiles)
{
    ASSERT_TRUE(Compile().Ok());
    // a file where the bin folder should be
    const QString Project = Dir.filePath(QStringLiteral("P"));
    Write_File(Project + "/bin", "not a folder");
    const TCompile_Error E = Compiler.Save_Bin_Files(Project);
    EXPECT_TRUE(E.Failed);
    EXPECT_EQ(Read_File(Project + "/bin"), QByteArray("not a folder"));
}

// The two images are replaced as a pair: when either cannot be put in place,
// both files are as they were before (present or absent), and no temporary
// or kept copy is left in bin.
TEST_F(ImageCompilerTest, SaveReplacesThePairAllOrNothing)
{
    struct TCase
    {
        const char *Name;
        bool Old_Bank1, Old_Bank2; // files present before the save
        const char *Failing;       // the image whose rename fails; nullptr: none
    };
    const TCase Cases[] = {
        {"BothReplaced", true, true, nullptr},
        {"Bank2FailsBank1GetsItsOldContentBack", true, true, "bank2.bin"},
        {"Bank1FailsNothingChanges", true, true, "bank1.bin"},
        {"Bank2FailsNewBank1IsRemovedAgain", false, false, "bank2.bin"},
        {"Bank2FailsWithOnlyOldBank1", true, false, "bank2.bin"},
        {"FirstWriteCreatesBoth", false, false, nullptr},
    };
    Write_File(ParGen(), "<Par_Gen/>");
    ASSERT_TRUE(Compile().Ok());
    int N = 0;
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QString Project = Dir.filePath(QStringLiteral("Pair%1").arg(++N));
        const QString Bin = Project + QStringLiteral("/bin");
        ASSERT_TRUE(QDir().mkpath(Bin));
        if (C.Old_Bank1)
            Write_File(Bin + "/bank1.bin", "old bank1");
        if (C.Old_Bank2)
            Write_File(Bin + "/bank2.bin", "old bank2");
        Set_File_Group_Fault(C.Failing ? Bin + QLatin1Char('/') + QLatin1String(C.Failing) : QString());
        const TCompile_Error E = Compiler.Save_Bin_Files(Project);
        Set_File_Group_Fault(QString());
        if (!C.Failing) {
            EXPECT_FALSE(E.Failed) << E.Details().toStdString();
            // readable by others, as any new file, not private like a temporary one
            EXPECT_TRUE(QFile::permissions(Bin + "/bank1.bin") & QFileDevice::ReadOther);
            EXPECT_EQ(Read_File(Bin + "/bank1.bin"), Compiler.Bank1());
            EXPECT_EQ(Read_File(Bin + "/bank2.bin"), Compiler.Bank2());
        } else {
            EXPECT_TRUE(E.Failed);
            EXPECT_TRUE(E.Details().contains(QLatin1String(C.Failing))) << E.Details().toStdString();
            EXPECT_TRUE(E.Details().contains(QLatin1String("unchanged"))) << E.Details().toStdString();
            EXPECT_EQ(QFile::exists(Bin + "/bank1.bin"), C.Old_Bank1);
            EXPECT_EQ(QFile::exists(Bin + "/bank2.bin"), C.Old_Bank2);
            if (C.Old_Bank1) {
                EXPECT_EQ(Read_File(Bin + "/bank1.bin"), QByteArray("old bank1"));
            }
            if (C.Old_Bank2) {
                EXPECT_EQ(Read_File(Bin + "/bank2.bin"), QByteArray("old bank2"));
            }
        }
        QStringList Expected;
        if (!C.Failing || C.Old_Bank1)
            Expected << "bank1.bin";
        if (!C.Failing || C.Old_Bank2)
            Expected << "bank2.bin";
        EXPECT_EQ(QDir(Bin).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name), Expected);
    }
}

// A full disk: neither image is replaced, the reason is the system's, and
// nothing but the old images stays in bin.
TEST_F(ImageCompilerTest, SaveOnAFullDiskKeepsBothOldImages)
{
    TSmall_Disk Disk;
    if (!Disk.Mounted())
        GTEST_SKIP() << qPrintable(Disk.Why_Not());
    Write_File(ParGen(), "<Par_Gen/>");
    ASSERT_TRUE(Compile().Ok());
    const QString Project = Disk.File_Path(QStringLiteral("P"));
    const QString Bin = Project + QStringLiteral("/bin");
    Write_File(Bin + "/bank1.bin", "old bank1");
    Write_File(Bin + "/bank2.bin", "old bank2");
    ASSERT_TRUE(Disk.Fill());
    const TCompile_Error E = Compiler.Save_Bin_Files(Project);
    EXPECT_TRUE(E.Failed);
    EXPECT_TRUE(E.Details().contains(QString::fromLocal8Bit(std::strerror(ENOSPC)))) << E.Details().toStdString();
    EXPECT_EQ(Read_File(Bin + "/bank1.bin"), QByteArray("old bank1"));
    EXPECT_EQ(Read_File(Bin + "/bank2.bin"), QByteArray("old bank2"));
    EXPECT_EQ(QDir(Bin).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name),
              (QStringList{"bank1.bin", "bank2.bin"}));
}

// A folder where bank2.bin should be: bank2 cannot be replaced, so bank1 is not either.
TEST_F(ImageCompilerTest, SaveLeavesBank1WhenBank2IsAFolder)
{
    Write_File(ParGen(), "<Par_Gen/>");
    ASSERT_TRUE(Compile().Ok());
    const QString Bin = Dir.filePath(QStringLiteral("Q/bin"));
    ASSERT_TRUE(QDir().mkpath(Bin + "/bank2.bin"));
    Write_File(Bin + "/bank1.bin", "old bank1");
    EXPECT_TRUE(Compiler.Save_Bin_Files(Dir.filePath(QStringLiteral("Q"))).Failed);
    EXPECT_EQ(Read_File(Bin + "/bank1.bin"), QByteArray("old bank1"));
    EXPECT_EQ(QDir(Bin).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"bank1.bin"});
}

TEST_F(ImageCompilerTest, SaveRefusesWhenTheLastCompileFailed)
{
    Write_File(ParGen(), "<broken");
    ASSERT_FALSE(Compile().Ok());
    EXPECT_TRUE(Compiler.Save_Bin_Files(Dir.path()).Failed);
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("bin/bank1.bin"))));
}

} // namespace

// ---- with the real catalogue reader ------------------------------------------------

#include "catalog/CatalogEnOcean.h"
#include "image/CatalogLookup.h"

namespace {

TEST_F(ImageCompilerTest, CaseIdentifiersComeFromTheCatalogue)
{
    // F6: a status-field bit pattern (bit offset 2 and 3 from the top: 32 + 16);
    // D2: a 4-bit field at offset 4 with value 3.
    const QString Cat = Dir.filePath(QStringLiteral("eep.xml"));
    Write_File(Cat, "<profile>"
                    "<rorg><number>0xF6</number><title>RPS</title><func><number>0x02</number><title>Rocker</title>"
                    "<type><number>0x01</number><title>Light</title>"
                    "<case><title>Pressed</title><datafield><data>R1</data><bitoffs>0</bitoffs><bitsize>3</bitsize></datafield>"
                    "<condition><statusfield><value>1</value><bitoffs>2</bitoffs><bitsize>1</bitsize></statusfield>"
                    "<statusfield><value>1</value><bitoffs>3</bitoffs><bitsize>1</bitsize></statusfield></condition></case>"
                    "</type></func></rorg>"
                    "<rorg><number>0xD2</number><title>VLD</title><func><number>0x01</number><title>Actuator</title>"
                    "<type><number>0x00</number><title>Switch</title>"
                    "<case><title>Status</title><datafield><data>OV</data><bitoffs>17</bitoffs><bitsize>7</bitsize></datafield>"
                    "<condition><datafield><value>3</value><bitoffs>4</bitoffs><bitsize>4</bitsize></datafield></condition></case>"
                    "</type></func></rorg></profile>");
    TCatalog_EnOcean Catalog_File;
    ASSERT_TRUE(Catalog_File.Read_Cat_EnOcean_XML(Cat));
    Write_EnOcean(Plain_Device(QStringLiteral("1"), Eep(0xF6, 2, 1, Var(0, "R1", 0, 3, 1, 0)) + Eep(0xD2, 1, 0, Var(0, "OV", 17, 7, 2, 0))));
    const TCompile_Result R = Compiler.Compile_Configuration(ParGen(), EnOcean(), TCatalog_Case_Lookup(&Catalog_File));
    ASSERT_TRUE(R.Ok());
    EXPECT_TRUE(R.Unplaced.isEmpty());
    const auto &Eeps = Compiler.Devices().at(0).UniEepTable;
    ASSERT_EQ(Eeps.size(), 2u);
    const auto &F6 = Eeps[0].CaseTable.at(0);
    EXPECT_EQ(std::tuple(F6.InCaseIdSize, F6.InCaseIdOffset, F6.InCase), std::tuple(0u, 0u, 48u));
    const auto &D2 = Eeps[1].CaseTable.at(0);
    EXPECT_EQ(std::tuple(D2.InCaseIdSize, D2.InCaseIdOffset, D2.InCase), std::tuple(4u, 4u, 3u));
    // without a catalogue nothing can be placed
    const TCompile_Result None = Compiler.Compile_Configuration(ParGen(), EnOcean(), TCatalog_Case_Lookup(nullptr));
    ASSERT_TRUE(None.Ok());
    EXPECT_EQ(None.Unplaced.size(), 2);
}

} // namespace
