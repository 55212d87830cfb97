// The editing flow driven with key events: opening, ending by key, refusals,
// Escape, Tab, the order of the end-of-edit events, and each editor kind.
#include "GridEditFixture.h"
#include "TestSupport.h"
#include "platform/Clipboard.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"

// --- the text editor ---------------------------------------------------------------------------------------

TEST_F(TGridEditFixture, EnterRefusedKeepsTheEditorOpen)
{
    Log_Events();
    Refuse = true;
    G->Set_Cells(2, 3, QStringLiteral("old"));
    Go(2, 3);
    F2();
    Editor()->selectAll();
    Type(QStringLiteral("new"));
    Key(Qt::Key_Return);
    EXPECT_TRUE(G->EditorMode());
    EXPECT_TRUE(Editor()->isVisible());
    EXPECT_EQ(Editor()->text(), QStringLiteral("new"));
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("old"));
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(G->Row(), 3);
    EXPECT_FALSE(G->GridModified());
    EXPECT_FALSE(G->GetRowModified(3));
    // once accepted the same key closes it
    Refuse = false;
    Key(Qt::Key_Return);
    EXPECT_FALSE(G->EditorMode());
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("new"));
    EXPECT_TRUE(G->GridModified());
}

TEST_F(TGridEditFixture, EscapeRestoresTheCell)
{
    G->Set_Cells(1, 2, QStringLiteral("keep"));
    Go(1, 2);
    F2();
    Editor()->selectAll();
    Type(QStringLiteral("typed"));
    // typing shows in the cell while the editor is open
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("typed"));
    Key(Qt::Key_Escape);
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("keep"));
}

TEST_F(TGridEditFixture, EndOfEditEventsInOrder)
{
    Log_Events();
    Go(3, 4);
    F2();
    Editor()->selectAll();
    Type(QStringLiteral("v"));
    Key(Qt::Key_Return);
    // the posted message has not arrived yet: the key is still being handled
    EXPECT_EQ(Log, (std::vector<std::string>{"validate 3,4 v", "done"}));
    Flush();
    EXPECT_EQ(Log, (std::vector<std::string>{"validate 3,4 v", "done", "celldone 3,4"}));
}

TEST_F(TGridEditFixture, EditDoneCarriesTheRealColumn)
{
    Log_Events();
    G->HideColumn(1);
    Go(2, 1);   // real column 3
    F2();
    Type(QStringLiteral("h"));
    Key(Qt::Key_Return);
    Flush();
    ASSERT_FALSE(Log.empty());
    EXPECT_EQ(Log.back(), "celldone 3,1");
}

struct TTabCase {
    const char *Name;
    bool Tabs;             // goTabs
    Qt::KeyboardModifiers Mods;
    int WantCol;
};

TEST_F(TGridEditFixture, TabLeavesTheEditor)
{
    const TTabCase Cases[] = {
        // with goTabs the editor closes and the next cell becomes current
        {"TabsForward", true, Qt::NoModifier, 3},
        {"TabsBackward", true, Qt::ShiftModifier, 1},
        // without goTabs a validation handler keeps Tab in the editor; the
        // grid gets the key afterwards (no move without goTabs)
        {"NoTabs", false, Qt::NoModifier, 2},
    };
    for (const TTabCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Log.clear();
        Log_Events();
        G->Set_Options(C.Tabs ? G->Options() + goTabs : G->Options() - goTabs);
        G->Set_Cells(2, 2, QString());
        Go(2, 2);
        F2();
        ASSERT_TRUE(G->EditorMode());
        Editor()->selectAll();
        Type(QStringLiteral("t"));
        QTest::keyClick(Editor(), C.Mods.testFlag(Qt::ShiftModifier) ? Qt::Key_Backtab : Qt::Key_Tab, C.Mods);
        Flush();
        EXPECT_FALSE(G->EditorMode());
        EXPECT_EQ(G->Cells(2, 2), QStringLiteral("t"));
        EXPECT_EQ(G->Col(), C.WantCol);
        EXPECT_EQ(Log.front(), "validate 2,2 t");
    }
}

TEST_F(TGridEditFixture, TabRefusedKeepsTheEditor)
{
    Log_Events();
    Refuse = true;
    G->Set_Options(G->Options() + goTabs);
    Go(2, 2);
    F2();
    Editor()->selectAll();
    Type(QStringLiteral("x"));
    QTest::keyClick(Editor(), Qt::Key_Tab);
    EXPECT_TRUE(G->EditorMode());
    EXPECT_EQ(G->Col(), 2);
    EXPECT_EQ(Editor()->text(), QStringLiteral("x"));
}

