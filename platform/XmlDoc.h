#pragma once
#include <QString>
#include <QList>

class QIODevice;
#include <memory>
#include <stdexcept>
#include <vector>

// XML documents as the configurator's files need them: elements keep their
// attributes and children in the order they were added, and a saved file has
// no declaration and no whitespace of its own. Lookups that find nothing
// return nullptr; the "must" accessors throw EXmlError, which the readers
// catch per element to keep a field's default.

class EXmlError : public std::runtime_error
{
public:
    explicit EXmlError(const QString &Message, int ALine = 0, int AColumn = 0)
        : std::runtime_error(Message.toStdString()), Line(ALine), Column(AColumn), Text(Message) {}
    int Line;
    int Column;
    QString Text;
    // Text, followed by " (line L, column C)" for a parse error with a position.
    QString Text_With_Position() const
    {
        return Line > 0 ? QStringLiteral("%1 (line %2, column %3)").arg(Text).arg(Line).arg(Column) : Text;
    }
};

// Loading refuses documents that nest elements deeper than this (EXmlError,
// like any malformed file): no configurator file comes near it, and a bound
// keeps hostile files from exhausting the stack of whoever walks the tree.
constexpr int Xml_Max_Depth = 256;

// The errors of a document read with QXmlStreamReader, worded and placed
// alike for the tree below and for readers that stream a file themselves:
// the reader's own error at its position, elements nested deeper than
// Xml_Max_Depth at the offending element, and a document without an element.
class QXmlStreamReader;
EXmlError Xml_Reader_Error(const QXmlStreamReader &R);
EXmlError Xml_Depth_Error(const QXmlStreamReader &R);
EXmlError Xml_No_Root_Error();

class TXmlNode
{
public:
    enum TKind { nkElement, nkText, nkComment };

    TXmlNode(const TXmlNode &) = delete;
    TXmlNode &operator=(const TXmlNode &) = delete;
    // Frees the subtree without recursion, however deep it was built.
    ~TXmlNode();

    TKind Kind() const { return FKind; }
    bool Is_Element() const { return FKind == nkElement; }
    // Element name; empty for text and comment nodes.
    const QString &Node_Name() const { return FName; }

    // Text of an element: the concatenation of its text children. Setting
    // replaces all children by one text node.
    QString Text() const;
    void Set_Text(const QString &Value);
    // True when the element holds text only (or nothing).
    bool Is_Text_Element() const;

    // Attributes, in the order they were set.
    bool Has_Attribute(const QString &Name) const;
    // Throws EXmlError when absent.
    QString Attribute(const QString &Name) const;
    // Absent attributes give Default.
    QString Attribute_Or(const QString &Name, const QString &Default) const;
    void Set_Attribute(const QString &Name, const QString &Value);
    const QList<std::pair<QString, QString>> &Attributes() const { return FAttributes; }

    // Child nodes (elements, text and comments) in document order.
    int Child_Count() const { return static_cast<int>(FChildren.size()); }
    // Throws EXmlError for an index out of range.
    TXmlNode *Child(int Index) const;
    // First child element of that name, or nullptr.
    TXmlNode *Find_Child(const QString &Name) const;
    // First child element of that name; throws EXmlError when absent.
    TXmlNode *Must_Child(const QString &Name) const;
    // Child elements only, in order.
    QList<TXmlNode *> Child_Elements() const;
    // Appends a child element and returns it.
    TXmlNode *Add_Child(const QString &Name);
    TXmlNode *Add_Comment(const QString &Text);
    TXmlNode *Parent() const { return FParent; }

    // Comment or text-node content.
    const QString &Value() const { return FValue; }

private:
    friend class TXmlDocument;
    TXmlNode(TKind Kind, QString Name, TXmlNode *Parent) : FKind(Kind), FName(std::move(Name)), FParent(Parent) {}
    TKind FKind;
    QString FName;
    QString FValue;
    TXmlNode *FParent;
    QList<std::pair<QString, QString>> FAttributes;
    std::vector<std::unique_ptr<TXmlNode>> FChildren;
};

class TXmlDocument
{
public:
    TXmlDocument() = default;
    TXmlDocument(const TXmlDocument &) = delete;
    TXmlDocument &operator=(const TXmlDocument &) = delete;

    // Drops every top-level node (a new, empty document).
    void Clear();
    // Replaces the document by the file's content. Throws EXmlError (with
    // line and column) for a missing, unreadable or malformed file, and for
    // elements nested deeper than Xml_Max_Depth; the document is then empty.
    // Whitespace-only text between elements is dropped.
    void Load_From_File(const QString &Path);
    void Load_From_Bytes(const QByteArray &Data);

    // Top-level nodes in order (elements and comments).
    int Node_Count() const { return static_cast<int>(FNodes.size()); }
    TXmlNode *Node(int Index) const;
    // The first top-level node, or nullptr for an empty document.
    TXmlNode *First_Node() const;
    // First top-level element of that name, or nullptr.
    TXmlNode *Find_Element(const QString &Name) const;
    // Searches the whole tree (document order) for the first element of that name.
    TXmlNode *Find_Descendant(const QString &Name) const;

    // Appends the root element (or any top-level element) and returns it.
    TXmlNode *Add_Root(const QString &Name);
    // Appends a top-level comment (after whatever is there).
    TXmlNode *Add_Comment(const QString &Text);

    // The document as written: no declaration, no indentation, UTF-8.
    QByteArray Save_To_Bytes() const;
    // Writes the whole file atomically, replacing it. Throws EXmlError on failure.
    void Save_To_File(const QString &Path) const;
    // The same for callers that report rather than throw: false on failure,
    // with the reason in *Error when Error is given.
    bool Save_To_File(const QString &Path, QString *Error) const;

private:
    void Load_From_Device(QIODevice &Device);
    std::vector<std::unique_ptr<TXmlNode>> FNodes;
};
