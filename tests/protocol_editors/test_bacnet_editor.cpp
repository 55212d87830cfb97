#include "EditorTestSupport.h"
#include "TestSupport.h"
#include "grid/columngrid/VIdiDidireDedu.h"
#include "grid/stringgrid/GridEditorControls.h"
#include "protocols/BACnet_Slave_File.h"
#include "protocols/Table_Checks.h"
#include "protocols/UBACnet_Eng_Unit.h"
#include "protocols/UBACnet_Slave.h"
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

using F = TBACnet_Slave_File;

class BACnetEditorTest : public EditorTest
{
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        Chooser = std::make_unique<TFBACnet_Eng_Unit>();
        Editor = std::make_unique<TFBACnetSlaveSetAccess>(nullptr, Chooser.get());
    }
    void TearDown() override
    {
        Editor.reset();
        Chooser.reset();
        EditorTest::TearDown();
    }
    void Show()
    {
        Editor->hide();
        Editor->show();
        QApplication::processEvents();
    }
    QByteArray Write_Sample_File(bool Desc_Lenght = false)
    {
        F File(Desc_Lenght);
        File.FRead.Clear();
        File.FWrite.Clear();
        const char *Read[][F::Cols] = {
            {"", "Analog Input", "62", "0", "", "2", "Y", "Temp room"},
            {"", "Binary Input", "95", "4", "3", "", "N", ""},
        };
        const char *Write[][F::Cols] = {
            {"", "Analog Out", "98", "10", "", "4", "N", "Valve"},
        };
        for (int C = 1; C < F::Cols; ++C) {
            for (int R = 0; R < 2; ++R)
                File.FRead.Set_Cell(C, R + 1, QString::fromLatin1(Read[R][C]));
            File.FWrite.Set_Cell(C, 1, QString::fromLatin1(Write[0][C]));
        }
        EXPECT_TRUE(File.Save(File_BACnet_Slave));
        return Read_File(File_BACnet_Slave);
    }
    std::unique_ptr<TFBACnet_Eng_Unit> Chooser;
    std::unique_ptr<TFBACnetSlaveSetAccess> Editor;
};

// Showing loads both tables (the hidden Swap column too) at the size the
// parameter file allows; OK without edits writes the same file again.
TEST_F(BACnetEditorTest, LoadAndSaveRoundTrip)
{
    struct TCase
    {
        const char *Name;
        const char *ParGen; // nullptr: no file
        int Rows;
    };
    const TCase Cases[] = {
        {"NoParameterFile", nullptr, 2001},
        {"LongDescriptions", "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>", 1001},
        {"ShortDescriptions", "<Par_Gen><BACnet_Desc_Chars_Limit>0</BACnet_Desc_Chars_Limit></Par_Gen>", 2001},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QFile::remove(File_ParGen);
        if (C.ParGen)
            Write_File(File_ParGen, C.ParGen);
        const QByteArray Written = Write_Sample_File(C.Rows == 1001);
        Show();
        TTable_Grid *Read = Editor->CG_BACnet_in_Read;
        EXPECT_EQ(Read->RowCount(), C.Rows);
        // built as a form is loaded: the grids have their minimum sizes
        EXPECT_EQ(Read->MinColWidth(), 10);
        EXPECT_EQ(Editor->CG_BACnet_in_Write->MinColWidth(), 10);
        EXPECT_EQ(Editor->CG_BACnet_in_Write->RowCount(), C.Rows);
        EXPECT_EQ(Editor->Desc_Lenght, C.Rows == 1001);
        EXPECT_EQ(Hidden_Columns(Read), QSet<int>({F::bcSwap}));
        EXPECT_EQ(Read->GetCellEx(F::bcSwap, 1), QStringLiteral("Y"));
        EXPECT_EQ(Read->GetCellEx(F::bcMnemonic, 1), QStringLiteral("Temp room"));
        EXPECT_EQ(Editor->CG_BACnet_in_Write->GetCellEx(F::bcEngUnit, 1), QStringLiteral("98"));
        EXPECT_EQ(Read->GetCellEx(0, C.Rows - 1), QString::number(C.Rows - 1));
        QFile::remove(File_BACnet_Slave);
        Editor->bitbtn1Click();
        EXPECT_EQ(Editor->result(), QDialog::Accepted);
        EXPECT_EQ(Read_File(File_BACnet_Slave), Written);
    }
    EXPECT_TRUE(Box_Texts().isEmpty());
    Show();
    Expect_Window_Picture(QImage(Save_Screenshot(Editor.get(), QStringLiteral("bacnet_editor_read"))), Editor.get());
}

