#include "protocols/UProfibus_GSD.h"
#include "protocols/Description_File.h"

namespace {
QString Rule_Line() { return QStringLiteral(";* ") + QString(80, QLatin1Char('=')) + QStringLiteral(" *"); }
QString Frame_Line() { return QStringLiteral(";*") + QString(82, QLatin1Char(' ')) + QStringLiteral("*"); }
// ";*", the text, blanks up to 84 characters, "*".
QString Frame_Text(const QString &Text) { return (QStringLiteral(";*") + Text).leftJustified(84, QLatin1Char(' ')) + QStringLiteral("*"); }

void Add_Banner(QStringList &L, const QString &Title, int Width)
{
    const QString Edge = QStringLiteral(";").leftJustified(Width, QLatin1Char('='));
    L << Edge << (QStringLiteral(";==== ") + Title + QStringLiteral(" ")).leftJustified(Width, QLatin1Char('=')) << Edge;
}

QString Hex2(int Value) { return QStringLiteral("%1").arg(Value, 2, 16, QLatin1Char('0')).toUpper(); }

// One module: its line, its number, "EndModule". Every module but the last
// of its kind carries 64 bytes; the last the rest (1 to 64).
void Add_Modules(QStringList &L, const char *Kind, const char *Ident, int Count, int &Number)
{
    const int Modules = GSD_Module_Count(Count);
    for (int M = 0; M < Modules; ++M, ++Number) {
        const int Length = M + 1 < Modules ? 64 : Count - 64 * M;
        L << QStringLiteral("Module=\"%1  (PORT%2)    \" %3,0x%4,0x00,0x%5")
                 .arg(QLatin1String(Kind)).arg(Number).arg(QLatin1String(Ident)).arg(Hex2(Length - 1)).arg(Hex2(Number))
          << QString::number(Number) << QStringLiteral("EndModule");
    }
}
} // namespace

int GSD_Module_Count(int Count) { return Count > 0 ? Count / 64 + (Count % 64 != 0 ? 1 : 0) : 0; }

bool GSD_Counts_Fit(int Nb_In, int Nb_Out)
{
    return GSD_Module_Count(Nb_In) + GSD_Module_Count(Nb_Out) <= GSD_Max_Modules;
}

