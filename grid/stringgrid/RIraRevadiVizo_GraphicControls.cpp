// Cell graphics that act as controls or markers: buttons, cell scroll bars,
// markers, rotated text, balloons, radio groups and expand buttons.
#include "grid/stringgrid/RIraRevadiVizo.h"

// --- buttons ------------------------------------------------------------------------------------------

void RIraRevadiVizo::AddButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellHAlign hal,
                               TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetButton(bw, bh, Caption, hal, val);
}

void RIraRevadiVizo::AddBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption, TCellBitmap *Glyph,
                                  TCellHAlign hal, TCellVAlign val)
{
    CreateCellGraphic(ACol, ARow)->SetBitButton(bw, bh, Caption, Glyph, hal, val);
}

TCellBitmap *RIraRevadiVizo::CreateBitButton(int ACol, int ARow, int bw, int bh, const QString &Caption,
                                             TCellHAlign hal, TCellVAlign val)
{
    auto *B = new TCellBitmap;
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->SetBitButton(bw, bh, Caption, B, hal, val);
    G->CellCreated = true;
    return B;
}

bool RIraRevadiVizo::SetButtonText(int ACol, int ARow, const QString &Caption)
{
    const int RC = RealColIndex(ACol);
    TCellGraphic *G = GetCellGraphic(RC, ARow);
    if (!G || (G->CellType != ctButton && G->CellType != ctBitButton))
        return false;
    G->CellText = Caption;
    RepaintCell(ACol, ARow);
    return true;
}

QString RIraRevadiVizo::GetButtonText(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(RealColIndex(ACol), ARow);
    return G && (G->CellType == ctButton || G->CellType == ctBitButton) ? G->CellText : QString();
}

bool RIraRevadiVizo::PushButton(int ACol, int ARow, bool Push)
{
    TCellGraphic *G = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!G || (G->CellType != ctButton && G->CellType != ctBitButton))
        return false;
    G->CellBoolean = Push;
    RepaintCell(ACol, ARow);
    return true;
}

bool RIraRevadiVizo::RemoveButton(int ACol, int ARow)
{
    return HasButton(ACol, ARow) && RemoveCellGraphic(ACol, ARow);
}

void RIraRevadiVizo::RemoveAllButtons()
{
    for (int C = 0; C < ColCount(); ++C)
        for (int R = 0; R < RowCount(); ++R)
            RemoveButton(C, R);
}

TRect RIraRevadiVizo::GetCellButtonRect(int ACol, int ARow)
{
    const TCellGraphic *G = GetCellGraphic(RealColIndex(ACol), ARow);
    if (!G)
        return {};
    const TRect R = CellRect(ACol, ARow);
    const int O = static_cast<int>(std::nearbyint(G->CellValue));
    TRect B;
    B.Left = R.Left + (O & 0xFFFF);
    B.Top = R.Top + (O >> 16);
    B.Right = B.Left + G->ButtonWidth();
    B.Bottom = B.Top + G->ButtonHeight();
    if (G->CellVAlign == vaFull) {
        B.Top = R.Top;
        B.Bottom = R.Bottom;
    }
    if (G->CellHAlign == haFull) {
        B.Left = R.Left;
        B.Right = R.Right;
    }
    return B;
}

// The button under the pointer is drawn hot; only the cells it leaves and
// enters are repainted.
void RIraRevadiVizo::Track_Hot_Button(int X, int Y)
{
    TPoint Hot{-1, -1};
    if (X >= 0 && Y >= 0) {
        int C = -1, R = -1;
        MouseToCell(X, Y, C, R);
        if (C >= 0 && R >= 0 && C < ColCount() && R < RowCount()) {
            const TCellGraphic *G = GetCellGraphic(RealColIndex(C), R);
            const bool Button = G && (G->CellType == ctButton || G->CellType == ctBitButton || G->CellType == ctExpand);
            if (Button) {
                const TRect B = G->CellType == ctExpand
                                    ? TRect(CellRect(C, R).Right - 15, CellRect(C, R).Top + 1, CellRect(C, R).Right - 2,
                                            CellRect(C, R).Top + 14)
                                    : GetCellButtonRect(C, R);
                if (X >= B.Left && X < B.Right && Y >= B.Top && Y < B.Bottom)
                    Hot = TPoint(C, R);
            }
        }
    }
    if (Hot.X == FHotButton.X && Hot.Y == FHotButton.Y)
        return;
    const TPoint Old = FHotButton;
    FHotButton = Hot;
    if (Old.X >= 0)
        RepaintCell(Old.X, Old.Y);
    if (Hot.X >= 0)
        RepaintCell(Hot.X, Hot.Y);
}