// The drop-downs: the table's data types, positions 0 to 1499, bits 0 to 7.
TEST_F(BACnetEditorTest, DropDownItems)
{
    Show();
    const QStringList Positions = Column_Items(Editor->CG_BACnet_in_Read, F::bcPosition);
    ASSERT_EQ(Positions.size(), 1500);
    EXPECT_EQ(Positions.first(), QStringLiteral("0"));
    EXPECT_EQ(Positions.last(), QStringLiteral("1499"));
    EXPECT_EQ(Column_Items(Editor->CG_BACnet_in_Write, F::bcPosition).size(), 1500);
    EXPECT_EQ(Column_Items(Editor->CG_BACnet_in_Read, F::bcDataType).value(12), QStringLiteral("Accumulator"));
    EXPECT_EQ(Column_Items(Editor->CG_BACnet_in_Write, F::bcDataType).value(7), QStringLiteral("Multi State Output"));
    EXPECT_EQ(Column_Items(Editor->CG_BACnet_in_Read, F::bcBit).size(), 8);
    EXPECT_EQ(Column_Editor(Editor->CG_BACnet_in_Read, F::bcSwap), edDataCheckBox);
}

// A failing check names its row (the object limit names none), writes nothing.
TEST_F(BACnetEditorTest, OKRefusesAtTheFailingRow)
{
    struct TCase
    {
        const char *Name;
        bool Write;
        int Col, Row;
        const char *Text;
        const char *Message;
    };
    const TCase Cases[] = {
        {"ReadPosition", false, F::bcPosition, 2, "1500", "Error row 2!! [BACnet in Read] Position must be between 0 and 1499"},
        {"ReadLastByte", false, F::bcPosition, 1, "1499",
         "Error row 1!! [BACnet in Read] Too many bytes to save starting from the Position indicate"},
        {"WriteLength", true, F::bcLength, 1, "5",
         "Error row 1!! [BACnet in Write] Length with variable \"Analog Out\" must be between 1 and 4"},
        {"WriteUnit", true, F::bcEngUnit, 1, "x", "Error row 1!! [BACnet in Write] Eng. Unit must be between 0 and 65535"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        const QByteArray Written = Write_Sample_File();
        Boxes.Shown.clear();
        Show();
        (C.Write ? Editor->CG_BACnet_in_Write : Editor->CG_BACnet_in_Read)
            ->SetCellEx(C.Col, C.Row, QString::fromLatin1(C.Text));
        Editor->setResult(0);
        Editor->bitbtn1Click();
        EXPECT_EQ(Box_Texts(), QStringList{QString::fromLatin1(C.Message)});
        EXPECT_EQ(Editor->result(), 0);
        EXPECT_EQ(Read_File(File_BACnet_Slave), Written);
    }
    // 1001 objects where long descriptions allow 1000.
    Write_File(File_ParGen, "<Par_Gen><BACnet_Desc_Chars_Limit>1</BACnet_Desc_Chars_Limit></Par_Gen>");
    Show();
    Boxes.Shown.clear();
    for (int R = 1; R <= 1000; ++R)
        for (TTable_Grid *G : {Editor->CG_BACnet_in_Read, Editor->CG_BACnet_in_Write}) {
            if (G == Editor->CG_BACnet_in_Write && R > 1)
                break;
            G->SetCellEx(F::bcDataType, R, QStringLiteral("Binary Value"));
            G->SetCellEx(F::bcEngUnit, R, QStringLiteral("95"));
            G->SetCellEx(F::bcPosition, R, QStringLiteral("0"));
            G->SetCellEx(F::bcBit, R, QStringLiteral("1"));
        }
    Editor->bitbtn1Click();
    EXPECT_EQ(Box_Texts(), QStringList{QStringLiteral("Error!! Too many Requests. Max requests 1000")});
}

// A double click on an Eng. Unit cell opens the chooser on its code: OK takes
// the chooser's code, Cancel nothing; the header never opens it.
TEST_F(BACnetEditorTest, UnitChooser)
{
    Write_Sample_File();
    Show();
    TTable_Grid *Read = Editor->CG_BACnet_in_Read;
    struct TCase
    {
        const char *Name;
        bool OK;
        int Category, Unit; // -1: type into the edit instead
        const char *Typed;
        const char *Cell;
    };
    const TCase Cases[] = {
        {"SelectAndOK", true, 22, 29, "", "207"},
        {"SelectAndCancel", false, 3, 0, "", "207"},
        {"TypedCodeTakenUnchecked", true, -1, -1, "999", "999"},
    };
    bool Shot = false;
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        QString Shown_Code, Shown_Name;
        While_Modal(
            [&] {
                Shown_Code = Chooser->E_Selected_EU->text();
                Shown_Name = Chooser->Label5->text();
                if (C.Category >= 0) {
                    Chooser->CB_Select_Type->setCurrentIndex(C.Category);
                    Chooser->CB_Select_TypeSelect();
                    Chooser->CB_Select_Unit->setCurrentIndex(C.Unit);
                    Chooser->Btn_Select_Eng_UnitClick();
                } else {
                    Chooser->E_Selected_EU->setText(QString::fromLatin1(C.Typed));
                }
                if (!Shot) {
                    Expect_Window_Picture(QImage(Save_Screenshot(Chooser.get(), QStringLiteral("bacnet_unit_chooser"))),
                                          Chooser.get());
                    Shot = true;
                }
                Click_Button(C.OK ? Chooser->Btn_OK : Chooser->Btn_Cancel);
            },
            [&] { Editor->CG_BACnet_in_ReadDblClickCell(Read, 1, F::bcEngUnit); });
        if (QLatin1String(C.Name) == QLatin1String("SelectAndOK")) {
            EXPECT_EQ(Shown_Code, QStringLiteral("62"));
            EXPECT_EQ(Shown_Name, QStringLiteral("-> degrees-Celsius"));
        }
        EXPECT_EQ(Read->GetCellEx(F::bcEngUnit, 1), QString::fromLatin1(C.Cell));
    }
    // The header: sizes with the option on, never opens the chooser (a modal
    // loop would never end here).
    Double_Click_Auto_Size = true;
    Read->Set_ColWidths(F::bcEngUnit, 300);
    Editor->CG_BACnet_in_ReadDblClickCell(Read, 0, F::bcEngUnit);
    EXPECT_LT(Read->ColWidths(F::bcEngUnit), 300);
    EXPECT_FALSE(Chooser->isVisible());
    Double_Click_Auto_Size = false;
    Read->Set_ColWidths(F::bcEngUnit, 300);
    Editor->CG_BACnet_in_ReadDblClickCell(Read, 0, F::bcEngUnit);
    EXPECT_EQ(Read->ColWidths(F::bcEngUnit), 300);
}

