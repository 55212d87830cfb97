// The binary grid stream and the component syntax under it: the worked
// example byte for byte, the tags the writer picks, every tag the reader
// takes, cell properties and graphics through a round trip, and streams
// that are not in the format (each refused whole, with where it failed).
#include "FormatTestSupport.h"
#include "grid/exchange/GridBinary.h"
#include <gtest/gtest.h>
#include <cstring>

namespace {
QByteArray Bytes_Of(std::initializer_list<int> B)
{
    QByteArray Out;
    for (int V : B)
        Out.append(static_cast<char>(V));
    return Out;
}

// One component "TPF0 TX <empty name> V <value> 0 0" around a value's bytes.
QByteArray One_Value(const QByteArray &Value)
{
    return QByteArray("TPF0\x02TX\x00\x01V", 10) + Value + QByteArray(2, '\0');
}

bool Read_One(const QByteArray &Bytes, TStreamValue &V, TStreamError &E)
{
    TStreamComponent C;
    qsizetype Pos = 0;
    if (!Read_Component(Bytes, Pos, C, E))
        return false;
    EXPECT_EQ(Pos, Bytes.size());
    EXPECT_EQ(C.Class, QStringLiteral("TX"));
    if (C.Props.size() != 1)
        return false;
    V = C.Props[0].Value;
    return true;
}

QByteArray Worked_Example(qint64 ID)
{
    QByteArray Out;
    TBinaryGridWriter W(Out);
    W.Header({2, 2, QStringLiteral("64,80"), QStringLiteral("22,22"), true, ID});
    W.Cell(0, 0, QStringLiteral("A"), nullptr);
    W.Cell(1, 0, QString(), nullptr);
    W.Cell(0, 1, QString(), nullptr);
    W.Cell(1, 1, QStringLiteral("B"), nullptr);
    return Out;
}
} // namespace

TEST(GridBinary, WorkedExampleIsWrittenByteForByteAndReadBack)
{
    EXPECT_EQ(Worked_Example(0), Golden("bin_worked_example.bin"));

    TBinGrid G;
    ASSERT_TRUE(Parse_Binary_Grid(Golden("bin_worked_example.bin"), G).Ok());
    EXPECT_EQ(G.Header.ColCount, 2);
    EXPECT_EQ(G.Header.RowCount, 2);
    EXPECT_TRUE(G.Header.FullGrid);
    EXPECT_EQ(G.ColWidths, (std::vector<int>{64, 80}));
    EXPECT_EQ(G.RowHeights, (std::vector<int>{22, 22}));
    ASSERT_EQ(G.Cells.size(), 4u);
    const char *Texts[] = {"A", "", "", "B"};
    for (int I = 0; I < 4; ++I) {
        EXPECT_EQ(G.Cells[I].Col, I % 2);
        EXPECT_EQ(G.Cells[I].Row, I / 2);
        EXPECT_EQ(G.Cells[I].Text.To_String(), QString::fromLatin1(Texts[I]));
        EXPECT_EQ(G.Cells[I].Extra, -1);
    }
    EXPECT_TRUE(G.Extras.empty());
}

