#include "platform/XmlDoc.h"
#include "platform/AtomicFile.h"
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QBuffer>
#include <utility>

namespace {
using TNodeList = std::vector<std::unique_ptr<TXmlNode>>;
}

TXmlNode::~TXmlNode()
{
    // Each node is freed only after its children were moved out of it, so no
    // destructor call ever goes deeper than one level.
    TNodeList Pending = std::move(FChildren);
    while (!Pending.empty()) {
        std::unique_ptr<TXmlNode> N = std::move(Pending.back());
        Pending.pop_back();
        for (auto &C : N->FChildren)
            Pending.push_back(std::move(C));
        N->FChildren.clear();
    }
}

QString TXmlNode::Text() const
{
    if (FKind != nkElement)
        return FValue;
    // The first piece is taken shared, not copied: most elements hold one.
    QString S;
    bool First = true;
    for (const auto &C : FChildren)
        if (C->FKind == nkText) {
            if (First)
                S = C->FValue;
            else
                S += C->FValue;
            First = false;
        }
    return S;
}

void TXmlNode::Set_Text(const QString &Value)
{
    if (FKind != nkElement) {
        FValue = Value;
        return;
    }
    // Setting the text of a text-only element again keeps its one text node.
    if (FChildren.size() == 1 && FChildren.front()->FKind == nkText && !Value.isEmpty()) {
        FChildren.front()->FValue = Value;
        return;
    }
    FChildren.clear();
    if (!Value.isEmpty()) {
        std::unique_ptr<TXmlNode> T(new TXmlNode(nkText, QString(), this));
        T->FValue = Value;
        FChildren.push_back(std::move(T));
    }
}

bool TXmlNode::Is_Text_Element() const
{
    for (const auto &C : FChildren)
        if (C->FKind == nkElement)
            return false;
    return true;
}

bool TXmlNode::Has_Attribute(const QString &Name) const
{
    for (const auto &A : FAttributes)
        if (A.first == Name)
            return true;
    return false;
}

QString TXmlNode::Attribute(const QString &Name) const
{
    for (const auto &A : FAttributes)
        if (A.first == Name)
            return A.second;
    throw EXmlError(QStringLiteral("Attribute \"%1\" missing on element \"%2\"").arg(Name, FName));
}

QString TXmlNode::Attribute_Or(const QString &Name, const QString &Default) const
{
    for (const auto &A : FAttributes)
        if (A.first == Name)
            return A.second;
    return Default;
}

void TXmlNode::Set_Attribute(const QString &Name, const QString &Value)
{
    for (auto &A : FAttributes)
        if (A.first == Name) {
            A.second = Value;
            return;
        }
    FAttributes.append({Name, Value});
}

TXmlNode *TXmlNode::Child(int Index) const
{
    if (Index < 0 || Index >= Child_Count())
        throw EXmlError(QStringLiteral("Child index %1 out of range in \"%2\"").arg(Index).arg(FName));
    return FChildren[static_cast<size_t>(Index)].get();
}

TXmlNode *TXmlNode::Find_Child(const QString &Name) const
{
    for (const auto &C : FChildren)
        if (C->FKind == nkElement && C->FName == Name)
            return C.get();
    return nullptr;
}

TXmlNode *TXmlNode::Must_Child(const QString &Name) const
{
    if (TXmlNode *C = Find_Child(Name))
        return C;
    throw EXmlError(QStringLiteral("Element \"%1\" missing in \"%2\"").arg(Name, FName));
}

QList<TXmlNode *> TXmlNode::Child_Elements() const
{
    QList<TXmlNode *> L;
    for (const auto &C : FChildren)
        if (C->FKind == nkElement)
            L.append(C.get());
    return L;
}

TXmlNode *TXmlNode::Add_Child(const QString &Name)
{
    FChildren.push_back(std::unique_ptr<TXmlNode>(new TXmlNode(nkElement, Name, this)));
    return FChildren.back().get();
}

TXmlNode *TXmlNode::Add_Comment(const QString &Text)
{
    std::unique_ptr<TXmlNode> N(new TXmlNode(nkComment, QString(), this));
    N->FValue = Text;
    FChildren.push_back(std::move(N));
    return FChildren.back().get();
}

