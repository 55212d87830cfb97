#pragma once
#include <QByteArray>
#include <QString>

// Writes a whole file so that it is either completely replaced or left as it
// was: the data goes to a temporary file beside the target, which is renamed
// over it only once complete. Parent folders are not created.
// Returns false and sets Error (when given) on any failure.
bool Write_File_Atomic(const QString &Path, const QByteArray &Data, QString *Error = nullptr);
