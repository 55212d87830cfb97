#include "editors/EnOcean_Network.h"
#include "platform/XmlDoc.h"
#include "TestSupport.h"
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class EnOceanFileTest : public ::testing::Test
{
protected:
    QString Path() const { return Dir.filePath("EnOcean.xml"); }
    QTemporaryDir Dir;
};

std::unique_ptr<TVarEnOcean> Var(int Case, const char *Data, int Offs, int Size, int Pos, int Start)
{
    auto V = std::make_unique<TVarEnOcean>();
    V->FCaseIndex = Case;
    V->FData = Data;
    V->FBitOffs = Offs;
    V->FBitSize = Size;
    V->FPosition = Pos;
    V->FBitStart = Start;
    return V;
}

std::unique_ptr<TRorFunTyp> EEP(int Rorg, int Func, int Type)
{
    auto E = std::make_unique<TRorFunTyp>();
    E->FRorgNum = Rorg;
    E->FFuncNum = Func;
    E->FTypeNum = Type;
    return E;
}

// Three devices covering every field: secured with manual settings and both
// lists, unsecured without EEPs, pre-shared key with an EEP without variables.
TDevice_List Sample_Network()
{
    TDevice_List L;
    auto D1 = std::make_unique<TDevice_EnOcean>();
    D1->FId = "0x0180A2B3";
    D1->FSecure_Type = 2;
    D1->FKey = "0123456789ABCDEF";
    D1->FRollCode = "65535";
    D1->FRollCodeAlg = 2;
    D1->FRollCodeTx = 1;
    D1->FCMACAlg = 1;
    D1->FDataCript = 2;
    D1->FPTM = 1;
    auto E1 = EEP(0xA5, 0x02, 0x05);
    E1->VariableList.push_back(Var(0, "Temperature", 16, 8, 3, 0));
    E1->VariableList.push_back(Var(0, "Learn Button", 28, 1, -4, 7));
    D1->UnidirectionalList.push_back(std::move(E1));
    auto E2 = EEP(0xD2, 0x01, 0x00);
    E2->VariableList.push_back(Var(2, "Output value", 17, 7, 10, 1));
    D1->SmartACKList.push_back(std::move(E2));
    L.push_back(std::move(D1));

    L.push_back(std::make_unique<TDevice_EnOcean>());

    auto D3 = std::make_unique<TDevice_EnOcean>();
    D3->FId = "12345";
    D3->FSecure_Type = 1;
    D3->FKey = "K&<\"'";
    D3->UnidirectionalList.push_back(EEP(0xF6, 2, 1));
    L.push_back(std::move(D3));
    return L;
}

QByteArray Bytes_Of(const TDevice_List &L)
{
    TXmlDocument Doc;
    Build_EnOcean_Document(L, Doc);
    return Doc.Save_To_Bytes();
}

// A device element with every attribute, its attributes replaced or removed by Edit.
QByteArray Device(const QByteArray &Attributes, const QByteArray &Body = "<UnidirectionalList/>")
{
    return "<Device " + Attributes + ">" + Body + "<SmartACKList/><Remote/></Device>";
}
const QByteArray Full_Attributes =
    R"(Id="1" Secure_Type="0" Key="" RollCode="" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0")";

QByteArray Network(const QByteArray &Devices)
{
    return "<EnOcean><DevicesList>" + Devices + "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->";
}

} // namespace

// The document's exact shape: attribute order, empty lists written, comment after the root.
TEST_F(EnOceanFileTest, SaveWritesExactShape)
{
    TDevice_List L;
    L.push_back(std::make_unique<TDevice_EnOcean>());
    L.back()->UnidirectionalList.push_back(EEP(246, 2, 1));
    L.back()->UnidirectionalList.back()->VariableList.push_back(Var(1, "R1", 0, 3, 5, 2));
    QString Error;
    ASSERT_TRUE(Save_EnOcean_File(Path(), L, &Error)) << Error.toStdString();
    EXPECT_EQ(Read_File(Path()),
              "<EnOcean><DevicesList>"
              "<Device Id=\"0\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" "
              "DataCript=\"0\" PTM=\"0\"><UnidirectionalList><RorgFuncType RorgNum=\"246\" FuncNum=\"2\" TypeNum=\"1\">"
              "<VariablesList><Variable CaseInd=\"1\" Data=\"R1\" BitOffs=\"0\" BitSize=\"3\" Position=\"5\" BitStart=\"2\"/>"
              "</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList/><Remote/></Device>"
              "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->");

    ASSERT_TRUE(Save_EnOcean_File(Path(), TDevice_List(), &Error));
    EXPECT_EQ(Read_File(Path()), "<EnOcean><DevicesList/></EnOcean><!--SW_VERSION = 1.000-->");
}