// The writer's byte choices: the smallest integer tag (65536 and more keep
// their value), short ASCII strings in vaString, all others in UTF-8.
TEST(GridBinary, WriterPicksTheNarrowestTag)
{
    struct TCase {
        const char *Name;
        std::int64_t Int;
        QByteArray Value;
    };
    const TCase Ints[] = {
        {"Int8Max", 127, Bytes_Of({2, 0x7F})},
        {"Int8Min", -128, Bytes_Of({2, 0x80})},
        {"Int16", 128, Bytes_Of({3, 0x80, 0})},
        {"Int16Max", 32767, Bytes_Of({3, 0xFF, 0x7F})},
        {"WordAboveInt16", 40000, Bytes_Of({4, 0x40, 0x9C, 0, 0})},
        {"BeyondWord", 70000, Bytes_Of({4, 0x70, 0x11, 1, 0})},
        {"Int64", std::int64_t(1) << 32, Bytes_Of({19, 0, 0, 0, 0, 1, 0, 0, 0})},
    };
    for (const TCase &C : Ints) {
        SCOPED_TRACE(C.Name);
        QByteArray Out;
        TComponentWriter W(Out);
        W.Begin("TX");
        W.Int("V", C.Int);
        W.End();
        EXPECT_EQ(Out, One_Value(C.Value));
        TStreamValue V;
        TStreamError E;
        ASSERT_TRUE(Read_One(Out, V, E)) << E.Message.toStdString();
        EXPECT_EQ(V.Int, C.Int);
    }
    const QString Long(256, u'x');
    const struct {
        const char *Name;
        QString Text;
        QByteArray Value;
    } Strings[] = {
        {"Ascii", QStringLiteral("ab"), Bytes_Of({6, 2, 'a', 'b'})},
        {"NonAscii", QStringLiteral("é"), Bytes_Of({20, 2, 0, 0, 0, 0xC3, 0xA9})},
        {"Long", Long, Bytes_Of({20, 0, 1, 0, 0}) + Long.toLatin1()},
    };
    for (const auto &C : Strings) {
        SCOPED_TRACE(C.Name);
        QByteArray Out;
        TComponentWriter W(Out);
        W.Begin("TX");
        W.String("V", C.Text);
        W.End();
        EXPECT_EQ(Out, One_Value(C.Value));
        TStreamValue V;
        TStreamError E;
        ASSERT_TRUE(Read_One(Out, V, E));
        EXPECT_EQ(V.Text, C.Text);
    }
}

