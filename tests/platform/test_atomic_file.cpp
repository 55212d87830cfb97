// Whole-file writes: a failed write of any kind keeps the old file and says
// why, in the system's words.
#include "TestSupport.h"
#include "platform/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Reason_Of(int Code)
{
    return std::strerror(Code);
}

QByteArray Content_Of(int Size, char Fill)
{
    QByteArray Data(Size, Fill);
    for (int I = 0; I < Size; I += 97)
        Data[I] = '\n';
    return Data;
}

// Restores the system's write call when a test ends, however it ends.
struct TWrite_Call_Guard
{
    explicit TWrite_Call_Guard(TFile_Write_Call Call) { Set_File_Write_Call(std::move(Call)); }
    ~TWrite_Call_Guard() { Set_File_Write_Call({}); }
};

// A write call that takes at most Step bytes per call and fails with Code
// once Limit bytes went through (Limit < 0: never); EINTR once first when asked.
struct TAtomic_Write_Case
{
    const char *Name;
    long long Step;
    long long Limit;
    int Code;
    bool Interrupt_First;
    bool Ok;
};

const TAtomic_Write_Case Atomic_Write_Cases[] = {
    // the disk fills part-way: the old file stays, the reason is the system's
    {"FullDiskAfterSomeBytesKeepsOldFile", 1 << 20, 4096, ENOSPC, false, false},
    {"FullDiskAtOnceKeepsOldFile", 1 << 20, 0, ENOSPC, false, false},
    {"InputOutputErrorKeepsOldFile", 1000, 3000, EIO, false, false},
    // a write that takes nothing at all counts as a full disk, not as a loop
    {"WriteTakingNothingKeepsOldFile", 0, -1, 0, false, false},
    // short and interrupted writes are continued, not taken for the whole
    {"ShortWritesAreContinued", 7, -1, 0, false, true},
    {"InterruptedWriteIsRepeated", 1 << 20, -1, 0, true, true},
};

} // namespace

// Every byte must go through the checked write before the file is replaced.
TEST(AtomicFileWrite, WriteFaultsKeepTheOldFile)
{
    for (const TAtomic_Write_Case &Case : Atomic_Write_Cases) {
        SCOPED_TRACE(Case.Name);
        QTemporaryDir Dir;
        const QString Path = Dir.filePath("EnOcean.xml");
        const QByteArray Old = Content_Of(1208, 'o');
        const QByteArray New = Content_Of(9561, 'n');
        Write_File(Path, Old);

        long long Passed = 0;
        bool Interrupted = !Case.Interrupt_First;
        TWrite_Call_Guard Guard([&](int Fd, const char *Data, long long Size) -> long long {
            if (!Interrupted) {
                Interrupted = true;
                errno = EINTR;
                return -1;
            }
            if (Case.Limit >= 0 && Passed >= Case.Limit) {
                errno = Case.Code;
                return -1;
            }
            long long Take = std::min(Size, Case.Step);
            if (Case.Limit >= 0)
                Take = std::min(Take, Case.Limit - Passed);
            const long long Done = ::write(Fd, Data, size_t(Take));
            Passed += std::max(Done, 0LL);
            return Done;
        });
        QString Error;
        EXPECT_EQ(Write_File_Atomic(Path, New, &Error), Case.Ok);
        EXPECT_EQ(Read_File(Path), Case.Ok ? New : Old);
        if (!Case.Ok) {
            EXPECT_EQ(Error.toStdString(), Reason_Of(Case.Code ? Case.Code : ENOSPC));
        }
        // No temporary file is left behind either way.
        EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"EnOcean.xml"});

        // A file that did not exist yet is not left behind half written.
        const QString Fresh = Dir.filePath("ParGen.xml");
        Passed = 0;
        Interrupted = !Case.Interrupt_First;
        EXPECT_EQ(Write_File_Atomic(Fresh, New), Case.Ok);
        EXPECT_EQ(QFileInfo::exists(Fresh), Case.Ok);
    }
}

