#include "editors/EnOcean_Network.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <optional>

namespace {

const QString Version_Comment = QStringLiteral("SW_VERSION = 1.000");

// An error of the load with the place it happened, for the user's message.
class ELoad_Error
{
public:
    explicit ELoad_Error(QString AText) : Text(std::move(AText)) {}
    QString Text;
};

// A text of the file as the user's message quotes it: a name or value of
// any length would make the message box as slow as the value is long.
QString Shown(QStringView Text)
{
    constexpr qsizetype Max_Shown = 64;
    return Text.size() <= Max_Shown ? Text.toString() : Text.left(Max_Shown).toString() + QChar(0x2026);
}

// Text_To_Int, with plain decimal digits (what the editors write) read in place.
bool Whole_Number(QStringView Text, int &Value)
{
    if (!Text.isEmpty() && Text.size() <= 9) {
        int Acc = 0;
        bool Digits = true;
        for (const QChar C : Text) {
            if (C < QLatin1Char('0') || C > QLatin1Char('9')) {
                Digits = false;
                break;
            }
            Acc = Acc * 10 + (C.unicode() - '0');
        }
        if (Digits) {
            Value = Acc;
            return true;
        }
    }
    return Text_To_Int(Text.toString(), Value);
}

// The attributes of the element the reader stands at, read before it moves on.
class TElement
{
public:
    explicit TElement(const QXmlStreamReader &AR) : R(AR), FAttributes(AR.attributes()) {}

    // An attribute's text as it stands (empty when missing).
    QStringView Value(QLatin1String Attribute) const { return FAttributes.value(Attribute); }
    bool Has(QLatin1String Attribute) const { return FAttributes.hasAttribute(Attribute); }
    // An attribute's text; a text longer than EnOcean_Max_Text is refused.
    QString Text(QLatin1String Attribute) const
    {
        Must_Have(Attribute);
        return Bounded(Attribute);
    }
    // A text attribute that may be missing (then empty).
    QString Optional_Text(QLatin1String Attribute) const
    {
        return Has(Attribute) ? Bounded(Attribute) : QString();
    }
    int Number(QLatin1String Attribute) const
    {
        Must_Have(Attribute);
        const QStringView Text = Value(Attribute);
        int Number;
        // A whole number never needs more characters than a text may have.
        if (Text.size() > EnOcean_Max_Text || !Whole_Number(Text, Number))
            throw ELoad_Error(QStringLiteral("attribute \"%1\" of element \"%2\" is not a whole number: \"%3\"")
                                  .arg(Attribute, Shown(R.name()), Shown(Text)));
        return Number;
    }

private:
    void Must_Have(QLatin1String Attribute) const
    {
        if (!Has(Attribute))
            throw ELoad_Error(QStringLiteral("attribute \"%1\" of element \"%2\" is missing")
                                  .arg(Attribute, Shown(R.name())));
    }
    QString Bounded(QLatin1String Attribute) const
    {
        const QStringView Text = Value(Attribute);
        if (Text.size() > EnOcean_Max_Text)
            throw ELoad_Error(QStringLiteral("attribute \"%1\" of element \"%2\" is longer than %3 characters")
                                  .arg(Attribute, Shown(R.name()))
                                  .arg(EnOcean_Max_Text));
        return Text.toString();
    }

    const QXmlStreamReader &R;
    QXmlStreamAttributes FAttributes;
};

// EnOcean.xml read straight from the XML stream, with the rules of a reader
// that holds the whole document: the load stops at the first faulty device,
// but the rest of the file is still read through, since a file that is not
// well-formed anywhere is unreadable as a whole and yields no device. A
// device reads its FIRST UnidirectionalList and SmartACKList wherever they
// stand, an EEP entry its first VariablesList; of several faults in one
// device the attributes come first, then the unidirectional list, then the
// Ruzor AVI list, whatever their order in the file.
class TNetwork_Stream
{
public:
    TNetwork_Stream(QIODevice *Device, TSmartACK_Use SmartACK) : R(Device), FSmartACK(SmartACK) {}

