#include "protocols/BACnet_Slave_File.h"
#include "protocols/MQTT_Set_Topic_File.h"
#include "protocols/Table_Checks.h"
#include <gtest/gtest.h>
#include <initializer_list>

namespace {

using F = TMQTT_Set_Topic_File;
using B = TBACnet_Slave_File;

// One cell a case writes over the valid starting tables.
struct TEdit
{
    int Table; // 0 publish / read, 1 subscribe / write
    int Row;
    int Col;
    const char *Text;
};

struct TCheckCase
{
    const char *Name;
    std::initializer_list<TEdit> Edits;
    int Text;           // 0: passes
    int Row;
    const char *Suffix;
    std::initializer_list<int> Shown = {}; // columns shown beyond the editor's layout (subscribe ones as 100 + col)
};

void Expect_Result(const TTable_Check_Result &R, const TCheckCase &C)
{
    EXPECT_EQ(R.Text, C.Text);
    if (C.Text != 0) {
        EXPECT_EQ(R.Row, C.Row);
        EXPECT_EQ(R.Suffix, QString::fromLatin1(C.Suffix));
    }
}

// ---- MQTT -------------------------------------------------------------------------

// Two valid rows in each table; the editor's hidden columns.
struct TMQTT_Tables
{
    TCellTable Pub{F::Grid_Rows, F::Pub_Cols};
    TCellTable Sub{F::Grid_Rows, F::Sub_Cols};
    TMQTT_Check_Input In;

