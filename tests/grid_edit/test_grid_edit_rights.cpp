// Editing rights, the cell-selection check and the one validation path.
#include "GridEditFixture.h"
#include "platform/Locale.h"
#include "grid/base/GridUndoRedo.h"

// --- ValidateCell outcomes ------------------------------------------------------------------------------

struct TValidateCase {
    const char *Name;
    QString Old, New;
    bool AlwaysValidate;
    bool Refuse;
    QString Replace;
    // expected
    bool Valid;
    bool Fired;
    QString Cell;
    bool Modified;
    int UndoItems;
};

class ValidateCellOutcomes : public TGridEditFixture, public ::testing::WithParamInterface<TValidateCase> {};

TEST_P(ValidateCellOutcomes, Table)
{
    const TValidateCase &C = GetParam();
    Log_Events();
    VOdeGridUndoRedo Undo;
    G->Set_UndoRedo(&Undo);
    G->Set_Cells(2, 3, C.Old);
    Go(2, 3);
    G->Set_AlwaysValidate(C.AlwaysValidate);
    Refuse = C.Refuse;
    Replace = C.Replace;
    F2();
    ASSERT_TRUE(G->Editing());
    const bool Valid = G->ValidateCell(C.New);
    EXPECT_EQ(Valid, C.Valid);
    EXPECT_EQ(!Log.empty(), C.Fired);
    EXPECT_EQ(G->Cells(2, 3), C.Cell);
    EXPECT_EQ(G->GridModified(), C.Modified);
    EXPECT_EQ(G->GetRowModified(3), C.Modified);
    EXPECT_EQ(int(Undo.Items().size()), C.UndoItems);
    EXPECT_FALSE(G->Validating());
    if (!C.Valid) {
        // the user is put back into the editor of the same cell
        EXPECT_EQ(G->Col(), 2);
        EXPECT_EQ(G->Row(), 3);
        EXPECT_TRUE(G->EditorMode());
        EXPECT_FALSE(G->LastValidation());
    }
    G->Set_UndoRedo(nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, ValidateCellOutcomes,
    ::testing::Values(
        // an unchanged value asks nobody and records nothing
        TValidateCase{"Unchanged", "a", "a", false, false, "", true, false, "a", false, 0},
        // always-validate asks and records, but marks nothing modified
        TValidateCase{"AlwaysValidateUnchanged", "a", "a", true, false, "", true, true, "a", false, 1},
        // a changed value is written, marked and recorded
        TValidateCase{"Changed", "a", "b", false, false, "", true, true, "b", true, 1},
        // the handler's correction is what the cell gets
        TValidateCase{"Corrected", "a", "b", false, false, "c", true, true, "c", true, 1},
        // a refused edit keeps the old text and marks nothing
        TValidateCase{"RefusedKeepsOldText", "a", "b", false, true, "", false, true, "a", false, 0},
        // refused with a changed value: the handler's value shows, still not marked
        TValidateCase{"RefusedWithChangedValue", "a", "b", false, true, "z", false, true, "z", false, 0}),
    [](const auto &Info) { return std::string(Info.param.Name); });

TEST_F(TGridEditFixture, ValidationOfMergedMemberWritesItsBase)
{
    G->MergeCells(1, 2, 2, 2);
    G->Set_Options(G->Options() + goRangeSelect);
    Go(2, 3);   // a member
    F2();
    ASSERT_TRUE(G->Editing());
    G->SaveOldCellText(2, 3);   // the member is the edited cell
    EXPECT_TRUE(G->ValidateCell(QStringLiteral("m")));
    EXPECT_EQ(G->Cells(2, 3), QStringLiteral("m"));
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("m"));
}

TEST_F(TGridEditFixture, ValidationUndoRestoresTheTextBeforeTheEdit)
{
    VOdeGridUndoRedo Undo;
    G->Set_UndoRedo(&Undo);
    G->Set_Cells(1, 1, QStringLiteral("before"));
    Go(1, 1);
    F2();
    ASSERT_TRUE(G->ValidateCell(QStringLiteral("after")));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("after"));
    Undo.Undo();
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("before"));
    G->Set_UndoRedo(nullptr);
}

