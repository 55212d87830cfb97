// The nine drop-down kinds open the grid's own drop-down editors: each is
// filled from the cell, and its value goes back into the cell (or the cell's
// colour or picture) when the edit ends.
#include "dropdowns/BarButton.h"
#include "GridEditFixture.h"
#include "TestSupport.h"
#include "grid/griddropdown/GridDarAzidDropDown.h"
#include "grid/stringgrid/GridDropDownEditors.h"
#include "toolkit/ImageList.h"
#include "platform/Locale.h"

namespace {
struct TKindCase {
    const char *Name;
    TEditorType Kind;
    const char *Cell;
    // The editor's text once it is open.
    const char *Shown;
    // What the user does in the open editor (it has the focus).
    std::function<void(QWidget *E)> Act;
    // The cell's text after Enter.
    const char *Want;
};

void Retype(const QString &S)
{
    auto *E = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_TRUE(E);
    E->selectAll();
    QTest::keyClicks(E, S);
}
} // namespace

TEST_F(TGridEditFixture, DropDownKindsOpenOnTheCellAndCommitTheirValue)
{
    Register_Grid_DropDown();
    TFormatSettingsGuard Locale;
    Format_Settings().DecimalSeparator = u'.';
    // The item lists are loaded by the application right before an editor shows.
    G->OnGetEditorProp = [this](QObject *, int, int, QObject *) {
        G->DetailPickerDropDown()->Items().Items = {{QStringLiteral("Apple"), {}, -1}, {QStringLiteral("Pear"), {}, -1}};
        G->GridDropDown()->Items() = {{QStringLiteral("1"), QStringLiteral("Apple")}, {QStringLiteral("2"), QStringLiteral("Pear")}};
        G->GridDropDown()->Set_LookupColumn(1);
        G->DarAzidDropDown()->Items() = G->GridDropDown()->Items();
        G->DarAzidDropDown()->Set_LookupColumn(1);
        G->DarAzidDropDown()->Set_UseItems(true);
    };
    const TKindCase Cases[] = {
        // the track bar takes the leading whole number of the cell
        {"TrackBar", edTrackbarDropDown, "7 steps", "7",
         [](QWidget *E) { static_cast<TGridTrackbarDropDown *>(E)->SetPosition(9); }, "9"},
        // End moves the caret in a closed memo; the text follows at once
        {"Memo", edMemoDropDown, "one", "one",
         [](QWidget *) {
             QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
             QTest::keyClicks(QApplication::focusWidget(), " two");
         },
         "one two"},
        // the pending sum completes before the value is written
        {"Calculator", edCalculatorDropDown, "", "", [](QWidget *) { QTest::keyClicks(QApplication::focusWidget(), "2+3"); },
         "5.00"},
        {"TimePicker", edTimePickerDropDown, "10:30", "10:30", [](QWidget *) { Retype(QStringLiteral("11:45")); }, "11:45"},
        {"Detail", edDetailDropDown, "Pear", "Pear", [](QWidget *) { Retype(QStringLiteral("Apple")); }, "Apple"},
        {"MultiColumn", edGridDropDown, "Pear", "Pear", [](QWidget *) {}, "Pear"},
        {"Grid", edDarAzidDropDown, "Apple", "Apple", [](QWidget *) {}, "Apple"},
    };
    for (const TKindCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(2, 2, QString::fromLatin1(C.Cell));
        Go(2, 2);
        F2();
        auto *E = dynamic_cast<VOdeCustomDropDown *>(QApplication::focusWidget());
        ASSERT_TRUE(E);
        EXPECT_EQ(E, G->DropDownEditor(C.Kind));
        EXPECT_TRUE(G->EditMode());
        EXPECT_EQ(E->Text(), QString::fromLatin1(C.Shown));
        // one pixel less than the cell each way
        const TRect R = G->CellRect(2, 2);
        EXPECT_EQ(E->geometry(), QRect(R.Left, R.Top, R.Right - R.Left - 1, R.Bottom - R.Top - 1));
        C.Act(E);
        Key(Qt::Key_Return);
        EXPECT_FALSE(E->isVisible());
        EXPECT_FALSE(G->EditMode());
        EXPECT_EQ(G->Cells(2, 2), QString::fromLatin1(C.Want));
        EXPECT_TRUE(G->hasFocus());
    }
    // the lists were found by their texts (the grid list without regard to case)
    Kind(edDetailDropDown);
    Go(2, 2);
    G->Set_Cells(2, 2, QStringLiteral("Pear"));
    F2();
    EXPECT_EQ(G->DetailPickerDropDown()->ItemIndex(), 1);
    Key(Qt::Key_Escape);
    Kind(edDarAzidDropDown);
    G->Set_Cells(2, 2, QStringLiteral("pear"));
    F2();
    EXPECT_EQ(G->DarAzidDropDown()->ItemIndex(), 1);
    Key(Qt::Key_Escape);
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("pear"));
}

