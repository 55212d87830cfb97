#include "platform/CodePage.h"
#include "platform/AtomicFile.h"
#include <QTemporaryDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(CodePage, Cp1252RoundTripAndUnmappable)
{
    const QString Text = QString::fromUtf8("Temp \u00B0C \u20AC \u00E4 \u2013");
    const QByteArray Bytes = To_Cp1252(Text);
    EXPECT_EQ(Bytes, QByteArray("Temp \xB0" "C \x80 \xE4 \x96"));
    EXPECT_EQ(From_Cp1252(Bytes), Text);
    // Outside the code page: one '?' per character, surrogate pairs included.
    EXPECT_EQ(To_Cp1252(QString::fromUtf8("a\u4E2Db\U0001F600c")), QByteArray("a?b?c"));
}

TEST(CodePage, Utf8Validity)
{
    EXPECT_TRUE(Is_Valid_Utf8("plain"));
    EXPECT_TRUE(Is_Valid_Utf8("\xC3\xA4"));
    EXPECT_FALSE(Is_Valid_Utf8("\xE4 latin"));
}

TEST(AtomicFile, ReplacesWholeFileAndReportsFailure)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("f.bin");
    ASSERT_TRUE(Write_File_Atomic(Path, "first"));
    ASSERT_TRUE(Write_File_Atomic(Path, "2nd"));
    QFile F(Path);
    ASSERT_TRUE(F.open(QIODevice::ReadOnly));
    EXPECT_EQ(F.readAll(), QByteArray("2nd"));
    QString Error;
    EXPECT_FALSE(Write_File_Atomic(Dir.filePath("missing/f.bin"), "x", &Error));
    EXPECT_FALSE(Error.isEmpty());
}