TEST_F(TGridEditFixture, NestedValidationAnswersTrueAtOnce)
{
    int Calls = 0;
    G->OnCellValidate = [&](QObject *, int, int, QString &, bool &Valid) {
        ++Calls;
        EXPECT_TRUE(G->Validating());
        EXPECT_TRUE(G->ValidateCell(QStringLiteral("inner")));
        Valid = true;
    };
    Go(1, 1);
    F2();
    EXPECT_TRUE(G->ValidateCell(QStringLiteral("x")));
    EXPECT_EQ(Calls, 1);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("x"));
}

// --- SelectCell rights --------------------------------------------------------------------------------------

struct TSelectCase {
    const char *Name;
    std::function<void(RIraRevadiVizo &)> Arrange;
    int Col, Row;
    bool Allowed;
    bool EditingAfter;   // goEditing in Options afterwards
};

TEST_F(TGridEditFixture, SelectCellRights)
{
    struct TNodeGrid : RIraRevadiVizo {
        bool HasNodes() override { return true; }
    };
    const TSelectCase Cases[] = {
        // a read-only cell switches editing off, a writable one back on
        {"ReadOnlyCell", [](RIraRevadiVizo &Gr) { Gr.GetCellProperties(2, 2)->Set_ReadOnly(true); }, 2, 2, true, false},
        {"WritableCell", [](RIraRevadiVizo &) {}, 3, 2, true, true},
        // a merged member is refused; its base cell becomes current
        {"MergedMember",
         [](RIraRevadiVizo &Gr) {
             Gr.MergeCells(1, 3, 2, 1);
             Gr.Set_Options(Gr.Options() - goRangeSelect);
         },
         2, 3, false, true},
        // footer rows act as fixed cells
        {"FooterRow", [](RIraRevadiVizo &Gr) { Gr.Set_FixedFooters(1); }, 2, 5, false, true},
        // a negative position is refused without anything else
        {"Negative", [](RIraRevadiVizo &) {}, -1, 2, false, true},
        // a disabled row with SkipDisabledRows
        {"DisabledRow", [](RIraRevadiVizo &Gr) { Gr.SetRowEnabled(4, false); }, 2, 4, false, true},
    };
    for (const TSelectCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        RIraRevadiVizo Grid;
        Grid.Set_ColCount(5);
        Grid.Set_RowCount(6);
        Grid.Set_Options(Grid.Options() + goEditing);
        C.Arrange(Grid);
        EXPECT_EQ(Grid.SelectCell(C.Col, C.Row), C.Allowed);
        EXPECT_EQ(Grid.Options().Contains(goEditing), C.EditingAfter);
    }
    // the member's base cell became current
    RIraRevadiVizo M;
    M.Set_ColCount(5);
    M.Set_RowCount(6);
    M.MergeCells(1, 3, 2, 1);
    M.Set_Options(M.Options() - goRangeSelect);
    M.Set_Col(2);
    M.Set_Row(3);
    Flush();
    EXPECT_EQ(M.Col(), 1);
    EXPECT_EQ(M.Row(), 3);
    // the node column is refused unless rows are selected whole
    TNodeGrid N;
    N.Set_ColCount(5);
    N.Set_RowCount(6);
    N.Set_FixedCols(0);
    EXPECT_FALSE(N.SelectCell(0, 2));
    N.Set_Options(N.Options() + goRowSelect);
    EXPECT_TRUE(N.SelectCell(0, 2));
}

TEST_F(TGridEditFixture, ReadOnlyCellKeepsRightsAndWritableCellRestoresEditing)
{
    G->GetCellProperties(2, 2)->Set_ReadOnly(true);
    Go(2, 2);
    EXPECT_FALSE(G->Options().Contains(goEditing));
    EXPECT_TRUE(G->EditDisable());
    EXPECT_FALSE(G->IsEditable(2, 2));
    EXPECT_TRUE(G->IsEditable(3, 2));
    F2();
    EXPECT_FALSE(G->EditMode());
    Go(3, 2);
    EXPECT_TRUE(G->Options().Contains(goEditing));
    EXPECT_FALSE(G->EditDisable());
}

