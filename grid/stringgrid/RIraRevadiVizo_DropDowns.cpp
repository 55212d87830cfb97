// The drop-down editor kinds: the grid's nine drop-down editors, how each is
// filled from the cell when editing starts and how its value goes back.
#include "grid/stringgrid/GridDropDownEditors.h"
#include "grid/stringgrid/GridDropDownMaker.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/Locale.h"
#include <QDebug>

namespace {
// A new drop-down editor takes the grid's style and colour tones, and its
// bars' buttons report with the grid's current cell.
void Join_Grid(RIraRevadiVizo *G, VOdeCustomDropDown *D)
{
    D->SetComponentStyle(G->ComponentStyle());
    D->SetColorTones(G->ColorTones());
    D->OnDropDownHeaderButtonClick = [G](QObject *, int Index) {
        if (G->OnDropDownHeaderButtonClick)
            G->OnDropDownHeaderButtonClick(G, G->Col(), G->Row(), Index);
    };
    D->OnDropDownFooterButtonClick = [G](QObject *, int Index) {
        if (G->OnDropDownFooterButtonClick)
            G->OnDropDownFooterButtonClick(G, G->Col(), G->Row(), Index);
    };
}
} // namespace

template <class T> T *RIraRevadiVizo::Make_DropDown(T *&Slot)
{
    if (Slot)
        return Slot;
    Slot = new T(this);
    Join_Grid(this, Slot);
    return Slot;
}

TGridTrackbarDropDown *RIraRevadiVizo::TrackbarDropDown()
{
    const bool New = !FEditTrackBar;
    Make_DropDown(FEditTrackBar);
    if (New)
        FEditTrackBar->SetEditorEnabled(true);
    return FEditTrackBar;
}

TGridMemoDropDown *RIraRevadiVizo::MemoDropDown()
{
    if (!FEditMemo) {
        Make_DropDown(FEditMemo);
        // The cell follows the memo at once.
        FEditMemo->OnChange = [this](QObject *) {
            if (FEditMode && FEditControl == edMemoDropDown && !FNoEditChange)
                SetEditText(Col(), Row(), FEditMemo->Value_Text());
        };
    }
    return FEditMemo;
}

TGridCalculatorDropDown *RIraRevadiVizo::CalculatorDropDown()
{
    const bool New = !FEditCalculator;
    Make_DropDown(FEditCalculator);
    if (New)
        FEditCalculator->SetEditorEnabled(true);
    return FEditCalculator;
}

TGridTimepickerDropDown *RIraRevadiVizo::TimePickerDropDown() { return Make_DropDown(FEditTimePicker); }

TGridDetailPickerDropDown *RIraRevadiVizo::DetailPickerDropDown() { return Make_DropDown(FEditDetailPicker); }

TGridGridDropDown *RIraRevadiVizo::GridDropDown() { return Make_DropDown(FEditGridPicker); }

VOdeCustomDropDown *RIraRevadiVizo::Grid_DropDown_Editor()
{
    if (FEditDarAzidPicker)
        return FEditDarAzidPicker;
    const TGridDropDownMaker Make = Grid_DropDown_Maker();
    if (!Make) {
        // A program that places this kind registers the maker at start-up;
        // without one the kind opens no editor, as a kind without a control.
        static bool Told = false;
        if (!Told)
            qWarning("RIraRevadiVizo: no grid drop-down maker registered (Register_Grid_DropDown)");
        Told = true;
        return nullptr;
    }
    FEditDarAzidPicker = Make(this);
    Join_Grid(this, FEditDarAzidPicker);
    return FEditDarAzidPicker;
}

TGridColorDropDown *RIraRevadiVizo::ColorPickerDropDown()
{
    if (!FEditColorPicker) {
        Make_DropDown(FEditColorPicker);
        FEditColorPicker->AddDefaultColors();
        FEditColorPicker->OnSelect = [this](QObject *) {
            ColorSelect(Col(), Row(), FEditColorPicker->SelectedColor(), FEditColorPicker->GetSelectedColorText());
        };
    }
    return FEditColorPicker;
}

