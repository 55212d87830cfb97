#include "text/LangTable.h"
#include "TestSupport.h"
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
class LangTableTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Dir.isValid());
        Language_Dir = Dir.filePath(QStringLiteral("LANGUAGE"));
        ASSERT_TRUE(QDir().mkpath(Language_Dir));
        Fill_Default_Texts();
    }
    QTemporaryDir Dir;
    QString Language_Dir;
};
} // namespace

TEST_F(LangTableTest, BuiltInTextsFillEverySlot)
{
    ASSERT_EQ(Lang_Count, 2100);
    ASSERT_EQ(Lang_Table.size(), 2100);
    EXPECT_EQ(Lang_Text(0), "Begin");
    EXPECT_EQ(Lang_Text(18), "Error! Project not Valid");
    // the same English text at two numbers: each number is its own slot
    EXPECT_EQ(Lang_Text(100), "Create New Configuration");
    EXPECT_EQ(Lang_Text(101), "Create New Configuration");
    EXPECT_EQ(Lang_Text(300), Lang_Text(301));
    EXPECT_EQ(Lang_Text(9), "None Configuration Opened ");   // trailing blank kept
    EXPECT_EQ(Lang_Text(306), " / ");                           // leading blank kept
    EXPECT_EQ(Lang_Text(38), " ");                              // unused slot: one blank
    EXPECT_EQ(Lang_Text(2100), "");
    EXPECT_EQ(Lang_Text(-1), "");
}

// Each row: the lines of a file, the slot looked at and what it must hold.
struct TLineCase
{
    const char *Name;
    const char *Lines;
    int Slot;
    const char *Expected; // nullptr: the built-in text
};

const TLineCase Line_Cases[] = {
    // a translated line replaces the slot
    {"PlainLine", "STR0 = Anfang", 0, "Anfang"},
    // blanks around the line and the text are trimmed
    {"TrimmedLine", "   STR0 =   Anfang   ", 0, "Anfang"},
    // numbers outside the table are skipped
    {"NumberTooHigh", "STR2100 = x", 0, nullptr},
    {"NumberNegative", "STR-1 = x", 0, nullptr},
    // without the separator the last digit of the number is lost
    {"NoSeparatorLosesDigit", "STR12=x", 1, "x"},
    {"NoSeparatorSkipsOneDigit", "STR5=x", 5, nullptr},
    // a comment alone leaves the slot unchanged
    {"OnlyComment", "STR9 = /#/ only a comment", 9, nullptr},
    // a trailing comment is cut and the rest trimmed
    {"TrailingComment", "STR9 = Keine /#/ note", 9, "Keine"},
    // a lone pilcrow stores an empty text
    {"LonePilcrow", "STR9 = \xC2\xB6", 9, ""},
    // pilcrows keep blanks; a comment may follow the closing one
    {"PilcrowsKeepBlanks", "STR306 = \xC2\xB6 von \xC2\xB6 /#/ page", 306, " von "},
    // later "=" signs belong to the text
    {"EqualsInText", "STR10 = a=b=c", 10, "a=b=c"},
    // an empty text leaves the slot unchanged
    {"EmptyText", "STR10 =   ", 10, nullptr},
    // lower case "str" is not a text line
    {"LowerCase", "str9 = klein", 9, nullptr},
    // the last line for a number wins
    {"LastWins", "STR0 = Eins\nSTR0 = Zwei", 0, "Zwei"},
    // CR, LF and CR LF all end lines
    {"MixedLineEnds", "STR1 = a\rSTR2 = b\r\nSTR3 = c\nSTR4 = d", 3, "c"},
    {"MixedLineEndsCr", "STR1 = a\rSTR2 = b\r\nSTR3 = c\nSTR4 = d", 1, "a"},
    // a number in hexadecimal follows the whole-number convention
    {"HexNumber", "STR $A = zehn", 10, "zehn"},
    // headings and other lines are ignored
    {"Heading", "[Main window]\nSTR", 0, nullptr},
    // no "=": no number
    {"NoEquals", "STR0 Anfang", 0, nullptr},
};

TEST_F(LangTableTest, LineRules)
{
    for (const TLineCase &C : Line_Cases) {
        SCOPED_TRACE(C.Name);
        Fill_Default_Texts();
        Load_Language_Text(QString::fromUtf8(C.Lines));
        const QString Want = C.Expected ? QString::fromUtf8(C.Expected) : Default_Text(C.Slot);
        EXPECT_EQ(Lang_Text(C.Slot), Want);
        EXPECT_EQ(Lang_Table.size(), 2100);
    }
}