    // Reads the whole document into Devices (the good devices before a fault
    // when Result says elPartial). Throws EXmlError for a document that is
    // not well-formed, nests too deep or has no element.
    void Read(TDevice_List &Devices, TEnOcean_Load_Result &Result)
    {
        bool Has_Root = false, Has_Network = false, Has_List = false;
        for (;;) {
            const QXmlStreamReader::TokenType T = Next();
            if (T == QXmlStreamReader::EndDocument)
                break;
            if (T != QXmlStreamReader::StartElement)
                continue;
            Has_Root = true; // only the root can start here: its children are read below
            if (R.name() != QLatin1String("EnOcean")) {
                Skip();
                continue;
            }
            Has_Network = true;
            For_Children([&] {
                if (Has_List || R.name() != QLatin1String("DevicesList"))
                    return Skip();
                Has_List = true;
                Read_Devices(Devices, Result);
            });
        }
        if (!Has_Root)
            throw Xml_No_Root_Error();
        if (!Has_List) {
            Result.Kind = TEnOcean_Load_Result::elNoNetwork;
            Result.Reason = Has_Network ? QStringLiteral("the element \"EnOcean\" holds no \"DevicesList\"")
                                        : QStringLiteral("the file holds no element \"EnOcean\"");
        }
    }

private:
    QXmlStreamReader R;
    TSmartACK_Use FSmartACK;
    int Depth = 0; // open elements, the root counting 1

    // The next token; counts the open elements and throws at the nesting
    // bound and at every error of the reader.
    QXmlStreamReader::TokenType Next()
    {
        const QXmlStreamReader::TokenType T = R.readNext();
        if (T == QXmlStreamReader::StartElement) {
            if (++Depth > Xml_Max_Depth)
                throw Xml_Depth_Error(R);
        } else if (T == QXmlStreamReader::EndElement) {
            --Depth;
        } else if (T == QXmlStreamReader::Invalid) {
            throw Xml_Reader_Error(R);
        }
        return T;
    }

    // Reads on to the end tag of the element just started.
    void Skip()
    {
        const int Level = Depth;
        while (Depth >= Level)
            if (Next() == QXmlStreamReader::EndDocument)
                return;
    }

    // Calls Child at the start of each child element of the element just
    // started; Child reads on to that child's end tag. Returns at the end tag.
    template <class F> void For_Children(F Child)
    {
        const int Level = Depth;
        for (;;) {
            const QXmlStreamReader::TokenType T = Next();
            if (T == QXmlStreamReader::StartElement)
                Child();
            else if ((T == QXmlStreamReader::EndElement && Depth < Level) || T == QXmlStreamReader::EndDocument)
                return;
        }
    }

    void Read_Devices(TDevice_List &Devices, TEnOcean_Load_Result &Result)
    {
        int Index = 0;
        For_Children([&] {
            ++Index;
            if (Result.Kind == TEnOcean_Load_Result::elPartial)
                return Skip(); // nothing after the faulty device is read
            QString Id; // as the message would quote it
            std::optional<QString> Error;
            auto Dev = Read_Device(Id, Error);
            if (!Error) {
                Devices.push_back(std::move(Dev));
                ++Result.Devices_Read;
                return;
            }
            // The device being read is dropped with everything read for it.
            Result.Kind = TEnOcean_Load_Result::elPartial;
            Result.Reason = Id.isEmpty() ? QStringLiteral("device %1: %2").arg(Index).arg(*Error)
                                         : QStringLiteral("device %1 (Id %2): %3").arg(Index).arg(Id, *Error);
        });
    }

    // Reads one device element to its end tag; a fault goes to Error, and
    // the Id attribute as a message quotes it to Id.
    std::unique_ptr<TDevice_EnOcean> Read_Device(QString &Id, std::optional<QString> &Error)
    {
        const TElement E(R);
        Id = Shown(E.Value(QLatin1String("Id")));
        auto Dev = std::make_unique<TDevice_EnOcean>();
        try {
            Dev->FId = E.Text(QLatin1String("Id"));
            Dev->FSecure_Type = E.Number(QLatin1String("Secure_Type"));
            // A file without key or rolling code loads them empty: nothing is lost by it.
            Dev->FKey = E.Optional_Text(QLatin1String("Key"));
            Dev->FRollCode = E.Optional_Text(QLatin1String("RollCode"));
            Dev->FRollCodeAlg = E.Number(QLatin1String("RollCodeAlg"));
            Dev->FRollCodeTx = E.Number(QLatin1String("RollCodeTx"));
            Dev->FCMACAlg = E.Number(QLatin1String("CMACAlg"));
            Dev->FDataCript = E.Number(QLatin1String("DataCript"));
            Dev->FPTM = E.Number(QLatin1String("PTM"));
        } catch (const ELoad_Error &Fault) {
            Error = Fault.Text;
            Skip();
            return nullptr;
        }
        bool Uni_Seen = false, SAck_Seen = false;
        std::optional<QString> Uni_Error, SAck_Error;
        For_Children([&] {
            if (!Uni_Seen && R.name() == QLatin1String("UnidirectionalList")) {
                Uni_Seen = true;
                Uni_Error = Read_EEP_List(Dev->UnidirectionalList);
            } else if (FSmartACK == TSmartACK_Use::saUse && !SAck_Seen && R.name() == QLatin1String("SmartACKList")) {
                SAck_Seen = true;
                SAck_Error = Read_EEP_List(Dev->SmartACKList);
            } else {
                Skip();
            }
        });
        Error = Uni_Error ? Uni_Error : SAck_Error;
        return Error ? nullptr : std::move(Dev);
    }