// Write, read back, compare: every field of every level survives, and a second save is identical.
TEST_F(EnOceanFileTest, RoundTrip)
{
    const TDevice_List Saved = Sample_Network();
    ASSERT_TRUE(Save_EnOcean_File(Path(), Saved));
    TDevice_List Loaded;
    const TEnOcean_Load_Result R = Load_EnOcean_File(Path(), Loaded);
    EXPECT_EQ(R.Kind, TEnOcean_Load_Result::elRead);
    EXPECT_TRUE(R.Complete());
    EXPECT_EQ(R.Devices_Read, 3);
    ASSERT_EQ(Loaded.size(), 3u);
    EXPECT_EQ(Bytes_Of(Loaded), Bytes_Of(Saved));
    ASSERT_TRUE(Save_EnOcean_File(Path(), Loaded));
    EXPECT_EQ(Read_File(Path()), Bytes_Of(Saved));

    const TDevice_EnOcean &D1 = *Loaded[0];
    EXPECT_EQ(D1.FId, "0x0180A2B3"); // the ID text as typed
    EXPECT_EQ(D1.FDataCript, 2);
    ASSERT_EQ(D1.SmartACKList.size(), 1u);
    EXPECT_EQ(D1.SmartACKList[0]->VariableList[0]->FData, "Output value");
    EXPECT_EQ(D1.UnidirectionalList[0]->VariableList[1]->FPosition, -4);
    EXPECT_EQ(Loaded[2]->FKey, "K&<\"'");
    EXPECT_TRUE(Loaded[2]->UnidirectionalList[0]->VariableList.empty());
}

// The older editor's form: the Ruzor AVI list is neither read nor written.
TEST_F(EnOceanFileTest, SmartAckIgnoredWhenAsked)
{
    ASSERT_TRUE(Save_EnOcean_File(Path(), Sample_Network(), nullptr, TSmartACK_Use::saIgnore));
    EXPECT_FALSE(Read_File(Path()).contains("Output value"));
    ASSERT_TRUE(Save_EnOcean_File(Path(), Sample_Network()));
    TDevice_List Loaded;
    EXPECT_EQ(Load_EnOcean_File(Path(), Loaded, TSmartACK_Use::saIgnore).Kind, TEnOcean_Load_Result::elRead);
    EXPECT_TRUE(Loaded[0]->SmartACKList.empty());
}

// Any element name inside the lists is read as a device, EEP entry or variable.
TEST_F(EnOceanFileTest, AnyElementNameInsideLists)
{
    Write_File(Path(), Network(R"(<Dev Id="7" Secure_Type="0" Key="" RollCode="" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0">)"
                               R"(<UnidirectionalList><X RorgNum="0xA5" FuncNum="2" TypeNum="5"><VariablesList><Y CaseInd="0" Data="T" BitOffs="1" BitSize="2" Position="3" BitStart="4"/></VariablesList></X></UnidirectionalList></Dev>)"));
    TDevice_List L;
    EXPECT_EQ(Load_EnOcean_File(Path(), L).Kind, TEnOcean_Load_Result::elRead);
    ASSERT_EQ(L.size(), 1u);
    ASSERT_EQ(L[0]->UnidirectionalList.size(), 1u);
    EXPECT_EQ(L[0]->UnidirectionalList[0]->FRorgNum, 0xA5);
    EXPECT_EQ(L[0]->UnidirectionalList[0]->VariableList[0]->FBitStart, 4);
}

