#include "protocols/Table_Checks.h"
#include "protocols/BACnet_Slave_File.h"
#include "protocols/MQTT_Set_Topic_File.h"
#include "platform/TextToInt.h"
#include "platform/TrimEnds.h"
#include "workspace/Workspace.h"

namespace {

// A cell read as a whole number with the program's usual rule, Fallback when
// it is not one.
int Number_Or(const QString &Text, int Fallback)
{
    int Value = 0;
    return Text_To_Int(Text, Value) ? Value : Fallback;
}

TTable_Check_Result Fail(int Text, int Row, const QString &Suffix = QString())
{
    return TTable_Check_Result{Text, Row, Suffix};
}

bool Valid_IP(const QString &Text)
{
    QString P1, P2, P3, P4;
    return Check_IP_Address(Trim_Ends(Text), P1, P2, P3, P4);
}

// The texts of one direction's checks.
struct TMQTT_Texts
{
    int No_Type, Dim_Int, Dim_Float, Dim_Other, Position, IP, Input_Template, Template;
};

// The checks both directions share: data type and dimension, position.
TTable_Check_Result Check_Type_And_Position(const TCellTable &T, const QSet<int> &Hidden, int Row, int Type_Col,
                                            int Dim_Col, int Pos_Col, int Bytes, const TMQTT_Texts &Texts)
{
    if (!Hidden.contains(Type_Col)) {
        const QString Type = Trim_Ends(T.Cell(Type_Col, Row)).toUpper();
        if (Type.isEmpty())
            return Fail(Texts.No_Type, Row);
        const int Dim = Number_Or(T.Cell(Dim_Col, Row), -1);
        if (Type == QLatin1String("INT")) {
            if (Dim != 1 && Dim != 2 && Dim != 4 && Dim != 8)
                return Fail(Texts.Dim_Int, Row);
        } else if (Type == QLatin1String("FLOAT")) {
            if (Dim != 4 && Dim != 8)
                return Fail(Texts.Dim_Float, Row);
        } else if (Dim < 1) {
            return Fail(Texts.Dim_Other, Row);
        }
    }
    if (!Hidden.contains(Pos_Col)) {
        const int Pos = Number_Or(T.Cell(Pos_Col, Row), -1);
        if (Pos < 0 || Pos > Bytes - 1)
            return Fail(Texts.Position, Row, QString::number(Bytes - 1));
    }
    return {};
}

TTable_Check_Result Check_Publish(const TCellTable &T, const QSet<int> &Hidden, int Bytes)
{
    using F = TMQTT_Set_Topic_File;
    static const TMQTT_Texts Texts{1452, 1453, 1454, 1455, 1456, 1474, 1477, 1478};
    const int Rows = T.Used_Rows(F::pcTopic);
    for (int Row = 1; Row <= Rows; ++Row) {
        TTable_Check_Result R =
            Check_Type_And_Position(T, Hidden, Row, F::pcDataType, F::pcDimension, F::pcPosition, Bytes, Texts);
        if (!R.Passed())
            return R;
        if (!Hidden.contains(F::pcIPAddress) && !Valid_IP(T.Cell(F::pcIPAddress, Row)))
            return Fail(Texts.IP, Row);
        if (!Hidden.contains(F::pcInputTemplate) && Error_In_Topic_Template(Trim_Ends(T.Cell(F::pcInputTemplate, Row))))
            return Fail(Texts.Input_Template, Row);
        if (!Hidden.contains(F::pcTemplate) && Error_In_Topic_Template(Trim_Ends(T.Cell(F::pcTemplate, Row))))
            return Fail(Texts.Template, Row);
        // The timer is checked whether or not its columns are shown.
        if (Trim_Ends(T.Cell(F::pcOnTimer, Row)).toUpper() == QLatin1String("Y")) {
            const int Time = Number_Or(T.Cell(F::pcTime, Row), -1);
            if (Time < 1 || Time > 1000000000)
                return Fail(1489, Row);
        }
    }
    return {};
}

TTable_Check_Result Check_Subscribe(const TCellTable &T, const QSet<int> &Hidden, int Bytes)
{
    using F = TMQTT_Set_Topic_File;
    static const TMQTT_Texts Texts{1457, 1458, 1459, 1460, 1461, 1475, 1479, 1480};
    const int Rows = T.Used_Rows(F::scTopic);
    for (int Row = 1; Row <= Rows; ++Row) {
        TTable_Check_Result R =
            Check_Type_And_Position(T, Hidden, Row, F::scDataType, F::scDimension, F::scPosition, Bytes, Texts);
        if (!R.Passed())
            return R;
        if (!Hidden.contains(F::scIPAddress) && !Valid_IP(T.Cell(F::scIPAddress, Row)))
            return Fail(Texts.IP, Row);
        if (!Hidden.contains(F::scPort)) {
            const int Port = Number_Or(T.Cell(F::scPort, Row), -1);
            if (Port < 0 || Port > 65535)
                return Fail(1476, Row);
        }
        if (!Hidden.contains(F::scInputTemplate) && Error_In_Topic_Template(Trim_Ends(T.Cell(F::scInputTemplate, Row))))
            return Fail(Texts.Input_Template, Row);
        if (!Hidden.contains(F::scTemplate) && Error_In_Topic_Template(Trim_Ends(T.Cell(F::scTemplate, Row))))
            return Fail(Texts.Template, Row);
    }
    return {};
}

// ---- BACnet -------------------------------------------------------------------

// Length rule of one data type in one table: Min .. Max bytes, or (Bit) the
// Start Bit is required and the length plays no part.
struct TLength_Rule
{
    const char *Type;
    bool Bit;
    int Min, Max;
    int Text;
};

const TLength_Rule Read_Rules[] = {
    {"Binary Input", true, 0, 0, 1945},
    {"Binary Value", true, 0, 0, 1945},
    {"Analog Input", false, 1, 4, 1935},
    {"Positive Integer Value", false, 1, 4, 1936},
    {"Large Analog Value", false, 1, 8, 1937},
    {"Analog Value", false, 1, 4, 1938},
    {"Multi State Input", false, 1, 4, 1939},
    {"Multi State Value", false, 1, 4, 1940},
    {"Life Safety Point", false, 1, 2, 1941},
    {"Life Safety Zone", false, 1, 2, 1942},
    {"Access Door", false, 1, 1, 1943},
    {"Accumulator", false, 1, 4, 1944},
};

const TLength_Rule Write_Rules[] = {
    {"Binary Out", true, 0, 0, 1957},
    {"Binary Value", true, 0, 0, 1957},
    {"Analog Out", false, 1, 4, 1949},
    {"Analog Value", false, 1, 4, 1950},
    {"Positive Integer Value", false, 1, 4, 1951},
    {"Large Analog Value", false, 1, 8, 1952},
    {"Integer Value", false, 1, 4, 1953},
    {"Multi State Output", false, 1, 4, 1954},
    {"Multi State Value", false, 1, 4, 1955},
    {"Access Door", false, 1, 1, 1956},
};

struct TBACnet_Texts
{
    int Unit, Position, Too_Many_Bytes;
};

template <size_t N>
TTable_Check_Result Check_Objects(const TCellTable &T, int Bytes, const TLength_Rule (&Rules)[N],
                                  const TBACnet_Texts &Texts, int &Objects)
{
    using F = TBACnet_Slave_File;
    const int Rows = T.Used_Rows(F::bcDataType);
    for (int Row = 1; Row <= Rows; ++Row) {
        ++Objects;
        const int Unit = Number_Or(T.Cell(F::bcEngUnit, Row), -1);
        if (Unit < 0 || Unit > 65535)
            return Fail(Texts.Unit, Row);
        const int Pos = Number_Or(T.Cell(F::bcPosition, Row), -1);
        if (Pos < 0 || Pos > Bytes - 1)
            return Fail(Texts.Position, Row, QString::number(Bytes - 1));
        // The type is compared exactly as stored: case and blanks count.
        const QString Type = T.Cell(F::bcDataType, Row);
        const TLength_Rule *Rule = nullptr;
        for (const TLength_Rule &R : Rules)
            if (Type == QLatin1String(R.Type))
                Rule = &R;
        // 64 bits: a huge length of a type without a rule must not wrap around.
        qint64 Last = Pos;
        if (Rule && Rule->Bit) {
            if (T.Cell(F::bcBit, Row).isEmpty())
                return Fail(Rule->Text, Row);
        } else {
            const int Length = Number_Or(T.Cell(F::bcLength, Row), 0);
            if (Rule && (Length < Rule->Min || Length > Rule->Max))
                return Fail(Rule->Text, Row);
            Last = qint64(Pos) + Length - 1;
        }
        if (Last >= Bytes)
            return Fail(Texts.Too_Many_Bytes, Row);
    }
    return {};
}

} // namespace

