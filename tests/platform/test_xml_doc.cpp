#include "platform/XmlDoc.h"
#include <QTemporaryDir>
#include <QFile>
#include <memory>
#include <gtest/gtest.h>

// A written project file: root first, no declaration, no whitespace, the comment after the root.
TEST(XmlDoc, WrittenShapeKeepsOrderAndPutsCommentAfterRoot)
{
    TXmlDocument D;
    TXmlNode *Root = D.Add_Root("Par_Gen");
    D.Add_Comment("SW_VERSION = 1.000");
    TXmlNode *E = Root->Add_Child("Zeta");
    E->Set_Attribute("b", "2");
    E->Set_Attribute("a", "1");
    E->Set_Attribute("c", "x<&\"");
    Root->Add_Child("Alpha")->Set_Text("10");
    EXPECT_EQ(D.Save_To_Bytes(),
              QByteArray("<Par_Gen><Zeta b=\"2\" a=\"1\" c=\"x&lt;&amp;&quot;\"/><Alpha>10</Alpha></Par_Gen>"
                         "<!--SW_VERSION = 1.000-->"));
}

TEST(XmlDoc, RoundTripThroughFile)
{
    QTemporaryDir Dir;
    const QString Path = Dir.filePath("t.xml");
    {
        TXmlDocument D;
        TXmlNode *Root = D.Add_Root("EnOcean");
        D.Add_Comment("SW_VERSION = 1.000");
        TXmlNode *Dev = Root->Add_Child("Device");
        Dev->Set_Attribute("Id", "0x0180ABCD");
        Dev->Add_Child("Name")->Set_Text("  spaced text  ");
        D.Save_To_File(Path);
    }
    TXmlDocument R;
    R.Load_From_File(Path);
    ASSERT_NE(R.First_Node(), nullptr);
    EXPECT_EQ(R.First_Node()->Node_Name(), "EnOcean");
    EXPECT_EQ(R.Node_Count(), 2);
    EXPECT_EQ(R.Node(1)->Kind(), TXmlNode::nkComment);
    TXmlNode *Dev = R.First_Node()->Find_Child("Device");
    ASSERT_NE(Dev, nullptr);
    EXPECT_EQ(Dev->Attribute("Id"), "0x0180ABCD");
    EXPECT_EQ(Dev->Must_Child("Name")->Text(), "  spaced text  ");
    EXPECT_EQ(R.Find_Descendant("Name"), Dev->Find_Child("Name"));
}

TEST(XmlDoc, AbsentThingsAreNullOrThrow)
{
    TXmlDocument D;
    D.Load_From_Bytes("<a>\n  <b x=\"1\"/>\n</a>");
    TXmlNode *A = D.First_Node();
    EXPECT_EQ(A->Child_Count(), 1); // whitespace-only text dropped
    EXPECT_EQ(A->Find_Child("c"), nullptr);
    EXPECT_THROW(A->Must_Child("c"), EXmlError);
    EXPECT_THROW(A->Child(5), EXmlError);
    EXPECT_THROW(A->Child(0)->Attribute("y"), EXmlError);
    EXPECT_EQ(A->Child(0)->Attribute_Or("y", "d"), "d");
    EXPECT_TRUE(A->Child(0)->Is_Text_Element());
    EXPECT_FALSE(A->Is_Text_Element());
}

TEST(XmlDoc, MalformedAndMissingFilesFailAndLeaveEmptyDocument)
{
    TXmlDocument D;
    D.Add_Root("old");
    try {
        D.Load_From_Bytes("<a><b></a>");
        FAIL() << "no error";
    } catch (const EXmlError &E) {
        EXPECT_GT(E.Line, 0);
    }
    EXPECT_EQ(D.Node_Count(), 0);
    EXPECT_THROW(D.Load_From_File("/nonexistent/dir/file.xml"), EXmlError);
    EXPECT_THROW(D.Load_From_Bytes(""), EXmlError);
}