TGridImageDropDown *RIraRevadiVizo::ImagePickerDropDown()
{
    if (!FEditImagePicker) {
        Make_DropDown(FEditImagePicker);
        FEditImagePicker->OnSelect = [this](QObject *) { ImageSelect(Col(), Row(), FEditImagePicker->ItemIndex()); };
    }
    return FEditImagePicker;
}

void RIraRevadiVizo::ColorSelect(int ACol, int ARow, TColor Color, const QString &Value)
{
    if (OnColorSelect)
        OnColorSelect(this, ACol, ARow, Color, Value);
}

void RIraRevadiVizo::ImageSelect(int ACol, int ARow, int ItemIndex)
{
    if (OnImageSelect)
        OnImageSelect(this, ACol, ARow, ItemIndex);
}

QWidget *RIraRevadiVizo::DropDownEditor(TEditorType Kind)
{
    switch (Kind) {
    case edTrackbarDropDown: return TrackbarDropDown();
    case edMemoDropDown: return MemoDropDown();
    case edCalculatorDropDown: return CalculatorDropDown();
    case edTimePickerDropDown: return TimePickerDropDown();
    case edDetailDropDown: return DetailPickerDropDown();
    case edGridDropDown: return GridDropDown();
    case edColorPickerDropDown: return ColorPickerDropDown();
    case edImagePickerDropDown: return ImagePickerDropDown();
    case edDarAzidDropDown: return Grid_DropDown_Editor();
    default: return nullptr;
    }
}

TColor RIraRevadiVizo::Editor_Color(int ACol, int ARow, TFont *AFont)
{
    TGridDrawState State;
    TBrush Brush;
    Brush.Color = Color();
    TColor ColorTo = clNone, MirrorColor = clNone, MirrorColorTo = clNone;
    TFont F = Font();
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = WordWrap();
    TCellGradientDirection GD = GradientVertical;
    GetVisualProperties(ACol, ARow, State, false, false, true, Brush, ColorTo, MirrorColor, MirrorColorTo, F, HA, VA,
                        WW, GD);
    if (AFont)
        *AFont = F;
    return Brush.Color;
}

// --- opening ----------------------------------------------------------------------------------------------

bool RIraRevadiVizo::Setup_DropDown(QWidget *W, int ACol, int ARow, int Left, int Top, int Width, int Height)
{
    auto *D = dynamic_cast<VOdeCustomDropDown *>(W);
    if (!D || W->parentWidget() != this)
        return false;
    const int RealCol = RealColIndex(ACol);
    const QString Text = GetEditText(ACol, ARow);
    FDropDownCancelled = false;
    D->DropDownHeader().Assign(FControlLook.DropDownHeader());
    D->DropDownFooter().Assign(FControlLook.DropDownFooter());
    D->SetComponentStyle(ComponentStyle());
    FNoEditChange = true;
    if (auto *G = dynamic_cast<TGridGridDropDown *>(W)) {
        G->SetEditorEnabled(true);
        GetEditorProp(RealCol, ARow, nullptr);
        G->BeginUpdate();
        G->EndUpdate();
        G->SetItemIndex(Text.isEmpty() ? 0 : G->GetItemIndex(Text));
    } else {
        // The kinds this grid cannot name (the grid drop-down) fill
        // themselves around the application's loading of their items.
        auto *E = dynamic_cast<IGridDropDownEditor *>(W);
        if (E)
            E->Begin_Cell_Edit();
        GetEditorProp(RealCol, ARow, nullptr);
        if (E)
            E->Cell_Props_Loaded(Text);
    }
    W->setGeometry(Left, Top, 0, 0);
    W->setEnabled(true);
    D->Set_Border(false);
    W->resize(Width, Height);
    if (auto *T = dynamic_cast<TGridTrackbarDropDown *>(W)) {
        T->SetPosition(Leading_Int(Text));
    } else if (auto *M = dynamic_cast<TGridMemoDropDown *>(W)) {
        M->Set_MemoText(Text.split(QStringLiteral("\r\n")));
        M->SetTextDirect(Text);
        M->setCursorPosition(0);
        M->deselect();
    } else if (auto *P = dynamic_cast<TGridDetailPickerDropDown *>(W)) {
        P->SetEditorEnabled(true);
        P->SetTextDirect(Text);
        const int I = P->Items().IndexOf(Text);
        if (I >= 0)
            P->SetItemIndex(I);
    } else if (auto *C = dynamic_cast<TGridColorDropDown *>(W)) {
        const TCellGraphic *Gr = GetCellGraphic(RealCol, ARow);
        C->SetSelectedColor(Gr && Gr->CellType == ctShape ? GetShapeColor(RealCol, ARow) : GetColors(RealCol, ARow));
    } else if (auto *I = dynamic_cast<TGridImageDropDown *>(W)) {
        const TCellGraphic *Gr = GetCellGraphic(RealCol, ARow);
        if (Gr && (Gr->CellType == ctImageList || Gr->CellType == ctDataImage)) {
            I->SetImages(GridImages());
            if (I->Items().empty())
                I->AddImagesFromImageList();
            I->SetImageIndex(Gr->CellType == ctImageList ? Gr->CellIndex : Leading_Int(GetCellEx(RealCol, ARow)));
        }
        const int Sel = I->ItemIndex();
        I->SetTextDirect(Sel >= 0 ? I->Items()[Sel].Caption : QString());
    } else if (auto *Tp = dynamic_cast<TGridTimepickerDropDown *>(W)) {
        Tp->SetEditorEnabled(true);
        Tp->SetTextDirect(Text);
    } else {
        // Calculator, multi-column and grid drop-downs: the cell's text as it
        // is (a drop-down that opens never reformats the cell).
        D->SetTextDirect(Text);
    }
    // From here on a change is the user's (the typed character that started the edit).
    FNoEditChange = false;
    D->Set_Color(Editor_Color(ACol, ARow));
    W->show();
    W->raise();
    W->setFocus();
    Post_Start_Char(W);
    if (FMouseActions.DirectComboDrop())
        D->ShowDropDown();
    return true;
}

