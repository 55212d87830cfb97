#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "protocols/MQTT_Set_Topic_File.h"
#include "protocols/UBACnet_Eng_Unit.h"
#include "protocols/UBACnet_Slave.h"
#include "protocols/UMQTT_SetTopic.h"
#include "protocols/UMQTT_Template.h"
#include "toolkit/RichEdit.h"
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QTabWidget>
#include <memory>

namespace {

using F = TMQTT_Set_Topic_File;

class MQTTEditorTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Editor = std::make_unique<TFMQTT_Set_Topic>();
    }
    void TearDown() override
    {
        Editor.reset();
        EditorTest::TearDown();
    }
    void Show()
    {
        Editor->show();
        QApplication::processEvents();
    }
    // A file with two publish and two subscribe rows, hidden columns filled.
    QByteArray Write_Sample_File()
    {
        F File;
        File.FPublish.Clear();
        File.FSubscribe.Clear();
        const char *Pub[][F::Pub_Cols] = {
            {"", "home/t1", "Y", "1", "Int", "2", "0", "10.0.0.1", "$IN$", "$VALUE$", "Y", "N", "Y", "500", "", "", "", "first "},
            {"", "home/t2", "N", "0", "String", "8", "1439", "", "", "", "N", "Y", "N", "", "", "", "", ""},
        };
        const char *Sub[][F::Sub_Cols] = {
            {"", "cmd/a", "Y", "2", "Float", "4", "20", "10.0.0.2", "502", "UDP", "$X$", "$VALUE$", "", "", "a"},
            {"", "cmd/b", "N", "0", "Base64", "3", "30", "", "", "", "", "", "", "", ""},
        };
        for (int R = 0; R < 2; ++R) {
            for (int C = 1; C < F::Pub_Cols; ++C)
                File.FPublish.Set_Cell(C, R + 1, QString::fromLatin1(Pub[R][C]));
            for (int C = 1; C < F::Sub_Cols; ++C)
                File.FSubscribe.Set_Cell(C, R + 1, QString::fromLatin1(Sub[R][C]));
        }
        EXPECT_TRUE(File.Save(File_MQTT_Set_Topic));
        return Read_File(File_MQTT_Set_Topic);
    }
    void Select(int Page, int Col, int Row)
    {
        Editor->PageControl1->setCurrentIndex(Page);
        TTable_Grid *G = Editor->Active_Grid();
        G->Set_Col(Col);
        G->Set_Row(Row);
    }
    std::unique_ptr<TFMQTT_Set_Topic> Editor;
};

