// Cell graphic objects and check-box and radio cells: attaching and removing
// graphics, the kind-specific setters, check-box state and its toggles
// (tri-state cycles, group checking of nodes), radio buttons and undo.
#include "grid/base/GridUndoRedo.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <gtest/gtest.h>
#include <memory>

namespace {
std::unique_ptr<RIraRevadiVizo> Make_Grid(int Cols = 4, int Rows = 8)
{
    auto G = std::make_unique<RIraRevadiVizo>();
    G->Set_ColCount(Cols);
    G->Set_RowCount(Rows);
    return G;
}

// Makes Row a node over Span rows (level 1 for each), as the node code records them.
void Make_Node(RIraRevadiVizo &G, int Row, int Span)
{
    TCellGraphic *N = G.CreateCellGraphic(0, Row);
    N->CellType = ctNode;
    N->CellIndex = Span;
    N->CellHAlign = haBeforeText;
    N->CellVAlign = vaCenter;
    for (int R = Row; R < Row + Span; ++R)
        G.GetCellProperties(0, R)->Set_NodeLevel(1);
}

bool Box(RIraRevadiVizo &G, int C, int R)
{
    bool S = false;
    EXPECT_TRUE(G.GetCheckBoxState(C, R, S));
    return S;
}
TCheckBoxState Tri(RIraRevadiVizo &G, int C, int R)
{
    TCheckBoxState S = cbUnchecked;
    EXPECT_TRUE(G.GetCheckBoxState(C, R, S));
    return S;
}
}

// --- graphic objects ---------------------------------------------------------------------------------

