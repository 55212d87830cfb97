#include "workspace/Workspace.h"
#include "controls/FxButton.h"
#include "editors/ParGen_Data.h"
#include "editors/UParGen.h"
#include "toolkit/CategoryPanels.h"
#include "platform/MessageBox.h"
#include "platform/XmlDoc.h"
#include "TestSupport.h"
#include "text/LangTable.h"
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>
#include <QEnterEvent>
#include <gtest/gtest.h>
#include <memory>

namespace {

class ParGenWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Reset_Workspace();
        Fill_Default_Texts();
        SW_Code = QStringLiteral("CFTK410");
        File_ParGen = Dir.filePath("ParGen.xml");
        Window = std::make_unique<TFParGen>();
    }
    void TearDown() override
    {
        Window.reset();
        Reset_Workspace();
    }
    // Shows the window as the main window's step does (without a modal loop).
    void Show()
    {
        Window->show();
        QApplication::processEvents();
    }
    QLineEdit *Edit(const char *Name) const { return Window->Find<QLineEdit>(QLatin1String(Name)); }
    QComboBox *Combo(const char *Name) const { return Window->Find<QComboBox>(QLatin1String(Name)); }
    QCheckBox *Check(const char *Name) const { return Window->Find<QCheckBox>(QLatin1String(Name)); }

    QTemporaryDir Dir;
    TFakeMessageBoxes Boxes;
    TMessageBoxGuard Guard{&Boxes};
    std::unique_ptr<TFParGen> Window;
};

// The element texts of a saved ParGen.xml in document order, checking the
// document's shape on the way: root Par_Gen first, the version comment after it.
QList<std::pair<QString, QString>> Saved_Elements(const QString &Path)
{
    TXmlDocument Doc;
    Doc.Load_From_File(Path);
    EXPECT_EQ(Doc.Node_Count(), 2);
    const TXmlNode *Root = Doc.Node(0);
    EXPECT_TRUE(Root->Is_Element());
    EXPECT_EQ(Root->Node_Name(), "Par_Gen");
    EXPECT_EQ(Doc.Node(1)->Kind(), TXmlNode::nkComment);
    EXPECT_EQ(Doc.Node(1)->Value(), "SW_VERSION = 1.000");
    QList<std::pair<QString, QString>> L;
    for (const TXmlNode *E : Root->Child_Elements()) {
        EXPECT_TRUE(E->Is_Text_Element()) << E->Node_Name().toStdString();
        L.append({E->Node_Name(), E->Text()});
    }
    return L;
}

// ---- OK, Cancel and the file ------------------------------------------------

// OK on a project without ParGen.xml writes all 24 elements with the defaults.
TEST_F(ParGenWindowTest, OkOnDefaultsWritesTheWholeFile)
{
    Show();
    EXPECT_FALSE(Window->Is_Change);
    Window->Btn_OKClick();
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(Window->result(), QDialog::Accepted);
    EXPECT_FALSE(Window->isVisible());

    const QList<std::pair<QString, QString>> Expected = {
        {"MODBUS_SLAVE_SERIAL", "0"}, {"MODBUS_SLAVE_BAUDRATE", "7"}, {"MODBUS_SLAVE_PARITY", "0"},
        {"MODBUS_SLAVE_STOPBITS", "0"}, {"MODBUS_SLAVE_IDDEVICE", "10"}, {"MODBUS_SLAVE_READ_INPUT_REGISTER", "1"},
        {"Ethernet_IP1", "192"}, {"Ethernet_IP2", "168"}, {"Ethernet_IP3", "0"}, {"Ethernet_IP4", "10"},
        {"Ethernet_SM1", "255"}, {"Ethernet_SM2", "255"}, {"Ethernet_SM3", "255"}, {"Ethernet_SM4", "0"},
        {"Ethernet_GAT1", "192"}, {"Ethernet_GAT2", "168"}, {"Ethernet_GAT3", "0"}, {"Ethernet_GAT4", "1"},
        {"Ethernet_EN_GAT", "0"},
        {"Ethernet_DNS1", "8"}, {"Ethernet_DNS2", "8"}, {"Ethernet_DNS3", "8"}, {"Ethernet_DNS4", "8"},
        {"Ethernet_EN_DNS", "0"},
    };
    const auto Saved = Saved_Elements(File_ParGen);
    ASSERT_EQ(Saved.size(), Expected.size());
    for (int I = 0; I < Expected.size(); ++I) {
        SCOPED_TRACE(Expected[I].first.toStdString());
        EXPECT_EQ(Saved[I], Expected[I]);
    }
}

// OK pressed with the pointer over it closes the editor; the next time the
// editor opens, OK shows its plain face, not the hot-track colour.
TEST_F(ParGenWindowTest, OkComesBackPlainAfterClosingTheEditor)
{
    Show();
    QEnterEvent Enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(Window->Btn_OK, &Enter);
    ASSERT_EQ(Window->Btn_OK->HotTrackStep(), 8);
    Window->Btn_OK->Click();
    ASSERT_FALSE(Window->isVisible());
    Show();
    EXPECT_FALSE(Window->Btn_OK->Cursor_On_Button());
    EXPECT_EQ(Window->Btn_OK->HotTrackStep(), 0);
    EXPECT_EQ(Fx_Face_Layout(Window->Btn_OK->Make_Look()).Face, Window->Btn_OK->Color());
}