TEST_F(TGridEditFixture, ChangingEventsInOrder)
{
    std::vector<std::string> Seen;
    G->OnRowChanging = [&](QObject *, int, int, bool &) { Seen.push_back("row"); };
    G->OnColChanging = [&](QObject *, int, int, bool &) { Seen.push_back("col"); };
    G->OnCellChanging = [&](QObject *, int, int, int, int, bool &Allow) {
        Seen.push_back("cell");
        Allow = false;
    };
    Go(1, 1);
    Seen.clear();
    EXPECT_FALSE(G->SelectCell(2, 2));
    EXPECT_EQ(Seen, (std::vector<std::string>{"row", "col", "cell"}));
}

// --- the character filter per editor kind -------------------------------------------------------------

struct TFilterCase {
    const char *Name;
    TEditorType Kind;
    QString Start;      // text before typing, caret at its end
    QString Typed;
    QString Want;
    int Beeps;
};

TEST_F(TGridEditFixture, CharacterFilterPerKind)
{
    const TFilterCase Cases[] = {
        // numbers: "-" only first and once, other characters beep
        {"NumericMinusAfterDigit", edNumeric, "1", "-", "1", 1},
        {"NumericLetter", edNumeric, "", "a5", "5", 1},
        {"PositiveNumericMinus", edPositiveNumeric, "", "-7", "7", 1},
        // a second decimal separator vanishes without a beep
        {"FloatSecondSeparator", edFloat, "1.5", ".2", "1.52", 0},
        {"FloatLetterDropped", edFloat, "", "x3", "3", 0},
        {"PositiveFloatMinus", edPositiveFloat, "", "-1", "1", 1},
        // case kinds convert as typed
        {"UpperCase", edUpperCase, "", "ab", "AB", 0},
        {"Capital", edCapital, "", "xy", "XY", 0},
        {"LowerCase", edLowerCase, "", "AB", "ab", 0},
        {"MixedCase", edMixedCase, "", "john smith", "John Smith", 0},
        {"Normal", edNormal, "", "a-1", "a-1", 0},
    };
    for (const TFilterCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(1, 1, C.Start);
        Go(1, 1);
        F2();
        ASSERT_TRUE(Editor());
        Editor()->setCursorPosition(Editor()->displayText().size());
        const int Before = Beep_Count();
        Type(C.Typed);
        EXPECT_EQ(Editor()->text(), C.Want);
        EXPECT_EQ(Beep_Count() - Before, C.Beeps);
        Key(Qt::Key_Escape);
    }
}

// ValidChars names the accepted characters; while it is empty the character
// set ValidCharSet does (a wider character is never in it).
TEST_F(TGridEditFixture, ValidCharsFilter)
{
    struct TCase {
        const char *Name;
        QString Chars;
        const char *SetChars;
        QString Typed, Want;
        int Beeps;
    };
    const TCase Cases[] = {
        {"ValidCharsOnly", "ABC", "", "AaB", "AB", 1},
        {"ValidCharsBeforeTheSet", "ABC", "a", "AaB", "AB", 1},
        {"EmptyValidCharsUsesTheSet", "", "a1", "a1b\u00e9", "a1", 2},
        {"EmptyValidCharsAndSetRefuseAll", "", "", "ab", "", 2},
        {"WideCharacterNeverInTheSet", "", "x", QStringLiteral("x\u0100"), "x", 1},
    };
    Kind(edValidChars);
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        G->Set_ValidChars(C.Chars);
        std::bitset<256> Set;
        for (const char *P = C.SetChars; *P; ++P)
            Set.set(static_cast<unsigned char>(*P));
        G->Set_ValidCharSet(Set);
        G->Set_Cells(1, 1, QString());
        Go(1, 1);
        F2();
        ASSERT_TRUE(Editor());
        const int Before = Beep_Count();
        // one key per character, wide ones included
        for (const QChar Ch : C.Typed)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(Ch), Qt::NoModifier);
        EXPECT_EQ(Editor()->text(), C.Want);
        EXPECT_EQ(Beep_Count() - Before, C.Beeps);
        if (!C.Want.isEmpty()) {
            // Backspace always works
            Key(Qt::Key_Backspace);
            EXPECT_EQ(Editor()->text(), C.Want.chopped(1));
        }
        Key(Qt::Key_Escape);
    }
}

