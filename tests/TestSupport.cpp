#include "TestSupport.h"
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <QPixmap>

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