// What the user enters is saved as entered (an octet "010" keeps its zero)
// and a file of another model's elements loses them on OK.
TEST_F(ParGenWindowTest, OkSavesEntriesAsTypedAndDropsForeignElements)
{
    Write_File(File_ParGen, "<Par_Gen><PROFINET_NB_IN>12</PROFINET_NB_IN><MODBUS_SLAVE_PARITY>2</MODBUS_SLAVE_PARITY>"
                            "</Par_Gen><!--SW_VERSION = 1.000-->");
    Show();
    EXPECT_EQ(Window->CB_ModbusSlave_Parity->currentIndex(), 2);
    Window->CB_ModbusSlave_Baudrate->setCurrentIndex(3);
    Window->E_ModbusSlave_IDDevice->setText("33");
    Window->E_Ethernet_IP[2]->setText("010");
    Window->CB_Ethernet_DNS->setChecked(true);
    Window->Btn_OKClick();
    ASSERT_EQ(Window->result(), QDialog::Accepted);

    TParGen_Data D;
    ASSERT_EQ(D.Load(File_ParGen).Kind, TParGen_Load_Result::plRead);
    EXPECT_EQ(D.FModbusSlave_Baudrate, 3);
    EXPECT_EQ(D.FModbusSlave_Parity, 2);
    EXPECT_EQ(D.FModbusSlave_IDDevice, "33");
    EXPECT_EQ(D.FEthernet_IP[2], "010");
    EXPECT_TRUE(D.FEthernet_En_DNS);
    EXPECT_FALSE(Read_File(File_ParGen).contains("PROFINET_NB_IN"));
}

// A file that cannot be parsed is reported and the window starts from the
// defaults, not from what the previous showing held.
TEST_F(ParGenWindowTest, UnreadableFileIsReportedAndDefaultsShown)
{
    Show();
    Window->E_ModbusSlave_IDDevice->setText("99");
    Window->E_Ethernet_IP[0]->setText("7");
    Window->hide();

    Write_File(File_ParGen, "<Par_Gen><MODBUS_SLAVE_IDDEVICE>5</MODBUS_SLAVE_IDDEVICE>");
    Show();
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
    EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(764)));
    EXPECT_EQ(Window->E_ModbusSlave_IDDevice->text(), "10");
    EXPECT_EQ(Window->E_Ethernet_IP[0]->text(), "192");
    EXPECT_FALSE(Window->Is_Change);
}

// A file that could not be read would lose what it held when replaced by the
// defaults shown: OK asks first; No keeps the file byte for byte and the
// window open, Yes writes.
TEST_F(ParGenWindowTest, UnreadableFileIsReplacedOnlyOnYes)
{
    TParGen_Data Whole_Data;
    Whole_Data.FModbusSlave_IDDevice = QStringLiteral("33");
    ASSERT_TRUE(Whole_Data.Save(File_ParGen));
    const QByteArray Whole = Read_File(File_ParGen);
    QByteArray Broken = Whole;
    Broken.replace("<MODBUS_SLAVE_PARITY>", "<MODBUS_SLAVE_PARITY <");
    const struct
    {
        const char *Name;
        QByteArray Content;
    } Cases[] = {
        {"TruncatedFile", Whole.left(Whole.size() / 2)},
        {"NotWellFormedFile", Broken},
    };
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.Name);
        Write_File(File_ParGen, C.Content);
        Window->hide();
        Show();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(764)));

        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrNo};
        Window->setResult(-1);
        Window->Btn_OKClick();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(766));
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
        EXPECT_EQ(Window->result(), -1);
        EXPECT_TRUE(Window->isVisible());
        EXPECT_EQ(Read_File(File_ParGen), C.Content);

        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrYes};
        Window->Btn_OKClick();
        EXPECT_EQ(Boxes.Texts(), QStringList{Lang_Text(766)});
        EXPECT_EQ(Window->result(), QDialog::Accepted);
        TParGen_Data Back;
        EXPECT_EQ(Back.Load(File_ParGen).Kind, TParGen_Load_Result::plRead);
        EXPECT_EQ(Back.FModbusSlave_IDDevice, "10");
        Boxes.Shown.clear();
    }
    // A readable file, even one lacking elements, is replaced without a word:
    // nothing it holds is lost.
    Write_File(File_ParGen, "<Par_Gen><MODBUS_SLAVE_PARITY>2</MODBUS_SLAVE_PARITY></Par_Gen>");
    Window->hide();
    Show();
    Window->Btn_OKClick();
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_EQ(Window->result(), QDialog::Accepted);
}

// A save that fails is reported; the window stays open with the entries.
TEST_F(ParGenWindowTest, SaveFailureKeepsTheWindowOpen)
{
    File_ParGen = Dir.filePath("gone/ParGen.xml");
    Show();
    Window->E_ModbusSlave_IDDevice->setText("12");
    Window->Btn_OKClick();
    ASSERT_EQ(Boxes.Shown.size(), 1);
    EXPECT_TRUE(Boxes.Shown[0].Text.startsWith(Lang_Text(765)));
    EXPECT_TRUE(Window->isVisible());
    EXPECT_EQ(Window->E_ModbusSlave_IDDevice->text(), "12");
}