// A load stops at the first error: earlier devices stay, the failing one and all after it are gone,
// and the result says the file was only partly read.
TEST_F(EnOceanFileTest, LoadFailures)
{
    const QByteArray Good = Device(Full_Attributes);
    const QByteArray Good2 = Device(R"(Id="2" Secure_Type="0" Key="" RollCode="" RollCodeAlg="0" RollCodeTx="0" CMACAlg="0" DataCript="0" PTM="0")");
    struct TRow {
        const char *Name;
        QByteArray File;
        TEnOcean_Load_Result::TKind Kind;
        int Devices;
        const char *Reason_Part; // a piece of the reason the user is shown
    };
    QByteArray No_PTM = Full_Attributes;
    No_PTM.replace(" PTM=\"0\"", "");
    QByteArray No_Key = Full_Attributes;
    No_Key.replace(" Key=\"\"", "");
    QByteArray No_Id = Full_Attributes;
    No_Id.replace("Id=\"1\" ", "");
    QByteArray Bad_Number = Full_Attributes;
    Bad_Number.replace("CMACAlg=\"0\"", "CMACAlg=\"one\"");
    const TRow Rows[] = {
        {"MissingFile", QByteArray(), TEnOcean_Load_Result::elNoFile, 0, ""},
        {"NotWellFormed", "<EnOcean><DevicesList>", TEnOcean_Load_Result::elUnreadable, 0, "line"},
        {"NoEnOceanRoot", "<Other/>", TEnOcean_Load_Result::elNoNetwork, 0, "EnOcean"},
        {"NoDevicesList", "<EnOcean/>", TEnOcean_Load_Result::elNoNetwork, 0, "DevicesList"},
        {"NumberAttributeMissing", Network(Good + Device(No_PTM) + Good2), TEnOcean_Load_Result::elPartial, 1, "PTM"},
        {"NumberNotWhole", Network(Good + Good2 + Device(Bad_Number)), TEnOcean_Load_Result::elPartial, 2, "one"},
        {"IdMissing", Network(Device(No_Id) + Good), TEnOcean_Load_Result::elPartial, 0, "\"Id\""},
        // a missing key loads as an empty key
        {"KeyMissingLoadsEmpty", Network(Device(No_Key) + Good2), TEnOcean_Load_Result::elRead, 2, ""},
        {"EEPWithoutVariablesList",
         Network(Good + Device(Full_Attributes, R"(<UnidirectionalList><RorgFuncType RorgNum="1" FuncNum="2" TypeNum="3"/></UnidirectionalList>)")),
         TEnOcean_Load_Result::elPartial, 1, "VariablesList"},
        {"VariableAttributeMissing",
         Network(Device(Full_Attributes, R"(<UnidirectionalList><RorgFuncType RorgNum="1" FuncNum="2" TypeNum="3"><VariablesList><Variable CaseInd="0" Data="x" BitOffs="0" BitSize="1" Position="0"/></VariablesList></RorgFuncType></UnidirectionalList>)")),
         TEnOcean_Load_Result::elPartial, 0, "BitStart"},
        {"SmartAckErrorDropsDevice",
         Network(Good + "<Device " + Full_Attributes + R"(><UnidirectionalList/><SmartACKList><E RorgNum="x" FuncNum="2" TypeNum="3"><VariablesList/></E></SmartACKList></Device>)"),
         TEnOcean_Load_Result::elPartial, 1, "RorgNum"},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        QFile::remove(Path());
        if (!R.File.isNull())
            Write_File(Path(), R.File);
        TDevice_List L;
        const TEnOcean_Load_Result Result = Load_EnOcean_File(Path(), L);
        EXPECT_EQ(Result.Kind, R.Kind);
        EXPECT_EQ(Result.Devices_Read, R.Devices);
        EXPECT_EQ(static_cast<int>(L.size()), R.Devices);
        EXPECT_EQ(Result.Complete(), R.Kind == TEnOcean_Load_Result::elRead || R.Kind == TEnOcean_Load_Result::elNoFile);
        EXPECT_TRUE(Result.Reason.contains(R.Reason_Part)) << Result.Reason.toStdString();
        if (!Result.Complete()) {
            EXPECT_FALSE(Result.Reason.isEmpty());
        }
    }
}

