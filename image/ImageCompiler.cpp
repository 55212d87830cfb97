#include "image/ImageCompiler.h"
#include "platform/FileGroup.h"
#include "platform/TextToInt.h"
#include "platform/XmlDoc.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

// Offsets of the parameter block fields (see ImageRecords.h for the layout's purpose).
enum : int {
    ofsModbus_Id = 24,
    ofsIP = 40,
    ofsMask = 44,
    ofsGateway = 48,
    ofsPorts = 52,
    ofsSerial_Flags = 97,
    ofsBaudrate = 400,
    ofsParity = 424,
    ofsStopbits = 430,
    ofsData_Bits = 436,
    ofsDNS = 1420,
    ofsBank2_Base = 1540,
    ofsBank2_Flag = 1544,
    ofsChecksum = 2044,
};

// Thrown inside the EnOcean.xml reader and turned into a TCompile_Error at its edge.
struct TRead_Failure
{
    QString Attribute;
    QString Reason;
};

QString Must_Attribute(const TXmlNode *Node, const QString &Name)
{
    if (!Node->Has_Attribute(Name))
        throw TRead_Failure{Name, QStringLiteral("the attribute is missing from <%1>").arg(Node->Node_Name())};
    return Node->Attribute(Name);
}

std::int32_t Int_Attribute(const TXmlNode *Node, const QString &Name)
{
    const QString Text = Must_Attribute(Node, Name);
    int V;
    if (!Text_To_Int(Text, V))
        throw TRead_Failure{Name, QStringLiteral("\"%1\" is not a whole number").arg(Text)};
    return V;
}

std::uint32_t Low32_Attribute(const TXmlNode *Node, const QString &Name)
{
    const QString Text = Must_Attribute(Node, Name);
    qint64 V;
    if (!Text_To_Int64(Text, V))
        throw TRead_Failure{Name, QStringLiteral("\"%1\" is not a whole number").arg(Text)};
    return static_cast<std::uint32_t>(static_cast<quint64>(V));
}

const TXmlNode *Must_Child_Element(const TXmlNode *Node, const QString &Name)
{
    const TXmlNode *C = Node->Find_Child(Name);
    if (!C)
        throw TRead_Failure{Name, QStringLiteral("the element is missing from <%1>").arg(Node->Node_Name())};
    return C;
}

void Put_Le32(std::vector<std::uint8_t> &B, int &Pos, std::uint32_t V)
{
    B[Pos++] = static_cast<std::uint8_t>(V);
    B[Pos++] = static_cast<std::uint8_t>(V >> 8);
    B[Pos++] = static_cast<std::uint8_t>(V >> 16);
    B[Pos++] = static_cast<std::uint8_t>(V >> 24);
}

void Put_Key(std::vector<std::uint8_t> &B, int &Pos, const QString &Key)
{
    for (int I = 0; I < 16; ++I)
        B[Pos++] = I < Key.size() ? static_cast<std::uint8_t>(Key[I].unicode() & 0xFF) : 0;
}

} // namespace

QString TCompile_Error::Message() const
{
    return QStringLiteral("The configuration cannot be compiled.\n") + Details();
}

QString TCompile_Error::Details() const
{
    QString S;
    if (!File.isEmpty())
        S += QStringLiteral("File: %1").arg(QDir::toNativeSeparators(File));
    if (Line > 0)
        S += QStringLiteral(" (line %1, column %2)").arg(Line).arg(Column);
    if (Device >= 0) {
        S += QStringLiteral("\nDevice: %1").arg(Device + 1);
        if (!Device_Id.isEmpty())
            S += QStringLiteral(" (Id %1)").arg(Device_Id);
    }
    if (!Attribute.isEmpty())
        S += QStringLiteral("\nAttribute: %1").arg(Attribute);
    if (!Reason.isEmpty())
        S += QStringLiteral("\n%1").arg(Reason);
    return S.startsWith(QLatin1Char('\n')) ? S.mid(1) : S;
}

TImage_Compiler::TImage_Compiler() : FBank1(Image_Buffer_Size, 0), FBank2(Image_Buffer_Size, 0) {}

void TImage_Compiler::Put_U32(int Offset, std::uint32_t Value)
{
    for (int I = 0; I < 4; ++I)
        FParam_Block[Offset + I] = static_cast<std::uint8_t>(Value >> (8 * I));
}