// Cancel asks only after a change; only Yes leaves, and nothing is saved.
TEST_F(ParGenWindowTest, CancelAsksOnlyAfterAChange)
{
    struct TCase
    {
        const char *Name;
        std::function<void(TFParGen &)> Touch;
        bool Asks;
        TMsgResult Answer;
        bool Closes;
    };
    const TCase Cases[] = {
        {"NoChangeClosesAtOnce", [](TFParGen &) {}, false, TMsgResult::mrYes, true},
        {"EditChangedYesCloses", [](TFParGen &W) { W.E_ModbusSlave_IDDevice->setText("11"); }, true,
         TMsgResult::mrYes, true},
        {"EditChangedNoStays", [](TFParGen &W) { W.E_ModbusSlave_IDDevice->setText("11"); }, true, TMsgResult::mrNo,
         false},
        {"TypedAndDeletedStillAsks",
         [](TFParGen &W) {
             W.E_Ethernet_IP[0]->setText("1921");
             W.E_Ethernet_IP[0]->setText("192");
         },
         true, TMsgResult::mrNo, false},
        {"ComboChangedAsks", [](TFParGen &W) { W.CB_ModbusSlave_Parity->setCurrentIndex(1); }, true,
         TMsgResult::mrYes, true},
        {"CheckBoxClickedAsks", [](TFParGen &W) { W.CB_Ethernet_En_GAT->click(); }, true, TMsgResult::mrYes, true},
        // the hidden panels' controls count as changes as well
        {"HiddenPanelControlAsks",
         [](TFParGen &W) { W.Find<QCheckBox>(QStringLiteral("CB_MQTT_WillFlag"))->click(); }, true,
         TMsgResult::mrYes, true},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Boxes.Shown.clear();
        Boxes.Answers = {C.Answer};
        Window->setResult(-1);
        Show();
        ASSERT_FALSE(Window->Is_Change);
        C.Touch(*Window);
        Window->Btn_CancelClick();
        EXPECT_EQ(Boxes.Shown.size(), C.Asks ? 1 : 0);
        if (C.Asks) {
            EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(763));
            EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
        }
        EXPECT_EQ(!Window->isVisible(), C.Closes);
        if (C.Closes) {
            EXPECT_EQ(Window->result(), QDialog::Rejected);
        }
        Window->hide();
        EXPECT_FALSE(QFile::exists(File_ParGen));
    }
}

// Closing by the title bar leaves at once, changed or not: no question, nothing saved.
TEST_F(ParGenWindowTest, TitleBarCloseLeavesWithoutQuestion)
{
    Show();
    Window->E_ModbusSlave_IDDevice->setText("11");
    ASSERT_TRUE(Window->Is_Change);
    Window->close();
    EXPECT_FALSE(Window->isVisible());
    EXPECT_EQ(Window->result(), QDialog::Rejected);
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_FALSE(QFile::exists(File_ParGen));
}

// Escape and Enter press no button.
TEST_F(ParGenWindowTest, EscapeAndEnterDoNotClose)
{
    Show();
    Window->E_ModbusSlave_IDDevice->setText("11");
    QTest::keyClick(Window.get(), Qt::Key_Escape);
    QTest::keyClick(Window.get(), Qt::Key_Return);
    EXPECT_TRUE(Window->isVisible());
    EXPECT_TRUE(Boxes.Shown.isEmpty());
    EXPECT_FALSE(QFile::exists(File_ParGen));
}

// ---- The checks ------------------------------------------------------------------

// Each check refuses with its own message; the run stops at the first failure.
TEST_F(ParGenWindowTest, ChecksRefuseWithTheirMessageInOrder)
{
    struct TCase
    {
        const char *Name;
        std::function<void(TFParGen &)> Break;
        int Text; // 0: passes
    };
    auto Set = [](const char *Name, const char *Text) {
        return [=](TFParGen &W) { W.Find<QLineEdit>(QLatin1String(Name))->setText(QLatin1String(Text)); };
    };
    auto With_Box = [](const char *Box, const char *Name, const char *Text) {
        return [=](TFParGen &W) {
            W.Find<QCheckBox>(QLatin1String(Box))->setChecked(true);
            W.Find<QLineEdit>(QLatin1String(Name))->setText(QLatin1String(Text));
        };
    };
    const TCase Cases[] = {
        {"Defaults", [](TFParGen &) {}, 0},
        {"TwoStopBitsWithOddParity",
         [](TFParGen &W) {
             W.CB_ModbusSlave_StopBits->setCurrentIndex(1);
             W.CB_ModbusSlave_Parity->setCurrentIndex(1);
         },
         525},
        {"TwoStopBitsWithEvenParity",
         [](TFParGen &W) {
             W.CB_ModbusSlave_StopBits->setCurrentIndex(1);
             W.CB_ModbusSlave_Parity->setCurrentIndex(2);
         },
         525},
        {"TwoStopBitsWithNoneParityPass", [](TFParGen &W) { W.CB_ModbusSlave_StopBits->setCurrentIndex(1); }, 0},
        {"IdEmpty", Set("E_ModbusSlave_IDDevice", ""), 526},
        {"IdZero", Set("E_ModbusSlave_IDDevice", "0"), 526},
        {"Id248", Set("E_ModbusSlave_IDDevice", "248"), 526},
        {"Id1Passes", Set("E_ModbusSlave_IDDevice", "1"), 0},
        {"Id247Passes", Set("E_ModbusSlave_IDDevice", "247"), 0},
        {"IdHexPasses", Set("E_ModbusSlave_IDDevice", "0x10"), 0},
        {"IdTrailingBlank", Set("E_ModbusSlave_IDDevice", "10 "), 526},
        {"IP1", Set("E_Ethernet_IP1", "256"), 527},
        {"IP2", Set("E_Ethernet_IP2", "-1"), 528},
        {"IP3", Set("E_Ethernet_IP3", "1a"), 529},
        {"IP4", Set("E_Ethernet_IP4", ""), 530},
        {"SM1", Set("E_Ethernet_SM1", "300"), 531},
        {"SM2", Set("E_Ethernet_SM2", "x"), 532},
        {"SM3", Set("E_Ethernet_SM3", "-5"), 533},
        {"SM4", Set("E_Ethernet_SM4", "999"), 534},
        {"OddMaskPasses", [](TFParGen &W) { W.E_Ethernet_SM[1]->setText("0"); W.E_Ethernet_SM[3]->setText("255"); }, 0},
        {"GatewayOffIgnoresOctets", Set("E_Ethernet_GAT1", "999"), 0},
        {"GAT1", With_Box("CB_Ethernet_En_GAT", "E_Ethernet_GAT1", "999"), 535},
        {"GAT2", With_Box("CB_Ethernet_En_GAT", "E_Ethernet_GAT2", ""), 536},
        {"GAT3", With_Box("CB_Ethernet_En_GAT", "E_Ethernet_GAT3", "256"), 537},
        {"GAT4", With_Box("CB_Ethernet_En_GAT", "E_Ethernet_GAT4", "a"), 538},
        {"DnsOffIgnoresOctets", Set("E_Ethernet_DNS4", "-1"), 0},
        {"DNS1", With_Box("CB_Ethernet_DNS", "E_Ethernet_DNS1", "256"), 539},
        {"DNS2", With_Box("CB_Ethernet_DNS", "E_Ethernet_DNS2", "1.5"), 540},
        {"DNS3", With_Box("CB_Ethernet_DNS", "E_Ethernet_DNS3", ""), 541},
        {"DNS4", With_Box("CB_Ethernet_DNS", "E_Ethernet_DNS4", "1000"), 542},
        // several faults: only the first in check order is reported
        {"FirstFaultWins",
         [](TFParGen &W) {
             W.CB_Ethernet_DNS->setChecked(true);
             W.E_Ethernet_DNS[0]->setText("x");
             W.E_Ethernet_SM[2]->setText("x");
             W.E_Ethernet_IP[3]->setText("x");
         },
         530},
        {"StopBitsBeforeAddress",
         [](TFParGen &W) {
             W.E_ModbusSlave_IDDevice->setText("0");
             W.CB_ModbusSlave_StopBits->setCurrentIndex(1);
             W.CB_ModbusSlave_Parity->setCurrentIndex(1);
         },
         525},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QFile::remove(File_ParGen);
        Boxes.Shown.clear();
        Window->setResult(-1);
        Show();
        C.Break(*Window);
        const QString Before = Window->E_Ethernet_IP[3]->text();
        Window->Btn_OKClick();
        if (C.Text == 0) {
            EXPECT_TRUE(Boxes.Shown.isEmpty());
            EXPECT_EQ(Window->result(), QDialog::Accepted);
            EXPECT_TRUE(QFile::exists(File_ParGen));
        } else {
            ASSERT_EQ(Boxes.Shown.size(), 1);
            EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkError);
            EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbOK);
            EXPECT_EQ(Boxes.Shown[0].Text, Lang_Text(C.Text));
            EXPECT_TRUE(Window->isVisible());
            EXPECT_FALSE(QFile::exists(File_ParGen));
            EXPECT_EQ(Window->E_Ethernet_IP[3]->text(), Before); // the checks change no text
        }
        Window->hide();
    }
}