// Showing loads every stored attribute, hidden columns included; OK without
// edits writes the same file again.
TEST_F(MQTTEditorTest, LoadAndSaveRoundTrip)
{
    const QByteArray Written = Write_Sample_File();
    Show();
    TTable_Grid *Pub = Editor->CG_Pub;
    TTable_Grid *Sub = Editor->CG_Sub;
    EXPECT_EQ(Pub->RowCount(), 1025);
    EXPECT_EQ(Sub->RowCount(), 1025);
    EXPECT_EQ(Hidden_Columns(Pub), QSet<int>({7, 8, 14, 15, 16}));
    EXPECT_EQ(Hidden_Columns(Sub), QSet<int>({2, 7, 8, 9, 10, 12, 13}));
    EXPECT_EQ(Editor->PageControl1->currentIndex(), 0);
    EXPECT_EQ(Pub->GetCellEx(F::pcIPAddress, 1), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(Pub->GetCellEx(F::pcInputTemplate, 1), QStringLiteral("$IN$"));
    EXPECT_EQ(Pub->GetCellEx(F::pcMnemonic, 1), QStringLiteral("first "));
    // Channel, Swap and Swap Word of a loaded row; rows beyond are empty.
    EXPECT_EQ(Pub->GetCellEx(F::pcChannel, 2), QString());
    EXPECT_EQ(Pub->GetCellEx(F::pcSwap, 2), QStringLiteral("N"));
    EXPECT_EQ(Pub->GetCellEx(F::pcSwapWord, 2), QStringLiteral("N"));
    EXPECT_EQ(Pub->GetCellEx(F::pcSwap, 3), QString());
    EXPECT_EQ(Pub->GetCellEx(0, 1024), QStringLiteral("1024"));
    EXPECT_EQ(Sub->GetCellEx(F::scRetained, 1), QStringLiteral("Y"));
    EXPECT_EQ(Sub->GetCellEx(F::scEthType, 1), QStringLiteral("UDP"));
    EXPECT_EQ(Sub->GetCellEx(F::scSwapWord, 1), QStringLiteral("N"));

    QFile::remove(File_MQTT_Set_Topic);
    Editor->Btn_OKClick();
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    EXPECT_EQ(Read_File(File_MQTT_Set_Topic), Written);
    EXPECT_TRUE(Box_Texts().isEmpty());
    Expect_Window_Picture(QImage(Save_Screenshot(Editor.get(), QStringLiteral("mqtt_editor"))), Editor.get());
}

// A blank topic ends a table: that row and those after it are not written.
TEST_F(MQTTEditorTest, BlankTopicEndsTheTable)
{
    Write_Sample_File();
    Show();
    Editor->CG_Pub->SetCellEx(F::pcTopic, 1, QStringLiteral("   "));
    Editor->Btn_OKClick();
    F File;
    EXPECT_TRUE(File.Load(File_MQTT_Set_Topic).Complete());
    EXPECT_EQ(File.FPublish.Used_Rows(F::pcTopic), 0);
    EXPECT_EQ(File.FSubscribe.Used_Rows(F::scTopic), 2);
}

// A failing check names its row, writes nothing and keeps the window open.
TEST_F(MQTTEditorTest, OKRefusesAtTheFailingRow)
{
    struct TCase
    {
        const char *Name;
        int Page, Col, Row;
        const char *Text;
        const char *Message;
    };
    const TCase Cases[] = {
        {"PublishPosition", 0, F::pcPosition, 2, "1440",
         "Error row 2!! [MQTT Publish] Position must be beetween 0 and 1439"},
        {"PublishTemplate", 0, F::pcTemplate, 1, "$A",
         "Error row 1!! [MQTT Publish] Template not Correct, Check the Keywords"},
        {"SubscribeDimension", 1, F::scDimension, 1, "2",
         "Error row 1!! [MQTT Subscribe] Dimension must be equal to 4 or 8"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QByteArray Written = Write_Sample_File();
        Boxes.Shown.clear();
        Editor->hide();
        Show();
        TTable_Grid *G = C.Page == 0 ? Editor->CG_Pub : Editor->CG_Sub;
        G->SetCellEx(C.Col, C.Row, QString::fromLatin1(C.Text));
        Editor->setResult(0);
        Editor->Btn_OKClick();
        EXPECT_EQ(Box_Texts(), QStringList{QString::fromLatin1(C.Message)});
        EXPECT_EQ(Boxes.Shown.value(0).Kind, TMsgKind::mkError);
        EXPECT_TRUE(Editor->isVisible());
        EXPECT_EQ(Read_File(File_MQTT_Set_Topic), Written);
    }
}

// A copy pastes only into the grid it came from during the same showing;
// another editor's copy has another shape.
TEST_F(MQTTEditorTest, CopyAndPasteAcrossGrids)
{
    Write_Sample_File();
    Show();
    // Publish row 1 onto the subscribe page: no copy from that grid.
    Select(0, 1, 1);
    Editor->Btn_CopyRowClick();
    EXPECT_TRUE(Editor->Do_Copy_Pub);
    Select(1, 1, 5);
    Editor->Btn_PasteRowClick();
    EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1702)});
    EXPECT_EQ(Editor->CG_Sub->GetCellEx(F::scTopic, 5), QString());

    // Subscribe row 1 onto subscribe row 5 (free), then over row 2 (in use): only Yes writes.
    Boxes.Shown.clear();
    Select(1, 1, 1);
    Editor->Btn_CopyRowClick();
    EXPECT_FALSE(Editor->Do_Copy_Pub);
    EXPECT_TRUE(Editor->Do_Copy_Sub);
    Select(1, 1, 5);
    Editor->Btn_PasteRowClick();
    EXPECT_TRUE(Box_Texts().isEmpty());
    EXPECT_EQ(Editor->CG_Sub->GetCellEx(F::scPort, 5), QStringLiteral("502"));
    Select(1, 1, 2);
    Boxes.Answers = {TMsgResult::mrNo};
    Editor->Btn_PasteRowClick();
    EXPECT_EQ(Editor->CG_Sub->GetCellEx(F::scTopic, 2), QStringLiteral("cmd/b"));
    Boxes.Answers = {TMsgResult::mrYes};
    Editor->Btn_PasteRowClick();
    EXPECT_EQ(Editor->CG_Sub->GetCellEx(F::scTopic, 2), QStringLiteral("cmd/a"));
    EXPECT_EQ(Box_Texts(), QStringList({Lang_Text(1700), Lang_Text(1700)}));

    // A copy taken in the BACnet editor meanwhile does not fit.
    Boxes.Shown.clear();
    TFBACnetSlaveSetAccess Other;
    Other.Btn_CopyRowClick();
    Editor->Btn_PasteRowClick();
    EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1701)});

    // A new showing forgets the copy.
    Editor->hide();
    Show();
    EXPECT_FALSE(Editor->Do_Copy_Sub);
}