// A save that cannot write returns its reason and leaves what was there.
TEST_F(EnOceanFileTest, SaveFailureSaysWhy)
{
    Write_File(Dir.filePath("plainfile"), "x");
    QDir(Dir.path()).mkdir("folder");
    const QString Targets[] = {Dir.filePath("missing/EnOcean.xml"), Dir.filePath("plainfile/EnOcean.xml"),
                               Dir.filePath("folder")};
    for (const QString &Target : Targets) {
        SCOPED_TRACE(Target.toStdString());
        QString Error;
        EXPECT_FALSE(Save_EnOcean_File(Target, Sample_Network(), &Error));
        EXPECT_FALSE(Error.isEmpty());
    }
    EXPECT_EQ(Read_File(Dir.filePath("plainfile")), "x");
}

// Every attribute of a saved network removed in turn: the load keeps exactly the
// devices before the one that lost it (key and rolling code may be missing),
// and says it read the file only partly.
TEST_F(EnOceanFileTest, EveryMissingAttributeStopsAtItsDevice)
{
    const QByteArray Whole = Bytes_Of(Sample_Network());
    const QRegularExpression Attribute(QStringLiteral(" (\\w+)=\"[^\"]*\""));
    int Cases = 0;
    for (auto It = Attribute.globalMatch(QString::fromUtf8(Whole)); It.hasNext();) {
        const QRegularExpressionMatch M = It.next();
        const QString Name = M.captured(1);
        SCOPED_TRACE(QStringLiteral("%1 at %2").arg(Name).arg(M.capturedStart()).toStdString());
        QString Text = QString::fromUtf8(Whole);
        const int Device_Index = static_cast<int>(Text.left(M.capturedStart() + 1).count(QStringLiteral("<Device "))) - 1;
        Text.remove(M.capturedStart(), M.capturedLength());
        Write_File(Path(), Text.toUtf8());
        TDevice_List L;
        const TEnOcean_Load_Result R = Load_EnOcean_File(Path(), L);
        if (Name == "Key" || Name == "RollCode") {
            EXPECT_TRUE(R.Complete());
            EXPECT_EQ(L.size(), 3u);
        } else {
            EXPECT_EQ(R.Kind, TEnOcean_Load_Result::elPartial);
            EXPECT_EQ(R.Devices_Read, Device_Index);
            EXPECT_EQ(static_cast<int>(L.size()), Device_Index);
            EXPECT_TRUE(R.Reason.contains(Name)) << R.Reason.toStdString();
        }
        ++Cases;
    }
    EXPECT_GT(Cases, 30);
}