// ---- Keys, wheel, size ------------------------------------------------------------

// Typing an address into the first octet (its text selected) fills the four
// Ethernet octets: the full stop is never inserted and moves the focus on.
TEST_F(ParGenWindowTest, DotKeyMovesThroughTheOctets)
{
    Show();
    QApplication::setActiveWindow(Window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(Window.get()));
    Window->E_Ethernet_IP[0]->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Window->E_Ethernet_IP[0]->hasFocus());
    Window->E_Ethernet_IP[0]->selectAll();
    for (const QChar C : QStringLiteral("192.168.1.7"))
        QTest::keyClick(QApplication::focusWidget(), C.toLatin1());
    EXPECT_EQ(Window->E_Ethernet_IP[0]->text(), "192");
    EXPECT_EQ(Window->E_Ethernet_IP[1]->text(), "168");
    EXPECT_EQ(Window->E_Ethernet_IP[2]->text(), "1");
    EXPECT_EQ(Window->E_Ethernet_IP[3]->text(), "7");
    EXPECT_TRUE(Window->E_Ethernet_IP[3]->hasFocus());
    // In the last octet of the chain the dot is dropped and the focus stays.
    Window->E_Ethernet_DNS[3]->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Window->E_Ethernet_DNS[3], '.');
    EXPECT_EQ(Window->E_Ethernet_DNS[3]->text(), "8");
    EXPECT_TRUE(Window->E_Ethernet_DNS[3]->hasFocus());
}

// The dot handler alone, over the whole chain and the other panels' octets.
TEST_F(ParGenWindowTest, DotKeyChainAndSwallow)
{
    Show();
    QList<QLineEdit *> Chain;
    for (const auto *Row : {&Window->E_Ethernet_IP, &Window->E_Ethernet_SM, &Window->E_Ethernet_GAT,
                            &Window->E_Ethernet_DNS})
        for (QLineEdit *E : *Row)
            Chain.append(E);
    for (int I = 0; I + 1 < Chain.size(); ++I) {
        SCOPED_TRACE(Chain[I]->objectName().toStdString());
        Chain[I]->setFocus();
        QChar Key = QLatin1Char('.');
        Window->KeyPress(Chain[I], Key);
        EXPECT_TRUE(Key.isNull());
        EXPECT_TRUE(Chain[I + 1]->hasFocus());
        EXPECT_EQ(Chain[I + 1]->selectedText(), Chain[I + 1]->text()); // typing replaces the octet
    }
    // The last one only swallows.
    Chain.last()->setFocus();
    QChar Key = QLatin1Char('.');
    Window->KeyPress(Chain.last(), Key);
    EXPECT_TRUE(Key.isNull());
    EXPECT_TRUE(Chain.last()->hasFocus());
    // Octets of the other panels swallow too; other keys and other edits pass.
    EXPECT_EQ(Window->Octet_Edits().size(), 76);
    Key = QLatin1Char('.');
    Window->KeyPress(Window->Control("E_PROFINET_IP1"), Key);
    EXPECT_TRUE(Key.isNull());
    Key = QLatin1Char('7');
    Window->KeyPress(Chain[0], Key);
    EXPECT_EQ(Key, QLatin1Char('7'));
    Key = QLatin1Char('.');
    Window->KeyPress(Window->E_ModbusSlave_IDDevice, Key);
    EXPECT_EQ(Key, QLatin1Char('.'));
}

