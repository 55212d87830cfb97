#include "TestSupport.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QImage>
#include <QPixmap>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QSet>
#include <gtest/gtest.h>

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
    // A picture left by an earlier run must not pass for this one.
    QFile::remove(Path);
    const QPixmap Shot = Widget->grab();
    if (Shot.isNull() || !Shot.save(Path)) {
        ADD_FAILURE() << "picture not written: " << Path.toStdString();
        return {};
    }
    const QImage Back(Path);
    if (Back.size() != Shot.size()) {
        ADD_FAILURE() << "picture does not read back at the widget's size: " << Path.toStdString();
        return {};
    }
    return Path;
}

QPoint Bare_Point(const QWidget *Widget, int Margin)
{
    // What stands at P: nothing, or a panel (a widget holding others) whose
    // own face shows there; a leaf control paints what it likes.
    const auto Face_At = [Widget](QPoint P) -> const QWidget * {
        const QWidget *W = Widget->childAt(P);
        if (!W)
            return Widget;
        return W->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty() ? nullptr : W;
    };
    const QRect Inside = Widget->rect().adjusted(Margin, Margin, -Margin, -Margin);
    // Bottom up: the lower part of a window is where its buttons leave room.
    for (int Y = Inside.bottom(); Y >= Inside.top(); --Y)
        for (int X = Inside.right(); X >= Inside.left(); --X) {
            const QPoint P(X, Y);
            const QWidget *Face = Face_At(P);
            if (!Face)
                continue;
            bool Clear = true;
            for (int DY = -Margin; DY <= Margin && Clear; ++DY)
                for (int DX = -Margin; DX <= Margin && Clear; ++DX)
                    Clear = Face_At(P + QPoint(DX, DY)) == Face;
            if (Clear)
                return P;
        }
    return {-1, -1};
}

void Expect_Window_Picture(const QImage &Shot, const QWidget *Window, const QColor &Background)
{
    ASSERT_EQ(Shot.size(), Window->size());
    const QPoint Bare = Bare_Point(Window);
    ASSERT_NE(Bare, QPoint(-1, -1)) << "controls cover the whole window";
    EXPECT_EQ(Shot.pixelColor(Bare), Background) << "at " << Bare.x() << ", " << Bare.y();
}

int Count_Colour(const QImage &Shot, const QRect &Area, const QColor &Colour)
{
    const QRect A = Area.intersected(Shot.rect());
    const QRgb Want = Colour.rgb();
    int N = 0;
    for (int Y = A.top(); Y <= A.bottom(); ++Y)
        for (int X = A.left(); X <= A.right(); ++X)
            N += (Shot.pixel(X, Y) & 0xFFFFFF) == (Want & 0xFFFFFF);
    return N;
}

int Distinct_Colours(const QImage &Shot, const QRect &Area)
{
    const QRect A = Area.intersected(Shot.rect());
    QSet<QRgb> Seen;
    for (int Y = A.top(); Y <= A.bottom(); ++Y)
        for (int X = A.left(); X <= A.right(); ++X)
            Seen.insert(Shot.pixel(X, Y) & 0xFFFFFF);
    return int(Seen.size());
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