EXmlError Xml_Reader_Error(const QXmlStreamReader &R)
{
    return EXmlError(R.errorString(), static_cast<int>(R.lineNumber()), static_cast<int>(R.columnNumber()));
}

EXmlError Xml_Depth_Error(const QXmlStreamReader &R)
{
    return EXmlError(QStringLiteral("Elements are nested deeper than %1 levels").arg(Xml_Max_Depth),
                     static_cast<int>(R.lineNumber()), static_cast<int>(R.columnNumber()));
}

EXmlError Xml_No_Root_Error()
{
    return EXmlError(QStringLiteral("The document has no root element"));
}

void TXmlDocument::Clear() { FNodes.clear(); }

void TXmlDocument::Load_From_File(const QString &Path)
{
    Clear();
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        throw EXmlError(QStringLiteral("Cannot open \"%1\": %2").arg(Path, F.errorString()));
    Load_From_Device(F);
}

namespace {
// Element names repeat all through a file; the reader hands out one shared
// copy of each instead of a new string per element.
class TName_Pool
{
public:
    QString Get(QStringView Name)
    {
        for (const QString &S : FNames)
            if (S == Name)
                return S;
        QString S = Name.toString();
        if (FNames.size() < 128)
            FNames.push_back(S);
        return S;
    }

private:
    std::vector<QString> FNames;
};
} // namespace

void TXmlDocument::Load_From_Bytes(const QByteArray &Data)
{
    QByteArray Copy(Data); // a QBuffer wants a non-const array; this shares Data's bytes
    QBuffer B(&Copy);
    B.open(QIODevice::ReadOnly);
    Load_From_Device(B);
}

void TXmlDocument::Load_From_Device(QIODevice &Device)
{
    Clear();
    // The reader takes its input from a device piece by piece; handed one
    // whole array it decodes and copies far more than the file holds.
    QXmlStreamReader R(&Device);
    TNodeList Top;
    TName_Pool Names;
    TXmlNode *Current = nullptr;
    int Depth = 0;
    bool Has_Root = false;
    while (!R.atEnd()) {
        R.readNext();
        switch (R.tokenType()) {
        case QXmlStreamReader::StartElement: {
            if (++Depth > Xml_Max_Depth)
                throw Xml_Depth_Error(R);
            TXmlNode *N;
            if (Current) {
                Current->FChildren.push_back(
                    std::unique_ptr<TXmlNode>(new TXmlNode(TXmlNode::nkElement, Names.Get(R.name()), Current)));
                N = Current->FChildren.back().get();
            } else {
                Top.push_back(std::unique_ptr<TXmlNode>(new TXmlNode(TXmlNode::nkElement, Names.Get(R.name()), nullptr)));
                N = Top.back().get();
                Has_Root = true;
            }
            // Read the reader's attribute list in place: iterating a non-const
            // copy would detach and copy it for every element.
            const QXmlStreamAttributes Attrs = R.attributes();
            if (!Attrs.isEmpty()) {
                N->FAttributes.reserve(Attrs.size());
                for (const QXmlStreamAttribute &A : Attrs)
                    N->FAttributes.append({A.qualifiedName().toString(), A.value().toString()});
            }
            Current = N;
            break;
        }
        case QXmlStreamReader::EndElement:
            --Depth;
            Current = Current ? Current->FParent : nullptr;
            break;
        case QXmlStreamReader::Characters:
            if (Current && !R.isWhitespace()) {
                // Adjacent character runs (CDATA, entities) form one text node.
                if (!Current->FChildren.empty() && Current->FChildren.back()->FKind == TXmlNode::nkText) {
                    Current->FChildren.back()->FValue += R.text();
                } else {
                    std::unique_ptr<TXmlNode> T(new TXmlNode(TXmlNode::nkText, QString(), Current));
                    T->FValue = R.text().toString();
                    Current->FChildren.push_back(std::move(T));
                }
            }
            break;
        case QXmlStreamReader::Comment: {
            std::unique_ptr<TXmlNode> C(new TXmlNode(TXmlNode::nkComment, QString(), Current));
            C->FValue = R.text().toString();
            if (Current)
                Current->FChildren.push_back(std::move(C));
            else
                Top.push_back(std::move(C));
            break;
        }
        default:
            break;
        }
    }
    if (R.hasError())
        throw Xml_Reader_Error(R);
    if (!Has_Root)
        throw Xml_No_Root_Error();
    FNodes = std::move(Top);
}