    // Reads a list of EEP entries to its end tag; the first faulty entry's
    // fault is returned, the entries after it are not read.
    std::optional<QString> Read_EEP_List(std::vector<std::unique_ptr<TRorFunTyp>> &Into)
    {
        const QString List = R.name().toString();
        int Index = 0;
        std::optional<QString> Error;
        For_Children([&] {
            ++Index;
            if (Error)
                return Skip();
            std::optional<QString> Fault;
            auto EEP = Read_EEP(Fault);
            if (Fault)
                Error = QStringLiteral("%1, EEP %2: %3").arg(List).arg(Index).arg(*Fault);
            else
                Into.push_back(std::move(EEP));
        });
        return Error;
    }

    std::unique_ptr<TRorFunTyp> Read_EEP(std::optional<QString> &Error)
    {
        const TElement E(R);
        const QString Name = Shown(R.name());
        auto EEP = std::make_unique<TRorFunTyp>();
        try {
            EEP->FRorgNum = E.Number(QLatin1String("RorgNum"));
            EEP->FFuncNum = E.Number(QLatin1String("FuncNum"));
            EEP->FTypeNum = E.Number(QLatin1String("TypeNum"));
        } catch (const ELoad_Error &Fault) {
            Error = Fault.Text;
            Skip();
            return nullptr;
        }
        bool Vars_Seen = false;
        For_Children([&] {
            if (Vars_Seen || R.name() != QLatin1String("VariablesList"))
                return Skip();
            Vars_Seen = true;
            Error = Read_Variables(EEP->VariableList);
        });
        if (!Vars_Seen)
            Error = QStringLiteral("element \"%1\" has no VariablesList").arg(Name);
        return Error ? nullptr : std::move(EEP);
    }

    std::optional<QString> Read_Variables(std::vector<std::unique_ptr<TVarEnOcean>> &Into)
    {
        int Index = 0;
        std::optional<QString> Error;
        For_Children([&] {
            ++Index;
            if (!Error) {
                try {
                    const TElement E(R);
                    auto Var = std::make_unique<TVarEnOcean>();
                    Var->FCaseIndex = E.Number(QLatin1String("CaseInd"));
                    Var->FData = E.Text(QLatin1String("Data"));
                    Var->FBitOffs = E.Number(QLatin1String("BitOffs"));
                    Var->FBitSize = E.Number(QLatin1String("BitSize"));
                    Var->FPosition = E.Number(QLatin1String("Position"));
                    Var->FBitStart = E.Number(QLatin1String("BitStart"));
                    Into.push_back(std::move(Var));
                } catch (const ELoad_Error &Fault) {
                    Error = QStringLiteral("variable %1: %2").arg(Index).arg(Fault.Text);
                }
            }
            Skip(); // what a variable holds is not read
        });
        return Error;
    }
};

void Write_EEP_List(TXmlNode *List, const std::vector<std::unique_ptr<TRorFunTyp>> &EEPs)
{
    for (const auto &EEP : EEPs) {
        TXmlNode *E = List->Add_Child(QStringLiteral("RorgFuncType"));
        E->Set_Attribute(QStringLiteral("RorgNum"), QString::number(EEP->FRorgNum));
        E->Set_Attribute(QStringLiteral("FuncNum"), QString::number(EEP->FFuncNum));
        E->Set_Attribute(QStringLiteral("TypeNum"), QString::number(EEP->FTypeNum));
        TXmlNode *Vars = E->Add_Child(QStringLiteral("VariablesList"));
        for (const auto &Var : EEP->VariableList) {
            TXmlNode *V = Vars->Add_Child(QStringLiteral("Variable"));
            V->Set_Attribute(QStringLiteral("CaseInd"), QString::number(Var->FCaseIndex));
            V->Set_Attribute(QStringLiteral("Data"), Var->FData);
            V->Set_Attribute(QStringLiteral("BitOffs"), QString::number(Var->FBitOffs));
            V->Set_Attribute(QStringLiteral("BitSize"), QString::number(Var->FBitSize));
            V->Set_Attribute(QStringLiteral("Position"), QString::number(Var->FPosition));
            V->Set_Attribute(QStringLiteral("BitStart"), QString::number(Var->FBitStart));
        }
    }
}

} // namespace

