// Cell layout and measuring: the graphic's size and placement, the text's
// alignment, the formatted text and the room a cell's content needs.
#include "grid/stringgrid/RIraRevadiVizo.h"
#include "grid/model/MarkupText.h"
#include "grid/model/TextRoutines.h"
#include "platform/NumberFormat.h"
#include "platform/Locale.h"
#include "grid/base/MarkupRender.h"
#include "platform/RichText.h"
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

TGraphicMetrics RIraRevadiVizo::Graphic_Metrics(int ACol, int ARow)
{
    TGraphicMetrics M;
    M.CheckSize = FControlLook.CheckSize;
    M.RadioSize = FControlLook.RadioSize;
    M.RowHeight = ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : DefaultRowHeight();
    M.XYOffset = XYOffset();
    const int DC = DisplColIndex(ACol);
    M.CellSize = {DC >= 0 && DC < ColCount() ? ColWidths(DC) : DefaultColWidth(), M.RowHeight};
    if (const TCellGraphic *G = GetCellGraphic(ACol, ARow)) {
        if (const auto *Img = dynamic_cast<const TCellImageRef *>(Real_Object(G->CellBitmap)))
            M.ImageSize = Img->Image_Size();
        const TImageList *IL = GetGridImages();
        if (IL && (G->CellType == ctImageList || G->CellType == ctDataImage || G->CellType == ctImages))
            M.ImageSize = QSize(IL->Width(), IL->Height());
        if (const auto *L = dynamic_cast<const TCellIntList *>(Real_Object(G->CellBitmap)))
            M.ImageCount = L->Count();
        if (G->CellType == ctIcon)
            if (const auto *Ic = dynamic_cast<const TCellImageRef *>(Real_Object(G->CellIcon)))
                M.ImageSize = Ic->Image_Size();
        if (const TCellDrawInterface *I = G->Interface())
            M.ImageSize = I->GetSize(ACol, ARow);
    }
    return M;
}

TCellGraphic *RIraRevadiVizo::GetCellGraphicLayout(int ACol, int ARow, int &Width, int &Height, bool &DrawText,
                                                   TCellHAlign &HAlign, TCellVAlign &VAlign)
{
    TCellGraphic *G = GetCellGraphic(ACol, ARow);
    const TGraphicLayout L = Graphic_Layout(G, Graphic_Metrics(ACol, ARow));
    Width = L.Width;
    Height = L.Height;
    DrawText = L.DrawText;
    HAlign = L.HAlign;
    VAlign = L.VAlign;
    return G;
}

void RIraRevadiVizo::CalcCellAlignment(int ACol, int ARow, TAlignment &HA, TVAlignment &VA)
{
    HA = DefaultAlignment();
    VA = VAlignment();
    QString S = GetCellEx(ACol, ARow);
    const bool Formula = S.startsWith(u'=') || (S.startsWith(QStringLiteral("|\\")) && S.size() > 3 && S[3] == u'=');
    if (FAutoNumAlign) {
        QString V = S;
        if (Formula)
            GetFormulaResult(ACol, ARow, V);
        const int K = ClassifyNumberText(V.trimmed());
        if (K == ntInteger || K == ntDecimal || K == ntExponent)
            HA = taRightJustify;
    }
    if (const TCellProperties *P = Find_Cell_Props(ACol, ARow); P && !Formula)
        HA = P->Alignment();
    GetCellAlignment(ACol, ARow, HA, VA);
}

bool RIraRevadiVizo::IsSortRow(int ACol, int ARow)
{
    const TGridRect F = FullCell(ACol, ARow);
    return F.Bottom == FSortSettings.Row() && FSortSettings.Show() && RowCount() > FixedRows() + 1;
}

int RIraRevadiVizo::GetNodeIndent(int ARow)
{
    if (!HasNodes() || ARow < 0)
        return 0;
    const TCellProperties *P = Find_Cell_Props(0, ARow);
    return P ? P->NodeLevel() * CellNode().NodeIndent() : 0;
}

void RIraRevadiVizo::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState &AState, TFont &AFont,
                                       TBrush &ABrush, bool Remap)
{
    const int C = Remap ? RCol : ACol;
    AFont = (IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows()) ? FixedFont() : Font();
    if (const TCellProperties *P = Find_Cell_Props(C, ARow)) {
        if (P->FontColor() != clNone)
            AFont.Color = P->FontColor();
        if (!P->FontStyle().Empty())
            AFont.Style = P->FontStyle();
        if (P->FontSize() != 0)
            AFont.Size = P->FontSize();
        if (!P->FontName().isEmpty())
            AFont.Name = P->FontName();
    }
    GetCellColor(C, ARow, AState, ABrush, AFont);
}

TPoint RIraRevadiVizo::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    return CalcCellTextSize(ACol, DisplColIndex(ACol), ARow, VS, SB);
}