TEST_F(TGridEditFixture, EditorSettingsReachTheTextEditor)
{
    // LineFeedOnEnter: Enter types a line break
    G->Navigation().Set_LineFeedOnEnter(true);
    Go(1, 1);
    F2();
    EXPECT_TRUE(Editor()->WantReturns());
    Type(QStringLiteral("a"));
    Key(Qt::Key_Return);
    Type(QStringLiteral("b"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("a\r\nb"));
    Key(Qt::Key_Escape);
    G->Navigation().Set_LineFeedOnEnter(false);
    // without AllowCtrlEnter Ctrl+Enter types nothing
    G->Navigation().Set_AllowCtrlEnter(false);
    F2();
    Editor()->selectAll();
    Type(QStringLiteral("c"));
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Editor()->text(), QStringLiteral("c"));
    Key(Qt::Key_Escape);
    // a right-justified cell edits right-aligned
    G->OnGetAlignment = [](QObject *, int, int, TAlignment &H, TVAlignment &) { H = taRightJustify; };
    F2();
    EXPECT_TRUE(Editor()->VAlign());
    EXPECT_EQ(Editor()->Alignment(), taRightJustify);
    Key(Qt::Key_Escape);
}

TEST_F(TGridEditFixture, RowGrowsWhileTyping)
{
    G->SizeWhileTyping().Height = true;
    G->Set_WordWrap(true);
    G->Navigation().Set_LineFeedOnEnter(true);
    const int Before = G->RowHeights(1);
    Go(1, 1);
    F2();
    Type(QStringLiteral("a"));
    for (int I = 0; I < 3; ++I) {
        Key(Qt::Key_Return);
        Type(QStringLiteral("b"));
    }
    EXPECT_GT(G->RowHeights(1), Before);
    EXPECT_GE(G->RowHeights(1), Editor()->Content_Height());
}

TEST_F(TGridEditFixture, NoEditorKindNeverOpens)
{
    Kind(edNone);
    Go(1, 1);
    F2();
    EXPECT_FALSE(G->EditMode());
    EXPECT_FALSE(G->EditorMode());
}

// --- special editors ---------------------------------------------------------------------------------------

// Every key that leaves a list showing no chosen item keeps the cell's value.
TEST_F(TGridEditFixture, ComboListLeavingKeysKeepAValueNotInTheList)
{
    struct TCase { const char *Name; Qt::Key Key; bool UpDownLeave; };
    const TCase Cases[] = {
        {"Return", Qt::Key_Return, false},
        {"Tab", Qt::Key_Tab, false},
        {"Up", Qt::Key_Up, true},
        {"Down", Qt::Key_Down, true},
    };
    Kind(edComboList);
    G->Set_Options(G->Options() + goTabs);
    G->AddComboString(QStringLiteral("Apple"));
    G->AddComboString(QStringLiteral("Pear"));
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Navigation().Set_ComboGetUpDown(!C.UpDownLeave);
        G->Set_Cells(2, 2, QStringLiteral("Plum"));
        Go(2, 2);
        F2();
        ASSERT_TRUE(G->EditMode());
        Key(C.Key);
        EXPECT_FALSE(G->EditMode());
        EXPECT_EQ(G->Cells(2, 2), QStringLiteral("Plum"));
    }
}

TEST_F(TGridEditFixture, EditWithButtonEnterRefusedStaysAndEscapeRestores)
{
    Log_Events();
    Kind(edEditBtn);
    G->Set_Cells(1, 1, QStringLiteral("cell"));
    Go(1, 1);
    F2();
    TGridEditBtn *E = G->BtnEdit();
    ASSERT_TRUE(E->isVisible());
    EXPECT_TRUE(E->hasFocus());
    E->selectAll();
    Type(QStringLiteral("bad"));
    Refuse = true;
    Key(Qt::Key_Return);
    EXPECT_TRUE(E->isVisible());
    EXPECT_EQ(E->Text(), QStringLiteral("bad"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("cell"));
    Refuse = false;
    Key(Qt::Key_Escape);
    EXPECT_FALSE(E->isVisible());
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("cell"));
}