TXmlNode *TXmlDocument::Node(int Index) const
{
    if (Index < 0 || Index >= Node_Count())
        throw EXmlError(QStringLiteral("Node index %1 out of range").arg(Index));
    return FNodes[static_cast<size_t>(Index)].get();
}

TXmlNode *TXmlDocument::First_Node() const { return FNodes.empty() ? nullptr : FNodes.front().get(); }

TXmlNode *TXmlDocument::Find_Element(const QString &Name) const
{
    for (const auto &N : FNodes)
        if (N->Is_Element() && N->Node_Name() == Name)
            return N.get();
    return nullptr;
}

namespace {
// The walks below keep their own stack: a tree built in code has no depth bound.

// First element of that name in N's subtree, N included, in document order.
TXmlNode *Find_In(TXmlNode *N, const QString &Name)
{
    std::vector<TXmlNode *> Pending{N};
    while (!Pending.empty()) {
        TXmlNode *E = Pending.back();
        Pending.pop_back();
        if (E->Node_Name() == Name)
            return E;
        for (int I = E->Child_Count() - 1; I >= 0; --I)
            if (TXmlNode *C = E->Child(I); C->Is_Element())
                Pending.push_back(C);
    }
    return nullptr;
}

void Write_Start(QXmlStreamWriter &W, const TXmlNode *N)
{
    if (N->Child_Count() == 0)
        W.writeEmptyElement(N->Node_Name());
    else
        W.writeStartElement(N->Node_Name());
    for (const auto &A : N->Attributes())
        W.writeAttribute(A.first, A.second);
}

void Write_Node(QXmlStreamWriter &W, const TXmlNode *Top)
{
    // Each entry is an element whose start was written and the next child to write.
    std::vector<std::pair<const TXmlNode *, int>> Open;
    const TXmlNode *N = Top;
    for (;;) {
        switch (N->Kind()) {
        case TXmlNode::nkText:
            W.writeCharacters(N->Value());
            break;
        case TXmlNode::nkComment:
            W.writeComment(N->Value());
            break;
        case TXmlNode::nkElement:
            Write_Start(W, N);
            if (N->Child_Count() > 0)
                Open.emplace_back(N, 0);
            break;
        }
        N = nullptr;
        while (!Open.empty() && !N) {
            auto &[Parent, Next] = Open.back();
            if (Next < Parent->Child_Count()) {
                N = Parent->Child(Next++);
            } else {
                W.writeEndElement();
                Open.pop_back();
            }
        }
        if (!N)
            return;
    }
}
} // namespace

TXmlNode *TXmlDocument::Find_Descendant(const QString &Name) const
{
    for (const auto &N : FNodes)
        if (N->Is_Element())
            if (TXmlNode *F = Find_In(N.get(), Name))
                return F;
    return nullptr;
}

TXmlNode *TXmlDocument::Add_Root(const QString &Name)
{
    FNodes.push_back(std::unique_ptr<TXmlNode>(new TXmlNode(TXmlNode::nkElement, Name, nullptr)));
    return FNodes.back().get();
}

TXmlNode *TXmlDocument::Add_Comment(const QString &Text)
{
    std::unique_ptr<TXmlNode> C(new TXmlNode(TXmlNode::nkComment, QString(), nullptr));
    C->FValue = Text;
    FNodes.push_back(std::move(C));
    return FNodes.back().get();
}

QByteArray TXmlDocument::Save_To_Bytes() const
{
    QByteArray Out;
    QBuffer B(&Out);
    B.open(QIODevice::WriteOnly);
    QXmlStreamWriter W(&B);
    W.setAutoFormatting(false);
    for (const auto &N : FNodes)
        Write_Node(W, N.get());
    B.close();
    return Out;
}

void TXmlDocument::Save_To_File(const QString &Path) const
{
    QString Error;
    if (!Write_File_Atomic(Path, Save_To_Bytes(), &Error))
        throw EXmlError(QStringLiteral("Cannot write \"%1\": %2").arg(Path, Error));
}

bool TXmlDocument::Save_To_File(const QString &Path, QString *Error) const
{
    try {
        Save_To_File(Path);
    } catch (const EXmlError &E) {
        if (Error)
            *Error = E.Text;
        return false;
    }
    return true;
}
