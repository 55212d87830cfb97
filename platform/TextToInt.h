#pragma once
#include <QString>

// Whole numbers as the configurator reads them from files and edit boxes:
// leading blanks are skipped, then an optional sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Anything else — a
// trailing blank included — fails, and so does a value outside 32 bits.
bool Text_To_Int(const QString &Text, int &Value);

// Text_To_Int with the caller's default on failure.
int Str_To_Int_Def(const QString &Text, int Default);

// The same convention widened to 64 bits, for values whose low 32 bits are
// stored but which may be written beyond the 32-bit range (a device ID up to
// 4294967296 in decimal). Hexadecimal may fill all 64 bits.
bool Text_To_Int64(const QString &Text, qint64 &Value);