// The edit button's click runs the ellipsis hook on the text; only with
// StopEditAfterClick does the edit end there and the grid take the focus.
TEST_F(TGridEditFixture, EditButtonClickEndsTheEditOnlyWhenAsked)
{
    G->OnEllipsClick = [](QObject *, int, int, QString &S) { S = QStringLiteral("picked"); };
    Kind(edEditBtn);
    for (const bool Stop : {false, true}) {
        SCOPED_TRACE(Stop ? "StopEditAfterClick" : "KeepsEditing");
        G->Set_Cells(1, 1, QStringLiteral("cell"));
        Go(1, 1);
        F2();
        TGridEditBtn *E = G->BtnEdit();
        ASSERT_TRUE(E->isVisible());
        E->StopEditAfterClick = Stop;
        E->OnClickBtn(E);
        EXPECT_EQ(E->Text(), QStringLiteral("picked"));
        EXPECT_EQ(E->isVisible(), !Stop);
        if (Stop) {
            EXPECT_TRUE(G->hasFocus());
        } else {
            EXPECT_EQ(E->selectedText(), QStringLiteral("picked"));
            // Escape gives back the cell as it was when the editor opened
            Key(Qt::Key_Escape);
            EXPECT_FALSE(E->isVisible());
            EXPECT_EQ(G->Cells(1, 1), QStringLiteral("cell"));
        }
    }
}

// Return in a combo editor tells OnReturnKey (the combo as sender) before
// the edit ends; Escape does not.
TEST_F(TGridEditFixture, ComboReturnKeyEvent)
{
    Kind(edComboEdit);
    G->AddComboString(QStringLiteral("Apple"));
    G->Set_Cells(1, 1, QStringLiteral("Apple"));
    TGridCombo *C = G->Combobox();
    std::vector<QObject *> Senders;
    C->OnReturnKey = [&](QObject *Sender) { Senders.push_back(Sender); };
    Go(1, 1);
    F2();
    ASSERT_TRUE(C->isVisible());
    Key(Qt::Key_Escape);
    EXPECT_TRUE(Senders.empty());
    F2();
    Key(Qt::Key_Return);
    EXPECT_EQ(Senders, std::vector<QObject *>{C});
    EXPECT_FALSE(C->isVisible());
}

TEST_F(TGridEditFixture, SpecialEditorCommitsAndPostsEditDone)
{
    Log_Events();
    Kind(edSpinEdit);
    G->Set_Cells(2, 2, QStringLiteral("7abc"));
    Go(2, 2);
    F2();
    TGridSpin *S = G->SpinEdit();
    ASSERT_TRUE(S->isVisible());
    EXPECT_EQ(S->Value(), 7);   // the leading number of the text
    // In a cell the grid lines frame the editors: none draws a frame of its own.
    EXPECT_FALSE(S->hasFrame());
    EXPECT_FALSE(G->BtnEdit()->hasFrame());
    EXPECT_FALSE(G->BtnUnitEdit()->hasFrame());
    Key(Qt::Key_Return);
    EXPECT_FALSE(S->isVisible());
    EXPECT_EQ(G->Cells(2, 2), QStringLiteral("7"));
    EXPECT_EQ(Log, (std::vector<std::string>{"validate 2,2 7", "done"}));
    Flush();
    EXPECT_EQ(Log.back(), "celldone 2,2");
}

TEST_F(TGridEditFixture, ComboListKeepsAValueNotInTheList)
{
    int Changes = 0;
    G->OnComboChange = [&](QObject *, int, int, int, const QString &) { ++Changes; };
    Kind(edComboList);
    G->AddComboString(QStringLiteral("Apple"));
    G->AddComboString(QStringLiteral("Pear"));
    G->Set_Cells(1, 1, QStringLiteral("Plum"));
    Go(1, 1);
    F2();
    TGridCombo *C = G->Combobox();
    ASSERT_TRUE(C->isVisible());
    EXPECT_EQ(C->currentIndex(), -1);
    EXPECT_EQ(Changes, 0);   // opening fires no change
    Key(Qt::Key_Escape);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Plum"));
    // leaving without a choice keeps it too; a picked item is written
    F2();
    G->setFocus();
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Plum"));
    F2();
    C->setCurrentIndex(1);
    Key(Qt::Key_Return);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Pear"));
}

TEST_F(TGridEditFixture, DatePickerClampsAndNeverRewritesAnUnchangedValue)
{
    TFormatSettingsGuard Locale;
    Kind(edDateEdit);
    G->Set_Cells(1, 1, QStringLiteral("03/04/2026"));   // not the short form "3/4/2026"
    Go(1, 1);
    F2();
    TGridDatePicker *P = G->DateTimePicker();
    ASSERT_TRUE(P->isVisible());
    G->setFocus();   // leaves unchanged
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("03/04/2026"));
    // the bounds are inclusive
    P->MinDate = Encode_Date(2026, 5, 1);
    P->MaxDate = Encode_Date(2026, 6, 30);
    struct TCase { const char *Name; const char *Cell; const char *Want; };
    const TCase Cases[] = {
        {"BelowMin", "1/1/2026", "5/1/2026"},
        {"AtMin", "5/1/2026", "5/1/2026"},
        {"AtMax", "6/30/2026", "6/30/2026"},
        {"AboveMax", "12/1/2026", "6/30/2026"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_Cells(1, 1, QString::fromLatin1(C.Cell));
        F2();
        EXPECT_EQ(P->Text(), QString::fromLatin1(C.Want));
        Key(Qt::Key_Return);
        EXPECT_EQ(G->Cells(1, 1), QString::fromLatin1(C.Want));
    }
}