TEnOcean_Load_Result Load_EnOcean_File(const QString &Path, TDevice_List &DevList, TSmartACK_Use SmartACK)
{
    TEnOcean_Load_Result Result;
    if (!QFileInfo(Path).isFile()) {
        Result.Kind = TEnOcean_Load_Result::elNoFile;
        return Result;
    }
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly)) {
        Result.Kind = TEnOcean_Load_Result::elUnreadable;
        Result.Reason = QStringLiteral("Cannot open \"%1\": %2").arg(Path, F.errorString());
        return Result;
    }
    // The devices join the caller's list only once the whole file has proved well-formed.
    TDevice_List Read;
    try {
        TNetwork_Stream(&F, SmartACK).Read(Read, Result);
    } catch (const EXmlError &E) {
        Result = TEnOcean_Load_Result();
        Result.Kind = TEnOcean_Load_Result::elUnreadable;
        Result.Reason = E.Text_With_Position();
        Result.Line = E.Line;
        Result.Column = E.Column;
        return Result;
    }
    for (auto &Dev : Read)
        DevList.push_back(std::move(Dev));
    return Result;
}

void Build_EnOcean_Document(const TDevice_List &DevList, TXmlDocument &Doc, TSmartACK_Use SmartACK)
{
    Doc.Clear();
    TXmlNode *Root = Doc.Add_Root(QStringLiteral("EnOcean"));
    Doc.Add_Comment(Version_Comment);
    TXmlNode *Devices = Root->Add_Child(QStringLiteral("DevicesList"));
    for (const auto &Dev : DevList) {
        TXmlNode *D = Devices->Add_Child(QStringLiteral("Device"));
        D->Set_Attribute(QStringLiteral("Id"), Dev->FId);
        D->Set_Attribute(QStringLiteral("Secure_Type"), QString::number(Dev->FSecure_Type));
        D->Set_Attribute(QStringLiteral("Key"), Dev->FKey);
        D->Set_Attribute(QStringLiteral("RollCode"), Dev->FRollCode);
        D->Set_Attribute(QStringLiteral("RollCodeAlg"), QString::number(Dev->FRollCodeAlg));
        D->Set_Attribute(QStringLiteral("RollCodeTx"), QString::number(Dev->FRollCodeTx));
        D->Set_Attribute(QStringLiteral("CMACAlg"), QString::number(Dev->FCMACAlg));
        D->Set_Attribute(QStringLiteral("DataCript"), QString::number(Dev->FDataCript));
        D->Set_Attribute(QStringLiteral("PTM"), QString::number(Dev->FPTM));
        Write_EEP_List(D->Add_Child(QStringLiteral("UnidirectionalList")), Dev->UnidirectionalList);
        TXmlNode *SAck = D->Add_Child(QStringLiteral("SmartACKList"));
        if (SmartACK == TSmartACK_Use::saUse)
            Write_EEP_List(SAck, Dev->SmartACKList);
        D->Add_Child(QStringLiteral("Remote"));
    }
}

bool Save_EnOcean_File(const QString &Path, const TDevice_List &DevList, QString *Error, TSmartACK_Use SmartACK)
{
    TXmlDocument Doc;
    try {
        Build_EnOcean_Document(DevList, Doc, SmartACK);
        Doc.Save_To_File(Path);
        return true;
    } catch (const EXmlError &E) {
        if (Error)
            *Error = E.Text;
        return false;
    }
}