void TImage_Compiler::Put_U16(int Offset, std::uint16_t Value)
{
    FParam_Block[Offset] = static_cast<std::uint8_t>(Value);
    FParam_Block[Offset + 1] = static_cast<std::uint8_t>(Value >> 8);
}

std::uint32_t TImage_Compiler::Get_U32(int Offset) const
{
    return FParam_Block[Offset] | (FParam_Block[Offset + 1] << 8) | (FParam_Block[Offset + 2] << 16)
           | (static_cast<std::uint32_t>(FParam_Block[Offset + 3]) << 24);
}

void TImage_Compiler::Init_Param_Block()
{
    FParam_Block.fill(0);
    Put_U32(0, 250000);
    Put_U32(4, 250000);
    Put_U32(8, 0);
    Put_U32(12, 9600);
    const std::uint8_t Ip[4] = {192, 168, 2, 205};
    for (int I = 0; I < 4; ++I) {
        FParam_Block[ofsIP + I] = Ip[I];
        FParam_Block[ofsMask + I] = I < 3 ? 255 : 0;
        FParam_Block[ofsGateway + I] = 255;
    }
    Put_U16(ofsPorts, 10000);
    Put_U16(ofsPorts + 2, 10001);
    Put_U16(ofsPorts + 4, 10001);
    for (int I = 0; I < 8; ++I)
        FParam_Block[ofsData_Bits + I] = 8;
}

TCompile_Error TImage_Compiler::Read_ParGen_Param(const QString &File_ParGen)
{
    TCompile_Error Err;
    if (!QFileInfo(File_ParGen).isFile())
        return Err;   // no file: the defaults stand
    TXmlDocument Doc;
    try {
        Doc.Load_From_File(File_ParGen);
    } catch (const EXmlError &E) {
        Err.Failed = true;
        Err.File = File_ParGen;
        Err.Reason = E.Text;
        Err.Line = E.Line;
        Err.Column = E.Column;
        return Err;
    }
    // The document's first node is the root; a comment standing first makes
    // every element fall back.
    const TXmlNode *Root = Doc.First_Node();
    auto Text_Of = [Root](const char *Name, QString &Text) {
        if (!Root || !Root->Is_Element())
            return false;
        const TXmlNode *E = Root->Find_Child(QLatin1String(Name));
        if (!E || !E->Is_Text_Element())
            return false;
        Text = E->Text();
        return true;
    };
    auto Number = [&Text_Of](const char *Name, int Fallback) {
        QString T;
        return Text_Of(Name, T) ? Str_To_Int_Def(T, Fallback) : Fallback;
    };
    auto Is_Exactly = [&Text_Of](const char *Name, const char *Value) {
        QString T;
        return Text_Of(Name, T) && T == QLatin1String(Value);
    };

    // Serial line: "0" is RS232.
    FParam_Block[ofsSerial_Flags] = Is_Exactly("MODBUS_SLAVE_SERIAL", "0") ? 1 : 0;
    // Baud rate from its list index.
    static const std::uint32_t Bauds[8] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
    const int Baud_Index = Number("MODBUS_SLAVE_BAUDRATE", 7);
    Put_U32(ofsBaudrate, Baud_Index >= 0 && Baud_Index < 8 ? Bauds[Baud_Index] : 9600);
    // Parity and stop bits (the "2 Stop Bits" item, index 1, is stored as 2).
    FParam_Block[ofsParity] = static_cast<std::uint8_t>(Number("MODBUS_SLAVE_PARITY", 0));
    FParam_Block[ofsStopbits] = static_cast<std::uint8_t>(Number("MODBUS_SLAVE_STOPBITS", 0));
    if (FParam_Block[ofsStopbits] == 1)
        FParam_Block[ofsStopbits] = 2;
    // Always eight data bits.
    FParam_Block[ofsData_Bits] = 8;
    // Modbus slave address.
    Put_U32(ofsModbus_Id, static_cast<std::uint32_t>(Number("MODBUS_SLAVE_IDDEVICE", 10)));
    // Input-register reading switched off.
    if (Is_Exactly("MODBUS_SLAVE_READ_INPUT_REGISTER", "0"))
        FParam_Block[ofsSerial_Flags] |= 0x40;
    // Address, mask and gateway, octet by octet, low 8 bits.
    static const char *const Ip_Names[4] = {"Ethernet_IP1", "Ethernet_IP2", "Ethernet_IP3", "Ethernet_IP4"};
    static const char *const Sm_Names[4] = {"Ethernet_SM1", "Ethernet_SM2", "Ethernet_SM3", "Ethernet_SM4"};
    static const char *const Gat_Names[4] = {"Ethernet_GAT1", "Ethernet_GAT2", "Ethernet_GAT3", "Ethernet_GAT4"};
    static const char *const Dns_Names[4] = {"Ethernet_DNS1", "Ethernet_DNS2", "Ethernet_DNS3", "Ethernet_DNS4"};
    static const int Ip_Fallback[4] = {192, 168, 0, 10};
    static const int Sm_Fallback[4] = {255, 255, 255, 0};
    static const int Gat_Fallback[4] = {192, 168, 0, 1};
    for (int I = 0; I < 4; ++I)
        FParam_Block[ofsIP + I] = static_cast<std::uint8_t>(Number(Ip_Names[I], Ip_Fallback[I]));
    for (int I = 0; I < 4; ++I)
        FParam_Block[ofsMask + I] = static_cast<std::uint8_t>(Number(Sm_Names[I], Sm_Fallback[I]));
    for (int I = 0; I < 4; ++I)
        FParam_Block[ofsGateway + I] = static_cast<std::uint8_t>(Number(Gat_Names[I], Gat_Fallback[I]));
    // The gateway only when enabled.
    if (!Is_Exactly("Ethernet_EN_GAT", "1"))
        for (int I = 0; I < 4; ++I)
            FParam_Block[ofsGateway + I] = 255;
    // The DNS server only when enabled.
    for (int I = 0; I < 4; ++I)
        FParam_Block[ofsDNS + I] = static_cast<std::uint8_t>(Number(Dns_Names[I], 8));
    if (!Is_Exactly("Ethernet_EN_DNS", "1"))
        for (int I = 0; I < 4; ++I)
            FParam_Block[ofsDNS + I] = 255;
    return Err;
}

