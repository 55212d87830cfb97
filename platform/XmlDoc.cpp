#include "platform/XmlDoc.h"
#include "platform/AtomicFile.h"
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QBuffer>

QString TXmlNode::Text() const
{
    if (FKind != nkElement)
        return FValue;
    QString S;
    for (const auto &C : FChildren)
        if (C->FKind == nkText)
            S += C->FValue;
    return S;
}

void TXmlNode::Set_Text(const QString &Value)
{
    if (FKind != nkElement) {
        FValue = Value;
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

void TXmlDocument::Clear() { FNodes.clear(); }

void TXmlDocument::Load_From_File(const QString &Path)
{
    Clear();
    QFile F(Path);
    if (!F.open(QIODevice::ReadOnly))
        throw EXmlError(QStringLiteral("Cannot open \"%1\": %2").arg(Path, F.errorString()));
    Load_From_Bytes(F.readAll());
}

void TXmlDocument::Load_From_Bytes(const QByteArray &Data)
{
    Clear();
    QXmlStreamReader R(Data);
    std::vector<std::unique_ptr<TXmlNode>> Top;
    TXmlNode *Current = nullptr;
    bool Has_Root = false;
    while (!R.atEnd()) {
        R.readNext();
        switch (R.tokenType()) {
        case QXmlStreamReader::StartElement: {
            TXmlNode *N;
            if (Current) {
                N = Current->Add_Child(R.name().toString());
            } else {
                Top.push_back(std::unique_ptr<TXmlNode>(new TXmlNode(TXmlNode::nkElement, R.name().toString(), nullptr)));
                N = Top.back().get();
                Has_Root = true;
            }
            for (const QXmlStreamAttribute &A : R.attributes())
                N->FAttributes.append({A.qualifiedName().toString(), A.value().toString()});
            Current = N;
            break;
        }
        case QXmlStreamReader::EndElement:
            Current = Current ? Current->FParent : nullptr;
            break;
        case QXmlStreamReader::Characters:
            if (Current && !R.isWhitespace()) {
                std::unique_ptr<TXmlNode> T(new TXmlNode(TXmlNode::nkText, QString(), Current));
                T->FValue = R.text().toString();
                // Adjacent character runs (CDATA, entities) form one text node.
                if (!Current->FChildren.empty() && Current->FChildren.back()->FKind == TXmlNode::nkText)
                    Current->FChildren.back()->FValue += T->FValue;
                else
                    Current->FChildren.push_back(std::move(T));
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
        throw EXmlError(R.errorString(), static_cast<int>(R.lineNumber()), static_cast<int>(R.columnNumber()));
    if (!Has_Root)
        throw EXmlError(QStringLiteral("The document has no root element"));
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
TXmlNode *Find_In(TXmlNode *N, const QString &Name)
{
    if (N->Is_Element() && N->Node_Name() == Name)
        return N;
    for (TXmlNode *C : N->Child_Elements())
        if (TXmlNode *F = Find_In(C, Name))
            return F;
    return nullptr;
}

void Write_Node(QXmlStreamWriter &W, const TXmlNode *N)
{
    switch (N->Kind()) {
    case TXmlNode::nkText:
        W.writeCharacters(N->Value());
        break;
    case TXmlNode::nkComment:
        W.writeComment(N->Value());
        break;
    case TXmlNode::nkElement:
        if (N->Child_Count() == 0) {
            W.writeEmptyElement(N->Node_Name());
            for (const auto &A : N->Attributes())
                W.writeAttribute(A.first, A.second);
        } else {
            W.writeStartElement(N->Node_Name());
            for (const auto &A : N->Attributes())
                W.writeAttribute(A.first, A.second);
            for (int I = 0; I < N->Child_Count(); ++I)
                Write_Node(W, N->Child(I));
            W.writeEndElement();
        }
        break;
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
