#include "FuzzSupport.h"
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdlib>

namespace {
QTemporaryDir &Temp_Dir()
{
    static QTemporaryDir Dir;
    if (!Dir.isValid())
        std::abort(); // no place for the input: nothing sensible can be fuzzed
    return Dir;
}
} // namespace

QString Fuzz_File(const QByteArray &Bytes, const QString &Name)
{
    const QString Path = Temp_Dir().filePath(Name);
    QFile F(Path);
    if (!F.open(QIODevice::WriteOnly | QIODevice::Truncate) || F.write(Bytes) != Bytes.size())
        std::abort();
    return Path;
}

QString Fuzz_File(const std::uint8_t *Data, std::size_t Size, const QString &Name)
{
    return Fuzz_File(Fuzz_Bytes(Data, Size), Name);
}

void Fuzz_Gui()
{
    if (QGuiApplication::instance())
        return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int Argc = 1;
    static char Name[] = "fuzz";
    static char *Argv[] = {Name, nullptr};
    static QGuiApplication App(Argc, Argv); // lives until the process ends
}