std::uint8_t TImage_Compiler::Conv_Data_Encryption(int Index)
{
    switch (Index) {
    case 1: return 3;
    case 2: return 4;
    default: return 0;
    }
}

TCompile_Error TImage_Compiler::Read_EnOcean_Tables(const QString &File_EnOcean, std::uint32_t Base,
                                                    const ICase_Lookup &Catalog, QList<TUnplaced_Var> &Unplaced)
{
    TCompile_Error Err;
    FDevices.clear();
    if (QFileInfo(File_EnOcean).isFile()) {
        TXmlDocument Doc;
        try {
            Doc.Load_From_File(File_EnOcean);
        } catch (const EXmlError &E) {
            Err.Failed = true;
            Err.File = File_EnOcean;
            Err.Reason = E.Text;
            Err.Line = E.Line;
            Err.Column = E.Column;
            return Err;
        }
        const TXmlNode *Root = Doc.Find_Element(QStringLiteral("EnOcean"));
        const TXmlNode *List = Root ? Root->Find_Child(QStringLiteral("DevicesList")) : nullptr;
        if (List) {
            const QList<TXmlNode *> Device_Nodes = List->Child_Elements();
            for (int D = 0; D < Device_Nodes.size(); ++D) {
                const TXmlNode *Node = Device_Nodes[D];
                TEnOcean_ID_Info Dev;
                try {
                    Dev.Id = Low32_Attribute(Node, QStringLiteral("Id"));
                    Dev.SecurityOption = static_cast<std::uint32_t>(Int_Attribute(Node, QStringLiteral("Secure_Type")));
                    TEnOcean_Security_Info &S = Dev.Security_Info;
                    if (Dev.SecurityOption == 1) {
                        S.PreSharedKey = Must_Attribute(Node, QStringLiteral("Key"));
                    } else if (Dev.SecurityOption != 0) {
                        S.PrivateKey = Must_Attribute(Node, QStringLiteral("Key"));
                        S.RollingCode = Low32_Attribute(Node, QStringLiteral("RollCode"));
                        S.RLCAlgorithm = static_cast<std::uint8_t>(Int_Attribute(Node, QStringLiteral("RollCodeAlg")));
                        S.RLCTx = static_cast<std::uint8_t>(Int_Attribute(Node, QStringLiteral("RollCodeTx")));
                        S.MACAlgorithm = static_cast<std::uint8_t>(Int_Attribute(Node, QStringLiteral("CMACAlg")));
                        S.DataEncryption = Conv_Data_Encryption(Int_Attribute(Node, QStringLiteral("DataCript")));
                        S.SenderIsPTM = static_cast<std::uint8_t>(Int_Attribute(Node, QStringLiteral("PTM")));
                    }
                    if (const TXmlNode *Uni = Node->Find_Child(QStringLiteral("UnidirectionalList"))) {
                        for (const TXmlNode *Eep_Node : Uni->Child_Elements()) {
                            TEnOcean_Eep_Info Eep;
                            const int Rorg = Int_Attribute(Eep_Node, QStringLiteral("RorgNum"));
                            const int Func = Int_Attribute(Eep_Node, QStringLiteral("FuncNum"));
                            const int Type = Int_Attribute(Eep_Node, QStringLiteral("TypeNum"));
                            Eep.Rorg = static_cast<std::uint32_t>(Rorg);
                            // The editor always writes VariablesList; a file without it is damaged.
                            const TXmlNode *Vars = Must_Child_Element(Eep_Node, QStringLiteral("VariablesList"));
                            for (const TXmlNode *Var_Node : Vars->Child_Elements()) {
                                const int Case_Index = Str_To_Int_Def(Must_Attribute(Var_Node, QStringLiteral("CaseInd")), 0);
                                TCase_Key Key;
                                if (!Catalog.Get_Case(Rorg, Func, Type, Case_Index, Key)) {
                                    Unplaced.append({D, Node->Attribute_Or(QStringLiteral("Id"), QString()), Rorg, Func,
                                                     Type, Case_Index,
                                                     Var_Node->Attribute_Or(QStringLiteral("Data"), QString())});
                                    continue;
                                }
                                TEnOcean_Var_Info Var;
                                Var.BitSize = static_cast<std::uint32_t>(Int_Attribute(Var_Node, QStringLiteral("BitSize")));
                                Var.BitOffset = static_cast<std::uint32_t>(Int_Attribute(Var_Node, QStringLiteral("BitOffs")));
                                Var.Position = static_cast<std::uint32_t>(Int_Attribute(Var_Node, QStringLiteral("Position")));
                                Var.Size = static_cast<std::uint32_t>(Int_Attribute(Var_Node, QStringLiteral("BitStart")));
                                const auto Size = static_cast<std::uint32_t>(Key.CaseIdSize);
                                const auto Offset = static_cast<std::uint32_t>(Key.CaseIdOffset);
                                const auto Id = static_cast<std::uint32_t>(Key.CaseId);
                                auto It = std::find_if(Eep.CaseTable.begin(), Eep.CaseTable.end(),
                                                       [&](const TEnOcean_Case_Info &C) {
                                                           return C.InCaseIdSize == Size && C.InCaseIdOffset == Offset
                                                                  && C.InCase == Id;
                                                       });
                                if (It == Eep.CaseTable.end()) {
                                    TEnOcean_Case_Info C;
                                    C.InCaseIdSize = Size;
                                    C.InCaseIdOffset = Offset;
                                    C.InCase = Id;
                                    Eep.CaseTable.push_back(std::move(C));
                                    It = Eep.CaseTable.end() - 1;
                                    Eep.CaseNum = static_cast<std::uint32_t>(Eep.CaseTable.size());
                                }
                                It->InVarTable.push_back(Var);
                                It->InVarNum = static_cast<std::uint32_t>(It->InVarTable.size());
                            }
                            Dev.UniEepTable.push_back(std::move(Eep));
                            Dev.UniEepNum = static_cast<std::uint32_t>(Dev.UniEepTable.size());
                        }
                    }
                } catch (const TRead_Failure &F) {
                    Err.Failed = true;
                    Err.File = File_EnOcean;
                    Err.Device = D;
                    Err.Device_Id = Node->Attribute_Or(QStringLiteral("Id"), QString());
                    Err.Attribute = F.Attribute;
                    Err.Reason = F.Reason;
                    FDevices.clear();
                    return Err;
                }
                FDevices.push_back(std::move(Dev));
            }
        }
    }
    Assign_Addresses(Base);
    return Err;
}

