#include "platform/AtomicFile.h"
#include <QSaveFile>

bool Write_File_Atomic(const QString &Path, const QByteArray &Data, QString *Error)
{
    QSaveFile F(Path);
    if (!F.open(QIODevice::WriteOnly)) {
        if (Error)
            *Error = F.errorString();
        return false;
    }
    if (F.write(Data) != Data.size()) {
        if (Error)
            *Error = F.errorString();
        F.cancelWriting();
        return false;
    }
    if (!F.commit()) {
        if (Error)
            *Error = F.errorString();
        return false;
    }
    return true;
}
