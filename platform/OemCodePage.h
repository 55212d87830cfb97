#pragma once
#include <QByteArray>
#include <QString>

// Code page 850, the OEM ("DOS Latin 1") code page of Western European
// consoles. One byte per UTF-16 code unit, so lengths never change;
// characters the code page cannot hold become '?'.
QByteArray To_Cp850(const QString &Text);
QString From_Cp850(const QByteArray &Bytes);