// Each wheel event over the group scrolls it by the lines-per-notch setting,
// whatever the delta; over the title panel nothing scrolls.
TEST_F(ParGenWindowTest, WheelScrollsTheGroupByLinesPerNotch)
{
    Window->resize(TFParGen::Client_Width, 300); // short, so the stack scrolls
    Show();
    Set_Wheel_Scroll_Lines(3);
    const int Step = Window->CPG->verticalScrollBar()->singleStep();
    ASSERT_GT(Window->CPG->verticalScrollBar()->maximum(), 3 * Step);

    bool Handled = false;
    const QPoint Inside = Window->CPG->mapToGlobal(QPoint(50, 50));
    Window->FormMouseWheel(Window.get(), Qt::NoModifier, -15, Inside, Handled);
    EXPECT_TRUE(Handled);
    EXPECT_EQ(Window->CPG->Scroll_Pos(), 3 * Step);
    Window->FormMouseWheel(Window.get(), Qt::NoModifier, 0, Inside, Handled); // zero counts as down
    EXPECT_EQ(Window->CPG->Scroll_Pos(), 6 * Step);
    Window->FormMouseWheel(Window.get(), Qt::NoModifier, 480, Inside, Handled);
    EXPECT_EQ(Window->CPG->Scroll_Pos(), 3 * Step);

    const QPoint Title = Window->P_Title->mapToGlobal(QPoint(50, 20));
    Window->FormMouseWheel(Window.get(), Qt::NoModifier, -120, Title, Handled);
    EXPECT_FALSE(Handled);
    EXPECT_EQ(Window->CPG->Scroll_Pos(), 3 * Step);

    for (int Lines : {0, -1}) {
        Set_Wheel_Scroll_Lines(Lines);
        Window->FormMouseWheel(Window.get(), Qt::NoModifier, -120, Inside, Handled);
        EXPECT_TRUE(Handled);
        EXPECT_EQ(Window->CPG->Scroll_Pos(), 3 * Step);
    }

    // A real wheel event over a list in a panel scrolls the group, not the list.
    Set_Wheel_Scroll_Lines(1);
    QComboBox *Baud = Window->CB_ModbusSlave_Baudrate;
    const QPoint Local(5, 5);
    QWheelEvent Ev(QPointF(Local), QPointF(Baud->mapToGlobal(Local)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Baud, &Ev);
    EXPECT_EQ(Baud->currentIndex(), 7);
    EXPECT_EQ(Window->CPG->Scroll_Pos(), 4 * Step);
    Clear_Wheel_Scroll_Lines();
}

TEST_F(ParGenWindowTest, WidthSnapsBackTo460)
{
    Show();
    Window->resize(700, 500);
    Window->FormResize();
    EXPECT_EQ(Window->width(), TFParGen::Client_Width);
    EXPECT_EQ(Window->height(), 500);
    EXPECT_EQ(Window->CPG->geometry(), QRect(0, 69, 460, 500 - 69 - 40));
    EXPECT_EQ(Window->Btn_OK->geometry(), QRect(219, 6, 110, 28));
    EXPECT_EQ(Window->Btn_Cancel->geometry(), QRect(335, 6, 110, 28));
}

// ---- Texts -------------------------------------------------------------------------

// Captions and hints follow a language switch; the numbered panel titles keep
// the language of the start.
TEST_F(ParGenWindowTest, LanguageSwitchKeepsPanelTitles)
{
    EXPECT_EQ(Window->windowTitle(), "Set Communication");
    EXPECT_EQ(Window->CP_Modbus_Slave->Caption(), "1. Modbus Slave");
    EXPECT_EQ(Window->CP_Ethernet->Caption(), "2. Ethernet");
    EXPECT_EQ(Window->L_SW_Code->text(), "CFTK410");
    EXPECT_EQ(Window->Btn_OK->Caption(), "OK");
    EXPECT_EQ(Window->Find<QLabel>("L_ModbusSlave_Baudrate")->text(), "Baudrate");
    EXPECT_EQ(Window->CB_ModbusSlave_Baudrate->toolTip(), "Select Baudrate to use in serial");
    EXPECT_EQ(Window->E_Ethernet_DNS[3]->toolTip(), "Insert Fourth byte of DNS");
    EXPECT_EQ(Window->Control("E_BACnet_IP_Slave_GAT2")->toolTip(), "Insert Second byte of Default Gateway");
    EXPECT_EQ(Window->CB_ModbusSlave_ReadInput->text(), "Read with Input Register / Status Function");

    Load_Language_Text("STR425 =Esclavo Modbus\nSTR428 =Velocidad\nSTR429 =Velocidad serie\n");
    Window->Set_Lang();
    EXPECT_EQ(Window->Find<QLabel>("L_ModbusSlave_Baudrate")->text(), "Velocidad");
    EXPECT_EQ(Window->CB_ModbusSlave_Baudrate->toolTip(), "Velocidad serie");
    EXPECT_EQ(Window->CP_Modbus_Slave->Caption(), "1. Modbus Slave");
}

// Every saved-parameter text and every check message has a built-in English text.
TEST_F(ParGenWindowTest, BuiltInTextsOfTheBlock)
{
    const struct
    {
        int N;
        const char *Text;
    } Cases[] = {
        {400, "Set Communication"},
        {405, "Exit and Discard the current configuration"},
        {438, "MQTT "},
        {525, "Error Modbus Slave!! Two Stop Bits can be selected only with None Parity"},
        {535, "Error Ethernet!! GATEWAY IP 1 must be between 0 and 255"},
        {542, "Error Ethernet!! DNS 4 must be between 0 and 255"},
        {582, "Select Stop Bits to use in serial, the two stop bits can used only with None Parity"},
        {759, "Insert the Number Bytes in Output from the Converter, between 0 and 244"},
    };
    for (const auto &C : Cases) {
        SCOPED_TRACE(C.N);
        EXPECT_EQ(Lang_Text(C.N), QString::fromUtf8(C.Text));
    }
    EXPECT_FALSE(Lang_Text(763).trimmed().isEmpty());
}

// Every caption and hint that the window sets, on all seventeen panels, has
// a built-in English text: no control of any model shows an empty caption or
// hint. (The range messages of the other models' parameters, 512-524,
// 543-545, 730-750 and 760-762, belong to no control and no check here.)
TEST_F(ParGenWindowTest, EveryCaptionAndHintHasABuiltInText)
{
    EXPECT_FALSE(Window->windowTitle().trimmed().isEmpty());
    EXPECT_FALSE(Window->L_SW_Desc->text().trimmed().isEmpty());
    for (const TFxButton *B : {Window->Btn_OK, Window->Btn_Cancel}) {
        EXPECT_FALSE(B->Caption().trimmed().isEmpty());
        EXPECT_FALSE(B->toolTip().trimmed().isEmpty());
        // The configurators' button look; no modal result of its own.
        EXPECT_EQ(B->Color(), static_cast<TColor>(0xEDF7F8));
        EXPECT_EQ(B->LightColor(), clGray);
        EXPECT_EQ(B->HotTrackColor(), clYellow);
        EXPECT_EQ(B->ColorWhenDown(), RGB_Color(255, 128, 0));
        EXPECT_FALSE(B->Glyph().isNull());
        EXPECT_EQ(B->ModalResult(), 0);
    }
    int Labels = 0, Checks = 0, Fields = 0;
    for (const QString &Name : Window->Control_Names()) {
        SCOPED_TRACE(Name.toStdString());
        QWidget *W = Window->Control(Name);
        if (auto *L = qobject_cast<QLabel *>(W)) {
            if (Name.startsWith(QLatin1String("L_Dot_"))) {
                EXPECT_EQ(L->text(), ".");
                continue;
            }
            EXPECT_FALSE(L->text().trimmed().isEmpty());
            ++Labels;
        } else if (auto *C = qobject_cast<QCheckBox *>(W)) {
            EXPECT_FALSE(C->text().trimmed().isEmpty());
            EXPECT_FALSE(C->toolTip().trimmed().isEmpty());
            ++Checks;
        } else {
            EXPECT_FALSE(W->toolTip().trimmed().isEmpty());
            ++Fields;
        }
    }
    // Every panel's rows were visited, not only the two this build shows.
    EXPECT_GT(Labels, 80);
    EXPECT_EQ(Checks, 18);
    EXPECT_GT(Fields, 150);
    for (TCategoryPanel *P : Window->CPG->Panels()) {
        EXPECT_FALSE(P->Caption().trimmed().isEmpty()) << P->objectName().toStdString();
    }
}

// ---- Panels and layouts -----------------------------------------------------------

struct TStacked
{
    const char *Panel;
    const char *Title;
    int Top;
    int Height;
};

void Expect_Stack(const TFParGen &W, const std::vector<TStacked> &Expected)
{
    const QList<TCategoryPanel *> S = W.CPG->Stacked_Panels();
    ASSERT_EQ(S.size(), static_cast<int>(Expected.size()));
    for (int I = 0; I < S.size(); ++I) {
        SCOPED_TRACE(Expected[I].Panel);
        EXPECT_EQ(S[I]->objectName(), QLatin1String(Expected[I].Panel));
        EXPECT_EQ(S[I]->Caption(), QString::fromUtf8(Expected[I].Title));
        EXPECT_EQ(S[I]->Position(), Expected[I].Top);
        EXPECT_EQ(S[I]->Panel_Height(), Expected[I].Height);
        EXPECT_EQ(S[I]->Tab_Order(), I);
        EXPECT_EQ(S[I]->geometry().top(), Expected[I].Top);
        EXPECT_FALSE(S[I]->isHidden());
    }
    for (TCategoryPanel *P : W.CPG->Panels()) {
        if (!S.contains(P)) {
            EXPECT_TRUE(P->isHidden()) << P->objectName().toStdString();
        }
    }
}

// This build: Modbus Slave (205 high) above Ethernet (151 high); the TCP and
// UDP port rows hidden; every other panel hidden.
TEST_F(ParGenWindowTest, Tk410PanelsAndHeights)
{
    EXPECT_EQ(Window->CPG->Panels().size(), 17);
    EXPECT_EQ(Window->CPG->Header_Height(), 24);
    Expect_Stack(*Window, {{"CP_Modbus_Slave", "1. Modbus Slave", 0, 205}, {"CP_Ethernet", "2. Ethernet", 205, 151}});
    for (const char *N : {"L_Ethernet_TCP_Port", "E_Ethernet_TCP_Port", "L_Ethernet_UDP_Port", "E_Ethernet_UDP_Port"})
        EXPECT_TRUE(Window->Control(N)->isHidden()) << N;
    EXPECT_EQ(Window->E_Ethernet_IP[0]->geometry(), QRect(191, 9, 55, 21));
    EXPECT_EQ(Window->E_Ethernet_IP[3]->geometry(), QRect(374, 9, 55, 21));
    EXPECT_EQ(Window->Control("L_Dot_Ethernet_IP2")->x(), 308);
    EXPECT_EQ(Window->CB_ModbusSlave_Baudrate->geometry(), QRect(191, 37, 238, 22));
    EXPECT_EQ(Window->CB_ModbusSlave_ReadInput->geometry(), QRect(14, 152, 415, 17));
    EXPECT_EQ(Window->CB_ModbusSlave_Baudrate->count(), 8);
    EXPECT_EQ(Window->CB_ModbusSlave_Baudrate->itemText(7), "115200");

    // Collapsing a panel closes the stack up under its header.
    Window->CP_Modbus_Slave->Collapse();
    EXPECT_EQ(Window->CP_Ethernet->Position(), 24);
    EXPECT_EQ(Window->CP_Modbus_Slave->Panel_Height(), 205);
    Window->CP_Modbus_Slave->Expand();
    EXPECT_EQ(Window->CP_Ethernet->Position(), 205);

    // Touching the other models' controls changes nothing but the flag.
    Window->Find<QComboBox>("CB_BACnet_Slave_Type")->setCurrentIndex(1);
    Window->Find<QCheckBox>("CB_TLS_Enable")->setChecked(true);
    EXPECT_TRUE(Window->Is_Change);
    Expect_Stack(*Window, {{"CP_Modbus_Slave", "1. Modbus Slave", 0, 205}, {"CP_Ethernet", "2. Ethernet", 205, 151}});
}

// The other models' panel orders and layouts, called on a fresh window each.
TEST_F(ParGenWindowTest, OtherModelsPanelOrdersAndLayouts)
{
    struct TCase
    {
        const char *Model;
        void (TFParGen::*Order)();
        void (TFParGen::*Layout)();
        std::vector<TStacked> Stack;
        std::vector<const char *> Shown;  // controls shown by the layout
        std::vector<const char *> Hidden; // controls hidden by the layout
    };
    const TCase Cases[] = {
        {"TK420", &TFParGen::Order_TAB_Panels_TK420, &TFParGen::RePosition_Objects_TK420,
         {{"CP_Modbus_TCP_Slave", "1. Modbus TCP Slave", 0, 150}},
         {"E_ModbusTCPSlave_Port", "E_ModbusTCPSlave_GAT4"},
         {}},
        // BACnet/IP: the Ethernet panel stays hidden
        {"TK430", &TFParGen::Order_TAB_Panels_TK430, &TFParGen::RePosition_Objects_TK430,
         {{"CP_BACnet_Slave", "1. BACnet Slave", 0, 261}},
         {"E_BACnet_IP_Slave_IP1", "L_Dot_BACnet_IP_Slave_GAT3", "E_BACnet_IP_Slave_Device_Identifier"},
         {"CB_BACnet_MSTP_Slave_Baudrate", "E_BACnet_MSTP_Slave_Network", "L_BACnet_MSTP_Slave_Parity"}},
        {"TK440", &TFParGen::Order_TAB_Panels_TK440, &TFParGen::RePosition_Objects_TK440,
         {{"CP_MQTT", "1. MQTT ", 0, 264},
          {"CP_Ethernet", "2. Ethernet", 264, 151},
          {"CP_TLS", "3. TLS (Transport Layer Security)", 415, 65},
          {"CP_NTP", "4. NTP (Network Time Protocol)", 480, 94}},
         {"E_MQTT_Password", "CB_TLS_Enable", "E_NTP_Poll_Time"},
         {"E_MQTT_ASync_Send_Time", "L_MQTT_ASync_Send_Time", "E_MQTT_Will_TopicName", "CB_MQTT_Will_QoS",
          "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth", "E_TLS_Client_Cert_Key_Pass", "E_Ethernet_TCP_Port"}},
        {"TK450", &TFParGen::Order_TAB_Panels_TK450, &TFParGen::RePosition_Objects_TK450,
         {{"CP_PROFIBUS", "1. PROFIBUS", 0, 150}, {"CP_Ethernet", "2. Ethernet", 150, 151}},
         {"E_PROFIBUS_NByte_Out"},
         {"E_Ethernet_UDP_Port"}},
        {"TK460", &TFParGen::Order_TAB_Panels_TK460, &TFParGen::RePosition_Objects_TK460,
         {{"CP_PROFINET", "1. PROFINET", 0, 262}},
         {"E_PROFINET_Diagnostic", "E_PROFINET_GAT1"},
         {}},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Model);
        TFParGen W;
        W.Hide_All_Panels();
        (W.*C.Order)();
        (W.*C.Layout)();
        Expect_Stack(W, C.Stack);
        for (const char *N : C.Shown)
            EXPECT_FALSE(W.Control(N)->isHidden()) << N;
        for (const char *N : C.Hidden)
            EXPECT_TRUE(W.Control(N)->isHidden()) << N;
    }
}