// Delete asks with the row number and acts only on Yes; insert moves rows down.
TEST_F(MQTTEditorTest, DeleteAndInsertRows)
{
    Write_Sample_File();
    Show();
    Select(0, 1, 1);
    Boxes.Answers = {TMsgResult::mrNo};
    Editor->Btn_DelRowClick();
    EXPECT_EQ(Box_Texts(), QStringList{QStringLiteral("Are you sure to delete the Row number 1")});
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 1), QStringLiteral("home/t1"));
    Boxes.Answers = {TMsgResult::mrYes};
    Editor->Btn_DelRowClick();
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 1), QStringLiteral("home/t2"));
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 2), QString());

    Boxes.Shown.clear();
    Editor->Btn_InsRowClick();
    EXPECT_TRUE(Box_Texts().isEmpty());
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 1), QString());
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 2), QStringLiteral("home/t2"));
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(0, 1), QStringLiteral("1"));
}

// Header hints come from the grid's hint list by real column; other cells keep theirs.
TEST_F(MQTTEditorTest, HeaderHints)
{
    Show();
    struct TCase
    {
        const char *Name;
        bool Pub;
        int Row, Display_Col;
        const char *Hint;
    };
    const TCase Cases[] = {
        {"PublishTopic", true, 0, 1, "Insert the MQTT Topic"},
        // display column 7 is real column 9 behind the two hidden ones
        {"PublishTemplateBehindHidden", true, 0, 7, "Insert the Template"},
        {"PublishMnemonic", true, 0, 12, "Description of MQTT Topic"},
        {"SubscribeQoS", false, 0, 2, "Select the QoS value"},
        {"DataCellKeepsHint", true, 1, 1, "own"},
        {"RowNumberHeaderKeepsHint", true, 0, 0, "own"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QString Hint = QStringLiteral("own");
        Editor->CG_MQTT_GridHint(C.Pub ? Editor->CG_Pub : Editor->CG_Sub, C.Row, C.Display_Col, Hint);
        EXPECT_EQ(Hint, QString::fromLatin1(C.Hint));
    }
    EXPECT_EQ(Editor->Hint_MQTT_Set_Topic_Pub.size(), 17);
    EXPECT_EQ(Editor->Hint_MQTT_Set_Topic_Sub.size(), 14);

    // The same hints under the mouse: the grid hands the shown column to the handler.
    const TCase Hovered[] = {Cases[1], Cases[3], Cases[4]};
    for (const TCase &C : Hovered) {
        SCOPED_TRACE(std::string("Hover") + C.Name);
        TTable_Grid *G = C.Pub ? Editor->CG_Pub : Editor->CG_Sub;
        Editor->PageControl1->setCurrentIndex(C.Pub ? 0 : 1);
        const TRect R = G->CellRect(C.Display_Col, C.Row);
        ASSERT_LT(R.Left, R.Right);
        QString Hint;
        G->CMHintShow(TPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2), Hint);
        EXPECT_EQ(Hint, C.Row == 0 ? QString::fromLatin1(C.Hint) : QString());
    }
}

