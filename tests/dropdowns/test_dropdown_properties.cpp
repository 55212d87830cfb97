// The stored settings of a drop-down edit as text: what is written, what
// reads back, and what a damaged text leaves.
#include "dropdowns/DropDownProperties.h"
#include <gtest/gtest.h>

TEST(DropDownProperties, VersionText)
{
    struct TCase { const char *Name; std::uint32_t Nr; const char *Text; };
    const TCase Cases[] = {
        {"Family", 0x01020304, "1.2.3.4"},
        {"HighByteFirst", 0xFF000A00, "255.0.10.0"},
        {"Zero", 0, "0.0.0.0"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(DropDown_Version_Text(C.Nr), QString::fromLatin1(C.Text));
    }
}

// Settings equal to the kind's defaults are left out; the version and the
// two style numbers are written always.
TEST(DropDownProperties, WritesOnlyWhatDiffersFromTheDefaults)
{
    const TDropDownProperties Defaults;
    EXPECT_EQ(Write_DropDown_Properties(Defaults, Defaults, QStringLiteral("1.2.3.4")),
              QStringLiteral("SelectionColorStyle = 1\nQelStyle = 4\nVersion = '1.2.3.4'\n"));
    TDropDownProperties P;
    P.DropDownShadow = false;
    P.DropPosition = dpUp;
    P.DropDownButtonHint = QStringLiteral("it's\nhere");
    P.DropDownColorTo = 0xF0DED0;   // as the default: not written
    P.BorderColor = 0x00FF00;
    P.Precision = -1;
    EXPECT_EQ(Write_DropDown_Properties(P, Defaults, QStringLiteral("1.2.3.4")),
              QStringLiteral("DropDownShadow = False\nDropPosition = dpUp\nDropDownButtonHint = 'it''s'#10'here'\n"
                             "BorderColor = 65280\nPrecision = -1\nSelectionColorStyle = 1\nQelStyle = 4\n"
                             "Version = '1.2.3.4'\n"));
    // a kind whose default differs writes the base's default value
    TDropDownProperties PickOnly;
    PickOnly.EditorEnabled = false;
    EXPECT_TRUE(Write_DropDown_Properties(Defaults, PickOnly, QString()).contains(u"EditorEnabled = True\n"));
}

TEST(DropDownProperties, EverySettingReadsBack)
{
    TDropDownProperties P;
    P.DropDownBorderColor = 0x123456;
    P.DropDownBorderWidth = 3;
    P.DropDownShadow = false;
    P.DropDownWidth = 250;
    P.DropDownHeight = 120;
    P.DropPosition = dpDown;
    P.DropDownButtonWidth = 20;
    P.DropDownButtonHint = QStringLiteral("''\t\u00e9");
    P.DropDownButtonCaption = QStringLiteral("...");
    P.DropDownSizeable = false;
    P.DropDownColor = clNone;
    P.DropDownColorTo = 0xABCDEF;
    P.DropDownGradient = gdVertical;
    P.BorderColor = clRed;
    P.LabelMargin = 0;
    P.Flat = true;
    P.EditorEnabled = false;
    P.ReadOnly = true;
    P.DropDownEnabled = true;
    P.Precision = 2;
    P.Text = QStringLiteral("#10 'x'");
    P.SelectionColor = 0x7FFFFFFF;
    P.SelectionColorTo = -5;
    P.SelectionColorStyle = scWindows7;
    P.QelStyle = 15;
    const TDropDownProperties Defaults;
    const QString Text = Write_DropDown_Properties(P, Defaults, QStringLiteral("1.2.3.4"));
    const TDropDownPropertiesRead R = Read_DropDown_Properties(Text, Defaults);
    EXPECT_TRUE(R.Ok()) << R.Error_Line;
    EXPECT_TRUE(R.Unknown.isEmpty());
    EXPECT_TRUE(R.Props == P) << Text.toStdString();
}

// A value that does not read keeps the default and is named; the first bad
// line is reported; names of no drop-down are skipped; the version in a text
// is never taken.
TEST(DropDownProperties, DamagedTextsKeepDefaults)
{
    struct TCase {
        const char *Name;
        const char *Text;
        int Error_Line;
        QStringList Fell_Back;
        QStringList Unknown;
        int Width;        // DropDownWidth read
        bool Shadow;      // DropDownShadow read
        const char *Hint; // DropDownButtonHint read
    };
    const TCase Cases[] = {
        {"Plain", "DropDownWidth = 90\nDropDownShadow = False", 0, {}, {}, 90, false, ""},
        {"NamesAndWordsInAnyCase", "dropdownwidth=7\r\ndropdownshadow = FALSE\r\n", 0, {}, {}, 7, false, ""},
        {"BadBooleanKeepsDefault", "DropDownWidth = 5\nDropDownShadow = Maybe", 2, {"DropDownShadow"}, {}, 5, true, ""},
        {"WiderThan32Bits", "DropDownWidth = 99999999999", 1, {"DropDownWidth"}, {}, 0, true, ""},
        {"HexColourForm", "DropDownWidth = $10", 0, {}, {}, 16, true, ""},
        {"LineWithoutEquals", "DropDownWidth = 4\ngarbage\nDropDownShadow = False", 2, {}, {}, 4, false, ""},
        {"UnknownNameSkipped", "Color = clRed\nDropDownWidth = 3", 0, {}, {"Color"}, 3, true, ""},
        {"VersionNotTaken", "Version = '9.9.9.9'", 0, {}, {}, 0, true, ""},
        {"UnclosedQuote", "DropDownButtonHint = 'abc", 1, {"DropDownButtonHint"}, {}, 0, true, ""},
        {"TextAfterQuote", "DropDownButtonHint = 'a'b", 1, {"DropDownButtonHint"}, {}, 0, true, ""},
        {"CharacterCodes", "DropDownButtonHint = #65'b'#67", 0, {}, {}, 0, true, "AbC"},
        {"EmptyString", "DropDownButtonHint = ''", 0, {}, {}, 0, true, ""},
        {"EnumByName", "DropPosition = dpWhere", 1, {"DropPosition"}, {}, 0, true, ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const TDropDownPropertiesRead R = Read_DropDown_Properties(QString::fromLatin1(C.Text), TDropDownProperties());
        EXPECT_EQ(R.Error_Line, C.Error_Line);
        EXPECT_EQ(R.Fell_Back, C.Fell_Back);
        EXPECT_EQ(R.Unknown, C.Unknown);
        EXPECT_EQ(R.Props.DropDownWidth, C.Width);
        EXPECT_EQ(R.Props.DropDownShadow, C.Shadow);
        EXPECT_EQ(R.Props.DropDownButtonHint, QString::fromLatin1(C.Hint));
    }
}