TEST(XmlDoc, FailedSaveKeepsOldFile)
{
    TXmlDocument D;
    D.Add_Root("r");
    EXPECT_THROW(D.Save_To_File("/nonexistent/dir/file.xml"), EXmlError);
    // The reporting form gives the same reason instead of throwing.
    QString Error;
    EXPECT_FALSE(D.Save_To_File("/nonexistent/dir/file.xml", &Error));
    EXPECT_TRUE(Error.contains("/nonexistent/dir/file.xml")) << Error.toStdString();
    EXPECT_FALSE(D.Save_To_File("/nonexistent/dir/file.xml", nullptr));
}

TEST(XmlDoc, ErrorTextNamesThePositionOfAParseError)
{
    EXPECT_EQ(EXmlError("bad", 3, 7).Text_With_Position(), QStringLiteral("bad (line 3, column 7)"));
    EXPECT_EQ(EXmlError("no file").Text_With_Position(), QStringLiteral("no file"));
    TXmlDocument D;
    try {
        D.Load_From_Bytes("<a>\n<b></a>");
        FAIL() << "malformed text was read";
    } catch (const EXmlError &E) {
        EXPECT_TRUE(E.Text_With_Position().contains(QStringLiteral("(line 2, column"))) << E.Text_With_Position().toStdString();
    }
}

namespace {
QByteArray Nested(int Depth)
{
    return QByteArray("<a>").repeated(Depth) + QByteArray("</a>").repeated(Depth);
}
} // namespace

// Hostile nesting: a reader refuses it with the usual parse error, and
// nothing walks or frees a tree by recursion.
TEST(XmlDoc, NestingBeyondTheBoundIsRefusedLikeAMalformedFile)
{
    struct TCase { const char *Name; int Depth; bool Loads; };
    const TCase Cases[] = {
        {"AtTheBound", Xml_Max_Depth, true},
        {"OneBeyond", Xml_Max_Depth + 1, false},
        {"HostileHundredThousand", 100000, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TXmlDocument D;
        D.Add_Root("old");
        if (C.Loads) {
            D.Load_From_Bytes(Nested(C.Depth));
            ASSERT_EQ(D.Node_Count(), 1);
            int Depth = 0;
            for (const TXmlNode *N = D.First_Node(); N; N = N->Find_Child("a"))
                ++Depth;
            EXPECT_EQ(Depth, C.Depth);
            continue;
        }
        try {
            D.Load_From_Bytes(Nested(C.Depth));
            ADD_FAILURE() << "nesting of " << C.Depth << " was read";
        } catch (const EXmlError &E) {
            EXPECT_EQ(E.Line, 1);
            EXPECT_EQ(E.Column, 3 * (Xml_Max_Depth + 1));
        }
        EXPECT_EQ(D.Node_Count(), 0);
        // The same through a file, as every reader loads.
        QTemporaryDir Dir;
        QFile F(Dir.filePath("deep.xml"));
        ASSERT_TRUE(F.open(QIODevice::WriteOnly));
        F.write(Nested(C.Depth));
        F.close();
        EXPECT_THROW(D.Load_From_File(F.fileName()), EXmlError);
    }
}

TEST(XmlDoc, DeepTreeBuiltInCodeIsSearchedSavedAndFreedWithoutRecursion)
{
    // Deep enough that a recursive walk or destructor overflows an 8 MB stack.
    const int Depth = 500000;
    auto D = std::make_unique<TXmlDocument>();
    TXmlNode *N = D->Add_Root("a");
    for (int I = 1; I < Depth; ++I)
        N = N->Add_Child("a");
    N->Set_Text("end");
    N->Set_Text("last"); // a text-only element keeps one text node
    EXPECT_EQ(N->Child_Count(), 1);
    EXPECT_EQ(D->Find_Descendant("b"), nullptr);
    N->Add_Child("b");
    EXPECT_EQ(D->Find_Descendant("b"), N->Find_Child("b"));
    const QByteArray Saved = D->Save_To_Bytes();
    EXPECT_TRUE(Saved.startsWith("<a><a><a>"));
    EXPECT_TRUE(Saved.contains("<a>last<b/></a></a>"));
    EXPECT_TRUE(Saved.endsWith("</a></a>"));
    EXPECT_EQ(Saved.count("</a>"), Depth);
    D.reset();
}