// --- cell scroll bars ------------------------------------------------------------------------------------

void RIraRevadiVizo::AddScrollBar(int ACol, int ARow, bool AutoRange)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctScrollbar;
    G->CellAngle = 0;
    G->CellErrFrom = 100;
    G->CellIndex = 0;
    G->CellBoolean = AutoRange;
    if (AutoRange)
        CellTextChanged(ACol, ARow);
}

bool RIraRevadiVizo::HasAutoRangeScrollBar(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    return G && G->CellType == ctScrollbar && G->CellBoolean;
}

void RIraRevadiVizo::SetScrollPosition(int ACol, int ARow, int Pos)
{
    const TPoint B = BaseCell(ACol, ARow);
    TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    if (!G || G->CellType != ctScrollbar)
        return;
    G->CellIndex = Pos;
    Repaint_Real(ACol, ARow);
}

int RIraRevadiVizo::GetScrollPosition(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    return G && G->CellType == ctScrollbar ? G->CellIndex : -1;
}

void RIraRevadiVizo::SetScrollProp(int ACol, int ARow, TScrollProp Prop)
{
    const TPoint B = BaseCell(ACol, ARow);
    TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    if (!G || G->CellType != ctScrollbar)
        return;
    G->CellAngle = Prop.PageSize;
    G->CellErrFrom = Prop.Range;
}

TScrollProp RIraRevadiVizo::GetScrollProp(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    if (!G || G->CellType != ctScrollbar)
        return {-1, -1};
    return {G->CellAngle, G->CellErrFrom};
}

// --- markers, rotated text, balloons -------------------------------------------------------------

void RIraRevadiVizo::AddMarker(int ACol, int ARow, int ErrPos, int ErrLen)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G == &FRowCheckBox) {
        G = CreateCellGraphic(ACol, ARow);
        G->CellType = ctEmpty;
    }
    G->CellErrFrom = ErrPos;
    G->CellErrLen = ErrLen;
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::GetMarker(int ACol, int ARow, int &ErrPos, int &ErrLen)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    ErrPos = G ? G->CellErrFrom : 0;
    ErrLen = G ? G->CellErrLen : 0;
}

void RIraRevadiVizo::RemoveMarker(int ACol, int ARow)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return;
    if (G->CellType == ctEmpty) {
        RemoveCellGraphic(ACol, ARow);
        return;
    }
    G->CellErrFrom = 0;
    G->CellErrLen = 0;
    Repaint_Real(ACol, ARow);
}

void RIraRevadiVizo::RemoveAllMarkers()
{
    for (int C = 0; C < ColCount(); ++C)
        for (int R = 0; R < RowCount(); ++R)
            RemoveMarker(C, R);
}

void RIraRevadiVizo::AddRotated(int ACol, int ARow, int AAngle, const QString &s)
{
    CreateCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCellEx(ACol, ARow, s);
}

void RIraRevadiVizo::SetRotated(int ACol, int ARow, int AAngle)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G == &FRowCheckBox)
        G = CreateCellGraphic(ACol, ARow);
    G->SetAngle(AAngle);
    Repaint_Real(ACol, ARow);
}

bool RIraRevadiVizo::IsRotated(int ACol, int ARow, int &aAngle)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctRotated)
        return false;
    aAngle = G->CellAngle;
    return true;
}

void RIraRevadiVizo::AddBalloon(int ACol, int ARow, const QString &Title, const QString &Text, TBalloonIcon Icon)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (G && G != &FRowCheckBox) {
        if (G->CellType != ctCheckBox && G->CellType != ctDataCheckBox && G->CellType != ctRadioButton)
            return;
        if (G->CellAngle == 1)
            G->Free_Bitmap_Object();
        G->CellAngle = 1;
    } else {
        G = CreateCellGraphic(ACol, ARow);
        G->CellType = ctBalloon;
        G->CellAngle = 0;
    }
    G->CellIndex = Icon;
    G->CellBitmap = new TCellStrings({Title, Text});
}

