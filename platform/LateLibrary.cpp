#include "platform/LateLibrary.h"
#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QLibrary>
#include <QMutex>
#include <memory>

namespace {
QMutex Lock;
QString Folder_Set;
// By path; never unloaded (their code may still be running, and their
// objects alive, until the end).
QHash<QString, std::shared_ptr<QLibrary>> Libraries;
} // namespace

QString Late_Library_Folder()
{
    QMutexLocker Guard(&Lock);
    return Folder_Set.isEmpty() ? QCoreApplication::applicationDirPath() : Folder_Set;
}

void Set_Late_Library_Folder(const QString &Folder)
{
    QMutexLocker Guard(&Lock);
    Folder_Set = Folder;
}

QFunctionPointer Late_Library_Symbol(const char *Module, const char *Symbol, QString *Error)
{
    const QString Path = Late_Library_Folder() + QLatin1Char('/') + QLatin1String(Module);
    QMutexLocker Guard(&Lock);
    std::shared_ptr<QLibrary> &Library = Libraries[Path];
    if (!Library)
        Library = std::make_shared<QLibrary>(Path);
    if (!Library->isLoaded() && !Library->load()) {
        if (Error)
            *Error = QStringLiteral("The module %1 could not be loaded: %2")
                         .arg(QDir::toNativeSeparators(Path), Library->errorString());
        return nullptr;
    }
    const QFunctionPointer Entry = Library->resolve(Symbol);
    if (!Entry && Error)
        *Error = QStringLiteral("The module %1 has no entry %2")
                     .arg(QDir::toNativeSeparators(Library->fileName()), QLatin1String(Symbol));
    return Entry;
}