// Double clicks with the mouse: on an Eng. Unit data cell the chooser opens,
// on its header the column is sized and no chooser opens.
TEST_F(BACnetEditorTest, DoubleClickWithTheMouse)
{
    Write_Sample_File();
    Show();
    TTable_Grid *Read = Editor->CG_BACnet_in_Read;
    const auto Centre = [Read](int Col, int Row) {
        const TRect R = Read->CellRect(Col, Row);
        return QPoint((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
    };
    bool Opened = false;
    QTimer::singleShot(0, Chooser.get(), [&] {
        Opened = Chooser->isVisible();
        Chooser->E_Selected_EU->setText(QStringLiteral("5"));
        Click_Button(Chooser->Btn_OK);
    });
    QTest::mouseClick(Read->viewport(), Qt::LeftButton, {}, Centre(F::bcEngUnit, 2));
    QTest::mouseDClick(Read->viewport(), Qt::LeftButton, {}, Centre(F::bcEngUnit, 2));
    EXPECT_TRUE(Opened);
    EXPECT_EQ(Read->GetCellEx(F::bcEngUnit, 2), QStringLiteral("5"));

    Double_Click_Auto_Size = true;
    Read->Set_ColWidths(F::bcEngUnit, 300);
    Opened = false;
    QTest::mouseDClick(Read->viewport(), Qt::LeftButton, {}, Centre(F::bcEngUnit, 0));
    QApplication::processEvents();
    EXPECT_LT(Read->ColWidths(F::bcEngUnit), 300);
    EXPECT_FALSE(Chooser->isVisible());
    EXPECT_EQ(Read->GetCellEx(F::bcEngUnit, 0), QStringLiteral("Eng. Unit"));
}

// Choosing a write data type fills its usual length; the read grid has no such rule.
TEST_F(BACnetEditorTest, WriteLengthDefaultsByDataType)
{
    Show();
    TTable_Grid *Write = Editor->CG_BACnet_in_Write;
    for (const QString &Type : BACnet_Write_Data_Types()) {
        SCOPED_TRACE(Type.toStdString());
        Write->SetCellEx(F::bcLength, 3, QStringLiteral("x"));
        Editor->CG_BACnet_in_WriteComboChange(Write, F::bcDataType, 3, 0, Type);
        const QString Expected = Type == QLatin1String("Large Analog Value") ? QStringLiteral("8")
                                 : Type.startsWith(QLatin1String("Binary")) || Type == QLatin1String("Access Door")
                                     ? QStringLiteral("1")
                                     : QStringLiteral("4");
        EXPECT_EQ(Write->GetCellEx(F::bcLength, 3), Expected);
    }
    // Another column's change leaves Length alone.
    Editor->CG_BACnet_in_WriteComboChange(Write, F::bcBit, 3, 0, QStringLiteral("Analog Out"));
    EXPECT_EQ(Write->GetCellEx(F::bcLength, 3), QStringLiteral("1"));
}

// The data type chosen in the write grid's drop-down fills the Length.
TEST_F(BACnetEditorTest, WriteDropDownChoiceFillsLength)
{
    Show();
    Editor->PageControl1->setCurrentIndex(1);
    TTable_Grid *Write = Editor->CG_BACnet_in_Write;
    Write->setFocus();
    Write->Set_Col(F::bcDataType);
    Write->Set_Row(2);
    Write->ShowInplaceEdit();
    auto *Combo = Write->findChild<TGridCombo *>();
    ASSERT_NE(Combo, nullptr);
    ASSERT_TRUE(Combo->isVisible());
    EXPECT_EQ(Combo->count(), 10);
    Combo->setCurrentIndex(Combo->findText(QStringLiteral("Large Analog Value")));
    EXPECT_EQ(Write->GetCellEx(F::bcLength, 2), QStringLiteral("8"));
    Combo->setCurrentIndex(Combo->findText(QStringLiteral("Binary Out")));
    EXPECT_EQ(Write->GetCellEx(F::bcLength, 2), QStringLiteral("1"));
    Write->HideInplaceEdit();
    EXPECT_EQ(Write->GetCellEx(F::bcDataType, 2), QStringLiteral("Binary Out"));
}

// The row buttons act on the grid of the page shown: a copy pastes only into
// the grid it came from; inserting asks before the last row's object drops out.
TEST_F(BACnetEditorTest, RowButtonsOnTheActivePage)
{
    Write_Sample_File();
    Show();
    TTable_Grid *Read = Editor->CG_BACnet_in_Read;
    TTable_Grid *Write = Editor->CG_BACnet_in_Write;
    Read->Set_Row(1);
    Editor->Btn_CopyRowClick();
    EXPECT_TRUE(Editor->Do_Copy_Read);
    Editor->PageControl1->setCurrentIndex(1);
    Write->Set_Row(4);
    Editor->Btn_PasteRowClick();
    EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1702)});
    EXPECT_EQ(Write->GetCellEx(F::bcDataType, 4), QString());

    Boxes.Shown.clear();
    Write->Set_Row(1);
    Editor->Btn_CopyRowClick();
    EXPECT_FALSE(Editor->Do_Copy_Read);
    Write->Set_Row(4);
    Editor->Btn_PasteRowClick();
    EXPECT_TRUE(Box_Texts().isEmpty());
    EXPECT_EQ(Write->GetCellEx(F::bcMnemonic, 4), QStringLiteral("Valve"));

    // The last row in use: No keeps every row where it is, Yes inserts.
    Write->SetCellEx(F::bcDataType, 2000, QStringLiteral("Analog Out"));
    Write->Set_Row(1);
    Boxes.Answers = {TMsgResult::mrNo};
    Editor->Btn_InsRowClick();
    EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1710)});
    EXPECT_EQ(Write->GetCellEx(F::bcMnemonic, 1), QStringLiteral("Valve"));
    Boxes.Answers = {TMsgResult::mrYes};
    Editor->Btn_InsRowClick();
    EXPECT_EQ(Write->GetCellEx(F::bcMnemonic, 1), QString());
    EXPECT_EQ(Write->GetCellEx(F::bcMnemonic, 2), QStringLiteral("Valve"));
    EXPECT_EQ(Write->GetCellEx(F::bcDataType, 2000), QString());
    EXPECT_EQ(Read->GetCellEx(F::bcMnemonic, 1), QStringLiteral("Temp room"));
}