// The colour picker shows the cell's colour and writes the chosen one back:
// as the shape's colour in a shape cell, else as the cell's brush colour,
// with the colour's name as the cell text. The handler may change both.
TEST_F(TGridEditFixture, ColourPickerWritesTheColourAndItsName)
{
    Kind(edColorPickerDropDown);
    G->SetColors(2, 2, clRed);
    G->AddShape(3, 2, csCircle, clGreen, clBlack, haCenter, vaCenter);
    std::vector<std::string> Seen;
    G->OnColorSelected = [&](QObject *, int C, int R, TColor &Color, QString &Value) {
        Seen.push_back(std::to_string(C) + "," + std::to_string(R) + " " + Value.toStdString());
        if (C == 3)
            Color = clYellow, Value = QStringLiteral("Sun");
    };
    const TColor ShapeBrush = G->GetColors(3, 2);
    struct TCase { const char *Name; int Col; TColor Shown; TColor Pick; const char *Text; TColor Brush, Shape; };
    const TCase Cases[] = {
        {"BrushColour", 2, clRed, clBlue, "Blue", clBlue, clNone},
        {"ShapeColourByHandler", 3, clGreen, clBlue, "Sun", ShapeBrush, clYellow},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Go(C.Col, 2);
        F2();
        TGridColorDropDown *P = G->ColorPickerDropDown();
        ASSERT_TRUE(P->isVisible());
        EXPECT_EQ(P->SelectedColor(), C.Shown);
        P->SetSelectedColor(C.Pick);
        Key(Qt::Key_Return);
        EXPECT_EQ(G->Cells(C.Col, 2), QString::fromLatin1(C.Text));
        EXPECT_EQ(G->GetColors(C.Col, 2), C.Brush);
        EXPECT_EQ(G->GetShapeColor(C.Col, 2), C.Shape);
    }
    EXPECT_EQ(Seen, (std::vector<std::string>{"2,2 Blue", "3,2 Blue"}));
    // Escape drops a colour chosen meanwhile: text and colour stay
    Go(2, 2);
    F2();
    G->ColorPickerDropDown()->SetSelectedColor(clLime);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("Blue"));
    EXPECT_EQ(G->GetColors(2, 2), clBlue);
}

// The image picker shows the cell's picture and writes the chosen one back:
// an image-list cell takes it as its picture, a data-image cell as its text.
TEST_F(TGridEditFixture, ImagePickerWritesThePicture)
{
    TImageList Images;
    for (TColor C : {clRed, clGreen, clBlue}) {
        QImage I(16, 16, QImage::Format_ARGB32);
        I.fill(To_QColor(C));
        Images.Add(I);
    }
    G->Set_GridImages(&Images);
    Kind(edImagePickerDropDown);
    G->AddImageIdx(2, 2, 1, haLeft, vaTop);
    G->AddDataImage(3, 2, 0, haLeft, vaTop);
    G->Set_Cells(3, 2, QStringLiteral("0"));
    G->OnImageSelected = [](QObject *, int C, int, int &Index) {
        if (C == 3)
            Index = 1;
    };
    Go(2, 2);
    F2();
    TGridImageDropDown *P = G->ImagePickerDropDown();
    EXPECT_EQ(int(P->Items().size()), 3);
    EXPECT_EQ(P->GetImageIndex(), 1);
    P->SetImageIndex(2);
    Key(Qt::Key_Return);
    int Idx = -1;
    EXPECT_TRUE(G->GetImageIdx(2, 2, Idx));
    EXPECT_EQ(Idx, 2);
    // the data image: the handler's choice becomes the text
    Go(3, 2);
    F2();
    EXPECT_EQ(P->GetImageIndex(), 0);
    Key(Qt::Key_Return);
    EXPECT_EQ(G->Cells(3, 2), QStringLiteral("1"));
    G->Set_GridImages(nullptr);
}

