// The string grid's file methods: round trips of every text format on a grid
// with hidden columns, merged cells, multi-line and non-Latin texts; failed
// loads that leave the grid as it was, with the grid's messages.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/MessageBox.h"
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <functional>
#include <memory>

namespace {
const QStringList Texts = {"plain", "a,b", "x\r\ny", "日本語", "Ελληνικά\r\nδύο", "he said \"hi\"", "", "€ 12,5",
                           "tab\tin", "x\ny", " lead", "last"};

struct TGridFormatsTest : ::testing::Test {
    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};

    static std::unique_ptr<RIraRevadiVizo> Make_Grid(bool Hidden)
    {
        auto G = std::make_unique<RIraRevadiVizo>();
        G->Set_FixedCols(0);
        G->Set_FixedRows(0);
        G->Set_ColCount(4);
        G->Set_RowCount(3);
        G->Set_MultilineCells(true);
        if (Hidden)
            G->HideColumn(1);
        return G;
    }
    static std::unique_ptr<RIraRevadiVizo> Filled(bool Hidden)
    {
        auto G = Make_Grid(false);
        for (int I = 0; I < Texts.size(); ++I)
            G->Set_Cells(I % 4, I / 4, Texts[I]);
        G->MergeCells(2, 1, 2, 1);
        if (Hidden)
            G->HideColumn(1);
        return G;
    }
    QString Path(const char *Name) const { return Dir.filePath(QString::fromLatin1(Name)); }
};
} // namespace

// What a grid saves, a grid of the same shape loads back cell for cell
// (line breaks as CR LF), hidden columns kept when they are saved.
TEST_F(TGridFormatsTest, EveryFormatRoundTripsTheSavedTexts)
{
    struct TCase {
        const char *Name;
        bool Save_Hidden;
        std::function<bool(RIraRevadiVizo &, const QString &)> Save, Load;
    };
    const TCase Cases[] = {
        {"Csv", false, [](RIraRevadiVizo &G, const QString &P) { return G.SaveToCSV(P, true); },
         [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromCSV(P, 0); }},
        {"CsvHiddenSaved", true, [](RIraRevadiVizo &G, const QString &P) { return G.SaveToCSV(P, true); },
         [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromCSV(P, 0); }},
        {"CsvAlwaysQuotes", false,
         [](RIraRevadiVizo &G, const QString &P) {
             G.SaveOptions().AlwaysQuotes = true;
             return G.SaveToCSV(P, true);
         },
         [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromCSV(P, 0); }},
        {"CellFile", false, [](RIraRevadiVizo &G, const QString &P) { return G.SaveToFile(P, true); },
         [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromFile(P); }},
        {"CellFileHiddenSaved", true, [](RIraRevadiVizo &G, const QString &P) { return G.SaveToFile(P, true); },
         [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromFile(P); }},
        {"CellStream", false,
         [](RIraRevadiVizo &G, const QString &P) {
             QFile F(P);
             F.open(QIODevice::WriteOnly);
             G.SaveToStream(F);
             return true;
         },
         [](RIraRevadiVizo &G, const QString &P) {
             QFile F(P);
             F.open(QIODevice::ReadOnly);
             return G.LoadFromStream(F);
         }},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto From = Filled(true);
        From->SaveOptions().SaveHiddenCells = C.Save_Hidden;
        ASSERT_TRUE(C.Save(*From, Path("t")));
        auto To = Make_Grid(true);
        To->SaveOptions() = From->SaveOptions();
        ASSERT_TRUE(C.Load(*To, Path("t")));
        EXPECT_TRUE(Boxes.Texts().isEmpty()) << Boxes.Texts().join(u'|').toStdString();
        EXPECT_EQ(To->ColCount(), From->ColCount());
        for (int R = 0; R < From->RowCount(); ++R)
            for (int Col = 0; Col < From->TotalColCount(); ++Col) {
                if (Col == 1 && !C.Save_Hidden)
                    continue;   // a hidden column not saved is not loaded
                QString Want = From->CellTextForSave(Col, R);
                Want.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\n', QStringLiteral("\r\n"));
                EXPECT_EQ(To->CellTextForSave(Col, R), Want) << "cell " << Col << "," << R;
            }
        EXPECT_EQ(To->Model().Check_Consistency(), QString());
    }
}

