#include "editors/ParGen_Data.h"
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ParGenTest : public ::testing::Test
{
protected:
    QString Path() const { return Dir.filePath("ParGen.xml"); }
    QTemporaryDir Dir;
};

// A file of the given elements, root Par_Gen, comment after it.
QByteArray ParGen_File(const QByteArray &Elements)
{
    return "<Par_Gen>" + Elements + "</Par_Gen><!--SW_VERSION = 1.000-->";
}

void Expect_Defaults(const TParGen_Data &D)
{
    EXPECT_EQ(D.FModbusSlave_Serial, 0);
    EXPECT_EQ(D.FModbusSlave_Baudrate, 7);
    EXPECT_EQ(D.FModbusSlave_Parity, 0);
    EXPECT_EQ(D.FModbusSlave_StopBits, 0);
    EXPECT_EQ(D.FModbusSlave_IDDevice, "10");
    EXPECT_TRUE(D.FModbusSlave_ReadInput);
    EXPECT_EQ(D.FEthernet_IP, (std::array<QString, 4>{"192", "168", "0", "10"}));
    EXPECT_EQ(D.FEthernet_SM, (std::array<QString, 4>{"255", "255", "255", "0"}));
    EXPECT_EQ(D.FEthernet_GAT, (std::array<QString, 4>{"192", "168", "0", "1"}));
    EXPECT_FALSE(D.FEthernet_En_GAT);
    EXPECT_EQ(D.FEthernet_DNS, (std::array<QString, 4>{"8", "8", "8", "8"}));
    EXPECT_FALSE(D.FEthernet_En_DNS);
}

// Values unlike every default, so a load that keeps old values shows.
TParGen_Data Changed()
{
    TParGen_Data D;
    D.FModbusSlave_Serial = 1;
    D.FModbusSlave_Baudrate = 3;
    D.FModbusSlave_Parity = 2;
    D.FModbusSlave_StopBits = 1;
    D.FModbusSlave_IDDevice = "247";
    D.FModbusSlave_ReadInput = false;
    D.FEthernet_IP = {"10", "0", "0", "010"};
    D.FEthernet_SM = {"255", "255", "0", "0"};
    D.FEthernet_GAT = {"10", "0", "0", "254"};
    D.FEthernet_En_GAT = true;
    D.FEthernet_DNS = {"1", "1", "1", "1"};
    D.FEthernet_En_DNS = true;
    return D;
}

} // namespace

// Without a file every value is its default and the report says so.
TEST_F(ParGenTest, MissingFileGivesDefaults)
{
    TParGen_Data D = Changed();
    const TParGen_Load_Result R = D.Load(Path());
    EXPECT_EQ(R.Kind, TParGen_Load_Result::plNoFile);
    EXPECT_TRUE(R.Ok());
    Expect_Defaults(D);
}

// Saving writes all 24 elements in order, as typed, with the comment after the root.
TEST_F(ParGenTest, SaveWritesEveryElementInOrder)
{
    const TParGen_Data D;
    ASSERT_TRUE(D.Save(Path()));
    EXPECT_EQ(Read_File(Path()),
              "<Par_Gen><MODBUS_SLAVE_SERIAL>0</MODBUS_SLAVE_SERIAL><MODBUS_SLAVE_BAUDRATE>7</MODBUS_SLAVE_BAUDRATE>"
              "<MODBUS_SLAVE_PARITY>0</MODBUS_SLAVE_PARITY><MODBUS_SLAVE_STOPBITS>0</MODBUS_SLAVE_STOPBITS>"
              "<MODBUS_SLAVE_IDDEVICE>10</MODBUS_SLAVE_IDDEVICE>"
              "<MODBUS_SLAVE_READ_INPUT_REGISTER>1</MODBUS_SLAVE_READ_INPUT_REGISTER>"
              "<Ethernet_IP1>192</Ethernet_IP1><Ethernet_IP2>168</Ethernet_IP2><Ethernet_IP3>0</Ethernet_IP3>"
              "<Ethernet_IP4>10</Ethernet_IP4><Ethernet_SM1>255</Ethernet_SM1><Ethernet_SM2>255</Ethernet_SM2>"
              "<Ethernet_SM3>255</Ethernet_SM3><Ethernet_SM4>0</Ethernet_SM4><Ethernet_GAT1>192</Ethernet_GAT1>"
              "<Ethernet_GAT2>168</Ethernet_GAT2><Ethernet_GAT3>0</Ethernet_GAT3><Ethernet_GAT4>1</Ethernet_GAT4>"
              "<Ethernet_EN_GAT>0</Ethernet_EN_GAT><Ethernet_DNS1>8</Ethernet_DNS1><Ethernet_DNS2>8</Ethernet_DNS2>"
              "<Ethernet_DNS3>8</Ethernet_DNS3><Ethernet_DNS4>8</Ethernet_DNS4><Ethernet_EN_DNS>0</Ethernet_EN_DNS>"
              "</Par_Gen><!--SW_VERSION = 1.000-->");
}