// The shared write of the image files reports the same way.
TEST(AtomicFileWrite, WriteAllToDiskReportsTheSystemsReason)
{
    QTemporaryDir Dir;
    QFile F(Dir.filePath("bank1.bin"));
    ASSERT_TRUE(F.open(QIODevice::WriteOnly));
    TWrite_Call_Guard Guard([](int, const char *, long long) -> long long {
        errno = ENOSPC;
        return -1;
    });
    QString Error;
    EXPECT_FALSE(Write_All_To_Disk(F.handle(), QByteArray(10, 'x'), &Error));
    EXPECT_EQ(Error.toStdString(), Reason_Of(ENOSPC));
}

// What a replaced file was stays: its rights, and a link to it stays a link.
TEST(AtomicFileWrite, ReplacedFileKeepsRightsAndLinks)
{
    QTemporaryDir Dir;
    const QString Real = Dir.filePath("real.xml");
    const QString Link = Dir.filePath("link.xml");
    Write_File(Real, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(Real).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(Real, Link));
    ASSERT_TRUE(Write_File_Atomic(Link, "new"));
    EXPECT_TRUE(QFileInfo(Link).isSymLink());
    EXPECT_EQ(Read_File(Real), QByteArray("new"));
    struct stat St;
    ASSERT_EQ(::stat(QFile::encodeName(Real).constData(), &St), 0);
    EXPECT_EQ(St.st_mode & 07777, 0640u);

    // A new file gets the rights any new file of the process gets.
    const mode_t Mask = ::umask(022);
    ASSERT_TRUE(Write_File_Atomic(Dir.filePath("fresh.xml"), "x"));
    ::umask(Mask);
    ASSERT_EQ(::stat(QFile::encodeName(Dir.filePath("fresh.xml")).constData(), &St), 0);
    EXPECT_EQ(St.st_mode & 07777, 0644u);
}

// Places that cannot take the file: the reason is the system's.
TEST(AtomicFileWrite, UnwritablePlacesSayWhy)
{
    QTemporaryDir Dir;
    ASSERT_TRUE(QDir(Dir.path()).mkdir("Busy"));
    QString Error;
    EXPECT_FALSE(Write_File_Atomic(Dir.filePath("Busy"), "x", &Error));
    EXPECT_EQ(Error.toStdString(), Reason_Of(EISDIR));
    EXPECT_FALSE(Write_File_Atomic(Dir.filePath("missing/f.xml"), "x", &Error));
    EXPECT_EQ(Error.toStdString(), Reason_Of(ENOENT));
}

// A real full disk (a small tmpfs): the old file stays whole whether no page
// or one page is free, and the reason is "No space left on device".
TEST(AtomicFileWrite, FullDiskKeepsTheOldFile)
{
    TSmall_Disk Disk;
    if (!Disk.Mounted())
        GTEST_SKIP() << qPrintable(Disk.Why_Not());
    const QString Path = Disk.File_Path("EnOcean.xml");
    const QByteArray Old = Content_Of(1208, 'o');
    const QByteArray New = Content_Of(9561, 'n');
    ASSERT_TRUE(Write_File_Atomic(Path, Old));

    struct TFree
    {
        const char *Name;
        qint64 Leave;
    };
    const TFree Free_Cases[] = {{"NoPageFree", 0}, {"OnePageFree", 4096}};
    for (const TFree &Case : Free_Cases) {
        SCOPED_TRACE(Case.Name);
        ASSERT_TRUE(Disk.Fill(Case.Leave));
        QString Error;
        EXPECT_FALSE(Write_File_Atomic(Path, New, &Error));
        EXPECT_EQ(Error.toStdString(), Reason_Of(ENOSPC));
        EXPECT_EQ(Read_File(Path), Old);
        EXPECT_EQ(Disk.Files(), QStringList{"EnOcean.xml"});
        Disk.Empty();
    }
    // With room again the same write goes through.
    EXPECT_TRUE(Write_File_Atomic(Path, New));
    EXPECT_EQ(Read_File(Path), New);
}
