#include "toolkit/RichEdit.h"
#include "platform/CodePage.h"
#include "platform/RichText.h"
#include <QAbstractTextDocumentLayout>
#include <QIODevice>
#include <QPainter>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTextBlock>
#include <QTextDocument>
#include <cmath>
#include <memory>

namespace {

QString Decode_Plain(const QByteArray &Bytes)
{
    if (Bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(Bytes.mid(2));
    if (Bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(Bytes.mid(2));
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(Bytes.mid(3));
    return From_Cp1252(Bytes);
}

// A document of plain text: CR LF, CR and LF each end a paragraph.
void Set_Plain(QTextDocument &Doc, const QString &Text)
{
    QString T = Text;
    T.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    T.replace(u'\r', u'\n');
    Doc.setPlainText(T);
}

} // namespace

// --------------------------------------------------------------- TRichEditStrings --

int TRichEditStrings::Count() const
{
    const QTextDocument *Doc = FEdit.document();
    // An empty edit has no lines; a trailing empty paragraph is no line either.
    if (Doc->isEmpty())
        return 0;
    int N = Doc->blockCount();
    if (N > 1 && Doc->lastBlock().length() <= 1)
        --N;
    return N;
}

QString TRichEditStrings::Strings(int Index) const
{
    if (Index < 0 || Index >= Count())
        return QString();
    QString S = FEdit.document()->findBlockByNumber(Index).text();
    S.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    return S;
}

void TRichEditStrings::Clear()
{
    FEdit.Clear();
}

bool TRichEditStrings::Load_From_Stream(QIODevice &Stream)
{
    const QByteArray Bytes = Stream.readAll();
    FLast_Error.clear();
    QTextDocument *Doc = FEdit.document();
    Doc->setUndoRedoEnabled(false);
    bool Ok = true;
    if (!FEdit.PlainText() && Looks_Like_Rtf(Bytes)) {
        const TRtfReadResult R = Rtf_To_Document(Bytes, *Doc);
        Ok = R.Ok;
        FLast_Error = R.Error;
    } else {
        Set_Plain(*Doc, Decode_Plain(Bytes));
    }
    Doc->setUndoRedoEnabled(true);
    FEdit.moveCursor(QTextCursor::Start);
    return Ok;
}

void TRichEditStrings::Save_To_Stream(QIODevice &Stream, TStreamEncoding Encoding) const
{
    if (!FEdit.PlainText()) {
        Stream.write(Document_To_Rtf(*FEdit.document()));
        return;
    }
    const QString Text = FEdit.Text();
    switch (Encoding) {
    case TStreamEncoding::Ansi:
        Stream.write(To_Cp1252(Text));
        break;
    case TStreamEncoding::Unicode: {
        QStringEncoder E(QStringEncoder::Utf16LE);
        Stream.write("\xFF\xFE", 2);
        Stream.write(E.encode(Text));
        break;
    }
    case TStreamEncoding::Utf8:
        Stream.write("\xEF\xBB\xBF", 3);
        Stream.write(Text.toUtf8());
        break;
    }
}

// --------------------------------------------------------------------- TRichEdit --

TRichEdit::TRichEdit(QWidget *Parent) : QTextEdit(Parent)
{
    setAcceptRichText(true);
    connect(document(), &QTextDocument::contentsChanged, this, [this] { Content_Changed(); });
}

QString TRichEdit::Text() const
{
    QString S;
    for (QTextBlock B = document()->begin(); B.isValid(); B = B.next()) {
        if (B != document()->begin())
            S += QLatin1String("\r\n");
        S += B.text();
    }
    S.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    return S;
}

void TRichEdit::Set_Text(const QString &Value)
{
    Set_Plain(*document(), Value);
}

void TRichEdit::Clear()
{
    document()->clear();
}

bool TRichEdit::WordWrap() const
{
    return lineWrapMode() != QTextEdit::NoWrap;
}

void TRichEdit::Set_WordWrap(bool Value)
{
    if (Value == WordWrap())
        return;
    setLineWrapMode(Value ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    Content_Changed();
}

int TRichEdit::SelStart() const
{
    return textCursor().selectionStart();
}

void TRichEdit::Set_SelStart(int Value)
{
    QTextCursor C = textCursor();
    C.setPosition(std::clamp(Value, 0, std::max(0, document()->characterCount() - 1)));
    setTextCursor(C);
}

int TRichEdit::SelLength() const
{
    const QTextCursor C = textCursor();
    return C.selectionEnd() - C.selectionStart();
}

void TRichEdit::Set_SelLength(int Value)
{
    QTextCursor C = textCursor();
    const int Start = C.selectionStart();
    const int Last = std::max(0, document()->characterCount() - 1);
    C.setPosition(Start);
    C.setPosition(std::clamp(Start + Value, 0, Last), QTextCursor::KeepAnchor);
    setTextCursor(C);
}

QString TRichEdit::SelText() const
{
    QString S = textCursor().selectedText();
    S.replace(QChar(QChar::ParagraphSeparator), QLatin1String("\r\n"));
    S.replace(QChar(QChar::LineSeparator), QLatin1String("\r\n"));
    return S;
}

int TRichEdit::Sel_Offset() const
{
    const QTextCursor C = textCursor();
    if (!C.hasSelection())
        return C.charFormat().property(Rtf_Offset_Property).toInt();
    // The format of a position is that of the character before it.
    QTextCursor First(document());
    First.setPosition(C.selectionStart() + 1);
    return First.charFormat().property(Rtf_Offset_Property).toInt();
}

void TRichEdit::Set_Sel_Offset(int Twips)
{
    QTextCharFormat F;
    F.setProperty(Rtf_Offset_Property, Twips);
    F.setVerticalAlignment(Twips > 0   ? QTextCharFormat::AlignSuperScript
                           : Twips < 0 ? QTextCharFormat::AlignSubScript
                                       : QTextCharFormat::AlignNormal);
    mergeCurrentCharFormat(F);
}

qreal TRichEdit::Wrap_Width() const
{
    if (!WordWrap())
        return -1;
    // A shown edit has laid its document out to its viewport; a hidden one
    // (the grid's measuring engine) has not, so its own width counts.
    if (isVisible() && document()->textWidth() > 0)
        return document()->textWidth();
    return std::max(1, width() - 2 * frameWidth());
}

QSize TRichEdit::Content_Size() const
{
    std::unique_ptr<QTextDocument> Doc(document()->clone());
    const qreal W = Wrap_Width();
    Doc->setTextWidth(W);
    const QSizeF S = Doc->size();
    const int Width = int(std::ceil(W > 0 ? W : S.width()));
    return QSize(Width, int(std::ceil(S.height())));
}

void TRichEdit::Request_Resize()
{
    const QSize S = Content_Size();
    FLast_Request = S;
    RequestSize(QRect(QPoint(0, 0), S));
}

void TRichEdit::Content_Changed()
{
    const QSize S = Content_Size();
    if (S == FLast_Request)
        return;
    FLast_Request = S;
    RequestSize(QRect(QPoint(0, 0), S));
}

void TRichEdit::RequestSize(const QRect &Rect)
{
    if (OnResizeRequest)
        OnResizeRequest(this, Rect);
}

void TRichEdit::Draw_To(QPainter &Painter, const QRectF &Rect) const
{
    std::unique_ptr<QTextDocument> Doc(document()->clone());
    Doc->setTextWidth(WordWrap() ? Rect.width() : -1);
    Painter.save();
    Painter.translate(Rect.topLeft());
    const QRectF Clip(QPointF(0, 0), Rect.size());
    Painter.setClipRect(Clip, Qt::IntersectClip);
    Doc->drawContents(&Painter, Clip);
    Painter.restore();
}
