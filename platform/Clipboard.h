#pragma once
#include "platform/ExchangeFormats.h"
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// The clipboard, behind one narrow service so that tests put and read
// formats without touching the desktop's clipboard. Formats are MIME types
// (ExchangeFormats.h); text and HTML are UTF-8.

// What goes on the clipboard at once: formats in the order they were set.
class TClipData
{
public:
    // Sets (or replaces) one format.
    void Set(const QString &Mime, const QByteArray &Bytes);
    bool Has(const QString &Mime) const;
    QByteArray Get(const QString &Mime) const;
    QStringList Formats() const;
    bool Empty() const { return FFormats.isEmpty(); }

    void Set_Text(const QString &Text) { Set(Mime_Text(), Text.toUtf8()); }
    void Set_Html(const QString &Html) { Set(Mime_Html(), Html.toUtf8()); }
    void Set_Rtf(const QByteArray &Rtf) { Set(Mime_Rtf(), Rtf); }
    void Set_Grid_Cells(const QByteArray &Stream) { Set(Mime_Grid_Cells(), Stream); }

private:
    QList<QPair<QString, QByteArray>> FFormats;
};

class IClipboard
{
public:
    virtual ~IClipboard() = default;
    // Replaces the whole content with Data (an empty Data empties the clipboard).
    virtual void Set(const TClipData &Data) = 0;
    // Adds Data's formats to what is there (a format already there is replaced).
    virtual void Add(const TClipData &Data) = 0;
    virtual void Clear() = 0;
    // The formats offered now, as MIME types.
    virtual QStringList Formats() const = 0;
    virtual bool Has_Format(const QString &Mime) const = 0;
    // The bytes of one format; empty when it is not offered.
    virtual QByteArray Data(const QString &Mime) const = 0;
    // Plain text in whatever form the platform offers it (other programs
    // put text under several names and charsets).
    virtual bool Has_Text() const = 0;
    virtual QString Text() const = 0;

    // The usual formats, read through the calls above.
    void Put_Text(const QString &Text);
    bool Has_Html() const { return Has_Format(Mime_Html()); }
    // The HTML document; a Windows "HTML Format" header is taken off.
    QString Html() const;
    bool Has_Rtf() const { return Has_Format(Mime_Rtf()); }
    // The RTF bytes up to the first zero byte (Windows writers end RTF with one).
    QByteArray Rtf() const;
    bool Has_Grid_Cells() const { return Has_Format(Mime_Grid_Cells()); }
    QByteArray Grid_Cells() const { return Data(Mime_Grid_Cells()); }
};

IClipboard &Clipboard();
// Installs a clipboard (not owned); nullptr restores the desktop's.
void Set_Clipboard(IClipboard *Board);
// The desktop's clipboard (Qt's), whatever is installed: for the few tests
// that check what a Qt widget's own cut and paste do with it.
IClipboard &System_Clipboard();

// Keeps the formats in memory. Install with TClipboardGuard.
class TFakeClipboard : public IClipboard
{
public:
    TClipData Content;
    int Sets = 0;       // calls of Set and Clear (each replaces the content)
    int Adds = 0;

    void Set(const TClipData &Data) override;
    void Add(const TClipData &Data) override;
    void Clear() override;
    QStringList Formats() const override { return Content.Formats(); }
    bool Has_Format(const QString &Mime) const override { return Content.Has(Mime); }
    QByteArray Data(const QString &Mime) const override { return Content.Get(Mime); }
    bool Has_Text() const override { return Content.Has(Mime_Text()); }
    QString Text() const override { return QString::fromUtf8(Content.Get(Mime_Text())); }
};

class TClipboardGuard
{
public:
    explicit TClipboardGuard(IClipboard *Board) { Set_Clipboard(Board); }
    ~TClipboardGuard() { Set_Clipboard(nullptr); }
    TClipboardGuard(const TClipboardGuard &) = delete;
    TClipboardGuard &operator=(const TClipboardGuard &) = delete;
};
