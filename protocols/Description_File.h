#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The description files (EDE, GSD, GSDML) are lists of text lines, every
// line, the last included, ended by CR LF.

// Windows-1252; characters it cannot hold become '?'.
QByteArray Lines_To_Cp1252(const QStringList &Lines);
// UTF-8 with a byte-order mark.
QByteArray Lines_To_Utf8_Bom(const QStringList &Lines);

// Replaces the file whole or leaves it as it was; false with Error on failure.
bool Write_Description_File(const QString &Path, const QByteArray &Data, QString *Error = nullptr);