    TMQTT_Tables()
    {
        Pub.Clear();
        Sub.Clear();
        for (int R = 1; R <= 2; ++R) {
            Pub.Set_Cell(F::pcTopic, R, QStringLiteral("plant/temp"));
            Pub.Set_Cell(F::pcDataType, R, QStringLiteral("Int"));
            Pub.Set_Cell(F::pcDimension, R, QStringLiteral("2"));
            Pub.Set_Cell(F::pcPosition, R, QStringLiteral("0"));
            Pub.Set_Cell(F::pcTemplate, R, QStringLiteral("$VALUE$"));
            Pub.Set_Cell(F::pcOnTimer, R, QStringLiteral("N"));
            Sub.Set_Cell(F::scTopic, R, QStringLiteral("plant/set"));
            Sub.Set_Cell(F::scDataType, R, QStringLiteral("Float"));
            Sub.Set_Cell(F::scDimension, R, QStringLiteral("4"));
            Sub.Set_Cell(F::scPosition, R, QStringLiteral("10"));
            // Valid in the hidden columns too, so a case that shows one checks its own edit.
            Pub.Set_Cell(F::pcIPAddress, R, QStringLiteral("192.168.2.1"));
            Sub.Set_Cell(F::scIPAddress, R, QStringLiteral("192.168.2.1"));
            Sub.Set_Cell(F::scPort, R, QStringLiteral("1883"));
        }
        In.Publish = &Pub;
        In.Subscribe = &Sub;
        In.Publish_Hidden = {F::pcIPAddress, F::pcInputTemplate, F::pcChannel, F::pcSwap, F::pcSwapWord};
        In.Subscribe_Hidden = {F::scRetained, F::scIPAddress, F::scPort, F::scEthType, F::scInputTemplate,
                               F::scSwap, F::scSwapWord};
    }
    void Apply(const TCheckCase &C)
    {
        for (const TEdit &E : C.Edits)
            (E.Table == 0 ? Pub : Sub).Set_Cell(E.Col, E.Row, QString::fromUtf8(E.Text));
        for (int S : C.Shown)
            (S >= 100 ? In.Subscribe_Hidden : In.Publish_Hidden).remove(S % 100);
    }
};

const TCheckCase MQTT_Cases[] = {
    {"ValidTablesPass", {}, 0, 0, ""},
    // data type: required; dimension by type, read as a whole number
    {"EmptyTypeFails", {{0, 2, F::pcDataType, ""}}, 1452, 2, ""},
    {"BlankTypeFails", {{0, 1, F::pcDataType, "  "}}, 1452, 1, ""},
    {"IntDimension3Fails", {{0, 1, F::pcDimension, "3"}}, 1453, 1, ""},
    {"IntDimension8Passes", {{0, 1, F::pcDimension, "8"}}, 0, 0, ""},
    {"IntEmptyDimensionFails", {{0, 1, F::pcDimension, ""}}, 1453, 1, ""},
    {"FloatDimension2Fails", {{0, 1, F::pcDataType, "Float"}, {0, 1, F::pcDimension, "2"}}, 1454, 1, ""},
    {"LowerCaseTypeIsKnown", {{0, 1, F::pcDataType, " float "}, {0, 1, F::pcDimension, "2"}}, 1454, 1, ""},
    {"FloatDimensionWithBlankFails", {{0, 1, F::pcDataType, "Float"}, {0, 1, F::pcDimension, "4 "}}, 1454, 1, ""},
    {"StringDimension1Passes", {{0, 1, F::pcDataType, "String"}, {0, 1, F::pcDimension, "1"}}, 0, 0, ""},
    {"StringDimension0Fails", {{0, 1, F::pcDataType, "String"}, {0, 1, F::pcDimension, "0"}}, 1455, 1, ""},
    {"Base64EmptyDimensionFails", {{0, 1, F::pcDataType, "Base64"}, {0, 1, F::pcDimension, ""}}, 1455, 1, ""},
    // position 0 .. 1439, the message ends with the highest position
    {"Position1439Passes", {{0, 1, F::pcPosition, "1439"}}, 0, 0, ""},
    {"Position1440Fails", {{0, 1, F::pcPosition, "1440"}}, 1456, 1, "1439"},
    {"NegativePositionFails", {{0, 1, F::pcPosition, "-1"}}, 1456, 1, "1439"},
    {"TextPositionFails", {{0, 1, F::pcPosition, "abc"}}, 1456, 1, "1439"},
    // templates: an odd number of "$" fails
    {"ThreeDollarsFail", {{0, 2, F::pcTemplate, "$A$B$"}}, 1478, 2, ""},
    {"FourDollarsPass", {{0, 2, F::pcTemplate, "$A$ and $B$"}}, 0, 0, ""},
    {"NoDollarPasses", {{0, 2, F::pcTemplate, "plain"}}, 0, 0, ""},
    // timer: only with OnTimer "Y" (any case), 1 .. 1000000000
    {"TimerLowerCaseYZeroFails", {{0, 1, F::pcOnTimer, "y"}, {0, 1, F::pcTime, "0"}}, 1489, 1, ""},
    {"TimerOffAnyTimePasses", {{0, 1, F::pcOnTimer, "N"}, {0, 1, F::pcTime, "x"}}, 0, 0, ""},
    {"TimerMaximumPasses", {{0, 1, F::pcOnTimer, "Y"}, {0, 1, F::pcTime, "1000000000"}}, 0, 0, ""},
    {"TimerAboveMaximumFails", {{0, 1, F::pcOnTimer, "Y"}, {0, 1, F::pcTime, "1000000001"}}, 1489, 1, ""},
    {"TimerNegativeFails", {{0, 1, F::pcOnTimer, "Y"}, {0, 1, F::pcTime, "-5"}}, 1489, 1, ""},
    {"TimerTextFails", {{0, 1, F::pcOnTimer, "Y"}, {0, 1, F::pcTime, "abc"}}, 1489, 1, ""},
    // hidden columns are not checked, whatever they hold
    {"HiddenPublishIPAndInputTemplatePass", {{0, 1, F::pcIPAddress, "bad"}, {0, 1, F::pcInputTemplate, "$"}}, 0, 0, ""},
    {"HiddenSubscribeColumnsPass",
     {{1, 1, F::scIPAddress, "x"}, {1, 1, F::scPort, "x"}, {1, 1, F::scInputTemplate, "$"}}, 0, 0, ""},
    {"ShownPublishIPFails", {{0, 1, F::pcIPAddress, "300.1.1.1"}}, 1474, 1, "", {F::pcIPAddress}},
    {"ShownPublishIPPasses", {{0, 1, F::pcIPAddress, " 192.168.2.167 "}}, 0, 0, "", {F::pcIPAddress}},
    {"ShownPublishInputTemplateFails",
     {{0, 1, F::pcIPAddress, "1.2.3.4"}, {0, 1, F::pcInputTemplate, "$"}}, 1477, 1, "",
     {F::pcIPAddress, F::pcInputTemplate}},
    // the table ends at the first blank topic
    {"RowsAfterBlankTopicNotChecked",
     {{0, 2, F::pcTopic, "   "}, {0, 3, F::pcTopic, "x"}, {0, 3, F::pcDataType, ""}}, 0, 0, ""},
    // subscribe
    {"SubscribeEmptyTypeFails", {{1, 2, F::scDataType, ""}}, 1457, 2, ""},
    {"SubscribeIntDimensionFails", {{1, 1, F::scDataType, "INT"}, {1, 1, F::scDimension, "5"}}, 1458, 1, ""},
    {"SubscribeFloatDimensionFails", {{1, 1, F::scDimension, "1"}}, 1459, 1, ""},
    {"SubscribeStringDimensionFails", {{1, 1, F::scDataType, "Other"}, {1, 1, F::scDimension, "-2"}}, 1460, 1, ""},
    {"SubscribePosition1440Fails", {{1, 1, F::scPosition, "1440"}}, 1461, 1, "1439"},
    {"SubscribeIPFails", {{1, 1, F::scIPAddress, "1.2.3"}}, 1475, 1, "", {100 + F::scIPAddress}},
    {"SubscribePort65535Passes",
     {{1, 1, F::scIPAddress, "1.2.3.4"}, {1, 1, F::scPort, "65535"}}, 0, 0, "",
     {100 + F::scIPAddress, 100 + F::scPort}},
    {"SubscribePort65536Fails",
     {{1, 1, F::scIPAddress, "1.2.3.4"}, {1, 1, F::scPort, "65536"}}, 1476, 1, "",
     {100 + F::scIPAddress, 100 + F::scPort}},
    {"SubscribeInputTemplateFails", {{1, 1, F::scInputTemplate, "a$b"}}, 1479, 1, "", {100 + F::scInputTemplate}},
    {"SubscribeTemplateFails", {{1, 2, F::scTemplate, "$$$"}}, 1480, 2, ""},
    // the publish table is checked first
    {"PublishFailureComesFirst", {{1, 1, F::scDataType, ""}, {0, 2, F::pcDataType, ""}}, 1452, 2, ""},
};

// Every check refuses with its own text at the right row, and only its own.
TEST(MQTTChecks, RefuseWithTextAndRow)
{
    for (const TCheckCase &C : MQTT_Cases) {
        SCOPED_TRACE(C.Name);
        TMQTT_Tables T;
        T.Apply(C);
        Expect_Result(Check_MQTT_Tables(T.In), C);
    }
}

TEST(MQTTChecks, TemplateDollarCount)
{
    struct TCase
    {
        const char *Text;
        bool Error;
    };
    const TCase Cases[] = {{"", false}, {"$", true}, {"$$", false}, {"$VALUE$", false},
                           {"$A$B$", true}, {"$A$$B$", false}, {"a$b$c$d", true}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Text);
        EXPECT_EQ(Error_In_Topic_Template(QString::fromLatin1(C.Text)), C.Error);
    }
}