QStringList GSD_Lines(int Nb_In, int Nb_Out)
{
    const int In = Nb_In < 0 ? 0 : Nb_In;
    const int Out = Nb_Out < 0 ? 0 : Nb_Out;
    const int Modules = GSD_Module_Count(Out) + GSD_Module_Count(In);
    const QString E; // empty line
    QStringList L;
    L << QStringLiteral(";")
      << QStringLiteral(";********************** EnOcean / PROFIBUS Slave - Converter ************************")
      << Rule_Line() << Frame_Line()
      << Frame_Text(QStringLiteral(" QuorixLabs"))
      << Frame_Text(QStringLiteral(" Via dell'Industria 1"))
      << Frame_Text(QStringLiteral(" 00000 Quorix"))
      << Frame_Text(QStringLiteral(" (QX) - Italy"))
      << Frame_Text(QStringLiteral(" Tel.:   +39 000 0000000"))
      << Frame_Text(QStringLiteral(" Fax:    +39 000 0000001"))
      << Frame_Text(QStringLiteral(" E-mail: info@quorix-gateways.example"))
      << Frame_Line() << Rule_Line() << Frame_Line()
      << QStringLiteral(";* Function:       EnOcean / PROFIBUS Slave - Converter                             *")
      << Frame_Line() << Frame_Line()
      << QStringLiteral(";* Order Number : GWTK450                                                           *")
      << Frame_Line() << Frame_Line()
      << QStringLiteral(";") + QString(84, QLatin1Char('*'))
      << E << E << QStringLiteral("#Profibus_DP") << E << E;
    Add_Banner(L, QStringLiteral("Prm-Text-Def-List"), 85);
    L << E << QStringLiteral("PrmText=1") << QStringLiteral("Text(0)=\"disable\"") << QStringLiteral("Text(1)=\"enable\"")
      << QStringLiteral("EndPrmText") << E
      << QStringLiteral("PrmText  = 2") << QStringLiteral("Text(0)  = \"clock up\"") << QStringLiteral("Text(1)  = \"clock down\"")
      << QStringLiteral("EndPrmText") << E
      << QStringLiteral("PrmText  = 3") << QStringLiteral("Text(1)  = \"10\"") << QStringLiteral("Text(2)  = \"20\"")
      << QStringLiteral("Text(3)  = \"30\"") << QStringLiteral("Text(4)  = \"40\"") << QStringLiteral("Text(5)  = \"50\"")
      << QStringLiteral("EndPrmText") << E << E;
    Add_Banner(L, QStringLiteral("Ext-User-Prm-Data-Def-List"), 86);
    L << E << QStringLiteral("ExtUserPrmData=1 \"[SlotNumber]\"") << QStringLiteral("Unsigned8 0 0-32")
      << QStringLiteral("EndExtUserPrmData") << E
      << QStringLiteral("ExtUserPrmData=2 \"Diagnostic Alarm\"") << QStringLiteral("Bit(0) 0 0-1") << QStringLiteral("Prm_Text_Ref=1")
      << QStringLiteral("EndExtUserPrmData") << E
      << QStringLiteral("ExtUserPrmData=3 \"Process Alarm\"") << QStringLiteral("Bit(1) 0 0-1") << QStringLiteral("Prm_Text_Ref=1")
      << QStringLiteral("EndExtUserPrmData") << E
      << QStringLiteral("ExtUserPrmData=4 \"Counter mode\"") << QStringLiteral("Unsigned8 0 0-1") << QStringLiteral("Prm_Text_Ref=2")
      << QStringLiteral("EndExtUserPrmData") << E
      << QStringLiteral("ExtUserPrmData=5 \"Counter timebase (ms)\"") << QStringLiteral("Unsigned8 1 1-5")
      << QStringLiteral("Prm_Text_Ref=3") << QStringLiteral("EndExtUserPrmData") << E
      << QStringLiteral("ExtUserPrmData=6 \"Counter high-limit\"") << QStringLiteral("Unsigned16 65535 0-65535")
      << QStringLiteral("EndExtUserPrmData") << E
      << QStringLiteral("ExtUserPrmData=7 \"Counter low-limit\"") << QStringLiteral("Unsigned16 0 0-65535")
      << QStringLiteral("EndExtUserPrmData") << E << E;
    Add_Banner(L, QStringLiteral("General DP Keywords"), 86);
    L << E << QStringLiteral("GSD_Revision = 5") << QStringLiteral("Vendor_Name = \"QuorixLabs\"")
      << QStringLiteral("Model_Name = \"GWTK450\"") << QStringLiteral("Revision = \"1.00\"")
      << QStringLiteral("Ident_Number = 0x7A3D") << QStringLiteral("Protocol_Ident = 0") << QStringLiteral("Station_Type = 0")
      << QStringLiteral("FMS_supp = 0") << QStringLiteral("Hardware_Release = \"V1.00\"")
      << QStringLiteral("Software_Release = \"V1.00\"") << QStringLiteral("Redundancy = 0")
      << QStringLiteral("Repeater_Ctrl_Sig = 2") << QStringLiteral("24V_Pins = 0") << E << E;
    Add_Banner(L, QStringLiteral("Supported baudrates"), 79);
    L << E << QStringLiteral("9.6_supp = 1") << QStringLiteral("19.2_supp = 1") << QStringLiteral("45.45_supp = 1")
      << QStringLiteral("93.75_supp = 1") << QStringLiteral("187.5_supp = 1") << QStringLiteral("500_supp = 1")
      << QStringLiteral("1.5M_supp = 1") << QStringLiteral("3M_supp = 1") << QStringLiteral("6M_supp = 1")
      << QStringLiteral("12M_supp = 1") << E
      << QStringLiteral("MaxTsdr_9.6=15") << QStringLiteral("MaxTsdr_19.2=15") << QStringLiteral("MaxTsdr_45.45=15")
      << QStringLiteral("MaxTsdr_93.75=15") << QStringLiteral("MaxTsdr_187.5=15") << QStringLiteral("MaxTsdr_500=15")
      << QStringLiteral("MaxTsdr_1.5M=20") << QStringLiteral("MaxTsdr_3M=35") << QStringLiteral("MaxTsdr_6M=50")
      << QStringLiteral("MaxTsdr_12M=95") << E << E;
    Add_Banner(L, QStringLiteral("Slave specific values"), 79);
    L << E << QStringLiteral("OrderNumber=\"GWTK450\"") << QStringLiteral("Slave_Family = 9@QuorixLabs@GWTK450")
      << QStringLiteral("Implementation_Type = \"VPC3+\"")
      << QStringLiteral("Info_Text=\"QuorixLabs: EnOcean / PROFIBUS Slave - Converter\"")
      << QStringLiteral("Bitmap_Device = \"DPV0_1N\"") << QStringLiteral("Bitmap_SF=\"DPV0_1S\"") << E
      << QStringLiteral("Freeze_Mode_supp=1") << QStringLiteral("Sync_Mode_supp=1") << QStringLiteral("Fail_Safe=1")
      << QStringLiteral("Auto_Baud_supp=1") << QStringLiteral("Set_Slave_Add_supp=0") << E
      << QStringLiteral("Min_Slave_Intervall=6") << E << QStringLiteral("Modular_Station=1")
      << QStringLiteral("Max_Module=%1").arg(Modules) << QStringLiteral("Modul_Offset=1")
      << QStringLiteral("Max_Input_Len=%1").arg(Out) << QStringLiteral("Max_Output_Len=%1").arg(In)
      << QStringLiteral("Max_Data_Len=%1").arg(static_cast<qint64>(In) + Out) << QStringLiteral("Max_Diag_Data_Len=15") << E
      << QStringLiteral("WD_Base_1ms_supp = 1") << QStringLiteral("Publisher_supp = 1") << E;
    Add_Banner(L, QStringLiteral("User-Prm-Data"), 79);
    L << E << QStringLiteral("Max_User_Prm_Data_Len = 12") << QStringLiteral("Ext_User_Prm_Data_Const(0)= 0x00,0x00,0x00") << E;
    Add_Banner(L, QStringLiteral("Modulstatus"), 79);
    L << E;
    for (int Slot = 1; Slot <= 2; ++Slot)
        L << QStringLiteral("Unit_Diag_Area = %1 - %2").arg(22 + 2 * Slot).arg(23 + 2 * Slot)
          << QStringLiteral("Value(1)= \"Slot %1: Module error\"").arg(Slot)
          << QStringLiteral("Value(2)= \"Slot %1: Wrong module\"").arg(Slot)
          << QStringLiteral("Value(3)= \"Slot %1: No module\"").arg(Slot) << QStringLiteral("Unit_Diag_Area_End");
    L << E << E;
    Add_Banner(L, QStringLiteral("Module-Definition-List"), 79);
    L << E;
    int Number = 1;
    Add_Modules(L, "DI", "0x42", Out, Number);
    Add_Modules(L, "DO", "0x82", In, Number);
    L << E << E << E << QStringLiteral("SlotDefinition");
    for (int N = 1; N <= Modules; ++N)
        L << QStringLiteral("Slot(%1) = \"Slot %1\" %1 %1").arg(N);
    L << QStringLiteral("EndSlotDefinition") << E << E << E << E;
    return L;
}

QByteArray GSD_File_Bytes(int Nb_In, int Nb_Out) { return Lines_To_Cp1252(GSD_Lines(Nb_In, Nb_Out)); }

bool Write_GSD_File(const QString &Path, int Nb_In, int Nb_Out, QString *Error)
{
    if (!GSD_Counts_Fit(Nb_In, Nb_Out)) {
        if (Error)
            *Error = QStringLiteral("%1 input and %2 output bytes need more than %3 modules").arg(Nb_Out).arg(Nb_In).arg(GSD_Max_Modules);
        return false;
    }
    return Write_Description_File(Path, GSD_File_Bytes(Nb_In, Nb_Out), Error);
}

QString GSD_File_Path(const QString &Chosen)
{
    const qsizetype At = Chosen.toLower().indexOf(QLatin1String(".gsd"));
    if (At >= 0 && At + 4 == Chosen.size())
        return Chosen;
    return Chosen + QStringLiteral(".gsd");
}