// A load that fails leaves the grid as it was and says why in the grid's words.
TEST_F(TGridFormatsTest, FailedLoadKeepsTheGridAndShowsTheMessage)
{
    struct TCase {
        const char *Name;
        QByteArray Bytes;   // null: no file
        std::function<bool(RIraRevadiVizo &, const QString &)> Load;
        const char *Message;   // %1: the path; empty: no message
    };
    const auto Csv = [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromCSV(P, 0); };
    const auto File = [](RIraRevadiVizo &G, const QString &P) { return G.LoadFromFile(P); };
    const TCase Cases[] = {
        {"CsvMissing", QByteArray(), Csv, "File %1 not found"},
        {"CsvMarkAloneIsEmpty", QByteArray("\xEF\xBB\xBF"), Csv, "File is empty %1"},
        {"CsvNoByteChangesNothing", QByteArray(""), Csv, ""},
        {"CellFileZeroSize", QByteArray("0,0\r\n0,0,lost\r\n"), File, "File contains no data or corrupt file %1"},
        {"CellFileSizeBeyondLimits", QByteArray("1,99999999\r\n"), File, "The size exceeds what a grid can hold %1"},
        {"CellFileMissing", QByteArray(), File, "File %1 not found"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        const QString P = Path(C.Name);
        if (!C.Bytes.isNull()) {
            QFile F(P);
            ASSERT_TRUE(F.open(QIODevice::WriteOnly));
            F.write(C.Bytes);
        }
        auto G = Filled(false);
        const bool Expect_Ok = QString::fromLatin1(C.Message).isEmpty();
        EXPECT_EQ(C.Load(*G, P), Expect_Ok);
        EXPECT_EQ(G->ColCount(), 4);
        EXPECT_EQ(G->RowCount(), 3);
        EXPECT_EQ(G->Cells(0, 0), QStringLiteral("plain"));
        EXPECT_EQ(G->Cells(3, 2), QStringLiteral("last"));
        if (Expect_Ok) {
            EXPECT_TRUE(Boxes.Shown.isEmpty());
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
            EXPECT_EQ(Boxes.Shown[0].Text, QString::fromUtf8(C.Message).arg(P));
        }
    }
}

TEST_F(TGridFormatsTest, CsvLoadSizesTheGridToTheFile)
{
    QByteArray Lines;
    for (int I = 0; I < 2500; ++I)
        Lines += QByteArray::number(I) + ";x\r\n";
    QFile F(Path("big.csv"));
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    F.write(Lines);
    F.close();
    auto G = Make_Grid(false);
    G->Set_FixedRows(1);
    G->SaveOptions().SaveFixedCells = false;
    std::vector<short> Told;
    G->OnFileProgress = [&Told](QObject *, short P) { Told.push_back(P); };
    ASSERT_TRUE(G->LoadFromCSV(F.fileName(), 0));
    EXPECT_EQ(G->RowCount(), 1 + 2500);
    EXPECT_EQ(G->Cells(0, 2500), QStringLiteral("2499"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("x"));
    ASSERT_FALSE(Told.empty());
    EXPECT_EQ(Told.front(), 0);
    EXPECT_EQ(Told.back(), 100);
    EXPECT_TRUE(std::is_sorted(Told.begin(), Told.end()));
}

// Inserting with a visible floating footer keeps the footer as the last row.
TEST_F(TGridFormatsTest, InsertFromCsvKeepsTheFloatingFooterLast)
{
    auto G = Make_Grid(false);
    G->Set_Cells(0, 0, QStringLiteral("first"));
    G->Set_Cells(0, 2, QStringLiteral("sum"));
    G->FloatingFooter().Visible = true;
    QFile F(Path("ins.csv"));
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    F.write("n1,1\r\nn2,2\r\n");
    F.close();
    ASSERT_TRUE(G->InsertFromCSV(F.fileName(), 0));
    EXPECT_EQ(G->RowCount(), 5);
    EXPECT_EQ(G->Cells(0, 0), QStringLiteral("first"));
    EXPECT_EQ(G->Cells(0, 2), QStringLiteral("n1"));
    EXPECT_EQ(G->Cells(0, 3), QStringLiteral("n2"));
    EXPECT_EQ(G->Cells(0, 4), QStringLiteral("sum"));
}

TEST_F(TGridFormatsTest, AsciiFixedAndNumbers)
{
    auto G = Make_Grid(false);
    G->Set_ColCount(2);
    G->Set_RowCount(2);
    G->Set_Cells(0, 0, QStringLiteral("abcd"));
    G->Set_Cells(1, 0, QStringLiteral("de"));
    std::vector<int> Widths{3, 5};
    ASSERT_TRUE(G->SaveToFixed(Path("f.txt"), Widths));
    QFile F(Path("f.txt"));
    ASSERT_TRUE(F.open(QIODevice::ReadOnly));
    EXPECT_EQ(F.readAll(), QByteArray("abcde   \r\n        \r\n"));
    std::vector<int> Positions{9, 1, 4};
    auto L = Make_Grid(false);
    QFile In(Path("in.txt"));
    ASSERT_TRUE(In.open(QIODevice::WriteOnly));
    In.write("abcdefghij\r\n");
    In.close();
    ASSERT_TRUE(L->LoadFromFixed(In.fileName(), Positions, true, 0));
    EXPECT_EQ(L->Cells(0, 0), QStringLiteral("abc"));
    EXPECT_EQ(L->Cells(1, 0), QStringLiteral("defgh"));

    EXPECT_FALSE(G->SaveToFixed(Dir.filePath(QStringLiteral("no/dir/f.txt")), Widths));
    G->Set_Cells(0, 1, QStringLiteral("1-2"));
    EXPECT_EQ(G->CellToReal(0, 1), 0);
    EXPECT_EQ(Boxes.Texts(), (QStringList{"Cannot Create file " + Dir.filePath(QStringLiteral("no/dir/f.txt")),
                                          "Error at position: 2 in Cell [0, 1]."}));
}

// Without save or load events the grid's CSV goes the short way (stored
// texts read in place, parsed texts moved in); an event that changes nothing
// takes the general way. Both must give the same file and the same grid.
TEST_F(TGridFormatsTest, CsvShortWayGivesWhatTheEventsWayGives)
{
    struct TCase {
        const char *Name;
        bool Save_Hidden, Unicode, Virt, Shown_Hook;
    };
    const TCase Cases[] = {
        {"Ansi", false, false, true, false},          {"Unicode", false, true, true, false},
        {"HiddenSaved", true, false, true, false},    {"HiddenSavedUnicode", true, true, true, false},
        {"StoredTexts", false, false, false, false},  {"StoredHiddenSaved", true, true, false, false},
        {"ShownTextHook", false, false, true, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QByteArray Files[2];
        std::vector<QString> Loaded[2];
        for (const bool Events : {false, true}) {
            auto From = Filled(false);
            From->Set_Cells(3, 2, QStringLiteral("<b>bold</b> and <i>it</i>"));
            From->Set_Cells(0, 2, QStringLiteral("{\\rtf1 rich}"));
            From->Set_Cells(1, 2, QString());
            From->AddCheckBox(1, 2, true, false);
            From->HideColumn(1);
            From->SaveOptions().SaveHiddenCells = C.Save_Hidden;
            From->SaveOptions().SaveVirtCells = C.Virt;
            if (C.Shown_Hook)
                From->OnGetDisplText = [](QObject *, int ACol, int, QString &Value) {
                    if (ACol == 0)
                        Value += QStringLiteral("!");
                };
            if (Events)
                From->OnSaveCell = [](QObject *, int, int, QString &) {};
            const QString File = Path(Events ? "events.csv" : "short.csv");
            ASSERT_TRUE(From->SaveToCSV(File, C.Unicode));
            QFile F(File);
            ASSERT_TRUE(F.open(QIODevice::ReadOnly));
            Files[Events] = F.readAll();
            auto To = Make_Grid(true);
            To->SaveOptions() = From->SaveOptions();
            if (Events)
                To->OnLoadCell = [](QObject *, int, int, QString &) {};
            ASSERT_TRUE(To->LoadFromCSV(File, 0));
            for (int R = 0; R < To->RowCount(); ++R)
                for (int Col = 0; Col < To->TotalColCount(); ++Col)
                    Loaded[Events].push_back(To->Model().Cell(Col, R));
            EXPECT_EQ(To->Model().Check_Consistency(), QString());
        }
        EXPECT_EQ(Files[0], Files[1]);
        EXPECT_EQ(Loaded[0], Loaded[1]);
        EXPECT_EQ(Files[0].startsWith("plain!,"), C.Shown_Hook) << Files[0].toStdString();
        // rich text is saved as the text it shows, through the general way
        EXPECT_TRUE(Files[0].contains("rich,") && !Files[0].contains("rtf1")) << Files[0].toStdString();
    }
    EXPECT_TRUE(Boxes.Texts().isEmpty()) << Boxes.Texts().join(u'|').toStdString();
}