// A text attribute beyond EnOcean_Max_Text is refused like any faulty
// attribute (the devices before it stay); the reason quotes no value or name
// at length, since the message box shows it.
TEST_F(EnOceanFileTest, HostileSizesAreRefused)
{
    const QByteArray Good = Device(Full_Attributes);
    const QByteArray Huge(1 << 20, '7');
    const QByteArray At_Bound(EnOcean_Max_Text, 'K');
    auto With = [](const char *From, const QByteArray &To) {
        QByteArray A = Full_Attributes;
        return A.replace(From, To);
    };
    auto Variable = [](const QByteArray &Data) {
        return R"(<UnidirectionalList><RorgFuncType RorgNum="1" FuncNum="2" TypeNum="3"><VariablesList><Variable CaseInd="0" Data=")"
               + Data + R"(" BitOffs="0" BitSize="1" Position="0" BitStart="0"/></VariablesList></RorgFuncType></UnidirectionalList>)";
    };
    struct TRow {
        const char *Name;
        QByteArray File;
        TEnOcean_Load_Result::TKind Kind;
        int Devices;
        const char *Reason_Part;
    };
    const TRow Rows[] = {
        {"HugeId", Network(Good + Device(With("Id=\"1\"", "Id=\"" + Huge + "\""))), TEnOcean_Load_Result::elPartial, 1,
         "attribute \"Id\" of element \"Device\" is longer than 1024 characters"},
        {"HugeKey", Network(Good + Device(With("Key=\"\"", "Key=\"" + Huge + "\""))), TEnOcean_Load_Result::elPartial, 1,
         "\"Key\""},
        {"HugeRollCode", Network(Device(With("RollCode=\"\"", "RollCode=\"" + Huge + "\""))),
         TEnOcean_Load_Result::elPartial, 0, "\"RollCode\""},
        {"HugeData", Network(Good + Device(Full_Attributes, Variable(Huge))), TEnOcean_Load_Result::elPartial, 1,
         "variable 1: attribute \"Data\""},
        {"HugeNumber", Network(Good + Device(With("PTM=\"0\"", "PTM=\"" + Huge + "\""))),
         TEnOcean_Load_Result::elPartial, 1, "\"PTM\" of element \"Device\" is not a whole number: \"7777"},
        {"LongElementName", Network(Good + "<" + Huge.left(4000).replace('7', 'D') + "/>"),
         TEnOcean_Load_Result::elPartial, 1, "of element \"DDDD"},
        // texts at the bound load whole
        {"KeyAtTheBound", Network(Device(With("Key=\"\"", "Key=\"" + At_Bound + "\""))), TEnOcean_Load_Result::elRead, 1, ""},
        {"DataAtTheBound", Network(Device(Full_Attributes, Variable(At_Bound))), TEnOcean_Load_Result::elRead, 1, ""},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        Write_File(Path(), R.File);
        TDevice_List L;
        const TEnOcean_Load_Result Result = Load_EnOcean_File(Path(), L);
        EXPECT_EQ(Result.Kind, R.Kind);
        EXPECT_EQ(Result.Devices_Read, R.Devices);
        ASSERT_EQ(static_cast<int>(L.size()), R.Devices);
        EXPECT_TRUE(Result.Reason.contains(R.Reason_Part)) << Result.Reason.left(300).toStdString();
        EXPECT_LT(Result.Reason.size(), 400);
        for (const auto &Dev : L) {
            EXPECT_LE(Dev->FId.size(), EnOcean_Max_Text);
            EXPECT_LE(Dev->FKey.size(), EnOcean_Max_Text);
            for (const auto &EEP : Dev->UnidirectionalList)
                for (const auto &Var : EEP->VariableList)
                    EXPECT_LE(Var->FData.size(), EnOcean_Max_Text);
        }
    }
}

// The file is read as a stream: a fault after the devices (not well-formed,
// nested too deep) leaves nothing read, as a reader of the whole document does.
TEST_F(EnOceanFileTest, FaultAfterTheDevicesReadsNothing)
{
    const QByteArray Good = Device(Full_Attributes);
    QByteArray Deep;
    for (int I = 0; I < Xml_Max_Depth + 1; ++I)
        Deep += "<d>";
    for (int I = 0; I < Xml_Max_Depth + 1; ++I)
        Deep += "</d>";
    struct TRow { const char *Name; QByteArray File; const char *Reason_Part; };
    const TRow Rows[] = {
        {"CutAfterTheDevices", Network(Good + Good).chopped(30), "line"},
        {"SecondRoot", Network(Good) + "<Other/>", "line"},
        {"TooDeepAfterTheDevices", "<EnOcean><DevicesList>" + Good + "</DevicesList>" + Deep + "</EnOcean>", "nested deeper"},
        // the same after a faulty device: the file is unreadable, not partly read
        {"CutAfterAFaultyDevice", Network(Good + Device("Id=\"2\"") + Good).chopped(30), "line"},
    };
    for (const TRow &R : Rows) {
        SCOPED_TRACE(R.Name);
        Write_File(Path(), R.File);
        TDevice_List L;
        const TEnOcean_Load_Result Result = Load_EnOcean_File(Path(), L);
        EXPECT_EQ(Result.Kind, TEnOcean_Load_Result::elUnreadable);
        EXPECT_EQ(Result.Devices_Read, 0);
        EXPECT_TRUE(L.empty());
        EXPECT_TRUE(Result.Reason.contains(R.Reason_Part)) << Result.Reason.toStdString();
    }
}
