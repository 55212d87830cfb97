#include "controls/GlideTabs.h"
#include "platform/AtomicFile.h"
#include <QFile>
#include <QIODevice>

// Options and look and feel as stored-description text, to and from a
// stream or a file, and as source-code assignments.

namespace {

const QString Options_Class = QStringLiteral("TTabsOptions");
const QString Options_Property = QStringLiteral("Options");
const QString Look_Class = QStringLiteral("TTabsLookAndFeel");
const QString Look_Property = QStringLiteral("LookAndFeel");

void Write_Stream(QIODevice &Stream, const QString &Text)
{
    const QByteArray Bytes = Text.toUtf8();
    if (Stream.write(Bytes) != Bytes.size())
        throw EGlideTabsError("Stream write error: " + Stream.errorString().toStdString());
}

QString Read_Stream(QIODevice &Stream)
{
    if (!Stream.isReadable())
        throw EGlideTabsError("Stream read error: " + Stream.errorString().toStdString());
    return QString::fromUtf8(Stream.readAll());
}

void Write_File(const QString &Filename, const QString &Text)
{
    // The new text replaces the old file only once it is complete.
    QString Error;
    if (!Write_File_Atomic(Filename, Text.toUtf8(), &Error))
        throw EGlideTabsError("Cannot create file \"" + Filename.toStdString() + "\". " + Error.toStdString());
}


} // namespace

void TCustomGlideTabs::SaveLookAndFeel(QIODevice &Stream)
{
    Write_Stream(Stream, WriteComponentText(*FLookAndFeel, Look_Class, Look_Property));
}

void TCustomGlideTabs::SaveLookAndFeel(const QString &Filename)
{
    Write_File(Filename, WriteComponentText(*FLookAndFeel, Look_Class, Look_Property));
}

void TCustomGlideTabs::LoadLookAndFeel(QIODevice &Stream)
{
    TGlideTabsUpdate Batch(*this);
    // Read into a free-standing copy first: a text that fails part-way leaves
    // the strip's look as it was.
    TGlideTabsLookAndFeel Loaded(nullptr);
    Loaded.Assign(*FLookAndFeel);
    ReadComponentText(Loaded, Read_Stream(Stream), Look_Property);
    SetLookAndFeel(Loaded);
}

void TCustomGlideTabs::LoadLookAndFeel(const QString &Filename)
{
    QFile F(Filename);
    if (!F.open(QIODevice::ReadOnly))
        throw EGlideTabsError("Cannot open file \"" + Filename.toStdString() + "\". " + F.errorString().toStdString());
    LoadLookAndFeel(F);
}

void TCustomGlideTabs::SaveOptions(QIODevice &Stream)
{
    Write_Stream(Stream, WriteComponentText(*FOptions, Options_Class, Options_Property));
}

void TCustomGlideTabs::SaveOptions(const QString &Filename)
{
    Write_File(Filename, WriteComponentText(*FOptions, Options_Class, Options_Property));
}

void TCustomGlideTabs::LoadOptions(QIODevice &Stream)
{
    TGlideTabsUpdate Batch(*this);
    TOptions Loaded(nullptr);
    Loaded.Assign(*FOptions);
    ReadComponentText(Loaded, Read_Stream(Stream), Options_Property);
    SetOptions(Loaded);
}

void TCustomGlideTabs::LoadOptions(const QString &Filename)
{
    QFile F(Filename);
    if (!F.open(QIODevice::ReadOnly))
        throw EGlideTabsError("Cannot open file \"" + Filename.toStdString() + "\". " + F.errorString().toStdString());
    LoadOptions(F);
}

QString TCustomGlideTabs::LookAndFeelToCode() const
{
    return ComponentAsCode(*FLookAndFeel, Look_Class, Look_Property, QStringLiteral("GlideTabs1"));
}

QString TCustomGlideTabs::OptionsToCode() const
{
    return ComponentAsCode(*FOptions, Options_Class, Options_Property, QStringLiteral("GlideTabs1"));
}