void TImage_Compiler::Assign_Addresses(std::uint32_t Base)
{
    std::uint32_t Run = Base + Bank2_Header_Size + Device_Entry_Size * static_cast<std::uint32_t>(FDevices.size());
    for (auto &D : FDevices) {
        D.SecAdd = Run;
        Run += Security_Entry_Size;
    }
    for (auto &D : FDevices) {
        D.UniEepAdd = Run;
        Run += Eep_Entry_Size * static_cast<std::uint32_t>(D.UniEepTable.size());
        D.SAEepAdd = Run;
        Run += Eep_Entry_Size * static_cast<std::uint32_t>(D.SAEepTable.size());
    }
    for (auto &D : FDevices)
        for (auto *Table : {&D.UniEepTable, &D.SAEepTable})
            for (auto &E : *Table) {
                E.CaseAdd = Run;
                Run += Case_Entry_Size * static_cast<std::uint32_t>(E.CaseTable.size());
            }
    for (auto &D : FDevices)
        for (auto *Table : {&D.UniEepTable, &D.SAEepTable})
            for (auto &E : *Table)
                for (auto &C : E.CaseTable) {
                    C.InVarAdd = Run;
                    Run += Var_Entry_Size * static_cast<std::uint32_t>(C.InVarTable.size());
                    C.OutVarAdd = Run;
                    Run += Var_Entry_Size * static_cast<std::uint32_t>(C.OutVarTable.size());
                }
}