// A double click on a template cell opens the dialog on it: OK takes the text
// back, Cancel leaves the cell; the dialog's title and legend follow the kind of cell.
TEST_F(MQTTEditorTest, TemplateDialogOnDoubleClick)
{
    Write_Sample_File();
    Show();
    TFTopicTemplate *D = nullptr;
    struct TCase
    {
        const char *Name;
        bool OK;
        const char *Typed;
        const char *Expected;
    };
    const TCase Cases[] = {
        {"OKTakesTheText", true, "$TIME$ at $DESC$\r\nnext", "$TIME$ at $DESC$\r\nnext"},
        {"CancelKeepsTheCell", false, "dropped", "$TIME$ at $DESC$\r\nnext"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Select(0, 7, 1); // display 7 = Template
        QString Seen_Text, Title, Desc;
        int Legend_Rows = 0;
        QList<QRect> Places;
        QList<int> Sizes;
        While_Modal(
            [&] {
                D = Editor->Topic_Template;
                ASSERT_NE(D, nullptr);
                Places = {D->rect(), D->P_Title->geometry(), D->Splitter1->geometry(), D->P_Button->geometry(),
                          D->Btn_OK->geometry(), D->Btn_Cancel->geometry()};
                Sizes = {D->P_Legend->height(), D->Splitter1->handleWidth(), D->SG_Keywords->ColWidths(0),
                         D->SG_Keywords->ColWidths(1), D->SG_Keywords->RowHeights(0)};
                Seen_Text = D->RE_TopicTemplate->Text();
                Title = D->windowTitle();
                Desc = D->L_SW_Desc->text();
                Legend_Rows = D->SG_Keywords->RowCount();
                D->RE_TopicTemplate->Set_Text(QString::fromLatin1(C.Typed));
                Click_Button(C.OK ? D->Btn_OK : D->Btn_Cancel);
            },
            [&] { Editor->CG_MQTT_DblClickCell(Editor->CG_Pub, 1, 7); });
        EXPECT_EQ(Title, QStringLiteral("Set Template"));
        EXPECT_EQ(Desc, QStringLiteral("Set Template"));
        EXPECT_EQ(Legend_Rows, 3);
        // 635 x 396: title 69, buttons 40 and 110 x 28 centred, the editor over the legend
        EXPECT_EQ(Places, (QList<QRect>{QRect(0, 0, 635, 396), QRect(0, 0, 635, 69), QRect(0, 69, 635, 287),
                                        QRect(0, 356, 635, 40), QRect(201, 6, 110, 28), QRect(323, 6, 110, 28)}));
        // legend 108 high under a 3-pixel handle; columns 200 and 380, header row 22
        EXPECT_EQ(Sizes, (QList<int>{108, 3, 200, 380, 22}));
        EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTemplate, 1), QString::fromLatin1(C.Expected));
        if (C.OK) {
            EXPECT_EQ(Seen_Text, QStringLiteral("$VALUE$"));
        }
    }
    // A double click elsewhere opens nothing.
    Select(0, 1, 1);
    Editor->CG_MQTT_DblClickCell(Editor->CG_Pub, 1, 1);
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 1), QStringLiteral("home/t1"));
    // The template's line breaks survive the file.
    Editor->Btn_OKClick();
    F File;
    EXPECT_TRUE(File.Load(File_MQTT_Set_Topic).Complete());
    EXPECT_EQ(File.FPublish.Cell(F::pcTemplate, 1), QStringLiteral("$TIME$ at $DESC$\r\nnext"));
}