// TK430: MS/TP shows the Ethernet panel and closes its rows up under the type.
TEST_F(ParGenWindowTest, Tk430BacnetTypeSwitch)
{
    TFParGen W;
    W.Hide_All_Panels();
    W.Order_TAB_Panels_TK430();
    W.RePosition_Objects_TK430();
    auto *Type = W.Find<QComboBox>("CB_BACnet_Slave_Type");
    Type->setCurrentIndex(1);
    W.RePosition_Objects_TK430();
    Expect_Stack(W, {{"CP_BACnet_Slave", "1. BACnet Slave", 0, 317}, {"CP_Ethernet", "2. Ethernet", 317, 151}});
    const char *Labels[] = {"L_BACnet_MSTP_Slave_Baudrate", "L_BACnet_MSTP_Slave_Parity",
                            "L_BACnet_MSTP_Slave_Device_Name", "L_BACnet_MSTP_Slave_MAC_Address",
                            "L_BACnet_MSTP_Slave_Max_Master", "L_BACnet_MSTP_Slave_Max_Info_Frame",
                            "L_BACnet_MSTP_Slave_Device_Instance", "L_BACnet_MSTP_Slave_Network"};
    for (int K = 0; K < 8; ++K) {
        SCOPED_TRACE(Labels[K]);
        EXPECT_EQ(W.Control(Labels[K])->y(), 40 + 28 * K);
        EXPECT_FALSE(W.Control(Labels[K])->isHidden());
    }
    EXPECT_EQ(W.Control("E_BACnet_MSTP_Slave_Network")->y(), 37 + 28 * 7);
    EXPECT_EQ(W.Control("CB_BACnet_Slave_Desc_32_Chars")->y(), 264);
    EXPECT_TRUE(W.Control("E_BACnet_IP_Slave_IP1")->isHidden());
    EXPECT_TRUE(W.Control("L_Dot_BACnet_IP_Slave_IP1")->isHidden());

    Type->setCurrentIndex(0);
    W.RePosition_Objects_TK430();
    Expect_Stack(W, {{"CP_BACnet_Slave", "1. BACnet Slave", 0, 261}});
    EXPECT_EQ(W.Control("CB_BACnet_Slave_Desc_32_Chars")->y(), 208);
}

