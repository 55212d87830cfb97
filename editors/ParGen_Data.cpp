#include "editors/ParGen_Data.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>

namespace {

const char *const Root_Name = "Par_Gen";
const char *const Version_Comment = "SW_VERSION = 1.000";

const std::array<QString, 4> Default_IP = {"192", "168", "0", "10"};
const std::array<QString, 4> Default_SM = {"255", "255", "255", "0"};
const std::array<QString, 4> Default_GAT = {"192", "168", "0", "1"};
const std::array<QString, 4> Default_DNS = {"8", "8", "8", "8"};

QString Octet_Name(const char *Prefix, int Index)
{
    return QString::fromLatin1(Prefix) + QString::number(Index + 1);
}

// Reads each element by itself into its field; a failure gives that field
// its default and records the element.
class TReader
{
public:
    TReader(const TXmlNode *Root, QStringList &Defaulted) : FRoot(Root), FDefaulted(Defaulted) {}

    void Combo(const QString &Name, int &Field, int Default, int Count)
    {
        QString Text;
        int Value;
        if (Read(Name, Text) && Text_To_Int(Text, Value) && Value >= 0 && Value < Count) {
            Field = Value;
        } else {
            Field = Default;
            FDefaulted.append(Name);
        }
    }
    void Edit(const QString &Name, QString &Field, const QString &Default)
    {
        QString Text;
        if (Read(Name, Text)) {
            Field = Text; // an empty element stays empty; the checks refuse it
        } else {
            Field = Default;
            FDefaulted.append(Name);
        }
    }
    void Check(const QString &Name, bool &Field, bool Default)
    {
        QString Text;
        if (Read(Name, Text)) {
            Field = Text == QLatin1String("1"); // only exactly "1" is on
        } else {
            Field = Default;
            FDefaulted.append(Name);
        }
    }

private:
    bool Read(const QString &Name, QString &Text) const
    {
        return TParGen_Data::Element_Text(FRoot, Name, Text);
    }
    const TXmlNode *FRoot;
    QStringList &FDefaulted;
};

} // namespace

const QStringList &TParGen_Data::Element_Names()
{
    static const QStringList Names = [] {
        QStringList L = {"MODBUS_SLAVE_SERIAL", "MODBUS_SLAVE_BAUDRATE", "MODBUS_SLAVE_PARITY",
                         "MODBUS_SLAVE_STOPBITS", "MODBUS_SLAVE_IDDEVICE", "MODBUS_SLAVE_READ_INPUT_REGISTER"};
        for (int I = 0; I < 4; ++I)
            L << Octet_Name("Ethernet_IP", I);
        for (int I = 0; I < 4; ++I)
            L << Octet_Name("Ethernet_SM", I);
        for (int I = 0; I < 4; ++I)
            L << Octet_Name("Ethernet_GAT", I);
        L << "Ethernet_EN_GAT";
        for (int I = 0; I < 4; ++I)
            L << Octet_Name("Ethernet_DNS", I);
        L << "Ethernet_EN_DNS";
        return L;
    }();
    return Names;
}

void TParGen_Data::Set_Defaults()
{
    FModbusSlave_Serial = 0;
    FModbusSlave_Baudrate = 7;
    FModbusSlave_Parity = 0;
    FModbusSlave_StopBits = 0;
    FModbusSlave_IDDevice = QStringLiteral("10");
    FModbusSlave_ReadInput = true;
    FEthernet_IP = Default_IP;
    FEthernet_SM = Default_SM;
    FEthernet_GAT = Default_GAT;
    FEthernet_En_GAT = false;
    FEthernet_DNS = Default_DNS;
    FEthernet_En_DNS = false;
}

const TXmlNode *TParGen_Data::Root_Of(const TXmlDocument &Doc)
{
    const TXmlNode *First = Doc.First_Node();
    return First && First->Is_Element() ? First : nullptr;
}

bool TParGen_Data::Element_Text(const TXmlNode *Root, const QString &Name, QString &Text)
{
    const TXmlNode *Element = Root ? Root->Find_Child(Name) : nullptr;
    if (!Element || !Element->Is_Text_Element())
        return false;
    Text = Element->Text();
    return true;
}