// Each column carries its editor kind, width, colour and drop-down items.
TEST_F(MQTTEditorTest, ColumnItems)
{
    struct TCase
    {
        const char *Name;
        bool Pub;
        int Col;
        TEditorType Editor;
        int Width;
        TColor Color;
        QStringList Items;
    };
    const TCase Cases[] = {
        {"Topic", true, F::pcTopic, edNormal, 300, RGB_Color(0xE0, 0xFA, 0xFE), {}},
        {"Retained", true, F::pcRetained, edDataCheckBox, 60, RGB_Color(0xD5, 0xD5, 0xFF), {}},
        {"QoS", true, F::pcQoS, edComboList, 80, RGB_Color(0xD5, 0xD5, 0xFF), {"0", "1", "2"}},
        {"DataType", true, F::pcDataType, edComboList, 80, RGB_Color(0xA8, 0xFF, 0xA8), {"Int", "Float", "String", "Base64"}},
        {"Template", true, F::pcTemplate, edComboEdit, 130, RGB_Color(0xFF, 0xFF, 0xA8), {"$VALUE$"}},
        {"OnTimer", true, F::pcOnTimer, edDataCheckBox, 64, RGB_Color(0xFF, 0xD8, 0xB0), {}},
        {"Mnemonic", true, F::pcMnemonic, edNormal, 170, clWhite, {}},
        {"SubscribeEthType", false, F::scEthType, edComboList, 64, RGB_Color(0xA8, 0xFF, 0xA8), {"TCP", "UDP"}},
        {"SubscribeMnemonic", false, F::scMnemonic, edNormal, 220, clWhite, {}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TGridColumnItem *Item = (C.Pub ? Editor->CG_Pub : Editor->CG_Sub)->Columns().Items(C.Col);
        EXPECT_EQ(Item->Editor(), C.Editor);
        EXPECT_EQ(Item->Width(), C.Width);
        EXPECT_EQ(Item->Color(), C.Color);
        EXPECT_EQ(Item->ComboItems(), C.Items);
        EXPECT_EQ(Item->CheckTrue(), QStringLiteral("Y"));
    }
    const QStringList Channels = Editor->CG_Pub->Columns().Items(F::pcChannel)->ComboItems();
    ASSERT_EQ(Channels.size(), 65);
    EXPECT_EQ(Channels.last(), QStringLiteral("All"));
    EXPECT_EQ(Editor->CG_Pub->Columns().Items(F::pcTopic)->Header(), QStringLiteral("Topic"));
}

// Check-box columns do not make a row "in use": pasting over a row that
// holds only ticks asks nothing.
TEST_F(MQTTEditorTest, PasteOverTicksOnlyAsksNothing)
{
    Write_Sample_File();
    Show();
    Select(0, 1, 1);
    Editor->Btn_CopyRowClick();
    for (int C : {F::pcRetained, F::pcOnChange, F::pcOnCMD, F::pcOnTimer, F::pcSwap})
        Editor->CG_Pub->SetCellEx(C, 9, QStringLiteral("Y"));
    Select(0, 1, 9);
    Editor->Btn_PasteRowClick();
    EXPECT_TRUE(Box_Texts().isEmpty());
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 9), QStringLiteral("home/t1"));
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcSwap, 9), QStringLiteral("N"));
}

// Enter typed on a grid walks the shown cells with the option on; off, it keeps its meaning.
TEST_F(MQTTEditorTest, EnterKeyOnTheGrid)
{
    Show();
    Editor->activateWindow();
    Editor->CG_Pub->setFocus();
    struct TCase
    {
        const char *Name;
        bool Option;
        int Col, Row, New_Col, New_Row;
    };
    const TCase Cases[] = {
        {"NextColumn", true, 1, 3, 2, 3},
        // display column 12 (Mnemonic) is the last shown one
        {"LastColumnWrapsToNextRow", true, 12, 3, 1, 4},
        {"LastRowWrapsToRowOne", true, 12, 1024, 1, 1},
        {"OptionOffStays", false, 1, 3, 1, 3},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Enable_Jump_Field_Tables = C.Option;
        Select(0, C.Col, C.Row);
        QTest::keyClick(Editor->CG_Pub, Qt::Key_Return);
        if (Editor->CG_Pub->EditorMode())
            QTest::keyClick(Editor->CG_Pub, Qt::Key_Escape);
        EXPECT_EQ(Editor->CG_Pub->Col(), C.New_Col);
        EXPECT_EQ(Editor->CG_Pub->Row(), C.New_Row);
    }
}