qint64 TImage_Compiler::Tables_Size() const
{
    qint64 Size = Bank2_Header_Size;
    for (const auto &D : FDevices) {
        Size += Device_Entry_Size + Security_Entry_Size;
        for (const auto *Table : {&D.UniEepTable, &D.SAEepTable})
            for (const auto &E : *Table) {
                Size += Eep_Entry_Size;
                for (const auto &C : E.CaseTable)
                    Size += Case_Entry_Size + Var_Entry_Size * qint64(C.InVarTable.size() + C.OutVarTable.size());
            }
    }
    return Size;
}

int TImage_Compiler::Write_Param_Block(int Pos, std::vector<std::uint8_t> &Buffer)
{
    std::uint32_t Sum = 0;
    for (int I = 0; I < ofsChecksum; ++I)
        Sum += FParam_Block[I];
    Put_U32(ofsChecksum, Sum);
    std::copy(FParam_Block.begin(), FParam_Block.end(), Buffer.begin() + Pos);
    return Pos + Param_Block_Size;
}

int TImage_Compiler::Write_EnOcean_Tables(int Pos, std::vector<std::uint8_t> &B) const
{
    const std::uint32_t Base = static_cast<std::uint32_t>(Get_U32(ofsBank2_Base));
    Put_Le32(B, Pos, static_cast<std::uint32_t>(FDevices.size()));
    Put_Le32(B, Pos, Base + Bank2_Header_Size);
    for (const auto &D : FDevices) {
        Put_Le32(B, Pos, D.Id);
        Put_Le32(B, Pos, D.SecurityOption);
        Put_Le32(B, Pos, D.SecAdd);
        Put_Le32(B, Pos, D.UniEepNum);
        Put_Le32(B, Pos, D.UniEepAdd);
        Put_Le32(B, Pos, D.SAEepNum);
        Put_Le32(B, Pos, D.SAEepAdd);
    }
    for (const auto &D : FDevices) {
        const TEnOcean_Security_Info &S = D.Security_Info;
        Put_Key(B, Pos, S.PreSharedKey);
        Put_Key(B, Pos, S.PrivateKey);
        Put_Le32(B, Pos, S.RollingCode);
        for (std::uint8_t V : {S.RLCAlgorithm, S.RLCTx, S.MACAlgorithm, S.DataEncryption, S.SenderIsPTM, S.UnusedChar})
            B[Pos++] = V;
        B[Pos++] = static_cast<std::uint8_t>(S.UnusedShort);
        B[Pos++] = static_cast<std::uint8_t>(S.UnusedShort >> 8);
    }
    for (const auto &D : FDevices)
        for (const auto *Table : {&D.UniEepTable, &D.SAEepTable})
            for (const auto &E : *Table) {
                Put_Le32(B, Pos, E.Rorg);
                Put_Le32(B, Pos, E.CaseNum);
                Put_Le32(B, Pos, E.CaseAdd);
            }
    for (const auto &D : FDevices)
        for (const auto *Table : {&D.UniEepTable, &D.SAEepTable})
            for (const auto &E : *Table)
                for (const auto &C : E.CaseTable)
                    for (std::uint32_t V : {C.InCaseIdSize, C.InCaseIdOffset, C.InCase, C.InVarNum, C.InVarAdd,
                                            C.OutCaseIdSize, C.OutCaseIdOffset, C.OutCase, C.OutVarNum, C.OutVarAdd})
                        Put_Le32(B, Pos, V);
    for (const auto &D : FDevices)
        for (const auto *Table : {&D.UniEepTable, &D.SAEepTable})
            for (const auto &E : *Table)
                for (const auto &C : E.CaseTable)
                    for (const auto *Vars : {&C.InVarTable, &C.OutVarTable})
                        for (const auto &V : *Vars)
                            for (std::uint32_t X : {V.BitSize, V.BitOffset, V.Position, V.Size})
                                Put_Le32(B, Pos, X);
    return Pos;
}