TEST(StringGridGraphics, AttachReplaceRemove)
{
    auto G = Make_Grid();
    EXPECT_EQ(G->GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(G->GetCellType(-1, 1), ctEmpty);
    G->CreateBitmap(1, 1, false, haLeft, vaTop);
    EXPECT_TRUE(G->HasBitmap(1, 1));
    // a comment replaces the bitmap
    G->AddComment(1, 1, QStringLiteral("note"));
    EXPECT_FALSE(G->HasBitmap(1, 1));
    EXPECT_EQ(G->GetComment(1, 1), QStringLiteral("note"));
    EXPECT_EQ(G->GetCellGraphic(1, 1)->CellIndex, clRed);
    // creating a graphic on an empty cell leaves its text empty
    EXPECT_TRUE(G->Cells(1, 1).isEmpty());
    EXPECT_FALSE(G->RemoveRating(1, 1));
    EXPECT_TRUE(G->RemoveComment(1, 1));
    EXPECT_FALSE(G->RemoveCellGraphic(1, 1));
    // an object of another class in the slot is no graphic
    class TOther : public TObject {};
    TOther O;
    G->SetGraphicObjectEx(2, 1, &O);
    EXPECT_EQ(G->GetCellType(2, 1), ctEmpty);
    EXPECT_EQ(G->GetCellGraphic(2, 1), nullptr);
    G->SetGraphicObjectEx(2, 1, nullptr);
}

TEST(StringGridGraphics, KindSpecificSetters)
{
    auto G = Make_Grid();
    struct TCase { const char *Name; std::function<bool(RIraRevadiVizo &)> Check; };
    const TCase Cases[] = {
        // angles are brought into 0..360, 360 itself stays
        {"RotatedNegative", [](RIraRevadiVizo &Gr) { int A = 0; Gr.SetRotated(1, 1, -30); return Gr.IsRotated(1, 1, A) && A == 330; }},
        {"Rotated720", [](RIraRevadiVizo &Gr) { int A = 0; Gr.SetRotated(1, 1, 720); return Gr.IsRotated(1, 1, A) && A == 360; }},
        // a comment is set on an empty cell, never over a button
        {"CommentOnEmpty", [](RIraRevadiVizo &Gr) { Gr.SetComment(2, 2, "c"); return Gr.GetComment(2, 2) == "c"; }},
        {"CommentNotOnButton", [](RIraRevadiVizo &Gr) { Gr.AddButton(2, 3, 20, 16, "B", haLeft, vaTop); Gr.SetComment(2, 3, "c"); return Gr.HasButton(2, 3) && Gr.GetComment(2, 3).isEmpty(); }},
        // button text and push act only on buttons and answer false elsewhere
        {"ButtonTextOnButton", [](RIraRevadiVizo &Gr) { Gr.AddButton(1, 4, 20, 16, "B", haLeft, vaTop); return Gr.SetButtonText(1, 4, "Go") && Gr.GetButtonText(1, 4) == "Go"; }},
        {"ButtonTextElsewhere", [](RIraRevadiVizo &Gr) { Gr.AddComment(1, 5, "x"); return !Gr.SetButtonText(1, 5, "Go") && Gr.GetComment(1, 5) == "x"; }},
        {"PushElsewhere", [](RIraRevadiVizo &Gr) { Gr.AddCheckBox(2, 5, true, false); return !Gr.PushButton(2, 5, true) && Gr.IsChecked(2, 5); }},
        {"PushButton", [](RIraRevadiVizo &Gr) { Gr.AddButton(3, 5, 20, 16, "B", haLeft, vaTop); return Gr.PushButton(3, 5, true) && Gr.GetCellGraphic(3, 5)->CellBoolean; }},
        // the radio index only goes into a radio group
        {"RadioIdxOnRadio", [](RIraRevadiVizo &Gr) { Gr.AddRadio(1, 6, 0, 0, {"a", "b"}); int I = -5; return Gr.SetRadioIdx(1, 6, 1) && Gr.GetRadioIdx(1, 6, I) && I == 1; }},
        {"RadioIdxElsewhere", [](RIraRevadiVizo &Gr) { Gr.AddButton(2, 6, 20, 16, "B", haLeft, vaTop); return !Gr.SetRadioIdx(2, 6, 3) && Gr.GetCellGraphic(2, 6)->CellIndex == (16 << 16 | 20); }},
        // markers: a plain marker goes entirely, a comment keeps its text
        {"MarkerRemoved", [](RIraRevadiVizo &Gr) { Gr.AddMarker(3, 1, 2, 3); int P, L; Gr.GetMarker(3, 1, P, L); Gr.RemoveMarker(3, 1); return P == 2 && L == 3 && Gr.GetCellType(3, 1) == ctEmpty && !Gr.GetCellGraphic(3, 1); }},
        {"MarkerOnComment", [](RIraRevadiVizo &Gr) { Gr.AddComment(3, 2, "k"); Gr.AddMarker(3, 2, 1, 1); Gr.RemoveMarker(3, 2); int P, L; Gr.GetMarker(3, 2, P, L); return P == 0 && L == 0 && Gr.GetComment(3, 2) == "k"; }},
        // a balloon on a progress bar adds nothing; on a check box the box stays
        {"BalloonOnProgress", [](RIraRevadiVizo &Gr) { Gr.AddProgress(1, 7, clBlue, clWhite); Gr.AddBalloon(1, 7, "t", "x", biInfo); QString T, X; TBalloonIcon I; return !Gr.IsBalloon(1, 7, T, X, I) && Gr.HasProgress(1, 7); }},
        {"BalloonOnCheckBox", [](RIraRevadiVizo &Gr) { Gr.AddCheckBox(2, 7, true, false); Gr.AddBalloon(2, 7, "t", "x", biWarning); QString T, X; TBalloonIcon I; return Gr.IsBalloon(2, 7, T, X, I) && T == "t" && X == "x" && I == biWarning && !Gr.HasBalloon(2, 7) && Gr.IsChecked(2, 7); }},
        // expand buttons
        {"ExpandHeightWithout", [](RIraRevadiVizo &Gr) { return Gr.GetExpandHeight(3, 6, true) == Gr.DefaultRowHeight(); }},
        {"ExpandToggle", [](RIraRevadiVizo &Gr) { Gr.AddExpand(3, 7, 60); const bool A = Gr.ToggleExpand(3, 7); return A && Gr.GetExpandHeight(3, 7, true) == 60 && Gr.GetExpandHeight(3, 7, false) == Gr.RowHeights(7); }},
        // shape colours only for shapes
        {"ShapeColour", [](RIraRevadiVizo &Gr) { Gr.AddShape(0, 7, csCircle, clRed, clBlack, haLeft, vaTop); Gr.SetShapeColor(0, 7, clBlue); return Gr.GetShapeColor(0, 7) == clBlue && Gr.GetShapeColor(1, 1) == clNone; }},
        // controls a click acts on: not a bit button
        {"CellControls", [](RIraRevadiVizo &Gr) { Gr.AddBitButton(0, 6, 20, 16, "", nullptr, haLeft, vaTop); return !Gr.HasCellControl(0, 6) && Gr.HasCellControl(1, 6) && Gr.HasCellControl(3, 5); }},
    };
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        EXPECT_TRUE(K.Check(*G));
    }
}

