#include "platform/AtomicFile.h"
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The temporary file is written with plain system calls rather than through
// QSaveFile: its writes only fill a buffer, and the real write that then
// fails on a full disk inside commit() was not reported, so the cut
// temporary file was renamed over the good one. Here every write's result is
// checked, and the reason comes from errno, not "Unknown error".

namespace {

TFile_Write_Call &Atomic_Write_Call()
{
    static TFile_Write_Call Call;
    return Call;
}

bool Atomic_Fail(QString *Error, int Code)
{
    if (Error)
        *Error = QString::fromLocal8Bit(std::strerror(Code ? Code : EIO));
    return false;
}

// The file a write through Path lands in: links followed as far as they go
// (a dangling link names the file to create).
QString Atomic_Final_Target(const QString &Path)
{
    QFileInfo Info(Path);
    int Depth = 128;
    while (Info.isSymLink() && --Depth > 0)
        Info.setFile(Info.symLinkTarget());
    return Depth > 0 ? Info.filePath() : Path;
}

// A new, exclusive file beside the target; the system applies the umask to
// its rights as to any new file. -1 with errno set when none can be made.
int Atomic_Create_Temp(const QByteArray &Target_Name, QByteArray &Temp_Name)
{
    static const char Letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int Try = 0; Try < 100; ++Try) {
        Temp_Name = Target_Name + ".new-";
        for (int I = 0; I < 6; ++I)
            Temp_Name += Letters[QRandomGenerator::global()->bounded(int(sizeof Letters) - 1)];
        const int Fd = ::open(Temp_Name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (Fd >= 0 || errno != EEXIST)
            return Fd;
    }
    errno = EEXIST;
    return -1;
}

// The rename itself reaches the disk only with its folder.
void Atomic_Sync_Folder(const QByteArray &Target_Name)
{
    const QByteArray Folder = QFile::encodeName(QFileInfo(QFile::decodeName(Target_Name)).absolutePath());
    const int Fd = ::open(Folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd >= 0) {
        ::fsync(Fd);
        ::close(Fd);
    }
}

} // namespace

void Set_File_Write_Call(TFile_Write_Call Call)
{
    Atomic_Write_Call() = std::move(Call);
}

bool Write_All_To_Disk(int Fd, const QByteArray &Data, QString *Error)
{
    const TFile_Write_Call &Call = Atomic_Write_Call();
    const char *Next = Data.constData();
    long long Left = Data.size();
    while (Left > 0) {
        errno = 0;
        const long long Done = Call ? Call(Fd, Next, Left) : static_cast<long long>(::write(Fd, Next, size_t(Left)));
        if (Done < 0) {
            if (errno == EINTR)
                continue;
            return Atomic_Fail(Error, errno);
        }
        // A file that takes nothing more has no room left.
        if (Done == 0)
            return Atomic_Fail(Error, ENOSPC);
        if (Done > Left)
            return Atomic_Fail(Error, EIO);
        Next += Done;
        Left -= Done;
    }
    // Delayed allocation may still fail here (and network file systems report
    // their write errors only now).
    if (::fsync(Fd) != 0)
        return Atomic_Fail(Error, errno);
    return true;
}

bool Write_File_Atomic(const QString &Path, const QByteArray &Data, QString *Error)
{
    const QByteArray Target_Name = QFile::encodeName(Atomic_Final_Target(Path));
    struct stat Old;
    const bool Existed = ::stat(Target_Name.constData(), &Old) == 0;
    if (Existed && S_ISDIR(Old.st_mode))
        return Atomic_Fail(Error, EISDIR);
    // A file its owner made read-only is not replaced behind its back, though
    // the folder would allow the rename.
    if (Existed && ::access(Target_Name.constData(), W_OK) != 0)
        return Atomic_Fail(Error, errno);

    QByteArray Temp_Name;
    int Fd = Atomic_Create_Temp(Target_Name, Temp_Name);
    if (Fd < 0)
        return Atomic_Fail(Error, errno);
    auto Give_Up = [&](int Code, const QString *Why = nullptr) {
        if (Fd >= 0)
            ::close(Fd);
        ::unlink(Temp_Name.constData());
        if (Why && Error)
            *Error = *Why;
        return Why ? false : Atomic_Fail(Error, Code);
    };

    // The replaced file's rights stay (a file system without them keeps its own).
    if (Existed)
        ::fchmod(Fd, Old.st_mode & 07777);
    QString Why;
    if (!Write_All_To_Disk(Fd, Data, &Why))
        return Give_Up(0, &Why);
    const int Closed = ::close(Fd);
    Fd = -1;
    if (Closed != 0)
        return Give_Up(errno);
    if (std::rename(Temp_Name.constData(), Target_Name.constData()) != 0)
        return Give_Up(errno);
    Atomic_Sync_Folder(Target_Name);
    return true;
}