TEST_F(TGridEditFixture, LengthLimitKeepsTextButReplacesSelection)
{
    G->Set_MaxEditLength(3);
    G->Set_Cells(1, 1, QStringLiteral("abc"));
    Go(1, 1);
    F2();
    Editor()->setCursorPosition(3);
    Type(QStringLiteral("d"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("abc"));
    Editor()->selectAll();
    Type(QStringLiteral("z"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("z"));
}

// --- paste into an editor -------------------------------------------------------------------------------------

struct TPasteCase {
    const char *Name;
    TEditorType Kind;
    QString Clip;
    QString Want;
};

TEST_F(TGridEditFixture, PasteIntoEditor)
{
    const TPasteCase Cases[] = {
        // a trailing line break is dropped, an inner one kept
        {"TrailingBreakDropped", edNormal, "12\r\n", "12"},
        {"InnerBreakKept", edNormal, "a\r\nb", "a\r\nb"},
        // numbers must stay numbers
        {"NumericAccepted", edNumeric, "-42", "-42"},
        {"NumericRefused", edNumeric, "4x", ""},
        {"PositiveRefusesMinus", edPositiveNumeric, "-4", ""},
        {"FloatAccepted", edFloat, "3.25", "3.25"},
        {"UpperConverted", edUpperCase, "abc", "ABC"},
        // a capital editor converts typing only: a pasted text keeps its case
        {"CapitalKeptAsPasted", edCapital, "abc", "abc"},
        {"ValidCharsAccepted", edValidChars, "AB", "AB"},
        {"ValidCharsRefused", edValidChars, "AD", ""},
    };
    G->Set_ValidChars(QStringLiteral("ABC"));
    for (const TPasteCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(1, 1, QString());
        Go(1, 1);
        F2();
        ASSERT_TRUE(Editor());
        Editor()->Paste_Text(C.Clip);
        EXPECT_EQ(Editor()->text(), C.Want);
        // the cell follows the pasted text at once
        EXPECT_EQ(G->Cells(1, 1), C.Want);
        Key(Qt::Key_Escape);
    }
}

TEST_F(TGridEditFixture, PasteHandlersMayRefuse)
{
    G->OnClipboardBeforePasteCell = [](QObject *, int, int, QString &V, bool &Allow) { Allow = V != "no"; };
    Go(1, 1);
    F2();
    Editor()->Paste_Text(QStringLiteral("no"));
    EXPECT_EQ(Editor()->text(), QString());
    Editor()->Paste_Text(QStringLiteral("yes"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("yes"));
}

// The grid's copy and cut handlers are asked for the editor's own copy and
// cut too; a refusal leaves the clipboard and the text alone.
TEST_F(TGridEditFixture, EditorCopyAndCutAskTheGrid)
{
    struct TCase { const char *Name; QKeySequence::StandardKey Seq; bool Allow; const char *Text; const char *Asked; };
    const TCase Cases[] = {
        {"CopyRefused", QKeySequence::Copy, false, "abc", "copy"},
        {"CutRefused", QKeySequence::Cut, false, "abc", "cut"},
        {"CutAllowed", QKeySequence::Cut, true, "", "cut"},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        std::string Asked;
        G->OnClipboardCopy = [&](QObject *, bool &A) { Asked = "copy"; A = C.Allow; };
        G->OnClipboardCut = [&](QObject *, bool &A) { Asked = "cut"; A = C.Allow; };
        G->Set_Cells(1, 1, QStringLiteral("abc"));
        Go(1, 1);
        F2();
        ASSERT_TRUE(Editor());
        Editor()->selectAll();
        const QKeySequence Seq(C.Seq);
        QTest::keyClick(Editor(), static_cast<Qt::Key>(Seq[0].key()), Seq[0].keyboardModifiers());
        EXPECT_EQ(Asked, C.Asked);
        EXPECT_EQ(Editor()->text(), QString::fromLatin1(C.Text));
        Key(Qt::Key_Escape);
    }
}

// With ExcelStyleDecimalSeparator the keypad's point types the locale's
// separator into a number editor; the main keyboard's point does not.
TEST_F(TGridEditFixture, KeypadPointTypesTheLocaleSeparator)
{
    TFormatSettingsGuard Keep;
    Format_Settings().DecimalSeparator = u',';
    G->Set_ExcelStyleDecimalSeparator(true);
    Kind(edFloat);
    G->Set_Cells(1, 1, QString());
    Go(1, 1);
    F2();
    ASSERT_TRUE(Editor());
    Type(QStringLiteral("1"));
    QTest::keyClick(Editor(), Qt::Key_Period, Qt::KeypadModifier);
    Type(QStringLiteral("5"));
    EXPECT_EQ(Editor()->text(), QStringLiteral("1,5"));
    Key(Qt::Key_Escape);
}

TEST_F(TGridEditFixture, PasteIntoEditWithButton)
{
    Kind(edEditBtn);
    G->Set_Cells(1, 1, QStringLiteral("ab"));
    Go(1, 1);
    F2();
    TGridEditBtn *E = G->BtnEdit();
    ASSERT_TRUE(E->isVisible());
    E->selectAll();
    E->Paste_Text(QStringLiteral("12\r\n"));
    EXPECT_EQ(E->Text(), QStringLiteral("12"));
    EXPECT_EQ(E->selectedText(), QStringLiteral("12"));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("12"));
}

TEST_F(TGridEditFixture, CharacterFilterOfButtonEditors)
{
    const TFilterCase Cases[] = {
        // "-" only first and once; letters beep
        {"NumericMinusAfterDigit", edNumericEditBtn, "1", "-", "1", 1},
        {"NumericLetter", edNumericEditBtn, "", "x4", "4", 1},
        // a second separator vanishes silently; letters too
        {"FloatSecondSeparator", edFloatEditBtn, "2.5", ".1", "2.51", 0},
        {"FloatLetter", edFloatEditBtn, "", "q1", "1", 0},
        {"Plain", edEditBtn, "", "a-b", "a-b", 0},
    };
    for (const TFilterCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        Kind(C.Kind);
        G->Set_Cells(1, 1, C.Start);
        Go(1, 1);
        F2();
        TGridEditBtn *E = G->BtnEdit();
        ASSERT_TRUE(E->isVisible());
        E->setCursorPosition(E->Text().size());
        const int Before = Beep_Count();
        Type(C.Typed);
        EXPECT_EQ(E->Text(), C.Want);
        EXPECT_EQ(Beep_Count() - Before, C.Beeps);
        Key(Qt::Key_Escape);
    }
}

// --- the combo item list -------------------------------------------------------------------------------------

// The grid's one combo list: items loaded by the editor-property hook of the
// cell asked about, lookups by exact text, and the preselected item.
TEST_F(TGridEditFixture, ComboItemList)
{
    G->OnGetEditorProp = [this](QObject *, int, int ARow, QObject *) {
        G->ClearComboString();
        for (const char *S : {"Apple", "Pear", "Plum"})
            G->AddComboString(QString::fromLatin1(S) + (ARow == 3 ? QStringLiteral("!") : QString()));
    };
    G->Set_Cells(1, 2, QStringLiteral("Pear"));
    G->Set_Cells(1, 3, QStringLiteral("Pear"));
    EXPECT_EQ(G->GetComboIndex(1, 2), 1);
    EXPECT_EQ(G->GetComboIndex(1, 3), -1);   // row 3's items carry a "!"
    G->SetComboIndex(1, 3, 2);
    EXPECT_EQ(G->Cells(1, 3), QStringLiteral("Plum!"));
    EXPECT_THROW(G->SetComboIndex(1, 2, 3), std::exception);
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("Pear"));
    EXPECT_EQ(G->GetComboCount(), 3);
    EXPECT_FALSE(G->RemoveComboString(QStringLiteral("pear")));   // exact text only
    EXPECT_TRUE(G->RemoveComboString(QStringLiteral("Pear")));
    EXPECT_EQ(G->GetComboCount(), 2);
    EXPECT_FALSE(G->SetComboSelectionString(QStringLiteral("Kiwi")));
    EXPECT_TRUE(G->SetComboSelectionString(QStringLiteral("Plum")));
}