TEST(StringGridGraphics, RadioGroupAdvance)
{
    auto G = Make_Grid();
    G->AddRadio(1, 1, 0, 1, {"a", "b"});
    G->AdvanceRadio(1, 1, false);
    int I = -5;
    G->GetRadioIdx(1, 1, I);
    EXPECT_EQ(I, 0);   // wraps to the first choice
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("a"));
    // an index below -1 stays while the text moves on
    G->AddRadio(1, 2, 0, -2, {"a", "b", "c"});
    G->Set_Cells(1, 2, QStringLiteral("b"));
    G->AdvanceRadio(1, 2, false);
    G->GetRadioIdx(1, 2, I);
    EXPECT_EQ(I, -2);
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("c"));
}

TEST(StringGridGraphics, RowCheckBoxOfHotmailSelect)
{
    auto G = Make_Grid(3, 11);   // 10 data rows
    G->MouseActions().Set_HotmailRowSelect(true);
    EXPECT_EQ(G->GetCellType(0, 3), ctRowCheckBox);
    struct TCase { const char *Name; int Selected; int Angle; bool Bool; };
    const TCase Cases[] = {{"None", 0, 0, false}, {"Some", 4, 1, false}, {"All", 10, 0, true}};
    for (const TCase &K : Cases) {
        SCOPED_TRACE(K.Name);
        G->ClearRowSelect();
        for (int R = 1; R <= K.Selected; ++R)
            G->SetRowSelect(R, true);
        const TCellGraphic *H = G->GetCellGraphic(0, 0);
        EXPECT_EQ(H->CellAngle, K.Angle);
        EXPECT_EQ(H->CellBoolean, K.Bool);
    }
    // a place above or left of the grid has no graphic, row box or not
    EXPECT_EQ(G->GetCellGraphic(0, -1), nullptr);
    EXPECT_EQ(G->GetCellGraphic(-1, 2), nullptr);
}

// --- check boxes ----------------------------------------------------------------------------------------

TEST(StringGridCheckBoxes, CreationAndDataText)
{
    auto G = Make_Grid();
    G->Set_Cells(1, 1, QStringLiteral("x"));
    G->AddCheckBox(1, 1, true, true);
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Y"));
    G->Set_Cells(1, 2, QStringLiteral("N"));
    G->AddCheckBox(1, 2, true, true);
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("N"));
    EXPECT_FALSE(G->IsChecked(1, 2));
    EXPECT_FALSE(G->IsChecked(2, 2));   // a text cell
    EXPECT_THROW(G->AddCheckBox(1, G->RowCount(), true, false), std::runtime_error);
    EXPECT_THROW(G->AddRadioButton(G->ColCount(), 1), std::runtime_error);
    // check-false changed to "0": "N" reads unchecked, toggling writes "Y"
    G->Set_CheckFalse(QStringLiteral("0"));
    G->ToggleCheckBox(1, 2);
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("Y"));
    const TCellGraphic *B = G->GetCellGraphic(1, 2);
    EXPECT_EQ(B->CellHAlign, haBeforeText);
    EXPECT_TRUE(B->CellTransparent);
}

