#include "StripTestSupport.h"
#include "TestSupport.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString Options_Text(TCustomGlideTabs &S)
{
    QBuffer B;
    B.open(QIODevice::WriteOnly);
    S.SaveOptions(B);
    return QString::fromUtf8(B.data());
}

QString Look_Text(TCustomGlideTabs &S)
{
    QBuffer B;
    B.open(QIODevice::WriteOnly);
    S.SaveLookAndFeel(B);
    return QString::fromUtf8(B.data());
}

void Load_Options_Text(TCustomGlideTabs &S, const QString &Text)
{
    QByteArray Bytes = Text.toUtf8();
    QBuffer B(&Bytes);
    B.open(QIODevice::ReadOnly);
    S.LoadOptions(B);
}

class GlideTabsPersist : public ::testing::Test
{
protected:
    QTemporaryDir Dir;
    TCountingStrip A, B;
};

// The text names the carrier class and one line per property under its dotted path.
TEST_F(GlideTabsPersist, SaveWritesComponentText)
{
    A.Options().Display().Tabs().SetMinWidth(100);
    A.LookAndFeel().Tabs().BaseLine().SetColor(11110509);
    const QStringList O = Options_Text(A).split("\r\n");
    EXPECT_EQ(O.first(), "object TabsOptions: TTabsOptions");
    EXPECT_TRUE(O.contains("  Options.Display.Tabs.MinWidth = 100"));
    EXPECT_TRUE(O.contains("  Options.Scrolling.Enabled = True"));
    EXPECT_EQ(O[O.size() - 2], "end");
    const QStringList L = Look_Text(A).split("\r\n");
    EXPECT_EQ(L.first(), "object TabsLookAndFeel: TTabsLookAndFeel");
    EXPECT_TRUE(L.contains("  LookAndFeel.Tabs.BaseLine.Color = 11110509"));
}

// Options and look and feel written by one strip and read by another make the two equal.
TEST_F(GlideTabsPersist, RoundTripThroughStreamAndFile)
{
    Configurator_Options(A, 150, 200);
    A.Options().Scrolling().SetDragScroll(false);
    A.LookAndFeel().TabsContainer().SetStartColor(0x123456);
    A.LookAndFeel().Tabs().Active().Font().SetName("Verdana");
    ASSERT_NE(Options_Text(A), Options_Text(B));
    Load_Options_Text(B, Options_Text(A));
    EXPECT_EQ(Options_Text(B), Options_Text(A));
    EXPECT_EQ(B.Options().Display().Tabs().MinWidth(), 150);
    EXPECT_EQ(B.Options().DragDrop().DragType(), dtNone);

    const QString Look_File = Dir.filePath("look.txt");
    A.SaveLookAndFeel(Look_File);
    B.LoadLookAndFeel(Look_File);
    EXPECT_EQ(Look_Text(B), Look_Text(A));
    EXPECT_EQ(B.LookAndFeel().Tabs().Active().Font().Name(), "Verdana");

    const QString Options_File = Dir.filePath("options.txt");
    B.Options().Display().Tabs().SetMaxWidth(300);
    B.SaveOptions(Options_File);
    A.LoadOptions(Options_File);
    EXPECT_EQ(A.Options().Display().Tabs().MaxWidth(), 300);
}

// A text that fails part-way leaves the options as they were, and the update count balanced.
TEST_F(GlideTabsPersist, BrokenTextChangesNothing)
{
    const QString Before = Options_Text(A);
    const QString Bad = "object TabsOptions: TTabsOptions\r\n  Options.Display.Tabs.MinWidth = 99\r\n"
                        "  Options.Display.Tabs.NoSuchThing = 1\r\nend\r\n";
    EXPECT_THROW(Load_Options_Text(A, Bad), EGlideTabsError);
    EXPECT_EQ(Options_Text(A), Before);
    EXPECT_THROW(Load_Options_Text(A, "object TabsOptions: TTabsOptions\r\n  Options.Scrolling.Enabled = Maybe\r\nend"),
                 EGlideTabsError);
    EXPECT_EQ(A.Options().Scrolling().Enabled(), true);
    const int Paints = A.Paints;
    A.Redraw();
    EXPECT_EQ(A.Paints, Paints + 1);
}

// Loading from a file that cannot be opened fails and changes nothing.
TEST_F(GlideTabsPersist, MissingFileFails)
{
    const QString Before = Options_Text(A);
    EXPECT_THROW(A.LoadOptions(Dir.filePath("missing.txt")), EGlideTabsError);
    EXPECT_THROW(A.LoadLookAndFeel(Dir.filePath("missing.txt")), EGlideTabsError);
    EXPECT_EQ(Options_Text(A), Before);
}

// A save replaces the whole file; one that cannot be written reports it.
TEST_F(GlideTabsPersist, SaveReplacesFileOrReports)
{
    const QString F = Dir.filePath("options.txt");
    Write_File(F, QByteArray(100000, 'x'));
    A.SaveOptions(F);
    EXPECT_EQ(QString::fromUtf8(Read_File(F)), Options_Text(A));
    EXPECT_THROW(A.SaveOptions(Dir.filePath("no/such/folder/options.txt")), EGlideTabsError);
    EXPECT_THROW(A.SaveLookAndFeel(Dir.filePath("no/such/folder/look.txt")), EGlideTabsError);
    EXPECT_EQ(QString::fromUtf8(Read_File(F)), Options_Text(A));
}

// Loaded options take effect: the layout follows the loaded widths.
TEST_F(GlideTabsPersist, LoadedOptionsApply)
{
    TDrivenClock Clock;
    TClockGuard Guard(&Clock);
    QWidget Window;
    TCountingStrip S(&Window);
    S.resize(1000, 30);
    Add_Tabs(S, {"A", "B"});
    Configurator_Options(A, 150, 180);
    Load_Options_Text(S, Options_Text(A));
    Settle(S, Clock);
    EXPECT_EQ(S.AdjustedTabWidth(), 180);
    EXPECT_EQ(S.AnimateTimer()->Interval(), 15);
}

// Source-code form: one assignment per stored property, prefixed with the strip's name.
TEST_F(GlideTabsPersist, ToCode)
{
    A.Options().Display().Tabs().SetMinWidth(100);
    const QStringList Lines = A.OptionsToCode().split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
    EXPECT_TRUE(Lines.contains("GlideTabs1.Options.Display.Tabs.MinWidth := 100;"));
    EXPECT_FALSE(Lines.filter("object").size());
    EXPECT_TRUE(A.LookAndFeelToCode().contains("GlideTabs1.LookAndFeel.Tabs.BaseLine.Color := "));
}

} // namespace
