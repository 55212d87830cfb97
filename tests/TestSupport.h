#pragma once
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
class QWidget;

// Folder for screenshots and other artefacts a person may look at after a run.
QString Test_Output_Dir();
// Grabs a widget to <Test_Output_Dir()>/<Name>.png and returns the path.
QString Save_Screenshot(QWidget *Widget, const QString &Name);
// Reads a whole file; empty when missing.
QByteArray Read_File(const QString &Path);
// Writes a whole file, creating parent folders.
void Write_File(const QString &Path, const QByteArray &Data);
// Processes events until Done() or a generous upper bound (a minute);
// returns Done(). For work that ends on the event loop, never for timing.
bool Wait_Until(const std::function<bool()> &Done);

// A tmpfs of Kilobytes on a fresh folder for as long as the object lives, so a
// test can fill a disk. Mounting needs root (as the tests run on CI); a test
// skips when Mounted() is false, naming Why_Not().
class TSmall_Disk
{
public:
    explicit TSmall_Disk(int Kilobytes = 64);
    ~TSmall_Disk();
    TSmall_Disk(const TSmall_Disk &) = delete;
    TSmall_Disk &operator=(const TSmall_Disk &) = delete;

    bool Mounted() const { return FMounted; }
    QString Why_Not() const { return FWhy; }
    QString File_Path(const QString &Name) const { return FDir.filePath(Name); }
    // Takes all free space with a filler file, then gives Leave_Bytes of it
    // back (whole pages). False when the disk never filled.
    bool Fill(qint64 Leave_Bytes = 0);
    // Removes the filler again.
    void Empty();
    // Files in the folder other than the filler, sorted.
    QStringList Files() const;

private:
    QTemporaryDir FDir;
    bool FMounted = false;
    QString FWhy;
};
