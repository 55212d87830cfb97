#pragma once
// Helpers shared by the fuzz entries (fuzz_<reader>.cpp). Each entry defines
// LLVMFuzzerTestOneInput and stays short: take the bytes, hand them to the
// reader, touch what it produced. Errors a reader reports by design (a result
// value or its documented exception) are no findings; crashes, sanitizer
// reports and hangs are.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

// The input as a byte array (no copy: valid during the call only).
inline QByteArray Fuzz_Bytes(const std::uint8_t *Data, std::size_t Size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
}

// The input as text, read as UTF-8 (invalid sequences become U+FFFD).
inline QString Fuzz_Text(const std::uint8_t *Data, std::size_t Size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(Data), static_cast<qsizetype>(Size));
}

// Writes the input to a file of this process's own temporary folder, named
// Name (the same file is overwritten on every call), and returns its path:
// for readers that take a path.
QString Fuzz_File(const std::uint8_t *Data, std::size_t Size, const QString &Name);
QString Fuzz_File(const QByteArray &Bytes, const QString &Name);

// A QGuiApplication on the offscreen platform, made on the first call: for
// readers that need fonts or image plug-ins.
void Fuzz_Gui();
