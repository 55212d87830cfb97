#pragma once
#include <QByteArray>
#include <QString>

// Windows-1252, the "ANSI" code page of the systems the description files
// and older language files come from. Characters it cannot hold become '?'.
QByteArray To_Cp1252(const QString &Text);
QString From_Cp1252(const QByteArray &Bytes);

// True when Bytes is well-formed UTF-8 (no byte-order mark needed).
bool Is_Valid_Utf8(const QByteArray &Bytes);
