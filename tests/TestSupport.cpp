#include "TestSupport.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QPixmap>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

QString Test_Output_Dir()
{
    QString Dir = qEnvironmentVariable("BC_TEST_OUTPUT");
    if (Dir.isEmpty())
        Dir = QStringLiteral(BC_TEST_OUTPUT_DEFAULT);
    QDir().mkpath(Dir);
    return Dir;
}

QString Save_Screenshot(QWidget *Widget, const QString &Name)
{
    const QString Path = QDir(Test_Output_Dir()).filePath(Name + ".png");
    Widget->grab().save(Path);
    return Path;
}

QByteArray Read_File(const QString &Path)
{
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        return {};
    return F.readAll();
}

void Write_File(const QString &Path, const QByteArray &Data)
{
    QDir().mkpath(QFileInfo(Path).absolutePath());
    QFile F(Path);
    if (F.open(QIODevice::WriteOnly | QIODevice::Truncate))
        F.write(Data);
}

bool Wait_Until(const std::function<bool()> &Done)
{
    QDeadlineTimer Limit(60000);
    while (!Done() && !Limit.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return Done();
}

namespace {
const char *const Small_Disk_Filler = ".filler";
}

TSmall_Disk::TSmall_Disk(int Kilobytes)
{
    if (!FDir.isValid()) {
        FWhy = QStringLiteral("no temporary folder");
        return;
    }
    if (::geteuid() != 0) {
        FWhy = QStringLiteral("mounting a small disk needs root");
        return;
    }
    const QByteArray Options = "size=" + QByteArray::number(Kilobytes) + "k,mode=0755";
    if (::mount("tmpfs", QFile::encodeName(FDir.path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                Options.constData()) != 0) {
        FWhy = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    FMounted = true;
}

TSmall_Disk::~TSmall_Disk()
{
    if (FMounted && ::umount2(QFile::encodeName(FDir.path()).constData(), 0) != 0)
        ::umount2(QFile::encodeName(FDir.path()).constData(), MNT_DETACH);
}

bool TSmall_Disk::Fill(qint64 Leave_Bytes)
{
    const QByteArray Name = QFile::encodeName(File_Path(Small_Disk_Filler));
    const int Fd = ::open(Name.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (Fd < 0)
        return false;
    const QByteArray Chunk(4096, 'f');
    bool Full = false;
    for (int I = 0; I < 1 << 20 && !Full; ++I) {
        const ssize_t Done = ::write(Fd, Chunk.constData(), size_t(Chunk.size()));
        Full = Done < Chunk.size() && (Done >= 0 || errno == ENOSPC);
    }
    const off_t Size = ::lseek(Fd, 0, SEEK_END);
    const off_t Page = 4096;
    const off_t Give_Back = (Leave_Bytes + Page - 1) / Page * Page;
    if (Full && Give_Back > 0)
        Full = ::ftruncate(Fd, Size > Give_Back ? (Size - Give_Back) / Page * Page : 0) == 0;
    ::close(Fd);
    return Full;
}

void TSmall_Disk::Empty()
{
    QFile::remove(File_Path(Small_Disk_Filler));
}

QStringList TSmall_Disk::Files() const
{
    QStringList Names = QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    Names.removeAll(QString::fromLatin1(Small_Disk_Filler));
    Names.sort();
    return Names;
}