bool Error_In_Topic_Template(const QString &Str)
{
    return Str.count(QLatin1Char('$')) % 2 != 0;
}

TTable_Check_Result Check_MQTT_Tables(const TMQTT_Check_Input &In)
{
    if (In.Publish) {
        TTable_Check_Result R = Check_Publish(*In.Publish, In.Publish_Hidden, In.Byte_IN);
        if (!R.Passed())
            return R;
    }
    if (In.Subscribe)
        return Check_Subscribe(*In.Subscribe, In.Subscribe_Hidden, In.Byte_OUT);
    return {};
}

TTable_Check_Result Check_BACnet_Tables(const TBACnet_Check_Input &In)
{
    int Objects = 0;
    if (In.Read) {
        TTable_Check_Result R = Check_Objects(*In.Read, In.NByte_IN, Read_Rules, {1933, 1934, 1946}, Objects);
        if (!R.Passed())
            return R;
    }
    if (In.Write) {
        TTable_Check_Result R = Check_Objects(*In.Write, In.NByte_OUT, Write_Rules, {1947, 1948, 1958}, Objects);
        if (!R.Passed())
            return R;
    }
    const int Limit = In.Desc_Lenght ? 1000 : 2000;
    if (Objects > Limit)
        return Fail(1959, 0, QString::number(Limit));
    return {};
}