TEST_F(TGridEditFixture, ControlOwnerMustBeTheGrid)
{
    QWidget Other;
    EXPECT_THROW(TGridSpin S(&Other), std::bad_cast);
    EXPECT_THROW(TGridCombo C(&Other), std::bad_cast);
}

// Each editor kind open in a cell, grabbed for a person to look at.
TEST_F(TGridEditFixture, EditorKindsScreenshots)
{
    struct TShot { const char *Name; TEditorType Kind; const char *Text; };
    const TShot Shots[] = {
        {"edit_normal", edNormal, "text"},
        {"edit_numeric", edNumeric, "123"},
        {"edit_spin", edSpinEdit, "42"},
        {"edit_float_spin", edFloatSpinEdit, "1.5"},
        {"edit_combo", edComboEdit, "Apple"},
        {"edit_combo_list", edComboList, "Pear"},
        {"edit_button_edit", edEditBtn, "path"},
        {"edit_unit", edUnitEditBtn, "12"},
        {"edit_checkbox", edCheckBox, "check"},
        {"edit_button", edButton, "Press"},
        {"edit_date", edDateEdit, "3/4/2026"},
        {"edit_date_updown", edDateEditUpDown, "3/4/2026"},
        {"edit_time", edTimeEdit, "10:30:00 AM"},
        {"edit_time_spin", edTimeSpinEdit, "10:30:00 AM"},
        {"edit_date_spin", edDateSpinEdit, "3/4/2026"},
        {"edit_mask_button_edit", edMaskEditBtn, "12-34"},
    };
    TFormatSettingsGuard Locale;
    G->AddComboString(QStringLiteral("Apple"));
    G->AddComboString(QStringLiteral("Pear"));
    G->Set_ColWidths(2, 120);
    G->Set_Cells(1, 0, QStringLiteral("Kind"));
    G->Set_Cells(2, 0, QStringLiteral("Editor"));
    for (const TShot &S : Shots) {
        SCOPED_TRACE(S.Name);
        if (S.Kind == edMaskEditBtn)
            G->OnGetEditMask = [](QObject *, int, int, QString &V) { V = QStringLiteral("00-00;1;_"); };
        else
            G->OnGetEditMask = nullptr;
        Open_And_Grab(S.Name, S.Kind, QString::fromLatin1(S.Name), S.Text);
        G->HideInplaceEdit();
        G->HideEditor();
        EXPECT_FALSE(G->EditMode());
    }
}

// --- notifications of the editor controls ------------------------------------------------------------------

TEST_F(TGridEditFixture, TypingInAnEditComboReportsTwicePerKey)
{
    std::vector<std::string> Seen;
    G->OnComboChange = [&](QObject *, int C, int R, int I, const QString &S) {
        Seen.push_back(std::to_string(C) + "," + std::to_string(R) + " " + std::to_string(I) + " " + S.toStdString());
    };
    Kind(edComboEdit);
    G->AddComboString(QStringLiteral("Apple"));
    G->HideColumn(1);
    G->Set_Cells(3, 1, QString());
    Go(2, 1);   // real column 3
    F2();
    ASSERT_TRUE(G->Combobox()->isVisible());
    EXPECT_TRUE(Seen.empty());
    Type(QStringLiteral("x"));
    // first the real column with the item index, then the display column alone
    EXPECT_EQ(Seen, (std::vector<std::string>{"3,1 -1 x", "2,1 -1 x"}));
}

TEST_F(TGridEditFixture, ComboCloseUpWithDirectCloseCommits)
{
    std::vector<std::string> Seen;
    G->OnComboDropDown = [&](QObject *, int, int) { Seen.push_back("drop"); };
    G->OnComboCloseUp = [&](QObject *, int, int) { Seen.push_back("closeup"); };
    G->OnComboChange = [&](QObject *, int, int, int I, const QString &) { Seen.push_back("change " + std::to_string(I)); };
    G->MouseActions().Set_DirectComboClose(true);
    Kind(edComboList);
    G->AddComboString(QStringLiteral("Apple"));
    G->AddComboString(QStringLiteral("Pear"));
    Go(1, 1);
    F2();
    TGridCombo *C = G->Combobox();
    C->showPopup();
    C->setCurrentIndex(1);
    C->hidePopup();
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Pear"));
    EXPECT_EQ(Seen, (std::vector<std::string>{"drop", "change 1", "change 1", "closeup"}));
}