// ---- BACnet -------------------------------------------------------------------------

struct TBACnet_Tables
{
    TCellTable Read;
    TCellTable Write;
    TBACnet_Check_Input In;

    explicit TBACnet_Tables(bool Desc_Lenght = false)
        : Read(B::Grid_Rows(Desc_Lenght), B::Cols), Write(B::Grid_Rows(Desc_Lenght), B::Cols)
    {
        Read.Clear();
        Write.Clear();
        for (int R = 1; R <= 2; ++R) {
            Fill(Read, R, "Analog Input", "62", "0", "2");
            Fill(Write, R, "Analog Out", "95", "10", "4");
        }
        In.Read = &Read;
        In.Write = &Write;
        In.Desc_Lenght = Desc_Lenght;
    }
    static void Fill(TCellTable &T, int R, const char *Type, const char *Unit, const char *Pos, const char *Len)
    {
        T.Set_Cell(B::bcDataType, R, QString::fromLatin1(Type));
        T.Set_Cell(B::bcEngUnit, R, QString::fromLatin1(Unit));
        T.Set_Cell(B::bcPosition, R, QString::fromLatin1(Pos));
        T.Set_Cell(B::bcLength, R, QString::fromLatin1(Len));
        T.Set_Cell(B::bcSwap, R, QStringLiteral("N"));
    }
    void Apply(const TCheckCase &C)
    {
        for (const TEdit &E : C.Edits)
            (E.Table == 0 ? Read : Write).Set_Cell(E.Col, E.Row, QString::fromUtf8(E.Text));
    }
};