// A click on a row number selects that row; texts come from block 1900.
TEST_F(BACnetEditorTest, RowClickAndTexts)
{
    Write_Sample_File();
    Show();
    TTable_Grid *Read = Editor->CG_BACnet_in_Read;
    Editor->ClickCell(Read, 2, 0);
    EXPECT_EQ(Read->Selection().Top, 2);
    EXPECT_EQ(Read->Selection().Bottom, 2);
    EXPECT_EQ(Editor->windowTitle(), QStringLiteral("BACnet Set Access"));
    EXPECT_EQ(Editor->PageControl1->tabText(1), QStringLiteral("BACnet in Write"));
    EXPECT_EQ(Read->GetCellEx(F::bcEngUnit, 0), QStringLiteral("Eng. Unit"));
    EXPECT_EQ(Editor->CG_BACnet_in_Write->GetCellEx(F::bcBit, 0), QStringLiteral("Start Bit"));
    EXPECT_EQ(Editor->Btn_OK->toolTip(), QStringLiteral("Confirm and save the SNMP Trap List"));
    // Delete on the write page asks with text 1960.
    Editor->PageControl1->setCurrentIndex(1);
    Editor->CG_BACnet_in_Write->Set_Row(1);
    Boxes.Answers = {TMsgResult::mrYes};
    Editor->Btn_DelRow_Click();
    EXPECT_EQ(Box_Texts(), QStringList{QStringLiteral("Are you sure to delete the Row number 1")});
    EXPECT_EQ(Editor->CG_BACnet_in_Write->GetCellEx(F::bcDataType, 1), QString());
    Expect_Window_Picture(QImage(Save_Screenshot(Editor.get(), QStringLiteral("bacnet_editor"))), Editor.get());
}