TEST_F(TGridEditFixture, SpecialEditorChangesReachTheGrid)
{
    std::vector<QString> Changes;
    G->OnEditChange = [&](QObject *, int, int, const QString &V) { Changes.push_back(V); };
    Kind(edEditBtn);
    Go(1, 1);
    F2();
    EXPECT_TRUE(Changes.empty());   // opening is no change
    // once a text editor has been shown, the cell follows typing live
    Kind(edNormal);
    Key(Qt::Key_Escape);
    Go(2, 1);
    F2();
    Key(Qt::Key_Escape);
    Kind(edEditBtn);
    Go(1, 1);
    F2();
    G->BtnEdit()->selectAll();
    Type(QStringLiteral("ab"));
    EXPECT_EQ(Changes.back(), QStringLiteral("ab"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("ab"));
}

TEST_F(TGridEditFixture, EditOnDblClickOnlyEndsEditingAfterEditDone)
{
    Go(1, 1);
    F2();
    Type(QStringLiteral("v"));
    G->MouseActions().Set_EditOnDblClickOnly(true);
    Key(Qt::Key_Return);
    Flush();
    EXPECT_FALSE(G->Options().Contains(goEditing));
    Type(QStringLiteral("w"));
    EXPECT_FALSE(G->EditorMode());
}

// With CursorWalkEditor, Left at the start or Right at the end of the text
// leaves the text, combo and edit-with-button editors for the neighbouring
// cell, writing the value; a refused value keeps the editor where it is.
TEST_F(TGridEditFixture, CursorWalksOutOfTheText)
{
    struct TCase { const char *Name; Qt::Key K; bool AlwaysEdit; bool Refuse; int WantCol; bool Open; };
    const TCase Cases[] = {
        // Left at the start leaves for the cell before, Right at the end for the next
        {"LeftOpensThePrevious", Qt::Key_Left, true, false, 1, true},
        {"RightOpensTheNext", Qt::Key_Right, true, false, 3, true},
        {"RightWithoutAlwaysEdit", Qt::Key_Right, false, false, 3, false},
        // a refused value stays in its cell's editor
        {"RefusedStays", Qt::Key_Right, true, true, 2, true},
    };
    struct TKind {
        const char *Name;
        TEditorType Kind;
        std::function<QWidget *(RIraRevadiVizo &)> Editor;
        std::function<void(RIraRevadiVizo &, int)> Caret;   // nothing selected, caret at the position
    };
    const TKind Kinds[] = {
        {"Text", edNormal, [](RIraRevadiVizo &Gr) -> QWidget * { return Gr.GetNormalEdit(); },
         [](RIraRevadiVizo &Gr, int P) { Gr.GetNormalEdit()->setCursorPosition(P); }},
        {"Combo", edComboEdit, [](RIraRevadiVizo &Gr) -> QWidget * { return Gr.Combobox(); },
         [](RIraRevadiVizo &Gr, int P) { Gr.Combobox()->lineEdit()->setCursorPosition(P); }},
        {"EditBtn", edEditBtn, [](RIraRevadiVizo &Gr) -> QWidget * { return Gr.BtnEdit(); },
         [](RIraRevadiVizo &Gr, int P) { Gr.BtnEdit()->setCursorPosition(P); }},
    };
    Log_Events();
    G->Navigation().Set_CursorWalkEditor(true);
    for (const TKind &K : Kinds) {
        Kind(K.Kind);
        for (const TCase &C : Cases) {
            SCOPED_TRACE(std::string(K.Name) + "/" + C.Name);
            G->Navigation().Set_CursorWalkAlwaysEdit(C.AlwaysEdit);
            G->HideInplaceEdit();
            G->setFocus();
            Refuse = false;
            G->Set_Cells(2, 2, QStringLiteral("old"));
            Go(2, 2);
            F2();
            ASSERT_TRUE(G->EditMode());
            ASSERT_TRUE(K.Editor(*G)->hasFocus() || K.Editor(*G)->isAncestorOf(QApplication::focusWidget()));
            // the caret one step before its end: the walk waits for a key at the end
            Key(Qt::Key_End);
            Key(Qt::Key_Backspace);
            Key(Qt::Key_Backspace);
            Key(Qt::Key_Backspace);
            Type(QStringLiteral("wx"));
            K.Caret(*G, 1);
            Key(C.K);
            ASSERT_EQ(G->Col(), 2) << "the caret was not yet at the edge";
            K.Caret(*G, C.K == Qt::Key_Left ? 0 : 2);
            Refuse = C.Refuse;
            Key(C.K);
            EXPECT_EQ(G->Col(), C.WantCol);
            EXPECT_EQ(G->Row(), 2);
            EXPECT_EQ(G->Cells(2, 2), C.Refuse ? QStringLiteral("old") : QStringLiteral("wx"));
            EXPECT_EQ(G->EditMode(), C.Open);
        }
        Refuse = false;
        G->HideInplaceEdit();
    }
}

TEST_F(TGridEditFixture, LookupCompletesTypedText)
{
    G->Set_Lookup(true);
    G->Set_LookupItems({QStringLiteral("Apple"), QStringLiteral("Apricot")});
    Go(1, 1);
    F2();
    Type(QStringLiteral("ap"));
    EXPECT_EQ(Editor()->text().toLower(), QStringLiteral("apple"));
    EXPECT_EQ(Editor()->textCursor().selectedText(), QStringLiteral("ple"));
    // Backspace does not complete again
    Key(Qt::Key_Backspace);
    EXPECT_EQ(Editor()->text(), QStringLiteral("ap"));
}

// --- committing each special kind ----------------------------------------------------------------------------

TEST_F(TGridEditFixture, CommitPerKind)
{
    struct TCase {
        const char *Name;
        TEditorType Kind;
        QString Cell;
        std::function<void(RIraRevadiVizo &)> Act;   // what the user does in the editor
        QString Want;
    };
    TFormatSettingsGuard Locale;
    const TCase Cases[] = {
        // numbers are written back as the spin editor reads them
        {"Spin", edSpinEdit, "12", [](RIraRevadiVizo &Gr) { Gr.SpinEdit()->Set_Value(15); }, "15"},
        {"FloatSpin", edFloatSpinEdit, "1.5", [](RIraRevadiVizo &Gr) { Gr.SpinEdit()->Set_FloatValue(2.25); }, "2.25"},
        // with AllowEmptyValue a cleared spin editor clears the cell instead of writing 0
        {"SpinEmpty", edSpinEdit, "12",
         [](RIraRevadiVizo &Gr) {
             Gr.SpinEdit()->Set_AllowEmptyValue(true);
             Gr.SpinEdit()->Set_Text(QString());
         },
         ""},
        // a time opens as itself: leaving unchanged keeps it, a step writes the new time
        {"TimeSpinUnchanged", edTimeSpinEdit, "10:30:00 AM", [](RIraRevadiVizo &) {}, "10:30:00 AM"},
        {"TimeSpinStepped", edTimeSpinEdit, "10:30:00 AM", [](RIraRevadiVizo &Gr) { Gr.SpinEdit()->UpClick(nullptr); },
         "11:30:00 AM"},
        {"EditBtn", edEditBtn, "a", [](RIraRevadiVizo &Gr) { Gr.BtnEdit()->Set_Text(QStringLiteral("b")); }, "b"},
        {"Unit", edUnitEditBtn, "5",
         [](RIraRevadiVizo &Gr) {
             Gr.BtnUnitEdit()->Set_Text(QStringLiteral("7"));
             Gr.BtnUnitEdit()->Set_UnitID(QStringLiteral("kg"));
         },
         "7kg"},
        // the check box and the button write nothing back
        {"CheckBox", edCheckBox, "c", [](RIraRevadiVizo &Gr) { Gr.EditCheck()->setChecked(true); }, "c"},
        {"Button", edButton, "b", [](RIraRevadiVizo &) {}, "b"},
        {"Date", edDateEdit, "3/4/2026", [](RIraRevadiVizo &Gr) { Gr.DateTimePicker()->Set_Value(Encode_Date(2026, 5, 6)); },
         "5/6/2026"},
        // opening and leaving a time picker keeps the cell's own text
        {"TimeUnchanged", edTimeEdit, "10:30:00 AM", [](RIraRevadiVizo &) {}, "10:30:00 AM"},
        // an unchecked date picker clears the cell
        {"DateUnchecked", edDateEdit, "3/4/2026", [](RIraRevadiVizo &Gr) { Gr.DateTimePicker()->Checked = false; }, ""},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(2, 2, C.Cell);
        Go(2, 2);
        F2();
        ASSERT_TRUE(G->EditMode());
        ASSERT_TRUE(G->EditCtrl() || C.Kind == edCheckBox);
        C.Act(*G);
        G->HideInplaceEdit();
        EXPECT_FALSE(G->EditMode());
        EXPECT_EQ(G->Cells(2, 2), C.Want);
        G->DateTimePicker()->Checked = true;
        G->SpinEdit()->Set_AllowEmptyValue(false);
    }
}

TEST_F(TGridEditFixture, SpinPageAndEndKeys)
{
    struct TCase { const char *Name; Qt::Key K; int Want; bool UpDown; };
    const TCase Cases[] = {
        // a page step beyond the limit leaves the value
        {"PageUpBeyondMax", Qt::Key_PageUp, 98, true},
        {"PageDown", Qt::Key_PageDown, 93, false},
        {"HomeIsMax", Qt::Key_Home, 100, true},
        {"EndIsMin", Qt::Key_End, 0, false},
    };
    Kind(edSpinEdit);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::vector<std::pair<int, bool>> Clicks;
        G->OnSpinClick = [&](QObject *, int, int, int V, bool Up) { Clicks.push_back({V, Up}); };
        G->Set_Cells(2, 2, QStringLiteral("98"));
        Go(2, 2);
        F2();
        TGridSpin *S = G->SpinEdit();
        S->Set_Increment(5);
        Key(C.K);
        EXPECT_EQ(S->Value(), C.Want);
        ASSERT_EQ(Clicks.size(), 1u);
        EXPECT_EQ(Clicks[0], std::make_pair(C.Want, C.UpDown));
        Key(Qt::Key_Escape);
        EXPECT_EQ(G->Cells(2, 2), QStringLiteral("98"));
    }
}