// Opening: the header and footer looks of the grid, the popup at once with
// DirectComboDrop, the bars' buttons reporting the current cell, the typed
// character that started the edit, and Alt+Down opening without a commit.
TEST_F(TGridEditFixture, DropDownOpensWithTheGridsLooks)
{
    Log_Events();
    Kind(edMemoDropDown);
    G->ControlLook().DropDownHeader().Set_Caption(QStringLiteral("<b>Notes</b>"));
    G->ControlLook().DropDownFooter().Buttons().Add().Set_Caption(QStringLiteral("Clear"));
    std::vector<std::string> Clicks;
    G->OnDropDownFooterButtonClick = [&](QObject *, int C, int R, int B) {
        Clicks.push_back(std::to_string(C) + "," + std::to_string(R) + " " + std::to_string(B));
    };
    G->Set_Cells(2, 2, QStringLiteral("old"));
    Go(2, 2);
    F2();
    TGridMemoDropDown *M = G->MemoDropDown();
    EXPECT_EQ(M->DropDownHeader().Caption(), QStringLiteral("<b>Notes</b>"));
    EXPECT_EQ(M->DropDownFooter().Buttons().Count(), 1);
    EXPECT_FALSE(M->DroppedDown());
    Key(Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(M->DroppedDown());
    EXPECT_TRUE(Log.empty());
    EXPECT_TRUE(M->hasFocus());
    ASSERT_TRUE(M->Popup());
    auto Buttons = M->Popup()->findChildren<VOdeButton *>();
    ASSERT_EQ(Buttons.size(), 1);
    Buttons.front()->Click();
    EXPECT_EQ(Clicks, (std::vector<std::string>{"2,2 0"}));
    // Escape in the open memo: the cell's text back, the edit ends
    QTest::keyClicks(M, "x");
    Key(Qt::Key_Escape);
    EXPECT_FALSE(M->DroppedDown());
    EXPECT_FALSE(M->isVisible());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("old"));
    // with DirectComboDrop the popup opens at once; a typed character starts the text
    G->MouseActions().Set_DirectComboDrop(true);
    QTest::keyClick(G.get(), Qt::Key_Q);
    EXPECT_TRUE(M->isVisible());
    EXPECT_TRUE(M->DroppedDown());
    EXPECT_EQ(M->Text(), QStringLiteral("q"));
    // the memo writes into the cell while typing
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("q"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("old"));
}

// Each drop-down kind open in a cell, grabbed for a person to look at.
TEST_F(TGridEditFixture, DropDownKindsScreenshots)
{
    struct TShot { const char *Name; TEditorType Kind; const char *Text; };
    const TShot Shots[] = {
        {"edit_dd_trackbar", edTrackbarDropDown, "7"},
        {"edit_dd_memo", edMemoDropDown, "a note"},
        {"edit_dd_calculator", edCalculatorDropDown, "12.5"},
        {"edit_dd_timepicker", edTimePickerDropDown, "10:30:00"},
        {"edit_dd_detail", edDetailDropDown, "Pear"},
        {"edit_dd_multicolumn", edGridDropDown, "Apple"},
        {"edit_dd_grid", edDarAzidDropDown, "Apple"},
        {"edit_dd_color", edColorPickerDropDown, ""},
        {"edit_dd_image", edImagePickerDropDown, ""},
    };
    TImageList Images;
    QImage Img(16, 16, QImage::Format_ARGB32);
    Img.fill(Qt::darkCyan);
    Images.Add(Img);
    G->Set_GridImages(&Images);
    Register_Grid_DropDown();
    G->SetColors(2, 2, clYellow);
    G->Set_ColWidths(2, 120);
    G->Set_Cells(1, 0, QStringLiteral("Kind"));
    G->Set_Cells(2, 0, QStringLiteral("Editor"));
    for (const TShot &S : Shots) {
        SCOPED_TRACE(S.Name);
        if (S.Kind == edImagePickerDropDown)
            G->AddImageIdx(2, 2, 0, haLeft, vaTop);
        Open_And_Grab(S.Name, S.Kind, QString::fromLatin1(S.Name).mid(8), S.Text);
        Key(Qt::Key_Escape);
        EXPECT_FALSE(G->EditMode());
    }
    G->Set_GridImages(nullptr);
}

// Enter in an open drop-down commits what was typed while it was open; the
// popup's own cancel never takes it back.
TEST_F(TGridEditFixture, EnterInOpenDropDownCommitsTypedValue)
{
    struct TCase { const char *Name; TEditorType Kind; };
    const TCase Cases[] = {{"Memo", edMemoDropDown}, {"Calculator", edCalculatorDropDown}};
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->MouseActions().Set_DirectComboDrop(true);
        G->Set_Cells(2, 2, QStringLiteral("1"));
        Go(2, 2);
        QTest::keyClick(G.get(), Qt::Key_7);
        auto *D = dynamic_cast<VOdeCustomDropDown *>(QApplication::focusWidget());
        ASSERT_TRUE(D);
        EXPECT_TRUE(D->DroppedDown());
        D->SetTextDirect(QStringLiteral("78"));
        Key(Qt::Key_Return);
        EXPECT_FALSE(G->EditMode());
        EXPECT_TRUE(G->Cells(2, 2).startsWith(QStringLiteral("78"))) << G->Cells(2, 2).toStdString();
    }
}
