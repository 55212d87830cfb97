#include "protocols/UProfinetXML.h"
#include "platform/TrimEnds.h"
#include "protocols/Description_File.h"

namespace {
const char *const Device_Profile_Ns = "http://www.profibus.com/GSDML/2003/11/DeviceProfile";

// Lines indented by nesting depth with tabs.
class TLines
{
public:
    QStringList L;
    int Depth = 0;
    void Line(const QString &Text) { L << QString(Depth, QLatin1Char('\t')) + Text; }
    void Open(const QString &Tag) { Line(QLatin1Char('<') + Tag + QLatin1Char('>')); ++Depth; }
    void Close(const char *Name) { --Depth; Line(QStringLiteral("</%1>").arg(QLatin1String(Name))); }
    void Empty(const QString &Tag) { Line(QLatin1Char('<') + Tag + QStringLiteral("/>")); }
    void Text(const char *Name, const char *Value)
    {
        Line(QStringLiteral("<%1>%2</%1>").arg(QLatin1String(Name), QLatin1String(Value)));
    }
};

struct TText_Row
{
    const char *Id;
    const char *Value;
};
// The external texts in file order.
const TText_Row Texts[] = {
    {"IDT_INFO_Device", "Quorix Gateways"},
    {"IDT_NAME_DAP1", "ENOCEANDevice"},
    {"IDT_INFO_DAP1", "Profinet ENOCEAN Adapter"},
    {"IDT_SUBSLOT_1", "Subslot 1"},
    {"IDT_SUBSLOT_Interface", "Interface"},
    {"IDT_SUBSLOT_Port1", "Port 1"},
    {"IDT_SUBSLOT_Port2", "Port 2"},
    {"IDT_RECORD_NAME_Head", "Parameters of head module"},
    {"IDT_REF_Power", "Percent power"},
    {"IDT_NAME_VS1", "Submodule V1"},
    {"IDT_INFO_VS1", "Description of submodule V1"},
    {"IDT_NAME_IS", "I"},
    {"IDT_NAME_PS1", "P1"},
    {"IDT_NAME_PS2", "P2"},
    {"IDT_NAME_M1", "Module"},
    {"IDT_INFO_M1", "device ENOCEAN"},
    {"IDT_NAME_FAP", "FAP for ENOCEAN"},
    {"IDT_INFO_FAP", "Description of FAP for ENOCEAN"},
    {"IDT_RECORD_NAME_SlotCluster", "Parameters of the FAP"},
    {"IDT_REF_SlotClusterBegin", "Beginning of slot cluster"},
    {"IDT_NAME_M_PB1", "ENOCEAN Device "},
    {"IDT_INFO_M_PB1", "Description of ENOCEAN"},
    {"IDT_NAME_S_PB1", "Module of a ENOCEAN"},
    {"IDT_INFO_S_PB1", "Description of module of a ENOCEAN"},
    {"IDT_PB_Input", "Digital input ENOCEANCLIENT"},
    {"IDT_PB_InputBit0", "Digital input bit ENOCEAN"},
    {"IDT_NAME_S1", "Submodule 1"},
    {"IDT_INFO_S1", "Description of submodule 1"},
    {"IDT_Input_1", "Input byte"},
    {"IDT_Output_1", "Output word"},
    {"IDT_CATEGORY_DI", "Digital Input"},
    {"IDT_INFO_DI", "Description of digital input"},
    {"IDT_CATEGORY_DO", "Digital output"},
    {"IDT_INFO_DO", "Description of digital output"},
    {"IDT_NAME_M1_IDT_REF_channel", "Canale x"},
    {"IDT_REF_reaction_to_cpu_stop", "Reaction to CPU STOP"},
    {"IDT_NAME_M1_Base_Parameters", "Base Parameters"},
    // The last three are written Value first.
    {"IDT_ASSIGN_do_set_substitude_values", "Output substitute value"},
    {"IDT_ASSIGN_do_values_will_hold", "Keep last value"},
    {"IDT_ASSIGN_do_continue_counting", "Continue operation"},
};
constexpr int Value_First_From = 37;

bool Is_Xml_Char(char32_t C)
{
    return C == 0x9 || C == 0xA || C == 0xD || (C >= 0x20 && C <= 0xD7FF) || (C >= 0xE000 && C <= 0xFFFD)
           || (C >= 0x10000 && C <= 0x10FFFF);
}
} // namespace

QString GSDML_Prefix() { return QStringLiteral("GSDML-V2.31-Quorix-GWTK460"); }

QString GSDML_Date_Part(const QDate &Date) { return QLatin1Char('-') + Date.toString(QStringLiteral("yyyyMMdd")) + QStringLiteral(".xml"); }