TPoint RIraRevadiVizo::CalcCellTextSize(int ACol, int DisplayCol, int ARow, bool VS, bool SB)
{
    QString S = GetFormattedCell(ACol, ARow);
    int Kind = ClassifyCellText(S, EnableHTML());
    if (Kind == ctFormula) {
        GetFormulaResult(ACol, ARow, S);
        Kind = ClassifyCellText(S, EnableHTML());
    }
    TCanvas &C = Canvas();
    TGridDrawState St;
    TBrush B;
    GetFontProperties(DisplayCol, ACol, ARow, St, C.Font, B, true);
    if ((DisplayCol < FixedCols() || ARow < FixedRows()) && ActiveCellShow()
        && ActiveCellFont().Style.Contains(fsBold))
        C.Font.Style = C.Font.Style + fsBold;
    C.Font.Size += ZoomFactor();
    TRect R = CellRect(DisplayCol, ARow);
    if (R.Width() <= 0)
        R = TRect(0, 0, DisplayCol >= 0 && DisplayCol < ColCount() ? ColWidths(DisplayCol) : DefaultColWidth(),
                  RowHeights(ARow));
    if (FXYOffsetTopLeftOnly) {
        R.Left += XYOffset().X;
        R.Top += XYOffset().Y;
    } else {
        R = R.Inflate(-XYOffset().X, -XYOffset().Y);
    }
    if (SB)
        R.Right -= 17;
    if (Kind == ctMarkup) {
        // laid out by the markup renderer in an open-ended rectangle
        TRect M = R;
        M.Bottom = 65535;
        if (!VS)
            M.Right = 65535;
        THTMLRenderParams P;
        P.Images = GetGridImages();
        P.CheckHeight = true;
        P.Selected = true;
        P.Blink = true;
        P.WordWrap = !FEnhTextSize;
        P.ShadowOffset = 1;
        P.ShadowColor = 0x808080;
        P.URLColor = URLColor();
        THTMLRenderResult Res;
        RenderHTML(C, S, M, P, Res);
        return {Res.XSize + 2, Res.YSize + 2};
    }
    if (Kind == ctRichText) {
        // the widest line without wrapping; the height as laid out in the cell's width
        QTextDocument Doc;
        Doc.setDefaultFont(C.Font.To_QFont());
        Doc.setDocumentMargin(0);
        Rtf_To_Document(S.toLatin1(), Doc);
        const int W = static_cast<int>(std::ceil(Doc.idealWidth()));
        if (WordWrap())
            Doc.setTextWidth(std::max(1, R.Width()));
        return {W, static_cast<int>(std::ceil(Doc.size().height())) + 4};
    }
    if (VS) {
        R = R.Inflate(-2, -2);
        // an empty last line of the text being edited counts
        if (EditMode() && DisplayCol == Col() && ARow == Row() && S.endsWith(u'\n'))
            S += u' ';
        TRect M = R;
        unsigned F = DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP;
        F |= GetCellType(ACol, ARow) == ctRotated ? DT_SINGLELINE : DT_WORDBREAK;
        C.DrawText(M, S, F);
        return {R.Width(), M.Height()};
    }
    QStringList Lines = FMultilineCells ? S.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))) : QStringList{S};
    int W = 0;
    for (QString L : Lines) {
        if (Kind == ctPlain && FURLShow && !FURLFull)
            StripURLScheme(L);
        W = std::max(W, C.TextWidth(L));
    }
    TPoint Size{W, C.TextHeight(QStringLiteral("gh")) * static_cast<int>(Lines.size())};
    int A = 0;
    if (IsRotated(ACol, ARow, A)) {
        // The rotated box's extent: the text's width and height projected on both axes.
        const double Rad = A * 3.14159265358979323846 / 180.0;
        const double c = std::abs(std::cos(Rad)), s = std::abs(std::sin(Rad));
        Size = {static_cast<int>(std::nearbyint(Size.X * c + Size.Y * s)) + 12,
                static_cast<int>(std::nearbyint(Size.X * s + Size.Y * c)) + 12};
    }
    return Size;
}