// Write, read back, compare: every value survives, typed texts unchanged.
TEST_F(ParGenTest, RoundTrip)
{
    const TParGen_Data Saved = Changed();
    ASSERT_TRUE(Saved.Save(Path()));
    TParGen_Data Loaded;
    const TParGen_Load_Result R = Loaded.Load(Path());
    EXPECT_EQ(R.Kind, TParGen_Load_Result::plRead);
    EXPECT_TRUE(R.Defaulted.isEmpty()) << R.Defaulted.join(',').toStdString();
    EXPECT_EQ(Loaded.To_Bytes(), Saved.To_Bytes());
    EXPECT_EQ(Loaded.FEthernet_IP[3], "010"); // leading zero kept
}

// Each way a file or an element can fail, and what the values become.
TEST_F(ParGenTest, LoadFailures)
{
    struct TRow {
        const char *Name;
        QByteArray File;
        TParGen_Load_Result::TKind Kind;
        QStringList Defaulted; // elements expected to fall back ("*" for all 24)
        std::function<void(const TParGen_Data &)> Check;
    };
    const QStringList All = TParGen_Data::Element_Names();
    const TRow Rows[] = {
        // a file that does not parse starts from defaults, never from earlier values
        {"NotWellFormed", "<Par_Gen><MODBUS_SLAVE_SERIAL>1</Par_Gen>", TParGen_Load_Result::plUnreadable, {},
         [](const TParGen_Data &D) { Expect_Defaults(D); }},
        {"EmptyFile", "", TParGen_Load_Result::plUnreadable, {}, [](const TParGen_Data &D) { Expect_Defaults(D); }},
        // the first node is not the root: every element takes its default
        {"CommentBeforeRoot", "<!--SW_VERSION = 1.000--><Par_Gen><MODBUS_SLAVE_SERIAL>1</MODBUS_SLAVE_SERIAL></Par_Gen>",
         TParGen_Load_Result::plRead, All, [](const TParGen_Data &D) { Expect_Defaults(D); }},
        {"RootWithoutChildren", ParGen_File(""), TParGen_Load_Result::plRead, All,
         [](const TParGen_Data &D) { Expect_Defaults(D); }},
        // a combo index outside its list loads as that element's default, never -1
        {"ComboOutOfRange", ParGen_File("<MODBUS_SLAVE_SERIAL>5</MODBUS_SLAVE_SERIAL><MODBUS_SLAVE_BAUDRATE>-1</MODBUS_SLAVE_BAUDRATE>"
                                        "<MODBUS_SLAVE_PARITY>2</MODBUS_SLAVE_PARITY>"),
         TParGen_Load_Result::plRead, {"MODBUS_SLAVE_SERIAL", "MODBUS_SLAVE_BAUDRATE"},
         [](const TParGen_Data &D) {
             EXPECT_EQ(D.FModbusSlave_Serial, 0);
             EXPECT_EQ(D.FModbusSlave_Baudrate, 7);
             EXPECT_EQ(D.FModbusSlave_Parity, 2);
         }},
        {"ComboNotANumber", ParGen_File("<MODBUS_SLAVE_STOPBITS>two</MODBUS_SLAVE_STOPBITS><MODBUS_SLAVE_PARITY>$2</MODBUS_SLAVE_PARITY>"),
         TParGen_Load_Result::plRead, {"MODBUS_SLAVE_STOPBITS"},
         [](const TParGen_Data &D) {
             EXPECT_EQ(D.FModbusSlave_StopBits, 0);
             EXPECT_EQ(D.FModbusSlave_Parity, 2);
         }},
        // only exactly "1" is on
        {"CheckTexts", ParGen_File("<MODBUS_SLAVE_READ_INPUT_REGISTER>true</MODBUS_SLAVE_READ_INPUT_REGISTER>"
                                   "<Ethernet_EN_GAT>01</Ethernet_EN_GAT><Ethernet_EN_DNS>1</Ethernet_EN_DNS>"),
         TParGen_Load_Result::plRead, {},
         [](const TParGen_Data &D) {
             EXPECT_FALSE(D.FModbusSlave_ReadInput);
             EXPECT_FALSE(D.FEthernet_En_GAT);
             EXPECT_TRUE(D.FEthernet_En_DNS);
         }},
        // an empty edit element stays empty (the checks refuse it at OK)
        {"EmptyEditStaysEmpty", ParGen_File("<Ethernet_IP1/>"), TParGen_Load_Result::plRead, {},
         [](const TParGen_Data &D) { EXPECT_EQ(D.FEthernet_IP[0], QString()); }},
        // an element holding elements instead of text takes its default
        {"ElementWithChildren", ParGen_File("<MODBUS_SLAVE_IDDEVICE><x/></MODBUS_SLAVE_IDDEVICE>"),
         TParGen_Load_Result::plRead, {"MODBUS_SLAVE_IDDEVICE"},
         [](const TParGen_Data &D) { EXPECT_EQ(D.FModbusSlave_IDDevice, "10"); }},
        // the first element of a name counts; unknown elements are ignored
        {"DuplicateAndUnknown", ParGen_File("<PROFINET_NB_IN>12</PROFINET_NB_IN><Ethernet_IP4>7</Ethernet_IP4><Ethernet_IP4>8</Ethernet_IP4>"),
         TParGen_Load_Result::plRead, {},
         [](const TParGen_Data &D) { EXPECT_EQ(D.FEthernet_IP[3], "7"); }},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        Write_File(Path(), R.File);
        TParGen_Data D = Changed();
        const TParGen_Load_Result Result = D.Load(Path());
        EXPECT_EQ(Result.Kind, R.Kind);
        if (R.Kind == TParGen_Load_Result::plUnreadable) {
            EXPECT_FALSE(Result.Ok());
            EXPECT_FALSE(Result.Reason.isEmpty());
        } else {
            // elements missing from these small files fall back too; check the named ones
            for (const QString &Name : R.Defaulted)
                EXPECT_TRUE(Result.Defaulted.contains(Name)) << Name.toStdString();
            for (const QString &Name : All) {
                if (R.File.contains(("<" + Name + ">").toUtf8()) && !R.Defaulted.contains(Name)) {
                    EXPECT_FALSE(Result.Defaulted.contains(Name)) << Name.toStdString();
                }
            }
        }
        R.Check(D);
    }
}

// A save that cannot write reports why; nothing is half-written.
TEST_F(ParGenTest, SaveFailureSaysWhy)
{
    struct TRow { const char *Name; QString Target; };
    Write_File(Dir.filePath("plainfile"), "x");
    QDir(Dir.path()).mkdir("folder");
    const TRow Rows[] = {
        {"FolderMissing", Dir.filePath("missing/ParGen.xml")},
        {"ParentIsAFile", Dir.filePath("plainfile/ParGen.xml")},
        {"TargetIsAFolder", Dir.filePath("folder")},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        QString Error;
        EXPECT_FALSE(TParGen_Data().Save(R.Target, &Error));
        EXPECT_FALSE(Error.isEmpty());
    }
    EXPECT_EQ(Read_File(Dir.filePath("plainfile")), "x");
}