bool Is_Valid_GSDML_User_Part(const QString &User_Part)
{
    if (User_Part.contains(QLatin1Char('/')) || User_Part.contains(QLatin1Char('\\'))
        || User_Part.contains(QLatin1String("..")))
        return false;
    // A control character cannot stand in a file name on every system.
    for (const QChar C : User_Part)
        if (C.unicode() < 0x20 || C.unicode() == 0x7F || C.category() == QChar::Other_Control)
            return false;
    return true;
}

QString GSDML_File_Name(const QString &User_Part, const QDate &Date)
{
    if (Trim_Ends(User_Part).isEmpty())
        return GSDML_Prefix() + GSDML_Date_Part(Date);
    if (User_Part.startsWith(QLatin1Char('_')))
        return GSDML_Prefix() + User_Part + GSDML_Date_Part(Date);
    return GSDML_Prefix() + QLatin1Char('_') + User_Part + GSDML_Date_Part(Date);
}

QString GSDML_Escape(const QString &Text)
{
    QString Out;
    for (char32_t C : Text.toUcs4()) {
        switch (C) {
        case '&': Out += QLatin1String("&amp;"); break;
        case '<': Out += QLatin1String("&lt;"); break;
        case '"': Out += QLatin1String("&quot;"); break;
        case '\t': Out += QLatin1String("&#9;"); break;
        case '\n': Out += QLatin1String("&#10;"); break;
        case '\r': Out += QLatin1String("&#13;"); break;
        default:
            if (Is_Xml_Char(C))
                Out += QString::fromUcs4(&C, 1);
            else
                Out += QLatin1Char('?');
        }
    }
    return Out;
}

