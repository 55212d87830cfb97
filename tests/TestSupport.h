#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
class QWidget;

// Folder for screenshots and other artefacts a person may look at after a run.
QString Test_Output_Dir();
// Grabs a widget to <Test_Output_Dir()>/<Name>.png and returns the path.
// When the picture was not written (or does not read back at the widget's
// size) the test fails and the path is empty, so QImage(path) is null.
QString Save_Screenshot(QWidget *Widget, const QString &Name);
// A point of Widget where no control stands, at least Margin pixels from
// any and from the edges: the window or one of its panels paints its own
// face there. (-1, -1) when there is none.
QPoint Bare_Point(const QWidget *Widget, int Margin = 3);
// The background every configurator window shares.
inline QColor Window_Background() { return QColor(248, 247, 237); }
// A window's picture: it has the window's size, and where no control stands
// the window shows Background.
void Expect_Window_Picture(const QImage &Shot, const QWidget *Window,
                           const QColor &Background = Window_Background());
// How many pixels of Area (clipped to the picture) have exactly Colour.
int Count_Colour(const QImage &Shot, const QRect &Area, const QColor &Colour);
// How many different colours Area holds: 1 when nothing is drawn on a plain face.
int Distinct_Colours(const QImage &Shot, const QRect &Area);
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
