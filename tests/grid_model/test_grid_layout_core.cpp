// The layout formats apart from any window: column states, value forms,
// key=value lines and INI sections.
#include "grid/model/GridLayout.h"
#include <gtest/gtest.h>

TEST(GridLayoutCore, ColumnStatesRoundTrip)
{
    TColumnStates S;
    S.Count = 3;
    S.Widths = {64, 100, 80};
    S.Visible = {true, true, true};
    // never reordered: the identity order is written
    EXPECT_EQ(Column_States_To_String(S), QStringLiteral("3#64,100,80#0,1,2#1,1,1"));
    S.Order = {2, 0, 1};
    S.Visible = {true, false, true};
    TColumnStates Back;
    ASSERT_TRUE(Parse_Column_States(Column_States_To_String(S), Back));
    EXPECT_EQ(Back, S);
}

TEST(GridLayoutCore, ColumnStatesRefused)
{
    struct TCase { const char *Name; const char *Text; };
    const TCase Cases[] = {
        {"NoHash", "3,64"},
        {"ThreeSections", "3#64,100,80#0,1,2"},
        {"CountNotNumber", "x#64#0#1"},
        {"CountZero", "0###"},
        {"CountHuge", "99999999#1#0#1"},
        {"FewerWidths", "3#64,100#0,1,2#1,1,1"},
        {"WidthNotNumber", "2#64,abc#0,1#1,1"},
        {"WidthTooLarge", "2#64,100000#0,1#1,1"},
        {"NegativeWidth", "2#64,-5#0,1#1,1"},
        {"OrderTwice", "3#1,1,1#0,0,1#1,1,1"},
        {"OrderMissing", "3#1,1,1#0,1#1,1,1"},
        {"OrderOutOfRange", "2#1,1#0,5#1,1"},
        {"FewerFlags", "3#1,1,1#0,1,2#1,1"},
        {"FlagNotBinary", "2#1,1#0,1#1,2"},
        {"NothingVisible", "2#1,1#0,1#0,0"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TColumnStates S;
        S.Count = 7;
        QString Error;
        EXPECT_FALSE(Parse_Column_States(QString::fromUtf8(C.Text), S, &Error));
        EXPECT_FALSE(Error.isEmpty());
        EXPECT_EQ(S.Count, 7);
    }
    // -1 entries stand for nothing; an empty order section is the identity
    TColumnStates S;
    EXPECT_TRUE(Parse_Column_States(QStringLiteral("2#1,1#1,-1,0#1,1"), S));
    EXPECT_EQ(S.Order, (std::vector<int>{1, 0}));
    EXPECT_TRUE(Parse_Column_States(QStringLiteral("2#1,1##1,1"), S));
    EXPECT_TRUE(S.Order.empty());
}

TEST(GridLayoutCore, ValueForms)
{
    struct TColorCase { const char *Text; bool Ok; TColor Want; };
    const TColorCase Colors[] = {
        {"clRed", true, clRed}, {"CLWINDOW", true, clWindow}, {"", true, clNone}, {"$00FF0000", true, 0xFF0000},
        {"255", true, 255}, {"$FF000005", true, System_Color(5)}, {"blue", false, 0}, {"$1FFFFFFFF", false, 0},
    };
    for (const TColorCase &C : Colors) {
        SCOPED_TRACE(C.Text);
        TColor V = 0;
        EXPECT_EQ(Text_To_Color(QString::fromUtf8(C.Text), V), C.Ok);
        if (C.Ok) {
            EXPECT_EQ(V, C.Want);
        }
    }
    for (TColor C : {clRed, clNone, clWindow, TColor(0x123456), clDefault}) {
        TColor Back = 0;
        ASSERT_TRUE(Text_To_Color(Color_To_Text(C), Back));
        EXPECT_EQ(Back, C);
    }
    EXPECT_EQ(Color_To_Text(0x123456), QStringLiteral("$00123456"));
    EXPECT_TRUE(Text_To_Bool(QStringLiteral("True")));
    EXPECT_FALSE(Text_To_Bool(QStringLiteral("yes")));
    EXPECT_EQ(Font_Style_To_Text(1 | 8), QStringLiteral("fsBold,fsStrikeOut"));
    for (unsigned B = 0; B < 16; ++B)
        EXPECT_EQ(Text_To_Font_Style(Font_Style_To_Text(B)), B);
    int V = 0;
    EXPECT_FALSE(Text_To_Bounded_Int(QStringLiteral("256"), 0, 255, V));
    EXPECT_FALSE(Text_To_Bounded_Int(QString(), 0, 255, V));
    EXPECT_TRUE(Text_To_Bounded_Int(QStringLiteral(" 12 "), 0, 255, V));
    EXPECT_EQ(V, 12);
}

TEST(GridLayoutCore, KeyValuesAndIni)
{
    const QByteArray Data = Write_Key_Values({{QStringLiteral("Color"), QStringLiteral("clRed")}, {QStringLiteral("Font.Name"), QStringLiteral("Caf\u00e9")}});
    EXPECT_EQ(Data, QByteArray("Color=clRed\r\nFont.Name=Caf\xe9\r\n"));
    auto Map = Read_Key_Values(Data + "junk line\r\nEmpty=\r\n");
    EXPECT_EQ(Map[QStringLiteral("COLOR")], QStringLiteral("clRed"));
    EXPECT_EQ(Map[QStringLiteral("FONT.NAME")], QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(Map[QStringLiteral("EMPTY")], QString());
    EXPECT_EQ(Map.count(QStringLiteral("JUNK LINE")), 0u);

    TIniData Ini = TIniData::Parse("; note\r\n[Other]\r\nA=1\r\n[Print]\r\nCentered = N\r\n");
    EXPECT_EQ(Ini.Read(QStringLiteral("print"), QStringLiteral("CENTERED")), QStringLiteral("N"));
    EXPECT_EQ(Ini.Read(QStringLiteral("Print"), QStringLiteral("Missing"), QStringLiteral("d")), QStringLiteral("d"));
    Ini.Write(QStringLiteral("Print"), QStringLiteral("Title"), QStringLiteral("x"));
    const TIniData Back = TIniData::Parse(Ini.Serialize());
    EXPECT_EQ(Back.Read(QStringLiteral("Other"), QStringLiteral("A")), QStringLiteral("1"));
    EXPECT_EQ(Back.Read(QStringLiteral("Print"), QStringLiteral("Title")), QStringLiteral("x"));
    EXPECT_TRUE(Back.Has(QStringLiteral("Print"), QStringLiteral("Centered")));
}