TEST_F(LangTableTest, FileDecoding)
{
    struct TCase { const char *Name; QByteArray Bytes; QString Want; };
    const TCase Cases[] = {
        {"Utf8WithBom", QByteArray("\xEF\xBB\xBFSTR0 = Gr\xC3\xBC\xC3\x9F" "e"), QString::fromUtf8("Grüße")},
        {"Utf8WithoutBom", QByteArray("STR0 = Gr\xC3\xBC\xC3\x9F" "e"), QString::fromUtf8("Grüße")},
        {"Cp1252WithoutBom", QByteArray("STR0 = Gr\xFC\xDF" "e \x80"), QString::fromUtf8("Grüße €")},
        {"Utf16LeWithBom", QByteArray("\xFF\xFES\0T\0R\0" "0\0 \0=\0 \0\xE4\0", 18), QString::fromUtf8("ä")},
        {"Utf16BeWithBom", QByteArray("\xFE\xFF\0S\0T\0R\0" "0\0 \0=\0 \0\xE4", 18), QString::fromUtf8("ä")},
        {"Cp1252Pilcrow", QByteArray("STR0 = \xB6 x \xB6"), QStringLiteral(" x ")},
        // a UTF-8 file cut inside its last character stays UTF-8; only that character is lost
        {"Utf8CutInTwoByteTail", QByteArray("STR0 = Gr\xC3\xBC\xC3\x9F" "e\nSTR1 = \xC3"), QString::fromUtf8("Grüße")},
        {"Utf8CutInThreeByteTail", QByteArray("STR0 = Gr\xC3\xBC\xC3\x9F" "e \xE2\x82"), QString::fromUtf8("Grüße")},
        {"Utf8CutInFourByteTail", QByteArray("STR0 = \xC3\xA4\xF0\x9F\x98"), QString::fromUtf8("ä")},
        // the part before the cut must be UTF-8 with a non-ASCII character to decide
        {"AsciiThenLatinTail", QByteArray("STR0 = Caf\xE9"), QString::fromUtf8("Café")},
        {"BadByteBeforeTheEnd", QByteArray("STR0 = \xC3\xA4 \xE4 \xC3"), QString::fromUtf8("Ã¤ ä Ã")},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill_Default_Texts();
        const QString Path = Dir.filePath(QStringLiteral("t.lng"));
        Write_File(Path, C.Bytes);
        ASSERT_TRUE(Load_Language_File(Path));
        EXPECT_EQ(Lang_Text(0), C.Want);
    }
}

// A text is cut to Lang_Max_Text_Length after the comment and pilcrow rules;
// a text of megabytes costs no more than one of that length.
TEST_F(LangTableTest, LongTextsAreCut)
{
    const int Max = Lang_Max_Text_Length;
    const QString Emoji = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    struct TCase { const char *Name; QString Text; QString Want; };
    const TCase Cases[] = {
        {"AtTheLimit", QString(Max, 'a'), QString(Max, 'a')},
        {"OneBeyond", QString(Max + 1, 'a'), QString(Max, 'a')},
        {"EightMegabytes", QString(8 << 20, 'x'), QString(Max, 'x')},
        // the pilcrows and the comment far beyond the limit still count
        {"PilcrowsBeyondTheLimit", QChar(0xB6) + QString(Max + 10, ' ') + QChar(0xB6) + " /#/ c", QString(Max, ' ')},
        // the cut never leaves half a surrogate pair
        {"SurrogatePairAtTheCut", QString(Max - 1, 'a') + Emoji + "b", QString(Max - 1, 'a')},
        {"SurrogatePairBeforeTheCut", QString(Max - 2, 'a') + Emoji + "b", QString(Max - 2, 'a') + Emoji},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Fill_Default_Texts();
        Load_Language_Text("STR1 = " + C.Text + "\nSTR2 = short");
        EXPECT_EQ(Lang_Text(1).size(), C.Want.size());
        EXPECT_TRUE(Lang_Text(1) == C.Want);
        EXPECT_EQ(Lang_Text(2), "short");
    }
    // the same through a file of some 50 MB
    const QString Path = Dir.filePath(QStringLiteral("big.lng"));
    {
        QFile F(Path);
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write("STR0 = ");
        const QByteArray Chunk(1 << 20, 'y');
        for (int I = 0; I < 50; ++I)
            F.write(Chunk);
        F.write("\nSTR1 = after\n");
    }
    Fill_Default_Texts();
    ASSERT_TRUE(Load_Language_File(Path));
    EXPECT_EQ(Lang_Text(0).size(), Max);
    EXPECT_EQ(Lang_Text(1), "after");
}

