// The spin editor of the integer, float, time and date kinds. How it turns keys, focus loss
// and clicks into the grid's editing calls.
#include "grid/stringgrid/GridSpinEditor.h"
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "platform/TextToInt.h"
#include <QKeyEvent>

TGridSpin::TGridSpin(QWidget *Owner) : ROruSpinEdit(Owner), FGrid(Editor_Grid_Of(Owner))
{
    // In a cell the grid lines are the frame.
    setFrame(false);
    Set_MaxValue(100);
    Set_MinValue(0);
    Set_Increment(1);
    hide();
    setEnabled(false);
    connect(this, &QLineEdit::textChanged, this, &TGridSpin::Change);
}

void TGridSpin::Change() { FGrid->Editor_Text_Edited(Text()); }

bool TGridSpin::event(QEvent *E)
{
    if (Take_Tab_Key(E, FGrid, TEditorTabRule::TabsOption, [this](QKeyEvent *K) { keyPressEvent(K); }))
        return true;
    return ROruSpinEdit::event(E);
}

void TGridSpin::KeyDown(TKey &Key, TShiftState Shift)
{
    const bool Float = SpinType() == sptFloat, Int = SpinType() == sptNormal;
    if (Int || Float) {
        switch (Key) {
        case VK_PRIOR:
            if (Int && Value() + Increment() <= MaxValue())
                Set_Value(Value() + Increment());
            if (Float && FloatValue() + IncrementFloat() <= MaxFloatValue())
                Set_FloatValue(FloatValue() + IncrementFloat());
            break;
        case VK_NEXT:
            if (Int && Value() - Increment() >= MinValue())
                Set_Value(Value() - Increment());
            if (Float && FloatValue() - IncrementFloat() >= MinFloatValue())
                Set_FloatValue(FloatValue() - IncrementFloat());
            break;
        case VK_END: Int ? Set_Value(MinValue()) : Set_FloatValue(MinFloatValue()); break;
        case VK_HOME: Int ? Set_Value(MaxValue()) : Set_FloatValue(MaxFloatValue()); break;
        default: break;
        }
        if (Key == VK_PRIOR || Key == VK_HOME || Key == VK_NEXT || Key == VK_END) {
            if (FGrid->OnSpinClick)
                FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), Key == VK_PRIOR || Key == VK_HOME);
            // The step is taken here: a page beyond the limit leaves the value.
            Key = 0;
            return;
        }
    }
    if (Key != VK_TAB && Key != VK_RETURN && Key != VK_ESCAPE && Key != VK_UP && Key != VK_DOWN) {
        ROruSpinEdit::KeyDown(Key, Shift);
        return;
    }
    if (Key == VK_ESCAPE) {
        Set_Text(FGrid->CellCache());
        int V = 0;
        double F = 0;
        if (SpinType() == sptNormal && Text_To_Int(FGrid->CellCache(), V))
            Set_Value(V);
        else if (SpinType() == sptFloat && Spin_Text_To_Float(FGrid->CellCache(), F))
            Set_FloatValue(F);
    } else {
        FGrid->Set_CurrentCell(Text());
        if (!FGrid->ValidateCell(Text())) {
            Set_Text(FGrid->CurrentCell());
            setCursorPosition(Text().size());
            FGrid->Set_NoAutoAdvance(true);
            Key = 0;
            return;
        }
        Set_Text(FGrid->CurrentCell());
        if (Key == VK_TAB && FGrid->Options().Contains(goTabs)) {
            Editor_Tab_To_Next_Cell(FGrid, Shift.Contains(ssShift));
            Key = 0;
            return;
        }
    }
    Editor_Leave_Step(FGrid, Key, Shift);
}

void TGridSpin::KeyPress(QChar &Key)
{
    if (Key == QChar(27) || Key == QChar(13) || Key == QChar(9)) {
        Key = QChar();
        return;
    }
    ROruSpinEdit::KeyPress(Key);
}

void TGridSpin::DoExit()
{
    Editor_Focus_Lost(FGrid);
    ROruSpinEdit::DoExit();
}

void TGridSpin::UpClick(QObject *Sender)
{
    ROruSpinEdit::UpClick(Sender);
    switch (SpinType()) {
    case sptNormal: if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), true); break;
    case sptFloat: if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, FGrid->Col(), FGrid->Row(), FloatValue(), true); break;
    case sptDate: if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, FGrid->Col(), FGrid->Row(), DateValue(), true); break;
    case sptTime: if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, FGrid->Col(), FGrid->Row(), TimeValue(), true); break;
    }
}

void TGridSpin::DownClick(QObject *Sender)
{
    ROruSpinEdit::DownClick(Sender);
    switch (SpinType()) {
    case sptNormal: if (FGrid->OnSpinClick) FGrid->OnSpinClick(FGrid, FGrid->Col(), FGrid->Row(), Value(), false); break;
    case sptFloat: if (FGrid->OnFloatSpinClick) FGrid->OnFloatSpinClick(FGrid, FGrid->Col(), FGrid->Row(), FloatValue(), false); break;
    case sptDate: if (FGrid->OnDateSpinClick) FGrid->OnDateSpinClick(FGrid, FGrid->Col(), FGrid->Row(), DateValue(), false); break;
    case sptTime: if (FGrid->OnTimeSpinClick) FGrid->OnTimeSpinClick(FGrid, FGrid->Col(), FGrid->Row(), TimeValue(), false); break;
    }
}