// Shorthands: a read or write row's type with its length.
#define READ_TYPE(Row, Type, Len) {0, Row, B::bcDataType, Type}, {0, Row, B::bcLength, Len}
#define WRITE_TYPE(Row, Type, Len) {1, Row, B::bcDataType, Type}, {1, Row, B::bcLength, Len}

const TCheckCase BACnet_Cases[] = {
    {"ValidTablesPass", {}, 0, 0, ""},
    // unit 0 .. 65535
    {"Unit65535Passes", {{0, 1, B::bcEngUnit, "65535"}}, 0, 0, ""},
    {"Unit65536Fails", {{0, 2, B::bcEngUnit, "65536"}}, 1933, 2, ""},
    {"NegativeUnitFails", {{0, 1, B::bcEngUnit, "-1"}}, 1933, 1, ""},
    {"EmptyUnitFails", {{0, 1, B::bcEngUnit, ""}}, 1933, 1, ""},
    // position 0 .. 1499
    {"Position1499Passes", {{0, 1, B::bcPosition, "1499"}, {0, 1, B::bcLength, "1"}}, 0, 0, ""},
    {"Position1500Fails", {{0, 1, B::bcPosition, "1500"}}, 1934, 1, "1499"},
    // last byte below 1500
    {"LastByte1499Passes", {{0, 1, B::bcPosition, "1498"}, {0, 1, B::bcLength, "2"}}, 0, 0, ""},
    {"LastByte1500Fails", {{0, 1, B::bcPosition, "1498"}, {0, 1, B::bcLength, "3"}}, 1946, 1, ""},
    // read length rules
    {"AnalogInputLength5Fails", {READ_TYPE(1, "Analog Input", "5")}, 1935, 1, ""},
    {"AnalogInputLength0Fails", {READ_TYPE(1, "Analog Input", "0")}, 1935, 1, ""},
    {"AnalogInputTextLengthFails", {READ_TYPE(1, "Analog Input", "x")}, 1935, 1, ""},
    {"AnalogInputLengthWithBlankFails", {READ_TYPE(1, "Analog Input", " 2 ")}, 1935, 1, ""},
    {"PositiveIntegerLength5Fails", {READ_TYPE(1, "Positive Integer Value", "5")}, 1936, 1, ""},
    {"LargeAnalogLength8Passes", {READ_TYPE(1, "Large Analog Value", "8")}, 0, 0, ""},
    {"LargeAnalogLength9Fails", {READ_TYPE(1, "Large Analog Value", "9")}, 1937, 1, ""},
    {"AnalogValueLength5Fails", {READ_TYPE(1, "Analog Value", "5")}, 1938, 1, ""},
    {"MultiStateInputLength5Fails", {READ_TYPE(1, "Multi State Input", "5")}, 1939, 1, ""},
    {"MultiStateValueLength5Fails", {READ_TYPE(1, "Multi State Value", "5")}, 1940, 1, ""},
    {"LifeSafetyPointLength3Fails", {READ_TYPE(1, "Life Safety Point", "3")}, 1941, 1, ""},
    {"LifeSafetyZoneLength3Fails", {READ_TYPE(1, "Life Safety Zone", "3")}, 1942, 1, ""},
    {"AccessDoorLength2Fails", {READ_TYPE(1, "Access Door", "2")}, 1943, 1, ""},
    {"AccumulatorLength5Fails", {READ_TYPE(1, "Accumulator", "5")}, 1944, 1, ""},
    // binary types need a start bit and no length
    {"BinaryInputWithoutBitFails", {READ_TYPE(1, "Binary Input", "1")}, 1945, 1, ""},
    {"BinaryValueWithoutBitFails", {READ_TYPE(2, "Binary Value", "1")}, 1945, 2, ""},
    {"BinaryInputWithBitIgnoresLength", {READ_TYPE(1, "Binary Input", "99"), {0, 1, B::bcBit, "3"}}, 0, 0, ""},
    // a type without a rule takes its length unchecked (case and blanks count)
    {"ReadIntegerValueLength9Passes", {READ_TYPE(1, "Integer Value", "9")}, 0, 0, ""},
    {"ReadIntegerValueTooFarFails", {READ_TYPE(1, "Integer Value", "9"), {0, 1, B::bcPosition, "1492"}}, 1946, 1, ""},
    {"LowerCaseTypeHasNoRule", {READ_TYPE(1, "analog input", "9")}, 0, 0, ""},
    {"HugeLengthDoesNotWrap", {READ_TYPE(1, "Integer Value", "2147483647"), {0, 1, B::bcPosition, "1"}}, 1946, 1, ""},
    // the table ends at the first blank data type
    {"RowsAfterBlankTypeNotChecked", {{0, 2, B::bcDataType, " "}, {0, 3, B::bcDataType, "Analog Input"}}, 0, 0, ""},
    // write table
    {"WriteUnitFails", {{1, 1, B::bcEngUnit, "70000"}}, 1947, 1, ""},
    {"WritePosition1500Fails", {{1, 2, B::bcPosition, "1500"}}, 1948, 2, "1499"},
    {"AnalogOutLength5Fails", {WRITE_TYPE(1, "Analog Out", "5")}, 1949, 1, ""},
    {"WriteAnalogValueLength5Fails", {WRITE_TYPE(1, "Analog Value", "5")}, 1950, 1, ""},
    {"WritePositiveIntegerLength5Fails", {WRITE_TYPE(1, "Positive Integer Value", "5")}, 1951, 1, ""},
    {"WriteLargeAnalogLength9Fails", {WRITE_TYPE(1, "Large Analog Value", "9")}, 1952, 1, ""},
    {"WriteIntegerValueLength9Fails", {WRITE_TYPE(1, "Integer Value", "9")}, 1953, 1, ""},
    {"MultiStateOutputLength5Fails", {WRITE_TYPE(1, "Multi State Output", "5")}, 1954, 1, ""},
    {"WriteMultiStateValueLength5Fails", {WRITE_TYPE(1, "Multi State Value", "5")}, 1955, 1, ""},
    {"WriteAccessDoorLength2Fails", {WRITE_TYPE(1, "Access Door", "2")}, 1956, 1, ""},
    {"BinaryOutWithoutBitFails", {WRITE_TYPE(1, "Binary Out", "1")}, 1957, 1, ""},
    {"BinaryOutWithBitPasses", {WRITE_TYPE(1, "Binary Out", "junk"), {1, 1, B::bcBit, "7"}}, 0, 0, ""},
    {"WriteTooManyBytesFails", {{1, 1, B::bcPosition, "1497"}}, 1958, 1, ""},
    // the read table is checked first
    {"ReadFailureComesFirst", {{1, 1, B::bcEngUnit, ""}, {0, 2, B::bcEngUnit, ""}}, 1933, 2, ""},
};