// The editor's texts come from block 1400.
TEST_F(MQTTEditorTest, Texts)
{
    EXPECT_EQ(Editor->windowTitle(), QStringLiteral("Set MQTT Topics"));
    EXPECT_EQ(Button_Caption(Editor->Btn_PasteRow), QStringLiteral("Paste Row"));
    EXPECT_EQ(Editor->Btn_DelRow->toolTip(), QStringLiteral("Delete the Selected Row in the table"));
    EXPECT_EQ(Editor->PageControl1->tabText(1), QStringLiteral("MQTT Subscribe"));
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTime, 0), QStringLiteral("Time(ms)"));
    EXPECT_EQ(Editor->CG_Sub->GetCellEx(F::scEthType, 0), QStringLiteral("Type"));
    EXPECT_EQ(Editor->L_SW_Code->text(), QStringLiteral("CFTK410"));
}

// A file that lacks what the editor always writes is named in a warning.
TEST_F(MQTTEditorTest, IncompleteFileIsReported)
{
    Write_File(File_MQTT_Set_Topic,
               "<MQTT_Set_Topic><MQTT_Publish><row Topic=\"a\" Retained=\"N\" QoS=\"0\"/>"
               "<row Topic=\"b\" Retained=\"N\" QoS=\"0\" Mnemonic=\"m\"/></MQTT_Publish></MQTT_Set_Topic>");
    Show();
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkWarning);
    EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(1499) + File_MQTT_Set_Topic));
    // Every row is there, the one after the gap too.
    EXPECT_EQ(Editor->CG_Pub->GetCellEx(F::pcTopic, 2), QStringLiteral("b"));
}

// A file the tables hold only in part loses the rest when replaced: OK asks
// first; No keeps the file byte for byte and the window open, Yes writes.
TEST_F(MQTTEditorTest, PartlyReadFileIsReplacedOnlyOnYes)
{
    for (const TPartly_Read_Case &C : Partly_Read_Cases(Write_Sample_File(), F::Grid_Rows - 1)) {
        SCOPED_TRACE(C.Name);
        Write_File(File_MQTT_Set_Topic, C.Content);
        Editor->hide();
        Show();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkWarning);

        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrNo};
        Editor->setResult(-1);
        Editor->Btn_OKClick();
        EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1500)});
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
        EXPECT_EQ(Editor->result(), -1);
        EXPECT_TRUE(Editor->isVisible());
        EXPECT_EQ(Read_File(File_MQTT_Set_Topic), C.Content);

        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrYes};
        Editor->Btn_OKClick();
        EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1500)});
        EXPECT_EQ(Editor->result(), QDialog::Accepted);
        F Back;
        EXPECT_TRUE(Back.Load(File_MQTT_Set_Topic).Complete());
        Boxes.Shown.clear();
    }
    // A file read whole is replaced without a word, also after a partly read one.
    Write_Sample_File();
    Show();
    Editor->Btn_OKClick();
    EXPECT_TRUE(Box_Texts().isEmpty());
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
}

} // namespace

