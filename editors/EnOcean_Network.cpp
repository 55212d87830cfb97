#include "editors/EnOcean_Network.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QFileInfo>

namespace {

const QString Version_Comment = QStringLiteral("SW_VERSION = 1.000");

// An error of the load with the place it happened, for the user's message.
class ELoad_Error
{
public:
    explicit ELoad_Error(QString Text) : Text(std::move(Text)) {}
    QString Text;
};

QString Must_Text(const TXmlNode *Node, const QString &Name)
{
    if (!Node->Has_Attribute(Name))
        throw ELoad_Error(QStringLiteral("attribute \"%1\" of element \"%2\" is missing").arg(Name, Node->Node_Name()));
    return Node->Attribute(Name);
}

int Must_Number(const TXmlNode *Node, const QString &Name)
{
    const QString Text = Must_Text(Node, Name);
    int Value;
    if (!Text_To_Int(Text, Value))
        throw ELoad_Error(QStringLiteral("attribute \"%1\" of element \"%2\" is not a whole number: \"%3\"")
                              .arg(Name, Node->Node_Name(), Text));
    return Value;
}

std::unique_ptr<TRorFunTyp> Read_EEP(const TXmlNode *Node)
{
    auto EEP = std::make_unique<TRorFunTyp>();
    EEP->FRorgNum = Must_Number(Node, QStringLiteral("RorgNum"));
    EEP->FFuncNum = Must_Number(Node, QStringLiteral("FuncNum"));
    EEP->FTypeNum = Must_Number(Node, QStringLiteral("TypeNum"));
    const TXmlNode *Vars = Node->Find_Child(QStringLiteral("VariablesList"));
    if (!Vars)
        throw ELoad_Error(QStringLiteral("element \"%1\" has no VariablesList").arg(Node->Node_Name()));
    int Index = 0;
    for (const TXmlNode *V : Vars->Child_Elements()) {
        ++Index;
        try {
            auto Var = std::make_unique<TVarEnOcean>();
            Var->FCaseIndex = Must_Number(V, QStringLiteral("CaseInd"));
            Var->FData = Must_Text(V, QStringLiteral("Data"));
            Var->FBitOffs = Must_Number(V, QStringLiteral("BitOffs"));
            Var->FBitSize = Must_Number(V, QStringLiteral("BitSize"));
            Var->FPosition = Must_Number(V, QStringLiteral("Position"));
            Var->FBitStart = Must_Number(V, QStringLiteral("BitStart"));
            EEP->VariableList.push_back(std::move(Var));
        } catch (const ELoad_Error &E) {
            throw ELoad_Error(QStringLiteral("variable %1: %2").arg(Index).arg(E.Text));
        }
    }
    return EEP;
}

void Read_EEP_List(const TXmlNode *List, std::vector<std::unique_ptr<TRorFunTyp>> &Into)
{
    int Index = 0;
    for (const TXmlNode *Node : List->Child_Elements()) {
        ++Index;
        try {
            Into.push_back(Read_EEP(Node));
        } catch (const ELoad_Error &E) {
            throw ELoad_Error(QStringLiteral("%1, EEP %2: %3").arg(List->Node_Name()).arg(Index).arg(E.Text));
        }
    }
}

std::unique_ptr<TDevice_EnOcean> Read_Device(const TXmlNode *Node, TSmartACK_Use SmartACK)
{
    auto Dev = std::make_unique<TDevice_EnOcean>();
    Dev->FId = Must_Text(Node, QStringLiteral("Id"));
    Dev->FSecure_Type = Must_Number(Node, QStringLiteral("Secure_Type"));
    // A file without key or rolling code loads them empty: nothing is lost by it.
    Dev->FKey = Node->Attribute_Or(QStringLiteral("Key"), QString());
    Dev->FRollCode = Node->Attribute_Or(QStringLiteral("RollCode"), QString());
    Dev->FRollCodeAlg = Must_Number(Node, QStringLiteral("RollCodeAlg"));
    Dev->FRollCodeTx = Must_Number(Node, QStringLiteral("RollCodeTx"));
    Dev->FCMACAlg = Must_Number(Node, QStringLiteral("CMACAlg"));
    Dev->FDataCript = Must_Number(Node, QStringLiteral("DataCript"));
    Dev->FPTM = Must_Number(Node, QStringLiteral("PTM"));
    if (const TXmlNode *Uni = Node->Find_Child(QStringLiteral("UnidirectionalList")))
        Read_EEP_List(Uni, Dev->UnidirectionalList);
    if (SmartACK == TSmartACK_Use::saUse)
        if (const TXmlNode *SAck = Node->Find_Child(QStringLiteral("SmartACKList")))
            Read_EEP_List(SAck, Dev->SmartACKList);
    return Dev;
}

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

TEnOcean_Load_Result Read_EnOcean_Document(const TXmlDocument &Doc, TDevice_List &DevList, TSmartACK_Use SmartACK)
{
    TEnOcean_Load_Result Result;
    const TXmlNode *Root = Doc.Find_Element(QStringLiteral("EnOcean"));
    const TXmlNode *Devices = Root ? Root->Find_Child(QStringLiteral("DevicesList")) : nullptr;
    if (!Devices) {
        Result.Kind = TEnOcean_Load_Result::elNoNetwork;
        Result.Reason = Root ? QStringLiteral("the element \"EnOcean\" holds no \"DevicesList\"")
                             : QStringLiteral("the file holds no element \"EnOcean\"");
        return Result;
    }
    int Index = 0;
    for (const TXmlNode *Node : Devices->Child_Elements()) {
        ++Index;
        try {
            DevList.push_back(Read_Device(Node, SmartACK));
            ++Result.Devices_Read;
        } catch (const ELoad_Error &E) {
            // The device being read is dropped with everything read for it.
            Result.Kind = TEnOcean_Load_Result::elPartial;
            const QString Id = Node->Attribute_Or(QStringLiteral("Id"), QString());
            Result.Reason = (Id.isEmpty() ? QStringLiteral("device %1: %2").arg(Index).arg(E.Text)
                                          : QStringLiteral("device %1 (Id %2): %3").arg(Index).arg(Id, E.Text));
            return Result;
        }
    }
    return Result;
}

TEnOcean_Load_Result Load_EnOcean_File(const QString &Path, TDevice_List &DevList, TSmartACK_Use SmartACK)
{
    TEnOcean_Load_Result Result;
    if (!QFileInfo(Path).isFile()) {
        Result.Kind = TEnOcean_Load_Result::elNoFile;
        return Result;
    }
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(Path);
    } catch (const EXmlError &E) {
        Result.Kind = TEnOcean_Load_Result::elUnreadable;
        Result.Reason = E.Text_With_Position();
        Result.Line = E.Line;
        Result.Column = E.Column;
        return Result;
    }
    return Read_EnOcean_Document(Doc, DevList, SmartACK);
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
