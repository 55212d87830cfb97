// The quick-configuration box a grid draws in its bottom-right corner while it
// is being designed: editing on or off, column numbers in the header, the
// look, and a close glyph. A grid is designed only when a program says so
// (Set_Designing); at run time nothing here draws or answers.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include <QCursor>
#include <QFontMetrics>
#include <QMenu>

namespace {
TFont Helper_Font()
{
    TFont F;
    F.Name = QStringLiteral("Tahoma");
    F.Size = 8;
    return F;
}

// The box's measures: the text height of "gh", the line height and the box's top.
struct TBoxMetrics {
    int TH;
    int LH;
    int Top;
    int Width(const QString &Text) const { return QFontMetrics(Helper_Font().To_QFont()).horizontalAdvance(Text); }
};

TBoxMetrics Box_Metrics(int ClientHeight)
{
    const int TH = QFontMetrics(Helper_Font().To_QFont()).height();
    return {TH, TH + 2, ClientHeight - (4 * TH + 18)};
}

constexpr int Box_Width = 150;

const QString Allow_Edit = QStringLiteral("Allow edit");
const QString Column_Numbers = QStringLiteral("Column numbers");

QString Look_Line(TGridLook Look) { return QStringLiteral("Set look: ") + RIraRevadiVizo::Look_Display_Name(Look); }
} // namespace

QString RIraRevadiVizo::Look_Display_Name(TGridLook Look)
{
    switch (Look) {
    case glStandard: return QStringLiteral("Standard");
    case glSoft: return QStringLiteral("Soft");
    case glClassic: return QStringLiteral("Classic");
    case glQel: return QStringLiteral("Qel");
    case glXP: return QStringLiteral("Windows XP");
    case glListView: return QStringLiteral("ListView");
    case glVista: return QStringLiteral("Windows Vista");
    case glWin7: return QStringLiteral("Windows 7");
    case glOffice2007: return QStringLiteral("Office2007");
    default: return QString();
    }
}

std::vector<std::pair<QString, int>> RIraRevadiVizo::Design_Look_Menu_Items()
{
    // The identifier less one is the look.
    return {{QStringLiteral("Standard"), 1},     {QStringLiteral("Soft"), 2},          {QStringLiteral("Classic"), 3},
            {QStringLiteral("Qel"), 4},          {QStringLiteral("ListView"), 6},      {QStringLiteral("Office 2007"), 9},
            {QStringLiteral("Windows XP"), 5},   {QStringLiteral("Windows Vista"), 7}, {QStringLiteral("Windows 7"), 8}};
}

void RIraRevadiVizo::Set_Designing(bool Value)
{
    if (Value == FDesigning)
        return;
    FDesigning = Value;
    Invalidate();
}

int RIraRevadiVizo::DesignHelperHitTest(int X, int Y)
{
    const int W = Client_Width();
    const TBoxMetrics M = Box_Metrics(Client_Height());
    auto On_Line = [&](int N) { return M.Top + N * M.LH + 4 < Y && Y < M.Top + (N + 1) * M.LH + 4; };
    // Tested in the order 4, 1, 2, 3; a later match wins.
    int Choice = -1;
    if (W - 16 < X && M.Top < Y && Y < M.Top + 16)
        Choice = 4;
    if (W - Box_Width < X && X < W - 132 + M.Width(Allow_Edit) && On_Line(1))
        Choice = 1;
    if (W - Box_Width < X && X < W - 132 + M.Width(Column_Numbers) && On_Line(2))
        Choice = 2;
    if (W - Box_Width < X && X < W - Box_Width + M.Width(Look_Line(Look())) && On_Line(3))
        Choice = 3;
    return Choice;
}