TEST(BACnetChecks, RefuseWithTextAndRow)
{
    for (const TCheckCase &C : BACnet_Cases) {
        SCOPED_TRACE(C.Name);
        TBACnet_Tables T;
        T.Apply(C);
        Expect_Result(Check_BACnet_Tables(T.In), C);
    }
}

// Both tables together hold at most 2000 objects (1000 with long descriptions).
TEST(BACnetChecks, ObjectLimit)
{
    struct TCase
    {
        const char *Name;
        bool Desc_Lenght;
        int Read_Rows;
        int Write_Rows;
        int Text;
        const char *Suffix;
    };
    const TCase Cases[] = {
        {"TwoThousandPass", false, 1100, 900, 0, ""},
        {"OneMoreFails", false, 1100, 901, 1959, "2000"},
        {"ThousandPassWithLongNames", true, 500, 500, 0, ""},
        {"OneMoreFailsWithLongNames", true, 1000, 1, 1959, "1000"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TBACnet_Tables T(C.Desc_Lenght);
        for (int R = 1; R <= C.Read_Rows; ++R)
            TBACnet_Tables::Fill(T.Read, R, "Binary Input", "0", "0", "");
        for (int R = 1; R <= C.Write_Rows; ++R)
            TBACnet_Tables::Fill(T.Write, R, "Binary Out", "0", "0", "");
        for (int R = 1; R <= C.Read_Rows; ++R)
            T.Read.Set_Cell(B::bcBit, R, QStringLiteral("0"));
        for (int R = 1; R <= C.Write_Rows; ++R)
            T.Write.Set_Cell(B::bcBit, R, QStringLiteral("0"));
        const TTable_Check_Result R = Check_BACnet_Tables(T.In);
        EXPECT_EQ(R.Text, C.Text);
        EXPECT_EQ(R.Row, 0);
        EXPECT_EQ(R.Suffix, QString::fromLatin1(C.Suffix));
    }
}

// Choosing a write data type fills its usual length (compared upper-cased).
TEST(BACnetChecks, WriteDefaultLengths)
{
    struct TCase
    {
        const char *Type;
        const char *Length; // nullptr: none
    };
    const TCase Cases[] = {
        {"Analog Out", "4"},         {"Analog Value", "4"},       {"Binary Out", "1"},
        {"Binary Value", "1"},       {"Positive Integer Value", "4"}, {"Large Analog Value", "8"},
        {"Integer Value", "4"},      {"Multi State Output", "4"}, {"Multi State Value", "4"},
        {"Access Door", "1"},        {"access door", "1"},        {"Analog Input", nullptr},
        {"", nullptr},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Type);
        const QString L = BACnet_Write_Default_Length(QString::fromLatin1(C.Type));
        if (C.Length)
            EXPECT_EQ(L, QString::fromLatin1(C.Length));
        else
            EXPECT_TRUE(L.isNull());
    }
    // Every write type has its default; the lists hold 13 and 10 types.
    EXPECT_EQ(BACnet_Read_Data_Types().size(), 13);
    EXPECT_EQ(BACnet_Write_Data_Types().size(), 10);
    for (const QString &T : BACnet_Write_Data_Types())
        EXPECT_FALSE(BACnet_Write_Default_Length(T).isNull()) << T.toStdString();
}

} // namespace