// A file the tables hold only in part loses the rest when replaced: OK asks
// first; No keeps the file byte for byte and the window open, Yes writes.
TEST_F(BACnetEditorTest, PartlyReadFileIsReplacedOnlyOnYes)
{
    // One read object, so a full table passes the object limit.
    F One;
    One.FRead.Clear();
    One.FWrite.Clear();
    const char *Row[F::Cols] = {"", "Analog Input", "62", "0", "", "2", "Y", "Temp room"};
    for (int C = 1; C < F::Cols; ++C)
        One.FRead.Set_Cell(C, 1, QString::fromLatin1(Row[C]));
    ASSERT_TRUE(One.Save(File_BACnet_Slave));
    for (const TPartly_Read_Case &C : Partly_Read_Cases(Read_File(File_BACnet_Slave), F::Grid_Rows(false) - 1)) {
        SCOPED_TRACE(C.Name);
        Write_File(File_BACnet_Slave, C.Content);
        Show();
        ASSERT_EQ(Boxes.Shown.size(), 1);
        EXPECT_EQ(Boxes.Shown[0].Kind, TMsgKind::mkWarning);

        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrNo};
        Editor->setResult(-1);
        Editor->bitbtn1Click();
        EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1962)});
        EXPECT_EQ(Boxes.Shown[0].Buttons, TMsgButtons::mbYesNo);
        EXPECT_EQ(Editor->result(), -1);
        EXPECT_TRUE(Editor->isVisible());
        EXPECT_EQ(Read_File(File_BACnet_Slave), C.Content);

        Boxes.Shown.clear();
        Boxes.Answers = {TMsgResult::mrYes};
        Editor->bitbtn1Click();
        EXPECT_EQ(Box_Texts(), QStringList{Lang_Text(1962)});
        EXPECT_EQ(Editor->result(), QDialog::Accepted);
        F Back;
        EXPECT_TRUE(Back.Load(File_BACnet_Slave).Complete());
        Boxes.Shown.clear();
    }
    // A file read whole is replaced without a word, also after a partly read one.
    Write_Sample_File();
    Show();
    Editor->bitbtn1Click();
    EXPECT_TRUE(Box_Texts().isEmpty());
    EXPECT_EQ(Editor->result(), QDialog::Accepted);
}

} // namespace