TParGen_Load_Result TParGen_Data::Load(const QString &Path)
{
    TParGen_Load_Result Result;
    Set_Defaults();
    if (!QFileInfo(Path).isFile()) {
        Result.Kind = TParGen_Load_Result::plNoFile;
        return Result;
    }
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(Path);
    } catch (const EXmlError &E) {
        Result.Kind = TParGen_Load_Result::plUnreadable;
        Result.Reason = E.Text_With_Position();
        Result.Line = E.Line;
        Result.Column = E.Column;
        return Result;
    }
    // A file whose first node is not the root (a comment before Par_Gen)
    // gives every element its default, as every other reader of it does.
    TReader R(Root_Of(Doc), Result.Defaulted);
    const QStringList &N = Element_Names();
    R.Combo(N[0], FModbusSlave_Serial, 0, Serial_Count);
    R.Combo(N[1], FModbusSlave_Baudrate, 7, Baudrate_Count);
    R.Combo(N[2], FModbusSlave_Parity, 0, Parity_Count);
    R.Combo(N[3], FModbusSlave_StopBits, 0, StopBits_Count);
    R.Edit(N[4], FModbusSlave_IDDevice, QStringLiteral("10"));
    R.Check(N[5], FModbusSlave_ReadInput, true);
    for (int I = 0; I < 4; ++I)
        R.Edit(N[6 + I], FEthernet_IP[I], Default_IP[I]);
    for (int I = 0; I < 4; ++I)
        R.Edit(N[10 + I], FEthernet_SM[I], Default_SM[I]);
    for (int I = 0; I < 4; ++I)
        R.Edit(N[14 + I], FEthernet_GAT[I], Default_GAT[I]);
    R.Check(N[18], FEthernet_En_GAT, false);
    for (int I = 0; I < 4; ++I)
        R.Edit(N[19 + I], FEthernet_DNS[I], Default_DNS[I]);
    R.Check(N[23], FEthernet_En_DNS, false);
    return Result;
}

void TParGen_Data::Build_Document(TXmlDocument &Doc) const
{
    Doc.Clear();
    TXmlNode *Root = Doc.Add_Root(QString::fromLatin1(Root_Name));
    Doc.Add_Comment(QString::fromLatin1(Version_Comment));
    const QStringList &N = Element_Names();
    auto Add = [Root](const QString &Name, const QString &Value) { Root->Add_Child(Name)->Set_Text(Value); };
    auto Flag = [](bool On) { return On ? QStringLiteral("1") : QStringLiteral("0"); };
    Add(N[0], QString::number(FModbusSlave_Serial));
    Add(N[1], QString::number(FModbusSlave_Baudrate));
    Add(N[2], QString::number(FModbusSlave_Parity));
    Add(N[3], QString::number(FModbusSlave_StopBits));
    Add(N[4], FModbusSlave_IDDevice);
    Add(N[5], Flag(FModbusSlave_ReadInput));
    for (int I = 0; I < 4; ++I)
        Add(N[6 + I], FEthernet_IP[I]);
    for (int I = 0; I < 4; ++I)
        Add(N[10 + I], FEthernet_SM[I]);
    for (int I = 0; I < 4; ++I)
        Add(N[14 + I], FEthernet_GAT[I]);
    Add(N[18], Flag(FEthernet_En_GAT));
    for (int I = 0; I < 4; ++I)
        Add(N[19 + I], FEthernet_DNS[I]);
    Add(N[23], Flag(FEthernet_En_DNS));
}

QByteArray TParGen_Data::To_Bytes() const
{
    TXmlDocument Doc;
    Build_Document(Doc);
    return Doc.Save_To_Bytes();
}

bool TParGen_Data::Save(const QString &Path, QString *Error) const
{
    TXmlDocument Doc;
    try {
        Build_Document(Doc);
        Doc.Save_To_File(Path);
        return true;
    } catch (const EXmlError &E) {
        if (Error)
            *Error = E.Text;
        return false;
    }
}