TPoint RIraRevadiVizo::CalcCellGraphicSize(int ACol, int ARow, int Reserve)
{
    const TCellGraphic *G = GetCellGraphic(ACol, ARow);
    if (!G)
        return {0, 0};
    const TGraphicMetrics M = Graphic_Metrics(ACol, ARow);
    const bool Empty = GetCellEx(ACol, ARow).isEmpty();
    const bool SideBySide = G->CellHAlign == haBeforeText || G->CellHAlign == haAfterText;
    const bool Stacked = G->CellVAlign == vaUnderText || G->CellVAlign == vaAboveText;
    TPoint S;
    bool KeepWidth = false;
    switch (G->CellType) {
    case ctBitmap: case ctImageList: case ctDataImage:
        S = {SideBySide || Empty ? M.ImageSize.width() : 0, Stacked || Empty ? M.ImageSize.height() : 0};
        break;
    case ctIcon:
        S = {SideBySide || Empty ? M.ImageSize.width() : 0, M.ImageSize.height()};
        break;
    case ctCheckBox: case ctDataCheckBox: case ctVirtCheckBox: case ctRowCheckBox: case ctTriStateCheckBox:
        S = {M.CheckSize, M.CheckSize};
        break;
    case ctRadio: {
        const QStringList Items = G->Strings() ? G->Strings()->Items : QStringList();
        TCanvas &C = Canvas();
        const int TH = C.TextHeight(QStringLiteral("gh"));
        if (!G->CellBoolean) {
            int W = 12;
            for (const QString &I : Items)
                W = std::max(W, C.TextWidth(I) + 12);
            S = {W, static_cast<int>(Items.size()) * std::max(16, TH)};
        } else {
            int W = 0;
            for (const QString &I : Items)
                W += C.TextWidth(I) + 12;
            S = {W, TH};
        }
        break;
    }
    case ctPicture: case ctFilePicture:
        S = G->GetPictureSize(M.CellSize.X - 2 * M.XYOffset.X, M.CellSize.Y - 2 * M.XYOffset.Y - Reserve);
        break;
    case ctButton: case ctBitButton:
        S = {G->ButtonWidth(), G->ButtonHeight()};
        if (Empty && G->CellHAlign == haFull) {
            S.X = Canvas().TextWidth(G->CellText) + 4;
            KeepWidth = !G->CellText.isEmpty();
        } else if (!Empty) {
            if (G->CellHAlign == haCenter)
                S.X = 0;
            else if (G->CellHAlign == haFull)
                S.X = Canvas().TextWidth(G->CellText) + 4;
            if (Stacked)
                S.X = 0;
            else
                S.Y = 0;
        }
        break;
    case ctProgressPie: S = {20, 20}; break;
    case ctInterface:
        // a zero part: as large as the cell
        S = M.ImageSize.width() > 0 && M.ImageSize.height() > 0 ? TPoint{M.ImageSize.width(), M.ImageSize.height()}
                                                                  : M.CellSize;
        break;
    case ctRadioButton: S = {M.RadioSize, M.RadioSize}; break;
    case ctRating: S = {G->CellAngle * 18, 16}; KeepWidth = true; break;
    default: break;
    }
    if (G->CellVAlign == vaFull)
        S.Y = M.CellSize.Y;
    if (G->CellHAlign == haFull && !KeepWidth)
        S.X = M.CellSize.X;
    return S;
}

void RIraRevadiVizo::GetDisplText(int ACol, int ARow, QString &Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    // a group's node row shows the number of its items in column 1
    if (FGrouping.ShowGroupCount && ACol == 1 && IsNode(ARow)) {
        const int N = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        QString Count = QStringLiteral(" (%1)").arg(N);
        if (!FGrouping.GroupCountFormat.isEmpty()) {
            try {
                Count = Format_Integer(FGrouping.GroupCountFormat, N);
            } catch (...) {
                // a format that does not take the number keeps the plain count
            }
        }
        Value += Count;
    }
    if (!FURLShowInText)
        return;
    static const char *const Prefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};
    const QString Upper = Value.toUpper();
    for (const char *P : Prefixes) {
        const QString Prefix = QString::fromLatin1(P);
        if (!Upper.contains(Prefix))
            continue;
        QString Linked;
        if (LinkifyURL(Value, Prefix, Linked))
            Value = Linked;
        break;
    }
}

void RIraRevadiVizo::GetBalloonTip(int ACol, int ARow, QString &Title, QString &Text, int &Icon)
{
    const TPoint B = BaseCell(ACol, ARow);
    QString S = GetCellEx(B.X, B.Y);
    switch (ClassifyCellText(S, true)) {
    case ctMarkup: S = StripHTMLTags(S); break;
    case ctWideEscaped: S = DecodeWideText(S); break;
    default: break;
    }
    Text = Balloon_Tip_Text(S);
    Title = QStringLiteral(" ");
    Icon = 1;
    QString BT, BX;
    TBalloonIcon BI = biNone;
    if (IsBalloon(B.X, B.Y, BT, BX, BI)) {
        Title = BT;
        Text = BX;
        Icon = BI;
    }
    if (OnCellBalloon)
        OnCellBalloon(this, B.X, B.Y, Title, Text, Icon);
    Title = Balloon_Tip_Title(Title);
}

// --- setters -----------------------------------------------------------------------------------

#define BC_SET_REPAINT(Name) \
    void RIraRevadiVizo::Set_##Name(bool Value) \
    { \
        if (F##Name == Value) \
            return; \
        F##Name = Value; \
        Invalidate(); \
    }
BC_SET_REPAINT(AutoNumAlign)
BC_SET_REPAINT(EnhTextSize)
BC_SET_REPAINT(URLShow)
BC_SET_REPAINT(NoImageAndText)
BC_SET_REPAINT(URLShowInText)
BC_SET_REPAINT(SelectionColorMixer)
BC_SET_REPAINT(SelectionRectangle)
BC_SET_REPAINT(SelectionResizer)
#undef BC_SET_REPAINT

void RIraRevadiVizo::Set_URLFull(bool Value)
{
    FURLFull = Value;
    if (FURLShow)
        Invalidate();
}

void RIraRevadiVizo::Set_ShowModifiedColor(TColor Value)
{
    FShowModified.Set_Color(Value);   // the grid repaints through OnChange
}