// Whatever tag another writer chose, a value of the right kind is taken.
TEST(GridBinary, ReaderTakesEveryTagOfTheValueTypes)
{
    struct TCase {
        const char *Name;
        QByteArray Value;
        TStreamValue::TKind Kind;
        std::int64_t Int;
        double Float;
        QString Text;
    };
    const TCase Cases[] = {
        {"Null", Bytes_Of({0}), TStreamValue::vkNull, 0, 0, {}},
        {"Nil", Bytes_Of({13}), TStreamValue::vkNil, 0, 0, {}},
        {"False", Bytes_Of({8}), TStreamValue::vkBool, 0, 0, {}},
        {"True", Bytes_Of({9}), TStreamValue::vkBool, 1, 0, {}},
        {"Int8Negative", Bytes_Of({2, 0xFF}), TStreamValue::vkInt, -1, 0, {}},
        {"Int16Negative", Bytes_Of({3, 0x00, 0x80}), TStreamValue::vkInt, -32768, 0, {}},
        {"Int32", Bytes_Of({4, 0x78, 0x56, 0x34, 0x12}), TStreamValue::vkInt, 0x12345678, 0, {}},
        {"Int64Negative", Bytes_Of({19, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), TStreamValue::vkInt, -2, 0, {}},
        // 1.5 as an 80-bit extended: mantissa 0xC000..., exponent 16383
        {"Extended", Bytes_Of({5, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0x3F}), TStreamValue::vkFloat, 0, 1.5, {}},
        {"ExtendedNegative", Bytes_Of({5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x00, 0xC0}), TStreamValue::vkFloat, 0, -2, {}},
        {"Single", Bytes_Of({15, 0, 0, 0xC0, 0x3F}), TStreamValue::vkFloat, 0, 1.5, {}},
        {"Double", Bytes_Of({21, 0, 0, 0, 0, 0, 0, 0xF8, 0x3F}), TStreamValue::vkFloat, 0, 1.5, {}},
        {"Date", Bytes_Of({17, 0, 0, 0, 0, 0, 0, 0x00, 0x40}), TStreamValue::vkFloat, 0, 2, {}},
        {"Currency", Bytes_Of({16, 0x98, 0x3A, 0, 0, 0, 0, 0, 0}), TStreamValue::vkFloat, 0, 1.5, {}},
        {"Ident", Bytes_Of({7, 3, 'c', 't', 'X'}), TStreamValue::vkIdent, 0, 0, QStringLiteral("ctX")},
        {"StringWindows1252", Bytes_Of({6, 1, 0x80}), TStreamValue::vkString, 0, 0, QStringLiteral("€")},
        {"LString", Bytes_Of({12, 2, 0, 0, 0, 'h', 0xE9}), TStreamValue::vkString, 0, 0, QStringLiteral("hé")},
        {"WString", Bytes_Of({18, 2, 0, 0, 0, 0xE5, 0x65, 0x2C, 0x67}), TStreamValue::vkString, 0, 0,
         QStringLiteral("日本")},
        {"Utf8String", Bytes_Of({20, 3, 0, 0, 0, 0xE2, 0x82, 0xAC}), TStreamValue::vkString, 0, 0,
         QStringLiteral("€")},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TStreamValue V;
        TStreamError E;
        ASSERT_TRUE(Read_One(One_Value(C.Value), V, E)) << E.Message.toStdString();
        EXPECT_EQ(V.Kind, C.Kind);
        EXPECT_EQ(V.Int, C.Int);
        EXPECT_DOUBLE_EQ(V.Float, C.Float);
        EXPECT_EQ(V.Text, C.Text);
    }

    // The compound values: a set, a binary block, a list, a collection of
    // two items (the first with its order number).
    TStreamValue V;
    TStreamError E;
    ASSERT_TRUE(Read_One(One_Value(Bytes_Of({11, 6, 'f', 's', 'B', 'o', 'l', 'd', 0})), V, E));
    EXPECT_EQ(V.Names, QStringList{QStringLiteral("fsBold")});
    ASSERT_TRUE(Read_One(One_Value(Bytes_Of({10, 3, 0, 0, 0, 1, 2, 3})), V, E));
    EXPECT_EQ(V.Bytes, Bytes_Of({1, 2, 3}));
    ASSERT_TRUE(Read_One(One_Value(Bytes_Of({1, 6, 1, 'a', 2, 5, 0})), V, E));
    ASSERT_EQ(V.Items.size(), 2u);
    EXPECT_EQ(V.Items[0].Text, QStringLiteral("a"));
    EXPECT_EQ(V.Items[1].Int, 5);
    ASSERT_TRUE(Read_One(One_Value(Bytes_Of({14, 2, 0, 1, 1, 'W', 2, 7, 0, 1, 0, 0})), V, E));
    ASSERT_EQ(V.Records.size(), 2u);
    ASSERT_EQ(V.Records[0].size(), 1u);
    EXPECT_EQ(V.Records[0][0].Name, QStringLiteral("W"));
    EXPECT_EQ(V.Records[0][0].Value.Int, 7);
    EXPECT_TRUE(V.Records[1].empty());
}

namespace {
struct TRoundTrip : ::testing::Test {
    TGridModel M;
    TCellPropValues Props{&M, 3, 4, false};
    TCellGraphic Graphic;
    void SetUp() override
    {
        Props.Set_IsBaseCell(true);
        Props.Set_CellSpanX(1);
        Props.Set_CellSpanY(0);
        Props.Set_Alignment(taCenter);
        Props.Set_BorderColor(0x123456);
        Props.Set_BorderWidth(2);
        Props.Set_BrushColor(clNone);
        Props.Set_BrushColorTo(0x00FF00);
        Props.Set_BrushStyle(bsDiagCross);
        Props.Set_CellObject(std::uintptr_t(0xDEADBEEFCAFEull));
        Props.Set_FontColor(-16777208);
        Props.Set_FontName(QStringLiteral("Ärial"));
        Props.Set_FontSize(11);
        Props.Set_FontStyle({fsBold, fsStrikeOut});
        Props.Set_Editor(edMaskEditBtn);
        Props.Set_GradientDirection(GradientHorizontal);
        Props.Set_ReadOnly(true);
        Props.Set_VAlignment(vtaBottom);
        Props.Set_NodeLevel(3);
    }
    // Writes a 1 x 1 block with the cell and parses it back.
    TBinGrid Trip(const TCellGraphic *G, const TBinPicture *Pic = nullptr, int Col = 3, int Row = 4)
    {
        QByteArray Out;
        TBinaryGridWriter W(Out);
        W.Header({1, 1, QStringLiteral("64"), QStringLiteral("20"), false, 7});
        W.Cell(Col, Row, QStringLiteral("text"), &Props, G, QStringLiteral("Edit1"), Pic);
        TBinGrid B;
        const TExchangeResult R = Parse_Binary_Grid(Out, B);
        EXPECT_TRUE(R.Ok()) << R.Message.toStdString();
        return B;
    }
};
} // namespace

// Every property goes over and comes back; the cell object is a number.
TEST_F(TRoundTrip, PropertiesComeBackWithEveryField)
{
    const TBinGrid B = Trip(nullptr);
    ASSERT_EQ(B.Cells.size(), 1u);
    ASSERT_EQ(B.Cells[0].Extra, 0);
    const TBinCellExtra &X = B.Extras[0];
    EXPECT_FALSE(X.HasGraphic);
    TCellPropValues T(&M, 9, 9, true);
    QString Control;
    Apply_Bin_Props(X.Props, T, &Control);
    EXPECT_EQ(Control, QStringLiteral("Edit1"));
    EXPECT_EQ(T.OwnerCol(), 9);   // the loading cell decides its place
    EXPECT_EQ(T.CellSpanX(), 1);
    EXPECT_EQ(T.CellSpanY(), 0);
    EXPECT_EQ(T.Alignment(), taCenter);
    EXPECT_EQ(T.BorderColor(), 0x123456);
    EXPECT_EQ(T.BorderWidth(), 2);
    EXPECT_EQ(T.BrushColor(), clNone);
    EXPECT_EQ(T.BrushColorTo(), 0x00FF00);
    EXPECT_EQ(T.BrushStyle(), bsDiagCross);
    EXPECT_EQ(T.CellObject(), std::uintptr_t(0xDEADBEEFCAFEull));
    EXPECT_EQ(T.FontColor(), -16777208);
    EXPECT_EQ(T.FontName(), QStringLiteral("Ärial"));
    EXPECT_EQ(T.FontSize(), 11);
    EXPECT_EQ(T.FontStyle(), (TFontStyles{fsBold, fsStrikeOut}));
    EXPECT_EQ(T.Editor(), edMaskEditBtn);
    EXPECT_EQ(T.GradientDirection(), GradientHorizontal);
    EXPECT_TRUE(T.ReadOnly());
    EXPECT_EQ(T.VAlignment(), vtaBottom);
    EXPECT_FALSE(T.WordWrap());
    EXPECT_EQ(T.NodeLevel(), 3);

    // What the stream does not hold (no font name) stays the target's.
    Props.Set_FontName(QString());
    TCellPropValues Keep(&M, 0, 0);
    Keep.Set_FontName(QStringLiteral("Mono"));
    Apply_Bin_Props(Trip(nullptr).Extras[0].Props, Keep);
    EXPECT_EQ(Keep.FontName(), QStringLiteral("Mono"));
    EXPECT_EQ(Keep.FontSize(), 11);
}

// Each graphic kind with its object record; an object kind not yet created
// is saved without graphic; indexes beyond 16 bits keep their value.
TEST_F(TRoundTrip, GraphicsComeBackWithTheirObjects)
{
    struct TCase {
        const char *Name;
        TCellType Type;
        bool Created;
        TBinPicture Pic;
        bool Has_Graphic;
    };
    TBinPicture Png;
    Png.Data = QByteArray("\x89PNG-not-really", 15);
    TBinPicture Radio;
    Radio.Strings = {QStringLiteral("one"), QStringLiteral("zwei"), QString()};
    TBinPicture Images;
    Images.Strings = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("5")};
    TBinPicture File;
    File.FileName = QStringLiteral("/tmp/bild.png");
    const TCase Cases[] = {
        {"Bitmap", ctBitmap, true, Png, true},
        {"BitmapNotCreated", ctBitmap, false, Png, false},
        {"BitButton", ctBitButton, true, Png, true},
        {"Icon", ctIcon, true, Png, true},
        {"Radio", ctRadio, true, Radio, true},
        {"Images", ctImages, true, Images, true},
        {"Picture", ctPicture, true, Png, true},
        {"FilePicture", ctFilePicture, true, File, true},
        {"Progress", ctProgress, false, {}, true},
        {"Empty", ctEmpty, true, {}, false},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TCellGraphic G;
        G.CellType = C.Type;
        G.CellCreated = C.Created;
        G.CellHAlign = haAfterText;
        G.CellVAlign = vaFull;
        G.CellIndex = 0x00140030;
        G.CellAngle = 45;
        G.CellValue = -2.25;
        G.CellErrFrom = 3;
        G.CellErrLen = 4;
        G.CellBoolean = true;
        G.CellCheckBoxState = cbGrayed;
        G.CellText = QStringLiteral("κείμενο");
        const TBinGrid B = Trip(&G, &C.Pic, 70000 % 65536, 70000);
        ASSERT_EQ(B.Cells.size(), 1u);
        EXPECT_EQ(B.Cells[0].Row, 70000);
        const TBinCellExtra &X = B.Extras[0];
        EXPECT_EQ(X.HasGraphic, C.Has_Graphic);
        if (!C.Has_Graphic)
            continue;
        EXPECT_EQ(X.Type, C.Type);
        TCellGraphic T;
        Apply_Bin_Graphic(X.Graphic, T);
        EXPECT_EQ(T.CellType, C.Type);
        EXPECT_EQ(T.CellCreated, C.Created);
        EXPECT_EQ(T.CellHAlign, haAfterText);
        EXPECT_EQ(T.CellVAlign, vaFull);
        EXPECT_EQ(T.CellIndex, 0x00140030);
        EXPECT_EQ(T.CellAngle, 45);
        EXPECT_EQ(T.CellValue, -2.25);
        EXPECT_EQ(T.CellErrFrom, 3);
        EXPECT_EQ(T.CellErrLen, 4);
        EXPECT_TRUE(T.CellBoolean);
        EXPECT_EQ(T.CellCheckBoxState, cbGrayed);
        EXPECT_EQ(T.CellText, QStringLiteral("κείμενο"));
        EXPECT_EQ(X.Picture.Data, C.Pic.Data);
        EXPECT_EQ(X.Picture.Strings, C.Pic.Strings);
        EXPECT_EQ(X.Picture.FileName, C.Pic.FileName);
    }
}

