#include "protocols/Description_File.h"
#include "platform/AtomicFile.h"
#include "platform/CodePage.h"

namespace {
QString Join_Crlf(const QStringList &Lines)
{
    QString Text;
    for (const QString &L : Lines) {
        Text += L;
        Text += QLatin1String("\r\n");
    }
    return Text;
}
} // namespace

QByteArray Lines_To_Cp1252(const QStringList &Lines) { return To_Cp1252(Join_Crlf(Lines)); }

QByteArray Lines_To_Utf8_Bom(const QStringList &Lines)
{
    return QByteArray("\xEF\xBB\xBF") + Join_Crlf(Lines).toUtf8();
}

bool Write_Description_File(const QString &Path, const QByteArray &Data, QString *Error)
{
    return Write_File_Atomic(Path, Data, Error);
}