TEST(StringGridCheckBoxes, TriStateCycles)
{
    auto G = Make_Grid();
    Make_Node(*G, 4, 3);
    G->AddCheckBox(1, 1, cbUnchecked);
    G->AddCheckBox(1, 4, cbGrayed);
    struct TStep { int Row; TCheckBoxState Want; };
    // outside a node row: unchecked -> grayed -> checked -> unchecked
    const TStep Plain[] = {{1, cbGrayed}, {1, cbChecked}, {1, cbUnchecked}};
    for (const TStep &S : Plain) {
        G->ToggleCheck(1, S.Row, false);
        EXPECT_EQ(Tri(*G, 1, S.Row), S.Want);
    }
    // in a node row: grayed -> checked -> unchecked -> checked
    const TStep Node[] = {{4, cbChecked}, {4, cbUnchecked}, {4, cbChecked}};
    for (const TStep &S : Node) {
        G->ToggleCheck(1, S.Row, false);
        EXPECT_EQ(Tri(*G, 1, S.Row), S.Want);
    }
    EXPECT_FALSE(G->SetCheckBoxState(1, 1, true));   // tri-state boxes take the three-state form
    EXPECT_TRUE(G->SetCheckBoxState(1, 1, cbGrayed));
}

// The change event and the undo record carry the state the user sees.
TEST(StringGridCheckBoxes, ChangeEventAndUndo)
{
    auto G = Make_Grid();
    VOdeGridUndoRedo U;
    G->Set_UndoRedo(&U);
    std::vector<std::pair<int, bool>> Events;
    G->OnCheckBoxChange = [&](QObject *, int, int ARow, bool S) { Events.push_back({ARow, S}); };
    G->AddCheckBox(1, 1, false, true);    // data box: "N"
    G->AddCheckBox(1, 2, cbGrayed);
    G->ToggleCheck(1, 1, false);          // -> "Y"
    G->ToggleCheck(1, 2, false);          // grayed -> checked
    ASSERT_EQ(Events.size(), 2u);
    EXPECT_EQ(Events[0], std::make_pair(1, true));
    EXPECT_EQ(Events[1], std::make_pair(2, true));
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Y"));
    // each toggle is one step back, newest first: the tri-state box is grayed
    // again with its text untouched, then the data box's text goes back
    U.Undo();
    EXPECT_EQ(Tri(*G, 1, 2), cbGrayed);
    EXPECT_EQ(G->Cells(1, 2), QString());
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("Y"));
    U.Undo();
    EXPECT_EQ(G->Cells(1, 1), QStringLiteral("N"));
    G->Set_UndoRedo(nullptr);
}

// Undo and redo of a box that keeps its state beside the text give back the
// state and leave the cell's text alone.
TEST(StringGridCheckBoxes, UndoGivesBackTheBoxState)
{
    struct TCase { const char *Name; bool Plain; bool PlainState; TCheckBoxState TriState; };
    const TCase Cases[] = {
        {"PlainUnchecked", true, false, cbUnchecked},
        {"PlainChecked", true, true, cbUnchecked},
        {"TriUnchecked", false, false, cbUnchecked},
        {"TriChecked", false, false, cbChecked},
        {"TriGrayed", false, false, cbGrayed},
    };
    for (const TCase &C : Cases) {
        SCOPED_TRACE(C.Name);
        auto G = Make_Grid();
        VOdeGridUndoRedo U;
        G->Set_UndoRedo(&U);
        G->Set_Cells(1, 1, QStringLiteral("label"));
        if (C.Plain)
            G->AddCheckBox(1, 1, C.PlainState, false);
        else
            G->AddCheckBox(1, 1, C.TriState);
        G->ToggleCheck(1, 1, false);
        const bool AfterPlain = C.Plain ? Box(*G, 1, 1) : false;
        const TCheckBoxState AfterTri = C.Plain ? cbUnchecked : Tri(*G, 1, 1);
        U.Undo();
        if (C.Plain)
            EXPECT_EQ(Box(*G, 1, 1), C.PlainState);
        else
            EXPECT_EQ(Tri(*G, 1, 1), C.TriState);
        EXPECT_EQ(G->Cells(1, 1), QStringLiteral("label"));
        U.Redo();
        if (C.Plain)
            EXPECT_EQ(Box(*G, 1, 1), AfterPlain);
        else
            EXPECT_EQ(Tri(*G, 1, 1), AfterTri);
        EXPECT_EQ(G->Cells(1, 1), QStringLiteral("label"));
        G->Set_UndoRedo(nullptr);
    }
}