// A stream that is not in the format is refused whole, saying where.
TEST(GridBinary, MalformedStreamsAreRefusedWithThePosition)
{
    const QByteArray Good = Golden("bin_worked_example.bin");
    QByteArray Unknown = Good;
    Unknown.replace("HasProp", "HasPrip");
    QByteArray Wrong_Kind;   // an integer where a Boolean belongs
    {
        TComponentWriter W(Wrong_Kind);
        W.Begin("TGridPropIO");
        W.Int("FullGrid", 1);
        W.End();
    }
    QByteArray Bad_Ident;
    {
        TComponentWriter W(Bad_Ident);
        W.Begin("TGridPropIO");
        W.Int("ColCount", 1);
        W.End();
        W.Begin("TGridCellIO");
        W.Bool("HasProp", true);
        W.End();
        W.Begin("TGridCellPropIO");
        W.Ident("CellProperties.Alignment", "taNowhere");
        W.End();
    }
    QByteArray Huge_String = Good.left(Good.indexOf("ColWidths") + 9) + Bytes_Of({20, 0xFF, 0xFF, 0xFF, 0x7F});
    QByteArray Missing_Picture;
    {
        TBinaryGridWriter W(Missing_Picture);
        W.Header({1, 1, {}, {}, false, 0});
        TGridModel M;
        TCellPropValues P(&M, 0, 0);
        TCellGraphic G;
        G.CellType = ctRadio;
        G.CellCreated = true;
        W.Cell(0, 0, {}, &P, &G);
        Missing_Picture.chop(Missing_Picture.size() - Missing_Picture.lastIndexOf("TPF0"));
    }
    QByteArray Deep = One_Value(QByteArray(100, '\x01'));
    const struct {
        const char *Name;
        QByteArray Bytes;
        const char *Message;
    } Cases[] = {
        {"Empty", {}, "Stream read error"},
        {"BadSignature", "TPF1" + Good.mid(4), "Invalid stream format"},
        {"CellFirst", Good.mid(Good.indexOf("TPF0", 4)), "Invalid stream format: TGridCellIO where TGridPropIO"},
        {"UnknownProperty", Unknown, "Property HasPrip does not exist"},
        {"WrongKind", Wrong_Kind, "Error reading TGridPropIO.FullGrid: Invalid property value"},
        {"UnknownEnumName", Bad_Ident, "Invalid property value"},
        {"StringLongerThanStream", Huge_String, "Stream read error"},
        {"UnknownTag", One_Value(Bytes_Of({22})), "Invalid stream format"},
        {"ChildrenPresent", Good.left(Good.indexOf("TPF0", 4) - 1) + Bytes_Of({1}), "Invalid stream format"},
        {"TruncatedPictureRecord", Missing_Picture, "Stream read error"},
        {"NestedTooDeep", Deep, "Invalid stream format"},
    };
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        TBinGrid B;
        const TExchangeResult R = Parse_Binary_Grid(C.Bytes, B);
        EXPECT_EQ(R.Status, esBadFormat);
        EXPECT_TRUE(R.Message.contains(QLatin1StringView(C.Message))) << R.Message.toStdString();
        EXPECT_GE(R.Col, 0);
    }

    // Cut anywhere, the stream fails or gives the records before the cut
    // (a single byte after the last whole record is ignored).
    const auto Boundary = [&Good](qsizetype K) { return K > 0 && Good.mid(K, 4) == "TPF0"; };
    for (qsizetype N = 0; N < Good.size(); ++N) {
        TBinGrid B;
        const bool Ok = Parse_Binary_Grid(Good.left(N), B).Ok();
        EXPECT_EQ(Ok, Boundary(N) || Boundary(N - 1)) << N;
    }
}