TEST_F(TGridEditFixture, ComboUpDownLeaveWithoutComboGetUpDown)
{
    Kind(edComboList);
    G->AddComboString(QStringLiteral("Apple"));
    G->AddComboString(QStringLiteral("Pear"));
    G->Set_Cells(2, 3, QStringLiteral("Apple"));
    Go(2, 3);
    // with ComboGetUpDown the key changes the item
    F2();
    Key(Qt::Key_Down);
    EXPECT_TRUE(G->EditMode());
    EXPECT_EQ(G->Combobox()->currentText(), QStringLiteral("Pear"));
    Key(Qt::Key_Escape);
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("Apple"));
    // without it the editor closes and the current cell moves
    G->Navigation().Set_ComboGetUpDown(false);
    F2();
    Key(Qt::Key_Up);
    EXPECT_FALSE(G->EditMode());
    EXPECT_EQ(G->Row(), 2);
}

TEST_F(TGridEditFixture, RefusalShowsTheInvalidEntryMessage)
{
    Log_Events();
    Refuse = true;
    G->Set_InvalidEntryTitle(QStringLiteral("Invalid"));
    G->Set_InvalidEntryText(QStringLiteral("Digits only"));
    Go(1, 1);
    F2();
    Type(QStringLiteral("x"));
    Key(Qt::Key_Return);
    EXPECT_EQ(G->InvalidEntryShown(), QStringLiteral("Invalid\nDigits only"));
}