// TK440: the will rows and the TLS rows follow their check boxes.
TEST_F(ParGenWindowTest, Tk440MqttAndTlsRows)
{
    struct TCase
    {
        const char *Name;
        bool Will, Tls, Server, Client;
        int Mqtt_Height, Tls_Height;
        int Username_Top, Client_Auth_Top;
    };
    const TCase Cases[] = {
        {"AllOff", false, false, false, false, 264, 65, 180, -1},
        {"WillOn", true, false, false, false, 376, 65, 292, -1},
        {"TlsOnlyAuthBoxes", false, true, false, false, 264, 121, 180, 68},
        {"TlsServer", false, true, true, false, 264, 146, 180, 93},
        {"TlsClient", false, true, false, true, 264, 206, 180, 68},
        {"TlsBoth", false, true, true, true, 264, 231, 180, 93},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        TFParGen W;
        W.Hide_All_Panels();
        W.Order_TAB_Panels_TK440();
        W.Find<QCheckBox>("CB_MQTT_WillFlag")->setChecked(C.Will);
        W.Find<QCheckBox>("CB_TLS_Enable")->setChecked(C.Tls);
        W.Find<QCheckBox>("CB_TLS_En_Server_Auth")->setChecked(C.Server);
        W.Find<QCheckBox>("CB_TLS_En_Client_Auth")->setChecked(C.Client);
        W.RePosition_Objects_TK440();
        EXPECT_EQ(W.CP_MQTT->Panel_Height(), C.Mqtt_Height);
        EXPECT_EQ(W.CP_TLS->Panel_Height(), C.Tls_Height);
        EXPECT_EQ(W.Control("L_MQTT_Username")->y(), C.Username_Top);
        EXPECT_EQ(W.Control("E_MQTT_Username")->y(), C.Username_Top - 3);
        EXPECT_EQ(W.Control("E_MQTT_Will_Message")->isHidden(), !C.Will);
        EXPECT_TRUE(W.Control("E_MQTT_ASync_Send_Time")->isHidden());
        EXPECT_EQ(W.Control("E_TLS_Server_Cert")->isHidden(), !(C.Tls && C.Server));
        EXPECT_EQ(W.Control("E_TLS_Client_Cert_Key")->isHidden(), !(C.Tls && C.Client));
        if (C.Client_Auth_Top >= 0) {
            EXPECT_EQ(W.Control("CB_TLS_En_Client_Auth")->y(), C.Client_Auth_Top);
        }
        EXPECT_EQ(W.CP_TLS->Position(), W.CP_Ethernet->Position() + 151);
    }
}

