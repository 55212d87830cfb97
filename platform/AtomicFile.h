#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

// Writes a whole file so that it is either completely replaced or left as it
// was: the data goes to a temporary file beside the target, every byte of it
// is written and forced to the disk, and only then is it renamed over the
// target. A full disk, a short write or a failed flush removes the temporary
// file and leaves the target untouched. Parent folders are not created. A
// symbolic link is followed (the file it names is replaced, the link stays);
// a replaced file keeps its permission bits, a new one gets the usual ones
// for the process's umask.
// Returns false and sets Error (when given) on any failure; the reason is the
// system's own ("No space left on device", "Permission denied").
bool Write_File_Atomic(const QString &Path, const QByteArray &Data, QString *Error = nullptr);

// Writes all of Data to the open file Fd, retrying short and interrupted
// writes, then waits until it is on the disk (fsync). False with the
// system's reason in Error when any byte could not be written or synced.
// Shared by every writer that builds its own temporary file.
bool Write_All_To_Disk(int Fd, const QByteArray &Data, QString *Error = nullptr);

// For tests: the call that moves bytes into an open file, in place of the
// system's write(2). It returns what write(2) returns and sets errno as
// write(2) does. An empty function restores the system's call.
using TFile_Write_Call = std::function<long long(int Fd, const char *Data, long long Size)>;
void Set_File_Write_Call(TFile_Write_Call Call);