TCompile_Result TImage_Compiler::Compile_Configuration(const QString &File_ParGen, const QString &File_EnOcean,
                                                       const ICase_Lookup &Catalog)
{
    TCompile_Result R;
    FBank1_Len = 0;
    FBank2_Len = 0;
    Init_Param_Block();
    R.Error = Read_ParGen_Param(File_ParGen);
    if (R.Error.Failed)
        return R;
    Put_U32(ofsBank2_Base, Bank2_Base_Address);
    Put_U32(ofsBank2_Flag, 1);
    R.Error = Read_EnOcean_Tables(File_EnOcean, Get_U32(ofsBank2_Base), Catalog, R.Unplaced);
    if (R.Error.Failed)
        return R;
    // The gateway's bank2 area is as large as the buffer; a project that does
    // not fit is refused rather than cut.
    const qint64 Size = Tables_Size();
    if (Size > Image_Buffer_Size) {
        R.Error.Failed = true;
        R.Error.File = File_EnOcean;
        R.Error.Reason = QStringLiteral("The EnOcean tables need %1 bytes, more than the %2 bytes the device holds. "
                                        "Remove devices or variables.")
                             .arg(Size)
                             .arg(Image_Buffer_Size);
        FDevices.clear();
        return R;
    }
    const int Len1 = Write_Param_Block(0, FBank1);
    const int Len2 = Write_EnOcean_Tables(0, FBank2);
    FBank1_Len = Len1;
    FBank2_Len = Len2;
    return R;
}

QByteArray TImage_Compiler::Bank1() const
{
    return QByteArray(reinterpret_cast<const char *>(FBank1.data()), FBank1_Len);
}

QByteArray TImage_Compiler::Bank2() const
{
    return QByteArray(reinterpret_cast<const char *>(FBank2.data()), FBank2_Len);
}

TCompile_Error TImage_Compiler::Save_Bin_Files(const QString &Project_Dir) const
{
    TCompile_Error Err;
    const QString Bin_Dir = Project_Dir + QStringLiteral("/bin");
    if (FBank1_Len == 0) {
        Err.Failed = true;
        Err.Reason = QStringLiteral("There is no compiled configuration to write.");
        return Err;
    }
    if (!QDir().mkpath(Bin_Dir)) {
        Err.Failed = true;
        Err.File = Bin_Dir;
        Err.Reason = QStringLiteral("The folder cannot be created.");
        return Err;
    }
    // The two images only make sense together: the pair is replaced as a
    // whole or not at all, so a failure never leaves a new bank1 beside an
    // old bank2.
    const QList<TFile_Content> Files = {{Bin_Dir + QStringLiteral("/bank1.bin"), Bank1()},
                                        {Bin_Dir + QStringLiteral("/bank2.bin"), Bank2()}};
    QString Why;
    if (!Write_File_Group(Files, &Why)) {
        Err.Failed = true;
        Err.File = Bin_Dir;
        Err.Reason = Why;   // names the image at fault and whether the previous ones stand
        return Err;
    }
    return Err;
}