// The panels no model shows keep their form captions; their controls exist
// with texts and design values.
TEST_F(ParGenWindowTest, UnshownPanelsCarryTheirControls)
{
    EXPECT_EQ(Window->CP_CANopen->Caption(), "CANopen");
    EXPECT_EQ(Window->CP_Serial->Caption(), "Serial");
    auto *CanOpen = Window->Find<QComboBox>("CB_CANopen_Baudrate");
    EXPECT_EQ(CanOpen->count(), 10);
    EXPECT_EQ(CanOpen->currentIndex(), 8);
    EXPECT_EQ(CanOpen->itemText(9), "");
    EXPECT_EQ(Window->Control("E_CANopen_NetOpe_Delay")->geometry(), QRect(313, 65 + 28, 116, 21));
    EXPECT_EQ(Window->Control("E_CANopen_SDO_Timeout")->geometry().left(), 252);
    EXPECT_FALSE(Window->Control("CB_PROFIBUS_Baudrate")->isEnabled());
    EXPECT_EQ(Window->Find<QLineEdit>("E_PROFINET_IP4")->text(), "5");
    EXPECT_EQ(Window->Find<QLineEdit>("E_ModbusTCPSlave_Port")->text(), "502");
    auto *Name = Window->Find<QLineEdit>("E_PROFINET_NameStation");
    Name->setText("Station-NAME-That-Is-Too-Long");
    EXPECT_EQ(Name->text(), "station-name-th");
    EXPECT_EQ(Window->Find<QCheckBox>("CB_CANopen_NetOpe")->text(), "Network Start at Start-up. Delay (seconds)");
    EXPECT_EQ(Window->Control("E_BACnet_MSTP_Master_Max_Master")->toolTip(),
              "Insert the BACnet Max Master, between 1 and 127");
}

// ---- Screenshot ---------------------------------------------------------------------

TEST_F(ParGenWindowTest, Screenshot)
{
    Show();
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(Window.get(), "pargen_editor")), Window.get());
    Window->CP_Modbus_Slave->Collapse();
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(Window.get(), "pargen_editor_collapsed")), Window.get());

    // Another model's layout on the same window: TK440 with every option on.
    TFParGen W;
    W.Hide_All_Panels();
    W.Order_TAB_Panels_TK440();
    for (const char *N : {"CB_MQTT_WillFlag", "CB_TLS_Enable", "CB_TLS_En_Server_Auth", "CB_TLS_En_Client_Auth"})
        W.Find<QCheckBox>(QLatin1String(N))->setChecked(true);
    W.RePosition_Objects_TK440();
    W.resize(TFParGen::Client_Width, 1100);
    W.show();
    QApplication::processEvents();
    Expect_Window_Picture(QImage(Save_Screenshot(&W, "pargen_editor_tk440")), &W);
}

} // namespace