// --- committing -------------------------------------------------------------------------------------------

bool RIraRevadiVizo::Commit_DropDown(QWidget *W, int ACol, int ARow)
{
    auto *D = dynamic_cast<VOdeCustomDropDown *>(W);
    if (!D || W->parentWidget() != this)
        return false;
    const int RealCol = RealColIndex(ACol);
    // The popup closes keeping the editor's value: a cancelled edit gets the
    // cell's text back below, so the popup's own restore would undo a commit.
    D->HideDropDown(false);
    const bool Cancelled = FDropDownCancelled;
    FDropDownCancelled = false;
    if (Cancelled) {
        // Escape: the cell gets back its text from before the edit (the memo
        // wrote its text into the cell while it was typed); a colour or
        // picture chosen meanwhile is dropped.
        if (!dynamic_cast<TGridColorDropDown *>(W) && !dynamic_cast<TGridImageDropDown *>(W))
            Write_Edit_Value(ACol, ARow, FCellCache);
    } else if (auto *C = dynamic_cast<TGridColorDropDown *>(W)) {
        TColor Color = C->SelectedColor();
        QString Value = C->GetSelectedColorText();
        if (OnColorSelected)
            OnColorSelected(this, RealCol, ARow, Color, Value);
        Write_Edit_Value(ACol, ARow, Value);
        const TCellGraphic *Gr = GetCellGraphic(RealCol, ARow);
        if (Gr && Gr->CellType == ctShape)
            SetShapeColor(RealCol, ARow, Color);
        else
            SetColors(RealCol, ARow, Color);
    } else if (auto *I = dynamic_cast<TGridImageDropDown *>(W)) {
        int Index = I->GetImageIndex();
        if (OnImageSelected)
            OnImageSelected(this, RealCol, ARow, Index);
        const TCellGraphic *Gr = GetCellGraphic(RealCol, ARow);
        if (Gr && Gr->CellType == ctImageList)
            SetImageIdx(RealCol, ARow, Index);
        else if (Gr && Gr->CellType == ctDataImage)
            Write_Edit_Value(ACol, ARow, QString::number(Index));
    } else if (auto *M = dynamic_cast<TGridMemoDropDown *>(W)) {
        Write_Edit_Value(ACol, ARow, M->Value_Text());
    } else {
        Write_Edit_Value(ACol, ARow, D->Text());
    }
    W->hide();
    W->setEnabled(false);
    return true;
}