void RIraRevadiVizo::PaintDesignHelper()
{
    if (!FDesigning)
        return;
    TCanvas &C = Canvas();
    if (FShowColNrs && FixedRows() > 0) {
        // Row 0 shows each column's real number at its bottom right.
        C.Font = Helper_Font();
        C.Font.Color = 0x808080;
        C.Brush.Style = bsClear;
        for (int Col = 0; Col < ColCount(); ++Col) {
            TRect R = CellRect(Col, 0);
            if (R.Is_Empty())
                continue;
            R = R.Inflate(-2, -1);
            C.DrawText(R, QString::number(RealColIndex(Col)), DT_RIGHT | DT_BOTTOM | DT_SINGLELINE);
        }
        C.Brush.Style = bsSolid;
    }
    if (!ShowDesignHelper())
        return;
    const int W = Client_Width();
    const int H = Client_Height();
    const TBoxMetrics M = Box_Metrics(H);
    const TRect Helper_Box(W - Box_Width, M.Top, W, H);
    C.Font = Helper_Font();
    C.Font.Color = clNavy;
    C.Font.Style = {fsUnderline};
    C.Brush.Style = bsSolid;
    C.Brush.Color = clInfoBk;
    C.Pen.Style = psSolid;
    C.Pen.Color = clGray;
    C.Rectangle(Helper_Box);
    C.Brush.Style = bsClear;
    C.TextOut(Helper_Box.Left + 4, Helper_Box.Top + 4, QStringLiteral("Quick config [v") + Version() + QLatin1Char(']'));
    // The close glyph: a cross in a small frame.
    const TRect Close(Helper_Box.Right - 16, Helper_Box.Top + 2, Helper_Box.Right - 4, Helper_Box.Top + 14);
    C.Pen.Color = clNavy;
    C.FrameRect(Close);
    C.MoveTo(Close.Left + 3, Close.Top + 3);
    C.LineTo(Close.Right - 3, Close.Bottom - 3);
    C.MoveTo(Close.Right - 4, Close.Top + 3);
    C.LineTo(Close.Left + 2, Close.Bottom - 3);
    const QPoint Mouse = viewport()->mapFromGlobal(QCursor::pos());
    const int Hover = DesignHelperHitTest(Mouse.x(), Mouse.y());
    auto Line_Style = [&](int Choice) { C.Font.Style = Hover == Choice ? TFontStyles{fsUnderline} : TFontStyles{}; };
    const int L = Helper_Box.Left, T = Helper_Box.Top, TH = M.TH;
    DrawCheckBox(C, TRect(L + 4, T + TH + 4, L + 20, T + TH + 20), Options().Contains(goEditing), true, false,
                 FControlLook.ControlStyle, false, cbUnchecked);
    C.Brush.Style = bsClear;
    Line_Style(1);
    C.TextOut(L + 22, T + TH + 6, Allow_Edit);
    DrawCheckBox(C, TRect(L + 4, T + 2 * TH + 6, L + 20, T + 2 * TH + 22), FShowColNrs, true, false,
                 FControlLook.ControlStyle, false, cbUnchecked);
    C.Brush.Style = bsClear;
    Line_Style(2);
    C.TextOut(L + 22, T + 2 * TH + 8, Column_Numbers);
    Line_Style(3);
    C.TextOut(L + 4, T + 3 * TH + 10, Look_Line(Look()));
    C.Brush.Style = bsSolid;
    C.Font.Style = {};
}

int RIraRevadiVizo::CMDesignHitTest(int X, int Y)
{
    if (!FDesigning || !ShowDesignHelper())
        return 0;
    const int Choice = DesignHelperHitTest(X, Y);
    if (Choice != FLastDesignChoice) {
        const int W = Client_Width(), H = Client_Height();
        viewport()->update(QRect(W - Box_Width, H - 70, Box_Width, 70));
        FLastDesignChoice = Choice;
    }
    // The designer hands the mouse to the grid over a line of the box.
    return Choice >= 1 && Choice <= 4 ? 1 : 0;
}

int RIraRevadiVizo::DesignLookMenu(QPoint Global)
{
    QMenu Menu(this);
    for (const auto &[Caption, Id] : Design_Look_Menu_Items()) {
        QAction *A = Menu.addAction(Caption);
        A->setData(Id);
        A->setCheckable(true);
        A->setChecked(Id - 1 == static_cast<int>(Look()));
    }
    const QAction *Chosen = Menu.exec(Global);
    return Chosen ? Chosen->data().toInt() : 0;
}

void RIraRevadiVizo::DesignHelperClick(int X, int Y)
{
    // A closed box takes no clicks.
    if (!ShowDesignHelper())
        return;
    const int Choice = DesignHelperHitTest(X, Y);
    switch (Choice) {
    case 1:
        Set_Options(Options().Contains(goEditing) ? Options() - goEditing : Options() + goEditing);
        break;
    case 2:
        FShowColNrs = !FShowColNrs;
        Invalidate();
        break;
    case 3: {
        const int Id = DesignLookMenu(viewport()->mapToGlobal(QPoint(X, Y)));
        if (Id >= 1 && Id <= 9)
            Set_Look(static_cast<TGridLook>(Id - 1));
        break;
    }
    case 4: Set_ShowDesignHelper(false); return;
    default: return;
    }
    // The window's width goes one pixel down and up again, so that whoever
    // watches it registers the change.
    QWidget *Form = window();
    if (Form && Form != this) {
        Form->resize(Form->width() - 1, Form->height());
        Form->resize(Form->width() + 1, Form->height());
    }
    Invalidate();
}

void RIraRevadiVizo::MouseMove(TShiftState Shift, int X, int Y)
{
    TBaseGrid::MouseMove(Shift, X, Y);
    Track_Hot_Button(X, Y);
    if (FDesigning)
        CMDesignHitTest(X, Y);
}

void RIraRevadiVizo::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    QPointer<RIraRevadiVizo> Self(this);
    TBaseGrid::MouseUp(Button, Shift, X, Y);
    if (Self && FDesigning)
        DesignHelperClick(X, Y);
}