bool RIraRevadiVizo::IsBalloon(int ACol, int ARow, QString &Title, QString &Text, TBalloonIcon &Icon)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return false;
    const bool In_Box = (G->CellType == ctCheckBox || G->CellType == ctDataCheckBox || G->CellType == ctRadioButton)
                     && G->CellAngle == 1;
    if (G->CellType != ctBalloon && !In_Box)
        return false;
    if (const TCellStrings *S = G->Strings()) {
        Title = S->Items.value(0);
        Text = S->Items.value(1);
    }
    Icon = static_cast<TBalloonIcon>(G->CellIndex);
    return true;
}

void RIraRevadiVizo::RemoveBalloon(int ACol, int ARow)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return;
    if ((G->CellType == ctCheckBox || G->CellType == ctDataCheckBox || G->CellType == ctRadioButton)
        && G->CellAngle == 1) {
        G->Free_Bitmap_Object();
        G->CellAngle = 0;
        return;
    }
    RemoveCellGraphicOfType(ACol, ARow, ctBalloon);
}

// --- radio groups ------------------------------------------------------------------------------------------

void RIraRevadiVizo::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, const QStringList &sl)
{
    // The grid keeps its own copy of the choices (owned like a created list).
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctRadio;
    G->CellBitmap = new TCellStrings(sl);
    G->CellCreated = true;
    G->CellIndex = IdxRadio;
    G->CellAngle = static_cast<int>(sl.size());
    G->CellBoolean = DirRadio != 0;
}

QStringList *RIraRevadiVizo::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    AddRadio(ACol, ARow, DirRadio, IdxRadio, {});
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    G->CellAngle = 0;
    return &G->Strings()->Items;
}

bool RIraRevadiVizo::GetRadioIdx(int ACol, int ARow, int &IdxRadio)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return false;
    IdxRadio = G->CellIndex;
    return G->CellType == ctRadio;
}

bool RIraRevadiVizo::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctRadio)
        return false;
    G->CellIndex = IdxRadio;
    if (IdxRadio == -1)
        SetCellEx(ACol, ARow, QString());
    Repaint_Real(ACol, ARow);
    return true;
}

QStringList RIraRevadiVizo::GetRadioStrings(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    const TCellStrings *S = G && G->CellType == ctRadio ? G->Strings() : nullptr;
    return S ? S->Items : QStringList();
}

void RIraRevadiVizo::AdvanceRadio(int ACol, int ARow, bool FromUser)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G || G->CellType != ctRadio)
        return;
    if (FromUser && !FControlLook.RadioAlwaysActive) {
        bool Can = true;
        CanEditCell(ACol, ARow, Can);
        if (!Can)
            return;
    }
    const QStringList Items = G->Strings() ? G->Strings()->Items : QStringList();
    int N = G->CellIndex >= 0 ? G->CellIndex + 1 : static_cast<int>(Items.indexOf(GetCellEx(ACol, ARow))) + 1;
    if (N >= Items.size())
        N = 0;
    if (G->CellIndex >= -1)
        G->CellIndex = N;
    G->CellVar = N;
    SetCellEx(ACol, ARow, Items.value(N));
}

// --- expand buttons -------------------------------------------------------------------------------------------

void RIraRevadiVizo::AddExpand(int ACol, int ARow, int ExpandedHeight)
{
    TCellGraphic *G = CreateCellGraphic(ACol, ARow);
    G->CellType = ctExpand;
    G->CellAngle = ExpandedHeight;
    G->CellIndex = RowHeights(ARow);
    G->CellVar = false;
}

bool RIraRevadiVizo::ToggleExpand(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    if (!G)
        return false;
    G->CellVar = !G->CellVar.toBool();
    return G->CellVar.toBool();
}

bool RIraRevadiVizo::GetExpandState(int ACol, int ARow)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    return G && G->CellVar.toBool();
}

int RIraRevadiVizo::GetExpandHeight(int ACol, int ARow, bool Expanded)
{
    const TPoint B = BaseCell(ACol, ARow);
    const TCellGraphic *G = GetCellGraphic(B.X, B.Y);
    if (!G)
        return DefaultRowHeight();
    return Expanded ? G->CellAngle : G->CellIndex;
}

TRect RIraRevadiVizo::GetExpandRect(int ACol, int ARow)
{
    if (!CellTypeInSet(ACol, ARow, {ctExpand}))
        return {};
    const TRect R = CellRect(DisplColIndex(ACol), ARow);
    return {R.Right - 13, R.Top + 2, R.Right - 2, R.Top + 13};
}
