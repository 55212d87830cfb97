#include "protocols/UBACnet_EDE_File.h"
#include "platform/TrimEnds.h"
#include "protocols/Description_File.h"
#include "platform/Clock.h"

namespace {
struct TType_Name
{
    const char *Name;
    int Type;
};
const TType_Name Object_Types[] = {
    {"ANALOG INPUT", 0},       {"ANALOG OUT", 1},         {"ANALOG VALUE", 2},        {"BINARY INPUT", 3},
    {"BINARY OUT", 4},         {"BINARY VALUE", 5},       {"MULTI STATE INPUT", 13},  {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19}, {"LIFE SAFETY POINT", 21}, {"LIFE SAFETY ZONE", 22},   {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},       {"CHARACTERSTRING VALUE", 40}, {"DATETIME VALUE", 44}, {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46}, {"POSITIVE INTEGER VALUE", 48},
};

// The first Count characters (a surrogate pair counts as one).
QString Left_Chars(const QString &Text, int Count)
{
    qsizetype I = 0;
    for (int N = 0; N < Count && I < Text.size(); ++N)
        I += (Text[I].isHighSurrogate() && I + 1 < Text.size() && Text[I + 1].isLowSurrogate()) ? 2 : 1;
    return Text.left(I);
}
} // namespace

int Get_BACnet_Object_Type(const QString &Data_Type)
{
    const QString Key = Trim_Ends(Data_Type).toUpper();
    for (const TType_Name &T : Object_Types)
        if (Key == QLatin1String(T.Name))
            return T.Type;
    return 0;
}

QList<TBACnet_EDE_Obj> Make_EDE_Objects(const TBACnet_EDE_Param &Param, const QList<TBACnet_Object_Row> &Rows)
{
    TEDE_Instance_Counters Counters;
    QList<TBACnet_EDE_Obj> Objects;
    for (const TBACnet_Object_Row &R : Rows) {
        const int Type = Get_BACnet_Object_Type(R.Data_Type);
        const int Instance = Counters.Next_Object_Instance(Type);
        TBACnet_EDE_Obj O;
        O.DevObjInstance = Param.Dev_Instance;
        O.ObjectName = Left_Chars(R.Mnemonic, Param.Name_Length);
        O.ObjectType = QString::number(Type);
        O.ObjectInstance = QString::number(Instance);
        O.Keyname = Param.Dev_Instance + QStringLiteral("_") + R.Mnemonic + QStringLiteral("_") + O.ObjectInstance;
        O.Description = O.ObjectName;
        O.UnitCode = R.Eng_Unit;
        Objects.append(O);
    }
    return Objects;
}

QString Get_EDE_TimeStamp(const QDateTime &Now) { return Now.toString(QStringLiteral("hh:mm:ss dd/MM/yyyy")); }

QString EDE_Field(const QString &Text)
{
    QString F = Text;
    F.replace(QLatin1String("\r\n"), QLatin1String(" "));
    F.replace(QLatin1Char('\r'), QLatin1Char(' '));
    F.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (F.contains(QLatin1Char(';')) || F.startsWith(QLatin1Char('"'))) {
        F.replace(QLatin1String("\""), QLatin1String("\"\""));
        F = QLatin1Char('"') + F + QLatin1Char('"');
    }
    return F;
}

QStringList EDE_Lines(const QString &Project_Name, const QDateTime &Now, const QList<TBACnet_EDE_Obj> &Objects)
{
    QStringList L;
    L << QStringLiteral("PROJECT_NAME;") + EDE_Field(QStringLiteral(" QuorixLabs--") + Project_Name) + QStringLiteral(";;;;;;")
      << QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;")
      << QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + Get_EDE_TimeStamp(Now) + QStringLiteral(";;;;;;")
      << QStringLiteral("AUTHOR_OF_LAST_CHANGE;QuorixLabs;;;;;;")
      << QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;")
      << QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;")
      << QStringLiteral("# keyname;device obj.-instance;object-name;object-type;object-instance;description;unit-code;");
    for (const TBACnet_EDE_Obj &O : Objects) {
        QString Line;
        for (const QString *F : {&O.Keyname, &O.DevObjInstance, &O.ObjectName, &O.ObjectType, &O.ObjectInstance,
                                 &O.Description, &O.UnitCode})
            Line += EDE_Field(*F) + QLatin1Char(';');
        L << Line;
    }
    return L;
}

QByteArray EDE_File_Bytes(const QString &Project_Name, const QDateTime &Now, const QList<TBACnet_EDE_Obj> &Objects)
{
    return Lines_To_Cp1252(EDE_Lines(Project_Name, Now, Objects));
}

bool Build_EDE_File(const QString &Path, const TEDE_Sources &Sources, QString *Error)
{
    const TBACnet_EDE_Param Param = Read_BACnet_Param(Sources.File_ParGen);
    QList<TBACnet_Object_Row> Rows;
    if (!Read_BACnet_Object_Rows(Sources.File_BACnet_Slave, Rows, Error))
        return false;
    const QList<TBACnet_EDE_Obj> Objects = Make_EDE_Objects(Param, Rows);
    return Write_Description_File(Path, EDE_File_Bytes(Sources.Project_Name, Clock().Now(), Objects), Error);
}

QString EDE_File_Path(const QString &Chosen)
{
    if (Chosen.right(4).toUpper() == QLatin1String(".CSV"))
        return Chosen;
    return Chosen + QStringLiteral(".csv");
}
