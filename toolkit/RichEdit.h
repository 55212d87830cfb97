#pragma once
#include <QRect>
#include <QTextEdit>
#include <functional>

class QIODevice;
class QPainter;
class TRichEdit;

// Encodings a plain-text save can use. RTF is 7-bit ASCII and ignores them.
enum class TStreamEncoding { Ansi, Unicode, Utf8 };

// The rich edit's content as lines (its paragraphs) and as a stream.
class TRichEditStrings {
public:
    int Count() const;
    QString Strings(int Index) const;   // empty beyond the last line
    void Clear();
    // Reads from the stream's position to its end: RTF when the bytes are RTF
    // and the edit is not in plain-text mode, plain text otherwise (a byte-order
    // mark chooses UTF-16 or UTF-8, else Windows-1252). False (with the edit
    // holding what could be read) when RTF is malformed.
    bool Load_From_Stream(QIODevice &Stream);
    // Writes the content at the stream's position: RTF, or in plain-text mode
    // the text with CR LF line ends in Encoding (Unicode and UTF-8 with their
    // byte-order marks).
    void Save_To_Stream(QIODevice &Stream, TStreamEncoding Encoding = TStreamEncoding::Ansi) const;
    QString Last_Error() const { return FLast_Error; }

private:
    friend class TRichEdit;
    explicit TRichEditStrings(TRichEdit &Edit) : FEdit(Edit) {}
    TRichEdit &FEdit;
    QString FLast_Error;
};

// A rich edit on QTextEdit: character formats as RTF knows them, streams,
// the vertical offset of selected characters and the request to resize.
class TRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit TRichEdit(QWidget *Parent = nullptr);

    TRichEditStrings &Lines() { return FLines; }
    const TRichEditStrings &Lines() const { return FLines; }
    // Plain text, paragraphs and line breaks as CR LF.
    QString Text() const;
    void Set_Text(const QString &Value);
    void Clear();
    // Streams read and write plain text instead of RTF.
    bool PlainText() const { return FPlainText; }
    void Set_PlainText(bool Value) { FPlainText = Value; }
    bool WordWrap() const;
    void Set_WordWrap(bool Value);

    int SelStart() const;
    void Set_SelStart(int Value);
    int SelLength() const;
    void Set_SelLength(int Value);
    QString SelText() const;

    // Vertical offset of the selection's characters in twips (positive
    // raised): read from the first selected character (the typing format when
    // nothing is selected); set on all of them (or on what is typed next).
    int Sel_Offset() const;
    void Set_Sel_Offset(int Twips);

    // The size the content asks for (width: the edit's text width when it
    // wraps, else the widest line; height: all lines), announced through
    // RequestSize whenever it changes and when Request_Resize asks for it.
    QSize Content_Size() const;
    void Request_Resize();
    // Handler of the resize request; the default fires OnResizeRequest.
    virtual void RequestSize(const QRect &Rect);
    std::function<void(TRichEdit *, const QRect &)> OnResizeRequest;

    // Draws the content laid out to Rect's width, clipped to Rect.
    void Draw_To(QPainter &Painter, const QRectF &Rect) const;

private:
    friend class TRichEditStrings;
    TRichEditStrings FLines{*this};
    bool FPlainText = false;
    QSize FLast_Request{-1, -1};
    void Content_Changed();
    qreal Wrap_Width() const;
};