TEST_F(LangTableTest, UnreadableFileKeepsTable)
{
    EXPECT_FALSE(Load_Language_File(Dir.filePath(QStringLiteral("missing.lng"))));
    EXPECT_EQ(Lang_Text(0), "Begin");
}

// Load_Language: the chosen file, else English.lng, else the built-in texts;
// it answers the language now in use.
TEST_F(LangTableTest, LoadLanguageAndFallback)
{
    Write_File(Language_Dir + "/Deutsch.lng", "STR0 = Anfang\n");
    Write_File(Language_Dir + "/English.lng", "STR0 = Start\n");

    EXPECT_EQ(Load_Language(Language_Dir, "Deutsch"), "Deutsch");
    EXPECT_EQ(Lang_Text(0), "Anfang");
    EXPECT_EQ(Lang_Text(1), "Step 1"); // the file overlays, the rest stays English

    // a language whose file vanished falls back to English for good
    EXPECT_EQ(Load_Language(Language_Dir, "Italiano"), "English");
    EXPECT_EQ(Lang_Text(0), "Start");

    // an empty name falls back as well
    EXPECT_EQ(Load_Language(Language_Dir, ""), "English");

    // a name that is a path reaches no file outside the language folder
    Write_File(Dir.path() + "/Outside.lng", "STR0 = Outside\n");
    EXPECT_EQ(Load_Language(Language_Dir, "../Outside"), "English");
    EXPECT_EQ(Lang_Text(0), "Start");

    // the folder is the one given, not the workspace's
    QTemporaryDir Other;
    Write_File(Other.path() + "/Deutsch.lng", "STR0 = Beginn\n");
    EXPECT_EQ(Load_Language(Other.path(), "Deutsch"), "Deutsch");
    EXPECT_EQ(Lang_Text(0), "Beginn");

    // no English file: the built-in texts stand
    QFile::remove(Language_Dir + "/English.lng");
    EXPECT_EQ(Load_Language(Language_Dir, "Italiano"), "English");
    EXPECT_EQ(Lang_Text(0), "Begin");
}

// Switching back rebuilds the table completely: nothing of the old file stays.
TEST_F(LangTableTest, ReloadStartsFromBuiltInTexts)
{
    Write_File(Language_Dir + "/Deutsch.lng", "STR0 = Anfang\nSTR1 = Schritt 1\n");
    Write_File(Language_Dir + "/Francais.lng", "STR0 = Debut\n");
    Load_Language(Language_Dir, "Deutsch");
    Load_Language(Language_Dir, "Francais");
    EXPECT_EQ(Lang_Text(0), "Debut");
    EXPECT_EQ(Lang_Text(1), "Step 1");
}

// The shipped English.lng restates the built-in texts: loading it over them
// changes no slot, so English reads the same with or without the file.
TEST_F(LangTableTest, ShippedEnglishFileMatchesBuiltInTexts)
{
    const QStringList Built_In = Lang_Table;
    ASSERT_TRUE(Load_Language_File(QStringLiteral(BC_SHIPPED_LANGUAGE_DIR "/English.lng")));
    ASSERT_EQ(Lang_Table.size(), Built_In.size());
    int Differ = 0;
    for (int N = 0; N < Lang_Table.size(); ++N)
        if (Lang_Table.at(N) != Built_In.at(N)) {
            ADD_FAILURE() << "slot " << N << ": \"" << Lang_Table.at(N).toStdString() << "\" instead of \""
                          << Built_In.at(N).toStdString() << "\"";
            ++Differ;
        }
    EXPECT_EQ(Differ, 0);
    // the file names every text of the main window, project dialogs and options
    for (int N : {0, 18, 37, 100, 110, 200, 207, 300, 321})
        EXPECT_NE(Lang_Text(N), " ") << N;
}