namespace {

using EditorLayoutTest = EditorTest;

// The editors and their dialogs open centred on the screen; the two editors'
// pages fill the room between the title and the buttons at any window size.
TEST_F(EditorLayoutTest, CentredAndPagesFollowTheWindow)
{
    TFMQTT_Set_Topic MQTT;
    TFBACnetSlaveSetAccess BACnet;
    TFTopicTemplate Template;
    TFBACnet_Eng_Unit Chooser;
    const QPoint Centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    for (QWidget *W : std::initializer_list<QWidget *>{&MQTT, &BACnet, &Template, &Chooser}) {
        SCOPED_TRACE(W->objectName().toStdString());
        EXPECT_LE((W->geometry().center() - Centre).manhattanLength(), 2);
    }
    struct TCase
    {
        QDialog *Window;
        QTabWidget *Pages;
        QSize Size;
    };
    const TCase Cases[] = {
        {&MQTT, MQTT.PageControl1, QSize(1100, 337)},
        {&BACnet, BACnet.PageControl1, QSize(764, 337)},
        {&BACnet, BACnet.PageControl1, QSize(1200, 700)}, // maximised
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Window->objectName().toStdString());
        C.Window->resize(C.Size);
        C.Window->show();
        QApplication::processEvents();
        EXPECT_EQ(C.Window->size(), C.Size);
        EXPECT_EQ(C.Pages->geometry(), QRect(0, 69, C.Size.width(), C.Size.height() - 69 - 40));
        const QWidget *Buttons = C.Window->findChild<QWidget *>(QStringLiteral("P_Button"));
        ASSERT_NE(Buttons, nullptr);
        EXPECT_EQ(Buttons->geometry(), QRect(0, C.Size.height() - 40, C.Size.width(), 40));
        C.Window->hide();
    }
}

} // namespace

namespace {

// A value still in a cell's editor when OK is clicked is saved with the rest.
TEST_F(MQTTEditorTest, OKTakesTheValueStillBeingTyped)
{
    Write_Sample_File();
    Show();
    Editor->activateWindow();
    TTable_Grid *Pub = Editor->CG_Pub;
    Pub->setFocus();
    Select(0, F::pcTopic, 2);
    Pub->ShowInplaceEdit();
    ASSERT_TRUE(Pub->EditorMode());
    QWidget *Edit = QApplication::focusWidget();
    ASSERT_NE(Edit, nullptr);
    QTest::keyClick(Edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Edit, QStringLiteral("home/typed"));
    QTest::mouseClick(Editor->Btn_OK, Qt::LeftButton);
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
    F File;
    EXPECT_TRUE(File.Load(File_MQTT_Set_Topic).Complete());
    EXPECT_EQ(File.FPublish.Cell(F::pcTopic, 2), QStringLiteral("home/typed"));
}

} // namespace

namespace {

// The user's edits reach the cells as the file stores them: a ticked box "Y",
// a cleared one "N", a drop-down choice its item's text.
TEST_F(MQTTEditorTest, EditsWithTheMouseAndKeys)
{
    Write_Sample_File();
    Show();
    Editor->activateWindow();
    TTable_Grid *Pub = Editor->CG_Pub;
    Pub->setFocus();
    const auto Centre = [Pub](int Display_Col, int Row) {
        const TRect R = Pub->CellRect(Display_Col, Row);
        return QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    };
    QTest::mouseClick(Pub->viewport(), Qt::LeftButton, {}, Centre(F::pcRetained, 2));
    EXPECT_EQ(Pub->GetCellEx(F::pcRetained, 2), QStringLiteral("Y"));
    QTest::mouseClick(Pub->viewport(), Qt::LeftButton, {}, Centre(F::pcRetained, 1));
    EXPECT_EQ(Pub->GetCellEx(F::pcRetained, 1), QStringLiteral("N"));
    // an empty row's box is ticked to "Y" too (display column 8: two hidden columns before it)
    QTest::mouseClick(Pub->viewport(), Qt::LeftButton, {}, Centre(8, 5));
    EXPECT_EQ(Pub->GetCellEx(F::pcOnChange, 5), QStringLiteral("Y"));

    Select(0, F::pcQoS, 2);
    Pub->ShowInplaceEdit();
    auto *Combo = Pub->findChild<TGridCombo *>();
    ASSERT_NE(Combo, nullptr);
    EXPECT_EQ(Combo->count(), 3);
    Combo->setCurrentIndex(2);
    Pub->HideInplaceEdit();
    EXPECT_EQ(Pub->GetCellEx(F::pcQoS, 2), QStringLiteral("2"));
}

} // namespace