TEST(StringGridCheckBoxes, GroupChecking)
{
    auto G = Make_Grid();
    G->Set_AutoCheckGroup(true);
    Make_Node(*G, 1, 4);   // node row 1, children 2..4
    G->AddCheckBox(1, 1, cbUnchecked);
    for (int R = 2; R <= 4; ++R)
        G->AddCheckBox(1, R, true, false);
    struct TStep { const char *Name; int Row; TCheckBoxState WantNode; };
    const TStep Steps[] = {
        {"OneUncheckedGrays", 2, cbGrayed},
        {"SecondStillGray", 3, cbGrayed},
        {"AllUnchecked", 4, cbUnchecked},
        {"OneCheckedGrays", 3, cbGrayed},
    };
    for (const TStep &S : Steps) {
        SCOPED_TRACE(S.Name);
        G->ToggleCheck(1, S.Row, false);
        EXPECT_EQ(Tri(*G, 1, 1), S.WantNode);
    }
    // checking the node checks every child
    G->SetCheckBoxState(1, 1, cbUnchecked);
    G->ToggleCheck(1, 1, false);
    EXPECT_EQ(Tri(*G, 1, 1), cbChecked);
    for (int R = 2; R <= 4; ++R)
        EXPECT_TRUE(Box(*G, 1, R)) << R;
}

TEST(StringGridCheckBoxes, RightsAndHitTest)
{
    auto G = Make_Grid();
    G->AddCheckBox(1, 1, false, false);
    G->OnCanEditCell = [](QObject *, int, int, bool &Can) { Can = false; };
    EXPECT_FALSE(G->ToggleCheck(1, 1, true));
    EXPECT_FALSE(G->IsChecked(1, 1));
    EXPECT_TRUE(G->ToggleCheck(1, 1, false));   // not from the user: no question
    G->ControlLook().CheckAlwaysActive = true;
    EXPECT_TRUE(G->ToggleCheck(1, 1, true));
    // anywhere in the cell counts unless the precise test is on
    EXPECT_TRUE(G->IsInCheckBox(1, 1, 0, 0));
    EXPECT_FALSE(G->IsInCheckBox(2, 1, 0, 0));
    G->MouseActions().Set_PreciseCheckBoxCheck(true);
    const TRect R = G->CellRect(1, 1);
    EXPECT_TRUE(G->IsInCheckBox(1, 1, R.Left + 5, R.Top + 5));
    EXPECT_FALSE(G->IsInCheckBox(1, 1, R.Right - 2, R.Top + 5));
}