QStringList GSDML_Lines(const TPROFINET_Param &Param)
{
    const QString Ns = QLatin1String(Device_Profile_Ns);
    const QString Station = GSDML_Escape(Param.Station_Name);
    TLines X;
    X.Line(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
    X.Line(QStringLiteral("<!-- A fieldbus integration example. -->"));
    X.Open(QStringLiteral("ISO15745Profile xmlns=\"%1\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                          "xsi:schemaLocation=\"%1 ..\\xsd\\GSDML-DeviceProfile-v2.31.xsd\"").arg(Ns));
    X.Open(QStringLiteral("ProfileHeader"));
    X.Text("ProfileIdentification", "PROFINET Device Profile");
    X.Text("ProfileRevision", "1.00");
    X.Text("ProfileName", "Device Profile for PROFINET Devices");
    X.Text("ProfileSource", "PROFIBUS Nutzerorganisation e. V. (PNO)");
    X.Text("ProfileClassID", "Device");
    X.Open(QStringLiteral("ISO15745Reference"));
    X.Text("ISO15745Part", "4");
    X.Text("ISO15745Edition", "1");
    X.Text("ProfileTechnology", "GSDML");
    X.Close("ISO15745Reference");
    X.Close("ProfileHeader");
    X.Open(QStringLiteral("ProfileBody"));
    X.Open(QStringLiteral("DeviceIdentity VendorID=\"0x0C4E\" DeviceID=\"0x0D31\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_Device\""));
    X.Empty(QStringLiteral("VendorName Value=\"QuorixLabs\""));
    X.Close("DeviceIdentity");
    X.Open(QStringLiteral("DeviceFunction"));
    X.Empty(QStringLiteral("Family MainFamily=\"Gateway\" ProductFamily=\"GWTK460\""));
    X.Close("DeviceFunction");
    X.Open(QStringLiteral("ApplicationProcess"));

    X.Open(QStringLiteral("DeviceAccessPointList"));
    X.Open(QStringLiteral("DeviceAccessPointItem PNIO_Version=\"V2.3\" RequiredSchemaVersion=\"V2.25\" ID=\"IDD_1\" "
                          "PhysicalSlots=\"0..4\" ModuleIdentNumber=\"0x00000001\" MinDeviceInterval=\"64\" "
                          "ImplementationType=\"%1\" DNS_CompatibleName=\"%1\" FixedInSlots=\"0\" "
                          "ObjectUUID_LocalIndex=\"1\" MultipleWriteSupported=\"true\" MaxSupportedRecordSize=\"8192\" "
                          "ParameterizationSpeedupSupported=\"true\" PowerOnToCommReady=\"350\" "
                          "DeviceAccessSupported=\"true\" SharedDeviceSupported=\"true\" "
                          "CheckDeviceID_Allowed=\"false\" NameOfStationNotTransferable=\"true\"")
               .arg(Station));
    X.Open(QStringLiteral("ModuleInfo"));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_DAP1\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_DAP1\""));
    X.Empty(QStringLiteral("VendorName Value=\"QuorixLabs\""));
    X.Empty(QStringLiteral("OrderNumber Value=\"GWTK460\""));
    X.Close("ModuleInfo");
    X.Open(QStringLiteral("SubslotList"));
    X.Empty(QStringLiteral("SubslotItem SubslotNumber=\"0\" TextId=\"IDT_SUBSLOT_1\""));
    X.Empty(QStringLiteral("SubslotItem SubslotNumber=\"32768\" TextId=\"IDT_SUBSLOT_Interface\""));
    X.Empty(QStringLiteral("SubslotItem SubslotNumber=\"32769\" TextId=\"IDT_SUBSLOT_Port1\""));
    X.Empty(QStringLiteral("SubslotItem SubslotNumber=\"32770\" TextId=\"IDT_SUBSLOT_Port2\""));
    X.Close("SubslotList");
    X.Empty(QStringLiteral("IOConfigData MaxInputLength=\"1440\" MaxOutputLength=\"1440\" MaxDataLength=\"2880\""));
    X.Open(QStringLiteral("UseableModules"));
    X.Empty(QStringLiteral("ModuleItemRef ModuleItemTarget=\"IDM_1\" FixedInSlots=\"1\""));
    X.Close("UseableModules");
    X.Open(QStringLiteral("VirtualSubmoduleList"));
    X.Open(QStringLiteral("VirtualSubmoduleItem ID=\"IDS_V1\" SubmoduleIdentNumber=\"0x00000000\""));
    X.Empty(QStringLiteral("IOData IOPS_Length=\"1\" IOCS_Length=\"1\""));
    X.Open(QStringLiteral("ModuleInfo"));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_VS1\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_VS1\""));
    X.Close("ModuleInfo");
    X.Close("VirtualSubmoduleItem");
    X.Close("VirtualSubmoduleList");
    X.Open(QStringLiteral("SystemDefinedSubmoduleList"));
    X.Open(QStringLiteral("InterfaceSubmoduleItem ID=\"IDS_I\" SubmoduleIdentNumber=\"0x00000001\" SubslotNumber=\"32768\" "
                          "TextId=\"IDT_NAME_IS\" SupportedRT_Classes=\"RT_CLASS_1\" SupportedProtocols=\"SNMP;LLDP\" "
                          "SupportedMibs=\"MIB2\""));
    X.Open(QStringLiteral("ApplicationRelations"));
    X.Empty(QStringLiteral("TimingProperties SendClock=\"32\" ReductionRatio=\"1 2 4 8 16 32 64 128 256 512\""));
    X.Close("ApplicationRelations");
    X.Close("InterfaceSubmoduleItem");
    for (int P = 1; P <= 2; ++P)
        X.Empty(QStringLiteral("PortSubmoduleItem ID=\"IDS_P%1\" SubmoduleIdentNumber=\"0x00000002\" SubslotNumber=\"%2\" "
                               "TextId=\"IDT_NAME_PS%1\" MaxPortRxDelay=\"350\" MaxPortTxDelay=\"160\"")
                    .arg(P).arg(32768 + P));
    X.Close("SystemDefinedSubmoduleList");
    X.Line(QStringLiteral("<!-- This element tells the engineering tool that the DAP supports fieldbus integration (slot clusters). -->"));
    X.Line(QStringLiteral("<!-- FieldbusIntegrationSlots MaxSupported=\"127\" Range=\"100..9999\"/-->"));
    X.Close("DeviceAccessPointItem");
    X.Close("DeviceAccessPointList");

    X.Open(QStringLiteral("ModuleList"));
    X.Line(QStringLiteral("<!-- The \"normal\" module carrying the FAP. -->"));
    X.Open(QStringLiteral("ModuleItem ID=\"IDM_1\" ModuleIdentNumber=\"0x00000001\""));
    X.Open(QStringLiteral("ModuleInfo"));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_M1\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_M1\""));
    X.Empty(QStringLiteral("OrderNumber Value=\"12345-0040-M\""));
    X.Close("ModuleInfo");
    X.Open(QStringLiteral("VirtualSubmoduleList"));
    X.Open(QStringLiteral("VirtualSubmoduleItem ID=\"IDM_1\" SubmoduleIdentNumber=\"0x00000001\""));
    X.Open(QStringLiteral("IOData IOPS_Length=\"1\" IOCS_Length=\"1\""));
    // The gateway's output bytes are the controller's input data, and the other way round.
    X.Line(QStringLiteral("<Input><DataItem DataType=\"OctetString\" Length=\"%1\" TextId=\"IDT_Input_1\"/></Input>").arg(Param.Nb_Out));
    X.Line(QStringLiteral("<Output><DataItem DataType=\"OctetString\" Length=\"%1\" TextId=\"IDT_Output_1\"/></Output>").arg(Param.Nb_In));
    X.Close("IOData");
    X.Open(QStringLiteral("RecordDataList"));
    X.Open(QStringLiteral("ParameterRecordDataItem Index=\"128\" Length=\"2\""));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_M1_IDT_REF_channel\""));
    X.Empty(QStringLiteral("Const ByteOffset=\"0\" Data=\"0x00,0x00\""));
    X.Empty(QStringLiteral("Ref TextId=\"IDT_REF_reaction_to_cpu_stop\" Visible=\"true\" DataType=\"BitArea\" ByteOffset=\"0\" "
                           "BitOffset=\"0\" BitLength=\"2\" DefaultValue=\"2\" AllowedValues=\"0..2\" "
                           "ValueItemTarget=\"IDV_reaction_to_cpu_stop\" ID=\"IDT_REF_reaction_to_cpu_stop\""));
    X.Open(QStringLiteral("MenuList"));
    X.Open(QStringLiteral("MenuItem ID=\"IDT_NAME_M1_IDT_REF_channel\""));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_M1_IDT_REF_channel\""));
    X.Empty(QStringLiteral("MenuRef MenuTarget=\"IDT_NAME_M1_Base_Parameters\""));
    X.Close("MenuItem");
    X.Open(QStringLiteral("MenuItem ID=\"IDT_NAME_M1_Base_Parameters\""));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_M1_Base_Parameters\""));
    X.Empty(QStringLiteral("ParameterRef ParameterTarget=\"IDT_REF_reaction_to_cpu_stop\""));
    X.Close("MenuItem");
    X.Close("MenuList");
    X.Close("ParameterRecordDataItem");
    X.Close("RecordDataList");
    X.Open(QStringLiteral("ModuleInfo"));
    X.Empty(QStringLiteral("Name TextId=\"IDT_NAME_M1\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_M1\""));
    X.Close("ModuleInfo");
    X.Close("VirtualSubmoduleItem");
    X.Close("VirtualSubmoduleList");
    X.Close("ModuleItem");
    X.Close("ModuleList");

    X.Open(QStringLiteral("ValueList"));
    X.Open(QStringLiteral("ValueItem ID=\"IDV_reaction_to_cpu_stop\""));
    X.Open(QStringLiteral("Assignments"));
    X.Empty(QStringLiteral("Assign TextId=\"IDT_ASSIGN_do_set_substitude_values\" Content=\"0\""));
    X.Empty(QStringLiteral("Assign TextId=\"IDT_ASSIGN_do_values_will_hold\" Content=\"1\""));
    X.Empty(QStringLiteral("Assign TextId=\"IDT_ASSIGN_do_continue_counting\" Content=\"2\""));
    X.Close("Assignments");
    X.Close("ValueItem");
    X.Close("ValueList");

    X.Open(QStringLiteral("CategoryList"));
    X.Open(QStringLiteral("CategoryItem ID=\"IDC_DI\" TextId=\"IDT_CATEGORY_DI\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_DI\""));
    X.Close("CategoryItem");
    X.Open(QStringLiteral("CategoryItem ID=\"IDC_DO\" TextId=\"IDT_CATEGORY_DO\""));
    X.Empty(QStringLiteral("InfoText TextId=\"IDT_INFO_DO\""));
    X.Close("CategoryItem");
    X.Close("CategoryList");

    X.Open(QStringLiteral("ExternalTextList"));
    X.Open(QStringLiteral("PrimaryLanguage"));
    for (int I = 0; I < static_cast<int>(std::size(Texts)); ++I) {
        const QString Id = QLatin1String(Texts[I].Id), Value = QLatin1String(Texts[I].Value);
        if (I < Value_First_From)
            X.Empty(QStringLiteral("Text TextId=\"%1\" Value=\"%2\"").arg(Id, Value));
        else
            X.Empty(QStringLiteral("Text Value=\"%1\" TextId=\"%2\"").arg(Value, Id));
    }
    X.Close("PrimaryLanguage");
    X.Close("ExternalTextList");

    X.Close("ApplicationProcess");
    X.Close("ProfileBody");
    X.Close("ISO15745Profile");
    return X.L;
}

QByteArray GSDML_File_Bytes(const TPROFINET_Param &Param) { return Lines_To_Utf8_Bom(GSDML_Lines(Param)); }

bool Write_GSDML_File(const QString &Path, const QString &File_ParGen, QString *Error)
{
    return Write_Description_File(Path, GSDML_File_Bytes(Read_PROFINET_Param(File_ParGen)), Error);
}
