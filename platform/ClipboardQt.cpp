#include "platform/Clipboard.h"
#include "platform/ClipDataQt.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {
// The desktop's clipboard through Qt, which owns what it was given.
class TQtClipboard : public IClipboard
{
public:
    void Set(const TClipData &Data) override
    {
        if (Data.Empty()) {
            Clear();
            return;
        }
        QGuiApplication::clipboard()->setMimeData(To_Mime_Data(Data));
    }

    void Add(const TClipData &Data) override
    {
        // Qt replaces the whole content: what is there is copied over first.
        TClipData All;
        if (const QMimeData *Old = Current())
            for (const QString &F : Old->formats())
                All.Set(F, Old->data(F));
        for (const QString &F : Data.Formats())
            All.Set(F, Data.Get(F));
        QGuiApplication::clipboard()->setMimeData(To_Mime_Data(All));
    }

    void Clear() override { QGuiApplication::clipboard()->clear(); }

    QStringList Formats() const override
    {
        const QMimeData *M = Current();
        return M ? M->formats() : QStringList();
    }

    bool Has_Format(const QString &Mime) const override
    {
        const QMimeData *M = Current();
        return M && M->hasFormat(Mime);
    }

    QByteArray Data(const QString &Mime) const override
    {
        const QMimeData *M = Current();
        return M && M->hasFormat(Mime) ? M->data(Mime) : QByteArray();
    }

    bool Has_Text() const override
    {
        const QMimeData *M = Current();
        return M && M->hasText();
    }

    QString Text() const override { return QGuiApplication::clipboard()->text(); }

private:
    static const QMimeData *Current() { return QGuiApplication::clipboard()->mimeData(); }
};
} // namespace

QMimeData *To_Mime_Data(const TClipData &Data)
{
    auto *M = new QMimeData;
    for (const QString &F : Data.Formats()) {
        const QByteArray B = Data.Get(F);
        if (F == Mime_Text())
            M->setText(QString::fromUtf8(B));
        else if (F == Mime_Html())
            M->setHtml(QString::fromUtf8(B));
        else
            M->setData(F, B);
    }
    return M;
}

IClipboard &Qt_Clipboard()
{
    static TQtClipboard Board;
    return Board;
}
