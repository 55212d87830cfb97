#include "platform/FileGroup.h"
#include "platform/AtomicFile.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString Fault_Target;

QString Errno_Text()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString Native(const QString &Path)
{
    return QDir::toNativeSeparators(Path);
}

// One member of the group on its way: its complete new content in Temp, the
// old content (when there was a target) under Backup.
struct TStaged
{
    QString Target;
    QString Temp;
    QString Backup;
    bool Existed = false;
    bool Replaced = false;
};

// A free name beside Target for a temporary or a kept old file.
QString Free_Name_Beside(const QString &Target, const char *Tag)
{
    QTemporaryFile Probe(Target + QLatin1Char('.') + QLatin1String(Tag) + QStringLiteral("-XXXXXX"));
    Probe.setAutoRemove(false);
    if (!Probe.open())
        return QString();
    const QString Name = Probe.fileName();
    Probe.close();
    return Name;
}

bool Write_Temp(const QString &Target, const QByteArray &Data, QString &Temp, QString &Why)
{
    QTemporaryFile F(Target + QStringLiteral(".new-XXXXXX"));
    F.setAutoRemove(false);
    if (!F.open()) {
        Why = F.errorString();
        return false;
    }
    Temp = F.fileName();
    // A temporary file is private to its owner; the image takes the rights of
    // the file it replaces, or those of an ordinary new file.
    const QFileDevice::Permissions Rights =
        QFileInfo::exists(Target) ? QFile::permissions(Target)
                                  : QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
                                        | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    F.setPermissions(Rights);
    // Every byte on disk before any rename: a full disk or a crash after the
    // renames must not leave an empty or half-written image behind the new name.
    if (!Write_All_To_Disk(F.handle(), Data, &Why))
        return false;
    F.close();
    return true;
}

bool Rename_Over(const QString &From, const QString &To)
{
    if (!Fault_Target.isEmpty() && QFileInfo(To).absoluteFilePath() == QFileInfo(Fault_Target).absoluteFilePath()) {
        errno = EIO;
        return false;
    }
    return std::rename(QFile::encodeName(From).constData(), QFile::encodeName(To).constData()) == 0;
}

// Keeps the old content of Target under Backup while Target stays in place:
// a second link to the same file where the file system has them, else a copy.
bool Keep_Old(const QString &Target, QString &Backup)
{
    Backup = Free_Name_Beside(Target, "old");
    if (Backup.isEmpty())
        return false;
    QFile::remove(Backup);
    if (::link(QFile::encodeName(Target).constData(), QFile::encodeName(Backup).constData()) == 0)
        return true;
    return QFile::copy(Target, Backup);
}

void Sync_Folder(const QString &Folder)
{
    const int Fd = ::open(QFile::encodeName(Folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (Fd >= 0) {
        ::fsync(Fd);
        ::close(Fd);
    }
}

} // namespace

void Set_File_Group_Fault(const QString &Failing_Target)
{
    Fault_Target = Failing_Target;
}

bool Write_File_Group(const QList<TFile_Content> &Files, QString *Error)
{
    QList<TStaged> Staged;
    auto Fail = [&](const QString &Text) {
        for (const TStaged &S : Staged) {
            if (!S.Temp.isEmpty())
                QFile::remove(S.Temp);
            if (!S.Backup.isEmpty())
                QFile::remove(S.Backup);
        }
        if (Error)
            *Error = Text;
        return false;
    };

    // 1. Every new content complete in a temporary file; the targets untouched.
    for (const TFile_Content &F : Files) {
        TStaged S;
        S.Target = F.Path;
        S.Existed = QFileInfo::exists(F.Path);
        QString Why;
        const bool Ok = Write_Temp(F.Path, F.Data, S.Temp, Why);
        Staged.append(S);
        if (!Ok)
            return Fail(QStringLiteral("%1: %2\nThe previous files are unchanged.").arg(Native(F.Path), Why));
    }
    // 2. The old contents kept aside.
    for (TStaged &S : Staged)
        if (S.Existed && !Keep_Old(S.Target, S.Backup))
            return Fail(QStringLiteral("%1: the present file cannot be kept while it is replaced\nThe previous files are unchanged.").arg(Native(S.Target)));

    // 3. The renames; on the first failure the replaced ones get their old content back.
    for (int I = 0; I < Staged.size(); ++I) {
        TStaged &S = Staged[I];
        if (Rename_Over(S.Temp, S.Target)) {
            S.Replaced = true;
            S.Temp.clear();
            continue;
        }
        const QString Why = QStringLiteral("%1: %2").arg(Native(S.Target), Errno_Text());
        QStringList Not_Restored;
        for (int J = 0; J < I; ++J) {
            TStaged &R = Staged[J];
            const bool Restored = R.Existed ? Rename_Over(R.Backup, R.Target) : QFile::remove(R.Target);
            if (Restored) {
                R.Backup.clear();   // renamed back into place: nothing left to remove
                continue;
            }
            // The kept old copy is all that is left of that content: it stays.
            QString Line = Native(R.Target);
            if (R.Existed)
                Line += QStringLiteral(" (its previous content is in %1)").arg(Native(R.Backup));
            Not_Restored << Line;
            R.Backup.clear();
        }
        if (!Not_Restored.isEmpty())
            return Fail(Why + QStringLiteral("\nThese files could not be put back and hold the new content: ")
                        + Not_Restored.join(QStringLiteral(", ")));
        return Fail(Why + QStringLiteral("\nThe previous files are unchanged."));
    }

    // 4. The group is in place: the old copies go.
    QStringList Folders;
    for (const TStaged &S : Staged) {
        if (!S.Backup.isEmpty())
            QFile::remove(S.Backup);
        const QString Folder = QFileInfo(S.Target).absolutePath();
        if (!Folders.contains(Folder))
            Folders << Folder;
    }
    for (const QString &Folder : Folders)
        Sync_Folder(Folder);
    return true;
}