QString BACnet_Write_Default_Length(const QString &Data_Type)
{
    struct TDefault
    {
        const char *Type;
        const char *Length;
    };
    static const TDefault Defaults[] = {
        {"ANALOG OUT", "4"},         {"ANALOG VALUE", "4"},      {"POSITIVE INTEGER VALUE", "4"},
        {"INTEGER VALUE", "4"},      {"MULTI STATE OUTPUT", "4"}, {"MULTI STATE VALUE", "4"},
        {"BINARY OUT", "1"},         {"BINARY VALUE", "1"},      {"ACCESS DOOR", "1"},
        {"LARGE ANALOG VALUE", "8"},
    };
    const QString Upper = Data_Type.toUpper();
    for (const TDefault &D : Defaults)
        if (Upper == QLatin1String(D.Type))
            return QLatin1String(D.Length);
    return QString();
}

const QStringList &BACnet_Read_Data_Types()
{
    static const QStringList Types = {
        QStringLiteral("Analog Input"),      QStringLiteral("Analog Value"),
        QStringLiteral("Binary Input"),      QStringLiteral("Binary Value"),
        QStringLiteral("Positive Integer Value"), QStringLiteral("Large Analog Value"),
        QStringLiteral("Integer Value"),     QStringLiteral("Multi State Input"),
        QStringLiteral("Multi State Value"), QStringLiteral("Life Safety Point"),
        QStringLiteral("Life Safety Zone"),  QStringLiteral("Access Door"),
        QStringLiteral("Accumulator"),
    };
    return Types;
}

const QStringList &BACnet_Write_Data_Types()
{
    static const QStringList Types = {
        QStringLiteral("Analog Out"),        QStringLiteral("Analog Value"),
        QStringLiteral("Binary Out"),        QStringLiteral("Binary Value"),
        QStringLiteral("Positive Integer Value"), QStringLiteral("Large Analog Value"),
        QStringLiteral("Integer Value"),     QStringLiteral("Multi State Output"),
        QStringLiteral("Multi State Value"), QStringLiteral("Access Door"),
    };
    return Types;
}