TEST(StringGridCheckBoxes, HiddenRowsAndNotify)
{
    auto G = Make_Grid();
    G->AddCheckBox(1, 3, false, false);
    G->HideRow(2);   // real row 3 is displayed at 2
    EXPECT_TRUE(G->SetCheckBoxState(1, 3, true));
    EXPECT_TRUE(G->IsChecked(1, 3));
    G->HideRow(2);   // real row 3 hidden: its box still answers by real row
    EXPECT_TRUE(G->IsChecked(1, 3));
    EXPECT_TRUE(G->SetCheckBoxState(1, 3, false));
    EXPECT_FALSE(G->IsChecked(1, 3));
    G->UnHideRowsAll();
    EXPECT_FALSE(G->IsChecked(1, 3));
    // CheckAll fires for real changes only
    int Fired = 0;
    G->OnCheckBoxChange = [&](QObject *, int, int, bool) { ++Fired; };
    G->AddCheckBox(2, 1, true, false);
    G->AddCheckBox(2, 2, false, false);
    G->CheckAll(2);
    EXPECT_EQ(Fired, 1);
    EXPECT_TRUE(G->IsChecked(2, 2));
}

TEST(StringGridCheckBoxes, RadioButtons)
{
    auto G = Make_Grid();
    G->AddRadioButtonColumn(2);
    G->AddRadioButton(2, 0, true);   // a fixed row takes part
    EXPECT_EQ(G->GetRadioButtonColumnIndex(2), -1);
    EXPECT_TRUE(G->ToggleRadioButton(2, 3, false));
    EXPECT_TRUE(G->IsRadioButtonChecked(2, 3));
    EXPECT_FALSE(G->IsRadioButtonChecked(2, 0));   // moved out of the fixed row
    EXPECT_TRUE(G->ToggleRadioButton(2, 3, false)); // checked stays checked
    EXPECT_TRUE(G->IsRadioButtonChecked(2, 3));
    EXPECT_EQ(G->GetRadioButtonColumnIndex(2), 3);
    G->SetRadioButtonColumnIndex(2, 5);
    EXPECT_EQ(G->GetRadioButtonColumnIndex(2), 5);
    EXPECT_FALSE(G->SetRadioButtonState(1, 1, true));
    EXPECT_FALSE(G->ToggleRadioButton(1, 1, false));
}

// Space on the current cell flips its check box (or checks its radio button)
// through the grid's check toggles, with the event the user sees.
TEST(StringGridCheckBoxes, SpaceFlipsCellControls)
{
    auto G = Make_Grid();
    G->Set_Options(G->Options() + goEditing);
    G->AddCheckBox(1, 2, cbUnchecked);
    G->AddRadioButton(2, 3, false);
    std::vector<bool> Clicks;
    G->OnCheckBoxClick = [&](QObject *, int, int, bool S) { Clicks.push_back(S); };
    int RadioClicks = 0;
    G->OnRadioButtonClick = [&](QObject *, int, int) { ++RadioClicks; };
    struct TStep { int Col, Row; };
    for (const TStep S : {TStep{1, 2}, TStep{1, 2}, TStep{2, 3}}) {
        G->FocusCell(S.Col, S.Row);
        TKey Key = VK_SPACE;
        G->KeyDown(Key, {});
    }
    EXPECT_EQ(Tri(*G, 1, 2), cbChecked);   // unchecked -> grayed -> checked
    EXPECT_TRUE(G->IsRadioButtonChecked(2, 3));
    // A radio button reports with its own event, not as a check box.
    EXPECT_EQ(Clicks, (std::vector<bool>{false, true}));
    EXPECT_EQ(RadioClicks, 1);
}