TEST_F(TGridEditFixture, ComboCompletesFromItsItems)
{
    Kind(edComboEdit);
    G->AddComboString(QStringLiteral("Apple"));
    G->AddComboString(QStringLiteral("apricot"));
    Go(1, 1);
    F2();
    TGridCombo *C = G->Combobox();
    ASSERT_TRUE(C->lineEdit());
    C->lineEdit()->clear();
    Type(QStringLiteral("ap"));
    // the item's own text, its completed part selected
    EXPECT_EQ(C->currentText(), QStringLiteral("Apple"));
    EXPECT_EQ(C->lineEdit()->selectedText(), QStringLiteral("ple"));
    Key(Qt::Key_Backspace);
    EXPECT_EQ(C->currentText(), QStringLiteral("Ap"));
}

TEST_F(TGridEditFixture, UpAndDownStayInsideSeveralLines)
{
    G->Set_Cells(2, 3, QStringLiteral("one\r\ntwo"));
    Go(2, 3);
    F2();
    Editor()->setCursorPosition(Editor()->displayText().size());   // on the last line
    Key(Qt::Key_Up);
    EXPECT_TRUE(G->EditorMode());
    EXPECT_EQ(Editor()->Caret_Line(), 0);
    EXPECT_EQ(G->Row(), 3);
    // on the first line Up leaves the text (the value is validated first)
    Key(Qt::Key_Up);
    EXPECT_EQ(G->Row(), 2);
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("one\r\ntwo"));
}