// A full grid's counts are bounded and its width and height lists checked
// before anything is applied.
TEST(GridBinary, FullGridSizesAreCheckedWhole)
{
    const struct {
        const char *Name;
        TBinHeader H;
        TExchangeStatus Status;
        const char *Message;
    } Cases[] = {
        {"Good", {2, 1, "64,80,99", "22", true, 0}, esOk, ""},
        {"NotFullNeedsNoLists", {2, 1, "", "", false, 0}, esOk, ""},
        {"NotAnInteger", {2, 1, "64,8x", "22", true, 0}, esBadValue, "'8x' is not a valid integer value"},
        {"ListTooShort", {2, 2, "64,80", "22", true, 0}, esBadValue, "List index out of bounds (1)"},
        {"TooManyRows", {1, TGridModel::Max_Rows + 1, "1", "", true, 0}, esOutOfRange, "exceeds"},
        {"NegativeCount", {-1, 1, "", "1", true, 0}, esOutOfRange, "exceeds"},
    };
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        QByteArray Out;
        TBinaryGridWriter(Out).Header(C.H);
        TBinGrid B;
        const TExchangeResult R = Parse_Binary_Grid(Out, B);
        EXPECT_EQ(R.Status, C.Status);
        EXPECT_TRUE(R.Message.contains(QLatin1StringView(C.Message))) << R.Message.toStdString();
    }
}