TEST(StringGridGraphics, ImageListKinds)
{
    auto G = Make_Grid();
    // nothing is added without the grid's image list
    G->AddImageIdx(1, 1, 2, haLeft, vaTop);
    G->AddDataImage(1, 2, 1, haLeft, vaTop);
    G->AddMultiImage(1, 3, 0, haLeft, vaTop);
    EXPECT_EQ(G->GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(G->GetCellType(1, 2), ctEmpty);
    EXPECT_EQ(G->GetCellImages(1, 3), nullptr);

    TImageList IL(16, 12);
    for (int I = 0; I < 3; ++I)
        IL.Add(QImage(16, 12, QImage::Format_RGB32));
    G->Set_GridImages(&IL);
    G->AddImageIdx(1, 1, 2, haLeft, vaTop);
    int Idx = -1;
    EXPECT_TRUE(G->GetImageIdx(1, 1, Idx));
    EXPECT_EQ(Idx, 2);
    G->SetImageIdx(1, 1, 0);
    G->GetImageIdx(1, 1, Idx);
    EXPECT_EQ(Idx, 0);
    EXPECT_EQ(G->GetCellImageData(1, 1), 0);
    // a data image writes its index into an empty cell and removing it empties the cell
    G->AddDataImage(1, 2, 1, haLeft, vaTop);
    EXPECT_EQ(G->Cells(1, 2), QStringLiteral("1"));
    EXPECT_TRUE(G->IsDataGraphicCell(1, 2));
    G->RemoveDataImage(1, 2);
    EXPECT_TRUE(G->Cells(1, 2).isEmpty());
    EXPECT_FALSE(G->HasDataImage(1, 2));
    // a horizontal multi-image cell is as wide as its images together
    G->AddMultiImage(1, 3, 0, haLeft, vaTop);
    G->GetCellImages(1, 3)->Add(0);
    G->GetCellImages(1, 3)->Add(2);
    int W, H;
    bool Text;
    TCellHAlign HA;
    TCellVAlign VA;
    G->GetCellGraphicLayout(1, 3, W, H, Text, HA, VA);
    EXPECT_EQ(TPoint(W, H), TPoint(32, 12));
    G->AddMultiImage(2, 3, 1, haLeft, vaTop);
    G->GetCellImages(2, 3)->Add(1);
    G->GetCellImages(2, 3)->Add(1);
    G->GetCellGraphicLayout(2, 3, W, H, Text, HA, VA);
    EXPECT_EQ(TPoint(W, H), TPoint(16, 24));
    G->Set_GridImages(nullptr);
    EXPECT_FALSE(G->GetImageIdx(1, 1, Idx));
}

// The grid does not own its image list: once the list is destroyed the grid
// reads as having none, so painting and measuring an image cell never reach
// freed memory, and a copy of the list is a list of its own.
TEST(StringGridGraphics, DestroyedImageListIsForgotten)
{
    auto G = Make_Grid();
    auto IL = std::make_unique<TImageList>(16, 12);
    IL->Add(QImage(16, 12, QImage::Format_RGB32));
    const TImageList Copy = *IL;
    G->Set_GridImages(IL.get());
    G->AddImageIdx(1, 1, 0, haBeforeText, vaTop);
    int Idx = -1;
    ASSERT_TRUE(G->GetImageIdx(1, 1, Idx));
    IL.reset();
    EXPECT_EQ(G->GridImages(), nullptr);
    EXPECT_FALSE(G->GetImageIdx(1, 1, Idx));
    G->AddImageIdx(2, 1, 0, haLeft, vaTop);
    EXPECT_EQ(G->GetCellType(2, 1), ctEmpty);
    // painting the orphaned image cell draws no image and does not crash
    G->resize(300, 200);
    EXPECT_FALSE(G->grab().isNull());
    // the copy outlives the original and can be named again
    G->Set_GridImages(const_cast<TImageList *>(&Copy));
    EXPECT_EQ(G->GridImages(), &Copy);
    EXPECT_TRUE(G->GetImageIdx(1, 1, Idx));
}

TEST(StringGridCheckBoxes, RowCheckBoxTogglesSelection)
{
    auto G = Make_Grid(3, 6);
    G->MouseActions().Set_HotmailRowSelect(true);
    G->Set_Cells(0, 2, QStringLiteral("keep"));
    EXPECT_TRUE(G->ToggleCheck(0, 2, false));
    EXPECT_TRUE(G->GetRowSelect(2));
    EXPECT_TRUE(G->IsChecked(0, 2));
    EXPECT_EQ(G->Cells(0, 2), QStringLiteral("keep"));
    G->ToggleCheck(0, 2, false);
    EXPECT_FALSE(G->GetRowSelect(2));
}