TEST_F(TGridEditFixture, PasswordIsShownMaskedAndNeverCopied)
{
    Kind(edPassword);
    G->Set_Cells(1, 1, QStringLiteral("secret"));
    Go(1, 1);
    F2();
    ASSERT_TRUE(Editor()->Password());
    EXPECT_EQ(Editor()->Shown_Text(), QStringLiteral("******"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("secret"));
    System_Clipboard().Put_Text(QStringLiteral("before"));
    Editor()->selectAll();
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(System_Clipboard().Text(), QStringLiteral("before"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("secret"));
    // Ctrl+Enter types no line into a password
    Editor()->setCursorPosition(6);
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(Editor()->text(), QStringLiteral("secret"));
    Grab_Open_Editor(QStringLiteral("edit_password"));
}

TEST_F(TGridEditFixture, TypedCharacterStartsTheEditor)
{
    struct TCase { const char *Name; TEditorType Kind; std::function<QString(RIraRevadiVizo &)> Text; QString Want; };
    const TCase Cases[] = {
        // the character typed on the grid is the editor's first one
        {"Text", edNormal, [](RIraRevadiVizo &Gr) { return Gr.GetNormalEdit()->text(); }, "7"},
        {"EditBtn", edEditBtn, [](RIraRevadiVizo &Gr) { return Gr.BtnEdit()->Text(); }, "7"},
        {"Spin", edSpinEdit, [](RIraRevadiVizo &Gr) { return Gr.SpinEdit()->Text(); }, "7"},
        {"Combo", edComboEdit, [](RIraRevadiVizo &Gr) { return Gr.Combobox()->currentText(); }, "7"},
        // the check box does not receive it
        {"CheckBox", edCheckBox, [](RIraRevadiVizo &Gr) { return Gr.EditCheck()->text(); }, "cell"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(2, 2, QStringLiteral("cell"));
        Go(2, 2);
        G->setFocus();
        QTest::keyClick(G.get(), Qt::Key_7);
        EXPECT_TRUE(G->EditMode());
        EXPECT_EQ(C.Text(*G), C.Want);
        G->HideInplaceEdit();
        G->HideEditor();
    }
}

// With AutoComboDropSize the combo's list is as wide as its widest item (in
// the grid's font) plus a margin, and the scroll bar's room when not every
// item fits; without it the list keeps its own width. DropDownAlwaysVisible
// opens the list with the editor.
TEST_F(TGridEditFixture, ComboListWidthAndOpening)
{
    const QString Long = QStringLiteral("an item far wider than the cell it is offered in");
    struct TCase { const char *Name; bool AutoSize; int Items; int Extra; bool AlwaysVisible; };
    const TCase Cases[] = {
        {"AllItemsFit", true, 3, 8, false},
        {"ScrollBarRoom", true, 12, 25, false},
        {"OwnWidth", false, 3, -1, false},
        {"OpenWithTheEditor", false, 3, -1, true},
    };
    Kind(edComboEdit);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->ClearComboString();
        G->AddComboString(Long);
        for (int I = 1; I < C.Items; ++I)
            G->AddComboString(QStringLiteral("item %1").arg(I));
        G->Navigation().Set_AutoComboDropSize(C.AutoSize);
        G->ControlLook().Set_DropDownAlwaysVisible(C.AlwaysVisible);
        Go(2, 2);
        F2();
        TGridCombo *Combo = G->Combobox();
        ASSERT_TRUE(Combo->isVisible());
        const int Want = C.Extra < 0 ? 0 : QFontMetrics(G->font()).horizontalAdvance(Long) + C.Extra;
        EXPECT_EQ(Combo->view()->minimumWidth(), Want);
        EXPECT_EQ(Combo->List_Open(), C.AlwaysVisible);
        Combo->hidePopup();
        G->HideInplaceEdit();
    }
    G->ControlLook().Set_DropDownAlwaysVisible(false);
}

// Each editor set-up asks OnGetEditorProp, then OnGetEditorPropInt with the
// row first, once.
TEST_F(TGridEditFixture, EditorPropertyHooksInOrder)
{
    std::vector<std::string> Seen;
    G->OnGetEditorProp = [&](QObject *, int C, int R, QObject *) {
        Seen.push_back("prop " + std::to_string(C) + "," + std::to_string(R));
    };
    G->OnGetEditorPropInt = [&](QObject *, int R, int C) {
        Seen.push_back("propint row " + std::to_string(R) + " col " + std::to_string(C));
    };
    Kind(edComboList);
    Go(3, 2);
    F2();
    ASSERT_TRUE(G->EditMode());
    EXPECT_EQ(Seen, (std::vector<std::string>{"prop 3,2", "propint row 2 col 3"}));
    G->HideInplaceEdit();
}
